#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/StammListe.h"
#include "Engine/Stammdaten/Waehrung.h"

#include "Lib/Component.h"
#include "Lib/Exception.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/StringListValue.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <typeinfo>

namespace {

std::string Lesen(const std::string& datei)
{
    std::ifstream in(datei, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Schreiben(const std::string& datei, const std::string& inhalt)
{
    std::filesystem::create_directories(std::filesystem::path(datei).parent_path());
    std::ofstream(datei, std::ios::binary) << inhalt;
}

// Funds and currencies in the temporary home's data directory.
class StammdatenTest : public testing::Test {
protected:
    void SetUp() override { VerzeichnisseVtrl().SetBasisPfad("Tovar\\XoLStTab\\"); }

    std::unique_ptr<TKasse> NeueKasse(const std::string& name)
    {
        auto kasse = MakeComponent<TKasse>(nullptr, "Kasse");
        kasse->KasseDaten().Bezeichnung().SetValue(name);
        return kasse;
    }
    std::unique_ptr<TKasse> Geladen(const std::string& name)
    {
        auto kasse = MakeComponent<TKasse>(nullptr, "Kasse");
        kasse->LoadKasse(name);
        return kasse;
    }
    TStrings KassenListe()
    {
        auto kassen = MakeComponent<TKassen>(nullptr, "Kassen");
        kassen->Laden();
        return kassen->KassenDaten().Krankenkassen().Items();
    }
    std::unique_ptr<TWaehrung> NeueWaehrung(const std::string& name, const std::string& kuerzel,
                                            double kurs)
    {
        auto waehrung = MakeComponent<TWaehrung>(nullptr, "Waehrung");
        waehrung->WaehrungDaten().Bezeichnung().SetValue(name);
        waehrung->WaehrungDaten().Kuerzel().SetValue(kuerzel);
        waehrung->WaehrungDaten().Kurs().SetValue(kurs);
        return waehrung;
    }
    std::unique_ptr<TWaehrung> GeladeneWaehrung(const std::string& name)
    {
        auto waehrung = MakeComponent<TWaehrung>(nullptr, "Waehrung");
        waehrung->Laden(name);
        return waehrung;
    }

    TOptionenUmgebung umgebung;
};

// ---- Funds ------------------------------------------------------------------------------------

TEST_F(StammdatenTest, FundRoundTripWithUmlautsAndSpacing)
{
    auto kasse = NeueKasse("  Öko-BKK  Süd\t");
    TKasseDaten& d = kasse->KasseDaten();
    d.BeitragssatzG().SetValue(14.6);
    d.BeitragssatzF().SetValue(14.0);
    d.Zusatzbeitragssatz().SetValue(2.45);
    d.PVSachsen().SetValue(true);
    kasse->SaveKasse();
    EXPECT_EQ(d.Bezeichnung().GetValue(), "Öko-BKK  Süd") << "blanks at the ends are dropped";

    EXPECT_EQ(KassenListe(), TStrings{"Öko-BKK  Süd"});
    auto wieder = Geladen("Öko-BKK  Süd");
    const TKasseDaten& w = wieder->KasseDaten();
    EXPECT_TRUE(w.IsOK().GetValue());
    EXPECT_DOUBLE_EQ(w.BeitragssatzG().GetValue(), 14.6);
    EXPECT_DOUBLE_EQ(w.BeitragssatzF().GetValue(), 14.0);
    EXPECT_DOUBLE_EQ(w.Zusatzbeitragssatz().GetValue(), 2.45);
    EXPECT_TRUE(w.PVSachsen().GetValue());
    EXPECT_FALSE(w.BBGOstKV().GetValue());
}

TEST_F(StammdatenTest, FundWrittenByHandWithOddSpacing)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\r\n  N0 =  Große Kasse  \r\n\r\n"
                                 "[ Große Kasse ]\r\nBeitragssatz_G = 14,6\r\n");
    EXPECT_EQ(KassenListe(), TStrings{"Große Kasse"});
    auto kasse = Geladen("Große Kasse");
    EXPECT_DOUBLE_EQ(kasse->KasseDaten().BeitragssatzG().GetValue(), 14.6);
    EXPECT_DOUBLE_EQ(kasse->KasseDaten().Zusatzbeitragssatz().GetValue(), 0.0)
        << "a missing key loads its default";
}

struct NamensFall {
    const char* name;
    const char* bezeichnung;
};

const NamensFall kVerboteneNamen[] = {
    {"list_section", "Krankenkassen"},
    {"list_section_other_case", "KRANKENKASSEN"},
    {"list_section_padded", " Krankenkassen "},
    {"empty", ""},
    {"blanks_only", "  \t "},
    {"open_bracket", "AOK [alt]"},
    {"close_bracket", "AOK]"},
    {"equals", "A=B"},
    {"leading_semicolon", ";AOK"},
    {"line_break", "AOK\nBayern"},
    {"carriage_return", "AOK\rBayern"},
};

class KassenNamenTest : public StammdatenTest, public testing::WithParamInterface<NamensFall> {};
TEST_P(KassenNamenTest, RefusedWithTheFileUnchanged)
{
    const std::string vorher = "[Krankenkassen]\nN0=AOK\n\n[AOK]\nBeitragssatz_G=14,6\n";
    Schreiben(KassenDateiName(), vorher);
    auto kasse = NeueKasse(GetParam().bezeichnung);
    EXPECT_THROW(kasse->SaveKasse(), Exception);
    EXPECT_EQ(Lesen(KassenDateiName()), vorher);
}
INSTANTIATE_TEST_SUITE_P(Engine, KassenNamenTest, testing::ValuesIn(kVerboteneNamen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(StammdatenTest, DuplicateNameIsAnIndexError)
{
    const std::string vorher = "[Krankenkassen]\nN0=AOK\n";
    Schreiben(KassenDateiName(), vorher);
    auto kasse = NeueKasse("aok");
    try {
        kasse->SaveKasse();
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Indexfehler: \"aok\" ist bereits vorhanden");
    }
    EXPECT_EQ(Lesen(KassenDateiName()), vorher);
}

TEST_F(StammdatenTest, RenameToATakenNameIsAnIndexError)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\nN0=AOK\nN1=BKK\n");
    auto kasse = Geladen("BKK");
    kasse->KasseDaten().Bezeichnung().SetValue("AOK");
    EXPECT_THROW(kasse->SaveKasse(), Exception);
}

TEST_F(StammdatenTest, SavingALoadedFundKeepsItsKeyDespiteGaps)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\nN0=AOK\nN5=BKK\n");
    auto kasse = Geladen("BKK");
    kasse->KasseDaten().BeitragssatzG().SetValue(14.6);
    kasse->SaveKasse();
    kasse->SaveKasse();
    EXPECT_EQ(Lesen(KassenDateiName()),
              "[Krankenkassen]\nN0=AOK\nN5=BKK\n\n[BKK]\nBeitragssatz_G=14,6\n");
    EXPECT_EQ(KassenListe(), (TStrings{"AOK", "BKK"}));
}

TEST_F(StammdatenTest, AnEditedCopyOfALoadedFundSavesOverIt)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\nN0=AOK\nN5=BKK\n");
    const auto kasse = Geladen("BKK");
    const auto kopie = kasse->Clone();
    auto& bearbeitet = dynamic_cast<TKasse&>(*kopie);
    EXPECT_FALSE(bearbeitet.IsNew());
    bearbeitet.KasseDaten().BeitragssatzG().SetValue(14.6);
    bearbeitet.SaveKasse();
    EXPECT_EQ(Lesen(KassenDateiName()),
              "[Krankenkassen]\nN0=AOK\nN5=BKK\n\n[BKK]\nBeitragssatz_G=14,6\n");
}

TEST_F(StammdatenTest, NewFundTakesTheFirstFreeKey)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\nN0=AOK\nN5=BKK\n");
    NeueKasse("IKK")->SaveKasse();
    EXPECT_EQ(Lesen(KassenDateiName()), "[Krankenkassen]\nN0=AOK\nN5=BKK\nN1=IKK\n");
}

TEST_F(StammdatenTest, FullListIsAnErrorWithNothingWritten)
{
    std::string vorher = "[Krankenkassen]\n";
    for (int i = 0; i <= TStammListe::kMaxSchluessel; ++i)
        vorher += "N" + std::to_string(i) + "=K" + std::to_string(i) + "\n";
    Schreiben(KassenDateiName(), vorher);
    EXPECT_THROW(NeueKasse("Neue Kasse")->SaveKasse(), Exception);
    EXPECT_EQ(Lesen(KassenDateiName()), vorher);
}

TEST_F(StammdatenTest, RenamingKeepsTheOldFund)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\nN0=AOK\n[AOK]\nBeitragssatz_G=14,6\n");
    auto kasse = Geladen("AOK");
    kasse->KasseDaten().Bezeichnung().SetValue("AOK Plus");
    kasse->SaveKasse();
    EXPECT_EQ(KassenListe(), (TStrings{"AOK", "AOK Plus"}));
    EXPECT_DOUBLE_EQ(Geladen("AOK")->KasseDaten().BeitragssatzG().GetValue(), 14.6);
    EXPECT_DOUBLE_EQ(Geladen("AOK Plus")->KasseDaten().BeitragssatzG().GetValue(), 14.6);
}

TEST_F(StammdatenTest, DeletingTwoSelectedFunds)
{
    Schreiben(KassenDateiName(), "[Krankenkassen]\nN0=A\nN1=B\nN2=C\nN3=D\n"
                                 "[A]\nBeitragssatz_G=1\n[B]\nBeitragssatz_G=2\n"
                                 "[C]\nBeitragssatz_G=3\n[D]\nBeitragssatz_G=4\n");
    auto kassen = MakeComponent<TKassen>(nullptr, "Kassen");
    kassen->Laden();
    TKassenDaten& d = kassen->KassenDaten();
    EXPECT_FALSE(d.LoeschenFlag().GetValue());
    d.Krankenkassen().SetSelected(0, true);
    EXPECT_TRUE(d.OKFlag().GetValue());
    d.Krankenkassen().SetSelected(2, true);
    EXPECT_TRUE(d.LoeschenFlag().GetValue());
    EXPECT_FALSE(d.OKFlag().GetValue());
    kassen->MarkierteLoeschen();
    EXPECT_EQ(d.Krankenkassen().Items(), (TStrings{"B", "D"}));
    EXPECT_FALSE(d.LoeschenFlag().GetValue());
    EXPECT_EQ(Lesen(KassenDateiName()),
              "[Krankenkassen]\nN0=B\nN1=D\n[B]\nBeitragssatz_G=2\n[D]\nBeitragssatz_G=4\n");
}

TEST_F(StammdatenTest, DeletingNeverErasesTheListOrASectionStillInUse)
{
    // Written by hand: an entry named like the list, and a name listed twice.
    Schreiben(KassenDateiName(),
              "[Krankenkassen]\nN0=Krankenkassen\nN1=A\nN2=A\n[A]\nBeitragssatz_G=1\n");
    auto kassen = MakeComponent<TKassen>(nullptr, "Kassen");
    kassen->Laden();
    kassen->KassenDaten().Krankenkassen().SetSelected(0, true);
    kassen->KassenDaten().Krankenkassen().SetSelected(1, true);
    kassen->MarkierteLoeschen();
    EXPECT_EQ(Lesen(KassenDateiName()), "[Krankenkassen]\nN0=A\n[A]\nBeitragssatz_G=1\n");
}

TEST_F(StammdatenTest, CopiesOfEntriesAndListsWorkLikeTheirOriginals)
{
    NeueKasse("AOK")->SaveKasse();
    NeueWaehrung("Pfund", "GBP", 0.85)->Speichern();
    const std::unique_ptr<TBerechnung> originale[] = {
        Geladen("AOK"), GeladeneWaehrung("Pfund"), MakeComponent<TKassen>(nullptr, "Kassen"),
        MakeComponent<TWaehrungen>(nullptr, "Waehrungen")};
    dynamic_cast<TKassen&>(*originale[2]).Laden();
    dynamic_cast<TWaehrungen&>(*originale[3]).Laden();
    for (const auto& original : originale) {
        std::unique_ptr<TBerechnung> kopie;
        ASSERT_NO_THROW(kopie = original->Clone()) << typeid(*original).name();
        EXPECT_EQ(typeid(*kopie), typeid(*original));
        EXPECT_TRUE(kopie->Daten().Equals(original->Daten())) << typeid(*original).name();
    }

    // A copy of a loaded fund saves over it, a copy of a new one is new.
    auto kopie = Geladen("AOK")->Clone();
    auto& kasse = dynamic_cast<TKasse&>(*kopie);
    EXPECT_FALSE(kasse.IsNew());
    kasse.KasseDaten().Zusatzbeitragssatz().SetValue(1.9);
    EXPECT_NO_THROW(kasse.SaveKasse());
    EXPECT_EQ(KassenListe(), TStrings{"AOK"});
    auto neu = NeueKasse("AOK")->Clone();
    EXPECT_THROW(dynamic_cast<TKasse&>(*neu).SaveKasse(), Exception);
}

TEST_F(StammdatenTest, FirstSaveCreatesTheDirectory)
{
    ASSERT_EQ(KassenDateiName(), umgebung.Xdg().Data() + "Tovar/XoLStTab/SVBEITRG.INI");
    ASSERT_EQ(WaehrungenDateiName(), umgebung.Xdg().Data() + "Tovar/XoLStTab/WAEHRUNG.INI");
    ASSERT_FALSE(std::filesystem::exists(KassenDateiName()));
    NeueKasse("AOK")->SaveKasse();
    EXPECT_EQ(Lesen(KassenDateiName()), "[Krankenkassen]\nN0=AOK\n");
}

TEST_F(StammdatenTest, IsOKFollowsTheName)
{
    auto kasse = NeueKasse("");
    EXPECT_FALSE(kasse->KasseDaten().IsOK().GetValue());
    kasse->KasseDaten().Bezeichnung().SetValue("AOK");
    EXPECT_TRUE(kasse->KasseDaten().IsOK().GetValue());
    EXPECT_TRUE(kasse->IsNew());
}

// ---- Currencies -------------------------------------------------------------------------------

TEST_F(StammdatenTest, CurrencyRoundTripWithUmlauts)
{
    NeueWaehrung("Dänische Krone", "dkr", 7.46)->Speichern();
    NeueWaehrung(" Schweizer  Franken ", "sFr", 0.93512)->Speichern();
    auto waehrungen = MakeComponent<TWaehrungen>(nullptr, "Waehrungen");
    waehrungen->Laden();
    EXPECT_EQ(waehrungen->WaehrungenDaten().Waehrungen().Items(),
              (TStrings{"Dänische Krone", "Schweizer  Franken", "DM", "Euro"}));
    auto franken = GeladeneWaehrung("Schweizer  Franken");
    EXPECT_EQ(franken->WaehrungDaten().Kuerzel().GetValue(), "sFr");
    EXPECT_DOUBLE_EQ(franken->WaehrungDaten().Kurs().GetValue(), 0.93512);
    EXPECT_TRUE(franken->WaehrungDaten().IsOK().GetValue());
}

TEST_F(StammdatenTest, BuiltInCurrenciesKeepTheirRates)
{
    Schreiben(WaehrungenDateiName(), "[Waehrungen]\nN0=Euro\nN1=Pfund\n"
                                     "[Euro]\nKurs=2\n[DM]\nKuerzel=DEM\nKurs=3\n"
                                     "[Pfund]\nKuerzel=GBP\nKurs=0,85\n");
    auto euro = GeladeneWaehrung("Euro");
    EXPECT_DOUBLE_EQ(euro->WaehrungDaten().Kurs().GetValue(), 1.0);
    EXPECT_EQ(euro->WaehrungDaten().Kuerzel().GetValue(), "Euro");
    auto dm = GeladeneWaehrung("DM");
    EXPECT_DOUBLE_EQ(dm->WaehrungDaten().Kurs().GetValue(), 1.95583);
    EXPECT_EQ(dm->WaehrungDaten().Kuerzel().GetValue(), "DEM");

    auto waehrungen = MakeComponent<TWaehrungen>(nullptr, "Waehrungen");
    waehrungen->Laden();
    EXPECT_EQ(waehrungen->WaehrungenDaten().Waehrungen().Items(),
              (TStrings{"Pfund", "DM", "Euro"}));
    EXPECT_FALSE(waehrungen->WaehrungenDaten().LoeschenFlag().GetValue());
}

TEST_F(StammdatenTest, RefusedCurrenciesLeaveTheFileUnchanged)
{
    const std::string vorher = "[Waehrungen]\nN0=Pfund\n[Pfund]\nKuerzel=GBP\nKurs=0,85\n";
    Schreiben(WaehrungenDateiName(), vorher);
    const struct {
        const char* name;
        double kurs;
    } faelle[] = {{"Krone", 0.0},      {"Krone", -7.46}, {"Euro", 1.0},  {"dm", 1.95583},
                  {"Waehrungen", 1.0}, {"A=B", 1.0},     {"pfund", 0.86}};
    for (const auto& f : faelle) {
        EXPECT_THROW(NeueWaehrung(f.name, "X", f.kurs)->Speichern(), Exception) << f.name;
        EXPECT_EQ(Lesen(WaehrungenDateiName()), vorher) << f.name;
    }
}

TEST_F(StammdatenTest, CurrencyWithoutRateIsNotOK)
{
    auto krone = NeueWaehrung("Krone", "kr", 0.0);
    EXPECT_FALSE(krone->WaehrungDaten().IsOK().GetValue());
    krone->WaehrungDaten().Kurs().SetValue(7.46);
    EXPECT_TRUE(krone->WaehrungDaten().IsOK().GetValue());
}

TEST_F(StammdatenTest, DeletingEuroWithAnotherDeletesOnlyTheOther)
{
    Schreiben(WaehrungenDateiName(), "[Waehrungen]\nN0=Pfund\nN1=Krone\n"
                                     "[Pfund]\nKurs=0,85\n[Krone]\nKurs=7,46\n");
    auto waehrungen = MakeComponent<TWaehrungen>(nullptr, "Waehrungen");
    waehrungen->Laden();
    TStringListValue& liste = waehrungen->WaehrungenDaten().Waehrungen();
    liste.SetSelected(0, true);
    liste.SetSelected(2, true);
    liste.SetSelected(3, true);
    waehrungen->MarkierteLoeschen();
    EXPECT_EQ(liste.Items(), (TStrings{"Krone", "DM", "Euro"}));
    EXPECT_EQ(Lesen(WaehrungenDateiName()), "[Waehrungen]\nN0=Krone\n[Krone]\nKurs=7,46\n");
}

TEST(Waehrung, MarksUpTo2001EuroFrom2002)
{
    EXPECT_STREQ(WaehrungDesJahres(2001), "DM");
    EXPECT_STREQ(WaehrungDesJahres(2002), "Euro");
}

} // namespace
