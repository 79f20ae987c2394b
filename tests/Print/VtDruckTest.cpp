// The printout base: every size taken from the canvas, the line advance, the pen, copies and the
// print job's end, sheets that run long; and the Qt canvas's fonts on the device itself.
#include "Print/VtDruck.h"
#include "AblehnenderDrucker.h"
#include "AufzeichnungsCanvas.h"
#include "Lib/FileSystem.h"
#include "PdfSeiten.h"
#include "Print/QtDruckCanvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

// A printout whose page body is the test's.
class TTestDruck : public TVtDruck {
public:
    std::function<void(TTestDruck&)> seite;
    int seiten = 0;
    void DruckeSeite() override
    {
        ++seiten;
        if (seite)
            seite(*this);
    }
};

TEST(VtDruck, SizesComeFromTheClipRectangle)
{
    TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
    TTestDruck druck;
    druck.SeiteEinrichten(canvas);
    EXPECT_EQ(druck.HoeheNormal(), 23);
    EXPECT_EQ(druck.HoeheKursiv(), 30);
    EXPECT_EQ(druck.HoeheTitel(), 35);
    EXPECT_EQ(druck.Zeilenhoehe(), 17);
    EXPECT_EQ(druck.PixelProZoll(), 96);
    // "X" at the base height 19 is 9 wide on this canvas.
    EXPECT_EQ(druck.Zeichenbreite(), 9);
    EXPECT_EQ(druck.XLinks(), 90);
    EXPECT_EQ(druck.XMitte(), 545);
    EXPECT_EQ(druck.XRechts(), 1000 - 135);
    EXPECT_EQ(druck.YOben(), 85);
    EXPECT_EQ(druck.Y(), 85);
    EXPECT_EQ(druck.seiten, 1);
    // The base font until the page body chooses one.
    EXPECT_EQ(canvas.Aufrufe().front().schrift, (TDruckSchrift{"Arial", 19, false, false}));
}

struct Schema {
    const char* name;
    TDruckSchema schema;
    int randLinks, randRechts;
    int normal, kursiv, titel, zeile, xLinks, xRechts, yOben, vorschub;
};
class SchemaTest : public testing::TestWithParam<Schema> {};

// Paper-only printouts measure the page (here 1000 x 1400 inside a clip of 1493), B = 1400 div 70.
TEST_P(SchemaTest, SizesOfThePaperOnlyPrintouts)
{
    const Schema& f = GetParam();
    TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
    canvas.Seite = QSize(1000, 1400);
    TTestDruck druck;
    druck.Schema = f.schema;
    druck.RandLinks = f.randLinks;
    druck.RandRechts = f.randRechts;
    int vorschub = 0;
    druck.seite = [&vorschub](TTestDruck& d) {
        const int y = d.Y();
        d.Zeilenvorschub(1.5);
        vorschub = d.Y() - y;
    };
    druck.SeiteEinrichten(canvas);
    EXPECT_EQ(druck.HoeheNormal(), f.normal);
    EXPECT_EQ(druck.HoeheKursiv(), f.kursiv);
    EXPECT_EQ(druck.HoeheTitel(), f.titel);
    EXPECT_EQ(druck.Zeilenhoehe(), f.zeile);
    EXPECT_EQ(druck.XLinks(), f.xLinks);
    EXPECT_EQ(druck.XRechts(), f.xRechts);
    EXPECT_EQ(druck.YOben(), f.yOben);
    EXPECT_EQ(vorschub, f.vorschub);
}

// "X" at B = 20 is 10 wide on the recording canvas.
INSTANTIATE_TEST_SUITE_P(VtDruck, SchemaTest,
                         testing::Values(Schema{"einkommensteuer", TDruckSchema::Prozedur(), 10, 15,
                                                24, 31, 36, 20, 100, 850, 100, 30},
                                         Schema{"estvergleich", TDruckSchema::Prozedur(20), 6, 2,
                                                21, 31, 36, 20, 60, 980, 100, 30},
                                         Schema{"lohnvergleich", TDruckSchema::Prozedur(20, 9), 6,
                                                2, 21, 31, 36, 18, 60, 980, 90, 27}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Stift {
    int pixelProZoll;
    int breite;
};
class StiftTest : public testing::TestWithParam<Stift> {};

TEST_P(StiftTest, QuarterMillimetreHalvesToEven)
{
    TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493), GetParam().pixelProZoll);
    TTestDruck druck;
    druck.SeiteEinrichten(canvas);
    int gesetzt = -1;
    for (const TAufruf& a : canvas.Aufrufe())
        if (a.art == TAufruf::Stift)
            gesetzt = a.x;
    EXPECT_EQ(gesetzt, GetParam().breite) << GetParam().pixelProZoll << " dpi";
}

INSTANTIATE_TEST_SUITE_P(VtDruck, StiftTest,
                         testing::Values(Stift{96, 1}, Stift{600, 6}, Stift{254, 2}, Stift{762, 8},
                                         Stift{300, 3}));

TEST(VtDruck, LineAdvanceTruncates)
{
    TAufzeichnungsCanvas canvas;
    TTestDruck druck;
    druck.seite = [](TTestDruck& d) {
        const int vorher = d.Y();
        d.VorschubMerkerLoeschen();
        d.Zeilenvorschub(1.5);
        EXPECT_EQ(d.Y() - vorher, 25);
        EXPECT_TRUE(d.Vorgeschoben());
    };
    druck.SeiteEinrichten(canvas);
}

TEST(VtDruck, HeadingTitleLeftDateRightThreeLinesDown)
{
    HeuteFestlegen(SetDatum(9, 12, 2026));
    TAufzeichnungsCanvas canvas;
    TTestDruck druck;
    druck.seite = [](TTestDruck& d) { d.Kopfzeile("Entgeltabrechnung 2026"); };
    druck.SeiteEinrichten(canvas);
    HeuteFestlegen({});
    const TAufruf* titel = canvas.Text("Entgeltabrechnung 2026");
    ASSERT_NE(titel, nullptr);
    EXPECT_EQ(titel->x, druck.XLinks());
    EXPECT_EQ(titel->y, druck.YOben());
    EXPECT_EQ(titel->schrift, (TDruckSchrift{"Arial", 35, true, true}));
    const TAufruf* datum = canvas.Text("09.12.2026");
    ASSERT_NE(datum, nullptr);
    EXPECT_EQ(datum->x2, druck.XRechts());
    EXPECT_EQ(datum->y, druck.YOben());
    EXPECT_EQ(datum->schrift, (TDruckSchrift{"Arial", 23, false, false}));
    EXPECT_EQ(druck.Y(), druck.YOben() + 3 * 17);
}

struct Kopien {
    int kopien;
    int seiten;
};
class KopienTest : public testing::TestWithParam<Kopien> {};

TEST_P(KopienTest, AtLeastOnePageInOneJob)
{
    TAufzeichnungsAuftrag auftrag;
    TTestDruck druck;
    druck.Titel = "Vantrel 2026 - [Entgeltabrechnung]";
    druck.Kopien = GetParam().kopien;
    druck.Drucken(auftrag);
    EXPECT_EQ(druck.seiten, GetParam().seiten);
    EXPECT_EQ(auftrag.canvas.Seiten(), GetParam().seiten);
    EXPECT_EQ(auftrag.begonnen, 1);
    EXPECT_EQ(auftrag.beendet, 1);
    EXPECT_EQ(auftrag.titel, "Vantrel 2026 - [Entgeltabrechnung]");
}

INSTANTIATE_TEST_SUITE_P(VtDruck, KopienTest,
                         testing::Values(Kopien{0, 1}, Kopien{-2, 1}, Kopien{1, 1}, Kopien{3, 3}));

TEST(VtDruck, JobEndsWhenThePageBodyFails)
{
    TAufzeichnungsAuftrag auftrag;
    TTestDruck druck;
    druck.Kopien = 2;
    druck.seite = [](TTestDruck&) { throw std::runtime_error("kaputt"); };
    EXPECT_THROW(druck.Drucken(auftrag), std::runtime_error);
    EXPECT_EQ(auftrag.begonnen, 1);
    EXPECT_EQ(auftrag.beendet, 1);
}

// A page body of 100 lines, longer than any sheet.
void HundertZeilen(TTestDruck& d)
{
    for (int i = 0; i < 100; ++i) {
        d.TextAus(d.XLinks(), QString("Zeile %1").arg(i));
        d.Zeilenvorschub(1.5);
    }
}

TEST(VtDruck, LongPageGoesOnOnANewSheet)
{
    TAufzeichnungsCanvas canvas;
    TTestDruck druck;
    druck.seite = HundertZeilen;
    druck.SeiteEinrichten(canvas);
    const std::vector<TAufruf> texte = canvas.Texte();
    // The lines, and the further sheet's heading (no title here: date and sheet number).
    EXPECT_EQ(texte.size(), 101u);
    EXPECT_EQ(canvas.Seiten(), 2);
    const TAufruf* weiter = nullptr;
    for (const TAufruf& a : texte) {
        EXPECT_LE(a.y + druck.Zeilenhoehe(), 1493 - druck.YOben()) << a.text.toStdString();
        if (!weiter && a.seite == 2)
            weiter = &a;
    }
    ASSERT_NE(weiter, nullptr);
    EXPECT_EQ(weiter->text, HeuteAlsText() + ", Blatt 2");
    EXPECT_EQ(weiter->y, druck.YOben());
    EXPECT_EQ(weiter[1].y, druck.YOben() + 2 * (druck.Zeilenhoehe() * 3 / 2));
}

TEST(VtDruck, SingleSheetShowsWhatFitsAndNothingBelow)
{
    TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493), 96, false);
    TTestDruck druck;
    druck.seite = HundertZeilen;
    druck.SeiteEinrichten(canvas);
    const std::vector<TAufruf> texte = canvas.Texte();
    EXPECT_LT(texte.size(), 100u);
    EXPECT_GT(texte.size(), 40u);
    EXPECT_EQ(texte.back().text, QString("Zeile %1").arg(texte.size() - 1));
    for (const TAufruf& a : texte)
        EXPECT_LE(a.y + druck.Zeilenhoehe(), 1493 - druck.YOben());
}

TEST(VtDruck, TextColumnsCountCharacters)
{
    EXPECT_EQ(Leerzeichen(0), "");
    EXPECT_EQ(Leerzeichen(-3), "");
    EXPECT_EQ(BisSpalte("Jahr:", "2026", 12), "Jahr:   2026");
    // Umlauts and the euro sign are one column each.
    EXPECT_EQ(BisSpalte("Kinderfreibeträge:", "1,0 €", 30).size(), 30);
    // An over-long label pushes the value right, nothing is cut.
    EXPECT_EQ(BisSpalte("Ein sehr langer Text", "1,00", 10), "Ein sehr langer Text1,00");
    EXPECT_EQ(ZeilenText({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

// The Qt canvas measures on the device: a font's line is as high as asked at any resolution.
class QtCanvasTest : public testing::TestWithParam<int> {};

TEST_P(QtCanvasTest, CellHeightOnTheDevice)
{
    const int dpi = GetParam();
    QImage bild(200, 200, QImage::Format_RGB32);
    bild.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    bild.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    for (int hoehe : {17, 23, 30, 35, 141}) {
        for (bool fett : {false, true}) {
            const QFont font = TQtDruckCanvas::FontFuer({"Arial", hoehe, fett, fett}, bild);
            EXPECT_EQ(QFontMetrics(font, &bild).height(), hoehe) << dpi << " dpi, " << hoehe;
            EXPECT_FALSE(font.kerning());
        }
    }
    const QFont font = TQtDruckCanvas::FontFuer({"Arial", 23, false, false}, bild);
    EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
}

INSTANTIATE_TEST_SUITE_P(VtDruck, QtCanvasTest, testing::Values(96, 600));

TEST(QtDruckAuftrag, PrinterThatCannotStartIsAnError)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName("/nicht/vorhanden/ordner/aus.pdf");
    TQtDruckAuftrag auftrag(drucker);
    TTestDruck druck;
    EXPECT_THROW(druck.Drucken(auftrag), EDruckFehler);
    EXPECT_EQ(druck.seiten, 0);
}

TEST(QtDruckAuftrag, PrinterThatRefusesTheJobSaysSoAndTheNextJobPrints)
{
    using A = TAblehnenderDrucker::Ablehnung;
    const struct {
        A ablehnung;
        QString datei;
        std::string meldung;
    } faelle[] = {
        {A::Ende, "", "Der Drucker \"Buero\" nimmt keine Aufträge an."},
        {A::Fehler, "", "Der Drucker \"Buero\" nimmt keine Aufträge an."},
        {A::Abgebrochen, "", "Der Druck auf \"Buero\" wurde abgebrochen."},
        {A::Fehler, "/nicht/vorhanden/aus.pdf",
         "Der Druck in die Datei \"/nicht/vorhanden/aus.pdf\" konnte nicht abgeschlossen werden: " +
             SystemFehlerText(ENOENT) + "."},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.meldung);
        TAblehnenderDrucker drucker;
        drucker.ablehnung = fall.ablehnung;
        drucker.datei = fall.datei;
        TTestDruck druck;
        druck.seite = [](TTestDruck& d) { d.Kopfzeile("Abgelehnt"); };
        try {
            TQtDruckAuftrag auftrag(drucker);
            druck.Drucken(auftrag);
            ADD_FAILURE() << "printed without a word";
        } catch (const EDruckFehler& e) {
            EXPECT_EQ(e.what(), fall.meldung);
        }
        drucker.ablehnung = A::Keine;
        TQtDruckAuftrag auftrag(drucker);
        EXPECT_NO_THROW(druck.Drucken(auftrag));
        EXPECT_EQ(druck.seiten, 2);
    }
}

TEST(QtDruckAuftrag, CopiesArePagesOfOnePdf)
{
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("kopien.pdf");
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pdf);
    {
        TQtDruckAuftrag auftrag(drucker);
        TTestDruck druck;
        druck.Kopien = 3;
        druck.seite = [](TTestDruck& d) { d.Kopfzeile("Kopie"); };
        druck.Drucken(auftrag);
        // 600 dpi or more: the quarter millimetre is several pixels.
        EXPECT_GE(druck.PixelProZoll(), 600);
    }
    EXPECT_EQ(PdfSeiten(pdf), 3);
}

} // namespace
