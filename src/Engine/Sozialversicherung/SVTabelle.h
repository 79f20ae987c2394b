#pragma once
// The rows of a contribution table: for each pay step the employee's share of health, care,
// pension and unemployment insurance, each branch computed by a contribution object of its own
// that is set up as the payroll statement sets up that branch (rates, Saxony, children, the
// surcharge of the childless, the ceilings). The table knows no transition zone, other pay or
// special payment.
//
// Rows follow the year's two table values (first amount, step) in cents of the year's own
// currency; a row stands for its step's upper bound. Shares are exact from the pay of the row,
// except while "TabellenBeitrag" asks for the old banded contribution tables (before 2003), where
// the middle of the band decides as in the statement. Every column is shown in the display
// currency, the pay and the shares converted alike.
#include "Engine/Sozialversicherung/Beitrag.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

// What a contribution table is opened with, taken from a payroll statement.
struct TSVTabellenVorgaben {
    int jahr = 2026;
    int svTage = 30;
    bool pvSachsen = false;
    bool keineBBG = false;
    // The employee's rates in percent, as the statement holds them.
    double kvSatz = 0;
    double kvzbSatz = 0; // additional contribution of the fund
    double pvSatz = 0;
    double pvklSatz = 0; // surcharge of the childless
    double rvSatz = 0;
    double avSatz = 0;
    bool zusatzbeitragParitaetisch = true;
    int kinderPV = 0;
    // The branches the contribution-group key leaves on.
    bool kv = true, kvzb = true, pv = true, pvkl = false, rv = true, av = true;
    // Annual ceilings in cents of the year's currency, as the statement uses them.
    double bbgKV = 0;
    double bbgRV = 0; // the miners' ceiling where chosen
    double bbgAV = 0;
    double entgelt = 0; // gross pay of the statement, display currency (not cents)
    std::string kasseName;
    std::string waehrungName = "Euro";
    double kurs = 1.0; // display units per euro
    bool tabellenBeitrag = false;
    double tabellenwert1 = 300; // first row, cents of the year's currency
    double tabellenwert2 = 300; // step
};

enum class TSVZweig { kKV = 0, kPV = 1, kRV = 2, kAV = 3 };

// One row in cents of the display currency; a branch switched off has no share.
struct TSVTabellenZeile {
    double entgelt = 0;
    std::array<std::optional<double>, 4> anteil{};
    // The row lies above the branch's pro-rata ceiling (never with "KeineBBG").
    std::array<bool, 4> ueberBBG{};
};

// The four contribution objects of one table. They are registered with the instance checker while
// they live, so that a table that is closed can be seen to free them.
class TSVTabellenBeitraege {
public:
    // Raises Exception for a table without step or with negative days.
    explicit TSVTabellenBeitraege(const TSVTabellenVorgaben& vorgaben);
    ~TSVTabellenBeitraege();
    TSVTabellenBeitraege(const TSVTabellenBeitraege&) = delete;
    TSVTabellenBeitraege& operator=(const TSVTabellenBeitraege&) = delete;

    // The row of table amount `betrag` (cents of the year's currency, a step's upper bound).
    TSVTabellenZeile Zeile(double betrag);

    double Anfangsbetrag() const { return m_v.tabellenwert1; }
    double Schrittweite() const { return m_v.tabellenwert2; }
    // The highest ceiling pro rata of the days, cents of the year's currency.
    double HoechsteAnteiligeGrenze() const;
    // Units of the year's currency per euro, and display units per euro.
    double Waehrungsfaktor() const { return m_faktor; }
    double Kurs() const { return m_v.kurs; }
    const TSVTabellenVorgaben& Vorgaben() const { return m_v; }
    const TBeitrag& Beitrag(TSVZweig zweig) const { return *m_beitrag[Index(zweig)]; }

private:
    static int Index(TSVZweig z) { return static_cast<int>(z); }
    TBeitrag& Objekt(TSVZweig z) { return *m_beitrag[Index(z)]; }
    double KV();
    double PV();
    double Anteil(TSVZweig zweig, double satz);

    TSVTabellenVorgaben m_v;
    double m_faktor = 1.0;
    std::array<std::unique_ptr<TBeitrag>, 4> m_beitrag;
};

// The caption: "Beitragstabelle 2026  (AOK, Euro) ", the fund only when one is chosen.
std::string SVTabellenTitel(const TSVTabellenVorgaben& vorgaben);
