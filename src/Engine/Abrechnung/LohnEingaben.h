#pragma once
// TLohnEingaben: everything one run of a payroll statement reads, taken from its data set at once
// (LohnEingabenAus): the employee's inputs, the pay components, the ceilings and table steps of
// the contributions, the option switches, and which tax results the page shows (a hidden value
// counts as nothing in the net pay). The run (LohnLauf.h) reads nothing else but the year's
// tables. Amounts named ...Cent are in cents of the display currency, as the values give them.
#include "Engine/Abrechnung/EntgeltPosten.h"
#include "Engine/Lohnsteuer/LStTabBase.h"

#include <vector>

class TLohnDaten;

// What a tariff object takes from a statement: currency rate, tax card, rates and ceilings of the
// insurances, pay period and pension data.
struct TTarifEingaben {
    double kurs = 1.0;
    bool altersentlastung = false;
    int keineAV = 0;
    double avSatz = 0;
    double faktor = 0;
    bool faktorAnwenden = false;
    double freibetragCent = 0;
    TLStDatum geburtsdatum;
    double hinzurechnungCent = 0;
    double bbgRV = 0;
    double bbgKV = 0;
    bool keineVSP = false;
    bool keineZTab = false;
    double kinderfreibetraege = 0;
    bool kirchensteuer = false;
    double kvSatz = 0;
    double kvZusatzSatz = 0;
    double kvZusatzDurchschnitt = 0;
    int zeitraum = 0;
    int versMonate = 0;
    int kvArt = 0;
    double pkvBeitragCent = 0;
    double pkvZuschussCent = 0;
    int pvKinder = 0;
    bool pvSachsen = false;
    double pvSatz = 0;
    double pvKinderlosSatz = 0;
    bool kinderlos = false;
    int rvArt = 0;
    double rvSatz = 0;
    int steuerklasse = 0;
    int versBeginn = 0;
    double versSonderCent = 0;
    double versBezugCent = 0;
    double versBemMonatCent = 0;
};

TTarifEingaben TarifEingabenAus(const TLohnDaten& d);
// Sets them on the tariff, the rate first: the amounts set after it are converted with it.
void TarifEingabenSetzen(TLStTabBase& tab, const TTarifEingaben& e);

// The annual contribution ceilings, in cents of the year's currency: health and care, pension
// (the miners' where chosen), unemployment.
struct TSVGrenzen {
    double kv = 0;
    double rv = 0;
    double av = 0;
};

// The statutory ceilings of the statement's year, month and region.
TSVGrenzen SVGrenzenGesetzlich(const TLohnDaten& d);
// The ceilings the contributions use: with itemised pay and entered ceilings chosen, those
// entered above 0, scaled from the days paid so far to the year.
TSVGrenzen SVGrenzenAus(const TLohnDaten& d);

struct TLohnEingaben {
    int jahr = 0;
    int monat = 0;
    int zeitraum = 0;
    int zeitraumTage = 0;
    int steuertage = 0;
    int svTage = 0;
    double kurs = 1.0;
    TTarifEingaben tarif;
    // Only the statement itself taxes: the general option of the 2005 lump-sum rule.
    bool keinArbeitnehmerpauschbetrag = false;

    // The given amount and the pay: with itemised pay the components, else the plain amounts.
    int ausgangswert = 0;
    bool detailEntgelt = false;
    std::vector<TEntgeltPosten> posten;
    double entgelt = 0;
    double entgeltCent = 0;
    double nettoentgelt = 0;
    double lohnsteuer = 0;
    double lohnsteuerCent = 0;
    double versorgungsbezuege = 0;
    double versorgungsbezuegeCent = 0;
    double nettoAbz = 0;
    // The child benefit paid out with the net pay (the option may always pay it so).
    double kindergeldImNetto = 0;

    // Wage tax.
    bool pauschaleLohnsteuer = false;
    double freibetragCent = 0;
    double hinzurechnungCent = 0;
    double vorteileCent = 0;
    int kirchensteuersatz = 0;
    // Annual amounts for the tax of other payments.
    double jahresEntgeltCent = 0;
    double jahresVersorgungCent = 0;
    double jahresFreibetragCent = 0;
    double jahresHinzurechnungCent = 0;
    double jahresEntschaedigungenCent = 0;
    // The tax results the page shows: a hidden one counts as nothing in the net pay.
    bool lohnsteuerSichtbar = true;
    bool kirchensteuerSichtbar = true;
    bool solZSichtbar = true;

    // Contributions: the branches levied, their rates, ceilings and the old table steps.
    bool kv = false;
    bool pv = false;
    bool kvzb = false;
    bool pvkl = false;
    bool rv = false;
    bool av = false;
    double kvSatz = 0;
    double pvSatz = 0;
    double kvzbSatz = 0;
    double pvklSatz = 0;
    double rvSatz = 0;
    double avSatz = 0;
    TSVGrenzen grenzen;
    double tabellenstart = 1.0;
    double tabellenschritt = 1.0;
    bool keineBBG = false;
    bool gleitzone = false;
    bool neueGleitzonenFormel = false;
    bool keineRVMinderung = false;
    bool pvSachsen = false;
    int kinderPV = 0;
    double andereAECent = 0;

    // Employee chamber: 0 Bremen, 1 Saarland.
    bool kammer = false;
    int kammerLand = 0;
};

// The inputs of the statement as its values give them now (a disabled value reads as nothing).
TLohnEingaben LohnEingabenAus(const TLohnDaten& d);
