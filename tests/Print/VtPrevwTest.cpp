// The print preview: the sheet's bounds in its panel, the calculation that owns the printout, and
// the sheet image drawn with shadow and printout.
#include "Print/VtPrevw.h"
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Gui/GuiTestSupport.h"
#include "Lib/Component.h"
#include "PdfSeiten.h"
#include "Print/LohnDru.h"
#include "Print/QtDruckCanvas.h"
#include "Print/VtDruck.h"
#include "Support/OptionenUmgebung.h"

#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

struct Bounds {
    QSize panel;
    QRect bild;
};
class BildRechteckTest : public testing::TestWithParam<Bounds> {};

TEST_P(BildRechteckTest, SheetKeepsItsProportions)
{
    EXPECT_EQ(TFoVtPrintPreview::BildRechteck(GetParam().panel), GetParam().bild);
}

INSTANTIATE_TEST_SUITE_P(VtPrevw, BildRechteckTest,
                         testing::Values(Bounds{{500, 500}, {77, 5, 346, 490}},
                                         Bounds{{300, 800}, {5, 195, 290, 410}},
                                         Bounds{{210, 297}, {4, 5, 202, 287}}));

TEST(VtPrevw, MarginAndBaseUnitAtTheScreensResolution)
{
    EXPECT_EQ(TFoVtPrintPreview::RandFuer(96), 8);
    EXPECT_EQ(TFoVtPrintPreview::RandFuer(120), 10);
    // The image with its margin: (1485 + 8) rows, 19 of them to a 75th.
    EXPECT_EQ((1485 + TFoVtPrintPreview::RandFuer(96)) / 75, 19);
}

class TZaehlDruck : public TVtDruck {
public:
    explicit TZaehlDruck(int& freigegeben) : m_freigegeben(freigegeben) {}
    ~TZaehlDruck() override { ++m_freigegeben; }
    void DruckeSeite() override { Kopfzeile("Vorschau"); }

private:
    int& m_freigegeben;
};

TEST(VtPrevw, SecondPrintoutFreesTheFirstTheSameOneNothing)
{
    int freigegeben = 0;
    {
        auto preview = MakeComponent<TVtPrintPreviewBerechnung>(nullptr, "PreviewBerechnung");
        EXPECT_EQ(preview->Daten().Name(), "PreviewBerechnung");
        EXPECT_EQ(preview->Daten().ValueCount(), 0);
        preview->SetDruck(std::make_unique<TZaehlDruck>(freigegeben));
        TVtDruck* erster = preview->Druck();
        preview->SetDruck(std::unique_ptr<TVtDruck>(erster));
        EXPECT_EQ(freigegeben, 0);
        EXPECT_EQ(preview->Druck(), erster);
        preview->SetDruck(std::make_unique<TZaehlDruck>(freigegeben));
        EXPECT_EQ(freigegeben, 1);
        preview->SetDruck(nullptr);
        EXPECT_EQ(freigegeben, 2);
        preview->SetDruck(std::make_unique<TZaehlDruck>(freigegeben));
    }
    EXPECT_EQ(freigegeben, 3);
}

class VtPrevwFormTest : public GuiHookFixture {};

// A printout of `zeilen` lines.
class TZeilenDruck : public TVtDruck {
public:
    explicit TZeilenDruck(int zeilen) : m_zeilen(zeilen) {}
    void DruckeSeite() override
    {
        Kopfzeile("Vorschau");
        for (int i = 1; i <= m_zeilen; ++i)
            Zeile(QString("Zeile %1").arg(i), QString(), QString());
    }

private:
    int m_zeilen;
};

TEST_F(VtPrevwFormTest, LongPrintoutIsPagedSheetBySheet)
{
    auto preview = MakeComponent<TVtPrintPreviewBerechnung>(nullptr, "PreviewBerechnung");
    TFoVtPrintPreview form;
    form.init();
    form.SetBerechnung(preview.get());
    const QImage& bild = form.Bild()->Bild();
    preview->SetDruck(std::make_unique<TZeilenDruck>(130));
    form.Refresh();
    ASSERT_EQ(form.Blaetter(), 3);
    EXPECT_EQ(form.Blatt(), 1);
    EXPECT_FALSE(form.BlattLeiste()->isHidden());
    EXPECT_EQ(form.BlattLeiste()->findChild<QLabel*>("stBlatt")->text(), "Blatt 1 von 3");
    EXPECT_FALSE(form.bnVorigesBlatt()->isEnabled());
    const QImage blatt1 = bild.copy();
    QTest::mouseClick(form.bnNaechstesBlatt(), Qt::LeftButton);
    EXPECT_EQ(form.Blatt(), 2);
    EXPECT_NE(bild, blatt1);
    QTest::mouseClick(form.bnNaechstesBlatt(), Qt::LeftButton);
    EXPECT_EQ(form.Blatt(), 3);
    EXPECT_FALSE(form.bnNaechstesBlatt()->isEnabled());
    QTest::mouseClick(form.bnVorigesBlatt(), Qt::LeftButton);
    QTest::mouseClick(form.bnVorigesBlatt(), Qt::LeftButton);
    EXPECT_EQ(bild, blatt1);

    // A printout of one sheet has no bar; a new one starts on its first sheet.
    preview->SetDruck(std::make_unique<TZeilenDruck>(3));
    form.Refresh();
    EXPECT_EQ(form.Blaetter(), 1);
    EXPECT_TRUE(form.BlattLeiste()->isHidden());
    preview->SetDruck(std::make_unique<TZeilenDruck>(130));
    form.BlattZeigen(3);
    preview->SetDruck(std::make_unique<TZeilenDruck>(130));
    form.Refresh();
    EXPECT_EQ(form.Blatt(), 1);
    form.SetBerechnung(nullptr);
}

// The payroll statement noting the sheet and height of each of its rules and of its end.
class TLinienDruck : public TVtDruckEntgeltabrechnung {
public:
    using TVtDruckEntgeltabrechnung::TVtDruckEntgeltabrechnung;
    std::vector<std::pair<int, int>> stellen;
    void DruckeSeite() override
    {
        stellen.clear();
        TVtDruckEntgeltabrechnung::DruckeSeite();
        stellen.emplace_back(Blatt(), Y());
    }
    void Linie() override
    {
        TVtDruckEntgeltabrechnung::Linie();
        stellen.emplace_back(Blatt(), Y());
    }
};

TEST_F(VtPrevwFormTest, LinesAndSheetsBreakAsOnThePaper)
{
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    const auto lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    TLohnDaten& d = lohn->LohnDatenOf();
    for (int i = 1; i <= 30; ++i) {
        auto posten = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        TDetailEntgeltDaten& p = posten->DetailEntgeltDaten();
        p.Bezeichnung().SetValue(
            "Zulage Nr. " + std::to_string(i) +
            (i % 3 == 0 ? " für Rufbereitschaft an Sonn- und Feiertagen im Winterdienst" : ""));
        p.Betrag().SetValue(10.0 * i);
        p.SozVersPflicht().SetValue(true);
        p.StPflicht().SetValue(true);
        d.DetailEntgelte().Hinzufuegen(p);
    }
    d.Jahrliste->SetAsString("2026");
    d.DetailEntgelt->SetValue(true);
    d.SetModified(true);
    lohn->Recalculate();

    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("papier.pdf");
    const QString vorher = Drucker().outputFileName();
    Drucker().setOutputFormat(QPrinter::PdfFormat);
    Drucker().setOutputFileName(pdf);
    TLinienDruck papier(d);
    {
        TQtDruckAuftrag auftrag(Drucker());
        papier.Drucken(auftrag);
    }
    auto preview = MakeComponent<TVtPrintPreviewBerechnung>(nullptr, "PreviewBerechnung");
    TFoVtPrintPreview form;
    form.init();
    form.SetBerechnung(preview.get());
    auto druck = std::make_unique<TLinienDruck>(d);
    const TLinienDruck& vorschau = *druck;
    preview->SetDruck(std::move(druck));
    form.Refresh();
    Drucker().setOutputFileName(vorher);
    ASSERT_EQ(PdfSeiten(pdf), 2);
    EXPECT_EQ(form.Blaetter(), 2);
    EXPECT_EQ(vorschau.stellen, papier.stellen);
    form.SetBerechnung(nullptr);
}

TEST_F(VtPrevwFormTest, SheetWithShadowAndThePrintout)
{
    int freigegeben = 0;
    auto preview = MakeComponent<TVtPrintPreviewBerechnung>(nullptr, "PreviewBerechnung");
    TFoVtPrintPreview form;
    form.init();
    EXPECT_EQ(form.windowTitle(), "Druckvorschau");
    form.SetBerechnung(preview.get());
    const QImage& bild = form.Bild()->Bild();
    const int rand = form.Rand();
    ASSERT_EQ(bild.size(), QSize(1050 + rand, 1485 + rand));
    const auto blatt = bild.pixelColor(500, 500);
    EXPECT_EQ(bild.pixel(bild.width() - rand / 2, bild.height() / 2),
              form.palette().color(QPalette::Text).rgb());
    EXPECT_EQ(bild.pixel(rand / 2, bild.height() - rand / 2),
              form.Panel()->palette().color(QPalette::Window).rgb());
    // Empty sheet: nothing drawn on it.
    int dunkel = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 800; ++x)
            dunkel += bild.pixelColor(x, y) != blatt;
    EXPECT_EQ(dunkel, 0);

    preview->SetDruck(std::make_unique<TZaehlDruck>(freigegeben));
    form.Refresh();
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 800; ++x)
            dunkel += bild.pixelColor(x, y) != blatt;
    EXPECT_GT(dunkel, 100);
    form.SetBerechnung(nullptr);
}

} // namespace
