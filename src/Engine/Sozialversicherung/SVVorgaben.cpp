#include "Engine/Sozialversicherung/SVVorgaben.h"

#include "Engine/Sozialversicherung/AktuelleJahreswerte.h"
#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Options/OptionenVorgaben.h"

TSVVorgaben SVVorgaben(int jahr, int monat)
{
    if (jahr < kErstesOptionenJahr) {
        const TBeitragsbemessungsgrenzen& bbg = Beitragsbemessungsgrenzen();
        return {bbg.BBGKVJahr(jahr, monat, false), bbg.BBGRVJahr(jahr, monat, false, false),
                Beitragssaetze().RVSatz(jahr, monat), Beitragssaetze().KVSatzZB(jahr, monat)};
    }
    const int optionenJahr = AktuellesJahr(jahr);
    const auto wert = [optionenJahr](std::span<const TOptionenVorgabe> liste, const char* name) {
        return VorgabeWert(FindeVorgabe(liste, name), optionenJahr);
    };
    return {12 * wert(BBGVorgaben(), "BBG_KV"), 12 * wert(BBGVorgaben(), "BBG_RV_W"),
            wert(BeitragssatzVorgaben(), "RVSatz"), wert(BeitragssatzVorgaben(), "KVSatzZB")};
}
