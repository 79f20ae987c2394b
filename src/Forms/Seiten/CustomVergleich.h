#pragma once
// The base of the year comparison pages (wage and income tax): two cases of a comparison
// calculation side by side, with their difference.
//
//   amount row      one label per column: the amount with its currency text, empty when it
//                   rounds to no cent
//   difference row  the difference column of a judged value: the amount (without sign) and the
//                   judgement "Mehrbelastung" (red) or "Entlastung" (green) by the value's sense
//
// Case 1's column takes case 1's currency text, case 2's and the difference column case 2's (the
// difference is held in case 2's currency). The rows are one table per page (TVergleichsZeile);
// "Neu" and "Ändern" hand the comparison back to the page that fills it (VergleichNachricht.h).
#include "Forms/Seiten/VergleichNachricht.h"
#include "Gui/PageForm.h"

#include <QBoxLayout>
#include <QColor>
#include <QString>

#include <span>

class QGridLayout;
class QLabel;
class QPushButton;
class TDaten;
class TVergleichBerechnung;

// A higher amount in case 2 is a burden (wage tax) or a relief (net pay).
enum class TSinn { Entlastung = 0, Belastung = 1 };

struct TDifferenzText {
    QString betrag;
    QString urteil;
    QColor farbe;
};

// The amount with its sign, 2 places and thousands separators, a blank and the currency text;
// empty when it rounds to no cent.
QString BetragZeilenText(double betrag, const QString& waehrung);
// The difference's size with the currency text and its judgement; all empty when it rounds to no
// cent. A difference that grows what the sense calls a burden is "Mehrbelastung" (red).
TDifferenzText DifferenzZeilenText(double differenz, TSinn sinn, const QString& waehrung);

// One row of a comparison page: labels `label` + "1", "2", "3" over the value `wert` of case 1,
// case 2 and the difference; with `urteil` the difference column is a difference row judged
// there, else an amount row.
struct TVergleichsZeile {
    const char* label;
    const char* wert;
    const char* caption;
    const char* urteil = nullptr;
    TSinn sinn = TSinn::Belastung;
};

class TCustomVergleich : public TMainPageForm {
    Q_OBJECT
public:
    TCustomVergleich(TVergleichArt art, QWidget* parent);
    ~TCustomVergleich() override;

    TVergleichBerechnung* VergleichBerechnung() const;
    // Case 1, case 2 (1, 2) or the difference (3); nullptr while unbound.
    TDaten* Fall(int fall) const;

    void bnNeuClick();
    void bnAendernClick();
    template <class T> T* Control(const char* name) const { return Panel()->findChild<T*>(name); }

protected:
    // Binds, for case 1 and then case 2, the labels `control` + "1" / "2" to the case's values.
    void FaelleBinden(std::span<const TBindung> bindungen);
    // Fills the three columns of the rows; each case column in its case's currency text.
    void ZeilenFuellen(std::span<const TVergleichsZeile> zeilen);
    // A caption and the labels of each row below the grid's last row.
    void ZeilenAufbauen(QGridLayout& gitter, std::span<const TVergleichsZeile> zeilen);
    // A caption and the bound labels `control` + "1" / "2" of each row.
    void FallZeilenAufbauen(QGridLayout& gitter, std::span<const TBindung> bindungen,
                            std::span<const char* const> captions);
    // An empty label in the grid, right-aligned; its object name is `name`.
    QLabel* Zelle(QGridLayout& gitter, const QString& name, int zeile, int spalte);
    // The page as large as what it shows: the host fits it and scrolls no empty space, and a text
    // wider than its column widens the page instead of being cut.
    void SeitengroesseAnpassen();
    // "Neu" and "Ändern" at the end of `ziel`, in a row or a column (`richtung`), with the page's
    // own buttons at its start.
    QPushButton* Knopf(const char* name, const QString& text);
    void KnoepfeAufbauen(QBoxLayout& ziel, std::initializer_list<QPushButton*> vorne,
                         QBoxLayout::Direction richtung);

private:
    TVergleichArt m_art;
};
