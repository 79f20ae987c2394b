#pragma once
// The employee's and the employer's share of one social-insurance branch for one pay period.
//
// One object serves every branch of a statement in turn: the caller sets the rate of a branch,
// reads the shares, sets the next rate and reads again. Every setter marks the shares stale; the
// getters compute them again when needed. Amounts are cents: the pay and the shares in the
// display currency, the ceilings and the table layout in the year's own currency (marks up to
// 2001, euro after), the limits of the transition zone in euro.
//
// The pay is capped at the ceiling pro rata of the social-insurance days. In table mode (the
// contribution tables of the years before 2003) the shares are taken from the middle of the
// table row that holds the pay. In the transition zone (from April 2003) a reduced base replaces
// the pay by the formula of the era.

class TBeitrag {
public:
    // Which rate `SetSatz` sets.
    enum class TSatzArt {
        kGesamt = 0,       // the total, split in halves
        kArbeitgeber = 1,  // the employer's rate alone
        kArbeitnehmer = 2, // the employee's rate alone
    };

    // The reduced-base formula of the transition zone.
    enum class TGleitzonenFormel {
        k2003,        // up to 2012
        k2013,        // optional in 2013 and 2014, always from 2015
        kOktober2022, // optional from October 2022 to December 2023, always from 2024
    };

    // `tabellenschritt` 1.0 (or less) means exact calculation; `grenze1` and `grenze2` are the
    // annual ceilings in cents, `waehrungsfaktor` the year's marks per euro (EuroFaktor).
    TBeitrag(int svTage, double satz, double tabellenstart, double tabellenschritt, double grenze1,
             double grenze2, double waehrungsfaktor);

    // Splitting the total applies the Saxony care split and the children reduction, when set
    // just before, and then clears both. The reduction stays the employee's alone.
    void SetSatz(TSatzArt art, double wert);
    void SetEntgelt(double cent);
    void SetEinmalzahlung(double cent);
    // Units of the display currency per euro.
    void SetWaehrungskurs(double kurs);
    // Pay from other jobs that counts for the transition zone.
    void SetAndereAE(double cent);
    void SetBBG(double cent);
    void SetGleitzonenfaktor(double faktor);
    void SetGleitzone(bool gleitzone);
    void SetEuroRundung(bool centRundung);
    void SetKeineBBG(bool keineBBG);
    void SetKinderPV(int kinder);
    // The whole rate is the employee's (the care surcharge of the childless).
    void SetNurArbeitnehmer(bool nurArbeitnehmer);
    // Moves half a percentage point of care from the employer to the employee or back.
    void SetPVSachsen(bool sachsen);
    // The zone formula and the zone limits of the year and month.
    void SetGleitzonenParameter(int jahr, int monat, bool neueFormel);
    void BBGTauschen();

    double GetBeitrag() const;
    double GetArbeitgeberAnteil() const;
    // The monthly pay of all jobs in euro cents, by which the transition zone is decided.
    double ZonenentgeltEuroCent() const;
    // The pay on which the whole contribution is levied, in cents of the display currency: in
    // the transition zone its reduced base, else the pay; neither capped at a ceiling.
    double BeitragspflichtigeEinnahme() const;
    double GetStartwert() const { return m_tabellenstart; }
    double GetStufe() const { return m_tabellenschritt; }
    // First pay of the table row that holds the pay (the pay itself when exact).
    double GetTabellenwert() const;
    // Ceiling 1 for the social-insurance days.
    double GetAnteiligeGrenze() const;

    // a / b to four decimals; 0 when b is 0.
    static double GleitzonenfaktorRunden(double a, double b);
    // Lower and upper limit of the transition zone in euro cents.
    static double GeringfuegigkeitsgrenzeCent(int jahr, int monat, bool neu);
    static double GleitzoneObergrenzeCent(int jahr, int monat, bool neu);

private:
    // A change of what the contribution base depends on; a change of a rate alone (Satz) keeps
    // the base and recomputes only the shares.
    void Geaendert()
    {
        m_berechnet = false;
        m_grundlageBerechnet = false;
    }
    void SatzGeaendert() { m_berechnet = false; }
    void Berechnen() const;
    void GrundlageBerechnen() const;
    void Anteile(double basis) const;
    double Anteil(double basis, double satz) const;
    double BemessungsgrundlageGleitzone(TGleitzonenFormel formel) const;
    double Formel(TGleitzonenFormel formel, double ae) const;

    bool m_nurArbeitnehmer = false;
    double m_satz = 0.0;
    double m_arbeitnehmerSatz = 0.0;
    double m_arbeitgeberSatz = 0.0;
    // The care reduction for children, already taken off m_arbeitnehmerSatz.
    double m_abschlagSatz = 0.0;
    double m_tabellenstart = 0.0;
    double m_tabellenschritt = 1.0;
    double m_grenze1 = 0.0;
    double m_grenze2 = 0.0;
    double m_tabellenursprung = 0.0;
    double m_waehrungsfaktor = 1.0;
    double m_andereAE = 0.0;
    double m_einmalzahlung = 0.0;
    double m_entgelt = 0.0;
    double m_waehrungskurs = 1.0;
    double m_gleitzonenfaktor = 0.0;
    bool m_gleitzone = false;
    int m_svTage = 30;
    bool m_centRundung = false;
    bool m_keineBBG = false;
    int m_kinderPV = 0;
    bool m_sachsen = false;
    double m_untergrenze = 0.0;
    double m_obergrenze = 0.0;
    TGleitzonenFormel m_formel = TGleitzonenFormel::k2013;

    // The shares belong to the inputs above while m_berechnet holds, the base (the pay capped
    // at the ceiling, in table mode the row) while m_grundlageBerechnet holds.
    mutable bool m_berechnet = false;
    mutable bool m_grundlageBerechnet = false;
    mutable double m_basis = 0.0;
    mutable double m_tabellenwert = 0.0;
    mutable double m_arbeitgeberAnteil = 0.0;
    mutable double m_arbeitnehmerAnteil = 0.0;
};
