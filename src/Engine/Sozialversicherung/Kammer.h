#pragma once
// Contributions to the statutory employee chambers of Bremen and the Saarland, withheld with
// the pay.
//
//   TKammer          the pay of one period, the rate, the currencies; the contribution of a base
//   TKammerBremen    the whole pay is assessed, unless a month's worth of it stays below the
//                    exemption limit
//   TKammerSaarland  the pay liable to social insurance (in the transition zone its reduced
//                    base) up to a share of the general west pension ceiling; marginal
//                    employment is exempt
// The caller creates an object per calculation, fills it, reads `Beitrag` and frees it. Amounts
// are in the display currency (`Kurs` units per euro); the base is worked out in the year's own
// currency (`Faktor` marks per euro up to 2001, 1.0 after).
#include <optional>

// The rate of the Bremen chamber in percent, its monthly exemption limit (marks up to 2001, euro
// after; from 2020 the first cent above the month's limit of marginal employment) and the rate
// of the Saarland chamber, of a year: built in up to 2025, from the options of the year after.
double KammerBeitragssatzBr(int jahr);
double KammerFreigrenzeBr(int jahr, int monat);
double KammerBeitragssatzSL(int jahr);
// Whether severance pay is assessed by the Bremen chamber: up to 2021.
bool KammerAbfindungBr(int jahr);
// The Saarland chamber's monthly cap of the base in the year's currency: three quarters of the
// general west pension ceiling up to 2015, the whole ceiling from 2016.
double KammerGrenzeSL(int jahr, int monat);

class TKammer {
public:
    TKammer() = default;
    virtual ~TKammer() = default;
    TKammer(const TKammer&) = delete;
    TKammer& operator=(const TKammer&) = delete;

    // Percent: 0.15 means 0.15 %.
    void SetSatz(double satz) { m_satz = satz; }
    void SetBetrag(double betrag) { m_betrag = betrag; }
    void SetKurs(double kurs) { m_kurs = kurs; }
    void SetFaktor(double faktor) { m_faktor = faktor; }
    // Social-insurance days of the period; below 1 counts as 1.
    void SetTage(int tage);

    double Satz() const { return m_satz; }
    double Betrag() const { return m_betrag; }
    double Kurs() const { return m_kurs; }
    double Faktor() const { return m_faktor; }
    int Tage() const { return m_tage; }

    // The assessment base in the year's own currency.
    virtual double Bemessungsgrundlage() const;
    // The contribution in the display currency.
    double Beitrag() const { return BeitragVon(Bemessungsgrundlage()); }
    double BeitragVon(double grundlage) const;

private:
    double m_satz = 0.0;
    double m_betrag = 0.0;
    double m_kurs = 1.0;
    double m_faktor = 1.0;
    int m_tage = 30;
};

class TKammerBremen : public TKammer {
public:
    // Monthly, in the year's own currency.
    void SetFreigrenze(double freigrenze) { m_freigrenze = freigrenze; }
    double Freigrenze() const { return m_freigrenze; }
    // Rate and exemption limit of the month, and the year's currency factor, so that the limit
    // (500 marks up to 2001) is compared in the currency it is given in.
    void SetJahr(int jahr, int monat);

    double Bemessungsgrundlage() const override;

private:
    double m_freigrenze = 250.0;
};

class TKammerSaarland : public TKammer {
public:
    // Monthly, in the year's own currency.
    void SetGrenze(double grenze) { m_grenze = grenze; }
    double Grenze() const { return m_grenze; }
    // A month's pay up to this limit is marginal employment and pays nothing.
    void SetGeringfuegigkeitsgrenze(double grenze) { m_geringfuegig = grenze; }
    // In the transition zone the reduced base (display currency) is assessed in place of the pay;
    // whether the pay is marginal is still decided on the pay.
    void SetGleitzonenbasis(double betrag) { m_gleitzonenbasis = betrag; }
    // Rate, cap and marginal limit of the month, and the year's currency factor.
    void SetJahr(int jahr, int monat);

    double Bemessungsgrundlage() const override;

private:
    double m_grenze = 0.0;
    double m_geringfuegig = 0.0;
    std::optional<double> m_gleitzonenbasis;
};
