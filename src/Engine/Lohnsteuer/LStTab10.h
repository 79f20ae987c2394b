#pragma once
// 2010: the computation that every later tariff year refines.
//
// The steps follow the official flow chart for the machine computation of wage tax: the pay of
// the period is extrapolated to a year, lowered by the pension allowance, the old-age relief and
// the allowances built into the table and the provision allowance, taxed by the tariff formula
// and brought back to the period. The other payments are taxed as the difference of the annual
// tax with and without them; multi-year pay by the one-fifth rule. Each later period returns its
// values (LStTarifwerte.h) from Tarifwerte and overrides only the steps whose rules changed. Money
// in the working amounts is in euros with cents unless a name says cents.
#include "Engine/Lohnsteuer/LStTab08.h"

class TLStTab10 : public TLStTab09a {
public:
    std::string Name() const override { return "2010"; }
    const TLStTarifwerte& Tarifwerte() const override { return kTarifwerte2010; }

protected:
    // The year parameters: rates, ceilings and limits, set up by Parameter from the inputs
    // that are no amounts of the period. A computation only reads them.
    struct TJahresParameter {
        long double rvAnteil = 0; // share of the pension contribution that counts
        long double rvSatzAN = 0;
        long double alvSatzAN = 0;
        long double kvSatzAN = 0;
        long double kvSatzAG = 0;
        long double pvSatzAN = 0;
        long double pvSatzAG = 0;
        long double bbgKV = 0;
        long double bbgRV = 0;
        double grenze1 = 0; // wage limits of tax classes 5 and 6
        double grenze2 = 0;
        double grenze3 = 0;
        double solzFreigrenze = 0; // per table unit
        // The tariff values of tax classes 5 and 6 at grenze1 and grenze2, when set up with the
        // year parameters (otherwise computed where needed).
        bool klasse5und6Grenzwerte = false;
        long double klasse5und6Grenze1 = 0;
        long double klasse5und6Grenze2 = 0;
    };
    // Working amounts of one computation; each computation begins with them cleared
    // (ArbeitswerteLoeschen).
    struct TWerte {
        double solzFreigrenzeTabelle = 0; // scaled by the table divisor
        double faktor = 0;                // 1 when cleared
        // Annual amounts.
        long double jahresLohn = 0;
        long double jahresVersBezug = 0;
        long double jahresFreibetrag = 0;
        long double jahresHinzurechnung = 0;
        // Pension allowance and old-age relief.
        long double versBemessung = 0; // cents
        long double versFreibetrag = 0;
        long double versHoechstbetrag = 0;
        long double versZuschlag = 0;
        long double versFreibetragSonst = 0;
        long double versZuschlagSonst = 0;
        long double sterbegeldSonst = 0; // cents
        long double altersentlastung = 0;
        // Taxable wage.
        long double zre4 = 0;   // taxable wage
        long double zre4vp = 0; // wage for the provision allowance
        long double zvbez = 0;  // pension payments after the allowance
        // Allowances built into the table.
        long double anp = 0; // employee lump sum
        double sap = 0;      // special-expenses lump sum
        double efa = 0;      // single-parent relief
        double kfb = 0;      // child allowances
        int kztab = 0;       // table divisor, 1 when cleared
        long double ztabfb = 0;
        // Provision allowance.
        long double vsp1 = 0; // pension part
        long double vsp2 = 0; // 12 % part
        long double vsp3 = 0; // health and care part
        long double vspn = 0;
        long double vsp = 0;
        // Tax.
        long double zve = 0; // taxable income
        long double x = 0;   // per table unit
        long double st = 0;  // tariff tax
        double lstJahr = 0;
        double jbmg = 0;     // solidarity base
        double solzJahr = 0; // annual solidarity surcharge, cents
        // Other payments, in cents.
        double lstOhne = 0;
        double lstMit = 0;
        int kennVMT = 0; // 0 ordinary, 1 one-fifth rule, 2 full part of the one-fifth rule
    };

    void Berechnen() override;
    void Tabellenstufe(long double einkommen) override;

    // Clears the working amounts and the year parameters.
    virtual void ZwischenwerteLoeschen();
    // Clears the working amounts.
    void ArbeitswerteLoeschen();
    virtual void Parameter();
    void Jahreswerte() override;
    long double AufJahr(double betrag) const override;
    void Versorgungsfreibetraege() override;
    // The pro-rated maximum of the pension allowance for fewer than 12 pension months.
    virtual long double VersorgungsHoechstbetragAnteilig(double hoechstbetrag, int monate) const;
    // Whether the pension allowance is also lowered to the annual pension payments.
    virtual bool VersorgungsfreibetragBisBezug() const { return false; }
    void Altersentlastungsbetrag() override;
    void Bemessungsgrundlagen() override;
    virtual void LaufenderBezug();
    // Keeps the allowances that grow with the wage for WachsendeFreibetraege.
    void WachsendeFreibetraegeMerken();
    virtual void Tabellenfreibetraege();
    virtual double Arbeitnehmerpauschbetrag() const { return m_werte->arbeitnehmerpauschbetrag; }
    void Jahreslohnsteuer() override;
    // Runs the step Jahreslohnsteuer and gives the annual tax it left in m_w.st.
    long double JahreslohnsteuerErmitteln()
    {
        Jahreslohnsteuer();
        return m_w.st;
    }
    // The tariff tax of the taxable income: the income per table unit is cut to whole euros,
    // as the tariff formula takes it; an income below one euro is not taxed.
    void SteuerAusEinkommen()
    {
        TWerte& w = m_w;
        if (w.zve < 1) {
            w.zve = 0;
            w.x = 0;
        } else {
            w.x = AbschneidenAlsDouble(w.zve / w.kztab);
        }
        w.st = m_int[liSteuerklasse] < 5 ? Tarif(w.x) : TarifKlasse5und6(w.x);
    }
    virtual void Vorsorgepauschale();
    virtual long double Tarif(long double x) const;
    long double TarifNachZonen(long double x, const TTarifZonen& zonen) const
    {
        return TarifNachZonen(x, zonen, m_doub[ldGrundfreibetrag]);
    }
    // The five zones of the formula, with the basic allowance the inputs give; each zone's tax is
    // cut to whole euros and then multiplied by the table divisor (splitting in tax class 3).
    long double TarifNachZonen(long double x, const TTarifZonen& z,
                               long double grundfreibetrag) const
    {
        static constexpr TExtKonstante kZehntausendstel{0.0001L};
        static constexpr TExtKonstante kSpitzensatz{0.42L};
        static constexpr TExtKonstante kReichensatz{0.45L};
        long double st = 0;
        if (x < grundfreibetrag + 1) {
            st = 0;
        } else if (x < z.zweiteGrenze) {
            const long double y = (x - grundfreibetrag) * kZehntausendstel;
            st = (y * z.a + z.b) * y;
        } else if (x < z.dritteGrenze) {
            const long double y = (x - (z.zweiteGrenze - 1)) * kZehntausendstel;
            st = (y * z.c + z.d) * y + z.e;
        } else if (x < z.vierteGrenze) {
            st = x * kSpitzensatz - z.f;
        } else {
            st = x * kReichensatz - z.g;
        }
        return AbschneidenExt(st) * m_w.kztab;
    }
    virtual long double TarifKlasse5und6(long double x) const;
    virtual long double Klasse5und6Wert(long double a) const;
    virtual void Solidaritaetszuschlag();
    void SonstigeBezuege() override;
    // True when the run of the other payments has nothing to tax.
    virtual bool KeinSonstigerBezug() const { return m_sonstigerBezug <= 0; }
    virtual void OhneSonstigeBezuege();
    virtual void VorsorgeEntschaedigungOhne() {}
    virtual void VersorgungSonstigeBezuege();
    virtual void VorsorgeBemessungSonstige();
    // Result 6 from the difference of the two annual taxes (cents); the surcharge follows.
    virtual void SonstigeBezuegeErgebnis(double differenz);
    virtual void SolidaritaetszuschlagSonstige();
    virtual void SonstigeBezuegeFuenftel();
    virtual void SolidaritaetszuschlagFuenftel();

    // Period bound of an annual amount in cents.
    double PeriodenBetrag(long double jahresbetragCent) const
    {
        return AufZeitraumUnten(jahresbetragCent);
    }
    // The factor applied to a tax difference in cents: cut to whole euros.
    double MitFaktor(double differenzCent) const;

    // Clears the working amounts and sets up the year parameters, or keeps those of the last
    // computation when none of the inputs they depend on changed since.
    void ParameterSetzen();

    TJahresParameter m_p;
    TWerte m_w;

private:
    // The inputs the year parameters in m_p were set up from. The year parameters read the
    // flags, whole-number and double inputs only, never the amounts of the period: a new wage
    // finds them unchanged.
    struct TParameterStand {
        bool gueltig = false;
        bool eingabenBool[kAnzahlBool] = {};
        std::int32_t eingabenInt[kAnzahlInt] = {};
        double eingabenDoub[kAnzahlDoub] = {};
    };
    bool ParameterStandPasst() const;
    TParameterStand m_parameterStand;

    // Every input, as a computation found it when it began.
    struct TEingaben {
        bool bools[kAnzahlBool] = {};
        std::int32_t ints[kAnzahlInt] = {};
        double currs[kAnzahlCurr] = {};
        double doubs[kAnzahlDoub] = {};
        TLStDatum geburtsdatum;
        bool operator==(const TEingaben& b) const;
    };
    void EingabenErfassen(TEingaben& eingaben) const;
    // The annual run without the other payments depends on the inputs alone, not on the other
    // payment: a new other payment on the same inputs takes its working amounts and provision
    // allowance from the last run.
    struct TOhneStand {
        bool gueltig = false;
        TEingaben eingaben;
        TWerte werte;
        long double vorsorgepauschale = 0;
    };
    enum class TOhneLauf { rechnen, wiederverwenden, rechnenUndMerken };
    void OhneSonstigeBezuegeOderGemerkt();
    TOhneStand m_ohneStand;
    TOhneLauf m_ohneLauf = TOhneLauf::rechnen;
    TEingaben m_eingabenBeimStart; // of this computation, when its run is to be kept
};
