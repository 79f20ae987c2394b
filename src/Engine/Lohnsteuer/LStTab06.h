#pragma once
// 2006 and 2007: the pension allowance of the year pro rata, the employee lump sum of pensioners
// limited to their pension payments after the allowance, child allowances from the input.
//
// Where the flow charts of these years round differently from the older rules, they are
// followed: the pension part of the provision allowance is cut to cents after each factor, the
// taxable income is cut after taking off the provision allowance, and (2007) tax classes 5 and 6
// above the top limit are cut after each step.
#include "Engine/Lohnsteuer/LStTab04.h"

class TLStTab06 : public TLStTab05 {
public:
    std::string Name() const override { return "2006"; }

protected:
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2006; }
    void VersorgungJahr(double hoechst, double zuschlag) override;
    void LohnNachFreibetraegen() override;
    void LohnNachJahresfreibetraegen() override;
    void Versorgungsfreibetraege() override;
    void Tabellenfreibetraege() override;
    long double RentenTeil(long double w) const override;
    long double VorsorgeAnteil() const override;
    long double VorsorgeGekuerzt(long double anteil, long double gekuerzt) const override;
    long double Einkommen() const override;
    bool MitSterbegeld() const override { return true; }
    double Kapitalauszahlung() override { return m_curr[lcVersKapital]; }
    double FuenftelSteuer(double lohnMit, double c, double t1) override;

    virtual bool IstPositiv(long double betrag) const { return betrag > 0; }
    virtual void ZuschlagLoeschen() {}
    virtual void ArbeitnehmerpauschbetragAlt();
    // The pension payments of the period after their allowance, as an annual amount.
    virtual long double VersorgungNachFreibetrag() const;
};

// 2007: the top rate of 45 %; a negative other payment gives a negative tax of it.
class TLStTab07 : public TLStTab06 {
public:
    std::string Name() const override { return "2007"; }

protected:
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2007; }
    void Versorgungsfreibetraege() override;
    long double VorsorgeRunden(long double x) const override { return AbschneidenExt(x); }
    // The flow chart of 2007 rounds up to 1/100 cent and carries the fraction on.
    long double VersorgungAufrunden(long double cent) const override { return AufrundenCent(cent); }
    long double VorsorgeGekuerzt(long double anteil, long double gekuerzt) const override;
    const TTarif04& TarifWerte() const override;
    TKlasse5und6Grenzen04 Klasse5und6Grenzen() const override;
    bool IstPositiv(long double betrag) const override { return betrag >= 0; }
    bool SonstigerBezugLeer(double bezug) const override { return bezug == 0; }
    void SonstigeBezuegeSteuer(double differenz) override;
    double Kapitalauszahlung() override;
};
