// The payroll driver's lines: inputs by the settings file's names, results as the page shows
// them, refused inputs named.
#include "LohnFall.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Enthaelt(const std::string& zeile, const std::string& teil)
{
    return zeile.find(teil) != std::string::npos;
}

TEST(LohnFall, ResultsAndEmployerShares)
{
    const TLohnFallAntwort a =
        BerechneLohnFall(2024, 6, "Entgelt=1234,56 Gleitzone=1 Kinderlos=0 KinderPV=3");
    ASSERT_TRUE(a.ok) << a.zeile;
    EXPECT_EQ(a.zeile.rfind("Entgelt=1.234,56 Lohnsteuer=", 0), 0u) << a.zeile;
    EXPECT_TRUE(Enthaelt(a.zeile, " PVBeitrag=11,44 ")) << a.zeile;
    EXPECT_TRUE(Enthaelt(a.zeile, " AG_PV=22,76 ")) << a.zeile;
}

TEST(LohnFall, UndeterminedResultsShowQuestionMarks)
{
    // 2023 with the old zone kept up to 520 euro: no gross gives a net pay of 500.
    const TLohnFallAntwort netto = BerechneLohnFall(2023, 1, "Gleitzone=1 Nettoentgelt=500,00");
    ASSERT_TRUE(netto.ok) << netto.zeile;
    EXPECT_EQ(netto.zeile.rfind("Entgelt=??? ", 0), 0u) << netto.zeile;
    // No gross has a negative wage tax: every result and employer share is undetermined.
    const TLohnFallAntwort steuer = BerechneLohnFall(2026, 1, "Lohnsteuer=-5,00");
    ASSERT_TRUE(steuer.ok) << steuer.zeile;
    EXPECT_TRUE(Enthaelt(steuer.zeile, " RVBeitrag=??? ")) << steuer.zeile;
    EXPECT_TRUE(Enthaelt(steuer.zeile, " AG_RV=??? ")) << steuer.zeile;
}

struct Fehlerfall {
    const char* name;
    const char* eingabe;
    const char* meldung;
};
const Fehlerfall kFehlerfaelle[] = {
    {"unknown_name", "Entgelt=100 Gehalt=5", "ERROR unknown name: Gehalt=5"},
    {"malformed_number", "Entgelt=12x", "ERROR value refused: Entgelt=12x"},
    {"out_of_range", "Steuerklasse=7", "ERROR value refused: Steuerklasse=7"},
    {"truth_value", "Kinderlos=ja", "ERROR value refused: Kinderlos=ja"},
    {"unknown_caption", "KammerLand=Hamburg", "ERROR value refused: KammerLand=Hamburg"},
    {"result_given", "KVBeitrag=10", "ERROR not an input: KVBeitrag=10"},
    {"no_pair", "Entgelt", "ERROR not a NAME=value pair: Entgelt"},
};
class LohnFallFehlerTest : public testing::TestWithParam<Fehlerfall> {};
TEST_P(LohnFallFehlerTest, RefusedInputIsNamed)
{
    const TLohnFallAntwort a = BerechneLohnFall(2026, 1, GetParam().eingabe);
    EXPECT_FALSE(a.ok);
    EXPECT_EQ(a.zeile, GetParam().meldung);
}
INSTANTIATE_TEST_SUITE_P(Tools, LohnFallFehlerTest, testing::ValuesIn(kFehlerfaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LohnFall, AnnualAmountsByPrefix)
{
    const TLohnFallAntwort a = BerechneLohnFall(2026, 1, "Jahresbetraege.Entgelt=40000,00");
    EXPECT_TRUE(a.ok) << a.zeile;
}

} // namespace
