#pragma once
// TLohnBerechnung: one payroll statement. From the inputs of its TLohnDaten it derives gross pay,
// wage tax, church tax, solidarity surcharge, flat-rate taxes, the employee's contributions, the
// employee-chamber contribution and net pay, for every tariff year from 1990 and every pay
// period. Any one of gross pay, wage tax or net pay is the given amount ("Ausgangswert"):
//   gross given     one run over the pay components;
//   net given       the net-agreed component searches its gross by iteration (NetToGross);
//   wage tax given  bisection for the largest gross whose tax does not exceed it.
//
// The calculation keeps the data set in order (which values apply, rates, fund, currency) and
// leaves the computing to the run (LohnLauf.h): it reads the inputs once (LohnEingabenAus), runs
// (LohnRechnen) and writes the results back once (LohnErgebnisseSchreiben). Errors of a run (no
// gross found, an unreachable net pay, missing tariff inputs) leave the affected results marked
// undetermined ("???"); the message stays readable in Fehlermeldung() for the status line.
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Abrechnung/LohnLauf.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "MVCFrame/Berechnung.h"

#include <array>
#include <string>

class TXIniFile;

// Copies a statement's employee inputs into a tariff object: currency rate, tax card, rates and
// ceilings of the insurances, pay period and pension data. The pay, the share-scheme advantages and
// the 2005 lump-sum option are left to the caller: the statement sets its own, a wage-tax table
// varies the pay per row.
void TarifEingabenSetzen(TLStTabBase& tab, const TLohnDaten& daten);

class TLohnBerechnung : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    ~TLohnBerechnung() override;
    void init() override;

    TLohnDaten& LohnDatenOf() const;
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void Assign(const TBerechnung& source) override;

    void KasseLaden();
    void BeitragssaetzeSetzen();
    // The annual ceilings the contributions use, in cents of the year's currency (SVGrenzenAus).
    using TSVGrenzen = ::TSVGrenzen;
    TSVGrenzen SVGrenzenCent() const;

    // The message of the last run's failure; empty after a run without one.
    std::string Fehlermeldung() const override { return m_fehlermeldung; }

    // The accumulators of the last run (amounts in cents of the display currency), numbered 1
    // to 18 (LohnErgebnisse.h).
    using TSumme = TLohnSumme;
    using enum TLohnSumme;
    double Summe(TSumme s) const { return m_summen[s]; }

    // The branches whose employer share the statement keeps.
    using TZweig = TLohnZweig;
    // The employer's share of a branch in the last run, in cents of the display currency, as
    // the contribution object computed it; 0 for a branch without contributions.
    double ArbeitgeberAnteil(TZweig zweig) const
    {
        return m_arbeitgeber[static_cast<std::size_t>(zweig)];
    }

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;

private:
    void ListenerAnmelden();
    void JahrGeaendert();
    void JahrlisteGeaendert();
    void WaehrungGeaendert();
    void KasseUebernehmen();
    double KasseKVSatz(int ziffer) const;
    void BeitraegeFreigeben();

    mutable TLohnDaten* m_lohnDaten = nullptr;
    TLohnSummen m_summen;
    std::array<double, 5> m_arbeitgeber{};
    int m_jahrZuletzt = 2026;
    std::string m_fehlermeldung;
};
