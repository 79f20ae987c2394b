#pragma once
// 2004 and 2005: the computation of the official flow charts, without table steps of 54 DM.
//
// The period wage, less pension allowance, old-age relief and the allowance of the period, is
// extrapolated to a year in euros with cents. 2005 brings the pension allowance by the year the
// pensions began, with its supplement, and a provision allowance that counts a rising share of
// the pension contribution plus a health part, compared with the older rule (advance deduction,
// basic maximum, half maximum): the larger one counts. Amounts of the period are cents; annual
// amounts are euros with cents. The classes up to 2009 (LStTab06.h, LStTab08.h) refine this.
#include "Engine/Lohnsteuer/LStTab02.h"

#include "Lib/Betrag.h"

#include <cmath>

// The income-tax formula of 2004 to 2009 by zones; x is the taxable income per table unit.
struct TTarif04 {
    double ersteGrenze;     // tax 0 below
    double grundfreibetrag; // origin of zone 2
    double a, b;            // zone 2: (y * a + b) * y
    double zweiteGrenze;    // zone 3 from here: (z * c + d) * z + e, z from zweiteGrenze - 1
    double c, d, e;
    double dritteGrenze; // zone 4 from here: satz4 * x - f
    double satz4, f;
    double vierteGrenze; // zone 5 from here: 0.45 * x - g (0: no zone 5)
    double g;
};

// Wage limits of tax classes 5 and 6.
struct TKlasse5und6Grenzen04 {
    double ersteGrenze;
    double zweiteGrenze;
    double satz;         // rate above the limits
    double dritteGrenze; // 0: none
    double festbetrag;   // added above the third limit
    double mindestSatz;
};

class TLStTab04 : public TLStTab02 {
public:
    std::string Name() const override { return "2004"; }
    double TabellenAnfang() override;
    double TabellenSchritt() override;

protected:
    // Working amounts of the classes 2004 to 2009.
    struct TWerte04 {
        // Period amounts, cents.
        double versFreibetragZ = 0;
        double altersentlastungZ = 0;
        double zre4Z = 0;   // taxable wage of the period
        double zre4vpZ = 0; // wage for the provision allowance of the period
        // Pension allowance.
        long double versBemessung = 0; // cents
        long double versZuschlag = 0;  // euros
        long double versHoechst = 0;
        long double versFreibetrag = 0; // annual, from 2008
        long double versFreibetragSonst = 0;
        long double versZuschlagSonst = 0;
        long double sterbegeldSonst = 0;  // cents, from 2008
        long double altersentlastung = 0; // annual, from 2008
        // Annual amounts.
        long double jahresLohn = 0; // from 2008
        long double jahresVersBezug = 0;
        long double jahresFreibetrag = 0;
        long double jahresHinzurechnung = 0;
        long double zre4 = 0;   // taxable wage
        long double zre4vp = 0; // wage for the provision allowance
        long double zvbez = 0;  // pension payments after the allowance
        // Allowances built into the table.
        double anp = 0; // employee lump sum
        double sap = 0; // special-expenses lump sum
        double efa = 0; // single-parent relief
        double kfb = 0; // child allowances
        int kztab = 1;  // table divisor
        long double ztabfb = 0;
        // Provision allowance and the one-fifth rule.
        long double vsp = 0;
        int fuenftelKenn = 0;
        long double zre4vpGespeichert = 0;
        int modus = 0; // from 2008: 0 ordinary, 1 one-fifth rule, 2 on a negative ordinary income
        long double gespeichertZre4 = 0;
        long double gespeichertZtabfb = 0;
        long double gespeichertZuschlag = 0;
        long double fuenftelBetrag = 0;
        // Tax.
        long double zve = 0;
        long double x = 0;
        long double st = 0;
        double lstJahr = 0;
        double jbmg = 0;
        double lstMit = 0; // cents, from 2008 the base of the one-fifth rule
    };

    long double UPRUND54(long double x) override;
    double TabellenAnfangJahresbetrag() const override { return 100; }
    void Berechnen() override;
    void Tabellenstufe(long double einkommen) override;
    void VersorgungUndAlter() override;
    void Versorgungsfreibetraege() override;
    void Tabellenfreibetraege() override;
    long double VorsorgepauschaleAlt() override;
    void Jahreslohnsteuer() override;
    long double Tarif(long double x) const override;
    long double TarifKlasse5und6(long double x) const override;
    long double Klasse5und6Wert(long double a) const override;
    void Solidaritaetszuschlag() override;
    void SonstigeBezuege() override;
    void SonstigeBezuegeFuenftel() override;

    void ZwischenwerteLoeschen() override;
    // From the taxable wage on: table step and allowances, the annual and period tax, the
    // surcharge base, the other payments and the one-fifth rule. The working amounts start
    // cleared (ordinary mode).
    void SteuernBerechnen();
    virtual void LohnNachFreibetraegen() {}
    // The taxable wage of the other-payment runs, with the annual allowance and amount to add.
    virtual void LohnNachJahresfreibetraegen() {}
    virtual void Vorsorgepauschale();
    // The share of the older rule and the wage from which the advance deduction shrinks.
    virtual long double VorsorgeAnteil() const;
    virtual long double VorsorgeVorwegLohn() const;
    // The advance deduction less the share of the wage by which it shrinks.
    virtual long double VorsorgeVorweg(long double divisor) const;
    virtual long double VorsorgeRunden(long double x) const { return AbschneidenExt(x); }
    virtual long double VorsorgeHalbRunden(long double x) const;
    // Provision allowance by the pension-insurance kind 1: the reduced maximum at most.
    virtual long double VorsorgeGekuerzt(long double anteil, long double gekuerzt) const;
    virtual long double Einkommen() const;
    virtual long double Einheit(long double einkommen) const { return std::trunc(einkommen); }
    virtual const TTarif04& TarifWerte() const;
    virtual TKlasse5und6Grenzen04 Klasse5und6Grenzen() const;
    // The frame of the other payments of 2004 to 2007.
    virtual bool SonstigerBezugLeer(double bezug) const { return bezug <= 0; }
    virtual void SonstigeBezuegeSteuer(double differenz);
    virtual bool MitSterbegeld() const { return false; }
    // Capitalised pension payments counted in the one-fifth rule.
    virtual double Kapitalauszahlung() { return 0; }
    // The one-fifth run: R from the wage with the other payment, the part C and the tax T1.
    virtual double FuenftelSteuer(double lohnMit, double c, double t1);
    // The run of the annual tax of the other payments, with or without the table allowances.
    void SonstigerLauf(bool mitTabelle);
    void TabellenGrundwerte(double kind);

    // Keeps every input of a run of other payments and restores it, also when a step throws.
    class TEingabenSichern {
    public:
        explicit TEingabenSichern(TLStTab04& tab);
        ~TEingabenSichern();
        TEingabenSichern(const TEingabenSichern&) = delete;
        TEingabenSichern& operator=(const TEingabenSichern&) = delete;

    private:
        TLStTab04& m_tab;
        std::int32_t m_int[kAnzahlInt] = {};
        double m_curr[kAnzahlCurr] = {};
        double m_doub[kAnzahlDoub] = {};
    };

    TWerte04 m_b;
};

// 2005: pension allowance by the year the pensions began; the provision allowance of 2005.
class TLStTab05 : public TLStTab04 {
public:
    std::string Name() const override { return "2005"; }

protected:
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2005; }
    void VersorgungUndAlter() override;
    void LohnNachFreibetraegen() override;
    void LohnNachJahresfreibetraegen() override;
    void Versorgungsfreibetraege() override;
    void Tabellenfreibetraege() override;
    void Vorsorgepauschale() override;
    long double VorsorgeRunden(long double x) const override { return AufrundenGanz(x); }
    long double VorsorgeHalbRunden(long double x) const override { return AufrundenCent(x); }
    long double Einheit(long double einkommen) const override
    {
        return AbschneidenAlsDouble(einkommen);
    }
    const TTarif04& TarifWerte() const override;
    TKlasse5und6Grenzen04 Klasse5und6Grenzen() const override;
    double FuenftelSteuer(double lohnMit, double c, double t1) override;

    virtual long double AufJahr(double betrag) const;
    // Pension allowance and old-age relief are rounded up to whole cents (2007: to 1/100 cent).
    virtual long double VersorgungAufrunden(long double cent) const { return AufrundenGanz(cent); }
    // The period share of an annual amount in cents, rounded up.
    long double PeriodeAufgerundet(long double jahresbetrag) const;
    virtual long double RentenTeil(long double w) const;
    virtual long double KrankenTeil(long double w) const;
    // The pension base, maximum and supplement of the year (pay period year).
    virtual void VersorgungJahr(double hoechst, double zuschlag);
};
