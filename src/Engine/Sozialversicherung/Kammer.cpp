#include "Engine/Sozialversicherung/Kammer.h"

#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Lib/Betrag.h"
#include "Options/OptionenJahr.h"
#include "Options/OptionenVorgaben.h"
#include "Options/OptionenVtrl.h"

#include <algorithm>

namespace {

// The chambers' contributions have been 0.15 percent since 1990. Bremen's rate is 0.14 percent
// from 2023 and 0.12 percent from 2025 (published by the Bremen finance authority). Bremen's
// exemption limit was 500 marks and became 250 euro with the currency; from 2020 only pay above
// the month's limit of marginal employment pays (450 euro, 520 from October 2022).
constexpr double kKammerSatz = 0.15;
constexpr double kKammerSatzBr2023 = 0.14;
constexpr double kKammerSatzBr2025 = 0.12;
constexpr double kFreigrenzeDM = 500.0;
constexpr double kFreigrenzeEuro = 250.0;

// The limits exempt a pay up to and including the amount: the first cent assessed is above it.
constexpr double ErsterCentDarueber(double grenze)
{
    return grenze + 0.01;
}

const TOptionenKammernDaten& KammernOptionen(int jahr)
{
    return OptionenVtrl().KammernDaten(std::min(jahr, kLetztesOptionenJahr));
}

} // namespace

double KammerBeitragssatzBr(int jahr)
{
    if (jahr >= kErstesOptionenJahr)
        return KammernOptionen(jahr).BeitragssatzBr();
    if (jahr < 1990)
        return 0.0;
    if (jahr >= 2025)
        return kKammerSatzBr2025;
    return jahr >= 2023 ? kKammerSatzBr2023 : kKammerSatz;
}

double KammerFreigrenzeBr(int jahr, int monat)
{
    if (jahr >= kErstesOptionenJahr)
        return KammernOptionen(jahr).FreigrenzeBr();
    if (jahr < 1990)
        return 0.0;
    if (jahr >= 2020)
        return ErsterCentDarueber(GeringfuegigkeitsgrenzeMonat(jahr, monat));
    return jahr <= 2001 ? kFreigrenzeDM : kFreigrenzeEuro;
}

bool KammerAbfindungBr(int jahr)
{
    // Severance pay on leaving is free of the contribution since 2022 (the chamber's contribution
    // order, section 3 (1)).
    return jahr < 2022;
}

double KammerBeitragssatzSL(int jahr)
{
    if (jahr >= kErstesOptionenJahr)
        return KammernOptionen(jahr).BeitragssatzSL();
    return jahr < 1990 ? 0.0 : kKammerSatz;
}

double KammerGrenzeSL(int jahr, int monat)
{
    const double bbg = Beitragsbemessungsgrenzen().BBGRV(jahr, monat, false, false);
    return jahr <= 2015 ? Runden(bbg * 75.0) * 0.01 : bbg;
}

void TKammer::SetTage(int tage)
{
    m_tage = std::max(tage, 1);
}

double TKammer::Bemessungsgrundlage() const
{
    return Dreisatz(true, 2, m_betrag, m_kurs, m_faktor);
}

double TKammer::BeitragVon(double grundlage) const
{
    const double beitrag = Abschneiden(grundlage * m_satz) * 0.01;
    return Dreisatz(true, 2, beitrag, m_faktor, m_kurs);
}

void TKammerBremen::SetJahr(int jahr, int monat)
{
    SetSatz(KammerBeitragssatzBr(jahr));
    SetFreigrenze(KammerFreigrenzeBr(jahr, monat));
    SetFaktor(EuroFaktor(jahr));
}

double TKammerBremen::Bemessungsgrundlage() const
{
    const double basis = TKammer::Bemessungsgrundlage();
    // A month's worth of pay exactly at the limit is assessed.
    if (basis * 30.0 / Tage() < m_freigrenze)
        return 0.0;
    return basis;
}

void TKammerSaarland::SetJahr(int jahr, int monat)
{
    SetSatz(KammerBeitragssatzSL(jahr));
    SetGrenze(KammerGrenzeSL(jahr, monat));
    SetGeringfuegigkeitsgrenze(GeringfuegigkeitsgrenzeMonat(jahr, monat));
    SetFaktor(EuroFaktor(jahr));
}

double TKammerSaarland::Bemessungsgrundlage() const
{
    const double entgelt = TKammer::Bemessungsgrundlage();
    if (entgelt * 30.0 / Tage() <= m_geringfuegig)
        return 0.0;
    const double basis =
        m_gleitzonenbasis ? Dreisatz(true, 2, *m_gleitzonenbasis, Kurs(), Faktor()) : entgelt;
    return std::min(basis, m_grenze / 30.0 * Tage());
}
