#pragma once
// One payroll statement per input line, for the payroll test driver and its tests.
//
// A line holds NAME=value pairs separated by blanks: NAME is a value of the payroll data as the
// settings file names it ("Entgelt", "Steuerklasse", "KinderPV" ...; an annual amount with the
// prefix "Jahresbetraege.", a value of the Nth itemised pay component with "BezugN."), value
// its stored text (German numbers "4000,00", truth values 0 or 1). The pairs are set in their order on a fresh statement of the year and month; every other
// value keeps its default. The answer is one line: every result as the page shows it
// ("???" when undetermined), then the employer's share of each branch and the gross of each
// itemised component ("Bezug1.Brutto=...").
#include <string>
#include <string_view>

struct TLohnFallAntwort {
    bool ok = false;
    std::string zeile; // the results, or "ERROR" and what was refused
};

TLohnFallAntwort BerechneLohnFall(int jahr, int monat, std::string_view eingabe);

// The same statement, but its results are read after the given amount was changed by one cent
// and back again: what a page shows after two keystrokes, computed by a statement that has
// already run.
TLohnFallAntwort BerechneLohnFallNachAenderung(int jahr, int monat, std::string_view eingabe);
