#pragma once
// The payroll statement of one employee as printed (TVtDruckEntgeltabrechnung: paper, PDF and the
// preview) and as text lines (EntgeltabrechnungAlsText: the clipboard and printing to a file).
// Both read the payroll data set as last calculated, each value through its member of the set.
#include "Print/VtDruck.h"

#include <QStringList>

class TDouble;
class TLohnDaten;
class TValue;

class TVtDruckEntgeltabrechnung : public TVtDruck {
public:
    explicit TVtDruckEntgeltabrechnung(const TLohnDaten& daten) : m_druckDaten(daten) {}

    void DruckeSeite() override;
    // The title with the employee's name, where one is entered.
    QString Folgetitel() const override;

    // The base's line, printed only with `drucken`.
    void Zeile(const QString& label, const QString& mitte, const QString& rechts,
               bool drucken = true);
    // Label and the value with its unit in the middle; nothing for a blank text, a zero number or
    // an empty date.
    void WertZeile(const QString& label, const TValue& wert);
    // Label and the amount on the right; nothing for 0.
    void BetragZeile(const QString& label, const TDouble& wert);
    // Label, rate with " %" in the middle, amount on the right; only while the amount applies.
    void SatzZeile(const QString& label, const TDouble& betrag, const TDouble& satz);

private:
    // The unit of a value in the middle column.
    QString WertEinheit(const TValue& wert) const;
    void Berechnungsdaten();
    void Abrechnung();

    const TLohnDaten& m_druckDaten;
};

// Prints the statement `kopien` times on the program's printer, under `titel`.
void DruckeEntgeltabrechnung(const TLohnDaten& daten, int kopien, const QString& titel);
// The statement as text lines, the heading first.
QStringList EntgeltabrechnungAlsText(const TLohnDaten& daten);
