#include "Forms/Start/UpdatePruefung.h"

#include <gtest/gtest.h>

namespace {

struct Fall {
    const char* name;
    int rhythmus;
    const char* zuletzt;
    const char* argument;
    bool gestartet;
    bool vorhanden;
    bool faellig;
};

// Today is 15.03.2026 in every row.
const Fall kFaelle[] = {
    {"tag_gestern", kUpdateTag, "14.03.2026", "", false, true, true},
    {"tag_heute", kUpdateTag, "15.03.2026", "", false, true, false},
    {"woche_6_tage", kUpdateWoche, "09.03.2026", "", false, true, false},
    {"woche_7_tage", kUpdateWoche, "08.03.2026", "", false, true, true},
    {"monat_29_tage", kUpdateMonat, "14.02.2026", "", false, true, false},
    {"monat_30_tage", kUpdateMonat, "13.02.2026", "", false, true, true},
    {"nie", kUpdateNie, "01.01.2000", "", false, true, false},
    {"leeres_datum", kUpdateMonat, "", "", false, true, true},
    {"unlesbares_datum", kUpdateMonat, "gestern", "", false, true, true},
    {"unmoegliches_datum", kUpdateMonat, "31.02.2026", "", false, true, true},
    {"mit_argument", kUpdateTag, "", "/UPDATEERROR", false, true, false},
    {"fremdes_argument", kUpdateTag, "", "-x", false, true, false},
    {"updater_laeuft", kUpdateTag, "", "", true, true, false},
    {"kein_updater", kUpdateTag, "", "", false, false, false},
    {"zukunft", kUpdateTag, "01.01.2027", "", false, true, false},
};

class UpdateFaelligTest : public testing::TestWithParam<Fall> {};

TEST_P(UpdateFaelligTest, ByRhythmAndDate)
{
    const Fall& f = GetParam();
    TUpdateLage lage;
    lage.updaterGestartet = f.gestartet;
    lage.erstesArgument = f.argument;
    lage.updaterVorhanden = f.vorhanden;
    lage.rhythmus = f.rhythmus;
    lage.zuletztGesucht = f.zuletzt;
    lage.heute = SetDatum(15, 3, 2026);
    EXPECT_EQ(UpdateFaellig(lage), f.faellig) << "zuletzt=" << f.zuletzt;
}

INSTANTIATE_TEST_SUITE_P(Forms, UpdateFaelligTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace

TEST(UpdatePruefung, StatusTextsOfTheUpdatersAnswer)
{
    EXPECT_EQ(UpdateStatusText("/NOUPDATE"), "Kein Update verfügbar.");
    EXPECT_EQ(UpdateStatusText("/UPDATEOK"), "Update erfolgreich installiert.");
    EXPECT_EQ(UpdateStatusText("/UPDATEERROR"), "KEINE VERBINDUNG ZUM UPDATE-SERVER.");
    EXPECT_EQ(UpdateStatusText("/updateok"), "");
    EXPECT_EQ(UpdateStatusText(""), "");
    EXPECT_TRUE(UpdateGesucht("/NOUPDATE"));
    EXPECT_TRUE(UpdateGesucht("/UPDATEOK"));
    EXPECT_FALSE(UpdateGesucht("/UPDATEERROR"));
}

TEST(UpdatePruefung, DateTextRoundTripAndDayNumbers)
{
    TDatum d{};
    ASSERT_TRUE(UpdateDatumLesen(UpdateDatumText(SetDatum(29, 2, 2024)), d));
    EXPECT_TRUE(DatumGleich(d, SetDatum(29, 2, 2024)));
    EXPECT_FALSE(UpdateDatumLesen("29.02.2025", d));
    EXPECT_FALSE(UpdateDatumLesen("1.1.", d));
    EXPECT_FALSE(UpdateDatumLesen("01.13.2026", d));
    EXPECT_EQ(DatumTage(SetDatum(30, 12, 1899)), 0);
    EXPECT_EQ(DatumTage(SetDatum(1, 1, 1900)), 2);
    EXPECT_EQ(DatumTage(SetDatum(1, 1, 2026)), 46023);
}
