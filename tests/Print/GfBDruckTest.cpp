// The marginal-employment printout and text form: the middle column, the lines paper leaves out,
// the name line, and the text form of each way the tax is computed against stored statements.
#include "Print/GfBDruck.h"
#include "AufzeichnungsCanvas.h"
#include "Eingaben.h"
#include "GespeicherterText.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Lib/Component.h"
#include "Support/OptionenUmgebung.h"


#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class GfBDruckTest : public testing::Test {
protected:
    void SetUp() override
    {
        TOptionenUmgebung::Starten();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        gfb = MakeComponent<TGeringfuegigBerechnung>(nullptr, "GfB");
    }
    void TearDown() override
    {
        druck.reset();
        gfb.reset();
        HeuteFestlegen({});
    }
    TGeringfuegigDaten& d() const { return gfb->GeringfuegigDaten(); }
    void Eingeben(const TEingaben& eingaben)
    {
        WerteSetzen(d(), eingaben);
        d().SetModified(true);
        gfb->Recalculate();
    }
    TAufzeichnungsCanvas Gedruckt()
    {
        TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
        canvas.Seite = QSize(1000, 1400);
        druck = std::make_unique<TVtDruckGeringfuegig>(d());
        druck->SeiteEinrichten(canvas);
        return canvas;
    }

    std::unique_ptr<TGeringfuegigBerechnung> gfb;
    std::unique_ptr<TVtDruckGeringfuegig> druck;
};

TEST_F(GfBDruckTest, MiddleColumnHalfwayToThePagesEdgeAndZeroLinesLeftOut)
{
    Eingeben({{"Jahr", "2026"}, {"Entgelt", "500"}, {"Steuerberechnung", "PauschaleLohnsteuer"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const TVtDruckGeringfuegig& p = *druck;
    // B 20, "X" 10 wide: left 100, middle (1000 - 100) / 2 + 100, right 1000 - 150.
    EXPECT_EQ(p.XLinks(), 100);
    EXPECT_EQ(p.XMitte(), 550);
    EXPECT_EQ(p.XRechts(), 850);
    const TAufruf* brutto = canvas.Text("500,00" + p.Einheit);
    ASSERT_NE(brutto, nullptr);
    EXPECT_EQ(brutto->x2, p.XRechts());
    // The employer bears the flat rates: no tax line on paper, none with an amount of 0.
    for (const TAufruf& a : canvas.Texte())
        EXPECT_NE(a.text, "0,00" + p.Einheit) << "a zero amount is printed";
    EXPECT_EQ(canvas.Text("Name:"), nullptr);
    // Without name and period the subheading follows the heading's three lines.
    EXPECT_EQ(canvas.Text("Berechnungsdaten")->y, 100 + 60);
    EXPECT_EQ(canvas.Text("Gesetzlich krankenversichert:")->y, 160 + 60);
}

TEST_F(GfBDruckTest, NameLineAndOneBlankLine)
{
    Eingeben({{"Jahr", "2026"}, {"Entgelt", "500"}, {"Arbeitnehmer", "Erika Muster"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const TAufruf* name = canvas.Text("Name:");
    ASSERT_NE(name, nullptr);
    const TAufruf* wert = canvas.Text("Erika Muster");
    ASSERT_NE(wert, nullptr);
    EXPECT_EQ(wert->x2, druck->XMitte());
    EXPECT_EQ(canvas.Text("Berechnungsdaten")->y, 160 + 30 + 20);
}

struct Fall {
    const char* name;
    TEingaben eingaben;
};

const Fall kFaelle[] = {
    {"gfb_pauschal_2026", {{"Jahr", "2026"}, {"Entgelt", "500"}}},
    {"gfb_pauschal_kammer",
     {{"Jahr", "2026"}, {"Entgelt", "500"}, {"Kammer", "Ja"}, {"AbzuegeAN", "Ja"}}},
    {"gfb_lohnsteuerkarte",
     {{"Jahr", "2026"},
      {"Entgelt", "550"},
      {"Steuerberechnung", "Lohnsteuerkarte"},
      {"Steuerklasse", "5"},
      {"Kirchensteuersatz", "9"}}},
    {"gfb_lohnsteuerkarte_kammer",
     {{"Jahr", "2026"},
      {"Entgelt", "550"},
      {"Steuerberechnung", "Lohnsteuerkarte"},
      {"Steuerklasse", "6"},
      {"Kammer", "Ja"}}},
    {"gfb_freistellung_2001",
     {{"Jahr", "2001"}, {"Entgelt", "600"}, {"Steuerberechnung", "Freistellung"}}},
    {"gfb_lohnsteuerkarte_2001",
     {{"Jahr", "2001"},
      {"Entgelt", "600"},
      {"Steuerberechnung", "Lohnsteuerkarte"},
      {"Freibetrag", "100"}}},
    {"gfb_freistellung_kammer",
     {{"Jahr", "2001"}, {"Entgelt", "600"}, {"Steuerberechnung", "Freistellung"},
      {"Kammer", "Ja"}}},
};

class GfBTextTest : public GfBDruckTest, public testing::WithParamInterface<Fall> {};

TEST_P(GfBTextTest, TextFormAsStored)
{
    const Fall& f = GetParam();
    Eingeben(f.eingaben);
    const QString text = ZeilenText(GeringfuegigAlsText(d()));
    WieGespeichert(text, f.name);
    EXPECT_EQ(text.split("\r\n").front().size(), 60);
    EXPECT_NO_THROW(Gedruckt());
}

INSTANTIATE_TEST_SUITE_P(GfBDruck, GfBTextTest, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
