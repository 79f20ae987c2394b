#pragma once
// Built-in defaults of the statutory options of the current years 2026 and 2027.
//
// Each option group creates its values from one of these lists, in list order; the name is the
// INI key. A default is stored as a whole number in units of 1 / `teiler`, so that the figure in
// the source is the published one without binary noise (a rate of 18.6 percent is 186 tenths).
#include <cstdint>
#include <span>
#include <string_view>

inline constexpr int kErstesOptionenJahr = 2026;
inline constexpr int kLetztesOptionenJahr = 2027;

// The highest value an option takes (its lowest is 0): a rate is a percentage of pay; an amount
// (ceiling, child benefit, exemption limit) is a month's euro amount, this limit far above any
// real one and far below what the amounts' 32-bit cents can hold. A stored value beyond is
// refused like any bad input.
inline constexpr double kMaxSatz = 100.0;
inline constexpr double kMaxBetrag = 1000000.0;

struct TOptionenVorgabe {
    const char* name;
    unsigned char dezimalen; // places of the value that holds it
    std::int32_t teiler;     // the stored figures are in units of 1 / teiler
    std::int32_t wert2026;
    std::int32_t wert2027;
};

// The highest value the option takes: kMaxBetrag for child benefit, ceilings and the exemption
// limit, kMaxSatz for every rate.
double VorgabeMaximum(const TOptionenVorgabe& vorgabe);
// The default of `vorgabe` for 2026 or 2027 as a number.
double VorgabeWert(const TOptionenVorgabe& vorgabe, int jahr);

// The entry named `name` in `liste`; an unknown name is a programming error.
const TOptionenVorgabe& FindeVorgabe(std::span<const TOptionenVorgabe> liste,
                                     std::string_view name);

// Child benefit per month for child 1, 2, 3, 4 and each further child ("Weitere").
std::span<const TOptionenVorgabe> KindergeldVorgaben();
// Contribution ceilings per month: pension west/east, miners' pension west/east, health.
std::span<const TOptionenVorgabe> BBGVorgaben();
// Contribution rates in percent, in the order of the option values.
std::span<const TOptionenVorgabe> BeitragssatzVorgaben();
// The name of contribution rate number `index` (1 "AVSatz" ... 11 "RVSatzPauPri"); another
// index raises "Unbekannter Eigenschaftsindex (<wer>, <index>)".
const char* BeitragssatzName(int index, const char* wer);
// Total social-insurance rate of the transition zone, in percent.
std::span<const TOptionenVorgabe> GleitzoneVorgaben();
// Employee-chamber contributions of Bremen and Saarland.
std::span<const TOptionenVorgabe> KammernVorgaben();
