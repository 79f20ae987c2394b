#include "Lib/XoParser.h"
#include "Lib/StrLib.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

TEST(XoParser, TagsNumbersAndTheCloseTag)
{
    TXoParser p("[Brutto] 3000 [/Brutto]");
    EXPECT_EQ(p.Token(), toOpenTag);
    EXPECT_EQ(p.TokenString(), "Brutto");
    EXPECT_EQ(p.NextToken(), toInteger);
    EXPECT_EQ(p.TokenInt(), 3000);
    EXPECT_EQ(p.NextToken(), toCloseTag);
    EXPECT_EQ(p.TokenString(), "Brutto");
    EXPECT_EQ(p.NextToken(), toEOF);
    EXPECT_EQ(p.NextToken(), toEOF);
}

struct TokenFall {
    const char* name;
    const char* in;
    int kind;
    const char* text;
};

const TokenFall kTokens[] = {
    {"symbol", "_Name1 x", toSymbol, "_Name1"},
    {"string_with_codes", "'It'#39's'", toString, "It's"},
    {"doubled_quote", "'a''b'", toString, "a'b"},
    {"code_first", "#13#10'x'", toString, "\r\nx"},
    {"code_above_ascii", "#228", toString, "ä"},
    {"negative_integer", "-42", toInteger, "-42"},
    {"hex", "$1F", toInteger, "$1F"},
    {"float", "1.5e-3", toFloat, "1.5e-3"},
    {"minus_alone", "- 5", '-', "-"},
    {"bracket_unclosed", "[abc def", '[', "["},
    {"bracket_empty", "[]", '[', "["},
    {"paren", "('a')", '(', "("},
    {"dollar_alone", "$x", '$', "$"},
    {"umlaut_byte", "\xc3\xa4", 0xc3, "\xc3"},
};

class TokenTest : public testing::TestWithParam<TokenFall> {};
TEST_P(TokenTest, KindAndText)
{
    const TokenFall& f = GetParam();
    TXoParser p(f.in);
    EXPECT_EQ(p.Token(), f.kind) << "in=" << f.in;
    EXPECT_EQ(p.TokenString(), f.text) << "in=" << f.in;
}
INSTANTIATE_TEST_SUITE_P(Lib, TokenTest, testing::ValuesIn(kTokens),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(XoParser, NumbersReadWithAPoint)
{
    TXoParser p("1.25 $ff 7");
    EXPECT_DOUBLE_EQ(p.TokenFloat(), 1.25);
    p.NextToken();
    EXPECT_EQ(p.TokenInt(), 255);
    p.NextToken();
    EXPECT_DOUBLE_EQ(p.TokenFloat(), 7.0);
}

TEST(XoParser, ErrorsAreParserErrors)
{
    EXPECT_THROW(TXoParser("'open"), EParserError);
    EXPECT_THROW(TXoParser("'line\nbreak'"), EParserError);
    EXPECT_THROW(TXoParser("#99999999999"), EParserError);
    EXPECT_THROW(TXoParser("99999999999999999999").TokenInt(), EParserError);
    EXPECT_THROW(TXoParser("1-2").TokenFloat(), EParserError);
    EXPECT_THROW(TXoParser("abc").TokenInt(), EParserError);
    try {
        TXoParser("\n\n'open");
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_NE(std::string(e.what()).find("Ungültige Stringkonstante in Zeile 3"),
                  std::string::npos);
    }
}

TEST(XoParser, QuoteLiteralReadsBack)
{
    const std::string texte[] = {"", "It's", "a\r\nb", "''", "Straße #1", std::string(1, '\0')};
    for (const std::string& t : texte) {
        TXoParser p(QuoteLiteral(t));
        EXPECT_EQ(p.Token(), toString) << QuoteLiteral(t);
        EXPECT_EQ(p.TokenString(), t);
    }
}

TEST(XoParser, RandomBytesNeverEscapeAsAnythingButParserErrors)
{
    std::mt19937 rng(4711);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> laenge(0, 64);
    const std::string alphabet = "'#$[]/-.eE+0123456789abc \n";
    for (int runde = 0; runde < 5000; ++runde) {
        std::string text;
        const int n = laenge(rng);
        for (int i = 0; i < n; ++i) {
            // Half the bytes from the tokenizer's own alphabet, so that deep paths are reached.
            text += byte(rng) < 128
                        ? alphabet[static_cast<std::size_t>(byte(rng)) % alphabet.size()]
                        : static_cast<char>(byte(rng));
        }
        try {
            TXoParser p(text);
            for (int guard = 0; p.Token() != toEOF && guard < 1000; ++guard) {
                if (p.Token() == toInteger || p.Token() == toFloat)
                    (void)p.TokenFloat();
                p.NextToken();
            }
            EXPECT_EQ(p.Token(), toEOF);
        } catch (const EParserError&) {
        }
    }
}

} // namespace
