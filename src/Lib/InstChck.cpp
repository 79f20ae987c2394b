#include "Lib/InstChck.h"

#include "Lib/Meldung.h"

#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

constinit TSingleton<TInstanceChecker> gInstanceChecker("InstanceChecker", "Unit InstChck");

std::string KlassenName(const std::type_info& typ)
{
    int status = 0;
    char* lesbar = abi::__cxa_demangle(typ.name(), nullptr, nullptr, &status);
    std::string name = status == 0 && lesbar != nullptr ? lesbar : typ.name();
    std::free(lesbar);
    return name;
}

} // namespace

TInstanceChecker& InstanceChecker()
{
    return gInstanceChecker.Instance();
}

TSingleton<TInstanceChecker>& InstanceCheckerSingleton()
{
    return gInstanceChecker;
}

TInstanceChecker::~TInstanceChecker()
{
    // A destructor lets nothing escape; the report is informative only.
    try {
        Report();
    } catch (...) {
    }
}

void TInstanceChecker::Add(const void* object, const std::string& name, Klasse klasse)
{
    if (object == nullptr)
        return;
    const bool vorhanden = std::any_of(m_eintraege.begin(), m_eintraege.end(),
                                       [object](const Eintrag& e) { return e.object == object; });
    if (!vorhanden)
        m_eintraege.push_back(Eintrag{object, name, klasse});
}

void TInstanceChecker::Unregister(const void* object)
{
    // From the back: the objects made last are usually freed first.
    const auto it = std::find_if(m_eintraege.rbegin(), m_eintraege.rend(),
                                 [object](const Eintrag& e) { return e.object == object; });
    if (it != m_eintraege.rend())
        m_eintraege.erase(std::next(it).base());
}

std::vector<std::string> TInstanceChecker::Remaining() const
{
    std::vector<std::string> namen;
    for (const Eintrag& e : m_eintraege)
        namen.push_back(e.name);
    return namen;
}

int TInstanceChecker::Report() const
{
    int gezeigt = 0;
    for (const Eintrag& e : m_eintraege) {
        ++gezeigt;
        if (!Meldung("Fehler bei Freigabe: " + e.name, KlassenName(e.klasse(e.object)), true))
            break;
    }
    return gezeigt;
}
