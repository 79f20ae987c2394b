#pragma once
// "Detail-Entgelte": the itemised pay list of a payroll statement (a copy, TEntgelteMenue) in two
// columns, text and amount, with the annual amounts for one-off payments below it. The group of
// annual amounts shows, and the dialog grows, only while the list holds a one-off payment. Marked
// entries can be dragged onto an unmarked one to move them there.
#include "Gui/ListenDialog.h"
#include "Gui/MVCListe.h"

#include <functional>

class QGroupBox;
class QLabel;
class TEntgelteMenue;
class TLohnBerechnung;

// The pay list: the amount column right-aligned and as wide as the largest amount; drags carry
// the list's own format only, and the list never moves its items itself.
class QHeaderView;

// The list of pay items in two columns, "Bezeichnung" and "Betrag", under their captions.
class TEntgelteListe : public TMVCListBox {
    Q_OBJECT
public:
    static constexpr const char* kFormat = "application/x-vantrel-entgelte";

    explicit TEntgelteListe(TBerechnungForm* owner, QWidget* parent = nullptr);

    std::function<bool(int zeile)> dropErlaubt;
    std::function<void(int zeile)> drop;

protected:
    QStringList mimeTypes() const override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int Zielzeile(const QDropEvent& event) const;
    void SpaltenAnpassen();

    QHeaderView* m_kopf = nullptr;
};

class TFoEntgelteMenue : public TListenDialog {
    Q_OBJECT
public:
    explicit TFoEntgelteMenue(QWidget* parent = nullptr);

    // Edits the statement's itemised list and annual amounts; on OK hands them back in one change.
    // True on OK.
    static bool Ausfuehren(TLohnBerechnung& lohn);

    TEntgelteMenue* Menue() const;
    QGroupBox* gbSonstigeBez() const { return m_sonstigeBez; }
    bool DropErlaubt(int zeile) const;
    void Verschieben(int zeile);

protected:
    void AfterRefresh() override;
    TValue* WertFuer(const std::string& name) const override;
    QPushButton* StandardKnopf() const override;
    void Neu() override;
    void Aendern() override;
    QStringList LoeschKandidaten() const override;
    void MarkierteLoeschen() override;
    QString LoeschenTitel() const override;
    QString LoeschenFrage(const QString& eintrag) const override;
    QString LoeschenFrage(int anzahl) const override;

private:
    void GruppeFolgen(bool an);
    void WaehrungsEndungen();

    QGroupBox* m_sonstigeBez = nullptr;
    std::vector<std::pair<QLabel*, QString>> m_waehrungsLabels;
    int m_gruppeAn = -1;
};
