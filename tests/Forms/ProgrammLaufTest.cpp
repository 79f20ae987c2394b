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

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <sys/stat.h>

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

enum class Datei { Fenster, Benutzer, Gemeinsam, Pfade };
enum class Stoerung { ZuGross, Schleife, Fifo, NullGeraet, OrdnerIstDatei };

struct UnlesbarFall {
    const char* name;
    Datei datei;
    Stoerung stoerung;
    const char* grund;
};

void PrintTo(const UnlesbarFall& f, std::ostream* os)
{
    *os << f.name;
}

const UnlesbarFall kUnlesbar[] = {
    {"window_file_too_big", Datei::Fenster, Stoerung::ZuGross, "Datei zu groß"},
    {"user_options_too_big", Datei::Benutzer, Stoerung::ZuGross, "Datei zu groß"},
    {"shared_options_too_big", Datei::Gemeinsam, Stoerung::ZuGross, "Datei zu groß"},
    {"folders_file_too_big", Datei::Pfade, Stoerung::ZuGross, "Datei zu groß"},
    {"window_file_link_loop", Datei::Fenster, Stoerung::Schleife,
     "Zu viele Ebenen symbolischer Verweise"},
    {"window_file_fifo", Datei::Fenster, Stoerung::Fifo, "Keine gewöhnliche Datei"},
    {"window_file_link_to_dev_zero", Datei::Fenster, Stoerung::NullGeraet,
     "Keine gewöhnliche Datei"},
    {"user_options_folder_is_a_file", Datei::Benutzer, Stoerung::OrdnerIstDatei,
     "Kein Verzeichnis"},
};

class UnlesbarTest : public ProgrammLaufTest, public testing::WithParamInterface<UnlesbarFall> {
protected:
    std::string Pfad(Datei datei)
    {
        switch (datei) {
        case Datei::Fenster:
            return m_umgebung.Xdg().Data() + "Tovar/XoLStTab/VANTRL32.INI";
        case Datei::Benutzer:
            return m_umgebung.BenutzerDatei();
        case Datei::Gemeinsam:
            return m_umgebung.GemeinsameDatei();
        case Datei::Pfade:
            break;
        }
        return m_umgebung.Xdg().Wurzel().string() + "/prog/Pfade.ini";
    }
    // Puts the failure in place of `pfad` and returns what stands there now.
    static std::string Stoeren(const std::string& pfad, Stoerung stoerung)
    {
        const std::filesystem::path p(pfad);
        std::filesystem::create_directories(p.parent_path());
        switch (stoerung) {
        case Stoerung::ZuGross:
            // The program's own text, then more than the 16 MiB a settings file may have.
            std::ofstream(pfad) << "[MainForm]\nBreite=700\n";
            std::filesystem::resize_file(p, 17u * 1024 * 1024);
            break;
        case Stoerung::Schleife:
            std::filesystem::create_symlink(pfad, p);
            break;
        case Stoerung::Fifo:
            ::mkfifo(pfad.c_str(), 0600);
            break;
        case Stoerung::NullGeraet:
            std::filesystem::create_symlink("/dev/zero", p);
            break;
        case Stoerung::OrdnerIstDatei:
            std::filesystem::remove(p.parent_path());
            std::ofstream(p.parent_path()) << "kein Ordner";
            return p.parent_path().string();
        }
        return pfad;
    }
    // Type, size and content of what stands at `pfad`, links not followed.
    static std::string Zustand(const std::string& pfad)
    {
        struct stat st {};
        if (::lstat(pfad.c_str(), &st) != 0)
            return "fehlt";
        std::string text = std::to_string(st.st_mode) + " " + std::to_string(st.st_size);
        if (S_ISREG(st.st_mode))
            text += " " + std::to_string(std::hash<std::string>{}(Inhalt(pfad)));
        return text;
    }
    static std::string Inhalt(const std::string& pfad)
    {
        std::ifstream in(pfad, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

// A settings file that cannot be read is told once at the start, its settings unused; at the
// close the other files are saved and that one stays as it was, without a second word.
TEST_P(UnlesbarTest, IsToldAtTheStartAndLeftAsItIs)
{
    const UnlesbarFall& f = GetParam();
    const std::string datei = Pfad(f.datei);
    const std::string gestoert = Stoeren(datei, f.stoerung);
    const std::string vorher = Zustand(gestoert);
    EXPECT_EQ(
        Laufen([] {
            OptionenVtrl().AllgemeinDaten().Schalter("KiGImmerImNetto").SetValue(true);
            OptionenVtrl().BeitragssaetzeDaten(2026).FindValue("KVSatzZB")->SetAsString("3,10");
        }),
        0);
    EXPECT_EQ(m_meldungen + m_fehler,
              QStringList{QString::fromStdString(
                  datei + " kann nicht gelesen werden: " + f.grund +
                  ". Die Einstellungen dieser Datei werden nicht verwendet, die Datei bleibt "
                  "unverändert.")});
    EXPECT_EQ(Zustand(gestoert), vorher);
    const std::pair<Datei, std::string> gespeichert[] = {{Datei::Fenster, "Version=5.01"},
                                                         {Datei::Benutzer, "KiGImmerImNetto=1"},
                                                         {Datei::Gemeinsam, "KVSatzZB=3,10"}};
    for (const auto& [andere, zeile] : gespeichert) {
        if (andere != f.datei) {
            EXPECT_NE(Inhalt(Pfad(andere)).find(zeile), std::string::npos) << Pfad(andere);
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Forms, UnlesbarTest, testing::ValuesIn(kUnlesbar),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
