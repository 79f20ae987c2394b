#include "Engine/Vergleich/StKlVergleich.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/StringValue.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// A payroll of its own: the wage tax is the pay times the rate of the tax class.
std::map<int, double> g_saetze;

class TFakeLohnDaten : public TDaten {
public:
    using TDaten::TDaten;
    TInteger& Ganz(const char* name) const { return dynamic_cast<TInteger&>(*FindValue(name)); }
    TDouble& Wert(const char* name) const { return dynamic_cast<TDouble&>(*FindValue(name)); }

protected:
    void CreateValues() override
    {
        new TIntegerMinMax(this, "Jahrliste", 0, 0, 40, 0);
        new TIntegerMinMax(this, "Zeitraum", 0, 0, 3, 1);
        new TIntegerMinMax(this, "Steuerklasse", 0, 1, 6, 1);
        new TDouble(this, "Entgelt");
        new TDouble(this, "Lohnsteuer", cfReadOnly | cfComputed);
    }
};

class TFakeLohn : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    TFakeLohnDaten& D() const { return dynamic_cast<TFakeLohnDaten&>(Daten()); }

protected:
    TDaten* CreateDaten() override { return CreateComponent<TFakeLohnDaten>(this, Name()); }
    void Calculate() override
    {
        const int klasse = D().Ganz("Steuerklasse").GetValue();
        D().Wert("Lohnsteuer").SetValue(D().Wert("Entgelt").GetValue() * g_saetze[klasse]);
    }
};

class StKlVergleichTest : public testing::Test {
protected:
    StKlVergleichTest()
        : m_vgl(MakeComponent<TStKlVergleichBerechnung>(nullptr, "StKlVergleich",
                                                        &ErzeugeBerechnung<TFakeLohn>)),
          d(m_vgl->StKlVergleichDaten())
    {
    }
    ~StKlVergleichTest() override { g_saetze.clear(); }

    static TFakeLohnDaten& Lohn(TBerechnung& b) { return dynamic_cast<TFakeLohnDaten&>(b.Daten()); }
    void Entgelte(double a, double b)
    {
        Lohn(d.EhegatteA()).Wert("Entgelt").SetValue(a);
        Lohn(d.EhegatteB()).Wert("Entgelt").SetValue(b);
    }

    std::unique_ptr<TStKlVergleichBerechnung> m_vgl;
    TStKlVergleichDaten& d;
};

TEST_F(StKlVergleichTest, Structure)
{
    EXPECT_EQ(d.EhegatteA().Name(), "EhegatteA");
    EXPECT_EQ(d.EhegatteB().Name(), "EhegatteB");
    EXPECT_EQ(d.LSt35().Name(), "LSt35");
    EXPECT_EQ(d.LSt44().Name(), "LSt44");
    EXPECT_EQ(d.LSt53().Name(), "LSt53");
    EXPECT_EQ(d.ValueCount(), 1);
    EXPECT_EQ(&d.GetValue(0), static_cast<TValue*>(&d.Ergebnis()));
}

TEST_F(StKlVergleichTest, CheapestCombination)
{
    const struct {
        double satz3, satz4, satz5;
        double a, b;
        const char* ergebnis;
        bool frei35, frei44, frei53;
    } faelle[] = {
        {0.1, 0.1, 0.3, 1000, 1000, "Die günstigste Kombination ist 4/4", false, true, false},
        {0.0, 0.1, 0.3, 1000, 2000, "Die günstigste Kombination ist 5/3", false, false, true},
        {0.0, 0.1, 0.3, 2000, 1000, "Die günstigste Kombination ist 3/5", true, false, false},
        {0.1, 0.25, 0.3, 1000, 1000, "Die günstigste Kombination ist 3/5 oder 5/3", true, false,
         true},
        {0.1, 0.2, 0.3, 1000, 1000, "", true, true, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.ergebnis);
        g_saetze = {{3, f.satz3}, {4, f.satz4}, {5, f.satz5}};
        Entgelte(f.a, f.b + 1);
        Entgelte(f.a, f.b);
        EXPECT_EQ(d.Ergebnis().GetValue(), f.ergebnis);
        EXPECT_EQ(d.LSt35().A().IsEnabled(), f.frei35);
        EXPECT_EQ(d.LSt44().Gesamt().IsEnabled(), f.frei44);
        EXPECT_EQ(d.LSt53().B().IsEnabled(), f.frei53);
        EXPECT_DOUBLE_EQ(d.LSt35().A().GetValue(), f.a * f.satz3);
        EXPECT_DOUBLE_EQ(d.LSt35().B().GetValue(), f.b * f.satz5);
        EXPECT_DOUBLE_EQ(d.LSt53().A().GetValue(), f.a * f.satz5);
        EXPECT_DOUBLE_EQ(d.LSt53().B().GetValue(), f.b * f.satz3);
        EXPECT_DOUBLE_EQ(d.LSt44().Gesamt().GetValue(), (f.a + f.b) * f.satz4);
    }
}

TEST_F(StKlVergleichTest, SpouseBFollowsAAndBothEndInClassFour)
{
    g_saetze = {{3, 0.1}, {4, 0.2}, {5, 0.3}};
    Lohn(d.EhegatteA()).Ganz("Jahrliste").SetValue(17);
    Lohn(d.EhegatteA()).Ganz("Zeitraum").SetValue(3);
    EXPECT_EQ(Lohn(d.EhegatteB()).Ganz("Jahrliste").GetValue(), 17);
    EXPECT_EQ(Lohn(d.EhegatteB()).Ganz("Zeitraum").GetValue(), 3);
    EXPECT_EQ(Lohn(d.EhegatteA()).Ganz("Steuerklasse").GetValue(), 4);
    EXPECT_EQ(Lohn(d.EhegatteB()).Ganz("Steuerklasse").GetValue(), 4);
    EXPECT_FALSE(d.Modified());
}

} // namespace
