// Test driver: computes the wage tax of cases named as in the ministry's test data.
// Usage: lstcase YEAR MONTH < lines; one line in ("STKL=1 LZZ=2 RE4=500000 ..."), one line out
// with LSTLZZ, SOLZLZZ, BK, STS, SOLZS, BKS in cents (pfennig for the years up to 2001), and
// STV, SOLZV, BKV for the years whose flow chart has the one-fifth rule (2002-2024). A line that
// cannot be computed gives "ERROR" and the reason, naming the input; the exit status is then 1.
#include "Engine/Lohnsteuer/LStLib.h"
#include "LStFall.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    int jahr = 0;
    int monat = 0;
    if (argc != 3 || !LiesGanzzahl(argv[1], jahr) || !LiesGanzzahl(argv[2], monat) || jahr < 0 ||
        jahr > 65535 || monat < 0 || monat > 65535) {
        std::cerr << "usage: lstcase YEAR MONTH < lines (whole numbers)\n";
        return 2;
    }
    std::unique_ptr<TLStTabBase> tab;
    try {
        tab = CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 2;
    }
    int rc = 0;
    std::string zeile;
    while (std::getline(std::cin, zeile)) {
        bool ok = false;
        std::cout << FallZeile(tab, jahr, monat, zeile, ok) << '\n';
        if (!ok)
            rc = 1;
    }
    return rc;
}
