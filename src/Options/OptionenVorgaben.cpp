#include "Options/OptionenVorgaben.h"

#include "Lib/Exception.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

// 2026: child benefit 259 euro for every child (from January 2026).
const TOptionenVorgabe kKindergeld[] = {
    {"1_Ki", 0, 1, 259, 259}, {"2_Ki", 0, 1, 259, 259},    {"3_Ki", 0, 1, 259, 259},
    {"4_Ki", 0, 1, 259, 259}, {"Weitere", 0, 1, 259, 259},
};

// 2026: one pension ceiling for west and east, 8,450 euro (miners' 10,400); health 5,812.50.
const TOptionenVorgabe kBBG[] = {
    {"BBG_RV_W", 0, 1, 8450, 8850},     {"BBG_RV_O", 0, 1, 8450, 8850},
    {"BBG_RVKn_W", 0, 1, 10400, 10900}, {"BBG_RVKn_O", 0, 1, 10400, 10900},
    {"BBG_KV", 2, 100, 581250, 611250},
};

// 2026: pension 18.6, unemployment 2.6, care 3.6 (+0.6 childless), health 14.6 / 14.0 with an
// average additional rate of 2.9; flat rates of marginal employment 13 / 15, households 5 / 5.
const TOptionenVorgabe kBeitragssaetze[] = {
    {"RVSatz", 1, 10, 186, 186},     {"AVSatz", 1, 10, 26, 26},
    {"PVSatz", 2, 100, 360, 360},    {"PVSatzKinderlos", 2, 100, 60, 60},
    {"KVSatzF", 1, 10, 140, 140},    {"KVSatzG", 1, 10, 146, 146},
    {"KVSatzZB", 2, 100, 290, 290},  {"KVSatzPau", 1, 10, 130, 130},
    {"RVSatzPau", 1, 10, 150, 150},  {"KVSatzPauPri", 1, 10, 50, 50},
    {"RVSatzPauPri", 1, 10, 50, 50},
};

// The published average total rate of 2026: 18.6 + 2.6 + 14.6 + 2.9 + 3.6 = 42.3.
const TOptionenVorgabe kGleitzone[] = {
    {"GesamtSVSatz", 2, 100, 4230, 4230},
};

// Bremen charges 0.12 percent since 2025 (published by the Bremen finance authority) and exempts
// pay up to the limit of marginal employment (603 euro in 2026, 633 in 2027); the limit is held
// as the first cent assessed.
const TOptionenVorgabe kKammern[] = {
    {"BeitragssatzBr", 2, 100, 12, 12},
    {"FreigrenzeBr", 2, 100, 60301, 63301},
    {"BeitragssatzSL", 2, 100, 15, 15},
};

// The rates by their number, the order in which the contribution calculation asks for them.
const char* const kSatzNamen[] = {"AVSatz",       "KVSatzF",   "KVSatzG",     "KVSatzPau",
                                  "KVSatzPauPri", "KVSatzZB",  "PVSatz",      "PVSatzKinderlos",
                                  "RVSatz",       "RVSatzPau", "RVSatzPauPri"};

} // namespace

double VorgabeWert(const TOptionenVorgabe& vorgabe, int jahr)
{
    VT_ASSERT(jahr == kErstesOptionenJahr || jahr == kLetztesOptionenJahr,
              "Vorgaben gibt es nur für 2026 und 2027");
    const std::int32_t wert = jahr == kErstesOptionenJahr ? vorgabe.wert2026 : vorgabe.wert2027;
    return static_cast<double>(wert) / static_cast<double>(vorgabe.teiler);
}

double VorgabeMaximum(const TOptionenVorgabe& vorgabe)
{
    const std::string_view name = vorgabe.name;
    const auto in = [name](std::span<const TOptionenVorgabe> liste) {
        return std::any_of(liste.begin(), liste.end(),
                           [name](const TOptionenVorgabe& v) { return name == v.name; });
    };
    return in(kKindergeld) || in(kBBG) || name == "FreigrenzeBr" ? kMaxBetrag : kMaxSatz;
}

const TOptionenVorgabe& FindeVorgabe(std::span<const TOptionenVorgabe> liste, std::string_view name)
{
    for (const TOptionenVorgabe& vorgabe : liste) {
        if (name == vorgabe.name)
            return vorgabe;
    }
    throw Exception("Unbekannte Vorgabe (" + std::string(name) + ")");
}

const char* BeitragssatzName(int index, const char* wer)
{
    if (index < 1 || index > static_cast<int>(std::size(kSatzNamen)))
        throw Exception("Unbekannter Eigenschaftsindex (" + std::string(wer) + ", " +
                        std::to_string(index) + ")");
    return kSatzNamen[index - 1];
}

std::span<const TOptionenVorgabe> KindergeldVorgaben()
{
    return kKindergeld;
}
std::span<const TOptionenVorgabe> BBGVorgaben()
{
    return kBBG;
}
std::span<const TOptionenVorgabe> BeitragssatzVorgaben()
{
    return kBeitragssaetze;
}
std::span<const TOptionenVorgabe> GleitzoneVorgaben()
{
    return kGleitzone;
}
std::span<const TOptionenVorgabe> KammernVorgaben()
{
    return kKammern;
}
