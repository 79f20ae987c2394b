#pragma once
// TLohnErgebnisse: what one run of a payroll statement (LohnLauf.h) gives, written back into the
// statement's data set at once (LohnErgebnisseSchreiben). Each amount is held as the statement's
// value holds it (TCentBetrag); only the amounts the run set are written, so a run that failed
// half-way leaves the others as they were.
#include "Engine/Abrechnung/EntgeltPosten.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class TLohnDaten;
struct TLohnEingaben;

// The accumulators of a run (amounts in cents of the display currency), numbered 1 to 18.
enum class TLohnSumme : int {
    sLfdPflichtig = 1,     // taxable-or-contributory current pay
    sPauschal = 2,         // flat-taxed current pay
    sFrei = 3,             // pay free of tax and contributions
    sNetto = 4,            // net pay
    sPauschalNetto = 5,    // net-agreed flat-taxed pay
    sLfdSteuer = 6,        // taxable current pay
    sKiStBasis = 7,        // church-tax base of the period, in the tariff's currency
    sLfdSV = 8,            // contributory current pay
    sSonstSteuer = 9,      // taxable special payments
    sSonstSV = 10,         // contributory special payments
    sLfdVersorgung = 11,   // current pension payments
    sSonstVersorgung = 12, // pension payments paid as special payment
    sSterbegeld = 13,      // death benefit
    sMehrjVersorgung = 14, // multi-year pension payments
    sAbfindung = 15,       // severance pay
    sMehrjaehrig = 16,     // pay for several years' work
    sFrei17 = 17,
    sSonstPflichtig = 18, // taxable-or-contributory special payments
};

class TLohnSummen {
public:
    double& operator[](TLohnSumme s) { return m_werte[static_cast<std::size_t>(s)]; }
    double operator[](TLohnSumme s) const { return m_werte[static_cast<std::size_t>(s)]; }

private:
    std::array<double, 19> m_werte{};
};

// The branches whose employer share a statement keeps.
enum class TLohnZweig { kKV, kKVZ, kPV, kRV, kAV };

struct TLohnErgebnisse {
    TCentBetrag entgelt;
    TCentBetrag nettoentgelt;
    TCentBetrag versorgungsbezuege;
    TCentBetrag lohnsteuer;
    TCentBetrag kirchensteuer;
    TCentBetrag solidaritaetszuschlag;
    TCentBetrag pauschLStAN;
    TCentBetrag pauschKiStAN;
    TCentBetrag pauschSolZAN;
    // The taxes of other payments: wage tax, church-tax base, solidarity surcharge.
    TCentBetrag sbLSt;
    TCentBetrag sbBK;
    TCentBetrag sbSolZ;
    TCentBetrag kvBeitrag;
    TCentBetrag pvBeitrag;
    TCentBetrag kvzbBeitrag;
    TCentBetrag pvklBeitrag;
    TCentBetrag rvBeitrag;
    TCentBetrag avBeitrag;
    TCentBetrag kammerbeitrag;
    bool zusatztabelle = false;
    bool zusatztabelleGesetzt = false;

    // The itemised components with the gross found for each (with itemised pay).
    std::vector<TEntgeltPosten> posten;
    // The accumulators, set once the run over the components began.
    TLohnSummen summen;
    bool summenGesetzt = false;
    // The employer's share of each branch, as the contribution object computed it; set once the
    // contributions were computed.
    std::array<double, 5> arbeitgeber{};
    bool arbeitgeberGesetzt = false;

    // A failure ends the run: kBerechnung when no gross or tax could be found or the tariff
    // refused (every result is then undetermined), kSonstiger for any other (only the amount
    // searched for is). The message is for the status line.
    enum class TFehler { kKeiner, kBerechnung, kSonstiger };
    TFehler fehler = TFehler::kKeiner;
    std::string meldung;
};

// Writes the results into the statement: the amounts set, the gross of each itemised component,
// and, after a failure, the results it left undetermined ("???").
void LohnErgebnisseSchreiben(const TLohnEingaben& e, const TLohnErgebnisse& r, TLohnDaten& d);
