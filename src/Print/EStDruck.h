#pragma once
// The income-tax calculation of one tax payer as printed (DruckeEinkommensteuer, paper only) and
// as text lines (EinkommensteuerAlsText: the clipboard and printing to a file). Both read the
// income-tax data set as last calculated, every value by its name, from one table of lines.
#include "Print/VtDruck.h"

#include <QStringList>

class TEStDaten;

class TVtDruckEinkommensteuer : public TVtDruck {
public:
    explicit TVtDruckEinkommensteuer(const TEStDaten& daten);

    void DruckeSeite() override;

    // The label at the left margin; a value with its unit ending at the right margin; then one
    // and a half lines down. A label that would come closer than two characters to the value
    // wraps.
    void Zeile(const QString& label, const QString& wert);

private:
    const TEStDaten& m_daten;
};

// Prints the calculation `kopien` times on the program's printer, under `titel`.
void DruckeEinkommensteuer(const TEStDaten& daten, int kopien, const QString& titel);
// The calculation as text lines, the heading first.
QStringList EinkommensteuerAlsText(const TEStDaten& daten);
