// The tax-class comparison's printout and text form: the columns on paper and in the preview,
// which lines are left out, the unit following a currency change of a held printout, and the
// text form against stored comparisons for each verdict.
#include "Print/StKlVergleichDruck.h"
#include "AufzeichnungsCanvas.h"
#include "Eingaben.h"
#include "GespeicherterText.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Lib/Component.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"


#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class StKlDruckTest : public testing::Test {
protected:
    void SetUp() override
    {
        TOptionenUmgebung::Starten();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        vgl = MakeComponent<TStKlVergleichBerechnung>(nullptr, "StKlVergleich");
        vgl->init();
    }
    void TearDown() override
    {
        druck.reset();
        vgl.reset();
        HeuteFestlegen({});
    }
    TStKlVergleichDaten& d() const { return vgl->StKlVergleichDaten(); }
    TLohnDaten& Ehegatte(int i) const
    {
        return dynamic_cast<TLohnDaten&>((i == 0 ? d().EhegatteA() : d().EhegatteB()).Daten());
    }
    // Sets each spouse's inputs by their names, as the page's fields would, and recalculates.
    void Eingeben(const TEingaben& a, const TEingaben& b = {})
    {
        WerteSetzen(Ehegatte(0), a);
        WerteSetzen(Ehegatte(1), b);
        d().SetModified(true);
        vgl->Recalculate();
    }
    TAufzeichnungsCanvas Gedruckt()
    {
        TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
        druck = std::make_unique<TVtDruckStKlVergleich>(d());
        druck->SeiteEinrichten(canvas);
        return canvas;
    }
    // The texts on the line of `label`, after it.
    static QStringList Zeile(const TAufzeichnungsCanvas& canvas, const QString& label)
    {
        const TAufruf* l = canvas.Text(label);
        QStringList texte;
        if (!l)
            return {"(keine Zeile " + label + ")"};
        for (const TAufruf& a : canvas.Texte())
            if (a.y == l->y && a.x > l->x)
                texte << a.text;
        return texte;
    }

    TOptionenUmgebung umgebung;
    std::unique_ptr<TStKlVergleichBerechnung> vgl;
    std::unique_ptr<TVtDruckStKlVergleich> druck;
};

TEST_F(StKlDruckTest, ColumnsByHalvingAndByAFloatingQuarter)
{
    Eingeben({{"Jahrliste", "2026"}, {"Entgelt", "4000"}}, {{"Entgelt", "2000"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const TVtDruckStKlVergleich& p = *druck;
    // B 19, "X" 9 wide: left 90, right 1000 - 135.
    ASSERT_EQ(p.XLinks(), 90);
    ASSERT_EQ(p.XRechts(), 865);
    EXPECT_EQ(p.XSpalteA(), 775 / 2 + 90 - 18);
    EXPECT_EQ(p.XSpalteB(), 581 + 90);
    const QString e = p.Betragseinheit;
    ASSERT_EQ(e, "  Euro");
    // Amounts end at their column, the unit after it.
    const TAufruf* brutto = canvas.Text("4.000,00" + e);
    ASSERT_NE(brutto, nullptr);
    EXPECT_EQ(brutto->x + canvas.TextBreite("4.000,00"), p.XSpalteA());
    const TAufruf* bruttoB = canvas.Text("2.000,00" + e);
    ASSERT_NE(bruttoB, nullptr);
    EXPECT_EQ(bruttoB->x + canvas.TextBreite("2.000,00"), p.XSpalteB());
    // A sum line: B followed by "=", the total at the right margin.
    const QStringList summe = Zeile(canvas, "Steuerklasse 4/4:");
    ASSERT_EQ(summe.size(), 3);
    EXPECT_TRUE(summe[1].endsWith(e + "    ="));
    const TAufruf* gesamt = canvas.Text(summe[2]);
    EXPECT_EQ(gesamt->x + canvas.TextBreite(summe[2].chopped(e.size())), p.XRechts());
    // The verdict in the subheading font.
    const TAufruf* ergebnis = canvas.Text(QString::fromStdString(d().Ergebnis().GetValue()));
    ASSERT_NE(ergebnis, nullptr);
    EXPECT_TRUE(ergebnis->schrift.kursiv);
    EXPECT_EQ(ergebnis->schrift.hoehe, p.HoeheKursiv());
}

TEST_F(StKlDruckTest, PreviewSheetPlacesTheColumnsFromItsOwnClip)
{
    Eingeben({{"Jahrliste", "2026"}, {"Entgelt", "4000"}});
    // The preview's bitmap: 1050 + 8 wide, 1485 + 8 high, one sheet.
    TAufzeichnungsCanvas bild(QRect(0, 0, 1058, 1493), 96, false);
    TVtDruckStKlVergleich p(d());
    p.SeiteEinrichten(bild);
    EXPECT_EQ(p.XSpalteA(), (p.XRechts() - p.XLinks()) / 2 + p.XLinks() - 2 * p.Zeichenbreite());
    EXPECT_EQ(p.XSpalteB(), static_cast<int>((p.XRechts() - p.XLinks()) * 0.75) + p.XLinks());
    EXPECT_EQ(p.XRechts(), 1058 - 15 * 9);
}

TEST_F(StKlDruckTest, EmptyLinesLeftOutAndOneSidedValuesInTheirColumnOnly)
{
    Eingeben({{"Jahrliste", "2026"}, {"Entgelt", "4000"}, {"Freibetrag", "150"}},
             {{"Entgelt", "2000"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const QString jahr = druck->Jahreswaehrung;
    EXPECT_EQ(Zeile(canvas, "Freibetrag:"), (QStringList{"150,00" + jahr, "0,00" + jahr}));
    EXPECT_EQ(canvas.Text("Hinzurechnungsbetrag:"), nullptr);
    EXPECT_EQ(canvas.Text("Versorgungsbezüge:"), nullptr);
    const QStringList text = StKlVergleichAlsText(d());
    EXPECT_FALSE(text.join('|').contains("Hinzurechnungsbetrag:"));
    EXPECT_TRUE(text.join('|').contains("Freibetrag:" + QString(31 - 11 - 6, ' ') + "150,00" + jahr));
}

TEST_F(StKlDruckTest, HeldPrintoutFollowsACurrencyChange)
{
    Eingeben({{"Jahrliste", "2026"}, {"Entgelt", "4000"}});
    Gedruckt();
    EXPECT_EQ(druck->Betragseinheit, "  Euro");
    Eingeben({{"Jahrliste", "1998"}, {"WaehrungName", "DM"}});
    TAufzeichnungsCanvas wieder;
    druck->SeiteEinrichten(wieder);
    EXPECT_EQ(druck->Betragseinheit, "  DM");
    EXPECT_EQ(druck->Jahreswaehrung, WaehrungVonJahr(1998));
}

// Stored comparisons: the text form must stay as it is, column for column.
struct Fall {
    const char* name;
    TEingaben a;
    TEingaben b;
};

const Fall kFaelle[] = {
    {"stkl_35", {{"Jahrliste", "2026"}, {"Entgelt", "6000"}}, {{"Entgelt", "1500"}}},
    {"stkl_53", {{"Jahrliste", "2026"}, {"Entgelt", "1500"}}, {{"Entgelt", "6000"}}},
    {"stkl_44", {{"Jahrliste", "2026"}, {"Entgelt", "3000"}}, {{"Entgelt", "3000"}}},
    {"stkl_gleich", {{"Jahrliste", "2026"}, {"Entgelt", "0"}}, {{"Entgelt", "0"}}},
    {"stkl_einseitig",
     {{"Jahrliste", "2026"}, {"Entgelt", "4000"}},
     {{"Entgelt", "2500"}, {"Geburtsdatum", "19600315"}, {"Versorgungsbezuege", "500"}}},
};

class StKlTextTest : public StKlDruckTest, public testing::WithParamInterface<Fall> {};

TEST_P(StKlTextTest, TextFormAsStored)
{
    const Fall& f = GetParam();
    Eingeben(f.a, f.b);
    const QString text = ZeilenText(StKlVergleichAlsText(d()));
    WieGespeichert(text, f.name);
    EXPECT_EQ(text.split("\r\n").front().size(), 66);
    EXPECT_NO_THROW(Gedruckt());
}

INSTANTIATE_TEST_SUITE_P(StKlDruck, StKlTextTest, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
