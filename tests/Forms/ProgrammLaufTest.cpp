// The main program from start to exit, as a user runs it: the main window opens, the user closes
// it, and the program ends every process-wide object in its fixed order; the report of objects
// never freed comes last and reaches the message hook.
#include "Forms/MainForm.h"
#include "Forms/ProgrammStart.h"
#include "Forms/Start/Titel.h"

#include "Gui/GuiTestSupport.h"
#include "Gui/Tabelle.h"
#include "Gui/XoApp.h"
#include "Gui/XoTimer.h"
#include "Lib/InstChck.h"
#include "Lib/MVCApp.h"
#include "MVCFrame/DDEMngr.h"
#include "MVCFrame/StringValue.h"
#include "Options/OptionenVtrl.h"
#include "Support/FileLayerFake.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

class ProgrammLaufTest : public GuiHookFixture {
protected:
    void TearDown() override
    {
        NachDemLauf();
        GuiHookFixture::TearDown();
    }
    // The program ended them; the next run starts with fresh ones.
    static void NachDemLauf()
    {
        TimerMngrSingleton().Reset();
        MVCDDEManagerSingleton().Reset();
        XoApplicationSingleton().Reset();
        TOptionenUmgebung::Zuruecksetzen();
        ShellFolderListSingleton().Reset();
        MVCApplicationSingleton().Reset();
        InstanceCheckerSingleton().Reset();
    }

    // Runs the program; once its main window is shown, `imLauf` runs and the user closes the
    // windows, the title window first if it is still up.
    int Laufen(std::function<void()> imLauf = {})
    {
        QTimer benutzer;
        benutzer.setInterval(20);
        QObject::connect(&benutzer, &QTimer::timeout, [&] {
            TMainForm* haupt = Hauptfenster();
            if (haupt == nullptr || !haupt->isVisible())
                return;
            benutzer.stop();
            if (imLauf)
                imLauf();
            if (TFoTitel* titel = TFoTitel::Titelfenster())
                titel->close();
            haupt->close();
        });
        benutzer.start();
        // A program that does not end fails the test instead of hanging it.
        QTimer notbremse;
        notbremse.setSingleShot(true);
        QObject::connect(&notbremse, &QTimer::timeout, [] {
            ADD_FAILURE() << "the program did not end";
            QApplication::quit();
        });
        notbremse.start(20000);
        return ProgrammLauf({});
    }
    static TMainForm* Hauptfenster()
    {
        for (QWidget* fenster : QApplication::topLevelWidgets())
            if (auto* haupt = qobject_cast<TMainForm*>(fenster))
                return haupt;
        return nullptr;
    }

    TOptionenUmgebung m_umgebung;
};

TEST_F(ProgrammLaufTest, ANormalStartAndExitLeaveNothingBehind)
{
    bool gezeigt = false;
    EXPECT_EQ(Laufen([&] { gezeigt = true; }), 0);
    EXPECT_TRUE(gezeigt);
    EXPECT_EQ(Hauptfenster(), nullptr);
    EXPECT_TRUE(m_meldungen.isEmpty()) << m_meldungen.join('\n').toStdString();
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
    // Everything is ended, the instance checker last.
    EXPECT_TRUE(TimerMngrSingleton().Finalized());
    EXPECT_TRUE(XoApplicationSingleton().Finalized());
    EXPECT_TRUE(ShellFolderListSingleton().Finalized());
    EXPECT_TRUE(MVCApplicationSingleton().Finalized());
    EXPECT_TRUE(InstanceCheckerSingleton().Finalized());
    EXPECT_EQ(InstanceCheckerSingleton().Existing(), nullptr);
}

TEST_F(ProgrammLaufTest, ClosingTheMainWindowClosesEveryTableAndEndsTheProgram)
{
    EXPECT_EQ(
        Laufen([] {
            for (const char* item : {"miLStTabelleOeffnen", "miSVTabelleOeffnen", "miESt2026"})
                Hauptfenster()->Item(item)->trigger();
            EXPECT_TRUE(FormOfClassExists(TTabelle::staticMetaObject));
        }),
        0);
    EXPECT_FALSE(FormOfClassExists(TTabelle::staticMetaObject));
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
}

TEST_F(ProgrammLaufTest, AValueNeverFreedIsReportedAtExit)
{
    std::unique_ptr<TString> verwaist;
    Laufen([&] { verwaist = std::make_unique<TString>(nullptr, "Verwaist"); });
    EXPECT_EQ(m_meldungen, QStringList{"Fehler bei Freigabe: Verwaist"});
    // Freed after the report: its leaving must not bring back the instance checker's report.
    InstanceCheckerSingleton().Reset();
    verwaist.reset();
}

// The second start finds what the first left at exit (window, pages, options) and reads each of
// the program's settings files once up to the shown window.
TEST_F(ProgrammLaufTest, AStartWithStoredSettingsReadsEachSettingsFileOnce)
{
    Laufen([] {
        // An option of the user's and one of the statutory values of all users.
        OptionenVtrl().AllgemeinDaten().Schalter("KiGImmerImNetto").SetValue(true);
        OptionenVtrl().BeitragssaetzeDaten(2026).FindValue("KVSatzZB")->SetAsString("3,10");
    });
    NachDemLauf();
    TFileLayerFake schicht;
    std::map<std::string, int> bisGezeigt;
    EXPECT_EQ(Laufen([&] { bisGezeigt = schicht.Gelesen(); }), 0);
    int einstellungen = 0;
    for (const auto& [datei, anzahl] : bisGezeigt) {
        if (datei.find("Tovar/XoLStTab/") == std::string::npos)
            continue;
        ++einstellungen;
        EXPECT_EQ(anzahl, 1) << datei;
    }
    // VANTRL32.INI and the options of the user and of all users at least.
    EXPECT_GE(einstellungen, 3);
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('\n').toStdString();
}

} // namespace
