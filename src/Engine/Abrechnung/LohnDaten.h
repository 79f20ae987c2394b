#pragma once
// TLohnDaten: the data set of one payroll statement. Every input of one employee for one pay
// period, every result of the payroll calculation (LohnBerechnung.h), and three children: the
// fund whose rates are used (TKasse), the annual amounts (TJahresbetraege) and the itemised pay
// components (TDetailEntgelte). The value names are the INI keys of the payroll page's section
// and the DDE items of topic "LOHN"; creation order fixes both orders and Assign by position.
//
// UpdateEnabled decides, year by year, which inputs apply (the rules changed often: the flat-rate
// tax from 1996, the transition zone from April 2003, the care surcharge of the childless from
// 2005 ...); a disabled value reads as empty, so the calculation simply sees nothing.
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DatenContainer.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/JahrListe.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringValue.h"

class TDetailEntgelte;
class TJahresbetraege;
class TKasse;

class TLohnDaten : public TDatenContainer {
public:
    using TDatenContainer::TDatenContainer;

    TKasse& Kasse() const { return *m_kasse; }
    TJahresbetraege& Jahresbetraege() const { return *m_jahresbetraege; }
    TDetailEntgelte& DetailEntgelte() const { return *m_detailEntgelte; }

    // 1 when the employee completed 64 years before 1 January of the year.
    int Alter1() const;
    // Annual pension ceiling (general insurance; east from 2010 when chosen).
    double BBGRV() const;
    // Child benefit of the pay period in the currency of rate `kurs`: annual or monthly; none
    // for week and day.
    double KindergeldBetrag(double kurs) const;
    // The child benefit paid out with the net pay.
    double KindergeldImNetto() const;
    // Tariff inputs taken from the contribution-group key and the options.
    int ALV() const;
    int PKV() const;
    int KRV() const;
    // The tariff's code for an employee free of pension insurance in a year's tariff period.
    static int KRVFrei(int jahr);
    int PVA() const;
    static void KinderfreibetraegeAuflisten(TStrings& liste);
    void UpdateEnabled();
    // The pension's details apply from 2005 to a statement with pensions; the calculation asks
    // again once it has written the pensions back.
    void VersorgungFreigeben();
    void JahrlisteFuellen();
    // The pay period in days: 360, 30, 7 or 1.
    int ZeitraumTage() const;

    void UpdateWaehrungStr() override;
    void WaehrungUmrechnen(const std::string& newName, bool convert, double newRate) override;

    // Named like the values they hold, so that the payroll reads as its rules do.
    TString* AbrgZeitraum = nullptr;
    TString* Arbeitnehmer = nullptr;
    TIntegerMinMax* Jahr = nullptr;
    TIntegerMinMax* Monat = nullptr;
    TIntegerMinMax* MonateVersBez = nullptr;
    TJahrListe* Jahrliste = nullptr;
    TIntegerLookup* Zeitraum = nullptr;
    TIntegerMinMax* Steuertage = nullptr;
    TIntegerMinMax* SVTage = nullptr;
    TIntegerMinMax* Steuerklasse = nullptr;
    TDoubleMinMax* Faktor = nullptr;
    TBoolean* FaktorAnwenden = nullptr;
    TIntegerMinMax* Kinder = nullptr;
    TString* Kinderfreibetraege = nullptr;
    TBoolean* Kinderlos = nullptr;
    TIntegerMinMax* KinderPV = nullptr;
    TIntegerMinMax* Kirchensteuersatz = nullptr;
    TBoolean* KeineVSP = nullptr;
    TBoolean* KeineZTab = nullptr;
    TBoolean* PLSt = nullptr;
    TIntegerLookup* MerkerVSP = nullptr;
    TBoolean* Kammer = nullptr;
    TDouble* Kammerbeitrag = nullptr;
    TString* Kammerbezeichnung = nullptr;
    TIntegerLookup* KammerLand = nullptr;
    TStringIniLookup* KasseName = nullptr;
    TBoolean* TabellenBeitrag = nullptr;
    TBoolean* KeineBBG = nullptr;
    TBoolean* KnappschaftBBG = nullptr;
    TBoolean* Gleitzone = nullptr;
    TBoolean* NeueGleitzonenFormel = nullptr;
    TBoolean* OstBBGKV = nullptr;
    TBoolean* OstBBGRV = nullptr;
    TBoolean* PVSachsen = nullptr;
    TBoolean* KeineRVMinderung = nullptr;
    TBoolean* AGZuschussPrivatKV = nullptr;
    TStringBGS* BGS = nullptr;
    TDoubleBetrag* AndereAE = nullptr;
    TDoubleBetrag* PrivatKPVAGZuschuss = nullptr;
    TDoubleBetrag* PrivatKPVBeitrag = nullptr;
    TBoolean* DetailEntgelt = nullptr;
    TIntegerLookup* Ausgangswert = nullptr;
    TDouble* Entgelt = nullptr;
    TDouble* Nettoentgelt = nullptr;
    TDoubleBetrag* Versorgungsbezuege = nullptr;
    TDoubleBetrag* Sonderzahlungen = nullptr;
    TDouble* NettoAbz = nullptr;
    TString* NettoAbzText = nullptr;
    TInteger* Versorgungsbeginn = nullptr;
    TDoubleBetrag* VersBezBemGrdlMonat = nullptr;
    TDoubleBetrag* Vorteile_19a_1_4 = nullptr;
    TDouble* Freibetrag = nullptr;
    TDateValue* Geburtsdatum = nullptr;
    TDouble* Hinzurechnungsbetrag = nullptr;
    TWaehrungStringIniLookup* WaehrungName = nullptr;
    TBoolean* Umrechnen = nullptr;
    TDouble* Lohnsteuer = nullptr;
    TDouble* Kirchensteuer = nullptr;
    TDouble* Solidaritaetszuschlag = nullptr;
    TBoolean* Zusatztabelle_angewendet = nullptr;
    TBoolean* Kindergeld_Ausz = nullptr;
    TDouble* Kindergeld = nullptr;
    TDouble* KVSatz = nullptr;
    TDouble* PVSatz = nullptr;
    TDouble* KVZBSatz = nullptr;
    TDouble* PVKLSatz = nullptr;
    TDouble* RVSatz = nullptr;
    TDouble* AVSatz = nullptr;
    TDouble* KVBeitrag = nullptr;
    TDouble* PVBeitrag = nullptr;
    TDouble* KVZBBeitrag = nullptr;
    TDouble* PVKLBeitrag = nullptr;
    TDouble* RVBeitrag = nullptr;
    TDouble* AVBeitrag = nullptr;
    TDouble* PauschLStAN = nullptr;
    TDouble* PauschKiStAN = nullptr;
    TDouble* PauschSolZAN = nullptr;
    TDouble* SB_LSt = nullptr;
    TDouble* SB_BK = nullptr;
    TDouble* SB_SolZ = nullptr;

    // Pay periods of "Zeitraum".
    static constexpr int kJahr = 1;
    static constexpr int kMonat = 2;
    static constexpr int kWoche = 3;
    static constexpr int kTag = 4;
    // Choices of "Ausgangswert".
    static constexpr int kAusEntgelt = 0;
    static constexpr int kAusLohnsteuer = 1;
    static constexpr int kAusNetto = 2;

protected:
    void CreateValues() override;
    // The itemised components keep the page's own section ("BezugAnzahl" and "<section>Bezug<n>"),
    // where stored files have always had them.
    std::string ChildSection(const TComponent& child, int index) const override;

private:
    void CreateLohnValues();
    void Validierungen();
    void KinderlosFreigeben();

    TKasse* m_kasse = nullptr;
    TJahresbetraege* m_jahresbetraege = nullptr;
    TDetailEntgelte* m_detailEntgelte = nullptr;
};

// The payroll's option switches (general options).
bool KiGImmerImNetto();
bool PAP05FehlerBeheben();
