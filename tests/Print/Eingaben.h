#pragma once
// The inputs of a printout test, set by their value names as the page's fields would set them.
#include "Engine/Stammdaten/Kasse.h"
#include "Lib/Component.h"
#include "Lib/IniFile.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/StringValue.h"
#include "MVCFrame/Value.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using TEingaben = std::vector<std::pair<const char*, const char*>>;

// Fund names as long as users type them: one of 33 characters and one of 100. The payroll takes
// only a fund of the funds file: KassenAnlegen enters both there.
inline constexpr const char* kKasse33 = "Hanseatische Ersatzkasse Nord-Ost";
inline constexpr const char* kKasse100 = "Betriebskrankenkasse der Vereinigten Hanseatischen "
                                         "Werften, Reedereien und Hafenbetriebe Nord-Ost eV";

inline void KassenAnlegen()
{
    const std::vector<std::string> vorhanden =
        TXIniFile(KassenDateiName()).ReadSectionValues(kKassenSektion);
    for (const char* name : {kKasse33, kKasse100}) {
        if (std::ranges::any_of(vorhanden, [&](const std::string& eintrag) {
                return eintrag.ends_with(std::string("=") + name);
            }))
            continue;
        const auto kasse = MakeComponent<TKasse>(nullptr, std::string());
        kasse->KasseDaten().Bezeichnung().SetValue(name);
        kasse->SaveKasse();
    }
}

inline void WerteSetzen(TDaten& daten, const TEingaben& eingaben)
{
    for (const auto& [name, text] : eingaben) {
        TValue* wert = daten.FindValue(name);
        ASSERT_NE(wert, nullptr) << name;
        wert->SetAsString(text);
    }
}
