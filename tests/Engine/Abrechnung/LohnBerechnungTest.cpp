// Payroll statements: the wiring to the tariff, the scenarios of the main road, and the three
// directions of the computation (gross, net, wage tax given).
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnEingaben.h"
#include "Engine/Abrechnung/LohnTestSupport.h"
#include "Engine/Sozialversicherung/Kammer.h"
#include "Options/OptionenVtrl.h"
#include "Engine/Stammdaten/Kasse.h"

#include <cmath>
#include <fstream>
#include <string>

namespace {

double Netto(const TLohnDaten& d)
{
    return d.Entgelt->GetValue() - d.Lohnsteuer->GetValue() - d.Kirchensteuer->GetValue() -
           d.Solidaritaetszuschlag->GetValue() - d.KVBeitrag->GetValue() - d.PVBeitrag->GetValue() -
           d.KVZBBeitrag->GetValue() - d.PVKLBeitrag->GetValue() - d.RVBeitrag->GetValue() -
           d.AVBeitrag->GetValue() - d.Kammerbeitrag->GetValue();
}

struct Klasse {
    const char* name;
    int steuerklasse;
    const char* kinderfreibetraege;
};
const Klasse kKlassen[] = {{"I", 1, "1,0"},  {"II", 2, "1,0"}, {"III", 3, "2,0"},
                           {"IV", 4, "1,0"}, {"V", 5, "0,0"},  {"VI", 6, "0,0"}};

class SteuerklasseTest : public LohnTest, public testing::WithParamInterface<Klasse> {};

// 2026, monthly, church tax 9 %, two children: the statement's tax is the tariff's for the same
// inputs, church tax 9 % of the tariff's base, and the net pay what is left.
TEST_P(SteuerklasseTest, WageTaxIsTheTariffs)
{
    const Klasse& k = GetParam();
    d.Steuerklasse->SetValue(k.steuerklasse);
    d.Kinder->SetValue(2);
    d.Kinderfreibetraege->SetValue(k.kinderfreibetraege);
    d.Entgelt->SetValue(4321.09);
    ASSERT_EQ(lohn->Fehlermeldung(), "");
    auto t = Tarif(432109);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), t->GetDoub(leLohnsteuer) * 0.01);
    EXPECT_DOUBLE_EQ(d.Solidaritaetszuschlag->GetValue(), t->GetDoub(leSolZ) * 0.01);
    EXPECT_DOUBLE_EQ(d.Kirchensteuer->GetValue(),
                     std::trunc(9 * t->GetDoub(leKiStBasis) * 0.01) * 0.01);
    // Two children: child benefit of the month, paid apart from the pay.
    EXPECT_GT(d.Kindergeld->GetValue(), 0);
    EXPECT_NEAR(d.Nettoentgelt->GetValue(), Netto(d), 0.001);
}

INSTANTIATE_TEST_SUITE_P(Lohn, SteuerklasseTest, testing::ValuesIn(kKlassen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(LohnTest, TaxClassesOrderAsTheLawDoes)
{
    d.Entgelt->SetValue(4000);
    double lst[7] = {};
    for (int klasse = 1; klasse <= 6; ++klasse) {
        d.Steuerklasse->SetValue(klasse);
        lst[klasse] = d.Lohnsteuer->GetValue();
    }
    EXPECT_LT(lst[3], lst[2]);
    EXPECT_LT(lst[2], lst[1]);
    EXPECT_DOUBLE_EQ(lst[1], lst[4]);
    EXPECT_LT(lst[4], lst[5]);
    EXPECT_LT(lst[5], lst[6]);
}

// The statement passes the tariff the ceilings and rates the options hold, and a fresh home holds
// their defaults: the tariff on its own defaults (as lstcase computes) gives the same wage tax,
// every year, on a pay above every ceiling.
TEST_F(LohnTest, TariffDefaultsAreTheStatementsCeilingsAndRates)
{
    for (int jahr = 1990; jahr <= 2027; ++jahr) {
        d.Jahr->SetValue(jahr);
        const auto monat = static_cast<std::uint16_t>(d.Monat->GetValue());
        const TTarifEingaben abrechnung = TarifEingabenAus(d);
        auto tarif = CreateLStTab(static_cast<std::uint16_t>(jahr), monat);
        TTarifEingaben vorgaben = abrechnung;
        vorgaben.bbgKV = tarif->GetDoubInput(ldBBGKV);
        vorgaben.bbgRV = tarif->GetDoubInput(ldBBGRV);
        vorgaben.rvSatz = tarif->GetDoubInput(ldRVSatz);
        vorgaben.kvZusatzDurchschnitt = tarif->GetDoubInput(ldKVZusatzDurchschnitt);
        const auto lohnsteuer = [&](const TTarifEingaben& e) {
            auto t = CreateLStTab(static_cast<std::uint16_t>(jahr), monat);
            TarifEingabenSetzen(*t, e);
            t->SetCurr(lcLohn, 1200000);
            return t->GetDoub(leLohnsteuer);
        };
        EXPECT_EQ(lohnsteuer(abrechnung), lohnsteuer(vorgaben)) << jahr;
    }
}

TEST_F(LohnTest, ContributionsOf2026)
{
    d.Entgelt->SetValue(4000);
    EXPECT_DOUBLE_EQ(d.KVBeitrag->GetValue(), 292.00);  // 14.6 % split in halves
    EXPECT_DOUBLE_EQ(d.KVZBBeitrag->GetValue(), 58.00); // 2.9 % split
    EXPECT_DOUBLE_EQ(d.PVBeitrag->GetValue(), 72.00);   // 3.6 % split
    EXPECT_DOUBLE_EQ(d.PVKLBeitrag->GetValue(), 24.00); // 0.6 % childless, employee alone
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), 372.00);  // 18.6 % split
    EXPECT_DOUBLE_EQ(d.AVBeitrag->GetValue(), 52.00);   // 2.6 % split
}

TEST_F(LohnTest, RatesOutOfRangeAreRefusedAndNetPayStaysSane)
{
    // A fund whose stored additional rate is absurd: the rate is refused, the fund's default 0
    // holds.
    std::ofstream(KassenDateiName()) << "[Krankenkassen]\nN0=BKK Hoch\n"
                                        "[BKK Hoch]\nZusatzbeitragssatz=999999999999999999\n";
    d.Entgelt->SetValue(4000);
    d.KasseName->SetAsString("BKK Hoch");
    EXPECT_EQ(d.KasseName->GetValue(), "BKK Hoch");
    EXPECT_DOUBLE_EQ(d.KVZBSatz->GetValue(), 0);
    // Typed rates outside 0 to 100 percent are refused; the rate shown stays.
    d.KVZBSatz->SetAsString("2,45");
    for (const char* text : {"999999999999999999", "-18,6", "100,1"}) {
        d.KVZBSatz->SetAsString(text);
        d.RVSatz->SetAsString(text);
        EXPECT_DOUBLE_EQ(d.KVZBSatz->GetValue(), 2.45) << text;
        EXPECT_DOUBLE_EQ(d.RVSatz->GetValue(), 18.6) << text;
    }
    EXPECT_GT(d.Nettoentgelt->GetValue(), 0);
    EXPECT_LT(d.Nettoentgelt->GetValue(), 4000);
}

TEST_F(LohnTest, PrivatelyInsuredPaysNoStatutoryHealth)
{
    d.Entgelt->SetValue(6000);
    const double gesetzlich = d.Lohnsteuer->GetValue();
    d.BGS->SetValue("0110");
    d.PrivatKPVBeitrag->SetValue(650);
    d.PrivatKPVAGZuschuss->SetValue(300);
    EXPECT_TRUE(d.PrivatKPVBeitrag->IsEnabled());
    EXPECT_TRUE(d.PrivatKPVAGZuschuss->IsEnabled());
    EXPECT_FALSE(d.AGZuschussPrivatKV->IsEnabled()); // 2010 to 2025 only
    EXPECT_EQ(d.KVBeitrag->GetValue(), 0);
    EXPECT_EQ(d.PVBeitrag->GetValue(), 0);
    EXPECT_GT(d.RVBeitrag->GetValue(), 0);
    EXPECT_EQ(d.PKV(), 1);
    EXPECT_NE(d.Lohnsteuer->GetValue(), gesetzlich);
    EXPECT_NEAR(d.Nettoentgelt->GetValue(), Netto(d), 0.001);
}

TEST_F(LohnTest, PensionerGetsThePensionAllowance)
{
    d.Geburtsdatum->SetValue(SetDatum(3, 4, 1970));
    d.BGS->SetValue("3000");
    d.Entgelt->SetValue(2500);
    const double ohne = d.Lohnsteuer->GetValue();
    d.Versorgungsbezuege->SetValue(2500);
    d.Versorgungsbeginn->SetValue(2020);
    d.VersBezBemGrdlMonat->SetValue(2500);
    EXPECT_TRUE(d.VersBezBemGrdlMonat->IsEnabled());
    EXPECT_EQ(d.Alter1(), 0);
    EXPECT_LT(d.Lohnsteuer->GetValue(), ohne);
    auto t = Tarif(250000, 250000);
    t->SetCurr(lcVersBemMonat, 250000);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), t->GetDoub(leLohnsteuer) * 0.01);
}

// In the transition zone the employee's share grows from nothing to the full share; at the
// upper limit both ways give the same contribution.
TEST_F(LohnTest, TransitionZoneReducesContributions)
{
    d.Gleitzone->SetValue(true);
    d.Entgelt->SetValue(1000);
    const double rvZone = d.RVBeitrag->GetValue();
    EXPECT_GT(rvZone, 0);
    EXPECT_LT(rvZone, 93.00);
    d.Gleitzone->SetValue(false);
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), 93.00);
    d.Entgelt->SetValue(2000);
    const double voll = d.RVBeitrag->GetValue();
    d.Gleitzone->SetValue(true);
    EXPECT_NEAR(d.RVBeitrag->GetValue(), voll, 0.011);
}

TEST_F(LohnTest, TaxDaysTaxEachDay)
{
    d.Steuertage->SetValue(15);
    d.Entgelt->SetValue(4000);
    auto t = Tarif(Abschneiden(400000.0 / 15));
    t->SetInt(liZeitraum, TLohnDaten::kTag);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), t->GetDoub(leLohnsteuer) * 15 * 0.01);
}

TEST_F(LohnTest, NoDaysNeverDivideByZero)
{
    d.DetailEntgelt->SetValue(true);
    d.Jahresbetraege().ManuBBG->SetValue(true);
    d.Jahresbetraege().BBGRV->SetValue(8450);
    d.SVTage->SetValue(0);
    d.Steuertage->SetValue(0);
    EXPECT_TRUE(std::isfinite(d.Nettoentgelt->GetValue()));
    EXPECT_EQ(d.RVBeitrag->GetValue(), 0);
}

// Ceilings entered by hand for the months paid so far: one left at 0 or empty is the statutory
// one, never a ceiling of 0 that would leave a contributory employee without contributions.
struct ManuBBGFall {
    const char* name;
    const char* kv;
    const char* rv;
    bool kvGesetzlich;
    bool rvGesetzlich;
};
const ManuBBGFall kManuBBG[] = {
    {"zero", "0,00", "0,00", true, true},
    {"empty", "", "", true, true},
    {"entered", "1.000,00", "1.000,00", false, false},
    {"health_entered_only", "1.000,00", "", false, true},
};
class ManuBBGTest : public LohnTest, public testing::WithParamInterface<ManuBBGFall> {};
TEST_P(ManuBBGTest, AnEmptyCeilingIsTheStatutoryOne)
{
    const ManuBBGFall& f = GetParam();
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.Betrag().SetValue(4250);
    d.DetailEntgelte().Hinzufuegen(v);
    v.Betrag().SetValue(2000);
    v.Einmalzahlung().SetValue(true);
    d.DetailEntgelte().Hinzufuegen(v);
    d.DetailEntgelt->SetValue(true);
    const double kv = d.KVBeitrag->GetValue();
    const double rv = d.RVBeitrag->GetValue();
    ASSERT_GT(kv, 0);
    TJahresbetraege& j = d.Jahresbetraege();
    j.BBGKV->SetAsString(f.kv);
    j.BBGRV->SetAsString(f.rv);
    j.BBGAV->SetAsString(f.rv);
    j.ManuBBG->SetValue(true);
    EXPECT_EQ(d.KVBeitrag->GetValue() == kv, f.kvGesetzlich) << d.KVBeitrag->GetValue();
    EXPECT_EQ(d.RVBeitrag->GetValue() == rv, f.rvGesetzlich) << d.RVBeitrag->GetValue();
    EXPECT_GT(d.AVBeitrag->GetValue(), 0);
}
INSTANTIATE_TEST_SUITE_P(Lohn, ManuBBGTest, testing::ValuesIn(kManuBBG),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(LohnTest, ChamberOfBremenNamesItself)
{
    d.Kammer->SetValue(true);
    d.Entgelt->SetValue(3000);
    EXPECT_TRUE(d.KammerLand->IsEnabled());
    EXPECT_EQ(d.Kammerbezeichnung->GetValue(), "Arbeitnehmerkammer Bremen");
    EXPECT_DOUBLE_EQ(d.Kammerbeitrag->GetValue(),
                     Abschneiden(3000 * KammerBeitragssatzBr(2026)) * 0.01);
    EXPECT_GT(d.Kammerbeitrag->GetValue(), 0);
    d.Entgelt->SetValue(KammerFreigrenzeBr(2026, 1) - 0.01); // below the exemption limit
    EXPECT_EQ(d.Kammerbeitrag->GetValue(), 0);
    d.Entgelt->SetValue(3000);
    d.KammerLand->SetValue(1);
    EXPECT_EQ(d.Kammerbezeichnung->GetValue(), "Arbeitskammer Saarland");
    EXPECT_NEAR(d.Nettoentgelt->GetValue(), Netto(d), 0.001);
}

// Net pay given: the gross found gives back the net pay to the cent, or the search says that
// the transition zone makes the net pay unreachable.
TEST_F(LohnTest, NetToGrossToNet)
{
    int gefunden = 0;
    for (double netto : {250.0, 700.0, 1111.11, 1500.37, 2345.67, 3999.99, 7777.77}) {
        for (const bool zone : {false, true}) {
            d.Gleitzone->SetValue(zone);
            d.Nettoentgelt->SetValue(netto);
            if (!lohn->Fehlermeldung().empty()) {
                EXPECT_NE(lohn->Fehlermeldung().find("Bitte um 0,01 ändern"), std::string::npos)
                    << netto;
                EXPECT_EQ(d.Entgelt->GetAsString(), "???");
                continue;
            }
            ++gefunden;
            EXPECT_DOUBLE_EQ(d.Nettoentgelt->GetValue(), netto) << netto;
            const double brutto = d.Entgelt->GetValue();
            d.Entgelt->SetValue(brutto);
            EXPECT_NEAR(d.Nettoentgelt->GetValue(), netto, 0.001) << netto << " brutto " << brutto;
        }
    }
    EXPECT_GE(gefunden, 10);
}

// The general option pays the child benefit with the pay; restored when the test ends.
class KindergeldImNettoTest : public LohnTest {
protected:
    KindergeldImNettoTest() { Option().SetValue(true); }
    ~KindergeldImNettoTest() override { Option().SetValue(false); }
    static TBoolean& Option()
    {
        return OptionenVtrl().AllgemeinDaten().Schalter("KiGImmerImNetto");
    }
};

TEST_F(KindergeldImNettoTest, RecalculatingNetToGrossIsStable)
{
    d.Kinder->SetValue(2);
    d.Nettoentgelt->SetValue(3000);
    const double kindergeld = d.Kindergeld->GetValue();
    ASSERT_GT(kindergeld, 0);
    EXPECT_DOUBLE_EQ(d.KindergeldImNetto(), kindergeld);
    const double brutto = d.Entgelt->GetValue();
    EXPECT_DOUBLE_EQ(d.Nettoentgelt->GetValue(), 3000);
    EXPECT_NEAR(Netto(d), 3000 - kindergeld, 0.001);
    Neuberechnen();
    Neuberechnen();
    EXPECT_DOUBLE_EQ(d.Entgelt->GetValue(), brutto);
    EXPECT_DOUBLE_EQ(d.Nettoentgelt->GetValue(), 3000);
}

TEST_F(LohnTest, RecalculationIsIdempotent)
{
    d.Steuerklasse->SetValue(3);
    d.Entgelt->SetValue(5123.45);
    TStrings vorher;
    for (int i = 0; i < d.ValueCount(); ++i)
        vorher.push_back(d.GetValue(i).GetAsString());
    Neuberechnen();
    for (int i = 0; i < d.ValueCount(); ++i)
        EXPECT_EQ(d.GetValue(i).GetAsString(), vorher[static_cast<std::size_t>(i)])
            << d.GetValue(i).Name();
}

// Wage tax given: the gross found is the largest cent amount whose tax does not exceed it.
TEST_F(LohnTest, TaxToGrossIsTheLargestGross)
{
    d.Ausgangswert->SetValue(TLohnDaten::kAusLohnsteuer);
    for (const double steuer : {0.0, 1.0, 123.45, 500.0, 1234.56}) {
        d.Lohnsteuer->SetValue(steuer);
        ASSERT_EQ(lohn->Fehlermeldung(), "") << steuer;
        EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), steuer);
        const double brutto = d.Entgelt->GetValue();
        auto t = Tarif(std::round(brutto * 100));
        EXPECT_LE(t->GetDoub(leLohnsteuer), steuer * 100 + 0.001) << steuer;
        t->SetCurr(lcLohn, std::round(brutto * 100) + 1);
        EXPECT_GT(t->GetDoub(leLohnsteuer), steuer * 100) << steuer;
    }
}

TEST_F(LohnTest, UnreachableTaxLeavesResultsUndetermined)
{
    d.Lohnsteuer->SetValue(-5);
    EXPECT_EQ(lohn->Fehlermeldung(), "Brutto konnte nicht ermittelt werden");
    for (TValue* wert : std::initializer_list<TValue*>{d.Entgelt, d.Nettoentgelt, d.Kirchensteuer,
                                                       d.RVBeitrag, d.AVBeitrag})
        EXPECT_EQ(wert->GetAsString(), "???") << wert->Name();
    d.Entgelt->SetValue(3000);
    EXPECT_EQ(lohn->Fehlermeldung(), "");
    EXPECT_NE(d.Nettoentgelt->GetAsString(), "???");
}

TEST_F(LohnTest, FlatRateTaxesLeaveTheTariffAlone)
{
    d.PLSt->SetValue(true);
    d.Entgelt->SetValue(3000);
    EXPECT_EQ(d.Lohnsteuer->GetValue(), 0);
    EXPECT_EQ(d.Kirchensteuer->GetValue(), 0);
    EXPECT_GT(d.RVBeitrag->GetValue(), 0);
}

// An itemised 2026 statement with a Christmas bonus: the bonus is taxed by the annual table as
// the tariff's other-payment run does it.
TEST_F(LohnTest, OtherPaymentsOf2026)
{
    TDetailEntgelte& liste = d.DetailEntgelte();
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.Betrag().SetValue(4000);
    liste.Hinzufuegen(v);
    v.Betrag().SetValue(3000);
    v.Einmalzahlung().SetValue(true);
    liste.Hinzufuegen(v);
    d.Jahresbetraege().Entgelt->SetValue(44000);
    d.DetailEntgelt->SetValue(true);
    ASSERT_EQ(lohn->Fehlermeldung(), "");
    EXPECT_DOUBLE_EQ(d.Entgelt->GetValue(), 7000);

    auto t = Tarif(400000);
    t->SetDoub(ldJahresLohn, 4400000);
    t->SetDoub(ldKVSatz, Beitragssaetze().KVSatzF(2026, 1));
    t->SonstigeBezuegeBerechnen(300000, 0, 0);
    const double sonst = t->GetDoub(leLStSonst) + t->GetDoub(leLStFuenftel);
    EXPECT_GT(sonst, 0);
    EXPECT_DOUBLE_EQ(d.SB_LSt->GetValue(), sonst * 0.01);
    auto laufend = Tarif(400000);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), (laufend->GetDoub(leLohnsteuer) + sonst) * 0.01);
}

// Salary and severance pay as itemised components of the statement.
void GehaltUndAbfindung(TLohnDaten& d, double gehalt, double abfindung)
{
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.Betrag().SetValue(gehalt);
    d.DetailEntgelte().Hinzufuegen(v);
    v.Betrag().SetValue(abfindung);
    v.Abfindung().SetValue(true);
    d.DetailEntgelte().Hinzufuegen(v);
}

// Severance pay: up to 2024 the third amount of the other-payment run (one-fifth rule); since
// 2025 the employer taxes it as a plain other payment.
struct Abfindungsjahr {
    const char* name;
    int jahr;
    bool fuenftel;
};
const Abfindungsjahr kAbfindungsjahre[] = {{"y2024", 2024, true}, {"y2026", 2026, false}};

class AbfindungTest : public LohnTest, public testing::WithParamInterface<Abfindungsjahr> {};

TEST_P(AbfindungTest, SeveranceTax)
{
    const Abfindungsjahr& f = GetParam();
    d.Jahr->SetValue(f.jahr);
    TDetailEntgelte& liste = d.DetailEntgelte();
    GehaltUndAbfindung(d, 4000, 20000);
    d.Jahresbetraege().Entgelt->SetValue(44000);
    d.DetailEntgelt->SetValue(true);
    ASSERT_EQ(lohn->Fehlermeldung(), "");
    EXPECT_EQ(liste.DetailEntgeltDaten(1).SozVersPflicht().GetValue(), false);

    auto t = Tarif(400000);
    t->SetDoub(ldJahresLohn, 4400000);
    if (f.fuenftel)
        t->SonstigeBezuegeBerechnen(0, 0, 2000000);
    else
        t->SonstigeBezuegeBerechnen(2000000, 0, 0);
    EXPECT_GT(d.SB_LSt->GetValue(), 0);
    EXPECT_DOUBLE_EQ(d.SB_LSt->GetValue(),
                     (t->GetDoub(leLStSonst) + t->GetDoub(leLStFuenftel)) * 0.01);
    // No contributions on severance pay: those of the 4000 only.
    auto ohne = MakeComponent<TLohnBerechnung>(nullptr, "Ohne");
    ohne->LohnDatenOf().Jahr->SetValue(f.jahr);
    ohne->LohnDatenOf().Entgelt->SetValue(4000);
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), ohne->LohnDatenOf().RVBeitrag->GetValue());
}

INSTANTIATE_TEST_SUITE_P(Lohn, AbfindungTest, testing::ValuesIn(kAbfindungsjahre),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(LohnTest, FlatTaxedComponentCarriesItsTaxes)
{
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.Betrag().SetValue(100);
    v.Pauschal().SetValue(true);
    v.SozVersPflicht().SetValue(false);
    d.DetailEntgelte().Hinzufuegen(v);
    d.DetailEntgelt->SetValue(true);
    // 20 % wage tax, 7 % church tax and 5.5 % surcharge on it, all inside the 100 paid.
    EXPECT_DOUBLE_EQ(d.DetailEntgelte().DetailEntgeltDaten(0).Brutto().GetValue(), 81.63);
    EXPECT_DOUBLE_EQ(d.PauschLStAN->GetValue(), 16.32);
    EXPECT_DOUBLE_EQ(d.PauschSolZAN->GetValue(), 0.89);
    EXPECT_DOUBLE_EQ(d.PauschKiStAN->GetValue(), 1.14);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), 16.32);
    EXPECT_DOUBLE_EQ(d.Nettoentgelt->GetValue(), 81.63 - 16.32 - 0.89 - 1.14);
}

// The contributions on a flat-taxed contributory component are levied on the gross its new
// amount gives, at the first run after the change, whether paid currently or once.
class PauschalSVTest : public LohnTest, public testing::WithParamInterface<bool> {};
TEST_P(PauschalSVTest, ContributionsFollowTheNewAmountAtOnce)
{
    const auto pauschal = [](TLohnDaten& daten, bool einmal, double betrag) {
        auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
        v.Betrag().SetValue(betrag);
        v.Einmalzahlung().SetValue(einmal);
        v.Pauschal().SetValue(true);
        daten.DetailEntgelte().Hinzufuegen(v);
        daten.DetailEntgelt->SetValue(true);
    };
    pauschal(d, GetParam(), 1000);
    d.DetailEntgelte().DetailEntgeltDaten(0).Betrag().SetValue(2000);
    auto frisch = MakeComponent<TLohnBerechnung>(nullptr, "LOHN2");
    TLohnDaten& f = frisch->LohnDatenOf();
    pauschal(f, GetParam(), 2000);

    const double brutto = f.DetailEntgelte().DetailEntgeltDaten(0).Brutto().GetValue();
    EXPECT_GT(brutto, 1500);
    EXPECT_DOUBLE_EQ(d.DetailEntgelte().DetailEntgeltDaten(0).Brutto().GetValue(), brutto);
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), Runden(brutto * d.RVSatz->GetValue() * 0.5) * 0.01);
    for (TDouble* TLohnDaten::*wert :
         {&TLohnDaten::KVBeitrag, &TLohnDaten::PVBeitrag, &TLohnDaten::RVBeitrag,
          &TLohnDaten::AVBeitrag, &TLohnDaten::Nettoentgelt})
        EXPECT_DOUBLE_EQ((d.*wert)->GetValue(), (f.*wert)->GetValue()) << (d.*wert)->Name();
}
INSTANTIATE_TEST_SUITE_P(Lohn, PauschalSVTest, testing::Bool(),
                         [](const auto& i) { return i.param ? "one_off" : "current"; });

// Up to 300 marks of special payments are current pay in the mark years; in euro that limit is
// 153.38.
TEST_F(LohnTest, SmallSpecialPaymentsOf2001AreCurrentPay)
{
    d.Jahr->SetValue(2001);
    TDetailEntgelte& liste = d.DetailEntgelte();
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.Betrag().SetValue(2000);
    liste.Hinzufuegen(v);
    v.Betrag().SetValue(153.38);
    v.Einmalzahlung().SetValue(true);
    liste.Hinzufuegen(v);
    d.DetailEntgelt->SetValue(true);
    EXPECT_DOUBLE_EQ(lohn->Summe(TLohnBerechnung::sLfdSteuer), 215338);
    EXPECT_EQ(d.SB_LSt->GetValue(), 0);
    liste.DetailEntgeltDaten(1).Betrag().SetValue(153.39);
    EXPECT_DOUBLE_EQ(lohn->Summe(TLohnBerechnung::sLfdSteuer), 200000);
}

// A net-agreed pay with a small one-off payment in 2001: the search runs the sums many times,
// and the one-off payment is taxed once, as current pay.
TEST_F(LohnTest, NetToGrossOf2001TaxesTheOneOffPaymentOnce)
{
    d.Jahr->SetValue(2001);
    TDetailEntgelte& liste = d.DetailEntgelte();
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& v = vorlage->DetailEntgeltDaten();
    v.Betrag().SetValue(100);
    v.Einmalzahlung().SetValue(true);
    liste.Hinzufuegen(v);
    v.Betrag().SetValue(1500);
    v.Einmalzahlung().SetValue(false);
    v.NettoVereinb().SetValue(true);
    liste.Hinzufuegen(v);
    // Without current pay the one-off payment is taxed by the annual table on this pay.
    d.Jahresbetraege().Entgelt->SetValue(30000);
    d.DetailEntgelt->SetValue(true);
    ASSERT_EQ(lohn->Fehlermeldung(), "");
    EXPECT_EQ(d.SB_LSt->GetValue(), 0);
    const double laufend = lohn->Summe(TLohnBerechnung::sLfdSteuer);
    EXPECT_DOUBLE_EQ(laufend, d.Entgelt->GetCents());
    auto t = Tarif(laufend);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), t->GetDoub(leLohnsteuer) * 0.01);
}

// 2001 shown in marks: the pay converts, and the tariff computes in marks at the fixed rate.
TEST_F(LohnTest, MarkYearShownInMarks)
{
    d.Jahr->SetValue(2001);
    d.Entgelt->SetValue(4000);
    const double lstEuro = d.Lohnsteuer->GetValue();
    d.Umrechnen->SetValue(true);
    d.WaehrungName->SetValue("DM");
    EXPECT_DOUBLE_EQ(d.Entgelt->GetValue(), 7823.32);
    auto t = Tarif(782332);
    t->SetDoub(ldKurs, 1.95583);
    t->SetCurr(lcLohn, 782332);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), t->GetDoub(leLohnsteuer) * 0.01);
    EXPECT_NEAR(d.Lohnsteuer->GetValue(), lstEuro * 1.95583, 0.02);
    EXPECT_NEAR(d.Nettoentgelt->GetValue(), Netto(d), 0.001);
}

TEST_F(LohnTest, EuroSwitchRescalesAllowances)
{
    d.Jahr->SetValue(2001);
    EXPECT_FALSE(d.Jahresbetraege().Euro->GetValue());
    d.Freibetrag->SetValue(1955.83);
    d.Jahresbetraege().BBGRV->SetValue(1955.83);
    d.Jahr->SetValue(2002);
    EXPECT_TRUE(d.Jahresbetraege().Euro->GetValue());
    EXPECT_DOUBLE_EQ(d.Freibetrag->GetValue(), 1000.00);
    EXPECT_DOUBLE_EQ(d.Jahresbetraege().BBGRV->GetStoredValue(), 1000.00);
    d.Jahr->SetValue(2003);
    EXPECT_DOUBLE_EQ(d.Freibetrag->GetValue(), 1000.00);
}

// A statement copied from one of another year knows the copied year as the one seen last.
TEST_F(LohnTest, AssignedYearIsTheYearSeenLast)
{
    auto quelle = MakeComponent<TLohnBerechnung>(nullptr, "Quelle");
    quelle->LohnDatenOf().Jahr->SetValue(2001);
    quelle->LohnDatenOf().Freibetrag->SetValue(1000);
    lohn->Assign(*quelle);
    ASSERT_EQ(d.Jahr->GetValue(), 2001);
    d.Jahr->SetValue(2002);
    EXPECT_DOUBLE_EQ(d.Freibetrag->GetValue(), 511.29);
}

TEST_F(LohnTest, CurrencyChangeConvertsTheGivenAmount)
{
    d.Entgelt->SetValue(1000);
    d.Umrechnen->SetValue(true);
    d.WaehrungName->SetValue("DM");
    EXPECT_DOUBLE_EQ(d.Waehrungskurs()->GetValue(), 1.95583);
    EXPECT_DOUBLE_EQ(d.Entgelt->GetValue(), 1955.83);
    d.WaehrungName->SetValue("Euro");
    EXPECT_DOUBLE_EQ(d.Entgelt->GetValue(), 1000.00);
}

// 2026: the zone runs from 603.01 to 2000; at its lower edge the employee pays nothing, at its
// upper edge the full share.
struct Zonenfall {
    const char* name;
    double entgelt;
    double rv;
};
const Zonenfall kZonenfaelle[] = {
    {"lower_edge", 603.01, 0.00}, {"upper_edge", 2000.00, 186.00}, {"above", 2000.01, 186.00}};

class GleitzonenTest : public LohnTest, public testing::WithParamInterface<Zonenfall> {};

TEST_P(GleitzonenTest, EmployeeShareAtTheEdges)
{
    d.Gleitzone->SetValue(true);
    d.Entgelt->SetValue(GetParam().entgelt);
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), GetParam().rv);
    EXPECT_NEAR(d.Nettoentgelt->GetValue(), Netto(d), 0.001);
}

INSTANTIATE_TEST_SUITE_P(Lohn, GleitzonenTest, testing::ValuesIn(kZonenfaelle),
                         [](const auto& i) { return std::string(i.param.name); });

// In 2023 pay up to 520.00 could keep the old zone, pay above it always takes the new one: net
// pays between those of 520.00 and 520.01 no gross pay reaches; the search says so, in the plain
// and in the itemised statement alike.
TEST_F(LohnTest, NetPayInTheGapOfTheZoneIsReported)
{
    d.Jahr->SetValue(2023);
    d.Gleitzone->SetValue(true);
    d.Entgelt->SetValue(520.00);
    const double alt = d.Nettoentgelt->GetValue();
    d.Entgelt->SetValue(520.01);
    ASSERT_GT(d.Nettoentgelt->GetValue() - alt, 10.0);
    d.Nettoentgelt->SetValue(500);
    EXPECT_EQ(lohn->Fehlermeldung(),
              "Wegen Gleitzonenberechnung existiert der Nettobetrag 500,00 nicht. Bitte um 0,01 "
              "ändern");
    EXPECT_EQ(d.Entgelt->GetAsString(), "???");

    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    vorlage->DetailEntgeltDaten().Betrag().SetValue(500);
    vorlage->DetailEntgeltDaten().NettoVereinb().SetValue(true);
    d.DetailEntgelte().Hinzufuegen(vorlage->DetailEntgeltDaten());
    d.DetailEntgelt->SetValue(true);
    EXPECT_NE(lohn->Fehlermeldung().find("existiert der Nettobetrag 500,00 nicht"),
              std::string::npos);
    EXPECT_EQ(d.Nettoentgelt->GetAsString(), "???");
}

// Each zone's lower limit, swept cent by cent from a euro below to a euro above: the net pay
// never jumps (the employee's share starts at nothing, the employer bears the rest). A step may
// move by a few cents where several branches round at once.
struct Untergrenze {
    const char* name;
    int jahr;
    int monat;
    bool neueFormel;
    double grenze;
};
const Untergrenze kUntergrenzen[] = {
    {"y2003_400", 2003, 4, false, 400},      {"y2012_400", 2012, 1, false, 400},
    {"y2013_new_450", 2013, 1, true, 450},   {"y2016_450", 2016, 1, false, 450},
    {"y2019_july_450", 2019, 7, false, 450}, {"y2022_oct_new_520", 2022, 10, true, 520},
    {"y2023_new_520", 2023, 1, true, 520},   {"y2024_538", 2024, 1, false, 538},
    {"y2025_556", 2025, 1, false, 556},      {"y2026_603", 2026, 1, false, 603},
};
class UntergrenzeTest : public LohnTest, public testing::WithParamInterface<Untergrenze> {};
TEST_P(UntergrenzeTest, NetPayRunsOnWithoutAJump)
{
    const Untergrenze& f = GetParam();
    d.Jahr->SetValue(f.jahr);
    d.Monat->SetValue(f.monat);
    d.Gleitzone->SetValue(true);
    if (d.NeueGleitzonenFormel->IsEnabled())
        d.NeueGleitzonenFormel->SetValue(f.neueFormel);
    const int grenze = static_cast<int>(f.grenze * 100);
    double vorher = 0;
    for (int cent = grenze - 100; cent <= grenze + 100; ++cent) {
        d.Entgelt->SetValue(cent * 0.01);
        ASSERT_EQ(lohn->Fehlermeldung(), "");
        const double netto = d.Nettoentgelt->GetValue();
        if (cent > grenze - 100) {
            EXPECT_NEAR(netto - vorher, 0.01, 0.10) << "pay " << cent * 0.01;
        }
        vorher = netto;
    }
}
INSTANTIATE_TEST_SUITE_P(Lohn, UntergrenzeTest, testing::ValuesIn(kUntergrenzen),
                         [](const auto& i) { return std::string(i.param.name); });

// From October 2022 to December 2023 the old zone is kept only for pay up to 520.00: 1000 euro
// of 2023 take the new zone whatever the switch says (pension 60.32, the employer 105.56).
TEST_F(LohnTest, PayAboveTheBandTakesTheNewZone)
{
    d.Jahr->SetValue(2023);
    d.Gleitzone->SetValue(true);
    d.Entgelt->SetValue(1000);
    EXPECT_FALSE(d.NeueGleitzonenFormel->GetValue());
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), 60.32);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(TLohnBerechnung::TZweig::kRV), 10556.0);
    // 500 euro stay in the old zone and are marginal for the pension: 18.6 - 15 percent.
    d.Entgelt->SetValue(500);
    EXPECT_DOUBLE_EQ(d.RVBeitrag->GetValue(), 18.00);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(TLohnBerechnung::TZweig::kRV), 7500.0);
}

TEST_F(LohnTest, EmployerSharesOfEachBranch)
{
    d.Entgelt->SetValue(4000);
    using Z = TLohnBerechnung::TZweig;
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kKV), 29200.0);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kKVZ), 5800.0);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kPV), 7200.0);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kRV), 37200.0);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kAV), 5200.0);
    d.BGS->SetValue("0000");
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kKV), 0.0);
    EXPECT_DOUBLE_EQ(lohn->ArbeitgeberAnteil(Z::kRV), 0.0);
}

// The Bremen chamber assesses taxable pay; severance pay only up to 2021 (the chamber's
// contribution order exempts it from 2022).
TEST_F(LohnTest, BremenChamberLeavesSeveranceFrom2022)
{
    GehaltUndAbfindung(d, 4000, 20000);
    d.Kammer->SetValue(true);
    d.Jahr->SetValue(2021);
    d.DetailEntgelt->SetValue(true);
    EXPECT_DOUBLE_EQ(d.Kammerbeitrag->GetValue(), 36.00);
    d.Jahr->SetValue(2022);
    EXPECT_DOUBLE_EQ(d.Kammerbeitrag->GetValue(), 6.00);
}

// The Saarland chamber in the statement: the pay liable to contributions, in the zone its reduced
// base, never the miners' ceiling the statement chose; marginal pay is exempt.
TEST_F(LohnTest, SaarlandChamberOfTheStatement)
{
    d.Jahr->SetValue(2024);
    d.Kammer->SetValue(true);
    d.KammerLand->SetValue(1);
    d.KnappschaftBBG->SetValue(true);
    d.Entgelt->SetValue(9000);
    EXPECT_DOUBLE_EQ(d.Kammerbeitrag->GetValue(), 11.32);
    d.Entgelt->SetValue(500);
    EXPECT_DOUBLE_EQ(d.Kammerbeitrag->GetValue(), 0.0);
    d.Gleitzone->SetValue(true);
    d.Entgelt->SetValue(1000);
    EXPECT_DOUBLE_EQ(d.Kammerbeitrag->GetValue(), 1.32); // 0.15 % of 883.93, cut
}

// Across the transition zone and beyond: every net pay is found to the cent, or reported.
TEST_F(LohnTest, NetToGrossSweep)
{
    d.Gleitzone->SetValue(true);
    int gefunden = 0;
    for (int cent = 40000; cent < 250000; cent += 523) {
        d.Nettoentgelt->SetValue(cent * 0.01);
        if (lohn->Fehlermeldung().empty()) {
            ++gefunden;
            EXPECT_EQ(d.Nettoentgelt->GetCents(), cent);
            EXPECT_NEAR(Netto(d), cent * 0.01, 0.001) << cent;
        } else {
            EXPECT_NE(lohn->Fehlermeldung().find("Gleitzonenberechnung"), std::string::npos)
                << cent;
        }
    }
    EXPECT_GT(gefunden, 350);
}

} // namespace
