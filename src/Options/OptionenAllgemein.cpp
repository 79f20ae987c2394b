#include "Options/OptionenAllgemein.h"

#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringValue.h"

void TOptionenAllgemeinDaten::CreateValues()
{
    TOptionenBase::CreateValues();
    // The program's own default is bold print, unlike a bare set of display options.
    Schalter("FetteSchrift").SetDefault(true);
    new TBoolean(this, "BeimBeendenSpeichern", 0, true);
    new TBoolean(this, "GroesseAnpassen", 0, false);
    new TBoolean(this, "InfobereichSymbol", 0, true);
    new TBoolean(this, "KiGImmerImNetto", 0, false);
    new TBoolean(this, "Mauspalette", 0, true);
    new TBoolean(this, "PAP05FehlerBeheben", 0, false);
    new TBoolean(this, "Statuszeile", 0, true);
    new TBoolean(this, "TabellenImVordergrund", 0, true);
    new TBoolean(this, "TitelZeigen", 0, true);
}

TOptionenAllgemeinDaten& TOptionenAllgemein::AllgemeinDaten() const
{
    return static_cast<TOptionenAllgemeinDaten&>(Daten());
}

TDaten* TOptionenAllgemein::CreateDaten()
{
    return CreateComponent<TOptionenAllgemeinDaten>(this, Name());
}

TBerechnung* TOptionenAllgemein::NewInstance(TComponent* owner, const std::string& name) const
{
    // The copy's own NachAenderung stays empty: only the live options feed the display options.
    return CreateComponent<TOptionenAllgemein>(owner, name);
}

void TOptionenAllgemein::Calculate()
{
    if (NachAenderung)
        NachAenderung();
}

void TOptionenUpdateDaten::CreateValues()
{
    TOptionenBase::CreateValues();
    new TBoolean(this, "UpdaterGestartet", 0, false);
    new TIntegerLookup(this, "UpdateRhythmus", 0, {"Tag", "Woche", "Monat", "Nie"}, 0, kTag);
    new TString(this, "ZuletztGesucht");
}

TDaten* TOptionenUpdate::CreateDaten()
{
    return CreateComponent<TOptionenUpdateDaten>(this, Name());
}

TBerechnung* TOptionenUpdate::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TOptionenUpdate>(owner, name);
}
