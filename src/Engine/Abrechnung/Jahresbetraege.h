#pragma once
// TJahresbetraege: the annual amounts of a payroll statement that the tax of special payments
// needs (pay so far, compensation, pension payments, allowances) and the contribution ceilings
// entered by hand. A child data set of the payroll data set (LohnDaten.h).
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"

class TJahresbetraege : public TDaten {
public:
    using TDaten::TDaten;
    void init() override;

    // Enables the amounts as `aktiv` says; the amount to add only when `mitHinzurechnung` too.
    void SetWerteEnabled(bool aktiv, bool mitHinzurechnung);
    // The allowance less the amount to add exceeds the annual pay converted to euro: the annual
    // wage may be negative.
    bool NegJALMoeglich() const;

    // Named like the values they hold.
    TDoubleBetrag* Entgelt = nullptr;
    TDoubleBetrag* Entschaedigungen = nullptr;
    TBoolean* Euro = nullptr;
    TDouble* Freibetrag = nullptr;
    TDouble* Hinzurechnungsbetrag = nullptr;
    TDoubleBetrag* Versorgungsbezuege = nullptr;
    TDouble* BBGAV = nullptr;
    TDouble* BBGKV = nullptr;
    TDouble* BBGRV = nullptr;
    TBoolean* ManuBBG = nullptr;
    TBoolean* NegJAL = nullptr;

protected:
    void CreateValues() override;

private:
    void NegJALFreigeben();
};
