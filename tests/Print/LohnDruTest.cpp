// The payroll statement's printout and text form: where the line routines put label, middle and
// right text, which lines a statement prints, the text form against stored statements, and every
// year's default and fully filled statement printed through a value lookup that refuses unknown
// names.
#include "Print/LohnDru.h"
#include "Print/DruckWerte.h"
#include "AufzeichnungsCanvas.h"
#include "Eingaben.h"
#include "GespeicherterText.h"
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Lib/Component.h"
#include "Lib/Exception.h"
#include "Support/OptionenUmgebung.h"


#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class LohnDruTest : public testing::Test {
protected:
    void SetUp() override
    {
        TOptionenUmgebung::Starten();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    }
    void TearDown() override
    {
        lohn.reset();
        HeuteFestlegen({});
    }
    TLohnDaten& d() const { return lohn->LohnDatenOf(); }

    // Sets the inputs by their names, as the page's fields would, and recalculates.
    void Eingeben(const TEingaben& eingaben)
    {
        WerteSetzen(d(), eingaben);
        d().SetModified(true);
        lohn->Recalculate();
    }
    void Posten(const char* text, double betrag, bool pflichtig, bool netto = false)
    {
        auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        TDetailEntgeltDaten& p = vorlage->DetailEntgeltDaten();
        p.Bezeichnung().SetValue(text);
        p.Betrag().SetValue(betrag);
        p.SozVersPflicht().SetValue(pflichtig);
        p.StPflicht().SetValue(pflichtig);
        p.NettoVereinb().SetValue(netto);
        d().DetailEntgelte().Hinzufuegen(p);
    }
    // The statement drawn on a recording canvas of a 1493-pixel sheet.
    TAufzeichnungsCanvas Gedruckt(bool mehrereSeiten = true)
    {
        TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493), 96, mehrereSeiten);
        druck = std::make_unique<TVtDruckEntgeltabrechnung>(d());
        druck->SeiteEinrichten(canvas);
        return canvas;
    }
    // The right-hand text of the line whose label is `label`.
    static QString Rechts(const TAufzeichnungsCanvas& canvas, const QString& label)
    {
        const std::vector<TAufruf> texte = canvas.Texte();
        for (std::size_t i = 0; i < texte.size(); ++i) {
            if (texte[i].text != label)
                continue;
            QString rechts;
            for (std::size_t j = i + 1; j < texte.size() && texte[j].y == texte[i].y; ++j)
                rechts = texte[j].text;
            return rechts;
        }
        return "(keine Zeile " + label + ")";
    }

    TOptionenUmgebung m_umgebung;
    std::unique_ptr<TLohnBerechnung> lohn;
    std::unique_ptr<TVtDruckEntgeltabrechnung> druck;
};

TEST_F(LohnDruTest, ZeilePlacesItsThreeColumns)
{
    Eingeben({{"Jahrliste", "2026"}, {"Entgelt", "4000"}});
    TAufzeichnungsCanvas canvas = Gedruckt();
    TVtDruckEntgeltabrechnung& p = *druck;
    const QString einheit = p.Einheit;
    ASSERT_FALSE(einheit.trimmed().isEmpty());
    const std::size_t vorher = canvas.Texte().size();
    const int y = p.Y();
    p.Zeile("Lohnsteuer:", "Z", "524,50");
    p.Zeile("Bezeichnung", "Netto", "Brutto");
    p.Zeile("Ein Text, der bis weit über die Mitte der Seite reicht", "12,5 %", "");
    p.Zeile("Nie", "gedruckt", "1,00", false);
    const std::vector<TAufruf> texte = canvas.Texte();
    ASSERT_EQ(texte.size(), vorher + 8);
    const TAufruf* t = &texte[vorher];
    // Label at the left margin; middle ends at the middle column; amount and unit at the right.
    EXPECT_EQ(t[0].x, p.XLinks());
    EXPECT_EQ(t[0].y, y);
    EXPECT_EQ(t[1].x2, p.XMitte());
    EXPECT_EQ(t[2].text, "524,50" + einheit);
    EXPECT_EQ(t[2].x2, p.XRechts());
    // A word on the right starts where a number with unit would; one and a half lines down.
    EXPECT_EQ(t[5].text, "Brutto");
    EXPECT_EQ(t[5].x, p.XRechts() - canvas.TextBreite("Brutto" + einheit));
    EXPECT_EQ(t[5].y, y + 25);
    // A long label pushes the middle text to two characters after its end.
    EXPECT_EQ(t[7].x, t[6].x2 + 2 * p.Zeichenbreite());
    EXPECT_GT(t[7].x2, p.XMitte());
    EXPECT_EQ(p.Y(), y + 3 * 25);
}

TEST_F(LohnDruTest, StatementOf2026PrintsItsLinesInOrder)
{
    Eingeben({{"Jahrliste", "2026"},
              {"Steuerklasse", "1"},
              {"Entgelt", "4000"},
              {"Arbeitnehmer", "Erika Muster"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const QString einheit = druck->Einheit;
    EXPECT_EQ(Rechts(canvas, "Entgeltabrechnung 2026"), "09.12.2026");
    EXPECT_EQ(Rechts(canvas, "Name:"), "Erika Muster");
    EXPECT_EQ(Rechts(canvas, "Gesamt-Bruttoentgelt:"), "4.000,00" + einheit);
    EXPECT_EQ(Rechts(canvas, "Lohnsteuer:     "), "524,50" + einheit);
    EXPECT_EQ(Rechts(canvas, "Auszahlung:"), d().Nettoentgelt->GetAsString().c_str() + einheit);
    // No child benefit, no deduction: no net line above the payout.
    EXPECT_EQ(canvas.Text("Nettoentgelt:"), nullptr);
    QStringList folge;
    for (const TAufruf& a : canvas.Texte())
        if (a.x == druck->XLinks())
            folge << a.text;
    const QStringList erwartet{"Entgeltabrechnung 2026", "Name:", "Berechnungsdaten",
                               "Zeitraum:", "Steuerklasse:"};
    for (int i = 0, j = 0; i < erwartet.size(); ++i) {
        j = static_cast<int>(folge.indexOf(erwartet[i], j));
        EXPECT_GE(j, 0) << erwartet[i].toStdString() << " in " << folge.join('|').toStdString();
    }
    EXPECT_LT(folge.indexOf("Abrechnung"), folge.indexOf("Gesamt-Bruttoentgelt:"));
    EXPECT_LT(folge.indexOf("Rentenversicherung:"), folge.indexOf("Auszahlung:"));
}

TEST_F(LohnDruTest, LongTypedTextsWrapApartFromLabelsAndAmounts)
{
    KassenAnlegen();
    Eingeben({{"Jahrliste", "2026"}, {"KasseName", kKasse100}});
    Posten(kKasse100, 150000, true);
    Eingeben({{"DetailEntgelt", "Ja"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_EQ(
        Ueberschneidungen(canvas, druck->XLinks(), druck->XRechts(), 2 * druck->Zeichenbreite()),
        QStringList());
    // Nothing typed is lost: the wrapped lines, in order, make up the whole text again.
    const std::vector<TAufruf> aufrufe = canvas.Texte();
    QStringList texte;
    for (const TAufruf& a : aufrufe)
        texte << a.text;
    const QString alle = texte.join(' ');
    EXPECT_TRUE(alle.contains(QString("Krankenkasse: ") + kKasse100));
    EXPECT_TRUE(alle.contains(kKasse100 + QString(" 150.000,00") + druck->Einheit));
    // A wrapped line lies a line of its font below, which is more than the line unit.
    const qsizetype kasse = texte.indexOf("Krankenkasse:");
    ASSERT_GE(kasse, 0);
    EXPECT_EQ(aufrufe[kasse + 2].y - aufrufe[kasse + 1].y, druck->HoeheNormal());
}

TEST_F(LohnDruTest, UndeterminedNetPayPrintsQuestionMarks)
{
    Eingeben({{"Jahrliste", "2026"},
              {"Entgelt", "3000"},
              {"NettoAbz", "100"},
              {"NettoAbzText", "Vorschuss"}});
    Eingeben({{"Ausgangswert", "1"}, {"Lohnsteuer", "-5"}});
    ASSERT_TRUE(d().Nettoentgelt->IsUndetermined());
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_EQ(Rechts(canvas, "Nettoentgelt:"), "???");
    EXPECT_EQ(Rechts(canvas, "Auszahlung:"), "???");
}

TEST_F(LohnDruTest, ItemisedPayListsTaxableItemsAboveAndTaxFreeBelowTheNetPay)
{
    Eingeben({{"Jahrliste", "2026"}});
    Posten("Gehalt", 3500, true);
    Posten("Zuschlag netto", 200, true, true);
    Posten("Auslagenersatz", 80, false);
    Eingeben({{"DetailEntgelt", "Ja"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    const QString einheit = druck->Einheit;
    ASSERT_NE(canvas.Text("Bezeichnung"), nullptr);
    EXPECT_TRUE(canvas.Text("Bezeichnung")->schrift.fett);
    EXPECT_NE(canvas.Text("Netto"), nullptr);
    const TAufruf* gehalt = canvas.Text("Gehalt");
    const TAufruf* netto = canvas.Text("Nettoentgelt:");
    const TAufruf* auslagen = canvas.Text("Auslagenersatz");
    ASSERT_TRUE(gehalt && netto && auslagen);
    EXPECT_LT(gehalt->y, netto->y);
    EXPECT_GT(auslagen->y, netto->y);
    EXPECT_EQ(Rechts(canvas, "Auslagenersatz"), "80,00" + einheit);
}

TEST_F(LohnDruTest, LongItemisedStatementGoesOnOnAFurtherSheetUnderAShortHeading)
{
    Eingeben({{"Jahrliste", "2026"}, {"Arbeitnehmer", "Erika Muster"}});
    for (int i = 1; i <= 37; ++i)
        Posten(QString("Zulage Nr. %1").arg(i).toUtf8().constData(), 10 * i, true);
    Eingeben({{"DetailEntgelt", "Ja"}});
    const TAufzeichnungsCanvas papier = Gedruckt(true);
    ASSERT_EQ(papier.Seiten(), 2);
    ASSERT_NE(papier.Text("Auszahlung:"), nullptr);
    EXPECT_EQ(papier.Text("Auszahlung:")->seite, 2);
    std::vector<TAufruf> blatt2;
    for (const TAufruf& a : papier.Texte())
        if (a.seite == 2)
            blatt2.push_back(a);
    ASSERT_GE(blatt2.size(), 3u);
    // Title with the name on the left, date and sheet number on the right, then the lines.
    EXPECT_EQ(blatt2[0].text, "Entgeltabrechnung 2026, Erika Muster");
    EXPECT_EQ(blatt2[0].x, druck->XLinks());
    EXPECT_EQ(blatt2[0].y, druck->YOben());
    EXPECT_TRUE(blatt2[0].schrift.kursiv);
    EXPECT_EQ(blatt2[1].text, "09.12.2026, Blatt 2");
    EXPECT_EQ(blatt2[1].x2, druck->XRechts());
    EXPECT_EQ(blatt2[1].y, druck->YOben());
    EXPECT_GE(blatt2[2].y, druck->YOben() + 2 * druck->Zeilenhoehe());
    EXPECT_FALSE(blatt2[2].schrift.kursiv);
    // A device without further sheets shows the first part and nothing off the sheet.
    const TAufzeichnungsCanvas blatt = Gedruckt(false);
    EXPECT_NE(blatt.Text("Zulage Nr. 1"), nullptr);
    EXPECT_EQ(blatt.Text("Auszahlung:"), nullptr);
    for (const TAufruf& a : blatt.Texte())
        EXPECT_LT(a.y, 1493);
}

TEST_F(LohnDruTest, LongNameInTheFurtherSheetsHeadingWrapsBeforeTheDate)
{
    const std::string name = "Maria-Magdalena Friederike Henriette Wilhelmine von und zu "
                             "Hohenlohe-Schillingsfürst-Waldenburg-Bartenstein";
    Eingeben({{"Jahrliste", "2026"}, {"Arbeitnehmer", name.c_str()}});
    for (int i = 1; i <= 37; ++i)
        Posten(QString("Zulage Nr. %1").arg(i).toUtf8().constData(), 10 * i, true);
    Eingeben({{"DetailEntgelt", "Ja"}});
    const TAufzeichnungsCanvas papier = Gedruckt(true);
    ASSERT_EQ(papier.Seiten(), 2);
    EXPECT_EQ(Ueberschneidungen(papier, druck->XLinks(), druck->XRechts(), druck->Zeichenbreite()),
              QStringList());
    QStringList kopf;
    for (const TAufruf& a : papier.Texte())
        if (a.seite == 2 && a.schrift.kursiv && !a.text.contains("Blatt 2"))
            kopf << a.text;
    EXPECT_EQ(kopf.join(' '), QString::fromStdString("Entgeltabrechnung 2026, " + name));
}

TEST_F(LohnDruTest, WrappedItemKeepsItsLinesAndAmountOnOneSheet)
{
    Eingeben({{"Jahrliste", "2026"}});
    for (int i = 1; i <= 40; ++i)
        Posten(QString("Zulage Nr. %1 für Rufbereitschaft an Sonn- und Feiertagen im Winterdienst")
                   .arg(i)
                   .toUtf8()
                   .constData(),
               10 * i, true);
    Eingeben({{"DetailEntgelt", "Ja"}});
    const TAufzeichnungsCanvas papier = Gedruckt(true);
    ASSERT_GE(papier.Seiten(), 2);
    const std::vector<TAufruf> texte = papier.Texte();
    // The label's last line and its amount follow its first line.
    for (std::size_t i = 1; i < texte.size(); ++i) {
        if (!texte[i].text.startsWith("Zulage") && texte[i - 1].text.startsWith("Zulage")) {
            EXPECT_EQ(texte[i].seite, texte[i - 1].seite) << texte[i - 1].text.toStdString();
        }
    }
}

TEST_F(LohnDruTest, NameAndPeriodAddTheirLinesAndOneBlankLine)
{
    Eingeben({{"Jahrliste", "2026"}, {"Entgelt", "4000"}});
    const TAufzeichnungsCanvas ohne = Gedruckt();
    EXPECT_EQ(ohne.Text("Berechnungsdaten")->y, druck->YOben() + 3 * 17);
    Eingeben({{"Arbeitnehmer", "Erika Muster"}});
    const TAufzeichnungsCanvas mit = Gedruckt();
    EXPECT_EQ(mit.Text("Berechnungsdaten")->y, druck->YOben() + 3 * 17 + 25 + 17);
}

TEST_F(LohnDruTest, ZeroWageTaxOfTheSupplementaryTableStillPrinted)
{
    Eingeben({{"Jahrliste", "1994"}, {"Entgelt", "0"}});
    // As the 1993-95 tariff leaves it after a statement without tax (set quietly: a change
    // would recalculate).
    d().Zusatztabelle_angewendet->SetFlag(TValue::vfEnabled | TValue::vfBoolValue, true);
    const TAufzeichnungsCanvas canvas = Gedruckt();
    ASSERT_NE(canvas.Text("Lohnsteuer:     "), nullptr);
    EXPECT_NE(canvas.Text("Z"), nullptr);
    EXPECT_EQ(Rechts(canvas, "Lohnsteuer:     "), "0,00" + druck->Einheit);
}

TEST_F(LohnDruTest, TaxFreeItemsAloneListedBelowTheNetPayOnly)
{
    Eingeben({{"Jahrliste", "2026"}});
    Posten("Fahrgeld", 50, false);
    Eingeben({{"DetailEntgelt", "Ja"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_EQ(canvas.Text("Bezeichnung"), nullptr);
    ASSERT_NE(canvas.Text("Nettoentgelt:"), nullptr);
    ASSERT_NE(canvas.Text("Fahrgeld"), nullptr);
    EXPECT_GT(canvas.Text("Fahrgeld")->y, canvas.Text("Nettoentgelt:")->y);
    EXPECT_LT(canvas.Text("Fahrgeld")->y, canvas.Text("Auszahlung:")->y);
}

TEST_F(LohnDruTest, BeforeNineteenNinetyNineChildBenefitShownEvenWhenZero)
{
    // A weekly statement carries no child benefit.
    Eingeben({{"Jahrliste", "1998"}, {"Kinder", "1"}, {"Zeitraum", "Woche"}, {"Entgelt", "800"}});
    ASSERT_TRUE(d().Kindergeld->IsEnabled());
    ASSERT_EQ(d().Kindergeld->GetValue(), 0);
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_EQ(Rechts(canvas, "Kindergeld"), "0,00" + druck->Einheit);
    EXPECT_NE(canvas.Text("Kinder (-geld):"), nullptr);
}

TEST_F(LohnDruTest, UnknownValueNameIsRefused)
{
    EXPECT_EQ(&DruckWert(d(), "Entgelt"), d().Entgelt);
    EXPECT_THROW(DruckWert(d(), "Entgeld"), Exception);
}

// Stored statements: the text form must stay as it is, column for column.
struct Fall {
    const char* name;
    TEingaben eingaben;
    int posten = 0;
};

const Fall kFaelle[] = {
    {"monat_2026", {{"Jahrliste", "2026"}, {"Steuerklasse", "1"}, {"Entgelt", "4000"}}},
    {"posten_2026", {{"Jahrliste", "2026"}, {"Kirchensteuersatz", "9"}}, 3},
    {"dm_1998",
     {{"Jahrliste", "1998"},
      {"WaehrungName", "DM"},
      {"Steuerklasse", "3"},
      {"Kinder", "2"},
      {"Entgelt", "5000"},
      {"Freibetrag", "300"}}},
    {"pauschal_2026", {{"Jahrliste", "2026"}, {"Entgelt", "500"}, {"PLSt", "Ja"}}},
    {"euro_2002_kammer",
     {{"Jahrliste", "2002"},
      {"Entgelt", "2500"},
      {"Kammer", "Ja"},
      {"NettoAbz", "50"},
      {"NettoAbzText", "Kantine"}}},
    {"offen_2026",
     {{"Jahrliste", "2026"}, {"Entgelt", "3000"}, {"Ausgangswert", "1"}, {"Lohnsteuer", "-5"}}},
};

class LohnTextTest : public LohnDruTest, public testing::WithParamInterface<Fall> {};

TEST_P(LohnTextTest, TextFormAsStored)
{
    const Fall& f = GetParam();
    if (f.posten) {
        Eingeben({{"Jahrliste", "2026"}});
        Posten("Gehalt", 3500, true);
        Posten("Zuschlag netto", 200, true, true);
        Posten("Auslagenersatz", 80, false);
        Eingeben({{"DetailEntgelt", "Ja"}});
    }
    Eingeben(f.eingaben);
    const QString text = ZeilenText(EntgeltabrechnungAlsText(d()));
    WieGespeichert(text, f.name);
    // Heading of 61 characters, and every value with its unit ending at column 43 after the indent.
    const QStringList zeilen = text.split("\r\n");
    EXPECT_EQ(zeilen.front().size(), 61);
    EXPECT_TRUE(zeilen.back().isEmpty()) << "ends with CR LF";
}

INSTANTIATE_TEST_SUITE_P(LohnDru, LohnTextTest, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

// Every year, with the defaults and with every switch and amount filled: both forms are made
// from values the data set has (the lookup raises on any other name).
class LohnJahrTest : public LohnDruTest, public testing::WithParamInterface<int> {};

TEST_P(LohnJahrTest, DefaultAndFullStatementsPrint)
{
    const std::string jahr = std::to_string(GetParam());
    Eingeben({{"Jahrliste", jahr.c_str()}});
    EXPECT_NO_THROW(Gedruckt());
    EXPECT_NO_THROW(EntgeltabrechnungAlsText(d()));
    Posten("Gehalt", 3000, true);
    Posten("Fahrgeld", 50, false);
    Eingeben({{"DetailEntgelt", "Ja"},
              {"Steuerklasse", "2"},
              {"Kinder", "1"},
              {"Kinderfreibetraege", "1,0"},
              {"Kirchensteuersatz", "8"},
              {"Geburtsdatum", "19580615"},
              {"FaktorAnwenden", "Ja"},
              {"Kammer", "Ja"},
              {"KammerLand", "1"},
              {"Kindergeld_Ausz", "Ja"},
              {"Freibetrag", "100"},
              {"Hinzurechnungsbetrag", "50"},
              {"Versorgungsbezuege", "300"},
              {"Sonderzahlungen", "1000"},
              {"AndereAE", "200"},
              {"Gleitzone", "Ja"},
              {"AGZuschussPrivatKV", "Ja"},
              {"PrivatKPVBeitrag", "400"},
              {"Arbeitnehmer", "Max Muster"},
              {"AbrgZeitraum", "Dezember"}});
    const TAufzeichnungsCanvas canvas = Gedruckt();
    EXPECT_NE(canvas.Text("Auszahlung:"), nullptr);
    const QStringList text = EntgeltabrechnungAlsText(d());
    EXPECT_EQ(text.front().size(), 61);
    EXPECT_TRUE(text.back().startsWith(QString(8, ' ') + "Netto:"));
}

INSTANTIATE_TEST_SUITE_P(LohnDru, LohnJahrTest,
                         testing::Values(1990, 1993, 1996, 1998, 1999, 2001, 2002, 2004, 2005, 2010,
                                         2013, 2019, 2022, 2024, 2025, 2026, 2027));

} // namespace
