// Start-up timer: runs the main program's start as main() does and reports, on standard output,
// the milliseconds from the start of main() to the first paint of the main window, then ends the
// program. Run it once with a fresh home and once with a home that holds stored settings.
//
// With STARTZEIT_BENUTZEN=1 in the environment it first uses the program as a user would before
// it ends: every general option switched, a contribution rate changed, each page shown, the
// payroll and income-tax pages filled, the window moved, and everything saved. The home it leaves
// is the "stored settings" case.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Forms/MainForm.h"
#include "Forms/ProgrammStart.h"
#include "MVCFrame/BooleanValue.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "MVCFrame/Daten.h"
#include "Options/OptionenVtrl.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

void Setzen(const TDaten& daten, const char* name, const char* text)
{
    if (TValue* wert = daten.FindValue(name))
        wert->SetAsString(text);
    else
        std::fprintf(stderr, "startzeit: no value %s\n", name);
}

// Lists of funds and currencies as a user keeps them: a few dozen funds, a handful of currencies.
void StammdatenAnlegen()
{
    TXIniFile kassen(KassenDateiName());
    ForceDirectories(kassen.FileName().substr(0, kassen.FileName().rfind('/')));
    kassen.BeginUpdate();
    for (int i = 0; i < 40; ++i) {
        const std::string name = "Krankenkasse " + std::to_string(i + 1);
        kassen.WriteString("Krankenkassen", "N" + std::to_string(i), name);
        kassen.WriteString(name, "Beitragssatz_G", "14,6");
        kassen.WriteString(name, "Beitragssatz_H", "15,5");
        kassen.WriteString(name, "Zusatzbeitragssatz", i % 2 ? "2,50" : "3,10");
    }
    kassen.UpdateFile();
    TXIniFile waehrungen(WaehrungenDateiName());
    waehrungen.BeginUpdate();
    const std::pair<const char*, const char*> liste[] = {
        {"Schweizer Franken", "0,93500"}, {"US-Dollar", "1,08000"}, {"Pfund", "0,85500"},
        {"Krone", "7,46000"}, {"Zloty", "4,30000"}, {"Yen", "160,50000"},
    };
    for (std::size_t i = 0; i < std::size(liste); ++i) {
        waehrungen.WriteString("Waehrungen", "N" + std::to_string(i), liste[i].first);
        waehrungen.WriteString(liste[i].first, "Kurs", liste[i].second);
    }
    waehrungen.UpdateFile();
}

void Benutzen(TMainForm& fenster)
{
    StammdatenAnlegen();
    TOptionenAllgemeinDaten& allgemein = OptionenVtrl().AllgemeinDaten();
    for (int i = 0; i < allgemein.ValueCount(); ++i) {
        auto* schalter = dynamic_cast<TBoolean*>(&allgemein.GetValue(i));
        // The title window and the saving at exit stay as they come: both shape every start.
        if (schalter && schalter->Name() != "TitelZeigen" && schalter->Name() != "BeimBeendenSpeichern")
            schalter->SetValue(!schalter->GetValue());
    }
    const TDaten& saetze = OptionenVtrl().BeitragssaetzeDaten(2026);
    for (int i = 0; i < saetze.ValueCount(); ++i)
        if (saetze.GetValue(i).Name().rfind("KVSatzZB", 0) == 0)
            saetze.GetValue(i).SetAsString("3,10");
    for (int seite : {5, 2, 7, 4, 3, 1})
        fenster.SetActivePage(seite);
    const std::pair<const char*, const char*> lohn[] = {
        {"Entgelt", "4.321,00"}, {"Steuerklasse", "3"},   {"Kinder", "2"},
        {"Kinderfreibetraege", "2,0"}, {"Kinderlos", "0"}, {"KinderPV", "2"},
        {"Kirchensteuersatz", "8"}, {"Freibetrag", "150,00"}, {"Sonderzahlungen", "1.200,00"},
        {"Versorgungsbezuege", "0,00"}, {"Geburtsdatum", "14.03.1971"}, {"Kammer", "1"},
        {"KasseName", "Krankenkasse 7"},
    };
    for (const auto& [name, text] : lohn)
        Setzen(fenster.Lohn().Daten(), name, text);
    // Itemised pay: salary, a one-off payment and capital-forming benefits.
    Setzen(fenster.Lohn().Daten(), "DetailEntgelt", "1");
    const std::pair<const char*, const char*> posten[] = {
        {"Gehalt", "4.000,00"}, {"Urlaubsgeld", "800,00"}, {"VWL", "40,00"}, {"Lohn", "321,00"},
    };
    for (const auto& [text, betrag] : posten) {
        auto neu = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        Setzen(neu->Daten(), "Bezeichnung", text);
        Setzen(neu->Daten(), "Betrag", betrag);
        fenster.Lohn().LohnDatenOf().DetailEntgelte().Hinzufuegen(neu->DetailEntgeltDaten());
    }
    Setzen(fenster.ESt().Daten(), "GewinnEink", "48.000,00");
    // Year comparisons of both kinds: two cases each.
    for (TVergleichArt art : {TVergleichArt::Lohn, TVergleichArt::ESt}) {
        fenster.VergleichNachricht(TVergleichBefehl::Fall1, art);
        if (art == TVergleichArt::Lohn)
            Setzen(fenster.Lohn().Daten(), "Steuerklasse", "4");
        else
            Setzen(fenster.ESt().Daten(), "GewinnEink", "52.000,00");
        fenster.VergleichNachricht(TVergleichBefehl::Fall2, art);
    }
    fenster.SetActivePage(1);
    fenster.move(180, 60);
    fenster.EinstellungenSpeichern(-1, true);
}

class TErsteZeichnung : public QObject {
public:
    explicit TErsteZeichnung(std::chrono::steady_clock::time_point start) : m_start(start) {}

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override
    {
        auto* fenster = qobject_cast<TMainForm*>(objekt);
        if (m_gemessen || event->type() != QEvent::Paint || !fenster)
            return false;
        m_gemessen = true;
        const auto dauer = std::chrono::steady_clock::now() - m_start;
        std::printf("%.1f\n", std::chrono::duration<double, std::milli>(dauer).count());
        std::fflush(stdout);
        QTimer::singleShot(0, fenster, [fenster] {
            if (std::getenv("STARTZEIT_BENUTZEN"))
                Benutzen(*fenster);
            // The program starts the tray launcher as it ends when this option is on, as it is
            // in a fresh home; a timer run leaves nothing running.
            Setzen(OptionenVtrl().AllgemeinDaten(), "InfobereichSymbol", "0");
            QCoreApplication::quit();
        });
        return false;
    }

private:
    std::chrono::steady_clock::time_point m_start;
    bool m_gemessen = false;
};

} // namespace

int main(int argc, char** argv)
{
    const auto start = std::chrono::steady_clock::now();
    QApplication app(argc, argv);
    TErsteZeichnung messung(start);
    app.installEventFilter(&messung);
    return ProgrammLauf(QApplication::arguments().mid(1));
}
