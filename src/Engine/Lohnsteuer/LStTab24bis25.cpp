#include "Engine/Lohnsteuer/LStTab24bis25.h"

void TLStTab24::Parameter()
{
    // The averaged care shares belonged to 2023 alone.
    TLStTab23geaendert::Parameter();
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

void TLStTab25::Parameter()
{
    TLStTab24geaendert::Parameter();
    // One pension ceiling for the whole country: kind 1 now means no statutory pension.
    if (m_int[liRVArt] >= 1) {
        m_p.rvSatzAN = 0;
        m_p.rvAnteil = 0;
    }
}

void TLStTab25::SonstigeBezuegeFuenftel()
{
    KeinFuenftel();
}

bool TLStTab25::CurrGenutzt(int index) const
{
    return index != lcEntschaedigung && index != lcVersKapital;
}
