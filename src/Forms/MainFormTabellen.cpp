#include "Forms/MainFormTabellen.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Forms/Dialoge/FoStammdaten.h"
#include "Forms/MainForm.h"
#include "Forms/Optionen/FoOptionen.h"
#include "Forms/Seiten/EStVergleich.h"
#include "Forms/Seiten/Einkommensteuer.h"
#include "Forms/Seiten/Entgeltabrechnung.h"
#include "Forms/Seiten/FoStKlVergleich.h"
#include "Forms/Seiten/GeringfuegigBeschaeftigt.h"
#include "Forms/Seiten/LohnVergleich.h"
#include "Forms/Start/AboutBox.h"
#include "Forms/Tabellen/EStTabelle.h"
#include "Forms/Tabellen/FoSVTabelle.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Gui/FrmLib.h"
#include "Gui/XoApp.h"
#include "Lib/Exception.h"
#include "Options/OptionenVtrl.h"
#include "Print/LohnDru.h"
#include "Print/StKlVergleichDruck.h"
#include "Print/VtPrevw.h"

#include <algorithm>
#include <iterator>

namespace {

// A calculation of the page table, made without owner under the row's name.
template <class T> std::unique_ptr<TBerechnung> Neu(const std::string& name)
{
    return MakeComponent<T>(nullptr, name);
}

// The year comparison of two calculations of class T.
template <class T> std::unique_ptr<TBerechnung> NeuerVergleich(const std::string& name)
{
    return MakeComponent<TVergleichBerechnung>(nullptr, name, &ErzeugeBerechnung<T>);
}

// The printouts the print preview shows of a page, over the page's calculation.
std::unique_ptr<TVtDruck> EntgeltabrechnungDruck(TBerechnung& berechnung)
{
    return std::make_unique<TVtDruckEntgeltabrechnung>(
        dynamic_cast<TLohnBerechnung&>(berechnung).LohnDatenOf());
}

std::unique_ptr<TVtDruck> StKlVergleichDruck(TBerechnung& berechnung)
{
    return std::make_unique<TVtDruckStKlVergleich>(
        dynamic_cast<TStKlVergleichBerechnung&>(berechnung).StKlVergleichDaten());
}

// Named after the pay limit: from the data set, not from the page, so that the limit is right
// also while the page is not shown.
TBeschriftung GfBBeschriftung(TBerechnung& berechnung)
{
    const QString grenze = QString::fromStdString(
        dynamic_cast<TGeringfuegigBerechnung&>(berechnung).GeringfuegigDaten().GrenzeText());
    return {TFoGeringfuegigBeschaeftigt::Seitentitel(grenze), grenze};
}

const TSeite kSeitenZeilen[] = {
    {.nummer = 1, .name = "Entgeltabrechnung", .fokus = "cbJahr",
     .klasse = &TPageClass::Of<TFoEntgeltabrechnung>, .berechnung = "LOHN",
     .erzeugen = &Neu<TLohnBerechnung>, .bus = true, .seitenDatei = true,
     .vorschau = &EntgeltabrechnungDruck, .fuelltVergleich = TVergleichArt::Lohn,
     .item = "miAbrechnung", .caption = "Entgelt&abrechnung", .button = "bnAbrechnung",
     .kurz = "Lohn", .hinweis = "Entgeltabrechnung"},
    {.nummer = 2, .name = "Einkommensteuer", .fokus = "cbVZ",
     .klasse = &TPageClass::Of<TFoEinkommensteuer>, .berechnung = "EST",
     .erzeugen = &Neu<TEStBerechnung>, .bus = true, .seitenDatei = true,
     .fuelltVergleich = TVergleichArt::ESt, .item = "miESt", .caption = "&Einkommensteuer",
     .button = "bnESt", .kurz = "ESt", .hinweis = "Einkommensteuer"},
    {.nummer = 3, .name = "LohnVergleich", .fokus = "bnNeu",
     .klasse = &TPageClass::Of<TFoLohnVergleich>, .berechnung = "LohnVergleich",
     .erzeugen = &NeuerVergleich<TLohnBerechnung>, .zeigtVergleich = TVergleichArt::Lohn},
    {.nummer = 4, .name = "EStVergleich", .fokus = "bnNeu",
     .klasse = &TPageClass::Of<TFoEStVergleich>, .berechnung = "EStVergleich",
     .erzeugen = &NeuerVergleich<TEStBerechnung>, .zeigtVergleich = TVergleichArt::ESt},
    // Item, button and hint are named after the pay limit of the page's data.
    {.nummer = 5, .name = "GeringfuegigBeschaeftigt", .fokus = "cbJahr",
     .klasse = &TPageClass::Of<TFoGeringfuegigBeschaeftigt>, .berechnung = "GfB",
     .erzeugen = &Neu<TGeringfuegigBerechnung>, .bus = true, .seitenDatei = true,
     .item = "miGfB", .caption = "", .button = "bnGfB", .kurz = "", .hinweis = "",
     .beschriftung = &GfBBeschriftung},
    {.nummer = 7, .name = "StKlVergleich", .fokus = "cbJahr",
     .klasse = &TPageClass::Of<TFoStKlVergleich>, .berechnung = "StKlVergleich",
     .erzeugen = &Neu<TStKlVergleichBerechnung>, .bus = true, .vorschau = &StKlVergleichDruck,
     .item = "miStKlVgl", .caption = "Steuerklassen-&Vergleich", .button = "bnStKlVgl",
     .kurz = "StKl Vergl", .hinweis = "Steuerklassen-Vergleich"},
    // Last, so that it goes first: its printout reads the data of the pages it shows.
    {.nummer = 6, .name = "Druckvorschau", .fokus = "",
     .klasse = &TPageClass::Of<TFoVtPrintPreview>, .berechnung = "PreviewBerechnung",
     .erzeugen = &Neu<TVtPrintPreviewBerechnung>, .druckbar = false},
};

} // namespace

const std::span<const TSeite> kSeiten = kSeitenZeilen;

const TSeite* SeiteNummer(int nummer)
{
    const auto* seite = std::ranges::find(kSeitenZeilen, nummer, &TSeite::nummer);
    return seite == std::end(kSeitenZeilen) ? nullptr : seite;
}

std::size_t Zeile(const TSeite& seite)
{
    return static_cast<std::size_t>(&seite - std::begin(kSeitenZeilen));
}

const TSeite& VergleichsSeite(std::optional<TVergleichArt> TSeite::*rolle, TVergleichArt art)
{
    const auto* seite = std::ranges::find(kSeitenZeilen, std::optional(art), rolle);
    VT_ASSERT(seite != std::end(kSeitenZeilen), "Jahresvergleich ohne Seite");
    return *seite;
}

namespace {

const TMenue kMenueZeilen[] = {{gDatei, "&Datei", true},       {gBearbeiten, nullptr, false},
                               {gAnsicht, "&Ansicht", true},   {gTabellen, "&Tabellen", true},
                               {gOptionen, "&Optionen", true}, {gHilfe, "&?", false}};

constexpr TAktion Trenner(TMenueGruppe menu)
{
    return {menu, nullptr, nullptr, nullptr, nullptr, TArt::Trenner};
}

const TAktion kAktionenZeilen[] = {
    {gDatei, "miEinstellungenLesen", "Einstellungen &lesen", "Ctrl+O",
     [](TMainForm& f) { f.EinstellungenLesen(-1); }},
    {gDatei, "miEinstellungenSpeichern", "Einstellungen &speichern", "Ctrl+S",
     [](TMainForm& f) { f.EinstellungenSpeichern(-1, true); }},
    Trenner(gDatei),
    {gDatei, "miSeiteLesen", "S&eite lesen", nullptr,
     [](TMainForm& f) { f.EinstellungenLesen(f.PageIndex()); }},
    {gDatei, "miSeiteSpeichern", "Se&ite speichern", nullptr,
     [](TMainForm& f) { f.EinstellungenSpeichern(f.PageIndex(), true); }},
    Trenner(gDatei),
    {gDatei, "miDrucken", "&Drucken...", "Ctrl+P", [](TMainForm& f) { f.Drucken(); }},
    Trenner(gDatei),
    {gDatei, "miBeenden", "&Beenden", nullptr, [](TMainForm& f) { f.miBeendenClick(); }},

    {gAnsicht, nullptr, nullptr, nullptr, nullptr, TArt::Seiten},
    Trenner(gAnsicht),
    {gAnsicht, "miFenstergroesse", "&Fenstergröße anpassen", nullptr,
     [](TMainForm& f) { f.FitToPage(); }},
    {gAnsicht, "miMauspalette", "&Mauspalette", nullptr,
     [](TMainForm& f) {
         OptionenVtrl().AllgemeinDaten().SetMauspalette(
             !OptionenVtrl().AllgemeinDaten().Mauspalette());
         f.OptionenGeaendert();
     },
     TArt::Umschalter},
    {gAnsicht, "miStatusleiste", "&Statusleiste", nullptr,
     [](TMainForm& f) {
         OptionenVtrl().AllgemeinDaten().SetStatuszeile(
             !OptionenVtrl().AllgemeinDaten().Statuszeile());
         f.OptionenGeaendert();
     },
     TArt::Umschalter},
    Trenner(gAnsicht),
    {gAnsicht, "miRechner", "&Rechner...", nullptr, [](TMainForm& f) { f.miRechnerClick(); }},

    {gTabellen, "miLStTabelleOeffnen", "&Lohnsteuer-Tabelle öffnen", nullptr,
     [](TMainForm& f) { f.LStTabelleOeffnen(); }},
    {gTabellen, "miSVTabelleOeffnen", "&Soz.Vers.-Beitragstabelle öffnen", nullptr,
     [](TMainForm& f) { TFoSVTabelle::Zeigen(SVTabellenVorgabenAus(f.Lohn())); }},
    {gTabellen, "miEStTabelleOeffnen", "&Einkommensteuer-Tabelle öffnen", nullptr,
     [](TMainForm& f) { f.ESt().TabelleOeffnen(); }},
    {gTabellen, "miEStTabellen", "Einkommensteuer-&Tabellen", nullptr, nullptr, TArt::Perioden},
    Trenner(gTabellen),
    {gTabellen, "miLStTabelleSchliessen", "&Lohnsteuer-Tabelle(n) schließen", nullptr,
     [](TMainForm&) { CloseFormsOfClass(TFoLStTabelle::staticMetaObject); }},
    {gTabellen, "miSVTabelleSchliessen", "&Soz.Vers.-Beitragstabelle(n) schließen", nullptr,
     [](TMainForm&) { CloseFormsOfClass(TFoSVTabelle::staticMetaObject); }},
    {gTabellen, "miEStTabelleSchliessen", "&Einkommensteuer-Tabelle(n) schließen", nullptr,
     [](TMainForm&) { CloseFormsOfClass(TFoEStTabelle::staticMetaObject); }},
    Trenner(gTabellen),
    {gTabellen, "miAlleSchliessen", "Alle s&chließen", nullptr,
     [](TMainForm&) { CloseFormsOfClass(TTabelle::staticMetaObject); }},

    {gOptionen, "miOptionen", "&Optionen...", nullptr, [](TMainForm&) { OptionenBearbeiten(); }},
    {gOptionen, "miKrankenkassen", "&Krankenkassen...", nullptr,
     [](TMainForm& f) { KrankenkassenMenue(f); }},
    {gOptionen, "miWaehrungen", "&Währungen...", nullptr, [](TMainForm& f) { WaehrungenMenue(f); }},
    Trenner(gOptionen),
    {gOptionen, "miBeimBeendenSpeichern", "Einstellungen beim Beenden &speichern", nullptr,
     [](TMainForm& f) {
         OptionenVtrl().AllgemeinDaten().SetBeimBeendenSpeichern(
             !OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern());
         f.MenueAktualisieren();
     },
     TArt::Umschalter},

    {gHilfe, "miInhalt", "&Inhalt", nullptr, nullptr, TArt::Verborgen},
    {gHilfe, "miIndex", "I&ndex", nullptr, nullptr, TArt::Verborgen},
    {gHilfe, "miSuchen", "&Suchen", nullptr, nullptr, TArt::Verborgen},
    {gHilfe, "miHilfeZumFeld", "Hilfe zum &Feld", nullptr, nullptr, TArt::Verborgen},
    {gHilfe, "miHilfeVerwenden", "&Hilfe verwenden", nullptr, nullptr, TArt::Verborgen},
    {gHilfe, "miAnleitung", "&Anleitung.pdf", nullptr, [](TMainForm& f) { f.AnleitungOeffnen(); }},
    {gHilfe, "miInfo", "Inf&o...", nullptr,
     [](TMainForm&) { TXoForm::ShowModalForm<TFoAboutBox>(); }},
};

const std::pair<const char*, int> kEStPeriodenZeilen[] = {
    {"1988 / 89", 1988}, {"1990 - 95", 1990}, {"1996 / 97", 1996}, {"1998", 1998},
    {"1999", 1999},      {"2000", 2000},      {"2001", 2001},      {"2002 / 03", 2002},
    {"2004", 2004},      {"2005 / 06", 2005}, {"2007 / 08", 2007}, {"2009", 2009},
    {"2010 - 12", 2010}, {"2013", 2013},      {"2014", 2014},      {"2015", 2015},
    {"2016", 2016},      {"201&7", 2017},     {"201&8", 2018},     {"201&9", 2019},
    {"202&0", 2020},     {"202&1", 2021},     {"202&2", 2022},     {"202&3", 2023},
    {"202&4", 2024},     {"202&5", 2025},     {"202&6", 2026}};

} // namespace

const std::span<const TMenue> kMenues = kMenueZeilen;
const std::span<const TAktion> kAktionen = kAktionenZeilen;
const std::span<const std::pair<const char*, int>> kEStPerioden = kEStPeriodenZeilen;
