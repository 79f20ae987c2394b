#include "Gui/BetragRegeln.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Field states written as text: '|' is the caret, "[...]" a selection (caret at its end).
TBetragZustand Lies(const std::string& bild)
{
    TBetragZustand z;
    for (const char c : bild) {
        if (c == '|') {
            z.cursor = z.selStart = static_cast<int>(z.text.size());
        } else if (c == '[') {
            z.selStart = static_cast<int>(z.text.size());
        } else if (c == ']') {
            z.cursor = static_cast<int>(z.text.size());
            z.selLength = z.cursor - z.selStart;
        } else {
            z.text += c;
        }
    }
    return z;
}

std::string Bild(const TBetragZustand& z)
{
    std::string bild = z.text;
    if (z.selLength > 0) {
        bild.insert(static_cast<std::size_t>(z.selStart + z.selLength), "]");
        bild.insert(static_cast<std::size_t>(z.selStart), "[");
    } else {
        bild.insert(static_cast<std::size_t>(z.cursor), "|");
    }
    return bild;
}

enum Taste { Zeichen, Einfuegemodus, Backspace, Entfernen, Leeren, Ausschneiden, Einfuegen };

struct Fall {
    const char* name;
    Taste taste;
    const char* vorher;
    const char* eingabe; // the character typed or the text pasted
    const char* nachher;
    TBetragAntwort antwort;
    int maxLength = 12;
    bool minus = true;
    bool leer = false;
};

constexpr auto G = TBetragAntwort::Geaendert;
constexpr auto U = TBetragAntwort::Unveraendert;
constexpr auto B = TBetragAntwort::Beep;

const Fall kFaelle[] = {
    {"digit_overwrites_the_digit_after_the_caret", Zeichen, "1.2|34,56", "9", "1.29|4,56", G},
    {"digit_inserts_with_the_insert_toggle", Einfuegemodus, "1.2|34,56", "9", "12.9|34,56", G},
    {"digits_push_in_from_the_right", Zeichen, "0,01|", "2", "0,12|", G},
    {"digit_replaces_a_selection", Zeichen, "[0,00]", "5", "0,05|", G},
    {"caret_steps_over_a_separator_after_a_digit", Zeichen, "1.23|4,56", "7", "1.237,|56", G},
    {"overwrite_in_front_of_a_separator_takes_the_next_digit", Zeichen, "1|.234,56", "9",
     "1.9|34,56", G},
    {"digit_in_front_of_a_minus_beeps", Zeichen, "|-12,34", "5", "|-12,34", B},
    {"full_field_takes_no_further_digit", Zeichen, "9.999.999,99|", "1", "9.999.999,99|", U},
    {"minus_does_not_count_against_the_length", Zeichen, "-999.999,99|", "1", "-9.999.999,91|", G,
     12},
    {"beyond_32_bits_is_refused", Zeichen, "21.474.836,47|", "1", "21.474.836,47|", U, 20},
    {"letters_beep", Zeichen, "1,00|", "x", "1,00|", B},
    {"r_asks_for_the_calculator", Zeichen, "1,00|", "r", "1,00|", TBetragAntwort::Rechner},
    {"minus_sets_the_sign", Zeichen, "1|2,34", "-", "-1|2,34", G},
    {"minus_again_clears_it", Zeichen, "-1|2,34", "-", "1|2,34", G},
    {"minus_on_zero_stays_for_the_digits_to_come", Zeichen, "0,00|", "-", "-0,00|", G},
    {"minus_refused_where_not_allowed", Zeichen, "1|2,34", "-", "1|2,34", B, 12, false},
    {"comma_splits_at_the_caret", Zeichen, "12|,34", ",", "12,|34", G},
    {"comma_at_the_end_makes_whole_units", Zeichen, "12,34|", ",", "1.234,|00", G},
    {"point_counts_as_the_comma", Zeichen, "12,34|", ".", "1.234,|00", G},
    {"comma_cuts_extra_decimals", Zeichen, "1|2,34", ",", "1,|23", G},
    {"backspace_at_the_end", Backspace, "1.234,56|", "", "123,45|", G},
    {"backspace_steps_over_a_separator", Backspace, "1.234,|56", "", "123,|56", G},
    {"backspace_at_the_start_does_nothing", Backspace, "|0,00", "", "|0,00", U},
    {"backspace_removes_a_selection", Backspace, "[1.234,56]", "", "0,00|", G},
    {"backspace_leaves_an_empty_field_empty", Backspace, "[1.234,56]", "", "|", G, 12, true, true},
    {"delete_keeps_the_caret_before_the_rest", Entfernen, "1.2|34,56", "", "12|4,56", G},
    {"delete_counts_a_following_separator", Entfernen, "1.234|,56", "", "123,4|6", G},
    {"delete_at_the_end_does_nothing", Entfernen, "1,00|", "", "1,00|", U},
    {"ctrl_delete_gives_the_empty_amount", Leeren, "1.2|34,56", "", "0,00|", G},
    {"ctrl_delete_empties_where_allowed", Leeren, "1.2|34,56", "", "|", G, 12, true, true},
    {"cut_formats_the_rest", Ausschneiden, "[1.234],56", "", "0|,56", G},
    {"paste_reads_an_amount_with_comma", Einfuegen, "[0,00]", "12,5", "12,50|", G},
    {"paste_cuts_extra_decimals", Einfuegen, "[0,00]", "1.234,567", "1.234,56|", G},
    {"paste_of_digits_types_them", Einfuegen, "1,00|", "23", "100,23|", G},
    {"paste_of_text_without_digits_beeps", Einfuegen, "1,00|", "abc", "1,00|", B},
    {"paste_beyond_the_field_beeps", Einfuegen, "[0,00]", "99999999999", "[0,00]", B},
    {"paste_keeps_a_minus", Einfuegen, "[0,00]", "-7,5", "-7,50|", G},
};

class BetragRegelnTest : public testing::TestWithParam<Fall> {};
TEST_P(BetragRegelnTest, Key)
{
    const Fall& f = GetParam();
    TBetragRegeln regeln;
    regeln.maxLength = f.maxLength;
    regeln.minus = f.minus;
    regeln.leerErlaubt = f.leer;
    TBetragZustand z = Lies(f.vorher);
    TBetragAntwort antwort = U;
    switch (f.taste) {
    case Zeichen:
    case Einfuegemodus:
        antwort = regeln.Zeichen(z, f.eingabe[0], f.taste == Einfuegemodus);
        break;
    case Backspace:
        antwort = regeln.Backspace(z);
        break;
    case Entfernen:
        antwort = regeln.Entfernen(z);
        break;
    case Leeren:
        antwort = regeln.Leeren(z);
        break;
    case Ausschneiden:
        antwort = regeln.Ausschneiden(z);
        break;
    case Einfuegen:
        antwort = regeln.Einfuegen(z, f.eingabe);
        break;
    }
    EXPECT_EQ(Bild(z), f.nachher) << "vorher=" << f.vorher << " eingabe=" << f.eingabe;
    EXPECT_EQ(antwort, f.antwort) << "vorher=" << f.vorher << " eingabe=" << f.eingabe;
}
INSTANTIATE_TEST_SUITE_P(Gui, BetragRegelnTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

struct Bewegung {
    const char* name;
    const char* vorher;
    bool links;
    const char* nachher;
};

const Bewegung kBewegungen[] = {
    {"left_jumps_over_a_separator", "1.234,|56", true, "1.23|4,56"},
    {"left_plain", "1.234,5|6", true, "1.234,|56"},
    {"left_at_the_start", "|1,00", true, "|1,00"},
    {"right_jumps_over_a_following_separator", "12|3,45", false, "123,|45"},
    {"right_from_before_a_separator", "1|.234,56", false, "1.|234,56"},
    {"right_at_the_end", "1,00|", false, "1,00|"},
};

class BetragBewegungTest : public testing::TestWithParam<Bewegung> {};
TEST_P(BetragBewegungTest, CaretSkipsSeparators)
{
    const Bewegung& f = GetParam();
    TBetragRegeln regeln;
    TBetragZustand z = Lies(f.vorher);
    z.cursor = z.selStart = f.links ? regeln.Links(z) : regeln.Rechts(z);
    EXPECT_EQ(Bild(z), f.nachher);
}
INSTANTIATE_TEST_SUITE_P(Gui, BetragBewegungTest, testing::ValuesIn(kBewegungen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(BetragRegeln, TypingDigitsIntoAnEmptyFieldWorksLikeAnAddingMachine)
{
    TBetragRegeln regeln;
    TBetragZustand z = Lies("[0,00]");
    for (const char c : std::string("12345"))
        regeln.Zeichen(z, c, false);
    EXPECT_EQ(Bild(z), "123,45|");
    regeln.Zeichen(z, ',', false);
    EXPECT_EQ(Bild(z), "12.345,|00");
    regeln.Zeichen(z, '6', false);
    EXPECT_EQ(Bild(z), "12.345,6|0");
}

TEST(BetragRegeln, PlacesOtherThanTwo)
{
    TBetragRegeln regeln;
    regeln.dezimalstellen = 0;
    EXPECT_EQ(regeln.Formatieren("1234"), "1.234");
    EXPECT_EQ(regeln.AlsBetrag("1.234,9"), "1.234");
    regeln.dezimalstellen = 3;
    EXPECT_EQ(regeln.Formatieren("-1234"), "-1,234");
    EXPECT_EQ(regeln.AlsBetrag("7,5"), "7,500");
    EXPECT_EQ(regeln.LeerText(), "0,000");
}

} // namespace
