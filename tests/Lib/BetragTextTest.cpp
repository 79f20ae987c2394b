#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <limits>
#include <string>

namespace {

template <typename T> std::string Name(const testing::TestParamInfo<T>& i)
{
    return i.param.name;
}

struct TextFall {
    const char* name;
    const char* in;
    const char* want;
};

const TextFall kBereinigen[] = {
    {"german_amount", "1.234,56", "1234,56"},
    {"leading_zeros", "007,50", "7,50"},
    {"fraction_only", ",5", "0,5"},
    {"minus_fraction", "-,5", "-0,5"},
    {"minus_alone", "-", "0,0"},
    {"empty", "", "0,0"},
    {"undetermined", "???", "0,0"},
    {"second_separator_dropped", "1,2,3", "1,23"},
    {"minus_after_digits_dropped", "12-3", "123"},
    {"currency_text", "EUR -12,00", "-12,00"},
    {"zero_fraction_kept", "0,05", "0,05"},
};

class ZahlBereinigenTest : public testing::TestWithParam<TextFall> {};
TEST_P(ZahlBereinigenTest, KeepsTheNumber)
{
    EXPECT_EQ(ZahlBereinigen(GetParam().in), GetParam().want) << "in=" << GetParam().in;
}
INSTANTIATE_TEST_SUITE_P(Lib, ZahlBereinigenTest, testing::ValuesIn(kBereinigen), Name<TextFall>);

TEST(ZahlBereinigen, OhneVorzeichenDropsTheMinus)
{
    EXPECT_EQ(ZahlBereinigen("-12,5", true), "12,5");
}

TEST(NurZiffern, DigitsSignAndLength)
{
    EXPECT_EQ(NurZiffern("-01.234,56", 20), "-123456");
    EXPECT_EQ(NurZiffern("-01.234,56", 20, true), "123456");
    EXPECT_EQ(NurZiffern("9,00 %", 2), "90");
    EXPECT_EQ(NurZiffern("-", 20), "");
}

struct FloatFall {
    const char* name;
    const char* in;
    double want;
};

const std::string kNeunen(400, '9');

const FloatFall kStrToBetragFloat[] = {
    {"german", "1.234,56", 1234.56},
    {"negative", "-1.234,56", -1234.56},
    {"minus_fraction", "-,5", -0.5},
    {"minus_alone", "-", 0},
    {"empty", "", 0},
    {"undetermined", "???", 0},
    {"garbage", "abc\x01\xff", 0},
    {"trailing_separator", "5,", 5},
    {"english_point_is_thousands", "1.5", 15},
    {"too_large_for_double", kNeunen.c_str(), 0},
};

class StrToBetragFloatTest : public testing::TestWithParam<FloatFall> {};
TEST_P(StrToBetragFloatTest, ReadsGermanText)
{
    EXPECT_DOUBLE_EQ(StrToBetragFloat(GetParam().in), GetParam().want) << "in=" << GetParam().in;
}
INSTANTIATE_TEST_SUITE_P(Lib, StrToBetragFloatTest, testing::ValuesIn(kStrToBetragFloat),
                         Name<FloatFall>);

const FloatFall kStrPunktToFloat[] = {
    {"point", "1234.5", 1234.5},    {"exponent", "1.5e3", 1500}, {"negative", "-0.25", -0.25},
    {"comma_as_point", "2,5", 2.5}, {"blanks", " 7.5 ", 7.5},    {"empty", "", 0},
    {"minus_alone", "-", 0},        {"inf_refused", "inf", 0},   {"garbage", "1.2.3", 0},
};

class StrPunktToFloatTest : public testing::TestWithParam<FloatFall> {};
TEST_P(StrPunktToFloatTest, ReadsPointText)
{
    EXPECT_DOUBLE_EQ(StrPunktToFloat(GetParam().in), GetParam().want) << "in=" << GetParam().in;
}
INSTANTIATE_TEST_SUITE_P(Lib, StrPunktToFloatTest, testing::ValuesIn(kStrPunktToFloat),
                         Name<FloatFall>);

struct IntFall {
    const char* name;
    const char* in;
    std::int32_t ganzzahl;
    std::int32_t betragInt;
};

const IntFall kInt[] = {
    {"german", "1.234,56", 1234, 123456},
    {"negative", "-1.234,56", -1234, -123456},
    {"minus_fraction", "-,5", 0, -5},
    {"minus_alone", "-", 0, 0},
    {"empty", "", 0, 0},
    {"undetermined", "???", 0, 0},
    {"int32_max", "2147483647", 2147483647, 2147483647},
    {"beyond_int32", "2147483648", 0, 0},
    {"int32_min", "-2147483648", std::numeric_limits<std::int32_t>::min(),
     std::numeric_limits<std::int32_t>::min()},
};

class IntTextTest : public testing::TestWithParam<IntFall> {};
TEST_P(IntTextTest, StrToGanzzahlAndStrToBetragInt)
{
    const IntFall& f = GetParam();
    EXPECT_EQ(StrToGanzzahl(f.in), f.ganzzahl) << "in=" << f.in;
    EXPECT_EQ(StrToBetragInt(f.in), f.betragInt) << "in=" << f.in;
}
INSTANTIATE_TEST_SUITE_P(Lib, IntTextTest, testing::ValuesIn(kInt), Name<IntFall>);

struct FormatFall {
    const char* name;
    unsigned char decimals;
    double in;
    const char* want;
};

const FormatFall kFloatToBetragStr[] = {
    {"cents", 2, 1234.56, "1.234,56"},
    {"millions", 2, -1234567.891, "-1.234.567,89"},
    {"tie_up", 2, 2.675, "2,68"},
    {"tie_negative", 2, -2.675, "-2,68"},
    {"tie_exact_binary", 2, 0.125, "0,13"},
    {"no_negative_zero", 2, -0.001, "0,00"},
    {"carry_into_whole", 2, 999.995, "1.000,00"},
    {"no_places", 0, 1234.5, "1.235"},
    {"five_places", 5, 1.95583, "1,95583"},
    {"padded", 3, 7, "7,000"},
    {"small", 2, 0.05, "0,05"},
    {"large", 2, 1e15, "1.000.000.000.000.000,00"},
};

class FloatToBetragStrTest : public testing::TestWithParam<FormatFall> {};
TEST_P(FloatToBetragStrTest, GermanFormat)
{
    const FormatFall& f = GetParam();
    EXPECT_EQ(FloatToBetragStr(f.decimals, f.in), f.want) << "in=" << f.in;
}
INSTANTIATE_TEST_SUITE_P(Lib, FloatToBetragStrTest, testing::ValuesIn(kFloatToBetragStr),
                         Name<FormatFall>);

struct IntFormatFall {
    const char* name;
    std::int32_t in;
    unsigned char decimals;
    const char* want;
};

const IntFormatFall kBetragIntToStr[] = {
    {"millions", -123456789, 2, "-1.234.567,89"},
    {"cents_only", 5, 2, "0,05"},
    {"zero", 0, 2, "0,00"},
    {"no_places", 1234, 0, "1.234"},
    {"int32_min", std::numeric_limits<std::int32_t>::min(), 2, "-21.474.836,48"},
    {"int32_max", std::numeric_limits<std::int32_t>::max(), 0, "2.147.483.647"},
    {"many_places", 5, 4, "0,0005"},
};

class BetragIntToStrTest : public testing::TestWithParam<IntFormatFall> {};
TEST_P(BetragIntToStrTest, GermanFormatAndBack)
{
    const IntFormatFall& f = GetParam();
    EXPECT_EQ(BetragIntToStr(f.in, f.decimals), f.want);
    EXPECT_EQ(StrToBetragInt(f.want), f.in) << "round trip of " << f.want;
}
INSTANTIATE_TEST_SUITE_P(Lib, BetragIntToStrTest, testing::ValuesIn(kBetragIntToStr),
                         Name<IntFormatFall>);

TEST(BetragText, IndependentOfTheHostLocale)
{
    // A host locale with '.' as the decimal point must not change the German texts.
    const std::string alt = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(FloatToBetragStr(2, 1234.5), "1.234,50");
    EXPECT_DOUBLE_EQ(StrToBetragFloat("1.234,5"), 1234.5);
    std::setlocale(LC_ALL, alt.c_str());
}

TEST(BetragSkalieren, ShiftsPlacesAndClamps)
{
    EXPECT_EQ(BetragSkalieren(12345, 2, 4), 123);
    EXPECT_EQ(BetragSkalieren(-12399, 2, 4), -123);
    EXPECT_EQ(BetragSkalieren(123, 4, 2), 12300);
    EXPECT_EQ(BetragSkalieren(123, 2, 2), 123);
    EXPECT_EQ(BetragSkalieren(2000000000, 3, 2), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(BetragSkalieren(-2000000000, 3, 2), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(BetragSkalieren(5, 0, 200), 0);
}

TEST(BetragZiffern, SplitsAtTheCaret)
{
    EXPECT_EQ(BetragZiffern("1234", 2, 2), "1234");
    EXPECT_EQ(BetragZiffern("1234", 4, 2), "123400");
    EXPECT_EQ(BetragZiffern("1.234,567", 5, 2), "123456");
    EXPECT_EQ(BetragZiffern("-5", 2, 2), "-500");
    EXPECT_EQ(BetragZiffern("-", 1, 2), "-00");
    EXPECT_EQ(BetragZiffern("12", 99, 0), "12");
}

TEST(ZaehleNachkommastellen, CharactersAfterTheSeparator)
{
    EXPECT_EQ(ZaehleNachkommastellen("1.234,567"), 3);
    EXPECT_EQ(ZaehleNachkommastellen("1.234"), 0);
    EXPECT_EQ(ZaehleNachkommastellen("5,"), 0);
}

} // namespace
