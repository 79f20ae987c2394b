#include "Engine/Sozialversicherung/JahresTabelle.h"

std::int32_t WertImMonat(std::span<const TJahresWert> tabelle, int jahr, int monat)
{
    for (const TJahresWert& zeile : tabelle) {
        if (zeile.vonJahr <= jahr && jahr <= zeile.bisJahr)
            return AbAenderung(zeile.aenderungsMonat, monat) ? zeile.ab : zeile.vorher;
    }
    return 0;
}
