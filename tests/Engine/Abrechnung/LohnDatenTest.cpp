// The payroll data set: defaults, what typed text becomes, enabling by year, and storage.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnTestSupport.h"
#include "Lib/IniFile.h"
#include "Support/TempXdg.h"

#include <filesystem>
#include <string>

namespace {

TEST_F(LohnTest, FreshDefaults)
{
    EXPECT_EQ(d.Jahr->GetValue(), 2026);
    EXPECT_EQ(d.Monat->GetValue(), 1);
    EXPECT_EQ(d.Zeitraum->GetValue(), TLohnDaten::kMonat);
    EXPECT_EQ(d.Steuerklasse->GetValue(), 1);
    EXPECT_EQ(d.Kirchensteuersatz->GetValue(), 9);
    EXPECT_EQ(d.Steuertage->GetValue(), 30);
    EXPECT_EQ(d.SVTage->GetValue(), 30);
    EXPECT_EQ(d.MonateVersBez->GetStoredString(), "12");
    EXPECT_EQ(d.Versorgungsbeginn->GetStoredString(), "2005");
    EXPECT_EQ(d.BGS->GetValue(), "1111");
    EXPECT_EQ(d.WaehrungName->GetValue(), "Euro");
    EXPECT_TRUE(d.Kinderlos->GetValue());
    EXPECT_EQ(d.Kinderfreibetraege->GetValue(), "0,0");
    EXPECT_EQ(d.Jahrliste->GetJahr(), 2026);
}

TEST_F(LohnTest, ValuesInCreationOrder)
{
    EXPECT_EQ(d.GetValue(0).Name(), "AbrgZeitraum");
    EXPECT_EQ(d.GetValue(54).Name(), "WaehrungName");
    EXPECT_EQ(d.FindValue("WaehrungStr"), &d.GetValue(55));
    EXPECT_EQ(d.FindValue("Waehrungskurs"), &d.GetValue(56));
    EXPECT_EQ(d.GetValue(57).Name(), "Umrechnen");
    EXPECT_EQ(d.GetValue(d.ValueCount() - 1).Name(), "SB_SolZ");
    EXPECT_EQ(d.ValueCount(), 82);
}

struct Eingabe {
    const char* name;
    const char* wert;
    const char* text;
    const char* erwartet; // nullptr: refused
};
const Eingabe kEingaben[] = {
    {"zeitraum_w", "Zeitraum", "w", "Woche"},
    {"zeitraum_3", "Zeitraum", "3", "Woche"},
    {"zeitraum_day", "Zeitraum", " day", "Tag"},
    {"zeitraum_year", "Zeitraum", "Year", "Jahr"},
    {"zeitraum_5", "Zeitraum", "5", nullptr},
    {"zeitraum_x", "Zeitraum", "x", nullptr},
    {"ausgang_n", "Ausgangswert", "n", "Nettoentgelt"},
    {"ausgang_1", "Ausgangswert", "1", "Lohnsteuer"},
    {"ausgang_q", "Ausgangswert", "q", nullptr},
    {"kfb_1_5", "Kinderfreibetraege", "1,5", "1,5"},
    {"kfb_9_5", "Kinderfreibetraege", "9,5", "9,5"},
    {"kfb_1_3", "Kinderfreibetraege", "1,3", nullptr},
    {"kfb_10", "Kinderfreibetraege", "10", nullptr},
    {"kfb_no_number", "Kinderfreibetraege", "abc", nullptr},
    {"kfb_number_then_text", "Kinderfreibetraege", "1x", nullptr},
    {"bgs_311", "BGS", "311", "3111"},
    {"bgs_011", "BGS", "011", "0110"},
    {"bgs_6111", "BGS", "6111", nullptr},
};

struct RVFrei {
    int jahr;
    int code;
};
class RVFreiTest : public testing::TestWithParam<RVFrei> {};

TEST_P(RVFreiTest, CodeOfTheTariffPeriod)
{
    EXPECT_EQ(TLohnDaten::KRVFrei(GetParam().jahr), GetParam().code) << GetParam().jahr;
}

INSTANTIATE_TEST_SUITE_P(Abrechnung, RVFreiTest,
                         testing::Values(RVFrei{2009, 1}, RVFrei{2010, 2}, RVFrei{2024, 2},
                                         RVFrei{2025, 1}, RVFrei{2026, 1}),
                         [](const auto& i) { return std::to_string(i.param.jahr); });

class EingabeTest : public LohnTest, public testing::WithParamInterface<Eingabe> {};

TEST_P(EingabeTest, TypedText)
{
    const Eingabe& e = GetParam();
    TValue& wert = *d.FindValue(e.wert);
    const std::string vorher = wert.GetStoredString();
    wert.SetAsString(e.text);
    EXPECT_EQ(wert.GetStoredString(), e.erwartet ? e.erwartet : vorher) << e.text;
}

INSTANTIATE_TEST_SUITE_P(Lohn, EingabeTest, testing::ValuesIn(kEingaben),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(LohnTest, ChildlessSurchargeNeedsAYearAndAnAge)
{
    EXPECT_TRUE(d.Kinderlos->IsEnabled());
    d.Geburtsdatum->SetValue(SetDatum(31, 12, 1939));
    EXPECT_FALSE(d.Kinderlos->IsEnabled());
    d.Geburtsdatum->SetValue(SetDatum(1, 1, 1990));
    EXPECT_TRUE(d.Kinderlos->IsEnabled());
    d.Jahr->SetValue(2004);
    EXPECT_FALSE(d.Kinderlos->IsEnabled());
    d.Jahr->SetValue(2026);
    d.Kinder->SetValue(1);
    EXPECT_FALSE(d.Kinderlos->IsEnabled());
}

TEST_F(LohnTest, EnablingFollowsTheYear)
{
    d.Jahr->SetValue(1995);
    EXPECT_FALSE(d.PLSt->IsEnabled());
    EXPECT_FALSE(d.Kinder->IsEnabled());
    EXPECT_TRUE(d.KeineZTab->IsEnabled());
    EXPECT_TRUE(d.TabellenBeitrag->IsEnabled());
    EXPECT_FALSE(d.Gleitzone->IsEnabled());
    d.Jahr->SetValue(2003);
    d.Monat->SetValue(4);
    EXPECT_TRUE(d.Gleitzone->IsEnabled());
    d.Jahr->SetValue(2026);
    EXPECT_FALSE(d.OstBBGRV->IsEnabled());
    d.Steuerklasse->SetValue(4);
    EXPECT_TRUE(d.FaktorAnwenden->IsEnabled());
    d.FaktorAnwenden->SetValue(true);
    EXPECT_TRUE(d.Faktor->IsEnabled());
    EXPECT_FALSE(d.Freibetrag->IsEnabled());
}

TEST_F(LohnTest, MonthMovesWithinTheYearList)
{
    d.Jahr->SetValue(2022);
    d.Monat->SetValue(11);
    EXPECT_EQ(d.Jahrliste->GetMonat(), 10);
    d.Monat->SetValue(3);
    EXPECT_EQ(d.Jahrliste->GetMonat(), 1);
}

TEST_F(LohnTest, PeriodSetsItsDays)
{
    d.Zeitraum->SetValue(TLohnDaten::kWoche);
    EXPECT_EQ(d.Steuertage->GetValue(), 7);
    EXPECT_EQ(d.SVTage->GetValue(), 7);
    d.Zeitraum->SetValue(TLohnDaten::kJahr);
    EXPECT_EQ(d.Steuertage->GetValue(), 360);
}

TEST(Jahresbetraege, NegativeAnnualWageOnlyWhileAllowancesExceedThePay)
{
    auto jahresbetraege = MakeComponent<TJahresbetraege>(nullptr, "Jahresbetraege");
    TJahresbetraege& j = *jahresbetraege;
    j.Entgelt->SetValue(1000);
    j.Freibetrag->SetValue(900);
    EXPECT_FALSE(j.NegJAL->IsEnabled());
    j.Freibetrag->SetValue(1500);
    EXPECT_TRUE(j.NegJAL->IsEnabled());
    j.Hinzurechnungsbetrag->SetValue(600);
    EXPECT_FALSE(j.NegJAL->IsEnabled());
}

TEST_F(LohnTest, EnteringAnAmountMakesItTheGivenOne)
{
    d.Nettoentgelt->SetValue(2000);
    EXPECT_EQ(d.Ausgangswert->GetValue(), TLohnDaten::kAusNetto);
    d.Entgelt->SetValue(2000);
    EXPECT_EQ(d.Ausgangswert->GetValue(), TLohnDaten::kAusEntgelt);
    d.Ausgangswert->SetValue(TLohnDaten::kAusLohnsteuer);
    d.PLSt->SetValue(true);
    EXPECT_EQ(d.Ausgangswert->GetValue(), TLohnDaten::kAusEntgelt);
}

// The itemised components live in the page's own section, where stored files have them.
TEST_F(LohnTest, ComponentsStoredInThePagesSection)
{
    const TTempXdg ordner;
    const auto datei = ordner.Wurzel() / "seite.ini";
    auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    vorlage->DetailEntgeltDaten().Betrag().SetValue(1234.5);
    d.DetailEntgelte().Hinzufuegen(vorlage->DetailEntgeltDaten());
    d.DetailEntgelte().Hinzufuegen(vorlage->DetailEntgeltDaten());
    d.Steuerklasse->SetValue(3);
    {
        TXIniFile ini(datei.string());
        lohn->SaveToIni(ini, "Entgeltabrechnung");
        EXPECT_EQ(ini.ReadInteger("Entgeltabrechnung", "BezugAnzahl", 0), 2);
        EXPECT_EQ(ini.ReadInteger("EntgeltabrechnungBezug2", "Nr", 0), 2);
        ini.WriteString("MainForm", "Version", "5.01");
    }
    auto geladen = MakeComponent<TLohnBerechnung>(nullptr, "Geladen");
    {
        const TXIniFile ini(datei.string());
        geladen->LoadFromIni(ini, "Entgeltabrechnung");
    }
    TLohnDaten& g = geladen->LohnDatenOf();
    EXPECT_EQ(g.Steuerklasse->GetValue(), 3);
    ASSERT_EQ(g.DetailEntgelte().Count(), 2);
    EXPECT_DOUBLE_EQ(g.DetailEntgelte().DetailEntgeltDaten(1).Betrag().GetValue(), 1234.5);
    EXPECT_TRUE(g.Equals(d));
}

TEST_F(LohnTest, LoadedYearIsTheYearSeenLast)
{
    const TTempXdg ordner;
    const auto datei = ordner.Wurzel() / "jahr.ini";
    {
        TXIniFile ini(datei.string());
        ini.WriteString("MainForm", "Version", "5.01");
        ini.WriteString("LOHN", "Jahr", "2001");
        ini.WriteString("LOHN", "Freibetrag", "1000");
    }
    {
        const TXIniFile ini(datei.string());
        lohn->LoadFromIni(ini, "LOHN");
    }
    ASSERT_EQ(d.Jahr->GetValue(), 2001);
    EXPECT_DOUBLE_EQ(d.Freibetrag->GetValue(), 1000);
    d.Jahr->SetValue(2002);
    EXPECT_DOUBLE_EQ(d.Freibetrag->GetValue(), 511.29);
}

// The east's own ceilings from the currency union of July 1990; one health ceiling from 2001.
TEST_F(LohnTest, EastCeilingsFollowTheMonth)
{
    d.Jahr->SetValue(1990);
    d.Monat->SetValue(6);
    EXPECT_FALSE(d.OstBBGRV->IsEnabled());
    d.Monat->SetValue(7);
    EXPECT_TRUE(d.OstBBGRV->IsEnabled());
    EXPECT_TRUE(d.OstBBGKV->IsEnabled());
    d.Entgelt->SetValue(3000);
    const double west = d.RVBeitrag->GetValue();
    d.OstBBGRV->SetValue(true);
    EXPECT_LT(d.RVBeitrag->GetValue(), west) << "capped at 2,700 marks";
    EXPECT_GT(d.RVBeitrag->GetValue(), 0.0);
    d.Jahr->SetValue(2001);
    EXPECT_FALSE(d.OstBBGKV->IsEnabled());
    d.Jahr->SetValue(2025);
    EXPECT_FALSE(d.OstBBGRV->IsEnabled());
}

} // namespace
