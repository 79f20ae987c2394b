#include "Engine/Einkommensteuer/EStBerechnung.h"

#include "Engine/Einkommensteuer/EStDaten.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Lib/IniFile.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringValue.h"

#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr double kDM = 1.95583;

// Each test runs in a temporary home, started like the program, with a fresh calculation.
class EStBerechnungTest : public testing::Test {
protected:
    EStBerechnungTest()
        : m_start((TOptionenUmgebung::Starten(), 0)),
          m_berechnung(MakeComponent<TEStBerechnung>(nullptr, "EST")), d(m_berechnung->EStDaten())
    {
    }
    ~EStBerechnungTest() override { SetEStTabelleOeffnen(nullptr); }

    void Jahr(int jahr) { d.Jahr().SetValue(jahr); }

    // A currency of the user's currencies file.
    static void WaehrungAnlegen(const std::string& name, const std::string& kuerzel,
                                const std::string& kurs)
    {
        const std::string datei = WaehrungenDateiName();
        std::filesystem::create_directories(std::filesystem::path(datei).parent_path());
        TIniFile ini(datei);
        ini.WriteString("Waehrungen", "N" + std::to_string(ini.ReadSection("Waehrungen").size()),
                        name);
        ini.WriteString(name, "Kuerzel", kuerzel);
        ini.WriteString(name, "Kurs", kurs);
    }

    TOptionenUmgebung m_umgebung;
    int m_start;
    std::unique_ptr<TEStBerechnung> m_berechnung;
    TEStDaten& d;
};

TEST_F(EStBerechnungTest, FreshCalculation)
{
    EXPECT_EQ(d.Jahr().GetValue(), 2025);
    EXPECT_TRUE(d.Grundtabelle().GetValue());
    EXPECT_TRUE(d.ZVEEingabe().GetValue());
    EXPECT_EQ(d.Einkommensteuer().GetValue(), 0);
    EXPECT_EQ(d.FestzusetzendeESt().GetValue(), 0);
    EXPECT_EQ(d.SolZ().GetValue(), 0);
    EXPECT_EQ(d.ProgressSteuer().GetValue(), 0);
    EXPECT_FALSE(d.ProgressSteuer().IsEnabled());
    EXPECT_FALSE(d.ProgressSatz().IsEnabled());
    EXPECT_FALSE(d.Modified());
}

TEST_F(EStBerechnungTest, TaxOfTheTaxableIncome)
{
    Jahr(2026);
    d.ZVE().SetValue(50000);
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 10548);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 10548);
    EXPECT_DOUBLE_EQ(d.SolZ().GetValue(), 0);
    d.ZVE().SetValue(100000);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 30864);
    EXPECT_DOUBLE_EQ(d.SolZ().GetValue(), 1251.16);
    d.Grundtabelle().SetValue(false);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 21096);
    EXPECT_DOUBLE_EQ(d.SolZ().GetValue(), 0);
}

TEST_F(EStBerechnungTest, TypingATaxSearchesTheIncome)
{
    Jahr(2026);
    d.Einkommensteuer().SetValue(10548);
    EXPECT_FALSE(d.ZVEEingabe().GetValue());
    EXPECT_DOUBLE_EQ(d.ZVE().GetValue(), 50001.99);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 10548);
    // A tax between two steps: the income's own tax is what is assessed.
    d.Einkommensteuer().SetValue(10548.5);
    EXPECT_DOUBLE_EQ(d.ZVE().GetValue(), 50001.99);
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 10548.5);
    d.ZVE().SetValue(20000);
    EXPECT_TRUE(d.ZVEEingabe().GetValue());
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 1570);
}

TEST_F(EStBerechnungTest, ProgressionProvisoReplacesTheTariffTax)
{
    Jahr(2026);
    d.ZVE().SetValue(50000);
    d.ProgressEink().SetValue(10000);
    EXPECT_FALSE(d.Einkommensteuer().IsEnabled());
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 10548); // still shown
    EXPECT_DOUBLE_EQ(d.ProgressSteuer().GetValue(), 11860);
    EXPECT_NEAR(d.ProgressSatz().GetValue(), 23.721666, 1e-6);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 11860);
    d.ProgressEink().SetValue(0);
    EXPECT_TRUE(d.Einkommensteuer().IsEnabled());
    EXPECT_FALSE(d.ProgressSteuer().IsEnabled());
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 10548);
}

TEST_F(EStBerechnungTest, EarlyYearsHaveNoReliefsAndNoSurcharge)
{
    d.GewStMessbetrag().SetValue(1000);
    d.GewerblEink().SetValue(50000);
    Jahr(1990);
    d.ZVE().SetValue(50000);
    for (TValue* v :
         {static_cast<TValue*>(&d.EB32c()), static_cast<TValue*>(&d.SummeEink()),
          static_cast<TValue*>(&d.GewStMessbetrag()), static_cast<TValue*>(&d.Gewerbesteuer()),
          static_cast<TValue*>(&d.GewerblEink()), static_cast<TValue*>(&d.SonstStErm35()),
          static_cast<TValue*>(&d.SolZ())}) {
        EXPECT_FALSE(v->IsEnabled()) << v->Name();
    }
    EXPECT_EQ(d.EB32c().GetValue(), 0);
    EXPECT_EQ(d.SolZ().GetValue(), 0);
    EXPECT_EQ(d.GewerblEink().GetValue(), 0);
    // The inputs are kept for a later year.
    EXPECT_EQ(d.GewerblEink().GetStoredValue(), 50000);
}

TEST_F(EStBerechnungTest, Year2001ChoosesTheReliefByFinancialYear)
{
    Jahr(2001);
    d.ZVE().SetValue(200000);
    d.GewerblEink().SetValue(200000);
    d.SummeEink().SetValue(200000);
    d.GewStMessbetrag().SetValue(1000);
    EXPECT_TRUE(d.WJAbweichend().IsEnabled());
    EXPECT_TRUE(d.GewStMessbetrag().IsEnabled());
    EXPECT_DOUBLE_EQ(d.EB32c().GetValue(), 1800.26); // 1.8 times 1956 DM
    d.WJAbweichend().SetValue(true);
    EXPECT_FALSE(d.GewStMessbetrag().IsEnabled());
    EXPECT_TRUE(d.GewerblEink().IsEnabled());
    EXPECT_GT(d.EB32c().GetValue(), 1800.26); // the relief for commercial income
    const double vorher = d.Einkommensteuer().GetValue() - d.EB32c().GetValue();
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), vorher);
}

TEST_F(EStBerechnungTest, TradeTaxCreditAndOtherTaxes)
{
    Jahr(2026);
    d.ZVE().SetValue(100000);
    d.GewStMessbetrag().SetValue(1000);
    EXPECT_TRUE(d.GewerblEink().IsEnabled());
    EXPECT_FALSE(d.SummeEink().IsEnabled());
    d.GewerblEink().SetValue(100000);
    d.Gewerbesteuer().SetValue(3500);
    EXPECT_TRUE(d.SummeEink().IsEnabled());
    EXPECT_DOUBLE_EQ(d.EB32c().GetValue(), 3500);
    d.SonstStErm().SetValue(100);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 30864 - 3500 + 100);
}

TEST_F(EStBerechnungTest, ProfitReliefOnlyIn2007)
{
    Jahr(2007);
    EXPECT_TRUE(d.GewinnEink().IsEnabled());
    EXPECT_TRUE(d.ErmBGewinnEink().IsEnabled());
    d.GewinnEink().SetValue(260000);
    d.SummeEink().SetValue(260000);
    d.ZVE().SetValue(260000);
    EXPECT_DOUBLE_EQ(d.ErmBGewinnEink().GetValue(), 300);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), d.Einkommensteuer().GetValue() - 300);
    Jahr(2008);
    EXPECT_FALSE(d.GewinnEink().IsEnabled());
    EXPECT_EQ(d.ErmBGewinnEink().GetValue(), 0);
}

TEST_F(EStBerechnungTest, AdditionalTableOf1993)
{
    d.WaehrungName().SetValue("DM");
    Jahr(1993);
    d.ZVE().SetValue(10000);
    EXPECT_TRUE(d.KeineZTab().IsEnabled());
    EXPECT_TRUE(d.Erwerbsbezuege().IsEnabled());
    const double tarif = d.Einkommensteuer().GetValue();
    EXPECT_GT(tarif, 0);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), 0);
    EXPECT_DOUBLE_EQ(d.MilderungZTab().GetValue(), tarif);
    // Tax-free earned income counts: above the table's range the tariff tax stays.
    d.Erwerbsbezuege().SetValue(5000);
    EXPECT_DOUBLE_EQ(d.FestzusetzendeESt().GetValue(), tarif);
    EXPECT_DOUBLE_EQ(d.MilderungZTab().GetValue(), 0);
    d.KeineZTab().SetValue(true);
    EXPECT_FALSE(d.Erwerbsbezuege().IsEnabled());
    EXPECT_FALSE(d.MilderungZTab().IsEnabled());
    Jahr(1996);
    EXPECT_FALSE(d.KeineZTab().IsEnabled());
}

TEST_F(EStBerechnungTest, CurrencyChangeConvertsWhenAsked)
{
    Jahr(2026);
    d.ZVE().SetValue(50000);
    d.GewStMessbetrag().SetValue(100);
    d.Umrechnen().SetValue(true);
    d.WaehrungName().SetValue("DM");
    EXPECT_DOUBLE_EQ(d.Waehrungskurs()->GetValue(), kDM);
    EXPECT_EQ(d.WaehrungStr()->GetValue(), "DM");
    EXPECT_DOUBLE_EQ(d.ZVE().GetValue(), 97791.5);
    EXPECT_DOUBLE_EQ(d.GewStMessbetrag().GetValue(), 195.58);
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 20630.09); // 10548 euros
    d.Umrechnen().SetValue(false);
    d.WaehrungName().SetValue("Euro");
    EXPECT_DOUBLE_EQ(d.Waehrungskurs()->GetValue(), 1.0);
    EXPECT_DOUBLE_EQ(d.ZVE().GetValue(), 97791.5);
    EXPECT_DOUBLE_EQ(d.GewStMessbetrag().GetValue(), 195.58);
}

TEST_F(EStBerechnungTest, CurrencyChangeInReverseModeConvertsTheTax)
{
    Jahr(2026);
    d.Einkommensteuer().SetValue(10548);
    d.Umrechnen().SetValue(true);
    d.WaehrungName().SetValue("DM");
    EXPECT_FALSE(d.ZVEEingabe().GetValue());
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 20630.09);
}

TEST_F(EStBerechnungTest, CurrencyOfTheUsersFile)
{
    WaehrungAnlegen("Franken", "CHF", "0,93000");
    Jahr(2026);
    d.ZVE().SetValue(50000);
    d.Umrechnen().SetValue(true);
    d.WaehrungName().SetValue("Franken");
    EXPECT_EQ(d.WaehrungName().GetValue(), "Franken");
    EXPECT_EQ(d.WaehrungStr()->GetValue(), "CHF");
    EXPECT_DOUBLE_EQ(d.Waehrungskurs()->GetValue(), 0.93);
    EXPECT_DOUBLE_EQ(d.ZVE().GetValue(), 46500);
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 9809.64); // 10548 euros
}

TEST_F(EStBerechnungTest, CurrencyWithoutRateKeepsTheAmounts)
{
    WaehrungAnlegen("Ohne", "OHN", "0");
    Jahr(2026);
    d.ZVE().SetValue(50000);
    d.GewStMessbetrag().SetValue(100);
    d.Umrechnen().SetValue(true);
    d.WaehrungName().SetValue("Ohne");
    EXPECT_DOUBLE_EQ(d.Waehrungskurs()->GetValue(), 1.0);
    EXPECT_DOUBLE_EQ(d.ZVE().GetValue(), 50000);
    EXPECT_DOUBLE_EQ(d.GewStMessbetrag().GetValue(), 100);
    EXPECT_DOUBLE_EQ(d.Einkommensteuer().GetValue(), 10548);
}

TEST_F(EStBerechnungTest, TableCommandPassesYearCurrencyIncomeAndRate)
{
    int jahr = 0;
    std::string text;
    double zvE = 0;
    double kurs = 0;
    SetEStTabelleOeffnen([&](int j, const std::string& t, double z, double k) {
        jahr = j;
        text = t;
        zvE = z;
        kurs = k;
    });
    Jahr(2024);
    d.ZVE().SetValue(33333);
    m_berechnung->TabelleOeffnen();
    EXPECT_EQ(jahr, 2024);
    EXPECT_EQ(text, d.WaehrungStr()->GetValue());
    EXPECT_DOUBLE_EQ(zvE, 33333);
    EXPECT_DOUBLE_EQ(kurs, 1.0);
}

TEST_F(EStBerechnungTest, OptionsChangeRecalculates)
{
    int berechnet = 0;
    m_berechnung->OnCalculated = [&](TBerechnung&) { ++berechnet; };
    d.UpdateWaehrungStr();
    EXPECT_EQ(berechnet, 1);
}

TEST_F(EStBerechnungTest, CloneIsEqual)
{
    Jahr(2019);
    d.ZVE().SetValue(45678);
    std::unique_ptr<TBerechnung> kopie = m_berechnung->Clone();
    EXPECT_TRUE(kopie->Daten().Equals(d));
    auto* est = dynamic_cast<TEStBerechnung*>(kopie.get());
    ASSERT_NE(est, nullptr);
    EXPECT_DOUBLE_EQ(est->EStDaten().Einkommensteuer().GetValue(), d.Einkommensteuer().GetValue());
}

} // namespace
