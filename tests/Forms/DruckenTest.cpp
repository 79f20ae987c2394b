// Printing from the main window as a user does it: "&Drucken..." with copies into a PDF, the page
// as a text file, the page on the clipboard, the speed buttons, and the print preview with its
// magnified view.
#include "DialogTestSupport.h"
#include "Forms/Dialoge/AbrgDruck.h"
#include "Lib/FileSystem.h"
#include "Print/LohnDru.h"
#include "Print/PdfSeiten.h"
#include "Print/QtDruckCanvas.h"
#include "Print/VtDruck.h"
#include "Print/VtPrevw.h"
#include "Support/FileLayerFake.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>

#include <cerrno>
#include <sys/stat.h>

namespace {

class DruckenTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        m_ausgabe = QString::fromStdString(m_umgebung.Xdg().Ordner("ausgabe"));
        Drucker().setOutputFormat(QPrinter::PdfFormat);
        Drucker().setOutputFileName(m_ausgabe + "/druck.pdf");
        Drucker().setCopyCount(1);
        // The employee's name and period of the statement.
        Antwort<TFoAbrgDruck>([this](TFoAbrgDruck& dialog) {
            ++m_abrgDialoge;
            Tippen(*dialog.cbArbeitnehmer(), "Erika Muster");
            Tippen(*dialog.cbAbrgZeitraum(), "Dezember 2026");
            QTest::mouseClick(dialog.bnDrucken(), Qt::LeftButton);
            return dialog.ModalResult();
        });
        auto* entgelt = m_seite->Control<QWidget>("ebEntgelt");
        Tippen(*entgelt, "4000,00");
        QTest::keyClick(entgelt, Qt::Key_Tab);
    }
    void TearDown() override
    {
        HeuteFestlegen({});
        DialogTest::TearDown();
    }
    // Answers the print dialog: the copies typed, text output ticked or not, then OK.
    void DruckDialogAntwort(int kopien, bool alsText)
    {
        Antwort<QPrintDialog>([this, kopien, alsText](QPrintDialog& dialog) {
            ++m_druckDialoge;
            auto* box = dialog.findChild<QCheckBox*>("chAlsText");
            EXPECT_NE(box, nullptr);
            if (box && alsText)
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            if (auto* anzahl = dialog.findChild<QSpinBox*>("copies")) {
                anzahl->selectAll();
                QTest::keyClicks(anzahl, QString::number(kopien));
            } else {
                ADD_FAILURE() << "no copies field";
            }
            dialog.accept();
            return dialog.result();
        });
    }
    // Answers the save dialog with the file name typed, as `datei` reads then.
    void DateiAntwort(const QString& datei)
    {
        Antwort<QFileDialog>([&datei](QFileDialog& dialog) {
            EXPECT_EQ(dialog.selectedFiles().value(0).section('/', -1), "VANTRL.TXT");
            dialog.show();
            QApplication::processEvents();
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            EXPECT_NE(name, nullptr);
            if (name) {
                Tippen(*name, datei);
                QTest::keyClick(name, Qt::Key_Return);
            }
            return dialog.result();
        });
    }
    QString m_ausgabe;
    int m_abrgDialoge = 0;
    int m_druckDialoge = 0;
};

TEST_F(DruckenTest, CopiesFromThePrintDialogArePrintedOnceEach)
{
    ASSERT_TRUE(m_fenster->Item("miDrucken")->isEnabled());
    DruckDialogAntwort(2, false);
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
    EXPECT_EQ(m_druckDialoge, 1);
    EXPECT_EQ(m_abrgDialoge, 1);
    EXPECT_EQ(d->Arbeitnehmer->GetValue(), "Erika Muster");
    EXPECT_EQ(PdfSeiten(m_ausgabe + "/druck.pdf"), 2);
    // The printer does not repeat the copies a second time.
    EXPECT_EQ(Drucker().copyCount(), 1);
    // A sample for the documentation.
    QFile::remove(QString(VT_TEST_OUTPUT_DIR) + "/entgeltabrechnung.pdf");
    QFile::copy(m_ausgabe + "/druck.pdf", QString(VT_TEST_OUTPUT_DIR) + "/entgeltabrechnung.pdf");
}

TEST_F(DruckenTest, SpeedButtonPrintsOneCopy)
{
    QTest::mouseClick(m_fenster->Button("bnDrucken"), Qt::LeftButton);
    EXPECT_EQ(m_abrgDialoge, 1);
    EXPECT_EQ(PdfSeiten(m_ausgabe + "/druck.pdf"), 1);
}

TEST_F(DruckenTest, PageWithoutItsPrintoutKeepsThePrintCommandsDisabled)
{
    m_seite->findChild<QAction*>("pmiDrucken")->setEnabled(false);
    m_fenster->MenueAktualisieren();
    EXPECT_FALSE(m_fenster->Item("miDrucken")->isEnabled());
    EXPECT_FALSE(m_fenster->Button("bnDrucken")->isEnabled());
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_EQ(m_druckDialoge, 0);
}

TEST_F(DruckenTest, SpeedButtonOnlyBeepsWhileThePrinterIsBusy)
{
    QPainter laufend(&Drucker());
    ASSERT_EQ(Drucker().printerState(), QPrinter::Active);
    QTest::mouseClick(m_fenster->Button("bnDrucken"), Qt::LeftButton);
    EXPECT_EQ(m_fehlerBeeps, 1);
    EXPECT_EQ(m_abrgDialoge, 0);
    laufend.end();
}

TEST_F(DruckenTest, PrinterThatCannotStartSaysWhyAndTheNextPrintWorks)
{
    const struct {
        QString datei;
        QString meldung;
    } faelle[] = {
        // No printer set up (the tests' print server cannot be reached): Qt's engine has no
        // output and stays active.
        {"", "Der Druck konnte nicht gestartet werden: Kein Drucker eingerichtet."},
        {m_ausgabe + "/fehlt/druck.pdf",
         "Der Druck in die Datei \"" + m_ausgabe +
             "/fehlt/druck.pdf\" konnte nicht gestartet werden: " +
             QString::fromStdString(SystemFehlerText(ENOENT)) + "."},
    };
    for (const auto& fall : faelle) {
        m_fehler.clear();
        Drucker().setOutputFileName(fall.datei);
        QTest::mouseClick(m_fenster->Button("bnDrucken"), Qt::LeftButton);
        ASSERT_EQ(m_fehler.size(), 1) << fall.datei.toStdString();
        EXPECT_EQ(m_fehler.front(), fall.meldung);
        // Printing goes on: the speed button prints, into a file that works.
        Drucker().setOutputFileName(m_ausgabe + "/druck.pdf");
        QTest::mouseClick(m_fenster->Button("bnDrucken"), Qt::LeftButton);
        EXPECT_EQ(m_fehler.size(), 1);
        EXPECT_EQ(m_fehlerBeeps, 0);
        EXPECT_EQ(PdfSeiten(m_ausgabe + "/druck.pdf"), 1) << fall.datei.toStdString();
        QFile::remove(m_ausgabe + "/druck.pdf");
    }
}

TEST_F(DruckenTest, TextFileAsOnTheClipboard)
{
    const QString datei = m_ausgabe + "/abrechnung.txt";
    DruckDialogAntwort(1, true);
    DateiAntwort(datei);
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
    EXPECT_EQ(m_abrgDialoge, 0);
    const QString text = QString::fromStdString(DateiLesen(datei.toStdString()));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(text, ZeilenText(EntgeltabrechnungAlsText(*d)));
    EXPECT_TRUE(
        text.startsWith("Entgeltabrechnung                                  09.12.2026\r\n"));
    EXPECT_TRUE(text.contains("        Lohnsteuer:                    524,50  "))
        << text.toStdString();

    m_seite->findChild<QAction*>("pmiSeitekopieren")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), text);

    // Writing over it needs a yes; "No" keeps the file as it was.
    d->Entgelt->SetValue(5000);
    DruckDialogAntwort(1, true);
    m_fenster->Item("miDrucken")->trigger();
    ASSERT_EQ(m_fragen.size(), 1);
    EXPECT_TRUE(m_fragen.front().contains("existiert bereits"));
    EXPECT_EQ(QString::fromStdString(DateiLesen(datei.toStdString())), text);
    m_jaAntwort = true;
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_TRUE(QString::fromStdString(DateiLesen(datei.toStdString())).contains("5.000,00"));
}

TEST_F(DruckenTest, TextFileAsksNothingOfThePdfFileAndLeavesIt)
{
    const QString pdf = m_ausgabe + "/druck.pdf";
    const QString text = m_ausgabe + "/abrechnung.txt";
    DateiSchreiben(pdf.toStdString(), "alt");
    // A question of Qt's own dialog bypasses the program's hook: noted here and answered "No".
    QStringList qtFragen;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&qtFragen] {
        if (auto* frage = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            qtFragen << frage->text();
            frage->button(QMessageBox::No)->click();
        }
    });
    wache.start(10);
    // Ticked, then "Print" clicked: the button runs the dialog's own checks.
    Antwort<QPrintDialog>([](QPrintDialog& dialog) {
        auto* box = dialog.findChild<QCheckBox*>("chAlsText");
        auto* knoepfe = dialog.findChild<QDialogButtonBox*>();
        EXPECT_TRUE(box && knoepfe);
        if (box && knoepfe) {
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            QTest::mouseClick(knoepfe->button(QDialogButtonBox::Ok), Qt::LeftButton);
        }
        return dialog.result();
    });
    DateiAntwort(text);
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_EQ(qtFragen, QStringList());
    EXPECT_TRUE(m_fragen.isEmpty());
    EXPECT_EQ(QString::fromStdString(DateiLesen(text.toStdString())),
              ZeilenText(EntgeltabrechnungAlsText(*d)));
    EXPECT_EQ(DateiLesen(pdf.toStdString()), "alt");
    EXPECT_EQ(Drucker().outputFileName(), pdf);
}

TEST_F(DruckenTest, PdfFileOfferedFollowsTheCaptionOfThePagePrinted)
{
    const QString lohn = m_ausgabe + "/Vantrel 2026 - [Entgeltabrechnung].pdf";
    Drucker().setOutputFileName(lohn);
    QTest::mouseClick(m_fenster->Button("bnDrucken"), Qt::LeftButton);
    ASSERT_EQ(PdfSeiten(lohn), 1);
    QTest::mouseClick(m_fenster->Button("bnESt"), Qt::LeftButton);
    const QString titel = m_fenster->windowTitle();
    ASSERT_TRUE(titel.contains("Einkommensteuer")) << titel.toStdString();
    QString dokument;
    QString angeboten;
    Antwort<QPrintDialog>([&](QPrintDialog& dialog) {
        dokument = dialog.printer()->docName();
        angeboten = dialog.printer()->outputFileName();
        dialog.accept();
        return dialog.result();
    });
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
    EXPECT_EQ(dokument, titel);
    EXPECT_EQ(angeboten, m_ausgabe + "/" + titel + ".pdf");
    EXPECT_EQ(PdfSeiten(m_ausgabe + "/" + titel + ".pdf"), 1);
    EXPECT_EQ(PdfSeiten(lohn), 1);
}

TEST_F(DruckenTest, TextFileThatCannotBeWrittenIsReportedAndKeepsTheOldFile)
{
    const QString ordner = m_ausgabe + "/text";
    ASSERT_TRUE(QDir().mkpath(ordner));
    const struct {
        const char* name;
        bool alt;
        TFileLayerFake::Schritt schritt;
        QString grund;
    } faelle[] = {
        {"fehlt/a.txt", false, TFileLayerFake::Schritt::Keiner,
         QString::fromStdString(SystemFehlerText(ENOENT))},
        {"voll.txt", true, TFileLayerFake::Schritt::Schreiben,
         QString::fromStdString(SystemFehlerText(ENOSPC))},
        {"neu.txt", false, TFileLayerFake::Schritt::Schreiben,
         QString::fromStdString(SystemFehlerText(ENOSPC))},
        {"fifo.txt", false, TFileLayerFake::Schritt::Keiner, "Keine gewöhnliche Datei"},
    };
    ASSERT_EQ(::mkfifo((ordner + "/fifo.txt").toLocal8Bit().constData(), 0600), 0);
    QString datei;
    DateiAntwort(datei);
    DruckDialogAntwort(1, true);
    m_jaAntwort = true;
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        datei = ordner + "/" + fall.name;
        if (fall.alt)
            DateiSchreiben(datei.toStdString(), "alt\r\n");
        const QStringList vorher = QDir(ordner).entryList(QDir::Files | QDir::System);
        TFileLayerFake schicht;
        schicht.Scheitern(fall.schritt, ENOSPC);
        m_fehler.clear();
        m_fenster->Item("miDrucken")->trigger();
        ASSERT_EQ(m_fehler.size(), 1);
        EXPECT_EQ(m_fehler.front(), "Der Text kann nicht in die Datei \"" + datei +
                                        "\" geschrieben werden: " + fall.grund);
        EXPECT_EQ(QDir(ordner).entryList(QDir::Files | QDir::System), vorher);
        if (fall.alt) {
            EXPECT_EQ(DateiLesen(datei.toStdString()), "alt\r\n");
        }
    }
}

TEST_F(DruckenTest, CancelledPrintDialogPrintsNothing)
{
    Antwort<QPrintDialog>([](QPrintDialog&) { return int(QDialog::Rejected); });
    m_fenster->Item("miDrucken")->trigger();
    EXPECT_EQ(m_abrgDialoge, 0);
    EXPECT_FALSE(QFile::exists(m_ausgabe + "/druck.pdf"));
}

TEST_F(DruckenTest, PreviewShowsTheStatementAndMagnifiesWhereClicked)
{
    m_fenster->resize(1366, 768);
    ASSERT_TRUE(m_fenster->Button("bnPreview")->isEnabled());
    QTest::mouseClick(m_fenster->Button("bnPreview"), Qt::LeftButton);
    ASSERT_EQ(m_fenster->PageIndex(), 6);
    EXPECT_EQ(m_fenster->windowTitle(), "Vantrel 2026 - [Druckvorschau]");
    auto* vorschau = dynamic_cast<TFoVtPrintPreview*>(m_fenster->ActivePageForm());
    ASSERT_NE(vorschau, nullptr);
    EXPECT_FALSE(m_fenster->Item("miDrucken")->isEnabled());
    EXPECT_FALSE(m_fenster->Button("bnDrucken")->isEnabled());
    EXPECT_FALSE(m_fenster->Button("bnPreview")->isEnabled());
    TVtDruck* druck = m_fenster->PreviewBerechnung().Druck();
    ASSERT_NE(druck, nullptr);
    EXPECT_EQ(druck->Titel, "Vantrel 2026 - [Entgeltabrechnung]");
    // The sheet fills the page's height, in A4 proportions.
    QApplication::processEvents();
    TVorschauBild* bild = vorschau->Bild();
    EXPECT_EQ(bild->geometry(), TFoVtPrintPreview::BildRechteck(vorschau->Panel()->size()));
    EXPECT_FALSE(SaveScreenshot(*m_fenster, "druckvorschau").isEmpty());

    QTest::mouseClick(bild, Qt::LeftButton, {}, QPoint(bild->width() / 2, bild->height() * 3 / 4));
    EXPECT_TRUE(vorschau->Vergroessert());
    EXPECT_EQ(vorschau->Panel()->minimumSize(), QSize(945, 1336));
    EXPECT_EQ(bild->height(), 1336 - 10);
    QScrollBar* senkrecht = m_fenster->PageContainer()->verticalScrollBar();
    const int erwartet = static_cast<int>(bild->height() * 0.75) -
                         m_fenster->PageContainer()->viewport()->height() / 2 + bild->y();
    EXPECT_EQ(senkrecht->value(), std::min(erwartet, senkrecht->maximum()));
    EXPECT_GT(senkrecht->value(), 0);

    QTest::mouseClick(bild, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(vorschau->Vergroessert());
    EXPECT_EQ(vorschau->Panel()->minimumSize(), QSize(210, 297));

    // Back on the statement, a second preview replaces the first.
    QTest::mouseClick(m_fenster->Button("bnAbrechnung"), Qt::LeftButton);
    ASSERT_EQ(m_fenster->PageIndex(), 1);
    QTest::mouseClick(m_fenster->Button("bnPreview"), Qt::LeftButton);
    EXPECT_EQ(m_fenster->PageIndex(), 6);
    EXPECT_NE(m_fenster->PreviewBerechnung().Druck(), nullptr);
}

} // namespace
