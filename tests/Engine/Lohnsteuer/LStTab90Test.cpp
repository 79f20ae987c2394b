// The table procedure of 1990 to 2003: tariff formulas, table steps, supplementary table,
// solidarity surcharge, child allowances and the change from DM to euros.
#include "Engine/Einkommensteuer/EStTab.h"
#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/LStTab26.h"
#include "Engine/Lohnsteuer/LStTabDezember.h"
#include "Engine/Lohnsteuer/LStTabTestSupport.h"

#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Opens the protected steps of a tariff class to the tests.
template <class T> class TOffen : public T {
public:
    TOffen() { this->Init(); }
    using T::SolidaritaetszuschlagMit;
    using T::Tarif;
    double Ergebnis(int index) const { return this->m_erg[index]; }
};

// Tariff formulas at their zone bounds --------------------------------------------------------

long double TarifVon(int jahr, long double x)
{
    switch (jahr) {
    case 1990:
        return TOffen<TLStTab90>().Tarif(x);
    case 1996:
        return TOffen<TLStTab96>().Tarif(x);
    case 1999:
        return TOffen<TLStTab99>().Tarif(x);
    default:
        return TOffen<TLStTab02>().Tarif(x);
    }
}

// Each zone ends where the next begins: the last unit of a zone and the first of the next give
// the same whole tax (hand-computed from the published formulas).
const TarifFall kTarifFaelle[] = {
    {"t1990_unter_grundfreibetrag", 1990, 5616, 0},
    {"t1990_erste_einheit", 1990, 5617, 0},
    {"t1990_ende_eingang", 1990, 8153, 482},
    {"t1990_beginn_progression", 1990, 8154, 482},
    {"t1990_ende_progression", 1990, 120041, 40780},
    {"t1990_spitzensatz", 1990, 120042, 40780},
    {"t1996_unter_grundfreibetrag", 1996, 12095, 0},
    {"t1996_eingang", 1996, 12096, 13},
    {"t1996_ende_zone1", 1996, 55727, 12967},
    {"t1996_beginn_zone2", 1996, 55728, 12967},
    {"t1996_ende_zone2", 1996, 120041, 40779},
    {"t1996_spitzensatz", 1996, 120042, 40780},
    {"t1999_unter_grundfreibetrag", 1999, 13067, 0},
    {"t1999_ende_zone1", 1999, 17063, 1025},
    {"t1999_beginn_zone2", 1999, 17064, 1025},
    {"t2002_unter_grundfreibetrag", 2002, 7235, 0},
    {"t2002_eingang", 2002, 7236, 7},
    {"t2002_ende_zone2", 2002, 55007, 16806},
    {"t2002_spitzensatz", 2002, 55008, 16806},
};

class Tarif90Test : public testing::TestWithParam<TarifFall> {};

TEST_P(Tarif90Test, ZoneBounds)
{
    const TarifFall& f = GetParam();
    EXPECT_EQ(static_cast<double>(TarifVon(f.jahr, f.x)), f.steuer) << f.jahr << " X=" << f.x;
}

INSTANTIATE_TEST_SUITE_P(LStTab90, Tarif90Test, testing::ValuesIn(kTarifFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

// Rows of the published splitting table 1990 (Anlage 3 EStG 1990, zu § 32a Abs. 5): twice the
// basic tariff of half the income's step. The last four lie in the quadratic zone.
struct SplittingZeile {
    double von;
    double steuer;
};
const SplittingZeile kSplitting1990[] = {
    {11340, 20},  {11664, 82},  {13716, 472}, {15444, 800},  {15876, 882},
    {16200, 944}, {16308, 964}, {16416, 984}, {16524, 1004},
};

TEST(LStTab90, ZeilenDerSplittingtabelle1990)
{
    for (const SplittingZeile& z : kSplitting1990)
        EXPECT_EQ(2 * static_cast<double>(TarifVon(1990, z.von / 2)), z.steuer) << z.von;
}

// The tables of 1990 to 1995 are derived from the statutory tariff, whose Horner rule keeps three
// decimals: wage tax and income tax of one table income never differ, not even by 1 DM (four
// decimals would give 1 DM more at 56754, 84780, 108270 and a few more incomes).
TEST(LStTab90, LohnsteuerGleichEinkommensteuerDerTabellenstufen)
{
    const auto est = CreateEStTab(1990);
    int abweichungen = 0;
    for (double x = 0; x <= 130000; x += 54) {
        const double lst = static_cast<double>(TarifVon(1990, x));
        const double steuer = est->Steuer(false, x, est->DMFaktor());
        if (lst != steuer && ++abweichungen <= 5)
            ADD_FAILURE() << "X=" << x << ": wage tax " << lst << ", income tax " << steuer;
    }
    EXPECT_EQ(abweichungen, 0);
}

// Table steps ---------------------------------------------------------------------------------

struct StufenFall {
    int jahr;
    int zeitraum;
    int klasse;
    double lohn;
};

// A wage at the bottom and at the top of its table step is taxed like any wage of the step; one
// unit above the top the next step begins. This holds only with the offsets of the annual
// extrapolation (0.67 a month, 0.89 a week, 0.56 a day), which place the period tables on the
// annual steps.
class Tabellenstufe90Test : public testing::TestWithParam<StufenFall> {};

TEST_P(Tabellenstufe90Test, BoundsShareTheTax)
{
    const StufenFall& f = GetParam();
    auto tab = Tab(f.jahr, f.klasse, f.zeitraum);
    const double steuer = tab->LohnsteuerFuer(f.lohn);
    const double unten = tab->GetDoub(leStufeUnten);
    const double oben = tab->GetDoub(leStufeOben);
    ASSERT_LE(unten, f.lohn);
    ASSERT_GE(oben, f.lohn);
    EXPECT_EQ(tab->LohnsteuerFuer(unten), steuer) << "bottom " << unten;
    EXPECT_EQ(tab->GetDoub(leStufeUnten), unten);
    EXPECT_EQ(tab->LohnsteuerFuer(oben), steuer) << "top " << oben;
    EXPECT_EQ(tab->GetDoub(leStufeUnten), unten);
    tab->LohnsteuerFuer(oben + 1);
    EXPECT_EQ(tab->GetDoub(leStufeUnten), oben + 1) << "next step";
}

std::vector<StufenFall> StufenFaelle()
{
    std::vector<StufenFall> faelle;
    const int jahre[] = {1990, 1992, 1993, 1995, 1996, 1998, 2000, 2001, 2002};
    // Period wages of roughly 1500, 4200 and 9000 a month.
    const double monatslohn[] = {150013, 420071, 900037};
    const double anteil[] = {0, 12, 1, 7.0 / 30, 1.0 / 30};
    for (int jahr : jahre)
        for (int zeitraum = 1; zeitraum <= 4; ++zeitraum)
            for (int klasse : {1, 3, 5})
                for (double lohn : monatslohn)
                    faelle.push_back({jahr, zeitraum, klasse, Runden(lohn * anteil[zeitraum])});
    return faelle;
}

INSTANTIATE_TEST_SUITE_P(LStTab90, Tabellenstufe90Test, testing::ValuesIn(StufenFaelle()),
                         [](const auto& i) {
                             return "j" + std::to_string(i.param.jahr) + "_z" +
                                    std::to_string(i.param.zeitraum) + "_k" +
                                    std::to_string(i.param.klasse) + "_" +
                                    std::to_string(static_cast<long>(i.param.lohn));
                         });

TEST(LStTab90, AnnualWageBelowTwoMarksIsTheFirstStep)
{
    auto tab = Tab(1990, 1, 1);
    EXPECT_EQ(tab->LohnsteuerFuer(100), 0);
    EXPECT_EQ(tab->GetDoub(leStufeUnten), 200);
    EXPECT_EQ(tab->GetDoub(leStufeOben), 5599);
}

TEST(LStTab90, TwoThousandOneStepsStartAtMultiplesOf54AndEuroStepsOf36)
{
    // 2001: the step is the wage rounded down to 54 DM; 2002: to 36 euros.
    auto dm = Tab(2001, 1, 1);
    dm->LohnsteuerFuer(5400000 + 5399);
    EXPECT_EQ(dm->GetDoub(leStufeUnten), 5400000);
    EXPECT_EQ(dm->GetDoub(leStufeOben), 5405399);
    auto euro = Tab(2002, 1, 1);
    euro->LohnsteuerFuer(3600000 + 3599);
    EXPECT_EQ(euro->GetDoub(leStufeUnten), 3600000);
    EXPECT_EQ(euro->GetDoub(leStufeOben), 3603599);
}

// Supplementary table 1993 to 1995 -----------------------------------------------------------

// Expected tax of the year (DM) from the tax S without the table: 1993 and 1994 cap by three
// times the excess over the second limit, 1995 by 2.5 times the excess per unit over 1135 DM;
// the table applies below the first limit and only when it lowers the tax.
double ErwarteteZusatzsteuer(int jahr, int klasse, double s, bool& angewendet)
{
    angewendet = false;
    const double grenze1[3][4] = {
        {1857, 1857, 2228, 1114}, {1564, 1564, 3128, 1564}, {1892, 1892, 3784, 1892}};
    const double grenze2[2][4] = {{1233, 1233, 1482, 741}, {1038, 1038, 2076, 1038}};
    const int j = jahr - 1993;
    if (s >= grenze1[j][klasse - 1])
        return s;
    double kappung = 0;
    if (jahr < 1995) {
        kappung = std::max(0.0, (s - grenze2[j][klasse - 1]) * 3);
    } else {
        const double d = klasse == 3 ? 2 : 1;
        kappung = std::max(0.0, d * std::trunc((std::trunc(s / d) - 1135) * 2.5));
    }
    if (kappung < s) {
        angewendet = true;
        return kappung;
    }
    return s;
}

class Zusatztabelle93Test : public testing::TestWithParam<int> {};

TEST_P(Zusatztabelle93Test, LowersLowTaxesOnly)
{
    const int jahr = GetParam();
    int angewendetZahl = 0;
    for (int klasse = 1; klasse <= 4; ++klasse) {
        auto mit = Tab(jahr, klasse, 1);
        auto ohne = Tab(jahr, klasse, 1);
        ohne->SetBool(lbKeineZTab, true);
        for (double lohn = 1500000; lohn <= 6000000; lohn += 5400) {
            const double s = ohne->LohnsteuerFuer(lohn) / 100;
            EXPECT_FALSE(ohne->ZusatztabelleAngewendet());
            bool angewendet = false;
            const double erwartet = ErwarteteZusatzsteuer(jahr, klasse, s, angewendet);
            ASSERT_EQ(mit->LohnsteuerFuer(lohn), erwartet * 100)
                << jahr << " class " << klasse << " wage " << lohn;
            ASSERT_EQ(mit->ZusatztabelleAngewendet(), angewendet) << lohn;
            angewendetZahl += angewendet;
        }
    }
    EXPECT_GT(angewendetZahl, 0);
}

INSTANTIATE_TEST_SUITE_P(LStTab93, Zusatztabelle93Test, testing::Values(1993, 1994, 1995));

TEST(LStTab93, NoSupplementaryTableInClassesFiveAndSixNorFrom1996)
{
    const int faelle[][2] = {{1993, 5}, {1993, 6}, {1995, 5}, {1995, 6}, {1996, 1}, {1996, 3}};
    for (const auto& fall : faelle) {
        auto tab = Tab(fall[0], fall[1], 1);
        for (double lohn = 1000000; lohn <= 3000000; lohn += 54000) {
            tab->LohnsteuerFuer(lohn);
            ASSERT_FALSE(tab->ZusatztabelleAngewendet()) << fall[0] << " class " << fall[1];
        }
    }
}

// Solidarity surcharge -----------------------------------------------------------------------

TEST(LStTab95, SurchargeBeginsIn1995)
{
    auto vorher = Tab(1994, 1, 1);
    vorher->LohnsteuerFuer(10000000);
    EXPECT_EQ(vorher->GetDoub(leSolZ), 0);
    auto ab = Tab(1995, 1, 1);
    const double steuer = ab->LohnsteuerFuer(10000000);
    EXPECT_EQ(ab->GetDoub(leSolZ), std::trunc(steuer / 100 * 7.5));
}

struct SolzFall {
    const char* name;
    int jahr;
    int divisor;
    double basis;
    double zuschlag; // pfennig or cents of the year
};

// At the exemption limit no surcharge; above it 20 % of the excess until the rate is smaller.
const SolzFall kSolzFaelle[] = {
    {"s1995_an_der_grenze", 1995, 1, 1332, 0},
    {"s1995_knapp_darueber", 1995, 1, 1333, 20},
    {"s1995_splitting_an_der_grenze", 1995, 2, 2664, 0},
    {"s1995_splitting_darueber", 1995, 2, 2665, 20},
    {"s1995_ueberschuss_noch_kleiner", 1995, 1, 2131, 15980},
    {"s1995_satz_kleiner", 1995, 1, 2132, 15990},
    {"s1998_an_der_grenze", 1998, 1, 1836, 0},
    {"s1998_darueber", 1998, 1, 1837, 20},
    {"s1998_satz", 1998, 1, 10000, 55000},
    {"s2002_an_der_grenze", 2002, 1, 972, 0},
    {"s2002_darueber", 2002, 1, 973, 20},
};

class Solz95Test : public testing::TestWithParam<SolzFall> {};

TEST_P(Solz95Test, ExemptionLimitAndRate)
{
    const SolzFall& f = GetParam();
    const double satz = f.jahr < 1998 ? 7.5 : 5.5;
    const double grenze = f.jahr < 1998 ? 1332 : f.jahr < 2002 ? 1836 : 972;
    TOffen<TLStTab95> tab;
    tab.SetInt(liZeitraum, 1);
    tab.SolidaritaetszuschlagMit(f.basis, satz, grenze, f.divisor);
    EXPECT_EQ(tab.Ergebnis(leSolZ), f.zuschlag);
}

INSTANTIATE_TEST_SUITE_P(LStTab95, Solz95Test, testing::ValuesIn(kSolzFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LStTab98, SurchargeRateFallsTo5Point5)
{
    for (int jahr : {1997, 1998}) {
        auto tab = Tab(jahr, 1, 1);
        const double steuer = tab->LohnsteuerFuer(10000000) / 100;
        EXPECT_EQ(tab->GetDoub(leSolZ), std::trunc(steuer * (jahr == 1997 ? 7.5 : 5.5))) << jahr;
    }
}

// Child allowances and church-tax base -------------------------------------------------------

TEST(LStTab96, ChildAllowancesLowerTheWageTaxOnlyUpTo1995)
{
    for (int jahr : {1995, 1996, 2001, 2002}) {
        auto ohne = Tab(jahr, 1, 2);
        auto mit = Tab(jahr, 1, 2);
        mit->SetDoub(ldKinderfreibetraege, 1);
        mit->SetBool(lbKirchensteuer, true);
        ohne->SetBool(lbKirchensteuer, true);
        const double lohn = jahr < 2002 ? 600000 : 300000;
        const double steuerOhne = ohne->LohnsteuerFuer(lohn);
        const double steuerMit = mit->LohnsteuerFuer(lohn);
        if (jahr <= 1995) {
            EXPECT_LT(steuerMit, steuerOhne) << jahr;
        } else {
            EXPECT_EQ(steuerMit, steuerOhne) << jahr;
            // The second run with the child allowances lowers surcharge and church-tax base.
            EXPECT_LT(mit->GetDoub(leSolZ), ohne->GetDoub(leSolZ)) << jahr;
            EXPECT_LT(mit->GetDoub(leKiStBasis), ohne->GetDoub(leKiStBasis)) << jahr;
        }
        EXPECT_EQ(ohne->GetDoub(leKiStBasis), steuerOhne) << jahr;
    }
}

TEST(LStTab90, ChurchTaxBaseOnlyWhenLiable)
{
    for (int jahr : {1990, 1995, 1999, 2002}) {
        auto tab = Tab(jahr, 4, 2);
        tab->SetDoub(ldKinderfreibetraege, 2);
        EXPECT_GT(tab->LohnsteuerFuer(500000), 0);
        EXPECT_EQ(tab->GetDoub(leKiStBasis), 0) << jahr;
    }
    // Up to 1995 the church-tax base is the wage tax less 300 DM a year per child (half in
    // class 4).
    auto tab = Tab(1990, 4, 1);
    tab->SetDoub(ldKinderfreibetraege, 2);
    tab->SetBool(lbKirchensteuer, true);
    const double steuer = tab->LohnsteuerFuer(6000000);
    EXPECT_EQ(tab->GetDoub(leKiStBasis), steuer - 30000);
}

TEST(LStTab93, EmployeeLumpSumOfTheLastComputation)
{
    auto tab = Tab(1993, 1, 2);
    tab->LohnsteuerFuer(400000);
    EXPECT_EQ(tab->GetValue(1), 2000);
    tab->SetInt(liSteuerklasse, 6);
    tab->LohnsteuerFuer(400000);
    EXPECT_EQ(tab->GetValue(1), 0);
    auto euro = Tab(2002, 1, 2);
    euro->LohnsteuerFuer(200000);
    EXPECT_EQ(euro->GetValue(1), 1044);
}

// DM and euro ---------------------------------------------------------------------------------

TEST(LStTab01, DMTariffAnswersInTheCallersCurrency)
{
    // 1000 euros are 1955.83 DM: a pfennig tariff fed in cents converts in and out.
    for (int jahr : {1990, 2001}) {
        auto pfennig = Tab(jahr, 1, 2);
        auto cent = Tab(jahr, 1, 2);
        cent->SetDoub(ldKurs, 1.0);
        const double steuerPfennig = pfennig->LohnsteuerFuer(391166);
        const double steuerCent = cent->LohnsteuerFuer(200000);
        EXPECT_EQ(cent->GetCurr(lcLohn), 391166) << jahr;
        EXPECT_EQ(steuerCent, Dreisatz(true, 0, steuerPfennig, 1.95583, 1.0)) << jahr;
    }
    // A euro tariff with the DM rate takes pfennig and answers in pfennig.
    auto dm = Tab(2002, 1, 2);
    dm->SetDoub(ldKurs, 1.95583);
    auto euro = Tab(2002, 1, 2);
    const double steuerDM = dm->LohnsteuerFuer(391166);
    EXPECT_EQ(dm->GetCurr(lcLohn), 200000);
    EXPECT_EQ(steuerDM, Dreisatz(true, 0, euro->LohnsteuerFuer(200000), 1.0, 1.95583));
}

TEST(LStTab02, EuroTariffOfTheSameIncomeIsCloseToTheDMTariff)
{
    // The 2002 tariff was the 2001 tariff converted to euros: the tax of a wage of 3000 euros a
    // month differs by the rounding of the converted bounds only.
    auto dm = Tab(2001, 1, 2);
    dm->SetDoub(ldKurs, 1.0);
    auto euro = Tab(2002, 1, 2);
    const double steuer2001 = dm->LohnsteuerFuer(300000);
    const double steuer2002 = euro->LohnsteuerFuer(300000);
    EXPECT_NEAR(steuer2002, steuer2001, 300);
}

// Other payments 2002/03 ----------------------------------------------------------------------

TEST(LStTab02, OtherPaymentUpTo150EurosIsPayOfThePeriod)
{
    auto tab = Tab(2002, 1, 2);
    tab->SetCurr(lcLohn, 300000);
    tab->SetDoub(ldJahresLohn, 3600000);
    auto vergleich = Tab(2002, 1, 2);
    const double laufend = vergleich->LohnsteuerFuer(300000);

    tab->SonstigeBezuegeBerechnen(15000, 0, 0);
    EXPECT_EQ(tab->GetDoub(leLStSonst), vergleich->LohnsteuerFuer(315000) - laufend);

    auto jahr = Tab(2002, 1, 1);
    const double ohne = jahr->LohnsteuerFuer(3600000);
    const double mit = jahr->LohnsteuerFuer(3615001);
    tab->SonstigeBezuegeBerechnen(15001, 0, 0);
    EXPECT_EQ(tab->GetDoub(leLStSonst), mit - ohne);
    EXPECT_EQ(tab->GetDoub(leSolZSonst), std::trunc((mit - ohne) * 55 / 1000));
    // The run restores the inputs of the period.
    EXPECT_EQ(tab->GetDoub(leLohnsteuer), laufend);
    EXPECT_EQ(tab->GetInt(liZeitraum), 2);
}

TEST(LStTab02, OneFifthRuleIsFiveTimesTheTaxOnAFifth)
{
    auto tab = Tab(2002, 1, 2);
    tab->SetBool(lbKirchensteuer, true);
    tab->SetCurr(lcLohn, 150000);
    tab->SetDoub(ldJahresLohn, 1800000);
    const double fuenftel = 2000000;
    tab->SonstigeBezuegeBerechnen(fuenftel / 5, 0, 0);
    const double aufFuenftel = tab->GetDoub(leLStSonst);
    tab->SonstigeBezuegeBerechnen(fuenftel, 0, 0);
    const double aufGanzes = tab->GetDoub(leLStSonst);
    tab->SonstigeBezuegeBerechnen(0, 0, fuenftel);
    EXPECT_EQ(tab->GetDoub(leLStFuenftel), std::min(5 * aufFuenftel, aufGanzes));
    EXPECT_LT(tab->GetDoub(leLStFuenftel), aufGanzes);
    EXPECT_EQ(tab->GetDoub(leSolZFuenftel), std::trunc(tab->GetDoub(leLStFuenftel) * 55 / 1000));
    EXPECT_EQ(tab->GetDoub(leKiStBasisFuenftel), tab->GetDoub(leLStFuenftel));
}

} // namespace
