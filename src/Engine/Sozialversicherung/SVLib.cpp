#include "Engine/Sozialversicherung/SVLib.h"

int BeitragsTabellenWert1(int jahr)
{
    if (jahr <= 2000)
        return 465;
    return jahr == 2001 ? 450 : 300;
}

int BeitragsTabellenWert2(int jahr)
{
    return jahr <= 2001 ? 450 : 300;
}
