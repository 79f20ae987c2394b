#include "Forms/MainForm.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Geringfuegig/Geringf.h"
#include "Engine/Vergleich/StKlVergleich.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Forms/Start/AboutBox.h"
#include "Forms/DDEStatusAnzeige.h"
#include "Forms/Tabellen/EStTabelle.h"
#include "Forms/Seiten/EStVergleich.h"
#include "Forms/Seiten/Einkommensteuer.h"
#include "Forms/Seiten/Entgeltabrechnung.h"
#include "Forms/Optionen/FoOptionen.h"
#include "Forms/Dialoge/FoStammdaten.h"
#include "Forms/Seiten/FoStKlVergleich.h"
#include "Forms/Seiten/GeringfuegigBeschaeftigt.h"
#include "Forms/Seiten/LohnVergleich.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Forms/Tabellen/FoSVTabelle.h"
#include "Forms/Start/UpdatePruefung.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/Hinweise.h"
#include "Gui/PageForm.h"
#include "Gui/XoApp.h"
#include "Lib/Datum.h"
#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "MVCFrame/DDEMngr.h"
#include "Options/OptionenVtrl.h"
#include "Platform/MessageWindow.h"
#include "Platform/ProzessStart.h"
#include "Platform/ShellFolder.h"
#include "Print/DruckAusgabe.h"
#include "Print/LohnDru.h"
#include "Print/QtDruckCanvas.h"
#include "Print/StKlVergleichDruck.h"
#include "Print/VtPrevw.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <iterator>
#include <optional>

namespace {

// The tray launcher: its window address and the message that makes it close.
const QString kTrayKlasse = "XoVtrlTray";
const QString kTrayTitel = "Vantrel Tray Icon 2026";
const QString kTrayNachricht = "CloseXoLStTabTrayApp";
constexpr const char* kTrayProgramm = "VtrlTray";
constexpr const char* kVersion = "5.01";
constexpr const char* kTitel = "Vantrel 2026";

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

// A page's menu item caption and speed-button caption read from its data.
struct TBeschriftung {
    QString caption;
    QString kurz;
};

// Named after the pay limit: from the data set, not from the page, so that the limit is right
// also while the page is not shown.
TBeschriftung GfBBeschriftung(TBerechnung& berechnung)
{
    const QString grenze = QString::fromStdString(
        dynamic_cast<TGeringfuegigBerechnung&>(berechnung).GeringfuegigDaten().GrenzeText());
    return {TFoGeringfuegigBeschaeftigt::Seitentitel(grenze), grenze};
}

// The pages of the main window, one row each: all the window knows of a page. The first row is
// the page shown when none is.
struct TSeite {
    int nummer;
    // Page name and settings section, the control focused on the page, its form class. A page
    // without a form class is not built yet: its commands stay disabled.
    const char* name;
    const char* fokus;
    TPageClass (*klasse)();
    // The page's calculation: its name (also its data set's and, when published on the
    // automation bus, the topic's) and its factory.
    const char* berechnung;
    std::unique_ptr<TBerechnung> (*erzeugen)(const std::string& name);
    bool bus = false;
    // "S&eite lesen" and "Se&ite speichern" read and write the page's own state.
    bool seitenDatei = false;
    // The page prints itself ("&Drucken..."); the preview does not.
    bool druckbar = true;
    // The printout the print preview shows of the page, or nullptr: no preview.
    std::unique_ptr<TVtDruck> (*vorschau)(TBerechnung&) = nullptr;
    // The year comparison of a kind: the page whose calculation fills it, and the page showing it.
    std::optional<TVergleichArt> fuelltVergleich = {};
    std::optional<TVergleichArt> zeigtVergleich = {};
    // For the pages the user picks: the item in "&Ansicht" and the speed button, which share one
    // action, so they are enabled and checked together.
    const char* item = nullptr;
    const char* caption = nullptr;
    const char* button = nullptr;
    const char* kurz = nullptr;
    const char* hinweis = nullptr;
    // Item, button and hint read from the page's data whenever it changes, or nullptr.
    TBeschriftung (*beschriftung)(TBerechnung&) = nullptr;
};

const TSeite kSeiten[] = {
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

// The row of page `nummer`, or nullptr.
const TSeite* SeiteNummer(int nummer)
{
    const auto* seite = std::ranges::find(kSeiten, nummer, &TSeite::nummer);
    return seite == std::end(kSeiten) ? nullptr : seite;
}

std::size_t Zeile(const TSeite& seite)
{
    return static_cast<std::size_t>(&seite - std::begin(kSeiten));
}

// The page of a year comparison's kind in the role `rolle` (filling or showing it).
const TSeite& VergleichsSeite(std::optional<TVergleichArt> TSeite::*rolle, TVergleichArt art)
{
    const auto* seite = std::ranges::find(kSeiten, std::optional(art), rolle);
    VT_ASSERT(seite != std::end(kSeiten), "Jahresvergleich ohne Seite");
    return *seite;
}

// The main window's menus in their order. A page's menu goes before the first menu of a higher
// group, and takes the place of the window's own menu of its group ("&Bearbeiten", group 1).
enum TMenueGruppe { gDatei = 0, gBearbeiten = 1, gAnsicht, gTabellen, gOptionen, gHilfe };

struct TMenue {
    TMenueGruppe gruppe;
    // nullptr: the window's edit menu (CreateEditMenu).
    const char* caption;
    // Its items are enabled and checked anew whenever it opens.
    bool aktualisieren;
};

const TMenue kMenues[] = {{gDatei, "&Datei", true},       {gBearbeiten, nullptr, false},
                          {gAnsicht, "&Ansicht", true},   {gTabellen, "&Tabellen", true},
                          {gOptionen, "&Optionen", true}, {gHilfe, "&?", false}};

enum class TArt {
    Befehl,     // an item; without a command it is one of a later part of the program, disabled
    Umschalter, // a checked item (its state set in MenueAktualisieren)
    Verborgen,  // a help item not offered
    Trenner,
    Seiten,  // the items of the pages (kSeiten)
    Perioden // the submenu of the income-tax tables, one item per tariff period
};

// One entry of the menus, in its menu's order.
struct TAktion {
    TMenueGruppe menu;
    const char* name;
    const char* caption;
    const char* taste;
    void (*befehl)(TMainForm&);
    TArt art = TArt::Befehl;
};

constexpr TAktion Trenner(TMenueGruppe menu)
{
    return {menu, nullptr, nullptr, nullptr, nullptr, TArt::Trenner};
}

const TAktion kAktionen[] = {
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
    {gOptionen, "miWaehrungen", "&Währungen...", nullptr,
     [](TMainForm& f) { WaehrungenMenue(f); }},
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

// The income-tax tariff periods of "Einkommensteuer-&Tabellen": caption and first year.
const std::pair<const char*, int> kEStPerioden[] = {
    {"1988 / 89", 1988}, {"1990 - 95", 1990}, {"1996 / 97", 1996}, {"1998", 1998},
    {"1999", 1999},      {"2000", 2000},      {"2001", 2001},      {"2002 / 03", 2002},
    {"2004", 2004},      {"2005 / 06", 2005}, {"2007 / 08", 2007}, {"2009", 2009},
    {"2010 - 12", 2010}, {"2013", 2013},      {"2014", 2014},      {"2015", 2015},
    {"2016", 2016},      {"201&7", 2017},     {"201&8", 2018},     {"201&9", 2019},
    {"202&0", 2020},     {"202&1", 2021},     {"202&2", 2022},     {"202&3", 2023},
    {"202&4", 2024},     {"202&5", 2025},     {"202&6", 2026}};

// A command of a menu item or speed button: nothing it raises may leave the event loop (a
// settings file that cannot be written would end the program and lose the change); the user is
// told, and the program runs on.
std::function<void()> Befehl(std::function<void()> aktion)
{
    return [aktion = std::move(aktion)] {
        try {
            aktion();
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    };
}

class TWarteCursorGuard {
public:
    TWarteCursorGuard() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWarteCursorGuard() { QApplication::restoreOverrideCursor(); }
    TWarteCursorGuard(const TWarteCursorGuard&) = delete;
    TWarteCursorGuard& operator=(const TWarteCursorGuard&) = delete;
};

} // namespace

TMainForm::TMainForm(std::string datenVerzeichnis, QWidget* parent)
    : TPageMainForm(parent), m_datenVerzeichnis(std::move(datenVerzeichnis))
{
    setObjectName("MainForm");
    PageContainer()->setObjectName("ScrollBox1");
    TFoEStTabelle::AlsTabelleDerBerechnung();
    m_berechnungen.reserve(std::size(kSeiten));
    for (const TSeite& seite : kSeiten)
        m_berechnungen.push_back(seite.erzeugen(seite.berechnung));
    for (const TSeite& seite : kSeiten) {
        TBerechnung* berechnung = m_berechnungen[Zeile(seite)].get();
        if (seite.bus)
            MVCDDEManager().RegisterTopic(berechnung->Daten());
        TPageData data;
        data.Name = seite.name;
        data.ActiveControl = seite.fokus;
        data.Berechnung = berechnung;
        data.PageClass = seite.klasse();
        if (data.PageClass.klasse)
            Pages().SetPage(seite.nummer, std::move(data));
    }
    MenueAufbauen();
    SpeedPanelAufbauen();
    StatuszeileAufbauen();
    SeitenBeschriftungen();
    m_ddeAnzeige = std::make_unique<TDDEStatusAnzeige>(*m_ddeStatus, *m_statusBar);
}

TMainForm::~TMainForm()
{
    // The DDE manager's events go before anything of the window does.
    m_ddeAnzeige.reset();
    // First, while window and pages are whole: the message box of a failed start runs its own
    // event loop. Nothing may leave a destructor: the failure is told, not thrown.
    if (OptionenVtrl().AllgemeinDaten().InfobereichSymbol()) {
        try {
            TrayProgrammStarten();
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    }
    // The page form goes before the calculation it shows.
    SetActivePage(0);
    if (m_meldungEigene)
        SetMeldungsHook(m_meldungVorher);
    // The application's signals must not reach the half-destroyed window (focus moves while the
    // widgets go).
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    if (TXoForm::MainForm() == this)
        TXoForm::SetMainForm(nullptr);
    // The calculations go one by one in reverse order, each before what it reads: a data set
    // that goes still notifies (the automation server's topic list changes), and the window,
    // still listed among the forms, must find the ones already gone empty rather than half
    // destroyed.
    for (auto berechnung = m_berechnungen.rbegin(); berechnung != m_berechnungen.rend();
         ++berechnung)
        berechnung->reset();
}

void TMainForm::init()
{
    TPageMainForm::init();
    TXoForm::SetMainForm(this);
    // The model's notices (a choice kept unchecked because its file cannot be read) reach the
    // user as the window's other messages do; questions keep the hook they had.
    m_meldungVorher = SetMeldungsHook({});
    m_meldungEigene = true;
    SetMeldungsHook(
        [vorher = m_meldungVorher](const std::string& text, const std::string& caption,
                                   bool abbrechbar) {
            if (abbrechbar)
                return vorher ? vorher(text, caption, true) : true;
            ShowFehler(QString::fromStdString(text));
            return true;
        });
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* neu) {
        // Only the field with the focus shows a selection: a field the focus left for another
        // field of the same window (also when the program moved it) drops its selection.
        if (auto* edit = qobject_cast<QLineEdit*>(alt);
            edit && neu && edit->window() == neu->window())
            edit->deselect();
        BearbeitenAktualisieren();
    });
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            EinfuegeModusAnzeigen();
    });
    OptionenGeaendert();
    EinfuegeModusAnzeigen();
    BearbeitenAktualisieren();
    MenueAktualisieren();
}

QAction* TMainForm::NeuesItem(QMenu* menu, const QString& name, const QString& caption,
                              const QKeySequence& taste, std::function<void()> aktion)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!taste.isEmpty())
        a->setShortcut(taste);
    if (aktion)
        connect(a, &QAction::triggered, this, Befehl(std::move(aktion)));
    else
        a->setEnabled(false); // a command of a later part of the program
    m_items[name] = a;
    return a;
}

QAction* TMainForm::Item(const QString& name) const
{
    const auto it = m_items.find(name);
    return it == m_items.end() ? nullptr : it->second;
}

QToolButton* TMainForm::Button(const QString& name) const
{
    const auto it = m_buttons.find(name);
    return it == m_buttons.end() ? nullptr : it->second;
}

void TMainForm::MenueAufbauen()
{
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName("MainMenu");
    SetMainMenu(menuBar);
    layout()->setMenuBar(menuBar);
    for (const TMenue& m : kMenues) {
        if (!m.caption) {
            menuBar->addMenu(CreateEditMenu(menuBar));
            continue;
        }
        QMenu* menu = menuBar->addMenu(m.caption);
        SetGroupIndex(*menu->menuAction(), m.gruppe);
        for (const TAktion& a : kAktionen) {
            if (a.menu != m.gruppe)
                continue;
            switch (a.art) {
            case TArt::Trenner:
                menu->addSeparator();
                break;
            case TArt::Seiten:
                SeitenItems(*menu);
                break;
            case TArt::Perioden:
                EStPeriodenItems(*menu->addMenu(a.caption), a.name);
                break;
            default:
                QAction* item = NeuesItem(
                    menu, a.name, a.caption, a.taste ? QKeySequence(a.taste) : QKeySequence(),
                    a.befehl ? std::function<void()>([this, befehl = a.befehl] { befehl(*this); })
                             : std::function<void()>());
                item->setCheckable(a.art == TArt::Umschalter);
                item->setVisible(a.art != TArt::Verborgen);
            }
        }
        if (m.aktualisieren)
            connect(menu, &QMenu::aboutToShow, this, &TMainForm::MenueAktualisieren);
    }
}

void TMainForm::SeitenItems(QMenu& menu)
{
    for (const TSeite& seite : kSeiten) {
        if (!seite.item)
            continue;
        const int nummer = seite.nummer;
        QAction* a = NeuesItem(&menu, seite.item, seite.caption, {},
                               [this, nummer] { SeiteZeigen(nummer); });
        a->setCheckable(true);
        m_seitenAktionen[nummer] = a;
    }
}

void TMainForm::EStPeriodenItems(QMenu& menu, const QString& name)
{
    menu.setObjectName(name);
    for (const auto& [text, jahr] : kEStPerioden)
        NeuesItem(&menu, QString("miESt%1").arg(jahr), text, {},
                  [j = jahr] { TFoEStTabelle::ZeigenPeriode(j); })
            ->setData(jahr);
}

QToolButton* TMainForm::NeuerButton(const QString& name, const QString& caption,
                                    const QString& hint, std::function<void()> aktion)
{
    auto* button = new QToolButton(m_speedPanel);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setStatusTip(hint);
    button->setAutoRaise(true);
    button->setMinimumSize(32, 26);
    if (aktion)
        connect(button, &QToolButton::clicked, this, Befehl(std::move(aktion)));
    else
        button->setEnabled(false);
    m_speedPanel->layout()->addWidget(button);
    m_buttons[name] = button;
    return button;
}

QToolButton* TMainForm::ButtonFuer(const QString& name, QAction& item, const QString& caption,
                                   const QString& hint)
{
    // The button shows the item's short caption and hint; the item's state is the button's.
    item.setIconText(caption);
    item.setToolTip(hint);
    item.setStatusTip(hint);
    QToolButton* button = NeuerButton(name, caption, hint, {});
    button->setDefaultAction(&item);
    return button;
}

void TMainForm::SpeedPanelAufbauen()
{
    m_speedPanel = new QWidget(this);
    m_speedPanel->setObjectName("SpeedPanel");
    auto* zeile = new QHBoxLayout(m_speedPanel);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->setSpacing(2);
    ButtonFuer("OpenBtn", *Item("miSeiteLesen"), "Lesen", "Seite lesen");
    ButtonFuer("SaveBtn", *Item("miSeiteSpeichern"), "Speich.", "Seite speichern");
    NeuerButton("bnDrucken", "Druck", "Drucken", [this] { bnDruckenClick(); });
    NeuerButton("bnPreview", "Vorsch.", "Druckvorschau", [this] { Vorschau(); });
    NeuerButton("CutBtn", "Aussch.", "Ausschneiden", [this] { miAusschneidenClick(); });
    NeuerButton("CopyBtn", "Kopie", "Kopieren", [this] { miKopierenClick(); });
    NeuerButton("PasteBtn", "Einf.", "Einfügen", [this] { miEinfuegenClick(); });
    NeuerButton("bnRechner", "Rechner", "Rechner", [this] { miRechnerClick(); });
    for (const TSeite& seite : kSeiten) {
        if (seite.button)
            ButtonFuer(seite.button, *m_seitenAktionen.at(seite.nummer), seite.kurz, seite.hinweis);
    }
    zeile->addStretch(1);
    NeuerButton("ExitBtn", "Ende", "Programm beenden", [this] { miBeendenClick(); });
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, m_speedPanel);
}

void TMainForm::StatuszeileAufbauen()
{
    m_paStatuszeile = new QWidget(this);
    m_paStatuszeile->setObjectName("paStatuszeile");
    auto* zeile = new QHBoxLayout(m_paStatuszeile);
    zeile->setContentsMargins(2, 1, 2, 1);
    auto feld = [this, zeile](const char* name, const QString& text, int stretch) {
        auto* label = new QLabel(text, m_paStatuszeile);
        label->setObjectName(name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        zeile->addWidget(label, stretch);
        return label;
    };
    m_statusBar = feld("StatusBar", "", 1);
    m_ddeStatus = feld("DDEStatus", "DDE", 0);
    m_ddeStatus->setToolTip("DDE-Statusanzeige (Dynamischer Datenaustausch)");
    m_einfuegeStatus = feld("EinfuegeStatus", "Einfügen", 0);
    layout()->addWidget(m_paStatuszeile);
}

int TMainForm::DefaultHeight() const
{
    return ActivePageForm() ? TPageMainForm::DefaultHeight() : 648;
}

int TMainForm::DefaultWidth() const
{
    return ActivePageForm() ? TPageMainForm::DefaultWidth() : 638;
}

int TMainForm::PageHeight() const
{
    int hoehe = TPageMainForm::PageHeight();
    if (m_speedPanel->isVisibleTo(this))
        hoehe += m_speedPanel->sizeHint().height();
    if (m_paStatuszeile->isVisibleTo(this))
        hoehe += m_paStatuszeile->sizeHint().height();
    return hoehe;
}

void TMainForm::LoadPage(const TIniFile& ini)
{
    TPageMainForm::LoadPage(ini);
    if (PageIndex() == 0)
        SetActivePage(kSeiten[0].nummer);
}

void TMainForm::PageChanged()
{
    TitelAktualisieren();
    MenueAktualisieren();
}

void TMainForm::SetActivePage(int n)
{
    const bool vorhanden = Pages().GetPage(n) != nullptr;
    for (const auto& [nummer, aktion] : m_seitenAktionen)
        aktion->setChecked(vorhanden && nummer == n);
    m_speedPanel->update();
    TPageMainForm::SetActivePage(n);
}

void TMainForm::SeiteZeigen(int n)
{
    SetActivePage(n);
    if (OptionenVtrl().AllgemeinDaten().GroesseAnpassen())
        FitToPage();
}

void TMainForm::SetFetteSchrift(bool bold)
{
    TPageMainForm::SetFetteSchrift(bold);
    SetBoldFont(*PageContainer(), bold);
}

void TMainForm::ToggleScaling()
{
    TPageMainForm::ToggleScaling();
    if (OptionenVtrl().AllgemeinDaten().GroesseAnpassen())
        FitToPage();
    else
        InArbeitsflaeche();
}

std::string TMainForm::EinstellungsDatei() const
{
    return JoinPath(m_datenVerzeichnis, "VANTRL32.INI");
}

void TMainForm::EinstellungenLesen(int page)
{
    TWarteCursorGuard warten;
    TXIniFile ini(EinstellungsDatei());
    ini.EinstellungenLesbar();
    if (page == -1)
        LoadPosition(ini);
    else
        LoadPages(ini, page);
}

void TMainForm::EinstellungenSpeichern(int page, bool alle)
{
    TWarteCursorGuard warten;
    const auto fensterDatei = [this](const std::function<void(TXIniFile&)>& schreiben) {
        // Told unreadable at start: left as it is, without a second word.
        if (TIniFile::Verschont(EinstellungsDatei()))
            return;
        ForceDirectories(m_datenVerzeichnis);
        TXIniFile ini(EinstellungsDatei());
        ini.BeginUpdate();
        schreiben(ini);
        ini.UpdateFile();
    };
    if (page != -1) {
        fensterDatei([this, page](TXIniFile& ini) { SavePages(ini, page); });
        return;
    }
    // Each file on its own; one message lists every file that could not be written.
    TFehlerSammlung fehler;
    fehler.Versuche([alle] { OptionenVtrl().Save(alle); });
    if (alle || OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern()) {
        fehler.Versuche([&] {
            fensterDatei([this](TXIniFile& ini) {
                ini.WriteString(objectName().toStdString(), "Version", kVersion);
                SavePosition(ini);
            });
        });
    }
    fehler.Werfen(kNichtGespeichert);
}

void TMainForm::NachDemErzeugen(const QString& erstesArgument)
{
    TrayProgrammSchliessen();
    try {
        EinstellungenLesen(-1);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    if (PageIndex() == 0)
        SetActivePage(kSeiten[0].nummer);
    m_statusBar->setText(QString::fromStdString(UpdateStatusText(erstesArgument.toStdString())));
}

TBerechnung* TMainForm::BerechnungNamens(std::string_view name) const
{
    for (const auto& berechnung : m_berechnungen)
        if (berechnung && name == berechnung->Name())
            return berechnung.get();
    return nullptr;
}

template <class T> T& TMainForm::BerechnungAls(std::string_view name) const
{
    auto* berechnung = dynamic_cast<T*>(BerechnungNamens(name));
    VT_ASSERT(berechnung, "Berechnung der Seitentabelle fehlt");
    return *berechnung;
}

TBerechnung* TMainForm::BerechnungDerSeite(int nummer) const
{
    const TSeite* seite = SeiteNummer(nummer);
    return seite && Zeile(*seite) < m_berechnungen.size() ? m_berechnungen[Zeile(*seite)].get()
                                                          : nullptr;
}

int TMainForm::SeiteDer(const TBerechnung& berechnung) const
{
    for (std::size_t zeile = 0; zeile < m_berechnungen.size(); ++zeile) {
        if (m_berechnungen[zeile].get() == &berechnung)
            return kSeiten[zeile].nummer;
    }
    return 0;
}

TLohnBerechnung& TMainForm::Lohn() const
{
    return BerechnungAls<TLohnBerechnung>("LOHN");
}

TEStBerechnung& TMainForm::ESt() const
{
    return BerechnungAls<TEStBerechnung>("EST");
}

TGeringfuegigBerechnung& TMainForm::GfB() const
{
    return BerechnungAls<TGeringfuegigBerechnung>("GfB");
}

TVergleichBerechnung& TMainForm::LohnVergleich() const
{
    return BerechnungAls<TVergleichBerechnung>("LohnVergleich");
}

TVergleichBerechnung& TMainForm::EStVergleich() const
{
    return BerechnungAls<TVergleichBerechnung>("EStVergleich");
}

TStKlVergleichBerechnung& TMainForm::StKlVergleich() const
{
    return BerechnungAls<TStKlVergleichBerechnung>("StKlVergleich");
}

TVtPrintPreviewBerechnung& TMainForm::PreviewBerechnung() const
{
    return BerechnungAls<TVtPrintPreviewBerechnung>("PreviewBerechnung");
}

void TMainForm::VergleichNachricht(TVergleichBefehl befehl, TVergleichArt art)
{
    const TSeite& quelle = VergleichsSeite(&TSeite::fuelltVergleich, art);
    const TSeite& ziel = VergleichsSeite(&TSeite::zeigtVergleich, art);
    auto& vergleich = dynamic_cast<TVergleichBerechnung&>(*BerechnungDerSeite(ziel.nummer));
    const TBerechnung& daten = *BerechnungDerSeite(quelle.nummer);
    switch (befehl) {
    case TVergleichBefehl::Fall1:
        vergleich.SetDaten1(daten);
        break;
    case TVergleichBefehl::Fall2:
        vergleich.SetDaten2(daten);
        SeiteZeigen(ziel.nummer);
        break;
    case TVergleichBefehl::Neu:
    case TVergleichBefehl::Aendern:
        // The comparison page that sent this is gone once its calculation page is shown.
        SeiteZeigen(quelle.nummer);
        if (auto* seite = dynamic_cast<TFoEntgeltabrechnung*>(ActivePageForm()))
            seite->Jahresvergleich().VergleichNachricht(befehl);
        if (auto* seite = dynamic_cast<TFoEinkommensteuer*>(ActivePageForm()))
            seite->Jahresvergleich().VergleichNachricht(befehl);
        break;
    }
}

QAction* TMainForm::SeitenAktion(int nummer) const
{
    const auto it = m_seitenAktionen.find(nummer);
    return it == m_seitenAktionen.end() ? nullptr : it->second;
}

void TMainForm::TitelAktualisieren()
{
    const TPageForm* page = ActivePageForm();
    const QString titel =
        page ? QString(kTitel) + " - [" + page->windowTitle() + "]" : QString(kTitel);
    setWindowTitle(titel);
    XoApplication().TrayIcon().SetHint(titel);
}

void TMainForm::SeitenBeschriftungen()
{
    bool beschriftet = false;
    for (std::size_t zeile = 0; zeile < m_berechnungen.size(); ++zeile) {
        const TSeite& seite = kSeiten[zeile];
        QAction* item = SeitenAktion(seite.nummer);
        if (!seite.beschriftung || !item || !m_berechnungen[zeile])
            continue; // the menus are not built yet
        const TBeschriftung beschriftung = seite.beschriftung(*m_berechnungen[zeile]);
        item->setText(beschriftung.caption);
        item->setIconText(beschriftung.kurz);
        item->setToolTip(beschriftung.caption);
        item->setStatusTip(QString());
        beschriftet = true;
    }
    if (beschriftet)
        TitelAktualisieren();
}

void TMainForm::EinfuegeModusAnzeigen()
{
    // The amount fields' own toggle decides, so the indicator can never disagree with typing.
    m_einfuegeStatus->setText(TBetrag::EinfuegeModus() ? "Einfügen" : "Überschr.");
}

void TMainForm::BearbeitenAktualisieren()
{
    const auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    Button("CutBtn")->setEnabled(edit && !edit->isReadOnly());
    Button("PasteBtn")->setEnabled(edit && !edit->isReadOnly());
    Button("CopyBtn")->setEnabled(edit != nullptr);
}

void TMainForm::MenueAktualisieren()
{
    const TSeite* seite = SeiteNummer(PageIndex());
    const bool seitenDatei = seite && seite->seitenDatei;
    const auto item = [this](const char* name, bool verfuegbar, const QString& grund) {
        SetItemVerfuegbar(*Item(name), verfuegbar, grund);
    };
    const auto offen = [](const QMetaObject& klasse) { return FormOfClassExists(klasse); };
    item("miSeiteLesen", seitenDatei, "die angezeigte Seite keine eigenen Einstellungen hat.");
    item("miSeiteSpeichern", seitenDatei, "die angezeigte Seite keine eigenen Einstellungen hat.");
    item("miDrucken", SeiteDruckbar(), "die angezeigte Seite nicht gedruckt werden kann.");
    Button("bnDrucken")->setEnabled(SeiteDruckbar());
    Button("bnPreview")->setEnabled(seite && seite->vorschau);
    for (const auto& [nummer, aktion] : m_seitenAktionen)
        SetItemVerfuegbar(*aktion, Pages().GetPage(nummer) != nullptr,
                          "die Seite nicht eingerichtet ist.");
    Item("miStatusleiste")->setChecked(OptionenVtrl().AllgemeinDaten().Statuszeile());
    Item("miMauspalette")->setChecked(OptionenVtrl().AllgemeinDaten().Mauspalette());
    Item("miBeimBeendenSpeichern")
        ->setChecked(OptionenVtrl().AllgemeinDaten().BeimBeendenSpeichern());
    item("miLStTabelleSchliessen", offen(TFoLStTabelle::staticMetaObject),
         "keine Lohnsteuer-Tabelle geöffnet ist.");
    item("miSVTabelleSchliessen", offen(TFoSVTabelle::staticMetaObject),
         "keine Soz.Vers.-Beitragstabelle geöffnet ist.");
    item("miEStTabelleSchliessen", offen(TFoEStTabelle::staticMetaObject),
         "keine Einkommensteuer-Tabelle geöffnet ist.");
    item("miAlleSchliessen", offen(TTabelle::staticMetaObject), "keine Tabelle geöffnet ist.");
}

void TMainForm::OptionenGeaendert()
{
    m_paStatuszeile->setVisible(OptionenVtrl().AllgemeinDaten().Statuszeile());
    m_speedPanel->setVisible(OptionenVtrl().AllgemeinDaten().Mauspalette());
    MenueAktualisieren();
}

void TMainForm::DatenGeaendert(TDaten& daten)
{
    TPageMainForm::DatenGeaendert(daten);
    if (&daten == &OptionenVtrl().AllgemeinDaten())
        OptionenGeaendert();
    // The calculations notify while they are made and while they go: a page's may not exist.
    for (std::size_t zeile = 0; zeile < m_berechnungen.size(); ++zeile) {
        if (kSeiten[zeile].beschriftung && m_berechnungen[zeile] &&
            &daten == &m_berechnungen[zeile]->Daten()) {
            SeitenBeschriftungen();
            break;
        }
    }
}

void TMainForm::TrayProgrammSchliessen()
{
    PostWindowMessage(kTrayKlasse, kTrayTitel, kTrayNachricht);
}

void TMainForm::TrayProgrammStarten()
{
    const std::string pfad = ShellFolders().ProgramDirectory() + kTrayProgramm;
    const int fehler = ProgrammStarten(pfad, {}, {});
    if (fehler != 0 && fehler != ENOENT)
        RaiseSystemError(fehler, pfad);
}

void TMainForm::AnleitungOeffnen()
{
    DokumentOeffnen(QString::fromStdString(ShellFolders().ProgramDirectory()) + "Anleitung.pdf");
}

void TMainForm::LStTabelleOeffnen()
{
    TFoLStTabelle::Zeigen(LStTabelleVorgabenAus(Lohn().LohnDatenOf()));
    MenueAktualisieren();
}

bool TMainForm::SeiteDruckbar() const
{
    const TPageForm* form = ActivePageForm();
    const TSeite* seite = SeiteNummer(PageIndex());
    if (!form || (seite && !seite->druckbar))
        return false;
    // A page whose printout is not built yet disables its own print item.
    const auto* item = form->findChild<QAction*>("pmiDrucken");
    return !item || item->isEnabled();
}

void TMainForm::Drucken()
{
    TPageForm* seite = ActivePageForm();
    if (!seite || !SeiteDruckbar())
        return;
    const std::optional<TDruckWahl> wahl = DruckDialogAusfuehren(this, windowTitle());
    EinfuegeModusAnzeigen();
    if (!wahl)
        return;
    try {
        if (wahl->alsText)
            TextDateiAusgeben(this, seite->DruckText());
        else
            seite->Drucken(wahl->kopien);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    EinfuegeModusAnzeigen();
}

void TMainForm::bnDruckenClick()
{
    TPageForm* seite = ActivePageForm();
    if (!seite || !SeiteDruckbar())
        return;
    if (Drucker().printerState() == QPrinter::Active) {
        MessageBeep(TBeepArt::Fehler);
        return;
    }
    try {
        seite->Drucken(1);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TMainForm::Vorschau()
{
    const TSeite* seite = SeiteNummer(PageIndex());
    TBerechnung* berechnung = BerechnungDerSeite(PageIndex());
    if (!seite || !seite->vorschau || !berechnung)
        return;
    std::unique_ptr<TVtDruck> druck = seite->vorschau(*berechnung);
    druck->Titel = windowTitle();
    TVtPrintPreviewBerechnung& preview = PreviewBerechnung();
    preview.SetDruck(std::move(druck));
    SeiteZeigen(SeiteDer(preview));
}

void TMainForm::TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse)
{
    if (auto* lohn = dynamic_cast<TFoEntgeltabrechnung*>(ActivePageForm()))
        lohn->TabellenNachricht(art, klasse);
    if (auto* est = dynamic_cast<TFoEinkommensteuer*>(ActivePageForm()))
        est->TabellenNachricht(art, klasse);
    MenueAktualisieren();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Closing is always allowed; a settings file that cannot be written is reported, and the
    // program still ends.
    try {
        EinstellungenSpeichern(-1, false);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    // The table windows go with the main window, each as on its own close, so that the program
    // ends.
    CloseFormsOfClass(TTabelle::staticMetaObject);
    event->accept();
    TPageMainForm::closeEvent(event);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier &&
            watched == QApplication::focusWidget()) {
            // The amount fields switch the mode themselves; every other field leaves the toggle
            // to us, so that it stays one toggle for the whole program.
            if (event->type() == QEvent::KeyPress && !key->isAutoRepeat() &&
                !qobject_cast<TBetrag*>(QApplication::focusWidget()))
                TBetrag::SetEinfuegeModus(!TBetrag::EinfuegeModus());
            if (event->type() == QEvent::KeyRelease)
                EinfuegeModusAnzeigen();
        }
    }
    if (event->type() == QEvent::StatusTip && watched == this)
        m_statusBar->setText(static_cast<QStatusTipEvent*>(event)->tip());
    return TPageMainForm::eventFilter(watched, event);
}
