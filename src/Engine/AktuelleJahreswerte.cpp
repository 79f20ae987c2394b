#include "Engine/AktuelleJahreswerte.h"

#include "Options/OptionenVorgaben.h"

#include <algorithm>

namespace {

const char* KindergeldName(int kind)
{
    switch (kind) {
    case 1:
        return "1_Ki";
    case 2:
        return "2_Ki";
    case 3:
        return "3_Ki";
    case 4:
        return "4_Ki";
    default:
        return "Weitere";
    }
}

const char* BBGRVName(bool ost, bool knappschaft)
{
    if (knappschaft)
        return ost ? "BBG_RVKn_O" : "BBG_RVKn_W";
    return ost ? "BBG_RV_O" : "BBG_RV_W";
}

// The built-in defaults, as a fresh installation holds them.
class TVorgabeJahreswerte : public TAktuelleJahreswerte {
public:
    double Kindergeld(int jahr, int, int kind) const override
    {
        return VorgabeWert(FindeVorgabe(KindergeldVorgaben(), KindergeldName(kind)), jahr);
    }
    double BBGRV(int jahr, bool ost, bool knappschaft) const override
    {
        return VorgabeWert(FindeVorgabe(BBGVorgaben(), BBGRVName(ost, knappschaft)), jahr);
    }
    double BBGKV(int jahr) const override
    {
        return VorgabeWert(FindeVorgabe(BBGVorgaben(), "BBG_KV"), jahr);
    }
    double Beitragssatz(int jahr, int, int index) const override
    {
        const char* name = BeitragssatzName(index, "TOptionenBeitragssaetzeDaten.GetSatz");
        return VorgabeWert(FindeVorgabe(BeitragssatzVorgaben(), name), jahr);
    }
    double GesamtSVSatz(int jahr) const override
    {
        return VorgabeWert(FindeVorgabe(GleitzoneVorgaben(), "GesamtSVSatz"), jahr);
    }
};

const TAktuelleJahreswerte* g_ersatz = nullptr;

} // namespace

const TAktuelleJahreswerte& AktuelleJahreswerte()
{
    static const TVorgabeJahreswerte vorgaben;
    return g_ersatz != nullptr ? *g_ersatz : vorgaben;
}

void SetAktuelleJahreswerte(const TAktuelleJahreswerte* werte)
{
    g_ersatz = werte;
}

int AktuellesJahr(int jahr)
{
    return std::min(jahr, kLetztesOptionenJahr);
}
