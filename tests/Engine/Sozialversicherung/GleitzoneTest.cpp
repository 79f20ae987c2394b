// The transition zone's rules by month, each at the boundaries where the law changed it.
#include "Engine/Sozialversicherung/Gleitzone.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StandFall {
    const char* name;
    int jahr;
    int monat;
    TGleitzonenStand stand;
    const char* bezeichnung;
    bool rvVerzicht;
    bool alteRegelWaehlbar;
};

const StandFall kStandFaelle[] = {
    {"y2003_march", 2003, 3, TGleitzonenStand::kKeine, "Gleitzone", false, false},
    {"y2003_april", 2003, 4, TGleitzonenStand::kGleitzone, "Gleitzone", true, false},
    {"y2012_dec", 2012, 12, TGleitzonenStand::kGleitzone, "Gleitzone", true, false},
    {"y2013_jan", 2013, 1, TGleitzonenStand::kGleitzone, "Gleitzone", true, true},
    {"y2014_dec", 2014, 12, TGleitzonenStand::kGleitzone, "Gleitzone", true, true},
    {"y2015_jan", 2015, 1, TGleitzonenStand::kGleitzone, "Gleitzone", true, false},
    {"y2019_june", 2019, 6, TGleitzonenStand::kGleitzone, "Gleitzone", true, false},
    {"y2019_july", 2019, 7, TGleitzonenStand::kUebergang2019, "Gleitzone/Übergangsbereich", false,
     false},
    {"y2021_dec", 2021, 12, TGleitzonenStand::kUebergang2019, "Gleitzone/Übergangsbereich", false,
     false},
    {"y2022_sept", 2022, 9, TGleitzonenStand::kUebergang2019, "Übergangsbereich", false, false},
    {"y2022_oct", 2022, 10, TGleitzonenStand::kUebergang2022, "Übergangsbereich", false, true},
    {"y2023_dec", 2023, 12, TGleitzonenStand::kUebergang2022, "Übergangsbereich", false, true},
    {"y2024_jan", 2024, 1, TGleitzonenStand::kUebergang2022, "Übergangsbereich", false, false},
};

class GleitzonenStandTest : public testing::TestWithParam<StandFall> {};
TEST_P(GleitzonenStandTest, RulesOfTheMonth)
{
    const StandFall& f = GetParam();
    EXPECT_EQ(GleitzonenStand(f.jahr, f.monat), f.stand);
    EXPECT_STREQ(GleitzonenBezeichnung(f.jahr, f.monat), f.bezeichnung);
    EXPECT_EQ(RVMinderungAbwaehlbar(f.jahr, f.monat), f.rvVerzicht);
    EXPECT_EQ(AlteGleitzonenregelWaehlbar(f.jahr, f.monat), f.alteRegelWaehlbar);
}
INSTANTIATE_TEST_SUITE_P(Engine, GleitzonenStandTest, testing::ValuesIn(kStandFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

struct RegelFall {
    const char* name;
    int jahr;
    int monat;
    bool schalter;
    double entgeltCent;
    bool neu;
};

// Where the old rules may be kept they hold only for pay up to the new lower limit with the
// switch off; elsewhere the new rules hold from 2015.
const RegelFall kRegelFaelle[] = {
    {"y2012_switch_not_asked", 2012, 6, true, 60000, false},
    {"y2013_band_switch_off", 2013, 1, false, 45000, false},
    {"y2013_above_band", 2013, 1, false, 45001, true},
    {"y2013_band_switch_on", 2013, 1, true, 42000, true},
    {"y2015", 2015, 1, false, 42000, true},
    {"y2022_sept", 2022, 9, false, 50000, true},
    {"y2022_oct_band", 2022, 10, false, 52000, false},
    {"y2022_oct_above_band", 2022, 10, false, 52001, true},
    {"y2023_1000_switch_off", 2023, 6, false, 100000, true},
    {"y2023_dec_band", 2023, 12, false, 50000, false},
    {"y2024_band_gone", 2024, 1, false, 50000, true},
};

class GleitzonenRegelTest : public testing::TestWithParam<RegelFall> {};
TEST_P(GleitzonenRegelTest, NewRulesByPayAndSwitch)
{
    const RegelFall& f = GetParam();
    EXPECT_EQ(NeueGleitzonenregel(f.jahr, f.monat, f.schalter, f.entgeltCent), f.neu);
}
INSTANTIATE_TEST_SUITE_P(Engine, GleitzonenRegelTest, testing::ValuesIn(kRegelFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Gleitzone, SwitchOfTheNewFormulaMeansTheReformOf2022From2022)
{
    EXPECT_FALSE(NeueGleitzonenformelVon2022(2021));
    EXPECT_TRUE(NeueGleitzonenformelVon2022(2022));
}

struct GrenzeFall {
    const char* name;
    int jahr;
    int monat;
    double grenze;
};

// The limit of marginal employment (SGB IV section 8): one seventh of the monthly reference
// value until March 1999 (470 marks in 1990 ... 620 in 1998), 630 marks from April 1999, 325
// euro in 2002, 400 from April 2003, 450 from 2013, 520 from October 2022, then the minimum
// wage's: 538 (2024), 556 (2025), 603 (2026).
const GrenzeFall kGrenzFaelle[] = {
    {"y1990", 1990, 1, 470},       {"y1994", 1994, 1, 560},      {"y1998", 1998, 12, 620},
    {"y1999", 1999, 1, 630},       {"y2001", 2001, 12, 630},     {"y2003_march", 2003, 3, 325},
    {"y2003_april", 2003, 4, 400}, {"y2012", 2012, 12, 400},     {"y2013", 2013, 1, 450},
    {"y2022_sept", 2022, 9, 450},  {"y2022_oct", 2022, 10, 520}, {"y2024", 2024, 1, 538},
    {"y2025", 2025, 1, 556},       {"y2026", 2026, 1, 603},
};

class GeringfuegigkeitsgrenzeTest : public testing::TestWithParam<GrenzeFall> {};
TEST_P(GeringfuegigkeitsgrenzeTest, PublishedLimit)
{
    const GrenzeFall& f = GetParam();
    EXPECT_DOUBLE_EQ(GeringfuegigkeitsgrenzeMonat(f.jahr, f.monat), f.grenze);
}
INSTANTIATE_TEST_SUITE_P(Engine, GeringfuegigkeitsgrenzeTest, testing::ValuesIn(kGrenzFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
