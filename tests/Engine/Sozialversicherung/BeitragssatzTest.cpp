#include "Engine/Sozialversicherung/Beitragssatz.h"

#include "Engine/Lohnsteuer/TabConst.h"
#include "Engine/Sozialversicherung/SVLib.h"

#include "Engine/JahreswerteFake.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using I = TBeitragssatz::Index;

double SatzNach(I index, int jahr, int monat)
{
    const TBeitragssatz& s = Beitragssaetze();
    switch (index) {
    case I::kAVSatz:
        return s.AVSatz(jahr, monat);
    case I::kKVSatzF:
        return s.KVSatzF(jahr, monat);
    case I::kKVSatzG:
        return s.KVSatzG(jahr, monat);
    case I::kKVSatzPau:
        return s.KVSatzPau(jahr, monat);
    case I::kKVSatzPauPri:
        return s.KVSatzPauPri(jahr, monat);
    case I::kKVSatzZB:
        return s.KVSatzZB(jahr, monat);
    case I::kPVSatz:
        return s.PVSatz(jahr, monat);
    case I::kPVSatzKinderlos:
        return s.PVSatzKinderlos(jahr, monat);
    case I::kRVSatz:
        return s.RVSatz(jahr, monat);
    case I::kRVSatzPau:
        return s.RVSatzPau(jahr, monat);
    case I::kRVSatzPauPri:
        return s.RVSatzPauPri(jahr, monat);
    }
    return -1.0;
}

struct Fall {
    const char* name;
    I index;
    int jahr;
    int monat;
    double want;
};

// The published rates in percent at each change: the last month before and the first after.
const Fall kFaelle[] = {
    {"av_1990", I::kAVSatz, 1990, 1, 4.3},
    {"av_1991_mar", I::kAVSatz, 1991, 3, 4.3},
    {"av_1991_apr", I::kAVSatz, 1991, 4, 6.8},
    {"av_1992", I::kAVSatz, 1992, 1, 6.3},
    {"av_1993", I::kAVSatz, 1993, 1, 6.5},
    {"av_2006", I::kAVSatz, 2006, 12, 6.5},
    {"av_2007", I::kAVSatz, 2007, 1, 4.2},
    {"av_2008", I::kAVSatz, 2008, 1, 3.3},
    {"av_2009", I::kAVSatz, 2009, 1, 2.8},
    {"av_2011", I::kAVSatz, 2011, 1, 3.0},
    {"av_2018", I::kAVSatz, 2018, 12, 3.0},
    {"av_2019", I::kAVSatz, 2019, 1, 2.5},
    {"av_2020", I::kAVSatz, 2020, 1, 2.4},
    {"av_2022", I::kAVSatz, 2022, 12, 2.4},
    {"av_2023", I::kAVSatz, 2023, 1, 2.6},
    {"av_2025", I::kAVSatz, 2025, 12, 2.6},
    {"kvf_2008", I::kKVSatzF, 2008, 12, 0.0},
    {"kvf_2009_jun", I::kKVSatzF, 2009, 6, 14.0},
    {"kvf_2009_jul", I::kKVSatzF, 2009, 7, 13.4},
    {"kvf_2010", I::kKVSatzF, 2010, 12, 13.4},
    {"kvf_2011", I::kKVSatzF, 2011, 1, 14.0},
    {"kvf_2025", I::kKVSatzF, 2025, 12, 14.0},
    {"kvg_2008", I::kKVSatzG, 2008, 12, 0.0},
    {"kvg_2009_jun", I::kKVSatzG, 2009, 6, 14.6},
    {"kvg_2009_jul", I::kKVSatzG, 2009, 7, 14.0},
    {"kvg_2010", I::kKVSatzG, 2010, 12, 14.0},
    {"kvg_2011", I::kKVSatzG, 2011, 1, 14.6},
    {"kvpau_1999_mar", I::kKVSatzPau, 1999, 3, 0.0},
    {"kvpau_1999_apr", I::kKVSatzPau, 1999, 4, 10.0},
    {"kvpau_2003_mar", I::kKVSatzPau, 2003, 3, 10.0},
    {"kvpau_2003_apr", I::kKVSatzPau, 2003, 4, 11.0},
    {"kvpau_2006_jun", I::kKVSatzPau, 2006, 6, 11.0},
    {"kvpau_2006_jul", I::kKVSatzPau, 2006, 7, 13.0},
    {"kvpau_2025", I::kKVSatzPau, 2025, 12, 13.0},
    {"kvpaupri_2003_mar", I::kKVSatzPauPri, 2003, 3, 0.0},
    {"kvpaupri_2003_apr", I::kKVSatzPauPri, 2003, 4, 5.0},
    {"kvpaupri_2025", I::kKVSatzPauPri, 2025, 12, 5.0},
    {"kvzb_2005_jun", I::kKVSatzZB, 2005, 6, 0.0},
    {"kvzb_2005_jul", I::kKVSatzZB, 2005, 7, 0.9},
    {"kvzb_2015", I::kKVSatzZB, 2015, 12, 0.9},
    {"kvzb_2016", I::kKVSatzZB, 2016, 1, 1.1},
    {"kvzb_2017", I::kKVSatzZB, 2017, 12, 1.1},
    {"kvzb_2018", I::kKVSatzZB, 2018, 1, 1.0},
    {"kvzb_2019", I::kKVSatzZB, 2019, 1, 0.9},
    {"kvzb_2020", I::kKVSatzZB, 2020, 1, 1.1},
    {"kvzb_2021", I::kKVSatzZB, 2021, 1, 1.3},
    {"kvzb_2022", I::kKVSatzZB, 2022, 12, 1.3},
    {"kvzb_2023", I::kKVSatzZB, 2023, 1, 1.6},
    {"kvzb_2024", I::kKVSatzZB, 2024, 1, 1.7},
    {"kvzb_2025", I::kKVSatzZB, 2025, 1, 2.5},
    {"pv_1994", I::kPVSatz, 1994, 12, 0.0},
    {"pv_1995", I::kPVSatz, 1995, 1, 1.0},
    {"pv_1996_jun", I::kPVSatz, 1996, 6, 1.0},
    {"pv_1996_jul", I::kPVSatz, 1996, 7, 1.7},
    {"pv_2008_jun", I::kPVSatz, 2008, 6, 1.7},
    {"pv_2008_jul", I::kPVSatz, 2008, 7, 1.95},
    {"pv_2013", I::kPVSatz, 2013, 1, 2.05},
    {"pv_2015", I::kPVSatz, 2015, 1, 2.35},
    {"pv_2017", I::kPVSatz, 2017, 1, 2.55},
    {"pv_2019", I::kPVSatz, 2019, 1, 3.05},
    {"pv_2023_jun", I::kPVSatz, 2023, 6, 3.05},
    {"pv_2023_jul", I::kPVSatz, 2023, 7, 3.4},
    {"pv_2024", I::kPVSatz, 2024, 12, 3.4},
    {"pv_2025", I::kPVSatz, 2025, 1, 3.6},
    {"pvkl_2004", I::kPVSatzKinderlos, 2004, 12, 0.0},
    {"pvkl_2005", I::kPVSatzKinderlos, 2005, 1, 0.25},
    {"pvkl_2021", I::kPVSatzKinderlos, 2021, 12, 0.25},
    {"pvkl_2022", I::kPVSatzKinderlos, 2022, 1, 0.35},
    {"pvkl_2023_jun", I::kPVSatzKinderlos, 2023, 6, 0.35},
    {"pvkl_2023_jul", I::kPVSatzKinderlos, 2023, 7, 0.6},
    {"pvkl_2025", I::kPVSatzKinderlos, 2025, 12, 0.6},
    {"rv_1990", I::kRVSatz, 1990, 1, 18.7},
    {"rv_1991_mar", I::kRVSatz, 1991, 3, 18.7},
    {"rv_1991_apr", I::kRVSatz, 1991, 4, 17.7},
    {"rv_1992", I::kRVSatz, 1992, 1, 17.7},
    {"rv_1993", I::kRVSatz, 1993, 1, 17.5},
    {"rv_1994", I::kRVSatz, 1994, 1, 19.2},
    {"rv_1995", I::kRVSatz, 1995, 1, 18.6},
    {"rv_1996", I::kRVSatz, 1996, 1, 19.2},
    {"rv_1997", I::kRVSatz, 1997, 1, 20.3},
    {"rv_1999_mar", I::kRVSatz, 1999, 3, 20.3},
    {"rv_1999_apr", I::kRVSatz, 1999, 4, 19.5},
    {"rv_2000", I::kRVSatz, 2000, 1, 19.3},
    {"rv_2001", I::kRVSatz, 2001, 1, 19.1},
    {"rv_2003", I::kRVSatz, 2003, 1, 19.5},
    {"rv_2007", I::kRVSatz, 2007, 1, 19.9},
    {"rv_2012", I::kRVSatz, 2012, 1, 19.6},
    {"rv_2013", I::kRVSatz, 2013, 1, 18.9},
    {"rv_2015", I::kRVSatz, 2015, 1, 18.7},
    {"rv_2018", I::kRVSatz, 2018, 1, 18.6},
    {"rv_2025", I::kRVSatz, 2025, 12, 18.6},
    {"rvpau_1999_mar", I::kRVSatzPau, 1999, 3, 0.0},
    {"rvpau_1999_apr", I::kRVSatzPau, 1999, 4, 12.0},
    {"rvpau_2006_jun", I::kRVSatzPau, 2006, 6, 12.0},
    {"rvpau_2006_jul", I::kRVSatzPau, 2006, 7, 15.0},
    {"rvpau_2025", I::kRVSatzPau, 2025, 12, 15.0},
    {"rvpaupri_2003_mar", I::kRVSatzPauPri, 2003, 3, 0.0},
    {"rvpaupri_2003_apr", I::kRVSatzPauPri, 2003, 4, 5.0},
    {"rvpaupri_2025", I::kRVSatzPauPri, 2025, 12, 5.0},
    // 2026 from the options' defaults.
    {"av_2026", I::kAVSatz, 2026, 1, 2.6},
    {"kvf_2026", I::kKVSatzF, 2026, 1, 14.0},
    {"kvg_2026", I::kKVSatzG, 2026, 1, 14.6},
    {"kvpau_2026", I::kKVSatzPau, 2026, 1, 13.0},
    {"kvpaupri_2026", I::kKVSatzPauPri, 2026, 1, 5.0},
    {"kvzb_2026", I::kKVSatzZB, 2026, 1, 2.9},
    {"pv_2026", I::kPVSatz, 2026, 1, 3.6},
    {"pvkl_2026", I::kPVSatzKinderlos, 2026, 1, 0.6},
    {"rv_2026", I::kRVSatz, 2026, 1, 18.6},
    {"rvpau_2026", I::kRVSatzPau, 2026, 1, 15.0},
    {"rvpaupri_2026", I::kRVSatzPauPri, 2026, 1, 5.0},
};

class BeitragssatzTest : public testing::TestWithParam<Fall> {};
TEST_P(BeitragssatzTest, PublishedRate)
{
    const Fall& f = GetParam();
    EXPECT_DOUBLE_EQ(SatzNach(f.index, f.jahr, f.monat), f.want) << f.monat << "/" << f.jahr;
}
INSTANTIATE_TEST_SUITE_P(Engine, BeitragssatzTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

// The published average total rates. Each year's total is the sum of the pension,
// unemployment, health (general plus additional) and care rates, which ties this table to the
// rates above: 2018 = 18.6 + 3.0 + 14.6 + 1.0 + 2.55 = 39.75.
struct GesamtFall {
    int jahr;
    double want;
};
const GesamtFall kGesamt[] = {
    {2002, 0.0},   {2003, 41.70}, {2004, 42.00}, {2005, 42.00}, {2006, 41.90},
    {2007, 39.10}, {2008, 38.80}, {2009, 40.15}, {2010, 39.55}, {2011, 40.35},
    {2012, 40.05}, {2013, 39.45}, {2014, 39.45}, {2015, 39.55}, {2016, 39.75},
    {2017, 39.95}, {2018, 39.75}, {2019, 39.65}, {2020, 39.75}, {2021, 39.95},
    {2022, 39.95}, {2023, 40.45}, {2024, 40.90}, {2025, 41.90}, {2026, 42.30},
};

class GesamtSVSatzTest : public testing::TestWithParam<GesamtFall> {};
TEST_P(GesamtSVSatzTest, PublishedTotal)
{
    EXPECT_DOUBLE_EQ(Beitragssaetze().GesamtSVSatz(GetParam().jahr), GetParam().want);
}
INSTANTIATE_TEST_SUITE_P(Engine, GesamtSVSatzTest, testing::ValuesIn(kGesamt),
                         [](const auto& i) { return "y" + std::to_string(i.param.jahr); });

TEST(GesamtSVSatz, FromTheFifteenthYearEqualsTheSumOfTheRates)
{
    const TBeitragssatz& s = Beitragssaetze();
    for (int jahr = 2015; jahr <= 2026; ++jahr) {
        const double summe = s.RVSatz(jahr, 1) + s.AVSatz(jahr, 1) + s.KVSatzG(jahr, 1) +
                             s.KVSatzZB(jahr, 1) + s.PVSatz(jahr, 1);
        EXPECT_NEAR(s.GesamtSVSatz(jahr), summe, 1e-9) << jahr;
    }
}

struct FaktorFall {
    const char* name;
    int jahr;
    int monat;
    bool neueFormel;
    double want;
};
const FaktorFall kFaktor[] = {
    {"none_before_2003", 2002, 12, false, 0.0},
    {"y2003_march", 2003, 3, false, 0.5755},      // (12 + 10 + 2) / 41.70
    {"y2003_april", 2003, 4, false, 0.5995},      // (12 + 11 + 2) / 41.70
    {"y2006_july", 2006, 7, false, 0.7160},       // (15 + 13 + 2) / 41.90
    {"y2022_sept_new", 2022, 9, true, 0.7509},    // with the tax up to September
    {"y2022_nov_old", 2022, 11, false, 0.7509},   // 30 / 39.95
    {"y2022_nov_new", 2022, 11, true, 0.7009},    // 28 / 39.95
    {"y2023_old", 2023, 5, false, 0.7417},        // 30 / 40.45
    {"y2023_new", 2023, 5, true, 0.6922},         // 28 / 40.45
    {"y2024_always_new", 2024, 5, false, 0.6846}, // 28 / 40.90
    {"y2025", 2025, 1, true, 0.6683},             // 28 / 41.90
    {"y2026_options", 2026, 1, true, 0.6619},     // 28 / 42.30
};

class GleitzonenfaktorTest : public testing::TestWithParam<FaktorFall> {};
TEST_P(GleitzonenfaktorTest, FourDecimals)
{
    const FaktorFall& f = GetParam();
    EXPECT_DOUBLE_EQ(Beitragssaetze().Gleitzonenfaktor(f.jahr, f.monat, f.neueFormel), f.want);
}
INSTANTIATE_TEST_SUITE_P(Engine, GleitzonenfaktorTest, testing::ValuesIn(kFaktor),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Beitragssatz, LaterYearsAskTheOptionsOf2027WithTheMonth)
{
    const TJahreswerteFake fake;
    TJahreswerteGuard guard(fake);
    const TBeitragssatz& s = Beitragssaetze();
    EXPECT_DOUBLE_EQ(s.RVSatz(2026, 3), 2026 * 0.001 + 0.3 + 9);
    EXPECT_DOUBLE_EQ(s.AVSatz(2027, 7), 2027 * 0.001 + 0.7 + 1);
    EXPECT_DOUBLE_EQ(s.RVSatzPauPri(2035, 12), 2027 * 0.001 + 1.2 + 11);
    EXPECT_DOUBLE_EQ(s.GesamtSVSatz(2030), 40.0);
    EXPECT_DOUBLE_EQ(s.AVSatz(2025, 7), 2.6);
}

TEST(Beitragssatz, RulesOfTheYearAtTheirBoundaries)
{
    EXPECT_FALSE(TBeitragssatz::PVKinderabschlag(2023, 6));
    EXPECT_TRUE(TBeitragssatz::PVKinderabschlag(2023, 7));
    EXPECT_TRUE(TBeitragssatz::PVKinderabschlag(2024, 1));
    EXPECT_FALSE(TBeitragssatz::ZusatzbeitragParitaetisch(2018));
    EXPECT_TRUE(TBeitragssatz::ZusatzbeitragParitaetisch(2019));
}

TEST(Beitragssatz, CareSurchargeOfTheChildlessFrom2005)
{
    EXPECT_FALSE(TBeitragssatz::PVZuschlagKinderlose(2004));
    EXPECT_TRUE(TBeitragssatz::PVZuschlagKinderlose(2005));
}

TEST(SVLib, ContributionTableStartAndStep)
{
    EXPECT_EQ(BeitragsTabellenWert1(2000), 465);
    EXPECT_EQ(BeitragsTabellenWert1(2001), 450);
    EXPECT_EQ(BeitragsTabellenWert1(2002), 300);
    EXPECT_EQ(BeitragsTabellenWert2(2001), 450);
    EXPECT_EQ(BeitragsTabellenWert2(2002), 300);
    EXPECT_STREQ(NeinJa[false], "Nein");
    EXPECT_STREQ(NeinJa[true], "Ja");
}

} // namespace
