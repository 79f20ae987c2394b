// A start with the settings a user leaves behind: the window comes back with every stored value
// and result as it was saved, while the start reads each settings file once, builds the page
// from the restored values instead of following each value as it is read, and computes the
// payroll statement only a few times.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"
#include "Gui/BergForm.h"
#include "Gui/PageForm.h"
#include "Lib/IniFile.h"
#include "MVCFrame/Daten.h"
#include "Support/FileLayerFake.h"

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

// Every value of a data set as the page shows it, by name.
std::map<std::string, std::string> Texte(const TDaten& daten)
{
    std::map<std::string, std::string> texte;
    for (int i = 0; i < daten.ValueCount(); ++i)
        texte[daten.GetValue(i).Name()] = daten.GetValue(i).GetAsString();
    return texte;
}

void Setzen(const TDaten& daten, const char* name, const char* text)
{
    TValue* wert = daten.FindValue(name);
    ASSERT_NE(wert, nullptr) << name;
    wert->SetAsString(text);
}

class StartMitEinstellungenTest : public HauptfensterTest, public testing::WithParamInterface<int> {
protected:
    std::unique_ptr<TMainForm> NeuesFenster() const
    {
        auto fenster = std::make_unique<TMainForm>(m_verzeichnis);
        fenster->init();
        return fenster;
    }

    // A user fills the payroll statement with itemised pay and the income tax, leaves page
    // `seite` in front and saves.
    void Benutzen(int seite)
    {
        auto fenster = NeuesFenster();
        fenster->SetActivePage(1);
        const TDaten& lohn = fenster->Lohn().Daten();
        const std::pair<const char*, const char*> werte[] = {
            {"Entgelt", "4.321,00"},   {"Steuerklasse", "3"},      {"Kinder", "2"},
            {"Kinderlos", "0"},        {"Kirchensteuersatz", "8"}, {"Freibetrag", "150,00"},
            {"Sonderzahlungen", "1.200,00"}, {"Kammer", "1"},      {"DetailEntgelt", "1"},
        };
        for (const auto& [name, text] : werte)
            Setzen(lohn, name, text);
        for (const char* betrag : {"4.000,00", "800,00", "40,00"}) {
            auto posten = MakeComponent<TDetailEntgelt>(nullptr, std::string());
            Setzen(posten->Daten(), "Betrag", betrag);
            fenster->Lohn().LohnDatenOf().DetailEntgelte().Hinzufuegen(posten->DetailEntgeltDaten());
        }
        Setzen(fenster->ESt().Daten(), "GewinnEink", "48.000,00");
        fenster->SetActivePage(seite);
        fenster->EinstellungenSpeichern(-1, true);
        m_lohn = Texte(lohn);
        m_est = Texte(fenster->ESt().Daten());
        m_posten = fenster->Lohn().LohnDatenOf().DetailEntgelte().Count();
    }

    const std::string m_verzeichnis = m_umgebung.Xdg().Ordner("daten") + "/";
    std::map<std::string, std::string> m_lohn;
    std::map<std::string, std::string> m_est;
    int m_posten = 0;
};

TEST_P(StartMitEinstellungenTest, RestoresEverythingReadingEachFileOnceAndRefreshingThePageOnce)
{
    const int seite = GetParam();
    Benutzen(seite);

    auto fenster = NeuesFenster();
    int lohnBerechnet = 0;
    TBerechnung& lohn = fenster->Lohn();
    lohn.OnCalculated = [&lohnBerechnet, weiter = lohn.OnCalculated](TBerechnung& b) {
        ++lohnBerechnet;
        if (weiter)
            weiter(b);
    };
    TFileLayerFake schicht;
    {
        // As the program's start does.
        const TIniLeseSitzung einmalLesen;
        fenster->NachDemErzeugen({});
    }

    EXPECT_EQ(fenster->PageIndex(), seite);
    EXPECT_EQ(Texte(lohn.Daten()), m_lohn);
    EXPECT_EQ(Texte(fenster->ESt().Daten()), m_est);
    EXPECT_EQ(fenster->Lohn().LohnDatenOf().DetailEntgelte().Count(), m_posten);
    for (const auto& [datei, anzahl] : schicht.Gelesen())
        EXPECT_EQ(anzahl, 1) << datei;
    EXPECT_EQ(schicht.Lesevorgaenge(m_verzeichnis + "VANTRL32.INI"), 1);
    auto* form = dynamic_cast<TBerechnungForm*>(fenster->ActivePageForm());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Aktualisierungen(), 1);
    // Loading sets some thirty values, one by one; the statement follows the steps that
    // change what the others mean (year, fund, itemised pay), not each value.
    EXPECT_LE(lohnBerechnet, 8);
}

// The payroll statement, the income tax and the tax-class comparison left in front.
INSTANTIATE_TEST_SUITE_P(Forms, StartMitEinstellungenTest, testing::Values(1, 2, 7));

} // namespace
