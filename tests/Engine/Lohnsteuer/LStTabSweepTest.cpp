// Every tariff year from 1990: the driver's case computation runs, and the tax never falls when
// the wage rises.
#include "Engine/Lohnsteuer/LStLib.h"

#include "LStFall.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

TEST(LStTabAlleJahre, TheDriverComputesEveryYear)
{
    for (int jahr = 1990; jahr <= 2027; ++jahr) {
        auto tab = CreateLStTab(static_cast<std::uint16_t>(jahr), 6);
        const TLStFallWerte werte = {{"STKL", 1}, {"LZZ", 2}, {"RE4", 400000}, {"R", 1}};
        const TLStFallErgebnis e = BerechneFall(*tab, jahr, 6, werte);
        EXPECT_GT(e.LSTLZZ, 0) << jahr;
        EXPECT_EQ(e.BK, e.LSTLZZ) << jahr;
        // June 1992 bears the surcharge of July 1991 to June 1992.
        EXPECT_EQ(e.SOLZLZZ > 0, jahr == 1992 || (jahr >= 1995 && jahr < 2021)) << jahr;
    }
}

struct SweepFall {
    int jahr;
    int klasse;
};

// Share of a year's wage in a pay period: year, month, week, day.
constexpr double kAnteil[] = {0, 12, 1, 7.0 / 30, 1.0 / 30};

// The doubled difference of tax classes 5 and 6 falls by twice the tariff's entry step where
// three quarters of the income reach the basic allowance, in the years whose formulas start
// above zero (1996 to 2003): a fall of at most 30 DM a year there is the law, not a fault.
double ErlaubterRueckgang(int jahr, int klasse, int zeitraum)
{
    if (jahr < 1996 || jahr > 2003 || klasse < 5)
        return 0;
    return zeitraum == 1 ? 3000 : std::ceil(3000.0 / 12 * kAnteil[zeitraum]);
}

class LStTabSweepTest : public testing::TestWithParam<SweepFall> {};

TEST_P(LStTabSweepTest, TaxNeverFallsWhenTheWageRises)
{
    const SweepFall& f = GetParam();
    for (int zeitraum = 1; zeitraum <= 4; ++zeitraum) {
        for (double kinder : {0.0, 1.5}) {
            auto tab = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 6);
            tab->SetDoub(ldKurs, tab->DMFaktor());
            tab->SetInt(liSteuerklasse, f.klasse);
            tab->SetInt(liZeitraum, zeitraum);
            tab->SetDoub(ldKinderfreibetraege, kinder);
            tab->SetBool(lbKirchensteuer, true);
            const double erlaubt = ErlaubterRueckgang(f.jahr, f.klasse, zeitraum);
            double steuer = 0;
            double solz = 0;
            double basis = 0;
            double vorher = 0;
            // Monthly wages up to 25000 (DM or euros) in uneven steps, scaled to the period.
            for (double monat = 0; monat <= 2500000; monat += 1237) {
                const double lohn = std::round(monat * kAnteil[zeitraum]);
                const double neu = tab->LohnsteuerFuer(lohn);
                const double neuSolz = tab->GetDoub(leSolZ);
                const double neuBasis = tab->GetDoub(leKiStBasis);
                ASSERT_GE(neu, steuer - erlaubt)
                    << f.jahr << " class " << f.klasse << " period " << zeitraum << " children "
                    << kinder << " wage " << vorher << " -> " << lohn;
                ASSERT_GE(neuSolz, solz - erlaubt) << f.jahr << " wage " << lohn;
                ASSERT_GE(neuBasis, basis - erlaubt) << f.jahr << " wage " << lohn;
                steuer = neu;
                solz = neuSolz;
                basis = neuBasis;
                vorher = lohn;
            }
        }
    }
}

TEST(LStTab98, ClassFiveFallsWhereThreeQuartersOfTheIncomeReachTheBasicAllowance)
{
    // The documented exception of the sweep: 0.75 * 16470 DM passes 12366 DM, where the 1998
    // formula starts at 13 DM, and the doubled difference loses twice that.
    auto tab = CreateLStTab(1998, 1);
    tab->SetDoub(ldKurs, tab->DMFaktor());
    tab->SetInt(liSteuerklasse, 5);
    tab->SetInt(liZeitraum, 1);
    const double vorher = tab->LohnsteuerFuer(1851924);
    const double nachher = tab->LohnsteuerFuer(1853088);
    EXPECT_LT(nachher, vorher);
    EXPECT_LE(vorher - nachher, ErlaubterRueckgang(1998, 5, 1));
}

std::vector<SweepFall> SweepFaelle()
{
    std::vector<SweepFall> faelle;
    for (int jahr = 1990; jahr <= 2009; ++jahr)
        for (int klasse = 1; klasse <= 6; ++klasse)
            faelle.push_back({jahr, klasse});
    return faelle;
}

INSTANTIATE_TEST_SUITE_P(LStTab, LStTabSweepTest, testing::ValuesIn(SweepFaelle()),
                         [](const auto& i) {
                             return "j" + std::to_string(i.param.jahr) + "_k" +
                                    std::to_string(i.param.klasse);
                         });

} // namespace
