#pragma once
// TEStBerechnung: the income tax of one tax payer for one assessment year from 1988 to 2026.
//
// From the taxable income (or, the other way round, from an entered tax) it computes the tariff
// tax by the basic or splitting table (EStTab.h), the tax at the special rate of the progression
// proviso, the reliefs for commercial and profit income or the trade-tax credit, the additional
// table of 1993 to 1995, other taxes and reductions, the income tax to be assessed and the
// solidarity surcharge (EStLib.h). Which inputs count depends on the year; the others are
// disabled and read 0. Amounts are in the display currency of the data set.
#include "MVCFrame/Berechnung.h"

#include <functional>
#include <string>

class TEStDaten;
class TValue;

// Opens the income-tax table window at a taxable income: year, currency text, income and rate.
// The GUI installs it; without one the command does nothing.
using TEStTabelleOeffnen =
    std::function<void(int jahr, const std::string& waehrungStr, double zvE, double kurs)>;
void SetEStTabelleOeffnen(TEStTabelleOeffnen hook);

class TEStBerechnung : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    void init() override;

    TEStDaten& EStDaten() const;
    // Opens the income-tax table window for this calculation's year, currency and income.
    void TabelleOeffnen() const;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
    void Calculate() override;

private:
    // Keep "ZVEEingabe" in step with the field typed last.
    void ZVEGeaendert();
    void EStGeaendert();
    // Load the new display currency and convert the entered amounts to its rate.
    void WaehrungGeaendert();
};
