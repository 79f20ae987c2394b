#include "MVCTestSupport.h"

#include "Lib/IniFile.h"
#include "MVCFrame/StringListValue.h"

#include <fstream>

namespace {

struct IniFall {
    const char* name;
    const char* value;
    const char* text;   // set before saving
    const char* stored; // the key's text in the file; nullptr: no key (equal to the default)
};

const IniFall kIniFaelle[] = {
    {"string", "Text", "abc", "abc"},
    {"string_default", "Text", "Vorgabe", nullptr},
    {"double", "Betrag", "1.234,5", "1.234,50"},
    {"double_default", "Betrag", "12,5", nullptr},
    {"integer", "Zahl", "-3", "-3"},
    {"integer_default", "Zahl", "7", nullptr},
    {"boolean_off", "Schalter", "Nein", "0"},
    {"boolean_default", "Schalter", "Ja", nullptr},
    {"date", "Datum", "19900315", "19900315"},
    {"date_default", "Datum", "20260101", nullptr},
    {"lookup_by_caption", "Rhythmus", "Woche", "Woche"},
    {"lookup_default", "Rhythmus", "Tag", nullptr},
    {"minmax", "Jahr", "2001", "2001"},
};

class IniRoundTrip : public MVCTest, public testing::WithParamInterface<IniFall> {};

TEST_P(IniRoundTrip, SavesOnlyWhatDiffersAndReadsItBack)
{
    const IniFall& f = GetParam();
    const std::string datei = Datei("test.ini");
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->FindValue(f.value)->SetAsString(f.text);
    {
        TXIniFile ini(datei);
        daten->SaveToIni(ini, "Seite");
    }
    const TXIniFile ini(datei);
    if (f.stored) {
        EXPECT_EQ(ini.ReadString("Seite", f.value, "<fehlt>"), f.stored);
    }
    EXPECT_EQ(ini.ReadSection("Seite").size(), f.stored ? 1u : 0u);

    auto geladen = MakeComponent<TAlleWerteDaten>(nullptr, "G");
    geladen->FindValue(f.value)->SetAsString(f.text);
    geladen->Reset();
    geladen->LoadFromIni(ini, "Seite");
    EXPECT_TRUE(geladen->Equals(*daten));
}

INSTANTIATE_TEST_SUITE_P(MVCFrame, IniRoundTrip, testing::ValuesIn(kIniFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

class IniTest : public MVCTest {
protected:
    void Schreiben(const std::string& text) { std::ofstream(Datei("test.ini")) << text; }
};

TEST_F(IniTest, MalformedStoredNumbersAndDatesAreRefused)
{
    Schreiben("[D]\nBetrag=viel\nZahl=12abc\nSchalter=Ja\nDatum=20261332\nJahr=3000\n"
              "Rhythmus=Jahr\n");
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->zahl->SetValue(5);
    const TXIniFile ini(Datei("test.ini"));
    daten->LoadFromIni(ini, "");
    EXPECT_EQ(daten->betrag->GetAsString(), "12,50");
    EXPECT_EQ(daten->zahl->GetValue(), 5);
    EXPECT_TRUE(daten->schalter->GetValue());
    EXPECT_EQ(daten->datum->GetAsString(), "20260101");
    EXPECT_EQ(daten->jahr->GetValue(), 2026);
    EXPECT_EQ(daten->rhythmus->GetAsString(), "Tag");
}

TEST_F(IniTest, EmptySectionResetsEveryValueAndNotifiesOnce)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->text->SetValue("x");
    daten->zahl->SetValue(1);
    log.clear();
    const TXIniFile ini(Datei("fehlt.ini"));
    daten->LoadFromIni(ini, "Leer");
    EXPECT_EQ(daten->text->GetValue(), "Vorgabe");
    EXPECT_EQ(daten->zahl->GetValue(), 7);
    EXPECT_EQ(std::count(log.begin(), log.end(), "2097 D"), 1);
}

TEST_F(IniTest, DisabledValueSavesItsStoredContent)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    daten->betrag->SetValue(99);
    daten->betrag->Disable();
    TXIniFile ini(Datei("test.ini"));
    daten->SaveToIni(ini, "D");
    EXPECT_EQ(ini.ReadString("D", "Betrag", ""), "99,00");
}

TEST_F(IniTest, SavingDefaultsCreatesNoFileAndRemovesStaleKeys)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    {
        TXIniFile ini(Datei("neu.ini"));
        daten->SaveToIni(ini, "D");
    }
    EXPECT_FALSE(std::filesystem::exists(Datei("neu.ini")));
    Schreiben("[D]\nZahl=9\nFremd=bleibt\n");
    TXIniFile ini(Datei("test.ini"));
    daten->SaveToIni(ini, "D");
    EXPECT_EQ(ini.ReadSection("D"), (std::vector<std::string>{"Fremd"}));
}

TEST_F(IniTest, ComputedValuesAndValuesWithoutDataSetAreNotStored)
{
    class TMitBerechnet : public TDaten {
    public:
        using TDaten::TDaten;

    protected:
        void CreateValues() override { new TString(this, "Ergebnis", cfComputed); }
    };
    auto daten = MakeComponent<TMitBerechnet>(nullptr, "D");
    daten->FindValue("Ergebnis")->SetAsString("42");
    TString lose(nullptr, "Lose");
    lose.SetValue("x");
    TXIniFile ini(Datei("test.ini"));
    daten->SaveToIni(ini, "D");
    lose.SaveStored(ini, "D");
    EXPECT_FALSE(std::filesystem::exists(Datei("test.ini")));
}

TEST_F(IniTest, StringListLivesInItsOwnSection)
{
    class TListDaten : public TDaten {
    public:
        using TDaten::TDaten;
        TStringListValue* liste = nullptr;

    protected:
        void CreateValues() override { liste = new TStringListValue(this, "Krankenkassen"); }
    };
    auto daten = MakeComponent<TListDaten>(nullptr, "D");
    for (const char* kasse : {"AOK", "BKK", "DAK"})
        daten->liste->AddItem(kasse);
    {
        TXIniFile ini(Datei("test.ini"));
        daten->SaveToIni(ini, "Egal");
        EXPECT_EQ(ini.ReadString("Krankenkassen", "N2", ""), "DAK");
    }
    Schreiben("[Krankenkassen]\nN0=AOK\nX1=nein\nN1=IKK\n");
    log.clear();
    const TXIniFile ini(Datei("test.ini"));
    daten->liste->LoadFromIni(ini, "Egal");
    EXPECT_EQ(daten->liste->Items(), (TStrings{"AOK", "IKK"}));
    EXPECT_EQ(std::count(log.begin(), log.end(), "2097 D"), 1);
}

} // namespace
