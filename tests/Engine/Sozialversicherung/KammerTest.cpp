#include "Engine/Sozialversicherung/Kammer.h"

#include "Engine/Lohnsteuer/LStLib.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <memory>
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
    k.SetJahr(2001);
    EXPECT_DOUBLE_EQ(k.Satz(), 0.15);
    EXPECT_DOUBLE_EQ(k.Freigrenze(), 500.0);
    EXPECT_DOUBLE_EQ(k.Faktor(), 1.95583);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.45);
    k.SetJahr(2002);
    EXPECT_DOUBLE_EQ(k.Freigrenze(), 250.0);
    EXPECT_DOUBLE_EQ(k.Faktor(), 1.0);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.45);
}

TEST(KammerBremen, From2023PayAboveTheMarginalLimitPays)
{
    TKammerBremen k;
    k.SetJahr(2024);
    k.SetBetrag(538.00);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.0);
    k.SetBetrag(538.01);
    EXPECT_DOUBLE_EQ(k.Beitrag(), 0.75); // 75.32 cents, cut
}

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
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(1989), 0.0);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(1990), 0.15);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(1990), 500.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2001), 500.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2002), 250.0);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2022), 0.15);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2022), 250.0);
    // From 2023: 0.14 percent of pay above the marginal-employment limit.
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2023), 0.14);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2023), 520.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2024), 538.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2025), 556.01);
    EXPECT_DOUBLE_EQ(KammerBeitragssatzSL(2025), 0.15);
    OptionenVtrl().KammernDaten(2027).FindValue("FreigrenzeBr")->SetAsString("300");
    EXPECT_DOUBLE_EQ(KammerBeitragssatzBr(2026), 0.14);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2026), 603.01);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2027), 300.0);
    EXPECT_DOUBLE_EQ(KammerFreigrenzeBr(2035), 300.0) << "later years use 2027";
    EXPECT_DOUBLE_EQ(KammerBeitragssatzSL(2026), 0.15);
}

// ---- Saarland ---------------------------------------------------------------------------------

std::unique_ptr<TLStTabBase> Monatstarif(int jahr, int steuerklasse = 1)
{
    auto tab = CreateLStTab(static_cast<std::uint16_t>(jahr), 1);
    tab->SetInt(liSteuerklasse, steuerklasse);
    tab->SetInt(liZeitraum, 2);
    return tab;
}

std::unique_ptr<TKammerSaarland> Saarland(const TLStTabBase& tarif, double betrag, int tage = 30)
{
    auto k = std::make_unique<TKammerSaarland>();
    k->SetBetrag(betrag);
    k->SetGrenze(9900.0); // miners' pension ceiling 2025 a month: the cap is 7425
    k->SetLStTab(tarif);
    k->SetTage(tage);
    k->SetSatz(0.15);
    return k;
}

TEST(KammerSaarland, WithoutTariffObjectRaises)
{
    TKammerSaarland k;
    k.SetBetrag(3000);
    try {
        k.Beitrag();
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "LStTabelle nicht zugewiesen!");
    }
}

TEST(KammerSaarland, CeilingIsThreeQuartersRounded)
{
    TKammerSaarland k;
    k.SetGrenze(8283.33);
    EXPECT_DOUBLE_EQ(k.GrenzeBasis(), 8283.33);
    EXPECT_DOUBLE_EQ(k.Grenze(), 6212.5); // 6212.4975
}

struct SaarlandFall {
    const char* name;
    double betrag;
    int tage;
    double wantBasis;
    double wantBeitrag;
};

// 2025, tax class I, a month: the wage-tax table runs in steps of 3 euro from 3000.00 to 3002.99
// and so on; the chamber assesses 1.49 euro above a step's start. The cap is 7425 a month
// (three quarters of the miners' pension ceiling of 9900), pro rata of the days.
const SaarlandFall kSaarlandFaelle[] = {
    {"step_start", 3000.00, 30, 3001.49, 4.50},  {"step_end", 3002.99, 30, 3001.49, 4.50},
    {"next_step", 3003.00, 30, 3004.49, 4.50},   {"at_cap", 7425.00, 30, 7426.49, 11.13},
    {"above_cap", 20000.00, 30, 7426.49, 11.13}, {"half_month_cap", 20000.00, 15, 3712.49, 5.56},
};

class KammerSaarlandTest : public testing::TestWithParam<SaarlandFall> {};
TEST_P(KammerSaarlandTest, MiddleOfTheWageTaxStep)
{
    const SaarlandFall& f = GetParam();
    const auto tarif = Monatstarif(2025);
    const auto k = Saarland(*tarif, f.betrag, f.tage);
    EXPECT_DOUBLE_EQ(k->Bemessungsgrundlage(), f.wantBasis);
    EXPECT_DOUBLE_EQ(k->Beitrag(), f.wantBeitrag);
}
INSTANTIATE_TEST_SUITE_P(Engine, KammerSaarlandTest, testing::ValuesIn(kSaarlandFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(KammerSaarland, CopyKeepsTaxClassAndPeriodOfTheSource)
{
    // The copy's tax class and period come from the source, not from the tariff's defaults:
    // without a tax class the wage-tax object refuses to compute.
    const auto ohneKlasse = Monatstarif(2025, 0);
    EXPECT_THROW(Saarland(*ohneKlasse, 3000.0)->Bemessungsgrundlage(), Exception);
    const auto tarif = Monatstarif(2025, 3);
    const auto k = Saarland(*tarif, 3000.0);
    const double basis = k->Bemessungsgrundlage();
    k->SetLStTab(*tarif); // replaced: the old copy is freed
    EXPECT_DOUBLE_EQ(k->Bemessungsgrundlage(), basis);
}

TEST(KammerSaarland, MarkEraStepOfFourFifty)
{
    // 1999: the step 2997.16 to 3001.65 marks is assessed at 2999.40 marks, 4.49 marks.
    const auto tarif = Monatstarif(1999);
    const auto mark = Saarland(*tarif, 3000.0);
    mark->SetKurs(1.95583);
    mark->SetFaktor(1.95583);
    EXPECT_DOUBLE_EQ(mark->Bemessungsgrundlage(), 2999.40);
    EXPECT_DOUBLE_EQ(mark->Beitrag(), 4.49);
    // Euro shown: 1533.88 euro are 3000.01 marks; 4.49 marks are 2.30 euro.
    const auto euro = Saarland(*tarif, 1533.88);
    euro->SetFaktor(1.95583);
    EXPECT_DOUBLE_EQ(euro->Bemessungsgrundlage(), 2999.40);
    EXPECT_DOUBLE_EQ(euro->Beitrag(), 2.30);
}

} // namespace
