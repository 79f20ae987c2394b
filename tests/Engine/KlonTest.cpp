// Every calculation class of the program clones: dialogs edit a clone, pages and comparisons
// keep copies. A clone is of the same class, has no owner, equals its original value by value
// and is independent of it.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Lib/Exception.h"
#include "Lib/InstChck.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "Options/OptionenAllgemein.h"
#include "Options/OptionenJahr.h"
#include "Options/Verzeichnisse.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <typeinfo>

namespace {

using TFabrik = std::function<TBerechnung*()>;

struct KlonFall {
    const char* name;
    TFabrik neu;
};

template <class T, class... Args> TFabrik Fabrik(const char* name, Args... args)
{
    return [=] { return static_cast<TBerechnung*>(CreateComponent<T>(nullptr, name, args...)); };
}

const KlonFall kKlassen[] = {
    {"Lohn", Fabrik<TLohnBerechnung>("LOHN")},
    {"ESt", Fabrik<TEStBerechnung>("EST")},
    {"Geringfuegig", Fabrik<TGeringfuegigBerechnung>("GfB")},
    {"LohnVergleich", Fabrik<TVergleichBerechnung>("LohnVergleich",
                                                   &ErzeugeBerechnung<TLohnBerechnung>)},
    {"EStVergleich", Fabrik<TVergleichBerechnung>("EStVergleich",
                                                  &ErzeugeBerechnung<TEStBerechnung>)},
    {"StKlVergleich", Fabrik<TStKlVergleichBerechnung>("StKlVergleich")},
    {"DetailEntgelt", Fabrik<TDetailEntgelt>("Bezug")},
    {"DetailEntgelte", Fabrik<TDetailEntgelte>("Bezuege")},
    {"Kasse", Fabrik<TKasse>("Kasse")},
    {"Kassen", Fabrik<TKassen>("Kassen")},
    {"Waehrung", Fabrik<TWaehrung>("Waehrung")},
    {"Waehrungen", Fabrik<TWaehrungen>("Waehrungen")},
    {"OptionenAllgemein", Fabrik<TOptionenAllgemein>("BenutzerOptionen")},
    {"OptionenUpdate", Fabrik<TOptionenUpdate>("Update")},
    {"OptionenKammernAllg", Fabrik<TOptionenKammernAllg>("KammernAllg")},
    {"OptionenKindergeld", Fabrik<TOptionenKindergeld>("KinderG2027", 2027)},
    {"OptionenBBG", Fabrik<TOptionenBBG>("BBG2027", 2027)},
    {"OptionenBeitragssaetze", Fabrik<TOptionenBeitragssaetze>("Beitragssaetze2027", 2027)},
    {"OptionenGleitzone", Fabrik<TOptionenGleitzone>("Gleitzone2027", 2027)},
    {"OptionenKammern", Fabrik<TOptionenKammern>("Kammern2027", 2027)},
};

// Changes the first input the user could change (an amount or a switch); false when the data
// set has none of its own.
bool EingabeAendern(TDaten& daten)
{
    for (int i = 0; i < daten.ValueCount(); ++i) {
        TValue& wert = daten.GetValue(i);
        if (wert.IsReadOnly() || wert.HasFlag(TValue::vfComputed) || !wert.IsEnabled())
            continue;
        if (auto* betrag = dynamic_cast<TDouble*>(&wert)) {
            betrag->SetValue(betrag->GetValue() + 1);
            return true;
        }
        if (auto* schalter = dynamic_cast<TBoolean*>(&wert)) {
            schalter->SetValue(!schalter->GetValue());
            return true;
        }
    }
    return false;
}

class KlonTest : public testing::TestWithParam<KlonFall> {};

TEST_P(KlonTest, CloneIsAnEqualIndependentCopy)
{
    const std::unique_ptr<TBerechnung> original(GetParam().neu());
    EingabeAendern(original->Daten());
    const std::unique_ptr<TBerechnung> klon = original->Clone();
    ASSERT_NE(klon, nullptr);
    EXPECT_EQ(typeid(*klon), typeid(*original));
    EXPECT_EQ(klon->Owner(), nullptr);
    EXPECT_TRUE(klon->Daten().Equals(original->Daten()));
    if (EingabeAendern(klon->Daten())) {
        EXPECT_FALSE(klon->Daten().Equals(original->Daten()));
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, KlonTest, testing::ValuesIn(kKlassen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(KlonTest, YearGroupsKeepTheirYear)
{
    const std::unique_ptr<TOptionenKindergeld> kindergeld(
        CreateComponent<TOptionenKindergeld>(nullptr, "KinderG2027", 2027));
    const auto klon = kindergeld->Clone();
    EXPECT_EQ(dynamic_cast<TOptionenKindergeld&>(*klon).Jahr(), 2027);
}

TEST(KlonTest, TheDirectoriesAreNoCopyButTheOneReadFromPfadeIni)
{
    const TVerzeichnisse& verzeichnisse = Verzeichnisse();
    const auto vorher = InstanceChecker().Remaining().size();
    EXPECT_THROW(verzeichnisse.Clone(), Exception);
    EXPECT_EQ(InstanceChecker().Remaining().size(), vorher);
}

} // namespace
