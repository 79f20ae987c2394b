// The solidarity surcharge's rate at the boundaries where the law changed it.
#include "Engine/Lohnsteuer/SolZSatz.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fall {
    int jahr;
    double jahresSatz; // as the year's tables state it
    double tarifSatz;  // as the tariff of a pay period applies it
};

const Fall kFaelle[] = {
    {1990, 0.0, 0.0}, {1991, 3.75, 0.0}, {1992, 3.75, 0.0}, {1993, 0.0, 0.0}, {1994, 0.0, 0.0},
    {1995, 7.5, 7.5}, {1997, 7.5, 7.5},  {1998, 5.5, 5.5},  {2026, 5.5, 5.5},
};

class SolZSatzTest : public testing::TestWithParam<Fall> {};
TEST_P(SolZSatzTest, RateOfTheYear)
{
    const Fall& f = GetParam();
    EXPECT_DOUBLE_EQ(SolZSatzJahr(f.jahr), f.jahresSatz);
    EXPECT_DOUBLE_EQ(SolZSatz(f.jahr), f.tarifSatz);
}
INSTANTIATE_TEST_SUITE_P(Engine, SolZSatzTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return "y" + std::to_string(i.param.jahr); });

} // namespace
