#pragma once
// The display options: the currency symbol, bold and large print.
//
//   TOptionenBase  the three display values that every options group of the user starts with
//   TOptionen      the singleton the windows and printouts ask (Optionen()), a data set named
//                  "BenutzerOptionen" read from the user's OPTIONEN.INI when it is created
// The options container (OptionenVtrl.h) keeps it in step with its general options, in both
// directions, so a change in the options dialog reaches every window.
//
// Headers of this folder that name no class of their own:
//   OptionenJahr.h      TOptionen...Daten: the statutory values of 2026 and 2027, a group each
//   OptionenPruefung.h  TOptionsCheck: the options check of Setprobe
#include "Lib/Singleton.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"

#include <string>

// The user's OPTIONEN.INI: in the user-options directory.
std::string BenutzerOptionenDatei();
// The shared OPTIONEN.INI with the statutory values: in the shared-options directory.
std::string OptionenDatei();

class TOptionenBase : public TDaten {
public:
    using TDaten::TDaten;

    bool EuroSymbol() const { return Wert("EuroSymbol"); }
    bool FetteSchrift() const { return Wert("FetteSchrift"); }
    bool GrosseSchrift() const { return Wert("GrosseSchrift"); }

    // The boolean value of that name; an unknown name is a programming error.
    TBoolean& Schalter(const std::string& name) const;

protected:
    void CreateValues() override;
    bool Wert(const std::string& name) const { return Schalter(name).GetValue(); }
};

class TOptionen final : public TOptionenBase {
public:
    ~TOptionen() override;

private:
    friend class TSingleton<TOptionen>;
    TOptionen();
};

// The display options, created and loaded on first use.
TOptionen& Optionen();
// The slot, for main()'s shut-down order and for test fixtures.
TSingleton<TOptionen>& OptionenSingleton();
