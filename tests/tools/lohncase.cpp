// Test driver: computes payroll statements named by the payroll data's own values.
// Usage: lohncase YEAR MONTH < lines; one line in ("Entgelt=4000,00 Steuerklasse=1 ..."), one
// line out with every result as the page shows it and the employer's share of each branch
// (AG_KV, AG_KVZ, AG_PV, AG_RV, AG_AV), or "ERROR" naming the refused input. The status is not
// 0 when any line failed. It runs in a temporary home, so the values of 2026 and later are the
// built-in defaults of the options and no user file is read or written.
#include "LohnFall.h"
#include "Support/OptionenUmgebung.h"

#include <charconv>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

namespace {

// A whole number within [minimum, maximum], the whole text and nothing else.
bool LiesZahl(const char* text, int minimum, int maximum, int& zahl)
{
    const char* ende = text + std::strlen(text);
    const auto [rest, fehler] = std::from_chars(text, ende, zahl);
    return fehler == std::errc() && rest == ende && zahl >= minimum && zahl <= maximum;
}

} // namespace

int main(int argc, char** argv)
{
    int jahr = 0;
    int monat = 0;
    if (argc != 3 || !LiesZahl(argv[1], 1990, 2027, jahr) || !LiesZahl(argv[2], 1, 12, monat)) {
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
                const TLohnFallAntwort antwort = BerechneLohnFall(jahr, monat, zeile);
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
