// Payroll statements at the edges: the gross for a net where the net does not simply rise with
// the gross, church tax shown in another currency than the tariff's, and the solidarity
// surcharge of 1991/92.
#include "Engine/Abrechnung/LohnTestSupport.h"

#include <random>
#include <string>

namespace {

std::string Cent(double cent)
{
    return FloatToBetragStr(2, cent * 0.01);
}

// The gross of a given net is the smallest in cents that gives it, also where the wage tax dips
// for a few cents of gross or rises at a table step.
struct NettoFall {
    const char* name;
    int jahr;
    int monat;
    int klasse;
    int kirchensteuer;
    double netto;
    double brutto;
    int tage = 0;     // taxed by days: the days of the period, else 0
    int zeitraum = 0; // the pay period ("Zeitraum"), else the month
};
const NettoFall kNettoFaelle[] = {
    {"taxDipJumpedOver2011", 2011, 3, 5, 9, 880.31, 1545.45},
    {"smallerGrossBelowADip2014", 2014, 11, 2, 0, 1457.36, 2098.47},
    {"tableStepOfTheDays1994", 1994, 1, 6, 9, 1333.47, 3445.67, 18},
    // Three contributions rounding up at the same cent of a day's pay.
    {"contributionsRoundedUpAtOnceOnADay2006", 2006, 11, 3, 9, 54.68, 73.99, 0, 4},
    {"contributionsRoundedUpAtOnceOnADay2010", 2010, 2, 1, 9, 46.85, 71.20, 0, 4},
};

class NettoZuBruttoTest : public LohnTest, public testing::WithParamInterface<NettoFall> {};
TEST_P(NettoZuBruttoTest, SmallestGross)
{
    const NettoFall& f = GetParam();
    d.Jahr->SetValue(f.jahr);
    d.Monat->SetValue(f.monat);
    d.Steuerklasse->SetValue(f.klasse);
    d.Kirchensteuersatz->SetValue(f.kirchensteuer);
    if (f.zeitraum != 0)
        d.Zeitraum->SetValue(f.zeitraum);
    if (f.tage != 0) {
        d.Steuertage->SetValue(f.tage);
        d.SVTage->SetValue(f.tage);
    }
    d.Nettoentgelt->SetValue(f.netto);
    EXPECT_EQ(lohn->Fehlermeldung(), "");
    EXPECT_EQ(d.Entgelt->GetAsString(), FloatToBetragStr(2, f.brutto));
}
INSTANTIATE_TEST_SUITE_P(Lohn, NettoZuBruttoTest, testing::ValuesIn(kNettoFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

// Random statements of every year and class: the net of a gross, searched back, gives a gross
// with that net, and no gross of the cents below it does.
TEST_F(LohnTest, NetToGrossFindsTheSmallestGrossInEveryYearAndClass)
{
    std::mt19937 zufall(51);
    std::uniform_int_distribution<int> entgelt(30000, 900000);
    std::uniform_int_distribution<int> monat(1, 12);
    for (int jahr = 1990; jahr <= 2026; ++jahr) {
        for (int klasse = 1; klasse <= 6; ++klasse) {
            d.Jahr->SetValue(jahr);
            d.Monat->SetValue(monat(zufall));
            d.Steuerklasse->SetValue(klasse);
            d.Kinderfreibetraege->SetValue(klasse == 2 ? "1,0" : "0,0");
            const double vorgabe = entgelt(zufall);
            d.Entgelt->SetValue(vorgabe * 0.01);
            const double netto = d.Nettoentgelt->GetCents();
            const std::string fall = std::to_string(jahr) + "/" +
                                     std::to_string(d.Monat->GetValue()) + " class " +
                                     std::to_string(klasse) + " net " + Cent(netto);
            // The net as it stands is no change: another one first, so that it is searched.
            d.Nettoentgelt->SetValue(0);
            d.Nettoentgelt->SetValue(netto * 0.01);
            ASSERT_EQ(lohn->Fehlermeldung(), "") << fall;
            const double brutto = d.Entgelt->GetCents();
            EXPECT_LE(brutto, vorgabe) << fall;
            d.Entgelt->SetValue(brutto * 0.01);
            EXPECT_EQ(d.Nettoentgelt->GetCents(), netto) << fall << " gross " << Cent(brutto);
            for (double kleiner = brutto - 400; kleiner < brutto; ++kleiner) {
                d.Entgelt->SetValue(kleiner * 0.01);
                ASSERT_NE(d.Nettoentgelt->GetCents(), netto)
                    << fall << ": " << Cent(kleiner) << " gives it before " << Cent(brutto);
            }
        }
    }
}

// Church tax is computed in the tariff's currency and only then converted: 9 % of the DM wage
// tax 2.202,00 is 198,18 DM, that is 101,33 euros, not 9 % of the converted 1.125,86; 9 % of
// the euro tax 586,41 is 52,77 euros, 103,21 DM, not 9 % of the converted 1.146,92.
struct WaehrungsFall {
    const char* name;
    int jahr;
    const char* waehrung;
    double entgelt;
    double lohnsteuer;
    double kirchensteuer;
};
const WaehrungsFall kWaehrungsFaelle[] = {
    {"dmYearShownInEuro", 2001, "Euro", 4250.00, 1125.86, 101.33},
    {"euroYearShownInDM", 2026, "DM", 8312.26, 1146.92, 103.21},
};

class KirchensteuerWaehrungTest : public LohnTest,
                                  public testing::WithParamInterface<WaehrungsFall> {};
TEST_P(KirchensteuerWaehrungTest, ConvertedAfterTheRate)
{
    const WaehrungsFall& f = GetParam();
    d.Jahr->SetValue(f.jahr);
    d.Steuerklasse->SetValue(1);
    d.Kirchensteuersatz->SetValue(9);
    d.WaehrungName->SetValue(f.waehrung);
    d.Entgelt->SetValue(f.entgelt);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), f.lohnsteuer);
    EXPECT_DOUBLE_EQ(d.Kirchensteuer->GetValue(), f.kirchensteuer);
}
INSTANTIATE_TEST_SUITE_P(Lohn, KirchensteuerWaehrungTest, testing::ValuesIn(kWaehrungsFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

// The surcharge of 1991/92: 7.5 % of the wage tax for pay periods ending after 30 June 1991 and
// before 1 July 1992, pfennig fractions dropped, none in the months around.
struct SolZFall {
    int jahr;
    int monat;
    double solz;
    double netto;
};
const SolZFall kSolZFaelle[] = {
    {1991, 6, 0.00, 1702.36},
    {1991, 7, 51.48, 1650.88},
    {1992, 6, 51.48, 1649.99},
    {1992, 7, 0.00, 1701.47},
};

class SolZ1991Test : public LohnTest, public testing::WithParamInterface<SolZFall> {};
TEST_P(SolZ1991Test, SevenAndAHalfPercentFromJuly1991ToJune1992)
{
    const SolZFall& f = GetParam();
    d.Jahr->SetValue(f.jahr);
    d.Monat->SetValue(f.monat);
    d.Steuerklasse->SetValue(1);
    d.Entgelt->SetValue(3000);
    EXPECT_DOUBLE_EQ(d.Lohnsteuer->GetValue(), 686.41);
    EXPECT_EQ(d.Solidaritaetszuschlag->GetAsString(), FloatToBetragStr(2, f.solz));
    EXPECT_DOUBLE_EQ(d.Nettoentgelt->GetValue(), f.netto);
}
INSTANTIATE_TEST_SUITE_P(Lohn, SolZ1991Test, testing::ValuesIn(kSolZFaelle), [](const auto& i) {
    return "m" + std::to_string(i.param.monat) + "y" + std::to_string(i.param.jahr);
});

} // namespace
