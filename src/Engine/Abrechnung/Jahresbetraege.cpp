#include "Engine/Abrechnung/Jahresbetraege.h"

#include "Lib/Betrag.h"

#include <initializer_list>

void TJahresbetraege::CreateValues()
{
    CreateWaehrung();
    Entgelt = new TDoubleBetrag(this, "Entgelt");
    Entschaedigungen = new TDoubleBetrag(this, "Entschaedigungen");
    Euro = new TBoolean(this, "Euro", cfReadOnly, true);
    Freibetrag = new TDouble(this, "Freibetrag");
    Hinzurechnungsbetrag = new TDouble(this, "Hinzurechnungsbetrag");
    Versorgungsbezuege = new TDoubleBetrag(this, "Versorgungsbezuege");
    BBGAV = new TDouble(this, "BBGAV");
    BBGKV = new TDouble(this, "BBGKV");
    BBGRV = new TDouble(this, "BBGRV");
    ManuBBG = new TBoolean(this, "ManuBBG");
    NegJAL = new TBoolean(this, "NegJAL", cfShowDisabled | cfDisabled, true);
}

void TJahresbetraege::init()
{
    TDaten::init();
    const auto negJAL = [this](TValue&) { NegJALFreigeben(); };
    AddValueOnChange(Entgelt, negJAL);
    AddValueOnChange(Freibetrag, negJAL);
    AddValueOnChange(Hinzurechnungsbetrag, negJAL);
}

void TJahresbetraege::NegJALFreigeben()
{
    NegJAL->SetFlag(TValue::vfEnabled, NegJALMoeglich());
}

bool TJahresbetraege::NegJALMoeglich() const
{
    const double faktor = Euro->GetStoredString() == "Ja" ? 1.0 : 1.95583;
    const double jahreslohn =
        Dreisatz(true, 2, Entgelt->GetStoredValue(), Waehrungskurs()->GetStoredValue(), faktor);
    return Freibetrag->GetStoredValue() - Hinzurechnungsbetrag->GetStoredValue() > jahreslohn;
}

void TJahresbetraege::SetWerteEnabled(bool aktiv, bool mitHinzurechnung)
{
    for (TValue* wert :
         std::initializer_list<TValue*>{Entgelt, Entschaedigungen, Freibetrag, Versorgungsbezuege,
                                        BBGAV, BBGKV, BBGRV, ManuBBG})
        wert->SetFlag(TValue::vfEnabled, aktiv);
    Hinzurechnungsbetrag->SetFlag(TValue::vfEnabled, aktiv && mitHinzurechnung);
    NegJAL->SetFlag(TValue::vfEnabled, aktiv && NegJALMoeglich());
}
