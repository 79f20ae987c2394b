// The main window's settings file: where it lies and what a close costs.
#include "Forms/MainForm.h"

#include "Gui/GuiTestSupport.h"
#include "Lib/IniFile.h"
#include "Support/FileLayerFake.h"
#include "Support/OptionenUmgebung.h"

#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

class EinstellungsDateiTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TOptionenUmgebung::Starten();
    }

    TOptionenUmgebung m_umgebung;
    TTempXdg& m_xdg = m_umgebung.Xdg();
};

// A data directory from Pfade.ini without a trailing delimiter still holds VANTRL32.INI itself,
// not a "datenVANTRL32.INI" beside it.
TEST_F(EinstellungsDateiTest, LiesInTheDataDirectoryGivenWithoutDelimiter)
{
    const std::string daten = m_xdg.Ordner("daten");
    {
        TMainForm fenster(daten);
        fenster.init();
        fenster.close();
    }
    EXPECT_EQ(TIniFile(daten + "/VANTRL32.INI").ReadString("MainForm", "Version", ""), "5.01");
}

// The settings hold an employee's personal data: a first save creates the folder and the file
// for the user alone, whatever the umask.
TEST_F(EinstellungsDateiTest, AFirstSaveIsTheUsersAlone)
{
    const std::string daten = m_xdg.Ordner("daten") + "/neu/";
    const mode_t vorher = ::umask(022);
    {
        TMainForm fenster(daten);
        fenster.init();
        fenster.close();
    }
    ::umask(vorher);
    struct stat ordner {};
    struct stat datei {};
    ASSERT_EQ(::stat(daten.c_str(), &ordner), 0);
    ASSERT_EQ(::stat((daten + "VANTRL32.INI").c_str(), &datei), 0);
    EXPECT_EQ(ordner.st_mode & 0777, 0700u);
    EXPECT_EQ(datei.st_mode & 0777, 0600u);
}

// Years of pages and cases make a settings file of 15 MB; closing reads and writes it once, so
// its cost grows with the file, not with the file times the keys saved.
TEST_F(EinstellungsDateiTest, ClosingWithA15MBFileReadsAndWritesItOnce)
{
    const std::string daten = m_xdg.Ordner("daten") + "/";
    const std::string datei = daten + "VANTRL32.INI";
    {
        std::ofstream out(datei, std::ios::binary);
        std::size_t groesse = 0;
        for (int s = 0; groesse < 15u * 1024 * 1024; ++s) {
            std::string sektion = "[Fall" + std::to_string(s) + "]\n";
            for (int k = 0; k < 200; ++k)
                sektion += "Schluessel" + std::to_string(k) + "=Wert " + std::to_string(k) + "\n";
            groesse += sektion.size();
            out << sektion << "\n";
        }
    }
    TMainForm fenster(daten);
    fenster.init();
    TFileLayerFake schicht;
    fenster.close();
    EXPECT_EQ(schicht.Lesevorgaenge(datei), 1);
    EXPECT_EQ(std::count(schicht.Geschrieben().begin(), schicht.Geschrieben().end(), datei), 1);
    const TIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("MainForm", "Version", ""), "5.01");
    EXPECT_EQ(ini.ReadString("Fall99", "Schluessel199", ""), "Wert 199");
}

} // namespace
