#pragma once
// TLohnBerechnung: one payroll statement. From the inputs of its TLohnDaten it derives gross pay,
// wage tax, church tax, solidarity surcharge, flat-rate taxes, the employee's contributions, the
// employee-chamber contribution and net pay, for every tariff year from 1990 and every pay
// period. Any one of gross pay, wage tax or net pay is the given amount ("Ausgangswert"):
//   gross given     one run over the pay components;
//   net given       the net-agreed component searches its gross by iteration (NetToGross);
//   wage tax given  bisection for the largest gross whose tax does not exceed it.
//
// A run clears the accumulator block, adds every pay component to it (EntgeltHinzufuegen), then
// Summen computes taxes, contributions and net pay from the sums. Without the itemised list a
// temporary list is built from the plain amounts. Errors of a run (no gross found, an unreachable
// net pay, missing tariff inputs) leave the affected results marked undetermined ("???"); the
// message stays readable in Fehlermeldung() for the status line.
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Lib/Exception.h"
#include "MVCFrame/Berechnung.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TDetailEntgelte;
struct TEntgeltPosten;
class TXIniFile;

// No gross pay found for the given amount.
class ELohnberechnung : public Exception {
public:
    ELohnberechnung() : Exception("Brutto konnte nicht ermittelt werden") {}
    using Exception::Exception;
};

// The transition zone makes the wanted net pay unreachable (the search runs in a cycle).
class EGleitzone : public Exception {
public:
    using Exception::Exception;
};

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
    double BBGRVCent() const;
    double BBGKVJahrCent() const;
    double BBGRVKnappschaftCent() const;
    // The annual ceilings the contributions use, in cents of the year's currency: health and
    // care, pension (the miners' where chosen), unemployment; those entered above 0 while entered
    // ceilings are chosen.
    struct TSVGrenzen {
        double kv = 0;
        double rv = 0;
        double av = 0;
    };
    TSVGrenzen SVGrenzenCent() const;

    // The message of the last run's failure; empty after a run without one.
    const std::string& Fehlermeldung() const { return m_fehlermeldung; }

    // The accumulators (amounts in cents of the display currency), numbered 1 to 18.
    enum TSumme : int {
        sLfdPflichtig = 1,     // taxable-or-contributory current pay
        sPauschal = 2,         // flat-taxed current pay
        sFrei = 3,             // pay free of tax and contributions
        sNetto = 4,            // net pay
        sPauschalNetto = 5,    // net-agreed flat-taxed pay
        sLfdSteuer = 6,        // taxable current pay
        sKiStBasis = 7,        // church-tax base of the period
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
    double Summe(TSumme s) const { return m_summen[s]; }

    // The branches whose employer share the statement keeps.
    enum class TZweig { kKV, kKVZ, kPV, kRV, kAV };
    // The employer's share of a branch in the last run, in cents of the display currency, as
    // the contribution object computed it; 0 for a branch without contributions.
    double ArbeitgeberAnteil(TZweig zweig) const { return m_arbeitgeber[static_cast<int>(zweig)]; }

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;

private:
    using TSummen = std::array<double, 19>;

    void ListenerAnmelden();
    void JahrGeaendert();
    void JahrlisteGeaendert();
    void WaehrungGeaendert();
    void KasseUebernehmen();
    double KasseKVSatz(int ziffer) const;
    void BeitraegeFreigeben();
    void TarifEingaben();
    void Ungueltig(TValue& wert);
    void ErgebnisseUngueltig(bool berechnungsfehler);

    // The run over the pay components (LohnSummen.cpp).
    void DetailEntgelteBerechnen(TDetailEntgelte& liste);
    void PostenBerechnen(std::vector<TEntgeltPosten>& posten);
    void EntgeltHinzufuegen(TEntgeltPosten& c);
    void PauschalEntgelt(TEntgeltPosten& c);
    void LaufwerteLesen();
    void Summen();
    void LohnsteuerErmitteln();
    void KirchensteuerErmitteln();
    void SonstigeBezuegeErmitteln();
    // What the tariff taxes as other payments in a run: the payment, its pension part, the
    // part taxed by the one-fifth rule and the capitalised pension payments.
    struct TSonstigeBetraege {
        double sonstig = 0;
        double versorgung = 0;
        double fuenftel = 0;
        double kapital = 0;
    };
    TSonstigeBetraege SonstigeBetraege() const;
    bool SonstigeBezuegeLeer() const;
    void SonstigeBezuegeTarif();
    void SonstigeBezuegeDM();
    void Differenzmethode();
    void SolZSonstige(double satz);
    void HalberSteuersatz();
    void DrittelRegel();
    void FuenftelRegel();
    void NetToGross(TEntgeltPosten& c);
    void BruttoZurLohnsteuer();
    void CalcSocialInsurance();
    void KammerBerechnung();

    // What every step of a run reads and no step changes: inputs in cents, and what the
    // contributions take from the year tables and the options. Read when the run starts.
    struct TLaufwerte {
        double freibetrag = 0;
        double hinzurechnung = 0;
        double vorteile = 0;
        double andereAE = 0;
        TSVGrenzen grenzen;
        double tabellenstart = 1.0;
        double tabellenschritt = 1.0;
        // The zone factor by the formula (old, new), looked up when first needed.
        std::array<double, 2> zonenfaktor{};
        std::array<bool, 2> zonenfaktorGelesen{};
    };

    mutable TLohnDaten* m_lohnDaten = nullptr;
    std::unique_ptr<TLStTabBase> m_tab;
    TLaufwerte m_lauf;
    // The taxes of other payments of the step, in cents as read back from their values:
    // wage tax, solidarity surcharge, church-tax base.
    double m_sbLStCent = 0;
    double m_sbSolZCent = 0;
    double m_sbBKCent = 0;
    TSummen m_summen{};
    std::array<double, 5> m_arbeitgeber{};
    // The pay liable to contributions of the last run (in the transition zone its reduced base).
    double m_beitragspflichtig = 0;
    int m_jahrZuletzt = 2026;
    // Annual pay and pension payments while special payments of the years before 2002 are taxed.
    double m_jahresEntgelt = 0;
    double m_jahresVersorgung = 0;
    std::string m_fehlermeldung;
};
