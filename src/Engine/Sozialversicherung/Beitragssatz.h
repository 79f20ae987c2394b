#pragma once
// Contribution rates of social insurance and the factor of the transition zone.
//
// Every rate is a percentage by year and month. 1990 to 2025 are built in, with at most one
// change within a year; 2026 and 2027 come from the options, every later year uses 2027. The
// number of each rate is its index in the options' rate table.
class TBeitragssatz {
public:
    TBeitragssatz(const TBeitragssatz&) = delete;
    TBeitragssatz& operator=(const TBeitragssatz&) = delete;

    enum Index {
        kAVSatz = 1,          // unemployment insurance, total
        kKVSatzF = 2,         // health insurance, reduced general rate
        kKVSatzG = 3,         // health insurance, general rate
        kKVSatzPau = 4,       // employer's flat health contribution for marginal employment
        kKVSatzPauPri = 5,    // the same in private households
        kKVSatzZB = 6,        // health insurance, average additional rate
        kPVSatz = 7,          // care insurance, total
        kPVSatzKinderlos = 8, // care insurance, supplement for the childless
        kRVSatz = 9,          // pension insurance, total
        kRVSatzPau = 10,      // employer's flat pension contribution for marginal employment
        kRVSatzPauPri = 11,   // the same in private households
    };

    double AVSatz(int jahr, int monat) const { return Satz(kAVSatz, jahr, monat); }
    double KVSatzF(int jahr, int monat) const { return Satz(kKVSatzF, jahr, monat); }
    double KVSatzG(int jahr, int monat) const { return Satz(kKVSatzG, jahr, monat); }
    double KVSatzPau(int jahr, int monat) const { return Satz(kKVSatzPau, jahr, monat); }
    double KVSatzPauPri(int jahr, int monat) const { return Satz(kKVSatzPauPri, jahr, monat); }
    double KVSatzZB(int jahr, int monat) const { return Satz(kKVSatzZB, jahr, monat); }
    double PVSatz(int jahr, int monat) const { return Satz(kPVSatz, jahr, monat); }
    double PVSatzKinderlos(int jahr, int monat) const
    {
        return Satz(kPVSatzKinderlos, jahr, monat);
    }
    double RVSatz(int jahr, int monat) const { return Satz(kRVSatz, jahr, monat); }
    double RVSatzPau(int jahr, int monat) const { return Satz(kRVSatzPau, jahr, monat); }
    double RVSatzPauPri(int jahr, int monat) const { return Satz(kRVSatzPauPri, jahr, monat); }

    // Total social-insurance rate of the transition zone in percent.
    double GesamtSVSatz(int jahr) const;
    // Factor of the transition zone: the flat rates of marginal employment over the total rate,
    // to four decimals. `neueFormel` leaves out the flat-rate tax from October 2022.
    double Gleitzonenfaktor(int jahr, int monat, bool neueFormel) const;

    // From July 2023 each child from the second to the fifth lowers the employee's care rate.
    static bool PVKinderabschlag(int jahr, int monat);
    // From 2019 the employer bears half of the health additional rate; before, the employee alone.
    static bool ZusatzbeitragParitaetisch(int jahr);
    // From 2005 the childless pay a care surcharge; the old contribution tables belong to the
    // years before.
    static bool PVZuschlagKinderlose(int jahr);

private:
    TBeitragssatz() = default;
    double Satz(Index index, int jahr, int monat) const;
    friend TBeitragssatz& Beitragssaetze();
};

TBeitragssatz& Beitragssaetze();
