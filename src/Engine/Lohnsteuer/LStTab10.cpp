#include "Engine/Lohnsteuer/LStTab10.h"

#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <cstring>

void TLStTab10::Berechnen()
{
    TZeitraumBewahren bewahren(m_int[liZeitraum], m_int[liVersMonate]);
    PruefeEingaben();
    m_ohneLauf = TOhneLauf::rechnen;
    if (!KeinSonstigerBezug()) {
        EingabenErfassen(m_eingabenBeimStart);
        const bool gleich = m_ohneStand.gueltig && m_ohneStand.eingaben == m_eingabenBeimStart;
        m_ohneLauf = gleich ? TOhneLauf::wiederverwenden : TOhneLauf::rechnenUndMerken;
    }
    ErgebnisseLoeschen();
    ParameterSetzen();
    Jahreswerte();
    Versorgungsfreibetraege();
    Bemessungsgrundlagen();
    TabellenstufeVormerken(m_w.zre4);
    LaufenderBezug();
    SonstigeBezuege();
    SonstigeBezuegeFuenftel();
    SetzeBerechnet();
}

void TLStTab10::EingabenErfassen(TEingaben& eingaben) const
{
    std::memcpy(eingaben.bools, m_bool, sizeof m_bool);
    std::memcpy(eingaben.ints, m_int, sizeof m_int);
    std::memcpy(eingaben.currs, m_curr, sizeof m_curr);
    std::memcpy(eingaben.doubs, m_doub, sizeof m_doub);
    eingaben.geburtsdatum = m_geburtsdatum;
}

bool TLStTab10::TEingaben::operator==(const TEingaben& b) const
{
    // Compared to the bit, like the year parameters' inputs.
    return std::memcmp(bools, b.bools, sizeof bools) == 0 &&
           std::memcmp(ints, b.ints, sizeof ints) == 0 &&
           std::memcmp(currs, b.currs, sizeof currs) == 0 &&
           std::memcmp(doubs, b.doubs, sizeof doubs) == 0 &&
           geburtsdatum.Tag == b.geburtsdatum.Tag && geburtsdatum.Monat == b.geburtsdatum.Monat &&
           geburtsdatum.Jahr == b.geburtsdatum.Jahr;
}

bool TLStTab10::ParameterStandPasst() const
{
    // Compared to the bit: a changed sign of zero only costs a new set-up.
    const TParameterStand& p = m_parameterStand;
    return p.gueltig && std::memcmp(p.eingabenBool, m_bool, sizeof m_bool) == 0 &&
           std::memcmp(p.eingabenInt, m_int, sizeof m_int) == 0 &&
           std::memcmp(p.eingabenDoub, m_doub, sizeof m_doub) == 0;
}

void TLStTab10::ParameterSetzen()
{
    if (ParameterStandPasst()) {
        ArbeitswerteLoeschen();
        return;
    }
    m_parameterStand.gueltig = false;
    ZwischenwerteLoeschen();
    Parameter();
    if (m_int[liSteuerklasse] >= 5) {
        // The table divisor is 1 in these classes, as it is before the table allowances.
        m_p.klasse5und6Grenze1 = Klasse5und6Wert(m_p.grenze1);
        m_p.klasse5und6Grenze2 = Klasse5und6Wert(m_p.grenze2);
        m_p.klasse5und6Grenzwerte = true;
    }
    TParameterStand& p = m_parameterStand;
    std::memcpy(p.eingabenBool, m_bool, sizeof m_bool);
    std::memcpy(p.eingabenInt, m_int, sizeof m_int);
    std::memcpy(p.eingabenDoub, m_doub, sizeof m_doub);
    p.gueltig = true;
}

void TLStTab10::ArbeitswerteLoeschen()
{
    // Every member but two is cleared to zero, which the compiler writes in place; a default
    // of 1 in the type would have it build a cleared copy first and copy that.
    m_w = TWerte{};
    m_w.faktor = 1;
    m_w.kztab = 1;
}

void TLStTab10::ZwischenwerteLoeschen()
{
    m_p = TJahresParameter{};
    ArbeitswerteLoeschen();
}

void TLStTab10::Parameter()
{
    // The employee alone pays the fund's additional rate (until 2014 the special contribution of
    // 0.9 %); Saxony shifts one point of the care contribution to the employee.
    const long double kvSatz = m_doub[ldKVSatz];
    m_p.kvSatzAN = 0.005L * kvSatz + 0.01L * m_doub[ldKVZusatzSatz];
    m_p.kvSatzAG = 0.005L * kvSatz;
    const long double pvSatz = m_doub[ldPVSatz];
    if (m_bool[lbPVSachsen]) {
        m_p.pvSatzAN = 0.005L * (pvSatz + 1.0L);
        m_p.pvSatzAG = 0.005L * (pvSatz - 1.0L);
    } else {
        m_p.pvSatzAN = 0.005L * pvSatz;
        m_p.pvSatzAG = m_p.pvSatzAN;
    }
    if (m_bool[lbKinderlos])
        m_p.pvSatzAN += 0.01L * m_doub[ldPVKinderlosSatz];
    m_p.bbgKV = m_doub[ldBBGKV];
    m_p.bbgRV = m_doub[ldBBGRV];
    if (m_int[liRVArt] < 2) {
        m_p.rvSatzAN = 0.005L * m_doub[ldRVSatz];
        m_p.rvAnteil = m_werte->rvAnteil;
    }
    m_p.grenze1 = m_werte->grenze1;
    m_p.grenze2 = m_werte->grenze2;
    m_p.grenze3 = m_werte->grenze3;
    m_p.solzFreigrenze = m_werte->solzFreigrenze;
}

long double TLStTab10::AufJahr(double betrag) const
{
    // A week's pay is cut to cents when extrapolated; the other periods give whole cents.
    if (betrag == 0)
        return 0;
    switch (m_int[liZeitraum]) {
    case 1:
        return AbrundenCent(betrag * kEinHundertstel);
    case 2:
        return AbrundenCent(betrag * 12 * kEinHundertstel);
    case 3:
        return AbrundenCent(betrag * 360 / 7 * kEinHundertstel);
    case 4:
        return AbrundenCent(betrag * 360 * kEinHundertstel);
    default:
        return 0;
    }
}

void TLStTab10::Jahreswerte()
{
    m_w.jahresLohn = AufJahr(m_curr[lcLohn]);
    m_w.jahresVersBezug = AufJahr(m_curr[lcVersBezug]);
    m_w.jahresFreibetrag = AufJahr(m_doub[ldFreibetrag]);
    m_w.jahresHinzurechnung = AufJahr(m_doub[ldHinzurechnung]);
    m_w.faktor = m_bool[lbFaktorAnwenden] ? m_doub[ldFaktor] : 1.0;
}

long double TLStTab10::VersorgungsHoechstbetragAnteilig(double hoechstbetrag, int monate) const
{
    return hoechstbetrag * (1.0L / 12) * monate;
}

void TLStTab10::Versorgungsfreibetraege()
{
    TWerte& w = m_w;
    if (w.jahresVersBezug == 0) {
        w.versZuschlag = 0;
        w.versFreibetrag = 0;
        w.versZuschlagSonst = 0;
        w.versFreibetragSonst = 0;
    } else {
        double prozent = 0;
        double zuschlag = 0;
        double hoechst = 0;
        Versorgungsfreibetrag(m_int[liVersBeginn], prozent, zuschlag, hoechst);
        if (m_int[liZeitraum] == 1) {
            const int monate = m_int[liVersMonate];
            w.versBemessung =
                static_cast<long double>(m_curr[lcVersBemMonat]) * monate + m_curr[lcVersSonder];
            w.versHoechstbetrag = VersorgungsHoechstbetragAnteilig(hoechst, monate);
            w.versZuschlag = AufrundenGanz(zuschlag * (1.0L / 12) * monate);
        } else {
            w.versBemessung =
                static_cast<long double>(m_curr[lcVersBemMonat]) * 12 + m_curr[lcVersSonder];
            w.versHoechstbetrag = hoechst;
            w.versZuschlag = zuschlag;
        }
        w.versFreibetrag = AufrundenCent(w.versBemessung * prozent * 0.01L);
        HoechstensExt(w.versFreibetrag, w.versHoechstbetrag);
        if (VersorgungsfreibetragBisBezug())
            HoechstensExt(w.versFreibetrag, w.jahresVersBezug);

        w.versFreibetragSonst =
            AufrundenCent(w.versFreibetrag + w.sterbegeldSonst * prozent * 0.01L);
        HoechstensExt(w.versFreibetragSonst, hoechst);
        const long double grenzeSonst =
            (w.versBemessung + w.sterbegeldSonst) * 0.01L - w.versFreibetragSonst;
        w.versZuschlagSonst = AufrundenGanz(w.versZuschlag + w.sterbegeldSonst * 0.01L);
        if (w.versZuschlagSonst > grenzeSonst)
            w.versZuschlagSonst = AufrundenGanz(grenzeSonst);
        HoechstensExt(w.versZuschlagSonst, zuschlag);

        const long double grenze = w.versBemessung * 0.01L - w.versFreibetrag;
        if (w.versZuschlag > grenze)
            w.versZuschlag = AufrundenGanz(grenze);
    }
    Altersentlastungsbetrag();
}

void TLStTab10::Altersentlastungsbetrag()
{
    if (!m_bool[lbAltersentlastung]) {
        m_w.altersentlastung = 0;
        return;
    }
    double prozent = 0;
    double hoechst = 0;
    Altersentlastung(AltersJahr(), prozent, hoechst);
    m_w.altersentlastung = AufrundenGanz((m_w.jahresLohn - m_w.jahresVersBezug) * prozent);
    HoechstensExt(m_w.altersentlastung, hoechst);
}

void TLStTab10::Bemessungsgrundlagen()
{
    TWerte& w = m_w;
    w.zre4 = AbrundenCent(w.jahresLohn - w.versFreibetrag - w.altersentlastung -
                          w.jahresFreibetrag + w.jahresHinzurechnung);
    MindestensExt(w.zre4, 0);
    w.zre4vp = w.jahresLohn;
    // The full part of the one-fifth rule leaves the compensation out of the provision base.
    if (w.kennVMT == 2)
        w.zre4vp = AbrundenCent(w.zre4vp - m_curr[lcEntschaedigung] * 0.01L);
    w.zvbez = AbrundenCent(w.jahresVersBezug - w.versFreibetrag);
    MindestensExt(w.zvbez, 0);
}

void TLStTab10::Tabellenstufe(long double einkommen)
{
    const double stufe = AbschneidenAlsDouble(einkommen * (1.0L / 36)) * 36;
    m_erg[leStufeUnten] = PeriodenBetrag(static_cast<long double>(stufe) * 100);
    static constexpr double kBreite[] = {0, 3599, 299, 69, 9};
    const int zeitraum = m_int[liZeitraum];
    m_erg[leStufeOben] =
        m_erg[leStufeUnten] + (zeitraum >= 1 && zeitraum <= 4 ? kBreite[zeitraum] : 0);
}

void TLStTab10::LaufenderBezug()
{
    TWerte& w = m_w;
    Tabellenfreibetraege();
    const long double steuer = JahreslohnsteuerErmitteln();
    WachsendeFreibetraegeMerken();
    m_arbeitnehmerpauschbetrag = static_cast<double>(w.anp);
    m_altersentlastungsbetrag = static_cast<double>(w.altersentlastung);
    m_versorgungsfreibetrag = static_cast<double>(w.versFreibetrag);
    // The annual tax with the factor, cut to whole euros; the period takes its share of it.
    const long double lstJahr = AbschneidenAlsDouble(steuer * w.faktor);
    w.lstJahr = static_cast<double>(lstJahr);
    m_erg[leLohnsteuer] = PeriodenBetrag(lstJahr * 100);
    if (m_doub[ldKinderfreibetraege] > 0) {
        w.ztabfb += w.kfb;
        Bemessungsgrundlagen();
        w.jbmg = AbschneidenAlsDouble(JahreslohnsteuerErmitteln() * w.faktor);
    } else {
        w.jbmg = w.lstJahr;
    }
    Solidaritaetszuschlag();
}

void TLStTab10::WachsendeFreibetraegeMerken()
{
    const TWerte& w = m_w;
    // Classes V and VI tax the difference of two tariff amounts, each cut to euros, which can
    // fall by a euro by itself; a private health insurance's subsidy lowers the provision
    // allowance as the wage rises.
    if (m_int[liSteuerklasse] >= 5 || m_int[liKVArt] == 2)
        return;
    m_wachsendeFreibetraege = static_cast<double>(w.vsp + w.altersentlastung + w.anp);
}

void TLStTab10::Tabellenfreibetraege()
{
    TWerte& w = m_w;
    const TLStTarifwerte& werte = *m_werte;
    const int stkl = m_int[liSteuerklasse];
    w.anp = 0;
    if (w.zvbez >= 0 && w.zvbez < w.versZuschlag)
        w.versZuschlag = AbschneidenAlsDouble(w.zvbez);
    if (stkl < 6) {
        if (w.zvbez > 0) {
            if (w.zvbez - w.versZuschlag < werte.versorgungspauschbetrag)
                w.anp = AufrundenGanz(w.zvbez - w.versZuschlag);
            else
                w.anp = werte.versorgungspauschbetrag;
        }
    } else {
        w.versZuschlag = 0;
        w.versZuschlagSonst = 0;
    }
    if (stkl < 6 && w.zre4 > w.zvbez) {
        const double pauschbetrag = Arbeitnehmerpauschbetrag();
        if (w.zre4 - w.zvbez < pauschbetrag)
            w.anp = AufrundenGanz(w.anp + w.zre4 - w.zvbez);
        else
            w.anp += pauschbetrag;
    }
    w.kztab = 1;
    w.sap = 0;
    w.efa = 0;
    w.kfb = 0;
    const double kinder = m_doub[ldKinderfreibetraege] * m_doub[ldKinderfreibetrag];
    switch (stkl) {
    case 1:
        w.sap = werte.sonderausgabenPauschbetrag;
        w.kfb = std::trunc(kinder);
        break;
    case 2:
        w.efa = werte.entlastungsbetrag;
        w.sap = werte.sonderausgabenPauschbetrag;
        w.kfb = std::trunc(kinder);
        break;
    case 3:
        w.kztab = 2;
        w.sap = werte.sonderausgabenPauschbetrag;
        w.kfb = std::trunc(kinder);
        break;
    case 4:
        w.sap = werte.sonderausgabenPauschbetrag;
        w.kfb = std::trunc(kinder * 0.5);
        break;
    case 5:
        w.sap = werte.sonderausgabenPauschbetrag;
        break;
    default:
        break;
    }
    w.ztabfb = w.efa + w.anp + w.sap + w.versZuschlag;
}

void TLStTab10::Jahreslohnsteuer()
{
    TWerte& w = m_w;
    Vorsorgepauschale();
    if (m_bool[lbKeineVSP])
        w.vsp = 0;
    m_vorsorgepauschale = w.vsp;
    if (w.kennVMT != 1) {
        w.zve = w.zre4 - w.ztabfb - w.vsp;
        SteuerAusEinkommen();
        return;
    }
    // One-fifth rule: the multi-year pay is taxed at five times the tax on its fifth.
    const long double fuenftel = (m_sonstigerFuenftel + m_curr[lcVersKapital]) * 0.01L;
    w.zve = w.zre4 - w.ztabfb - w.vsp - fuenftel;
    if (w.zve < 0) {
        w.zve = AbrundenCent((w.zve + fuenftel) / 5);
        SteuerAusEinkommen();
        w.st = AbschneidenAlsDouble(w.st * 5);
    } else {
        SteuerAusEinkommen();
        const long double ohne = w.st;
        w.zve = AbrundenCent(w.zve + fuenftel / 5);
        SteuerAusEinkommen();
        w.st = AbschneidenAlsDouble((w.st - ohne) * 5 + ohne);
    }
}

void TLStTab10::Vorsorgepauschale()
{
    TWerte& w = m_w;
    const int stkl = m_int[liSteuerklasse];
    // Each part is cut to cents before the parts are added.
    if (m_int[liRVArt] > 1) {
        w.vsp1 = 0;
    } else {
        HoechstensExt(w.zre4vp, m_p.bbgRV);
        w.vsp1 = AbrundenCent(w.zre4vp * m_p.rvAnteil);
        w.vsp1 = AbrundenCent(w.vsp1 * m_p.rvSatzAN);
    }
    w.vsp2 = AbrundenCent(w.zre4vp * 0.12L);
    HoechstensExt(w.vsp2, stkl == 3 ? 3000 : 1900);
    w.vspn = AufrundenGanz(w.vsp1 + w.vsp2);

    HoechstensExt(w.zre4vp, m_p.bbgKV);
    if (m_int[liKVArt] > 0) {
        if (stkl == 6) {
            w.vsp3 = 0;
        } else {
            w.vsp3 = m_curr[lcPKVBeitrag] * 12 * 0.01L;
            if (m_int[liKVArt] == 2)
                w.vsp3 = AbrundenCent(w.vsp3 - w.zre4vp * (m_p.kvSatzAG + m_p.pvSatzAG));
        }
    } else {
        w.vsp3 = AbrundenCent(w.zre4vp * (m_p.kvSatzAN + m_p.pvSatzAN));
    }
    w.vsp = AufrundenGanz(w.vsp3 + w.vsp1);
    MindestensExt(w.vsp, w.vspn);
}

long double TLStTab10::Tarif(long double x) const
{
    return TarifNachZonen(x, m_werte->zonen);
}

long double TLStTab10::Klasse5und6Wert(long double a) const
{
    const long double st1 = Tarif(a * 1.25L);
    const long double st2 = Tarif(a * 0.75L);
    const long double differenz = (st1 - st2) * 2;
    const long double mindest = AbschneidenAlsDouble(a * 0.14L);
    return mindest > differenz ? mindest : differenz;
}

long double TLStTab10::TarifKlasse5und6(long double x) const
{
    const TJahresParameter& p = m_p;
    const long double zzx = AbschneidenExt(x);
    long double st = 0;
    if (zzx > p.grenze2) {
        st = p.klasse5und6Grenzwerte ? p.klasse5und6Grenze2 : Klasse5und6Wert(p.grenze2);
        if (zzx > p.grenze3) {
            // Cut after each of the two steps.
            st = AbschneidenAlsDouble(st + (p.grenze3 - p.grenze2) * 0.42L);
            st = AbschneidenAlsDouble(st + (zzx - p.grenze3) * 0.45L);
        } else {
            st = AbschneidenAlsDouble(st + (zzx - p.grenze2) * 0.42L);
        }
    } else {
        st = Klasse5und6Wert(zzx);
        if (zzx > p.grenze1) {
            const long double vergleich = st;
            const long double grenzwert =
                p.klasse5und6Grenzwerte ? p.klasse5und6Grenze1 : Klasse5und6Wert(p.grenze1);
            const long double hoch = AbschneidenAlsDouble(grenzwert + (zzx - p.grenze1) * 0.42L);
            st = hoch < vergleich ? hoch : vergleich;
        }
    }
    return st;
}

void TLStTab10::Solidaritaetszuschlag()
{
    TWerte& w = m_w;
    w.solzFreigrenzeTabelle = m_p.solzFreigrenze * w.kztab;
    if (w.jbmg > w.solzFreigrenzeTabelle) {
        // In cents: 5.5 % of the base, at most 20 % of its excess over the exemption limit.
        double solz = Abschneiden(w.jbmg * 5.5);
        Hoechstens(solz, (w.jbmg - w.solzFreigrenzeTabelle) * 20);
        w.solzJahr = solz;
        m_erg[leSolZ] = PeriodenBetrag(solz);
    } else {
        w.solzJahr = 0;
        m_erg[leSolZ] = 0;
    }
    m_erg[leKiStBasis] =
        m_bool[lbKirchensteuer] ? PeriodenBetrag(static_cast<long double>(w.jbmg) * 100) : 0;
}

double TLStTab10::MitFaktor(double differenzCent) const
{
    return Abschneiden(differenzCent * m_w.faktor * 0.01) * 100;
}

void TLStTab10::SonstigeBezuege()
{
    TWerte& w = m_w;
    m_int[liZeitraum] = 1;
    if (m_int[liVersMonate] == 0)
        m_int[liVersMonate] = 12;
    if (KeinSonstigerBezug()) {
        m_erg[leLStSonst] = 0;
        m_erg[leSolZSonst] = 0;
        m_erg[leKiStBasisSonst] = 0;
        w.lstMit = 0;
        return;
    }
    OhneSonstigeBezuegeOderGemerkt();
    w.jahresLohn = AbrundenCent((m_doub[ldJahresLohn] + m_sonstigerBezug) * 0.01L);
    w.jahresVersBezug = AbrundenCent((m_doub[ldJahresVersBezug] + m_sonstigerVersBezug) * 0.01L);
    w.sterbegeldSonst = m_curr[lcSterbegeld];
    VersorgungSonstigeBezuege();
    w.lstMit = AbschneidenAlsDouble(JahreslohnsteuerErmitteln() * 100);
    SonstigeBezuegeErgebnis(w.lstMit - w.lstOhne);
    m_erg[leKiStBasisSonst] = m_bool[lbKirchensteuer] ? m_erg[leLStSonst] : 0;
}

void TLStTab10::OhneSonstigeBezuege()
{
    TWerte& w = m_w;
    w.jahresLohn = AbrundenCent(m_doub[ldJahresLohn] * 0.01L);
    w.jahresVersBezug = AbrundenCent(m_doub[ldJahresVersBezug] * 0.01L);
    w.jahresFreibetrag = AbrundenCent(m_doub[ldJahresFreibetrag] * 0.01L);
    w.jahresHinzurechnung = AbrundenCent(m_doub[ldJahresHinzurechnung] * 0.01L);
    Versorgungsfreibetraege();
    Bemessungsgrundlagen();
    VorsorgeEntschaedigungOhne();
    Tabellenfreibetraege();
    w.lstOhne = AbschneidenAlsDouble(JahreslohnsteuerErmitteln() * 100);
}

void TLStTab10::OhneSonstigeBezuegeOderGemerkt()
{
    const TOhneLauf lauf = m_ohneLauf;
    m_ohneLauf = TOhneLauf::rechnen;
    if (lauf == TOhneLauf::wiederverwenden) {
        m_w = m_ohneStand.werte;
        m_vorsorgepauschale = m_ohneStand.vorsorgepauschale;
        return;
    }
    m_ohneStand.gueltig = false;
    OhneSonstigeBezuege();
    if (lauf == TOhneLauf::rechnenUndMerken) {
        m_ohneStand.eingaben = m_eingabenBeimStart;
        m_ohneStand.werte = m_w;
        m_ohneStand.vorsorgepauschale = m_vorsorgepauschale;
        m_ohneStand.gueltig = true;
    }
}

void TLStTab10::VersorgungSonstigeBezuege()
{
    TWerte& w = m_w;
    Versorgungsfreibetraege();
    w.versFreibetrag = w.versFreibetragSonst;
    Bemessungsgrundlagen();
    VorsorgeBemessungSonstige();
    w.versZuschlag = w.versZuschlagSonst;
    Tabellenfreibetraege();
}

void TLStTab10::VorsorgeBemessungSonstige()
{
    m_w.zre4vp = AbrundenCent(m_w.zre4vp - m_doub[ldJahresEntschaedigung] * 0.01L -
                              m_doub[ldSonstEntschaedigung] * 0.01L);
}

void TLStTab10::SonstigeBezuegeErgebnis(double differenz)
{
    // An other payment that lowers the annual tax never reduces the period results.
    m_erg[leLStSonst] = std::max(0.0, MitFaktor(differenz));
    SolidaritaetszuschlagSonstige();
}

void TLStTab10::SolidaritaetszuschlagSonstige()
{
    m_erg[leSolZSonst] = Abschneiden(m_erg[leLStSonst] * 5.5 * 0.01);
}

void TLStTab10::SonstigeBezuegeFuenftel()
{
    TWerte& w = m_w;
    Mindestens(m_curr[lcVersKapital], 0);
    const double kapital = m_curr[lcVersKapital];
    if (m_sonstigerFuenftel + kapital <= 0) {
        KeinFuenftel();
        return;
    }
    double basis = w.lstMit;
    if (basis == 0) {
        OhneSonstigeBezuege();
        basis = w.lstOhne;
    }
    w.sterbegeldSonst = m_curr[lcSterbegeld] + kapital;
    w.jahresLohn = AbrundenCent(
        (m_doub[ldJahresLohn] + m_sonstigerBezug + m_sonstigerFuenftel + kapital) * 0.01L);
    w.jahresVersBezug =
        AbrundenCent((m_doub[ldJahresVersBezug] + m_sonstigerVersBezug + kapital) * 0.01L);
    w.kennVMT = 2;
    VersorgungSonstigeBezuege();
    double voll = AbschneidenAlsDouble(JahreslohnsteuerErmitteln() * 100);
    Bemessungsgrundlagen();
    w.zre4vp = AbrundenCent(w.zre4vp - m_doub[ldJahresEntschaedigung] * 0.01L -
                            m_doub[ldSonstEntschaedigung] * 0.01L);
    w.kennVMT = 1;
    const double fuenftel = AbschneidenAlsDouble(JahreslohnsteuerErmitteln() * 100);
    w.kennVMT = 0;
    double stv = fuenftel - basis;
    voll -= basis;
    Hoechstens(stv, voll);
    m_erg[leLStFuenftel] = stv < 0 ? 0 : MitFaktor(stv);
    SolidaritaetszuschlagFuenftel();
    m_erg[leKiStBasisFuenftel] = m_bool[lbKirchensteuer] ? m_erg[leLStFuenftel] : 0;
}

void TLStTab10::SolidaritaetszuschlagFuenftel()
{
    m_erg[leSolZFuenftel] = Abschneiden(m_erg[leLStFuenftel] * 5.5 * 0.01);
}
