#include "Engine/Sozialversicherung/AktuelleJahreswerte.h"

#include "Options/OptionenVorgaben.h"
#include "Options/OptionenVtrl.h"

#include <algorithm>

namespace {

// The values the user keeps in the options; a change in the options dialog takes effect at the
// next calculation.
class TOptionenJahreswerte : public TAktuelleJahreswerte {
public:
    double Kindergeld(int jahr, int monat, int kind) const override
    {
        return OptionenVtrl().KindergeldDaten(jahr).GetKindergeld(monat, kind);
    }
    double BBGRV(int jahr, bool ost, bool knappschaft) const override
    {
        return OptionenVtrl().BBGDaten(jahr).GetBBGRV(ost, knappschaft);
    }
    double BBGKV(int jahr) const override { return OptionenVtrl().BBGDaten(jahr).GetBBGKV(); }
    double Beitragssatz(int jahr, int monat, int index) const override
    {
        return OptionenVtrl().Beitragssatz(jahr).GetSatz(monat, index);
    }
    double GesamtSVSatz(int jahr) const override
    {
        return OptionenVtrl().GleitzoneDaten(jahr).GesamtSVSatz();
    }
};

const TAktuelleJahreswerte* g_ersatz = nullptr;

} // namespace

const TAktuelleJahreswerte& AktuelleJahreswerte()
{
    static const TOptionenJahreswerte optionen;
    return g_ersatz != nullptr ? *g_ersatz : optionen;
}

void SetAktuelleJahreswerte(const TAktuelleJahreswerte* werte)
{
    g_ersatz = werte;
}

int AktuellesJahr(int jahr)
{
    return std::min(jahr, kLetztesOptionenJahr);
}
