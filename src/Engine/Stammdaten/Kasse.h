#pragma once
// Health-insurance funds, kept by the user in SVBEITRG.INI in the funds directory.
//
//   TKasseDaten   one fund: its name (the section's name) and its rates and flags
//   TKasse        loads and saves one fund; the payroll copies its rates when the fund changes
//   TKassenDaten  the list of fund names with a multiple selection, and two flags for the dialog
//   TKassen       loads the list and deletes the selected funds
// The file: section "Krankenkassen" with keys "N0" ... "N5000" naming the funds, then one section
// per fund with its values (TStammListe keeps the two in step).
#include "Engine/Stammdaten/StammDaten.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"

#include <string>

class TBoolean;
class TDouble;
class TString;
class TStringListValue;

// The list section of SVBEITRG.INI.
inline constexpr const char* kKassenSektion = "Krankenkassen";

// SVBEITRG.INI in the funds directory.
std::string KassenDateiName();

class TKasseDaten : public TDaten {
public:
    using TDaten::TDaten;

    TBoolean& IsOK() const { return *m_isOK; }
    TString& Bezeichnung() const { return *m_bezeichnung; }
    TDouble& BeitragssatzG() const { return *m_satzG; }
    TDouble& BeitragssatzH() const { return *m_satzH; }
    TDouble& BeitragssatzF() const { return *m_satzF; }
    TDouble& Zusatzbeitragssatz() const { return *m_zusatz; }
    TBoolean& BBGOstKV() const { return *m_ostKV; }
    TBoolean& BBGOstRV() const { return *m_ostRV; }
    TBoolean& PVSachsen() const { return *m_sachsen; }

protected:
    void CreateValues() override;

private:
    TBoolean* m_isOK = nullptr;
    TString* m_bezeichnung = nullptr;
    TDouble* m_satzG = nullptr;
    TDouble* m_satzH = nullptr;
    TDouble* m_satzF = nullptr;
    TDouble* m_zusatz = nullptr;
    TBoolean* m_ostKV = nullptr;
    TBoolean* m_ostRV = nullptr;
    TBoolean* m_sachsen = nullptr;
};

class TKasse : public TStammEintrag {
public:
    using TStammEintrag::TStammEintrag;

    TKasseDaten& KasseDaten() const { return static_cast<TKasseDaten&>(Daten()); }

    // Loads the fund `name` (an empty name loads nothing), then reports completion.
    void LoadKasse(const std::string& name);
    // False after a fund was named whose file cannot be read or does not list it (missing, empty,
    // damaged): the fund keeps the values it had
    // (those stored with the page), and the payroll takes none of them over as new.
    bool Geladen() const { return m_geladen; }
    // Saves the fund under its "Bezeichnung". Raises, with nothing written, when the name is
    // refused, already taken by another fund, or the list is full.
    void SaveKasse();

private:
    bool m_geladen = true;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};

class TKassenDaten : public TStammListeDaten {
public:
    TKassenDaten(TComponent* owner, const std::string& name)
        : TStammListeDaten(owner, name, kKassenSektion)
    {
    }

    TStringListValue& Krankenkassen() const { return Liste(); }
};

class TKassen : public TStammListenBerechnung {
public:
    using TStammListenBerechnung::TStammListenBerechnung;

    TKassenDaten& KassenDaten() const { return static_cast<TKassenDaten&>(Daten()); }

    void Laden() override;
    // Removes the selected funds from the list and erases their sections.
    void MarkierteLoeschen() override;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};
