#include "Engine/Einkommensteuer/EStTabBase.h"

#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

__extension__ typedef __int128 TInt128;

constexpr double kDMFaktor = 1.95583;

// Integer division rounding toward minus infinity (b > 0).
std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b < 0) ? q - 1 : q;
}

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return -FloorDiv(-a, b);
}

std::int64_t Begrenzt(std::int64_t n)
{
    return std::clamp(n, -TEStTabBase::kMaxEinheiten, TEStTabBase::kMaxEinheiten);
}

// Whole units of a double that has already been cut or rounded; NaN counts as 0.
std::int64_t GanzeEinheiten(double wert)
{
    if (std::isnan(wert))
        return 0;
    const double grenze = static_cast<double>(TEStTabBase::kMaxEinheiten);
    return static_cast<std::int64_t>(std::clamp(wert, -grenze, grenze));
}

// The fourth-degree zone of 1988/89 in Horner's order, every product cut toward zero to
// thousandths; v = x - 17982 in ten-thousandths of y. Intermediate values are thousandths.
std::int64_t Polynom88(std::int64_t v)
{
    std::int64_t r = 34 * v / 1000 - 21580;
    r = r * v / 10'000 + 392'000;
    r = r * v / 10'000 + 2'200'000;
    return r * v / 10'000'000 + 2911;
}

} // namespace

std::int64_t TEStTabBase::StufeVon(std::int64_t n) const
{
    return (n / m_stufenBreite) * m_stufenBreite + m_stufenMitte;
}

const TEStZone& TEStTabBase::ZoneVon(std::int64_t n) const
{
    for (const TEStZone& zone : m_zonen) {
        if (n <= zone.ende)
            return zone;
    }
    return m_zonen.back();
}

std::int64_t TEStTabBase::ZonenSteuer(const TEStZone& zone, std::int64_t x) const
{
    const std::int64_t v = x - zone.basis;
    switch (zone.art) {
    case TEStZonenArt::Frei:
        return 0;
    case TEStZonenArt::Linear:
        return FloorDiv(zone.satz * x - 10 * zone.abzug, 1000);
    case TEStZonenArt::Quadrat:
        if (m_tausendstel) {
            // a y is cut to thousandths before b is added; the constant is whole.
            const std::int64_t ay = FloorDiv(zone.a * v, 1000);
            return FloorDiv((ay + 1000 * zone.b) * v, 10'000'000) + zone.c / 100;
        }
        // ((a y + b) y + c) exactly, with y = v / 10000 and a, c in hundredths.
        return FloorDiv((zone.a * v + zone.b * 1'000'000) * v + zone.c * 100'000'000,
                        10'000'000'000);
    case TEStZonenArt::Polynom88:
        return Polynom88(v);
    }
    return 0;
}

std::int64_t TEStTabBase::Tarif(std::int64_t n) const
{
    return ZonenSteuer(ZoneVon(n), m_stufenEinkommen);
}

std::int64_t TEStTabBase::ZonenUmkehr(const TEStZone& zone, std::int64_t zonenAnfang,
                                      std::int64_t steuer) const
{
    switch (zone.art) {
    case TEStZonenArt::Frei:
        return zonenAnfang;
    case TEStZonenArt::Linear:
        // The first income taxed steuer + 1, less one.
        return CeilDiv(1000 * (steuer + 1) + 10 * zone.abzug, zone.satz) - 1;
    case TEStZonenArt::Quadrat: {
        const long double a = zone.a / 100.0L;
        const long double b = static_cast<long double>(zone.b);
        const long double rest = static_cast<long double>(steuer + 1) - zone.c / 100.0L;
        const long double diskriminante = b * b + 4 * a * rest;
        if (diskriminante < 0 || a <= 0)
            return zonenAnfang;
        const long double y = (std::sqrt(diskriminante) - b) / (2 * a);
        return zone.basis + static_cast<std::int64_t>(std::ceil(y * 10000)) - 1;
    }
    case TEStZonenArt::Polynom88: {
        // No closed form: bisect the zone for the highest income whose tax is within steuer.
        std::int64_t lo = zonenAnfang - 1;
        std::int64_t hi = zone.ende + 1;
        while (hi - lo > 1) {
            const std::int64_t mitte = lo + (hi - lo) / 2;
            if (ZonenSteuer(zone, StufeVon(mitte)) <= steuer)
                lo = mitte;
            else
                hi = mitte;
        }
        return lo;
    }
    }
    return zonenAnfang;
}

std::int64_t TEStTabBase::TarifUmkehr(std::int64_t steuer) const
{
    if (steuer < 1)
        return m_grundfreibetrag;
    std::int64_t anfang = std::numeric_limits<std::int64_t>::min() / 2;
    for (std::size_t i = 0; i < m_zonen.size(); ++i) {
        const TEStZone& zone = m_zonen[i];
        const std::int64_t ende = std::min(zone.ende, kMaxEinheiten);
        const bool letzte = i + 1 == m_zonen.size();
        if (zone.art != TEStZonenArt::Frei &&
            (letzte || ZonenSteuer(zone, StufeVon(ende)) > steuer))
            return std::clamp(ZonenUmkehr(zone, anfang, steuer), anfang - 1, ende);
        anfang = ende + 1;
    }
    return m_grundfreibetrag;
}

std::int64_t TEStTabBase::Einheiten(double betrag, double kurs) const
{
    return GanzeEinheiten(Abschneiden(Dreisatz(true, 2, betrag, kurs, DMFaktor())));
}

std::int64_t TEStTabBase::ProgressEinheiten(double progressEinkuenfte, double kurs) const
{
    // Up to 2001 the progression income is rounded to whole DM, not cut.
    return GanzeEinheiten(Dreisatz(true, 0, progressEinkuenfte, kurs, DMFaktor()));
}

std::int64_t TEStTabBase::SteuerEinheiten(bool splitting, std::int64_t n)
{
    const std::int64_t einkommen = splitting ? n / 2 : n;
    m_stufenEinkommen = StufeVon(einkommen);
    m_tabellenEinkommen = splitting ? 2 * m_stufenEinkommen : m_stufenEinkommen;
    const std::int64_t steuer = Tarif(einkommen);
    m_tarifSteuer = splitting ? 2 * steuer : steuer;
    return m_tarifSteuer;
}

double TEStTabBase::Steuer(bool splitting, double betrag, double kurs)
{
    const std::int64_t steuer = SteuerEinheiten(splitting, Einheiten(betrag, kurs));
    return Dreisatz(true, 2, static_cast<double>(steuer), DMFaktor(), kurs);
}

double TEStTabBase::Einkommen(bool splitting, double steuer, double kurs)
{
    const std::int64_t t = std::max<std::int64_t>(Einheiten(steuer, kurs), 0);
    // Candidates are the upper ends of the table steps: s(k) = k d + d - 1. The splitting table
    // taxes the half, so its steps are twice as wide.
    const std::int64_t d = splitting ? 2 * m_stufenBreite : m_stufenBreite;
    const auto einkommenVon = [d](std::int64_t k) { return k * d + d - 1; };
    const auto passt = [&](std::int64_t k) {
        return SteuerEinheiten(splitting, einkommenVon(k)) <= t;
    };
    // Step -1 (income -1) is untaxed; the highest step stays within the unit limit.
    const std::int64_t kMin = -1;
    const std::int64_t kMax = (kMaxEinheiten - (d - 1)) / d;

    const std::int64_t schaetzung = Begrenzt(TarifUmkehr(splitting ? t / 2 : t));
    const std::int64_t k0 =
        std::clamp(FloorDiv(schaetzung - m_stufenMitte, m_stufenBreite), kMin, kMax);

    // Gallop from the estimate until the answer is bracketed (passt(lo), not passt(hi)), then
    // bisect: a poor estimate costs a few probes, never one per euro.
    std::int64_t lo = k0;
    std::int64_t hi = k0;
    if (k0 == kMin || passt(k0)) {
        for (std::int64_t schritt = 1;; schritt *= 2) {
            if (lo == kMax) {
                hi = kMax + 1;
                break;
            }
            hi = std::min(lo + schritt, kMax);
            if (!passt(hi))
                break;
            lo = hi;
        }
    } else {
        for (std::int64_t schritt = 1;; schritt *= 2) {
            lo = std::max(hi - schritt, kMin);
            if (lo == kMin || passt(lo))
                break;
            hi = lo;
        }
    }
    while (hi - lo > 1) {
        const std::int64_t mitte = lo + (hi - lo) / 2;
        if (passt(mitte))
            lo = mitte;
        else
            hi = mitte;
    }
    // Leave the object holding the step of the result.
    const std::int64_t s = einkommenVon(lo);
    SteuerEinheiten(splitting, s);
    return Dreisatz(true, 2, static_cast<double>(s) + 0.99, DMFaktor(), kurs);
}

double TEStTabBase::ProgressSteuer(bool splitting, double& satz, double einkommen,
                                   double progressEinkuenfte, double kurs)
{
    const std::int64_t e = Einheiten(einkommen, kurs);
    const std::int64_t p = ProgressEinheiten(progressEinkuenfte, kurs);
    SteuerEinheiten(splitting, Begrenzt(e + p));
    satz = m_tabellenEinkommen != 0
               ? static_cast<double>(m_tarifSteuer) * 100 / static_cast<double>(m_tabellenEinkommen)
               : 0.0;

    // The income to tax at that rate is step-rounded as the table would round it.
    const std::int64_t breite = splitting ? 2 * m_stufenBreite : m_stufenBreite;
    const std::int64_t mitte = splitting ? 2 * m_stufenMitte : m_stufenMitte;
    const std::int64_t q = (e / breite) * breite + mitte;

    // q times the rate, exactly: the rate is tariff tax / table income. A taxable income of 0
    // or less bears no tax, whatever the rate.
    std::int64_t steuer = 0;
    if (m_tabellenEinkommen > 0 && q > 0)
        steuer = static_cast<std::int64_t>(static_cast<TInt128>(q) * m_tarifSteuer /
                                           m_tabellenEinkommen);
    return Dreisatz(true, 2, static_cast<double>(steuer), DMFaktor(), kurs);
}

double TEStTabBase::TabellenAnfang() const
{
    return static_cast<double>(m_grundfreibetrag + 53);
}

double TEStTabBase::DMFaktor() const
{
    return kDMFaktor;
}
