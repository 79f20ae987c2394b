#include "Gui/AnzeigeOptionen.h"

#include "Options/OptionenVtrl.h"
#include "Options/Options.h"

namespace {
TAnzeigeOptionen* g_optionen = nullptr;
}

TAnzeigeOptionen* AnzeigeOptionen()
{
    return g_optionen;
}

void SetAnzeigeOptionen(TAnzeigeOptionen* optionen)
{
    g_optionen = optionen;
}

void InstallOptionenAnzeige()
{
    // The options container gives the display options their stored values and defaults (bold
    // unless the user switched it off); without it they would all read false.
    OptionenVtrl();
    static TOptionenAnzeige optionen;
    SetAnzeigeOptionen(&optionen);
}

bool TOptionenAnzeige::GrosseSchrift() const
{
    return Optionen().GrosseSchrift();
}

bool TOptionenAnzeige::FetteSchrift() const
{
    return Optionen().FetteSchrift();
}

const TDaten* TOptionenAnzeige::Daten() const
{
    return &Optionen();
}
