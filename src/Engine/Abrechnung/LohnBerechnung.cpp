#include "Engine/Abrechnung/LohnBerechnung.h"

#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Kindergeld.h"
#include "Engine/Stammdaten/Kasse.h"
#include "Engine/Stammdaten/Waehrung.h"
#include "Lib/Betrag.h"
#include "Lib/IniFile.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/StringValue.h"
#include "Options/OptionenVtrl.h"

TLohnBerechnung::~TLohnBerechnung() = default;

TDaten* TLohnBerechnung::CreateDaten()
{
    return CreateComponent<TLohnDaten>(this, Name());
}

TBerechnung* TLohnBerechnung::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TLohnBerechnung>(owner, name);
}

TLohnDaten& TLohnBerechnung::LohnDatenOf() const
{
    // The data set is created once, in init, and kept for the calculation's life.
    if (m_lohnDaten == nullptr) {
        auto* daten = dynamic_cast<TLohnDaten*>(&Daten());
        VT_ASSERT(daten, "LohnDatenOf: kein TLohnDaten");
        m_lohnDaten = daten;
    }
    return *m_lohnDaten;
}

void TLohnBerechnung::init()
{
    TBerechnung::init();
    TLohnDaten& d = LohnDatenOf();
    m_jahrZuletzt = d.Jahr->GetDefault();
    d.Kasse().OnCalculated = [this](TBerechnung&) { KasseUebernehmen(); };
    ListenerAnmelden();
    BeitragssaetzeSetzen();
}

void TLohnBerechnung::ListenerAnmelden()
{
    TLohnDaten& d = LohnDatenOf();
    const auto direkt = [&d](TValue* wert, TValueOnChange::THandler handler) {
        d.AddValueOnChange(wert, std::move(handler)).SetDirect(true);
    };
    const auto detailAus = [&d] {
        if (d.DetailEntgelt->GetValue())
            d.DetailEntgelt->SetValue(false);
    };
    d.AddValueOnChange(d.Ausgangswert, [detailAus](TValue&) { detailAus(); });
    d.AddValueOnChange(d.BGS, [this](TValue&) { BeitragssaetzeSetzen(); });
    d.AddValueOnChange(d.DetailEntgelt, [&d](TValue&) {
        if (d.DetailEntgelt->GetValue() && d.Ausgangswert->GetValue() != 0)
            d.Ausgangswert->SetValue(0);
    });
    const auto gegeben = [&d, detailAus](int ausgangswert) {
        return [&d, detailAus, ausgangswert](TValue&) {
            if (d.Ausgangswert->GetValue() != ausgangswert)
                d.Ausgangswert->SetValue(ausgangswert);
            detailAus();
        };
    };
    d.AddValueOnChange(d.Entgelt, gegeben(TLohnDaten::kAusEntgelt));
    d.AddValueOnChange(d.Lohnsteuer, gegeben(TLohnDaten::kAusLohnsteuer));
    d.AddValueOnChange(d.Nettoentgelt, gegeben(TLohnDaten::kAusNetto));
    d.AddValueOnChange(d.Versorgungsbezuege, [detailAus](TValue&) { detailAus(); });
    direkt(d.Jahr, [this](TValue&) { JahrGeaendert(); });
    direkt(d.Jahrliste, [this](TValue&) { JahrlisteGeaendert(); });
    d.AddValueOnChange(d.KasseName, [this](TValue&) { KasseLaden(); });
    d.AddValueOnChange(d.Kinder, [&d](TValue&) {
        d.Kindergeld_Ausz->SetValue(true);
        d.Kindergeld->SetValue(d.KindergeldBetrag(d.Waehrungskurs()->GetStoredValue()));
    });
    direkt(d.KVSatz, [&d](TValue&) {
        if (d.Jahr->GetValue() < 2009)
            d.KasseName->SetValue(std::string());
    });
    direkt(d.KVZBSatz, [&d](TValue&) {
        if (d.Jahr->GetValue() > 2014)
            d.KasseName->SetValue(std::string());
    });
    direkt(d.MerkerVSP, [&d](TValue&) {
        const int rv = d.BGS->GetZiffer(2);
        if (d.MerkerVSP->GetValue() == 1) {
            if (rv == 1 || rv == 2)
                d.BGS->SetZiffer(2, 0);
        } else if (rv == 0) {
            d.BGS->SetZiffer(2, 1);
        }
    });
    direkt(d.Monat, [&d](TValue&) { d.Jahrliste->SetMonat(d.Monat->GetValue()); });
    d.AddValueOnChange(d.PLSt, [&d](TValue&) {
        if (d.PLSt->GetValue() && d.Ausgangswert->GetValue() == TLohnDaten::kAusLohnsteuer)
            d.Ausgangswert->SetValue(TLohnDaten::kAusEntgelt);
    });
    d.AddValueOnChange(d.WaehrungName, [this](TValue&) { WaehrungGeaendert(); });
    d.AddValueOnChange(d.Zeitraum, [&d](TValue&) {
        d.Kindergeld->SetValue(d.KindergeldBetrag(d.Waehrungskurs()->GetStoredValue()));
        d.Steuertage->SetValue(d.ZeitraumTage());
        d.SVTage->SetValue(d.ZeitraumTage());
    });
}

void TLohnBerechnung::JahrGeaendert()
{
    TLohnDaten& d = LohnDatenOf();
    TJahresbetraege& j = d.Jahresbetraege();
    const int jahr = d.Jahr->GetValue();
    d.Jahrliste->SetJahr(jahr);
    j.Euro->SetValue(EuroFaktor(jahr) == 1.0);
    // At the switch to the euro the allowances and ceilings change their currency with the year.
    const double alt = EuroFaktor(m_jahrZuletzt);
    const double neu = EuroFaktor(jahr);
    if (alt != neu) {
        for (TDouble* wert : {d.Freibetrag, d.Hinzurechnungsbetrag, j.Freibetrag,
                              j.Hinzurechnungsbetrag, j.BBGAV, j.BBGKV, j.BBGRV})
            wert->SetValue(::Dreisatz(true, static_cast<unsigned char>(wert->Decimals()),
                                      wert->GetStoredValue(), alt, neu));
    }
    BeitraegeFreigeben();
    m_jahrZuletzt = jahr;
}

void TLohnBerechnung::JahrlisteGeaendert()
{
    TLohnDaten& d = LohnDatenOf();
    const int von = d.Jahrliste->GetMonat();
    const int bis = d.Jahrliste->GetBisMonat();
    const int monat = d.Monat->GetValue();
    if (monat < von)
        d.Monat->SetValue(von);
    else if (monat > bis)
        d.Monat->SetValue(bis);
    d.Jahr->SetValue(d.Jahrliste->GetJahr());
    d.Kinder->SetFlag(TValue::vfEnabled, KindergeldAufAbrechnung(d.Jahr->GetValue()));
    d.Kindergeld->SetValue(d.KindergeldBetrag(d.Waehrungskurs()->GetStoredValue()));
    BeitragssaetzeSetzen();
}

void TLohnBerechnung::WaehrungGeaendert()
{
    TLohnDaten& d = LohnDatenOf();
    auto waehrung = MakeComponent<TWaehrung>(nullptr, std::string());
    waehrung->Laden(d.WaehrungName->GetValue());
    const TWaehrungDaten& w = waehrung->WaehrungDaten();
    const double kurs = w.Kurs().GetStoredValue();
    if (kurs <= 0)
        return; // a currency without a rate would turn every amount into nothing
    d.WaehrungUmrechnen(w.Kuerzel().GetStoredString(), d.Umrechnen->GetValue(), kurs);
}

void TLohnBerechnung::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    TBerechnung::LoadFromIni(ini, section);
    TLohnDaten& d = LohnDatenOf();
    // The loaded amounts are in the loaded year's currency.
    m_jahrZuletzt = d.Jahr->GetValue();
    KasseLaden();
    if (ini.ReadString("MainForm", "Version", "") != "5.01") {
        // Settings of older versions held the amounts of the year before.
        m_jahrZuletzt = d.Jahr->GetValue() - 1;
        JahrGeaendert();
        JahrlisteGeaendert();
    }
}

void TLohnBerechnung::Assign(const TBerechnung& source)
{
    TBerechnung::Assign(source);
    m_jahrZuletzt = LohnDatenOf().Jahr->GetValue();
}

void TLohnBerechnung::KasseLaden()
{
    LohnDatenOf().Kasse().LoadKasse(LohnDatenOf().KasseName->GetValue());
}

double TLohnBerechnung::KasseKVSatz(int ziffer) const
{
    const TKasseDaten& k = LohnDatenOf().Kasse().KasseDaten();
    switch (ziffer) {
    case 1:
        return k.BeitragssatzG().GetStoredValue();
    case 2:
        return k.BeitragssatzH().GetStoredValue();
    case 3:
        return k.BeitragssatzF().GetStoredValue();
    default:
        return 0;
    }
}

void TLohnBerechnung::KasseUebernehmen()
{
    TLohnDaten& d = LohnDatenOf();
    if (d.KasseName->GetValue().empty() || !d.Kasse().Geladen())
        return;
    {
        const TUpdateGuard update(d);
        const int jahr = d.Jahr->GetValue();
        if (jahr < 2009)
            d.KVSatz->SetValue(KasseKVSatz(d.BGS->GetZiffer(1)));
        const TKasseDaten& k = d.Kasse().KasseDaten();
        if (jahr > 2014)
            d.KVZBSatz->SetValue(k.Zusatzbeitragssatz().GetStoredValue());
        d.OstBBGKV->SetValue(k.BBGOstKV().GetStoredString() == "Ja");
        d.OstBBGRV->SetValue(k.BBGOstRV().GetStoredString() == "Ja");
        d.PVSachsen->SetValue(k.PVSachsen().GetStoredString() == "Ja");
    }
    d.Changed();
}

void TLohnBerechnung::BeitragssaetzeSetzen()
{
    TLohnDaten& d = LohnDatenOf();
    {
        const TUpdateGuard update(d);
        const int jahr = d.Jahr->GetValue();
        const int monat = d.Monat->GetValue();
        const TBeitragssatz& s = Beitragssaetze();
        const int kv = d.BGS->GetZiffer(1);
        const bool kasse = !d.KasseName->GetValue().empty() && d.Kasse().Geladen();
        if (jahr >= 2009) {
            if (kv == 1)
                d.KVSatz->SetValue(s.KVSatzG(jahr, monat));
            else if (kv == 2 || kv == 3)
                d.KVSatz->SetValue(s.KVSatzF(jahr, monat));
        } else if (kasse) {
            d.KVSatz->SetValue(KasseKVSatz(kv));
        }
        d.PVSatz->SetValue(s.PVSatz(jahr, monat));
        d.KVZBSatz->SetValue(kasse && jahr >= 2015
                                 ? d.Kasse().KasseDaten().Zusatzbeitragssatz().GetStoredValue()
                                 : s.KVSatzZB(jahr, monat));
        d.PVKLSatz->SetValue(s.PVSatzKinderlos(jahr, monat));
        d.RVSatz->SetValue(s.RVSatz(jahr, monat));
        d.AVSatz->SetValue(s.AVSatz(jahr, monat));
    }
    d.Changed();
}

TLohnBerechnung::TSVGrenzen TLohnBerechnung::SVGrenzenCent() const
{
    return SVGrenzenAus(LohnDatenOf());
}

void TLohnBerechnung::BeitraegeFreigeben()
{
    TLohnDaten& d = LohnDatenOf();
    const int jahr = d.Jahr->GetValue();
    const int kv = d.BGS->GetZiffer(1);
    const int rv = d.BGS->GetZiffer(2);
    const int av = d.BGS->GetZiffer(3);
    const int pv = d.BGS->GetZiffer(4);
    const bool kinderlos = d.Kinderlos->GetValue();
    const auto frei = [](TValue* wert, bool an) { wert->SetFlag(TValue::vfEnabled, an); };
    frei(d.AVBeitrag, av == 1);
    const bool kvPflicht = kv >= 1 && kv <= 3;
    frei(d.KVBeitrag, kvPflicht);
    frei(d.KVZBBeitrag, kvPflicht && jahr >= 2005);
    frei(d.KVZBSatz, jahr >= 2005);
    frei(d.PVSatz, jahr >= 1995);
    frei(d.PVSachsen, jahr >= 1995);
    frei(d.PVBeitrag, pv == 1 && jahr >= 1995);
    frei(d.PVKLSatz, kinderlos);
    frei(d.PVKLBeitrag, pv == 1 && kinderlos);
    frei(d.RVBeitrag, rv == 1 || rv == 2);
}

void TarifEingabenSetzen(TLStTabBase& t, const TLohnDaten& d)
{
    TarifEingabenSetzen(t, TarifEingabenAus(d));
}

void TLohnBerechnung::Calculate()
{
    TLohnDaten& d = LohnDatenOf();
    d.UpdateEnabled();
    BeitraegeFreigeben();
    if (d.Kammer->GetValue())
        d.Kammerbezeichnung->SetValue(d.KammerLand->GetValue() == 0
                                          ? OptionenVtrl().KammernAllgDaten().BezeichnungBr()
                                          : OptionenVtrl().KammernAllgDaten().BezeichnungSL());
    else
        d.Kammerbezeichnung->SetValue(std::string());

    m_fehlermeldung.clear();
    const int jahr = d.Jahr->GetValue();
    const TLohnEingaben eingaben = LohnEingabenAus(d);
    const TLohnErgebnisse ergebnisse = LohnRechnen(eingaben);
    LohnErgebnisseSchreiben(eingaben, ergebnisse, d);
    m_fehlermeldung = ergebnisse.meldung;
    if (ergebnisse.summenGesetzt)
        m_summen = ergebnisse.summen;
    if (ergebnisse.arbeitgeberGesetzt)
        m_arbeitgeber = ergebnisse.arbeitgeber;
    d.VersorgungFreigeben();
    m_jahrZuletzt = jahr;
}
