#pragma once
// The payroll statement of one employee as printed (TVtDruckEntgeltabrechnung: paper, PDF and the
// preview) and as text lines (EntgeltabrechnungAlsText: the clipboard and printing to a file).
// Both read the payroll data set as last calculated, every value by its name.
#include "Print/VtDruck.h"

#include <QStringList>

class TDaten;
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
    void WertZeile(const QString& label, const char* wert);
    // Label and the amount on the right; nothing for 0.
    void BetragZeile(const QString& label, const char* wert);
    // Label, rate with " %" in the middle, amount on the right; only while the amount applies.
    void SatzZeile(const QString& label, const char* betrag, const char* satz);

private:
    const TValue& Wert(const char* name) const;
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

// A value of a printout's data set by its name; a name the set does not have raises.
const TValue& DruckWert(const TDaten& daten, const char* name);
// A value has something to print: its text is not blank, it is no number 0 and no empty date.
bool HatWert(const TValue& wert);
