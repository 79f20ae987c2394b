#include "Platform/Autostart.h"

#include "Lib/FileSystem.h"
#include "Platform/ShellFolder.h"
#include "Support/TempXdg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

std::string Lesen(const std::string& pfad)
{
    std::ifstream datei(pfad);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

class AutostartTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_xdg.Schreibe("prog/VtrlTray", "#!/bin/sh\n");
        m_link.SetTarget((m_xdg.Wurzel() / "prog/VtrlTray").string());
    }
    std::string Eintrag() const
    {
        return m_xdg.Config() + "autostart/Vantrel Tray Icon 2026.desktop";
    }

    TTempXdg m_xdg;
    TAutostartLink m_link{TrayAutostartName()};
};

TEST_F(AutostartTest, EntryInTheAutostartFolderStartsTheTargetWithoutArguments)
{
    EXPECT_EQ(m_link.LinkFile(), Eintrag());
    m_link.CreateLink(); // the folder does not exist yet
    EXPECT_EQ(Lesen(Eintrag()), "[Desktop Entry]\nType=Application\nName=Vantrel Tray Icon 2026\n"
                                "Exec=\"" +
                                    m_link.Target() + "\"\n");
    m_link.DeleteLink();
    EXPECT_FALSE(std::filesystem::exists(Eintrag()));
    m_link.DeleteLink(); // nothing to delete: no error
}

TEST_F(AutostartTest, AnExistingEntryIsLeftAlone)
{
    m_xdg.Schreibe("home/.config/autostart/Vantrel Tray Icon 2026.desktop", "anderswo");
    m_link.CreateLink();
    EXPECT_EQ(Lesen(Eintrag()), "anderswo");
}

TEST_F(AutostartTest, MissingTargetWritesNothing)
{
    m_link.SetTarget("/nirgends/VtrlTray");
    try {
        m_link.CreateLink();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "\"/nirgends/VtrlTray\" nicht gefunden!");
    }
    EXPECT_FALSE(m_link.Exists());
}

TEST_F(AutostartTest, AnEntryThatCannotBeDeletedIsReported)
{
    // A non-empty directory in the entry's place cannot be unlinked, whoever runs the test.
    m_xdg.Schreibe("home/.config/autostart/Vantrel Tray Icon 2026.desktop/x", "");
    try {
        m_link.DeleteLink();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Autostart-Verknüpfung konnte nicht gelöscht werden.");
    }
}

TEST_F(AutostartTest, AnEntryThatCannotBeWrittenIsReported)
{
    m_xdg.Schreibe("home/.config/autostart", "a file where the folder belongs");
    EXPECT_THROW(m_link.CreateLink(), ESystemError);
}

struct ExecFall {
    const char* name;
    const char* target;
    const char* exec;
};

const ExecFall kExec[] = {
    {"plain", "/opt/vt/VtrlTray", R"("/opt/vt/VtrlTray")"},
    {"blank", "/home/a b/VtrlTray", R"("/home/a b/VtrlTray")"},
    {"dollar_backtick", "/x/$HOME/`id`", R"("/x/\\$HOME/\\`id\\`")"},
    {"quote", "/x/\"q\"", R"("/x/\\"q\\"")"},
    {"backslash", "/x/a\\b", R"("/x/a\\\\b")"},
    {"percent", "/x/50%", R"("/x/50%%")"},
    {"umlaut", "/x/Überstunden", R"("/x/Überstunden")"},
};

class ExecTest : public testing::TestWithParam<ExecFall> {};

TEST_P(ExecTest, QuotedAndEscapedByTheDesktopEntryRules)
{
    EXPECT_EQ(DesktopExecWert(GetParam().target), GetParam().exec) << GetParam().target;
}

INSTANTIATE_TEST_SUITE_P(Platform, ExecTest, testing::ValuesIn(kExec),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(DesktopEntry, TargetsNoEntryCanHoldAreRefused)
{
    TTempXdg xdg;
    const std::string datei = xdg.Ordner("a") + "/x.desktop";
    EXPECT_EQ(WriteDesktopEntry("/x/zeile\nzwei", datei), EINVAL);
    EXPECT_EQ(WriteDesktopEntry("/x/\xff\xfe", datei), EINVAL);
    EXPECT_FALSE(CreateShellLink("/x/\x01", datei));
    EXPECT_FALSE(std::filesystem::exists(datei));
}

TEST(DesktopEntry, DescriptionBecomesTheComment)
{
    TTempXdg xdg;
    const std::string datei = xdg.Ordner("a") + "/Probe.desktop";
    ASSERT_TRUE(CreateShellLink("/x/y", datei, "Startet y"));
    EXPECT_EQ(Lesen(datei),
              "[Desktop Entry]\nType=Application\nName=Probe\nComment=Startet y\nExec=\"/x/y\"\n");
}

// Runs desktop-file-validate on the file; -1 when the tool is not installed.
int Validieren(const std::string& datei)
{
    if (std::system("command -v desktop-file-validate >/dev/null 2>&1") != 0)
        return -1;
    const std::string befehl = "desktop-file-validate '" + datei + "'";
    const int status = std::system(befehl.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1000;
}

TEST_F(AutostartTest, EntryPassesTheDesktopFileValidator)
{
    m_link.SetTarget((m_xdg.Wurzel() / "prog/a b $c/VtrlTray").string());
    m_xdg.Schreibe("prog/a b $c/VtrlTray", "");
    m_link.CreateLink();
    const int ergebnis = Validieren(Eintrag());
    if (ergebnis == -1)
        GTEST_SKIP() << "desktop-file-validate is not installed";
    EXPECT_EQ(ergebnis, 0) << Lesen(Eintrag());
}

class KeineOrdner : public TShellFolders {
public:
    std::optional<std::string> FolderPath(int) const override { return std::nullopt; }
    std::string ProgramDirectory() const override { return "/prog/"; }
};

TEST(TrayAutostart, OneNameForBothProgramsAndTheLauncherBesideTheMainProgram)
{
    TTempXdg xdg;
    const TAutostartLink link = TrayAutostartLink();
    EXPECT_EQ(link.Name(), "Vantrel Tray Icon 2026.desktop");
    EXPECT_EQ(link.Target(), ShellFolders().ProgramDirectory() + "VtrlTray");
    EXPECT_EQ(link.Target().front(), '/');

    KeineOrdner keine;
    SetShellFolders(&keine);
    try {
        TrayAutostartLink();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Autostartverzeichnis nicht gefunden");
    }
    SetShellFolders(nullptr);
}

} // namespace
