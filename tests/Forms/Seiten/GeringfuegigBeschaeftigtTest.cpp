#include "Forms/Seiten/GeringfuegigBeschaeftigt.h"

#include "Engine/Geringfuegig/Geringf.h"
#include "Forms/Dialoge/AbrgDruck.h"
#include "Forms/MainForm.h"
#include "Gui/BergForm.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Gui/TrayIcon.h"
#include "Gui/XoApp.h"
#include "Lib/Event.h"
#include "Lib/IniFile.h"
#include "Lib/MVCApp.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/JahrListe.h"
#include "MVCFrame/StringValue.h"
#include "Print/PdfSeiten.h"
#include "Print/QtDruckCanvas.h"
#include "Support/OptionenUmgebung.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <memory>
#include <set>

namespace {

class GeringfuegigBeschaeftigtTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        TOptionenUmgebung::Starten();
        m_verzeichnis = m_umgebung.Xdg().Ordner("daten") + "/";
    }
    void TearDown() override
    {
        m_fenster.reset();
        GuiHookFixture::TearDown();
    }
    void Starten()
    {
        m_fenster = std::make_unique<TMainForm>(m_verzeichnis);
        m_fenster->init();
        m_fenster->show();
        QApplication::setActiveWindow(m_fenster.get());
    }
    // Starts and shows page 5 with its speed button.
    void SeiteZeigen()
    {
        if (!m_fenster)
            Starten();
        QTest::mouseClick(m_fenster->Button("bnGfB"), Qt::LeftButton);
        m_seite = dynamic_cast<TFoGeringfuegigBeschaeftigt*>(m_fenster->ActivePageForm());
        ASSERT_NE(m_seite, nullptr);
        d = m_seite->Daten();
        ASSERT_NE(d, nullptr);
    }
    TGeringfuegigDaten& Daten() const { return m_fenster->GfB().GeringfuegigDaten(); }
    template <class T> T* C(const char* name) const
    {
        T* control = m_seite->Control<T>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // Picks the rule period that starts with `anfang` in the year box with the arrow keys.
    void JahrWaehlen(const QString& anfang)
    {
        auto* jahr = C<QComboBox>("cbJahr");
        const int ziel = jahr->findText(anfang, Qt::MatchStartsWith);
        ASSERT_GE(ziel, 0) << anfang.toStdString();
        jahr->setFocus();
        while (jahr->currentIndex() < ziel)
            QTest::keyClick(jahr, Qt::Key_Down);
        while (jahr->currentIndex() > ziel)
            QTest::keyClick(jahr, Qt::Key_Up);
    }
    // Types into a field as a user does: focus, select all, type, Tab to the next field.
    void Tippen(const char* feld, const QString& text)
    {
        QWidget* w = C<QWidget>(feld);
        auto* edit = qobject_cast<QLineEdit*>(w);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            edit = combo->lineEdit();
        ASSERT_NE(edit, nullptr) << feld;
        w->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    // Clicks a button on its mark, where a user aims.
    void Klicken(const char* name)
    {
        QWidget* knopf = C<QWidget>(name);
        QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
    }
    QString Text(const char* name) const { return C<QLineEdit>(name)->text(); }
    void BeschriftungenPruefen(const QString& grenze)
    {
        const QString abrechnung = grenze + "-Abrechnung";
        QToolButton* knopf = m_fenster->Button("bnGfB");
        EXPECT_EQ(knopf->text(), grenze);
        EXPECT_EQ(knopf->toolTip(), abrechnung);
        EXPECT_EQ(knopf->statusTip(), "");
        EXPECT_EQ(m_fenster->Item("miGfB")->text(), abrechnung);
    }

    TOptionenUmgebung m_umgebung;
    std::string m_verzeichnis;
    std::unique_ptr<TMainForm> m_fenster;
    TFoGeringfuegigBeschaeftigt* m_seite = nullptr;
    TGeringfuegigDaten* d = nullptr;
};

} // namespace

TEST_F(GeringfuegigBeschaeftigtTest, BindingTableBindsEachControlOnceToAValueOfTheStatement)
{
    SeiteZeigen();
    std::set<std::string> gebunden;
    for (const TBindung& b : TFoGeringfuegigBeschaeftigt::Bindungen()) {
        EXPECT_TRUE(gebunden.insert(b.control).second) << b.control << " bound twice";
        auto* control = dynamic_cast<TMVCControl*>(m_seite->Control<QWidget>(b.control));
        ASSERT_NE(control, nullptr) << b.control;
        EXPECT_EQ(control->Value(), d->FindValue(b.wert)) << b.control;
    }
    EXPECT_EQ(gebunden.size(), 38u);
    for (QWidget* w : m_seite->Panel()->findChildren<QWidget*>()) {
        if (dynamic_cast<TMVCControl*>(w)) {
            EXPECT_EQ(gebunden.count(w->objectName().toStdString()), 1u)
                << w->objectName().toStdString() << " is not in the table";
        }
    }
}

TEST_F(GeringfuegigBeschaeftigtTest, CaptionsNameTheLimitOfTheChosenPeriod)
{
    SeiteZeigen();
    JahrWaehlen("2026");
    EXPECT_EQ(m_seite->windowTitle(), "603-Euro-Abrechnung");
    BeschriftungenPruefen("603-Euro");
    EXPECT_EQ(m_fenster->windowTitle(), "Vantrel 2026 - [603-Euro-Abrechnung]");

    // September 2022 is still under the old limit; October brings 520 euro.
    JahrWaehlen("2022");
    d->MonatWert().SetValue(9);
    EXPECT_EQ(d->Jahr(), 2022);
    EXPECT_EQ(m_seite->windowTitle(), "450-Euro-Abrechnung");
    BeschriftungenPruefen("450-Euro");
    EXPECT_EQ(m_fenster->windowTitle(), "Vantrel 2026 - [450-Euro-Abrechnung]");
    d->MonatWert().SetValue(10);
    BeschriftungenPruefen("520-Euro");
    EXPECT_EQ(m_fenster->windowTitle(), "Vantrel 2026 - [520-Euro-Abrechnung]");
    EXPECT_EQ(XoApplication().TrayIcon().Hint(), "Vantrel 2026 - [520-Euro-Abrechnung]");
}

TEST_F(GeringfuegigBeschaeftigtTest, CaptionsFollowTheDataAlsoWhilePageFiveIsNotShown)
{
    {
        TXIniFile ini(m_verzeichnis + "VANTRL32.INI");
        ini.WriteString("MainForm", "Seite", "1");
        ini.WriteString("GeringfuegigBeschaeftigt", "Jahr", "2025");
        ini.UpdateFile();
    }
    Starten();
    m_fenster->NachDemErzeugen(QString());
    EXPECT_EQ(m_fenster->PageIndex(), 1);
    EXPECT_EQ(Daten().Jahr(), 2025);
    BeschriftungenPruefen("556-Euro");

    // A change while another page is shown.
    Daten().JahrWert().SetValue(2024);
    BeschriftungenPruefen("538-Euro");
    EXPECT_EQ(m_fenster->windowTitle(), "Vantrel 2026 - [Entgeltabrechnung]");

    // "Einstellungen lesen" brings the stored year back.
    m_fenster->Item("miEinstellungenLesen")->trigger();
    BeschriftungenPruefen("556-Euro");
}

TEST_F(GeringfuegigBeschaeftigtTest, ExemptionCertificateOnlyBeforeApril2003)
{
    SeiteZeigen();
    JahrWaehlen("2003");
    d->MonatWert().SetValue(3);
    EXPECT_TRUE(C<QRadioButton>("rbFreistellung")->isEnabled());
    EXPECT_EQ(m_seite->windowTitle(), "325-Euro-Abrechnung");
    Klicken("rbFreistellung");
    EXPECT_EQ(d->Steuerberechnung().GetValue(), TGeringfuegigDaten::kFreistellung);
    EXPECT_TRUE(C<QWidget>("paLStK")->isHidden());
    EXPECT_TRUE(C<QWidget>("paPLSt")->isHidden());

    // From April the engine falls back to the flat-rate tax.
    d->MonatWert().SetValue(4);
    EXPECT_FALSE(C<QRadioButton>("rbFreistellung")->isEnabled());
    EXPECT_TRUE(C<QRadioButton>("rbPLSt")->isChecked());
    EXPECT_EQ(m_seite->windowTitle(), "400-Euro-Abrechnung");
}

TEST_F(GeringfuegigBeschaeftigtTest, ClicksSetTheChoicesAndARefreshWritesNothing)
{
    SeiteZeigen();
    int aenderungen = 0;
    const TEventConnection zaehler =
        MVCApplication().OnValueChanged.Connect([&aenderungen, this](TDaten* daten, TValue*) {
            if (daten == d)
                ++aenderungen;
        });

    Klicken("rbLStK");
    EXPECT_EQ(d->Steuerberechnung().GetValue(), TGeringfuegigDaten::kLohnsteuerkarte);
    EXPECT_FALSE(C<QWidget>("paLStK")->isHidden());
    EXPECT_TRUE(C<QWidget>("paPLSt")->isHidden());
    EXPECT_EQ(C<QLabel>("stLohnsteuer")->text(), "Lohnsteuer:");

    // Space on the focused button is a click too.
    C<QRadioButton>("rbPLSt")->setFocus();
    QTest::keyClick(C<QRadioButton>("rbPLSt"), Qt::Key_Space);
    EXPECT_EQ(d->Steuerberechnung().GetValue(), TGeringfuegigDaten::kPauschaleLohnsteuer);
    EXPECT_TRUE(C<QWidget>("paLStK")->isHidden());
    EXPECT_FALSE(C<QWidget>("paPLSt")->isHidden());
    EXPECT_EQ(C<QLabel>("stLohnsteuer")->text(), "Pauschsteuer:");
    EXPECT_EQ(C<QLabel>("stPLStSatz")->text(), "2%");

    Klicken("rbNettoEingabe");
    EXPECT_EQ(d->Ausgangswert().GetValue(), TGeringfuegigDaten::kNettoentgelt);
    Klicken("rbEntgeltEingabe");
    EXPECT_EQ(d->Ausgangswert().GetValue(), TGeringfuegigDaten::kEntgelt);

    // Showing the data set's choices writes nothing back, whichever button was checked before.
    d->Steuerberechnung().SetValue(TGeringfuegigDaten::kLohnsteuerkarte);
    EXPECT_TRUE(C<QRadioButton>("rbLStK")->isChecked());
    const int vorher = aenderungen;
    m_seite->Refresh();
    m_seite->Refresh();
    EXPECT_EQ(aenderungen, vorher);
    EXPECT_EQ(d->Steuerberechnung().GetValue(), TGeringfuegigDaten::kLohnsteuerkarte);
}

TEST_F(GeringfuegigBeschaeftigtTest, TaxCardAmountsNamedInTheYearsCurrency)
{
    SeiteZeigen();
    Klicken("rbLStK");
    JahrWaehlen("2001");
    EXPECT_EQ(C<QLabel>("stLStKFB")->text(), "&Freibetrag LStK (DM):");
    EXPECT_EQ(C<QLabel>("stHinzur")->text(), "Hinzurech.betrag (DM):");
    JahrWaehlen("2002");
    EXPECT_EQ(C<QLabel>("stLStKFB")->text(), "&Freibetrag LStK (Euro):");
    EXPECT_EQ(C<QLabel>("stHinzur")->text(), "Hinzurech.betrag (Euro):");
    EXPECT_EQ(m_seite->windowTitle(), "325-Euro-Abrechnung");
}

TEST_F(GeringfuegigBeschaeftigtTest, ChildAllowanceMarkInClassTwoWithoutAllowance)
{
    SeiteZeigen();
    JahrWaehlen("2026");
    Klicken("rbLStK");
    Tippen("cbStKl", "2");
    EXPECT_EQ(d->Steuerklasse().GetValue(), 2);
    Tippen("cbKiFB", "0,0");
    EXPECT_TRUE(m_seite->KiFBMarkiert());
    EXPECT_TRUE(C<QWidget>("cbKiFB")->styleSheet().contains("background: #ff0000"));
    EXPECT_TRUE(C<QWidget>("cbKiFB")->styleSheet().contains("color: #ffff00"));
    Tippen("cbKiFB", "0,5");
    EXPECT_EQ(d->Kinderfreibetraege().GetValue(), "0,5");
    EXPECT_FALSE(m_seite->KiFBMarkiert());
    EXPECT_TRUE(C<QWidget>("cbKiFB")->styleSheet().isEmpty());
    Tippen("cbKiFB", "0,0");
    EXPECT_TRUE(m_seite->KiFBMarkiert());
    Tippen("cbStKl", "1");
    EXPECT_FALSE(m_seite->KiFBMarkiert());
    EXPECT_TRUE(C<QWidget>("cbKiFB")->styleSheet().isEmpty());
}

TEST_F(GeringfuegigBeschaeftigtTest, ChildAllowanceListRefilledWhenItDropsDown)
{
    SeiteZeigen();
    Klicken("rbLStK");
    auto* box = C<QComboBox>("cbKiFB");
    box->clear();
    box->showPopup();
    ASSERT_EQ(box->count(), 20);
    EXPECT_EQ(box->itemText(0), "0,0");
    EXPECT_EQ(box->itemText(19), "9,5");
    box->hidePopup();
    EXPECT_EQ(box->currentText(), QString::fromStdString(d->Kinderfreibetraege().GetValue()));
}

TEST_F(GeringfuegigBeschaeftigtTest, TypedPayGivesTheFlatRateStatement)
{
    SeiteZeigen();
    JahrWaehlen("2026");
    Tippen("ebEntgelt", "500,00");
    EXPECT_DOUBLE_EQ(d->Entgelt().GetValue(), 500.00);
    // The uniform 2 % tax, borne by the employer.
    EXPECT_EQ(Text("ebLStAG"), "10,00");
    EXPECT_EQ(Text("ebLStAN"), "0,00");
    EXPECT_EQ(Text("ebNetto"), QString::fromStdString(d->Nettoentgelt().GetAsString()));
    EXPECT_GT(d->KVBeitragAG().GetValue(), 0);
    EXPECT_EQ(C<QLabel>("stKVSatz")->text(), QString::fromStdString(d->KVSatz().GetAsString()));

    // The employee's pension contribution: ticked with the space bar.
    C<QWidget>("chKeineRVMinderung")->setFocus();
    QTest::keyClick(C<QWidget>("chKeineRVMinderung"), Qt::Key_Space);
    EXPECT_TRUE(d->KeineRVMinderung().GetValue());
    EXPECT_GT(d->RVBeitragAN().GetValue(), 0);
    EXPECT_EQ(Text("ebRVBeitragAN"), QString::fromStdString(d->RVBeitragAN().GetAsString()));

    // Given the net pay, the gross pay is searched.
    const double netto = d->Nettoentgelt().GetValue();
    Klicken("rbNettoEingabe");
    Tippen("ebNetto", QString::fromStdString(d->Nettoentgelt().GetAsString()));
    EXPECT_NEAR(d->Entgelt().GetValue(), 500.00, 0.011);
    EXPECT_NEAR(d->Nettoentgelt().GetValue(), netto, 0.001);
    EXPECT_EQ(Text("ebEntgelt"), QString::fromStdString(d->Entgelt().GetAsString()));
}

TEST_F(GeringfuegigBeschaeftigtTest, TypedWholeNumbersAndDates)
{
    SeiteZeigen();
    JahrWaehlen("2002");
    Tippen("ebPKiStSatz", "7");
    EXPECT_EQ(d->PauschKiStSatz().GetValue(), 7);
    EXPECT_EQ(Text("ebPKiStSatz"), "7");
    Tippen("ebEntgelt", "300,00");
    // 20 % flat tax with 7 % church tax and 5.5 % surcharge on it.
    EXPECT_EQ(Text("ebLStAG"), "60,00");
    EXPECT_EQ(Text("ebKiStAG"), "4,20");
    EXPECT_EQ(Text("ebSolZAG"), "3,30");

    Klicken("rbLStK");
    Tippen("ebSteuertage", "15");
    EXPECT_EQ(d->Steuertage().GetValue(), 15);
    EXPECT_EQ(Text("ebSteuertage"), "15");
    Tippen("cbKiSt", "8");
    EXPECT_EQ(d->Kirchensteuersatz().GetValue(), 8);
    auto* geburt = C<QLineEdit>("edGeburtsdatum");
    geburt->setFocus();
    geburt->setCursorPosition(0);
    QTest::keyClicks(geburt, "01021960");
    QTest::keyClick(geburt, Qt::Key_Return);
    EXPECT_EQ(d->Geburtsdatum().GetValue().Jahr, 1960);
    EXPECT_EQ(d->Geburtsdatum().GetValue().Monat, 2);
    EXPECT_EQ(d->Geburtsdatum().GetValue().Tag, 1);
    EXPECT_EQ(geburt->text(), "01.02.1960");
    Tippen("ebLStK_FB", "100,00");
    EXPECT_DOUBLE_EQ(d->Freibetrag().GetValue(), 100.00);
    auto* hinzu = C<QLineEdit>("ebLStK_HB");
    hinzu->setFocus();
    hinzu->selectAll();
    QTest::keyClicks(hinzu, "50,00");
    QTest::keyClick(hinzu, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(d->Hinzurechnungsbetrag().GetValue(), 50.00);

    // A text that is no number of allowances gives way to the value in force.
    Tippen("cbKiFB", "1,5");
    Tippen("cbKiFB", "zwei");
    EXPECT_EQ(d->Kinderfreibetraege().GetValue(), "1,5");
    EXPECT_EQ(C<QComboBox>("cbKiFB")->currentText(), "1,5");
}

TEST_F(GeringfuegigBeschaeftigtTest, PageStateRoundTripInItsSection)
{
    SeiteZeigen();
    JahrWaehlen("2025");
    Klicken("rbLStK");
    Tippen("cbStKl", "3");
    Tippen("ebEntgelt", "420,00");
    ASSERT_TRUE(m_fenster->Item("miSeiteSpeichern")->isEnabled());
    m_fenster->Item("miSeiteSpeichern")->trigger();
    const TIniFile ini(m_verzeichnis + "VANTRL32.INI");
    EXPECT_EQ(ini.ReadString("GeringfuegigBeschaeftigt", "Jahr", ""), "2025");
    EXPECT_EQ(ini.ReadString("GeringfuegigBeschaeftigt", "Entgelt", ""), "420,00");

    JahrWaehlen("2026");
    Klicken("rbPLSt");
    Tippen("ebEntgelt", "100,00");
    m_fenster->Item("miSeiteLesen")->trigger();
    EXPECT_EQ(d->Jahr(), 2025);
    EXPECT_EQ(d->Steuerklasse().GetValue(), 3);
    EXPECT_EQ(d->Steuerberechnung().GetValue(), TGeringfuegigDaten::kLohnsteuerkarte);
    EXPECT_TRUE(C<QRadioButton>("rbLStK")->isChecked());
    EXPECT_EQ(Text("ebEntgelt"), "420,00");
    BeschriftungenPruefen("556-Euro");
}

TEST_F(GeringfuegigBeschaeftigtTest, PrintingAndCopyingThePageWork)
{
    SeiteZeigen();
    EXPECT_EQ(m_fenster->PageIndex(), 5);
    EXPECT_TRUE(m_fenster->Item("miGfB")->isChecked());
    EXPECT_TRUE(m_fenster->Button("bnGfB")->isChecked());
    EXPECT_TRUE(m_fenster->Item("miDrucken")->isEnabled());
    EXPECT_TRUE(m_fenster->Button("bnDrucken")->isEnabled());
    int gefunden = 0;
    for (QAction* a : m_seite->PopupMenu()->actions()) {
        if (a->objectName() == "pmiDrucken" || a->objectName() == "pmiSeitekopieren") {
            ++gefunden;
            EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
        }
    }
    EXPECT_EQ(gefunden, 2);
    EXPECT_TRUE(m_fenster->Item("miSeiteLesen")->isEnabled());
    const QStringList text = m_seite->DruckText();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.first().startsWith("Entgeltabrechnung "));
    EXPECT_TRUE(text.last().startsWith(QString(8, ' ') + "Netto:"));
}

TEST_F(GeringfuegigBeschaeftigtTest, PrintAsksForNameAndPeriodFirst)
{
    SeiteZeigen();
    const QString pdf = QString::fromStdString(m_umgebung.Xdg().Ordner("ausgabe")) + "/gfb.pdf";
    Drucker().setOutputFileName(pdf);
    int dialoge = 0;
    m_modalAntwort = [&dialoge](QWidget& w) {
        auto* dialog = dynamic_cast<TFoAbrgDruck*>(&w);
        EXPECT_NE(dialog, nullptr) << w.objectName().toStdString();
        if (!dialog)
            return 0;
        ++dialoge;
        EXPECT_FALSE(dialog->gbZeitraum()->isHidden());
        dialog->cbArbeitnehmer()->setEditText("Erika Muster");
        dialog->cbAbrgZeitraum()->setEditText("Dezember 2026");
        QTest::mouseClick(dialog->bnDrucken(), Qt::LeftButton);
        return dialog->ModalResult();
    };
    QTest::mouseClick(m_fenster->Button("bnDrucken"), Qt::LeftButton);
    EXPECT_EQ(dialoge, 1);
    EXPECT_EQ(d->FindValue("Arbeitnehmer")->GetAsString(), "Erika Muster");
    EXPECT_EQ(d->FindValue("AbrgZeitraum")->GetAsString(), "Dezember 2026");
    EXPECT_EQ(PdfSeiten(pdf), 1);
}

TEST_F(GeringfuegigBeschaeftigtTest, PageFitsTheScreenAndIsPictured)
{
    SeiteZeigen();
    JahrWaehlen("2026");
    Klicken("rbLStK");
    Tippen("ebEntgelt", "480,00");
    // The page with either panel within a 1366 x 768 work area, the frame's title bar included.
    EXPECT_LE(m_fenster->DefaultWidth(), 1366);
    EXPECT_LE(m_fenster->DefaultHeight() + 32, 768);
    Klicken("rbPLSt");
    EXPECT_LE(m_fenster->DefaultWidth(), 1366);
    EXPECT_LE(m_fenster->DefaultHeight() + 32, 768);
    Klicken("rbLStK");
    m_fenster->FitToPage();
    EXPECT_FALSE(SaveScreenshot(*m_fenster, "geringfuegig").isEmpty());
}

TEST_F(GeringfuegigBeschaeftigtTest, CaptionLettersLeadToTheirFieldsAndLeaveTheMenusTheirs)
{
    SeiteZeigen();
    for (const char* jahr : {"2001", "2026"}) {
        JahrWaehlen(jahr);
        for (int steuer :
             {TGeringfuegigDaten::kPauschaleLohnsteuer, TGeringfuegigDaten::kLohnsteuerkarte}) {
            d->Steuerberechnung().SetValue(steuer);
            for (QWidget* w : m_seite->Panel()->findChildren<QWidget*>()) {
                QString text;
                if (auto* label = qobject_cast<QLabel*>(w)) {
                    text = label->text();
                    if (QString(text).remove("&&").contains('&')) {
                        EXPECT_NE(label->buddy(), nullptr) << text.toStdString();
                    }
                } else if (auto* knopf = qobject_cast<QAbstractButton*>(w)) {
                    text = knopf->text();
                }
                // "&Datei", "&Bearbeiten", "&Ansicht", "&Tabellen", "&Optionen".
                const qsizetype marke = QString(text).remove("&&").indexOf('&');
                if (marke >= 0 && marke + 1 < text.size()) {
                    EXPECT_FALSE(QString("DBATO").contains(text.at(marke + 1).toUpper()))
                        << text.toStdString();
                }
            }
        }
    }
}

// A pay above the month's limit keeps its statement, and the status line says so with that
// month's limit; a pay within it clears the notice.
TEST_F(GeringfuegigBeschaeftigtTest, PayAboveTheLimitIsComputedAndSaidInTheStatusLine)
{
    const struct {
        const char* periode;
        const char* entgelt;
        const char* hinweis;
    } kFaelle[] = {
        {"2026", "604,00", "Das Entgelt übersteigt die Geringfügigkeitsgrenze von 603,00 Euro."},
        {"2026", "603,00", ""},
        {"2022 ab 1.10.", "603,00",
         "Das Entgelt übersteigt die Geringfügigkeitsgrenze von 520,00 Euro."},
        {"2001", "631,00", "Das Entgelt übersteigt die Geringfügigkeitsgrenze von 630,00 DM."},
    };
    SeiteZeigen();
    auto* statuszeile = m_fenster->findChild<QLabel*>("StatusBar");
    ASSERT_NE(statuszeile, nullptr);
    for (const auto& f : kFaelle) {
        JahrWaehlen(f.periode);
        Tippen("ebEntgelt", f.entgelt);
        EXPECT_EQ(statuszeile->text(), f.hinweis) << f.periode << " " << f.entgelt;
        EXPECT_EQ(Text("ebEntgelt"), f.entgelt);
        EXPECT_FALSE(d->Nettoentgelt().IsUndetermined());
        EXPECT_EQ(Text("ebNetto"), QString::fromStdString(d->Nettoentgelt().GetAsString()));
    }
}
