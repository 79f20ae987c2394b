#include "Forms/MainForm.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Forms/Dialoge/FoStammdaten.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Forms/ProgrammStart.h"
#include "Forms/Start/Titel.h"

#include "Gui/BergForm.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/Rechner.h"
#include "Lib/IniFile.h"
#include "MVCFrame/IntegerValue.h"
#include "Options/OptionenVtrl.h"
#include "Lib/StrLib.h"
#include "Options/Verzeichnisse.h"
#include "Platform/MessageWindow.h"
#include "Platform/ShellFolder.h"
#include "Support/FileLayerFake.h"
#include "Support/OptionenUmgebung.h"
#include "Support/Warten.h"
#include "Support/Schreibsperre.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <sstream>
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

    static std::string Inhalt(const std::string& datei)
    {
        std::ifstream ein(datei, std::ios::binary);
        std::ostringstream text;
        text << ein.rdbuf();
        return text.str();
    }
    static void Schreibe(const std::string& datei, const std::string& inhalt)
    {
        std::filesystem::create_directories(std::filesystem::path(datei).parent_path());
        std::ofstream(datei, std::ios::binary) << inhalt;
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
    EXPECT_FALSE(fenster->Item("miDrucken")->isEnabled());
    for (const char* name : {"miLStTabelleOeffnen", "miSVTabelleOeffnen", "miEStTabelleOeffnen",
                             "miESt2026", "miOptionen", "miInfo"})
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
                             {5, "miGfB", "bnGfB", true},
                             {7, "miStKlVgl", "bnStKlVgl", true}};
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

TEST_F(MainFormTest, ManualMenuOpensTheManualBesideTheProgramOrSaysItIsMissing)
{
    const std::string anleitung = ShellFolders().ProgramDirectory() + "Anleitung.pdf";
    auto fenster = NeuesFenster();
    fenster->Item("miAnleitung")->trigger();
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_TRUE(m_fehler.front().contains(QString::fromStdString(anleitung)))
        << m_fehler.front().toStdString();
    EXPECT_TRUE(m_geoeffnet.isEmpty());

    Schreibe(anleitung, "%PDF-1.4\n");
    fenster->Item("miAnleitung")->trigger();
    EXPECT_EQ(m_geoeffnet, QStringList{QString::fromStdString(anleitung)});
    EXPECT_EQ(m_fehler.size(), 1);
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
    EXPECT_FALSE(OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern());
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

TEST_F(MainFormTest, SaveCommandsReportWhatCannotBeWrittenSaveTheRestAndTheProgramRunsOn)
{
    const std::string benutzer = m_umgebung.BenutzerDatei();
    const std::string fenster = m_verzeichnis + "VANTRL32.INI";
    const std::string alteOptionen = "; von Hand\n[BenutzerOptionen]\nFetteSchrift=0\n";
    const std::string altesFenster = "[MainForm]\nVersion=5.01\nBreite=700\n";
    Schreibe(benutzer, alteOptionen);
    auto hauptfenster = NeuesFenster();
    hauptfenster->NachDemErzeugen("");
    hauptfenster->show();
    QApplication::setActiveWindow(hauptfenster.get());
    hauptfenster->Item("miStatusleiste")->trigger(); // a change that goes to the user's file
    {
        // Ctrl+S with only the user's options folder unwritable: the window's file is saved.
        TSchreibsperre sperre(std::filesystem::path(benutzer).parent_path(), m_xdg.Wurzel());
        QTest::keyClick(hauptfenster.get(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_EQ(m_fehler.size(), 1);
        EXPECT_TRUE(m_fehler[0].contains(QString::fromStdString(benutzer))) << m_fehler[0].toStdString();
        EXPECT_EQ(Inhalt(benutzer), alteOptionen);
        EXPECT_EQ(TIniFile(fenster).ReadString("MainForm", "Version", ""), "5.01");
        EXPECT_TRUE(hauptfenster->isVisible());
    }
    Schreibe(fenster, altesFenster);
    {
        // "Speich." of the page with the window's file unwritable.
        TSchreibsperre sperre(fenster, m_xdg.Wurzel());
        ASSERT_TRUE(hauptfenster->Button("SaveBtn")->isEnabled());
        QTest::mouseClick(hauptfenster->Button("SaveBtn"), Qt::LeftButton);
        ASSERT_EQ(m_fehler.size(), 2);
        EXPECT_TRUE(m_fehler[1].contains(QString::fromStdString(fenster))) << m_fehler[1].toStdString();
        EXPECT_EQ(Inhalt(fenster), altesFenster);
        EXPECT_TRUE(hauptfenster->isVisible());
    }
    {
        // Both unwritable: one message names both files.
        TSchreibsperre fensterSperre(fenster, m_xdg.Wurzel());
        TSchreibsperre optionenSperre(std::filesystem::path(benutzer).parent_path(),
                                      m_xdg.Wurzel());
        hauptfenster->Item("miEinstellungenSpeichern")->trigger();
        ASSERT_EQ(m_fehler.size(), 3);
        EXPECT_TRUE(m_fehler[2].startsWith(kNichtGespeichert)) << m_fehler[2].toStdString();
        EXPECT_TRUE(m_fehler[2].contains(QString::fromStdString(benutzer))) << m_fehler[2].toStdString();
        EXPECT_TRUE(m_fehler[2].contains(QString::fromStdString(fenster))) << m_fehler[2].toStdString();
        EXPECT_EQ(Inhalt(benutzer), alteOptionen);
        EXPECT_EQ(Inhalt(fenster), altesFenster);
        EXPECT_TRUE(hauptfenster->isVisible());
    }
    // Writable again: the change was kept and is saved now.
    QTest::keyClick(hauptfenster.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(m_fehler.size(), 3);
    EXPECT_EQ(TIniFile(benutzer).ReadString("BenutzerOptionen", "Statuszeile", ""), "0");
    // The close query with both unwritable: one message, the old files, and the window goes.
    hauptfenster->Item("miStatusleiste")->trigger();
    const std::string optionenJetzt = Inhalt(benutzer);
    const std::string fensterJetzt = Inhalt(fenster);
    {
        TSchreibsperre fensterSperre(fenster, m_xdg.Wurzel());
        TSchreibsperre optionenSperre(std::filesystem::path(benutzer).parent_path(),
                                      m_xdg.Wurzel());
        EXPECT_TRUE(hauptfenster->close());
    }
    ASSERT_EQ(m_fehler.size(), 4);
    EXPECT_TRUE(m_fehler[3].contains(QString::fromStdString(benutzer))) << m_fehler[3].toStdString();
    EXPECT_TRUE(m_fehler[3].contains(QString::fromStdString(fenster))) << m_fehler[3].toStdString();
    EXPECT_EQ(Inhalt(benutzer), optionenJetzt);
    EXPECT_EQ(Inhalt(fenster), fensterJetzt);
}

// A funds or currencies file that cannot be read, or does not list the stored choice (missing,
// as on a share that is not mounted, empty, damaged): the choice stays as stored and is reported
// once per name.
enum class Listendatei { Ordner, Leer, Zufall, Fehlt };
class ListendateiTest : public MainFormTest, public testing::WithParamInterface<Listendatei> {
protected:
    static void Stoeren(const std::string& datei, Listendatei art)
    {
        std::filesystem::remove(datei);
        if (art == Listendatei::Ordner) {
            std::filesystem::create_directories(datei);
        } else if (art == Listendatei::Leer) {
            Schreibe(datei, "");
        } else if (art == Listendatei::Zufall) {
            std::string bytes;
            unsigned x = 12345;
            for (int i = 0; i < 4096; ++i) {
                x = x * 1103515245u + 12345u;
                bytes += static_cast<char>(x >> 16);
            }
            Schreibe(datei, bytes);
        }
    }
};

TEST_P(ListendateiTest, TheStoredFundAndCurrencyStayAndAreReportedOnce)
{
    const std::string fenster = m_verzeichnis + "VANTRL32.INI";
    const std::string kassen = KassenDateiName();
    const std::string waehrungen = WaehrungenDateiName();
    const std::string kassenInhalt =
        "[Krankenkassen]\nN0=BKK Test\n[BKK Test]\nZusatzbeitragssatz=2,45\n";
    Schreibe(kassen, kassenInhalt);
    Schreibe(waehrungen, "[Waehrungen]\nN0=Franken\n[Franken]\nKuerzel=CHF\nKurs=0,93\n");
    {
        auto hauptfenster = NeuesFenster();
        hauptfenster->NachDemErzeugen("");
        TLohnDaten& d = hauptfenster->Lohn().LohnDatenOf();
        d.KasseName->SetAsString("BKK Test");
        d.WaehrungName->SetAsString("Franken");
        hauptfenster->close();
    }
    const std::string gespeichert = Inhalt(fenster);
    ASSERT_NE(gespeichert.find("KasseName=BKK Test"), std::string::npos) << gespeichert;
    ASSERT_NE(gespeichert.find("WaehrungName=Franken"), std::string::npos) << gespeichert;
    Stoeren(kassen, GetParam());
    Stoeren(waehrungen, GetParam());
    {
        auto hauptfenster = NeuesFenster();
        hauptfenster->NachDemErzeugen("");
        hauptfenster->show();
        TLohnDaten& d = hauptfenster->Lohn().LohnDatenOf();
        EXPECT_EQ(d.KasseName->GetValue(), "BKK Test");
        EXPECT_EQ(d.WaehrungName->GetValue(), "Franken");
        EXPECT_EQ(d.KVZBSatz->GetAsString(), "2,45");
        const auto* box = hauptfenster->findChild<QComboBox*>("cbKasse");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->currentText(), "BKK Test") << "shown as chosen";
        KrankenkassenMenue(*hauptfenster);
        EXPECT_EQ(d.KasseName->GetValue(), "BKK Test") << "the funds dialog, cancelled";
        // The page read again and a copy of the data set: still one message per name.
        hauptfenster->EinstellungenLesen(1);
        ASSERT_EQ(m_fehler.size(), 2) << m_fehler.join("|").toStdString();
        EXPECT_TRUE(m_fehler.join("|").contains("\"BKK Test\"")) << m_fehler[0].toStdString();
        EXPECT_TRUE(m_fehler.join("|").contains("\"Franken\"")) << m_fehler[1].toStdString();
        EXPECT_TRUE(hauptfenster->isVisible());
        hauptfenster->close();
    }
    // The page's lines as they were (the window's placement may differ).
    const auto seite = [](const std::string& text) { return text.substr(text.find("[Entg")); };
    EXPECT_EQ(seite(Inhalt(fenster)), seite(gespeichert));
    // Readable again: the fund is loaded as before.
    std::filesystem::remove(kassen);
    Schreibe(kassen, kassenInhalt);
    auto hauptfenster = NeuesFenster();
    hauptfenster->NachDemErzeugen("");
    EXPECT_EQ(hauptfenster->Lohn().LohnDatenOf().KVZBSatz->GetAsString(), "2,45");
    EXPECT_EQ(m_fehler.size(), 2);
}
std::string ListendateiName(const testing::TestParamInfo<Listendatei>& i)
{
    static const char* const kNamen[] = {"folder", "empty", "random", "missing"};
    return kNamen[static_cast<int>(i.param)];
}
INSTANTIATE_TEST_SUITE_P(Forms, ListendateiTest,
                         testing::Values(Listendatei::Ordner, Listendatei::Leer,
                                         Listendatei::Zufall, Listendatei::Fehlt),
                         ListendateiName);

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
    ASSERT_TRUE(spy.wait(kGeduldMs));
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
    OptionenVtrl().AllgemeinDaten().Schalter("TitelZeigen").SetValue(false);
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
    // The mark appears whole, by a rename, so that a wait for it reads its full line.
    std::ofstream(updater) << "#!/bin/sh\necho \"$@\" > '" << marke << ".neu' && mv '" << marke
                           << ".neu' '" << marke << "'\n";
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return access(marke.c_str(), F_OK) == 0; }, kGeduldMs));
    std::ifstream gelaufen(marke);
    std::string parameter;
    std::getline(gelaufen, parameter);
    EXPECT_EQ(parameter, "/SILENT Version=501");
}

namespace {

// A start as main() makes it on 15 March 2026, in the temporary home of `umgebung`, with
// `vantrl32` as the settings file.
void MitEinstellungen(TProgrammStart& start, TOptionenUmgebung& umgebung,
                      const std::string& vantrl32)
{
    start.programmVerzeichnis = ShellFolders().ProgramDirectory();
    start.datenVerzeichnis = umgebung.Xdg().Ordner("daten") + "/";
    start.heute = SetDatum(15, 3, 2026);
    std::ofstream(start.datenVerzeichnis + "VANTRL32.INI") << vantrl32;
}

} // namespace

TEST(ProgrammStart, AStoredPlacementBeyondTheScreenOpensEveryWindowOnTheWorkArea)
{
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    TProgrammStart start;
    MitEinstellungen(start, umgebung,
                     "[MainForm]\nVersion=5.01\nLinks=-629\nOben=2147483647\nHoehe=99999999\n");
    ASSERT_TRUE(start.Starten());
    QCoreApplication::processEvents();
    const QRect work = GetWorkArea();
    EXPECT_TRUE(work.contains(start.hauptfenster->GetNormalBounds()))
        << start.hauptfenster->GetNormalBounds().y();
    ASSERT_NE(TFoTitel::Titelfenster(), nullptr);
    EXPECT_TRUE(work.contains(TFoTitel::Titelfenster()->geometry()));
    TFoTitel::Schliessen();
}

// The lists at their own maximum are read once at the start and not again while the page
// recalculates: read per refresh, 5,000 names took seconds (bench/StammdatenBench.cpp times them).
TEST(ProgrammStart, FiveThousandFundsAndCurrenciesAreReadOnceNotOnEachRecalculation)
{
    // The page shows the last of each.
    InstallDatenGeaendertHook();
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    OptionenVtrl().AllgemeinDaten().Schalter("TitelZeigen").SetValue(false);
    std::string kassen = "[Krankenkassen]\n";
    std::string waehrungen = "[Waehrungen]\n";
    for (int i = 0; i < 5000; ++i) {
        kassen += "N" + std::to_string(i) + "=Kasse " + std::to_string(i) + "\n";
        waehrungen += "N" + std::to_string(i) + "=Währung " + std::to_string(i) + "\n";
    }
    for (int i = 0; i < 5000; ++i) {
        kassen += "[Kasse " + std::to_string(i) + "]\nZusatzbeitragssatz=2,45\nBBG_OstKV=0\n";
        waehrungen += "[Währung " + std::to_string(i) + "]\nKuerzel=W\nKurs=2,00000\n";
    }
    const std::string kassenDatei = KassenDateiName();
    const std::string waehrungenDatei = JoinPath(
        VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetValue(), "WAEHRUNG.INI");
    std::ofstream(kassenDatei) << kassen;
    std::ofstream(waehrungenDatei) << waehrungen;
    TProgrammStart start;
    MitEinstellungen(start, umgebung,
                     "[MainForm]\nVersion=5.01\nSeite=1\n[Entgeltabrechnung]\n"
                     "KasseName=Kasse 4999\nWaehrungName=Währung 4999\n");
    TFileLayerFake schicht;
    ASSERT_TRUE(start.Starten());
    QCoreApplication::processEvents();
    // The funds file once for the list, once for the chosen fund's values.
    EXPECT_EQ(schicht.Lesevorgaenge(kassenDatei), 2);
    EXPECT_EQ(schicht.Lesevorgaenge(waehrungenDatei), 1);
    TLohnDaten& d = start.hauptfenster->Lohn().LohnDatenOf();
    EXPECT_EQ(d.KasseName->GetValue(), "Kasse 4999");
    EXPECT_EQ(d.WaehrungName->GetValue(), "Währung 4999");
    auto* entgelt = start.hauptfenster->findChild<TBetrag*>("ebEntgelt");
    ASSERT_NE(entgelt, nullptr);
    for (int i = 1; i <= 10; ++i) {
        entgelt->setFocus();
        QTest::keyClick(entgelt, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(entgelt, QString::number((3000 + i) * 100)); // typed in cents
        QTest::keyClick(entgelt, Qt::Key_Tab);
    }
    EXPECT_DOUBLE_EQ(d.Entgelt->GetValue(), 3010);
    EXPECT_EQ(schicht.Lesevorgaenge(kassenDatei), 2);
    EXPECT_EQ(schicht.Lesevorgaenge(waehrungenDatei), 1);
}

// The start-up's time is measured by bench/StartBench.cpp and tests/tools/startzeit-messen.
TEST(ProgrammStart, StartUpShowsTheTitleAndTheMainWindowOnTheWorkArea)
{
    TOptionenUmgebung umgebung;
    TOptionenUmgebung::Starten();
    TProgrammStart start;
    start.programmVerzeichnis = ShellFolders().ProgramDirectory();
    start.datenVerzeichnis = umgebung.Xdg().Ordner("daten") + "/";
    start.heute = SetDatum(15, 3, 2026);
    ASSERT_TRUE(start.Starten());
    QCoreApplication::processEvents();
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
