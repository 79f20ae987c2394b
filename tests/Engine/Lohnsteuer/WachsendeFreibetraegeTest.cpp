// Between two wages with the same allowances that grow with the wage, no tax falls as the wage
// rises, in every tariff year that vouches for them: the net-to-gross search rules out the
// cents between such wages on it. The tax does fall where the allowances change.
#include "Engine/Lohnsteuer/LStLib.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(WachsendeFreibetraege, NoTaxFallsBetweenWagesWithTheSameAllowances)
{
    std::mt19937 zufall(2026);
    const auto bis = [&zufall](int n) {
        return static_cast<int>(zufall() % static_cast<unsigned>(n));
    };
    int faelle = 0;
    for (int jahr = 2010; jahr <= 2027; ++jahr) {
        for (const int monat : {1, 7, 12}) {
            auto t =
                CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
            for (int versuch = 0; versuch < 6; ++versuch) {
                t->SetDoub(ldKurs, 1.0);
                t->SetInt(liZeitraum, 2);
                t->SetInt(liSteuerklasse, 1 + bis(6));
                t->SetInt(liKVArt, bis(3));
                t->SetCurr(lcPKVBeitrag, 100000);
                t->SetCurr(lcPKVZuschuss, 15000);
                t->SetBool(lbKirchensteuer, true);
                t->SetDoub(ldKinderfreibetraege, bis(3) * 0.5);
                const double von = 150000 + bis(600000);
                double stand = kNaN;
                std::array<double, 3> steuer{};
                for (double lohn = von; lohn < von + 400; ++lohn) {
                    t->SetCurr(lcLohn, lohn);
                    const double neu = t->WachsendeFreibetraege();
                    const std::array<double, 3> jetzt{t->GetDoub(leLohnsteuer), t->GetDoub(leSolZ),
                                                      t->GetDoub(leKiStBasis)};
                    if (neu == stand) {
                        for (std::size_t i = 0; i < jetzt.size(); ++i)
                            ASSERT_GE(jetzt[i], steuer[i])
                                << jahr << '/' << monat << " class " << t->GetInt(liSteuerklasse)
                                << " wage " << lohn << " result " << i;
                    } else if (jetzt[0] < steuer[0]) {
                        ++faelle;
                    }
                    if (!std::isnan(neu) && !std::isnan(stand)) {
                        ASSERT_GE(neu, stand) << jahr << '/' << monat << " wage " << lohn;
                    }
                    stand = neu;
                    steuer = jetzt;
                }
            }
        }
    }
    EXPECT_GT(faelle, 0);
}

} // namespace
