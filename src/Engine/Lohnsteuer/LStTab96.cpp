#include "Engine/Lohnsteuer/LStTab96.h"

#include <cmath>

namespace {

const TTarifTabelle90 kTarif96 = {
    12096, 2, {{55728, 12042, 86630, 2590, 0}, {120042, 55674, 151910, 3346, 12949}}, 530, 22842};
const TTarifTabelle90 kTarif98 = {
    12366, 2, {{58644, 12312, 91190, 2590, 0}, {120042, 58590, 151960, 3434, 13938}}, 530, 22843};
const TTarifTabelle90 kTarif99 = {13068,
                                  3,
                                  {{17064, 13014, 350350, 2390, 0},
                                   {66366, 17010, 101310, 2670, 1011},
                                   {120042, 66312, 151930, 3669, 16637}},
                                  530,
                                  22886};
const TTarifTabelle90 kTarif00 = {
    13500, 2, {{17496, 13446, 262760, 2290, 0}, {114696, 17442, 133740, 2500, 957}}, 510, 20575};
const TTarifTabelle90 kTarif01 = {
    14094, 2, {{18090, 14040, 387890, 1990, 0}, {107568, 18036, 142490, 2300, 857}}, 485, 19299};

} // namespace

double TLStTab96::TarifNachTabelle(double x, const TTarifTabelle90& tabelle)
{
    if (x < tabelle.nullUnter)
        return 0;
    for (int i = 0; i < tabelle.zonenAnzahl; ++i) {
        const TTarifTabelle90::TZone& zone = tabelle.zonen[i];
        if (x < zone.unter) {
            // R * Y on scaled integers: R = (t + 1000 b) / 1000 and Y = d / 10000.
            const double d = x - zone.ursprung;
            const double t = std::trunc(d * zone.a1000 / 10000);
            return std::trunc((t + 1000 * zone.b) * d / 10000000) + zone.e;
        }
    }
    return std::trunc(x * tabelle.spitzePromille / 1000) - tabelle.spitzeAbzug;
}

const TTarifTabelle90& TLStTab96::TarifTabelle() const
{
    return kTarif96;
}

long double TLStTab96::Tarif(long double x) const
{
    return TarifNachTabelle(static_cast<double>(x), TarifTabelle()) * m_t.divisor;
}

long double TLStTab96::TarifKlasse5und6(long double x) const
{
    const TKlasse5und6Grenzen k = Klasse5und6();
    return Klasse5und6EineGrenze(x, k.zweiteGrenze, k.mindestPromille, k.spitzePromille);
}

void TLStTab96::Berechnen()
{
    BerechneStufenverfahren();
    SetzeBerechnet();
}

void TLStTab96::BerechneStufenverfahren()
{
    PruefeEingaben();
    ErgebnisseLoeschen();
    ZwischenwerteLoeschen();
    VersorgungUndAlter();
    m_t.redLohnKopie = m_t.redLohn;
    Versorgungsfreibetraege();
    TabellenstufeVormerken(m_t.untereStufe);
    Tabellenfreibetraege();
    Jahreslohnsteuer();
    m_t.steuerZeitraum = m_t.tarifSteuer;
    m_erg[leLohnsteuer] = AufZeitraumUnten(m_t.steuerZeitraum * 100.0L);
    // The child allowances lower only the base of the surcharge and the church tax.
    if (m_doub[ldKinderfreibetraege] > 0) {
        m_t.tabellenfreibetraege += m_t.kinderfreibetraege;
        Jahreslohnsteuer();
        m_t.solzBasis = m_t.tarifSteuer;
    } else {
        m_t.solzBasis = m_t.steuerZeitraum;
    }
    Solidaritaetszuschlag();
}

void TLStTab96::Tabellenfreibetraege()
{
    const double kind = KinderTabelle();
    TabellenfreibetraegeMit({2000, 108, 216, 5616, kind, kind / 2, 2, false});
}

long double TLStTab96::VorsorgepauschaleAlt()
{
    return VorsorgepauschaleMit({0.2, 6000, 2610, 1305, 2214, 0.16});
}

void TLStTab96::Jahreslohnsteuer()
{
    SteuerNachStufe(0, 0);
}

void TLStTab96::Solidaritaetszuschlag()
{
    SolidaritaetszuschlagMitKirche();
}

void TLStTab96::SolidaritaetszuschlagMitKirche()
{
    SolidaritaetszuschlagMit(m_t.solzBasis, SolzSatz(), SolzGrenze(), m_t.divisor);
    m_erg[leKiStBasis] = m_bool[lbKirchensteuer] ? AufZeitraumUnten(m_t.solzBasis * 100.0L) : 0.0;
}

const TTarifTabelle90& TLStTab98::TarifTabelle() const
{
    return kTarif98;
}

const TTarifTabelle90& TLStTab99::TarifTabelle() const
{
    return kTarif99;
}

const TTarifTabelle90& TLStTab00::TarifTabelle() const
{
    return kTarif00;
}

long double TLStTab00::Klasse5und6Wert(long double w) const
{
    const double ganz = static_cast<double>(w);
    const double differenz = static_cast<double>(Klasse5und6Differenz(ganz));
    const double mindest = std::trunc(Klasse5und6().mindestPromille * ganz / 1000);
    return mindest <= differenz ? differenz : mindest;
}

long double TLStTab00::TarifKlasse5und6(long double x) const
{
    const TKlasse5und6Grenzen k = Klasse5und6();
    const double ganz = std::trunc(static_cast<double>(x));
    const auto spitze = [&k, ganz](double grenze, long double steuer) {
        return std::trunc(
            ((ganz - grenze) * k.spitzePromille + 1000 * static_cast<double>(steuer)) / 1000);
    };
    if (ganz > k.zweiteGrenze)
        return spitze(k.zweiteGrenze, Klasse5und6Wert(k.zweiteGrenze));
    const long double steuer = Klasse5und6Wert(ganz);
    if (ganz <= k.ersteGrenze)
        return steuer;
    const long double hoch = spitze(k.ersteGrenze, Klasse5und6Wert(k.ersteGrenze));
    return hoch < steuer ? hoch : steuer;
}

double TLStTab01::TabellenEnde()
{
    m_tabellenJahresbetrag = 200;
    return InAnzeige(Tabellenkonstante() - 1);
}

void TLStTab01::VersorgungUndAlter()
{
    VersorgungUndAlterMit(VersorgungsHoechstbetrag(), 372000, true);
}

void TLStTab01::Versorgungsfreibetraege()
{
    // The provision allowance is taken from the wage before the allowance and the amount to add.
    m_t.jahresLohn = Hochrechnen(m_t.redLohn);
    m_t.jahresLohn2 = Hochrechnen(m_t.redLohn2);
    m_t.untereStufe = static_cast<double>(UPRUND54(m_t.jahresLohn));
    m_t.obereStufe = static_cast<double>(UPRUND54(m_t.jahresLohn2)) + 53;
}

void TLStTab01::Jahreslohnsteuer()
{
    // The tax of a step is that of its middle.
    SteuerNachStufe(54, 27);
}

const TTarifTabelle90& TLStTab01::TarifTabelle() const
{
    return kTarif01;
}
