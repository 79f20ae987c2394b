#include "Forms/MainForm.h"
#include "Forms/LStTabelle.h"
#include "Forms/ProgrammStart.h"
#include "Forms/Titel.h"

#include "Gui/BetragEdit.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/Rechner.h"
#include "Lib/IniFile.h"
#include "MVCFrame/IntegerValue.h"
#include "Options/OptionenVtrl.h"
#include "Platform/MessageWindow.h"
#include "Platform/ShellFolder.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <sys/stat.h>

namespace {

class MainFormTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TOptionenUmgebung::Starten();
        m_verzeichnis = m_xdg.Ordner("daten") + "/";
    }

    std::unique_ptr<TMainForm> NeuesFenster()
    {
        auto fenster = std::make_unique<TMainForm>(m_verzeichnis);
        fenster->init();
        return fenster;
    }

    TOptionenUmgebung m_umgebung;
    TTempXdg& m_xdg = m_umgebung.Xdg();
    std::string m_verzeichnis;
};

} // namespace

TEST_F(MainFormTest, MenusSpeedButtonsAndStatusPanel)
{
    auto fenster = NeuesFenster();
    EXPECT_EQ(fenster->windowTitle(), "Vantrel 2026");
    EXPECT_EQ(fenster->Item("miEinstellungenLesen")->text(), "Einstellungen &lesen");
    EXPECT_EQ(fenster->Item("miEinstellungenLesen")->shortcut(), QKeySequence("Ctrl+O"));
    EXPECT_EQ(fenster->Button("bnAbrechnung")->text(), "Lohn");
    EXPECT_EQ(fenster->Button("bnStKlVgl")->text(), "StKl Vergl");
    EXPECT_EQ(fenster->DDEStatus()->toolTip(), "DDE-Statusanzeige (Dynamischer Datenaustausch)");
    // Commands of later parts of the program exist and are disabled.
    for (const char* name : {"miDrucken", "miOptionen", "miInfo"})
        EXPECT_FALSE(fenster->Item(name)->isEnabled()) << name;
    for (const char* name : {"miLStTabelleOeffnen", "miSVTabelleOeffnen", "miEStTabelleOeffnen", "miESt2026"})
        EXPECT_TRUE(fenster->Item(name)->isEnabled()) << name;
    EXPECT_FALSE(fenster->Item("miHilfeZumFeld")->isVisible());
    // Without a page, reading and saving a page is not offered.
    EXPECT_FALSE(fenster->Item("miSeiteSpeichern")->isEnabled());
    EXPECT_FALSE(fenster->Button("SaveBtn")->isEnabled());
    EXPECT_EQ(fenster->DefaultWidth(), 638);
    EXPECT_EQ(fenster->DefaultHeight(), 648);
}

TEST_F(MainFormTest, EachPageHasOneActionForItsMenuItemAndSpeedButton)
{
    auto fenster = NeuesFenster();
    fenster->show();
    struct Seite {
        int nummer;
        const char* item;
        const char* button;
        bool gebaut;
    };
    const Seite kSeiten[] = {{1, "miAbrechnung", "bnAbrechnung", true},
                             {2, "miESt", "bnESt", true},
                             {5, "miGfB", "bnGfB", false},
                             {7, "miStKlVgl", "bnStKlVgl", false}};
    for (int gezeigt : {1, 2, 0, 1}) {
        fenster->SetActivePage(gezeigt);
        for (const Seite& s : kSeiten) {
            QAction* item = fenster->Item(s.item);
            QToolButton* button = fenster->Button(s.button);
            ASSERT_NE(item, nullptr) << s.item;
            ASSERT_NE(button, nullptr) << s.button;
            EXPECT_EQ(fenster->SeitenAktion(s.nummer), item);
            EXPECT_EQ(button->defaultAction(), item) << s.button;
            EXPECT_EQ(item->isEnabled(), s.gebaut) << s.item;
            EXPECT_EQ(button->isEnabled(), s.gebaut) << s.button;
            EXPECT_EQ(item->isChecked(), s.nummer == gezeigt) << s.item << " page " << gezeigt;
            EXPECT_EQ(button->isChecked(), item->isChecked()) << s.button;
        }
    }
    // A click on the pressed button leaves it pressed: the page stays.
    QTest::mouseClick(fenster->Button("bnAbrechnung"), Qt::LeftButton);
    EXPECT_EQ(fenster->PageIndex(), 1);
    EXPECT_TRUE(fenster->Button("bnAbrechnung")->isChecked());
    EXPECT_TRUE(fenster->Item("miAbrechnung")->isChecked());
}

TEST_F(MainFormTest, MenuBarReadsInOrderWithThePagesEditMenuAndHelpLast)
{
    auto fenster = NeuesFenster();
    fenster->show();
    const auto titel = [&fenster] {
        QStringList liste;
        for (QAction* a : fenster->MainMenu()->actions())
            if (a->isVisible())
                liste << a->text();
        return liste;
    };
    const QStringList erwartet = {"&Datei",    "&Bearbeiten", "&Ansicht",
                                  "&Tabellen", "&Optionen",   "&?"};
    EXPECT_EQ(titel(), erwartet);
    fenster->SetActivePage(1);
    EXPECT_EQ(titel(), erwartet);
    // The edit menu shown is the page's, with its "copy page" item.
    QMenu* bearbeiten = nullptr;
    for (QAction* a : fenster->MainMenu()->actions())
        if (a->isVisible() && a->text() == "&Bearbeiten")
            bearbeiten = a->menu();
    ASSERT_NE(bearbeiten, nullptr);
    QStringList namen;
    for (QAction* a : bearbeiten->actions())
        namen << a->objectName();
    EXPECT_TRUE(namen.contains("miSeitekopieren")) << namen.join(' ').toStdString();
    fenster->SetActivePage(0);
    EXPECT_EQ(titel(), erwartet);
}

TEST_F(MainFormTest, PageFitsTheWorkAreaAndFittingNeverExceedsIt)
{
    auto fenster = NeuesFenster();
    fenster->SetActivePage(1);
    fenster->show();
    // Page 1 at the default font within a 1366 x 768 work area, the frame's title bar included.
    EXPECT_LE(fenster->DefaultWidth(), 1366);
    EXPECT_LE(fenster->DefaultHeight() + 32, 768);
    fenster->resize(300, 200);
    fenster->Item("miFenstergroesse")->trigger();
    const QRect flaeche = fenster->screen()->availableGeometry();
    EXPECT_TRUE(flaeche.contains(fenster->frameGeometry()))
        << fenster->frameGeometry().width() << "x" << fenster->frameGeometry().height();
    EXPECT_LE(fenster->width(), std::max(fenster->DefaultWidth(), 300));
    // A screen smaller than the page: the window takes the work area, the page scrolls.
    if (flaeche.width() >= fenster->DefaultWidth() &&
        flaeche.height() >= fenster->DefaultHeight()) {
        EXPECT_EQ(fenster->size(), QSize(fenster->DefaultWidth(), fenster->DefaultHeight()));
    }
}

TEST_F(MainFormTest, NoLabelShowsAnAmpersandAndTitlesAreExact)
{
    auto fenster = NeuesFenster();
    fenster->SetActivePage(1);
    fenster->show();
    EXPECT_EQ(fenster->windowTitle(), "Vantrel 2026 - [Entgeltabrechnung]");
    // A label shows "&" as a marker only when it names the field it leads to.
    for (QLabel* label : fenster->findChildren<QLabel*>()) {
        const QString ohneDoppelte = QString(label->text()).remove("&&");
        if (ohneDoppelte.contains('&')) {
            EXPECT_NE(label->buddy(), nullptr)
                << label->objectName().toStdString() << ": " << label->text().toStdString();
        }
    }
    fenster->Pages().GetPage(1)->Berechnung->Daten().FindValue("Jahrliste")->SetAsString("2001");
    for (QLabel* label : fenster->findChildren<QLabel*>()) {
        if (QString(label->text()).remove("&&").contains('&')) {
            EXPECT_NE(label->buddy(), nullptr) << label->text().toStdString();
        }
    }
}

TEST_F(MainFormTest, MissingManualIsReported)
{
    auto fenster = NeuesFenster();
    fenster->Item("miAnleitung")->trigger();
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_TRUE(m_fehler.front().contains("Anleitung.pdf")) << m_fehler.front().toStdString();
}

TEST_F(MainFormTest, StatusLineAndSpeedPanelFollowTheirSwitches)
{
    auto fenster = NeuesFenster();
    fenster->show();
    fenster->Item("miStatusleiste")->trigger();
    EXPECT_FALSE(fenster->paStatuszeile()->isVisible());
    EXPECT_FALSE(fenster->Item("miStatusleiste")->isChecked());
    fenster->Item("miMauspalette")->trigger();
    EXPECT_FALSE(fenster->SpeedPanel()->isVisible());
    fenster->Item("miStatusleiste")->trigger();
    EXPECT_TRUE(fenster->paStatuszeile()->isVisible());
}

TEST_F(MainFormTest, InsertIndicatorShowsTheModeTheAmountFieldsUse)
{
    auto fenster = NeuesFenster();
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    auto* betrag = new TBetrag(fenster->PageContainer());
    betrag->show();
    betrag->setFocus();
    TBetrag::SetEinfuegeModus(false);
    fenster->EinfuegeModusAnzeigen();
    EXPECT_EQ(fenster->EinfuegeStatus()->text(), "Überschr.");
    QTest::keyClick(betrag, Qt::Key_Insert);
    EXPECT_TRUE(TBetrag::EinfuegeModus());
    EXPECT_EQ(fenster->EinfuegeStatus()->text(), "Einfügen");
    QTest::keyClick(betrag, Qt::Key_Insert);
    EXPECT_EQ(fenster->EinfuegeStatus()->text(), "Überschr.");
    TBetrag::SetEinfuegeModus(false);
}

TEST_F(MainFormTest, SettingsSavedAtExitAndRestoredAtStart)
{
    {
        auto fenster = NeuesFenster();
        fenster->SetNormalBounds(QRect(40, 30, 700, 600));
        fenster->close();
    }
    TIniFile ini(m_verzeichnis + "VANTRL32.INI");
    EXPECT_EQ(ini.ReadString("MainForm", "Version", ""), "5.01");
    EXPECT_EQ(ini.ReadInteger("MainForm", "Breite", 0), 700);
    auto zweites = NeuesFenster();
    zweites->EinstellungenLesen(-1);
    EXPECT_EQ(zweites->GetNormalBounds().size(), QSize(700, 600));
}

TEST_F(MainFormTest, WithoutSavingOnExitNothingIsWritten)
{
    auto fenster = NeuesFenster();
    fenster->Item("miBeimBeendenSpeichern")->trigger();
    EXPECT_FALSE(TMainForm::Schalter("BeimBeendenSpeichern"));
    fenster->close();
    struct stat st {};
    EXPECT_NE(stat((m_verzeichnis + "VANTRL32.INI").c_str(), &st), 0);
    // The switch itself is kept, in the user's options.
    EXPECT_EQ(TIniFile(m_umgebung.BenutzerDatei())
                  .ReadString("BenutzerOptionen", "BeimBeendenSpeichern", ""),
              "0");
}

TEST_F(MainFormTest, FailingSaveIsReportedAndTheWindowStillCloses)
{
    auto fenster = NeuesFenster();
    fenster->show();
    // A file where the settings folder should be: the folder cannot be created.
    const std::string blockiert = m_xdg.Ordner("blockiert") + "/datei";
    std::ofstream(blockiert) << "x";
    TMainForm kaputt(blockiert + "/unter/");
    kaputt.init();
    kaputt.show();
    EXPECT_TRUE(kaputt.close());
    EXPECT_EQ(m_fehler.size(), 1);
    EXPECT_FALSE(kaputt.isVisible());
}

TEST_F(MainFormTest, WageTaxTableOpensAndItsCloseItemFollows)
{
    auto fenster = NeuesFenster();
    fenster->Item("miLStTabelleOeffnen")->trigger();
    EXPECT_TRUE(FormOfClassExists(TFoLStTabelle::staticMetaObject));
    EXPECT_TRUE(fenster->Item("miLStTabelleSchliessen")->isEnabled());
    fenster->Item("miAlleSchliessen")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fenster->MenueAktualisieren();
    EXPECT_FALSE(FormOfClassExists(TFoLStTabelle::staticMetaObject));
    EXPECT_FALSE(fenster->Item("miLStTabelleSchliessen")->isEnabled());
}

TEST_F(MainFormTest, TrayLauncherIsToldToCloseAtStart)
{
    TMessageWindow tray;
    ASSERT_TRUE(tray.Oeffnen("XoVtrlTray", "Vantrel Tray Icon 2026"));
    QSignalSpy spy(&tray, &TMessageWindow::NachrichtErhalten);
    auto fenster = NeuesFenster();
    fenster->NachDemErzeugen("");
    ASSERT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.at(0).at(0).toString(), "CloseXoLStTabTrayApp");
}

namespace {

struct StartFall {
    const char* name;
    const char* argument;
    const char* status;
    bool heuteGesucht;
};

const StartFall kStartFaelle[] = {
    {"noupdate", "/NOUPDATE", "Kein Update verfügbar.", true},
    {"updateok", "/UPDATEOK", "Update erfolgreich installiert.", true},
    {"updateerror", "/UPDATEERROR", "KEINE VERBINDUNG ZUM UPDATE-SERVER.", false},
    {"ohne", "", "", false},
};

class ProgrammStartTest : public testing::TestWithParam<StartFall> {};

} // namespace

TEST_P(ProgrammStartTest, StatusTextOfTheUpdatersAnswer)
{
    const StartFall& f = GetParam();
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    TMainForm::SetSchalter("TitelZeigen", false);
    TProgrammStart start;
    start.programmVerzeichnis = ShellFolders().ProgramDirectory();
    start.datenVerzeichnis = umgebung.Xdg().Ordner("daten") + "/";
    if (*f.argument)
        start.argumente << f.argument;
    start.heute = SetDatum(15, 3, 2026);
    TUpdateLage lage = UpdateLageLesen();
    lage.zuletztGesucht = "01.01.2026";
    UpdateLageSpeichern(lage);
    ASSERT_TRUE(start.Starten());
    EXPECT_TRUE(start.hauptfenster->isVisible());
    EXPECT_EQ(start.hauptfenster->StatusBar()->text(), QString(f.status));
    EXPECT_EQ(UpdateLageLesen().zuletztGesucht, f.heuteGesucht ? "15.03.2026" : "01.01.2026");
    EXPECT_NE(TFoRechner::Instanz(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Forms, ProgrammStartTest, testing::ValuesIn(kStartFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ProgrammStart, DueUpdateStartsTheUpdaterAndEndsBeforeAnyWindow)
{
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    TProgrammStart start;
    start.programmVerzeichnis = ShellFolders().ProgramDirectory();
    start.datenVerzeichnis = umgebung.Xdg().Ordner("daten") + "/";
    const std::string marke = start.programmVerzeichnis + "gelaufen";
    const std::string updater = start.programmVerzeichnis + kUpdaterProgramm;
    std::ofstream(updater) << "#!/bin/sh\necho \"$@\" > '" << marke << "'\n";
    chmod(updater.c_str(), 0700);
    auto* rhythmus =
        dynamic_cast<TInteger*>(OptionenVtrl().UpdateDaten().FindValue("UpdateRhythmus"));
    ASSERT_NE(rhythmus, nullptr);
    rhythmus->SetValue(kUpdateMonat);
    TUpdateLage lage = UpdateLageLesen();
    lage.zuletztGesucht = "14.02.2026"; // 29 days before
    UpdateLageSpeichern(lage);
    start.heute = SetDatum(15, 3, 2026);
    EXPECT_TRUE(start.Starten());
    start.hauptfenster.reset();
    start.rechner.reset();
    TFoTitel::Schliessen();

    lage.zuletztGesucht = "13.02.2026"; // 30 days before
    UpdateLageSpeichern(lage);
    EXPECT_FALSE(start.Starten());
    EXPECT_EQ(start.hauptfenster, nullptr);
    // Stored before the program ends: the next start leaves the updater alone.
    TOptionenUmgebung::Zuruecksetzen();
    TOptionenUmgebung::Starten();
    EXPECT_TRUE(UpdateLageLesen().updaterGestartet);
    for (int i = 0; i < 100 && access(marke.c_str(), F_OK) != 0; ++i)
        usleep(20000);
    std::ifstream gelaufen(marke);
    std::string parameter;
    std::getline(gelaufen, parameter);
    EXPECT_EQ(parameter, "/SILENT Version=501");
}

TEST(ProgrammStart, StartUpTimeToTheShownMainWindow)
{
    TOptionenUmgebung umgebung;
    QElapsedTimer uhr;
    uhr.start();
    TOptionenUmgebung::Starten();
    TProgrammStart start;
    start.programmVerzeichnis = ShellFolders().ProgramDirectory();
    start.datenVerzeichnis = umgebung.Xdg().Ordner("daten") + "/";
    start.heute = SetDatum(15, 3, 2026);
    ASSERT_TRUE(start.Starten());
    QCoreApplication::processEvents();
    const qint64 ms = uhr.elapsed();
    std::printf("start-up to the shown main window: %lld ms\n", static_cast<long long>(ms));
    EXPECT_LT(ms, 5000);
    EXPECT_NE(TFoTitel::Titelfenster(), nullptr);
    TFoTitel::Schliessen();
    const QRect flaeche = start.hauptfenster->screen()->availableGeometry();
    EXPECT_TRUE(flaeche.contains(start.hauptfenster->frameGeometry()))
        << start.hauptfenster->width() << "x" << start.hauptfenster->height();
    EXPECT_FALSE(SaveScreenshot(*start.hauptfenster, "hauptfenster-start").isEmpty());
}

TEST_F(MainFormTest, AltAndAMenusLetterOpensItFromAFieldOfThePage)
{
    auto fenster = NeuesFenster();
    fenster->SetActivePage(1);
    fenster->show();
    QApplication::setActiveWindow(fenster.get());
    QWidget* feld = fenster->PageContainer()->findChild<QWidget*>("ebEntgelt");
    ASSERT_NE(feld, nullptr);
    // No caption of the page takes a menu's letter, and the page's edit menu is the only one.
    const std::pair<Qt::Key, const char*> kMenues[] = {{Qt::Key_D, "&Datei"},
                                                       {Qt::Key_B, "&Bearbeiten"},
                                                       {Qt::Key_A, "&Ansicht"},
                                                       {Qt::Key_T, "&Tabellen"},
                                                       {Qt::Key_O, "&Optionen"}};
    for (const auto& [taste, titel] : kMenues) {
        feld->setFocus();
        QTest::keyClick(feld, taste, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << titel;
        EXPECT_EQ(menu->title(), titel);
        menu->close();
    }
}
