#include "Engine/Lohnsteuer/LStTab04.h"

#include "Lib/Exception.h"

#include <algorithm>
#include <cmath>

namespace {

const TTarif04 kTarif04 = {7665, 7664,  793.10, 1600, 12740, 265.78, 2405,
                           1016, 52152, 0.45,   8845, 0,     0};
const TTarif04 kTarif05 = {7665, 7664,  883.74, 1500, 12740, 228.74, 2397,
                           989,  52152, 0.42,   7914, 0,     0};

} // namespace

TLStTab04::TEingabenSichern::TEingabenSichern(TLStTab04& tab) : m_tab(tab)
{
    std::copy(std::begin(tab.m_int), std::end(tab.m_int), m_int);
    std::copy(std::begin(tab.m_curr), std::end(tab.m_curr), m_curr);
    std::copy(std::begin(tab.m_doub), std::end(tab.m_doub), m_doub);
}

TLStTab04::TEingabenSichern::~TEingabenSichern()
{
    std::copy(std::begin(m_int), std::end(m_int), m_tab.m_int);
    std::copy(std::begin(m_curr), std::end(m_curr), m_tab.m_curr);
    std::copy(std::begin(m_doub), std::end(m_doub), m_tab.m_doub);
}

double TLStTab04::TabellenAnfang()
{
    m_tabellenJahresbetrag = TabellenAnfangJahresbetrag();
    return InAnzeige(std::max(0.0, AufZeitraumUnten(m_tabellenJahresbetrag) - 1));
}

double TLStTab04::TabellenSchritt()
{
    switch (m_int[liZeitraum]) {
    case 1:
        return InAnzeige(100);
    case 2:
        return InAnzeige(8);
    case 3:
    case 4:
        return InAnzeige(1);
    default:
        return 0;
    }
}

long double TLStTab04::UPRUND54(long double)
{
    throw Exception("UPRUND54 veraltet");
}

void TLStTab04::ZwischenwerteLoeschen()
{
    TLStTab02::ZwischenwerteLoeschen();
    m_b = TWerte04{};
}

void TLStTab04::Berechnen()
{
    PruefeEingaben();
    ErgebnisseLoeschen();
    ZwischenwerteLoeschen();
    VersorgungUndAlter();
    LohnNachFreibetraegen();
    Versorgungsfreibetraege();
    SteuernBerechnen();
}

void TLStTab04::SteuernBerechnen()
{
    TabellenstufeVormerken(m_b.zre4);
    Tabellenfreibetraege();
    Jahreslohnsteuer();
    m_b.lstJahr = static_cast<double>(m_b.st);
    m_erg[leLohnsteuer] = AufZeitraumUnten(m_b.lstJahr * 100.0L);
    if (m_doub[ldKinderfreibetraege] > 0) {
        m_b.ztabfb += m_b.kfb;
        Jahreslohnsteuer();
        m_b.jbmg = static_cast<double>(m_b.st);
    } else {
        m_b.jbmg = m_b.lstJahr;
    }
    Solidaritaetszuschlag();
    SonstigeBezuege();
    SonstigeBezuegeFuenftel();
    SetzeBerechnet();
}

void TLStTab04::Tabellenstufe(long double einkommen)
{
    TLStTab90::Tabellenstufe(AbschneidenAlsDouble(einkommen * (1.0L / 36)) * 36.0L);
}

void TLStTab04::VersorgungUndAlter()
{
    const double lohn = m_curr[lcLohn];
    const double versBezug = m_curr[lcVersBezug];
    TWerte04& b = m_b;
    b.versFreibetragZ = 0;
    if (versBezug != 0) {
        b.versFreibetragZ = Runden(0.4 * versBezug + 0.4);
        Hoechstens(b.versFreibetragZ, AufZeitraumOben(307200));
    }
    b.altersentlastungZ = 0;
    if (m_bool[lbAltersentlastung]) {
        b.altersentlastungZ = Runden(0.4 * (lohn - versBezug) + 0.4);
        Hoechstens(b.altersentlastungZ, AufZeitraumOben(190800));
    }
    b.zre4vpZ = lohn - b.versFreibetragZ - b.altersentlastungZ;
    b.zre4Z = b.zre4vpZ - m_doub[ldFreibetrag] + m_doub[ldHinzurechnung];
    m_versorgungsfreibetrag = b.versFreibetragZ;
    m_altersentlastungsbetrag = b.altersentlastungZ;
}

void TLStTab04::Versorgungsfreibetraege()
{
    m_b.zre4 = std::max(0.0, Hochrechnen(m_b.zre4Z));
    m_b.zre4vp = Hochrechnen(m_b.zre4vpZ);
}

void TLStTab04::TabellenGrundwerte(double kind)
{
    TWerte04& b = m_b;
    const double kinder = m_doub[ldKinderfreibetraege];
    b.kztab = 1;
    b.sap = 0;
    b.efa = 0;
    b.kfb = 0;
    switch (Steuerklasse()) {
    case 1:
        b.sap = 36;
        b.kfb = std::trunc(kinder * kind);
        break;
    case 2:
        b.efa = 1308;
        b.sap = 36;
        b.kfb = std::trunc(kinder * kind);
        break;
    case 3:
        b.kztab = 2;
        b.sap = 72;
        b.kfb = std::trunc(kinder * kind);
        break;
    case 4:
        b.sap = 36;
        b.kfb = std::trunc(kinder * kind * 0.5);
        break;
    default:
        break;
    }
}

void TLStTab04::Tabellenfreibetraege()
{
    m_b.anp = Steuerklasse() <= 5 ? 920 : 0;
    TabellenGrundwerte(5808);
    m_b.ztabfb = m_b.efa + m_b.anp + m_b.sap;
    m_b.fuenftelKenn = 0;
    m_arbeitnehmerpauschbetrag = m_b.anp;
}

void TLStTab04::Vorsorgepauschale()
{
    m_b.vsp = VorsorgepauschaleAlt();
}

long double TLStTab04::VorsorgeAnteil() const
{
    return 0.2L * m_b.zre4vp;
}

long double TLStTab04::VorsorgeVorwegLohn() const
{
    // In the one-fifth run the advance deduction shrinks with the wage of the full part.
    return m_b.fuenftelKenn == 1 ? m_b.zre4vpGespeichert : m_b.zre4vp;
}

long double TLStTab04::VorsorgeVorweg(long double divisor) const
{
    return 3068 * divisor - 0.16L * VorsorgeVorwegLohn();
}

long double TLStTab04::VorsorgeHalbRunden(long double x) const
{
    return 0.01L * RundenExt(x * 100);
}

long double TLStTab04::VorsorgeGekuerzt(long double anteil, long double gekuerzt) const
{
    return anteil <= gekuerzt ? VorsorgeRunden(anteil) : gekuerzt;
}

long double TLStTab04::VorsorgepauschaleAlt()
{
    const long double d = m_b.kztab;
    const long double anteil = VorsorgeAnteil();
    if (m_int[liRVArt] == 1)
        return VorsorgeGekuerzt(anteil, 1134 * d);
    const long double hoechst = 1334 * d;
    const long double halb = 667 * d;
    long double vorweg = VorsorgeVorweg(d);
    MindestensExt(vorweg, 0);
    if (anteil <= vorweg)
        return VorsorgeRunden(anteil);
    const long double rest = anteil - vorweg;
    if (rest <= hoechst)
        return VorsorgeRunden(rest + vorweg);
    const long double halbRest = VorsorgeHalbRunden((rest - hoechst) * 0.5L);
    return VorsorgeRunden(vorweg + hoechst + std::min(halbRest, halb));
}

long double TLStTab04::Einkommen() const
{
    return m_b.zre4 - m_b.ztabfb - std::trunc(m_b.vsp);
}

void TLStTab04::Jahreslohnsteuer()
{
    TWerte04& b = m_b;
    const int klasse = Steuerklasse();
    b.vsp = 0;
    if (klasse <= 4 && !m_bool[lbKeineVSP])
        Vorsorgepauschale();
    m_vorsorgepauschale = b.vsp;
    b.zve = Einkommen();
    if (b.zve < 1) {
        b.zve = 0;
        b.x = 0;
    } else {
        b.x = Einheit(b.zve / b.kztab);
    }
    b.st = klasse < 5 ? Tarif(b.x) : TarifKlasse5und6(b.x);
}

const TTarif04& TLStTab04::TarifWerte() const
{
    return kTarif04;
}

long double TLStTab04::Tarif(long double x) const
{
    const TTarif04& t = TarifWerte();
    long double steuer = 0;
    if (x < t.ersteGrenze) {
        steuer = 0;
    } else if (x < t.zweiteGrenze) {
        const long double y = (x - t.grundfreibetrag) * 0.0001L;
        steuer = (y * t.a + t.b) * y;
    } else if (x < t.dritteGrenze) {
        const long double z = (x - (t.zweiteGrenze - 1)) * 0.0001L;
        steuer = (z * t.c + t.d) * z + t.e;
    } else if (t.vierteGrenze == 0 || x < t.vierteGrenze) {
        steuer = t.satz4 * static_cast<double>(x) - t.f;
    } else {
        steuer = 0.45 * static_cast<double>(x) - t.g;
    }
    return AbschneidenExt(steuer) * m_b.kztab;
}

TKlasse5und6Grenzen04 TLStTab04::Klasse5und6Grenzen() const
{
    return {9228, 26072, 0.45, 0, 0, 0.16};
}

long double TLStTab04::Klasse5und6Wert(long double a) const
{
    const long double differenz = (Tarif(a * 1.25L) - Tarif(a * 0.75L)) * 2;
    const long double mindest =
        Abschneiden(static_cast<double>(a) * Klasse5und6Grenzen().mindestSatz);
    return mindest > differenz ? mindest : differenz;
}

long double TLStTab04::TarifKlasse5und6(long double x) const
{
    const TKlasse5und6Grenzen04 k = Klasse5und6Grenzen();
    const long double z = AbschneidenExt(x);
    if (z <= k.zweiteGrenze) {
        const long double steuer = Klasse5und6Wert(z);
        if (z <= k.ersteGrenze)
            return steuer;
        const long double hoch = Abschneiden(
            static_cast<double>(k.satz * (z - k.ersteGrenze) + Klasse5und6Wert(k.ersteGrenze)));
        return steuer <= hoch ? steuer : hoch;
    }
    const long double steuer = Klasse5und6Wert(k.zweiteGrenze);
    if (k.dritteGrenze > 0 && z > k.dritteGrenze) {
        // The flow charts cut after adding the fixed amount and again after the top rate.
        const double mitFest = AbschneidenAlsDouble(steuer + k.festbetrag);
        return AbschneidenAlsDouble(mitFest + (z - k.dritteGrenze) * 0.45L);
    }
    return AbschneidenAlsDouble(k.satz * (z - k.zweiteGrenze) + steuer);
}

void TLStTab04::Solidaritaetszuschlag()
{
    SolidaritaetszuschlagMit(m_b.jbmg, 5.5, 972, m_b.kztab);
    m_erg[leKiStBasis] = m_bool[lbKirchensteuer] ? AufZeitraumUnten(m_b.jbmg * 100.0L) : 0.0;
}

void TLStTab04::SonstigerLauf(bool mitTabelle)
{
    VersorgungUndAlter();
    LohnNachJahresfreibetraegen();
    Versorgungsfreibetraege();
    if (mitTabelle)
        Tabellenfreibetraege();
    Jahreslohnsteuer();
}

void TLStTab04::SonstigeBezuege()
{
    const double bezug = m_sonstigerBezug;
    if (SonstigerBezugLeer(bezug)) {
        m_erg[leLStSonst] = 0;
        m_erg[leSolZSonst] = 0;
        m_erg[leKiStBasisSonst] = 0;
        return;
    }
    TEingabenSichern sichern(*this);
    m_int[liZeitraum] = 1;
    m_curr[lcLohn] = m_doub[ldJahresLohn];
    m_curr[lcVersBezug] = m_doub[ldJahresVersBezug];
    m_doub[ldFreibetrag] = m_doub[ldJahresFreibetrag];
    m_doub[ldHinzurechnung] = m_doub[ldJahresHinzurechnung];
    SonstigerLauf(true);
    const double ohne = static_cast<double>(m_b.st * 100);
    m_curr[lcVersBezug] = m_doub[ldJahresVersBezug] + m_sonstigerVersBezug;
    m_curr[lcLohn] = m_doub[ldJahresLohn] + bezug;
    if (MitSterbegeld())
        m_curr[lcVersSonder] += m_curr[lcSterbegeld];
    // 2004 and 2005 keep the table allowances of the run without.
    SonstigerLauf(false);
    m_b.lstMit = static_cast<double>(m_b.st * 100);
    SonstigeBezuegeSteuer(m_b.lstMit - ohne);
}

void TLStTab04::SonstigeBezuegeSteuer(double differenz)
{
    m_erg[leLStSonst] = differenz;
    m_erg[leSolZSonst] = std::trunc(differenz * 55 / 1000);
    m_erg[leKiStBasisSonst] = m_bool[lbKirchensteuer] ? differenz : 0.0;
}

void TLStTab04::SonstigeBezuegeFuenftel()
{
    const double c = m_sonstigerFuenftel;
    const double kapital = Kapitalauszahlung();
    if (c + kapital <= 0) {
        KeinFuenftel();
        return;
    }
    TEingabenSichern sichern(*this);
    // The flow charts of 2006 and 2007 leave the death benefits in the special pension payments
    // once the other payment has been taxed, so every run of the one-fifth rule counts them in
    // the pension base as well.
    if (MitSterbegeld() && !SonstigerBezugLeer(m_sonstigerBezug))
        m_curr[lcVersSonder] += m_curr[lcSterbegeld];
    const double lohnMit = m_doub[ldJahresLohn] + m_sonstigerBezug;
    m_int[liZeitraum] = 1;
    m_curr[lcVersBezug] = m_doub[ldJahresVersBezug] + m_sonstigerVersBezug;
    m_doub[ldFreibetrag] = m_doub[ldJahresFreibetrag];
    m_doub[ldHinzurechnung] = m_doub[ldJahresHinzurechnung];
    m_curr[lcLohn] = lohnMit;
    SonstigerLauf(true);
    const double t1 = static_cast<double>(m_b.st * 100);

    // The full part; capitalised pension payments count as pension payments for this run.
    const double voll = c + kapital;
    m_curr[lcVersBezug] += kapital;
    m_curr[lcVersSonder] += kapital;
    m_curr[lcLohn] = lohnMit + voll;
    VersorgungUndAlter();
    LohnNachJahresfreibetraegen();
    Versorgungsfreibetraege();
    m_b.fuenftelKenn = 1;
    m_b.zre4vpGespeichert = m_b.zre4vp;
    Jahreslohnsteuer();
    const double t3 = static_cast<double>(m_b.st * 100);
    m_curr[lcVersBezug] -= kapital;
    m_curr[lcVersSonder] -= kapital;

    // Five times the tax on a fifth, never more than the tax on the whole part.
    const double steuer = std::min(FuenftelSteuer(lohnMit, voll, t1), t3 - t1);
    m_erg[leLStFuenftel] = steuer;
    m_erg[leSolZFuenftel] = std::trunc(steuer * 55 / 1000);
    m_erg[leKiStBasisFuenftel] = m_bool[lbKirchensteuer] ? steuer : 0.0;
}

double TLStTab04::FuenftelSteuer(double lohnMit, double c, double t1)
{
    m_curr[lcLohn] = lohnMit + 0.2 * c;
    VersorgungUndAlter();
    Versorgungsfreibetraege();
    Jahreslohnsteuer();
    return (static_cast<double>(m_b.st * 100) - t1) * 5;
}

// 2005

long double TLStTab05::AufJahr(double betrag) const
{
    return m_int[liZeitraum] == 1 ? 0.01L * Abschneiden(betrag) : Hochrechnen(betrag);
}

long double TLStTab05::PeriodeAufgerundet(long double jahresbetrag) const
{
    switch (m_int[liZeitraum]) {
    case 2:
        return AufrundenGanz(jahresbetrag / 12);
    case 3:
        return AufrundenGanz(jahresbetrag * 7 / 360);
    case 4:
        return AufrundenGanz(jahresbetrag / 360);
    default:
        return jahresbetrag;
    }
}

void TLStTab05::VersorgungJahr(double hoechst, double zuschlag)
{
    m_b.versBemessung = static_cast<long double>(m_curr[lcVersBemMonat]) * m_int[liVersMonate] +
                        m_curr[lcVersSonder];
    m_b.versHoechst = hoechst * 100.0L;
    m_b.versZuschlag = zuschlag * (1.0L / 12) * m_int[liVersMonate];
}

void TLStTab05::VersorgungUndAlter()
{
    const double lohn = m_curr[lcLohn];
    const double versBezug = m_curr[lcVersBezug];
    TWerte04& b = m_b;
    b.versFreibetragZ = 0;
    b.versZuschlag = 0;
    if (versBezug != 0) {
        double prozent = 0;
        double zuschlag = 0;
        double hoechst = 0;
        Versorgungsfreibetrag(m_int[liVersBeginn], prozent, zuschlag, hoechst);
        if (m_int[liZeitraum] == 1) {
            VersorgungJahr(hoechst, zuschlag);
        } else {
            b.versBemessung =
                static_cast<long double>(m_curr[lcVersBemMonat]) * 12 + m_curr[lcVersSonder];
            b.versHoechst = hoechst * 100.0L;
            b.versZuschlag = zuschlag;
        }
        long double jahr = VersorgungAufrunden(b.versBemessung * prozent);
        HoechstensExt(jahr, b.versHoechst);
        b.versFreibetragZ = static_cast<double>(PeriodeAufgerundet(jahr));
    }
    b.altersentlastungZ = 0;
    if (m_bool[lbAltersentlastung]) {
        double prozent = 0;
        double hoechst = 0;
        Altersentlastung(AltersJahr(), prozent, hoechst);
        b.altersentlastungZ = static_cast<double>(
            VersorgungAufrunden(static_cast<long double>(lohn - versBezug) * prozent));
        Hoechstens(b.altersentlastungZ, static_cast<double>(PeriodeAufgerundet(hoechst * 100.0L)));
    }
    m_versorgungsfreibetrag = b.versFreibetragZ;
    m_altersentlastungsbetrag = b.altersentlastungZ;
}

void TLStTab05::LohnNachFreibetraegen()
{
    m_b.zre4vpZ = m_curr[lcLohn] - m_b.versFreibetragZ - m_b.altersentlastungZ;
    m_b.zre4Z = m_b.zre4vpZ - m_doub[ldFreibetrag] + m_doub[ldHinzurechnung];
}

void TLStTab05::LohnNachJahresfreibetraegen()
{
    m_b.zre4vpZ = m_curr[lcLohn] - m_b.versFreibetragZ - m_b.altersentlastungZ;
    m_b.zre4Z = m_b.zre4vpZ - m_doub[ldJahresFreibetrag] + m_doub[ldJahresHinzurechnung];
}

void TLStTab05::Versorgungsfreibetraege()
{
    m_b.zre4 = std::max(0.0L, AufJahr(m_b.zre4Z));
    m_b.zre4vp = AufJahr(m_b.zre4vpZ);
}

void TLStTab05::Tabellenfreibetraege()
{
    // The lump sum of pensioners; the input that suppresses the employee lump sum is overruled
    // by the two rules that grant it.
    m_b.anp = 0;
    if (Steuerklasse() <= 5) {
        if (m_curr[lcVersBezug] > 0)
            m_b.anp = 102;
        if (m_curr[lcVersBezug] < m_curr[lcLohn])
            m_b.anp += 920;
    }
    TabellenGrundwerte(5808);
    m_b.ztabfb = m_b.efa + m_b.anp + m_b.sap + m_b.versZuschlag;
    m_b.fuenftelKenn = 0;
    m_arbeitnehmerpauschbetrag = m_b.anp;
}

long double TLStTab05::RentenTeil(long double w) const
{
    return 0.005L * m_doub[ldRVSatz] * w * m_werte->rvAnteil;
}

long double TLStTab05::KrankenTeil(long double w) const
{
    return std::min(w * 0.11L, 1500.0L * m_b.kztab);
}

void TLStTab05::Vorsorgepauschale()
{
    // The rule of 2005 counts when it gives more than the older rule.
    long double& w = m_b.zre4vp;
    long double rentenTeil = 0;
    if (m_int[liRVArt] < 1) {
        HoechstensExt(w, m_doub[ldBBGRV]);
        rentenTeil = RentenTeil(w);
    }
    const long double krankenTeil = KrankenTeil(w);
    const long double neu = AufrundenGanz(rentenTeil + krankenTeil);
    m_b.vsp = VorsorgepauschaleAlt();
    if (m_b.vsp < neu)
        m_b.vsp = neu;
}

const TTarif04& TLStTab05::TarifWerte() const
{
    return kTarif05;
}

TKlasse5und6Grenzen04 TLStTab05::Klasse5und6Grenzen() const
{
    return {9144, 25812, 0.42, 0, 0, 0.15};
}

double TLStTab05::FuenftelSteuer(double lohnMit, double c, double t1)
{
    m_curr[lcLohn] = lohnMit;
    VersorgungUndAlter();
    m_curr[lcLohn] = 0.2 * c + lohnMit;
    LohnNachJahresfreibetraegen();
    Versorgungsfreibetraege();
    Jahreslohnsteuer();
    return (static_cast<double>(m_b.st * 100) - t1) * 5;
}
