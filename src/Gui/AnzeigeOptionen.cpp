#include "Gui/AnzeigeOptionen.h"

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
