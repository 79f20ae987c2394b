#pragma once
// The tax-class comparison of a married couple as printed (TVtDruckStKlVergleich: paper, PDF and
// the preview) and as text lines (StKlVergleichAlsText). Both read the comparison as last
// calculated: each spouse's pay data side by side in columns A and B, then the wage tax of each
// combination with its total, then the verdict.
#include "Print/VtDruck.h"

#include <QStringList>

class TStKlVergleichDaten;
class TValue;

class TVtDruckStKlVergleich : public TVtDruck {
public:
    explicit TVtDruckStKlVergleich(const TStKlVergleichDaten& daten) : m_druckDaten(daten) {}

    void DruckeSeite() override;

    // The label; text A ending at column A (never over the label), text B ending at column B,
    // each followed by `einheit`; a text of exactly one blank (a disabled value) is left out.
    void ZeileAB(const QString& label, const QString& a, const QString& b, const QString& einheit);
    // ZeileAB with the two values' texts, when either has something to print.
    void WertZeileAB(const QString& label, const TValue& a, const TValue& b,
                     const QString& einheit);
    // One combination: A, B followed by "=", and the total at the right margin.
    void SummenZeile(const QString& label, const TValue& a, const TValue& b,
                     const TValue& gesamt);

    // Set at the start of every page from spouse A's data: a held preview follows a change of
    // the currency or the year.
    QString Betragseinheit;
    QString Jahreswaehrung;
    int XSpalteA() const { return m_xSpalteA; }
    int XSpalteB() const { return m_xSpalteB; }

private:
    const TStKlVergleichDaten& m_druckDaten;
    int m_xSpalteA = 0;
    int m_xSpalteB = 0;
};

// Prints the comparison `kopien` times on the program's printer, under `titel`.
void DruckeStKlVergleich(const TStKlVergleichDaten& daten, int kopien, const QString& titel);
// The comparison as text lines, the heading first.
QStringList StKlVergleichAlsText(const TStKlVergleichDaten& daten);
