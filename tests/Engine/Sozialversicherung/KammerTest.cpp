#include "Engine/Sozialversicherung/Kammer.h"

#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// ---- Bremen -----------------------------------------------------------------------------------

struct BremenFall {
    const char* name;
    double betrag;
    int tage;
    double kurs;
    double faktor;
    double freigrenze;
    double wantBasis;
    double wantBeitrag;
};

const BremenFall kBremenFaelle[] = {
    {"below_limit", 240, 30, 1.0, 1.0, 250, 0, 0},
    // 250 * 0.15 % = 37.5 cents, cut to 37.
    {"at_limit_assessed", 250, 30, 1.0, 1.0, 250, 250, 0.37},
    // 130 for 15 days is 260 a month.
    {"part_month_scaled", 130, 15, 1.0, 1.0, 250, 130, 0.19},
    {"part_month_below", 120, 15, 1.0, 1.0, 250, 0, 0},
    // 2001, euro shown: 300 euro are 586.75 marks against the limit of 500 marks; the 0.88
    // marks go back to 0.45 euro.
    {"euro_shown_in_2001", 300, 30, 1.0, 1.95583, 500, 586.75, 0.45},
    {"euro_shown_in_2001_below", 255, 30, 1.0, 1.95583, 500, 0, 0},
    // Marks shown in 2001: the amounts pass unchanged.
    {"marks_shown_in_2001", 500, 30, 1.95583, 1.95583, 500, 500, 0.75},
};

class KammerBremenTest : public testing::TestWithParam<BremenFall> {};
TEST_P(KammerBremenTest, BaseAndContribution)
{
    const BremenFall& f = GetParam();
    TKammerBremen k;
    k.SetBetrag(f.betrag);
    k.SetTage(f.tage);
    k.SetSatz(0.15);
    k.SetFreigrenze(f.freigrenze);
    k.SetKurs(f.kurs);
    k.SetFaktor(f.faktor);
    EXPECT_DOUBLE_EQ(k.Bemessungsgrundlage(), f.wantBasis);
    EXPECT_DOUBLE_EQ(k.Beitrag(), f.wantBeitrag);
}
INSTANTIATE_TEST_SUITE_P(Engine, KammerBremenTest, testing::ValuesIn(kBremenFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(KammerBremen, YearSetsRateLimitAndCurrencyFactor)
{
    // The marginal-employment statement shows euro and leaves the factor alone: in 1999 to
    // 2001 its pay must still be compared with the limit in marks.
    TKammerBremen k;
    k.SetBetrag(300);
    k.SetJahr(2001, 1);
    EXPECT_DOUBLE_EQ(k.Satz(), 0.15);
    EXPECT_DOUBLE_EQ(k.Freigrenze(), 500.0);
    EXPECT_DOUBLE_EQ(k.Faktor(), 1.95583);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.45);
    k.SetJahr(2002, 1);
    EXPECT_DOUBLE_EQ(k.Freigrenze(), 250.0);
    EXPECT_DOUBLE_EQ(k.Faktor(), 1.0);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.45);
}

// Bremen: "more than 450 euro" pays from 2020 (the chamber's contribution order as reported in
// 2021), "more than 520 euro" from October 2022 (the chamber's page), and so on with the limit
// of marginal employment; 0.14 percent from 2023, 0.12 percent from 2025 (the Bremen finance
// authority's page on the chamber's contributions). Fractions of a cent are dropped.
struct BremenJahrFall {
    const char* name;
    int jahr;
    int monat;
    double betrag;
    double want;
};
const BremenJahrFall kBremenJahre[] = {
    {"y2019_250_assessed", 2019, 1, 250.00, 0.37}, {"y2020_450_exempt", 2020, 1, 450.00, 0.0},
    {"y2020_450_01", 2020, 1, 450.01, 0.67},       {"sep2022_450_exempt", 2022, 9, 450.00, 0.0},
    {"sep2022_520", 2022, 9, 520.00, 0.78},        {"sep2022_520_01", 2022, 9, 520.01, 0.78},
    {"oct2022_520_exempt", 2022, 10, 520.00, 0.0}, {"oct2022_520_01", 2022, 10, 520.01, 0.78},
    {"dec2022_520_exempt", 2022, 12, 520.00, 0.0}, {"y2023_520_exempt", 2023, 1, 520.00, 0.0},
    {"y2023_520_01", 2023, 1, 520.01, 0.72},       {"y2024_538_exempt", 2024, 1, 538.00, 0.0},
    {"y2024_538_01", 2024, 1, 538.01, 0.75},       {"y2024_3000", 2024, 6, 3000.00, 4.20},
    {"y2025_556_exempt", 2025, 1, 556.00, 0.0},    {"y2025_556_01", 2025, 12, 556.01, 0.66},
    {"y2025_3000", 2025, 1, 3000.00, 3.60},        {"y2026_603_exempt", 2026, 1, 603.00, 0.0},
    {"y2026_603_01", 2026, 10, 603.01, 0.72},
};
class KammerBremenJahrTest : public testing::TestWithParam<BremenJahrFall> {};
TEST_P(KammerBremenJahrTest, RateAndLimitOfTheMonth)
{
    const TOptionenUmgebung umgebung;
    const BremenJahrFall& f = GetParam();
    TKammerBremen k;
    k.SetJahr(f.jahr, f.monat);
    k.SetBetrag(f.betrag);
    EXPECT_DOUBLE_EQ(k.Beitrag(), f.want) << f.jahr << "/" << f.monat << " pay=" << f.betrag;
}
INSTANTIATE_TEST_SUITE_P(Engine, KammerBremenJahrTest, testing::ValuesIn(kBremenJahre),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(KammerBremen, DaysBelowOneCountAsOne)
{
    TKammerBremen k;
    k.SetTage(0);
    EXPECT_EQ(k.Tage(), 1);
    k.SetTage(-5);
    EXPECT_EQ(k.Tage(), 1);
}

TEST(KammerBremen, DefaultsOfACreatedObject)
{
    const TKammerBremen k;
    EXPECT_DOUBLE_EQ(k.Kurs(), 1.0);
    EXPECT_DOUBLE_EQ(k.Faktor(), 1.0);
    EXPECT_EQ(k.Tage(), 30);
    EXPECT_DOUBLE_EQ(k.Freigrenze(), 250.0);
}

TEST(KammerWerte, BuiltInAndFromTheOptions)
{
    const TOptionenUmgebung umgebung;
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(1989), 0.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(1989, 1), 0.0);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(1990), 0.15);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(1990, 1), 500.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2001, 1), 500.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2002, 1), 250.0);
    EXPECT_TRUE(KammerAbfindungBr(2021));
    EXPECT_FALSE(KammerAbfindungBr(2022));
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2019, 1), 250.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2020, 1), 450.01);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2022), 0.15);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2022, 9), 450.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2022, 10), 520.01);
    // From 2023: 0.14 percent of pay above the marginal-employment limit; 0.12 from 2025.
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2023), 0.14);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2024), 0.14);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2025), 0.12);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2023, 1), 520.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2024, 1), 538.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2025, 1), 556.01);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzSL(2025), 0.15);
    OptionenVtrl().KammernDaten(2027).FindValue("FreigrenzeBr")->SetAsString("300");
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2026), 0.12) << "the 2025 rate goes on by default";
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2026, 1), 603.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2027, 1), 300.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2035, 1), 300.0) << "later years use 2027";
    EXPECT_DOUBLE_EQ(KammerBeitragssatzSL(2026), 0.15);
}

// ---- Saarland ---------------------------------------------------------------------------------

// The Saarland chamber: 0.15 percent of the pay liable to social insurance, fractions of a cent
// dropped, at most of three quarters of the general west pension ceiling up to 2015 and of the
// whole ceiling from 2016; marginal employment is exempt (the ordinance on the chamber's
// contributions, section 2; the yearly maxima as published: 2016 9.30, 2019 10.05, 2020 10.35,
// 2021 10.65, 2023 10.95, 2024 11.32 euro a month).
struct SaarlandFall {
    const char* name;
    int jahr;
    double betrag;
    int tage;
    double want;
};

const SaarlandFall kSaarlandFaelle[] = {
    {"y2024_9000_published_max", 2024, 9000.00, 30, 11.32},
    {"y2024_500_marginal", 2024, 500.00, 30, 0.0},
    {"y2024_538_marginal", 2024, 538.00, 30, 0.0},
    {"y2024_538_01", 2024, 538.01, 30, 0.80},
    {"y2024_cent_fraction_dropped", 2024, 1234.56, 30, 1.85},
    {"y2023_max", 2023, 9000.00, 30, 10.95},
    {"y2021_max", 2021, 9000.00, 30, 10.65},
    {"y2020_max", 2020, 9000.00, 30, 10.35},
    {"y2019_max", 2019, 9000.00, 30, 10.05},
    {"y2016_max", 2016, 9000.00, 30, 9.30},
    // 2015: three quarters of 6,050 euro are 4,537.50.
    {"y2015_three_quarters", 2015, 9000.00, 30, 6.80},
    {"y2024_half_month_cap", 2024, 9000.00, 15, 5.66},
    // 2024: 300 euro for 15 days are 600 a month, no marginal employment.
    {"y2024_half_month_not_marginal", 2024, 300.00, 15, 0.45},
};

class KammerSaarlandTest : public testing::TestWithParam<SaarlandFall> {};
TEST_P(KammerSaarlandTest, PayUpToTheCap)
{
    const SaarlandFall& f = GetParam();
    TKammerSaarland k;
    k.SetBetrag(f.betrag);
    k.SetJahr(f.jahr, 1);
    k.SetTage(f.tage);
    EXPECT_DOUBLE_EQ(k.Beitrag(), f.want) << f.jahr << " pay=" << f.betrag;
}
INSTANTIATE_TEST_SUITE_P(Engine, KammerSaarlandTest, testing::ValuesIn(kSaarlandFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(KammerSaarland, CapIsTheGeneralWestCeiling)
{
    EXPECT_DOUBLE_EQ(KammerGrenzeSL(2024, 1), 7550.0);
    EXPECT_DOUBLE_EQ(KammerGrenzeSL(2016, 1), 6200.0);
    EXPECT_DOUBLE_EQ(KammerGrenzeSL(2015, 1), 4537.5);
    EXPECT_DOUBLE_EQ(KammerGrenzeSL(1999, 1), 6375.0); // marks
}

TEST(KammerSaarland, TransitionZoneAssessesTheReducedBase)
{
    // 2024, 1000 euro in the zone with its reduced base of 883.93: 1.32 instead of 1.50; whether
    // the pay is marginal is decided on the pay itself.
    TKammerSaarland k;
    k.SetJahr(2024, 1);
    k.SetBetrag(1000.00);
    k.SetGleitzonenbasis(883.93);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 1.32);
    k.SetBetrag(600.00);
    k.SetGleitzonenbasis(500.00);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.75);
}

// The Saarland contribution of a month's pay shown in the currency of rate `kurs`.
double SaarlandBeitrag(int jahr, double betrag, double kurs)
{
    TKammerSaarland k;
    k.SetJahr(jahr, 6);
    k.SetKurs(kurs);
    k.SetBetrag(betrag);
    return k.Beitrag();
}

TEST(KammerSaarland, MarkEra)
{
    // 1999: 3000 marks pay 4.50 marks; euro shown, 1533.88 euro are 3000.01 marks and the
    // 4.50 marks 2.30 euro. 1998: 620 marks are marginal employment.
    EXPECT_DOUBLE_EQ(SaarlandBeitrag(1999, 3000.0, 1.95583), 4.50);
    EXPECT_DOUBLE_EQ(SaarlandBeitrag(1999, 1533.88, 1.0), 2.30);
    EXPECT_DOUBLE_EQ(SaarlandBeitrag(1998, 620.0, 1.95583), 0.0);
    EXPECT_DOUBLE_EQ(SaarlandBeitrag(1998, 620.01, 1.95583), 0.93);
}

} // namespace
