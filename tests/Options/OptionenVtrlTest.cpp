#include "Options/OptionenVtrl.h"

#include "Lib/Exception.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/StringValue.h"
#include "OptionenFixture.h"
#include "Options/OptionenTabelle.h"
#include "Options/Options.h"
#include "Support/FileLayerFake.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using Strings = std::vector<std::string>;

std::string TempLesen(const std::string& datei)
{
    std::ifstream in(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class OptionenVtrlTest : public OptionenFixture {};

TEST_F(OptionenVtrlTest, GroupsInTheirOrder)
{
    TOptionenVtrl& o = Starten();
    Strings namen;
    for (int i = 0; i < o.BerechnungCount(); ++i)
        namen.push_back(o.GetBerechnung(i).Name());
    EXPECT_EQ(namen,
              (Strings{"BenutzerOptionen", "KammernAllg", "KinderG2026", "BBG2026",
                       "Beitragssaetze2026", "Gleitzone2026", "Kammern2026", "KinderG2027",
                       "BBG2027", "Beitragssaetze2027", "Gleitzone2027", "Kammern2027", "Update"}));
    EXPECT_EQ(o.Name(), "Optionen");
}

TEST_F(OptionenVtrlTest, FreshInstallationHasTheStatutoryDefaults)
{
    TOptionenVtrl& o = Starten();
    const TOptionenBeitragssaetzeDaten& s = o.Beitragssatz(2026);
    const double saetze[] = {2.6, 14.0, 14.6, 13.0, 5.0, 2.9, 3.6, 0.6, 18.6, 15.0, 5.0};
    for (int index = 1; index <= 11; ++index)
        EXPECT_DOUBLE_EQ(s.GetSatz(1, index), saetze[index - 1]) << "rate " << index;
    EXPECT_DOUBLE_EQ(o.BBGDaten(2026).GetBBGRV(true, false), 8450);
    EXPECT_DOUBLE_EQ(o.BBGDaten(2026).GetBBGRV(false, true), 10400);
    EXPECT_DOUBLE_EQ(o.BBGDaten(2026).GetBBGKV(), 5812.50);
    EXPECT_DOUBLE_EQ(o.BBGDaten(2027).GetBBGRV(false, false), 8850);
    EXPECT_DOUBLE_EQ(o.BBGDaten(2027).GetBBGKV(), 6112.50);
    for (int kind = 1; kind <= 6; ++kind)
        EXPECT_DOUBLE_EQ(o.KindergeldDaten(2026).GetKindergeld(12, kind), 259);
    EXPECT_DOUBLE_EQ(o.GleitzoneDaten(2026).GesamtSVSatz(), 42.30);
    EXPECT_DOUBLE_EQ(o.GleitzoneDaten(2026).Faktor(), 0.6619);
    EXPECT_DOUBLE_EQ(o.KammernDaten(2027).FreigrenzeBr(), 633.01);
    EXPECT_DOUBLE_EQ(o.KammernDaten(2027).BeitragssatzSL(), 0.15);
    EXPECT_EQ(o.KammernAllgDaten().BezeichnungBr(), "Arbeitnehmerkammer Bremen");
    EXPECT_TRUE(o.AllgemeinDaten().FetteSchrift()) << "the program's default is bold";
    EXPECT_FALSE(o.KindergeldDaten(2026).FindValue("1_KiAb")->IsEnabled());

    o.Save(true);
    EXPECT_FALSE(Vorhanden(GemeinsameDatei())) << "nothing differs from the defaults";
    EXPECT_FALSE(Vorhanden(BenutzerDatei()));
}

// A save writes each options file once, however many values changed; a file failing leaves it
// as it was, without a value of this save in it.
TEST_F(OptionenVtrlTest, ASaveWritesEachFileOnceAllOrNothing)
{
    TOptionenVtrl& o = Starten();
    o.AllgemeinDaten().Schalter("EuroSymbol").SetValue(true);
    o.AllgemeinDaten().Schalter("Statuszeile").SetValue(false);
    o.BBGDaten(2026).FindValue("BBG_KV")->SetAsString("6.000,00");
    o.BeitragssaetzeDaten(2027).FindValue("RVSatz")->SetAsString("19,0");
    {
        TFileLayerFake schicht;
        o.Save(true);
        EXPECT_EQ(schicht.Geschrieben(), (Strings{BenutzerDatei(), GemeinsameDatei()}));
    }
    const std::string vorher = TempLesen(GemeinsameDatei());
    o.BBGDaten(2027).FindValue("BBG_KV")->SetAsString("7.000,00");
    o.BeitragssaetzeDaten(2026).FindValue("RVSatz")->SetAsString("20,0");
    TFileLayerFake schicht;
    schicht.Scheitern(TFileLayerFake::Schritt::Sync, EIO, GemeinsameDatei());
    EXPECT_THROW(o.Save(true), EIniFileError);
    EXPECT_EQ(TempLesen(GemeinsameDatei()), vorher);
}

TEST_F(OptionenVtrlTest, SavedAndReadBackKeepingOnlyWhatDiffers)
{
    TOptionenVtrl& o = Starten();
    o.BBGDaten(2026).FindValue("BBG_KV")->SetAsString("6.000,00");
    o.BeitragssaetzeDaten(2027).FindValue("RVSatz")->SetAsString("19,0");
    o.KammernAllgDaten().FindValue("BezeichnungSL")->SetAsString("Kammer SL");
    o.AllgemeinDaten().Schalter("EuroSymbol").SetValue(true);
    o.AllgemeinDaten().Schalter("Statuszeile").SetValue(false);
    ASSERT_FALSE(std::filesystem::exists(m_xdg.Data() + "Tovar")) << "created by the save";
    o.Save(true);

    // Each file holds its own groups, and only the keys that differ from the defaults.
    EXPECT_EQ(TIniFile(BenutzerDatei()).ReadSections(), Strings{"BenutzerOptionen"});
    EXPECT_EQ(Schluessel(BenutzerDatei(), "BenutzerOptionen"),
              (Strings{"EuroSymbol", "Statuszeile"}));
    EXPECT_EQ(TIniFile(GemeinsameDatei()).ReadSections(),
              (Strings{"KammernAllg", "BBG2026", "Beitragssaetze2027"}));
    EXPECT_EQ(Schluessel(GemeinsameDatei(), "BBG2026"), Strings{"BBG_KV"});
    EXPECT_EQ(TIniFile(GemeinsameDatei()).ReadString("BBG2026", "BBG_KV", ""), "6.000,00");
    EXPECT_EQ(TIniFile(GemeinsameDatei()).ReadString("Beitragssaetze2027", "RVSatz", ""), "19,0");

    TOptionenVtrl& neu = Neustart();
    EXPECT_DOUBLE_EQ(neu.BBGDaten(2026).GetBBGKV(), 6000);
    EXPECT_DOUBLE_EQ(neu.Beitragssatz(2027).GetSatz(1, 9), 19.0);
    EXPECT_DOUBLE_EQ(neu.Beitragssatz(2026).GetSatz(1, 9), 18.6);
    EXPECT_EQ(neu.KammernAllgDaten().BezeichnungSL(), "Kammer SL");
    EXPECT_TRUE(neu.AllgemeinDaten().EuroSymbol());
    EXPECT_TRUE(Optionen().EuroSymbol()) << "the display options follow";

    // Back to the default: the key goes, the section stays.
    neu.BBGDaten(2026).FindValue("BBG_KV")->ResetToDefault();
    neu.Save(true);
    EXPECT_TRUE(Schluessel(GemeinsameDatei(), "BBG2026").empty());
}

TEST_F(OptionenVtrlTest, WithoutSavingOnExitOnlyTheSwitchAndUpdateAreWritten)
{
    TOptionenVtrl& o = Starten();
    o.AllgemeinDaten().Schalter("BeimBeendenSpeichern").SetValue(false);
    o.AllgemeinDaten().Schalter("Statuszeile").SetValue(false);
    o.BBGDaten(2026).FindValue("BBG_KV")->SetAsString("6.000,00");
    o.UpdateDaten().FindValue("UpdateRhythmus")->SetAsString("Woche");
    o.Save(false);
    EXPECT_EQ(Schluessel(BenutzerDatei(), "BenutzerOptionen"), Strings{"BeimBeendenSpeichern"});
    EXPECT_EQ(TIniFile(GemeinsameDatei()).ReadSections(), Strings{"Update"});
    EXPECT_EQ(TIniFile(GemeinsameDatei()).ReadString("Update", "UpdateRhythmus", ""), "Woche");

    o.Save(true);
    EXPECT_EQ(Schluessel(GemeinsameDatei(), "BBG2026"), Strings{"BBG_KV"});
}

struct BereichFall {
    const char* name;
    const char* sektion;
    const char* schluessel;
    const char* gespeichert;
    double wert; // what the option holds after the start
};

// Rates lie within 0 to 100 percent, amounts within 0 to a million euro a month; a stored value
// beyond is refused like any bad input, and the default holds.
const BereichFall kBereichFaelle[] = {
    {"additional_rate_huge", "Beitragssaetze2026", "KVSatzZB", "999999999999999999", 2.9},
    {"pension_rate_negative", "Beitragssaetze2026", "RVSatz", "-18,6", 18.6},
    {"valid_from_rate_above_100", "Beitragssaetze2027", "PVSatzAb", "100,01", 3.6},
    {"ceiling_negative", "BBG2026", "BBG_KV", "-5.812,50", 5812.5},
    {"ceiling_huge", "BBG2027", "BBG_RV_W", "99999999", 8850},
    {"child_benefit_negative", "KinderG2026", "1_Ki", "-259", 259},
    {"total_rate_above_100", "Gleitzone2026", "GesamtSVSatz", "142,30", 42.3},
    {"chamber_limit_negative", "Kammern2026", "FreigrenzeBr", "-1", 603.01},
    {"rate_100_taken", "Beitragssaetze2026", "AVSatz", "100", 100},
    {"rate_0_taken", "Beitragssaetze2026", "KVSatzZB", "0", 0},
    {"ceiling_a_million_taken", "BBG2026", "BBG_KV", "1.000.000", 1000000},
};

class BereichTest : public OptionenFixture, public testing::WithParamInterface<BereichFall> {};

TEST_P(BereichTest, StoredValuesOutOfRangeAreRefused)
{
    const BereichFall& f = GetParam();
    const std::string inhalt =
        std::string("[") + f.sektion + "]\n" + f.schluessel + "=" + f.gespeichert + "\n";
    m_xdg.Schreibe(GemeinsameDatei().substr(m_xdg.Wurzel().string().size()), inhalt);
    TOptionenVtrl& o = Starten();
    const TDaten* gruppe = nullptr;
    for (int i = 0; i < o.BerechnungCount(); ++i)
        if (o.GetBerechnung(i).Name() == f.sektion)
            gruppe = &o.GetBerechnung(i).Daten();
    ASSERT_NE(gruppe, nullptr);
    const auto* wert = dynamic_cast<const TDouble*>(gruppe->FindValue(f.schluessel));
    ASSERT_NE(wert, nullptr);
    EXPECT_DOUBLE_EQ(wert->GetStoredValue(), f.wert) << f.gespeichert;
    std::ifstream datei(GemeinsameDatei(), std::ios::binary);
    const std::string jetzt((std::istreambuf_iterator<char>(datei)), {});
    EXPECT_EQ(jetzt, inhalt) << "reading writes nothing";
}

INSTANTIATE_TEST_SUITE_P(Options, BereichTest, testing::ValuesIn(kBereichFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

struct OrdnerFall {
    const char* name;
    const char* unterordner; // below the temporary root; the shared options go there
    const char* meldung;     // the start of the message
};

// A missing directory is created and the file written once more; one that cannot be created
// is reported at once, without writing again and again.
const OrdnerFall kOrdnerFaelle[] = {
    {"dangling_link", "verweis/Tovar/", "Das Verzeichnis kann nicht erstellt werden"},
    {"file_in_the_way", "datei/Tovar/", "nach "},
};

class OrdnerTest : public OptionenFixture, public testing::WithParamInterface<OrdnerFall> {};
TEST_P(OrdnerTest, ADirectoryThatCannotBeCreatedIsReported)
{
    const OrdnerFall& f = GetParam();
    std::filesystem::create_symlink(m_xdg.Wurzel() / "gibtesnicht", m_xdg.Wurzel() / "verweis");
    m_xdg.Schreibe("prog/Pfade.ini", "[Verzeichnisse]\nOptionenDatei=(Anderes)\n"
                                     "OptionenDateiPfad=" +
                                         (m_xdg.Wurzel() / f.unterordner).string() + "\n");
    TOptionenVtrl& o = Starten();
    // Put in the way after the start: one there at the start is told then (the file cannot be
    // read) and left alone.
    m_xdg.Schreibe("datei", "eine Datei");
    o.BBGDaten(2026).FindValue("BBG_KV")->SetAsString("6.000,00");
    o.AllgemeinDaten().Schalter("Statuszeile").SetValue(false);
    try {
        o.Save(true);
        FAIL() << "saved into " << f.unterordner;
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()).rfind(f.meldung, 0), 0u) << e.what();
    }
    EXPECT_TRUE(Vorhanden(BenutzerDatei())) << "the user's file was written before";
}
INSTANTIATE_TEST_SUITE_P(Options, OrdnerTest, testing::ValuesIn(kOrdnerFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(OptionenVtrlTest, ValidFromMonthSwitchesToTheAbValues)
{
    TOptionenVtrl& o = Starten();
    TOptionenBeitragssaetzeDaten& s = o.BeitragssaetzeDaten(2026);
    s.FindValue("RVSatzAb")->SetAsString("18,8");
    EXPECT_DOUBLE_EQ(s.GetSatz(7, 9), 18.6) << "no change month yet";
    s.FindValue("AbDatum")->SetAsString("1.7.");
    EXPECT_EQ(s.AbMonat(), 7);
    EXPECT_TRUE(s.FindValue("RVSatzAb")->IsEnabled());
    EXPECT_DOUBLE_EQ(s.GetSatz(6, 9), 18.6);
    EXPECT_DOUBLE_EQ(s.GetSatz(7, 9), 18.8);
    EXPECT_DOUBLE_EQ(s.GetSatz(12, 9), 18.8);

    TOptionenKindergeldDaten& k = o.KindergeldDaten(2027);
    k.FindValue("WeitereAb")->SetAsString("300");
    k.FindValue("AbDatum")->SetAsString("1.10.");
    EXPECT_DOUBLE_EQ(k.GetKindergeld(9, 7), 259);
    EXPECT_DOUBLE_EQ(k.GetKindergeld(10, 7), 300);
    EXPECT_DOUBLE_EQ(k.GetKindergeld(10, 4), 259);

    TJahrListe ohne(nullptr, "Jahrliste");
    o.GetAbDaten(ohne, false);
    ASSERT_EQ(ohne.Daten().Count(), 3);
    EXPECT_EQ(ohne.Daten().Get(1).jahr, 2026);
    EXPECT_EQ(ohne.Daten().Get(1).monat, 7);
    EXPECT_EQ(ohne.Daten().Get(2).jahr, 2027);
    EXPECT_EQ(ohne.Daten().Get(2).monat, 1);
    TJahrListe mit(nullptr, "Jahrliste");
    o.GetAbDaten(mit, true);
    ASSERT_EQ(mit.Daten().Count(), 4);
    EXPECT_EQ(mit.Daten().Get(3).monat, 10);

    s.FindValue("AbDatum")->SetAsString("1.1.");
    EXPECT_FALSE(s.FindValue("RVSatzAb")->IsEnabled());
    EXPECT_DOUBLE_EQ(s.GetSatz(7, 9), 18.6);
}

TEST_F(OptionenVtrlTest, YearsOutsideTheOptionYears)
{
    TOptionenVtrl& o = Starten();
    EXPECT_EQ(&o.Beitragssatz(2030), &o.BeitragssaetzeDaten(2027));
    EXPECT_EQ(&o.KindergeldDaten(2031), &o.KindergeldDaten(2027));
    EXPECT_EQ(&o.GleitzoneDaten(2040), &o.GleitzoneDaten(2027));
    struct Fall {
        std::function<void()> aufruf;
        const char* meldung;
    };
    const Fall faelle[] = {
        {[&] { o.Beitragssatz(2025); }, "Jahr zu niedrig (TOptionenVtrl.Beitragssatz)"},
        {[&] { o.KindergeldDaten(2025); }, "Jahr zu niedrig (TOptionenVtrl.KindergeldDaten)"},
        {[&] { o.BBGDaten(1999); }, "Jahr zu niedrig (TOptionenVtrl.BBGDaten)"},
    };
    for (const Fall& f : faelle) {
        try {
            f.aufruf();
            ADD_FAILURE() << "accepted: " << f.meldung;
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), f.meldung);
        }
    }
    try {
        o.Beitragssatz(2026).GetSatz(1, 12);
        ADD_FAILURE() << "index 12 accepted";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(),
                     "Unbekannter Eigenschaftsindex (TOptionenBeitragssaetzeDaten.GetSatz, 12)");
    }
}

TEST_F(OptionenVtrlTest, DisplaySingletonsFollowTheContainerAndTheOtherWay)
{
    TOptionenVtrl& o = Starten();
    EXPECT_TRUE(Optionen().FetteSchrift()) << "taken from the general options at start";
    EXPECT_TRUE(OptionenTabelle().TabellenImVordergrund());

    o.AllgemeinDaten().Schalter("GrosseSchrift").SetValue(true);
    o.AllgemeinDaten().Schalter("TabellenImVordergrund").SetValue(false);
    EXPECT_TRUE(Optionen().GrosseSchrift());
    EXPECT_FALSE(OptionenTabelle().TabellenImVordergrund());

    Optionen().Schalter("FetteSchrift").SetValue(false);
    EXPECT_FALSE(o.AllgemeinDaten().FetteSchrift());
    OptionenTabelle().GetValue(0).SetAsBoolean(true);
    EXPECT_TRUE(o.AllgemeinDaten().TabellenImVordergrund());

    // The options dialog edits a copy and assigns it back on "OK".
    auto kopie = MakeComponent<TOptionenVtrlDaten>(nullptr, "");
    kopie->Assign(o);
    kopie->AllgemeinDaten().Schalter("EuroSymbol").SetValue(true);
    kopie->BBGDaten(2026).FindValue("BBG_KV")->SetAsString("6.100,00");
    EXPECT_FALSE(Optionen().EuroSymbol()) << "the live options change only on OK";
    o.Assign(*kopie);
    EXPECT_TRUE(Optionen().EuroSymbol());
    EXPECT_DOUBLE_EQ(o.BBGDaten(2026).GetBBGKV(), 6100);
}

// A data set that shows amounts in a currency.
class TWaehrungsDaten : public TDaten {
public:
    using TDaten::TDaten;

protected:
    void CreateValues() override { CreateWaehrung(); }
};

TEST_F(OptionenVtrlTest, DataSetsMadeBeforeTheOptionsShowTheStoredCurrencySymbol)
{
    m_xdg.Schreibe("home/.config/Tovar/XoLStTab/OPTIONEN.INI",
                   "[BenutzerOptionen]\nEuroSymbol=1\n");
    Verzeichnisse().SetBasisPfad("Tovar\\XoLStTab\\");
    auto frueher = MakeComponent<TWaehrungsDaten>(nullptr, "Frueher");
    EXPECT_EQ(frueher->FindValue("WaehrungStr")->GetAsString(), "Euro");
    OptionenVtrl();
    EXPECT_EQ(frueher->FindValue("WaehrungStr")->GetAsString(), "\u20ac");
}

TEST_F(OptionenVtrlTest, EuroSymbolReachesEveryOtherDataSet)
{
    TOptionenVtrl& o = Starten();
    auto andere = MakeComponent<TWaehrungsDaten>(nullptr, "Andere");
    EXPECT_EQ(andere->FindValue("WaehrungStr")->GetAsString(), "Euro");
    o.AllgemeinDaten().Schalter("EuroSymbol").SetValue(true);
    EXPECT_EQ(andere->FindValue("WaehrungStr")->GetAsString(), "\u20ac");
    EXPECT_EQ(o.BBGDaten(2026).FindValue("WaehrungStr")->GetAsString(), "\u20ac");
    o.AllgemeinDaten().Schalter("EuroSymbol").SetValue(false);
    EXPECT_EQ(andere->FindValue("WaehrungStr")->GetAsString(), "Euro");
}

TEST_F(OptionenVtrlTest, SharedFileWrittenByHandIsRead)
{
    m_xdg.Schreibe("home/.local/share/Tovar/XoLStTab/OPTIONEN.INI",
                   "[kinderg2026]\n1_Ki=300\nAbDatum=1.4.\n1_KiAb=310\n"
                   "[Gleitzone2027]\nGesamtSVSatz=40,00\nFaktor=9\n"
                   "[BenutzerOptionen]\nEuroSymbol=1\n");
    m_xdg.Schreibe("home/.config/Tovar/XoLStTab/OPTIONEN.INI",
                   "[BenutzerOptionen]\nGrosseSchrift=1\n");
    TOptionenVtrl& o = Starten();
    EXPECT_DOUBLE_EQ(o.KindergeldDaten(2026).GetKindergeld(3, 1), 300);
    EXPECT_DOUBLE_EQ(o.KindergeldDaten(2026).GetKindergeld(4, 1), 310);
    EXPECT_DOUBLE_EQ(o.GleitzoneDaten(2027).Faktor(), 0.7) << "computed, never read";
    EXPECT_TRUE(o.AllgemeinDaten().GrosseSchrift());
    EXPECT_FALSE(o.AllgemeinDaten().EuroSymbol()) << "general options come from the user's file";
}

// Another program (the options check, a second desk on the shared folder) changes the file while
// this one runs: a save writes only the options changed here and leaves every other line as it is.
TEST_F(OptionenVtrlTest, ASaveKeepsWhatAnotherProgramWroteMeanwhile)
{
    const std::string gemeinsam = "home/.local/share/Tovar/XoLStTab/OPTIONEN.INI";
    m_xdg.Schreibe(gemeinsam, "[BBG2026]\nBBG_KV=6000\n[Beitragssaetze2026]\nRVSatz=18,6\n");
    TOptionenVtrl& o = Starten();
    const std::string anderes =
        "[BBG2026]\nBBG_KV=7000\n[Beitragssaetze2026]\nRVSatz=18,6\n; neu\n";
    m_xdg.Schreibe(gemeinsam, anderes);
    o.KindergeldDaten(2026).FindValue("1_Ki")->SetAsString("260");
    o.Save(true);
    EXPECT_EQ(TempLesen(GemeinsameDatei()), anderes + "\n[KinderG2026]\n1_Ki=260\n");
}

TEST_F(OptionenVtrlTest, UpdaterBesideTheProgram)
{
    TOptionenVtrl& o = Starten();
    EXPECT_FALSE(o.UpdaterVerfuegbar());
    m_xdg.Schreibe("prog/XoLStTabUpdater", "#!/bin/sh\n");
    std::filesystem::permissions(m_xdg.Wurzel() / "prog/XoLStTabUpdater",
                                 std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    EXPECT_TRUE(o.UpdaterVerfuegbar());
}

} // namespace

TEST_F(OptionenVtrlTest, EveryGroupCanBeClonedWithItsValues)
{
    TOptionenVtrl& o = Starten();
    o.BeitragssaetzeDaten(2027).FindValue("AbDatum")->SetAsString("01.07.");
    o.BeitragssaetzeDaten(2027).FindValue("RVSatzAb")->SetAsString("19,1");
    o.KammernAllgDaten().FindValue("BezeichnungBr")->SetAsString("Kammer HB");
    for (int i = 0; i < o.BerechnungCount(); ++i) {
        const TBerechnung& gruppe = o.GetBerechnung(i);
        std::unique_ptr<TBerechnung> kopie;
        ASSERT_NO_THROW(kopie = gruppe.Clone()) << gruppe.Name();
        EXPECT_EQ(typeid(*kopie), typeid(gruppe)) << gruppe.Name();
        EXPECT_TRUE(kopie->Daten().Equals(gruppe.Daten())) << gruppe.Name();
    }
    const auto kopie = o.Beitragssaetze(2027).Clone();
    EXPECT_TRUE(kopie->Daten().FindValue("RVSatzAb")->IsEnabled()) << "valid from July";
    EXPECT_DOUBLE_EQ(static_cast<TOptionenBeitragssaetzeDaten&>(kopie->Daten()).GetSatz(7, 9),
                     19.1);
}

TEST_F(OptionenVtrlTest, ValidFromMonthShowsTwoDigitsAndReadsTheShortFormOfEarlierVersions)
{
    m_xdg.Schreibe("home/.local/share/Tovar/XoLStTab/OPTIONEN.INI",
                   "[KinderG2026]\nAbDatum=1.4.\n[Beitragssaetze2026]\nAbDatum=01.09.\n");
    TOptionenVtrl& o = Starten();
    EXPECT_EQ(o.KindergeldDaten(2026).AbMonat(), 4);
    EXPECT_EQ(o.KindergeldDaten(2026).FindValue("AbDatum")->GetAsString(), "01.04.");
    EXPECT_EQ(o.BeitragssaetzeDaten(2026).AbMonat(), 9);
    TStrings captions;
    o.KindergeldDaten(2027).FindValue("AbDatum")->ExecuteCommand("GETLIST", "", captions);
    ASSERT_EQ(captions.size(), 12u);
    EXPECT_EQ(captions.front(), "01.01.");
    EXPECT_EQ(captions.back(), "01.12.");
    // Text that is no date is refused as before: the month stays.
    o.KindergeldDaten(2026).FindValue("AbDatum")->SetAsString("1.13.");
    EXPECT_EQ(o.KindergeldDaten(2026).AbMonat(), 4);
}
