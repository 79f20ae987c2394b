#pragma once
// The main window's data: its pages (kSeiten), its menus (kMenues), the actions of their items
// (kAktionen) and the periods of the income-tax tables. MainForm.cpp builds the window from these
// tables; nothing else in the window names a page.
#include "Forms/Seiten/VergleichNachricht.h"
#include "Gui/PageForm.h"

#include <QString>

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>

class TBerechnung;
class TMainForm;
class TVtDruck;

// A page's menu item caption and speed-button caption read from its data.
struct TBeschriftung {
    QString caption;
    QString kurz;
};

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

extern const std::span<const TSeite> kSeiten;

// The row of page `nummer`, or nullptr.
const TSeite* SeiteNummer(int nummer);
// The index of a row of kSeiten.
std::size_t Zeile(const TSeite& seite);
// The page of a year comparison's kind in the role `rolle` (filling or showing it).
const TSeite& VergleichsSeite(std::optional<TVergleichArt> TSeite::*rolle, TVergleichArt art);

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

extern const std::span<const TMenue> kMenues;

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

extern const std::span<const TAktion> kAktionen;

// The income-tax tariff periods of "Einkommensteuer-&Tabellen": caption and first year.
extern const std::span<const std::pair<const char*, int>> kEStPerioden;
