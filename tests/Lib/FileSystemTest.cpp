#include "Lib/FileSystem.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <sys/stat.h>
#include <utility>

namespace {

TEST(ForceDirectories, CreatesNestedDirectoriesAndStopsAtTheRoot)
{
    TempDir dir;
    const std::string tief = dir.Datei("a/b/c");
    ForceDirectories(tief + "/");
    EXPECT_TRUE(DirectoryExists(tief));
    ForceDirectories(tief); // exists: left alone
    ForceDirectories(dir.Pfad() + "\\d\\e");
    EXPECT_TRUE(DirectoryExists(dir.Datei("d/e")));
    ForceDirectories("/");
    EXPECT_THROW(ForceDirectories(""), Exception);
}

TEST(ForceDirectories, AFileInTheWayRaisesWithTheSystemText)
{
    TempDir dir;
    TempDir::Schreiben(dir.Datei("datei"), "x");
    try {
        ForceDirectories(dir.Datei("datei/unter"));
        FAIL() << "no error";
    } catch (const ESystemError& e) {
        // The file stands where the parent directory should be created.
        EXPECT_EQ(e.Code(), EEXIST);
        const std::string text = e.what();
        EXPECT_NE(text.find("Code: " + std::to_string(EEXIST)), std::string::npos);
        EXPECT_NE(text.find(SystemFehlerText(EEXIST)), std::string::npos);
        EXPECT_NE(text.find(dir.Datei("datei")), std::string::npos);
    }
}

// Settings and statements hold personal data: what the program creates is its user's alone,
// whatever the umask; what exists keeps the mode its owner gave it.
TEST(FileModes, NewFilesAndFoldersAreTheUsersAloneExistingOnesKeepTheirs)
{
    TempDir dir;
    const mode_t umaskVorher = ::umask(022);
    const auto modus = [](const std::string& pfad) {
        struct stat st {};
        return ::stat(pfad.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
    };
    ForceDirectories(dir.Datei("neu/tiefer"));
    ::mkdir(dir.Datei("alt").c_str(), 0755);
    ForceDirectories(dir.Datei("alt/neu"));
    ASSERT_EQ(WriteFileAtomic(dir.Datei("neu/tiefer/VANTRL32.INI"), "[A]\n"), 0);
    TempDir::Schreiben(dir.Datei("geteilt.ini"), "[A]\n");
    ::chmod(dir.Datei("geteilt.ini").c_str(), 0644);
    ASSERT_EQ(WriteFileAtomic(dir.Datei("geteilt.ini"), "[B]\n"), 0);
    ::umask(umaskVorher);
    const std::pair<const char*, mode_t> erwartet[] = {
        {"neu", 0700},
        {"neu/tiefer", 0700},
        {"alt", 0755},
        {"alt/neu", 0700},
        {"neu/tiefer/VANTRL32.INI", 0600},
        {"geteilt.ini", 0644},
    };
    for (const auto& [pfad, want] : erwartet)
        EXPECT_EQ(modus(dir.Datei(pfad)), want) << pfad;
}

TEST(SystemFehlerText, GermanWhateverTheLocale)
{
    const std::pair<int, const char*> faelle[] = {
        {EACCES, "Zugriff verweigert"},
        {EPERM, "Vorgang nicht zulässig"},
        {ENOSPC, "Kein Speicherplatz auf dem Gerät"},
        {ENOENT, "Datei oder Verzeichnis nicht gefunden"},
        {EROFS, "Dateisystem nur lesbar"},
        {9999, "Systemfehler 9999"},
    };
    for (const auto& [code, text] : faelle)
        EXPECT_EQ(SystemFehlerText(code), text) << code;
}

TEST(RaiseSystemError, WithoutACode)
{
    try {
        RaiseSystemError(0, "Test");
    } catch (const ESystemError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Eine Funktion des Betriebssystems ist fehlgeschlagen\nTest");
    }
}

TEST(ReadWholeFile, ErrorsAndLimit)
{
    TempDir dir;
    std::string inhalt = "alt";
    EXPECT_EQ(ReadWholeFile(dir.Datei("fehlt"), inhalt, 100), ENOENT);
    EXPECT_EQ(ReadWholeFile(dir.Pfad(), inhalt, 100), EISDIR);
    TempDir::Schreiben(dir.Datei("gross"), std::string(200, 'x'));
    EXPECT_EQ(ReadWholeFile(dir.Datei("gross"), inhalt, 100), EFBIG);
    EXPECT_EQ(inhalt, "alt");
    EXPECT_EQ(ReadWholeFile(dir.Datei("gross"), inhalt, 1000), 0);
    EXPECT_EQ(inhalt.size(), 200u);
}

} // namespace
