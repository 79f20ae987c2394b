#include "Options/Verzeichnisse.h"

#include "Lib/Exception.h"
#include "Options/ShellFolderList.h"
#include "ShellFoldersFake.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

namespace {

void VerzeichnisseZuruecksetzen()
{
    VerzeichnisseVtrlSingleton().Reset();
    VerzeichnisseSingleton().Reset();
}

// A temporary home and a program directory below it; the directory singletons are built
// afresh inside the fixture and freed after it.
class VerzeichnisseTest : public testing::Test {
protected:
    VerzeichnisseTest() : m_programm(m_xdg.Ordner("prog")) { VerzeichnisseZuruecksetzen(); }
    ~VerzeichnisseTest() override { VerzeichnisseZuruecksetzen(); }

    void PfadeIni(const std::string& inhalt) const { m_xdg.Schreibe("prog/Pfade.ini", inhalt); }

    TTempXdg m_xdg;
    TProgrammOrdner m_programm;
};

TEST_F(VerzeichnisseTest, WithoutPfadeIniEveryPathIsItsFolderPlusTheSubFolder)
{
    TVerzeichnisse& v = Verzeichnisse();
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetAsString(), m_xdg.Data());
    v.SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(v.GetBasisPfad(), "Tovar/XoLStTab/");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kBenutzerOptionen).GetAsString(),
              m_xdg.Config() + "Tovar/XoLStTab/");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetAsString(), m_xdg.Data() + "Tovar/XoLStTab/");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kOptionen).GetAsString(), m_xdg.Data() + "Tovar/XoLStTab/");
    // Derived paths are not editable, yet they give their text and their display text.
    EXPECT_FALSE(v.GetPfad(TVerzeichnisse::kDaten).IsEnabled());
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetDisplayText(), m_xdg.Data() + "Tovar/XoLStTab/");

    TVerzeichnisseVtrl& vtrl = VerzeichnisseVtrl();
    vtrl.SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(vtrl.GetPfad(TVerzeichnisseVtrl::kKrankenkassen).GetAsString(),
              m_xdg.Data() + "Tovar/XoLStTab/");
    EXPECT_EQ(vtrl.GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetAsString(),
              m_xdg.Data() + "Tovar/XoLStTab/");
    EXPECT_EQ(vtrl.GetPfad(TVerzeichnisseVtrl::kBezugtexte).GetAsString(),
              m_xdg.Data() + "Tovar/XoLStTab/");
}

TEST_F(VerzeichnisseTest, PfadeIniWithOwnPathAndAnotherFolder)
{
    PfadeIni("[Verzeichnisse]\n"
             "DatenDatei=(Anderes)\n"
             "DatenDateiPfad=/srv/lohn/daten/\n"
             "OptionenDatei=Anwendungsdaten (APPDATA)\n"
             "OptionenDateiPfad=/stale/entry/\n"
             "[VerzeichnisseVtrl]\n"
             "waehrungendatei=Lokale Anwendungsdaten (LOCAL_APPDATA)\n");
    TVerzeichnisse& v = Verzeichnisse();
    v.SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetAsString(), "/srv/lohn/daten/");
    EXPECT_TRUE(v.GetPfad(TVerzeichnisse::kDaten).IsEnabled());
    // A derived path ignores a stored text: folder plus sub-folder.
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kOptionen).GetAsString(),
              m_xdg.Config() + "Tovar/XoLStTab/");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kBenutzerOptionen).GetAsString(),
              m_xdg.Config() + "Tovar/XoLStTab/");

    TVerzeichnisseVtrl& vtrl = VerzeichnisseVtrl();
    vtrl.SetBasisPfad("Tovar/XoLStTab");
    EXPECT_EQ(vtrl.GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetAsString(),
              m_xdg.Data() + "Tovar/XoLStTab/");
}

TEST_F(VerzeichnisseTest, AFolderThisHostLacksBecomesTheOwnPath)
{
    PfadeIni("[Verzeichnisse]\n"
             "DatenDatei=Eigene Musik (MYMUSIC)\n"
             "DatenDateiPfad=/home/alt/Musik/Tovar/XoLStTab/\n");
    TVerzeichnisse& v = Verzeichnisse();
    TCustomVerzeichnisseDaten& daten = v.VerzeichnisDaten();
    EXPECT_EQ(daten.FindValue("DatenDatei")->GetAsString(), "(Anderes)");
    v.SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetAsString(), "/home/alt/Musik/Tovar/XoLStTab/");
}

struct EigenerPfadFall {
    const char* name;
    const char* gespeichert;
    const char* unterProgramm; // nullptr: `absolut`
    const char* absolut;
};

// Pfade.ini lies beside the program; a relative path starts there, whatever the working
// directory, and every path ends with a delimiter so that a file name can follow it.
const EigenerPfadFall kEigenePfade[] = {
    {"absolute_without_delimiter", "/srv/lohn", nullptr, "/srv/lohn/"},
    {"absolute_with_delimiter", "/srv/lohn/", nullptr, "/srv/lohn/"},
    {"windows_delimiters", "\\srv\\lohn", nullptr, "/srv/lohn/"},
    {"relative", "daten", "daten/", nullptr},
    {"relative_up", "../geteilt\\lohn", "../geteilt/lohn/", nullptr},
    {"empty_is_the_folder_of_pfade_ini", "", "", nullptr},
};

class VerzeichnisseEigenerPfad : public VerzeichnisseTest,
                                 public testing::WithParamInterface<EigenerPfadFall> {};
TEST_P(VerzeichnisseEigenerPfad, IsADirectoryBesidePfadeIni)
{
    const EigenerPfadFall& f = GetParam();
    PfadeIni(std::string("[Verzeichnisse]\nDatenDatei=(Anderes)\nDatenDateiPfad=") + f.gespeichert +
             "\n[VerzeichnisseVtrl]\nBezugtexteDatei=(Anderes)\n" +
             "BezugtexteDateiPfad=" + f.gespeichert + "\n");
    const std::string erwartet =
        f.absolut != nullptr ? f.absolut : m_xdg.Ordner("prog") + "/" + f.unterProgramm;
    Verzeichnisse().SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(Verzeichnisse().GetPfad(TVerzeichnisse::kDaten).GetAsString(), erwartet);
    EXPECT_EQ(VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kBezugtexte).GetAsString(), erwartet);
}
INSTANTIATE_TEST_SUITE_P(Options, VerzeichnisseEigenerPfad, testing::ValuesIn(kEigenePfade),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(VerzeichnisseTest, SettingTheBaseReplacesOnlyTheTrailingOldBase)
{
    TVerzeichnisse& v = Verzeichnisse();
    v.SetBasisPfad("Tovar\\XoLStTab\\");
    v.SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetAsString(), m_xdg.Data() + "Tovar/XoLStTab/");
    v.SetBasisPfad("\\Neu\\");
    EXPECT_EQ(v.GetPfad(TVerzeichnisse::kDaten).GetAsString(), m_xdg.Data() + "Neu/");
    EXPECT_EQ(v.VerzeichnisDaten().FindValue("DatenDateiPfad")->GetDefaultAsString(),
              m_xdg.Data() + "Neu/");
}

TEST_F(VerzeichnisseTest, ChoosingOwnPathEnablesItChoosingAFolderDerivesItAgain)
{
    TVerzeichnisse& v = Verzeichnisse();
    v.SetBasisPfad("Tovar\\XoLStTab\\");
    TValue& ordner = *v.VerzeichnisDaten().FindValue("DatenDatei");
    const TPfadString& pfad = v.GetPfad(TVerzeichnisse::kDaten);
    ordner.SetAsString("(Anderes)");
    EXPECT_TRUE(pfad.IsEnabled());
    EXPECT_EQ(pfad.GetAsString(), m_xdg.Data() + "Tovar/XoLStTab/") << "keeps its text";
    v.VerzeichnisDaten().FindValue("DatenDateiPfad")->SetAsString("/eigener/pfad/");
    EXPECT_EQ(pfad.GetAsString(), "/eigener/pfad/");
    ordner.SetAsString("Anwendungsdaten (APPDATA)");
    EXPECT_FALSE(pfad.IsEnabled());
    EXPECT_EQ(pfad.GetAsString(), m_xdg.Config() + "Tovar/XoLStTab/");
}

TEST_F(VerzeichnisseTest, UnknownIndexIsRefused)
{
    try {
        Verzeichnisse().GetPfad(3);
        FAIL() << "index 3 accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Index ungültig (3)");
    }
    EXPECT_THROW(VerzeichnisseVtrl().GetPfad(-1), Exception);
    EXPECT_NO_THROW(VerzeichnisseVtrl().GetPfad(3));
}

TEST(VerzeichnisseOhneOrdner, EveryDefaultIsTheProgramDirectory)
{
    TShellFoldersFake fake({});
    VerzeichnisseZuruecksetzen();
    EXPECT_EQ(Verzeichnisse().GetPfad(TVerzeichnisse::kDaten).GetAsString(), "/prog/");
    EXPECT_TRUE(Verzeichnisse().GetPfad(TVerzeichnisse::kOptionen).IsEnabled());
    Verzeichnisse().SetBasisPfad("Tovar\\XoLStTab\\");
    EXPECT_EQ(Verzeichnisse().GetPfad(TVerzeichnisse::kOptionen).GetAsString(), "/prog/")
        << "a path of the user's own keeps its text";
    VerzeichnisseZuruecksetzen();
}

} // namespace
