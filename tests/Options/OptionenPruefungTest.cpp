#include "Options/OptionenPruefung.h"

#include "MVCFrame/Daten.h"
#include "OptionenFixture.h"
#include "Support/DateiBestand.h"
#include "Support/FileLayerFake.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
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

// The text without the lines of `sektion` (its heading up to the next heading).
std::string OhneSektion(const std::string& text, const std::string& sektion)
{
    std::string rest;
    bool drin = false;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        std::size_t ende = text.find('\n', anfang);
        ende = ende == std::string::npos ? text.size() : ende + 1;
        const std::string zeile = text.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile[0] == '[')
            drin = zeile.rfind("[" + sektion + "]", 0) == 0;
        if (!drin)
            rest += zeile;
        anfang = ende;
    }
    return rest;
}

class OptionenPruefungBasis : public OptionenFixture {
protected:
    static const char* Sektion(Gruppe gruppe)
    {
        return gruppe == Gruppe::Beitragssaetze ? "Beitragssaetze2026" : "KinderG2026";
    }
    void Speichern(const std::string& sektion, const std::string& eintraege)
    {
        // Other groups' entries, comments and odd spacing, which the check must leave alone.
        m_xdg.Schreibe(GemeinsameDatei().substr(m_xdg.Wurzel().string().size()),
                       "; eigene Werte\r\n[BBG2026]\nBBG_KV = 6000\n\n[" + sektion + "]\n" +
                           eintraege + "[Kammern2027]\n; Bremen\nBeitragssatzBr=0,2\n");
    }
    std::string Inhalt() const
    {
        std::ifstream datei(GemeinsameDatei(), std::ios::binary);
        return {std::istreambuf_iterator<char>(datei), std::istreambuf_iterator<char>()};
    }
};

class OptionenPruefungTest : public OptionenPruefungBasis,
                             public testing::WithParamInterface<Fall> {};

TEST_P(OptionenPruefungTest, SetztZurueckStillOderNachFrage)
{
    const Fall& fall = GetParam();
    const std::string sektion = Sektion(fall.gruppe);
    Speichern(sektion, fall.eintraege);
    const std::string vorher = Inhalt();
    const Strings vorherSchluessel = Schluessel(GemeinsameDatei(), sektion);

    int fragen = 0;
    const TOptionenFrage frage = [&](TOptionenSeite seite) {
        ++fragen;
        EXPECT_EQ(seite, fall.gruppe == Gruppe::Beitragssaetze ? osBeitragssaetze : osKindergeld);
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
    EXPECT_EQ(OhneSektion(Inhalt(), sektion), OhneSektion(vorher, sektion))
        << "other groups stay byte for byte";
    if (fall.danach == vorherSchluessel) {
        EXPECT_EQ(Inhalt(), vorher) << "nothing reset, nothing written";
    }

    // What was saved is what the program reads at its next start.
    const bool geschrieben = Inhalt() != vorher;
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
        } else if (geschrieben) {
            EXPECT_FALSE(gespeichert) << wert.Name() << ": a saved default leaves no key";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, OptionenPruefungTest, testing::ValuesIn(kFaelle),
                         [](const testing::TestParamInfo<Fall>& info) { return info.param.name; });

TEST_F(OptionenFixture, OptionenPruefungOhneDateiSchreibtNichts)
{
    const auto vorher = DateiBestand(m_xdg.Wurzel());
    int fragen = 0;
    const auto frage = [&](TOptionenSeite) { return ++fragen > 0; };
    EXPECT_EQ(TOptionsBeitragssaetzeCheck(frage).Run(), 0);
    EXPECT_EQ(TOptionsKindergeldCheck(frage).Run(), 0);
    EXPECT_EQ(fragen, 0);
    EXPECT_EQ(DateiBestand(m_xdg.Wurzel()), vorher) << "no file created or changed";
}

TEST_F(OptionenPruefungBasis, UnlesbareOptionenSindEinFehler)
{
    // A shared options file that cannot be read would look like the defaults.
    std::filesystem::create_directories(GemeinsameDatei());
    int fragen = 0;
    const auto frage = [&](TOptionenSeite) { return ++fragen > 0; };
    try {
        TOptionsBeitragssaetzeCheck(frage).Run();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("Die Optionen können nicht gelesen werden\n" +
                                             GemeinsameDatei()),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(fragen, 0);
}

TEST_F(OptionenPruefungBasis, GescheitertesSpeichernIstEinFehler)
{
    const struct {
        const char* name;
        const char* eintraege;
    } faelle[] = {{"silent", "AVSatzAb=3,0\n"}, {"asked", "KVSatzZB=3,10\n"}};
    for (const auto& fall : faelle) {
        Speichern("Beitragssaetze2026", fall.eintraege);
        const std::string vorher = Inhalt();
        Neustart();
        TFileLayerFake platte;
        platte.Scheitern(TFileLayerFake::Schritt::Schreiben, ENOSPC);
        EXPECT_THROW(TOptionsBeitragssaetzeCheck([](TOptionenSeite) { return true; }).Run(),
                     EIniFileError)
            << fall.name;
        EXPECT_EQ(Inhalt(), vorher) << fall.name;
    }
}

} // namespace
