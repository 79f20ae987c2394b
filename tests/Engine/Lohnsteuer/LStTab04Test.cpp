// The flow-chart computation of 2004 to 2009: tariff formulas, tax classes 5 and 6, provision
// allowance, employee lump sum, other payments and the one-fifth rule.
#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/LStTab26.h"
#include "Engine/Lohnsteuer/LStTabDezember.h"
#include "Engine/Lohnsteuer/LStTabTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

template <class T> class TOffen : public T {
public:
    TOffen() { this->Init(); }
    using T::Klasse5und6Wert;
    using T::Tarif;
    using T::TarifKlasse5und6;
};

long double TarifVon(int jahr, long double x)
{
    switch (jahr) {
    case 2004:
        return TOffen<TLStTab04>().Tarif(x);
    case 2005:
        return TOffen<TLStTab05>().Tarif(x);
    case 2007:
        return TOffen<TLStTab07>().Tarif(x);
    default:
        return TOffen<TLStTab09a>().Tarif(x);
    }
}

// Hand-computed from the published formulas; the zones join without a jump.
const TarifFall kTarifFaelle[] = {
    {"t2004_grundfreibetrag", 2004, 7664, 0},  {"t2004_spitzensatz", 2004, 52152, 14623},
    {"t2005_grundfreibetrag", 2005, 7664, 0},  {"t2005_eingang", 2005, 7665, 0},
    {"t2005_ende_zone2", 2005, 12739, 988},    {"t2005_beginn_zone3", 2005, 12740, 989},
    {"t2005_ende_zone3", 2005, 52151, 13989},  {"t2005_beginn_zone4", 2005, 52152, 13989},
    {"t2007_ende_zone4", 2007, 250000, 97086}, {"t2007_reichensteuer", 2007, 250001, 97086},
    {"t2009_grundfreibetrag", 2009, 7834, 0},  {"t2009_eingang", 2009, 7835, 0},
    {"t2009_ende_zone4", 2009, 250400, 97104}, {"t2009_reichensteuer", 2009, 250401, 97104},
};

class Tarif04Test : public testing::TestWithParam<TarifFall> {};

TEST_P(Tarif04Test, ZoneBounds)
{
    const TarifFall& f = GetParam();
    EXPECT_EQ(static_cast<double>(TarifVon(f.jahr, f.x)), f.steuer) << f.jahr << " X=" << f.x;
}

INSTANTIATE_TEST_SUITE_P(LStTab04, Tarif04Test, testing::ValuesIn(kTarifFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

// Tax classes 5 and 6 -------------------------------------------------------------------------

TEST(LStTab04, MinimumRateOfClassesFiveAndSix)
{
    // Below the basic allowance the doubled difference is 0 and the minimum rate counts.
    EXPECT_EQ(static_cast<double>(TOffen<TLStTab04>().Klasse5und6Wert(5000)), 800);
    EXPECT_EQ(static_cast<double>(TOffen<TLStTab05>().Klasse5und6Wert(5000)), 750);
    EXPECT_EQ(static_cast<double>(TOffen<TLStTab08>().Klasse5und6Wert(5000)), 750);
    EXPECT_EQ(static_cast<double>(TOffen<TLStTab09a>().Klasse5und6Wert(5000)), 700);
}

TEST(LStTab07, ClassesFiveAndSixAboveTheTopLimitAreCutAfterEachStep)
{
    TOffen<TLStTab07> tab;
    const double wert = static_cast<double>(tab.Klasse5und6Wert(25812));
    // 200000 is still taxed at 42 %.
    EXPECT_EQ(static_cast<double>(tab.TarifKlasse5und6(200000)),
              std::trunc(0.42 * (200000 - 25812) + wert));
    // Above it the flow chart cuts the fixed 73158.96 first, so the cents never carry.
    EXPECT_EQ(static_cast<double>(tab.TarifKlasse5und6(200001)), wert + 73158);
    EXPECT_EQ(static_cast<double>(tab.TarifKlasse5und6(200003)), wert + 73158 + 1);
    TOffen<TLStTab09a> tab09;
    const double wert09 = static_cast<double>(tab09.Klasse5und6Wert(26276));
    EXPECT_EQ(static_cast<double>(tab09.TarifKlasse5und6(200321)), wert09 + 73098);
}

TEST(LStTab04, ClassFiveBetweenTheLimitsTakesTheSmallerOfBothRules)
{
    TOffen<TLStTab05> tab;
    const double z = 20000;
    const double unten = static_cast<double>(tab.Klasse5und6Wert(z));
    const double hoch =
        std::trunc(0.42 * (z - 9144) + static_cast<double>(tab.Klasse5und6Wert(9144)));
    EXPECT_EQ(static_cast<double>(tab.TarifKlasse5und6(z)), std::min(unten, hoch));
}

// Provision allowance -------------------------------------------------------------------------

struct VorsorgeFall {
    const char* name;
    int jahr;
    int rvArt;
    double jahreslohn; // cents
    double pauschale;  // euros
};

// Hand-computed: the older rule (20 % of the wage, advance deduction 3068 shrinking by 16 % of
// the wage, basic maximum 1334, half maximum 667; 1134 for kind 1) against the rule of 2005
// (share of the pension contribution up to the ceiling plus 11 % up to 1500): the larger one.
const VorsorgeFall kVorsorgeFaelle[] = {
    {"v2004_hoher_lohn", 2004, 0, 10000000, 2001},
    {"v2004_ohne_rente", 2004, 1, 10000000, 1134},
    {"v2005_hoher_lohn", 2005, 0, 10000000, 2717},
    {"v2005_ohne_rente", 2005, 1, 10000000, 1500},
    {"v2005_alte_regel_hoeher", 2005, 0, 2000000, 2001},
    {"v2005_vorwegabzug", 2005, 0, 1500000, 2501},
    {"v2006_hoher_lohn", 2006, 0, 10000000, 2975},
    {"v2006_ohne_rente", 2006, 1, 10000000, 1500},
    {"v2007_hoher_lohn", 2007, 0, 10000000, 3256},
    {"v2008_hoher_lohn", 2008, 0, 10000000, 3526},
    {"v2008_ohne_gesetzliche_rente", 2008, 2, 10000000, 2001},
    {"v2009_hoher_lohn", 2009, 0, 10000000, 3822},
};

class Vorsorge04Test : public testing::TestWithParam<VorsorgeFall> {};

TEST_P(Vorsorge04Test, LargerOfBothRules)
{
    const VorsorgeFall& f = GetParam();
    auto tab = Tab(f.jahr, 1, 1);
    tab->SetInt(liRVArt, f.rvArt);
    tab->LohnsteuerFuer(f.jahreslohn);
    EXPECT_EQ(tab->GetDoub(leVorsorgepauschale), f.pauschale);
}

INSTANTIATE_TEST_SUITE_P(LStTab04, Vorsorge04Test, testing::ValuesIn(kVorsorgeFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LStTab04, NoProvisionAllowanceInClassesFiveAndSix)
{
    for (int jahr = 2004; jahr <= 2009; ++jahr) {
        auto tab = Tab(jahr, 5, 2);
        tab->LohnsteuerFuer(300000);
        EXPECT_EQ(tab->GetDoub(leVorsorgepauschale), 0) << jahr;
    }
}

// Employee lump sum ---------------------------------------------------------------------------

struct PauschFall {
    const char* name;
    int jahr;
    double lohn;      // cents a year
    double versBezug; // cents a year
    double pauschbetrag;
};

const PauschFall kPauschFaelle[] = {
    {"p2004_arbeitnehmer", 2004, 3000000, 0, 920},
    {"p2005_arbeitnehmer", 2005, 3000000, 0, 920},
    {"p2005_nur_versorgung", 2005, 3000000, 3000000, 102},
    {"p2005_beides", 2005, 4000000, 3000000, 1022},
    {"p2006_nur_versorgung", 2006, 3000000, 3000000, 102},
    {"p2006_beides", 2006, 4000000, 3000000, 1022},
    // Less pay than the lump sum: 2006 to 2008 cut the rest, 2009 rounds it up.
    {"p2008_kleiner_lohn", 2008, 50050, 0, 500},
    {"p2009_kleiner_lohn", 2009, 50050, 0, 501},
};

class Pausch04Test : public testing::TestWithParam<PauschFall> {};

TEST_P(Pausch04Test, LumpSumOfTheComputation)
{
    const PauschFall& f = GetParam();
    auto tab = Tab(f.jahr, 1, 1);
    tab->SetInt(liVersBeginn, 2004);
    tab->SetInt(liVersMonate, 12);
    tab->SetCurr(lcVersBemMonat, f.versBezug / 12);
    tab->SetCurr(lcVersBezug, f.versBezug);
    tab->LohnsteuerFuer(f.lohn);
    EXPECT_EQ(tab->GetValue(1), f.pauschbetrag);
}

INSTANTIATE_TEST_SUITE_P(LStTab04, Pausch04Test, testing::ValuesIn(kPauschFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LStTab05, OldAgeReliefNeedsTheBirthDate)
{
    auto tab = Tab(2005, 1, 2);
    tab->SetBool(lbAltersentlastung, true);
    EXPECT_THROW(tab->LohnsteuerFuer(300000), ELStTabError);
    tab->SetGeburtsdatum({2, 1, 1940});
    const double mit = tab->LohnsteuerFuer(300000);
    // 40 % of the wage, at most 1900 euros a year: 158.34 a month.
    EXPECT_EQ(tab->GetValue(0), 15834);
    auto ohne = Tab(2005, 1, 2);
    EXPECT_LT(mit, ohne->LohnsteuerFuer(300000));
}

// Other payments ------------------------------------------------------------------------------

struct SonstFall {
    int jahr;
    double bezug;
    bool negativ; // the tax of the other payment may be negative
};

class Sonstige04Test : public testing::TestWithParam<SonstFall> {};

TEST_P(Sonstige04Test, NegativeOtherPayment)
{
    const SonstFall& f = GetParam();
    auto tab = Tab(f.jahr, 1, 2);
    tab->SetBool(lbKirchensteuer, true);
    tab->SetCurr(lcLohn, 300000);
    tab->SetDoub(ldJahresLohn, 3600000);
    tab->SonstigeBezuegeBerechnen(f.bezug, 0, 0);
    const double steuer = tab->GetDoub(leLStSonst);
    if (f.negativ) {
        // 2007 keeps the sign: the other payment lowers the annual tax.
        EXPECT_LT(steuer, 0);
        EXPECT_EQ(tab->GetDoub(leSolZSonst), std::trunc(steuer * 55 / 1000));
    } else {
        EXPECT_EQ(steuer, 0);
        EXPECT_EQ(tab->GetDoub(leSolZSonst), 0);
    }
    EXPECT_EQ(tab->GetDoub(leKiStBasisSonst), steuer);
}

INSTANTIATE_TEST_SUITE_P(LStTab04, Sonstige04Test,
                         testing::Values(SonstFall{2004, -100000, false},
                                         SonstFall{2006, -100000, false},
                                         SonstFall{2007, -100000, true}, SonstFall{2007, 0, false},
                                         SonstFall{2008, -100000, false},
                                         SonstFall{2009, -100000, false}));

class Fuenftel04Test : public testing::TestWithParam<int> {};

TEST_P(Fuenftel04Test, OneFifthRuleEasesMultiYearPay)
{
    const int jahr = GetParam();
    auto tab = Tab(jahr, 1, 2);
    tab->SetBool(lbKirchensteuer, true);
    tab->SetCurr(lcLohn, 200000);
    tab->SetDoub(ldJahresLohn, 2400000);
    const double teil = 3000000;
    tab->SonstigeBezuegeBerechnen(teil, 0, 0);
    const double aufGanzes = tab->GetDoub(leLStSonst);
    const double laufend = tab->GetDoub(leLohnsteuer);
    tab->SonstigeBezuegeBerechnen(0, 0, teil);
    const double fuenftel = tab->GetDoub(leLStFuenftel);
    EXPECT_GT(fuenftel, 0);
    EXPECT_LT(fuenftel, aufGanzes);
    EXPECT_EQ(tab->GetDoub(leSolZFuenftel), std::trunc(fuenftel * 55 / 1000));
    EXPECT_EQ(tab->GetDoub(leKiStBasisFuenftel), fuenftel);
    // The runs of the year leave the period untouched.
    EXPECT_EQ(tab->GetDoub(leLohnsteuer), laufend);
    EXPECT_EQ(tab->GetInt(liZeitraum), 2);
    EXPECT_EQ(tab->GetCurr(lcLohn), 200000);
}

INSTANTIATE_TEST_SUITE_P(LStTab04, Fuenftel04Test,
                         testing::Values(2004, 2005, 2006, 2007, 2008, 2009));

TEST(LStTab07, NegativeCapitalisedPensionIsTakenAsNone)
{
    auto tab = Tab(2007, 1, 2);
    tab->SetCurr(lcLohn, 200000);
    tab->SetCurr(lcVersKapital, -50000);
    tab->SonstigeBezuegeBerechnen(0, 0, 100000);
    EXPECT_EQ(tab->GetCurr(lcVersKapital), 0);
}

} // namespace
