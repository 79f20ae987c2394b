#pragma once
// The marginal-employment statement as printed (paper only) and as text lines: the employee's
// side of one month's statement, its inputs, deductions and payout. Both read the data set as
// last calculated, every value by its name.
#include "Print/VtDruck.h"

#include <QStringList>

class TGeringfuegigDaten;

class TVtDruckGeringfuegig : public TVtDruck {
public:
    explicit TVtDruckGeringfuegig(const TGeringfuegigDaten& daten);

    void DruckeSeite() override;

private:
    void Berechnungsdaten();
    void Abrechnung();
    // Label and the value's text in the middle, unless that text is blank.
    void WertZeile(const QString& label, const char* name);
    // Label, middle text and the amount on the right, unless the amount is 0.
    void BetragZeile(const QString& label, const QString& mitte, const char* name);

    const TGeringfuegigDaten& m_daten;
};

// Prints the statement `kopien` times on the program's printer, under `titel`.
void DruckeGeringfuegig(const TGeringfuegigDaten& daten, int kopien, const QString& titel);
// The statement as text lines, the heading first.
QStringList GeringfuegigAlsText(const TGeringfuegigDaten& daten);
