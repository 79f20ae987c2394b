#include "Engine/Abrechnung/LohnEingaben.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/SVLib.h"
#include "Lib/Betrag.h"

TTarifEingaben TarifEingabenAus(const TLohnDaten& d)
{
    const int jahr = d.Jahr->GetValue();
    const int monat = d.Monat->GetValue();
    TTarifEingaben e;
    e.kurs = d.Waehrungskurs() ? d.Waehrungskurs()->GetStoredValue() : 1.0;
    e.altersentlastung = d.Alter1() == 1;
    e.keineAV = d.ALV();
    e.avSatz = d.AVSatz->GetValue();
    e.faktor = d.Faktor->GetValue();
    e.faktorAnwenden = d.FaktorAnwenden->GetValue();
    e.freibetragCent = d.Freibetrag->GetCents();
    const TDatum geburt = d.Geburtsdatum->GetValue();
    e.geburtsdatum = {geburt.Tag, geburt.Monat, geburt.Jahr};
    e.hinzurechnungCent = d.Hinzurechnungsbetrag->GetCents();
    e.bbgRV = d.BBGRV();
    e.bbgKV = Beitragsbemessungsgrenzen().BBGKVJahr(jahr, monat, false);
    e.keineVSP = d.KeineVSP->GetValue();
    e.keineZTab = d.KeineZTab->GetValue();
    e.kinderfreibetraege = StrToBetragFloat(d.Kinderfreibetraege->GetValue());
    e.kirchensteuer = d.Kirchensteuersatz->GetValue() > 0;
    e.kvSatz =
        d.BGS->GetZiffer(1) == 3 ? d.KVSatz->GetValue() : Beitragssaetze().KVSatzF(jahr, monat);
    e.kvZusatzSatz = d.KVZBSatz->GetValue();
    e.kvZusatzDurchschnitt = Beitragssaetze().KVSatzZB(jahr, monat);
    e.zeitraum = d.Zeitraum->GetValue();
    e.versMonate = d.MonateVersBez->GetValue();
    e.kvArt = d.PKV();
    e.pkvBeitragCent = d.PrivatKPVBeitrag->GetValue() * 100;
    e.pkvZuschussCent = d.PrivatKPVAGZuschuss->GetValue() * 100;
    e.pvKinder = d.PVA();
    e.pvSachsen = d.PVSachsen->GetValue();
    e.pvSatz = d.PVSatz->GetValue();
    e.pvKinderlosSatz = d.PVKLSatz->GetValue();
    e.kinderlos = d.Kinderlos->GetValue();
    e.rvArt = d.KRV();
    e.rvSatz = d.RVSatz->GetValue();
    e.steuerklasse = d.Steuerklasse->GetValue();
    e.versBeginn = d.Versorgungsbeginn->GetValue();
    e.versSonderCent = d.Sonderzahlungen->GetCents();
    e.versBezugCent = d.Versorgungsbezuege->GetCents();
    e.versBemMonatCent = d.VersBezBemGrdlMonat->GetCents();
    return e;
}

void TarifEingabenSetzen(TLStTabBase& t, const TTarifEingaben& e)
{
    t.SetDoub(ldKurs, e.kurs);
    t.SetBool(lbAltersentlastung, e.altersentlastung);
    t.SetInt(liKeineAV, e.keineAV);
    t.SetDoub(ldAVSatz, e.avSatz);
    t.SetDoub(ldFaktor, e.faktor);
    t.SetBool(lbFaktorAnwenden, e.faktorAnwenden);
    t.SetDoub(ldFreibetrag, e.freibetragCent);
    t.SetGeburtsdatum(e.geburtsdatum);
    t.SetDoub(ldHinzurechnung, e.hinzurechnungCent);
    t.SetDoub(ldBBGRV, e.bbgRV);
    t.SetDoub(ldBBGKV, e.bbgKV);
    t.SetBool(lbKeineVSP, e.keineVSP);
    t.SetBool(lbKeineZTab, e.keineZTab);
    t.SetDoub(ldKinderfreibetraege, e.kinderfreibetraege);
    t.SetBool(lbKirchensteuer, e.kirchensteuer);
    t.SetDoub(ldKVSatz, e.kvSatz);
    t.SetDoub(ldKVZusatzSatz, e.kvZusatzSatz);
    t.SetDoub(ldKVZusatzDurchschnitt, e.kvZusatzDurchschnitt);
    t.SetInt(liZeitraum, e.zeitraum);
    t.SetInt(liVersMonate, e.versMonate);
    t.SetInt(liKVArt, e.kvArt);
    t.SetCurr(lcPKVBeitrag, e.pkvBeitragCent);
    t.SetCurr(lcPKVZuschuss, e.pkvZuschussCent);
    t.SetInt(liPVKinder, e.pvKinder);
    t.SetBool(lbPVSachsen, e.pvSachsen);
    t.SetDoub(ldPVSatz, e.pvSatz);
    t.SetDoub(ldPVKinderlosSatz, e.pvKinderlosSatz);
    t.SetBool(lbKinderlos, e.kinderlos);
    t.SetInt(liRVArt, e.rvArt);
    t.SetDoub(ldRVSatz, e.rvSatz);
    t.SetInt(liSteuerklasse, e.steuerklasse);
    t.SetInt(liVersBeginn, e.versBeginn);
    t.SetCurr(lcVersSonder, e.versSonderCent);
    t.SetCurr(lcVersBezug, e.versBezugCent);
    t.SetCurr(lcVersBemMonat, e.versBemMonatCent);
}

TSVGrenzen SVGrenzenGesetzlich(const TLohnDaten& d)
{
    const int jahr = d.Jahr->GetValue();
    const int monat = d.Monat->GetValue();
    const TBeitragsbemessungsgrenzen& bbg = Beitragsbemessungsgrenzen();
    const bool ostRV = d.OstBBGRV->GetValue();
    return {.kv = Abschneiden(bbg.BBGKVJahr(jahr, monat, d.OstBBGKV->GetValue()) * 100),
            .rv = bbg.BBGRVJahr(jahr, monat, ostRV, d.KnappschaftBBG->GetValue()) * 100,
            .av = bbg.BBGRVJahr(jahr, monat, ostRV, false) * 100};
}

TSVGrenzen SVGrenzenAus(const TLohnDaten& d)
{
    const TJahresbetraege& j = d.Jahresbetraege();
    const int svTage = d.SVTage->GetValue();
    TSVGrenzen g = SVGrenzenGesetzlich(d);
    if (d.DetailEntgelt->GetValue() && j.ManuBBG->GetValue()) {
        // Each entry is the ceiling left for this statement (the pro-rata annual ceiling up to
        // this month less the pay already charged this year), scaled to a year; without days
        // there is no period to scale it to. A ceiling left at 0 is none entered: no ceiling of the
        // law is 0, and with it every contribution would vanish, so the statutory one stays.
        const double faktor = svTage > 0 ? 360.0 / svTage : 0;
        const auto eingegeben = [faktor](const TDouble& grenze, double& cent) {
            if (grenze.GetCents() > 0)
                cent = Runden(grenze.GetCents() * faktor);
        };
        eingegeben(*j.BBGRV, g.rv);
        eingegeben(*j.BBGAV, g.av);
        eingegeben(*j.BBGKV, g.kv);
    }
    return g;
}

TLohnEingaben LohnEingabenAus(const TLohnDaten& d)
{
    const TJahresbetraege& j = d.Jahresbetraege();
    TLohnEingaben e;
    e.jahr = d.Jahr->GetValue();
    e.monat = d.Monat->GetValue();
    e.zeitraum = d.Zeitraum->GetValue();
    e.zeitraumTage = d.ZeitraumTage();
    e.steuertage = d.Steuertage->GetValue();
    e.svTage = d.SVTage->GetValue();
    e.kurs = d.Waehrungskurs()->GetStoredValue();
    e.tarif = TarifEingabenAus(d);
    e.keinArbeitnehmerpauschbetrag = PAP05FehlerBeheben();

    e.ausgangswert = d.Ausgangswert->GetValue();
    e.detailEntgelt = d.DetailEntgelt->GetValue();
    if (e.detailEntgelt) {
        const TDetailEntgelte& liste = d.DetailEntgelte();
        e.posten.reserve(static_cast<std::size_t>(liste.Count()));
        for (int i = 0; i < liste.Count(); ++i)
            e.posten.push_back(TEntgeltPosten::Aus(liste.DetailEntgeltDaten(i)));
    }
    e.entgelt = d.Entgelt->GetValue();
    e.entgeltCent = d.Entgelt->GetCents();
    e.nettoentgelt = d.Nettoentgelt->GetValue();
    e.lohnsteuer = d.Lohnsteuer->GetValue();
    e.lohnsteuerCent = d.Lohnsteuer->GetCents();
    e.versorgungsbezuege = d.Versorgungsbezuege->GetValue();
    e.versorgungsbezuegeCent = d.Versorgungsbezuege->GetCents();
    e.nettoAbz = d.NettoAbz->GetValue();
    e.kindergeldImNetto = d.KindergeldImNetto();

    e.pauschaleLohnsteuer = d.PLSt->GetValue();
    e.freibetragCent = d.Freibetrag->GetCents();
    e.hinzurechnungCent = d.Hinzurechnungsbetrag->GetCents();
    e.vorteileCent = d.Vorteile_19a_1_4->GetCents();
    e.kirchensteuersatz = d.Kirchensteuersatz->GetValue();
    e.jahresEntgeltCent = j.Entgelt->GetCents();
    e.jahresVersorgungCent = j.Versorgungsbezuege->GetCents();
    e.jahresFreibetragCent = j.Freibetrag->GetCents();
    e.jahresHinzurechnungCent = j.Hinzurechnungsbetrag->GetCents();
    e.jahresEntschaedigungenCent = j.Entschaedigungen->GetCents();
    e.lohnsteuerSichtbar = d.Lohnsteuer->IsReadable();
    e.kirchensteuerSichtbar = d.Kirchensteuer->IsReadable();
    e.solZSichtbar = d.Solidaritaetszuschlag->IsReadable();

    e.kv = d.KVBeitrag->IsEnabled();
    e.pv = d.PVBeitrag->IsEnabled();
    e.kvzb = d.KVZBBeitrag->IsEnabled();
    e.pvkl = d.PVKLBeitrag->IsEnabled();
    e.rv = d.RVBeitrag->IsEnabled();
    e.av = d.AVBeitrag->IsEnabled();
    e.kvSatz = d.KVSatz->GetValue();
    e.pvSatz = d.PVSatz->GetValue();
    e.kvzbSatz = d.KVZBSatz->GetValue();
    e.pvklSatz = d.PVKLSatz->GetValue();
    e.rvSatz = d.RVSatz->GetValue();
    e.avSatz = d.AVSatz->GetValue();
    e.grenzen = SVGrenzenAus(d);
    if (d.TabellenBeitrag->GetValue()) {
        e.tabellenstart = BeitragsTabellenWert1(e.jahr);
        e.tabellenschritt = BeitragsTabellenWert2(e.jahr);
    }
    e.keineBBG = d.KeineBBG->GetValue();
    e.gleitzone = d.Gleitzone->GetValue();
    e.neueGleitzonenFormel = d.NeueGleitzonenFormel->GetValue();
    e.keineRVMinderung = d.KeineRVMinderung->GetValue();
    e.pvSachsen = d.PVSachsen->GetValue();
    e.kinderPV = d.KinderPV->GetValue();
    e.andereAECent = d.AndereAE->GetCents();

    e.kammer = d.Kammer->GetValue();
    e.kammerLand = d.KammerLand->GetValue();
    return e;
}
