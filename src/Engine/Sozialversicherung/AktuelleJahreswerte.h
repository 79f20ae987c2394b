#pragma once
// The statutory values of the current years 2026 and 2027 are not built in: the user keeps them
// in the options, where the options dialog edits them. The year tables reach them only through
// this interface; every later year uses those of 2027, so `jahr` is 2026 or 2027 in every call.
class TAktuelleJahreswerte {
public:
    virtual ~TAktuelleJahreswerte() = default;

    // Child benefit of child `kind` (1, 2, 3, 4, any other: each further child) in `monat`.
    virtual double Kindergeld(int jahr, int monat, int kind) const = 0;
    virtual double BBGRV(int jahr, bool ost, bool knappschaft) const = 0;
    virtual double BBGKV(int jahr) const = 0;
    // Rate number `index` (1 unemployment ... 11, as TBeitragssatz lists them) in percent.
    virtual double Beitragssatz(int jahr, int monat, int index) const = 0;
    // Total social-insurance rate of the transition zone in percent.
    virtual double GesamtSVSatz(int jahr) const = 0;
};

// The values in use: those of the options unless a test has put others in place.
const TAktuelleJahreswerte& AktuelleJahreswerte();

// Puts `werte` in place of the options (nullptr: back to the options); for tests.
void SetAktuelleJahreswerte(const TAktuelleJahreswerte* werte);

// Caps a year after the last option year to it.
int AktuellesJahr(int jahr);
