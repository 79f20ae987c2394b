// Saving INI files: one write per save, all or nothing, through links, leftovers of killed saves,
// and the cost of a save in a large file.
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Support/FileLayerFake.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Schritt = TFileLayerFake::Schritt;

const std::string kAlt = "; Fenster\r\n[MainForm]\r\nLinks=12\r\n\r\n[Lohn]\r\nBrutto=3.000,00\r\n";

std::vector<std::string> Dateien(const std::string& ordner)
{
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// Sets one value in a save of its own and returns the error the save raised.
std::optional<EIniFileError> FehlerBeimSpeichern(TIniFile& ini)
{
    ini.BeginUpdate();
    ini.WriteString("S", "K", "1");
    try {
        ini.UpdateFile();
    } catch (const EIniFileError& e) {
        return e;
    }
    return std::nullopt;
}

TEST(IniSpeichern, OneSaveOfManyKeysWritesTheFileOnce)
{
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    TempDir::Schreiben(datei, kAlt);
    TFileLayerFake schicht;
    TXIniFile ini(datei);
    ini.BeginUpdate();
    for (int i = 0; i < 150; ++i)
        ini.WriteInteger("Lohn", "Wert" + std::to_string(i), i + 1, 0);
    ini.WriteString("MainForm", "Links", "40", "0");
    ini.DeleteKey("Lohn", "Brutto");
    // Reads see what was collected; the disk does not yet.
    EXPECT_EQ(ini.ReadInteger("Lohn", "Wert149", 0), 150);
    EXPECT_EQ(TempDir::Lesen(datei), kAlt);
    EXPECT_EQ(schicht.Schreibvorgaenge(), 0);
    ini.UpdateFile();
    EXPECT_EQ(schicht.Schreibvorgaenge(), 1);
    EXPECT_EQ(schicht.Geschrieben(), std::vector<std::string>{datei});
    const TIniFile wieder(datei);
    EXPECT_EQ(wieder.ReadInteger("Lohn", "Wert0", 0), 1);
    EXPECT_EQ(wieder.ReadString("MainForm", "Links", ""), "40");
    EXPECT_FALSE(wieder.ValueExists("Lohn", "Brutto"));
    // A save that changes nothing writes nothing.
    ini.BeginUpdate();
    ini.WriteString("MainForm", "Links", "40");
    ini.UpdateFile();
    EXPECT_EQ(schicht.Schreibvorgaenge(), 1);
}

TEST(IniSpeichern, ASaveNeverFinishedLeavesTheFileAsItWas)
{
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    TempDir::Schreiben(datei, kAlt);
    {
        TXIniFile ini(datei);
        ini.BeginUpdate();
        ini.WriteString("Lohn", "Brutto", "9,99");
        ini.EraseSection("MainForm");
    } // an exception of the caller ended the save here
    EXPECT_EQ(TempDir::Lesen(datei), kAlt);
}

struct FehlerFall {
    const char* name;
    Schritt schritt;
    int code;
};

const FehlerFall kFehler[] = {
    {"disk_full_while_writing", Schritt::Schreiben, ENOSPC},
    {"io_error_on_flush", Schritt::Sync, EIO},
    {"read_only_mount_on_rename", Schritt::Rename, EROFS},
};

class IniSpeichernFehler : public testing::TestWithParam<FehlerFall> {};
TEST_P(IniSpeichernFehler, LeavesTheOldBytesAndNoTemporaryFile)
{
    const FehlerFall& f = GetParam();
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    TempDir::Schreiben(datei, kAlt);
    TFileLayerFake schicht;
    schicht.Scheitern(f.schritt, f.code);
    TXIniFile ini(datei);
    ini.BeginUpdate();
    ini.WriteString("Lohn", "Brutto", "4.000,00", "0,00");
    ini.WriteString("Lohn", "Netto", "2.500,00", "0,00");
    try {
        ini.UpdateFile();
        FAIL() << "no error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Code(), f.code);
        EXPECT_EQ(std::string(e.what()),
                  "nach " + datei + " kann nicht geschrieben werden: " + SystemFehlerText(f.code));
    }
    EXPECT_EQ(TempDir::Lesen(datei), kAlt);
    EXPECT_EQ(Dateien(dir.Pfad()), std::vector<std::string>{"VANTRL32.INI"});
    // The changes are still collected: once the cause is gone, the save goes through.
    schicht.Scheitern(Schritt::Keiner, 0);
    ini.UpdateFile();
    EXPECT_EQ(TIniFile(datei).ReadString("Lohn", "Netto", ""), "2.500,00");
    EXPECT_EQ(TIniFile(datei).ReadString("MainForm", "Links", ""), "12");
}
INSTANTIATE_TEST_SUITE_P(Lib, IniSpeichernFehler, testing::ValuesIn(kFehler),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(IniSpeichern, ChangesOfAnotherProgramMeanwhileAreKept)
{
    TempDir dir;
    const std::string datei = dir.Datei("a.ini");
    TempDir::Schreiben(datei, "[S]\nA=1\n");
    TIniFile ini(datei);
    ini.BeginUpdate();
    ini.WriteString("S", "B", "2");
    TIniFile(datei).WriteString("T", "C", "3"); // another program, during our save
    ini.UpdateFile();
    EXPECT_EQ(TempDir::Lesen(datei), "[S]\nA=1\nB=2\n\n[T]\nC=3\n");
}

// A file that belongs to its owner alone, or was frozen by an administrator (no write bit, which
// binds root as well), is not replaced, though its folder may be written.
TEST(IniSpeichern, AFileWithoutWritePermissionIsNotReplaced)
{
    TempDir dir;
    const std::string datei = dir.Datei("OPTIONEN.INI");
    TempDir::Schreiben(datei, kAlt);
    ASSERT_EQ(::chmod(datei.c_str(), 0444), 0);
    TXIniFile ini(datei);
    const std::optional<EIniFileError> fehler = FehlerBeimSpeichern(ini);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(std::string(fehler->what()), datei + " ist schreibgeschützt");
    EXPECT_EQ(TempDir::Lesen(datei), kAlt);
    EXPECT_EQ(Dateien(dir.Pfad()), std::vector<std::string>{"OPTIONEN.INI"});
}

enum class Kodierung { Utf8, Utf16Le, Utf16Be };

struct ZeilenFall {
    const char* name;
    Kodierung kodierung;
    bool bom;
    const char* enden[6]; // of the lines of kZeilen, in order
};

const char* const kZeilen[] = {"; Fenster", "[MainForm]", "Links=12",
                               "",          "[Lohn]",     "Brutto = 3,00"};

void PrintTo(const ZeilenFall& f, std::ostream* os)
{
    *os << f.name;
}

// The file of kZeilen with `links` as the value of "Links" (ASCII only).
std::string ZeilenDatei(const ZeilenFall& f, const std::string& links)
{
    std::string text;
    for (std::size_t i = 0; i < std::size(kZeilen); ++i)
        text += (i == 2 ? "Links=" + links : std::string(kZeilen[i])) + f.enden[i];
    if (f.kodierung == Kodierung::Utf8)
        return (f.bom ? "\xEF\xBB\xBF" : "") + text;
    const bool le = f.kodierung == Kodierung::Utf16Le;
    std::string bytes = f.bom ? (le ? "\xFF\xFE" : "\xFE\xFF") : "";
    for (const char c : text)
        bytes += le ? std::string{c, '\0'} : std::string{'\0', c};
    return bytes;
}

const ZeilenFall kZeilenFaelle[] = {
    {"lf", Kodierung::Utf8, false, {"\n", "\n", "\n", "\n", "\n", "\n"}},
    {"crlf", Kodierung::Utf8, false, {"\r\n", "\r\n", "\r\n", "\r\n", "\r\n", "\r\n"}},
    {"cr", Kodierung::Utf8, false, {"\r", "\r", "\r", "\r", "\r", ""}},
    {"mixed", Kodierung::Utf8, true, {"\r\n", "\n", "\r", "\r", "\r\n", "\n"}},
    {"utf16le_bom", Kodierung::Utf16Le, true, {"\r\n", "\r\n", "\r\n", "\r\n", "\r\n", "\r\n"}},
    {"utf16be_bom", Kodierung::Utf16Be, true, {"\r", "\r", "\r", "\r", "\r", "\r"}},
    {"utf16le_without_bom", Kodierung::Utf16Le, false, {"\r\n", "\r\n", "\r\n", "\n", "\n", ""}},
    {"utf16be_without_bom", Kodierung::Utf16Be, false, {"\n", "\n", "\n", "\n", "\n", "\n"}},
};

class IniZeilenenden : public testing::TestWithParam<ZeilenFall> {};

// Loaded, one key changed and saved: that line changes, in the file's encoding with its own line
// end; every other byte stays.
TEST_P(IniZeilenenden, ChangingOneKeyKeepsEveryOtherByte)
{
    const ZeilenFall& f = GetParam();
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    TempDir::Schreiben(datei, ZeilenDatei(f, "12"));
    TXIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("Lohn", "Brutto", ""), "3,00");
    ini.WriteString("MainForm", "Links", "40", "0");
    EXPECT_EQ(TempDir::Lesen(datei), ZeilenDatei(f, "40"));
}
INSTANTIATE_TEST_SUITE_P(Lib, IniZeilenenden, testing::ValuesIn(kZeilenFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(IniSpeichern, ALinkIsSavedThroughToItsTarget)
{
    TempDir dir;
    ForceDirectories(dir.Datei("share/lohn"));
    const std::string link = dir.Datei("VANTRL32.INI");
    TempDir::Schreiben(dir.Datei("share/lohn/VANTRL32.INI"), "[S]\n");
    // Relative, and through a second link.
    ASSERT_EQ(::symlink("share/lohn/VANTRL32.INI", dir.Datei("zwischen").c_str()), 0);
    ASSERT_EQ(::symlink("zwischen", link.c_str()), 0);
    TIniFile ini(link);
    ini.BeginUpdate();
    ini.WriteString("S", "K", "1");
    ini.UpdateFile();
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempDir::Lesen(dir.Datei("share/lohn/VANTRL32.INI")), "[S]\nK=1\n");
    EXPECT_EQ(Dateien(dir.Datei("share/lohn")), std::vector<std::string>{"VANTRL32.INI"});
}

TEST(IniSpeichern, ALinkToAFolderNotThereIsReportedAndLeftAlone)
{
    TempDir dir;
    const std::string link = dir.Datei("VANTRL32.INI");
    const std::string ziel = dir.Datei("nicht-eingehaengt/VANTRL32.INI");
    ASSERT_EQ(::symlink(ziel.c_str(), link.c_str()), 0);
    TIniFile ini(link);
    EXPECT_EQ(ini.ReadString("S", "K", "def"), "def");
    const std::optional<EIniFileError> fehler = FehlerBeimSpeichern(ini);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->Code(), ENOENT);
    EXPECT_NE(std::string(fehler->what()).find(link), std::string::npos);
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), ziel);
    EXPECT_EQ(Dateien(dir.Pfad()), std::vector<std::string>{"VANTRL32.INI"});
}

TEST(IniSpeichern, ALinkLoopIsReportedAndLeftAlone)
{
    TempDir dir;
    const std::string a = dir.Datei("a.ini");
    const std::string b = dir.Datei("b.ini");
    ASSERT_EQ(::symlink(b.c_str(), a.c_str()), 0);
    ASSERT_EQ(::symlink(a.c_str(), b.c_str()), 0);
    TIniFile ini(a);
    EXPECT_EQ(ini.ReadString("S", "K", "def"), "def");
    const std::optional<EIniFileError> fehler = FehlerBeimSpeichern(ini);
    ASSERT_TRUE(fehler);
    EXPECT_EQ(fehler->Code(), ELOOP);
    EXPECT_EQ(std::filesystem::read_symlink(a), b);
    EXPECT_EQ(std::filesystem::read_symlink(b), a);
}

TEST(IniSpeichern, ASaveRemovesTheLeftoversOfItsOwnKilledSavesOnly)
{
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    TempDir::Schreiben(datei, kAlt);
    TempDir::Schreiben(dir.Datei("VANTRL32.INI.tmp-a1B2c3"), "[halb"); // killed save
    TempDir::Schreiben(dir.Datei("VANTRL32.INI.tmp-laeuft"), "[halb"); // save still running
    TempDir::Schreiben(dir.Datei("OPTIONEN.INI.tmp-x9Y8z7"), "[halb"); // another file's
    TempDir::Schreiben(dir.Datei("VANTRL32.INI.tmp-sicherung"), "");   // the user's own
    const int laeuft = ::open(dir.Datei("VANTRL32.INI.tmp-laeuft").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(laeuft, 0);
    ASSERT_EQ(::flock(laeuft, LOCK_EX), 0);
    TIniFile(datei).WriteString("Lohn", "Brutto", "1,00");
    ::close(laeuft);
    EXPECT_EQ(Dateien(dir.Pfad()),
              (std::vector<std::string>{"OPTIONEN.INI.tmp-x9Y8z7", "VANTRL32.INI",
                                        "VANTRL32.INI.tmp-laeuft", "VANTRL32.INI.tmp-sicherung"}));
}

// A settings file of 15 MB: many sections of many keys, as years of pages and cases leave it.
std::string GrosseDatei()
{
    std::string text = "[MainForm]\nVersion=5.01\nLinks=12\n\n";
    for (int s = 0; text.size() < 15u * 1024 * 1024; ++s) {
        text += "[Fall" + std::to_string(s) + "]\n";
        for (int k = 0; k < 200; ++k)
            text += "Schluessel" + std::to_string(k) + "=Wert " + std::to_string(s * k) + "\n";
        text += "\n";
    }
    return text;
}

// Its cost grows with the file, not with the file times the keys saved: the file is read once
// and written once, whole, however many keys change (bench/LibBench.cpp measures the time).
TEST(IniSpeichern, ClosingWithA15MBFileReadsAndWritesItOnce)
{
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    const std::string gross = GrosseDatei();
    TempDir::Schreiben(datei, gross);
    TFileLayerFake schicht;
    TXIniFile ini(datei);
    ini.BeginUpdate();
    // What a close saves: the window, every page's inputs (new keys at the end of big sections,
    // keys rewritten in the middle, keys removed, a new section).
    ini.WriteString("MainForm", "Links", "40", "0");
    for (int k = 0; k < 150; ++k) {
        ini.WriteString("Fall" + std::to_string(k * 7), "Neu" + std::to_string(k), "x", "");
        ini.WriteString("Fall" + std::to_string(k * 11), "Schluessel" + std::to_string(k), "y", "");
        ini.WriteString("Fall" + std::to_string(k * 13), "Schluessel" + std::to_string(k + 1), "",
                        "");
        ini.WriteString("Entgeltabrechnung", "Wert" + std::to_string(k), "z", "");
    }
    ini.UpdateFile();
    EXPECT_EQ(schicht.Lesevorgaenge(datei), 1);
    EXPECT_EQ(schicht.Geschrieben(), std::vector<std::string>{datei});
    EXPECT_EQ(schicht.Schreibvorgaenge(), 1);
    const TIniFile wieder(datei);
    EXPECT_EQ(wieder.ReadString("Fall77", "Neu11", ""), "x");
    EXPECT_EQ(wieder.ReadString("Fall110", "Schluessel10", ""), "y");
    EXPECT_FALSE(wieder.ValueExists("Fall130", "Schluessel11"));
    EXPECT_EQ(wieder.ReadString("Entgeltabrechnung", "Wert149", ""), "z");
    EXPECT_EQ(wieder.ReadString("Fall2", "Schluessel199", ""), "Wert 398");
}

} // namespace
