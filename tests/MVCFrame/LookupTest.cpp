#include "MVCTestSupport.h"

#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "Lib/MVCApp.h"
#include "Lib/Meldung.h"
#include "MVCFrame/JahrListe.h"
#include "MVCFrame/StringFileLookup.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringListValue.h"
#include "Support/FileLayerFake.h"
#include "Support/Schreibsperre.h"

#include <fcntl.h>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct BgsFall {
    const char* name;
    const char* text;
    const char* want;
};

const BgsFall kBgsFaelle[] = {
    {"four_digits", "3111", "3111"},    {"padded", "12", "1200"},
    {"cut", "111100", "1111"},          {"health_5_refused", "5000", "1111"},
    {"pension_5", "0500", "0500"},      {"pension_6_refused", "0600", "1111"},
    {"care_3_refused", "0003", "1111"}, {"letter_refused", "1a11", "1111"},
    {"empty_pads", "", "0000"},
};

class BgsTest : public MVCTest, public testing::WithParamInterface<BgsFall> {};

TEST_P(BgsTest, PadsCutsAndChecksEachDigit)
{
    TStringBGS bgs(nullptr, "BGS", 0, "1111");
    bgs.SetAsString(GetParam().text);
    EXPECT_EQ(bgs.GetValue(), GetParam().want);
}

INSTANTIATE_TEST_SUITE_P(MVCFrame, BgsTest, testing::ValuesIn(kBgsFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

class LookupTest : public MVCTest {};

TEST_F(LookupTest, BgsDigits)
{
    TStringBGS bgs(nullptr, "BGS", 0, "1111");
    bgs.SetZiffer(2, 5);
    EXPECT_EQ(bgs.GetValue(), "1511");
    EXPECT_EQ(bgs.GetZiffer(2), 5);
    EXPECT_THROW(bgs.SetZiffer(5, 1), Exception);
    EXPECT_THROW(bgs.SetZiffer(1, 10), Exception);
}

TEST_F(LookupTest, IntegerLookupWithMinimumAndDefault)
{
    TIntegerLookup kinder(nullptr, "Kinder", 0, {"keine", "eins", "zwei"}, 1, 2);
    EXPECT_EQ(kinder.GetAsString(), "eins");
    EXPECT_EQ(kinder.GetItemIndex(), 1);
    kinder.SetItemIndex(2);
    EXPECT_EQ(kinder.GetValue(), 3);
    kinder.SetMin(0);
    EXPECT_EQ(kinder.Maximum(), 2);
    kinder.SetAsString("keine");
    EXPECT_EQ(kinder.GetValue(), 0);
    kinder.ClearItems();
    EXPECT_EQ(kinder.GetAsString(), "");
    EXPECT_EQ(kinder.GetValue(), -1);
}

TEST_F(LookupTest, LookupObjHoldsTheNumberOfTheChoice)
{
    TIntegerLookupObj ordner(nullptr, "DatenDatei");
    ordner.AddItem("Anwendungsdaten (APPDATA)", 26);
    ordner.AddItem("(Anderes)", 0);
    EXPECT_THROW(ordner.AddItem("nochmal", 26), Exception);
    ordner.SetAsString("Anwendungsdaten (APPDATA)");
    EXPECT_EQ(ordner.GetValue(), 26);
    EXPECT_EQ(ordner.GetItemIndex(), 0);
    ordner.SetAsString("Unbekannt");
    EXPECT_EQ(ordner.GetValue(), 26);
    ordner.SetItemIndex(1);
    EXPECT_EQ(ordner.GetAsString(), "(Anderes)");
    ordner.SetValue(13); // not a choice
    EXPECT_EQ(ordner.GetValue(), 0);
}

TEST_F(LookupTest, JahrListeCaptionsAndPeriods)
{
    TJahrListe liste(nullptr, "Jahrliste");
    liste.AddDatum(2024, 1);
    liste.AddDatum(2025, 1);
    liste.AddDatum(2025, 7);
    liste.AddDatum(2025, 10);
    liste.AddDatum(2026, 1);
    liste.AddDatum(2026, 3);
    liste.SetDefault(1);
    EXPECT_EQ(liste.Captions(), (TStrings{"2024", "2025 bis 30.6.", "2025 1.7.-30.9.",
                                          "2025 ab 1.10.", "2026* bis 28.2.", "2026* ab 1.3."}));
    liste.SetJahr(2025);
    EXPECT_EQ(liste.GetMonat(), 1);
    liste.SetMonat(8);
    EXPECT_EQ(liste.GetMonat(), 7);
    EXPECT_EQ(liste.GetBisMonat(), 9);
    liste.SetMonat(2);
    EXPECT_EQ(liste.GetMonat(), 1);
    liste.SetJahr(2026);
    EXPECT_EQ(liste.GetJahr(), 2026);
    EXPECT_THROW(liste.SetJahr(2023), Exception);
}

TEST_F(LookupTest, StringListValueSelectionAndUpdateBracket)
{
    auto daten = MakeComponent<TAlleWerteDaten>(nullptr, "D");
    auto* liste = new TStringListValue(daten.get(), "Liste", 0, true);
    log.clear();
    liste->BeginUpdate();
    liste->AddItem("a");
    liste->AddItem("b");
    liste->AddItem("c");
    EXPECT_TRUE(log.empty());
    liste->EndUpdate();
    EXPECT_EQ(std::count(log.begin(), log.end(), "2097 D"), 1);
    EXPECT_EQ(liste->SelCount(), 3);
    liste->SetAsString("b");
    EXPECT_EQ(liste->SelCount(), 1);
    EXPECT_EQ(liste->FirstSelected(), 1);
    liste->SetSelected(2, true);
    liste->DeleteSelected();
    EXPECT_EQ(liste->Items(), (TStrings{"a"}));
    EXPECT_EQ(liste->GetAsString(), "");
    liste->SetAsString("z");
    EXPECT_EQ(liste->GetAsString(), "");
    EXPECT_THROW(liste->GetSelected(5), Exception);
    EXPECT_THROW(liste->EndUpdate(), Exception);
}

TEST_F(LookupTest, IniLookupChoicesAndCurrencies)
{
    std::ofstream(Datei("WAEHRUNG.INI")) << "[Waehrungen]\nN0=Franken\nN1=Dollar\n";
    TStringIniLookup kasse(nullptr, "KasseName", 0, "", "WAEHRUNG.INI", tempDir.string(),
                           "Waehrungen");
    TStrings choices;
    kasse.GetChoices(choices);
    EXPECT_EQ(choices, (TStrings{"Franken", "Dollar"}));
    kasse.SetAsString("Dollar");
    EXPECT_EQ(kasse.GetValue(), "Dollar");
    kasse.SetAsString("Yen");
    EXPECT_EQ(kasse.GetValue(), "Dollar");
    TStrings result;
    kasse.ExecuteCommand("GETLIST", "", result);
    EXPECT_EQ(result, choices);

    TWaehrungStringIniLookup waehrung(nullptr, "WaehrungName", 0, "Euro", "WAEHRUNG.INI",
                                      tempDir.string(), "Waehrungen");
    waehrung.GetChoices(choices);
    EXPECT_EQ(choices, (TStrings{"DM", "Dollar", "Euro", "Franken"}));
    waehrung.SetAsString("DM");
    EXPECT_EQ(waehrung.GetValue(), "DM");
    waehrung.SetAsString("Yen"); // no longer listed: back to the default
    EXPECT_EQ(waehrung.GetValue(), "Euro");
    // The file changes: the choices follow.
    std::ofstream(Datei("WAEHRUNG.INI")) << "[Waehrungen]\nN0=Franken\nN1=Dollar\nN2=Yen\n";
    kasse.SetAsString("Yen");
    EXPECT_EQ(kasse.GetValue(), "Yen");
}

TEST_F(LookupTest, AChoiceWhoseFileCannotBeReadIsKeptAndReportedOnce)
{
    std::vector<std::string> meldungen;
    const TMeldungsHook vorher =
        SetMeldungsHook([&meldungen](const std::string& text, const std::string&, bool) {
            meldungen.push_back(text);
            return true;
        });
    // A folder where the currencies file should be.
    std::filesystem::create_directories(tempDir / "WAEHRUNG.INI");
    TWaehrungStringIniLookup waehrung(nullptr, "WaehrungName", 0, "Euro", "WAEHRUNG.INI",
                                      tempDir.string(), "Waehrungen");
    waehrung.SetAsString("Franken");
    EXPECT_EQ(waehrung.GetValue(), "Franken");
    waehrung.SetAsString("Euro");
    waehrung.SetAsString("Franken");
    EXPECT_EQ(waehrung.GetValue(), "Franken");
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_NE(meldungen[0].find("\"Franken\""), std::string::npos) << meldungen[0];
    // Readable again, the list decides.
    std::filesystem::remove(tempDir / "WAEHRUNG.INI");
    std::ofstream(Datei("WAEHRUNG.INI")) << "[Waehrungen]\nN0=Dollar\n";
    waehrung.SetAsString("Dollar");
    waehrung.SetAsString("Franken");
    EXPECT_EQ(waehrung.GetValue(), "Euro");
    SetMeldungsHook(vorher);
}

// A stored choice (loaded from the settings, or copied) that the list read does not hold is
// kept as stored and reported once per name; a choice set by hand is still checked.
struct ListenFall {
    const char* name;
    bool vorhanden;
    std::string inhalt;
};
const ListenFall kListenFaelle[] = {
    {"missing", false, ""},
    {"empty", true, ""},
    {"random", true, std::string("\x9f\x01\xff[\x00=\n\xfe]N0\x80", 12)},
};
class GespeicherteWahlTest : public MVCTest, public testing::WithParamInterface<ListenFall> {};
TEST_P(GespeicherteWahlTest, IsKeptAndReportedOnce)
{
    const ListenFall& f = GetParam();
    std::vector<std::string> meldungen;
    const TMeldungsHook vorher =
        SetMeldungsHook([&meldungen](const std::string& text, const std::string&, bool) {
            meldungen.push_back(text);
            return true;
        });
    if (f.vorhanden) {
        std::ofstream(Datei("SVBEITRG.INI"), std::ios::binary) << f.inhalt;
        std::ofstream(Datei("WAEHRUNG.INI"), std::ios::binary) << f.inhalt;
    }
    std::ofstream(Datei("VANTRL32.INI")) << "[Seite]\nKasseName=BKK Test\nWaehrungName=Franken\n";
    const TXIniFile ini(Datei("VANTRL32.INI"));
    const auto neu = [this](const std::string& name) -> std::unique_ptr<TStringIniLookup> {
        if (name == "KasseName")
            return std::make_unique<TStringIniLookup>(nullptr, name, 0, "", "SVBEITRG.INI",
                                                      tempDir.string(), "Krankenkassen");
        return std::make_unique<TWaehrungStringIniLookup>(nullptr, name, 0, "Euro", "WAEHRUNG.INI",
                                                          tempDir.string(), "Waehrungen");
    };
    for (const std::string name : {"KasseName", "WaehrungName"}) {
        const std::string gespeichert = name == "KasseName" ? "BKK Test" : "Franken";
        const auto wert = neu(name);
        wert->LoadFromIni(ini, "Seite");
        EXPECT_EQ(wert->GetValue(), gespeichert);
        wert->LoadFromIni(ini, "Seite");
        const auto kopie = neu(name);
        wert->AssignTo(*kopie);
        EXPECT_EQ(kopie->GetValue(), gespeichert) << "a copy keeps it too";
        kopie->SetAsString("Andere");
        EXPECT_NE(kopie->GetValue(), "Andere") << "set by hand: checked against the list";
    }
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_NE(meldungen[0].find("\"BKK Test\" bleibt gewählt"), std::string::npos) << meldungen[0];
    EXPECT_NE(meldungen[1].find("\"Franken\" bleibt gewählt"), std::string::npos) << meldungen[1];
    SetMeldungsHook(vorher);
}
INSTANTIATE_TEST_SUITE_P(MVCFrame, GespeicherteWahlTest, testing::ValuesIn(kListenFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(LookupTest, WhichChoiceFilesCannotBeRead)
{
    const std::filesystem::path datei = tempDir / "SVBEITRG.INI";
    EXPECT_FALSE(IniDateiUnlesbar(datei.string())) << "missing in an existing folder: empty";
    EXPECT_TRUE(IniDateiUnlesbar((tempDir / "fehlt" / "SVBEITRG.INI").string()))
        << "folder missing, as on a share that is not mounted";
    std::ofstream(datei) << "[Krankenkassen]\n";
    EXPECT_FALSE(IniDateiUnlesbar(datei.string()));
    std::filesystem::remove(datei);
    ASSERT_EQ(mkfifo(datei.c_str(), 0600), 0);
    EXPECT_TRUE(IniDateiUnlesbar(datei.string())) << "a FIFO, opened without waiting";
    std::filesystem::remove(datei);
    std::filesystem::create_directories(datei);
    EXPECT_TRUE(IniDateiUnlesbar(datei.string())) << "a folder";
}

TEST_F(LookupTest, FileLookupAddsDeletesAndLists)
{
    const std::string datei = (tempDir / "neu" / "ARBEITNE.TXT").string();
    TStringFileLookup namen(nullptr, "Name", 0, datei, true);
    namen.SetValue("Müller");
    namen.AddCurrent();
    namen.SetValue("Albers");
    namen.AddCurrent();
    namen.AddCurrent();
    EXPECT_EQ(namen.GetList(), (TStrings{"Albers", "Müller"}));
    TStrings result;
    namen.ExecuteCommand("DELETE", "", result);
    EXPECT_EQ(namen.GetValue(), "");
    namen.ExecuteCommand("GETLIST", "", result);
    EXPECT_EQ(result, (TStrings{"Müller"}));
    std::ostringstream stream;
    namen.SaveToStream(stream);
    EXPECT_EQ(stream.str(), "Müller\r\n");
}

TEST_F(LookupTest, FileLookupListsALockedFileButGivesUpChangingIt)
{
    const std::string datei = Datei("BEZUEGE.TXT");
    std::ofstream(datei) << "Lohn\n";
    const int fd = ::open(datei.c_str(), O_RDWR);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    int warten = 0;
    int fertig = 0;
    MVCApplication().OnBeginWait = [&] { ++warten; };
    MVCApplication().OnEndWait = [&] { ++fertig; };
    TStringFileLookup texte(nullptr, "Bezeichnung", 0, datei);
    texte.SetWiederholung(3, std::chrono::milliseconds(1));
    EXPECT_EQ(texte.GetList(), (TStrings{"Lohn"}));
    texte.SetValue("Gehalt");
    EXPECT_THROW(texte.AddCurrent(), Exception);
    EXPECT_EQ(warten, 1);
    EXPECT_EQ(fertig, 1);
    ::close(fd);
    texte.AddCurrent();
    EXPECT_EQ(texte.GetList(), (TStrings{"Lohn", "Gehalt"}));
    MVCApplication().OnBeginWait = nullptr;
    MVCApplication().OnEndWait = nullptr;
}

// A file that may not be written is listed all the same, read once while it is unchanged; adding
// to it fails at once with a message in words.
TEST_F(LookupTest, FileLookupListsAReadOnlyFile)
{
    const std::string datei = Datei("BEZUEGE.TXT");
    std::ofstream(datei) << "Lohn\r\nGehalt\r\n";
    TStringFileLookup texte(nullptr, "Bezeichnung", 0, datei);
    texte.SetValue("Urlaubsgeld");
    const TFileLayerFake schicht;
    {
        const TSchreibsperre sperre(datei, tempDir);
        EXPECT_EQ(texte.GetList(), (TStrings{"Lohn", "Gehalt"}));
        EXPECT_EQ(TStringFileLookup(nullptr, "Kopie", 0, datei).GetList(),
                  (TStrings{"Lohn", "Gehalt"}));
        EXPECT_EQ(schicht.Lesevorgaenge(datei), 1);
        try {
            texte.AddCurrent();
            FAIL() << "added to a read-only file";
        } catch (const Exception& e) {
            EXPECT_NE(std::string(e.what()).find("ist schreibgeschützt.\n\"Urlaubsgeld\" kann "
                                                 "nicht in die Liste aufgenommen werden"),
                      std::string::npos)
                << e.what();
        }
    }
    texte.AddCurrent();
    EXPECT_EQ(texte.GetList(), (TStrings{"Lohn", "Gehalt", "Urlaubsgeld"}));
    EXPECT_EQ(schicht.Lesevorgaenge(datei), 2) << "read again after the change";
}

// A pipe, a device or a huge file in place of the text file: reported, never read without end.
TEST_F(LookupTest, FileLookupReadsOnlyARegularFileOfSensibleSize)
{
    const std::string pipe = Datei("ARBEITNE.TXT");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_THROW(TStringFileLookup(nullptr, "Name", 0, pipe).GetList(), Exception);
    const std::string geraet = Datei("BEZUEGE.TXT");
    ASSERT_EQ(::symlink("/dev/zero", geraet.c_str()), 0);
    EXPECT_THROW(TStringFileLookup(nullptr, "Name", 0, geraet).GetList(), Exception);
    const std::string gross = Datei("GROSS.TXT");
    std::ofstream(gross) << std::string(17 * 1024 * 1024, 'x');
    EXPECT_THROW(TStringFileLookup(nullptr, "Name", 0, gross).GetList(), Exception);
}

} // namespace

namespace {

class TJahrDaten : public TDaten {
public:
    using TDaten::TDaten;
    TJahrListe* liste = nullptr;
    TIntegerLookupObj* ordner = nullptr;
    TStringListValue* kassen = nullptr;

protected:
    void CreateValues() override
    {
        liste = new TJahrListe(this, "Jahrliste");
        liste->AddDatum(2025, 1);
        liste->AddDatum(2025, 7);
        liste->AddDatum(2026, 1);
        liste->SetDefault(2);
        ordner = new TIntegerLookupObj(this, "DatenDatei");
        ordner->AddItem("Anwendungsdaten (APPDATA)", 26);
        ordner->AddItem("Lokale Anwendungsdaten (LOCAL_APPDATA)", 28);
        ordner->SetDefault(28);
        kassen = new TStringListValue(this, "Krankenkassen", 0, true);
    }
};

TEST_F(LookupTest, JahrListeAndLookupObjTravelByCaption)
{
    auto daten = MakeComponent<TJahrDaten>(nullptr, "Seite");
    EXPECT_EQ(daten->liste->GetAsString(), "2026");
    daten->liste->SetAsString("2025 ab 1.7.");
    EXPECT_EQ(daten->liste->GetMonat(), 7);
    daten->ordner->SetAsString("Anwendungsdaten (APPDATA)");
    {
        TXIniFile ini(Datei("VANTRL32.INI"));
        daten->SaveToIni(ini, "");
        EXPECT_EQ(ini.ReadString("Seite", "Jahrliste", ""), "2025 ab 1.7.");
        EXPECT_EQ(ini.ReadString("Seite", "DatenDatei", ""), "Anwendungsdaten (APPDATA)");
    }
    auto geladen = MakeComponent<TJahrDaten>(nullptr, "Seite");
    geladen->LoadFromIni(TXIniFile(Datei("VANTRL32.INI")), "");
    EXPECT_TRUE(geladen->Equals(*daten));
    EXPECT_EQ(geladen->ordner->GetValue(), 26);
}

TEST_F(LookupTest, AssignCopiesTheItemsOfAList)
{
    auto a = MakeComponent<TJahrDaten>(nullptr, "A");
    a->kassen->AddItem("AOK");
    a->kassen->AddItem("BKK");
    a->kassen->SetSelected(0, false);
    auto b = MakeComponent<TJahrDaten>(nullptr, "B");
    b->Assign(*a);
    EXPECT_EQ(b->kassen->Items(), (TStrings{"AOK", "BKK"}));
    EXPECT_EQ(b->kassen->GetAsString(), "BKK");
    EXPECT_FALSE(b->kassen->GetSelected(0));
    EXPECT_TRUE(b->kassen->GetSelected(1));
}

} // namespace
