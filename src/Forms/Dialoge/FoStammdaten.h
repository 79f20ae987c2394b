#pragma once
// The dialogs of the user's master data: the health-insurance funds of SVBEITRG.INI and the
// currencies of WAEHRUNG.INI. Each is a list dialog over its list calculation (TKassen,
// TWaehrungen) and an edit dialog for one entry (TKasse, TWaehrung); the two pairs differ only in
// their calculations, texts and fields. After a save the list is read again from the file and the
// saved entry selected; after a save or delete every form re-reads its values, so the pages offer
// the new choices.
//
// The openers: the payroll page's "Kassen..." and the main window's "&Krankenkassen..." and
// "&Währungen...", which preselect the page's entry and write the chosen one back.
#include "Engine/Stammdaten/StammDaten.h"
#include "Gui/ListenDialog.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QLabel;
class TPageContainerForm;
class TLohnBerechnung;

class TFoStammListe : public TListenDialog {
    Q_OBJECT
public:
    // The selected entry's name (the one marked entry, else the list's text).
    QString Auswahl() const;
    // Marks the entry `name` alone; none when the list lacks it.
    void SetAuswahl(const QString& name);

protected:
    // What sets the funds and the currencies apart.
    struct TArt {
        const char* titel;   // "Krankenkassen"
        const char* liste;   // "lbKrankenkassen"
        const char* wert;    // the list value, named like the file's list section
        const char* eintrag; // "Wollen Sie die Krankenkasse " ...
        const char* mehrere; // ... " markierten Krankenkassen wirklich löschen?"
        // The edit dialog for the entry `name` (a new one when empty); the saved name on OK.
        std::optional<QString> (*bearbeiten)(const QString& name);
        // Why the marked entries cannot be deleted when the list refuses them all (nullptr:
        // the list deletes every entry).
        const char* nichtLoeschbar;
    };
    // Binds the dialog to a copy of `liste` and loads it from the file.
    TFoStammListe(const TArt& art, std::unique_ptr<TStammListenBerechnung> liste);

    QPushButton* StandardKnopf() const override;
    void AfterRefresh() override;
    void Neu() override;
    void Aendern() override;
    QStringList LoeschKandidaten() const override;
    void MarkierteLoeschen() override;
    QString LoeschenTitel() const override;
    QString LoeschenFrage(const QString& eintrag) const override;
    QString LoeschenFrage(int anzahl) const override;

private:
    TStammListenBerechnung* StammListe() const;
    void Gespeichert(const QString& name);

    TArt m_art;
    std::unique_ptr<TStammListenBerechnung> m_eigene;
};

class TFoKassenMenue : public TFoStammListe {
    Q_OBJECT
public:
    TFoKassenMenue();
    // Shows the funds with `auswahl` selected; the chosen fund on OK.
    static std::optional<QString> Ausfuehren(const QString& auswahl);
};

// "DM" and "Euro" are never deleted.
class TFoWaehrungenMenue : public TFoStammListe {
    Q_OBJECT
public:
    TFoWaehrungenMenue();
    static std::optional<QString> Ausfuehren(const QString& auswahl);
};

// "Krankenkasse": one fund's name, rates and flags; OK (while it has a name) saves it.
class TFoKasse : public TEintragDialog {
    Q_OBJECT
public:
    explicit TFoKasse(QWidget* parent = nullptr);

protected:
    void Speichern() override;
};

// "Währung": one currency's name, sign and rate; OK (with a name and a rate above 0) saves it.
class TFoWaehrung : public TEintragDialog {
    Q_OBJECT
public:
    explicit TFoWaehrung(QWidget* parent = nullptr);

protected:
    void Speichern() override;
};

// The edit dialogs on their own: the saved entry's name on OK.
std::optional<QString> EditKasse(const QString& name);
std::optional<QString> EditWaehrung(const QString& name);

// Whether the statement's fund is one of the funds file's list.
bool KasseGelistet(const TLohnBerechnung& lohn);
// The statement takes its fund's rates again, or the year's rates when the fund, listed before
// (`warGelistet`), has been deleted (its name is emptied).
void KasseNachladen(TLohnBerechnung& lohn, bool warGelistet);
// The funds dialog over a payroll statement, its fund selected; on OK the chosen fund becomes
// "KasseName"; then KasseNachladen.
void KasseWaehlen(TLohnBerechnung& lohn);
// The currencies dialog with the value's currency selected; on OK the chosen one is written back.
void WaehrungWaehlen(TValue& waehrungName);
// The main window's "&Krankenkassen..." and "&Währungen...": over the statement on page 1, the
// currency of pages 1, 2 and 5; the bare dialogs elsewhere (the statement still loses a fund
// deleted there).
void KrankenkassenMenue(const TPageContainerForm& fenster);
void WaehrungenMenue(const TPageContainerForm& fenster);
