#pragma once
// Currencies in which the calculations can show their amounts, kept by the user in WAEHRUNG.INI
// in the currencies directory, each with its units per euro. "DM" and "Euro" are built in: they
// are always offered, keep their fixed rates whatever the file says, and are never saved over or
// deleted.
//
//   TWaehrungDaten    one currency: name (the section's name), short sign and rate
//   TWaehrung         loads and saves one currency; the payroll loads the one it shows
//   TWaehrungenDaten  the list of currency names with a multiple selection, two dialog flags
//   TWaehrungen       loads the list (the file's names, then "DM" and "Euro") and deletes
// The file: section "Waehrungen" with keys "N0" ... "N5000" naming the currencies, then one
// section per currency with "Kuerzel" and "Kurs" (TStammListe keeps the two in step).
#include "Engine/Stammdaten/StammDaten.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"

#include <string>
#include <string_view>

class TBoolean;
class TDouble;
class TString;
class TStringListValue;

// The list section of WAEHRUNG.INI.
inline constexpr const char* kWaehrungenSektion = "Waehrungen";
inline constexpr const char* kWaehrungEuro = "Euro";
inline constexpr const char* kWaehrungDM = "DM";
// Marks per euro, fixed at the changeover.
inline constexpr double kKursDM = 1.95583;

// WAEHRUNG.INI in the currencies directory.
std::string WaehrungenDateiName();
// "DM" or "Euro" (names compared like section names).
bool IstFesteWaehrung(std::string_view name);
// The currency the law of a year states its amounts in: "DM" up to 2001, "Euro" from 2002.
const char* WaehrungDesJahres(int jahr);

class TWaehrungDaten : public TDaten {
public:
    using TDaten::TDaten;

    TString& Bezeichnung() const { return *m_bezeichnung; }
    TBoolean& IsOK() const { return *m_isOK; }
    TString& Kuerzel() const { return *m_kuerzel; }
    TDouble& Kurs() const { return *m_kurs; }

protected:
    void CreateValues() override;

private:
    void IsOKAktualisieren();

    TString* m_bezeichnung = nullptr;
    TBoolean* m_isOK = nullptr;
    TString* m_kuerzel = nullptr;
    TDouble* m_kurs = nullptr;
};

class TWaehrung : public TStammEintrag {
public:
    using TStammEintrag::TStammEintrag;

    TWaehrungDaten& WaehrungDaten() const { return static_cast<TWaehrungDaten&>(Daten()); }

    // Loads the currency `name` (an empty name loads nothing); "Euro" and "DM" get their fixed
    // rates and, when the file gives none, their signs.
    void Laden(const std::string& name);
    // Saves the currency under its "Bezeichnung". Raises, with nothing written, for "DM" and
    // "Euro", a rate of 0 or below (every amount converted with it would be lost), a refused
    // name, a name another currency has, or a full list.
    void Speichern();

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};

class TWaehrungenDaten : public TStammListeDaten {
public:
    TWaehrungenDaten(TComponent* owner, const std::string& name)
        : TStammListeDaten(owner, name, kWaehrungenSektion)
    {
    }

    TStringListValue& Waehrungen() const { return Liste(); }
    // "DM" and "Euro" are always offered.
    bool Loeschbar(const std::string& name) const override { return !IstFesteWaehrung(name); }
};

class TWaehrungen : public TStammListenBerechnung {
public:
    using TStammListenBerechnung::TStammListenBerechnung;

    TWaehrungenDaten& WaehrungenDaten() const { return static_cast<TWaehrungenDaten&>(Daten()); }

    void Laden() override;
    // Removes the selected currencies but "DM" and "Euro" from the list and erases their
    // sections.
    void MarkierteLoeschen() override;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};
