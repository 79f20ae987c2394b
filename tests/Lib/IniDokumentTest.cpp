#include "Lib/IniDokument.h"

#include <gtest/gtest.h>

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
