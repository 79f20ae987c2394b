// The programs themselves, run offscreen under a temporary home: the real VtrlTray, and the test
// driver (the same program block with message boxes that print) where the user has to act.
#include "Support/TempXdg.h"
#include "TrayTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>

namespace {

const QString kProgramm = QStringLiteral(VT_TRAY_PROGRAMM);
const QString kTreiber = QStringLiteral(VT_TRAY_TREIBER);

class VtrlTrayProzess : public testing::Test {
protected:
    ~VtrlTrayProzess() override
    {
        for (auto& p : m_prozesse) {
            p->kill();
            p->waitForFinished(kGeduldMs);
        }
    }

    QProcess&
    Starten(const QString& programm, const QStringList& argumente = {},
            const QProcessEnvironment& umgebung = QProcessEnvironment::systemEnvironment(),
            const QString& ordner = {})
    {
        auto& p = *m_prozesse.emplace_back(std::make_unique<QProcess>());
        p.setProcessEnvironment(umgebung);
        p.setWorkingDirectory(ordner);
        p.start(programm, argumente);
        EXPECT_TRUE(p.waitForStarted(kGeduldMs)) << programm.toStdString();
        return p;
    }

    // A launcher that runs until the test ends it.
    QProcess& Laufender(const QString& programm = kProgramm)
    {
        QProcess& p = Starten(programm);
        EXPECT_TRUE(WartenBis([] { return LauncherAntwortet() && Existiert(EintragDatei()); }))
            << p.readAllStandardError().toStdString();
        return p;
    }

    // The launcher copied into a program folder of the test's own, where it looks for the main
    // program beside it; returns the folder.
    QString LauncherImProgrammordner()
    {
        const QString ordner = QString::fromStdString(m_xdg.Ordner("prog"));
        EXPECT_TRUE(QFile::copy(kTreiber, ordner + "/VtrlTray"));
        return ordner;
    }

    // That launcher, started with one switch of the test driver set.
    QProcess& ImProgrammordnerStarten(const QString& ordner, const QString& schalter,
                                      const QString& wert)
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(schalter, wert);
        return Starten(ordner + "/VtrlTray", {}, umgebung);
    }

    static int ExitCode(QProcess& p)
    {
        if (!p.waitForFinished(kGeduldMs))
            return -1;
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    }

    TTempXdg m_xdg;
    std::vector<std::unique_ptr<QProcess>> m_prozesse;
};

struct ZweiterFall {
    const char* name;
    QStringList argumente;
};

const ZweiterFall kZweite[] = {
    {"no_argument", {}},
    {"capital_X", {"/X"}},
    {"x_with_a_second_argument", {"/x", "/x"}},
    {"x_without_slash", {"x"}},
};

class VtrlTrayZweiter : public VtrlTrayProzess, public testing::WithParamInterface<ZweiterFall> {};

} // namespace

TEST_P(VtrlTrayZweiter, AnyCommandLineButExactlySlashXIsASecondLauncher)
{
    QProcess& erster = Laufender();
    EXPECT_EQ(ExitCode(Starten(kProgramm, GetParam().argumente)), 255);
    EXPECT_EQ(erster.state(), QProcess::Running);
    EXPECT_TRUE(LauncherAntwortet());
}

INSTANTIATE_TEST_SUITE_P(VtrlTray, VtrlTrayZweiter, testing::ValuesIn(kZweite),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(VtrlTrayProzess, SlashXEndsTheRunningLauncherAndRemovesTheEntry)
{
    QProcess& laufender = Laufender();
    EXPECT_EQ(ExitCode(Starten(kProgramm, {"/x"})), 0);
    EXPECT_EQ(ExitCode(laufender), 0);
    EXPECT_FALSE(Existiert(EintragDatei()));
    EXPECT_FALSE(LauncherLaeuft());
    // The next launcher starts normally and makes the entry again.
    Laufender();
}

TEST_F(VtrlTrayProzess, KilledLauncherLeavesNothingThatStopsTheNext)
{
    QProcess& erster = Laufender();
    erster.kill();
    ASSERT_TRUE(erster.waitForFinished(kGeduldMs));
    // Its socket file is still there, nobody answers it.
    ASSERT_TRUE(Existiert(MessageWindowName(kTrayKlasse, kTrayTitel).toStdString()));
    ASSERT_FALSE(LauncherAntwortet());
    QProcess& naechster = Laufender();
    EXPECT_EQ(ExitCode(Starten(kProgramm, {"/x"})), 0);
    EXPECT_EQ(ExitCode(naechster), 0);
}

TEST_F(VtrlTrayProzess, SlashXAloneOnlyRemovesTheEntry)
{
    m_xdg.Schreibe("home/.config/autostart/Vantrel Tray Icon 2026.desktop", "[Desktop Entry]\n");
    EXPECT_EQ(ExitCode(Starten(kProgramm, {"/x"})), 0);
    EXPECT_FALSE(Existiert(EintragDatei()));
    // Neither lock nor address nor anything else in the runtime folder.
    EXPECT_TRUE(
        QDir(QString::fromStdString(m_xdg.Ordner("run")))
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
            .isEmpty());
    // Without an entry it is no error either.
    EXPECT_EQ(ExitCode(Starten(kProgramm, {"/x"})), 0);
}

TEST_F(VtrlTrayProzess, OpenStartsTheMainProgramWhichDoesNotKeepTheLauncherSingle)
{
    const QString ordner = LauncherImProgrammordner();
    // The main program stands in as a script that keeps every descriptor it was given.
    const std::string pidDatei = ordner.toStdString() + "/Vantrl32.pid";
    m_xdg.Schreibe("prog/Vantrl32", "#!/bin/sh\necho $$ > \"$0.pid\"\nexec sleep 30\n");
    QFile(ordner + "/Vantrl32").setPermissions(QFile::ReadOwner | QFile::ExeOwner);

    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("VT_TREIBER_AKTION", "oeffnen");
    // Started by a relative path: the entry must still name the launcher's absolute path.
    QProcess& launcher = Starten("./VtrlTray", {}, umgebung, ordner);
    EXPECT_EQ(ExitCode(launcher), 0);
    EXPECT_EQ(launcher.readAllStandardOutput(), "");
    ASSERT_TRUE(WartenBis([&] { return Existiert(pidDatei); }));
    pid_t stub = 0;
    ASSERT_TRUE(WartenBis([&] { return (std::ifstream(pidDatei) >> stub) && stub > 0; }));

    std::ifstream eintrag(EintragDatei());
    const std::string inhalt((std::istreambuf_iterator<char>(eintrag)), {});
    EXPECT_NE(inhalt.find("Exec=\"" + ordner.toStdString() + "/VtrlTray\""), std::string::npos)
        << inhalt;

    // The main program still runs; a new launcher must not find the old one's lock in it.
    ASSERT_EQ(kill(stub, 0), 0);
    QProcess& neuer = Starten(kProgramm);
    EXPECT_FALSE(neuer.waitForFinished(1000)) << "exit code " << neuer.exitCode();
    EXPECT_TRUE(WartenBis(LauncherAntwortet));
    EXPECT_EQ(ExitCode(Starten(kProgramm, {"/x"})), 0);
    EXPECT_EQ(ExitCode(neuer), 0);
    kill(stub, SIGKILL);
}

TEST_F(VtrlTrayProzess, MissingMainProgramIsToldAndTheLauncherEndsWithZero)
{
    const QString ordner = LauncherImProgrammordner();
    QProcess& launcher = ImProgrammordnerStarten(ordner, "VT_TREIBER_AKTION", "oeffnen");
    EXPECT_EQ(ExitCode(launcher), 0);
    EXPECT_EQ(launcher.readAllStandardOutput().toStdString(),
              "Fehler: \"" + ordner.toStdString() + "/Vantrl32\" nicht gefunden!\n");
}

TEST_F(VtrlTrayProzess, EntryThatCannotBeWrittenEndsWithOneAndSaysWhyOnStderr)
{
    m_xdg.Schreibe("home/.config/autostart", "kein Ordner");
    QProcess& launcher = Starten(kTreiber);
    EXPECT_EQ(ExitCode(launcher), 1);
    const QString fehler = QString::fromUtf8(launcher.readAllStandardError());
    const QString gezeigt = QString::fromUtf8(launcher.readAllStandardOutput());
    EXPECT_TRUE(fehler.contains("VtrlTray: ")) << fehler.toStdString();
    EXPECT_TRUE(gezeigt.startsWith("Fehler: ")) << gezeigt.toStdString();
    EXPECT_FALSE(LauncherLaeuft());
}

TEST_F(VtrlTrayProzess, SlashXNeedsNoDisplay)
{
    QProcess& laufender = Laufender();
    QProcessEnvironment ohneBildschirm = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        ohneBildschirm.remove(name);
    EXPECT_EQ(ExitCode(Starten(kProgramm, {"/x"}, ohneBildschirm)), 0);
    EXPECT_EQ(ExitCode(laufender), 0);
    EXPECT_FALSE(Existiert(EintragDatei()));
}

TEST_F(VtrlTrayProzess, WithoutANotificationAreaTheLauncherEndsWithOne)
{
    QProcess& launcher =
        ImProgrammordnerStarten(LauncherImProgrammordner(), "VT_TREIBER_INFOBEREICH", "nie");
    EXPECT_EQ(ExitCode(launcher), 1);
    EXPECT_EQ(QString::fromUtf8(launcher.readAllStandardOutput()),
              "Fehler: " + kKeinInfobereich + "\n");
    EXPECT_TRUE(QString::fromUtf8(launcher.readAllStandardError())
                    .contains("VtrlTray: " + kKeinInfobereich + "\n"));
    EXPECT_TRUE(Existiert(EintragDatei()));
    EXPECT_FALSE(LauncherLaeuft());
}

namespace {

struct OhneBildschirmFall {
    const char* name;
    const char* plattform; // QT_QPA_PLATFORM; nullptr: none
    const char* display;   // DISPLAY; nullptr: none
};

const OhneBildschirmFall kOhneBildschirm[] = {
    {"display_without_x_server", nullptr, ":999"},
    // Offscreen has no notification area: the launcher gives up after its wait.
    {"offscreen", "offscreen", nullptr},
};

class VtrlTrayOhneBildschirm : public VtrlTrayProzess,
                               public testing::WithParamInterface<OhneBildschirmFall> {};

} // namespace

// No box that nobody could close: the line on stderr and exit code 1.
TEST_P(VtrlTrayOhneBildschirm, EndsWithOneAndSaysWhyOnStderr)
{
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        umgebung.remove(name);
    if (GetParam().plattform)
        umgebung.insert("QT_QPA_PLATFORM", GetParam().plattform);
    if (GetParam().display)
        umgebung.insert("DISPLAY", GetParam().display);
    QProcess& launcher = Starten(kProgramm, {}, umgebung);
    EXPECT_EQ(ExitCode(launcher), 1);
    EXPECT_TRUE(QString::fromUtf8(launcher.readAllStandardError())
                    .contains("VtrlTray: " + kKeinInfobereich + "\n"));
}

INSTANTIATE_TEST_SUITE_P(VtrlTray, VtrlTrayOhneBildschirm, testing::ValuesIn(kOhneBildschirm),
                         [](const auto& i) { return std::string(i.param.name); });
