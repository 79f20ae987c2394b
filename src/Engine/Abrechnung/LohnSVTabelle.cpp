#include "Engine/Abrechnung/LohnSVTabelle.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/SVLib.h"

TSVTabellenVorgaben SVTabellenVorgabenAus(const TLohnBerechnung& lohn)
{
    const TLohnDaten& d = lohn.LohnDatenOf();
    TSVTabellenVorgaben v;
    v.jahr = d.Jahr->GetValue();
    v.svTage = d.SVTage->GetValue();
    v.pvSachsen = d.PVSachsen->GetValue();
    v.keineBBG = d.KeineBBG->GetValue();
    v.kvSatz = d.KVSatz->GetValue();
    v.kvzbSatz = d.KVZBSatz->GetValue();
    v.pvSatz = d.PVSatz->GetValue();
    v.pvklSatz = d.PVKLSatz->GetValue();
    v.rvSatz = d.RVSatz->GetValue();
    v.avSatz = d.AVSatz->GetValue();
    v.zusatzbeitragParitaetisch = TBeitragssatz::ZusatzbeitragParitaetisch(v.jahr);
    v.kinderPV = d.KinderPV->GetValue();
    v.kv = d.KVBeitrag->IsEnabled();
    v.kvzb = v.kv && d.KVZBBeitrag->IsEnabled();
    v.pv = d.PVBeitrag->IsEnabled();
    v.pvkl = v.pv && d.PVKLBeitrag->IsEnabled();
    v.rv = d.RVBeitrag->IsEnabled();
    v.av = d.AVBeitrag->IsEnabled();
    const TLohnBerechnung::TSVGrenzen grenzen = lohn.SVGrenzenCent();
    v.bbgKV = grenzen.kv;
    v.bbgRV = grenzen.rv;
    v.bbgAV = grenzen.av;
    v.entgelt = d.Entgelt->GetValue();
    v.kasseName = d.KasseName->GetValue();
    v.waehrungName = d.WaehrungName->GetValue();
    v.kurs = d.Waehrungskurs() ? d.Waehrungskurs()->GetStoredValue() : 1.0;
    v.tabellenBeitrag = d.TabellenBeitrag->GetValue();
    v.tabellenwert1 = BeitragsTabellenWert1(v.jahr);
    v.tabellenwert2 = BeitragsTabellenWert2(v.jahr);
    return v;
}
