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

    bool BeimBeendenSpeichern() const { return Wert("BeimBeendenSpeichern"); }
    bool TabellenImVordergrund() const { return Wert("TabellenImVordergrund"); }

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
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return CreateComponent<TOptionenAllgemein>(owner, name);
    }
};

class TOptionenUpdateDaten : public TOptionenBase {
public:
    using TOptionenBase::TOptionenBase;

    // Captions of "UpdateRhythmus", stored by caption.
    static constexpr int kTag = 0;
    static constexpr int kWoche = 1;
    static constexpr int kMonat = 2;
    static constexpr int kNie = 3;

protected:
    void CreateValues() override;
};

class TOptionenUpdate : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return CreateComponent<TOptionenUpdate>(owner, name);
    }
};
