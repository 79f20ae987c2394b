// Test driver: computes the wage tax of cases named as in the ministry's test data.
// Usage: lstcase YEAR MONTH < lines; one line in ("STKL=1 LZZ=2 RE4=500000 ..."), one line out
// with LSTLZZ, SOLZLZZ, BK, STS, SOLZS, BKS in cents (pfennig for the years up to 2001).
#include "Engine/Lohnsteuer/LStLib.h"
#include "LStFall.h"

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    double jahr = 0;
    double monat = 0;
    if (argc != 3 || !LiesZahl(argv[1], jahr) || !LiesZahl(argv[2], monat) || jahr < 0 ||
        jahr > 65535 || monat < 0 || monat > 65535) {
        std::cerr << "usage: lstcase YEAR MONTH < lines\n";
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
        TLStFallWerte werte;
        std::string fehler;
        if (!LiesFallZeile(zeile, werte, fehler)) {
            std::cout << "ERROR " << fehler << '\n';
            rc = 1;
            continue;
        }
        try {
            const TLStFallErgebnis e =
                BerechneFall(*tab, static_cast<int>(jahr), static_cast<int>(monat), werte);
            char text[200];
            // The results are whole cents: printing them with no decimals rounds nothing.
            std::snprintf(text, sizeof text,
                          "LSTLZZ=%.0f SOLZLZZ=%.0f BK=%.0f STS=%.0f SOLZS=%.0f BKS=%.0f", e.LSTLZZ,
                          e.SOLZLZZ, e.BK, e.STS, e.SOLZS, e.BKS);
            std::cout << text << '\n';
        } catch (const std::exception& e) {
            std::cout << "ERROR " << e.what() << '\n';
            rc = 1;
        }
    }
    return rc;
}
