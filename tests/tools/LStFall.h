#pragma once
// One wage-tax case named as in the ministry's test data: inputs by their flow-chart names
// (STKL, LZZ, RE4, ...), amounts in cents (pfennig up to 2001); the outputs likewise.
#include <map>
#include <string>
#include <string_view>

class TLStTabBase;

using TLStFallWerte = std::map<std::string, double, std::less<>>;

struct TLStFallErgebnis {
    double LSTLZZ = 0;
    double SOLZLZZ = 0;
    double BK = 0;
    double STS = 0;
    double SOLZS = 0;
    double BKS = 0;
    // The one-fifth rule of multi-year pay (up to 2024).
    double STV = 0;
    double SOLZV = 0;
    double BKV = 0;
};

// Reads a number with a decimal comma or point, independent of the locale. False when the text
// is not a number.
bool LiesZahl(std::string_view text, double& zahl);

// Reads "NAME=value" pairs separated by blanks, tabs or semicolons. False on a malformed pair.
bool LiesFallZeile(std::string_view zeile, TLStFallWerte& werte, std::string& fehler);

// Sets the inputs of the case (and the statutory rates that the official data assumes for the
// year and month) on the tariff object and computes it.
TLStFallErgebnis BerechneFall(TLStTabBase& tab, int jahr, int monat, const TLStFallWerte& werte);
