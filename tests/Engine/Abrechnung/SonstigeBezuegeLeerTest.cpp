// A statement with nothing besides its current pay skips the tariff's run of other payments:
// that run must then have nothing to tax, whatever the tariff year, the current pay left in the
// tariff from an earlier step and the annual amounts.
#include "Engine/Lohnsteuer/LStLib.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(SonstigeBezuegeLeer, NoOtherPaymentGivesNoTaxInEveryTariffYear)
{
    std::mt19937 zufall(2026);
    const auto bis = [&zufall](int n) {
        return static_cast<int>(zufall() % static_cast<unsigned>(n));
    };
    for (int jahr = 2002; jahr <= 2027; ++jahr) {
        for (const int monat : {1, 7, 12}) {
            auto t =
                CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
            for (int i = 0; i < 40; ++i) {
                t->SetDoub(ldKurs, 1.0);
                t->SetInt(liSteuerklasse, 1 + bis(6));
                t->SetInt(liZeitraum, 1 + bis(4));
                t->SetInt(liKVArt, bis(3));
                t->SetBool(lbKirchensteuer, bis(2) == 1);
                t->SetDoub(ldKinderfreibetraege, bis(5) * 0.5);
                t->SetCurr(lcLohn, bis(2000000));
                t->SetCurr(lcVersBezug, bis(3) == 0 ? bis(300000) : 0);
                t->SetDoub(ldJahresLohn, bis(8000000));
                t->SetDoub(ldJahresVersBezug, bis(3) == 0 ? bis(3000000) : 0);
                t->SetDoub(ldJahresFreibetrag, bis(100000));
                t->SetDoub(ldJahresHinzurechnung, bis(100000));
                t->SonstigeBezuegeBerechnen(0, 0, 0);
                for (const int ergebnis : {leLStSonst, leLStFuenftel, leKiStBasisSonst,
                                           leKiStBasisFuenftel, leSolZSonst, leSolZFuenftel})
                    ASSERT_EQ(t->GetDoub(ergebnis), 0)
                        << jahr << '/' << monat << " result " << ergebnis;
            }
        }
    }
}

} // namespace
