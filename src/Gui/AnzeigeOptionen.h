#pragma once
// The two display options that every form follows: large font ("GrosseSchrift") and bold font
// ("FetteSchrift"). The options model provides them; the forms ask through this interface, which
// the program installs at start. Without one the forms keep their normal font.
class TDaten;

class TAnzeigeOptionen {
public:
    virtual ~TAnzeigeOptionen() = default;
    virtual bool GrosseSchrift() const = 0;
    virtual bool FetteSchrift() const = 0;
    // The data set whose change notice means that these options changed.
    virtual const TDaten* Daten() const = 0;
};

// The display options of the options model (Optionen()), as the program installs them.
class TOptionenAnzeige : public TAnzeigeOptionen {
public:
    bool GrosseSchrift() const override;
    bool FetteSchrift() const override;
    const TDaten* Daten() const override;
};

// The installed options, or nullptr.
TAnzeigeOptionen* AnzeigeOptionen();
void SetAnzeigeOptionen(TAnzeigeOptionen* optionen);
// The program installs those of the options model before its first window (every form applies
// them when it is made and follows each change at once) and removes them before the options go.
void InstallOptionenAnzeige();
