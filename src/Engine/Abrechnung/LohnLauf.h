#pragma once
// The run of one payroll statement: from its inputs (LohnEingaben.h) to its results
// (LohnErgebnisse.h), reading nothing else but the year's tables. The statement's calculation
// (LohnBerechnung.h) reads the inputs from its data set, runs, and writes the results back.
//
// A run clears the accumulators, adds every pay component to them (EntgeltHinzufuegen), then
// Summen computes taxes, contributions and net pay from the sums. One file a concern:
//   LohnLauf.cpp             the run over the components, net pay, the net-to-gross search
//   LohnLohnsteuer.cpp       wage tax and church tax, the gross for a given wage tax
//   LohnSonstigeBezuege.cpp  the tax of other payments (difference method, one-fifth rule)
//   LohnBeitraege.cpp        the social-insurance contributions
//   LohnKammer.cpp           the employee-chamber contribution
#include "Engine/Abrechnung/BruttoSuche.h"
#include "Engine/Abrechnung/LohnEingaben.h"
#include "Engine/Abrechnung/LohnErgebnisse.h"
#include "Lib/Exception.h"

#include <array>

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

// Runs the statement. A failure of the computation ends the run and is kept in the results with
// every result set so far; a tariff that refuses the inputs throws.
TLohnErgebnisse LohnRechnen(const TLohnEingaben& e);

// The steps of one run over one tariff object.
class TLohnLauf {
public:
    TLohnLauf(const TLohnEingaben& e, TLohnErgebnisse& r, TLStTabBase& tab);
    void Laufen();

private:
    using enum TLohnSumme;

    // LohnLauf.cpp
    void PostenBerechnen(std::vector<TEntgeltPosten>& posten);
    void EntgeltHinzufuegen(TEntgeltPosten& c);
    void PauschalEntgelt(TEntgeltPosten& c);
    void Summen();
    void NetToGross(TEntgeltPosten& c);
    // How far the net of this statement's period strays from rising with the gross of the
    // component.
    TNettoVerlauf NettoVerlauf(const TEntgeltPosten& c) const;
    // Whether the wage tax of the component's gross falls only where the tariff's allowances
    // that grow with the wage do (TLStTabBase::WachsendeFreibetraege), so that grosses with
    // the same of them bound the net between them.
    bool SteuerFaelltNurMitFreibetraegen(const TEntgeltPosten& c) const;
    // The amount as the statement reads it: a result the page hides reads as nothing.
    static double Cent(const TCentBetrag& betrag, bool sichtbar = true);

    // LohnLohnsteuer.cpp
    void LohnsteuerErmitteln();
    void KirchensteuerErmitteln();
    // The taxes shown include the employee's flat-rate taxes; a given wage tax stays as given.
    void SteuernZusammenfassen();
    void BruttoZurLohnsteuer();

    // LohnSonstigeBezuege.cpp
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

    // LohnBeitraege.cpp
    void CalcSocialInsurance();

    // LohnKammer.cpp
    void KammerBerechnung();

    const TLohnEingaben& m_e;
    TLohnErgebnisse& m_r;
    TLStTabBase& m_tab;
    TLohnSummen& m_summen;
    // The taxes of other payments of the step, in cents as read back from their results:
    // wage tax, solidarity surcharge.
    double m_sbLStCent = 0;
    double m_sbSolZCent = 0;
    // Their church-tax base in cents of the tariff's currency, where the church tax is computed.
    double m_sbBKTarif = 0;
    // The pay liable to contributions (in the transition zone its reduced base).
    double m_beitragspflichtig = 0;
    // Annual pay and pension payments while special payments of the years before 2002 are taxed.
    double m_jahresEntgelt = 0;
    double m_jahresVersorgung = 0;
    // The zone factor by the formula (old, new), looked up when first needed.
    std::array<double, 2> m_zonenfaktor{};
    std::array<bool, 2> m_zonenfaktorGelesen{};
};
