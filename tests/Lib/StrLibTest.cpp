#include "Lib/StrLib.h"
#include "Lib/Datum.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PfadFall {
    const char* name;
    const char* dir;
    const char* rel;
    const char* want;
};

const PfadFall kJoinPath[] = {
    {"adds_delimiter", "/home/a", "b.ini", "/home/a/b.ini"},
    {"one_delimiter_only", "/home/a", "\\b.ini", "/home/a/b.ini"},
    {"both_have_one", "/home/a/", "//b.ini", "/home/a/b.ini"},
    {"stored_backslashes", "/data", "Tovar\\XoLStTab\\", "/data/Tovar/XoLStTab/"},
    {"empty_dir_stays_relative", "", "/b.ini", "b.ini"},
};

class JoinPathTest : public testing::TestWithParam<PfadFall> {};
TEST_P(JoinPathTest, ExactlyOneDelimiter)
{
    const PfadFall& f = GetParam();
    EXPECT_EQ(JoinPath(f.dir, f.rel), f.want);
}
INSTANTIATE_TEST_SUITE_P(Lib, JoinPathTest, testing::ValuesIn(kJoinPath),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(QuoteLiteral, QuotesRunsAndCodesTheRest)
{
    EXPECT_EQ(QuoteLiteral("It's"), "'It'#39's'");
    EXPECT_EQ(QuoteLiteral(""), "''");
    EXPECT_EQ(QuoteLiteral("a\r\nb"), "'a'#13#10'b'");
    EXPECT_EQ(QuoteLiteral("'"), "#39");
    EXPECT_EQ(QuoteLiteral("Straße"), "'Straße'");
}

TEST(StrLib, SmallHelpers)
{
    EXPECT_EQ(ReplaceAll("a--b--c", "--", "+"), "a+b+c");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceChar("a\\b\\c", '\\', '/'), "a/b/c");
    EXPECT_EQ(CharString('-', 3), "---");
    EXPECT_EQ(CharString('-', 1000).size(), 255u);
    EXPECT_EQ(Spaces(0), "");
    EXPECT_EQ(Spaces(-4), "");
    EXPECT_EQ(PadString("ab", 4, true), "ab  ");
    EXPECT_EQ(PadString("ab", 4, false), "  ab");
    EXPECT_EQ(PadString("Öl", 4, false), "  Öl");
    EXPECT_EQ(PadString("abcdef", 4, true), "abcdef");
}

struct BoolFall {
    const char* in;
    bool want;
};

TEST(StrToBool, FirstCharacterDecides)
{
    const BoolFall faelle[] = {{"Nein", false},   {"0", false}, {"", false}, {" Ja", false},
                               {"falsch", false}, {"Ja", true}, {"1", true}, {"Wahr", true}};
    for (const BoolFall& f : faelle)
        EXPECT_EQ(StrToBool(f.in), f.want) << "in='" << f.in << "'";
}

TEST(Datum, JahreZwischenCountsWholeYears)
{
    const TDatum geburt = SetDatum(15, 3, 1990);
    EXPECT_EQ(JahreZwischen(geburt, SetDatum(14, 3, 2026)), 35);
    EXPECT_EQ(JahreZwischen(geburt, SetDatum(15, 3, 2026)), 36);
    EXPECT_EQ(JahreZwischen(geburt, SetDatum(1, 2, 2026)), 35);
}

TEST(Datum, StoredAndShownForms)
{
    const TDatum d = SetDatum(5, 3, 2026);
    EXPECT_EQ(DatumToStr(d), "20260305");
    EXPECT_EQ(DatumAlsText(d), "05.03.2026");
}

TEST(Datum, HeuteIsPlausible)
{
    const TDatum heute = DatumHeute();
    EXPECT_GE(heute.Jahr, 2024);
    EXPECT_GE(heute.Monat, 1);
    EXPECT_LE(heute.Monat, 12);
    EXPECT_GE(heute.Tag, 1);
    EXPECT_LE(heute.Tag, 31);
}

} // namespace
