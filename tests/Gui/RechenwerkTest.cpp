#include "Gui/Rechenwerk.h"

#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

namespace {

// Six decimals after a '.', whatever the host's locale (std::to_string follows it).
std::string MitPunkt(double wert)
{
    char text[64];
    const auto ende = std::to_chars(text, text + sizeof text, wert, std::chars_format::fixed, 6);
    return std::string(text, ende.ptr);
}

// Runs a calculator from its opening (no transfer target, add mode) and records what it does.
struct Rechner {
    TRechenwerk werk;
    std::vector<std::string> zeilen;
    int beeps = 0;
    std::vector<std::string> fehler;

    Rechner()
    {
        werk.zeileHinzufuegen = [this](const TRechnerZeile& z) { zeilen.push_back(z.text); };
        werk.zuVieleZiffern = [this] { ++beeps; };
        werk.fehler = [this](const std::string& text) { fehler.push_back(text); };
        werk.Start(false, 0.0, 0);
        zeilen.clear();
    }
    void Tippe(const std::string& tasten)
    {
        for (const char c : tasten)
            werk.Taste(c == '=' ? kTasteEnter : c);
    }
};

struct Kette {
    const char* name;
    const char* tasten; // '=' stands for Enter
    double anzeige;
    int stellen;
    std::vector<std::string> zeilen;
};

const Kette kKetten[] = {
    {"percent_then_plus_adds_to_the_base",
     "100*16%+",
     116,
     2,
     {" 100,00 x ", " 16,00 % ", " 16,00 * ", " 116,00+% "}},
    {"percent_then_minus_takes_from_the_base",
     "100*16%-",
     84,
     2,
     {" 100,00 x ", " 16,00 % ", " 16,00 * ", " 84,00-% "}},
    {"percent_of_a_divisor", "50/200%", 25, 2, {" 50,00 ÷ ", " 200,00 % ", " 25,00 * "}},
    {"add_mode_reads_hundredths", "125+", 1.25, 2, {" 1,25 + "}},
    {"add_mode_with_a_comma", "1,5+", 1.5, 2, {" 1,50 + "}},
    {"sum_and_total", "1000+250-=", 7.5, 2, {" 10,00 + ", "-2,50 - ", " 7,50 * "}},
    {"subtracting_a_negative_number", "5\x01-", 0.05, 2, {" 0,05-- "}},
    {"chain_left_to_right", "2*3*4=", 24, 2, {" 2,00 x ", " 3,00 x ", " 4,00 = ", " 24,00 * "}},
    {"division_by_zero_gives_zero", "7/0=", 0, 2, {" 7,00 ÷ ", " 0,00 = ", " 0,00 * "}},
    {"result_rounded_half_away_from_zero", "2/3=", 0.67, 2, {" 2,00 ÷ ", " 3,00 = ", " 0,67 * "}},
    {"pending_product_added", "3*4+", 12, 2, {" 3,00 x ", " 4,00 = ", " 12,00 + "}},
    {"enter_without_a_sum_prints_zero", "=", 0, 2, {" 0,00 * "}},
};

class RechenwerkKette : public testing::TestWithParam<Kette> {};
TEST_P(RechenwerkKette, DisplayAndTape)
{
    const Kette& k = GetParam();
    Rechner r;
    for (const char c : std::string(k.tasten))
        r.werk.Taste(c == '=' ? kTasteEnter : c == '\x01' ? kTasteEinfg : c);
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), k.anzeige) << k.tasten;
    EXPECT_EQ(r.werk.AnzeigeStellen(), k.stellen) << k.tasten;
    EXPECT_EQ(r.zeilen, k.zeilen) << k.tasten;
}
INSTANTIATE_TEST_SUITE_P(Gui, RechenwerkKette, testing::ValuesIn(kKetten),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Rechenwerk, TheTwelfthDigitBeeps)
{
    Rechner r;
    r.werk.SetStellen(2);
    // Eleven digits that the display can hold (leading zeros of the fraction).
    r.Tippe(",00000000012");
    EXPECT_EQ(r.beeps, 0);
    r.Tippe("3");
    EXPECT_EQ(r.beeps, 1);
}

TEST(Rechenwerk, AResultBeyondTheAmountRangeIsRefusedWithAMessage)
{
    Rechner r;
    r.Tippe("9999999*");
    const std::vector<std::string> vorher = r.zeilen;
    r.Tippe("1000=");
    EXPECT_EQ(r.fehler, std::vector<std::string>{"Betrag zu groß"});
    EXPECT_EQ(r.zeilen, vorher);
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 1000);
    // The registers are as before the refused key: a smaller factor still works.
    r.werk.Taste(kTasteEntf);
    r.Tippe("2=");
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 19999998);
}

TEST(Rechenwerk, DigitsBeyondTheAmountRangeBeep)
{
    Rechner r;
    r.Tippe("2147483647");
    EXPECT_EQ(r.beeps, 0);
    r.Tippe("0");
    EXPECT_EQ(r.beeps, 1);
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 2147483647);
}

TEST(Rechenwerk, FloatingModeShowsThePlacesThatFit)
{
    Rechner r;
    r.werk.SetFliessModus();
    r.Tippe("1/8=");
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 0.125);
    EXPECT_EQ(r.werk.AnzeigeStellen(), 3);
    r.Tippe("100/3=");
    EXPECT_EQ(r.werk.AnzeigeStellen(), 7);
}

TEST(Rechenwerk, DigitsAfterTheSignChangeExtendTheNegativeNumber)
{
    Rechner r;
    r.werk.SetStellen(0);
    r.Tippe("12");
    r.werk.Taste(kTasteEinfg);
    r.Tippe("3");
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), -123);
}

TEST(Rechenwerk, ClearEmptiesOnlyAnActiveEntry)
{
    Rechner r;
    r.werk.SetStellen(0);
    r.Tippe("45");
    r.werk.Taste(kTasteEntf);
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 0);
    r.Tippe("7+");
    r.werk.Taste(kTasteEntf);
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 7);
}

TEST(Rechenwerk, KeysTypedWhileALineIsAddedWaitTheirTurn)
{
    Rechner r;
    std::vector<std::string> ablauf;
    bool einmal = true;
    r.werk.zeileHinzufuegen = [&](const TRechnerZeile& z) {
        ablauf.push_back("zeile" + z.text);
        // The window processes events while the paper moves: the user types on.
        if (einmal) {
            einmal = false;
            r.werk.Taste('5');
            r.werk.Taste('+');
        }
    };
    r.werk.anzeigen = [&](double wert, int) { ablauf.push_back("anzeige" + MitPunkt(wert)); };
    r.Tippe("100+");
    EXPECT_EQ(ablauf,
              (std::vector<std::string>{"anzeige1.000000", "anzeige10.000000", "anzeige100.000000",
                                        "zeile 1,00 + ", "anzeige1.000000", "anzeige5.000000",
                                        "zeile 0,05 + ", "anzeige1.050000"}));
    EXPECT_DOUBLE_EQ(r.werk.Summe(), 1.05);
}

TEST(Rechenwerk, OpeningWithATargetTakesItsAmount)
{
    Rechner r;
    r.werk.Start(true, 12.345, 3);
    EXPECT_EQ(r.zeilen, std::vector<std::string>{" 0,000 C "});
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 12.345);
    EXPECT_EQ(r.werk.AnzeigeStellen(), 3);
    r.Tippe("+=");
    EXPECT_DOUBLE_EQ(r.werk.Anzeige(), 12.35);
}

TEST(Rechenwerk, TapeLinesTooLongForThePaper)
{
    EXPECT_EQ(TRechenwerk::Zeile(-1234567.891234, 6, " +").text, "-1.234.567,8912 + ");
    EXPECT_EQ(TRechenwerk::Zeile(123456789012345.0, 2, " *").text, " FEHLER  *");
    EXPECT_TRUE(TRechenwerk::Zeile(5, 2, " -").rot);
    EXPECT_FALSE(TRechenwerk::Zeile(-5, 2, "--").rot);
}

} // namespace
