#include "Print/LohnDru.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Sozialversicherung/Kindergeld.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/DoubleValue.h"
#include "Print/DruckAusgabe.h"

#include <algorithm>
#include <vector>

namespace {

QString Anzeige(const TValue& wert)
{
    return QString::fromStdString(wert.GetDisplayText());
}

double Zahl(const TValue& wert)
{
    const auto* zahl = dynamic_cast<const TDouble*>(&wert);
    if (!zahl)
        throw Exception("Druck: \"" + wert.Name() + "\" ist kein Betrag.");
    return zahl->GetValue();
}

bool Ja(const TValue& wert)
{
    return wert.GetAsBoolean();
}

bool LeeresDatum(const TValue& wert)
{
    const auto* datum = dynamic_cast<const TDateValue*>(&wert);
    if (!datum)
        return false;
    const TDatum d = datum->GetValue();
    return d.Tag == 0 && d.Monat == 0 && d.Jahr == 0;
}

bool IstNull(const TValue& wert)
{
    if (const auto* zahl = dynamic_cast<const TDouble*>(&wert))
        return zahl->GetValue() == 0;
    return LeeresDatum(wert);
}

// An amount of two places converted with the display currency, or another number of two places
// (kept in the year's legal currency), or no amount at all.
enum class TBetragArt { Anzeigewaehrung, Landeswaehrung, Kein };

TBetragArt BetragArt(const TValue& wert)
{
    if (dynamic_cast<const TDoubleBetrag*>(&wert))
        return TBetragArt::Anzeigewaehrung;
    if (const auto* zahl = dynamic_cast<const TDouble*>(&wert); zahl && zahl->Decimals() == 2)
        return TBetragArt::Landeswaehrung;
    return TBetragArt::Kein;
}

// One of the statement's itemised components as the printout reads it.
struct TPosten {
    const TDaten& daten;
    bool Pflichtig() const
    {
        return Ja(DruckWert(daten, "SozVersPflicht")) || Ja(DruckWert(daten, "StPflicht"));
    }
    bool NurBrutto() const
    {
        return Ja(DruckWert(daten, "NettoVereinb")) == Ja(DruckWert(daten, "Pauschal"));
    }
    QString Text(const char* name) const { return Anzeige(DruckWert(daten, name)); }
};

std::vector<TPosten> Posten(const TLohnDaten& d)
{
    std::vector<TPosten> posten;
    if (!Ja(DruckWert(d, "DetailEntgelt")))
        return posten;
    const TDetailEntgelte& liste = d.DetailEntgelte();
    for (int i = 0; i < liste.Count(); ++i)
        posten.push_back(TPosten{liste.DetailEntgeltDaten(i)});
    return posten;
}

QString Einheit(const TLohnDaten& d)
{
    return "  " + Anzeige(DruckWert(d, "WaehrungStr"));
}

// Lines that printout and text form share: label and value name.
struct TWertZeile {
    const char* label;
    const char* wert;
};
const TWertZeile kGrunddaten[] = {{"Zeitraum:", "Zeitraum"},
                                  {"Steuertage:", "Steuertage"},
                                  {"Soz.Vers.-Tage:", "SVTage"},
                                  {"Steuerklasse:", "Steuerklasse"},
                                  {"Faktor:", "Faktor"}};
// The employee's attributes before the fund ...
const TWertZeile kMerkmale[] = {{"Kinderfreibeträge:", "Kinderfreibetraege"},
                                {"Kirchensteuersatz:", "Kirchensteuersatz"},
                                {"Geburtsdatum:", "Geburtsdatum"},
                                {"AG-Zuschuss zur privaten KV:", "AGZuschussPrivatKV"},
                                {"Privat-KV+PV Beitrag:", "PrivatKPVBeitrag"},
                                {"AG-Zuschuss zur priv. KV+PV:", "PrivatKPVAGZuschuss"}};
// ... and after it.
const TWertZeile kVersicherung[] = {{"Beitragsgruppen:", "BGS"},
                                    {"Kinderlos:", "Kinderlos"},
                                    {"Kinder PV:", "KinderPV"},
                                    {"Gleitzone:", "Gleitzone"},
                                    {"Neue Gleitzonenformel:", "NeueGleitzonenFormel"},
                                    {"AN verzichtet auf RV-Minderung:", "KeineRVMinderung"},
                                    {"Entgelt and. Beschäftigungen:", "AndereAE"}};
// The tax card's amounts and the pension's start, then the pension's details.
const TWertZeile kSteuerkarte[] = {{"Freibetrag LStK", "Freibetrag"},
                                   {"Hinzurech.betrag", "Hinzurechnungsbetrag"},
                                   {"Nzb Vorteile §19a:", "Vorteile_19a_1_4"},
                                   {"Versorgungsbeginn:", "Versorgungsbeginn"}};
const TWertZeile kVersorgung[] = {{"Monate:", "MonateVersBez"},
                                  {"BemGrdl. Monat:", "VersBezBemGrdlMonat"},
                                  {"Sonderzahlungen:", "Sonderzahlungen"}};
// The contributions: the printout's label, the text form's, amount and rate.
struct TBeitragZeile {
    const char* label;
    const char* kurz;
    const char* betrag;
    const char* satz;
};
const TBeitragZeile kBeitraege[] = {
    {"Krankenversicherung:", "Krankenvers.:   ", "KVBeitrag", "KVSatz"},
    {"Krankenversicherung Zuschlag:", "KV Zuschlag:    ", "KVZBBeitrag", "KVZBSatz"},
    {"Pflegeversicherung:", "Pflegevers.:    ", "PVBeitrag", "PVSatz"},
    {"Pflegeversicherung Zuschlag:", "PV Zuschlag:    ", "PVKLBeitrag", "PVKLSatz"},
    {"Rentenversicherung:", "Rentenvers.:    ", "RVBeitrag", "RVSatz"},
    {"Arbeitslosenversicherung:", "Arbeitsl.Vers.: ", "AVBeitrag", "AVSatz"}};

} // namespace

const TValue& DruckWert(const TDaten& daten, const char* name)
{
    const TValue* wert = daten.FindValue(name);
    if (!wert)
        throw Exception("Druck: Wert \"" + std::string(name) + "\" fehlt in \"" + daten.Name() +
                        "\".");
    return *wert;
}

bool HatWert(const TValue& wert)
{
    return !QString::fromStdString(wert.GetDisplayText()).trimmed().isEmpty() && !IstNull(wert);
}

const TValue& TVtDruckEntgeltabrechnung::Wert(const char* name) const
{
    return DruckWert(m_druckDaten, name);
}

QString TVtDruckEntgeltabrechnung::WertEinheit(const TValue& wert) const
{
    switch (BetragArt(wert)) {
    case TBetragArt::Anzeigewaehrung:
        return Einheit;
    case TBetragArt::Landeswaehrung:
        return WaehrungVonJahr(m_druckDaten.Jahr->GetValue());
    case TBetragArt::Kein:
        break;
    }
    return QString();
}

void TVtDruckEntgeltabrechnung::Zeile(const QString& label, const QString& mitte,
                                      const QString& rechts, bool drucken)
{
    if (drucken)
        TVtDruck::Zeile(label, mitte, rechts);
}

void TVtDruckEntgeltabrechnung::WertZeile(const QString& label, const char* name)
{
    const TValue& wert = Wert(name);
    const QString text = Anzeige(wert);
    if (!HatWert(wert))
        return;
    Zeile(label, text + WertEinheit(wert), QString());
}

void TVtDruckEntgeltabrechnung::BetragZeile(const QString& label, const char* name)
{
    const TValue& wert = Wert(name);
    if (Zahl(wert) != 0)
        Zeile(label, QString(), Anzeige(wert));
}

void TVtDruckEntgeltabrechnung::SatzZeile(const QString& label, const char* betrag,
                                          const char* satz)
{
    const TValue& wert = Wert(betrag);
    if (wert.IsEnabled())
        Zeile(label, Anzeige(Wert(satz)) + " %", Anzeige(wert));
}

void TVtDruckEntgeltabrechnung::DruckeSeite()
{
    Einheit = ::Einheit(m_druckDaten);
    Kopfzeile("Entgeltabrechnung " + Anzeige(Wert("Jahrliste")));
    VorschubMerkerLoeschen();
    WertZeile("Abrechnungszeitraum:", "AbrgZeitraum");
    WertZeile("Name:", "Arbeitnehmer");
    if (Vorgeschoben())
        Zeilenvorschub(1);
    Zwischentitel("Berechnungsdaten");
    Berechnungsdaten();
    Zeilenvorschub(1);
    Zwischentitel("Abrechnung");
    Abrechnung();
}

QString TVtDruckEntgeltabrechnung::Folgetitel() const
{
    const QString name = Anzeige(Wert("Arbeitnehmer")).trimmed();
    return name.isEmpty() ? TVtDruck::Folgetitel() : TVtDruck::Folgetitel() + ", " + name;
}

void TVtDruckEntgeltabrechnung::Berechnungsdaten()
{
    for (const auto& [label, name] : kGrunddaten)
        WertZeile(label, name);
    const TValue& kindergeld = Wert("Kindergeld");
    if (kindergeld.IsEnabled() &&
        (KindergeldMitLohnAusgezahlt(m_druckDaten.Jahr->GetValue()) || Zahl(kindergeld) != 0))
        Zeile("Kinder (-geld):", Anzeige(Wert("Kinder")), QString());
    for (const auto& [label, name] : kMerkmale)
        WertZeile(label, name);
    WertZeile("Krankenkasse:", "KasseName");
    for (const auto& [label, name] : kVersicherung)
        WertZeile(label, name);
    const TValue& keineZTab = Wert("KeineZTab");
    if (keineZTab.IsEnabled())
        Zeile("Zusatztabelle anwenden:", Ja(keineZTab) ? "Nein" : "Ja", QString());
    WertZeile("Vorsorgepauschale:", "MerkerVSP");
    if (Ja(Wert("KeineVSP")))
        WertZeile("Keine Vorsorgepauschale:", "KeineVSP");
    for (const auto& [label, name] : kSteuerkarte)
        WertZeile(label, name);
    for (const auto& [label, name] : kVersorgung)
        WertZeile(label, name);
}

void TVtDruckEntgeltabrechnung::Abrechnung()
{
    const TLohnDaten& d = m_druckDaten;
    const TValue& kindergeld = Wert("Kindergeld");
    const bool mitLohn = KindergeldMitLohnAusgezahlt(d.Jahr->GetValue());
    // What the net pay shown above "Auszahlung" leaves out: child benefit paid with it, tax-free
    // items, the net deduction.
    double summe = d.KindergeldImNetto();
    bool netto = kindergeld.IsEnabled() && (mitLohn || Zahl(kindergeld) != 0);

    const std::vector<TPosten> posten = Posten(d);
    if (!posten.empty()) {
        bool pflichtige = false;
        QString mitte;
        for (const TPosten& p : posten) {
            if (p.Pflichtig()) {
                pflichtige = true;
                if (!p.NurBrutto())
                    mitte = "Netto";
            } else {
                netto = true;
                summe += Zahl(DruckWert(p.daten, "Brutto"));
            }
        }
        if (pflichtige) {
            SchriftFett();
            Zeile("Bezeichnung", mitte, "Brutto");
            SchriftNormal();
            Linie();
            for (const TPosten& p : posten) {
                if (p.Pflichtig())
                    Zeile(p.Text("Bezeichnung"), p.NurBrutto() ? QString() : p.Text("Netto"),
                          p.Text("Brutto"));
            }
            Linie();
        }
    } else if (Zahl(Wert("NettoAbz")) != 0) {
        netto = true;
        summe -= Zahl(Wert("NettoAbz"));
    }

    Zeile("Gesamt-Bruttoentgelt:", QString(), Anzeige(Wert("Entgelt")));
    BetragZeile("Versorgungsbezüge: ", "Versorgungsbezuege");
    Zeilenvorschub(0.5);
    const QString marker = Ja(Wert("Zusatztabelle_angewendet")) ? "Z" : "";
    if (Zahl(Wert("Lohnsteuer")) != 0 || !marker.isEmpty())
        Zeile("Lohnsteuer:     ", marker, Anzeige(Wert("Lohnsteuer")));
    BetragZeile("Kirchensteuer:", "Kirchensteuer");
    BetragZeile("Solidaritätszuschlag:", "Solidaritaetszuschlag");
    for (const TBeitragZeile& z : kBeitraege)
        SatzZeile(z.label, z.betrag, z.satz);
    if (Ja(Wert("Kammer")))
        Zeile(Anzeige(Wert("Kammerbezeichnung")) + ":", QString(), Anzeige(Wert("Kammerbeitrag")));

    if (netto) {
        Linie();
        const TValue& nettoentgelt = Wert("Nettoentgelt");
        // A net pay the calculation could not determine has no amount to subtract from.
        Zeile("Nettoentgelt:", QString(),
              nettoentgelt.IsUndetermined()
                  ? QString("???")
                  : QString::fromStdString(FloatToBetragStr(2, Zahl(nettoentgelt) - summe)));
        if (!posten.empty()) {
            for (const TPosten& p : posten) {
                if (!p.Pflichtig())
                    Zeile(p.Text("Bezeichnung"), QString(), p.Text("Brutto"));
            }
        } else {
            BetragZeile(Anzeige(Wert("NettoAbzText")) + ":", "NettoAbz");
        }
        if (kindergeld.IsEnabled()) {
            if (mitLohn)
                Zeile("Kindergeld", QString(), Anzeige(kindergeld));
            else if (KiGImmerImNetto())
                BetragZeile("Kindergeld", "Kindergeld");
            else if (Zahl(kindergeld) != 0)
                Zeile("(Kindergeld  " + Anzeige(kindergeld) + ")", QString(), QString());
        }
    }
    Linie();
    Zeile("Auszahlung:", QString(), Anzeige(Wert("Nettoentgelt")));
}

void DruckeEntgeltabrechnung(const TLohnDaten& daten, int kopien, const QString& titel)
{
    TVtDruckEntgeltabrechnung druck(daten);
    AufDruckerDrucken(druck, kopien, titel);
}

namespace {

// The text form's lines: every line but the heading and the empty ones indented by 8 blanks; a
// value with its unit ends at column 43 after the indent, a number of the value routine at 37.
class TEntgeltText {
public:
    explicit TEntgeltText(const TLohnDaten& d) : m_d(d), m_einheit(Einheit(d)) {}

    const TValue& Wert(const char* name) const { return DruckWert(m_d, name); }
    void Leer() { m_zeilen << QString(); }
    void Kopf(const QString& text) { m_zeilen << text; }
    void Zeile(const QString& text) { m_zeilen << kEinzug + text; }
    void Zeile(const QString& label, const QString& wert)
    {
        m_zeilen << kEinzug + BisSpalte(label, wert + m_einheit, 43);
    }
    void Zeile(const QString& label, const char* name) { Zeile(label, Anzeige(Wert(name))); }
    // A value line: nothing when its text is blank or the date is not entered (the page leaves
    // it empty); numbers of two places aligned at column 37 with their unit, other values after
    // the label padded to 32.
    void WertZeile(const QString& label, const char* name)
    {
        const TValue& wert = Wert(name);
        const QString text = Anzeige(wert);
        if (text.trimmed().isEmpty() || LeeresDatum(wert))
            return;
        switch (BetragArt(wert)) {
        case TBetragArt::Anzeigewaehrung:
            Zeile(BisSpalte(label, text, 37) + m_einheit);
            break;
        case TBetragArt::Landeswaehrung:
            Zeile(BisSpalte(label, text, 37) + WaehrungVonJahr(m_d.Jahr->GetValue()));
            break;
        case TBetragArt::Kein:
            Zeile(label.leftJustified(32) + text);
            break;
        }
    }
    QStringList Zeilen() const { return m_zeilen; }

private:
    inline static const QString kEinzug = QString(8, ' ');
    const TLohnDaten& m_d;
    QString m_einheit;
    QStringList m_zeilen;
};

} // namespace

QStringList EntgeltabrechnungAlsText(const TLohnDaten& d)
{
    TEntgeltText t(d);
    const QString datum = HeuteAlsText();
    t.Kopf("Entgeltabrechnung " + Leerzeichen(43 - static_cast<int>(datum.size())) + datum);
    t.WertZeile("Jahr:", "Jahrliste");
    for (const auto& [label, name] : kGrunddaten)
        t.WertZeile(label, name);
    const TValue& kindergeld = t.Wert("Kindergeld");
    const bool mitLohn = KindergeldMitLohnAusgezahlt(d.Jahr->GetValue());
    if (kindergeld.IsEnabled() && (mitLohn || Zahl(kindergeld) != 0))
        t.Zeile(QString("Kinder (-geld):").leftJustified(32) + Anzeige(t.Wert("Kinder")));
    for (const auto& [label, name] : kMerkmale)
        t.WertZeile(label, name);
    t.Zeile("Krankenkasse: " + Anzeige(t.Wert("KasseName")).rightJustified(29));
    for (const auto& [label, name] : kVersicherung)
        t.WertZeile(label, name);
    t.Leer();

    // Flat-rate wage tax: the employer pays the tax, the statement shows none.
    const bool lohnsteuer = !Ja(t.Wert("PLSt"));
    const TValue& keineZTab = t.Wert("KeineZTab");
    if (keineZTab.IsEnabled() && lohnsteuer)
        t.Zeile(QString("Zusatztabelle anwenden:").leftJustified(32) +
                (Ja(keineZTab) ? "Nein" : "Ja"));
    t.WertZeile("Vorsorgepauschale:", "MerkerVSP");
    for (const auto& [label, name] : kSteuerkarte)
        t.WertZeile(label, name);
    t.WertZeile("Keine Vorsorgepauschale:", "KeineVSP");
    for (const auto& [label, name] : kVersorgung)
        t.WertZeile(label, name);
    if (lohnsteuer)
        t.Leer();

    t.Zeile("Entgelt: ", "Entgelt");
    if (lohnsteuer)
        t.Zeile("Versorgungsbezüge: ", "Versorgungsbezuege");
    t.Leer();
    if (lohnsteuer) {
        t.Zeile(QString("Lohnsteuer:    ") + (Ja(t.Wert("Zusatztabelle_angewendet")) ? "  Z" : ""),
                "Lohnsteuer");
        t.Zeile("Kirchensteuer:", "Kirchensteuer");
        t.Zeile("Solidaritätszuschlag:", "Solidaritaetszuschlag");
    }
    for (const TBeitragZeile& z : kBeitraege) {
        if (t.Wert(z.betrag).IsEnabled())
            t.Zeile(QString(z.kurz) + Anzeige(t.Wert(z.satz)).rightJustified(5) + " %", z.betrag);
    }
    if (Ja(t.Wert("Kammer")))
        t.Zeile(Anzeige(t.Wert("Kammerbezeichnung")) + ":", "Kammerbeitrag");
    t.Zeile(Anzeige(t.Wert("NettoAbzText")) + ":", "NettoAbz");
    if (kindergeld.IsEnabled()) {
        if (mitLohn)
            t.Zeile("Kindergeld:", "Kindergeld");
        else if (Zahl(kindergeld) != 0) {
            if (KiGImmerImNetto())
                t.Zeile("Kindergeld:", "Kindergeld");
            else
                t.Zeile("(Kindergeld  " + Anzeige(kindergeld) + ")");
        }
    }
    t.Zeile(QString(43, '-'));
    t.Zeile("Netto:", "Nettoentgelt");
    return t.Zeilen();
}
