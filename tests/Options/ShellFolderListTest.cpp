#include "Options/ShellFolderList.h"

#include "Lib/Exception.h"
#include "ShellFoldersFake.h"
#include "Support/TempXdg.h"

#include <gtest/gtest.h>

namespace {

TEST(ShellFolderList, OffersTheFoldersOfThisHostSorted)
{
    TTempXdg xdg;
    ShellFolderListSingleton().Reset();
    const TShellFolderList& liste = ShellFolderList();
    const std::vector<std::string> erwartet = {
        "(Anderes)", "Anwendungsdaten (APPDATA)", "Gemeinsame Anwendungsdaten (COMMON_APPDATA)",
        "Lokale Anwendungsdaten (LOCAL_APPDATA)", "Programme (PROGRAM_FILES)"};
    EXPECT_EQ(liste.Strings(), erwartet) << "no user directories, no Windows folders";
    EXPECT_EQ(liste.Objects(0), kCsidlAnderes);
    EXPECT_EQ(liste.Objects(3), kCsidlLocalAppData);
    EXPECT_EQ(liste.FolderPath(kCsidlAppData), xdg.Config());
    EXPECT_EQ(liste.FolderPath(kCsidlAnderes), ShellFolders().ProgramDirectory());
    EXPECT_EQ(liste.FolderPath(kCsidlMyMusic), "");
    EXPECT_EQ(liste.IndexOfFolder(kCsidlMyMusic), -1);
    ShellFolderListSingleton().Reset();
}

struct FallbackFall {
    const char* name;
    std::initializer_list<int> vorhanden;
    int nummer;
    int want;
};

const FallbackFall kFallbacks[] = {
    {"listed_stays", {5, 13}, 13, 13},
    {"music_to_documents", {5}, 13, 5},
    {"pictures_to_documents", {5}, 39, 5},
    {"common_documents_to_documents", {5}, 46, 5},
    {"appdata_to_documents", {5}, 26, 5},
    {"local_to_appdata", {26}, 28, 26},
    {"local_via_appdata_to_documents", {5}, 28, 5},
    {"local_to_nothing", {}, 28, 0},
    {"common_program_files", {38}, 43, 38},
    {"common_appdata_has_none", {5, 26}, 35, 0},
    {"windows_has_none", {5}, 36, 0},
};

class FallbackTest : public testing::TestWithParam<FallbackFall> {};
TEST_P(FallbackTest, FallsBackToAListedFolder)
{
    const FallbackFall& f = GetParam();
    TShellFoldersFake fake(f.vorhanden);
    EXPECT_EQ(ShellFolderList().FallbackFolder(f.nummer), f.want) << f.nummer;
}
INSTANTIATE_TEST_SUITE_P(Options, FallbackTest, testing::ValuesIn(kFallbacks),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(ShellFolderList, WithoutAnyFolderOnlyTheOwnPathIsOffered)
{
    TShellFoldersFake fake({});
    EXPECT_EQ(ShellFolderList().Strings(), std::vector<std::string>{"(Anderes)"});
    EXPECT_EQ(ShellFolderList().FolderPath(0), "/prog/");
}

TEST(ShellFolderList, ANumberIsListedOnce)
{
    TShellFoldersFake fake({26});
    TShellFolderList& liste = ShellFolderList();
    try {
        liste.AddFolder("Noch einmal", "/x/", 26);
        FAIL() << "second entry for 26 accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "CSIDL (26) ist bereits vorhanden");
    }
    liste.AddFolder("Eigene Musik (MYMUSIC)", "/music/", 13);
    EXPECT_EQ(liste.IndexOfFolder(13), 2);
    liste.Delete(liste.IndexOfFolder(26));
    EXPECT_EQ(liste.FolderPath(26), "");
    EXPECT_EQ(liste.Strings(), (std::vector<std::string>{"(Anderes)", "Eigene Musik (MYMUSIC)"}));
}

} // namespace
