#include "Engine/Einkommensteuer/EStTab.h"

#include "Lib/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr double kDM = 1.95583;

// A tariff whose income estimate is off by a fixed amount.
template <class T> class TVersetzt : public T {
public:
    explicit TVersetzt(std::int64_t versatz) : m_versatz(versatz) {}
    std::int64_t TarifUmkehr(std::int64_t steuer) const override
    {
        return T::TarifUmkehr(steuer) + m_versatz;
    }

private:
    std::int64_t m_versatz;
};

// Every tariff class, also the two the factory never creates.
struct Klasse {
    const char* name;
    std::function<std::unique_ptr<TEStTabBase>(std::int64_t versatz)> erzeugen;
};

template <class T> Klasse K(const char* name)
{
    return {name, [](std::int64_t versatz) -> std::unique_ptr<TEStTabBase> {
                if (versatz == 0)
                    return std::make_unique<T>();
                return std::make_unique<TVersetzt<T>>(versatz);
            }};
}

const Klasse kKlassen[] = {
    K<TEStTab88>("TEStTab88"), K<TEStTab90>("TEStTab90"),
    K<TEStTab96>("TEStTab96"), K<TEStTab98>("TEStTab98"),
    K<TEStTab99>("TEStTab99"), K<TEStTab00>("TEStTab00"),
    K<TEStTab01>("TEStTab01"), K<TEStTab02>("TEStTab02"),
    K<TEStTab04>("TEStTab04"), K<TEStTab05>("TEStTab05"),
    K<TEStTab07>("TEStTab07"), K<TEStTab09>("TEStTab09"),
    K<TEStTab10>("TEStTab10"), K<TEStTab13>("TEStTab13"),
    K<TEStTab14>("TEStTab14"), K<TEStTab15>("TEStTab15"),
    K<TEStTab16>("TEStTab16"), K<TEStTab17>("TEStTab17"),
    K<TEStTab18>("TEStTab18"), K<TEStTab19>("TEStTab19"),
    K<TEStTab20>("TEStTab20"), K<TEStTab21>("TEStTab21"),
    K<TEStTab22>("TEStTab22"), K<TEStTab22geaendert>("TEStTab22geaendert"),
    K<TEStTab23>("TEStTab23"), K<TEStTab24>("TEStTab24"),
    K<TEStTab25>("TEStTab25"), K<TEStTab25geaendert>("TEStTab25geaendert"),
    K<TEStTab26>("TEStTab26"),
};

// --- factory --------------------------------------------------------------------------------

struct JahrFall {
    int jahr;
    const char* name;
};

const JahrFall kJahre[] = {
    {1988, "1988/89"}, {1989, "1988/89"}, {1990, "1990-95"}, {1995, "1990-95"}, {1996, "1996/97"},
    {1997, "1996/97"}, {1998, "1998"},    {1999, "1999"},    {2000, "2000"},    {2001, "2001"},
    {2002, "2002/03"}, {2003, "2002/03"}, {2004, "2004"},    {2005, "2005/06"}, {2006, "2005/06"},
    {2007, "2007/08"}, {2008, "2007/08"}, {2009, "2009"},    {2010, "2010-12"}, {2011, "2010-12"},
    {2012, "2010-12"}, {2013, "2013"},    {2017, "2017"},    {2021, "2021"},    {2022, "2022"},
    {2023, "2023"},    {2024, "2024"},    {2025, "2025"},    {2026, "2026"},
};

class FactoryTest : public testing::TestWithParam<JahrFall> {};
TEST_P(FactoryTest, LabelOfThePeriod)
{
    EXPECT_EQ(CreateEStTab(static_cast<std::uint16_t>(GetParam().jahr))->Name(), GetParam().name);
}
INSTANTIATE_TEST_SUITE_P(ESt, FactoryTest, testing::ValuesIn(kJahre),
                         [](const auto& i) { return std::to_string(i.param.jahr); });

TEST(Factory, PicksTheAmendedAndSharedClasses)
{
    EXPECT_NE(dynamic_cast<TEStTab22geaendert*>(CreateEStTab(2022).get()), nullptr);
    EXPECT_NE(dynamic_cast<TEStTab25geaendert*>(CreateEStTab(2025).get()), nullptr);
    EXPECT_NE(dynamic_cast<TEStTab10*>(CreateEStTab(2011).get()), nullptr);
    EXPECT_EQ(dynamic_cast<TEStTab13*>(CreateEStTab(2011).get()), nullptr);
}

TEST(Factory, YearOutsideTheRangeThrowsWithTheYear)
{
    for (int jahr : {0, 1987, 2027, 65535}) {
        try {
            CreateEStTab(static_cast<std::uint16_t>(jahr));
            ADD_FAILURE() << jahr << " created";
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), "ESt-Tabelle für das Jahr " + std::to_string(jahr) +
                                                 " konnte nicht erstellt werden.");
        }
    }
}

// --- published values -----------------------------------------------------------------------

struct Wert {
    const char* name;
    int jahr;
    bool splitting;
    double kurs;
    double einkommen;
    double steuer;
};

const Wert kWerte[] = {
    {"t26_allowance", 2026, false, 1.0, 12348, 0},
    {"t26_allowance_plus1", 2026, false, 1.0, 12349, 0},
    {"t26_13000", 2026, false, 1.0, 13000, 95},
    {"t26_zone2_end", 2026, false, 1.0, 17799, 1034},
    {"t26_zone3_start", 2026, false, 1.0, 17800, 1035},
    {"t26_20000", 2026, false, 1.0, 20000, 1570},
    {"t26_cut_without_tolerance", 2026, false, 1.0, 26357, 3212},
    {"t26_50000", 2026, false, 1.0, 50000, 10548},
    {"t26_zone3_end", 2026, false, 1.0, 69878, 18213},
    {"t26_zone4_start", 2026, false, 1.0, 69879, 18213},
    {"t26_100000", 2026, false, 1.0, 100000, 30864},
    {"t26_zone4_end", 2026, false, 1.0, 277825, 105550},
    {"t26_zone5_start", 2026, false, 1.0, 277826, 105551},
    {"t26_300000", 2026, false, 1.0, 300000, 115529},
    {"t26_split_100000", 2026, true, 1.0, 100000, 21096},
    {"t26_cents_are_cut", 2026, false, 1.0, 50000.99, 10548},
    {"t26_negative", 2026, false, 1.0, -5000, 0},
    {"t26_in_dm", 2026, false, kDM, 97791.5, 20630.09}, // 50000 euros: 10548 euros in DM
    {"t17_above_the_2016_limit", 2017, false, 1.0, 254448, 98392},
    {"t17_zone4_end", 2017, false, 1.0, 256303, 99171},
    {"t17_zone5_start", 2017, false, 1.0, 256304, 99172},
    {"t88_step_start", 1988, false, kDM, 4805, 0},
    {"t88_first_tax", 1988, false, kDM, 4806, 12},
    {"t88_18000", 1988, false, kDM, 18000, 2911},
    {"t88_18035", 1988, false, kDM, 18035, 2911},
    {"t88_18036", 1988, false, kDM, 18036, 2922},
    {"t88_50000", 1988, false, kDM, 50000, 13280},
    {"t88_80027", 1988, false, kDM, 80027, 26974},
    {"t88_80028", 1988, false, kDM, 80028, 27000},
    {"t88_100000", 1988, false, kDM, 100000, 37043},
    {"t88_130031", 1988, false, kDM, 130031, 53226},
    {"t88_200000", 1988, false, kDM, 200000, 92417},
    {"t01_50000", 2001, false, kDM, 50000, 9657},
    {"t02_allowance", 2002, false, 1.0, 7235, 0},
    {"t02_first_step", 2002, false, 1.0, 7236, 10},
    {"t02_first_step_end", 2002, false, 1.0, 7271, 10},
    {"t02_9251", 2002, false, 1.0, 9251, 436},
    {"t02_20000", 2002, false, 1.0, 20000, 3235},
    {"t02_50000", 2002, false, 1.0, 50000, 14440},
    {"t02_55007", 2002, false, 1.0, 55007, 16798},
    {"t02_60000", 2002, false, 1.0, 60000, 19225},
};

class PublishedTest : public testing::TestWithParam<Wert> {};
TEST_P(PublishedTest, Steuer)
{
    const Wert& w = GetParam();
    auto tab = CreateEStTab(static_cast<std::uint16_t>(w.jahr));
    EXPECT_DOUBLE_EQ(tab->Steuer(w.splitting, w.einkommen, w.kurs), w.steuer)
        << w.jahr << " " << w.einkommen;
}
INSTANTIATE_TEST_SUITE_P(ESt, PublishedTest, testing::ValuesIn(kWerte),
                         [](const auto& i) { return std::string(i.param.name); });

// --- steps, table view, income search, progression proviso ---------------------------------

TEST(Steps, IncomesShareTheirStepIncome)
{
    TEStTab88 t88;
    for (int n = 4752; n <= 4805; ++n) {
        t88.Steuer(false, n, kDM);
        ASSERT_EQ(t88.StufenEinkommen(), 4752) << n;
    }
    TEStTab01 t01;
    t01.Steuer(false, 30000, kDM);
    EXPECT_EQ(t01.StufenEinkommen(), 29997);
    TEStTab02 t02;
    t02.Steuer(false, 20000, 1.0);
    EXPECT_EQ(t02.StufenEinkommen(), 19998);
    t02.Steuer(true, 40000, 1.0);
    EXPECT_EQ(t02.StufenEinkommen(), 19998);
    EXPECT_EQ(t02.TabellenEinkommen(), 2 * 19998);
    EXPECT_EQ(t02.TarifSteuer(), 2 * 3235);
}

TEST(TableView, StartStepAndCurrency)
{
    EXPECT_DOUBLE_EQ(TEStTab88().TabellenAnfang(), 4805);
    EXPECT_DOUBLE_EQ(TEStTab96().TabellenAnfang(), 12095);
    EXPECT_DOUBLE_EQ(TEStTab02().TabellenAnfang(), 7235);
    EXPECT_DOUBLE_EQ(TEStTab04().TabellenAnfang(), 7631);
    EXPECT_DOUBLE_EQ(TEStTab26().TabellenAnfang(), 12347);
    EXPECT_DOUBLE_EQ(TEStTab01().Stufe(), 54);
    EXPECT_DOUBLE_EQ(TEStTab26().Stufe(), 36);
    EXPECT_DOUBLE_EQ(TEStTab01().DMFaktor(), kDM);
    EXPECT_DOUBLE_EQ(TEStTab02().DMFaktor(), 1.0);
}

TEST(IncomeSearch, UpperEndOfTheLastStepWithin)
{
    TEStTab26 t26;
    EXPECT_DOUBLE_EQ(t26.Einkommen(false, 10548, 1.0), 50001.99);
    EXPECT_DOUBLE_EQ(t26.Einkommen(true, 21096, 1.0), 100003.99);
    EXPECT_DOUBLE_EQ(t26.Einkommen(true, 21097, 1.0), 100003.99);
    EXPECT_DOUBLE_EQ(t26.Einkommen(false, 0, 1.0), 12355.99);
    EXPECT_DOUBLE_EQ(t26.Einkommen(false, -100, 1.0), 12355.99);
    TEStTab88 t88;
    EXPECT_DOUBLE_EQ(t88.Einkommen(false, 2911, kDM), 18035.99);
    EXPECT_DOUBLE_EQ(t88.Einkommen(true, 2 * 2911, kDM), 36071.99);
}

TEST(ProgressionProviso, RateOfTheWholeIncomeOnTheTaxableIncome)
{
    TEStTab26 t26;
    double satz = 0;
    // 60000 bears 14233: 23.7216... percent of 50000.
    EXPECT_DOUBLE_EQ(t26.ProgressSteuer(false, satz, 50000, 10000, 1.0), 11860);
    EXPECT_NEAR(satz, 23.721666667, 1e-8);
    // Splitting: 120000 bears 28466, the rate is the same.
    EXPECT_DOUBLE_EQ(t26.ProgressSteuer(true, satz, 100000, 20000, 1.0), 23721);
    EXPECT_NEAR(satz, 23.721666667, 1e-8);
    // Without progression income the proviso gives the tariff tax itself.
    EXPECT_DOUBLE_EQ(t26.ProgressSteuer(false, satz, 50000, 0, 1.0), 10548);
}

TEST(ProgressionProviso, NoTableIncomeNoRate)
{
    for (const Klasse& k : kKlassen) {
        auto tab = k.erzeugen(0);
        double satz = 99;
        EXPECT_DOUBLE_EQ(tab->ProgressSteuer(false, satz, 0, 0, tab->DMFaktor()), 0) << k.name;
        EXPECT_DOUBLE_EQ(satz, 0) << k.name;
    }
}

TEST(ProgressionProviso, NegativeTaxableIncomeBearsNoTax)
{
    TEStTab26 t26;
    double satz = 0;
    EXPECT_DOUBLE_EQ(t26.ProgressSteuer(false, satz, -20000, 100000, 1.0), 0);
    EXPECT_GT(satz, 0);
}

// --- the ministry's test data 2014-2019 -----------------------------------------------------

// "12345,67" -> cents; the files always carry two decimals.
std::int64_t Cent(const std::string& text)
{
    std::int64_t cent = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            cent = cent * 10 + (c - '0');
    }
    return cent;
}

struct Ordner {
    const char* ordner;
    int jahr;
};

const Ordner kOrdner[] = {{"2014", 2014}, {"2015", 2015}, {"201512", 2015}, {"2016", 2016},
                          {"2017", 2017}, {"2018", 2018}, {"2019", 2019}};

class MinistryTest : public testing::TestWithParam<Ordner> {};
TEST_P(MinistryTest, EveryLineMatches)
{
    const std::string pfad =
        std::string(VT_TESTDATA_DIR) + "/bmf/" + GetParam().ordner + "/test-est.csv";
    std::ifstream in(pfad);
    ASSERT_TRUE(in) << pfad;
    auto tab = CreateEStTab(static_cast<std::uint16_t>(GetParam().jahr));
    std::string zeile;
    std::getline(in, zeile);
    ASSERT_EQ(zeile.rfind("Einkommen;Verheiratet;ESt", 0), 0U);
    int faelle = 0;
    while (std::getline(in, zeile)) {
        const auto a = zeile.find(';');
        const auto b = zeile.find(';', a + 1);
        ASSERT_NE(b, std::string::npos) << zeile;
        const double einkommen = static_cast<double>(Cent(zeile.substr(0, a))) / 100;
        const bool splitting = zeile.substr(a + 1, b - a - 1) == "1";
        const double soll = static_cast<double>(Cent(zeile.substr(b + 1))) / 100;
        EXPECT_DOUBLE_EQ(tab->Steuer(splitting, einkommen, 1.0), soll) << zeile;
        ++faelle;
    }
    EXPECT_GT(faelle, 100);
}
INSTANTIATE_TEST_SUITE_P(ESt, MinistryTest, testing::ValuesIn(kOrdner),
                         [](const auto& i) { return std::string(i.param.ordner); });

// --- properties of every tariff class -------------------------------------------------------

class TariffProperties : public testing::TestWithParam<Klasse> {};

TEST_P(TariffProperties, TaxNeverFallsAsIncomeRises)
{
    auto tab = GetParam().erzeugen(0);
    const double f = tab->DMFaktor();
    double vorher = 0;
    for (int n = 0; n <= 350000; ++n) {
        const double steuer = tab->Steuer(false, n, f);
        ASSERT_GE(steuer, vorher) << "income " << n;
        vorher = steuer;
    }
    EXPECT_GE(tab->Steuer(false, 1e9, f), vorher);
}

TEST_P(TariffProperties, SplittingIsTwiceTheBasicTaxOfTheHalf)
{
    auto tab = GetParam().erzeugen(0);
    const double f = tab->DMFaktor();
    for (int x = 0; x <= 400000; x += 13) {
        const double grund = tab->Steuer(false, x, f);
        ASSERT_DOUBLE_EQ(tab->Steuer(true, 2.0 * x, f), 2 * grund) << "half income " << x;
        ASSERT_DOUBLE_EQ(tab->Steuer(true, 2.0 * x + 1, f), 2 * grund) << "half income " << x;
    }
}

TEST_P(TariffProperties, IncomeFoundForATaxIsTheLastWithin)
{
    auto tab = GetParam().erzeugen(0);
    const double f = tab->DMFaktor();
    for (bool splitting : {false, true}) {
        for (int t = 0; t <= 250000; t += 97) {
            const double e = tab->Einkommen(splitting, t, f);
            ASSERT_NEAR(e - std::floor(e), 0.99, 1e-9) << t;
            ASSERT_LE(tab->Steuer(splitting, e, f), t) << "tax " << t << " split " << splitting;
            ASSERT_GT(tab->Steuer(splitting, e + 0.01, f), t)
                << "tax " << t << " split " << splitting;
        }
    }
}

TEST_P(TariffProperties, EstimateOnlySpeedsTheSearch)
{
    auto tab = GetParam().erzeugen(0);
    const double f = tab->DMFaktor();
    for (std::int64_t versatz :
         {-1'000'000'000'000LL, -40000LL, -1LL, 1LL, 53LL, 40000LL, 1'000'000'000'000LL}) {
        auto versetzt = GetParam().erzeugen(versatz);
        for (bool splitting : {false, true}) {
            for (double t : {0.0, 1.0, 10548.0, 30000.0, 1e7}) {
                EXPECT_DOUBLE_EQ(versetzt->Einkommen(splitting, t, f),
                                 tab->Einkommen(splitting, t, f))
                    << "tax " << t << " offset " << versatz << " split " << splitting;
            }
        }
    }
}

TEST_P(TariffProperties, HugeAmountsStayFinite)
{
    auto tab = GetParam().erzeugen(0);
    const double f = tab->DMFaktor();
    for (double betrag : {1e15, 1e18, 1e300, std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), std::nan("")}) {
        const double steuer = tab->Steuer(true, betrag, f);
        EXPECT_TRUE(std::isfinite(steuer)) << betrag;
        EXPECT_GE(steuer, 0) << betrag;
        EXPECT_TRUE(std::isfinite(tab->Einkommen(false, betrag, f))) << betrag;
    }
    EXPECT_GE(tab->Steuer(false, 1e18, f), tab->Steuer(false, 1e15, f));
}

INSTANTIATE_TEST_SUITE_P(ESt, TariffProperties, testing::ValuesIn(kKlassen),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
