#include "Engine/Einkommensteuer/EStLib.h"

#include "Engine/Einkommensteuer/EStTab.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr double kDM = 1.95583;

struct SolZFall {
    const char* name;
    int jahr;
    bool splitting;
    double kurs;
    double steuer;
    double solz;
};

const SolZFall kSolZ[] = {
    {"y2026_at_limit", 2026, false, 1.0, 20350, 0},
    {"y2026_one_above", 2026, false, 1.0, 20351, 0.11},
    {"y2026_transition", 2026, false, 1.0, 30864, 1251.16},
    {"y2026_splitting", 2026, true, 1.0, 61728, 2502.33},
    {"y2026_full_rate", 2026, false, 1.0, 100000, 5500},
    {"y2025_limit", 2025, false, 1.0, 19950, 0},
    {"y2021_transition", 2021, false, 1.0, 20000, 362.23},
    {"y2020_transition", 2020, false, 1.0, 1000, 5.60},
    {"y2020_full_rate", 2020, false, 1.0, 2000, 110},
    {"y2020_splitting_limit", 2020, true, 1.0, 1944, 0},
    {"y1991_dm", 1991, false, kDM, 10000, 375},
    {"y1992_euro_display", 1992, false, 1.0, 1000, 37.5},
    {"y1993_none", 1993, false, kDM, 10000, 0},
    {"y1994_none", 1994, false, kDM, 10000, 0},
    {"y1995_transition", 1995, false, kDM, 2000, 133.60},
    {"y1995_full_rate", 1995, false, kDM, 10000, 750},
    {"y1998_limit", 1998, false, kDM, 1836, 0},
    {"y2002_limit", 2002, true, 1.0, 1944, 0},
    {"negative_tax", 1991, false, kDM, -500, 0},
};

class SolZTest : public testing::TestWithParam<SolZFall> {};
TEST_P(SolZTest, Surcharge)
{
    const SolZFall& f = GetParam();
    EXPECT_DOUBLE_EQ(SolZBerechnen(f.jahr, f.splitting, f.steuer, f.kurs), f.solz)
        << f.jahr << " " << f.steuer;
}
INSTANTIATE_TEST_SUITE_P(ESt, SolZTest, testing::ValuesIn(kSolZ),
                         [](const auto& i) { return std::string(i.param.name); });

struct KreditFall {
    const char* name;
    int jahr;
    double messbetrag, gewerbesteuer, gewerblich, summe, steuer;
    double kredit;
};

const KreditFall kKredit[] = {
    {"y2007_factor_1_8", 2007, 1000, 0, 50000, 50000, 10000, 1800},
    {"y2008_capped_by_trade_tax", 2008, 1000, 3000, 50000, 50000, 10000, 3000},
    {"y2019_factor_3_8", 2019, 1000, 5000, 50000, 50000, 10000, 3800},
    {"y2020_factor_4", 2020, 1000, 5000, 50000, 50000, 10000, 4000},
    {"y2026_share_of_tax", 2026, 1000, 5000, 25000, 100000, 10000, 2500},
    {"share_rounded_up", 2026, 1000, 5000, 1, 3, 10000, 3334},
    {"no_base_amount", 2026, 0, 5000, 50000, 50000, 10000, 0},
    {"no_tax", 2026, 1000, 5000, 50000, 50000, 0, 0},
    {"no_commercial_income", 2026, 1000, 5000, 0, 50000, 10000, 0},
    {"no_total_income", 2026, 1000, 5000, 50000, 0, 10000, 4000},
    {"negative_trade_tax", 2026, 1000, -500, 50000, 50000, 10000, 0},
};

class KreditTest : public testing::TestWithParam<KreditFall> {};
TEST_P(KreditTest, TradeTaxCredit)
{
    const KreditFall& f = GetParam();
    EXPECT_DOUBLE_EQ(Steuerermaessigung35(f.jahr, f.messbetrag, f.gewerbesteuer, f.gewerblich,
                                          f.summe, f.steuer, 1.0),
                     f.kredit);
}
INSTANTIATE_TEST_SUITE_P(ESt, KreditTest, testing::ValuesIn(kKredit),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(TradeTaxCredit, DMYearConvertsIntoDMAndBack)
{
    // 2001 in euro display: 1000 euros base amount are 1956 DM, the credit 3521 DM.
    EXPECT_DOUBLE_EQ(Steuerermaessigung35(2001, 1000, 0, 50000, 50000, 10000, 1.0), 1800.26);
}

TEST(Relief32c, ShareOfTheTaxAboveTheLimitLessTheReducedRate)
{
    TEStTab98 tab;
    // 150000 DM step to 149958; tax 56634 less 30869 at 100224 less 47 % of 49734.
    EXPECT_DOUBLE_EQ(Entlastungsbetrag32c(tab, 1998, false, 150000, 150000, 150000, kDM), 2391);
    // Splitting halves the share before the step: 150000 / 2 is below the first step.
    EXPECT_DOUBLE_EQ(Entlastungsbetrag32c(tab, 1998, true, 150000, 150000, 150000, kDM), 0);
    EXPECT_DOUBLE_EQ(Entlastungsbetrag32c(tab, 1998, false, 100277, 100277, 100277, kDM), 0);
    EXPECT_DOUBLE_EQ(Entlastungsbetrag32c(tab, 1998, false, 0, 150000, 150000, kDM), 0);
    // Half the income commercial: the share 75000 is below the first step.
    EXPECT_DOUBLE_EQ(Entlastungsbetrag32c(tab, 1998, false, 75000, 150000, 150000, kDM), 0);
}

TEST(Relief32c, NeverNegative)
{
    for (int jahr : {1994, 1998, 1999, 2000}) {
        auto tab = CreateEStTab(static_cast<std::uint16_t>(jahr));
        for (int zvE = 80000; zvE <= 400000; zvE += 54) {
            for (bool splitting : {false, true}) {
                ASSERT_GE(Entlastungsbetrag32c(*tab, jahr, splitting, zvE, zvE, zvE, kDM), 0)
                    << jahr << " " << zvE << " " << splitting;
            }
        }
    }
}

TEST(ProfitRelief, ThreePercentAboveTheLimit)
{
    EXPECT_DOUBLE_EQ(EntlastungGewinneinkuenfte(false, 260000, 260000, 260000, 1.0), 300);
    EXPECT_DOUBLE_EQ(EntlastungGewinneinkuenfte(true, 520000, 520000, 520000, 1.0), 600);
    EXPECT_DOUBLE_EQ(EntlastungGewinneinkuenfte(false, 130000, 260000, 260000, 1.0), 150);
    EXPECT_DOUBLE_EQ(EntlastungGewinneinkuenfte(false, 260000, 260000, 250000, 1.0), 0);
    EXPECT_DOUBLE_EQ(EntlastungGewinneinkuenfte(false, 0, 260000, 260000, 1.0), 0);
    EXPECT_DOUBLE_EQ(EntlastungGewinneinkuenfte(false, 260000, 0, 260000, 1.0), 300);
}

TEST(AdditionalTable, KeepsLowEarnedIncomesFree)
{
    EXPECT_EQ(ZusatztabelleSteuer(1993, 500, 10529, false), 0);
    EXPECT_EQ(ZusatztabelleSteuer(1993, 500, 12798, false), 500);
    EXPECT_EQ(ZusatztabelleSteuer(1993, 500, 25596, true), 500);
    EXPECT_EQ(ZusatztabelleSteuer(1992, 500, 10529, false), 500);
    EXPECT_EQ(ZusatztabelleSteuer(1996, 500, 10529, false), 500);
}

struct StaffelFall {
    const char* name;
    std::int64_t (*tabelle)(std::int64_t, bool);
    std::int64_t einkommen;
    bool splitting;
    std::int64_t steuer;
};

const StaffelFall kStaffel[] = {
    {"t93_free", Zusatztabelle93, 10529, false, 0},
    {"t93_first_row", Zusatztabelle93, 10530, false, 30},
    {"t93_row_end", Zusatztabelle93, 10691, false, 96},
    {"t93_last_row", Zusatztabelle93, 12797, false, 1365},
    {"t93_no_limit", Zusatztabelle93, 12798, false, kKeinLimit},
    {"t93_split_first", Zusatztabelle93, 21060, true, 60},
    {"t93_split_no_limit", Zusatztabelle93, 25596, true, kKeinLimit},
    {"t94_first_row", Zusatztabelle94, 11070, false, 33},
    {"t94_rising_discount", Zusatztabelle94, 13391, false, 1410},
    {"t94_falling_discount", Zusatztabelle94, 13607, false, 1545},
    {"t94_split_no_limit", Zusatztabelle94, 27216, true, kKeinLimit},
    {"t95_free", Zusatztabelle95, 11555, false, 0},
    {"t95_first", Zusatztabelle95, 11556, false, 27},
    {"t95_discount", Zusatztabelle95, 11502 + 7 * 54, false, 190},
    {"t95_surcharge", Zusatztabelle95, 11502 + 67 * 54, false, 1862},
    {"t95_no_limit", Zusatztabelle95, 11502 + 68 * 54, false, kKeinLimit},
    {"t95_split_doubles", Zusatztabelle95, 23004 + 10 * 108, true, 2 * ((10 * 550 / 2 - 25) / 10)},
};

class StaffelTest : public testing::TestWithParam<StaffelFall> {};
TEST_P(StaffelTest, Tax)
{
    const StaffelFall& f = GetParam();
    EXPECT_EQ(f.tabelle(f.einkommen, f.splitting), f.steuer) << f.einkommen;
}
INSTANTIATE_TEST_SUITE_P(ESt, StaffelTest, testing::ValuesIn(kStaffel),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
