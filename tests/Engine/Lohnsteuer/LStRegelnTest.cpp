// The wage-tax rules the windows show by year, on both sides of each change.
#include "Engine/Lohnsteuer/LStRegeln.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct RegelFall {
    int jahr;
    bool ohneStufen;
    bool versorgungsbeginn;
    bool ersterVollerMonat;
    bool altersentlastung;
    bool privatBescheinigt;
};

const RegelFall kRegelFaelle[] = {
    {2003, false, false, false, false, false}, {2004, true, false, false, false, false},
    {2005, true, true, true, true, false},     {2025, true, true, true, true, false},
    {2026, true, true, true, true, true},
};

class LStRegelnTest : public testing::TestWithParam<RegelFall> {};
TEST_P(LStRegelnTest, RulesOfTheYear)
{
    const RegelFall& f = GetParam();
    EXPECT_EQ(LohnsteuerOhneStufen(f.jahr), f.ohneStufen);
    EXPECT_EQ(VersorgungsbeginnMassgeblich(f.jahr), f.versorgungsbeginn);
    EXPECT_EQ(VersorgungsbezugErsterVollerMonat(f.jahr), f.ersterVollerMonat);
    EXPECT_EQ(AltersentlastungNachGeburtsjahr(f.jahr), f.altersentlastung);
    EXPECT_EQ(PrivateKVBeitraegeBescheinigt(f.jahr), f.privatBescheinigt);
}
INSTANTIATE_TEST_SUITE_P(Engine, LStRegelnTest, testing::ValuesIn(kRegelFaelle),
                         [](const auto& i) { return "y" + std::to_string(i.param.jahr); });

} // namespace
