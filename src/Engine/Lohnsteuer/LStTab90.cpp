#include "Engine/Lohnsteuer/LStTab90.h"

#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

int TLStTab90::Steuerklasse() const
{
    // A tax class above 6 is taken as 6.
    return std::min(m_int[liSteuerklasse], 6);
}

double TLStTab90::AufZeitraumOben(long double jahresbetrag) const
{
    double unten = 0;
    double oben = 0;
    AufZeitraum(jahresbetrag, unten, oben);
    return oben;
}

void TLStTab90::Berechnen()
{
    PruefeEingaben();
    ErgebnisseLoeschen();
    m_t = TTabellenWerte{};
    VersorgungUndAlter();
    m_t.redLohnKopie = m_t.redLohn;
    Versorgungsfreibetraege();
    TabellenstufeVormerken(m_t.untereStufe);
    Tabellenfreibetraege();
    SteuerNachStufe(0, 0);
    m_erg[leLohnsteuer] = AufZeitraumUnten(m_t.tarifSteuer * 100.0L);
    // Whole pfennig times tenths of a percent: the product is exact, the cut drops the fraction.
    m_erg[leSolZ] = std::trunc(m_erg[leLohnsteuer] * (SolZSatzLohnsteuer() * 10) / 1000);
    if (m_bool[lbKirchensteuer])
        KinderEntlastung();
    SetzeBerechnet();
}

void TLStTab90::VersorgungUndAlter()
{
    VersorgungUndAlterMit(VersorgungsHoechstbetrag(), 372000, false);
}

void TLStTab90::VersorgungUndAlterMit(double versHoechst, double altersHoechst,
                                      bool mitHinzurechnung)
{
    const double lohn = m_curr[lcLohn];
    const double versBezug = m_curr[lcVersBezug];
    m_t.versFreibetrag = 0;
    if (versBezug != 0) {
        m_t.versFreibetrag = Runden(0.4 * versBezug + 0.4);
        Hoechstens(m_t.versFreibetrag, AufZeitraumOben(versHoechst));
    }
    m_t.altersentlastung = 0;
    if (m_bool[lbAltersentlastung]) {
        m_t.altersentlastung = Runden(0.4 * (lohn - versBezug) + 0.4);
        Hoechstens(m_t.altersentlastung, AufZeitraumOben(altersHoechst));
    }
    m_t.redLohn2 = lohn - m_t.versFreibetrag - m_t.altersentlastung;
    m_t.redLohn = m_t.redLohn2 - m_doub[ldFreibetrag];
    if (mitHinzurechnung)
        m_t.redLohn += m_doub[ldHinzurechnung];
    m_versorgungsfreibetrag = m_t.versFreibetrag;
    m_altersentlastungsbetrag = m_t.altersentlastung;
}

double TLStTab90::Hochrechnen(double betrag) const
{
    // The offsets put a period wage in the table step that the printed tables give it.
    switch (m_int[liZeitraum]) {
    case 1:
        return 0.01 * betrag;
    case 2:
        return 0.01 * Abschneiden((betrag + 0.67) * 12);
    case 3:
        return 0.01 * Abschneiden((betrag + 0.89) * 360 * (1.0 / 7));
    case 4:
        return 0.01 * Abschneiden((betrag + 0.56) * 360);
    default:
        return 0;
    }
}

void TLStTab90::Versorgungsfreibetraege()
{
    m_t.jahresLohn = Hochrechnen(m_t.redLohn);
    double basis = m_t.jahresLohn - 2;
    basis = basis < 0 ? 0 : static_cast<double>(UPRUND54(basis));
    m_t.untereStufe = std::trunc(basis + 2);
    m_t.obereStufe = m_t.untereStufe + 53;
}

void TLStTab90::Tabellenstufe(long double einkommen)
{
    m_erg[leStufeUnten] = AufZeitraumUnten(einkommen * 100);
    m_erg[leStufeOben] = m_erg[leStufeUnten] + Tabellenkonstante() - 1;
}

void TLStTab90::Tabellenfreibetraege()
{
    const double kind = KinderfreibetragTabelle();
    TabellenfreibetraegeMit({2000, 108, 216, 5616, kind, kind / 2, 2, true});
}

void TLStTab90::TabellenfreibetraegeMit(const TTabellenfreibetragsWerte& werte)
{
    TTabellenWerte& t = m_t;
    const int klasse = Steuerklasse();
    const double kinder = m_doub[ldKinderfreibetraege];
    t.divisor = klasse == 3 ? 2 : 1;
    t.arbeitnehmerpauschbetrag = klasse <= 5 ? werte.arbeitnehmer : 0;
    t.sonderausgabenpauschbetrag = 0;
    t.haushaltsfreibetrag = 0;
    t.kinderfreibetraege = 0;
    t.klasse6Betrag = 0;
    switch (klasse) {
    case 1:
        t.sonderausgabenpauschbetrag = werte.sonderausgaben;
        t.kinderfreibetraege = std::trunc(kinder * werte.kind);
        break;
    case 2:
        t.sonderausgabenpauschbetrag = werte.sonderausgaben;
        t.haushaltsfreibetrag = werte.haushalt;
        t.kinderfreibetraege = std::trunc(kinder * werte.kind);
        break;
    case 3:
        t.sonderausgabenpauschbetrag = werte.sonderausgaben3;
        t.kinderfreibetraege = std::trunc(kinder * werte.kind);
        break;
    case 4:
        t.sonderausgabenpauschbetrag = werte.sonderausgaben;
        t.kinderfreibetraege = std::trunc(kinder * werte.kind4);
        break;
    case 6:
        t.klasse6Betrag = werte.klasse6;
        break;
    default:
        break;
    }
    t.tabellenfreibetraege = t.klasse6Betrag + t.haushaltsfreibetrag + t.arbeitnehmerpauschbetrag +
                             t.sonderausgabenpauschbetrag;
    if (werte.kinderInSumme)
        t.tabellenfreibetraege += t.kinderfreibetraege;
    m_arbeitnehmerpauschbetrag = t.arbeitnehmerpauschbetrag;
}

long double TLStTab90::VorsorgepauschaleAlt()
{
    return VorsorgepauschaleMit({0.18, 4000, 2340, 1170, 2000, 0.12});
}

long double TLStTab90::VorsorgepauschaleMit(const TVorsorgeWerte& werte)
{
    const double d = m_t.divisor;
    const double u = m_t.obereStufe;
    const double basis = werte.anteil * u;
    const double hoechst = werte.hoechst * d;
    const double halb = werte.halb * d;
    double p = 0;
    if (m_int[liRVArt] == 1) {
        p = std::min(basis, werte.gekuerzt * d);
    } else {
        // The advance deduction shrinks with the wage; what the share exceeds it by counts in
        // full up to the basic maximum and by half up to the half maximum.
        const double vorweg = std::max(0.0, werte.vorweg * d - werte.kuerzung * u);
        if (vorweg >= basis) {
            p = basis;
        } else {
            const double rest = basis - vorweg;
            if (rest <= hoechst)
                p = vorweg + rest;
            else
                p = vorweg + hoechst +
                    std::min(static_cast<double>(0.01L * RundenExt((rest - hoechst) * 0.5L * 100)),
                             halb);
        }
    }
    return UPRUND54(p);
}

void TLStTab90::SteuerNachStufe(double untergrenze, double mitte)
{
    TTabellenWerte& t = m_t;
    const int klasse = Steuerklasse();
    long double p = 0;
    if (klasse < 5 && !m_bool[lbKeineVSP])
        p = VorsorgepauschaleAlt();
    t.vorsorgepauschale = static_cast<double>(p);
    m_vorsorgepauschale = p;
    t.einkommen = t.untereStufe - t.tabellenfreibetraege - std::trunc(t.vorsorgepauschale);
    if (t.einkommen < untergrenze) {
        t.einkommen = 0;
        t.einkommenEinheit = 0;
    } else {
        t.einkommenEinheit =
            static_cast<double>(UPRUND54(std::trunc(t.einkommen / t.divisor))) + mitte;
    }
    t.tarifSteuer = static_cast<double>(klasse < 5 ? Tarif(t.einkommenEinheit)
                                                   : TarifKlasse5und6(t.einkommenEinheit));
}

double TLStTab90::Tarif1990(double x)
{
    if (x < 5617)
        return 0;
    if (x < 8154)
        return std::trunc((19 * x - 106700) / 100);
    if (x < 120042) {
        // (151.94 y + 1900) y + 472 with y = (X - 8100) / 10000, by the Horner rule of the
        // statute: each product is cut to three decimals, as the income-tax tariff does, so a
        // table income bears the same tax in both. In integers: v = (X - 8100) in hundredths of
        // a DM (X may carry a quarter from the classes V and VI), a y in thousandths.
        const std::int64_t v = static_cast<std::int64_t>(std::floor((x - 8100) * 100 + 1e-6));
        const std::int64_t ay = v * 15194 / 100000;
        return static_cast<double>((ay + 1900000) * v / 1000000000 + 472);
    }
    return std::trunc(53 * x / 100) - 22842;
}

long double TLStTab90::Tarif(long double x) const
{
    return Tarif1990(static_cast<double>(x)) * m_t.divisor;
}

long double TLStTab90::Klasse5und6Differenz(double w) const
{
    return (Tarif(1.25 * w) - Tarif(0.75 * w)) * 2;
}

long double TLStTab90::Klasse5und6EineGrenze(long double x, double grenze, double mindestPromille,
                                             double spitzePromille) const
{
    const double ganz = std::trunc(static_cast<double>(x));
    const double w = std::min(ganz, grenze);
    const double differenz = static_cast<double>(Klasse5und6Differenz(w));
    const double mindest = std::trunc(mindestPromille * w / 1000);
    double steuer = mindest <= differenz ? differenz : mindest;
    if (ganz > grenze)
        steuer = std::trunc(((ganz - grenze) * spitzePromille + 1000 * steuer) / 1000);
    return steuer;
}

long double TLStTab90::TarifKlasse5und6(long double x) const
{
    return Klasse5und6EineGrenze(x, 60048, 190, 530);
}

void TLStTab90::KinderEntlastung()
{
    double abzug = std::trunc(m_doub[ldKinderfreibetraege] * 30000);
    if (Steuerklasse() == 4)
        abzug = std::trunc(abzug / 2);
    m_erg[leKiStBasis] = std::max(0.0, m_erg[leLohnsteuer] - AufZeitraumUnten(abzug));
}

void TLStTab90::SolidaritaetszuschlagMit(double basis, double satz, double grenze, int divisor)
{
    const double freigrenze = grenze * divisor;
    if (basis <= freigrenze) {
        m_erg[leSolZ] = 0;
        return;
    }
    // Above the exemption limit the surcharge grows in by 20 % of the excess.
    const double nachSatz = std::trunc(basis * (satz * 10) / 10);
    const double ueberschuss = (basis - freigrenze) * 20;
    m_erg[leSolZ] = AufZeitraumUnten(std::min(nachSatz, ueberschuss));
}
