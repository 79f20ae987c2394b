#include "Options/OptionenVorgaben.h"

#include "Lib/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(OptionenVorgaben, DefaultsAsPublished)
{
    EXPECT_DOUBLE_EQ(VorgabeWert(FindeVorgabe(BBGVorgaben(), "BBG_KV"), 2026), 5812.50);
    EXPECT_DOUBLE_EQ(VorgabeWert(FindeVorgabe(BBGVorgaben(), "BBG_KV"), 2027), 6112.50);
    EXPECT_DOUBLE_EQ(VorgabeWert(FindeVorgabe(BBGVorgaben(), "BBG_RVKn_O"), 2027), 10900);
    EXPECT_DOUBLE_EQ(VorgabeWert(FindeVorgabe(BeitragssatzVorgaben(), "KVSatzZB"), 2026), 2.9);
    EXPECT_DOUBLE_EQ(VorgabeWert(FindeVorgabe(KammernVorgaben(), "FreigrenzeBr"), 2026), 603.01);
    EXPECT_DOUBLE_EQ(VorgabeWert(FindeVorgabe(KammernVorgaben(), "BeitragssatzSL"), 2026), 0.15);
    EXPECT_THROW(FindeVorgabe(BBGVorgaben(), "BBG_XX"), Exception);
    EXPECT_THROW(VorgabeWert(FindeVorgabe(BBGVorgaben(), "BBG_KV"), 2025), Exception);
}

TEST(OptionenVorgaben, RateNumbersAndTheirNames)
{
    EXPECT_STREQ(BeitragssatzName(1, "x"), "AVSatz");
    EXPECT_STREQ(BeitragssatzName(6, "x"), "KVSatzZB");
    EXPECT_STREQ(BeitragssatzName(11, "x"), "RVSatzPauPri");
    try {
        BeitragssatzName(12, "TOptionenBeitragssaetzeDaten.GetSatz");
        FAIL() << "index 12 accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(),
                     "Unbekannter Eigenschaftsindex (TOptionenBeitragssaetzeDaten.GetSatz, 12)");
    }
    EXPECT_THROW(BeitragssatzName(0, "x"), Exception);
    // Every rate named by a number has a default.
    for (int index = 1; index <= 11; ++index)
        EXPECT_NO_THROW(FindeVorgabe(BeitragssatzVorgaben(), BeitragssatzName(index, "x")));
}

} // namespace
