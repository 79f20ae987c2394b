#pragma once
// 2002 and 2003: the table procedure in euros, and the tax of other payments.
//
// Amounts of the period and the results are cents; the table steps are 36 euros. Other payments
// of a special-payment run are taxed as the difference of the annual tax with and without them
// (up to 150 euros as pay of the period); multi-year pay by the one-fifth rule.
#include "Engine/Lohnsteuer/LStTab96.h"
#include "Engine/Lohnsteuer/SolZSatz.h"

class TLStTab02 : public TLStTab01 {
public:
    std::string Name() const override { return "2002/03"; }
    double DMFaktor() const override { return 1.0; }

protected:
    long double UPRUND54(long double x) override;
    double Tabellenkonstante() const override;
    double TabellenAnfangJahresbetrag() const override { return 3600; }
    void Berechnen() override;
    void VersorgungUndAlter() override;
    void Versorgungsfreibetraege() override;
    void Tabellenfreibetraege() override;
    long double VorsorgepauschaleAlt() override;
    void Jahreslohnsteuer() override;
    const TTarifTabelle90& TarifTabelle() const override;
    TKlasse5und6Grenzen Klasse5und6() const override { return {8946, 27306, 199, 485}; }
    double SolzSatz() const override { return SolZSatz(2002); }
    double SolzGrenze() const override { return 972; }

    virtual void SonstigeBezuege();
    virtual void SonstigeBezuegeFuenftel();
    // No pay under the one-fifth rule: its tax, solidarity surcharge and church-tax base are nil.
    void KeinFuenftel();

private:
    // The annual tax of the inputs as they stand (no table step, no run with the children);
    // the tax of the period in euros.
    double JahressteuerBerechnen();
};
