// Itemised pay components: the kinds that force each other, the list operations, storage and
// the reference texts' file.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Lib/IniFile.h"
#include "Support/TempXdg.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

class DetailEntgelteTest : public testing::Test {
protected:
    DetailEntgelteTest() : liste(MakeComponent<TDetailEntgelte>(nullptr, "DetailEntgelte")) {}

    TDetailEntgeltDaten& Neu(double betrag)
    {
        auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        vorlage->DetailEntgeltDaten().Betrag().SetValue(betrag);
        liste->Hinzufuegen(vorlage->DetailEntgeltDaten());
        return liste->DetailEntgeltDaten(liste->Count() - 1);
    }
    double Betrag(int i) const { return liste->DetailEntgeltDaten(i).Betrag().GetValue(); }

    std::unique_ptr<TDetailEntgelte> liste;
};

TEST_F(DetailEntgelteTest, SeveranceIsNeverContributory)
{
    TDetailEntgeltDaten& e = Neu(5000);
    e.Abfindung().SetValue(true);
    e.SozVersPflicht().SetValue(true);
    EXPECT_FALSE(e.SozVersPflicht().GetValue());
    EXPECT_TRUE(e.Einmalzahlung().GetValue());
    EXPECT_TRUE(e.StPflicht().GetValue());
    EXPECT_FALSE(e.Versorgungsbezug().IsEnabled());
    EXPECT_TRUE(liste->DetailEntgelteDaten().EnthaeltSonstBez().GetStoredString() == "Ja");
}

TEST_F(DetailEntgelteTest, PensionIsTaxableAndContributory)
{
    TDetailEntgeltDaten& e = Neu(800);
    e.StPflicht().SetValue(false);
    e.SozVersPflicht().SetValue(false);
    e.Versorgungsbezug().SetValue(true);
    EXPECT_TRUE(e.StPflicht().GetValue());
    EXPECT_TRUE(e.SozVersPflicht().GetValue());
    EXPECT_FALSE(e.Abfindung().IsEnabled());
    EXPECT_DOUBLE_EQ(e.Brutto().GetValue(), 800);
}

TEST_F(DetailEntgelteTest, NetAgreedAmountIsTheNetSide)
{
    TDetailEntgeltDaten& e = Neu(500);
    e.NettoVereinb().SetValue(true);
    EXPECT_DOUBLE_EQ(e.Netto().GetValue(), 500);
    TDetailEntgeltDaten& f = Neu(300);
    f.Pauschal().SetValue(true);
    EXPECT_TRUE(f.PauschSatz().IsEnabled());
    EXPECT_DOUBLE_EQ(f.Netto().GetValue(), 300);
}

TEST_F(DetailEntgelteTest, DeletingTheLastMarkedMovesToTheNewLast)
{
    Neu(1);
    Neu(2);
    Neu(3);
    for (int i = 0; i < liste->Count(); ++i)
        liste->GetItem(i).SetMarkiert(false);
    liste->GetItem(2).SetMarkiert(true);
    liste->MarkierteLoeschen();
    ASSERT_EQ(liste->Count(), 2);
    EXPECT_EQ(liste->ItemIndex(), 1);
    liste->GetItem(0).SetMarkiert(true);
    liste->MarkierteLoeschen();
    ASSERT_EQ(liste->Count(), 1);
    EXPECT_EQ(liste->ItemIndex(), 0);
    EXPECT_DOUBLE_EQ(Betrag(0), 2);
}

TEST_F(DetailEntgelteTest, MovingMarkedComponents)
{
    for (int i = 1; i <= 5; ++i)
        Neu(i);
    for (int i = 0; i < liste->Count(); ++i)
        liste->GetItem(i).SetMarkiert(i == 0 || i == 4);
    liste->Verschieben(2);
    const double erwartet[] = {2, 5, 3, 1, 4};
    for (int i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(Betrag(i), erwartet[i]) << i;
    liste->Verschieben(1); // a marked target moves nothing
    EXPECT_DOUBLE_EQ(Betrag(1), 5);
}

TEST_F(DetailEntgelteTest, LoadSkipsSectionsWithAnotherNumber)
{
    const TTempXdg ordner;
    const auto datei = ordner.Wurzel() / "detail.ini";
    {
        TXIniFile ini(datei.string());
        ini.WriteInteger("S", "BezugAnzahl", 3);
        ini.WriteInteger("SBezug1", "Nr", 1);
        ini.WriteString("SBezug1", "Betrag", "100");
        ini.WriteInteger("SBezug2", "Nr", 7);
        ini.WriteString("SBezug2", "Betrag", "200");
        ini.WriteInteger("SBezug3", "Nr", 3);
        ini.WriteString("SBezug3", "Betrag", "300");
    }
    liste->LoadFromIni(TXIniFile(datei.string()), "S");
    ASSERT_EQ(liste->Count(), 2);
    EXPECT_DOUBLE_EQ(Betrag(0), 100);
    EXPECT_DOUBLE_EQ(Betrag(1), 300);
}

TEST_F(DetailEntgelteTest, AssignCopiesTheComponents)
{
    Neu(10);
    Neu(20);
    auto kopie = MakeComponent<TDetailEntgelte>(nullptr, "Kopie");
    kopie->Assign(*liste);
    ASSERT_EQ(kopie->Count(), 2);
    EXPECT_DOUBLE_EQ(kopie->DetailEntgeltDaten(1).Betrag().GetValue(), 20);
}

TEST(BezuegeDatei, MissingFileGetsTheTwelveStandardTexts)
{
    const TTempXdg ordner;
    const auto datei = ordner.Wurzel() / "bezuege" / "BEZUEGE.TXT";
    BezuegeDateiAnlegen(datei.string());
    std::ifstream in(datei);
    std::string zeile;
    int anzahl = 0;
    std::string erste;
    while (std::getline(in, zeile)) {
        if (anzahl == 0)
            erste = zeile;
        ++anzahl;
    }
    EXPECT_EQ(anzahl, 12);
    EXPECT_EQ(erste, "Abfindung\r");
    // An existing file is left as it is.
    std::ofstream(datei) << "Eigenes\r\n";
    BezuegeDateiAnlegen(datei.string());
    std::ifstream wieder(datei);
    std::getline(wieder, zeile);
    EXPECT_EQ(zeile, "Eigenes\r");
}

TEST(BezuegeDatei, StoredTextCanBeDeleted)
{
    auto entgelt = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    TDetailEntgeltDaten& e = entgelt->DetailEntgeltDaten();
    e.Bezeichnung().SetValue("Urlaubsgeld");
    EXPECT_TRUE(e.TextLoeschen().GetValue());
    e.Bezeichnung().SetValue("Eigener Text");
    EXPECT_FALSE(e.TextLoeschen().GetValue());
}

} // namespace
