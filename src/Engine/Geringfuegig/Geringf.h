#pragma once
// The statement of one marginal employment for one month.
//
//   TGeringfuegigDaten       the inputs (pay or wanted net pay, kind of taxation, tax-card data,
//                            insurance switches) and the results (taxes, flat contributions, the
//                            employee's pension top-up, chamber contribution, net pay, the
//                            employer's total cost), the rule periods from 1999 and the enable
//                            states of each era
//   TGeringfuegigBerechnung  the calculation: flat-rate tax, tax card or exemption certificate,
//                            each with the net-to-gross search when a net pay is wanted
//
// The eras: April 1999 brought the employer's flat contributions and the employee's option to
// top up the pension contribution; April 2003 replaced the 20 % flat tax by the uniform 2 % tax
// (which includes church tax and surcharge) and abolished the exemption certificate.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"

#include <string>

class TBoolean;
class TDateValue;
class TDouble;
class TDoubleBetrag;
class TIntegerLookup;
class TIntegerMinMax;
class TJahrListe;
class TLStTabBase;
class TString;
class TWaehrungStringIniLookup;

// The limit of marginal employment of a month as the page and the main window name it: whole
// units and the year's currency ("630-DM", "325-Euro", "603-Euro").
std::string GeringfuegigkeitsgrenzeText(int jahr, int monat);

class TGeringfuegigDaten : public TDaten {
public:
    // "Ausgangswert"
    static constexpr int kEntgelt = 0;
    static constexpr int kNettoentgelt = 1;
    // "Steuerberechnung"
    static constexpr int kPauschaleLohnsteuer = 0;
    static constexpr int kLohnsteuerkarte = 1;
    static constexpr int kFreistellung = 2;

    using TDaten::TDaten;

    bool NeuesRecht1999() const;
    bool AltesRecht1999() const { return !NeuesRecht1999(); }
    bool NeuesRecht2003() const;
    // The pay limit of the chosen year and month as the page names it ("603-Euro").
    std::string GrenzeText() const;
    // A pay above that limit is computed all the same, and said: "Das Entgelt übersteigt die
    // Geringfügigkeitsgrenze von 603,00 Euro." (the limit in the year's currency); empty within it.
    std::string GrenzeHinweis() const;
    // 0, 0.5, 1 ... 9.5 with one decimal, for the page's drop-down.
    static void KinderfreibetraegeAuflisten(TStrings& liste);

    // Rates in percent of the year and month.
    double KVSatzPauschal() const;
    double RVSatzArbeitgeber() const;
    double RVSatzArbeitnehmer() const;
    // The pension-insurance kind the wage-tax tariff expects.
    int RVArt() const;

    void JahrlisteFuellen();
    // Run at the start of every calculation; also remembers the year the amounts belong to.
    void WerteFreigeben();
    void NettoBerechnen();
    void UpdateWaehrungStr() override;

    int Jahr() const;
    int Monat() const;
    double Kurs() const;

    TWaehrungStringIniLookup& WaehrungName() const { return *m_waehrungName; }
    TBoolean& AbzuegeAN() const { return *m_abzuegeAN; }
    TIntegerLookup& Ausgangswert() const { return *m_ausgangswert; }
    TDoubleBetrag& Entgelt() const { return *m_entgelt; }
    TDouble& EntgeltAG() const { return *m_entgeltAG; }
    TDouble& Freibetrag() const { return *m_freibetrag; }
    TDateValue& Geburtsdatum() const { return *m_geburtsdatum; }
    TBoolean& GesetzlichKrankenversichert() const { return *m_gesetzlichKV; }
    TDouble& Hinzurechnungsbetrag() const { return *m_hinzurechnung; }
    TIntegerMinMax& JahrWert() const { return *m_jahr; }
    TIntegerMinMax& MonatWert() const { return *m_monat; }
    TJahrListe& Jahrliste() const { return *m_jahrliste; }
    TBoolean& Kammer() const { return *m_kammer; }
    TDouble& Kammerbeitrag() const { return *m_kammerbeitrag; }
    TBoolean& KeineRVMinderung() const { return *m_keineRVMinderung; }
    TString& Kinderfreibetraege() const { return *m_kinderfreibetraege; }
    TIntegerMinMax& Kirchensteuersatz() const { return *m_kirchensteuersatz; }
    TDouble& KirchensteuerAG() const { return *m_kirchensteuerAG; }
    TDouble& KirchensteuerAN() const { return *m_kirchensteuerAN; }
    TDouble& KVBeitragAG() const { return *m_kvBeitragAG; }
    TDouble& KVBeitragAN() const { return *m_kvBeitragAN; }
    TString& KVSatz() const { return *m_kvSatz; }
    TBoolean& Landwirtschaft() const { return *m_landwirtschaft; }
    TDouble& LohnsteuerAG() const { return *m_lohnsteuerAG; }
    TDouble& LohnsteuerAN() const { return *m_lohnsteuerAN; }
    TDoubleBetrag& Nettoentgelt() const { return *m_nettoentgelt; }
    TDouble& NettoentgeltAG() const { return *m_nettoentgeltAG; }
    TString& PauschLStSatz() const { return *m_pauschLStSatz; }
    TIntegerMinMax& PauschKiStSatz() const { return *m_pauschKiStSatz; }
    TBoolean& Privathaushalt() const { return *m_privathaushalt; }
    TBoolean& Rentenversicherungsfrei() const { return *m_rvFrei; }
    TDouble& RVBeitragAG() const { return *m_rvBeitragAG; }
    TDouble& RVBeitragAN() const { return *m_rvBeitragAN; }
    TString& RVSatzAG() const { return *m_rvSatzAG; }
    TString& RVSatzAN() const { return *m_rvSatzAN; }
    TDouble& SolidaritaetszuschlagAG() const { return *m_solzAG; }
    TDouble& SolidaritaetszuschlagAN() const { return *m_solzAN; }
    TIntegerLookup& Steuerberechnung() const { return *m_steuerberechnung; }
    TString& Steuerbezeichnung() const { return *m_steuerbezeichnung; }
    TIntegerMinMax& Steuerklasse() const { return *m_steuerklasse; }
    TIntegerMinMax& Steuertage() const { return *m_steuertage; }
    TBoolean& Umrechnen() const { return *m_umrechnen; }

protected:
    void CreateValues() override;

private:
    void ListenerAnmelden();
    void JahrGeaendert();
    void JahrlisteGeaendert();
    void MonatGeaendert();
    void JahrMerken();
    void ValidateAusgangswert(std::string& text, bool& accept) const;
    void ValidateSteuerberechnung(std::string& text, bool& accept) const;
    static void ValidateKinderfreibetraege(std::string& text, bool& accept);

    // Year of the last handled change of "Jahr"; 0 before the first.
    int m_letztesJahr = 0;

    TWaehrungStringIniLookup* m_waehrungName = nullptr;
    TBoolean* m_abzuegeAN = nullptr;
    TIntegerLookup* m_ausgangswert = nullptr;
    TDoubleBetrag* m_entgelt = nullptr;
    TDouble* m_entgeltAG = nullptr;
    TDouble* m_freibetrag = nullptr;
    TDateValue* m_geburtsdatum = nullptr;
    TBoolean* m_gesetzlichKV = nullptr;
    TDouble* m_hinzurechnung = nullptr;
    TIntegerMinMax* m_jahr = nullptr;
    TIntegerMinMax* m_monat = nullptr;
    TJahrListe* m_jahrliste = nullptr;
    TBoolean* m_kammer = nullptr;
    TDouble* m_kammerbeitrag = nullptr;
    TBoolean* m_keineRVMinderung = nullptr;
    TString* m_kinderfreibetraege = nullptr;
    TIntegerMinMax* m_kirchensteuersatz = nullptr;
    TDouble* m_kirchensteuerAG = nullptr;
    TDouble* m_kirchensteuerAN = nullptr;
    TDouble* m_kvBeitragAG = nullptr;
    TDouble* m_kvBeitragAN = nullptr;
    TString* m_kvSatz = nullptr;
    TBoolean* m_landwirtschaft = nullptr;
    TDouble* m_lohnsteuerAG = nullptr;
    TDouble* m_lohnsteuerAN = nullptr;
    TDoubleBetrag* m_nettoentgelt = nullptr;
    TDouble* m_nettoentgeltAG = nullptr;
    TString* m_pauschLStSatz = nullptr;
    TIntegerMinMax* m_pauschKiStSatz = nullptr;
    TBoolean* m_privathaushalt = nullptr;
    TBoolean* m_rvFrei = nullptr;
    TDouble* m_rvBeitragAG = nullptr;
    TDouble* m_rvBeitragAN = nullptr;
    TString* m_rvSatzAG = nullptr;
    TString* m_rvSatzAN = nullptr;
    TDouble* m_solzAG = nullptr;
    TDouble* m_solzAN = nullptr;
    TIntegerLookup* m_steuerberechnung = nullptr;
    TString* m_steuerbezeichnung = nullptr;
    TIntegerMinMax* m_steuerklasse = nullptr;
    TIntegerMinMax* m_steuertage = nullptr;
    TBoolean* m_umrechnen = nullptr;
};

class TGeringfuegigBerechnung : public TBerechnung {
public:
    // The net-to-gross search gives up after this many passes.
    static constexpr int kMaxDurchlaeufe = 201;

    using TBerechnung::TBerechnung;
    void init() override;

    TGeringfuegigDaten& GeringfuegigDaten() const;
    // 64 full years completed by 1 January of the year.
    bool AlterUeber64() const;

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return CreateComponent<TGeringfuegigBerechnung>(owner, name);
    }

private:
    // One pass of the search: computes everything from "Entgelt" (the amount E for the
    // employer's side) and returns E.
    using TDurchlauf = double (TGeringfuegigBerechnung::*)(TLStTabBase* tab);
    void Suchen(TDurchlauf durchlauf, TLStTabBase* tab);

    void PauschaleSteuer();
    void Lohnsteuerkarte();
    void Freistellung();
    double PauschalDurchlauf(TLStTabBase* tab);
    double KartenDurchlauf(TLStTabBase* tab);
    double FreistellungsDurchlauf(TLStTabBase* tab);

    void BeitraegeBerechnen(double e);
    void KammerBerechnen(double e);
    void WaehrungGeaendert();

    // Rates of the flat-rate tax of the current calculation, in percent.
    double m_steuersatz = 0;
    double m_kirchensatz = 0;
    double m_solzSatz = 0;
    int m_tage = 30;
};
