#include "Engine/Lohnsteuer/LStTab08.h"

#include <algorithm>
#include <cmath>

namespace {

const TTarif04 kTarif09a = {7835, 7834,  939.68, 1400, 13140,  228.74, 2397,
                            1007, 52552, 0.42,   8064, 250401, 15576};

} // namespace

void TLStTab08::SetInt(int index, std::int32_t wert)
{
    // From 2008 the pension-insurance kind is kept as given (2: no statutory pension insurance).
    if (index == liRVArt)
        SpeichereInt(index, wert);
    else
        TLStTab07::SetInt(index, wert);
}

double TLStTab08::AltersentlastungsbetragZeitraum()
{
    BerechneWennNoetig();
    return InAnzeige(AufZeitraumOben(static_cast<long double>(m_altersentlastungsbetrag) * 100), 2);
}

double TLStTab08::VersorgungsfreibetragZeitraum()
{
    BerechneWennNoetig();
    return InAnzeige(AufZeitraumOben(static_cast<long double>(m_versorgungsfreibetrag) * 100), 2);
}

void TLStTab08::Berechnen()
{
    TZeitraumBewahren bewahren(m_int[liZeitraum], m_int[liVersMonate]);
    PruefeEingaben();
    ErgebnisseLoeschen();
    ZwischenwerteLoeschen();
    Jahreswerte();
    Versorgungsfreibetraege();
    Bemessungsgrundlagen();
    SteuernBerechnen();
}

long double TLStTab08::AufJahr(double betrag) const
{
    // The flow charts cut the annual amounts to cents (it matters for a week's pay).
    switch (m_int[liZeitraum]) {
    case 1:
        return AbrundenCent(0.01L * betrag);
    case 2:
        return AbrundenCent(0.01L * betrag * 12);
    case 3:
        return AbrundenCent(0.01L * betrag * 360 / 7);
    case 4:
        return AbrundenCent(0.01L * betrag * 360);
    default:
        return 0;
    }
}

long double TLStTab08::VorsorgeVorweg(long double divisor) const
{
    return AbrundenCent(TLStTab07::VorsorgeVorweg(divisor));
}

long double TLStTab08::KrankenTeil(long double w) const
{
    return std::min(AbrundenCent(w * 0.11L), 1500.0L * m_b.kztab);
}

void TLStTab08::Jahreswerte()
{
    m_b.jahresLohn = AufJahr(m_curr[lcLohn]);
    m_b.jahresVersBezug = AufJahr(m_curr[lcVersBezug]);
    m_b.jahresFreibetrag = AufJahr(m_doub[ldFreibetrag]);
    m_b.jahresHinzurechnung = AufJahr(m_doub[ldHinzurechnung]);
}

void TLStTab08::SonstigeZuschlagGrenze(double zuschlag, long double grenze)
{
    m_b.versZuschlagSonst = zuschlag <= grenze ? zuschlag : AufrundenGanz(grenze);
}

void TLStTab08::Versorgungsfreibetraege()
{
    TWerte04& b = m_b;
    if (b.jahresVersBezug == 0) {
        b.versZuschlag = 0;
        b.versFreibetrag = 0;
        b.versFreibetragSonst = 0;
        b.versZuschlagSonst = 0;
    } else {
        double prozent = 0;
        double zuschlag = 0;
        double hoechst = 0;
        Versorgungsfreibetrag(m_int[liVersBeginn], prozent, zuschlag, hoechst);
        const int monate = m_int[liVersMonate];
        if (m_int[liZeitraum] == 1) {
            b.versBemessung =
                static_cast<long double>(m_curr[lcVersBemMonat]) * monate + m_curr[lcVersSonder];
            b.versHoechst = (1.0L / 12) * hoechst * monate;
            b.versZuschlag = AufrundenGanz((1.0L / 12) * zuschlag * monate);
        } else {
            b.versBemessung =
                static_cast<long double>(m_curr[lcVersBemMonat]) * 12 + m_curr[lcVersSonder];
            b.versHoechst = hoechst;
            b.versZuschlag = zuschlag;
        }
        b.versFreibetrag = AufrundenGanz(b.versBemessung * prozent) * 0.01L;
        HoechstensExt(b.versFreibetrag, b.versHoechst);
        SterbegeldImFreibetrag();
        b.versFreibetragSonst =
            AufrundenCent(b.sterbegeldSonst * prozent * 0.01L + b.versFreibetrag);
        HoechstensExt(b.versFreibetragSonst, hoechst);
        const long double grenzeSonst =
            (b.versBemessung + b.sterbegeldSonst) * 0.01L - b.versFreibetragSonst;
        SonstigeZuschlagGrenze(zuschlag, grenzeSonst);
        const long double grenze = b.versBemessung * 0.01L - b.versFreibetrag;
        if (b.versZuschlag > grenze)
            b.versZuschlag = AufrundenGanz(grenze);
    }
    Altersentlastungsbetrag();
}

void TLStTab08::SterbegeldImFreibetrag()
{
    m_b.sterbegeldSonst = m_curr[lcSterbegeld] + m_curr[lcVersKapital];
}

void TLStTab08::Altersentlastungsbetrag()
{
    m_b.altersentlastung = 0;
    if (m_bool[lbAltersentlastung]) {
        double prozent = 0;
        double hoechst = 0;
        Altersentlastung(AltersJahr(), prozent, hoechst);
        m_b.altersentlastung = AufrundenCent((m_b.jahresLohn - m_b.jahresVersBezug) * prozent);
        HoechstensExt(m_b.altersentlastung, hoechst);
    }
    m_altersentlastungsbetrag = static_cast<double>(m_b.altersentlastung);
    m_versorgungsfreibetrag = static_cast<double>(m_b.versFreibetrag);
}

void TLStTab08::Bemessungsgrundlagen()
{
    TWerte04& b = m_b;
    const long double nachFreibetraegen = b.jahresLohn - b.versFreibetrag - b.altersentlastung;
    b.zre4 = std::max(0.0L, b.jahresHinzurechnung + (nachFreibetraegen - b.jahresFreibetrag));
    b.zre4vp = std::max(0.0L, nachFreibetraegen);
    b.zvbez = std::max(0.0L, b.jahresVersBezug - b.versFreibetrag);
}

void TLStTab08::ZuschlagLoeschen()
{
    m_b.versZuschlag = 0;
    m_b.versZuschlagSonst = 0;
}

long double TLStTab08::Einkommen() const
{
    const TWerte04& b = m_b;
    switch (b.modus) {
    case 1:
        return (b.gespeichertZre4 - b.gespeichertZtabfb) + b.fuenftelBetrag - b.vsp;
    case 2:
        return 0.2L * (b.zre4 - b.ztabfb) - b.vsp;
    default:
        return b.zre4 - b.ztabfb - b.vsp;
    }
}

void TLStTab08::OhneSonstigeBezuege()
{
    m_b.jahresLohn = 0.01L * m_doub[ldJahresLohn];
    m_b.jahresVersBezug = 0.01L * m_doub[ldJahresVersBezug];
    m_b.jahresFreibetrag = 0.01L * m_doub[ldJahresFreibetrag];
    m_b.jahresHinzurechnung = 0.01L * m_doub[ldJahresHinzurechnung];
    Versorgungsfreibetraege();
    Bemessungsgrundlagen();
    Tabellenfreibetraege();
    Jahreslohnsteuer();
}

void TLStTab08::VersorgungSonstigeBezuege()
{
    Versorgungsfreibetraege();
    m_b.versFreibetrag = m_b.versFreibetragSonst;
    Bemessungsgrundlagen();
    m_b.versZuschlag = m_b.versZuschlagSonst;
    Tabellenfreibetraege();
}

void TLStTab08::SonstigeBezuege()
{
    m_int[liZeitraum] = 1;
    if (m_int[liVersMonate] == 0)
        m_int[liVersMonate] = 12;
    const double bezug = m_sonstigerBezug;
    // A negative other payment is taxed as the flow chart does (its tax then raised to 0), so
    // that the one-fifth rule starts from the annual tax that includes it.
    if (bezug == 0) {
        m_b.lstMit = 0;
        m_erg[leLStSonst] = 0;
        m_erg[leSolZSonst] = 0;
        m_erg[leKiStBasisSonst] = 0;
        return;
    }
    OhneSonstigeBezuege();
    const double ohne = static_cast<double>(m_b.st * 100);
    m_b.jahresLohn = (m_doub[ldJahresLohn] + bezug) * 0.01L;
    m_b.jahresVersBezug = (m_doub[ldJahresVersBezug] + m_sonstigerVersBezug) * 0.01L;
    SterbegeldUebernehmen();
    VersorgungSonstigeBezuege();
    Jahreslohnsteuer();
    m_b.lstMit = static_cast<double>(m_b.st * 100);
    SonstigeBezuegeSteuer(std::max(0.0, m_b.lstMit - ohne));
}

void TLStTab08::SonstigeBezuegeFuenftel()
{
    m_int[liZeitraum] = 1;
    if (m_int[liVersMonate] == 0)
        m_int[liVersMonate] = 12;
    const double c = m_sonstigerFuenftel;
    const double kapital = Kapitalauszahlung();
    if (c + kapital <= 0) {
        KeinFuenftel();
        return;
    }
    double basis = m_b.lstMit;
    if (basis == 0) {
        OhneSonstigeBezuege();
        basis = static_cast<double>(m_b.st * 100);
    }
    m_b.gespeichertZre4 = m_b.zre4;
    m_b.gespeichertZtabfb = m_b.ztabfb;
    m_b.gespeichertZuschlag = m_b.versZuschlag;
    m_b.sterbegeldSonst = m_curr[lcSterbegeld] + kapital;
    m_b.jahresLohn = (m_doub[ldJahresLohn] + m_sonstigerBezug + c + kapital) * 0.01L;
    m_b.jahresVersBezug = (m_doub[ldJahresVersBezug] + m_sonstigerVersBezug + kapital) * 0.01L;
    VersorgungSonstigeBezuege();
    m_b.modus = 0;
    Jahreslohnsteuer();
    const double voll = static_cast<double>(m_b.st * 100) - basis;
    double steuer = std::min(FuenftelNachModus(basis, c, kapital), voll);
    Mindestens(steuer, 0);
    m_erg[leLStFuenftel] = steuer;
    m_erg[leSolZFuenftel] = std::trunc(steuer * 55 / 1000);
    m_erg[leKiStBasisFuenftel] = m_bool[lbKirchensteuer] ? steuer : 0.0;
}

double TLStTab08::FuenftelNachModus(double basis, double c, double kapital)
{
    TWerte04& b = m_b;
    b.ztabfb = b.ztabfb - b.versZuschlag + b.gespeichertZuschlag;
    b.modus = 1;
    const double lohn = m_doub[ldJahresLohn] + m_sonstigerBezug - m_doub[ldJahresFreibetrag] +
                        m_doub[ldJahresHinzurechnung];
    if (lohn >= 0) {
        b.fuenftelBetrag =
            AbrundenCent((0.01L * c + 0.01L * kapital - b.ztabfb + b.gespeichertZtabfb) * 0.2L);
        Jahreslohnsteuer();
        return (static_cast<double>(b.st * 100) - basis) * 5;
    }
    b.modus = 2;
    Jahreslohnsteuer();
    return static_cast<double>(b.st * 100) * 5;
}

// 2009

void TLStTab09::ArbeitnehmerpauschbetragAlt()
{
    m_b.anp = AufrundenGanz(m_b.zre4 + m_b.anp - m_b.zvbez);
}

void TLStTab09::SterbegeldUebernehmen()
{
    m_b.sterbegeldSonst = m_curr[lcSterbegeld];
}

void TLStTab09::SonstigeZuschlagGrenze(double zuschlag, long double grenze)
{
    long double sonst = AufrundenGanz(0.01L * m_b.sterbegeldSonst + m_b.versZuschlag);
    if (sonst > grenze)
        sonst = AufrundenGanz(grenze);
    HoechstensExt(sonst, zuschlag);
    m_b.versZuschlagSonst = sonst;
}

long double TLStTab09::SteuerAusEinkommen()
{
    TWerte04& b = m_b;
    if (b.zve < 1) {
        b.zve = 0;
        b.x = 0;
    } else {
        b.x = Einheit(b.zve / b.kztab);
    }
    b.st = Steuerklasse() < 5 ? Tarif(b.x) : TarifKlasse5und6(b.x);
    return b.st;
}

void TLStTab09::Jahreslohnsteuer()
{
    TWerte04& b = m_b;
    if (b.modus == 0) {
        TLStTab08::Jahreslohnsteuer();
        return;
    }
    b.vsp = 0;
    if (Steuerklasse() <= 4 && !m_bool[lbKeineVSP])
        Vorsorgepauschale();
    m_vorsorgepauschale = b.vsp;
    // The one-fifth rule inside the annual tax: five times the tax on a fifth of the part.
    const long double teil = 0.01L * m_sonstigerFuenftel + 0.01L * m_curr[lcVersKapital];
    b.zve = AbrundenCent(b.zre4 - b.ztabfb - b.vsp - teil);
    if (b.zve >= 0) {
        const long double t1 = SteuerAusEinkommen();
        b.zve = AbrundenCent(b.zve + 0.2L * teil);
        const long double t2 = SteuerAusEinkommen();
        b.st = (t2 - t1) * 5 + t1;
    } else {
        b.zve = AbrundenCent(0.2L * (teil + b.zve));
        b.st = SteuerAusEinkommen() * 5;
    }
}

double TLStTab09::FuenftelNachModus(double basis, double, double)
{
    m_b.modus = 1;
    Jahreslohnsteuer();
    return static_cast<double>(m_b.st * 100) - basis;
}

const TTarif04& TLStTab09a::TarifWerte() const
{
    return kTarif09a;
}

TKlasse5und6Grenzen04 TLStTab09a::Klasse5und6Grenzen() const
{
    return {9225, 26276, 0.42, 200320, 73098.48, 0.14};
}
