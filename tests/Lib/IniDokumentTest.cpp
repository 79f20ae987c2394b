#include "Lib/IniDokument.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include <string>
#include <vector>

namespace {

const char* const kDatei = "; Einstellungen der Lohnabrechnung\r\n"
                           "\r\n"
                           "[Lohn]\r\n"
                           "  Brutto  =  3000,00  \r\n"
                           "Straße=Hauptstraße 1\r\n"
                           "; Kommentar in der Sektion\r\n"
                           "Name=\"  Müller  \"\r\n"
                           "\r\n"
                           "[Kasse]\r\n"
                           "KasseName=AOK Baden-Württemberg\r\n"
                           "ohne Gleichheitszeichen\r\n";

TEST(IniDokument, RoundTripKeepsEverything)
{
    const TIniDokument doc = TIniDokument::Parse(kDatei);
    EXPECT_EQ(doc.Serialize(), kDatei);
}

TEST(IniDokument, EditChangesOnlyItsLine)
{
    TIniDokument doc = TIniDokument::Parse(kDatei);
    doc.SetValue("LOHN", "brutto", "3500,00");
    doc.SetValue("Kasse", "Neu", "1");
    doc.SetValue("Ämter", "Öffnung", "8");
    const std::string want = "; Einstellungen der Lohnabrechnung\r\n"
                             "\r\n"
                             "[Lohn]\r\n"
                             "Brutto=3500,00\r\n"
                             "Straße=Hauptstraße 1\r\n"
                             "; Kommentar in der Sektion\r\n"
                             "Name=\"  Müller  \"\r\n"
                             "\r\n"
                             "[Kasse]\r\n"
                             "KasseName=AOK Baden-Württemberg\r\n"
                             "ohne Gleichheitszeichen\r\n"
                             "Neu=1\r\n"
                             "\r\n"
                             "[Ämter]\r\n"
                             "Öffnung=8\r\n";
    EXPECT_EQ(doc.Serialize(), want);
}

struct LeseFall {
    const char* name;
    const char* section;
    const char* key;
    const char* want; // nullptr: absent
};

const LeseFall kLesen[] = {
    {"trimmed", "Lohn", "Brutto", "3000,00"},
    {"section_case", "lOHN", "BRUTTO", "3000,00"},
    {"umlaut_case", "LOHN", "STRASSE", nullptr},
    {"umlaut_key_case", "lohn", "STRAßE", "Hauptstraße 1"},
    {"quotes_removed", "Lohn", "Name", "  Müller  "},
    {"comment_is_no_key", "Lohn", "; Kommentar in der Sektion", nullptr},
    {"other_section", "Kasse", "KasseName", "AOK Baden-Württemberg"},
    {"key_of_other_section", "Kasse", "Brutto", nullptr},
    {"missing_section", "Fehlt", "Brutto", nullptr},
};

class IniLesenTest : public testing::TestWithParam<LeseFall> {};
TEST_P(IniLesenTest, WindowsRules)
{
    const LeseFall& f = GetParam();
    const TIniDokument doc = TIniDokument::Parse(kDatei);
    const std::optional<std::string> wert = doc.Value(f.section, f.key);
    if (f.want == nullptr)
        EXPECT_FALSE(wert.has_value()) << *wert;
    else
        EXPECT_EQ(wert.value_or("<absent>"), f.want);
}
INSTANTIATE_TEST_SUITE_P(Lib, IniLesenTest, testing::ValuesIn(kLesen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(IniDokument, UmlautCapitalsFoldOnlyLetters)
{
    EXPECT_TRUE(TIniDokument::NamesEqual("ÄÖÜ", "äöü"));
    EXPECT_FALSE(TIniDokument::NamesEqual("×", "÷"));
}

TEST(IniDokument, FirstOfEqualKeysAndSectionsWins)
{
    TIniDokument doc = TIniDokument::Parse("[A]\nk=1\nK=2\n[a]\nk=3\nx=4\n");
    EXPECT_EQ(doc.Value("A", "k").value_or(""), "1");
    EXPECT_FALSE(doc.Value("A", "x").has_value());
    EXPECT_EQ(doc.Keys("a"), std::vector<std::string>{"k"});
    EXPECT_EQ(doc.Sections(), std::vector<std::string>{"A"});
    EXPECT_TRUE(doc.EraseSection("A"));
    EXPECT_EQ(doc.Serialize(), "");
}

TEST(IniDokument, ValuesReadBackAsWritten)
{
    const std::string werte[] = {"",    " lead",   "trail ", "'q'", "\"dq\"",
                                 "a=b", "; nicht", "[x]",    "\"",  "Zeile1\nZeile2"};
    for (const std::string& w : werte) {
        TIniDokument doc;
        doc.SetValue("S", "K", w);
        const TIniDokument wieder = TIniDokument::Parse(doc.Serialize());
        const std::string erwartet = w == "Zeile1\nZeile2" ? "Zeile1 Zeile2" : w;
        EXPECT_EQ(wieder.Value("S", "K").value_or("<absent>"), erwartet) << doc.Serialize();
        EXPECT_EQ(wieder.Keys("S").size(), 1u) << doc.Serialize();
    }
}

TEST(IniDokument, SectionNamesWithBrackets)
{
    TIniDokument doc;
    doc.SetValue("AOK [alt]", "Beitragssatz_G", "14,6");
    EXPECT_EQ(TIniDokument::Parse(doc.Serialize()).Value("aok [ALT]", "Beitragssatz_G"), "14,6");
}

TEST(IniDokument, Windows1252IsReadAsSuch)
{
    // "Straße=Grün" and the euro sign in Windows-1252.
    const TIniDokument doc = TIniDokument::Parse("[S]\nStra\xDF"
                                                 "e=Gr\xFCn \x80\n");
    EXPECT_EQ(doc.Value("S", "Straße").value_or(""), "Grün €");
    EXPECT_EQ(doc.Serialize(), "[S]\nStra\xDF"
                               "e=Gr\xFCn \x80\n");
}

TEST(IniDokument, ByteOrderMarkAndMissingLastLineEnd)
{
    const std::string text = "\xEF\xBB\xBF[S]\nk=v";
    TIniDokument doc = TIniDokument::Parse(text);
    EXPECT_EQ(doc.Value("s", "K").value_or(""), "v");
    EXPECT_EQ(doc.Serialize(), text);
    doc.SetValue("S", "n", "w");
    EXPECT_EQ(doc.Serialize(), "\xEF\xBB\xBF[S]\nk=v\nn=w\n");
    doc.DeleteKey("S", "n");
    doc.DeleteKey("S", "k");
    EXPECT_EQ(doc.Serialize(), "\xEF\xBB\xBF[S]\n");
}

} // namespace

namespace {

// UTF-16 bytes of a text of the Basic Multilingual Plane, with byte-order mark.
std::string Utf16(std::u16string_view text, bool le)
{
    std::string bytes = le ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t c : text) {
        const char hoch = static_cast<char>(c >> 8);
        const char tief = static_cast<char>(c & 0xFF);
        bytes += le ? std::string{tief, hoch} : std::string{hoch, tief};
    }
    return bytes;
}

TEST(IniDokument, EachLineIsDecodedOnItsOwnAndKeptUnlessChanged)
{
    // A file written as UTF-8 with one line that an old program wrote in Windows-1252.
    const std::string datei = "[Bezug]\n"
                              "Text=Miete f\xC3\xBCr B\xC3\xBCro\n"
                              "Alt=Gr\xF6\xDF"
                              "e \x80\n"
                              "Kaputt=\xC3\n";
    TIniDokument doc = TIniDokument::Parse(datei);
    EXPECT_EQ(doc.Value("Bezug", "Text").value_or(""), "Miete für Büro");
    EXPECT_EQ(doc.Value("Bezug", "Alt").value_or(""), "Größe €");
    EXPECT_EQ(doc.Value("Bezug", "Kaputt").value_or(""), "Ã");
    doc.SetValue("Bezug", "Neu", "Bürokosten");
    doc.SetValue("Bezug", "Kaputt", "heil");
    EXPECT_EQ(doc.Serialize(), "[Bezug]\n"
                               "Text=Miete f\xC3\xBCr B\xC3\xBCro\n"
                               "Alt=Gr\xF6\xDF"
                               "e \x80\n"
                               "Kaputt=heil\n"
                               "Neu=B\xC3\xBCrokosten\n");
}

struct Utf16Fall {
    const char* name;
    bool le;
};
const Utf16Fall kUtf16[] = {{"little_endian", true}, {"big_endian", false}};

class IniUtf16Test : public testing::TestWithParam<Utf16Fall> {};
TEST_P(IniUtf16Test, ReadByItsByteOrderMarkAndWrittenBackAsSuch)
{
    const bool le = GetParam().le;
    TIniDokument doc = TIniDokument::Parse(Utf16(u"[Kasse]\r\nName=Grün €\r\nSatz=14,6\r\n", le));
    EXPECT_EQ(doc.Value("kasse", "NAME").value_or(""), "Grün €");
    EXPECT_EQ(doc.Keys("Kasse"), (std::vector<std::string>{"Name", "Satz"}));
    doc.SetValue("Kasse", "Satz", "14,7");
    doc.SetValue("Kasse", "Zusatz", "2,45");
    EXPECT_EQ(doc.Serialize(),
              Utf16(u"[Kasse]\r\nName=Grün €\r\nSatz=14,7\r\nZusatz=2,45\r\n", le));
}
INSTANTIATE_TEST_SUITE_P(Lib, IniUtf16Test, testing::ValuesIn(kUtf16),
                         [](const auto& i) { return std::string(i.param.name); });

// Random files, built from the bytes that steer the reader, a fixed number of them whatever the
// machine's speed: reading and writing back an unchanged text gives its bytes; a value set reads
// back; other values stay.
TEST(Fuzz, IniReaderOnRandomFiles)
{
    const std::string teile[] = {
        "[",     "]",    "=",    ";",    "\"",   "'",    " ",  "\t",   "\r",           "\n",
        "S",     "k",    "\xC3", "\xA4", "\xFF", "\xFE", "\0", "\x80", "\xEF\xBB\xBF", "Wert",
        "[S]\n", "k=v\n"};
    constexpr int kRunden = 50000;
    std::mt19937 rng(20261209);
    std::uniform_int_distribution<std::size_t> teil(0, std::size(teile) - 1);
    std::uniform_int_distribution<int> laenge(0, 120);
    std::uniform_int_distribution<int> bom(0, 5);
    for (int runden = 1; runden <= kRunden; ++runden) {
        std::string bytes = bom(rng) == 0 ? "\xFF\xFE" : bom(rng) == 0 ? "\xFE\xFF" : "";
        for (int n = laenge(rng); n > 0; --n)
            bytes += teile[teil(rng)];
        const TIniDokument doc = TIniDokument::Parse(bytes);
        ASSERT_EQ(doc.Serialize(), bytes) << runden;
        TIniDokument geaendert = doc;
        // Names and values come from the program, always UTF-8.
        const std::string namen[] = {"S", " S ", "[S]", "Ä", "s;", "S=", "\"S\"", "S\r\nT"};
        const std::string section = namen[teil(rng) % std::size(namen)];
        geaendert.SetValue(section, "k", "neu");
        const TIniDokument wieder = TIniDokument::Parse(geaendert.Serialize());
        ASSERT_EQ(wieder.Value(section, "k").value_or("<absent>"), "neu")
            << runden << " [" << section << "] " << testing::PrintToString(geaendert.Serialize());
        TIniDokument nurDiese;
        nurDiese.SetValue(section, "k", "neu");
        for (const std::string& s : doc.Sections()) {
            if (nurDiese.HasSection(s))
                continue;
            for (const std::string& k : doc.Keys(s))
                ASSERT_EQ(wieder.Value(s, k), doc.Value(s, k)) << runden << " " << s << " " << k;
        }
        geaendert.EraseSection(section);
        ASSERT_FALSE(TIniDokument::Parse(geaendert.Serialize()).HasSection(section)) << runden;
    }
}

} // namespace

namespace {

// Names the file cannot hold as keys: the line is written, and reads back as what it is.
TEST(IniDokument, AKeyThatReadsAsACommentIsNoKey)
{
    TIniDokument doc;
    doc.SetValue("S", "; k", "1");
    doc.SetValue("T", "; k", "1");
    EXPECT_TRUE(doc.Keys("S").empty());
    EXPECT_FALSE(doc.Value("T", "").has_value());
    EXPECT_EQ(doc.Serialize(), "[S]\n; k=1\n\n[T]\n; k=1\n");
}

} // namespace
