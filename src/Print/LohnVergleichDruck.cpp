#include "Print/LohnVergleichDruck.h"

#include "Engine/Vergleich/VerglBrg.h"
#include "Print/DruckAusgabe.h"
#include "Print/EStVergleichDruck.h"
#include "Print/DruckWerte.h"

namespace {

// A line of the comparison: its label on paper and, where it differs, in the text; its value;
// for a line with a remark the sign flag.
struct TLohnVerglZeile {
    const char* papier;
    const char* text;
    const char* wert;
    bool vorzeichen = true;
};

// The calculation inputs, before the fund ...
const TLohnVerglZeile kDaten[] = {
    {"Zeitraum:", nullptr, "Zeitraum"},
    {"Steuertage:", nullptr, "Steuertage"},
    {"SV-Tage:", nullptr, "SVTage"},
    {"Steuerklasse:", nullptr, "Steuerklasse"},
    {"Faktor:", nullptr, "Faktor"},
    {"KinderFB:", "Kinderfreibeträge:", "Kinderfreibetraege"},
    {"Kinder:", nullptr, "Kinder"},
    {"Geburtsdatum:", nullptr, "Geburtsdatum"},
    {"Vorsorgepauschale:", nullptr, "MerkerVSP"},
    {"Keine Vorsorgepauschale:", nullptr, "KeineVSP"},
    {"AG-Zuschuss zur privaten KV:", nullptr, "AGZuschussPrivatKV"},
    {"Privat-KV+PV Beitrag:", nullptr, "PrivatKPVBeitrag"},
    {"AG-Zuschuss zur priv. KV+PV:", nullptr, "PrivatKPVAGZuschuss"},
    {"Versorgungsbeginn:", nullptr, "Versorgungsbeginn"},
    {"Monate:", nullptr, "MonateVersBez"},
    {"BemGrdl. Monat:", nullptr, "VersBezBemGrdlMonat"},
    {"Sonderzahlungen:", nullptr, "Sonderzahlungen"},
};

// ... after it ...
const TLohnVerglZeile kVersicherung[] = {
    {"Kinderlos:", nullptr, "Kinderlos"},
    {"Kinder PV:", nullptr, "KinderPV"},
    {"Beiträge mit Tabellenstufen:", nullptr, "TabellenBeitrag"},
    {"Keine Beitragsbemessungsgrenze:", "Keine Beitragsbem.Grenze:", "KeineBBG"},
    {"Knappschaftliche Rentenversicherung:", "Knappschaftliche Rentenvers:", "KnappschaftBBG"},
    {"Ost BBG Krankenversicherung:", nullptr, "OstBBGKV"},
    {"Ost BBG Rentenversicherung:", nullptr, "OstBBGRV"},
    {"Pflegeversicherung Sachsen:", nullptr, "PVSachsen"},
    {"Beitragsgruppenschlüssel:", nullptr, "BGS"},
    {"Gleitzone:", nullptr, "Gleitzone"},
};

// ... and in the transition zone.
const TLohnVerglZeile kGleitzone[] = {
    {"AN verzichtet auf RV-Minderung:", nullptr, "KeineRVMinderung"},
    {"Entgelt and. Beschäftigungen:", nullptr, "AndereAE"},
};

const TLohnVerglZeile kBetraege[] = {
    {"Bruttoentgelt:", nullptr, "Entgelt"},
    {"Versorgungsbezüge:", nullptr, "Versorgungsbezuege"},
    {"Freibetrag lt. LStK:", nullptr, "Freibetrag"},
    {"Hinzurechnungsbetrag:", nullptr, "Hinzurechnungsbetrag"},
    {"Nzb Vorteile §19a:", nullptr, "Vorteile_19a_1_4"},
};

const TLohnVerglZeile kAbzuege[] = {
    {"Lohnsteuer:", nullptr, "Lohnsteuer", true},
    {"Kirchensteuer:", nullptr, "Kirchensteuer", true},
    {"Solidaritätszuschlag:", nullptr, "Solidaritaetszuschlag", true},
    {"Krankenversicherung:", nullptr, "KVBeitrag", true},
    {"Krankenversicherung Zuschlag:", nullptr, "KVZBBeitrag", true},
    {"Pflegeversicherung:", nullptr, "PVBeitrag", true},
    {"Pflegeversicherung Zuschlag:", nullptr, "PVKLBeitrag", true},
    {"Rentenversicherung:", nullptr, "RVBeitrag", true},
    {"Arbeitslosenversicherung:", "Arbeitslosenvers.:", "AVBeitrag", true},
    {"Arbeitnehmer-/Arbeitskammer:", nullptr, "Kammerbeitrag", true},
    {"Kindergeld:", nullptr, "Kindergeld", false},
    {"Nettoabzug:", nullptr, "NettoAbz", true},
};

const TLohnVerglZeile kNetto = {"Nettoentgelt:", nullptr, "Nettoentgelt", false};

QString TextLabel(const TLohnVerglZeile& z)
{
    return QString::fromUtf8(z.text ? z.text : z.papier);
}

bool InGleitzone(const TVergleichsFaelle& f)
{
    return DruckWert(f.fall1, "Gleitzone").GetAsBoolean() ||
           DruckWert(f.fall2, "Gleitzone").GetAsBoolean();
}

bool EinerNichtLeer(const TVergleichsFaelle& f, const char* name)
{
    return !VergleichAnzeige(f.fall1, name).isEmpty() || !VergleichAnzeige(f.fall2, name).isEmpty();
}

} // namespace

TVtDruckLohnVergleich::TVtDruckLohnVergleich(const TVergleichDaten& daten, bool details)
    : TVtDruckVergleich(VergleichsFaelle(daten), "Arbeitslosenversicherung:  ", 9),
      m_details(details)
{
}

void TVtDruckLohnVergleich::ZweiZeilen(const QString& label, const char* name)
{
    const TVergleichsFaelle& f = Faelle();
    if (!EinerNichtLeer(f, name))
        return;
    ZeileVergleich(label, VergleichAnzeige(f.fall1, name), QString(), QString(), QString());
    ZeileVergleich(QString(), QString(), VergleichAnzeige(f.fall2, name), QString(), QString());
}

void TVtDruckLohnVergleich::Berechnungsdaten()
{
    const TVergleichsFaelle& f = Faelle();
    SchriftKursiv();
    TextAus(XLinks(), "Berechnungsdaten");
    Zeilenvorschub(3);
    SchriftNormal();
    const auto zeilen = [&](const auto& tabelle) {
        for (const TLohnVerglZeile& z : tabelle)
            ZeileVergleich(z.papier, VergleichAnzeige(f.fall1, z.wert),
                           VergleichAnzeige(f.fall2, z.wert), QString(), QString());
    };
    zeilen(kDaten);
    ZweiZeilen("Krankenkasse:", "KasseName");
    zeilen(kVersicherung);
    if (InGleitzone(f))
        zeilen(kGleitzone);
    ZweiZeilen("Kammer:", "Kammerbezeichnung");
    Zeilenvorschub(1);
}

void TVtDruckLohnVergleich::DruckeSeite()
{
    SpaltenEinrichten();
    const TVergleichsFaelle& f = Faelle();
    Kopfzeile("Jahresvergleich - Lohn");
    const QString name = VergleichAnzeige(f.fall2, "Arbeitnehmer");
    if (!name.isEmpty()) {
        ZeilenAus(XLinks(), Umbrechen("Name: " + name, XRechts() - XLinks()));
        Zeilenvorschub(1);
    }
    ZeileVergleich("Jahr:", VergleichAnzeige(f.fall1, "Jahr"), VergleichAnzeige(f.fall2, "Jahr"),
                   "Differenz", QString());
    // The rule, and one and a half lines below the year's line in all.
    Linie();
    Zeilenvorschub(1);
    if (m_details)
        Berechnungsdaten();
    SchriftKursiv();
    TextAus(XLinks(), "Abrechnung");
    Zeilenvorschub(3);
    SchriftNormal();
    for (const TLohnVerglZeile& z : kBetraege)
        ZeileWert(z.papier, z.wert);
    Zeilenvorschub(1);
    for (const TLohnVerglZeile& z : kAbzuege)
        ZeileDiff(z.papier, z.wert, z.vorzeichen);
    Linie();
    ZeileDiff(kNetto.papier, kNetto.wert, kNetto.vorzeichen);
}

void DruckeLohnVergleich(const TVergleichDaten& daten, int kopien, bool details,
                         const QString& titel)
{
    TVtDruckLohnVergleich druck(daten, details);
    AufDruckerDrucken(druck, kopien, titel);
}

QStringList LohnVergleichAlsText(const TVergleichDaten& daten, bool details)
{
    const TVergleichsFaelle f = VergleichsFaelle(daten);
    TVergleichText t(f);
    const auto zeilen = [&](const auto& tabelle) {
        for (const TLohnVerglZeile& z : tabelle)
            t.ZeileVergleich(TextLabel(z), VergleichAnzeige(f.fall1, z.wert),
                             VergleichAnzeige(f.fall2, z.wert), QString(), QString());
    };
    const auto zweiZeilen = [&](const QString& label, const char* name) {
        if (!EinerNichtLeer(f, name))
            return;
        t.ZeileVergleich(label, VergleichAnzeige(f.fall1, name), QString(), QString(), QString());
        t.ZeileVergleich(QString(), QString(), VergleichAnzeige(f.fall2, name), QString(),
                         QString());
    };
    t.Kopf("Jahresvergleich - Lohn");
    t.ZeileVergleich("Jahr:", VergleichAnzeige(f.fall1, "Jahr"), VergleichAnzeige(f.fall2, "Jahr"),
                     "Differenz", QString());
    t.Zeile(QString(80, '-'));
    t.Zeile();
    if (details) {
        t.Zeile("BERECHNUNGSDATEN");
        t.Zeile();
        zeilen(kDaten);
        zweiZeilen("Krankenkasse:", "KasseName");
        zeilen(kVersicherung);
        if (InGleitzone(f))
            zeilen(kGleitzone);
        zweiZeilen("Kammer:", "Kammerbezeichnung");
        t.Zeile();
    }
    t.Zeile("ABRECHNUNG");
    t.Zeile();
    t.Zeile("Alle Beträge in " + VergleichAnzeige(f.fall2, "WaehrungStr"));
    t.Zeile();
    for (const TLohnVerglZeile& z : kBetraege)
        t.ZeileWert(TextLabel(z), z.wert);
    t.Zeile();
    for (const TLohnVerglZeile& z : kAbzuege)
        t.ZeileDiff(TextLabel(z), z.wert, z.vorzeichen);
    t.Zeile(QString(80, '-'));
    t.ZeileDiff(TextLabel(kNetto), kNetto.wert, kNetto.vorzeichen);
    return t.Zeilen();
}
