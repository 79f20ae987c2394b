#include "Print/GfBDruck.h"

#include "Engine/Geringfuegig/Geringf.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerValue.h"
#include "Options/OptionenVtrl.h"
#include "Print/DruckAusgabe.h"
#include "Print/DruckWerte.h"

namespace {

// How the statement's tax is computed ("Steuerberechnung").
enum TSteuerberechnung { kPauschal = 0, kLohnsteuerkarte = 1, kFreistellung = 2 };

QString Anzeige(const TDaten& d, const char* name)
{
    return QString::fromStdString(DruckWert(d, name).GetDisplayText());
}

bool Ja(const TDaten& d, const char* name)
{
    return DruckWert(d, name).GetAsBoolean();
}

int Ganzzahl(const TDaten& d, const char* name)
{
    const auto* zahl = dynamic_cast<const TInteger*>(&DruckWert(d, name));
    if (!zahl)
        throw Exception("Druck: \"" + std::string(name) + "\" ist keine Zahl.");
    return zahl->GetValue();
}

bool NichtNull(const TDaten& d, const char* name)
{
    const auto* zahl = dynamic_cast<const TDouble*>(&DruckWert(d, name));
    if (!zahl)
        throw Exception("Druck: \"" + std::string(name) + "\" ist kein Betrag.");
    return zahl->GetValue() != 0;
}

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// The texts both forms take from the statement.
struct TGfBTexte {
    int steuerberechnung;
    // Appended to amounts: two blanks and the display currency.
    QString einheit;
    // The legal currency of the year, after the tax card's amounts.
    QString jahreswaehrung;
    // "Pauschale " before the flat-rate contributions' labels.
    QString praefix;
    // The church-tax rate with "%".
    QString kirchensteuersatz;
    QString kammer;

    explicit TGfBTexte(const TDaten& d)
        : steuerberechnung(Ganzzahl(d, "Steuerberechnung")),
          einheit("  " + Anzeige(d, "WaehrungStr")),
          jahreswaehrung(WaehrungVonJahr(Ganzzahl(d, "Jahr"))),
          praefix(steuerberechnung == kPauschal ? "Pauschale " : ""),
          kirchensteuersatz(
              (steuerberechnung == kPauschal
                   ? Anzeige(d, "PauschKiStSatz")
                   : QString::fromStdString(NurZiffern(
                         DruckWert(d, "Kirchensteuersatz").GetDisplayText(), 10, true))) +
              "%"),
          kammer(QString::fromStdString(OptionenVtrl().KammernAllgDaten().BezeichnungBr()) + ":")
    {
    }
};

} // namespace

TVtDruckGeringfuegig::TVtDruckGeringfuegig(const TGeringfuegigDaten& daten) : m_daten(daten)
{
    Schema = TDruckSchema::Prozedur();
}

void TVtDruckGeringfuegig::WertZeile(const QString& label, const char* name)
{
    const QString text = Anzeige(m_daten, name);
    if (!Blank(text))
        Zeile(label, text, QString());
}

void TVtDruckGeringfuegig::BetragZeile(const QString& label, const QString& mitte,
                                       const char* name)
{
    if (NichtNull(m_daten, name))
        Zeile(label, mitte, Anzeige(m_daten, name));
}

void TVtDruckGeringfuegig::DruckeSeite()
{
    Einheit = "  " + Anzeige(m_daten, "WaehrungStr");
    Kopfzeile("Entgeltabrechnung " + Anzeige(m_daten, "Jahrliste"));
    VorschubMerkerLoeschen();
    WertZeile("Abrechnungszeitraum:", "AbrgZeitraum");
    WertZeile("Name:", "Arbeitnehmer");
    if (Vorgeschoben())
        Zeilenvorschub(1);
    Zwischentitel("Berechnungsdaten");
    // The subheading advances two lines; the statement's data start three below it.
    Zeilenvorschub(1);
    Berechnungsdaten();
    Zeilenvorschub(1);
    Zwischentitel("Abrechnung");
    Zeilenvorschub(1);
    Abrechnung();
}

void TVtDruckGeringfuegig::Berechnungsdaten()
{
    const TGfBTexte t(m_daten);
    const bool kammer = Ja(m_daten, "Kammer");
    switch (t.steuerberechnung) {
    case kFreistellung:
        Zeile("Freistellungsbescheinigung:", "Ja", QString());
        if (kammer)
            WertZeile("Steuertage:", "Steuertage");
        break;
    case kLohnsteuerkarte: {
        WertZeile("Steuertage:", "Steuertage");
        WertZeile("Steuerklasse:", "Steuerklasse");
        WertZeile("Kinderfreibeträge:", "Kinderfreibetraege");
        if (HatWert(DruckWert(m_daten, "Geburtsdatum")))
            WertZeile("Geburtsdatum:", "Geburtsdatum");
        if (Ja(m_daten, "Rentenversicherungsfrei"))
            Zeile("Besondere LSt-Tabelle:", "Ja", QString());
        for (const auto& [label, name] : {std::pair{"Freibetrag LStK", "Freibetrag"},
                                          std::pair{"Hinzurech.betrag", "Hinzurechnungsbetrag"}})
            if (NichtNull(m_daten, name))
                Zeile(label, Anzeige(m_daten, name) + t.jahreswaehrung, QString());
        break;
    }
    default:
        if (kammer)
            WertZeile("Steuertage:", "Steuertage");
        if (Ja(m_daten, "Landwirtschaft"))
            Zeile("Aushilfskraft in Land-/Forstwirtschaft:", "Ja", QString());
        break;
    }
    WertZeile("Gesetzlich krankenversichert:", "GesetzlichKrankenversichert");
    WertZeile("AN verzichtet auf RV-Freiheit:", "KeineRVMinderung");
}

void TVtDruckGeringfuegig::Abrechnung()
{
    const TGfBTexte t(m_daten);
    Zeile("Bruttoentgelt:", QString(), Anzeige(m_daten, "Entgelt"));
    Zeile(QString(), QString(), QString());
    BetragZeile(Anzeige(m_daten, "Steuerbezeichnung"), Anzeige(m_daten, "PauschLStSatz"),
                "LohnsteuerAN");
    BetragZeile(t.praefix + "Kirchensteuer:", t.kirchensteuersatz, "KirchensteuerAN");
    BetragZeile("Solidaritätszuschlag:", QString(), "SolidaritaetszuschlagAN");
    BetragZeile(t.praefix + "Krankenversicherung:", Anzeige(m_daten, "KVSatz"), "KVBeitragAN");
    BetragZeile(t.praefix + "Rentenversicherung:", Anzeige(m_daten, "RVSatzAN"), "RVBeitragAN");
    if (Ja(m_daten, "Kammer"))
        Zeile(t.kammer, QString(), Anzeige(m_daten, "Kammerbeitrag"));
    Linie();
    Zeile("Auszahlung:", QString(), Anzeige(m_daten, "Nettoentgelt"));
}

void DruckeGeringfuegig(const TGeringfuegigDaten& daten, int kopien, const QString& titel)
{
    TVtDruckGeringfuegig druck(daten);
    AufDruckerDrucken(druck, kopien, titel);
}

QStringList GeringfuegigAlsText(const TGeringfuegigDaten& d)
{
    const TGfBTexte t(d);
    const QString einzug(8, ' ');
    QStringList zeilen;
    // Amounts with their unit end at column 50 after the indent; a blank amount (a value that
    // does not apply) leaves the label alone.
    const auto zeile = [&](const QString& label, const QString& betrag = QString()) {
        zeilen << (Blank(betrag) ? einzug + label
                                    : einzug + label +
                                          Leerzeichen(42 - static_cast<int>(label.size() +
                                                                            betrag.size() +
                                                                            t.einheit.size())) +
                                          betrag + t.einheit);
    };
    const auto wert = [&](const char* label, const char* name) {
        zeile(QString(label).leftJustified(40) + Anzeige(d, name));
    };
    const QString datum = HeuteAlsText();
    zeilen << "Entgeltabrechnung " + Leerzeichen(42 - static_cast<int>(datum.size())) + datum;
    zeile("Jahr:               " + Anzeige(d, "Jahr"));
    const bool kammer = Ja(d, "Kammer");
    switch (t.steuerberechnung) {
    case kFreistellung:
        zeile("Freistellungsbescheinigung:             Ja");
        if (kammer)
            zeile("Steuertage:         " + Anzeige(d, "Steuertage"));
        break;
    case kLohnsteuerkarte:
        zeile("Steuertage:         " + Anzeige(d, "Steuertage"));
        zeile("Steuerklasse:       " + Anzeige(d, "Steuerklasse"));
        zeile("Kinderfreibeträge:  " + Anzeige(d, "Kinderfreibetraege"));
        zeile("Kirchensteuer-Satz: " + Anzeige(d, "Kirchensteuersatz"));
        zeile("Geburtsdatum:       " + Anzeige(d, "Geburtsdatum"));
        zeilen << QString();
        wert("Besondere LSt-Tabelle:", "Rentenversicherungsfrei");
        zeile(QString("Freibetrag LStK").leftJustified(40) + Anzeige(d, "Freibetrag") +
              t.jahreswaehrung);
        if (DruckWert(d, "Hinzurechnungsbetrag").IsEnabled())
            zeile(QString("Hinzurech.betrag").leftJustified(40) +
                  Anzeige(d, "Hinzurechnungsbetrag") + t.jahreswaehrung);
        break;
    default:
        if (kammer)
            zeile("Steuertage:         " + Anzeige(d, "Steuertage"));
        zeile("Aushilfskraft in Land-/Forstwirtschaft: " + Anzeige(d, "Landwirtschaft"));
        break;
    }
    wert("Gesetzlich krankenversichert:", "GesetzlichKrankenversichert");
    wert("AN verzichtet auf RV-Freiheit:", "KeineRVMinderung");
    zeilen << QString();
    zeile("Entgelt: ", Anzeige(d, "Entgelt"));
    zeilen << QString();
    zeile(Anzeige(d, "Steuerbezeichnung") + Anzeige(d, "PauschLStSatz").rightJustified(8),
          Anzeige(d, "LohnsteuerAN"));
    zeile(t.praefix + "Kirchensteuer: " + t.kirchensteuersatz.rightJustified(4),
          Anzeige(d, "KirchensteuerAN"));
    zeile("Solidaritätszuschlag:", Anzeige(d, "SolidaritaetszuschlagAN"));
    if (NichtNull(d, "KVBeitragAN"))
        zeile(t.praefix + "Krankenvers.:" + Anzeige(d, "KVSatz").rightJustified(6),
              Anzeige(d, "KVBeitragAN"));
    if (NichtNull(d, "RVBeitragAN"))
        zeile(t.praefix + "Rentenvers.: " + Anzeige(d, "RVSatzAN").rightJustified(6),
              Anzeige(d, "RVBeitragAN"));
    if (kammer)
        zeile(t.kammer, Anzeige(d, "Kammerbeitrag"));
    zeile(QString(42, '-'));
    zeile("Netto:", Anzeige(d, "Nettoentgelt"));
    return zeilen;
}
