#include "Print/EStDruck.h"

#include "Engine/Einkommensteuer/EStDaten.h"
#include "Lib/Exception.h"
#include "MVCFrame/DoubleValue.h"
#include "Print/DruckAusgabe.h"
#include "Print/DruckWerte.h"

#include <vector>

namespace {

QString Anzeige(const TDaten& d, const char* name)
{
    return QString::fromStdString(DruckWert(d, name).GetDisplayText());
}

bool Aktiv(const TDaten& d, const char* name)
{
    return DruckWert(d, name).IsEnabled();
}

bool Ja(const TDaten& d, const char* name)
{
    return DruckWert(d, name).GetAsBoolean();
}

bool NichtNull(const TDaten& d, const char* name)
{
    const auto* zahl = dynamic_cast<const TDouble*>(&DruckWert(d, name));
    if (!zahl)
        throw Exception("Druck: \"" + std::string(name) + "\" ist kein Betrag.");
    return zahl->GetValue() != 0;
}

// When a line of the calculation is printed.
enum class TBedingung {
    Immer,
    NichtNull,
    Aktiv,
    // The relief for commercial income: under §35 while the trade-tax base is asked for, under
    // §32c before.
    Erm35,
    Entl32c,
    // A label only: whether the additional table applies; on paper only with commercial income.
    ZTab,
    // A label only: the rate of the progression proviso.
    ProgressSatz,
    Leer,
};

// One line of the calculation: its label on paper and in the text form, its value, its condition.
struct TEStZeile {
    const char* papier;
    const char* text;
    const char* wert;
    TBedingung bedingung;
};

const TEStZeile kZeilen[] = {
    {"Gewerbesteuer-Messbetrag (§35):  ", nullptr, "GewStMessbetrag", TBedingung::NichtNull},
    {"Gewerbesteuer (§35):  ", nullptr, "Gewerbesteuer", TBedingung::NichtNull},
    {"Gewerbliche Einkünfte", nullptr, "GewerblEink", TBedingung::NichtNull},
    {"Gewinneinkünfte (§32c):  ", nullptr, "GewinnEink", TBedingung::NichtNull},
    {"Summe der Einkünfte:  ", nullptr, "SummeEink", TBedingung::Aktiv},
    {"Sonstige Steuerermäßigungen (§35):  ", nullptr, "SonstStErm35", TBedingung::NichtNull},
    {"Zu versteuerndes Einkommen:  ", nullptr, "ZVE", TBedingung::Immer},
    {"Progressionseinkünfte:  ", nullptr, "ProgressEink", TBedingung::NichtNull},
    {"Zusatztabelle anwenden:  ", nullptr, "KeineZTab", TBedingung::ZTab},
    {"Steuerfreie Erwerbsbezüge:  ", nullptr, "Erwerbsbezuege", TBedingung::NichtNull},
    {"Sonstige Steuern / Ermäßigungen:  ", nullptr, "SonstStErm", TBedingung::NichtNull},
    {"", nullptr, nullptr, TBedingung::Leer},
    {"Einkommensteuer lt. Tabelle:  ", nullptr, "Einkommensteuer", TBedingung::Aktiv},
    {"Progressions-Steuersatz:  ", "Progressionssteuersatz:  ", "ProgressSatz",
     TBedingung::ProgressSatz},
    {"Einkommensteuer (§32b EStG):  ", nullptr, "ProgressSteuer", TBedingung::Aktiv},
    {"Ermäßigung bei Einkünften aus Gewerbebetrieb (§35):  ",
     "Ermäßigung b.Eink.a.Gewerbebetrieb (§35):  ", "EB32c", TBedingung::Erm35},
    {"Entlastungsbetrag für gewerbliche Einkünfte (§32c):  ",
     "Entlastungsbetrag f.gewerbl.Eink. (§32c):  ", "EB32c", TBedingung::Entl32c},
    {"Entlastungsbetrag für Gewinneinkünfte (§32c):  ",
     "Entlastungsbetr.f.Gewinneinkünfte (§32c):  ", "ErmBGewinnEink", TBedingung::NichtNull},
    {"Milderung durch Zusatztabelle:  ", nullptr, "MilderungZTab", TBedingung::Aktiv},
    {"", nullptr, nullptr, TBedingung::Leer},
    {"Festzusetzende Einkommensteuer:   ", nullptr, "FestzusetzendeESt", TBedingung::Immer},
    {"Solidaritätszuschlag:  ", nullptr, "SolZ", TBedingung::Aktiv},
};

// A line as both forms write it: a label, and a value (none for a label-only or blank line).
struct TAusgabeZeile {
    QString label;
    QString wert;
};

// The calculation's lines in order; `papier` chooses the printed labels and conditions.
std::vector<TAusgabeZeile> Zeilen(const TDaten& d, bool papier)
{
    std::vector<TAusgabeZeile> zeilen;
    const bool gewerblich = NichtNull(d, "GewerblEink");
    const bool messbetrag = Aktiv(d, "GewStMessbetrag");
    for (const TEStZeile& z : kZeilen) {
        const QString label = QString::fromUtf8(!papier && z.text ? z.text : z.papier);
        switch (z.bedingung) {
        case TBedingung::Immer:
            zeilen.push_back({label, Anzeige(d, z.wert)});
            break;
        case TBedingung::NichtNull:
            if (NichtNull(d, z.wert)) {
                // Commercial income is taxed under §35 where the trade-tax base exists.
                const QString zusatz = z.wert == std::string("GewerblEink")
                                           ? (messbetrag ? " (§35):  " : " (§32c):  ")
                                           : "";
                zeilen.push_back({label + zusatz, Anzeige(d, z.wert)});
            }
            break;
        case TBedingung::Aktiv:
            if (Aktiv(d, z.wert))
                zeilen.push_back({label, Anzeige(d, z.wert)});
            break;
        case TBedingung::Erm35:
        case TBedingung::Entl32c:
            if (Aktiv(d, z.wert) && gewerblich &&
                messbetrag == (z.bedingung == TBedingung::Erm35))
                zeilen.push_back({label, Anzeige(d, z.wert)});
            break;
        case TBedingung::ZTab:
            if (Aktiv(d, z.wert) && (gewerblich || !papier))
                zeilen.push_back({label + (Ja(d, z.wert) ? "Nein" : "Ja"), QString()});
            break;
        case TBedingung::ProgressSatz:
            if (Aktiv(d, "ProgressSteuer"))
                zeilen.push_back({label + Anzeige(d, z.wert) + " v.H.", QString()});
            break;
        case TBedingung::Leer:
            zeilen.push_back({QString(), QString()});
            break;
        }
    }
    return zeilen;
}

QString Einheit(const TDaten& d)
{
    return "  " + Anzeige(d, "WaehrungStr");
}

} // namespace

TVtDruckEinkommensteuer::TVtDruckEinkommensteuer(const TEStDaten& daten) : m_daten(daten)
{
    Schema = TDruckSchema::Prozedur();
}

void TVtDruckEinkommensteuer::Zeile(const QString& label, const QString& wert)
{
    // Every value printed is an amount, so the base's right column gives it its unit.
    TVtDruck::Zeile(label, QString(), wert);
}

void TVtDruckEinkommensteuer::DruckeSeite()
{
    Einheit = ::Einheit(m_daten);
    Kopfzeile("Einkommensteuerberechnung " + Anzeige(m_daten, "Jahr"));
    Zeile(Ja(m_daten, "Grundtabelle") ? "Grundtabelle" : "Splittingtabelle", QString());
    if (Ja(m_daten, "WJAbweichend"))
        Zeile("Abweichendes Wirtschaftsjahr:  Ja", QString());
    Zeile(QString(), QString());
    for (const TAusgabeZeile& z : Zeilen(m_daten, true))
        Zeile(z.label, z.wert);
}

void DruckeEinkommensteuer(const TEStDaten& daten, int kopien, const QString& titel)
{
    TVtDruckEinkommensteuer druck(daten);
    AufDruckerDrucken(druck, kopien, titel);
}

QStringList EinkommensteuerAlsText(const TEStDaten& d)
{
    // Every line but the empty ones indented by 8 blanks; values with their unit end at column 63.
    const QString einzug(8, ' ');
    const QString einheit = Einheit(d);
    QStringList zeilen;
    const QString datum = HeuteAlsText();
    zeilen << einzug + "Einkommensteuerberechnung " +
                  Leerzeichen(46 - static_cast<int>(datum.size())) + datum;
    zeilen << einzug + "Jahr:     " + Anzeige(d, "Jahr");
    if (Aktiv(d, "WJAbweichend"))
        zeilen << einzug + "Abweichendes Wirtschaftsjahr:  " + Anzeige(d, "WJAbweichend");
    zeilen << einzug + "Tabelle:  " + (Ja(d, "Grundtabelle") ? "Grundtabelle" : "Splittingtabelle");
    zeilen << QString();
    for (const TAusgabeZeile& z : Zeilen(d, false)) {
        if (z.label.isEmpty() && z.wert.isEmpty())
            zeilen << QString();
        else if (z.wert.isEmpty())
            zeilen << einzug + z.label;
        else
            zeilen << einzug + BisSpalte(z.label, z.wert, 55) + einheit;
    }
    return zeilen;
}
