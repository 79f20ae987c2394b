#include "MVCFrame/StringIniLookup.h"

#include "Lib/IniFile.h"
#include "Lib/Meldung.h"
#include "Lib/StrLib.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The INI reader's own limit: a larger file is no settings file and reads as empty.
constexpr off_t kMaxDateiGroesse = 16 * 1024 * 1024;

bool OrdnerFehlt(const std::string& datei)
{
    const std::size_t trenner = datei.find_last_of('/');
    if (trenner == std::string::npos || trenner == 0)
        return false;
    struct stat st {};
    return ::stat(datei.substr(0, trenner).c_str(), &st) != 0 || !S_ISDIR(st.st_mode);
}

} // namespace

bool IniDateiUnlesbar(const std::string& datei)
{
    // Non-blocking, so that a FIFO in the file's place cannot hold the program up.
    const int fd = ::open(datei.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno != ENOENT || OrdnerFehlt(datei);
    struct stat st {};
    const bool lesbar =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxDateiGroesse;
    ::close(fd);
    return !lesbar;
}

TStringIniLookup::TStringIniLookup(TDaten* daten, std::string name, TValueCreateFlags flags,
                                   std::string defaultValue, std::string iniDatei,
                                   std::string iniPfad, std::string section)
    : TString(daten, std::move(name), flags, std::move(defaultValue)),
      m_iniDatei(std::move(iniDatei)), m_iniPfad(std::move(iniPfad)), m_section(std::move(section))
{
}

void TStringIniLookup::GetChoices(TStrings& list) const
{
    TStand stand;
    stand.datei = JoinPath(m_iniPfad, m_iniDatei);
    struct stat st {};
    if (::stat(stand.datei.c_str(), &st) == 0) {
        stand.vorhanden = true;
        stand.dev = st.st_dev;
        stand.ino = st.st_ino;
        stand.size = st.st_size;
        stand.mtimeNs =
            static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    }
    if (!m_gelesen || !(stand == m_stand)) {
        m_choices.clear();
        const TXIniFile ini(stand.datei);
        // One pass over the section: a list of thousands of funds is read in linear time.
        for (const std::string& zeile : ini.ReadSectionValues(m_section))
            m_choices.push_back(zeile.substr(zeile.find('=') + 1));
        m_stand = std::move(stand);
        m_gelesen = true;
    }
    list = m_choices;
}

bool TStringIniLookup::UngeprueftBehalten(const std::string& text) const
{
    const std::string datei = JoinPath(m_iniPfad, m_iniDatei);
    const bool unlesbar = IniDateiUnlesbar(datei);
    if (!unlesbar && !m_gespeichert)
        return false;
    static std::set<std::pair<std::string, std::string>> gemeldet;
    if (gemeldet.emplace(datei, text).second) {
        struct stat st {};
        std::string grund = " führt \"" + text + "\" nicht.";
        if (unlesbar)
            grund = " kann nicht gelesen werden.";
        else if (::stat(datei.c_str(), &st) != 0)
            grund = " fehlt.";
        Meldung(datei + grund + "\n\"" + text +
                    "\" bleibt gewählt, wie es gespeichert ist, kann aber nicht geladen werden.",
                Name(), false);
    }
    return true;
}

// Marks the sets of its lifetime as those of a stored choice.
class TStringIniLookup::TGespeichert {
public:
    explicit TGespeichert(TStringIniLookup& lookup) : m_lookup(lookup)
    {
        m_lookup.m_gespeichert = true;
    }
    ~TGespeichert() { m_lookup.m_gespeichert = false; }
    TGespeichert(const TGespeichert&) = delete;
    TGespeichert& operator=(const TGespeichert&) = delete;

private:
    TStringIniLookup& m_lookup;
};

void TStringIniLookup::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    const TGespeichert gespeichert(*this);
    SetAsString(ini.ReadString(section, Name(), GetDefaultAsString()));
}

void TStringIniLookup::AssignTo(TValue& dest) const
{
    auto* lookup = dynamic_cast<TStringIniLookup*>(&dest);
    if (!lookup) {
        TString::AssignTo(dest);
        return;
    }
    const TGespeichert gespeichert(*lookup);
    TString::AssignTo(dest);
}

void TStringIniLookup::ExecuteCommand(std::string_view command, std::string_view param,
                                      TStrings& result)
{
    TString::ExecuteCommand(command, param, result);
    if (command == "GETLIST")
        GetChoices(result);
}

bool TStringIniLookup::Validate(std::string& newText, const TValidateEvent& method)
{
    if (!TString::Validate(newText, method))
        return false;
    if (newText.empty())
        return true;
    TStrings choices;
    GetChoices(choices);
    return std::find(choices.begin(), choices.end(), newText) != choices.end() ||
           UngeprueftBehalten(newText);
}

void TWaehrungStringIniLookup::GetChoices(TStrings& list) const
{
    TStringIniLookup::GetChoices(list);
    list.push_back("DM");
    list.push_back("Euro");
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

bool TWaehrungStringIniLookup::Validate(std::string& newText, const TValidateEvent& method)
{
    // A currency that is no longer listed falls back to the default rather than being refused.
    if (!TStringIniLookup::Validate(newText, method))
        newText = GetDefault();
    return true;
}
