#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"

#include "Engine/JahreswerteFake.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fall {
    int jahr;
    int monat;
    double rvWest;
    double rvOst;
    double knWest;
    double knOst;
    double kvWest;
    double kvOst;
};

// The published monthly ceilings (social-insurance ordinances of each year): marks up to 2001,
// euro from 2002. The health ceiling is three quarters of the pension ceiling until 2002. The
// east's ceilings begin with the currency union of July 1990: 2,700 marks for both pension
// insurances, 2,025 for health (the ceilings published for the second half of 1990). Health
// insurance has one ceiling for west and east since 1 January 2001 (SGB V section 6 (7) as
// amended for 2001): 6,525 marks, then 3,375 euro.
const Fall kFaelle[] = {
    {1989, 12, 0, 0, 0, 0, 0, 0},
    {1990, 1, 6300, 0, 7800, 0, 4725, 0},
    {1990, 6, 6300, 0, 7800, 0, 4725, 0},
    {1990, 7, 6300, 2700, 7800, 2700, 4725, 2025},
    {1990, 12, 6300, 2700, 7800, 2700, 4725, 2025},
    {1991, 6, 6500, 3000, 8000, 3000, 4875, 2250},
    {1991, 7, 6500, 3400, 8000, 3400, 4875, 2550},
    {1992, 1, 6800, 4800, 8400, 5900, 5100, 3600},
    {1993, 1, 7200, 5300, 8900, 6500, 5400, 3975},
    {1994, 1, 7600, 5900, 9400, 7300, 5700, 4425},
    {1995, 1, 7800, 6400, 9600, 7800, 5850, 4800},
    {1996, 1, 8000, 6800, 9800, 8400, 6000, 5100},
    {1997, 1, 8200, 7100, 10100, 8700, 6150, 5325},
    {1998, 1, 8400, 7000, 10300, 8600, 6300, 5250},
    {1999, 1, 8500, 7200, 10400, 8800, 6375, 5400},
    {2000, 1, 8600, 7100, 10600, 8700, 6450, 5325},
    {2000, 12, 8600, 7100, 10600, 8700, 6450, 5325},
    {2001, 1, 8700, 7300, 10700, 9000, 6525, 6525},
    {2001, 12, 8700, 7300, 10700, 9000, 6525, 6525},
    {2002, 1, 4500, 3750, 5550, 4650, 3375, 3375},
    {2003, 1, 5100, 4250, 6250, 5250, 3450, 3450},
    {2004, 1, 5150, 4350, 6350, 5350, 3487.5, 3487.5},
    {2005, 1, 5200, 4400, 6400, 5400, 3525, 3525},
    {2006, 1, 5250, 4400, 6450, 5400, 3562.5, 3562.5},
    {2007, 1, 5250, 4550, 6450, 5550, 3562.5, 3562.5},
    {2008, 1, 5300, 4500, 6550, 5550, 3600, 3600},
    {2009, 1, 5400, 4550, 6650, 5600, 3675, 3675},
    {2010, 1, 5500, 4650, 6800, 5700, 3750, 3750},
    {2011, 1, 5500, 4800, 6750, 5900, 3712.5, 3712.5},
    {2012, 1, 5600, 4800, 6900, 5900, 3825, 3825},
    {2013, 1, 5800, 4900, 7100, 6050, 3937.5, 3937.5},
    {2014, 1, 5950, 5000, 7300, 6150, 4050, 4050},
    {2015, 1, 6050, 5200, 7450, 6350, 4125, 4125},
    {2016, 1, 6200, 5400, 7650, 6650, 4237.5, 4237.5},
    {2017, 1, 6350, 5700, 7850, 7000, 4350, 4350},
    {2018, 1, 6500, 5800, 8000, 7150, 4425, 4425},
    {2019, 1, 6700, 6150, 8200, 7600, 4537.5, 4537.5},
    {2020, 1, 6900, 6450, 8450, 7900, 4687.5, 4687.5},
    {2021, 1, 7100, 6700, 8700, 8250, 4837.5, 4837.5},
    {2022, 1, 7050, 6750, 8650, 8350, 4837.5, 4837.5},
    {2023, 1, 7300, 7100, 8950, 8700, 4987.5, 4987.5},
    {2024, 1, 7550, 7450, 9300, 9200, 5175, 5175},
    {2025, 12, 8050, 8050, 9900, 9900, 5512.5, 5512.5},
    // The options' defaults: one ceiling for west and east.
    {2026, 1, 8450, 8450, 10400, 10400, 5812.5, 5812.5},
};

class BBGTest : public testing::TestWithParam<Fall> {};
TEST_P(BBGTest, MonthlyCeilings)
{
    const Fall& f = GetParam();
    const TBeitragsbemessungsgrenzen& bbg = Beitragsbemessungsgrenzen();
    EXPECT_DOUBLE_EQ(bbg.BBGRV(f.jahr, f.monat, false, false), f.rvWest);
    EXPECT_DOUBLE_EQ(bbg.BBGRV(f.jahr, f.monat, true, false), f.rvOst);
    EXPECT_DOUBLE_EQ(bbg.BBGRV(f.jahr, f.monat, false, true), f.knWest);
    EXPECT_DOUBLE_EQ(bbg.BBGRV(f.jahr, f.monat, true, true), f.knOst);
    EXPECT_DOUBLE_EQ(bbg.BBGKV(f.jahr, f.monat, false), f.kvWest);
    EXPECT_DOUBLE_EQ(bbg.BBGKV(f.jahr, f.monat, true), f.kvOst);
    EXPECT_DOUBLE_EQ(bbg.BBGRVJahr(f.jahr, f.monat, false, false), 12 * f.rvWest);
    EXPECT_DOUBLE_EQ(bbg.BBGKVJahr(f.jahr, f.monat, true), 12 * f.kvOst);
}
INSTANTIATE_TEST_SUITE_P(Engine, BBGTest, testing::ValuesIn(kFaelle), [](const auto& i) {
    return "y" + std::to_string(i.param.jahr) + "_m" + std::to_string(i.param.monat);
});

TEST(Beitragsbemessungsgrenzen, EastCeilingsOfTheirOwnAtTheirBoundaries)
{
    using G = TBeitragsbemessungsgrenzen;
    EXPECT_FALSE(G::OstGrenzen(1990, 6));
    EXPECT_TRUE(G::OstGrenzen(1990, 7));
    EXPECT_TRUE(G::OstGrenzen(2024, 12));
    EXPECT_FALSE(G::OstGrenzen(2025, 1));
    EXPECT_FALSE(G::OstGrenzeKV(1990, 6));
    EXPECT_TRUE(G::OstGrenzeKV(1990, 7));
    EXPECT_TRUE(G::OstGrenzeKV(2000, 12));
    EXPECT_FALSE(G::OstGrenzeKV(2001, 1));
}

TEST(Beitragsbemessungsgrenzen, LaterYearsUseTheOptionsOf2027)
{
    const TJahreswerteFake fake;
    TJahreswerteGuard guard(fake);
    const TBeitragsbemessungsgrenzen& bbg = Beitragsbemessungsgrenzen();
    EXPECT_DOUBLE_EQ(bbg.BBGRV(2026, 5, true, true), 8011);
    EXPECT_DOUBLE_EQ(bbg.BBGRV(2027, 5, false, true), 9010);
    EXPECT_DOUBLE_EQ(bbg.BBGRV(2031, 5, true, false), 9001);
    EXPECT_DOUBLE_EQ(bbg.BBGKV(2040, 1, false), 6112.5);
    EXPECT_DOUBLE_EQ(bbg.BBGKV(2025, 1, false), 5512.5);
}

} // namespace
