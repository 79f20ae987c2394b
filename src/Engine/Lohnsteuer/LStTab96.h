#pragma once
// 1996 to 2001: the tariff formulas by zones, the child allowances for the surcharge only.
//
// From 1996 the child allowances no longer lower the wage tax; a second run of the annual tax
// with them gives the base of the solidarity surcharge and the church tax. There is no
// supplementary table. 2000 brings two wage limits for tax classes 5 and 6; 2001 the amount to
// add and a provision allowance taken from the wage before the allowance.
#include "Engine/Lohnsteuer/LStTab93.h"
#include "Engine/Lohnsteuer/SolZSatz.h"

// A tariff formula of 1996 to 2003: tax 0 below the first bound, up to three progression zones
// (Y = (X - origin) / 10000, R = whole part of (Y * a * 1000) / 1000 + b, tax = whole part of
// (R * Y) + e) and a top zone (whole part of (rate * X) - subtrahend).
struct TTarifTabelle90 {
    struct TZone {
        double unter;    // zone applies while X is below this
        double ursprung; // origin of Y
        double a1000;    // a * 1000
        double b;
        double e;
    };
    double nullUnter;
    int zonenAnzahl;
    TZone zonen[3];
    double spitzePromille; // top rate in 1/1000
    double spitzeAbzug;
};

// Tax classes 5 and 6: minimum rate and top rate in 1/1000; up to 1999 one wage limit (the
// second), from 2000 two.
struct TKlasse5und6Grenzen {
    double ersteGrenze; // 0 up to 1999
    double zweiteGrenze;
    double mindestPromille;
    double spitzePromille;
};

class TLStTab96 : public TLStTab95 {
public:
    std::string Name() const override { return "1996"; }

protected:
    void Berechnen() override;
    void Tabellenfreibetraege() override;
    long double VorsorgepauschaleAlt() override;
    long double Tarif(long double x) const override;
    long double TarifKlasse5und6(long double x) const override;
    void Jahreslohnsteuer() override;
    void Solidaritaetszuschlag() override;

    virtual const TTarifTabelle90& TarifTabelle() const;
    virtual TKlasse5und6Grenzen Klasse5und6() const { return {0, 62856, 259, 530}; }
    virtual double KinderTabelle() const { return 6264; }
    // Rate and exemption limit of the solidarity surcharge.
    virtual double SolzSatz() const { return SolZSatz(1996); }
    virtual double SolzGrenze() const { return 1332; }
    // The steps shared with 2002/03 (no other payments before).
    void BerechneStufenverfahren();
    void SolidaritaetszuschlagMitKirche();
    static double TarifNachTabelle(double x, const TTarifTabelle90& tabelle);
};

class TLStTab97 : public TLStTab96 {
public:
    std::string Name() const override { return "1997"; }

protected:
    double KinderTabelle() const override { return 6912; }
};

class TLStTab98 : public TLStTab97 {
public:
    std::string Name() const override { return "1998"; }

protected:
    const TTarifTabelle90& TarifTabelle() const override;
    TKlasse5und6Grenzen Klasse5und6() const override { return {0, 63342, 259, 530}; }
    double SolzSatz() const override { return SolZSatz(1998); }
    double SolzGrenze() const override { return 1836; }
};

class TLStTab99 : public TLStTab98 {
public:
    std::string Name() const override { return "1999"; }

protected:
    const TTarifTabelle90& TarifTabelle() const override;
    TKlasse5und6Grenzen Klasse5und6() const override { return {0, 64476, 239, 530}; }
};

class TLStTab00 : public TLStTab99 {
public:
    std::string Name() const override { return "2000"; }

protected:
    const TTarifTabelle90& TarifTabelle() const override;
    TKlasse5und6Grenzen Klasse5und6() const override { return {17118, 57348, 229, 510}; }
    long double TarifKlasse5und6(long double x) const override;
    // Doubled difference or minimum rate of a whole income W.
    virtual long double Klasse5und6Wert(long double w) const;
};

class TLStTab01 : public TLStTab00 {
public:
    std::string Name() const override { return "2001"; }
    double TabellenEnde() override;

protected:
    double TabellenAnfangJahresbetrag() const override { return 5400; }
    void VersorgungUndAlter() override;
    void Versorgungsfreibetraege() override;
    void Jahreslohnsteuer() override;
    const TTarifTabelle90& TarifTabelle() const override;
    TKlasse5und6Grenzen Klasse5und6() const override { return {17442, 53784, 199, 485}; }
};
