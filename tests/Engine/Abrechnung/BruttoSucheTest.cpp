// The search below the gross found trusts a mark of the deductions only between grosses that
// carry the same one: a dip of the net where the mark changes is still found, and where no dip
// can lie the mark saves the cent-by-cent search.
#include "Engine/Abrechnung/BruttoSuche.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Half the gross, and from `delle` on for six cents eight cents more. The mark
// changes where the dip begins and ends.
struct TSaegezahn {
    double delle = 0;
    bool mitDelle = true;
    bool mitStand = true;
    int auswertungen = 0;

    TNetto operator()(double brutto)
    {
        ++auswertungen;
        const bool inDelle = mitDelle && brutto >= delle && brutto < delle + 6;
        TNetto n{.netto = std::floor(brutto * 0.5) + (inDelle ? 8 : 0)};
        if (mitStand)
            n.stand = mitDelle ? (brutto < delle ? 0 : brutto < delle + 6 ? 1 : 2) : 0;
        return n;
    }
};

TBruttoFund Suchen(TSaegezahn& netz)
{
    return KleinstesBrutto([&netz](double brutto) { return netz(brutto); }, 1000, 1000,
                           TNettoVerlauf{.spitze = 10, .fall = 10});
}

TEST(BruttoSuche, FindsTheDipWhereTheMarkChanges)
{
    // The wanted net 1000 is reached at 2000 without the dip; the dip lies up to 40 cents
    // below, and ends before it.
    for (double delle = 1960; delle < 1995; ++delle) {
        for (const bool mitStand : {true, false}) {
            TSaegezahn netz{.delle = delle, .mitStand = mitStand};
            double kleinstes = 1000;
            while (kleinstes < 2000 && netz(kleinstes).netto != 1000)
                ++kleinstes;
            const TBruttoFund fund = Suchen(netz);
            EXPECT_EQ(fund.art, TBruttoFund::TArt::kGefunden) << delle << ' ' << mitStand;
            EXPECT_EQ(fund.brutto, kleinstes) << delle << ' ' << mitStand;
        }
    }
}

TEST(BruttoSuche, TheSameMarkRulesOutTheCentsBetween)
{
    TSaegezahn ohne{.mitDelle = false, .mitStand = false};
    TSaegezahn mit{.mitDelle = false};
    EXPECT_EQ(Suchen(ohne).brutto, 2000);
    EXPECT_EQ(Suchen(mit).brutto, 2000);
    EXPECT_LT(mit.auswertungen + 5, ohne.auswertungen);
}

} // namespace
