#include "Engine/Sozialversicherung/Beitrag.h"

#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Art = TBeitrag::TSatzArt;

// No ceiling in reach unless a case sets one: a million euro a month, as an annual figure.
constexpr double kOhneGrenze = 12.0 * 100000000.0;

TBeitrag Exakt(double satz, double grenze1 = kOhneGrenze, int tage = 30)
{
    TBeitrag b(tage, satz, 1.0, 1.0, grenze1, kOhneGrenze, 1.0);
    b.SetEuroRundung(true);
    return b;
}

// The transition zone of an era with its factor, exact.
TBeitrag Zone(double satz, int jahr, int monat, bool neu, double faktor)
{
    TBeitrag b = Exakt(satz);
    b.SetGleitzonenParameter(jahr, monat, neu);
    b.SetGleitzonenfaktor(faktor);
    b.SetGleitzone(true);
    return b;
}

// ---- The transition zone, one row per era and bound --------------------------------------

struct ZonenFall {
    const char* name;
    int jahr;
    int monat;
    bool neu;
    double faktor;
    double satz;    // total rate of the branch
    double entgelt; // cents a month
    double wantArbeitnehmer;
    double wantArbeitgeber;
};

// The worked examples named in each row are the published ones; the bounds follow from the
// formulas: at the lower limit the base is the pay times F, at the upper limit it is the pay.
const ZonenFall kZonenFaelle[] = {
    // 2003 to 2012: employer pays his half of the pay, the employee the rest of the total on
    // the reduced base F * 400 + (2 - F) * (AE - 400).
    {"gz2003_600_pension", 2003, 4, false, 0.5995, 19.5, 60000, 4288, 5850},
    {"gz2003_lower_bound", 2003, 4, false, 0.5995, 19.5, 40001, 776, 3900},
    {"gz2003_upper_bound", 2003, 4, false, 0.5995, 19.5, 80000, 7800, 7800},
    {"gz2003_above_zone", 2003, 4, false, 0.5995, 19.5, 80001, 7800, 7800},
    // Published 2008 example: AE 500, F 0.7732, base 431.96; pension 85.96 = 49.75 + 36.21,
    // care 7.34 = 4.25 + 3.09.
    {"gz2008_500_pension", 2008, 1, false, 0.7732, 19.9, 50000, 3621, 4975},
    {"gz2008_500_care", 2008, 1, false, 0.7732, 1.7, 50000, 309, 425},
    // 2013 formula with 450 and 850 (always from 2015).
    {"gz2016_600_pension", 2016, 1, false, 0.7547, 18.7, 60000, 4320, 5610},
    {"gz2016_lower_bound", 2016, 1, false, 0.7547, 18.7, 45001, 2144, 4208},
    {"gz2016_upper_bound", 2016, 1, false, 0.7547, 18.7, 85000, 7948, 7948},
    // July 2019: the same formula up to 1300.
    {"ub2019_1000_pension", 2019, 7, false, 0.7566, 18.6, 100000, 8580, 9300},
    // October 2022: the employee's own base 1600 / 1080 * (AE - 520); the total on the
    // general base by half the rate, rounded and doubled. Published example of a health fund:
    // AE 750, pension total 116.74 = 85.05 + 31.69. A second one: AE 600, employee 11.02.
    {"ub2022_750_pension", 2022, 10, true, 0.7009, 18.6, 75000, 3169, 8505},
    {"ub2022_600_pension", 2022, 10, true, 0.7009, 18.6, 60000, 1102, 7380},
    // The Minijob-Zentrale's worked example of October 2022, 521 euro: general base 365.61,
    // the employee's base 1.48; each branch's whole contribution on the general base, the
    // employee's share on his base (30 cents in all), the employer the rest.
    {"ub2022_521_health", 2022, 10, true, 0.7009, 14.6, 52100, 11, 5327},
    {"ub2022_521_additional", 2022, 10, true, 0.7009, 1.3, 52100, 1, 475},
    {"ub2022_521_care", 2022, 10, true, 0.7009, 3.05, 52100, 2, 1114},
    {"ub2022_521_pension", 2022, 10, true, 0.7009, 18.6, 52100, 14, 6786},
    {"ub2022_521_unemployment", 2022, 10, true, 0.7009, 2.4, 52100, 2, 876},
    // 2023 to 2000 euro: at 520.01 the employee pays nothing, the employer 28 percent's share.
    {"ub2023_lower_bound", 2023, 1, true, 0.6922, 18.6, 52001, 0, 6696},
    // At the limit itself the employee's base of SGB IV section 20 (2a) sentence 6,
    // 2000 / (2000 - 520) * (AE - 520), is 0, as the worked example above runs it down to a
    // euro above the limit: the employer bears the contribution on the general base F * 520.
    {"ub2023_at_lower_limit", 2023, 1, true, 0.6922, 18.6, 52000, 0, 6694},
    {"ub2023_below_lower_limit", 2023, 1, true, 0.6922, 18.6, 40000, 0, 5150},
    // 2025 (F 0.6683): 556.00 and 556.01 cost the employee nothing, the employer the same.
    {"ub2025_at_lower_limit", 2025, 1, true, 0.6683, 14.6, 55600, 0, 5424},
    {"ub2025_lower_bound", 2025, 1, true, 0.6683, 14.6, 55601, 0, 5426},
    {"ub2023_1000_pension", 2023, 1, true, 0.6922, 18.6, 100000, 6032, 10556},
    {"ub2023_upper_bound", 2023, 1, true, 0.6922, 18.6, 200000, 18600, 18600},
    {"ub2023_above_zone", 2023, 1, true, 0.6922, 18.6, 200001, 18600, 18600},
};

class BeitragGleitzoneTest : public testing::TestWithParam<ZonenFall> {};
TEST_P(BeitragGleitzoneTest, SharesOfTheEra)
{
    const ZonenFall& f = GetParam();
    TBeitrag b = Zone(f.satz, f.jahr, f.monat, f.neu, f.faktor);
    b.SetEntgelt(f.entgelt);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), f.wantArbeitnehmer) << "pay=" << f.entgelt;
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), f.wantArbeitgeber) << "pay=" << f.entgelt;
}
INSTANTIATE_TEST_SUITE_P(Engine, BeitragGleitzoneTest, testing::ValuesIn(kZonenFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BeitragGleitzone, EmployeeShareNeverNegativeInTheOldZone)
{
    // With an absurdly low factor the reduced total falls below the employer's half.
    TBeitrag b = Zone(19.5, 2003, 4, false, 0.1);
    b.SetEntgelt(40001);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 0.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 3900.0);
}

TEST(BeitragGleitzone, ChildlessSurchargeTakesTheGeneralBase)
{
    // 2023, AE 1000: general base 891.85, the employee's own base would be 648.65.
    TBeitrag b = Exakt(0.0);
    b.SetSatz(Art::kArbeitnehmer, 0.35);
    b.SetNurArbeitnehmer(true);
    b.SetGleitzonenParameter(2023, 1, true);
    b.SetGleitzonenfaktor(0.6922);
    b.SetGleitzone(true);
    b.SetEntgelt(100000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 312.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 0.0);
}

TEST(BeitragGleitzone, ChildlessSurchargeRunsOnAcrossTheLowerLimit)
{
    // 2025: 0.6 percent of the general base, 556.00 * 0.6683 = 371.57 and 371.59 at 556.01.
    for (const double entgelt : {55600.0, 55601.0}) {
        TBeitrag b = Zone(0.0, 2025, 1, true, 0.6683);
        b.SetSatz(Art::kArbeitnehmer, 0.6);
        b.SetNurArbeitnehmer(true);
        b.SetEntgelt(entgelt);
        EXPECT_DOUBLE_EQ(b.GetBeitrag(), 223.0) << entgelt;
    }
}

// Care in the zone with three children, June 2024, pay 1,234.56 (F 0.6846, rate 3.4): the
// reduction of 0.5 points is worked out apart on the employee's own base 952.89 and taken off
// his share of 16.20; the employer's share is that without children, 38.96 - 16.20 (SGB XI
// section 58 with SGB IV section 20 (2a) sentence 6: the reduction "is to be computed
// separately", as the commentary on the care reform of 2023 puts it).
TEST(BeitragGleitzone, ChildrenReductionLowersTheEmployeesShareOnly)
{
    TBeitrag b = Zone(0.0, 2024, 6, true, 0.6846);
    b.SetEntgelt(123456);
    b.SetKinderPV(3);
    b.SetSatz(Art::kGesamt, 3.4);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 1144.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 2276.0);
    b.SetSatz(Art::kGesamt, 3.4);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 1620.0) << "without children";
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 2276.0);
}

TEST(BeitragGleitzone, ChildrenReductionInTheOldZone)
{
    // July 2023, pay 500 kept in the old zone (factor with the flat tax, 450 to 1300, reduced
    // base 390.60): the employer pays his half of the pay, 8.50, the employee the rest of 13.28,
    // 4.78, less his reduction of 0.25 percent of the reduced base, 0.98.
    TBeitrag b = Zone(0.0, 2023, 7, false, 0.7417);
    b.SetEntgelt(50000);
    b.SetSatz(Art::kGesamt, 3.4);
    EXPECT_DOUBLE_EQ(b.BeitragspflichtigeEinnahme(), 39060.0);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 478.0);
    b.SetKinderPV(2);
    b.SetSatz(Art::kGesamt, 3.4);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 850.0);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 380.0);
}

TEST(BeitragGleitzone, LiableIncomeIsTheGeneralBase)
{
    TBeitrag b = Exakt(18.6);
    b.SetGleitzonenParameter(2023, 1, true);
    b.SetGleitzonenfaktor(0.6922);
    b.SetEntgelt(100000);
    EXPECT_DOUBLE_EQ(b.BeitragspflichtigeEinnahme(), 100000.0) << "outside the zone";
    b.SetGleitzone(true);
    EXPECT_DOUBLE_EQ(b.BeitragspflichtigeEinnahme(), 89185.0);
    b.SetEntgelt(250000);
    EXPECT_DOUBLE_EQ(b.BeitragspflichtigeEinnahme(), 250000.0) << "above the zone";
    EXPECT_DOUBLE_EQ(b.ZonenentgeltEuroCent(), 250000.0);
}

TEST(BeitragGleitzone, SeveralJobsShareTheBaseOfTheTotalPay)
{
    // 2024: 600 here and 600 elsewhere; the bases of 1200 are halved for this job.
    TBeitrag b = Zone(18.6, 2024, 1, true, 0.6846);
    b.SetEntgelt(60000);
    b.SetAndereAE(60000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 4211.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 6085.0);
}

TEST(BeitragGleitzone, PartMonthScalesTheMonthlyBase)
{
    // 300 for 15 days is 600 a month: half of each monthly base.
    TBeitrag b = Exakt(18.6, kOhneGrenze, 15);
    b.SetGleitzonenParameter(2024, 1, true);
    b.SetGleitzonenfaktor(0.6846);
    b.SetGleitzone(true);
    b.SetEntgelt(30000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 394.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 3674.0);
}

TEST(BeitragGleitzone, ReducedBaseStopsAtTheCeiling)
{
    // A ceiling of 600 a month below a zone pay of 1000 (2023): both bases are capped.
    TBeitrag b = Exakt(18.6, 12.0 * 60000.0);
    b.SetGleitzonenParameter(2023, 1, true);
    b.SetGleitzonenfaktor(0.6922);
    b.SetGleitzone(true);
    b.SetEntgelt(100000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 5580.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 5580.0);
}

// ---- Zone limits per era --------------------------------------------------------------------

struct GrenzFall {
    const char* name;
    int jahr;
    int monat;
    bool neu;
    double unten;
    double oben;
};

const GrenzFall kGrenzFaelle[] = {
    {"y2003", 2003, 4, false, 40000, 80000},
    {"y2012", 2012, 12, true, 40000, 80000},
    {"y2013_old", 2013, 1, false, 40000, 80000},
    {"y2013_new", 2013, 1, true, 45000, 85000},
    {"y2014_new", 2014, 12, true, 45000, 85000},
    {"y2015", 2015, 1, false, 45000, 85000},
    {"y2019_june", 2019, 6, false, 45000, 85000},
    {"y2019_july", 2019, 7, false, 45000, 130000},
    {"y2022_sept_new", 2022, 9, true, 45000, 130000},
    {"y2022_oct_new", 2022, 10, true, 52000, 160000},
    {"y2022_oct_old", 2022, 10, false, 45000, 130000},
    {"y2023_new", 2023, 1, true, 52000, 200000},
    {"y2023_old", 2023, 12, false, 45000, 130000},
    {"y2024", 2024, 1, false, 53800, 200000},
    {"y2025", 2025, 1, false, 55600, 200000},
    {"y2026", 2026, 1, false, 60300, 200000},
    {"y2027", 2027, 1, false, 63300, 200000},
    {"y2030", 2030, 1, false, 63300, 200000},
};

class BeitragGrenzenTest : public testing::TestWithParam<GrenzFall> {};
TEST_P(BeitragGrenzenTest, PublishedLimits)
{
    const GrenzFall& f = GetParam();
    EXPECT_DOUBLE_EQ(TBeitrag::GeringfuegigkeitsgrenzeCent(f.jahr, f.monat, f.neu), f.unten);
    EXPECT_DOUBLE_EQ(TBeitrag::GleitzoneObergrenzeCent(f.jahr, f.monat, f.neu), f.oben);
}
INSTANTIATE_TEST_SUITE_P(Engine, BeitragGrenzenTest, testing::ValuesIn(kGrenzFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BeitragGrenzen, FactorRoundsToFourPlaces)
{
    EXPECT_DOUBLE_EQ(TBeitrag::GleitzonenfaktorRunden(28.0, 40.45), 0.6922);
    EXPECT_DOUBLE_EQ(TBeitrag::GleitzonenfaktorRunden(30.0, 39.75), 0.7547);
    EXPECT_DOUBLE_EQ(TBeitrag::GleitzonenfaktorRunden(28.0, 0.0), 0.0);
}

// ---- Rates: Saxony, children, employee only ------------------------------------------------

struct SatzFall {
    const char* name;
    double satz;
    bool sachsen;
    int kinder;
    double wantArbeitnehmer; // share of 3000 euro
    double wantArbeitgeber;
};

const SatzFall kSatzFaelle[] = {
    {"even_split", 3.4, false, 0, 5100, 5100},
    {"saxony", 3.4, true, 0, 6600, 3600},
    {"one_child_no_reduction", 3.6, false, 1, 5400, 5400},
    {"second_child", 3.6, false, 2, 4650, 5400},
    {"three_children", 3.4, false, 3, 3600, 5100},
    {"five_children", 3.6, false, 5, 2400, 5400},
    {"more_than_five_count_five", 3.6, false, 9, 2400, 5400},
    {"saxony_and_two_children", 3.6, true, 2, 6150, 3900},
};

class BeitragPflegeTest : public testing::TestWithParam<SatzFall> {};
TEST_P(BeitragPflegeTest, SplitOfTheCareRate)
{
    const SatzFall& f = GetParam();
    TBeitrag b = Exakt(0.0);
    b.SetPVSachsen(f.sachsen);
    b.SetKinderPV(f.kinder);
    b.SetSatz(Art::kGesamt, f.satz);
    b.SetEntgelt(300000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), f.wantArbeitnehmer);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), f.wantArbeitgeber);
}
INSTANTIATE_TEST_SUITE_P(Engine, BeitragPflegeTest, testing::ValuesIn(kSatzFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BeitragPflege, SplitClearsSaxonyAndChildren)
{
    TBeitrag b = Exakt(0.0);
    b.SetPVSachsen(true);
    b.SetKinderPV(3);
    b.SetSatz(Art::kGesamt, 3.4);
    b.SetSatz(Art::kGesamt, 3.4);
    b.SetEntgelt(300000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 5100.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 5100.0);
}

TEST(BeitragPflege, SaxonyMovesHalfAPointAndBack)
{
    TBeitrag b = Exakt(3.4);
    b.SetEntgelt(300000);
    b.SetPVSachsen(true);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 6600.0);
    b.SetPVSachsen(true);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 6600.0) << "a second call must not move again";
    b.SetPVSachsen(false);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 5100.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 5100.0);
}

TEST(BeitragPflege, ChildlessSurchargeIsTheEmployeesAlone)
{
    TBeitrag b = Exakt(0.0);
    b.SetSatz(Art::kArbeitnehmer, 0.6);
    b.SetNurArbeitnehmer(true);
    b.SetEntgelt(300000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 1800.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 0.0);
}

TEST(BeitragTest, OneObjectServesBranchesInTurn)
{
    TBeitrag b = Exakt(14.6);
    b.SetEntgelt(300000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 21900.0);
    b.SetSatz(Art::kGesamt, 18.6);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 27900.0);
    b.SetSatz(Art::kArbeitgeber, 1.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 3000.0);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 27900.0);
}

// ---- Ceilings -------------------------------------------------------------------------------

// 2025: health ceiling 5512.50 a month.
constexpr double kKVGrenze2025 = 12.0 * 551250.0;

struct GrenzeFall {
    const char* name;
    int tage;
    double entgelt;
    bool keineBBG;
    double kurs;
    double want; // employee share at 14.6 %
};

const GrenzeFall kGrenzeFaelle[] = {
    {"below", 30, 551249, false, 1.0, 40241},
    {"at_ceiling", 30, 551250, false, 1.0, 40241},
    {"above_is_cut", 30, 600000, false, 1.0, 40241},
    {"no_ceiling_flag", 30, 600000, true, 1.0, 43800},
    {"half_month_pro_rata", 15, 300000, false, 1.0, 20121},
    {"display_currency_doubles_ceiling", 30, 1200000, false, 2.0, 80483},
};

class BeitragBBGTest : public testing::TestWithParam<GrenzeFall> {};
TEST_P(BeitragBBGTest, PayCappedProRata)
{
    const GrenzeFall& f = GetParam();
    TBeitrag b = Exakt(14.6, kKVGrenze2025, f.tage);
    b.SetKeineBBG(f.keineBBG);
    b.SetWaehrungskurs(f.kurs);
    b.SetEntgelt(f.entgelt);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), f.want) << "pay=" << f.entgelt;
}
INSTANTIATE_TEST_SUITE_P(Engine, BeitragBBGTest, testing::ValuesIn(kGrenzeFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BeitragBBG, SpecialPaymentCountsAndSwapTakesTheSecondCeiling)
{
    // 2025: pension ceiling 8050 a month as ceiling 2.
    TBeitrag b(30, 18.6, 1.0, 1.0, kKVGrenze2025, 12.0 * 805000.0, 1.0);
    b.SetEuroRundung(true);
    b.SetEntgelt(500000);
    b.SetEinmalzahlung(500000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), Runden(551250 * 0.093));
    b.BBGTauschen();
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), Runden(805000 * 0.093));
    EXPECT_DOUBLE_EQ(b.GetAnteiligeGrenze(), 805000.0);
}

TEST(BeitragBBG, ProRataCeilingIsCut)
{
    TBeitrag b = Exakt(14.6, kKVGrenze2025, 7);
    EXPECT_DOUBLE_EQ(b.GetAnteiligeGrenze(), 128625.0);
    b.SetBBG(12.0 * 100001.0);
    EXPECT_DOUBLE_EQ(b.GetAnteiligeGrenze(), 23333.0) << "23333.56 is cut, not rounded";
}

TEST(BeitragTest, NoPayNoContribution)
{
    TBeitrag b = Exakt(14.6);
    b.SetEntgelt(0.0);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 0.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 0.0);
    EXPECT_DOUBLE_EQ(b.GetTabellenwert(), 0.0);
    b.SetEntgelt(-5000.0);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 0.0);
}

// ---- The mark era: pfennig rounding and the contribution tables -----------------------------

TEST(BeitragPfennig, HalfAPfennigGoesUp)
{
    // 0.85 % of 10.00 DM is 8.5 pfennig, and 0.02 * 1000 * 0.85 lands a hair below 17.
    TBeitrag b(30, 1.7, 1.0, 1.0, kOhneGrenze, kOhneGrenze, 1.95583);
    b.SetWaehrungskurs(1.95583);
    b.SetEntgelt(1000);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 9.0);
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), 9.0);
    b.SetEntgelt(999);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 8.0) << "8.49 pfennig";
}

// 1999 west: health ceiling 0.75 * 8500 DM and pension ceiling 8500 DM a month, a fund's rate
// of 13.5 %, the table of 4.50 DM steps from 4.65 DM.
TBeitrag Tabelle1999(double kurs)
{
    TBeitrag b(30, 13.5, 465.0, 450.0, 12.0 * 637500.0, 12.0 * 850000.0, 1.95583);
    b.SetWaehrungskurs(kurs);
    return b;
}

struct TabellenFall {
    const char* name;
    double kurs;
    double entgelt;
    bool tauschen;
    double wantZeile;
    double want;
};

const TabellenFall kTabellenFaelle[] = {
    // The row 999.16 - 1003.65 DM pays on 1001.40 DM: 67.5945 DM.
    {"row_middle", 1.95583, 100000, false, 99916, 6759},
    {"row_start", 1.95583, 99916, false, 99916, 6759},
    {"row_end", 1.95583, 100365, false, 99916, 6759},
    {"next_row", 1.95583, 100366, false, 100366, 6790},
    // The row that holds the ceiling of 6375 DM pays on the ceiling.
    {"ceiling_row", 1.95583, 637216, false, 637216, 43031},
    {"above_ceiling", 1.95583, 900000, false, 899566, 43031},
    // With the ceilings swapped the health ceiling is the second one: it counts only up to it.
    {"second_ceiling_up_to_it", 1.95583, 637400, true, 637216, 43031},
    {"second_ceiling_beyond_it", 1.95583, 637600, true, 637216, 43027},
    // Euro shown: 511.29 euro are 1000 DM; the shares go back to euro cents.
    {"euro_display", 1.0, 51129, false, 99916, 3456},
};

class BeitragTabelleTest : public testing::TestWithParam<TabellenFall> {};
TEST_P(BeitragTabelleTest, RowMiddleInMarks)
{
    const TabellenFall& f = GetParam();
    TBeitrag b = Tabelle1999(f.kurs);
    if (f.tauschen)
        b.BBGTauschen();
    b.SetEntgelt(f.entgelt);
    EXPECT_DOUBLE_EQ(b.GetTabellenwert(), f.wantZeile) << "pay=" << f.entgelt;
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), f.want) << "pay=" << f.entgelt;
    EXPECT_DOUBLE_EQ(b.GetArbeitgeberAnteil(), f.want) << "pay=" << f.entgelt;
}
INSTANTIATE_TEST_SUITE_P(Engine, BeitragTabelleTest, testing::ValuesIn(kTabellenFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BeitragTabelle, StepOfOneIsExact)
{
    TBeitrag b(30, 13.5, 1.0, 1.0, kOhneGrenze, kOhneGrenze, 1.0);
    b.SetEuroRundung(true);
    b.SetEntgelt(100000);
    EXPECT_DOUBLE_EQ(b.GetTabellenwert(), 100000.0);
    EXPECT_DOUBLE_EQ(b.GetBeitrag(), 6750.0);
    EXPECT_DOUBLE_EQ(b.GetStufe(), 1.0);
}

TEST(BeitragTabelle, StepZeroMeansExact)
{
    TBeitrag b(30, 13.5, 465.0, 0.0, kOhneGrenze, kOhneGrenze, 1.0);
    EXPECT_DOUBLE_EQ(b.GetStufe(), 1.0);
    EXPECT_DOUBLE_EQ(b.GetStartwert(), 465.0);
}

} // namespace

namespace {

// One object serving branch after branch keeps its base while only rates change. After every
// change its shares must be those of a fresh object given the same changes and read once.
struct TBeitragSchritt {
    int art = 0;
    double zahl = 0;
    int ganz = 0;
};

void Anwenden(TBeitrag& b, const TBeitragSchritt& s)
{
    switch (s.art) {
    case 0:
        b.SetSatz(static_cast<Art>(s.ganz % 3), s.zahl);
        break;
    case 1:
        b.SetEntgelt(s.zahl * 1000);
        break;
    case 2:
        b.SetEinmalzahlung(s.ganz % 2 == 0 ? 0 : s.zahl * 300);
        break;
    case 3:
        b.SetPVSachsen(s.ganz % 2 == 0);
        break;
    case 4:
        b.SetKinderPV(s.ganz % 6);
        break;
    case 5:
        b.SetNurArbeitnehmer(s.ganz % 2 == 0);
        break;
    case 6:
        b.SetBBG(s.zahl * 100000);
        break;
    case 7:
        b.BBGTauschen();
        break;
    case 8:
        b.SetGleitzone(s.ganz % 2 == 0);
        break;
    case 9:
        b.SetAndereAE(s.ganz % 3 == 0 ? s.zahl * 100 : 0);
        break;
    case 10:
        b.SetKeineBBG(s.ganz % 4 == 0);
        break;
    case 11:
        b.SetWaehrungskurs(s.ganz % 2 == 0 ? 1.0 : 1.95583);
        break;
    case 12:
        b.SetGleitzonenParameter(2003 + s.ganz % 24, 1 + s.ganz % 12, s.ganz % 2 == 0);
        break;
    case 13:
        b.SetGleitzonenfaktor(0.6 + s.zahl * 0.01);
        break;
    default:
        b.SetEuroRundung(s.ganz % 5 != 0);
        break;
    }
}

TEST(BeitragGrundlage, ReusedObjectGivesTheSharesOfAFreshOne)
{
    std::mt19937 zufall(123);
    std::uniform_real_distribution<double> zahl(0.0, 25.0);
    for (int fall = 0; fall < 400; ++fall) {
        const int tage = 1 + static_cast<int>(zufall() % 30);
        const bool tabelle = zufall() % 4 == 0;
        const double grenze1 = 5000000 + zahl(zufall) * 400000;
        const double grenze2 = 5000000 + zahl(zufall) * 400000;
        const double faktor = zufall() % 3 == 0 ? 1.95583 : 1.0;
        const auto neu = [&] {
            return TBeitrag(tage, 14.6, tabelle ? 451.0 : 1.0, tabelle ? 30.0 : 1.0, grenze1,
                            grenze2, faktor);
        };
        TBeitrag wieder = neu();
        std::vector<TBeitragSchritt> schritte;
        for (int i = 0; i < 60; ++i) {
            schritte.push_back(
                {static_cast<int>(zufall() % 16), zahl(zufall), static_cast<int>(zufall() % 1000)});
            Anwenden(wieder, schritte.back());
            TBeitrag frisch = neu();
            for (const TBeitragSchritt& s : schritte)
                Anwenden(frisch, s);
            ASSERT_EQ(wieder.GetBeitrag(), frisch.GetBeitrag()) << fall << '/' << i;
            ASSERT_EQ(wieder.GetArbeitgeberAnteil(), frisch.GetArbeitgeberAnteil())
                << fall << '/' << i;
            ASSERT_EQ(wieder.GetTabellenwert(), frisch.GetTabellenwert()) << fall << '/' << i;
        }
    }
}

} // namespace
