#pragma once
// 2026 and every later year. The provision allowance counts the employee's unemployment
// contribution (with health and care at most 1900 euros) and, for the privately insured, the
// contribution less the employer's actual subsidy; tax classes 5 and 6 take the tariff of whole
// euros.
#include "Engine/Lohnsteuer/LStTab24bis25.h"

class TLStTab26 : public TLStTab25geaendert {
public:
    std::string Name() const override { return "2026"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2026; }

protected:
    void Parameter() override;
    long double Klasse5und6Wert(long double a) const override;
    void Vorsorgepauschale() override;

private:
    // The parts of the provision allowance: health and care (statutory contributions up to the
    // ceiling, or the private contribution less the subsidy), and the 1900-euro limit.
    inline void VorsorgeKrankenPflege();
    inline void VorsorgeHoechstbetrag();
};
