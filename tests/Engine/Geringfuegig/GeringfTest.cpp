#include "Engine/Geringfuegig/Geringf.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/JahrListe.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

class GeringfTest : public testing::Test {
protected:
    GeringfTest()
    {
        TOptionenUmgebung::Starten();
        m_gfb = MakeComponent<TGeringfuegigBerechnung>(nullptr, "GfB");
    }

    TGeringfuegigDaten& D() const { return m_gfb->GeringfuegigDaten(); }
    void Setze(const char* name, const std::string& text)
    {
        D().FindValue(name)->SetAsString(text);
    }
    std::string Text(const char* name) const { return D().FindValue(name)->GetAsString(); }
    double Wert(const char* name) const
    {
        return dynamic_cast<TDouble&>(*D().FindValue(name)).GetValue();
    }
    void Zeitraum(int jahr, int monat)
    {
        D().JahrWert().SetValue(jahr);
        D().MonatWert().SetValue(monat);
    }

    std::unique_ptr<TGeringfuegigBerechnung> m_gfb;
};

struct TPauschFall {
    int jahr;
    int monat;
    bool landwirtschaft;
    bool abzuegeAN;
    const char* entgelt;
    double lst;
    double kist;
    double solz;
    const char* satz;
    const char* bezeichnung;
};

// The published monthly limits of marginal employment (SGB IV section 8): 630 marks from April
// 1999, 325 euro in 2002, 400 euro from April 2003, 450 from 2013; from October 2022 the minimum
// wage times 130 / 3, rounded up to whole euro: 520, 538 (12.41 euro an hour, 2024), 556 (12.82,
// 2025), 603 (13.90, 2026) and 633 (14.60, as announced for 2027 by the minimum-wage
// commission's fifth adjustment order); later years keep the limit of 2027.
struct TGrenzeFall {
    const char* name;
    int jahr;
    int monat;
    const char* text;
};
const TGrenzeFall kGrenzeFaelle[] = {
    {"y1999", 1999, 4, "630-DM"},         {"y2001", 2001, 12, "630-DM"},
    {"y2002", 2002, 1, "325-Euro"},       {"y2003_march", 2003, 3, "325-Euro"},
    {"y2003_april", 2003, 4, "400-Euro"}, {"y2012", 2012, 12, "400-Euro"},
    {"y2013", 2013, 1, "450-Euro"},       {"y2022_sept", 2022, 9, "450-Euro"},
    {"y2022_oct", 2022, 10, "520-Euro"},  {"y2023", 2023, 12, "520-Euro"},
    {"y2024", 2024, 1, "538-Euro"},       {"y2025", 2025, 6, "556-Euro"},
    {"y2026", 2026, 1, "603-Euro"},       {"y2027", 2027, 1, "633-Euro"},
    {"y2030", 2030, 7, "633-Euro"},
};

class GrenzeTextTest : public testing::TestWithParam<TGrenzeFall> {};
TEST_P(GrenzeTextTest, PublishedMonthlyLimit)
{
    const TGrenzeFall& f = GetParam();
    EXPECT_EQ(GeringfuegigkeitsgrenzeText(f.jahr, f.monat), f.text);
}
INSTANTIATE_TEST_SUITE_P(Engine, GrenzeTextTest, testing::ValuesIn(kGrenzeFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(GeringfTest, PayLimitOfTheChosenPeriod)
{
    for (const TGrenzeFall& f : kGrenzeFaelle) {
        if (f.jahr > D().JahrWert().Maximum())
            continue;
        Zeitraum(f.jahr, f.monat);
        EXPECT_EQ(D().GrenzeText(), f.text) << f.jahr << "/" << f.monat;
    }
}

TEST_F(GeringfTest, FlatRateTaxPerEra)
{
    const TPauschFall faelle[] = {
        // The uniform 2 % tax includes church tax and surcharge.
        {2026, 1, false, false, "500", 10.00, 0, 0, "2%", "Pauschsteuer:"},
        {2002, 6, false, false, "300", 60.00, 4.20, 3.30, "20%", "Lohnsteuer:"},
        {2002, 6, false, true, "300", 60.00, 4.20, 3.30, "20%", "Lohnsteuer:"},
        // The separate flat rates keep the surcharge after 2020.
        {2021, 6, true, false, "300", 15.00, 1.05, 0.83, "5%", "Lohnsteuer:"},
        {2026, 6, true, true, "300", 15.00, 1.05, 0.83, "5%", "Lohnsteuer:"},
        // Before April 1999 the employee's charges came out of the pay.
        {1999, 2, false, true, "300", 48.98, 3.43, 2.69, "20%", "Lohnsteuer:"},
    };
    for (const TPauschFall& f : faelle) {
        SCOPED_TRACE(f.jahr);
        Zeitraum(f.jahr, f.monat);
        Setze("PauschKiStSatz", "7");
        D().Landwirtschaft().SetValue(f.landwirtschaft);
        D().AbzuegeAN().SetValue(f.abzuegeAN);
        Setze("Entgelt", f.entgelt);
        const char* lst = f.abzuegeAN ? "LohnsteuerAN" : "LohnsteuerAG";
        const char* kist = f.abzuegeAN ? "KirchensteuerAN" : "KirchensteuerAG";
        const char* solz = f.abzuegeAN ? "SolidaritaetszuschlagAN" : "SolidaritaetszuschlagAG";
        EXPECT_DOUBLE_EQ(Wert(lst), f.lst);
        EXPECT_DOUBLE_EQ(Wert(kist), f.kist);
        EXPECT_DOUBLE_EQ(Wert(solz), f.solz);
        EXPECT_DOUBLE_EQ(Wert(f.abzuegeAN ? "LohnsteuerAG" : "LohnsteuerAN"), 0);
        EXPECT_EQ(Text("PauschLStSatz"), f.satz);
        EXPECT_EQ(Text("Steuerbezeichnung"), f.bezeichnung);
    }
    // The reduced pay of the old law is what the employer's side is computed on.
    EXPECT_DOUBLE_EQ(Wert("EntgeltAG"), 244.89);
    EXPECT_DOUBLE_EQ(Wert("Nettoentgelt"), 300 - 48.98 - 3.43 - 2.69);
}

struct TBeitragsFall {
    int jahr;
    int monat;
    bool privat;
    bool gesetzlich;
    const char* entgelt;
    double kvAG;
    double rvAG;
    double rvAN;
};

TEST_F(GeringfTest, FlatContributionsAndPensionTopUp)
{
    const TBeitragsFall faelle[] = {
        {2026, 1, false, true, "500", 65.00, 75.00, 18.00},
        {2026, 1, true, true, "500", 25.00, 25.00, 68.00},
        {2026, 1, false, false, "500", 0, 75.00, 18.00},
        // Below the minimum base of 175 euro the top-up reaches the full rate on that base.
        {2026, 1, false, true, "100", 13.00, 15.00, 32.55 - 15.00},
        {2012, 1, false, true, "100", 13.00, 15.00, 30.38 - 15.00},
        // 300 marks of minimum base, shown in euro.
        {1999, 6, false, true, "100", 10.00, 12.00, 29.91 - 12.00},
        {2003, 6, false, true, "300", 33.00, 36.00, 22.50},
    };
    for (const TBeitragsFall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.jahr << " " << f.entgelt);
        Zeitraum(f.jahr, f.monat);
        D().KeineRVMinderung().SetValue(true);
        D().Privathaushalt().SetValue(f.privat);
        D().GesetzlichKrankenversichert().SetValue(f.gesetzlich);
        Setze("Entgelt", f.entgelt);
        EXPECT_DOUBLE_EQ(Wert("KVBeitragAG"), f.kvAG);
        EXPECT_DOUBLE_EQ(Wert("KVBeitragAN"), 0);
        EXPECT_DOUBLE_EQ(Wert("RVBeitragAG"), f.rvAG);
        EXPECT_NEAR(Wert("RVBeitragAN"), f.rvAN, 1e-9);
    }
}

TEST_F(GeringfTest, NetPayAndEmployersCost)
{
    Zeitraum(2026, 1);
    D().KeineRVMinderung().SetValue(true);
    Setze("Entgelt", "500");
    EXPECT_DOUBLE_EQ(Wert("Nettoentgelt"), 482.00);
    EXPECT_DOUBLE_EQ(Wert("NettoentgeltAG"), 650.00);
    EXPECT_EQ(Text("RVSatzAN"), "3,6%");
    EXPECT_EQ(Text("KVSatz"), "13,0%");
}

TEST_F(GeringfTest, NetSearchFindsThePay)
{
    Zeitraum(2026, 1);
    D().KeineRVMinderung().SetValue(true);
    Setze("Nettoentgelt", "482");
    EXPECT_EQ(D().Ausgangswert().GetValue(), TGeringfuegigDaten::kNettoentgelt);
    EXPECT_DOUBLE_EQ(Wert("Entgelt"), 500.00);
    EXPECT_NEAR(Wert("Nettoentgelt"), 482.00, 0.00001);
    Setze("Entgelt", "100");
    EXPECT_EQ(D().Ausgangswert().GetValue(), TGeringfuegigDaten::kEntgelt);
}

TEST_F(GeringfTest, NetSearchGivesUpUndetermined)
{
    // Around this net pay the wage tax of class VI steps by more than a cent per cent of pay,
    // so the wanted net pay lies between two reachable ones.
    Zeitraum(2026, 6);
    Setze("Steuerberechnung", "L");
    Setze("Steuerklasse", "6");
    Setze("Nettoentgelt", "594,64");
    EXPECT_TRUE(D().Entgelt().IsUndetermined());
    EXPECT_EQ(Text("Entgelt"), "???");
    EXPECT_DOUBLE_EQ(Wert("Nettoentgelt"), 594.64);
    Setze("Nettoentgelt", "500");
    EXPECT_FALSE(D().Entgelt().IsUndetermined());
    EXPECT_NEAR(Wert("Nettoentgelt"), 500, 0.00001);
}

TEST_F(GeringfTest, TaxCardByDays)
{
    Zeitraum(2026, 6);
    Setze("Steuerberechnung", "L");
    Setze("Steuerklasse", "6");
    Setze("Entgelt", "2000");
    const double monat = Wert("LohnsteuerAN");
    ASSERT_GT(monat, 100);
    // Half the pay in half the days: the daily tariff gives about half the month's tax.
    Setze("Steuertage", "15");
    Setze("Entgelt", "1000");
    EXPECT_NEAR(Wert("LohnsteuerAN"), monat / 2, 0.5);
    EXPECT_DOUBLE_EQ(std::fmod(std::round(Wert("LohnsteuerAN") * 100), 15), 0);
    EXPECT_DOUBLE_EQ(Wert("LohnsteuerAG"), 0);
    EXPECT_EQ(Text("Steuerbezeichnung"), "Lohnsteuer:");
}

TEST_F(GeringfTest, ClassTwoWithoutChildIsUndetermined)
{
    Zeitraum(2026, 6);
    Setze("Steuerberechnung", "L");
    Setze("Steuerklasse", "2");
    Setze("Entgelt", "2000");
    EXPECT_EQ(Text("LohnsteuerAN"), "???");
    EXPECT_EQ(Text("Nettoentgelt"), "???");
    EXPECT_DOUBLE_EQ(Wert("EntgeltAG"), 2000);
    Setze("Kinderfreibetraege", "1,0");
    EXPECT_NE(Text("LohnsteuerAN"), "???");
    EXPECT_NE(Text("Nettoentgelt"), "???");
}

TEST_F(GeringfTest, ExemptionCertificateEndsInApril2003)
{
    Zeitraum(2002, 6);
    Setze("Entgelt", "300");
    Setze("Steuerberechnung", "F");
    EXPECT_EQ(D().Steuerberechnung().GetValue(), TGeringfuegigDaten::kFreistellung);
    EXPECT_DOUBLE_EQ(Wert("NettoentgeltAG"), 300 + 30 + 36);
    EXPECT_FALSE(D().LohnsteuerAG().IsEnabled());

    Zeitraum(2003, 4);
    EXPECT_EQ(D().Steuerberechnung().GetValue(), TGeringfuegigDaten::kPauschaleLohnsteuer);
    Setze("Steuerberechnung", "F");
    Setze("Steuerberechnung", "2");
    EXPECT_EQ(D().Steuerberechnung().GetValue(), TGeringfuegigDaten::kPauschaleLohnsteuer);
    Setze("Steuerberechnung", "  l");
    EXPECT_EQ(D().Steuerberechnung().GetValue(), TGeringfuegigDaten::kPauschaleLohnsteuer);
    Setze("Steuerberechnung", "  L");
    EXPECT_EQ(D().Steuerberechnung().GetValue(), TGeringfuegigDaten::kLohnsteuerkarte);
}

TEST_F(GeringfTest, TextInputValidation)
{
    const struct {
        const char* name;
        const char* eingabe;
        const char* ergebnis;
    } faelle[] = {
        {"Kinderfreibetraege", "1,5", "1,5"},     {"Kinderfreibetraege", "1,3", "1,5"},
        {"Kinderfreibetraege", "10", "1,5"},      {"Kinderfreibetraege", " 9", "9"},
        {"Kinderfreibetraege", "x", "9"},         {"Ausgangswert", "n", "Nettoentgelt"},
        {"Ausgangswert", "0", "Entgelt"},         {"Ausgangswert", "7", "Entgelt"},
        {"Ausgangswert", " nix", "Nettoentgelt"}, {"Ausgangswert", "?", "Nettoentgelt"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.name << " " << f.eingabe);
        Setze(f.name, f.eingabe);
        EXPECT_EQ(D().FindValue(f.name)->GetStoredString(), f.ergebnis);
    }
    TStrings liste{"alt"};
    TGeringfuegigDaten::KinderfreibetraegeAuflisten(liste);
    ASSERT_EQ(liste.size(), 20u);
    EXPECT_EQ(liste.front(), "0,0");
    EXPECT_EQ(liste.back(), "9,5");
}

TEST_F(GeringfTest, AgricultureAndHouseholdExcludeEachOther)
{
    D().Landwirtschaft().SetValue(true);
    D().Privathaushalt().SetValue(true);
    EXPECT_FALSE(D().Landwirtschaft().GetValue());
    D().Landwirtschaft().SetValue(true);
    EXPECT_FALSE(D().Privathaushalt().GetValue());
}

TEST_F(GeringfTest, PeriodsAndCurrencyOfTheTaxCardAmounts)
{
    Zeitraum(2006, 9);
    EXPECT_EQ(D().Jahrliste().GetMonat(), 7);
    D().Jahrliste().SetJahr(2003);
    EXPECT_EQ(D().Jahr(), 2003);
    EXPECT_EQ(D().Monat(), 9);
    D().MonatWert().SetValue(2);
    EXPECT_EQ(D().Jahrliste().GetMonat(), 1);

    // Marks become euro between 2001 and 2002, and back.
    Zeitraum(2001, 5);
    Setze("Freibetrag", "391,17");
    D().JahrWert().SetValue(2002);
    EXPECT_DOUBLE_EQ(Wert("Freibetrag"), 200.00);
    D().JahrWert().SetValue(2005);
    EXPECT_DOUBLE_EQ(Wert("Freibetrag"), 200.00);
    // The amount to add is disabled before 2001, yet keeps its amount across the currency.
    Zeitraum(2000, 1);
    D().Hinzurechnungsbetrag().SetValue(195.58);
    Setze("Entgelt", "1");
    ASSERT_FALSE(D().Hinzurechnungsbetrag().IsEnabled());
    D().JahrWert().SetValue(2003);
    EXPECT_DOUBLE_EQ(Wert("Hinzurechnungsbetrag"), 100.00);
}

TEST_F(GeringfTest, AgeAndPensionKind)
{
    Zeitraum(2026, 1);
    EXPECT_FALSE(m_gfb->AlterUeber64());
    D().Geburtsdatum().SetValue(TDatum{1, 1, 1962});
    EXPECT_TRUE(m_gfb->AlterUeber64());
    D().Geburtsdatum().SetValue(TDatum{2, 1, 1962});
    EXPECT_FALSE(m_gfb->AlterUeber64());

    const struct {
        int jahr;
        bool frei;
        int art;
    } faelle[] = {{2009, true, 1}, {2009, false, 0}, {2010, true, 2},
                  {2024, true, 2}, {2025, true, 1},  {2025, false, 0}};
    for (const auto& f : faelle) {
        D().JahrWert().SetValue(f.jahr);
        D().Rentenversicherungsfrei().SetValue(f.frei);
        EXPECT_EQ(D().RVArt(), f.art) << f.jahr;
    }
}

TEST_F(GeringfTest, ChamberOfBremen)
{
    Zeitraum(2022, 1);
    Setze("Entgelt", "500");
    D().Kammer().SetValue(true);
    EXPECT_DOUBLE_EQ(Wert("Kammerbeitrag"), 0.75);
    EXPECT_DOUBLE_EQ(Wert("Nettoentgelt"), 500 - 0.75);
    // From 2023 pay up to the marginal-employment limit is exempt.
    Zeitraum(2023, 6);
    Setze("Entgelt", "500");
    EXPECT_DOUBLE_EQ(Wert("Kammerbeitrag"), 0);
    Setze("Entgelt", "600");
    EXPECT_DOUBLE_EQ(Wert("Kammerbeitrag"), 0.84);
    // Up to 2001 the exemption limit of 500 marks holds whatever the display currency.
    Zeitraum(2001, 1);
    Setze("Entgelt", "250");
    EXPECT_DOUBLE_EQ(Wert("Kammerbeitrag"), 0);
    Setze("Entgelt", "260");
    EXPECT_DOUBLE_EQ(Wert("Kammerbeitrag"), 0.39);
}

TEST_F(GeringfTest, CurrencyChangeConvertsTheAmounts)
{
    Zeitraum(2026, 1);
    Setze("Entgelt", "100");
    D().Umrechnen().SetValue(true);
    Setze("WaehrungName", "DM");
    EXPECT_DOUBLE_EQ(D().Kurs(), 1.95583);
    EXPECT_DOUBLE_EQ(Wert("Entgelt"), 195.58);
    // The 2 % tax of 100 euro, shown in marks.
    EXPECT_DOUBLE_EQ(Wert("LohnsteuerAG"), 3.91);
}

} // namespace
