#include "Engine/Sozialversicherung/Beitrag.h"

#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>

namespace {

// The doubled pfennig amount of a share that is meant to end in exactly half a pfennig can land
// a hair below the whole number (0.02 · 1000 · 0.85 is 16.9999...); the same bias as Runden's,
// doubled, keeps it from being rounded down.
constexpr double kPfennigToleranz = 2e-11;

} // namespace

TBeitrag::TBeitrag(int svTage, double satz, double tabellenstart, double tabellenschritt,
                   double grenze1, double grenze2, double waehrungsfaktor)
    : m_grenze1(grenze1), m_grenze2(grenze2), m_waehrungsfaktor(waehrungsfaktor), m_svTage(svTage)
{
    SetSatz(TSatzArt::kGesamt, satz);
    m_tabellenstart = tabellenstart;
    m_tabellenschritt = tabellenschritt > 0.0 ? tabellenschritt : 1.0;
    m_tabellenursprung = m_tabellenstart - m_tabellenschritt + 1.0;
}

void TBeitrag::SetSatz(TSatzArt art, double wert)
{
    switch (art) {
    case TSatzArt::kArbeitgeber:
        m_arbeitgeberSatz = wert;
        break;
    case TSatzArt::kArbeitnehmer:
        m_arbeitnehmerSatz = wert;
        m_abschlagSatz = 0.0;
        break;
    case TSatzArt::kGesamt:
        m_satz = wert;
        m_abschlagSatz = 0.0;
        m_arbeitgeberSatz = wert * 0.5;
        m_arbeitnehmerSatz = wert * 0.5;
        // Saxony kept its day of prayer and repentance as a holiday, so its employees carry
        // half a point more of the care rate than their employers.
        if (m_sachsen) {
            m_arbeitgeberSatz -= 0.5;
            m_arbeitnehmerSatz += 0.5;
        }
        // From July 2023 each child from the second to the fifth lowers the employee's care
        // rate by a quarter point.
        if (m_kinderPV > 1) {
            m_abschlagSatz = (std::min(m_kinderPV, 5) - 1) * 0.25;
            m_arbeitnehmerSatz -= m_abschlagSatz;
        }
        break;
    }
    m_kinderPV = 0;
    m_sachsen = false;
    SatzGeaendert();
}

void TBeitrag::SetEntgelt(double cent)
{
    m_entgelt = cent;
    Geaendert();
}

void TBeitrag::SetEinmalzahlung(double cent)
{
    m_einmalzahlung = cent;
    Geaendert();
}

void TBeitrag::SetWaehrungskurs(double kurs)
{
    m_waehrungskurs = kurs;
    Geaendert();
}

void TBeitrag::SetAndereAE(double cent)
{
    m_andereAE = cent;
    Geaendert();
}

void TBeitrag::SetBBG(double cent)
{
    m_grenze1 = cent;
    Geaendert();
}

void TBeitrag::SetGleitzonenfaktor(double faktor)
{
    m_gleitzonenfaktor = faktor;
    Geaendert();
}

void TBeitrag::SetGleitzone(bool gleitzone)
{
    m_gleitzone = gleitzone;
    Geaendert();
}

void TBeitrag::SetEuroRundung(bool centRundung)
{
    m_centRundung = centRundung;
    Geaendert();
}

void TBeitrag::SetKeineBBG(bool keineBBG)
{
    m_keineBBG = keineBBG;
    Geaendert();
}

void TBeitrag::SetKinderPV(int kinder)
{
    m_kinderPV = kinder;
    SatzGeaendert();
}

void TBeitrag::SetNurArbeitnehmer(bool nurArbeitnehmer)
{
    m_nurArbeitnehmer = nurArbeitnehmer;
    SatzGeaendert();
}

void TBeitrag::SetPVSachsen(bool sachsen)
{
    if (sachsen != m_sachsen) {
        m_sachsen = sachsen;
        const double verschiebung = sachsen ? 0.5 : -0.5;
        m_arbeitgeberSatz -= verschiebung;
        m_arbeitnehmerSatz += verschiebung;
    }
    SatzGeaendert();
}

void TBeitrag::SetGleitzonenParameter(int jahr, int monat, bool neueFormel)
{
    if (GleitzonenStand(jahr, monat) == TGleitzonenStand::kUebergang2022 &&
        (neueFormel || !AlteGleitzonenregelWaehlbar(jahr, monat)))
        m_formel = TGleitzonenFormel::kOktober2022;
    else if (jahr >= 2015 || neueFormel)
        m_formel = TGleitzonenFormel::k2013;
    else
        m_formel = TGleitzonenFormel::k2003;
    m_untergrenze = GeringfuegigkeitsgrenzeCent(jahr, monat, neueFormel);
    m_obergrenze = GleitzoneObergrenzeCent(jahr, monat, neueFormel);
    Geaendert();
}

void TBeitrag::BBGTauschen()
{
    std::swap(m_grenze1, m_grenze2);
    Geaendert();
}

double TBeitrag::GetBeitrag() const
{
    Berechnen();
    return m_arbeitnehmerAnteil;
}

double TBeitrag::GetArbeitgeberAnteil() const
{
    Berechnen();
    return m_arbeitgeberAnteil;
}

double TBeitrag::ZonenentgeltEuroCent() const
{
    // The zone is defined on the monthly pay in euro.
    const double monat = m_svTage < 1 ? 0.0 : m_entgelt * 30.0 / m_svTage + m_einmalzahlung;
    return Dreisatz(true, 0, m_andereAE + monat, m_waehrungskurs, 1.0);
}

double TBeitrag::BeitragspflichtigeEinnahme() const
{
    if (!m_gleitzone || ZonenentgeltEuroCent() > m_obergrenze)
        return m_entgelt + m_einmalzahlung;
    // Since October 2022 the whole contribution is levied on the general base of the zone.
    return BemessungsgrundlageGleitzone(
        m_formel == TGleitzonenFormel::kOktober2022 ? TGleitzonenFormel::k2013 : m_formel);
}

double TBeitrag::GetTabellenwert() const
{
    Berechnen();
    return m_tabellenwert;
}

double TBeitrag::GetAnteiligeGrenze() const
{
    return Abschneiden((1.0 / 360.0) * m_grenze1 * m_svTage);
}

double TBeitrag::GleitzonenfaktorRunden(double a, double b)
{
    if (b == 0.0)
        return 0.0;
    return Runden(a / b * 10000.0) * 0.0001;
}

// The limit of marginal employment, which is also where the transition zone begins.
double TBeitrag::GeringfuegigkeitsgrenzeCent(int jahr, int monat, bool neu)
{
    if (jahr >= 2027)
        return 63300.0;
    if (jahr == 2026)
        return 60300.0;
    if (jahr == 2025)
        return 55600.0;
    if (jahr == 2024)
        return 53800.0;
    if (neu && (jahr == 2023 || (jahr == 2022 && monat >= 10)))
        return 52000.0;
    if (jahr < 2013 || ((jahr == 2013 || jahr == 2014) && !neu))
        return 40000.0;
    return 45000.0;
}

double TBeitrag::GleitzoneObergrenzeCent(int jahr, int monat, bool neu)
{
    if (jahr >= 2024 || (jahr == 2023 && neu))
        return 200000.0;
    if (jahr == 2022 && monat >= 10 && neu)
        return 160000.0;
    if (jahr >= 2020 || (jahr == 2019 && monat >= 7))
        return 130000.0;
    if (jahr >= 2015 || ((jahr == 2013 || jahr == 2014) && neu))
        return 85000.0;
    return 80000.0;
}

void TBeitrag::GrundlageBerechnen() const
{
    if (m_grundlageBerechnet)
        return;
    m_basis = 0.0;
    m_tabellenwert = 0.0;
    double p = m_entgelt + m_einmalzahlung;
    if (p > 0.0) {
        const double g1 = Abschneiden((1.0 / 360.0) * m_grenze1 * m_svTage);
        if (m_tabellenschritt > 1.0) {
            const double g2 = Abschneiden((1.0 / 360.0) * m_grenze2 * m_svTage);
            // The old tables work in the year's currency: each row's contribution is that of
            // the middle of the row, unless a ceiling falls into the row.
            p = Dreisatz(true, 0, p, m_waehrungskurs, m_waehrungsfaktor);
            m_tabellenwert =
                std::trunc((p - m_tabellenursprung) / m_tabellenschritt) * m_tabellenschritt +
                m_tabellenursprung;
            const double zeilenende = m_tabellenwert + m_tabellenschritt - 1.0;
            m_basis = m_tabellenwert + std::trunc(m_tabellenschritt * 0.5) - 1.0;
            if (!m_keineBBG) {
                if (zeilenende >= g1)
                    m_basis = g1;
                else if (m_tabellenwert <= g2 && g2 <= zeilenende && p <= g2)
                    m_basis = g2;
            }
        } else {
            m_tabellenwert = p;
            m_basis = p;
            if (!m_keineBBG) {
                const double grenze = Dreisatz(true, 0, g1, m_waehrungsfaktor, m_waehrungskurs);
                if (p >= grenze)
                    m_basis = grenze;
            }
        }
    }
    m_grundlageBerechnet = true;
}

void TBeitrag::Berechnen() const
{
    if (m_berechnet)
        return;
    GrundlageBerechnen();
    m_arbeitgeberAnteil = 0.0;
    m_arbeitnehmerAnteil = 0.0;
    if (m_entgelt + m_einmalzahlung > 0.0) {
        Anteile(m_basis);
        if (m_tabellenschritt > 1.0) {
            m_arbeitgeberAnteil =
                Dreisatz(true, 0, m_arbeitgeberAnteil, m_waehrungsfaktor, m_waehrungskurs);
            m_arbeitnehmerAnteil =
                Dreisatz(true, 0, m_arbeitnehmerAnteil, m_waehrungsfaktor, m_waehrungskurs);
        }
    }
    m_berechnet = true;
}

void TBeitrag::Anteile(double basis) const
{
    m_arbeitgeberAnteil = 0.0;
    m_arbeitnehmerAnteil = 0.0;
    if (!m_gleitzone) {
        if (!m_nurArbeitnehmer)
            m_arbeitgeberAnteil = Anteil(basis, m_arbeitgeberSatz);
        m_arbeitnehmerAnteil = Anteil(basis, m_arbeitnehmerSatz);
        return;
    }
    // In the zone the children reduction of care is worked out apart and taken off the
    // employee's share only: the employer's share and the whole contribution are those without
    // it (SGB XI section 58, SGB IV section 20 (2a)).
    const double ohneAbschlag = m_arbeitnehmerSatz + m_abschlagSatz;
    if (m_formel == TGleitzonenFormel::kOktober2022) {
        // Since October 2022 the employee pays on a base of his own that starts at 0 at the
        // lower limit; the employer pays the rest of the contribution on the general base. The
        // surcharge of the childless stays on the general base.
        const double allgemein = BemessungsgrundlageGleitzone(TGleitzonenFormel::k2013);
        if (m_nurArbeitnehmer) {
            m_arbeitnehmerAnteil = Anteil(allgemein, m_arbeitnehmerSatz);
            return;
        }
        const double eigen = BemessungsgrundlageGleitzone(TGleitzonenFormel::kOktober2022);
        const double voll = Anteil(eigen, ohneAbschlag);
        m_arbeitnehmerAnteil = voll - Anteil(eigen, m_abschlagSatz);
        m_arbeitgeberAnteil =
            2.0 * Anteil(allgemein, (ohneAbschlag + m_arbeitgeberSatz) * 0.5) - voll;
        return;
    }
    // Before, the employer paid his full share of the pay and the employee the rest of the
    // contribution on the reduced base.
    const double reduziert = BemessungsgrundlageGleitzone(m_formel);
    if (m_nurArbeitnehmer) {
        m_arbeitnehmerAnteil = Anteil(reduziert, m_arbeitnehmerSatz);
        return;
    }
    const double gesamt = 2.0 * Anteil(reduziert, m_satz * 0.5);
    m_arbeitgeberAnteil = Anteil(basis, m_arbeitgeberSatz);
    m_arbeitnehmerAnteil =
        std::max(gesamt - m_arbeitgeberAnteil - Anteil(reduziert, m_abschlagSatz), 0.0);
}

double TBeitrag::Anteil(double basis, double satz) const
{
    if (m_centRundung)
        return Runden(0.01 * basis * satz);
    // The tables of the mark era rounded half a pfennig up on the doubled amount.
    return std::trunc(std::trunc(0.02 * basis * satz + 1.0 + kPfennigToleranz) * 0.5);
}

double TBeitrag::BemessungsgrundlageGleitzone(TGleitzonenFormel formel) const
{
    const double monat = m_svTage < 1 ? 0.0 : m_entgelt * 30.0 / m_svTage + m_einmalzahlung;
    const double gesamt = ZonenentgeltEuroCent();
    const double eigen = Dreisatz(true, 0, monat, m_waehrungskurs, 1.0);
    double r = 0.0;
    if (gesamt <= m_untergrenze)
        // The employee's own base is 0 at the lower limit and below: there the employer bears
        // the whole contribution on the general base.
        r = formel == TGleitzonenFormel::kOktober2022 ? 0.0 : eigen * m_gleitzonenfaktor;
    else if (gesamt > m_obergrenze)
        r = eigen;
    else if (std::fabs(m_andereAE) > 0.00001)
        // With several jobs the base of the total pay is shared in proportion to each pay.
        r = Formel(formel, gesamt) * eigen / gesamt;
    else
        r = Formel(formel, eigen);
    r = Runden((1.0 / 30.0) * r * m_svTage);
    if (!m_keineBBG)
        r = std::min(r, Runden((1.0 / 360.0) * m_grenze1 * m_svTage));
    return Dreisatz(true, 0, r, 1.0, m_waehrungskurs);
}

double TBeitrag::Formel(TGleitzonenFormel formel, double ae) const
{
    const double f = m_gleitzonenfaktor;
    const double g = m_untergrenze;
    const double h = m_obergrenze;
    switch (formel) {
    case TGleitzonenFormel::k2003:
        return f * g + (2.0 - f) * (ae - g);
    case TGleitzonenFormel::k2013:
        return f * g + (h / (h - g) - g / (h - g) * f) * (ae - g);
    case TGleitzonenFormel::kOktober2022:
        return h / (h - g) * (ae - g);
    }
    return ae;
}
