#pragma once
// TInstanceChecker: a record of every live value and calculation by name. At program end
// (Finalize of its slot, the last step of main()'s shutdown) it reports each object that was
// never freed: "Fehler bei Freigabe: <name>", captioned with the object's class; the user may
// cancel the rest of the report. The report is informative only.
#include "Lib/Singleton.h"

#include <cstddef>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

class TInstanceChecker {
public:
    ~TInstanceChecker();

    // Adds the object unless it is null or already registered. The class shown in the report is
    // the object's dynamic class at report time.
    template <class T> void Register(const T* object, const std::string& name)
    {
        if constexpr (std::is_polymorphic_v<T>)
            Add(object, name, [](const void* o) -> const std::type_info& {
                return typeid(*static_cast<const T*>(o));
            });
        else
            Add(object, name, [](const void*) -> const std::type_info& { return typeid(T); });
    }
    void Unregister(const void* object);

    // Names of the objects still registered, in registration order.
    std::vector<std::string> Remaining() const;
    // Shows the report now (what Finalize does); returns the number of entries shown.
    int Report() const;

private:
    friend class TSingleton<TInstanceChecker>;
    TInstanceChecker() = default;

    using Klasse = const std::type_info& (*)(const void*);
    struct Eintrag {
        const void* object;
        std::string name;
        Klasse klasse;
    };
    void Add(const void* object, const std::string& name, Klasse klasse);

    std::vector<Eintrag> m_eintraege;
};

TInstanceChecker& InstanceChecker();
TSingleton<TInstanceChecker>& InstanceCheckerSingleton();
