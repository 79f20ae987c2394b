#pragma once
// The income-tax year comparison as printed (paper only) and as text lines: both years' amounts
// side by side with the difference, and for the taxes and reliefs a remark on it.
#include "Print/VerglDruck.h"

class TVergleichDaten;

class TVtDruckEStVergleich : public TVtDruckVergleich {
public:
    explicit TVtDruckEStVergleich(const TVergleichDaten& daten);

    void DruckeSeite() override;
};

// Prints the comparison `kopien` times on the program's printer, under `titel`.
void DruckeEStVergleich(const TVergleichDaten& daten, int kopien, const QString& titel);
// The comparison as text lines, the heading first.
QStringList EStVergleichAlsText(const TVergleichDaten& daten);
// The three data sets of a comparison.
TVergleichsFaelle VergleichsFaelle(const TVergleichDaten& daten);
