#include "Engine/Abrechnung/LohnDaten.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Lohnsteuer/LStRegeln.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Lohnsteuer/SolZSatz.h"
#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Engine/Sozialversicherung/Kindergeld.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Lib/Betrag.h"
#include "Lib/Datum.h"
#include "MVCFrame/ZahlText.h"
#include "Options/OptionenVorgaben.h"
#include "Options/OptionenVtrl.h"
#include "Options/Verzeichnisse.h"

#include <cctype>
#include <cmath>
#include <utility>

namespace {

// The valid-from dates of the built-in years: every change of a tariff, a rate or the child
// benefit within a year starts a period of its own.
constexpr int kAbDaten[][2] = {
    {1990, 1}, {1991, 1}, {1991, 4}, {1991, 7}, {1992, 1},  {1993, 1}, {1994, 1},  {1995, 1},
    {1996, 1}, {1996, 7}, {1997, 1}, {1998, 1}, {1999, 1},  {1999, 4}, {2000, 1},  {2001, 1},
    {2002, 1}, {2003, 1}, {2003, 4}, {2004, 1}, {2005, 1},  {2005, 7}, {2006, 1},  {2006, 7},
    {2007, 1}, {2008, 1}, {2008, 7}, {2009, 1}, {2009, 7},  {2010, 1}, {2011, 1},  {2011, 12},
    {2012, 1}, {2013, 1}, {2014, 1}, {2015, 1}, {2015, 12}, {2016, 1}, {2017, 1},  {2018, 1},
    {2019, 1}, {2019, 7}, {2020, 1}, {2021, 1}, {2022, 1},  {2022, 6}, {2022, 10}, {2023, 1},
    {2023, 4}, {2023, 7}, {2024, 1}, {2024, 4}, {2024, 12}, {2025, 1}, {2025, 3}};

char ErsterBuchstabe(const std::string& text)
{
    for (const char c : text)
        if (c != ' ' && c != '\t')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return '\0';
}

bool Leer(const std::string& text)
{
    return ErsterBuchstabe(text) == '\0';
}

// "Zeitraum": first letter (German or English) or number 1..4.
void ZeitraumPruefen(TValue&, std::string& text, bool& ok)
{
    if (Leer(text))
        return;
    const char c = ErsterBuchstabe(text);
    switch (c) {
    case 'D':
    case 'T':
    case '4':
        text = "Tag";
        return;
    case 'J':
    case 'Y':
    case '1':
        text = "Jahr";
        return;
    case 'M':
    case '2':
        text = "Monat";
        return;
    case 'W':
    case '3':
        text = "Woche";
        return;
    default:
        ok = false;
    }
}

void AusgangswertPruefen(TValue&, std::string& text, bool& ok)
{
    if (Leer(text))
        return;
    switch (ErsterBuchstabe(text)) {
    case 'E':
    case '0':
        text = "Entgelt";
        return;
    case 'L':
    case '1':
        text = "Lohnsteuer";
        return;
    case 'N':
    case '2':
        text = "Nettoentgelt";
        return;
    default:
        ok = false;
    }
}

// Child allowances come in halves: "1,5" passes, "1,3" and "10" do not.
void KinderfreibetraegePruefen(TValue&, std::string& text, bool& ok)
{
    const auto komma = text.find(kDezimalTrenner);
    if (komma != std::string::npos) {
        const std::string ziffern = NurZiffern(text.substr(komma + 1), 9, true);
        const std::int32_t nachkomma = StrToGanzzahl(ziffern);
        if (nachkomma != 0 && nachkomma != 5) {
            ok = false;
            return;
        }
    }
    if (!text.empty() && !Leer(text)) {
        // A text that is no number ("abc") is refused, not read as none.
        if (!ZahlTextGueltig(text)) {
            ok = false;
            return;
        }
        const double ganz = std::trunc(StrToBetragFloat(text));
        ok = ganz >= 0 && ganz <= 9;
    }
}

// A key stored without the care digit gets it: care follows health for the digits 1 to 3.
void BGSPruefen(TValue&, std::string& text, bool&)
{
    if (text.size() == 3)
        text += (text[0] >= '1' && text[0] <= '3') ? "1" : "0";
}

std::string EinStellig(double x)
{
    return FloatToBetragStr(1, x);
}

// A given amount of the statement (gross, net or wage tax) beyond what the wage-tax computation
// carries is refused, the content in force kept, and the refusal names the field and its limit
// in the statement's currency.
class TLohnBetrag : public TDouble {
public:
    // `bezeichnung`: the field with its article, "Das Bruttoentgelt".
    TLohnBetrag(TDaten* daten, std::string name, std::string bezeichnung);

    void SetValue(double x) override;
    void SetGanzeCents(double cent) override;
    // Only the latest refusal has a reason: a text refused later as no number has none of its own.
    std::string Ablehnungsgrund() const override
    {
        return SetStand().changes == m_abgelehnt.changes ? m_grund : std::string();
    }

private:
    bool Ablehnen(double x);
    std::string m_bezeichnung;
    std::string m_grund;
    TSetStand m_abgelehnt{~0u, ~0u};
};

} // namespace

TLohnBetrag::TLohnBetrag(TDaten* daten, std::string name, std::string bezeichnung)
    : TDouble(daten, std::move(name)), m_bezeichnung(std::move(bezeichnung))
{
}

bool TLohnBetrag::Ablehnen(double x)
{
    // The tariff takes the amount in hundredths of the statement's currency.
    constexpr double kGrenze = TLStTabBase::kHoechstwert / 100;
    if (!std::isfinite(x) || std::fabs(x) <= kGrenze) {
        m_grund.clear();
        return false;
    }
    const auto* lohn = dynamic_cast<const TLohnDaten*>(Daten());
    const std::string waehrung = lohn ? " " + lohn->WaehrungName->GetValue() : std::string();
    m_grund = m_bezeichnung + (x > 0 ? " ist zu groß" : " ist zu klein") +
              " für die Berechnung der Lohnsteuer (" + (x > 0 ? "höchstens " : "mindestens ") +
              FloatToBetragStr(2, x > 0 ? kGrenze : -kGrenze) + waehrung + ").";
    Change();
    m_abgelehnt = SetStand();
    return true;
}

void TLohnBetrag::SetValue(double x)
{
    if (!Ablehnen(x))
        TDouble::SetValue(x);
}

void TLohnBetrag::SetGanzeCents(double cent)
{
    if (!Ablehnen(cent * 0.01))
        TDouble::SetGanzeCents(cent);
}

bool KiGImmerImNetto()
{
    return OptionenVtrl().AllgemeinDaten().KiGImmerImNetto();
}

bool PAP05FehlerBeheben()
{
    return OptionenVtrl().AllgemeinDaten().PAP05FehlerBeheben();
}

void TLohnDaten::CreateValues()
{
    m_kasse = CreateComponent<TKasse>(this, std::string());
    m_jahresbetraege = CreateComponent<TJahresbetraege>(this, "Jahresbetraege");
    m_detailEntgelte = CreateComponent<TDetailEntgelte>(this, "DetailEntgelte");
    CreateLohnValues();
    Validierungen();
    JahrlisteFuellen();
}

void TLohnDaten::CreateLohnValues()
{
    AbrgZeitraum = new TString(this, "AbrgZeitraum");
    Arbeitnehmer = new TString(this, "Arbeitnehmer");
    Jahr = new TIntegerMinMax(this, "Jahr", 0, 1990, 2027, 2026);
    Monat = new TIntegerMinMax(this, "Monat", 0, 1, 12, 1);
    MonateVersBez = new TIntegerMinMax(this, "MonateVersBez", 0, 1, 12, 12);
    Jahrliste = new TJahrListe(this, "Jahrliste");
    Zeitraum = new TIntegerLookup(this, "Zeitraum", 0, {"Jahr", "Monat", "Woche", "Tag"}, 1, 2);
    Steuertage = new TIntegerMinMax(this, "Steuertage", 0, 0, 999, 30);
    SVTage = new TIntegerMinMax(this, "SVTage", 0, 0, 999, 30);
    Steuerklasse = new TIntegerMinMax(this, "Steuerklasse", 0, 1, 6, 1);
    Faktor = new TDoubleMinMax(this, "Faktor", cfDisabled, 0.001, 0.999, 0.5, 3);
    FaktorAnwenden = new TBoolean(this, "FaktorAnwenden", cfDisabled);
    Kinder = new TIntegerMinMax(this, "Kinder", 0, 0, 99, 0);
    Kinderfreibetraege = new TString(this, "Kinderfreibetraege", 0, EinStellig(0));
    Kinderlos = new TBoolean(this, "Kinderlos", 0, true);
    KinderPV = new TIntegerMinMax(this, "KinderPV", 0, 0, 5, 0);
    Kirchensteuersatz = new TIntegerMinMax(this, "Kirchensteuersatz", 0, 0, 99, 9);
    KeineVSP = new TBoolean(this, "KeineVSP");
    KeineZTab = new TBoolean(this, "KeineZTab");
    PLSt = new TBoolean(this, "PLSt");
    MerkerVSP = new TIntegerLookup(this, "MerkerVSP", 0,
                                   {"ungekürzt", "gekürzt", "gekürzt (JStG 2008)"}, 0, 0);
    Kammer = new TBoolean(this, "Kammer");
    Kammerbeitrag = new TDouble(this, "Kammerbeitrag", cfReadOnly);
    Kammerbezeichnung = new TString(this, "Kammerbezeichnung");
    KammerLand = new TIntegerLookup(this, "KammerLand", cfDisabled, {"Bremen", "Saarland"}, 0, 0);
    KasseName = new TStringIniLookup(
        this, "KasseName", 0, std::string(), "SVBEITRG.INI",
        VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kKrankenkassen).GetValue(),
        "Krankenkassen");
    TabellenBeitrag = new TBoolean(this, "TabellenBeitrag");
    KeineBBG = new TBoolean(this, "KeineBBG");
    KnappschaftBBG = new TBoolean(this, "KnappschaftBBG");
    Gleitzone = new TBoolean(this, "Gleitzone");
    NeueGleitzonenFormel = new TBoolean(this, "NeueGleitzonenFormel", cfDisabled);
    OstBBGKV = new TBoolean(this, "OstBBGKV");
    OstBBGRV = new TBoolean(this, "OstBBGRV");
    PVSachsen = new TBoolean(this, "PVSachsen");
    KeineRVMinderung = new TBoolean(this, "KeineRVMinderung");
    AGZuschussPrivatKV = new TBoolean(this, "AGZuschussPrivatKV");
    BGS = new TStringBGS(this, "BGS", 0, "1111");
    AndereAE = new TDoubleBetrag(this, "AndereAE", cfDisabled);
    PrivatKPVAGZuschuss = new TDoubleBetrag(this, "PrivatKPVAGZuschuss", cfDisabled);
    PrivatKPVBeitrag = new TDoubleBetrag(this, "PrivatKPVBeitrag", cfDisabled);
    DetailEntgelt = new TBoolean(this, "DetailEntgelt");
    Ausgangswert = new TIntegerLookup(this, "Ausgangswert", 0,
                                      {"Entgelt", "Lohnsteuer", "Nettoentgelt"}, 0, 0);
    Entgelt = new TLohnBetrag(this, "Entgelt", "Das Bruttoentgelt");
    Nettoentgelt = new TLohnBetrag(this, "Nettoentgelt", "Das Nettoentgelt");
    Versorgungsbezuege = new TDoubleBetrag(this, "Versorgungsbezuege");
    Sonderzahlungen = new TDoubleBetrag(this, "Sonderzahlungen");
    NettoAbz = new TDouble(this, "NettoAbz");
    NettoAbzText = new TString(this, "NettoAbzText");
    Versorgungsbeginn = new TInteger(this, "Versorgungsbeginn", 0, 2005);
    VersBezBemGrdlMonat = new TDoubleBetrag(this, "VersBezBemGrdlMonat");
    Vorteile_19a_1_4 = new TDoubleBetrag(this, "Vorteile_19a_1_4");
    Freibetrag = new TDouble(this, "Freibetrag");
    Geburtsdatum = new TDateValue(this, "Geburtsdatum");
    Hinzurechnungsbetrag = new TDouble(this, "Hinzurechnungsbetrag");
    WaehrungName = new TWaehrungStringIniLookup(
        this, "WaehrungName", 0, "Euro", "WAEHRUNG.INI",
        VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetValue(), "Waehrungen");
    CreateWaehrung();
    Umrechnen = new TBoolean(this, "Umrechnen");
    Lohnsteuer = new TLohnBetrag(this, "Lohnsteuer", "Die Lohnsteuer");
    Kirchensteuer = new TDouble(this, "Kirchensteuer", cfReadOnly);
    Solidaritaetszuschlag = new TDouble(this, "Solidaritaetszuschlag", cfReadOnly);
    Zusatztabelle_angewendet = new TBoolean(this, "Zusatztabelle_angewendet", cfReadOnly);
    Kindergeld_Ausz = new TBoolean(this, "Kindergeld_Ausz");
    Kindergeld = new TDouble(this, "Kindergeld");
    // Percentages of pay: a rate outside 0 to 100 is refused like any bad input.
    KVSatz = new TDoubleMinMax(this, "KVSatz", 0, 0, kMaxSatz, 0, 1);
    PVSatz = new TDoubleMinMax(this, "PVSatz", 0, 0, kMaxSatz, 0, 2);
    KVZBSatz = new TDoubleMinMax(this, "KVZBSatz", 0, 0, kMaxSatz, 0, 2);
    PVKLSatz = new TDoubleMinMax(this, "PVKLSatz", 0, 0, kMaxSatz, 0, 2);
    RVSatz = new TDoubleMinMax(this, "RVSatz", 0, 0, kMaxSatz, 0, 1);
    AVSatz = new TDoubleMinMax(this, "AVSatz", 0, 0, kMaxSatz, 0, 1);
    KVBeitrag = new TDouble(this, "KVBeitrag", cfReadOnly);
    PVBeitrag = new TDouble(this, "PVBeitrag", cfReadOnly);
    KVZBBeitrag = new TDouble(this, "KVZBBeitrag", cfReadOnly);
    PVKLBeitrag = new TDouble(this, "PVKLBeitrag", cfReadOnly);
    RVBeitrag = new TDouble(this, "RVBeitrag", cfReadOnly);
    AVBeitrag = new TDouble(this, "AVBeitrag", cfReadOnly);
    PauschLStAN = new TDouble(this, "PauschLStAN", cfReadOnly);
    PauschKiStAN = new TDouble(this, "PauschKiStAN", cfReadOnly);
    PauschSolZAN = new TDouble(this, "PauschSolZAN", cfReadOnly);
    SB_LSt = new TDouble(this, "SB_LSt", cfReadOnly);
    SB_BK = new TDouble(this, "SB_BK", cfReadOnly);
    SB_SolZ = new TDouble(this, "SB_SolZ", cfReadOnly);
}

void TLohnDaten::Validierungen()
{
    Zeitraum->OnValidate = ZeitraumPruefen;
    Ausgangswert->OnValidate = AusgangswertPruefen;
    Kinderfreibetraege->OnValidate = KinderfreibetraegePruefen;
    BGS->OnValidate = BGSPruefen;
}

std::string TLohnDaten::ChildSection(const TComponent& child, int index) const
{
    if (&child == m_detailEntgelte)
        return std::string();
    return TDatenContainer::ChildSection(child, index);
}

int TLohnDaten::ZeitraumTage() const
{
    switch (Zeitraum->GetValue()) {
    case kJahr:
        return 360;
    case kWoche:
        return 7;
    case kTag:
        return 1;
    default:
        return 30;
    }
}

int TLohnDaten::Alter1() const
{
    const TDatum geburt = Geburtsdatum->GetValue();
    if (geburt.Jahr == 0)
        return 0;
    return JahreZwischen(geburt, SetDatum(1, 1, Jahr->GetValue())) >= 64 ? 1 : 0;
}

double TLohnDaten::BBGRV() const
{
    const int jahr = Jahr->GetValue();
    const bool ost = jahr >= 2010 && OstBBGRV->GetValue();
    return Beitragsbemessungsgrenzen().BBGRVJahr(jahr, Monat->GetValue(), ost, false);
}

double TLohnDaten::KindergeldBetrag(double kurs) const
{
    const int jahr = Jahr->GetValue();
    const int monat = Monat->GetValue();
    const int kinder = Kinder->GetValue();
    switch (Zeitraum->GetValue()) {
    case kJahr:
        return KindergeldTabelle().KindergeldJahr(jahr, monat, kinder, kurs);
    case kMonat:
        return KindergeldTabelle().KindergeldMonat(jahr, monat, kinder, kurs);
    default:
        return 0;
    }
}

double TLohnDaten::KindergeldImNetto() const
{
    return (Kindergeld_Ausz->GetValue() || KiGImmerImNetto()) ? Kindergeld->GetValue() : 0;
}

int TLohnDaten::ALV() const
{
    return BGS->GetZiffer(3) != 1 ? 1 : 0;
}

int TLohnDaten::PKV() const
{
    if (AGZuschussPrivatKV->GetValue())
        return 2;
    return BGS->GetZiffer(1) == 0 ? 1 : 0;
}

int TLohnDaten::KRV() const
{
    const int jahr = Jahr->GetValue();
    const int rv = BGS->GetZiffer(2);
    if (jahr >= 2025)
        return rv == 0 ? KRVFrei(jahr) : 0;
    if (jahr >= 2010) {
        if (rv == 0)
            return KRVFrei(jahr);
        return OstBBGRV->GetValue() ? 1 : 0;
    }
    return MerkerVSP->GetValue();
}

int TLohnDaten::KRVFrei(int jahr)
{
    // The tariffs 2010 to 2024 give the free state its own code 2 (1 is the partly insured);
    // before and since, 1 is free.
    return jahr >= 2010 && jahr < 2025 ? 2 : 1;
}

int TLohnDaten::PVA() const
{
    const int kinder = KinderPV->GetValue();
    return kinder >= 2 ? kinder - 1 : 0;
}

void TLohnDaten::KinderfreibetraegeAuflisten(TStrings& liste)
{
    for (int i = 0; i <= 9; ++i) {
        liste.push_back(EinStellig(i));
        liste.push_back(EinStellig(i + 0.5));
    }
}

void TLohnDaten::KinderlosFreigeben()
{
    const int jahr = Jahr->GetValue();
    const TDatum geburt = Geburtsdatum->GetValue();
    const bool geburtOk = geburt.Jahr == 0 || geburt.Jahr >= 1940;
    const bool alt = JahreZwischen(geburt, SetDatum(1, 12, jahr)) >= 23;
    Kinderlos->SetFlag(TValue::vfEnabled,
                       TBeitragssatz::PVZuschlagKinderlose(jahr) && Kinder->GetValue() == 0 &&
                           StrToBetragFloat(Kinderfreibetraege->GetValue()) == 0 && geburtOk &&
                           alt);
}

void TLohnDaten::VersorgungFreigeben()
{
    const bool an =
        VersorgungsbeginnMassgeblich(Jahr->GetValue()) && Versorgungsbezuege->GetValue() != 0;
    VersBezBemGrdlMonat->SetFlag(TValue::vfEnabled, an);
    Sonderzahlungen->SetFlag(TValue::vfEnabled, an);
    Versorgungsbeginn->SetFlag(TValue::vfEnabled, an);
    MonateVersBez->SetFlag(TValue::vfEnabled, an && Zeitraum->GetValue() == kJahr);
}

void TLohnDaten::UpdateEnabled()
{
    const auto frei = [](TValue* wert, bool an) { wert->SetFlag(TValue::vfEnabled, an); };
    const int jahr = Jahr->GetValue();
    const int monat = Monat->GetValue();
    const bool option = KiGImmerImNetto();

    frei(PLSt, jahr >= 1996);
    const bool tarif = !PLSt->GetValue();
    frei(Gleitzone, GleitzonenStand(jahr, monat) != TGleitzonenStand::kKeine);
    const bool gleitzone = Gleitzone->GetValue();
    frei(KeineRVMinderung, gleitzone && RVMinderungAbwaehlbar(jahr, monat));
    frei(NeueGleitzonenFormel, gleitzone && AlteGleitzonenregelWaehlbar(jahr, monat));
    frei(AndereAE, gleitzone);
    frei(Kinderfreibetraege, Steuerklasse->GetValue() < 5 && tarif);
    frei(Kinder, KindergeldAufAbrechnung(jahr));
    const bool mitLohn = KindergeldMitLohnAusgezahlt(jahr);
    frei(Kindergeld_Ausz, Kinder->IsEnabled() && mitLohn && !option);
    frei(Kindergeld,
         (KindergeldAufAbrechnung(jahr) && (Kindergeld_Ausz->GetValue() || option)) || !mitLohn);
    frei(KeineVSP, tarif);
    frei(KeineZTab, jahr >= 1993 && jahr <= 1995);
    frei(Zusatztabelle_angewendet, KeineZTab->IsEnabled());
    frei(Solidaritaetszuschlag, SolZSatzJahr(jahr) > 0 && tarif);
    frei(Hinzurechnungsbetrag, jahr >= 2001 && tarif);
    frei(TabellenBeitrag, jahr < 2003);
    frei(OstBBGRV, TBeitragsbemessungsgrenzen::OstGrenzen(jahr, monat));
    frei(OstBBGKV, TBeitragsbemessungsgrenzen::OstGrenzeKV(jahr, monat));
    const bool privat = BGS->GetZiffer(1) == 0;
    const bool bescheinigt = PrivateKVBeitraegeBescheinigt(jahr);
    frei(AGZuschussPrivatKV, privat && jahr >= 2010 && !bescheinigt);
    frei(PrivatKPVBeitrag, privat && jahr >= 2010);
    frei(PrivatKPVAGZuschuss, privat && bescheinigt);
    frei(Steuertage, tarif);
    frei(Steuerklasse, tarif);
    frei(Kirchensteuersatz, tarif);
    frei(FaktorAnwenden, Steuerklasse->GetValue() == 4 && jahr >= 2010);
    frei(Faktor, FaktorAnwenden->GetValue());
    frei(Freibetrag, tarif && !FaktorAnwenden->GetValue());
    frei(MerkerVSP, tarif && jahr < 2010);
    KinderlosFreigeben();
    frei(KinderPV, TBeitragssatz::PVKinderabschlag(jahr, monat) && !Kinderlos->GetValue());
    frei(DetailEntgelt, tarif);
    frei(Versorgungsbezuege, tarif);
    VersorgungFreigeben();
    frei(Lohnsteuer, tarif);
    frei(Kirchensteuer, tarif);
    const bool kammer = Kammer->GetValue();
    frei(KammerLand, kammer);
    frei(Kammerbeitrag, kammer);
    frei(Kammerbezeichnung, kammer);
    frei(Vorteile_19a_1_4, jahr > 2021 && tarif);
    m_jahresbetraege->SetWerteEnabled(
        m_detailEntgelte->DetailEntgelteDaten().EnthaeltSonstBez().GetStoredString() == "Ja",
        Hinzurechnungsbetrag->IsEnabled());
}

void TLohnDaten::JahrlisteFuellen()
{
    Jahrliste->ClearItems();
    for (const auto& datum : kAbDaten)
        Jahrliste->AddDatum(datum[0], datum[1]);
    OptionenVtrl().GetAbDaten(*Jahrliste, true);
    Jahrliste->SetJahr(Jahr->GetValue());
    Jahrliste->SetMonat(Monat->GetValue());
}

void TLohnDaten::UpdateWaehrungStr()
{
    JahrlisteFuellen();
    Kindergeld->SetValue(KindergeldBetrag(Waehrungskurs()->GetStoredValue()));
    TDatenContainer::UpdateWaehrungStr();
}

void TLohnDaten::WaehrungUmrechnen(const std::string& newName, bool convert, double newRate)
{
    const double alterKurs = Waehrungskurs()->GetStoredValue();
    if (convert) {
        TDouble* gegeben = Entgelt;
        if (Ausgangswert->GetValue() == kAusLohnsteuer)
            gegeben = Lohnsteuer;
        else if (Ausgangswert->GetValue() == kAusNetto)
            gegeben = Nettoentgelt;
        gegeben->Dreisatz(alterKurs, newRate);
    }
    if (Kindergeld->GetStoredValue() == KindergeldBetrag(alterKurs))
        Kindergeld->SetValue(KindergeldBetrag(newRate));
    else if (convert)
        Kindergeld->Dreisatz(alterKurs, newRate);
    TDatenContainer::WaehrungUmrechnen(newName, convert, newRate);
}
