#include "TrayLauncher/LStTabTrayIconApplication.h"
#include "TrayLauncher/VtrlTray.h"

#include "Support/OptionenUmgebung.h"
#include "TrayTestSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

namespace {

class TrayLauncherTest : public testing::Test {
protected:
    TrayLauncherTest() : m_programm(m_xdg.Ordner("prog"))
    {
        // The entry's target must exist: the launcher stands beside the main program.
        m_xdg.Schreibe("prog/VtrlTray", "");
    }

    std::string Programm() const { return (m_xdg.Wurzel() / "prog").string() + "/"; }

    // A started launcher with the recording hooks.
    std::unique_ptr<TLStTabTrayIconApplication> Gestartet()
    {
        auto launcher = std::make_unique<TLStTabTrayIconApplication>(m_protokoll.Hooks());
        EXPECT_EQ(launcher->Startup(), TTrayStart::Laeuft)
            << m_protokoll.fehler.join('\n').toStdString();
        return launcher;
    }

    TTempXdg m_xdg;
    TProgrammOrdner m_programm;
    TTrayProtokoll m_protokoll;
};

// The host's folders without a startup folder.
class TOhneAutostart : public TProgrammOrdner {
public:
    using TProgrammOrdner::TProgrammOrdner;
    std::optional<std::string> FolderPath(int csidl) const override
    {
        if (csidl == kCsidlStartup)
            return std::nullopt;
        return TProgrammOrdner::FolderPath(csidl);
    }
};

} // namespace

TEST_F(TrayLauncherTest, IconWithTipAndMenuAsTheUserSeesThem)
{
    auto launcher = Gestartet();
    ASSERT_NE(launcher->Icon(), nullptr);
    EXPECT_EQ(launcher->Icon()->toolTip(), "Vantrel 2026");
    EXPECT_FALSE(launcher->Icon()->icon().isNull());
    EXPECT_EQ(launcher->Icon()->contextMenu(), launcher->Menu());
    const QList<QAction*> items = launcher->Menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Vantrel öffnen");
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), "&Beenden...");
    // The default item is shown in bold and stands for the double click.
    EXPECT_EQ(launcher->Menu()->defaultAction(), items[0]);
}

TEST_F(TrayLauncherTest, StartTakesLockAndAddressAndCreatesTheEntryForItself)
{
    auto launcher = Gestartet();
    EXPECT_TRUE(LauncherLaeuft());
    EXPECT_TRUE(LauncherAntwortet());
    std::ifstream eintrag(EintragDatei());
    const std::string inhalt((std::istreambuf_iterator<char>(eintrag)), {});
    EXPECT_NE(inhalt.find("Exec=\"" + Programm() + "VtrlTray\"\n"), std::string::npos) << inhalt;
    EXPECT_TRUE(m_protokoll.fehler.isEmpty());
}

TEST_F(TrayLauncherTest, EntryPointingElsewhereIsLeftAlone)
{
    m_xdg.Schreibe("home/.config/autostart/Vantrel Tray Icon 2026.desktop", "eigener Eintrag");
    auto launcher = Gestartet();
    std::ifstream eintrag(EintragDatei());
    const std::string inhalt((std::istreambuf_iterator<char>(eintrag)), {});
    EXPECT_EQ(inhalt, "eigener Eintrag");
}

TEST_F(TrayLauncherTest, SecondLauncherEndsBeforeAddressIconOrEntry)
{
    TNamedMutex erster(kTrayTitel.toStdString(), TMutexArt::Allein);
    ASSERT_TRUE(erster.Held());
    TLStTabTrayIconApplication zweiter(m_protokoll.Hooks());
    EXPECT_EQ(zweiter.Startup(), TTrayStart::Zweiter);
    EXPECT_EQ(zweiter.Icon(), nullptr);
    EXPECT_FALSE(Existiert(MessageWindowName(kTrayKlasse, kTrayTitel).toStdString()));
    EXPECT_FALSE(Existiert(EintragDatei()));
    EXPECT_TRUE(m_protokoll.fehler.isEmpty());
}

TEST_F(TrayLauncherTest, AddressThatCannotBeOpenedIsAnErrorAndNoEntryIsMade)
{
    // Somebody else (not a launcher: it holds no lock) answers under the address.
    TMessageWindow fremd;
    ASSERT_TRUE(fremd.Oeffnen(kTrayKlasse, kTrayTitel));
    TLStTabTrayIconApplication launcher(m_protokoll.Hooks());
    EXPECT_EQ(launcher.Startup(), TTrayStart::Fehler);
    ASSERT_EQ(m_protokoll.fehler.size(), 1);
    EXPECT_TRUE(m_protokoll.fehler[0].startsWith("Fehler beim Erzeugen einer Fensterklasse\n"));
    EXPECT_EQ(launcher.Icon(), nullptr);
    EXPECT_FALSE(Existiert(EintragDatei()));
}

TEST_F(TrayLauncherTest, EntryThatCannotBeWrittenEndsTheStartWithItsError)
{
    m_xdg.Schreibe("home/.config/autostart", "kein Ordner");
    TLStTabTrayIconApplication launcher(m_protokoll.Hooks());
    EXPECT_EQ(launcher.Startup(), TTrayStart::Fehler);
    ASSERT_EQ(m_protokoll.fehler.size(), 1);
    EXPECT_TRUE(m_protokoll.fehler[0].contains("autostart")) << m_protokoll.fehler[0].toStdString();
}

TEST_F(TrayLauncherTest, WithoutStartupFolderRunAndCloseBothEndWithOne)
{
    TOhneAutostart ohne(Programm());
    EXPECT_EQ(VtrlTrayAusfuehren({}, m_protokoll.Hooks()), 1);
    EXPECT_EQ(VtrlTrayAusfuehren({"/x"}, m_protokoll.Hooks()), 1);
    EXPECT_EQ(m_protokoll.fehler, QStringList({"Autostartverzeichnis nicht gefunden",
                                               "Autostartverzeichnis nicht gefunden"}));
}

TEST_F(TrayLauncherTest, CloseCommandWhoseEntryCannotBeDeletedEndsWithOne)
{
    m_xdg.Schreibe("home/.config/autostart/Vantrel Tray Icon 2026.desktop/darin", "");
    EXPECT_EQ(TrayLauncherSchliessen(m_protokoll.Hooks()), 1);
    EXPECT_EQ(m_protokoll.fehler,
              QStringList("Autostart-Verknüpfung konnte nicht gelöscht werden."));
}

namespace {

struct FrageFall {
    const char* name;
    TTrayAntwort antwort;
    bool endet;
    bool eintragBleibt;
};

const FrageFall kFrageFaelle[] = {
    {"cancel_keeps_running_and_entry", TTrayAntwort::Abbrechen, false, true},
    {"yes_ends_and_keeps_entry", TTrayAntwort::Ja, true, true},
    {"no_ends_and_deletes_entry", TTrayAntwort::Nein, true, false},
};

class TrayLauncherFrage : public TrayLauncherTest, public testing::WithParamInterface<FrageFall> {};

} // namespace

TEST_P(TrayLauncherFrage, BeendenAsksAboutTheNextLogin)
{
    const FrageFall& fall = GetParam();
    auto launcher = Gestartet();
    QSignalSpy ende(launcher.get(), &TLStTabTrayIconApplication::Ende);
    m_protokoll.antwort = fall.antwort;
    launcher->Menu()->actions().at(2)->trigger();
    EXPECT_EQ(m_protokoll.fragen, QStringList("Symbol bei der nächsten Anmeldung laden?"));
    EXPECT_EQ(launcher->Beendet(), fall.endet);
    EXPECT_EQ(ende.size(), fall.endet ? 1 : 0);
    EXPECT_EQ(Existiert(EintragDatei()), fall.eintragBleibt);
    EXPECT_TRUE(m_protokoll.starts.empty());
    EXPECT_TRUE(m_protokoll.fehler.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(TrayLauncher, TrayLauncherFrage, testing::ValuesIn(kFrageFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

namespace {

struct AktivierungsFall {
    const char* name;
    std::vector<QSystemTrayIcon::ActivationReason> gruende;
    bool startet;
};

const AktivierungsFall kAktivierungen[] = {
    {"double_click", {QSystemTrayIcon::DoubleClick}, true},
    {"single_activation", {QSystemTrayIcon::Trigger}, true},
    {"click_then_double_click_starts_once",
     {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick},
     true},
    {"context_menu_only_shows_the_menu", {QSystemTrayIcon::Context}, false},
    {"middle_click", {QSystemTrayIcon::MiddleClick}, false},
};

class TrayLauncherAktivierung : public TrayLauncherTest,
                                public testing::WithParamInterface<AktivierungsFall> {};

} // namespace

TEST_P(TrayLauncherAktivierung, OpensTheMainProgramBesideItAndEnds)
{
    const AktivierungsFall& fall = GetParam();
    auto launcher = Gestartet();
    for (const auto grund : fall.gruende)
        emit launcher->Icon()->activated(grund);
    if (fall.startet)
        EXPECT_EQ(m_protokoll.starts, std::vector<std::string>{Programm() + "Vantrl32"});
    else
        EXPECT_TRUE(m_protokoll.starts.empty());
    EXPECT_EQ(launcher->Beendet(), fall.startet);
    EXPECT_TRUE(Existiert(EintragDatei()));
}

INSTANTIATE_TEST_SUITE_P(TrayLauncher, TrayLauncherAktivierung, testing::ValuesIn(kAktivierungen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(TrayLauncherTest, MainProgramThatCannotBeStartedIsToldAndTheLauncherEndsAnyway)
{
    auto launcher = Gestartet();
    m_protokoll.startErgebnis = ENOENT;
    launcher->Menu()->defaultAction()->trigger();
    EXPECT_EQ(m_protokoll.fehler, QStringList("\"" + QString::fromStdString(Programm()) +
                                              "Vantrl32\" nicht gefunden!"));
    EXPECT_TRUE(launcher->Beendet());
}

TEST_F(TrayLauncherTest, OnlyTheCloseMessageEndsIt)
{
    auto launcher = Gestartet();
    QSignalSpy ende(launcher.get(), &TLStTabTrayIconApplication::Ende);
    ASSERT_TRUE(PostWindowMessage(kTrayKlasse, kTrayTitel, "closexolsttabtrayapp"));
    EXPECT_FALSE(ende.wait(300));
    ASSERT_TRUE(PostWindowMessage(kTrayKlasse, kTrayTitel, "CloseXoLStTabTrayApp"));
    EXPECT_TRUE(ende.wait(kGeduldMs));
    EXPECT_TRUE(launcher->Beendet());
    // The entry stays: closing by the main program says nothing about the next login.
    EXPECT_TRUE(Existiert(EintragDatei()));
}

TEST_F(TrayLauncherTest, EndedLauncherFreesLockAndAddress)
{
    Gestartet().reset();
    EXPECT_FALSE(LauncherLaeuft());
    EXPECT_FALSE(LauncherAntwortet());
    EXPECT_FALSE(Existiert(MessageWindowName(kTrayKlasse, kTrayTitel).toStdString()));
    auto naechster = Gestartet();
    EXPECT_TRUE(LauncherAntwortet());
}

TEST_F(TrayLauncherTest, ClosedWindowDoesNotEndTheRunningLauncher)
{
    bool liefNoch = false;
    const int ergebnis =
        VtrlTrayAusfuehren({}, m_protokoll.Hooks(), [&](TLStTabTrayIconApplication& launcher) {
            // A message box is the launcher's only window; when it closes, the launcher stays.
            QTimer::singleShot(0, [] {
                auto* box = new QWidget;
                box->setAttribute(Qt::WA_DeleteOnClose);
                box->show();
                box->close();
            });
            QTimer::singleShot(200, [&] {
                liefNoch = !launcher.Beendet();
                PostWindowMessage(kTrayKlasse, kTrayTitel, kTrayNachricht);
            });
        });
    EXPECT_TRUE(liefNoch);
    EXPECT_EQ(ergebnis, 0);
}

namespace {

// Answers the message box that is open next, after checking what it shows.
void BoxBeantworten(const QString& titel, const QString& text, const QStringList& knoepfe,
                    const QString& antwort)
{
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), titel);
        EXPECT_EQ(box->text(), text);
        QStringList gezeigt;
        QAbstractButton* gewaehlt = nullptr;
        for (QAbstractButton* knopf : box->buttons()) {
            gezeigt << knopf->text();
            if (knopf->text() == antwort)
                gewaehlt = knopf;
        }
        gezeigt.sort();
        EXPECT_EQ(gezeigt, knoepfe);
        if (gewaehlt != nullptr)
            QTest::mouseClick(gewaehlt, Qt::LeftButton);
        else
            QTest::keyClick(box, Qt::Key_Escape);
    });
}

} // namespace

TEST(TrayHooks, QuestionWithGermanButtonsEscapeCancels)
{
    const TTrayHooks hooks = DefaultTrayHooks();
    const QStringList knoepfe = {"&Ja", "&Nein", "Abbrechen"};
    BoxBeantworten("Vantrel Tray Icon 2026", "Frage?", knoepfe, "&Nein");
    EXPECT_EQ(hooks.frage("Frage?"), TTrayAntwort::Nein);
    BoxBeantworten("Vantrel Tray Icon 2026", "Frage?", knoepfe, "&Ja");
    EXPECT_EQ(hooks.frage("Frage?"), TTrayAntwort::Ja);
    BoxBeantworten("Vantrel Tray Icon 2026", "Frage?", knoepfe, "");
    EXPECT_EQ(hooks.frage("Frage?"), TTrayAntwort::Abbrechen);
}

TEST(TrayHooks, ErrorBoxCaptionedWithTheLaunchersTitle)
{
    BoxBeantworten("Vantrel Tray Icon 2026", "\"/x/Vantrl32\" nicht gefunden!", {"OK"}, "OK");
    DefaultTrayHooks().fehler("\"/x/Vantrl32\" nicht gefunden!");
}

namespace {

struct InfobereichFall {
    const char* name;
    int daNachAbfragen; // the notification area is there from this query on; -1: never
    bool endet;
};

const InfobereichFall kInfobereichFaelle[] = {
    {"never_ends_with_one_and_says_how_to_switch_it_off", -1, true},
    {"coming_up_late_keeps_the_launcher", 3, false},
};

class TrayLauncherInfobereich : public TrayLauncherTest,
                                public testing::WithParamInterface<InfobereichFall> {};

} // namespace

TEST_P(TrayLauncherInfobereich, WaitsForTheNotificationArea)
{
    const InfobereichFall& fall = GetParam();
    int abfragen = 0;
    TTrayHooks hooks = m_protokoll.Hooks();
    hooks.infobereich = [&] {
        ++abfragen;
        return fall.daNachAbfragen >= 0 && abfragen >= fall.daNachAbfragen;
    };
    hooks.infobereichFristMs = 300;
    TLStTabTrayIconApplication launcher(hooks);
    ASSERT_EQ(launcher.Startup(), TTrayStart::Laeuft);
    QSignalSpy ende(&launcher, &TLStTabTrayIconApplication::Ende);
    WartenBis([&] { return launcher.Beendet(); }, 1500);
    EXPECT_EQ(launcher.Beendet(), fall.endet);
    EXPECT_EQ(launcher.ExitCode(), fall.endet ? 1 : 0);
    EXPECT_EQ(m_protokoll.fehler, fall.endet ? QStringList(kKeinInfobereich) : QStringList());
    EXPECT_TRUE(kKeinInfobereich.contains("Schnellstartsymbol anzeigen (Task-Leiste)"));
    // The entry stays for the next login.
    EXPECT_TRUE(Existiert(EintragDatei()));
}

INSTANTIATE_TEST_SUITE_P(TrayLauncher, TrayLauncherInfobereich,
                         testing::ValuesIn(kInfobereichFaelle),
                         [](const auto& i) { return std::string(i.param.name); });
