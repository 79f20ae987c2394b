#pragma once
// December recomputations of 2015 and 2024.
//
// Twice the law raised allowances for a whole year after the year had begun. The December pay
// then computes the year twice, with the values applied until November (mode 1) and with the
// raised ones (mode 2), and passes the eleven months' difference on to the December results: for
// each of wage tax, surcharge and church-tax base, mode 2 less eleven times (mode 1 - mode 2),
// never below 0. For an annual pay period the mode-2 computation stands as it is.
#include "Engine/Lohnsteuer/LStTab24bis25.h"

// The December catch-up shared by both years.
template <class TBasis> class TLStTabDezember : public TBasis {
protected:
    using TWerte = typename TBasis::TWerte;

    void Berechnen() override;
    void LaufenderBezug() override;
    void ZwischenwerteLoeschen() override;
    // Switches the year values to those of a mode.
    virtual void Modus(int modus) = 0;
    virtual void Tabellenfreibetraege() override = 0;

    int m_modus = 1;
    // Annual amounts in cents, per mode (index 0: mode 1, index 1: mode 2).
    double m_lohnsteuer[2] = {};
    double m_solz[2] = {};
    double m_kist[2] = {};
};

// December 2015: the allowances of the amended 2015 tariff apply to the whole year; mode 1 takes
// the values of the first 2015 tariff.
class TLStTab15Dez final : public TLStTabDezember<TLStTab15geaendert> {
public:
    std::string Name() const override { return "2015 Dezember"; }

protected:
    void Modus(int modus) override;
    void Tabellenfreibetraege() override;
    long double Tarif(long double x) const override;
};

// December 2024: the basic allowance and child allowance of 2025 (first tariff) for the whole of
// 2024, in mode 2.
class TLStTab24Dez final : public TLStTabDezember<TLStTab24geaendert> {
public:
    std::string Name() const override { return "2024 Dezember"; }

protected:
    void Berechnen() override;
    void Modus(int modus) override;
    void Tabellenfreibetraege() override;
    long double Tarif(long double x) const override;
};
