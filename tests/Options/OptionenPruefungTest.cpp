#include "Options/OptionenPruefung.h"

#include "MVCFrame/Daten.h"
#include "OptionenFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>

namespace {

using Strings = std::vector<std::string>;

enum class Gruppe { Beitragssaetze, Kindergeld };

struct Fall {
    const char* name;
    Gruppe gruppe;
    const char* eintraege;       // the group's keys in the shared OPTIONEN.INI, one a line
    std::optional<bool> antwort; // the user's answer; none: the question must not come
    Strings danach;              // the group's keys afterwards
};

void PrintTo(const Fall& fall, std::ostream* os)
{
    *os << fall.name;
}

const Fall kFaelle[] = {
    {"NichtsGeaendert", Gruppe::Beitragssaetze, "", std::nullopt, {}},
    {"NurAbWertOhneAbDatumStill", Gruppe::Beitragssaetze, "AVSatzAb=3,0\n", std::nullopt, {}},
    {"LetzterAbWertEntscheidetStill", Gruppe::Beitragssaetze, "AVSatz=3,0\nRVSatzAb=19,0\n",
     std::nullopt, Strings{"AVSatz"}},
    {"AbDatumGespeichertFragtJa", Gruppe::Beitragssaetze, "AbDatum=1.7.\nAVSatzAb=3,0\n", true, {}},
    {"AbDatumGespeichertFragtNein", Gruppe::Beitragssaetze, "AbDatum=1.7.\nAVSatzAb=3,0\n", false,
     Strings{"AbDatum", "AVSatzAb"}},
    {"AbDatumJanuarGespeichertFragt", Gruppe::Beitragssaetze, "AbDatum=1.1.\nAVSatzAb=3,0\n", false,
     Strings{"AbDatum", "AVSatzAb"}},
    {"SatzGeaendertFragtJa", Gruppe::Beitragssaetze, "KVSatzZB=3,10\n", true, {}},
    {"SatzGeaendertFragtNein", Gruppe::Beitragssaetze, "KVSatzZB=3,10\n", false,
     Strings{"KVSatzZB"}},
    {"KindergeldAbStill", Gruppe::Kindergeld, "1_Ki=250\n2_KiAb=270\n", std::nullopt,
     Strings{"1_Ki"}},
    {"KindergeldFragtJa", Gruppe::Kindergeld, "AbDatum=1.7.\nWeitere=300\n", true, {}},
};

class OptionenPruefungTest : public OptionenFixture, public testing::WithParamInterface<Fall> {
protected:
    static const char* Sektion(Gruppe gruppe)
    {
        return gruppe == Gruppe::Beitragssaetze ? "Beitragssaetze2026" : "KinderG2026";
    }
    void Speichern(const std::string& sektion, const std::string& eintraege)
    {
        // Another group's entry, which the check must leave alone.
        m_xdg.Schreibe(GemeinsameDatei().substr(m_xdg.Wurzel().string().size()),
                       "[BBG2026]\nBBG_KV=6000\n[" + sektion + "]\n" + eintraege);
    }
    std::string Inhalt() const
    {
        std::ifstream datei(GemeinsameDatei(), std::ios::binary);
        return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
    }
};

TEST_P(OptionenPruefungTest, SetztZurueckStillOderNachFrage)
{
    const Fall& fall = GetParam();
    const std::string sektion = Sektion(fall.gruppe);
    Speichern(sektion, fall.eintraege);
    const std::string vorher = Inhalt();
    const Strings vorherSchluessel = Schluessel(GemeinsameDatei(), sektion);

    int fragen = 0;
    const TOptionenFrage frage = [&](const TDaten& daten) {
        ++fragen;
        EXPECT_EQ(daten.Name(), sektion);
        return fall.antwort.value_or(false);
    };
    std::unique_ptr<TOptionsCheck> pruefung;
    if (fall.gruppe == Gruppe::Beitragssaetze)
        pruefung = std::make_unique<TOptionsBeitragssaetzeCheck>(frage);
    else
        pruefung = std::make_unique<TOptionsKindergeldCheck>(frage);
    EXPECT_EQ(pruefung->Run(), 0);

    EXPECT_EQ(fragen, fall.antwort.has_value() ? 1 : 0);
    EXPECT_EQ(Schluessel(GemeinsameDatei(), sektion), fall.danach);
    EXPECT_EQ(Schluessel(GemeinsameDatei(), "BBG2026"), Strings{"BBG_KV"});
    if (fall.danach == vorherSchluessel) {
        EXPECT_EQ(Inhalt(), vorher) << "nothing reset, nothing written";
    }

    // What was saved is what the program reads at its next start.
    TOptionenVtrl& neu = Neustart();
    const TDaten& daten = fall.gruppe == Gruppe::Beitragssaetze
                              ? static_cast<const TDaten&>(neu.BeitragssaetzeDaten(2026))
                              : neu.KindergeldDaten(2026);
    for (int i = 0; i < daten.ValueCount(); ++i) {
        const TValue& wert = daten.GetValue(i);
        const bool gespeichert =
            std::find(fall.danach.begin(), fall.danach.end(), wert.Name()) != fall.danach.end();
        if (TOptionsCheck::ValueDiffers(wert)) {
            EXPECT_TRUE(gespeichert) << wert.Name();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, OptionenPruefungTest, testing::ValuesIn(kFaelle),
                         [](const testing::TestParamInfo<Fall>& info) { return info.param.name; });

TEST_F(OptionenFixture, OptionenPruefungOhneDateiSchreibtNichts)
{
    int fragen = 0;
    const auto frage = [&](const TDaten&) { return ++fragen > 0; };
    EXPECT_EQ(TOptionsBeitragssaetzeCheck(frage).Run(), 0);
    EXPECT_EQ(TOptionsKindergeldCheck(frage).Run(), 0);
    EXPECT_EQ(fragen, 0);
    EXPECT_FALSE(Vorhanden(GemeinsameDatei()));
}

} // namespace
