#pragma once
// The contribution ceilings and rates of a year that the wage-tax tariff counts in the provision
// allowance, as its inputs take them by default: the built-in statutory values up to 2025, and
// for 2026 and 2027 the options' defaults (every later year those of 2027). A payroll statement
// passes the values the options hold, which are these until the user changes one.
struct TSVVorgaben {
    double bbgKV = 0;                // health and care ceiling, a year
    double bbgRV = 0;                // general pension ceiling of the west, a year
    double rvSatz = 0;               // pension rate in percent
    double kvZusatzDurchschnitt = 0; // average additional health rate in percent
};

TSVVorgaben SVVorgaben(int jahr, int monat);
