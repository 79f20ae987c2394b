#pragma once
// One wage-tax case named as in the ministry's test data: inputs by their flow-chart names
// (STKL, LZZ, RE4, ...), amounts in cents (pfennig up to 2001); the outputs likewise.
//
// Each tariff period speaks the interface of its own flow chart: the names it knows (WFUNDF and
// HINZUR up to 2007, LZZFREIB and LZZHINZU from 2008, KVZ from 2015, ...), the statutory rates it
// fixes itself (health and care insurance 2010-2014), and the outputs it gives (the one-fifth
// rule of multi-year pay up to 2024).
#include <map>
#include <memory>
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
// is not a number or too large for a double.
bool LiesZahl(std::string_view text, double& zahl);

// Reads a whole number that fits 32 bits ("2026", "-3"); false for anything else.
bool LiesGanzzahl(std::string_view text, int& zahl);

// Reads "NAME=value" pairs separated by blanks, tabs or semicolons. False on a malformed pair.
bool LiesFallZeile(std::string_view zeile, TLStFallWerte& werte, std::string& fehler);

// True when every name is an input of the flow chart of that year and month; otherwise false
// with the first unknown name in fehler.
bool NamenBekannt(int jahr, int monat, const TLStFallWerte& werte, std::string& fehler);

// Whether the flow chart of the year taxes multi-year pay by the one-fifth rule, so that it
// has the outputs STV, SOLZV and BKV.
bool MitFuenftelregel(int jahr);

// Sets the inputs of the case (and the statutory rates that the flow chart of the year and
// month assumes) on the tariff object and computes it. Raises Exception naming the input when
// a value is refused ("STKL=7: ...").
TLStFallErgebnis BerechneFall(TLStTabBase& tab, int jahr, int monat, const TLStFallWerte& werte);

// One input line of the driver to its output line: the outputs of the year's flow chart as
// "LSTLZZ=... SOLZLZZ=... BK=... STS=... SOLZS=... BKS=..." (and " STV=... SOLZV=... BKV=..."
// where the chart has them), or "ERROR " and the reason, naming the input; ok tells which.
// The tariff object is replaced by a fresh one of its class, so no case carries over.
std::string FallZeile(std::unique_ptr<TLStTabBase>& tab, int jahr, int monat,
                      std::string_view zeile, bool& ok);
