#include "MVCTestSupport.h"

#include "Lib/Exception.h"
#include "Lib/XoParser.h"
#include "MVCFrame/StringListValue.h"
#include "MVCFrame/WaehrungsName.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>

#include <memory>

namespace {

struct TextFall {
    const char* name;
    const char* value;
    const char* text;
    const char* want; // the text after the set; the old text when refused
};

const TextFall kTextFaelle[] = {
    {"string", "Text", "abc", "abc"},
    {"string_empty", "Text", "", ""},
    {"double_cut", "Betrag", "1,239", "1,23"},
    {"double_tolerance", "Betrag", "1,2299999", "1,23"},
    {"double_thousands", "Betrag", "1.234.567,891", "1.234.567,89"},
    {"double_negative", "Betrag", "-0,5", "-0,50"},
    {"double_empty_is_zero", "Betrag", "", "0,00"},
    {"double_garbage_refused", "Betrag", "zwölf", "12,50"},
    {"double_two_commas_refused", "Betrag", "1,2,3", "12,50"},
    {"integer", "Zahl", "42", "42"},
    {"integer_whole_part", "Zahl", "1.234,56", "1234"},
    {"integer_negative", "Zahl", "-3", "-3"},
    {"integer_garbage_refused", "Zahl", "3x", "7"},
    {"integer_overflow_refused", "Zahl", "99999999999", "7"},
    {"boolean_nein", "Schalter", "Nein", "Nein"},
    {"boolean_zero", "Schalter", "0", "Nein"},
    {"boolean_blank_first_refused", "Schalter", " Ja", "Ja"},
    {"boolean_other_text_refused", "Schalter", "nix", "Ja"},
    {"date", "Datum", "20260315", "20260315"},
    {"date_leap_day", "Datum", "20240229", "20240229"},
    {"date_cleared", "Datum", "", "00000000"},
    {"date_short_refused", "Datum", "2026031", "20260101"},
    {"date_no_such_day_refused", "Datum", "20250229", "20260101"},
    {"date_letters_refused", "Datum", "2026O315", "20260101"},
    {"lookup_caption", "Rhythmus", "Monat", "Monat"},
    {"lookup_unknown_refused", "Rhythmus", "Jahr", "Tag"},
    {"minmax_in_range", "Jahr", "1995", "1995"},
    {"minmax_above_refused", "Jahr", "2030", "2026"},
    {"minmax_below_refused", "Jahr", "1989", "2026"},
};

class TextRoundTrip : public MVCTest, public testing::WithParamInterface<TextFall> {};

TEST_P(TextRoundTrip, SetsOrRefusesAndAlwaysNotifies)
{
    const TextFall& f = GetParam();
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    TValue& value = *daten->FindValue(f.value);
    log.clear();
    value.SetAsString(f.text);
    EXPECT_EQ(value.GetAsString(), f.want) << "text=" << f.text;
    // Accepted or refused, views hear of it once, so they show the stored text again.
    EXPECT_EQ(std::count(log.begin(), log.end(), "2097 D"), 1) << "text=" << f.text;
    // And the text form reads back as the same content.
    const std::string stored = value.GetAsString();
    value.SetAsString(stored);
    EXPECT_EQ(value.GetAsString(), stored);
}

INSTANTIATE_TEST_SUITE_P(MVCFrame, TextRoundTrip, testing::ValuesIn(kTextFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

class ValueTest : public MVCTest {};

TEST_F(ValueTest, DoubleChangeBelowToleranceNotifiesNothing)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->betrag->SetValue(1.23);
    log.clear();
    daten->betrag->SetValue(1.230001);
    EXPECT_TRUE(log.empty());
    EXPECT_DOUBLE_EQ(daten->betrag->GetValue(), 1.23);
}

// Every one-unit step of the last place is a change, up and down, at any magnitude: an exchange
// rate of 1,95584 after 1,95583 is taken.
template <class TWert> void EinheitenSchritte(TWert& kurs)
{
    int aenderungen = 0;
    kurs.OnChange = [&](TValue&) { ++aenderungen; };
    constexpr int kVon = 100000;
    constexpr int kBis = 300000;
    int verloren = 0;
    for (int i = kVon + 1; i <= kBis; ++i) {
        kurs.SetValue(i / 100000.0);
        if (std::fabs(kurs.GetStoredValue() - i / 100000.0) > 1e-9 && ++verloren <= 3)
            ADD_FAILURE() << "step to " << i << " lost";
    }
    for (int i = kBis - 1; i >= kVon; --i) {
        kurs.SetValue(i / 100000.0);
        if (std::fabs(kurs.GetStoredValue() - i / 100000.0) > 1e-9 && ++verloren <= 3)
            ADD_FAILURE() << "step to " << i << " lost";
    }
    EXPECT_EQ(verloren, 0);
    EXPECT_EQ(aenderungen, 2 * (kBis - kVon));
    // The same number again is no change.
    kurs.SetValue(1.0);
    EXPECT_EQ(aenderungen, 2 * (kBis - kVon));
}

TEST_F(ValueTest, FiveDecimalsTakeEveryStepOfTheLastPlace)
{
    TDouble kurs(nullptr, "Kurs", 0, 1.0, 5);
    EinheitenSchritte(kurs);
    TDoubleMinMax begrenzt(nullptr, "Kurs", 0, 0, 10, 1.0, 5);
    EinheitenSchritte(begrenzt);
}

TEST_F(ValueTest, NumbersDifferingBehindTheLastPlaceAreNoChange)
{
    TDoubleMinMax satz(nullptr, "Satz", 0, 0, 100, 1.0, 2);
    int aenderungen = 0;
    satz.OnChange = [&](TValue&) { ++aenderungen; };
    satz.SetValue(1.009); // cut to 1,00
    EXPECT_EQ(aenderungen, 0);
    satz.SetValue(0.999); // cut to 0,99: one unit less
    EXPECT_EQ(aenderungen, 1);
    EXPECT_DOUBLE_EQ(satz.GetValue(), 0.99);
}

TEST_F(ValueTest, UndeterminedShowsQuestionMarksAndEqualSetNotifies)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->betrag->SetValue(5);
    daten->betrag->ChangeFlag(TValue::vfUndetermined, true);
    EXPECT_EQ(daten->betrag->GetAsString(), "???");
    log.clear();
    daten->betrag->SetValue(5);
    EXPECT_EQ(daten->betrag->GetAsString(), "5,00");
    EXPECT_FALSE(log.empty());
}

TEST_F(ValueTest, DisabledReadsEmptyButSavesAndComparesStoredContent)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->zahl->SetValue(42);
    daten->text->SetValue("abc");
    daten->zahl->Disable();
    daten->text->Disable();
    EXPECT_EQ(daten->zahl->GetValue(), 0);
    EXPECT_EQ(daten->zahl->GetAsString(), "0");
    EXPECT_EQ(daten->zahl->GetDisplayText(), " ");
    EXPECT_EQ(daten->text->GetValue(), "");
    EXPECT_EQ(daten->zahl->GetStoredString(), "42");

    auto kopie = MakeComponent<TAlleWerteDaten>(nullptr, "K");
    kopie->Assign(*daten);
    EXPECT_TRUE(kopie->Equals(*daten));
    kopie->zahl->Enable();
    EXPECT_EQ(kopie->zahl->GetValue(), 42);
}

TEST_F(ValueTest, ShownWhenDisabledKeepsItsText)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->zahl->SetFlag(TValue::vfShowDisabled, true);
    daten->zahl->Disable();
    EXPECT_EQ(daten->zahl->GetDisplayText(), "7");
}

TEST_F(ValueTest, CreationFlags)
{
    class TFlagDaten : public TDaten {
    public:
        using TDaten::TDaten;

    protected:
        void CreateValues() override
        {
            new TString(this, "RO", cfReadOnly);
            new TString(this, "Computed", cfComputed);
            new TString(this, "Shown", cfShowDisabled | cfDisabled);
        }
    };
    auto daten = MakeComponent<TFlagDaten>(nullptr, "F");
    EXPECT_EQ(daten->FindValue("RO")->Flags(), TValue::vfReadOnly | TValue::vfEnabled);
    EXPECT_EQ(daten->FindValue("Computed")->Flags(), TValue::vfComputed | TValue::vfEnabled);
    EXPECT_EQ(daten->FindValue("Shown")->Flags(), TValue::vfShowDisabled);
}

TEST_F(ValueTest, CommandsSetAndClearUnlessReadOnly)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    TStrings result;
    daten->text->ExecuteCommand("set", "neu", result);
    EXPECT_EQ(daten->text->GetValue(), "neu");
    daten->text->ExecuteCommand("CLEAR", "", result);
    EXPECT_EQ(daten->text->GetValue(), "");
    daten->rhythmus->ExecuteCommand("getlist", "", result);
    EXPECT_TRUE(result.empty());
    daten->rhythmus->ExecuteCommand("GETLIST", "", result);
    EXPECT_EQ(result, (TStrings{"Tag", "Woche", "Monat", "Nie"}));
    EXPECT_FALSE(daten->rhythmus->HasFlag(TValue::vfCommand));

    daten->text->SetFlag(TValue::vfReadOnly, true);
    daten->text->ExecuteCommand("SET", "nicht", result);
    EXPECT_EQ(daten->text->GetValue(), "");
}

TEST_F(ValueTest, ResetToDefaultNotifies)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->datum->SetAsString("19991231");
    log.clear();
    daten->datum->ResetToDefault();
    EXPECT_EQ(daten->datum->GetAsString(), "20260101");
    EXPECT_EQ(log, (std::vector<std::string>{"registry Datum modified", "2097 D"}));
}

TEST_F(ValueTest, DateDisplayText)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->datum->SetDisplayText("15.03.1990");
    EXPECT_EQ(daten->datum->GetAsString(), "19900315");
    EXPECT_EQ(daten->datum->GetDisplayText(), "15.03.1990");
    EXPECT_EQ(daten->datum->GetDatum(0), 15);
    EXPECT_EQ(daten->datum->GetDatum(2), 1990);
    EXPECT_THROW(daten->datum->GetDatum(3), Exception);
    daten->datum->SetDisplayText("1.3.1990");
    EXPECT_EQ(daten->datum->GetAsString(), "19900315");
}

TEST_F(ValueTest, DoubleArithmetic)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->betrag->SetCents(1999);
    EXPECT_DOUBLE_EQ(daten->betrag->GetValue(), 19.99);
    daten->betrag->AddCents(1);
    EXPECT_DOUBLE_EQ(daten->betrag->GetCents(), 2000);
    daten->betrag->SetValue(100);
    daten->betrag->Dreisatz(3, 1);
    EXPECT_DOUBLE_EQ(daten->betrag->GetValue(), 33.33);
}

TEST_F(ValueTest, DoubleMinMax)
{
    TDoubleMinMax satz(nullptr, "PauschSatz", 0, 0, 99.99999, 20, 5);
    satz.SetValue(99.999991); // above the maximum before it is cut: refused
    EXPECT_DOUBLE_EQ(satz.GetValue(), 20);
    satz.SetValue(99.99999);
    EXPECT_NEAR(satz.GetValue(), 99.99999, 1e-9);
    satz.SetValue(100);
    EXPECT_NEAR(satz.GetValue(), 99.99999, 1e-9);
    satz.SetMax(50);
    EXPECT_DOUBLE_EQ(satz.GetValue(), 50);
}

TEST_F(ValueTest, BooleanAsBooleanAndTextOfStrings)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    EXPECT_TRUE(daten->schalter->GetAsBoolean());
    daten->schalter->SetAsBoolean(false);
    EXPECT_EQ(daten->schalter->GetAsString(), "Nein");
    daten->text->SetAsBoolean(true);
    EXPECT_EQ(daten->text->GetValue(), "Ja");
    daten->zahl->SetAsBoolean(true);
    EXPECT_EQ(daten->zahl->GetValue(), 1);
}

TEST_F(ValueTest, WaehrungStrFollowsTheOption)
{
    SetEuroSymbolAbfrage([] { return true; });
    TWaehrungStr mitSymbol(nullptr);
    SetEuroSymbolAbfrage(nullptr);
    TWaehrungStr ohne(nullptr);
    EXPECT_EQ(mitSymbol.GetValue(), "\u20ac");
    EXPECT_EQ(ohne.GetValue(), "Euro");
    EXPECT_TRUE(ohne.IsReadOnly());
    EXPECT_TRUE(ohne.HasFlag(TValue::vfComputed));
}

} // namespace

namespace {

TEST_F(ValueTest, ReadFromParserAndWriteTo)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    TXoParser parser("'It'#39's' 42 1.239 Nein '20260315' 'Woche' 5");
    daten->text->ReadFromParser(parser);
    daten->zahl->ReadFromParser(parser);
    daten->betrag->ReadFromParser(parser);
    daten->schalter->ReadFromParser(parser);
    daten->datum->ReadFromParser(parser);
    daten->rhythmus->ReadFromParser(parser);
    EXPECT_EQ(daten->text->GetValue(), "It's");
    EXPECT_EQ(daten->zahl->GetValue(), 42);
    EXPECT_DOUBLE_EQ(daten->betrag->GetValue(), 1.23);
    EXPECT_FALSE(daten->schalter->GetValue());
    EXPECT_EQ(daten->datum->GetAsString(), "20260315");
    EXPECT_EQ(daten->rhythmus->GetAsString(), "Woche");
    EXPECT_EQ(parser.Token(), toInteger);

    TStrings lines;
    for (int i = 0; i < daten->ValueCount(); ++i)
        daten->GetValue(i).WriteTo(lines);
    EXPECT_EQ(lines, (TStrings{"'It'#39's'", "1,23", "42", "Nein", "'20260315'", "'Woche'"}));
}

TEST_F(ValueTest, StringListWritesItemsThatReadBack)
{
    const TStrings faelle[] = {{"a", "b"}, {"It's", "", "x y"}, {"(", ")", "'"}, {"a\rb", "c"}, {}};
    for (const TStrings& items : faelle) {
        TStringListValue liste(nullptr, "Liste");
        for (const std::string& item : items)
            liste.AddItem(item);
        TStrings lines;
        liste.WriteTo(lines);
        ASSERT_EQ(lines.size(), 1u);
        TStringListValue gelesen(nullptr, "Liste");
        gelesen.AddItem("alt");
        TXoParser parser(lines.front());
        gelesen.ReadFromParser(parser);
        EXPECT_EQ(gelesen.Items(), items) << lines.front();
        EXPECT_EQ(parser.Token(), toEOF) << lines.front();
    }
}

TEST_F(ValueTest, BooleanLeavesOtherTokensInPlace)
{
    TBoolean schalter(nullptr, "Schalter", 0, true);
    TXoParser parser("'Nein' Nein");
    schalter.ReadFromParser(parser);
    EXPECT_TRUE(schalter.GetValue());
    EXPECT_EQ(parser.Token(), toString);
}

} // namespace

namespace {

TEST_F(ValueTest, IntegerTokenBeyond32BitsIsRefused)
{
    TInteger zahl(nullptr, "Zahl", 0, 7);
    TXoParser parser("99999999999 8");
    zahl.ReadFromParser(parser);
    EXPECT_EQ(zahl.GetValue(), 7);
    zahl.ReadFromParser(parser);
    EXPECT_EQ(zahl.GetValue(), 8);
}

} // namespace

namespace {

TEST_F(ValueTest, DoubleRefusesWhatIsNoNumber)
{
    TDouble betrag(nullptr, "Betrag", 0, 1.5);
    for (const double x : {std::nan(""), HUGE_VAL, 1e307}) {
        betrag.SetValue(x);
        EXPECT_DOUBLE_EQ(betrag.GetValue(), 1.5) << x;
    }
}

} // namespace

namespace {

// Whole cents set directly must leave a value exactly as setting the amount and cutting it
// does: the same bits, the same flags, the same notifications.
void GanzeCentsWieBetrag(TDouble& betrag, TDouble& cents, double start, double cent,
                         bool unbestimmt)
{
    betrag.SetValue(start);
    cents.SetValue(start);
    betrag.SetFlag(TValue::vfUndetermined, unbestimmt);
    cents.SetFlag(TValue::vfUndetermined, unbestimmt);
    int nBetrag = 0;
    int nCents = 0;
    betrag.OnChange = [&nBetrag](TValue&) { ++nBetrag; };
    cents.OnChange = [&nCents](TValue&) { ++nCents; };
    betrag.SetValue(cent * 0.01);
    cents.SetGanzeCents(cent);
    betrag.OnChange = nullptr;
    cents.OnChange = nullptr;
    const double a = betrag.GetStoredValue();
    const double b = cents.GetStoredValue();
    ASSERT_TRUE(a == b || (std::isnan(a) && std::isnan(b))) << cent << " from " << start;
    ASSERT_EQ(std::signbit(a), std::signbit(b)) << cent << " from " << start;
    ASSERT_EQ(betrag.Flags(), cents.Flags()) << cent;
    ASSERT_EQ(nBetrag, nCents) << cent;
    ASSERT_EQ(betrag.GetCents(), cents.GetCents()) << cent;
}

TEST(DoubleGanzeCents, SameAsSettingTheCutAmount)
{
    std::mt19937_64 zufall(31);
    const double rand[] = {0.0,
                           -0.0,
                           1.0,
                           -1.0,
                           99999999999.0,
                           -99999999999.0,
                           1e11,
                           -1e11,
                           1e11 + 1,
                           4503599627370497.0,
                           0.5,
                           -0.25,
                           123.45,
                           1e300,
                           std::numeric_limits<double>::infinity(),
                           std::nan("")};
    TDouble betrag(nullptr, "Betrag");
    TDouble cents(nullptr, "Cents");
    TDouble betrag5(nullptr, "Betrag5", 0, 0, 5);
    TDouble cents5(nullptr, "Cents5", 0, 0, 5);
    TDoubleMinMax betragMinMax(nullptr, "BetragMinMax", 0, -1000, 1000, 0);
    TDoubleMinMax centsMinMax(nullptr, "CentsMinMax", 0, -1000, 1000, 0);
    for (int i = 0; i < 200000; ++i) {
        double cent = 0;
        if (i % 10 == 0) {
            cent = rand[zufall() % std::size(rand)];
        } else {
            // Whole cents of every size up to 10^12.
            const int stellen = static_cast<int>(zufall() % 13);
            cent =
                static_cast<double>(zufall() % static_cast<std::uint64_t>(std::pow(10, stellen)));
            if (zufall() % 2 == 0)
                cent = -cent;
        }
        // From the same cent (kept, unless undetermined), a neighbour, or anything.
        const double start = i % 3 == 0   ? cent * 0.01
                             : i % 3 == 1 ? (cent + 1) * 0.01
                                          : static_cast<double>(zufall() % 100000) * 0.013;
        const bool unbestimmt = i % 5 == 0;
        GanzeCentsWieBetrag(betrag, cents, start, cent, unbestimmt);
        if (i % 4 == 0) {
            GanzeCentsWieBetrag(betrag5, cents5, start, cent, unbestimmt);
            GanzeCentsWieBetrag(betragMinMax, centsMinMax, 0, cent, unbestimmt);
        }
        if (HasFatalFailure())
            return;
    }
}

} // namespace
