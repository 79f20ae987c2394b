// The main program's side of the hand-over, against the real launcher: its start closes a
// running launcher, its end starts one when the tray option is on.
#include "Forms/MainForm.h"

#include "Gui/GuiTestSupport.h"
#include "Gui/XoForm.h"
#include "Options/OptionenVtrl.h"
#include "Support/OptionenUmgebung.h"
#include "Support/Warten.h"
#include "TrayTestSupport.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const QString kProgramm = QStringLiteral(VT_TRAY_PROGRAMM);

class UebergabeTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TOptionenUmgebung::Starten();
    }
    void TearDown() override
    {
        // No launcher outlives its test.
        if (LauncherAntwortet())
            PostWindowMessage(kTrayKlasse, kTrayTitel, kTrayNachricht);
        EXPECT_TRUE(WartenBis([] { return !LauncherLaeuft(); }));
        GuiHookFixture::TearDown();
    }

    std::unique_ptr<TMainForm> Hauptfenster()
    {
        auto fenster = std::make_unique<TMainForm>(m_xdg.Ordner("daten") + "/");
        fenster->init();
        return fenster;
    }
    std::string Programm() const { return (m_xdg.Wurzel() / "prog").string() + "/"; }

    TOptionenUmgebung m_umgebung;
    TTempXdg& m_xdg = m_umgebung.Xdg();
};

} // namespace

TEST_F(UebergabeTest, StartOfTheMainProgramClosesTheRunningLauncher)
{
    QProcess launcher;
    launcher.start(kProgramm);
    ASSERT_TRUE(WartenBis(LauncherAntwortet));
    auto fenster = Hauptfenster();
    fenster->NachDemErzeugen("");
    ASSERT_TRUE(launcher.waitForFinished(kGeduldMs));
    EXPECT_EQ(launcher.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(launcher.exitCode(), 0);
}

// As the build lays the programs out: the main program's folder there holds the launcher.
TEST_F(UebergabeTest, EndOfTheMainProgramStartsTheLauncherBesideItInTheBuild)
{
    const TProgrammOrdner build(VT_PROGRAMM_ORDNER);
    OptionenVtrl().AllgemeinDaten().Schalter("InfobereichSymbol").SetValue(true);
    Hauptfenster().reset();
    ASSERT_TRUE(WartenBis([] { return LauncherAntwortet() && Existiert(EintragDatei()); }));
    std::ifstream eintrag(EintragDatei());
    const std::string inhalt((std::istreambuf_iterator<char>(eintrag)), {});
    EXPECT_NE(inhalt.find("Exec=\"" + build.ProgramDirectory() + "VtrlTray\""),
              std::string::npos)
        << inhalt;
    EXPECT_TRUE(m_fehler.isEmpty());
}

namespace {

struct EndeFall {
    const char* name;
    bool schalter;
    const char* programm; // the launcher's file beside the main program; nullptr: none
    bool gemeldet;
};

const EndeFall kEndeFaelle[] = {
    {"missing_launcher_is_silent", true, nullptr, false},
    {"launcher_that_cannot_run_is_told", true, "kein Programm", true},
    {"tray_option_off_starts_nothing", false, "#!/bin/sh\ntouch \"$0.lief\"\n", false},
};

class UebergabeEnde : public UebergabeTest, public testing::WithParamInterface<EndeFall> {};

} // namespace

TEST_P(UebergabeEnde, FailureIsShownBeforeTheWindowGoesAndNothingIsThrown)
{
    const EndeFall& fall = GetParam();
    if (fall.programm != nullptr) {
        m_xdg.Schreibe("prog/VtrlTray", fall.programm);
        QFile(QString::fromStdString(Programm()) + "VtrlTray")
            .setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
    }
    OptionenVtrl().AllgemeinDaten().Schalter("InfobereichSymbol").SetValue(fall.schalter);
    auto fenster = Hauptfenster();
    const TMainForm* offen = nullptr;
    GuiHooks().fehler = [&](const QString& text) {
        m_fehler << text;
        offen = dynamic_cast<const TMainForm*>(TXoForm::MainForm());
    };
    const TMainForm* vorher = fenster.get();
    EXPECT_NO_THROW(fenster.reset());
    if (fall.gemeldet) {
        // Told while the main window was still the program's window.
        EXPECT_EQ(offen, vorher);
        ASSERT_EQ(m_fehler.size(), 1);
        EXPECT_TRUE(m_fehler[0].contains(QString::fromStdString(Programm()) + "VtrlTray"))
            << m_fehler[0].toStdString();
    } else {
        EXPECT_TRUE(m_fehler.isEmpty());
    }
    QThread::msleep(200);
    EXPECT_FALSE(Existiert(Programm() + "VtrlTray.lief"));
}

INSTANTIATE_TEST_SUITE_P(Uebergabe, UebergabeEnde, testing::ValuesIn(kEndeFaelle),
                         [](const auto& i) { return std::string(i.param.name); });
