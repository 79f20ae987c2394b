// The comparisons over the payroll calculation.
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class LohnVergleichTest : public testing::Test {
protected:
    LohnVergleichTest() { TOptionenUmgebung::Starten(); }

    static void Setze(TBerechnung& lohn, const char* name, const std::string& text)
    {
        lohn.Daten().FindValue(name)->SetAsString(text);
    }
    static double Wert(const TBerechnung& lohn, const char* name)
    {
        return dynamic_cast<TDouble&>(*lohn.Daten().FindValue(name)).GetValue();
    }
    // The monthly wage tax of a payroll of its own for that pay and class in 2026.
    static double Lohnsteuer(const std::string& entgelt, int klasse)
    {
        const auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "Probe");
        Setze(*lohn, "Jahr", "2026");
        Setze(*lohn, "Steuerklasse", std::to_string(klasse));
        Setze(*lohn, "Entgelt", entgelt);
        return Wert(*lohn, "Lohnsteuer");
    }
};

TEST_F(LohnVergleichTest, PayrollDifferenceByValue)
{
    const auto vgl = MakeComponent<TVergleichBerechnung>(nullptr, "LohnVergleich",
                                                         &ErzeugeBerechnung<TLohnBerechnung>);
    const auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "Lohn");
    Setze(*lohn, "Jahr", "2026");
    Setze(*lohn, "Entgelt", "3000");
    const double lst1 = Wert(*lohn, "Lohnsteuer");
    vgl->SetDaten1(*lohn);
    Setze(*lohn, "Entgelt", "3500");
    Setze(*lohn, "Steuerklasse", "3");
    const double lst2 = Wert(*lohn, "Lohnsteuer");
    vgl->SetDaten2(*lohn);
    ASSERT_GT(lst1, 0);
    EXPECT_DOUBLE_EQ(Wert(vgl->DatenDiff(), "Entgelt"), 500);
    EXPECT_NEAR(Wert(vgl->DatenDiff(), "Lohnsteuer"), lst2 - lst1, 1e-9);
    EXPECT_NEAR(Wert(vgl->DatenDiff(), "Nettoentgelt"),
                Wert(vgl->Daten2(), "Nettoentgelt") - Wert(vgl->Daten1(), "Nettoentgelt"), 1e-9);
    // The tax class is no amount: its difference keeps the default.
    EXPECT_EQ(vgl->DatenDiff().Daten().FindValue("Steuerklasse")->GetStoredString(), "1");
}

TEST_F(LohnVergleichTest, TaxClassCombinationsOfTwoSpouses)
{
    const struct {
        const char* a;
        const char* b;
        const char* ergebnis;
    } faelle[] = {
        {"5000", "1500", "Die günstigste Kombination ist 3/5"},
        {"1500", "5000", "Die günstigste Kombination ist 5/3"},
        {"3000", "3000", "Die günstigste Kombination ist 4/4"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ergebnis);
        const auto vgl = MakeComponent<TStKlVergleichBerechnung>(nullptr, "StKlVergleich");
        TStKlVergleichDaten& d = vgl->StKlVergleichDaten();
        Setze(d.EhegatteA(), "Jahr", "2026");
        Setze(d.EhegatteA(), "Entgelt", f.a);
        Setze(d.EhegatteB(), "Entgelt", f.b);
        EXPECT_EQ(d.Ergebnis().GetValue(), f.ergebnis);
        EXPECT_DOUBLE_EQ(d.LSt35().A().GetValue(), Lohnsteuer(f.a, 3));
        EXPECT_DOUBLE_EQ(d.LSt35().B().GetValue(), Lohnsteuer(f.b, 5));
        EXPECT_DOUBLE_EQ(d.LSt44().A().GetValue(), Lohnsteuer(f.a, 4));
        EXPECT_DOUBLE_EQ(d.LSt44().B().GetValue(), Lohnsteuer(f.b, 4));
        EXPECT_DOUBLE_EQ(d.LSt53().A().GetValue(), Lohnsteuer(f.a, 5));
        EXPECT_DOUBLE_EQ(d.LSt53().B().GetValue(), Lohnsteuer(f.b, 3));
        EXPECT_DOUBLE_EQ(d.LSt44().Gesamt().GetValue(),
                         d.LSt44().A().GetValue() + d.LSt44().B().GetValue());
        // Spouse B is computed for A's year; both are left in class IV.
        EXPECT_EQ(d.EhegatteB().Daten().FindValue("Jahr")->GetAsString(), "2026");
        EXPECT_EQ(d.EhegatteA().Daten().FindValue("Steuerklasse")->GetAsString(), "4");
        EXPECT_EQ(d.EhegatteB().Daten().FindValue("Steuerklasse")->GetAsString(), "4");
    }
}

TEST_F(LohnVergleichTest, SpouseBTakesTheYearOfA)
{
    const auto vgl = MakeComponent<TStKlVergleichBerechnung>(nullptr, "StKlVergleich",
                                                             &ErzeugeBerechnung<TLohnBerechnung>);
    TStKlVergleichDaten& d = vgl->StKlVergleichDaten();
    Setze(d.EhegatteA(), "Entgelt", "4000");
    Setze(d.EhegatteA(), "Jahr", "2024");
    EXPECT_EQ(d.EhegatteB().Daten().FindValue("Jahr")->GetAsString(), "2024");
    Setze(d.EhegatteA(), "Zeitraum", "Jahr");
    EXPECT_EQ(d.EhegatteB().Daten().FindValue("Zeitraum")->GetAsString(), "Jahr");
}

} // namespace
