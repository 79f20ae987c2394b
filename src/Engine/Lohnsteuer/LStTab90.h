#pragma once
// 1990 to 1992: the pfennig table procedure.
//
// The period wage, less the pension allowance, the old-age relief and the allowance of the
// period, is extrapolated to a year, placed in a table step of 54 DM, reduced by the allowances
// built into the table and the provision allowance, and taxed by the tariff formula. Annual
// amounts are whole DM; amounts of the period and all results are pfennig. The classes up to 2003
// (LStTab93.h, LStTab96.h, LStTab02.h) extend this procedure step by step.
//
// "Whole part" in these years is a plain truncation. The formulas with rates are evaluated on
// scaled integers (0.53 * X as 53 * X / 100), so a product that is exactly whole is never cut to
// the number below by the binary representation of the rate.
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Engine/Lohnsteuer/SolZSatz.h"

class TLStTab90 : public TLStTabBase {
public:
    std::string Name() const override { return "1990/91"; }

protected:
    // Working amounts of one run of the table procedure.
    struct TTabellenWerte {
        double versFreibetrag = 0;   // pension allowance of the period
        double altersentlastung = 0; // old-age relief of the period
        double redLohn = 0;          // reduced wage of the period
        double redLohnKopie = 0;
        double redLohn2 = 0;    // from 2001: reduced wage before allowance and amount to add
        double jahresLohn = 0;  // A, DM
        double jahresLohn2 = 0; // from 2001, from redLohn2
        double untereStufe = 0; // L
        double obereStufe = 0;  // U
        double arbeitnehmerpauschbetrag = 0;
        double haushaltsfreibetrag = 0;
        double sonderausgabenpauschbetrag = 0;
        double klasse6Betrag = 0;
        double kinderfreibetraege = 0;
        double tabellenfreibetraege = 0; // T
        int divisor = 1;                 // D: 2 in tax class 3 (splitting table)
        double vorsorgepauschale = 0;    // P
        double einkommen = 0;            // Z
        double einkommenEinheit = 0;     // X
        double tarifSteuer = 0;
        double steuerZeitraum = 0; // from 1993: the tariff tax after the supplementary table
        double solzBasis = 0;      // from 1996
    };

    // Allowances built into the table, per tax class.
    struct TTabellenfreibetragsWerte {
        double arbeitnehmer;   // classes 1 to 5
        double sonderausgaben; // classes 1, 2, 4
        double sonderausgaben3;
        double haushalt; // class 2
        double kind;     // per child, classes 1 to 3
        double kind4;
        double klasse6;
        bool kinderInSumme; // up to 1995 the child allowances are part of the table allowances
    };

    // Provision allowance of the older rule; every amount is multiplied by the table divisor.
    struct TVorsorgeWerte {
        double anteil;   // share of the upper step bound
        double vorweg;   // advance deduction
        double hoechst;  // basic maximum
        double halb;     // half maximum
        double gekuerzt; // reduced maximum (pension-insurance kind 1)
        double kuerzung; // rate by which the advance deduction shrinks
    };

    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerteBis2004; }
    void Berechnen() override;
    void Tabellenstufe(long double einkommen) override;

    virtual void VersorgungUndAlter();
    virtual void Versorgungsfreibetraege();
    virtual void Tabellenfreibetraege();
    virtual long double VorsorgepauschaleAlt();
    virtual long double Tarif(long double x) const;
    virtual long double TarifKlasse5und6(long double x) const;
    virtual void KinderEntlastung();
    // Percent of the wage tax levied as solidarity surcharge on the pay period: none but from
    // July 1991 to June 1992.
    virtual double SolZSatzLohnsteuer() const { return 0; }
    virtual double KinderfreibetragTabelle() const { return 3024; }
    // Annual maximum of the pension allowance, pfennig.
    virtual double VersorgungsHoechstbetrag() const { return 480000; }

    // The steps that the later classes share with their own constants.
    void VersorgungUndAlterMit(double versHoechst, double altersHoechst, bool mitHinzurechnung);
    // A period amount of pfennig or cents as annual DM or euros, with the offsets of the table.
    double Hochrechnen(double betrag) const;
    void TabellenfreibetraegeMit(const TTabellenfreibetragsWerte& werte);
    long double VorsorgepauschaleMit(const TVorsorgeWerte& werte);
    // Taxable income from the step bounds, the table allowances and the provision allowance,
    // then the tariff tax. An income below `untergrenze` is 0; `mitte` is added to its step.
    void SteuerNachStufe(double untergrenze, double mitte);
    // Tax classes 5 and 6 with one wage limit: doubled difference or minimum rate below it,
    // the top rate above it.
    long double Klasse5und6EineGrenze(long double x, double grenze, double mindestPromille,
                                      double spitzePromille) const;
    long double Klasse5und6Differenz(double w) const;
    int Steuerklasse() const;
    double AufZeitraumOben(long double jahresbetrag) const;
    // Solidarity surcharge on an annual base (DM or euros): result 8 in pfennig or cents.
    void SolidaritaetszuschlagMit(double basis, double satz, double grenze, int divisor);

    // The 1990 tariff formula for one table unit, DM.
    static double Tarif1990(double x);

    TTabellenWerte m_t;
};

// Pay periods ending after 30 June 1991: 7.5 percent of the wage tax as solidarity surcharge,
// fractions of a pfennig dropped, without an exemption limit (Solidaritätszuschlaggesetz of
// 24 June 1991, BGBl. I S. 1318, §§ 3 and 4). A year's period ends in December and bears it too.
class TLStTab91SolZ : public TLStTab90 {
protected:
    double SolZSatzLohnsteuer() const override { return kSolZSatz1991; }
};

// 1992: higher child allowances in the table; no surcharge for pay periods ending after June
// (the later years derive from this class).
class TLStTab92 : public TLStTab90 {
public:
    std::string Name() const override { return "1992"; }

protected:
    double KinderfreibetragTabelle() const override { return 4104; }
};

// January to June 1992: the surcharge of 1991 goes on until the pay periods ending before
// 1 July 1992; a year's period ends in December and bears none.
class TLStTab92SolZ : public TLStTab92 {
protected:
    double SolZSatzLohnsteuer() const override
    {
        return m_int[liZeitraum] == 1 ? 0 : kSolZSatz1991;
    }
};
