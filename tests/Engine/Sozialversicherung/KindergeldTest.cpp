#include "Engine/Sozialversicherung/Kindergeld.h"

#include "Engine/JahreswerteFake.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

struct Fall {
    const char* name;
    int kinder;
    int jahr;
    int monat;
    int want;
};

// Four children take every column of a year; the figures are the published monthly amounts
// (marks up to 2001, euro from 2002). 2026 is the options' default of 259 per child.
const Fall kFaelle[] = {
    {"before_1996", 4, 1995, 12, 0},
    {"y1996", 4, 1996, 1, 200 + 200 + 300 + 350},
    {"y1997", 4, 1997, 1, 220 + 220 + 300 + 350},
    {"y1998", 4, 1998, 12, 220 + 220 + 300 + 350},
    {"y1999", 4, 1999, 1, 250 + 250 + 300 + 350},
    {"y2000", 4, 2000, 1, 270 + 270 + 300 + 350},
    {"y2001", 4, 2001, 12, 270 + 270 + 300 + 350},
    {"euro_2002", 4, 2002, 1, 154 + 154 + 154 + 179},
    {"y2008", 4, 2008, 12, 154 + 154 + 154 + 179},
    {"y2009", 4, 2009, 1, 164 + 164 + 170 + 195},
    {"y2010", 4, 2010, 1, 184 + 184 + 190 + 215},
    {"y2014", 4, 2014, 12, 184 + 184 + 190 + 215},
    {"y2015", 4, 2015, 1, 188 + 188 + 194 + 219},
    {"y2016", 4, 2016, 1, 190 + 190 + 196 + 221},
    {"y2017", 4, 2017, 1, 192 + 192 + 198 + 223},
    {"y2018", 4, 2018, 1, 194 + 194 + 200 + 225},
    {"y2019_june", 4, 2019, 6, 194 + 194 + 200 + 225},
    {"y2019_july", 4, 2019, 7, 204 + 204 + 210 + 235},
    {"y2019_two_june", 2, 2019, 6, 388},
    {"y2019_two_july", 2, 2019, 7, 408},
    {"y2020", 4, 2020, 1, 204 + 204 + 210 + 235},
    {"y2021", 4, 2021, 1, 219 + 219 + 225 + 250},
    {"y2022", 4, 2022, 12, 219 + 219 + 225 + 250},
    {"y2023", 4, 2023, 1, 1000},
    {"y2024", 4, 2024, 12, 1000},
    {"y2025", 4, 2025, 1, 1020},
    {"y2026_options", 4, 2026, 1, 4 * 259},
    {"five_children_2010", 5, 2010, 3, 184 + 184 + 190 + 215 + 215},
    {"no_children", 0, 2010, 3, 0},
    {"negative_children", -2, 2010, 3, 0},
    {"absurd_count_clamps", std::numeric_limits<int>::max(), 2025, 1,
     std::numeric_limits<int>::max()},
};

class KindergeldTest : public testing::TestWithParam<Fall> {};
TEST_P(KindergeldTest, MonthlySumPerChild)
{
    const Fall& f = GetParam();
    EXPECT_EQ(KindergeldTabelle().Kindergeld(f.kinder, f.jahr, f.monat), f.want)
        << f.kinder << " children, " << f.monat << "/" << f.jahr;
}
INSTANTIATE_TEST_SUITE_P(Engine, KindergeldTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Kindergeld, ConvertsIntoTheDisplayCurrency)
{
    // 2001 in marks shown in euro: 270 * 12 / 1.95583, rounded to cents.
    EXPECT_DOUBLE_EQ(KindergeldTabelle().KindergeldJahr(2001, 1, 1, 1.0), 1656.59);
    // 2025 in euro shown in marks: 255 * 1.95583.
    EXPECT_DOUBLE_EQ(KindergeldTabelle().KindergeldMonat(2025, 1, 1, 1.95583), 498.74);
    EXPECT_DOUBLE_EQ(KindergeldTabelle().KindergeldJahr(2026, 1, 4, 1.0), 12.0 * 4 * 259);
}

TEST(Kindergeld, LaterYearsUse2027AndRoundEachChild)
{
    const TJahreswerteFake fake;
    TJahreswerteGuard guard(fake);
    EXPECT_EQ(KindergeldTabelle().Kindergeld(1, 2026, 7), 259);
    EXPECT_EQ(KindergeldTabelle().Kindergeld(1, 2027, 6), 265);
    EXPECT_EQ(KindergeldTabelle().Kindergeld(1, 2027, 7), 266);
    EXPECT_EQ(KindergeldTabelle().Kindergeld(1, 2030, 7), 266);
    // Children five and six get 265.5 each, rounded half away from zero to 266.
    EXPECT_EQ(KindergeldTabelle().Kindergeld(6, 2030, 1), 4 * 265 + 2 * 266);
}

TEST(Kindergeld, OnTheStatementFrom1996PaidWithTheWageUntil1998)
{
    EXPECT_FALSE(KindergeldAufAbrechnung(1995));
    EXPECT_TRUE(KindergeldAufAbrechnung(1996));
    EXPECT_TRUE(KindergeldMitLohnAusgezahlt(1998));
    EXPECT_FALSE(KindergeldMitLohnAusgezahlt(1999));
}

} // namespace
