#include "Engine/Vergleich/VerglBrg.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Einkommensteuer/EStDaten.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A small calculation of its own: a tax at a rate on an amount, in a chosen currency.
class TTestDaten : public TDaten {
public:
    using TDaten::TDaten;
    TDouble& Wert(const char* name) const { return dynamic_cast<TDouble&>(*FindValue(name)); }

protected:
    void CreateValues() override
    {
        CreateWaehrung();
        new TDoubleBetrag(this, "Betrag");
        new TDouble(this, "Satz", 0, 10.0, 3);
        new TInteger(this, "Steuerklasse", 0, 1);
        new TString(this, "Name", 0, "leer");
        new TDouble(this, "Steuer", cfReadOnly | cfComputed);
    }
};

class TTestBerechnung : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    TTestDaten& D() const { return dynamic_cast<TTestDaten&>(Daten()); }

protected:
    TDaten* CreateDaten() override { return CreateComponent<TTestDaten>(this, Name()); }
    void Calculate() override
    {
        // The tax is asked for only where there is an amount.
        D().Wert("Steuer").SetFlag(TValue::vfEnabled, D().Wert("Betrag").GetValue() != 0);
        D().Wert("Steuer").SetValue(D().Wert("Betrag").GetValue() * D().Wert("Satz").GetValue() *
                                    0.01);
    }
};

class VerglBrgTest : public testing::Test {
protected:
    VerglBrgTest()
        : m_vgl(MakeComponent<TVergleichBerechnung>(nullptr, "Vgl",
                                                    &ErzeugeBerechnung<TTestBerechnung>)),
          m_fall(MakeComponent<TTestBerechnung>(nullptr, "Fall"))
    {
    }

    // Puts a case together in the calculation `m_fall` and copies it into the comparison.
    void Fall(int nummer, const char* betrag, const char* satz, double kurs = 1.0)
    {
        m_fall->WaehrungUmrechnen(kurs == 1.0 ? "Euro" : "DM", false, kurs);
        m_fall->D().FindValue("Betrag")->SetAsString(betrag);
        m_fall->D().FindValue("Satz")->SetAsString(satz);
        if (nummer == 1)
            m_vgl->SetDaten1(*m_fall);
        else
            m_vgl->SetDaten2(*m_fall);
    }
    static TTestDaten& D(TBerechnung& b) { return dynamic_cast<TTestDaten&>(b.Daten()); }
    double Diff(const char* name) const { return D(m_vgl->DatenDiff()).Wert(name).GetValue(); }

    std::unique_ptr<TVergleichBerechnung> m_vgl;
    std::unique_ptr<TTestBerechnung> m_fall;
};

TEST_F(VerglBrgTest, ChildrenAreNamedAfterTheComparison)
{
    EXPECT_EQ(m_vgl->Daten1().Name(), "Vgl1");
    EXPECT_EQ(m_vgl->Daten2().Name(), "Vgl2");
    EXPECT_EQ(m_vgl->DatenDiff().Name(), "VglDiff");
    EXPECT_EQ(m_vgl->VergleichDaten().ValueCount(), 0);
    EXPECT_NE(dynamic_cast<TTestBerechnung*>(&m_vgl->DatenDiff()), nullptr);
}

TEST_F(VerglBrgTest, DifferenceIsCaseTwoMinusCaseOne)
{
    const struct {
        const char* betrag1;
        const char* satz1;
        const char* betrag2;
        const char* satz2;
        double betrag;
        double satz;
        double steuer;
    } faelle[] = {
        {"100", "10", "100", "10", 0, 0, 0},
        {"100", "10", "250", "10", 150, 0, 15},
        {"250", "12,5", "100", "10", -150, -2.5, -21.25},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.betrag1);
        Fall(1, f.betrag1, f.satz1);
        Fall(2, f.betrag2, f.satz2);
        EXPECT_DOUBLE_EQ(Diff("Betrag"), f.betrag);
        EXPECT_DOUBLE_EQ(Diff("Satz"), f.satz);
        EXPECT_DOUBLE_EQ(Diff("Steuer"), f.steuer);
    }
}

TEST_F(VerglBrgTest, DifferenceIsEnabledWhereEitherCaseIs)
{
    // Equal amounts give a difference of 0, for which the calculation itself would not ask.
    const struct {
        const char* betrag1;
        const char* betrag2;
        bool aktiv;
    } faelle[] = {
        {"100", "100", true},
        {"0", "250", true},
        {"250", "0", true},
        {"0", "0", false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.betrag1) + " " + f.betrag2);
        Fall(1, f.betrag1, "10");
        Fall(2, f.betrag2, "10");
        EXPECT_EQ(D(m_vgl->DatenDiff()).Wert("Steuer").IsEnabled(), f.aktiv);
    }
}

TEST_F(VerglBrgTest, CaseOneInMarksIsPutIntoCaseTwosCurrency)
{
    Fall(1, "195,58", "10", 1.95583);
    Fall(2, "150", "12");
    EXPECT_DOUBLE_EQ(Diff("Betrag"), 50.00);
    EXPECT_DOUBLE_EQ(Diff("Steuer"), 18.00 - 10.00);
    // A rate is the same in every currency.
    EXPECT_DOUBLE_EQ(Diff("Satz"), 2);
}

TEST_F(VerglBrgTest, TextAndIntegerValuesAreNotDifferenced)
{
    m_fall->D().FindValue("Steuerklasse")->SetAsString("3");
    m_fall->D().FindValue("Name")->SetAsString("A");
    Fall(1, "100", "10");
    m_fall->D().FindValue("Steuerklasse")->SetAsString("5");
    m_fall->D().FindValue("Name")->SetAsString("B");
    Fall(2, "100", "10");
    const TDaten& diff = m_vgl->DatenDiff().Daten();
    EXPECT_EQ(diff.FindValue("Steuerklasse")->GetStoredString(), "1");
    EXPECT_EQ(diff.FindValue("Name")->GetStoredString(), "leer");
}

TEST_F(VerglBrgTest, CopiesStayUnstoredAndTheDifferenceSilent)
{
    Fall(1, "100", "10");
    Fall(2, "200", "10");
    for (TBerechnung* fall : {&m_vgl->Daten1(), &m_vgl->Daten2()})
        fall->Daten().ForEachValue(
            [](TValue& wert) { EXPECT_TRUE(wert.HasFlag(TValue::vfComputed)) << wert.Name(); });
    m_vgl->DatenDiff().Daten().ForEachValue([](TValue& wert) {
        EXPECT_TRUE(wert.IsReadOnly()) << wert.Name();
        EXPECT_TRUE(wert.HasFlag(TValue::vfComputed)) << wert.Name();
        EXPECT_FALSE(wert.OnChange) << wert.Name();
    });
    // The calculation copied from keeps its own marks.
    EXPECT_FALSE(m_fall->D().FindValue("Betrag")->HasFlag(TValue::vfComputed));
}

TEST_F(VerglBrgTest, CloneCarriesBothCasesAndIsIndependent)
{
    Fall(1, "100", "10");
    Fall(2, "300", "10");
    const std::unique_ptr<TVergleichBerechnung> kopie = m_vgl->Clone();
    EXPECT_EQ(kopie->Name(), "VglClone");
    EXPECT_EQ(kopie->Owner(), nullptr);
    EXPECT_EQ(kopie->Klasse(), m_vgl->Klasse());
    EXPECT_DOUBLE_EQ(D(kopie->Daten1()).Wert("Betrag").GetValue(), 100);
    EXPECT_DOUBLE_EQ(D(kopie->Daten2()).Wert("Betrag").GetValue(), 300);
    EXPECT_DOUBLE_EQ(D(kopie->DatenDiff()).Wert("Betrag").GetValue(), 200);
    D(kopie->Daten1()).Wert("Betrag").SetValue(50);
    EXPECT_DOUBLE_EQ(D(kopie->DatenDiff()).Wert("Betrag").GetValue(), 250);
    EXPECT_DOUBLE_EQ(Diff("Betrag"), 200);
    D(kopie->Daten1()).ForEachValue([](TValue& wert) {
        EXPECT_TRUE(wert.HasFlag(TValue::vfComputed)) << wert.Name();
    });
}

TEST(VerglBrgESt, IncomeTaxCasesSideBySide)
{
    TOptionenUmgebung::Starten();
    const auto vgl = MakeComponent<TVergleichBerechnung>(nullptr, "EStVergleich",
                                                         &ErzeugeBerechnung<TEStBerechnung>);
    const auto est = MakeComponent<TEStBerechnung>(nullptr, "EST");
    TEStDaten& d = est->EStDaten();
    d.Jahr().SetValue(2026);
    d.ZVE().SetValue(50000);
    vgl->SetDaten1(*est);
    d.ZVE().SetValue(100000);
    vgl->SetDaten2(*est);
    auto& diff = dynamic_cast<TEStDaten&>(vgl->DatenDiff().Daten());
    EXPECT_DOUBLE_EQ(diff.ZVE().GetValue(), 50000);
    EXPECT_DOUBLE_EQ(diff.FestzusetzendeESt().GetValue(), 30864 - 10548);
    EXPECT_DOUBLE_EQ(diff.SolZ().GetValue(), 1251.16);
    // Case 1 in marks: its income of 50,000 euro is put back into euro before the subtraction.
    d.Umrechnen().SetValue(true);
    d.ZVE().SetValue(50000);
    d.WaehrungName().SetValue("DM");
    ASSERT_DOUBLE_EQ(d.ZVE().GetValue(), 97791.50);
    vgl->SetDaten1(*est);
    EXPECT_DOUBLE_EQ(diff.ZVE().GetValue(), 50000);
    EXPECT_NEAR(diff.FestzusetzendeESt().GetValue(), 30864 - 10548, 0.01);
    EXPECT_DOUBLE_EQ(diff.Waehrungskurs()->GetValue(), 1 - 1.95583);
}

} // namespace
