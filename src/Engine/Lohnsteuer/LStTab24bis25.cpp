#include "Engine/Lohnsteuer/LStTab24bis25.h"

void TLStTab24::InitTarifwerte()
{
    TLStTab23geaendert2::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 11604;
    m_doub[ldKVZusatzDurchschnitt] = 1.7;
}

void TLStTab24::InitBBG()
{
    m_doub[ldBBGKV] = 62100;
    m_doub[ldBBGRV] = 90600;
}

void TLStTab24::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 9312;
}

void TLStTab24::Parameter()
{
    // The averaged care shares belonged to 2023 alone.
    TLStTab23geaendert::Parameter();
    m_p.grenze1 = 13279;
    m_p.grenze2 = 33380;
    m_p.grenze3 = 222260;
    m_p.solzFreigrenze = 18130;
}

long double TLStTab24::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{922.98,  1400,  17006,    181.19, 2397,
                                        1025.38, 66761, 10602.13, 277826, 18936.88};
    return TarifNachZonen(x, kZonen);
}

void TLStTab24geaendert::Parameter()
{
    TLStTab24::Parameter();
    if (!m_bool[lbKinderlos])
        m_p.pvSatzAN -= 0.0025L * m_int[liPVKinder];
}

void TLStTab25::Versorgungsfreibetrag(int jahr, double& prozentsatz, double& zuschlag,
                                      double& hoechstbetrag) const
{
    // Per mille, euros, euros: the phase-out slows to 0.4 points a year from 2023.
    int promille = 0;
    int zuschlagEuro = 0;
    int hoechstEuro = 0;
    if (jahr < 2006) {
        promille = 400;
        zuschlagEuro = 900;
        hoechstEuro = 3000;
    } else if (jahr <= 2020) {
        const int n = jahr - 2005;
        promille = 400 - 16 * n;
        zuschlagEuro = 900 - 36 * n;
        hoechstEuro = 3000 - 120 * n;
    } else if (jahr == 2021) {
        promille = 152;
        zuschlagEuro = 342;
        hoechstEuro = 1140;
    } else if (jahr == 2022) {
        promille = 144;
        zuschlagEuro = 324;
        hoechstEuro = 1080;
    } else if (jahr < 2058) {
        const int n = jahr - 2023;
        promille = 140 - 4 * n;
        zuschlagEuro = 315 - 9 * n;
        hoechstEuro = 1050 - 30 * n;
    }
    prozentsatz = promille / 1000.0;
    zuschlag = zuschlagEuro;
    hoechstbetrag = hoechstEuro;
}

void TLStTab25::Altersentlastung(int jahr, double& prozentsatz, double& hoechstbetrag) const
{
    // Per mille and euros; from 2023 down by 0.4 points and 19 euros a year.
    int promille = 0;
    int hoechstEuro = 0;
    if (jahr < 2006) {
        promille = 400;
        hoechstEuro = 1900;
    } else if (jahr <= 2020) {
        const int n = jahr - 2005;
        promille = 400 - 16 * n;
        hoechstEuro = 1900 - 76 * n;
    } else if (jahr == 2021) {
        promille = 152;
        hoechstEuro = 722;
    } else if (jahr == 2022) {
        promille = 144;
        hoechstEuro = 684;
    } else if (jahr < 2058) {
        const int n = jahr - 2023;
        promille = 140 - 4 * n;
        hoechstEuro = 665 - 19 * n;
    }
    prozentsatz = promille / 1000.0;
    hoechstbetrag = hoechstEuro;
}

long double TLStTab25::VersorgungsHoechstbetragAnteilig(double hoechstbetrag, int monate) const
{
    return AufrundenGanz(hoechstbetrag * (1.0L / 12) * monate);
}

void TLStTab25::InitTarifwerte()
{
    TLStTab24geaendert::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 11784;
    m_doub[ldKVZusatzDurchschnitt] = 2.5;
}

void TLStTab25::InitBBG()
{
    m_doub[ldBBGKV] = 66150;
    m_doub[ldBBGRV] = 96600;
}

void TLStTab25::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 9540;
}

void TLStTab25::Parameter()
{
    TLStTab24geaendert::Parameter();
    // One pension ceiling for the whole country: kind 1 now means no statutory pension.
    if (m_int[liRVArt] >= 1) {
        m_p.rvSatzAN = 0;
        m_p.rvAnteil = 0;
    }
    m_p.grenze1 = 13432;
}

long double TLStTab25::Tarif(long double x) const
{
    return TarifNachZonen(x, kZonen);
}

void TLStTab25::SonstigeBezuegeFuenftel()
{
    KeinFuenftel();
}

bool TLStTab25::CurrGenutzt(int index) const
{
    return index != lcEntschaedigung && index != lcVersKapital;
}

void TLStTab25geaendert::InitTarifwerte()
{
    TLStTab25::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 12096;
}

void TLStTab25geaendert::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 9600;
}

void TLStTab25geaendert::Parameter()
{
    TLStTab25::Parameter();
    m_p.grenze1 = 13785;
    m_p.grenze2 = 34240;
    m_p.solzFreigrenze = 19950;
}

long double TLStTab25geaendert::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{932.30,  1400,  17444,    176.64, 2397,
                                        1015.13, 68481, 10911.92, 277826, 19246.67};
    return TarifNachZonen(x, kZonen);
}
