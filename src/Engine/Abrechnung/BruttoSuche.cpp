#include "Engine/Abrechnung/BruttoSuche.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// No gross beyond two billion: the wage-tax search stops there too.
constexpr double kGrenze = 200000000000.0;
// The steps towards it; they take a dozen where the net rises at all.
constexpr int kSchritte = 500;

using A = TBruttoFund::TArt;

// A gross whose net falls short (`unten`) and one whose net reaches the wanted amount (`oben`).
struct TKlammer {
    double unten = 0;
    double nettoUnten = 0;
    double oben = 0;
    double nettoOben = 0;
};

} // namespace

TBruttoFund KleinstesBrutto(const TNettoFuer& nettoFuer, double ziel, double start,
                            const TNettoVerlauf& verlauf)
{
    // Every gross is computed once: the search below and above comes back to the cents that
    // the halving tried.
    std::vector<std::pair<double, TNetto>> bekannt;
    const auto wert = [&](double brutto) {
        for (const auto& [x, n] : bekannt)
            if (x == brutto)
                return n;
        const TNetto n = nettoFuer(brutto);
        bekannt.emplace_back(brutto, n);
        return n;
    };
    const auto netto = [&](double brutto) { return wert(brutto).netto; };
    const double anfang = std::round(start);
    TKlammer k;
    k.unten = anfang;
    k.nettoUnten = netto(k.unten);
    if (k.nettoUnten == ziel)
        return {A::kGefunden, k.unten};
    // Net pay above the wanted one at the start: a lower bound by doubling steps down.
    bool mitOben = false;
    for (double weite = 1; k.nettoUnten >= ziel; weite *= 2) {
        mitOben = true;
        k.oben = k.unten;
        k.nettoOben = k.nettoUnten;
        k.unten -= weite;
        if (k.unten < -kGrenze)
            return {A::kNichtGefunden, k.unten};
        k.nettoUnten = netto(k.unten);
    }
    // The first step adds the shortfall (the net rises by no more than the gross); the next
    // ones follow the slope seen, and a step that lands too high closes the bracket.
    if (!mitOben) {
        double x = k.unten + std::ceil(ziel - k.nettoUnten);
        double steigung = 1;
        // A net that hardly rises would take the steps to the limit one by one: it is given up.
        for (int schritt = 0;; ++schritt) {
            if (x > kGrenze || schritt > kSchritte)
                return {A::kNichtGefunden, x};
            const double n = netto(x);
            if (n >= ziel) {
                k.oben = x;
                k.nettoOben = n;
                break;
            }
            steigung = std::clamp((n - k.nettoUnten) / (x - k.unten), 0.01, 1.0);
            k.unten = x;
            k.nettoUnten = n;
            x += std::max(1.0, std::ceil((ziel - n) / steigung));
        }
    }
    // Narrowing on whole cents to the gross where the net first reaches the amount in the
    // bracket: by the slope across it, every other step by halves, so that it always shrinks.
    for (bool halbieren = false; k.oben - k.unten > 1; halbieren = !halbieren) {
        double mitte = std::floor((k.unten + k.oben) * 0.5);
        if (!halbieren && k.nettoOben > k.nettoUnten)
            mitte = std::clamp(k.unten + std::ceil((ziel - k.nettoUnten) * (k.oben - k.unten) /
                                                   (k.nettoOben - k.nettoUnten)),
                               k.unten + 1, k.oben - 1);
        const double n = netto(mitte);
        if (n >= ziel) {
            k.oben = mitte;
            k.nettoOben = n;
        } else {
            k.unten = mitte;
            k.nettoUnten = n;
        }
    }
    // Below: where the net falls as the gross rises, a smaller gross may reach it. None can
    // below a gross whose net falls short by more than the net can fall; from there on, a gross
    // whose net falls short by d rules out the next d - spitze cents. A start below the net
    // rules out every gross below it.
    const double boden = mitOben ? -kGrenze : anfang;
    const double zone = k.oben <= verlauf.zoneBis ? verlauf.zone : 0;
    const double spitze = verlauf.spitze + zone;
    const double fall = verlauf.fall + zone;
    // The nearest gross tried so far whose net falls short by more than the net can fall.
    double von = k.unten;
    double nettoVon = k.nettoUnten;
    for (const auto& [x, w] : bekannt) {
        const double n = w.netto;
        if (n < ziel - fall && x < k.unten && (nettoVon >= ziel - fall || x > von)) {
            von = x;
            nettoVon = n;
        }
    }
    for (double weite = std::max(1.0, std::ceil(fall)); nettoVon >= ziel - fall && von > boden;
         weite *= 2) {
        von = std::max(boden, von - weite);
        nettoVon = netto(von);
    }
    // Where the gross d - zone cents on has the same mark, no dip lies between and all those
    // cents are ruled out; where it has another, the search halves the way back to a gross of
    // the same mark as long as that rules out more than d - spitze cents.
    for (double x = von, n = nettoVon; x < k.unten;) {
        const double weiter = x + std::max(1.0, std::floor(ziel - spitze - n));
        const double stand = wert(x).stand;
        double ohneDelle =
            std::isnan(stand) ? weiter : std::min(k.unten, x + std::floor(ziel - zone - n));
        while (ohneDelle > weiter && wert(ohneDelle).stand != stand)
            ohneDelle = x + std::floor((ohneDelle - x) * 0.5);
        x = std::max(weiter, ohneDelle);
        if (x >= k.unten)
            break;
        n = netto(x);
        if (n == ziel)
            return {A::kGefunden, x};
    }
    if (k.nettoOben == ziel)
        return {A::kGefunden, k.oben};
    // Above: the net jumped over the amount at the top of a dip and may reach it as it falls
    // back and rises again.
    for (double x = k.oben + 1; x <= k.oben + 3 * std::ceil(spitze + fall); ++x) {
        if (netto(x) == ziel)
            return {A::kGefunden, x};
    }
    return {A::kUebersprungen, k.oben};
}
