// The main window built as the program's start builds it (window, pages, calculations, options
// and settings read), once over a fresh home and once over the settings a user leaves behind:
// the payroll statement filled with itemised pay, the income tax, options changed, a page in
// front. Offscreen, so the figures leave out the display server and the fonts it brings.
#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Forms/MainForm.h"
#include "Lib/IniFile.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"
#include "QtAnwendung.h"
#include "Support/OptionenUmgebung.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <utility>

namespace {

void Setzen(const TDaten& daten, const char* name, const char* text)
{
    if (TValue* wert = daten.FindValue(name))
        wert->SetAsString(text);
}

// What a user leaves behind: options switched, the payroll statement and the income tax
// filled, the tax-class comparison in front, everything saved.
void Benutzen(const std::string& verzeichnis)
{
    TOptionenUmgebung::Starten();
    OptionenVtrl().AllgemeinDaten().Schalter("GrosseSchrift").SetValue(true);
    OptionenVtrl().AllgemeinDaten().Schalter("KiGImmerImNetto").SetValue(true);
    Setzen(OptionenVtrl().BeitragssaetzeDaten(2026), "KVSatzZB", "3,10");
    TMainForm fenster(verzeichnis);
    fenster.init();
    fenster.SetActivePage(1);
    const TDaten& lohn = fenster.Lohn().Daten();
    const std::pair<const char*, const char*> werte[] = {
        {"Entgelt", "4.321,00"}, {"Steuerklasse", "3"},     {"Kinder", "2"},
        {"Kinderlos", "0"},      {"Kirchensteuersatz", "8"}, {"Freibetrag", "150,00"},
        {"Kammer", "1"},         {"DetailEntgelt", "1"},
    };
    for (const auto& [name, text] : werte)
        Setzen(lohn, name, text);
    for (const char* betrag : {"4.000,00", "800,00", "40,00"}) {
        auto posten = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        Setzen(posten->Daten(), "Betrag", betrag);
        fenster.Lohn().LohnDatenOf().DetailEntgelte().Hinzufuegen(posten->DetailEntgeltDaten());
    }
    Setzen(fenster.ESt().Daten(), "GewinnEink", "48.000,00");
    fenster.SetActivePage(7);
    fenster.EinstellungenSpeichern(-1, true);
}

// One start up to the filled window: options read, window built, settings read.
void Starten(benchmark::State& state, bool gespeichert)
{
    Anwendung();
    TOptionenUmgebung umgebung;
    const std::string verzeichnis = umgebung.Xdg().Ordner("daten") + "/";
    if (gespeichert)
        Benutzen(verzeichnis);
    for (auto _ : state) {
        TOptionenUmgebung::Zuruecksetzen();
        const TIniLeseSitzung einmalLesen;
        TOptionenUmgebung::Starten();
        TMainForm fenster(verzeichnis);
        fenster.init();
        fenster.NachDemErzeugen({});
        benchmark::DoNotOptimize(fenster.PageIndex());
    }
}

void BM_HauptfensterFrisch(benchmark::State& state)
{
    Starten(state, false);
}
BENCHMARK(BM_HauptfensterFrisch)->Unit(benchmark::kMillisecond);

void BM_HauptfensterMitEinstellungen(benchmark::State& state)
{
    Starten(state, true);
}
BENCHMARK(BM_HauptfensterMitEinstellungen)->Unit(benchmark::kMillisecond);

} // namespace
