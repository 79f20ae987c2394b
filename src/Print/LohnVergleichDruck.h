#pragma once
// The wage year comparison as printed (paper only) and as text lines: the two statements'
// amounts side by side with the difference and, for deductions and pay, a remark on it; with
// the details switch on, both cases' calculation inputs first.
#include "Print/VerglDruck.h"

class TVergleichDaten;

class TVtDruckLohnVergleich : public TVtDruckVergleich {
public:
    TVtDruckLohnVergleich(const TVergleichDaten& daten, bool details);

    void DruckeSeite() override;

private:
    void Berechnungsdaten();
    // A label on case 1's line, case 2's below it without label: funds and chambers.
    void ZweiZeilen(const QString& label, const char* name);

    bool m_details;
};

// Prints the comparison `kopien` times on the program's printer, under `titel`.
void DruckeLohnVergleich(const TVergleichDaten& daten, int kopien, bool details,
                         const QString& titel);
// The comparison as text lines, the heading first.
QStringList LohnVergleichAlsText(const TVergleichDaten& daten, bool details);
