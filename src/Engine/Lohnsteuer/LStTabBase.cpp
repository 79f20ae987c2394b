#include "Engine/Lohnsteuer/LStTabBase.h"

#include "Engine/Sozialversicherung/SVVorgaben.h"
#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// The currency rate that a new tariff object assumes: DM per euro.
constexpr double kStandardKurs = 1.95583;

// Undoes a special-payment run's amounts also when the computation throws.
class TSonstigeBezuegeZuruecksetzen {
public:
    TSonstigeBezuegeZuruecksetzen(double& a, double& b, double& c) : m_a(a), m_b(b), m_c(c) {}
    ~TSonstigeBezuegeZuruecksetzen()
    {
        m_a = 0;
        m_b = 0;
        m_c = 0;
    }
    TSonstigeBezuegeZuruecksetzen(const TSonstigeBezuegeZuruecksetzen&) = delete;
    TSonstigeBezuegeZuruecksetzen& operator=(const TSonstigeBezuegeZuruecksetzen&) = delete;

private:
    double& m_a;
    double& m_b;
    double& m_c;
};

} // namespace

TLStTabBase::TLStTabBase()
{
    m_doub[ldKurs] = kStandardKurs;
}

void TLStTabBase::Init()
{
    m_dmFaktor = DMFaktor();
    m_werte = &Tarifwerte();
    const TLStTarifwerte& w = *m_werte;
    m_doub[ldGrundfreibetrag] = w.grundfreibetrag;
    m_doub[ldKinderfreibetrag] = w.kinderfreibetrag;
}

void TLStTabBase::Init(int jahr, int monat)
{
    Init();
    m_jahr = jahr;
    m_monat = monat;
    // The provision allowance counts the pension contribution from 2005, the health and care
    // contributions up to their ceiling from 2010 and the average additional rate from 2019;
    // before, these inputs have no default.
    const TSVVorgaben sv = SVVorgaben(jahr, monat);
    if (jahr >= 2005) {
        m_doub[ldBBGRV] = sv.bbgRV;
        m_doub[ldRVSatz] = sv.rvSatz;
    }
    if (jahr >= 2010)
        m_doub[ldBBGKV] = sv.bbgKV;
    if (jahr >= 2019)
        m_doub[ldKVZusatzDurchschnitt] = sv.kvZusatzDurchschnitt;
}

void TLStTabBase::UnbekannterIndex(const char* methode, int index)
{
    char text[96];
    std::snprintf(text, sizeof text, "Unbekannter Eigenschaftsindex (%s, %d)", methode, index);
    throw Exception(text);
}

void TLStTabBase::SetBool(int index, bool wert)
{
    if (index < 0 || index >= kAnzahlBool)
        UnbekannterIndex("SetBool", index);
    if (m_bool[index] != wert) {
        m_bool[index] = wert;
        m_berechnet = false;
    }
}

// The values that the flow charts define for an integer input; 0 is "missing" for the tax class
// and the pay period, which the computation then refuses.
void TLStTabBase::PruefeInt(int index, std::int32_t wert)
{
    struct TBereich {
        const char* name;
        std::int32_t von;
        std::int32_t bis;
    };
    static constexpr TBereich kBereiche[kAnzahlInt] = {
        {"Arbeitslosenversicherung", 0, 1},
        {"Rentenversicherung", 0, 2},
        {"Lohnzahlungszeitraum", 0, 4},
        {"Krankenversicherung", 0, 2},
        {"Beitragsabschläge Pflegeversicherung", 0, 4},
        {"Steuerklasse", 0, 6},
        {"Versorgungsbeginn", std::numeric_limits<std::int32_t>::min(),
         std::numeric_limits<std::int32_t>::max()},
        {"Monate mit Versorgungsbezügen", 0, 12},
    };
    const TBereich& b = kBereiche[index];
    if (wert < b.von || wert > b.bis) {
        char text[160];
        std::snprintf(text, sizeof text, "%s %d ungültig (erlaubt %d bis %d)", b.name, wert, b.von,
                      b.bis);
        throw ELStTabEingabe('i', index, text);
    }
}

void TLStTabBase::BetragUngueltig(char art, const char* methode, int index)
{
    char text[128];
    std::snprintf(text, sizeof text, "Betrag außerhalb des Wertebereichs (%s, %d)", methode, index);
    throw ELStTabEingabe(art, index, text);
}

void TLStTabBase::SetInt(int index, std::int32_t wert)
{
    if (index >= 0 && index < kAnzahlInt)
        PruefeInt(index, wert);
    // The older tariffs know only "no pension contribution counts" (1) or not.
    SpeichereInt(index, index == liRVArt ? (wert == 1 ? 1 : 0) : wert);
}

void TLStTabBase::SpeichereInt(int index, std::int32_t wert)
{
    if (index < 0 || index >= kAnzahlInt)
        UnbekannterIndex("SetInt", index);
    PruefeInt(index, wert);
    if (m_int[index] != wert) {
        m_int[index] = wert;
        m_berechnet = false;
    }
}

void TLStTabBase::SetCurr(int index, double wert)
{
    if (index < 0 || index >= kAnzahlCurr)
        UnbekannterIndex("SetCurr", index);
    PruefeBetrag('c', "SetCurr", index, wert);
    double umgerechnet = 0;
    if (CurrGenutzt(index)) {
        if (m_doub[ldKurs] != m_dmFaktor)
            umgerechnet = Dreisatz(true, 0, wert, m_doub[ldKurs], m_dmFaktor);
        else
            umgerechnet = RundenFallsNoetig(wert);
    }
    if (m_curr[index] != umgerechnet) {
        m_curr[index] = umgerechnet;
        m_berechnet = false;
    }
}

void TLStTabBase::SetDoub(int index, double wert)
{
    if (index < 0 || index >= kAnzahlDoub)
        UnbekannterIndex("SetDoub", index);
    PruefeBetrag('d', "SetDoub", index, wert);
    if (index == ldKinderfreibetraege && wert < 0) {
        char text[96];
        std::snprintf(text, sizeof text, "Zahl der Kinderfreibeträge %g ungültig", wert);
        throw ELStTabEingabe('d', index, text);
    }
    if (m_doub[index] != wert) {
        m_doub[index] = wert;
        m_berechnet = false;
    }
}

void TLStTabBase::SetGeburtsdatum(const TLStDatum& datum)
{
    if (m_geburtsdatum.Tag != datum.Tag || m_geburtsdatum.Monat != datum.Monat ||
        m_geburtsdatum.Jahr != datum.Jahr) {
        m_geburtsdatum = datum;
        m_berechnet = false;
    }
}

bool TLStTabBase::GetBool(int index) const
{
    if (index < 0 || index >= kAnzahlBool)
        UnbekannterIndex("GetBool", index);
    return m_bool[index];
}

std::int32_t TLStTabBase::GetInt(int index) const
{
    if (index < 0 || index >= kAnzahlInt)
        UnbekannterIndex("GetInt", index);
    return m_int[index];
}

double TLStTabBase::GetCurr(int index) const
{
    if (index < 0 || index >= kAnzahlCurr)
        UnbekannterIndex("GetCurr", index);
    return m_curr[index];
}

double TLStTabBase::GetDoubInput(int index) const
{
    if (index < 0 || index >= kAnzahlDoub)
        UnbekannterIndex("GetDoubInput", index);
    return m_doub[index];
}

void TLStTabBase::BerechneWennNoetig()
{
    if (!m_berechnet)
        Berechnen();
}

double TLStTabBase::GetDoub(int index)
{
    return InAnzeige(GetDoubTarif(index));
}

double TLStTabBase::GetDoubTarif(int index)
{
    if (index < 0 || index >= kAnzahlErgebnisse)
        UnbekannterIndex("GetDoub", index);
    BerechneWennNoetig();
    if ((index == leStufeOben || index == leStufeUnten) && m_stufeOffen) {
        // The step belongs to the pay period the computation ran for.
        m_stufeOffen = false;
        const std::int32_t zeitraum = m_int[liZeitraum];
        m_int[liZeitraum] = m_stufenZeitraum;
        Tabellenstufe(m_stufenEinkommen);
        m_int[liZeitraum] = zeitraum;
    }
    return index == leVorsorgepauschale ? static_cast<double>(m_vorsorgepauschale) : m_erg[index];
}

bool TLStTabBase::ZusatztabelleAngewendet()
{
    BerechneWennNoetig();
    return m_zusatztabelle;
}

double TLStTabBase::WachsendeFreibetraege()
{
    BerechneWennNoetig();
    return m_wachsendeFreibetraege;
}

double TLStTabBase::GetValue(int index)
{
    if (index == 0)
        return m_altersentlastungsbetrag;
    char text[96];
    std::snprintf(text, sizeof text, "Ungültiger Index (%s, %d)", "GetValue", index);
    throw Exception(text);
}

double TLStTabBase::LohnsteuerFuer(double lohn)
{
    SetCurr(lcLohn, lohn);
    return GetDoub(leLohnsteuer);
}

void TLStTabBase::LohnsteuerFuerZeitraum(int zeitraum, double lohn, double versorgungsbezug,
                                         double freibetrag, double hinzurechnungsbetrag)
{
    SetInt(liZeitraum, zeitraum);
    SetCurr(lcLohn, lohn);
    SetCurr(lcVersBezug, versorgungsbezug);
    m_doub[ldFreibetrag] = freibetrag;
    m_doub[ldHinzurechnung] = hinzurechnungsbetrag;
    m_berechnet = false;
    Berechnen();
}

void TLStTabBase::SonstigeBezuegeBerechnen(double a, double b, double c)
{
    PruefeBetrag('s', "SonstigeBezuegeBerechnen", 0, a);
    PruefeBetrag('s', "SonstigeBezuegeBerechnen", 1, b);
    PruefeBetrag('s', "SonstigeBezuegeBerechnen", 2, c);
    TSonstigeBezuegeZuruecksetzen zuruecksetzen(m_sonstigerBezug, m_sonstigerVersBezug,
                                                m_sonstigerFuenftel);
    m_sonstigerBezug = a;
    m_sonstigerVersBezug = b;
    m_sonstigerFuenftel = c;
    m_berechnet = false;
    Berechnen();
}

double TLStTabBase::FreibetragUmgerechnet() const
{
    return InAnzeige(m_doub[ldFreibetrag]);
}

std::unique_ptr<TLStTabBase> TLStTabBase::NeueInstanz() const
{
    VT_ASSERT(m_erzeuger != nullptr, "Tarifobjekt nicht von CreateLStTab erzeugt");
    return m_erzeuger(m_jahr, m_monat);
}

double TLStTabBase::Tabellenkonstante() const
{
    // Pfennig-era table step of 54 DM a year and its month, week and day share.
    switch (m_int[liZeitraum]) {
    case 1:
        return 5400;
    case 2:
        return 450;
    case 3:
        return 105;
    case 4:
        return 15;
    default:
        return 0;
    }
}

double TLStTabBase::TabellenAnfang()
{
    m_tabellenJahresbetrag = TabellenAnfangJahresbetrag();
    return InAnzeige(AufZeitraumUnten(m_tabellenJahresbetrag) - 1);
}

double TLStTabBase::TabellenSchritt()
{
    return InAnzeige(Tabellenkonstante());
}

double TLStTabBase::TabellenEnde()
{
    m_tabellenJahresbetrag = 200;
    return InAnzeige(Tabellenkonstante() + AufZeitraumUnten(m_tabellenJahresbetrag) - 1);
}

double TLStTabBase::AltersentlastungsbetragZeitraum()
{
    BerechneWennNoetig();
    return InAnzeige(m_altersentlastungsbetrag);
}

double TLStTabBase::VersorgungsfreibetragZeitraum()
{
    BerechneWennNoetig();
    return InAnzeige(m_versorgungsfreibetrag);
}

void TLStTabBase::AufZeitraum(long double jahresbetrag, double& unten, double& oben) const
{
    switch (m_int[liZeitraum]) {
    case 2: {
        const long double z = jahresbetrag * (1.0L / 12);
        unten = AbschneidenAlsDouble(z);
        oben = Runden(static_cast<double>(z + 0.49L));
        break;
    }
    case 3: {
        const long double z = jahresbetrag * 7 * (1.0L / 360);
        unten = AbschneidenAlsDouble(z);
        oben = Runden(static_cast<double>(z + 0.4999L));
        break;
    }
    case 4: {
        const long double z = jahresbetrag * (1.0L / 360);
        unten = AbschneidenAlsDouble(z);
        oben = Runden(static_cast<double>(z + 0.4999L));
        break;
    }
    default:
        unten = static_cast<double>(jahresbetrag);
        oben = unten;
        break;
    }
}

void TLStTabBase::Versorgungsfreibetrag(int jahr, double& prozentsatz, double& zuschlag,
                                        double& hoechstbetrag) const
{
    // Shrinks year by year after 2005 and ends with the pensions that begin in 2040.
    if (jahr < 2006) {
        prozentsatz = 0.4;
        zuschlag = 900;
        hoechstbetrag = 3000;
    } else if (jahr < 2020) {
        const int n = jahr - 2005;
        prozentsatz = (400 - 16 * n) / 1000.0;
        zuschlag = 900 - 36 * n;
        hoechstbetrag = 3000 - 120 * n;
    } else if (jahr < 2040) {
        const int m = jahr - 2020;
        prozentsatz = (160 - 8 * m) / 1000.0;
        zuschlag = 360 - 18 * m;
        hoechstbetrag = 1200 - 60 * m;
    } else {
        prozentsatz = 0;
        zuschlag = 0;
        hoechstbetrag = 0;
    }
}

void TLStTabBase::Altersentlastung(int jahr, double& prozentsatz, double& hoechstbetrag) const
{
    if (jahr < 2006) {
        prozentsatz = 0.4;
        hoechstbetrag = 1900;
    } else if (jahr < 2020) {
        const int n = jahr - 2005;
        prozentsatz = (400 - 16 * n) / 1000.0;
        hoechstbetrag = 1900 - 76 * n;
    } else if (jahr < 2040) {
        const int m = jahr - 2020;
        prozentsatz = (160 - 8 * m) / 1000.0;
        hoechstbetrag = 760 - 38 * m;
    } else {
        prozentsatz = 0;
        hoechstbetrag = 0;
    }
}

int TLStTabBase::AltersJahr() const
{
    if (m_geburtsdatum.Tag == 0 && m_geburtsdatum.Monat == 0 && m_geburtsdatum.Jahr == 0)
        throw ELStTabError("Geburtsdatum fehlt!");
    // Born on 1 January: the 64th birthday falls on the last day of the year before.
    const std::int64_t jahr = static_cast<std::int64_t>(m_geburtsdatum.Jahr) +
                              (m_geburtsdatum.Tag == 1 && m_geburtsdatum.Monat == 1 ? 64 : 65);
    // A nonsensical birth year must not overflow; any year that far out is simply "late".
    return static_cast<int>(std::min<std::int64_t>(jahr, std::numeric_limits<int>::max()));
}

void TLStTabBase::PruefeEingaben() const
{
    if (m_int[liSteuerklasse] == 0)
        throw ELStTabEingabe('i', liSteuerklasse, "Steuerklasse fehlt!");
    if (m_int[liZeitraum] == 0)
        throw ELStTabEingabe('i', liZeitraum, "Lohnzahlungszeitraum fehlt!");
    // A factor is a ratio of two taxes, the smaller over the larger. The ministry's own test
    // cases include the factor 0 (no tax in tax class IV), so only what lies outside 0..1 is
    // refused.
    const double faktor = m_doub[ldFaktor];
    if (m_bool[lbFaktorAnwenden] && !(faktor >= 0 && faktor <= 1)) {
        char text[96];
        std::snprintf(text, sizeof text, "Faktor %g ungültig (erlaubt 0 bis 1)", faktor);
        throw ELStTabEingabe('d', ldFaktor, text);
    }
}

void TLStTabBase::ErgebnisseLoeschen()
{
    m_erg[leKiStBasis] = 0;
    m_erg[leLohnsteuer] = 0;
    m_erg[leStufeOben] = 0;
    m_erg[leStufeUnten] = 0;
    m_erg[leSolZ] = 0;
    m_altersentlastungsbetrag = 0;
    m_versorgungsfreibetrag = 0;
    m_wachsendeFreibetraege = std::numeric_limits<double>::quiet_NaN();
    m_zusatztabelle = false;
    m_tabellenJahresbetrag = 0;
    m_stufeOffen = false;
}

void TLStTabBase::Tabellenstufe(long double) {}

long double TLStTabBase::UPRUND54(long double x)
{
    return std::trunc(x * (1.0L / 54)) * 54;
}

void TLStTabBase::Berechnen()
{
    PruefeEingaben();
    ErgebnisseLoeschen();
    m_berechnet = true;
}
