#include "Gui/AnzeigeOptionen.h"

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
