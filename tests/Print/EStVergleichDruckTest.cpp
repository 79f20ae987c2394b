// The year comparisons' shared layout (the remark rule, the four columns on paper) and the
// income-tax comparison's printout and text form against stored comparisons.
#include "Print/EStVergleichDruck.h"
#include "AufzeichnungsCanvas.h"
#include "Eingaben.h"
#include "GespeicherterText.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Einkommensteuer/EStDaten.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Lib/Component.h"
#include "Support/OptionenUmgebung.h"


#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(VergleichBemerkung, BeyondAThousandthByTheSignFlag)
{
    const struct {
        double d;
        bool vorzeichen;
        const char* bemerkung;
    } faelle[] = {
        {0.001, true, ""},           {-0.001, true, ""},
        {0.001, false, ""},          {-0.001, false, ""},
        {0.0011, true, "Mehrbelastung"}, {-0.0011, true, "Entlastung"},
        {0.0011, false, "Entlastung"},   {-0.0011, false, "Mehrbelastung"},
        {0, true, ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Bemerkung(f.d, f.vorzeichen), f.bemerkung) << f.d << " " << f.vorzeichen;
}

class EStVerglDruckTest : public testing::Test {
protected:
    void SetUp() override
    {
        TOptionenUmgebung::Starten();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        vgl = MakeComponent<TVergleichBerechnung>(nullptr, "EStVergleich",
                                                  &ErzeugeBerechnung<TEStBerechnung>);
        est = MakeComponent<TEStBerechnung>(nullptr, "EST");
    }
    void TearDown() override
    {
        druck.reset();
        vgl.reset();
        est.reset();
        HeuteFestlegen({});
    }
    // Case 1 and case 2 from the income-tax calculation with these inputs.
    void Faelle(const TEingaben& fall1, const TEingaben& fall2)
    {
        for (int i = 0; i < 2; ++i) {
            WerteSetzen(est->EStDaten(), i == 0 ? fall1 : fall2);
            est->EStDaten().SetModified(true);
            est->Recalculate();
            i == 0 ? vgl->SetDaten1(*est) : vgl->SetDaten2(*est);
        }
    }
    TAufzeichnungsCanvas Gedruckt()
    {
        TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
        canvas.Seite = QSize(1000, 1400);
        druck = std::make_unique<TVtDruckEStVergleich>(vgl->VergleichDaten());
        druck->SeiteEinrichten(canvas);
        return canvas;
    }
    static QStringList Zeile(const TAufzeichnungsCanvas& canvas, const QString& label)
    {
        const TAufruf* l = canvas.Text(label);
        if (!l)
            return {"(keine Zeile " + label + ")"};
        QStringList texte;
        for (const TAufruf& a : canvas.Texte())
            if (a.y == l->y && a.x > l->x)
                texte << a.text;
        return texte;
    }

    std::unique_ptr<TVergleichBerechnung> vgl;
    std::unique_ptr<TEStBerechnung> est;
    std::unique_ptr<TVtDruckEStVergleich> druck;
};

TEST_F(EStVerglDruckTest, FourColumnsFromTheMarginsAndTheWidestLabel)
{
    Faelle({{"Jahr", "2026"}, {"ZVE", "5000"}}, {{"ZVE", "20000"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const TVtDruckEStVergleich& p = *druck;
    // B 20, normal font 21 (10 per character), "X" 10 wide at B.
    EXPECT_EQ(p.HoeheNormal(), 21);
    EXPECT_EQ(p.XLinks(), 60);
    EXPECT_EQ(p.XRechts(), 980);
    EXPECT_EQ(p.X4(), 980 - 13 * 10);
    EXPECT_EQ(p.X3(), p.X4() - 20);
    const int w = 33 * 10;
    const int schritt = (p.X3() - 60 - w) / 3;
    EXPECT_EQ(p.X1(), 60 + w + schritt);
    EXPECT_EQ(p.X2(), p.X1() + schritt);
    // Amounts end at their columns, the remark starts at X4.
    const QStringList zve = Zeile(canvas, "Zu versteuerndes Einkommen:");
    EXPECT_EQ(zve, (QStringList{"5.000,00 Euro", "20.000,00 Euro", "15.000,00 Euro"}));
    const QStringList est = Zeile(canvas, "Festzusetzende Einkommensteuer:");
    ASSERT_EQ(est.size(), 4);
    EXPECT_EQ(canvas.Text(est[0])->x2, p.X1());
    EXPECT_EQ(canvas.Text(est[1])->x2, p.X2());
    EXPECT_EQ(est[3], "Mehrbelastung");
    EXPECT_EQ(canvas.Text("Mehrbelastung")->x, p.X4());
    // The year line, a rule, then the table one and a half lines below.
    const TAufruf* jahr = canvas.Text("Veranlagungszeitraum:");
    ASSERT_NE(jahr, nullptr);
    EXPECT_EQ(jahr->y, 100 + 60);
    EXPECT_EQ(canvas.Text("Tabelle:")->y, jahr->y + 30 + 30);
}

TEST_F(EStVerglDruckTest, DifferenceOnPaperCarriesCaseTwosCurrency)
{
    Faelle({{"Jahr", "2001"}, {"WaehrungName", "DM"}, {"ZVE", "60000"}},
           {{"Jahr", "2026"}, {"WaehrungName", "Euro"}, {"ZVE", "60000"}});
    const QStringList zve = Zeile(Gedruckt(), "Zu versteuerndes Einkommen:");
    ASSERT_EQ(zve.size(), 3);
    EXPECT_TRUE(zve[0].endsWith(" DM"));
    EXPECT_TRUE(zve[1].endsWith(" Euro"));
    EXPECT_TRUE(zve[2].endsWith(" Euro")) << zve[2].toStdString();
}

TEST_F(EStVerglDruckTest, ZeroDifferencePrintedOnPaperLeftOutInText)
{
    Faelle({{"Jahr", "2026"}, {"ZVE", "50000"}}, {{"ZVE", "50000"}});
    EXPECT_EQ(Zeile(Gedruckt(), "Zu versteuerndes Einkommen:").value(2), "0,00 Euro");
    EXPECT_EQ(Zeile(Gedruckt(), "Abweichendes Wirtschaftsjahr:").front(),
              "(keine Zeile Abweichendes Wirtschaftsjahr:)");
    const QStringList text = EStVergleichAlsText(vgl->VergleichDaten());
    const QString zeile = text.filter("Zu versteuerndes Eink.:").value(0);
    EXPECT_EQ(zeile.size(), 52) << zeile.toStdString();
}

// Progression income and commercial income: equal or not, the differences are printed.
const TEingaben kGewerbe1 = {{"Jahr", "2026"},          {"Grundtabelle", "Nein"},
                             {"ZVE", "65000"},          {"ProgressEink", "5000"},
                             {"GewStMessbetrag", "400"}, {"Gewerbesteuer", "1600"},
                             {"GewerblEink", "20000"},  {"SummeEink", "70000"}};
const TEingaben kGewerbe2 = {{"Jahr", "2025"},
                             {"ZVE", "60000"},
                             {"GewerblEink", "25000"},
                             {"SummeEink", "75000"}};

TEST_F(EStVerglDruckTest, DifferencesOfProgressionAndCommercialIncome)
{
    Faelle(kGewerbe1, kGewerbe2);
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const struct {
        const char* label;
        QStringList spalten;
    } zeilen[] = {
        {"Einkommensteuer nach §32b:",
         {"10.530,00 Euro", "9.275,00 Euro", "-1.255,00 Euro", "Entlastung"}},
        {"Progressionseinkünfte:", {"5.000,00 Euro", "5.000,00 Euro", "0,00 Euro"}},
        {"Gewerbliche Einkünfte:", {"20.000,00 Euro", "25.000,00 Euro", "5.000,00 Euro"}},
        {"Summe der Einkünfte:", {"70.000,00 Euro", "75.000,00 Euro", "5.000,00 Euro"}},
    };
    for (const auto& z : zeilen)
        EXPECT_EQ(Zeile(canvas, z.label), z.spalten) << z.label;
}

TEST_F(EStVerglDruckTest, LargeAmountsKeepApartWithinTheMargins)
{
    Faelle({{"Jahr", "2026"}, {"ZVE", "150000"}}, {{"ZVE", "320000"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_EQ(Ueberschneidungen(canvas, druck->XLinks(), druck->XRechts(), druck->Zeichenbreite()),
              QStringList());
    EXPECT_EQ(Zeile(canvas, "Zu versteuerndes Einkommen:"),
              (QStringList{"150.000,00 Euro", "320.000,00 Euro", "170.000,00 Euro"}));
}

struct Fall {
    const char* name;
    TEingaben fall1;
    TEingaben fall2;
};

const Fall kFaelle[] = {
    {"estvgl_gleich", {{"Jahr", "2026"}, {"ZVE", "50000"}}, {{"ZVE", "50000"}}},
    {"estvgl_dm_euro",
     {{"Jahr", "1998"}, {"WaehrungName", "DM"}, {"ZVE", "80000"}},
     {{"Jahr", "2026"}, {"WaehrungName", "Euro"}, {"ZVE", "45000"}}},
    {"estvgl_2001",
     {{"Jahr", "2001"}, {"WJAbweichend", "Ja"}, {"ZVE", "45000"}},
     {{"Jahr", "2001"}, {"WJAbweichend", "Nein"}, {"Grundtabelle", "Nein"}, {"ZVE", "45000"}}},
    {"estvgl_gewerbe", kGewerbe1, kGewerbe2},
};

class EStVerglTextTest : public EStVerglDruckTest, public testing::WithParamInterface<Fall> {};

TEST_P(EStVerglTextTest, TextFormAsStored)
{
    const Fall& f = GetParam();
    Faelle(f.fall1, f.fall2);
    const QString text = ZeilenText(EStVergleichAlsText(vgl->VergleichDaten()));
    WieGespeichert(text, f.name);
    EXPECT_EQ(text.split("\r\n").front().size(), 79);
    EXPECT_NO_THROW(Gedruckt());
}

INSTANTIATE_TEST_SUITE_P(EStVerglDruck, EStVerglTextTest, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
