#pragma once
// Wage-tax tariff object: what every tariff year shares.
//
// TLStTabBase holds the indexed inputs and results, tracks changes (a result is recomputed on the
// next read after any input changed), converts amounts between the display currency and the
// tariff's currency, and answers the table-step amounts of the wage-tax table view. One class per
// tariff period derives from it in a single chain (TLStTab90 .. TLStTab26, see LStLib.h), returns
// its period's values (LStTarifwerte.h) from Tarifwerte and overrides the steps whose rules
// changed; CreateLStTab picks the class of a year and month.
//
// Amounts are doubles in the smallest unit of the tariff currency: cents, or pfennig for the
// years before 2002. A caller sets the currency rate (double input 21) to the units of its own
// currency per euro; inputs are converted on entry and results on exit.
#include "Engine/Lohnsteuer/LStTarifwerte.h"

#include "Lib/Betrag.h"
#include "Lib/Exception.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>

// Missing inputs for a computation (tax class, birth date), or an input outside the domain of
// the tariff's flow chart (a tax class 7, a pay period 5, a factor 0, an infinite wage).
class ELStTabError : public Exception {
public:
    using Exception::Exception;
};

// An input refused by the tariff, with the setter kind ('i', 'c', 'd' for SetInt, SetCurr,
// SetDoub; 's' for the three amounts of SonstigeBezuegeBerechnen) and index, so that a caller
// can name it in its own terms.
class ELStTabEingabe : public ELStTabError {
public:
    ELStTabEingabe(char art, int index, const std::string& text)
        : ELStTabError(text), m_art(art), m_index(index)
    {
    }
    char Art() const { return m_art; }
    int Index() const { return m_index; }

private:
    char m_art;
    int m_index;
};

// All zero means that no birth date is known.
struct TLStDatum {
    std::int32_t Tag = 0;
    std::int32_t Monat = 0;
    std::int32_t Jahr = 0;
};

// Indices of the inputs and results.
enum TLStBoolIndex : int {
    lbFaktorAnwenden = 0,
    lbAltersentlastung = 1, // 64 years completed before the year
    lbKeineVSP = 2,
    lbKeineZTab = 3,
    lbKeinArbeitnehmerpauschbetrag = 4,
    lbPVSachsen = 5,
    lbKinderlos = 6,
    lbKirchensteuer = 7,
};
enum TLStIntIndex : int {
    liKeineAV = 0,      // 1: not liable to unemployment insurance
    liRVArt = 1,        // pension-insurance kind
    liZeitraum = 2,     // 1 year, 2 month, 3 week, 4 day
    liKVArt = 3,        // 0 statutory, 1 or 2 private
    liPVKinder = 4,     // care-insurance children less one
    liSteuerklasse = 5, // 1..6, 0 missing
    liVersBeginn = 6,   // year the pension payments began
    liVersMonate = 7,   // months with pension payments
};
enum TLStCurrIndex : int {
    lcEntschaedigung = 0, // compensation within the other payments (one-fifth rule)
    lcPKVBeitrag = 1,
    lcPKVZuschuss = 2,
    lcLohn = 3,
    lcSterbegeld = 4,
    lcVersBezug = 5,
    lcVersBemMonat = 6,
    lcVersSonder = 7,
    lcVersKapital = 8, // capitalised pension payments (one-fifth rule)
};
enum TLStDoubIndex : int {
    ldAVSatz = 0,
    ldFaktor = 1,
    ldGrundfreibetrag = 2,
    ldBBGKV = 3,
    ldBBGRV = 4,
    ldJahresFreibetrag = 5,    // cents, other-payment computation
    ldJahresHinzurechnung = 6, // cents, other-payment computation
    ldKinderfreibetrag = 7,
    ldJahresLohn = 8,           // cents paid so far
    ldJahresEntschaedigung = 9, // cents, tax-free compensation part of it
    ldJahresVersBezug = 10,     // cents paid so far
    ldKVSatz = 11,
    ldKVZusatzSatz = 12,
    ldKVZusatzDurchschnitt = 13,
    ldFreibetrag = 14,    // cents of the period
    ldHinzurechnung = 15, // cents of the period
    ldVermoegensbeteiligung = 16,
    ldPVSatz = 17,
    ldPVKinderlosSatz = 18,
    ldRVSatz = 19,
    ldSonstEntschaedigung = 20,
    ldKurs = 21, // units of the display currency per euro
    ldKinderfreibetraege = 22,
};
enum TLStErgIndex : int {
    leKiStBasis = 0,
    leKiStBasisSonst = 1,
    leKiStBasisFuenftel = 2,
    leLohnsteuer = 3,
    leStufeOben = 4,
    leStufeUnten = 5,
    leLStSonst = 6,
    leLStFuenftel = 7,
    leSolZ = 8,
    leSolZSonst = 9,
    leSolZFuenftel = 10,
    leVorsorgepauschale = 11,
};

class TLStTabBase;
template <class T> std::unique_ptr<TLStTabBase> ErzeugeLStTab(int jahr, int monat);

class TLStTabBase {
public:
    // The largest input a setter takes, either sign: amounts are in hundredths.
    static constexpr double kHoechstwert = 1e15;

    static constexpr int kAnzahlBool = 8;
    static constexpr int kAnzahlInt = 8;
    static constexpr int kAnzahlCurr = 9;
    static constexpr int kAnzahlDoub = 23;
    static constexpr int kAnzahlErgebnisse = 12;

    TLStTabBase();
    virtual ~TLStTabBase() = default;
    TLStTabBase(const TLStTabBase&) = delete;
    TLStTabBase& operator=(const TLStTabBase&) = delete;

    // Second construction phase: the period's values and the input defaults taken from them.
    void Init();
    // The same, with the contribution ceilings and rates of the year and month as the defaults
    // of their inputs (the factory calls it).
    void Init(int jahr, int monat);

    void SetBool(int index, bool wert);
    virtual void SetInt(int index, std::int32_t wert);
    void SetCurr(int index, double wert);
    void SetDoub(int index, double wert);
    void SetGeburtsdatum(const TLStDatum& datum);

    bool GetBool(int index) const;
    std::int32_t GetInt(int index) const;
    double GetCurr(int index) const; // as stored, in the tariff currency
    double GetDoubInput(int index) const;

    // Result in the display currency; recomputes when an input changed since the last read.
    double GetDoub(int index);
    // A result in the tariff's own currency: a tax derived from it (the church tax) is computed
    // there and only then converted, as the tables do.
    double GetDoubTarif(int index);
    // An amount of the tariff's currency in the display currency, rounded to whole cents.
    double Anzeigebetrag(double betrag) const { return InAnzeige(betrag); }
    bool ZusatztabelleAngewendet();
    // The allowances that the last computation of the current pay took off the annual wage and
    // that grow with it (the provision allowance, the old-age relief, the employee's lump sum),
    // summed; NaN where the tariff cannot vouch for them. The tax falls as the wage rises only
    // where one of them grows by a whole unit faster than the wage: between two wages with the
    // same sum the tax does not fall.
    double WachsendeFreibetraege();
    virtual double GetValue(int index);
    bool Berechnet() const { return m_berechnet; }

    // A new tariff object of the same class, made the way the factory made this one (the
    // Saarland chamber works with a copy of the payroll's tariff).
    std::unique_ptr<TLStTabBase> NeueInstanz() const;
    // The table step of the pay period in the tariff currency's smallest unit.
    virtual double Tabellenkonstante() const;

    double LohnsteuerFuer(double lohn);
    void LohnsteuerFuerZeitraum(int zeitraum, double lohn, double versorgungsbezug,
                                double freibetrag, double hinzurechnungsbetrag);
    // One run of the other payments: A the payment, B its pension part, C the part taxed by the
    // one-fifth rule. The caller then reads results 1, 2, 6, 7, 9, 10.
    void SonstigeBezuegeBerechnen(double a, double b, double c);
    double FreibetragUmgerechnet() const;

    virtual std::string Name() const = 0;
    // The values of the tariff period.
    virtual const TLStTarifwerte& Tarifwerte() const = 0;
    virtual double DMFaktor() const { return 1.95583; }

    // Table view: first amount, step and last amount of a table step for the pay period.
    virtual double TabellenAnfang();
    virtual double TabellenSchritt();
    virtual double TabellenEnde();
    virtual double AltersentlastungsbetragZeitraum();
    virtual double VersorgungsfreibetragZeitraum();

    // Rounding routines of the tariffs, on extended precision (inline: they run dozens of
    // times per computation).
    static long double AufrundenGanz(long double x)
    {
        return x >= 0 ? GanzerTeilPositiv(x + kFastEins) : GanzerTeil(x - kFastEins);
    }
    static long double AbrundenCent(long double x)
    {
        return x >= 0 ? GanzerTeilPositiv((x + kAbschneideToleranzExt) * 100) * kEinHundertstel
                      : GanzerTeil((x - kAbschneideToleranzExt) * 100) * kEinHundertstel;
    }
    static long double AufrundenCent(long double x)
    {
        return x >= 0 ? GanzerTeilPositiv(x * 100 + kFastEins) * kEinHundertstel
                      : GanzerTeil(x * 100 - kFastEins) * kEinHundertstel;
    }
    static void Mindestens(double& a, double b)
    {
        if (a < b)
            a = b;
    }
    static void Hoechstens(double& a, double b)
    {
        if (a > b)
            a = b;
    }
    static void MindestensExt(long double& a, long double b)
    {
        if (a < b)
            a = b;
    }
    static void HoechstensExt(long double& a, long double b)
    {
        if (a > b)
            a = b;
    }

protected:
    // Pension allowance by the year the pensions began: percentage, supplement, maximum.
    virtual void Versorgungsfreibetrag(int jahr, double& prozentsatz, double& zuschlag,
                                       double& hoechstbetrag) const;
    // Results 4 and 5 (the table step of the taxable wage) for the pay period.
    virtual void Tabellenstufe(long double einkommen);
    // Notes the wage whose table step results 4 and 5 show: the step is worked out when one of
    // them is read, for most readers never ask for it.
    void TabellenstufeVormerken(long double einkommen)
    {
        m_stufenEinkommen = einkommen;
        m_stufenZeitraum = m_int[liZeitraum];
        m_stufeOffen = true;
    }
    virtual long double UPRUND54(long double x);
    // The computation; the base only checks the tax class.
    virtual void Berechnen();
    virtual double TabellenAnfangJahresbetrag() const { return 5600; }
    // A currency input that a tariff no longer reads is always stored as 0.
    virtual bool CurrGenutzt(int) const { return true; }

    // Annual amount to the pay period: lower bound (cut) and upper bound.
    void AufZeitraum(long double jahresbetrag, double& unten, double& oben) const;
    // The period's share of an annual amount, cut: a twelfth for a month, 7/360 for a week and
    // 1/360 for a day, as the flow charts extrapolate the pay.
    double AufZeitraumUnten(long double jahresbetrag) const
    {
        static constexpr TExtKonstante kZwoelftel{1.0L / 12};
        static constexpr TExtKonstante kDreihundertsechzigstel{1.0L / 360};
        switch (m_int[liZeitraum]) {
        case 2:
            return AbschneidenAlsDouble(jahresbetrag * kZwoelftel);
        case 3:
            return AbschneidenAlsDouble(jahresbetrag * 7 * kDreihundertsechzigstel);
        case 4:
            return AbschneidenAlsDouble(jahresbetrag * kDreihundertsechzigstel);
        default:
            return static_cast<double>(jahresbetrag);
        }
    }
    // A result in the display currency. With one currency on both sides the rule of three
    // reduces to rounding, which the whole amounts the results mostly are skip.
    double InAnzeige(double betrag, int dezimalen = 0) const
    {
        if (dezimalen == 0 && m_doub[ldKurs] == m_dmFaktor)
            return RundenFallsNoetig(betrag);
        return Dreisatz(true, static_cast<unsigned char>(dezimalen), betrag, m_dmFaktor,
                        m_doub[ldKurs]);
    }

    int AltersJahr() const;
    // Old-age relief by the first year after the 64th birthday: percentage and maximum.
    virtual void Altersentlastung(int jahr, double& prozentsatz, double& hoechstbetrag) const;
    // The inputs that only a computation can judge together: tax class and pay period given,
    // a factor of the factor procedure within its range.
    void PruefeEingaben() const;
    // Stores an integer input as given, with change tracking.
    void SpeichereInt(int index, std::int32_t wert);
    void ErgebnisseLoeschen();
    void SetzeBerechnet() { m_berechnet = true; }
    void BerechneWennNoetig();

    // The period's values, kept by Init (a December recomputation points it at the values of
    // the months before for a while).
    const TLStTarifwerte* m_werte = &kTarifwerteBis2004;
    // Raw access for the year classes (no conversion, no change tracking).
    bool m_bool[kAnzahlBool] = {};
    std::int32_t m_int[kAnzahlInt] = {};
    double m_curr[kAnzahlCurr] = {};
    double m_doub[kAnzahlDoub] = {};
    double m_erg[kAnzahlErgebnisse - 1] = {};
    long double m_vorsorgepauschale = 0; // result 11
    bool m_zusatztabelle = false;
    TLStDatum m_geburtsdatum;

    // The amounts of one special-payment run (SonstigeBezuegeBerechnen).
    double m_sonstigerBezug = 0;
    double m_sonstigerVersBezug = 0;
    double m_sonstigerFuenftel = 0;

    // Of the last computation, for GetValue and the period amounts of the table view.
    double m_altersentlastungsbetrag = 0;
    double m_versorgungsfreibetrag = 0;
    double m_arbeitnehmerpauschbetrag = 0;
    double m_wachsendeFreibetraege = std::numeric_limits<double>::quiet_NaN();

    // Working amount of the table view.
    double m_tabellenJahresbetrag = 0;

private:
    template <class T> friend std::unique_ptr<TLStTabBase> ErzeugeLStTab(int jahr, int monat);
    std::unique_ptr<TLStTabBase> (*m_erzeuger)(int jahr, int monat) = nullptr;
    int m_jahr = 0;
    int m_monat = 0;
    [[noreturn]] static void UnbekannterIndex(const char* methode, int index);
    static void PruefeInt(int index, std::int32_t wert);
    // Amounts and rates must be numbers a computation can carry to the cent: no infinity, and
    // nothing beyond ten thousand billion units.
    static void PruefeBetrag(char art, const char* methode, int index, double wert)
    {
        if (!(std::isfinite(wert) && std::fabs(wert) <= kHoechstwert))
            BetragUngueltig(art, methode, index);
    }
    [[noreturn]] static void BetragUngueltig(char art, const char* methode, int index);
    // DMFaktor of the class, kept by Init: inputs and results are converted with it on every
    // read and write.
    double m_dmFaktor = 1.95583;
    bool m_berechnet = false;
    // The table step noted by the last computation and not yet worked out.
    bool m_stufeOffen = false;
    long double m_stufenEinkommen = 0;
    std::int32_t m_stufenZeitraum = 0;
};
