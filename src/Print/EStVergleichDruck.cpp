#include "Print/EStVergleichDruck.h"

#include "Engine/Vergleich/VerglBrg.h"
#include "Print/DruckAusgabe.h"
#include "Print/DruckWerte.h"

namespace {

// A line of the comparison: its label on paper and in the text, its value, and for a line with a
// remark the sign flag.
struct TEStVerglZeile {
    const char* papier;
    const char* text;
    const char* wert;
    bool vorzeichen = true;
};

const TEStVerglZeile kWerte[] = {
    {"Gewerbesteuer-Messbetrag (§35):", "GewSt-Messbetrag §35:", "GewStMessbetrag"},
    {"Gewerbesteuer (§35):", "Gewerbesteuer §35:", "Gewerbesteuer"},
    {"Gewerbliche Einkünfte:", "Gewerbliche Einkünfte:", "GewerblEink"},
    {"Gewinneinkünfte (§32c):", "Gewinneinkünfte §32c:", "GewinnEink"},
    {"Summe der Einkünfte:", "Summe der Einkünfte:", "SummeEink"},
    {"Sonst. Steuerermäßigungen (§35):", "Sonst.Steuerermäß.§35:", "SonstStErm35"},
    {"Zu versteuerndes Einkommen:", "Zu versteuerndes Eink.:", "ZVE"},
    {"Progressionseinkünfte:", "Progressionseinkünfte:", "ProgressEink"},
    {"Steuerfreie Erwerbsbezüge:", "Steuerfreie Erwerbsbez.:", "Erwerbsbezuege"},
};

const TEStVerglZeile kSteuern[] = {
    {"Einkommensteuer lt. Tabelle:", "Einkommensteuer lt.Tab.:", "Einkommensteuer", true},
    {"Einkommensteuer nach §32b:", "Einkommensteuer §32b:", "ProgressSteuer", true},
    {"Entlastung f.gewerbl.Einkünfte:", "Entlastung gewerbl.Eink.:", "EB32c", false},
    {"Entlastung für Gewinneinkünfte:", "Entlastung f.Gewinneink.:", "ErmBGewinnEink", false},
    {"Milderung durch Zusatztabelle:", "Milderung Zusatztabelle:", "MilderungZTab", false},
    {"Sonstige Steuern/Ermäßigungen:", "Sonst.Steuern/Ermäßig.:", "SonstStErm", true},
};

const TEStVerglZeile kFestsetzung[] = {
    {"Festzusetzende Einkommensteuer:", "Festzusetzende ESt:", "FestzusetzendeESt", true},
    {"Solidaritätszuschlag (ohne §51a):", "Solidaritätszuschlag:", "SolZ", true},
};

QString Tabelle(const TDaten& d)
{
    return DruckWert(d, "Grundtabelle").GetAsBoolean() ? "Grundtabelle" : "Splittingtabelle";
}

} // namespace

TVergleichsFaelle VergleichsFaelle(const TVergleichDaten& daten)
{
    return {daten.Daten1().Daten(), daten.Daten2().Daten(), daten.DatenDiff().Daten()};
}

TVtDruckEStVergleich::TVtDruckEStVergleich(const TVergleichDaten& daten)
    : TVtDruckVergleich(VergleichsFaelle(daten), "Festzusetzende Einkommensteuer:  ", 10)
{
}

void TVtDruckEStVergleich::DruckeSeite()
{
    SpaltenEinrichten();
    const TVergleichsFaelle& f = Faelle();
    Kopfzeile("Jahresvergleich - ESt");
    ZeileVergleich("Veranlagungszeitraum:", VergleichAnzeige(f.fall1, "Jahr"),
                   VergleichAnzeige(f.fall2, "Jahr"), "Differenz", QString());
    // The rule, and one and a half lines below the year's line in all.
    Linie();
    Zeilenvorschub(1);
    ZeileVergleich("Tabelle:", Tabelle(f.fall1), Tabelle(f.fall2), QString(), QString());
    ZeileVergleich("Abweichendes Wirtschaftsjahr:",
                   VergleichAnzeige(f.fall1, "WJAbweichend").trimmed(),
                   VergleichAnzeige(f.fall2, "WJAbweichend").trimmed(), QString(), QString());
    for (const TEStVerglZeile& z : kWerte)
        ZeileWert(z.papier, z.wert);
    Zeilenvorschub(1);
    for (const TEStVerglZeile& z : kSteuern)
        ZeileDiff(z.papier, z.wert, z.vorzeichen);
    Linie();
    for (const TEStVerglZeile& z : kFestsetzung)
        ZeileDiff(z.papier, z.wert, z.vorzeichen);
}

void DruckeEStVergleich(const TVergleichDaten& daten, int kopien, const QString& titel)
{
    TVtDruckEStVergleich druck(daten);
    AufDruckerDrucken(druck, kopien, titel);
}

QStringList EStVergleichAlsText(const TVergleichDaten& daten)
{
    const TVergleichsFaelle f = VergleichsFaelle(daten);
    TVergleichText t(f);
    t.Kopf("Jahresvergleich - ESt");
    t.ZeileVergleich("Veranlagungszeitraum:", VergleichAnzeige(f.fall1, "Jahr"),
                     VergleichAnzeige(f.fall2, "Jahr"), "Differenz", QString());
    t.Zeile(QString(80, '-'));
    t.Zeile();
    t.Zeile("Alle Beträge in " + VergleichAnzeige(f.fall2, "WaehrungStr"));
    t.Zeile();
    t.ZeileVergleich("Tabelle:", Tabelle(f.fall1), Tabelle(f.fall2), QString(), QString());
    t.ZeileVergleich("Abweichendes Wirtschaftsjahr:", VergleichAnzeige(f.fall1, "WJAbweichend"),
                     VergleichAnzeige(f.fall2, "WJAbweichend"), QString(), QString());
    for (const TEStVerglZeile& z : kWerte)
        t.ZeileWert(z.text, z.wert);
    t.Zeile();
    for (const TEStVerglZeile& z : kSteuern)
        t.ZeileDiff(z.text, z.wert, z.vorzeichen);
    t.Zeile();
    for (const TEStVerglZeile& z : kFestsetzung)
        t.ZeileDiff(z.text, z.wert, z.vorzeichen);
    return t.Zeilen();
}
