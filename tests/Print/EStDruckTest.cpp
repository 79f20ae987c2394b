// The income-tax printout and its text form: where the line routine puts label and amount on the
// page measured from the paper, which lines the paper and the text leave out, the text form
// against stored calculations, and every period's default and fully filled
// calculation through the value lookup that refuses unknown names.
#include "Print/EStDruck.h"
#include "AufzeichnungsCanvas.h"
#include "Eingaben.h"
#include "GespeicherterText.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Einkommensteuer/EStDaten.h"
#include "Lib/Component.h"
#include "Support/OptionenUmgebung.h"


#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class EStDruckTest : public testing::Test {
protected:
    void SetUp() override
    {
        TOptionenUmgebung::Starten();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        est = MakeComponent<TEStBerechnung>(nullptr, "EST");
    }
    void TearDown() override
    {
        est.reset();
        HeuteFestlegen({});
    }
    TEStDaten& d() const { return est->EStDaten(); }

    // Sets the inputs by their names, as the page's fields would; inputs the year does not ask
    // for are left alone.
    void Eingeben(const TEingaben& eingaben)
    {
        for (const auto& [name, text] : eingaben) {
            TValue* wert = d().FindValue(name);
            ASSERT_NE(wert, nullptr) << name;
            if (wert->IsEnabled())
                wert->SetAsString(text);
        }
        d().SetModified(true);
        est->Recalculate();
    }
    // The calculation drawn on a recording canvas whose paper is 1400 pixels high: B is 20.
    TAufzeichnungsCanvas Gedruckt()
    {
        TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
        canvas.Seite = QSize(1000, 1400);
        druck = std::make_unique<TVtDruckEinkommensteuer>(d());
        druck->SeiteEinrichten(canvas);
        return canvas;
    }
    // The labels at the left margin, in order.
    QStringList Labels(const TAufzeichnungsCanvas& canvas) const
    {
        QStringList labels;
        for (const TAufruf& a : canvas.Texte())
            if (a.x == druck->XLinks())
                labels << a.text;
        return labels;
    }

    TOptionenUmgebung umgebung;
    std::unique_ptr<TEStBerechnung> est;
    std::unique_ptr<TVtDruckEinkommensteuer> druck;
};

TEST_F(EStDruckTest, PaperMeasuresFromThePageAndAdvancesOneAndAHalfUnits)
{
    Eingeben({{"Jahr", "2026"}, {"ZVE", "50000"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    TVtDruckEinkommensteuer& p = *druck;
    EXPECT_EQ(p.Zeilenhoehe(), 20);
    EXPECT_EQ(p.HoeheNormal(), 24);
    EXPECT_EQ(p.HoeheTitel(), 36);
    EXPECT_EQ(p.YOben(), 100);
    EXPECT_EQ(p.XLinks(), 10 * 10);
    EXPECT_EQ(p.XRechts(), 1000 - 15 * 10);
    const TAufruf* kopf = canvas.Text("Einkommensteuerberechnung 2026");
    ASSERT_NE(kopf, nullptr);
    EXPECT_EQ(kopf->y, 100);
    EXPECT_TRUE(kopf->schrift.fett && kopf->schrift.kursiv);
    const TAufruf* tabelle = canvas.Text("Grundtabelle");
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->y, 100 + 60);
    // The blank line, then the taxable income with its amount and unit at the right margin.
    const TAufruf* zve = canvas.Text("Zu versteuerndes Einkommen:  ");
    ASSERT_NE(zve, nullptr);
    EXPECT_EQ(zve->y, 160 + 2 * 30);
    const std::vector<TAufruf> texte = canvas.Texte();
    const auto betrag = std::find_if(texte.begin(), texte.end(), [&](const TAufruf& a) {
        return a.y == zve->y && a.x != p.XLinks();
    });
    ASSERT_NE(betrag, texte.end());
    EXPECT_EQ(betrag->text, "50.000,00" + p.Einheit);
    EXPECT_EQ(betrag->x2, p.XRechts());
    EXPECT_EQ(p.Einheit, "  Euro");
}

TEST_F(EStDruckTest, PaperLeavesOutZeroAmountsAndShowsTheAdditionalTableWithBusinessIncomeOnly)
{
    Eingeben({{"Jahr", "2026"}, {"ZVE", "0"}});
    QStringList labels = Labels(Gedruckt());
    labels.removeAll(QString());
    EXPECT_EQ(labels, (QStringList{"Einkommensteuerberechnung 2026", "Grundtabelle",
                                   "Zu versteuerndes Einkommen:  ",
                                   "Einkommensteuer lt. Tabelle:  ",
                                   "Festzusetzende Einkommensteuer:   ", "Solidaritätszuschlag:  "}));

    // 1994: the additional table can be switched off; on paper its line needs business income,
    // the text form shows it whenever it can be chosen.
    Eingeben({{"Jahr", "1994"}, {"ZVE", "60000"}, {"GewerblEink", "0"}});
    ASSERT_TRUE(d().KeineZTab().IsEnabled());
    EXPECT_FALSE(Labels(Gedruckt()).join('|').contains("Zusatztabelle anwenden"));
    EXPECT_TRUE(EinkommensteuerAlsText(d()).join('|').contains("Zusatztabelle anwenden:  Ja"));
    Eingeben({{"GewerblEink", "80000"}});
    EXPECT_TRUE(Labels(Gedruckt()).contains("Zusatztabelle anwenden:  Ja"));
}

TEST_F(EStDruckTest, BusinessIncomeLabelledByItsSection)
{
    Eingeben({{"Jahr", "1999"}, {"ZVE", "120000"}, {"GewerblEink", "150000"}});
    ASSERT_FALSE(d().GewStMessbetrag().IsEnabled());
    QStringList labels = Labels(Gedruckt());
    EXPECT_TRUE(labels.contains("Gewerbliche Einkünfte (§32c):  "));
    // The long relief label wraps before its amount.
    EXPECT_EQ(labels.join(' ').contains("Entlastungsbetrag für gewerbliche Einkünfte (§32c):"),
              d().EB32c().IsEnabled());
    Eingeben({{"Jahr", "2010"}, {"GewStMessbetrag", "2000"}, {"GewerblEink", "150000"}});
    ASSERT_TRUE(d().GewStMessbetrag().IsEnabled());
    labels = Labels(Gedruckt());
    EXPECT_TRUE(labels.contains("Gewerbliche Einkünfte (§35):  "));
    EXPECT_TRUE(labels.contains("Gewerbesteuer-Messbetrag (§35):  "));
}

TEST_F(EStDruckTest, LongLabelKeepsItsGapToTheAmount)
{
    const struct {
        const char* messbetrag;
        const char* gewerbesteuer;
        const char* einkuenfte;
        QString ermaessigung;
    } faelle[] = {
        {"4000", "16000", "200000", "16.000,00"},
        {"40000", "160000", "1000000", "160.000,00"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.einkuenfte);
        Eingeben({{"Jahr", "2026"},
                  {"GewStMessbetrag", f.messbetrag},
                  {"Gewerbesteuer", f.gewerbesteuer},
                  {"GewerblEink", f.einkuenfte},
                  {"SummeEink", f.einkuenfte},
                  {"ZVE", f.einkuenfte}});
        const TAufzeichnungsCanvas canvas = Gedruckt();
        EXPECT_NE(canvas.Text(f.ermaessigung + druck->Einheit), nullptr);
        EXPECT_EQ(Ueberschneidungen(canvas, druck->XLinks(), druck->XRechts(),
                                    2 * druck->Zeichenbreite()),
                  QStringList());
    }
}

// Stored calculations: the text form must stay as it is, column for column.
struct Fall {
    const char* name;
    TEingaben eingaben;
};

const Fall kFaelle[] = {
    {"est_1994_zusatztabelle",
     {{"Jahr", "1994"}, {"WaehrungName", "DM"}, {"ZVE", "60000"}, {"GewerblEink", "80000"}}},
    {"est_2001", {{"Jahr", "2001"}, {"ZVE", "45000"}, {"Grundtabelle", "Nein"}}},
    {"est_2001_wj", {{"Jahr", "2001"}, {"WJAbweichend", "Ja"}, {"ZVE", "45000"}}},
    {"est_2010_gewerbe",
     {{"Jahr", "2010"},
      {"GewStMessbetrag", "2000"},
      {"Gewerbesteuer", "8000"},
      {"GewerblEink", "100000"},
      {"ZVE", "90000"}}},
    {"est_2026", {{"Jahr", "2026"}, {"ZVE", "50000"}, {"ProgressEink", "10000"}}},
};

class EStTextTest : public EStDruckTest, public testing::WithParamInterface<Fall> {};

TEST_P(EStTextTest, TextFormAsStored)
{
    const Fall& f = GetParam();
    Eingeben(f.eingaben);
    const QString text = ZeilenText(EinkommensteuerAlsText(d()));
    WieGespeichert(text, f.name);
    const QStringList zeilen = text.split("\r\n");
    // An 80-column heading with the date at its end.
    EXPECT_EQ(zeilen.front().size(), 80);
    EXPECT_TRUE(zeilen.front().endsWith("09.12.2026"));
}

INSTANTIATE_TEST_SUITE_P(EStDruck, EStTextTest, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Every tariff period with the defaults and with every input filled: both forms are made from
// values the data set has.
class EStJahrTest : public EStDruckTest, public testing::WithParamInterface<int> {};

TEST_P(EStJahrTest, DefaultAndFullCalculationsPrint)
{
    const std::string jahr = std::to_string(GetParam());
    Eingeben({{"Jahr", jahr.c_str()}});
    EXPECT_NO_THROW(Gedruckt());
    EXPECT_NO_THROW(EinkommensteuerAlsText(d()));
    Eingeben({{"WJAbweichend", "Ja"},
              {"GewStMessbetrag", "1500"},
              {"Gewerbesteuer", "6000"},
              {"GewerblEink", "70000"},
              {"GewinnEink", "20000"},
              {"SonstStErm35", "100"},
              {"ZVE", "80000"},
              {"ProgressEink", "5000"},
              {"Erwerbsbezuege", "3000"},
              {"SonstStErm", "200"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_NE(canvas.Text("Festzusetzende Einkommensteuer:   "), nullptr);
    const QStringList text = EinkommensteuerAlsText(d());
    EXPECT_EQ(text.front().size(), 80);
    EXPECT_TRUE(text.join('|').contains("Festzusetzende Einkommensteuer:   "));
}

INSTANTIATE_TEST_SUITE_P(EStDruck, EStJahrTest,
                         testing::Values(1988, 1990, 1993, 1994, 1996, 1999, 2000, 2001, 2002,
                                         2004, 2005, 2008, 2010, 2015, 2020, 2024, 2025, 2026));

} // namespace
