// The main program from start to exit, as a user runs it: the main window opens, the user closes
// it, and the program ends every process-wide object in its fixed order; the report of objects
// never freed comes last and reaches the message hook.
#include "Forms/MainForm.h"
#include "Forms/ProgrammStart.h"
#include "Forms/Titel.h"

#include "Gui/GuiTestSupport.h"
#include "Gui/XoApp.h"
#include "Gui/XoTimer.h"
#include "Lib/InstChck.h"
#include "Lib/MVCApp.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

class ProgrammLaufTest : public GuiHookFixture {
protected:
    void TearDown() override
    {
        // The program ended them; the next test starts with fresh ones.
        TimerMngrSingleton().Reset();
        XoApplicationSingleton().Reset();
        TOptionenUmgebung::Zuruecksetzen();
        ShellFolderListSingleton().Reset();
        MVCApplicationSingleton().Reset();
        InstanceCheckerSingleton().Reset();
        GuiHookFixture::TearDown();
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

TEST_F(ProgrammLaufTest, AValueNeverFreedIsReportedAtExit)
{
    std::unique_ptr<TString> verwaist;
    Laufen([&] { verwaist = std::make_unique<TString>(nullptr, "Verwaist"); });
    EXPECT_EQ(m_meldungen, QStringList{"Fehler bei Freigabe: Verwaist"});
    // Freed after the report: its leaving must not bring back the instance checker's report.
    InstanceCheckerSingleton().Reset();
    verwaist.reset();
}

} // namespace
