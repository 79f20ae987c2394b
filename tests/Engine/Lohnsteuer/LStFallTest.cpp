// The wage-tax driver speaks each flow chart's interface: its rates, its input names, its
// outputs; and what lies outside a chart's domain is refused with the input named.
#include "LStFall.h"
#include "Engine/Lohnsteuer/LStLib.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

std::string Zeile(int jahr, int monat, const std::string& eingabe, bool* ok = nullptr)
{
    auto tab = CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
    bool gerechnet = false;
    const std::string aus = FallZeile(tab, jahr, monat, eingabe, gerechnet);
    if (ok != nullptr)
        *ok = gerechnet;
    return aus;
}

struct TAusgabeFall {
    const char* name;
    int jahr;
    const char* eingabe;
    const char* ausgabe;
};

// Outputs the official flow charts give for these cases.
const TAusgabeFall kAusgaben[] = {
    // 2011-2014 fix the employee's health rate at 7.9 % and the care rate at 1.95 %.
    {"chart_2012_health_and_care_fixed", 2012, "LZZ=3 RE4=754366 STKL=1",
     "LSTLZZ=301709 SOLZLZZ=16594 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
};

class LStFallAusgabe : public testing::TestWithParam<TAusgabeFall> {};

TEST_P(LStFallAusgabe, WieDerAblaufplan)
{
    const TAusgabeFall& f = GetParam();
    EXPECT_EQ(Zeile(f.jahr, 1, f.eingabe), f.ausgabe) << f.jahr << ": " << f.eingabe;
}

INSTANTIATE_TEST_SUITE_P(Lstcase, LStFallAusgabe, testing::ValuesIn(kAusgaben),
                         [](const auto& i) { return std::string(i.param.name); });

struct TFehlerFall {
    const char* name;
    int jahr;
    const char* eingabe;
    const char* fehler; // the start of the error line
};

const TFehlerFall kFehler[] = {
    {"tax_class_7", 2026, "STKL=7 LZZ=2 RE4=500000", "ERROR STKL=7: Steuerklasse 7"},
    {"tax_class_beyond_32_bits", 2026, "STKL=2147483648 LZZ=2 RE4=500000",
     "ERROR STKL=2147483648: keine ganze Zahl"},
    {"tax_class_missing", 2026, "LZZ=2 RE4=500000", "ERROR STKL=0: Steuerklasse fehlt"},
    {"pay_period_0", 2026, "STKL=1 LZZ=0 RE4=500000", "ERROR LZZ=0: Lohnzahlungszeitraum"},
    {"pay_period_5", 2026, "STKL=1 LZZ=5 RE4=500000", "ERROR LZZ=5: Lohnzahlungszeitraum 5"},
    {"pay_period_fraction", 2026, "STKL=1 LZZ=2,5 RE4=500000", "ERROR LZZ=2.5: keine ganze"},
    {"factor_negative", 2026, "STKL=4 AF=1 F=-0,5 LZZ=2 RE4=500000", "ERROR F=-0.5: Faktor"},
    {"factor_above_1", 2026, "STKL=4 AF=1 F=1,2 LZZ=2 RE4=500000", "ERROR F=1.2: Faktor"},
    {"care_children_negative", 2026, "STKL=1 LZZ=2 RE4=500000 PVA=-99",
     "ERROR PVA=-99: Beitragsabschl"},
    {"care_children_above_4", 2026, "STKL=1 LZZ=2 RE4=500000 PVA=5", "ERROR PVA=5:"},
    {"multi_year_pay_too_large", 2012, "STKL=1 LZZ=2 RE4=500000 JRE4=6000000 VMT=1e20",
     "ERROR invalid pair: VMT=1e20"},
    {"multi_year_pay_beyond_range", 2012,
     "STKL=1 LZZ=2 RE4=500000 JRE4=6000000 VMT=100000000000000000000", "ERROR VMT=1e+20: Betrag"},
    {"birth_year_overflows", 2026, "STKL=1 LZZ=2 RE4=500000 ALTER1=1 AJAHR=-2147483648",
     "ERROR AJAHR=-2147483648:"},
    {"switch_not_0_or_1", 2026, "STKL=1 LZZ=2 RE4=500000 ALTER1=2", "ERROR ALTER1=2:"},
    {"child_allowances_negative", 2026, "STKL=1 LZZ=2 RE4=500000 ZKF=-1", "ERROR ZKF=-1:"},
    {"old_allowance_name_in_2026", 2026, "STKL=1 LZZ=2 RE4=500000 WFUNDF=1000",
     "ERROR unknown input for 2026/1: WFUNDF"},
    {"new_allowance_name_in_2007", 2007, "STKL=1 LZZ=2 RE4=500000 LZZFREIB=1000",
     "ERROR unknown input for 2007/1: LZZFREIB"},
    {"additional_rate_before_2015", 2012, "STKL=1 LZZ=2 RE4=500000 KVZ=0,9",
     "ERROR unknown input for 2012/1: KVZ"},
    {"one_fifth_rule_gone_in_2025", 2025, "STKL=1 LZZ=2 RE4=500000 VMT=100",
     "ERROR unknown input for 2025/1: VMT"},
    {"unknown_name", 2026, "STKL=1 LZZ=2 RE4=500000 XYZ=1", "ERROR unknown input for 2026/1: XYZ"},
};

class LStFallFehler : public testing::TestWithParam<TFehlerFall> {};

TEST_P(LStFallFehler, ZeileNenntDieEingabe)
{
    const TFehlerFall& f = GetParam();
    bool ok = true;
    const std::string aus = Zeile(f.jahr, 1, f.eingabe, &ok);
    EXPECT_FALSE(ok) << aus;
    EXPECT_EQ(aus.rfind(f.fehler, 0), 0u) << f.eingabe << " -> " << aus;
}

INSTANTIATE_TEST_SUITE_P(Lstcase, LStFallFehler, testing::ValuesIn(kFehler),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LStFall, EinLohnVon400StellenIstKeineZahl)
{
    bool ok = true;
    const std::string aus = Zeile(2026, 1, "STKL=1 LZZ=2 RE4=1" + std::string(400, '0'), &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(aus.rfind("ERROR invalid pair: RE4=1000", 0), 0u) << aus;
}

TEST(LStFall, GanzzahlenOhneUeberlauf)
{
    int zahl = 7;
    EXPECT_TRUE(LiesGanzzahl("-2147483648", zahl));
    EXPECT_EQ(zahl, std::numeric_limits<int>::min());
    EXPECT_TRUE(LiesGanzzahl("2026", zahl));
    EXPECT_EQ(zahl, 2026);
    for (const char* text : {"2147483648", "-2147483649", "2026.5", "2026,0", "", "-", "1e3",
                             "99999999999999999999999"})
        EXPECT_FALSE(LiesGanzzahl(text, zahl)) << text;
}

// 2006 and 2007 name the period allowance WFUNDF and the amount to add HINZUR.
TEST(LStFall, AlteNamenDesFreibetrags)
{
    const std::string ohne = Zeile(2007, 1, "STKL=1 LZZ=2 RE4=300000");
    const std::string frei = Zeile(2007, 1, "STKL=1 LZZ=2 RE4=300000 WFUNDF=50000");
    const std::string beides = Zeile(2007, 1, "STKL=1 LZZ=2 RE4=300000 WFUNDF=50000 HINZUR=50000");
    EXPECT_NE(ohne, frei);
    EXPECT_EQ(ohne, beides);
    EXPECT_NE(Zeile(2006, 1, "STKL=1 LZZ=2 RE4=300000 HINZUR=50000"), ohne);
}

// STV, SOLZV and BKV belong to the charts with the one-fifth rule, up to 2024.
TEST(LStFall, FuenftelAusgabenBis2024)
{
    for (const auto& [jahr, mit] : {std::pair{2006, true}, std::pair{2024, true},
                                    std::pair{2025, false}, std::pair{2026, false}}) {
        const std::string aus = Zeile(jahr, 1, "STKL=1 LZZ=2 RE4=500000");
        EXPECT_EQ(aus.find(" STV=") != std::string::npos, mit) << jahr << ": " << aus;
        EXPECT_EQ(aus.rfind("LSTLZZ=", 0), 0u) << aus;
    }
}

// The tariff object refuses what lies outside its domain itself, whoever calls it.
TEST(LStTabDefinitionsbereich, TarifobjektWeistAb)
{
    auto tab = CreateLStTab(2026, 1);
    EXPECT_THROW(tab->SetInt(liSteuerklasse, 7), ELStTabEingabe);
    EXPECT_THROW(tab->SetInt(liZeitraum, 5), ELStTabEingabe);
    EXPECT_THROW(tab->SetInt(liPVKinder, -1), ELStTabEingabe);
    EXPECT_THROW(tab->SetInt(liVersMonate, 13), ELStTabEingabe);
    EXPECT_THROW(tab->SetCurr(lcLohn, std::numeric_limits<double>::infinity()), ELStTabEingabe);
    EXPECT_THROW(tab->SetDoub(ldKinderfreibetraege, std::nan("")), ELStTabEingabe);
    EXPECT_THROW(tab->SetDoub(ldKinderfreibetraege, -0.5), ELStTabEingabe);
    EXPECT_THROW(tab->SetCurr(lcLohn, 1e16), ELStTabEingabe);
    // A refused value leaves the stored one.
    tab->SetInt(liSteuerklasse, 1);
    EXPECT_THROW(tab->SetInt(liSteuerklasse, -1), ELStTabEingabe);
    EXPECT_EQ(tab->GetInt(liSteuerklasse), 1);
    // The pay period is checked when the tax is computed.
    tab->SetCurr(lcLohn, 500000);
    EXPECT_THROW(tab->GetDoub(leLohnsteuer), ELStTabEingabe);
    tab->SetInt(liZeitraum, 2);
    EXPECT_GT(tab->GetDoub(leLohnsteuer), 0);
    tab->SetBool(lbFaktorAnwenden, true);
    tab->SetDoub(ldFaktor, 1.5);
    EXPECT_THROW(tab->GetDoub(leLohnsteuer), ELStTabEingabe);
}

} // namespace
