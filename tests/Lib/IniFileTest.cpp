#include "Lib/IniFile.h"
#include "Lib/Betrag.h"
#include "Lib/FileSystem.h"
#include "Support/FileLayerFake.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct UnterdrueckungsFall {
    const char* name;
    const char* value;
    const char* def;
    const char* vorher;  // file content before; nullptr: no file
    const char* nachher; // nullptr: no file
};

const UnterdrueckungsFall kUnterdrueckung[] = {
    {"differ_absent_written", "5", "0", "[S]\n", "[S]\nK=5\n"},
    {"differ_present_equal_nothing", "5", "0", "[S]\nK = 5 \n", "[S]\nK = 5 \n"},
    {"differ_present_differs_rewritten", "5", "0", "[S]\nK=7\n", "[S]\nK=5\n"},
    {"equal_present_deleted", "0", "0", "[S]\nK=7\nL=1\n", "[S]\nL=1\n"},
    {"equal_present_section_stays", "0", "0", "[S]\nK=7\n", "[S]\n"},
    {"equal_absent_nothing", "0", "0", "[S]\nL=1\n", "[S]\nL=1\n"},
    {"equal_no_file_not_created", "0", "0", nullptr, nullptr},
    {"differ_no_file_created", "5", "0", nullptr, "[S]\nK=5\n"},
    {"probe_text_counts_as_absent", "0", "0", "[S]\nK=_{Deflt]_\n", "[S]\nK=_{Deflt]_\n"},
};

class TXIniFileTest : public testing::TestWithParam<UnterdrueckungsFall> {};
TEST_P(TXIniFileTest, DefaultSuppression)
{
    const UnterdrueckungsFall& f = GetParam();
    TempDir dir;
    const std::string datei = dir.Datei("OPTIONEN.INI");
    if (f.vorher != nullptr)
        TempDir::Schreiben(datei, f.vorher);
    TXIniFile ini(datei);
    ini.WriteString("S", "K", f.value, f.def);
    if (f.nachher == nullptr)
        EXPECT_NE(::access(datei.c_str(), F_OK), 0) << "file was created";
    else
        EXPECT_EQ(TempDir::Lesen(datei), f.nachher);
}
INSTANTIATE_TEST_SUITE_P(Lib, TXIniFileTest, testing::ValuesIn(kUnterdrueckung),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(TXIniFile, BooleansAndIntegersFollowTheSameRule)
{
    TempDir dir;
    const std::string datei = dir.Datei("a.ini");
    TempDir::Schreiben(datei, "[S]\nB=0\n");
    TXIniFile ini(datei);
    ini.WriteBool("S", "B", false, true); // stored "0" equals the value: kept
    EXPECT_EQ(TempDir::Lesen(datei), "[S]\nB=0\n");
    ini.WriteBool("S", "B", true, true); // the default: removed
    EXPECT_EQ(TempDir::Lesen(datei), "[S]\n");
    ini.WriteInteger("S", "I", 42, 0);
    ini.WriteInteger("S", "I", 42, 0);
    EXPECT_EQ(ini.ReadInteger("S", "I", 0), 42);
    ini.WriteInteger("S", "I", 0, 0);
    EXPECT_EQ(TempDir::Lesen(datei), "[S]\n");
}

TEST(TIniFile, ReadsDefaultsAndNumbers)
{
    TempDir dir;
    const std::string datei = dir.Datei("a.ini");
    TempDir::Schreiben(datei, "[S]\nHex=0x1F\nDollar=$10\nJa=Ja\nLeer=\nGross=99999999999\n");
    const TIniFile ini(datei);
    EXPECT_EQ(ini.ReadInteger("S", "Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("S", "Dollar", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "Gross", -1), -1);
    EXPECT_TRUE(ini.ReadBool("S", "Ja", true));
    EXPECT_FALSE(ini.ReadBool("S", "Ja", false));
    EXPECT_EQ(ini.ReadString("S", "Leer", "def"), "");
    EXPECT_EQ(ini.ReadString("S", "Fehlt", "def"), "def");
    EXPECT_EQ(ini.ReadSectionValues("s"),
              (std::vector<std::string>{"Hex=0x1F", "Dollar=$10", "Ja=Ja",
                                        "Leer=", "Gross=99999999999"}));
    const TIniFile fehlt(dir.Datei("fehlt.ini"));
    EXPECT_EQ(fehlt.ReadString("S", "K", "def"), "def");
    EXPECT_TRUE(fehlt.ReadSections().empty());
}

TEST(TIniFile, RoundTripOfAFileKeepsWhatItDoesNotChange)
{
    TempDir dir;
    const std::string datei = dir.Datei("VANTRL32.INI");
    const std::string vorher = "; Fenster und Seiten\r\n"
                               "[MainForm]\r\n"
                               "Version=5.01\r\n"
                               "   Links   =  12\r\n"
                               "\r\n"
                               "[Entgeltabrechnung]\r\n"
                               "Name = Jürgen Größe\r\n"
                               "; Bemerkung: Übertrag\r\n"
                               "Brutto=3.000,00\r\n";
    TempDir::Schreiben(datei, vorher);
    TXIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("mainform", "LINKS", ""), "12");
    EXPECT_EQ(ini.ReadString("ENTGELTABRECHNUNG", "name", ""), "Jürgen Größe");
    ini.WriteString("Entgeltabrechnung", "Brutto", "3.500,00", "0,00");
    ini.WriteString("MainForm", "Version", "5.01", "");
    EXPECT_EQ(TempDir::Lesen(datei), "; Fenster und Seiten\r\n"
                                     "[MainForm]\r\n"
                                     "Version=5.01\r\n"
                                     "   Links   =  12\r\n"
                                     "\r\n"
                                     "[Entgeltabrechnung]\r\n"
                                     "Name = Jürgen Größe\r\n"
                                     "; Bemerkung: Übertrag\r\n"
                                     "Brutto=3.500,00\r\n");
}

TEST(TIniFile, SeesChangesOfAnotherObject)
{
    TempDir dir;
    const std::string datei = dir.Datei("a.ini");
    TIniFile a(datei);
    TIniFile b(datei);
    EXPECT_EQ(b.ReadString("S", "K", "def"), "def");
    a.WriteString("S", "K", "1");
    EXPECT_EQ(b.ReadString("S", "K", "def"), "1");
    b.WriteString("S", "L", "2");
    EXPECT_EQ(TempDir::Lesen(datei), "[S]\nK=1\nL=2\n");
}

TEST(TIniFile, WriteErrorsCarryTheSystemText)
{
    TempDir dir;
    TIniFile ini(dir.Datei("fehlt/a.ini"));
    try {
        ini.WriteString("S", "K", "1");
        FAIL() << "no error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Code(), ENOENT);
        EXPECT_NE(std::string(e.what()).find("kann nicht geschrieben werden"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find(SystemFehlerText(ENOENT)), std::string::npos);
    }
    // The usual answer: create the directory and write again.
    ForceDirectories(dir.Datei("fehlt"));
    ini.WriteString("S", "K", "1");
    EXPECT_EQ(ini.ReadString("S", "K", ""), "1");
}

TEST(TIniFile, RefusedNames)
{
    TempDir dir;
    TXIniFile ini(dir.Datei("a.ini"));
    EXPECT_THROW(ini.DeleteKey("", "K"), EIniFileError);
    EXPECT_THROW(ini.DeleteKey("S", ""), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", "a=b", "1"), EIniFileError);
    EXPECT_THROW(ini.WriteString("S", ";K", "1"), EIniFileError);
    ini.DeleteKey("S", "K"); // missing: no error, no file
    EXPECT_NE(::access(dir.Datei("a.ini").c_str(), F_OK), 0);
}

TEST(TIniFile, AnUnreadableFileIsNeverOverwritten)
{
    TempDir dir;
    const std::string datei = dir.Datei("a.ini");
    TempDir::Schreiben(datei, "[S]\nK=wichtig\n");
    // Root reads every file whatever its mode: there the read fails by injection.
    TFileLayerFake schicht;
    if (::geteuid() == 0)
        schicht.Scheitern(TFileLayerFake::Schritt::Lesen, EACCES);
    else
        ::chmod(datei.c_str(), 0200);
    TIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("S", "K", "def"), "def");
    EXPECT_THROW(ini.WriteString("S", "L", "1"), EIniFileError);
    ini.BeginUpdate();
    ini.WriteString("S", "L", "1");
    try {
        ini.UpdateFile();
        FAIL() << "no error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Code(), EACCES);
    }
    ::chmod(datei.c_str(), 0600);
    EXPECT_EQ(TempDir::Lesen(datei), "[S]\nK=wichtig\n");
}

TEST(TIniFile, AnOversizedFileOrADirectoryIsNeverReplaced)
{
    TempDir dir;
    const std::string gross = dir.Datei("gross.ini");
    const std::string inhalt = "[S]\n" + std::string(17 * 1024 * 1024, ';');
    TempDir::Schreiben(gross, inhalt);
    EXPECT_THROW(TIniFile(gross).WriteString("S", "K", "1"), EIniFileError);
    EXPECT_EQ(TempDir::Lesen(gross).size(), inhalt.size());

    ForceDirectories(dir.Datei("ordner.ini"));
    TIniFile ordner(dir.Datei("ordner.ini"));
    EXPECT_EQ(ordner.ReadString("S", "K", "def"), "def");
    try {
        ordner.WriteString("S", "K", "1");
        FAIL() << "no error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Code(), EISDIR);
    }
    EXPECT_TRUE(DirectoryExists(dir.Datei("ordner.ini")));
}

TEST(TIniFile, SaveKeepsPermissionsAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string datei = dir.Datei("a.ini");
    TempDir::Schreiben(datei, "[S]\n");
    ::chmod(datei.c_str(), 0640);
    TIniFile(datei).WriteString("S", "K", "1");
    struct stat st {};
    ASSERT_EQ(::stat(datei.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Pfad()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(TIniFile, SymbolicLinkKeepsPointingAtItsFile)
{
    TempDir dir;
    const std::string ziel = dir.Datei("ziel.ini");
    const std::string link = dir.Datei("link.ini");
    TempDir::Schreiben(ziel, "[S]\n");
    ASSERT_EQ(::symlink(ziel.c_str(), link.c_str()), 0);
    TIniFile(link).WriteString("S", "K", "1");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(TempDir::Lesen(ziel), "[S]\nK=1\n");
}

// Random bytes, half of them from the characters that steer the INI and number readers.
std::string ZufallsText(std::mt19937& rng, const std::string& alphabet, int maxLaenge)
{
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> laenge(0, maxLaenge);
    std::string text;
    const int n = laenge(rng);
    for (int i = 0; i < n; ++i) {
        text += byte(rng) < 128 ? alphabet[static_cast<std::size_t>(byte(rng)) % alphabet.size()]
                                : static_cast<char>(byte(rng));
    }
    return text;
}

TEST(Fuzz, RandomBytesIntoTheIniReader)
{
    std::mt19937 rng(20260101);
    const std::string alphabet = "[]=;\"' \t\r\nSKsk\xC3\xA4\xEF\xBB\xBF";
    TempDir dir;
    const std::string datei = dir.Datei("fuzz.ini");
    for (int runde = 0; runde < 400; ++runde) {
        TempDir::Schreiben(datei, ZufallsText(rng, alphabet, 200));
        EXPECT_NO_THROW({
            TXIniFile ini(datei);
            for (const std::string& s : ini.ReadSections()) {
                for (const std::string& line : ini.ReadSectionValues(s))
                    (void)line;
            }
            (void)ini.ReadInteger("S", "K", 0);
            (void)ini.ReadBool("s", "k", true);
            // Writing back must keep the text readable and the value it wrote.
            ini.WriteString("S", "K", "wert", "");
            ini.UpdateFile();
            EXPECT_EQ(ini.ReadString("S", "K", ""), "wert");
            ini.EraseSection("S");
            EXPECT_FALSE(ini.SectionExists("S"));
        });
    }
}

TEST(Fuzz, RandomBytesIntoTheNumberParsers)
{
    std::mt19937 rng(4712);
    const std::string alphabet = "0123456789,.-+eE $?";
    for (int runde = 0; runde < 20000; ++runde) {
        const std::string text = ZufallsText(rng, alphabet, 40);
        EXPECT_NO_THROW({
            (void)StrToBetragFloat(text);
            (void)StrPunktToFloat(text);
            (void)StrToGanzzahl(text);
            (void)StrToBetragInt(text);
            (void)ZahlBereinigen(text);
            (void)NurZiffern(text, 12);
            (void)BetragZiffern(text, text.size() / 2, 2);
            (void)ZaehleNachkommastellen(text);
        }) << text;
        // A cleaned amount always reads back as the number it shows.
        const double x = StrToBetragFloat(text);
        EXPECT_EQ(StrToBetragFloat(FloatToBetragStr(2, x)),
                  StrToBetragFloat(FloatToBetragStr(2, StrToBetragFloat(FloatToBetragStr(2, x)))))
            << text;
    }
}

} // namespace
