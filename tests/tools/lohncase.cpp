// Test driver: computes payroll statements named by the payroll data's own values.
// Usage: lohncase YEAR MONTH < lines; one line in ("Entgelt=4000,00 Steuerklasse=1 ..."), one
// line out with every result as the page shows it and the employer's share of each branch
// (AG_KV, AG_KVZ, AG_PV, AG_RV, AG_AV), or "ERROR" naming the refused input. The status is not
// 0 when any line failed. It runs in a temporary home, so the values of 2026 and later are the
// built-in defaults of the options and no user file is read or written.
#include "LStFall.h"
#include "LohnFall.h"
#include "Support/OptionenUmgebung.h"

#include <exception>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    double jahr = 0;
    double monat = 0;
    if (argc != 3 || !LiesZahl(argv[1], jahr) || !LiesZahl(argv[2], monat) || jahr < 1990 ||
        jahr > 2027 || monat < 1 || monat > 12 || jahr != static_cast<int>(jahr) ||
        monat != static_cast<int>(monat)) {
        std::cerr << "usage: lohncase YEAR MONTH < lines (YEAR 1990 to 2027, MONTH 1 to 12)\n";
        return 2;
    }
    try {
        const TOptionenUmgebung umgebung;
        TOptionenUmgebung::Starten();
        int rc = 0;
        std::string zeile;
        while (std::getline(std::cin, zeile)) {
            try {
                const TLohnFallAntwort antwort =
                    BerechneLohnFall(static_cast<int>(jahr), static_cast<int>(monat), zeile);
                std::cout << antwort.zeile << '\n';
                if (!antwort.ok)
                    rc = 1;
            } catch (const std::exception& e) {
                std::cout << "ERROR " << e.what() << '\n';
                rc = 1;
            }
        }
        return rc;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
}
