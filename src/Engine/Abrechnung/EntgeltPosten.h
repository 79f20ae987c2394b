#pragma once
// The pay components as the run of a payroll statement sees them: plain numbers instead of data
// sets, so that the net-to-gross search tries its gross amounts without notifying anyone, and a
// statement without itemised pay needs no component objects at all.
#include "Lib/Betrag.h"

class TDetailEntgeltDaten;

// A money amount held as a two-place value holds it: cut to the cent on setting, the old number
// kept when the new one is the same cent, read in cents (cut).
class TCentBetrag {
public:
    TCentBetrag() = default;
    explicit TCentBetrag(double wert) : m_wert(wert) {}

    void Setzen(double wert);
    void SetzenCent(double cent) { Setzen(cent * 0.01); }
    // Sets a number of cents as a two-place value's SetGanzeCents does: a whole number exactly.
    void SetzenGanzeCent(double cent);
    double Wert() const { return m_wert; }
    double Cent() const { return Abschneiden(m_wert * 100); }
    // Whether a set has been made since construction.
    bool Gesetzt() const { return m_gesetzt; }

private:
    double m_wert = 0;
    bool m_gesetzt = false;
};

struct TEntgeltPosten {
    bool versorgungsbezug = false;
    bool sterbegeld = false;
    bool abfindung = false;
    bool mehrJhrig = false;
    bool einmalzahlung = false;
    bool sozVersPflicht = false;
    bool stPflicht = false;
    bool pauschal = false;
    bool nettoVereinb = false;
    double pauschSatz = 0;
    double pKiStSatz = 0;
    TCentBetrag brutto;
    TCentBetrag netto;

    // A component of an itemised list, read as the run reads it (a disabled kind reads as off).
    static TEntgeltPosten Aus(const TDetailEntgeltDaten& e);
    // The components of the plain statement, as the list's own builders fill and derive them.
    static TEntgeltPosten Versorgung(double betrag);
    static TEntgeltPosten NettoAbzug(double betrag);
    static TEntgeltPosten Entgelt(bool netto, double betrag);
};
