#pragma once
// The user's general options and the update settings, two groups of the options container.
//
//   TOptionenAllgemeinDaten  display options plus the program's switches (saving on exit,
//                            tray icon, status line, stay on top ...), section "BenutzerOptionen"
//                            of the user's OPTIONEN.INI
//   TOptionenUpdateDaten     the update rhythm and the date of the last search, section
//                            "Update" of the shared OPTIONEN.INI
#include "MVCFrame/Berechnung.h"
#include "Options/Options.h"

#include <functional>

class TOptionenAllgemeinDaten : public TOptionenBase {
public:
    using TOptionenBase::TOptionenBase;

    // The program's switches, one accessor each; each name is its INI key.
    bool BeimBeendenSpeichern() const { return Wert("BeimBeendenSpeichern"); }
    bool GroesseAnpassen() const { return Wert("GroesseAnpassen"); }
    bool InfobereichSymbol() const { return Wert("InfobereichSymbol"); }
    bool KiGImmerImNetto() const { return Wert("KiGImmerImNetto"); }
    bool Mauspalette() const { return Wert("Mauspalette"); }
    bool PAP05FehlerBeheben() const { return Wert("PAP05FehlerBeheben"); }
    bool Statuszeile() const { return Wert("Statuszeile"); }
    bool TabellenImVordergrund() const { return Wert("TabellenImVordergrund"); }
    bool TitelZeigen() const { return Wert("TitelZeigen"); }
    // The switches the main window's menu toggles.
    void SetBeimBeendenSpeichern(bool an) { Schalter("BeimBeendenSpeichern").SetValue(an); }
    void SetMauspalette(bool an) { Schalter("Mauspalette").SetValue(an); }
    void SetStatuszeile(bool an) { Schalter("Statuszeile").SetValue(an); }

protected:
    void CreateValues() override;
};

// The calculation of the general options: after every change it tells the container, which
// keeps the display-options singletons in step.
class TOptionenAllgemein : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

    TOptionenAllgemeinDaten& AllgemeinDaten() const;
    std::function<void()> NachAenderung;

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};

class TOptionenUpdateDaten : public TOptionenBase {
public:
    using TOptionenBase::TOptionenBase;

    // Captions of "UpdateRhythmus", stored by caption.
    static constexpr int kTag = 0;
    static constexpr int kWoche = 1;
    static constexpr int kMonat = 2;
    static constexpr int kNie = 3;

    // Whether the last run ended for the updater (see the update check at start).
    bool UpdaterGestartet() const { return Wert("UpdaterGestartet"); }
    void SetUpdaterGestartet(bool an) { Schalter("UpdaterGestartet").SetValue(an); }

protected:
    void CreateValues() override;
};

class TOptionenUpdate : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};
