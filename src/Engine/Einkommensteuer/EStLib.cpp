#include "Engine/Einkommensteuer/EStLib.h"

#include "Engine/Einkommensteuer/EStTabBase.h"
#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kDMFaktor = 1.95583;
constexpr long double kAufrunden = 0.9999999L;

// Whole units of a rounded or cut double; NaN counts as 0, the rest is kept within the
// tariff's unit limit.
std::int64_t Ganz(double wert)
{
    if (std::isnan(wert))
        return 0;
    const double grenze = static_cast<double>(TEStTabBase::kMaxEinheiten);
    return static_cast<std::int64_t>(std::clamp(wert, -grenze, grenze));
}

// Whole units of an amount in the year's currency, rounded.
std::int64_t GerundeteEinheiten(double betrag, double kurs, double faktor)
{
    return Ganz(Dreisatz(true, 0, betrag, kurs, faktor));
}

// The share teil / ganzes of a whole amount, up to whole units. A share that is not a share
// (no favoured income, or more favoured income than income at all) is handled by the caller.
std::int64_t Anteil(std::int64_t betrag, double teil, double ganzes)
{
    const long double wert = static_cast<long double>(betrag) * teil / ganzes;
    return Ganz(static_cast<double>(std::trunc(wert + kAufrunden)));
}

} // namespace

double Entlastungsbetrag32c(TEStTabBase& tarif, int jahr, bool splitting, double gewerblEink,
                            double summeEink, double zvE, double kurs)
{
    const std::int64_t z = Ganz(Abschneiden(Dreisatz(true, 2, zvE, kurs, kDMFaktor)));

    // Lower limit, first step above it and the reduced rate in percent, by year.
    std::int64_t untergrenze = 100224;
    std::int64_t ersteStufe = 100278;
    std::int64_t satz = 47;
    if (jahr >= 2000) {
        untergrenze = 84780;
        ersteStufe = 84834;
        satz = 43;
    } else if (jahr == 1999) {
        untergrenze = 93690;
        ersteStufe = 93744;
        satz = 45;
    }

    std::int64_t anteil = 0;
    if (gewerblEink <= 0)
        anteil = 0;
    else if (gewerblEink > summeEink || summeEink == 0)
        anteil = z;
    else
        anteil = Anteil(z, gewerblEink, summeEink);
    if (splitting)
        anteil /= 2;
    anteil = anteil / 54 * 54;
    if (anteil < ersteStufe)
        return 0;

    const double tarifAnteil = tarif.Steuer(false, static_cast<double>(anteil), kDMFaktor) -
                               tarif.Steuer(false, static_cast<double>(untergrenze), kDMFaktor);
    std::int64_t r = static_cast<std::int64_t>(tarifAnteil) - (anteil - untergrenze) * satz / 100;
    if (splitting)
        r *= 2;
    return Dreisatz(true, 2, static_cast<double>(r), kDMFaktor, kurs);
}

double Steuerermaessigung35(int jahr, double gewStMessbetrag, double gewerbesteuer,
                            double gewerblEink, double summeEink, double steuer, double kurs)
{
    // The multiple of the base amount in tenths: 1.8 up to 2007, 3.8 from 2008, 4.0 from 2020.
    const std::int64_t faktor = jahr >= 2020 ? 40 : jahr >= 2008 ? 38 : 18;
    const double f = EuroFaktor(jahr);
    const std::int64_t messbetrag = GerundeteEinheiten(gewStMessbetrag, kurs, f);
    const std::int64_t gewSt = GerundeteEinheiten(gewerbesteuer, kurs, f);
    const std::int64_t gewerblich = GerundeteEinheiten(gewerblEink, kurs, f);
    const std::int64_t summe = GerundeteEinheiten(summeEink, kurs, f);
    const std::int64_t est = GerundeteEinheiten(steuer, kurs, f);
    if (messbetrag <= 0 || est <= 0)
        return 0;

    const std::int64_t a = (messbetrag * faktor + 9) / 10;
    std::int64_t b = 0;
    if (gewerblich <= 0)
        b = 0;
    else if (gewerblich > summe || summe == 0)
        b = est;
    else
        b = Anteil(est, static_cast<double>(gewerblich), static_cast<double>(summe));
    if (jahr >= 2008)
        b = std::min(b, gewSt);
    // A negative trade tax is no tax paid: the credit never raises the income tax.
    const std::int64_t r = std::max<std::int64_t>(std::min(a, b), 0);
    return Dreisatz(true, 2, static_cast<double>(r), f, kurs);
}

double EntlastungGewinneinkuenfte(bool splitting, double gewinnEink, double summeEink, double zvE,
                                  double kurs)
{
    const std::int64_t p = GerundeteEinheiten(gewinnEink, kurs, 1.0);
    const std::int64_t s = GerundeteEinheiten(summeEink, kurs, 1.0);
    const std::int64_t zGanz = GerundeteEinheiten(zvE, kurs, 1.0);
    if (p <= 0)
        return 0;
    const long double z = splitting ? zGanz * 0.5L : static_cast<long double>(zGanz);
    long double q = s > 0 ? static_cast<long double>(p) * 100 / s : 100;
    q = std::min(q, 100.0L);
    std::int64_t r = 0;
    const long double d = z - 250000;
    if (d > 0) {
        r = Ganz(static_cast<double>(std::trunc(0.03L * (d * q * 0.01L) + kAufrunden)));
        if (splitting)
            r *= 2;
    }
    return Dreisatz(true, 2, static_cast<double>(r), 1.0, kurs);
}

std::int64_t ZusatztabelleSteuer(int jahr, std::int64_t steuer, std::int64_t einkommen,
                                 bool splitting)
{
    std::int64_t v = steuer;
    if (jahr == 1993)
        v = Zusatztabelle93(einkommen, splitting);
    else if (jahr == 1994)
        v = Zusatztabelle94(einkommen, splitting);
    else if (jahr == 1995)
        v = Zusatztabelle95(einkommen, splitting);
    return std::min(steuer, v);
}

namespace {

struct TAbschlag {
    std::int64_t bis;
    std::int64_t abschlag;
};

// ((a - freibetrag + breite - 1) div breite) * satz less the discount of the first row that
// reaches a; above the last row no limit.
template <std::size_t N>
std::int64_t Zusatzstaffel(std::int64_t a, std::int64_t freibetrag, std::int64_t breite,
                           std::int64_t satz, const TAbschlag (&abschlaege)[N])
{
    if (a <= freibetrag)
        return 0;
    const std::int64_t t = (a - freibetrag + breite - 1) / breite * satz;
    for (const TAbschlag& zeile : abschlaege) {
        if (a <= zeile.bis)
            return t - zeile.abschlag;
    }
    return kKeinLimit;
}

constexpr TAbschlag k93Splitting[] = {{21383, 6},  {21707, 12}, {22031, 18}, {22463, 24},
                                      {23003, 30}, {23759, 36}, {25595, 42}};
constexpr TAbschlag k93Grund[] = {{10691, 3},  {10853, 6},  {11015, 9}, {11231, 12},
                                  {11501, 15}, {11879, 18}, {12797, 21}};
constexpr TAbschlag k94Splitting[] = {
    {22463, 0}, {23003, 6}, {23759, 12}, {26783, 18}, {27215, 12}};
constexpr TAbschlag k94Grund[] = {{11231, 0}, {11501, 3}, {11879, 6}, {13391, 9}, {13607, 6}};

} // namespace

std::int64_t Zusatztabelle93(std::int64_t einkommen, bool splitting)
{
    return splitting ? Zusatzstaffel(einkommen, 21059, 108, 66, k93Splitting)
                     : Zusatzstaffel(einkommen, 10529, 54, 33, k93Grund);
}

std::int64_t Zusatztabelle94(std::int64_t einkommen, bool splitting)
{
    return splitting ? Zusatzstaffel(einkommen, 22139, 108, 66, k94Splitting)
                     : Zusatzstaffel(einkommen, 11069, 54, 33, k94Grund);
}

std::int64_t Zusatztabelle95(std::int64_t einkommen, bool splitting)
{
    if (splitting ? einkommen <= 23111 : einkommen <= 11555)
        return 0;
    const std::int64_t n = splitting ? (einkommen - 23004) / 108 : (einkommen - 11502) / 54;
    const std::int64_t v = n * 550 / 2;
    // Surcharges on the linear value by row; from row 68 on the table sets no limit.
    struct TZeile {
        std::int64_t bis;
        std::int64_t zuschlag;
    };
    static constexpr TZeile kZeilen[] = {{7, 0},    {35, -25}, {42, 0},   {47, 25},
                                         {51, 50},  {54, 75},  {57, 100}, {60, 125},
                                         {63, 150}, {66, 175}, {68, 200}};
    for (const TZeile& zeile : kZeilen) {
        if (n < zeile.bis) {
            const std::int64_t steuer = (v + zeile.zuschlag) / 10;
            return splitting ? 2 * steuer : steuer;
        }
    }
    return kKeinLimit;
}

double SolZBerechnen(int jahr, bool splitting, double einkommensteuer, double kurs)
{
    const double f = EuroFaktor(jahr);
    const std::int64_t e = GerundeteEinheiten(einkommensteuer, kurs, f);
    std::int64_t cent = 0;
    if (jahr == 1991 || jahr == 1992) {
        // 7.5 percent for half of each year: 3.75 percent of the year's tax, cut to cents.
        cent = e > 0 ? e * 375 / 100 : 0;
    } else if (jahr >= 1995) {
        // Exemption limit of the basic table (doubled for splitting), rate and the share of
        // the tax above the limit that caps the surcharge, both in tenths of a percent.
        std::int64_t grenze = 20350;
        std::int64_t satz = 55;
        std::int64_t milderung = 119;
        if (jahr <= 1997) {
            grenze = 1332;
            satz = 75;
        } else if (jahr <= 2001) {
            grenze = 1836;
        } else if (jahr <= 2020) {
            grenze = 972;
        } else if (jahr <= 2022) {
            grenze = 16956;
        } else if (jahr == 2023) {
            grenze = 17543;
        } else if (jahr == 2024) {
            grenze = 18130;
        } else if (jahr == 2025) {
            grenze = 19950;
        }
        if (jahr <= 2020)
            milderung = 200;
        if (splitting)
            grenze *= 2;
        if (e > grenze)
            cent = std::min(e * satz / 10, (e - grenze) * milderung / 10);
    }
    return Dreisatz(true, 2, static_cast<double>(cent) / 100, f, kurs);
}
