#pragma once
// The gross pay for a wanted net pay, searched on whole cents.
//
// Net pay rises with the gross by at most a cent a cent, but not everywhere: a table step, the
// marginal-employment limit, the transition zone or contributions rounding up at the same cent
// make it fall, and where the annual wage and
// the provision allowance round differently the wage tax dips by a unit of the tariff for a few
// cents of gross, so that the net rises by more than the gross and falls back. The search
// therefore brackets the net, halves the bracket on whole cents, and then searches the cents on
// both sides of the gross found, as far as such a dip can reach; between grosses with the same
// mark of the deductions (TNetto::stand) it rules out whole stretches at once.
#include <functional>
#include <limits>

// The net pay of a gross in cents, and a mark of the deductions' state at that gross: between
// two grosses with the same mark the net rises by no more than the gross but for the transition
// zone (`zone` below), since none of the dips lies between them. NaN vouches for nothing.
struct TNetto {
    double netto = 0;
    double stand = std::numeric_limits<double>::quiet_NaN();
};
using TNettoFuer = std::function<TNetto(double brutto)>;

struct TBruttoFund {
    enum class TArt {
        kGefunden,      // `brutto` is the smallest gross giving the net
        kUebersprungen, // the net jumps over the wanted amount: no gross gives it
        kNichtGefunden, // no gross up to the search's limit reaches it
    };
    TArt art = TArt::kNichtGefunden;
    double brutto = 0; // cents
};

// How far the net of a pay period strays from rising a cent a cent at most, in cents: by how
// much it can rise more (`spitze`) and by how much it can fall (`fall`) as the gross rises, and
// by how much more of both (`zone`) for a gross up to `zoneBis`.
struct TNettoVerlauf {
    double spitze = 0;
    double fall = 0;
    double zone = 0;
    double zoneBis = 0;
};

// `ziel` and `start` (where the search begins: the net itself, which no smaller gross reaches)
// in cents.
TBruttoFund KleinstesBrutto(const TNettoFuer& netto, double ziel, double start,
                            const TNettoVerlauf& verlauf);
