#pragma once
// What the printouts share in reading their data sets: a value by its name, its text as shown,
// and whether it has something to print.
#include <QString>

class TDaten;
class TValue;

// A value of a printout's data set by its name; a name the set does not have raises.
const TValue& DruckWert(const TDaten& daten, const char* name);
// The value's text as the page shows it.
QString Anzeige(const TValue& wert);
// A date value that is not entered (day, month and year 0); no other value is.
bool LeeresDatum(const TValue& wert);
// A value has something to print: its text is not blank, it is no number 0 and no empty date.
bool HatWert(const TValue& wert);
