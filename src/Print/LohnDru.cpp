#include "Print/LohnDru.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Sozialversicherung/Kindergeld.h"
#include "Lib/Betrag.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/StringValue.h"
#include "Print/DruckAusgabe.h"
#include "Print/DruckWerte.h"

#include <algorithm>
#include <vector>

namespace {

bool Ja(const TValue& wert)
{
    return wert.GetAsBoolean();
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
    const TDetailEntgeltDaten& daten;
    bool Pflichtig() const { return Ja(daten.SozVersPflicht()) || Ja(daten.StPflicht()); }
    bool NurBrutto() const { return Ja(daten.NettoVereinb()) == Ja(daten.Pauschal()); }
    QString Bezeichnung() const { return Anzeige(daten.Bezeichnung()); }
    QString Brutto() const { return Anzeige(daten.Brutto()); }
    QString Netto() const { return Anzeige(daten.Netto()); }
};

std::vector<TPosten> Posten(const TLohnDaten& d)
{
    std::vector<TPosten> posten;
    if (!Ja(*d.DetailEntgelt))
        return posten;
    const TDetailEntgelte& liste = d.DetailEntgelte();
    for (int i = 0; i < liste.Count(); ++i)
        posten.push_back(TPosten{liste.DetailEntgeltDaten(i)});
    return posten;
}

QString Einheit(const TLohnDaten& d)
{
    return "  " + Anzeige(*d.WaehrungStr());
}

// A value of the statement's data set through its member, whatever the member's type.
using TFeld = const TValue& (*)(const TLohnDaten&);
template <auto feld> const TValue& Feld(const TLohnDaten& d)
{
    return *(d.*feld);
}

// Lines that printout and text form share: label and value.
struct TWertZeile {
    const char* label;
    TFeld wert;
};
const TWertZeile kGrunddaten[] = {{"Zeitraum:", &Feld<&TLohnDaten::Zeitraum>},
                                  {"Steuertage:", &Feld<&TLohnDaten::Steuertage>},
                                  {"Soz.Vers.-Tage:", &Feld<&TLohnDaten::SVTage>},
                                  {"Steuerklasse:", &Feld<&TLohnDaten::Steuerklasse>},
                                  {"Faktor:", &Feld<&TLohnDaten::Faktor>}};
// The employee's attributes before the fund ...
const TWertZeile kMerkmale[] = {
    {"Kinderfreibeträge:", &Feld<&TLohnDaten::Kinderfreibetraege>},
    {"Kirchensteuersatz:", &Feld<&TLohnDaten::Kirchensteuersatz>},
    {"Geburtsdatum:", &Feld<&TLohnDaten::Geburtsdatum>},
    {"AG-Zuschuss zur privaten KV:", &Feld<&TLohnDaten::AGZuschussPrivatKV>},
    {"Privat-KV+PV Beitrag:", &Feld<&TLohnDaten::PrivatKPVBeitrag>},
    {"AG-Zuschuss zur priv. KV+PV:", &Feld<&TLohnDaten::PrivatKPVAGZuschuss>}};
// ... and after it.
const TWertZeile kVersicherung[] = {
    {"Beitragsgruppen:", &Feld<&TLohnDaten::BGS>},
    {"Kinderlos:", &Feld<&TLohnDaten::Kinderlos>},
    {"Kinder PV:", &Feld<&TLohnDaten::KinderPV>},
    {"Gleitzone:", &Feld<&TLohnDaten::Gleitzone>},
    {"Neue Gleitzonenformel:", &Feld<&TLohnDaten::NeueGleitzonenFormel>},
    {"AN verzichtet auf RV-Minderung:", &Feld<&TLohnDaten::KeineRVMinderung>},
    {"Entgelt and. Beschäftigungen:", &Feld<&TLohnDaten::AndereAE>}};
// The tax card's amounts and the pension's start, then the pension's details.
const TWertZeile kSteuerkarte[] = {{"Freibetrag LStK", &Feld<&TLohnDaten::Freibetrag>},
                                   {"Hinzurech.betrag", &Feld<&TLohnDaten::Hinzurechnungsbetrag>},
                                   {"Nzb Vorteile §19a:", &Feld<&TLohnDaten::Vorteile_19a_1_4>},
                                   {"Versorgungsbeginn:", &Feld<&TLohnDaten::Versorgungsbeginn>}};
const TWertZeile kVersorgung[] = {{"Monate:", &Feld<&TLohnDaten::MonateVersBez>},
                                  {"BemGrdl. Monat:", &Feld<&TLohnDaten::VersBezBemGrdlMonat>},
                                  {"Sonderzahlungen:", &Feld<&TLohnDaten::Sonderzahlungen>}};
// The contributions: the printout's label, the text form's, amount and rate.
struct TBeitragZeile {
    const char* label;
    const char* kurz;
    TDouble* TLohnDaten::*betrag;
    TDouble* TLohnDaten::*satz;
};
const TBeitragZeile kBeitraege[] = {
    {"Krankenversicherung:", "Krankenvers.:   ", &TLohnDaten::KVBeitrag, &TLohnDaten::KVSatz},
    {"Krankenversicherung Zuschlag:", "KV Zuschlag:    ", &TLohnDaten::KVZBBeitrag,
     &TLohnDaten::KVZBSatz},
    {"Pflegeversicherung:", "Pflegevers.:    ", &TLohnDaten::PVBeitrag, &TLohnDaten::PVSatz},
    {"Pflegeversicherung Zuschlag:", "PV Zuschlag:    ", &TLohnDaten::PVKLBeitrag,
     &TLohnDaten::PVKLSatz},
    {"Rentenversicherung:", "Rentenvers.:    ", &TLohnDaten::RVBeitrag, &TLohnDaten::RVSatz},
    {"Arbeitslosenversicherung:", "Arbeitsl.Vers.: ", &TLohnDaten::AVBeitrag, &TLohnDaten::AVSatz}};

} // namespace

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

void TVtDruckEntgeltabrechnung::WertZeile(const QString& label, const TValue& wert)
{
    const QString text = Anzeige(wert);
    if (!HatWert(wert))
        return;
    Zeile(label, text + WertEinheit(wert), QString());
}

void TVtDruckEntgeltabrechnung::BetragZeile(const QString& label, const TDouble& wert)
{
    if (wert.GetValue() != 0)
        Zeile(label, QString(), Anzeige(wert));
}

void TVtDruckEntgeltabrechnung::SatzZeile(const QString& label, const TDouble& betrag,
                                          const TDouble& satz)
{
    if (betrag.IsEnabled())
        Zeile(label, Anzeige(satz) + " %", Anzeige(betrag));
}

void TVtDruckEntgeltabrechnung::DruckeSeite()
{
    const TLohnDaten& d = m_druckDaten;
    Einheit = ::Einheit(d);
    Kopfzeile("Entgeltabrechnung " + Anzeige(*d.Jahrliste));
    VorschubMerkerLoeschen();
    WertZeile("Abrechnungszeitraum:", *d.AbrgZeitraum);
    WertZeile("Name:", *d.Arbeitnehmer);
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
    const QString name = Anzeige(*m_druckDaten.Arbeitnehmer).trimmed();
    return name.isEmpty() ? TVtDruck::Folgetitel() : TVtDruck::Folgetitel() + ", " + name;
}

void TVtDruckEntgeltabrechnung::Berechnungsdaten()
{
    const TLohnDaten& d = m_druckDaten;
    for (const auto& [label, wert] : kGrunddaten)
        WertZeile(label, wert(d));
    const TDouble& kindergeld = *d.Kindergeld;
    if (kindergeld.IsEnabled() &&
        (KindergeldMitLohnAusgezahlt(d.Jahr->GetValue()) || kindergeld.GetValue() != 0))
        Zeile("Kinder (-geld):", Anzeige(*d.Kinder), QString());
    for (const auto& [label, wert] : kMerkmale)
        WertZeile(label, wert(d));
    WertZeile("Krankenkasse:", *d.KasseName);
    for (const auto& [label, wert] : kVersicherung)
        WertZeile(label, wert(d));
    const TBoolean& keineZTab = *d.KeineZTab;
    if (keineZTab.IsEnabled())
        Zeile("Zusatztabelle anwenden:", Ja(keineZTab) ? "Nein" : "Ja", QString());
    WertZeile("Vorsorgepauschale:", *d.MerkerVSP);
    if (Ja(*d.KeineVSP))
        WertZeile("Keine Vorsorgepauschale:", *d.KeineVSP);
    for (const auto& [label, wert] : kSteuerkarte)
        WertZeile(label, wert(d));
    for (const auto& [label, wert] : kVersorgung)
        WertZeile(label, wert(d));
}

void TVtDruckEntgeltabrechnung::Abrechnung()
{
    const TLohnDaten& d = m_druckDaten;
    const TDouble& kindergeld = *d.Kindergeld;
    const bool mitLohn = KindergeldMitLohnAusgezahlt(d.Jahr->GetValue());
    // What the net pay shown above "Auszahlung" leaves out: child benefit paid with it, tax-free
    // items, the net deduction.
    double summe = d.KindergeldImNetto();
    bool netto = kindergeld.IsEnabled() && (mitLohn || kindergeld.GetValue() != 0);

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
                summe += p.daten.Brutto().GetValue();
            }
        }
        if (pflichtige) {
            SchriftFett();
            Zeile("Bezeichnung", mitte, "Brutto");
            SchriftNormal();
            Linie();
            for (const TPosten& p : posten) {
                if (p.Pflichtig())
                    Zeile(p.Bezeichnung(), p.NurBrutto() ? QString() : p.Netto(), p.Brutto());
            }
            Linie();
        }
    } else if (d.NettoAbz->GetValue() != 0) {
        netto = true;
        summe -= d.NettoAbz->GetValue();
    }

    Zeile("Gesamt-Bruttoentgelt:", QString(), Anzeige(*d.Entgelt));
    BetragZeile("Versorgungsbezüge: ", *d.Versorgungsbezuege);
    Zeilenvorschub(0.5);
    const QString marker = Ja(*d.Zusatztabelle_angewendet) ? "Z" : "";
    if (d.Lohnsteuer->GetValue() != 0 || !marker.isEmpty())
        Zeile("Lohnsteuer:     ", marker, Anzeige(*d.Lohnsteuer));
    BetragZeile("Kirchensteuer:", *d.Kirchensteuer);
    BetragZeile("Solidaritätszuschlag:", *d.Solidaritaetszuschlag);
    for (const TBeitragZeile& z : kBeitraege)
        SatzZeile(z.label, *(d.*z.betrag), *(d.*z.satz));
    if (Ja(*d.Kammer))
        Zeile(Anzeige(*d.Kammerbezeichnung) + ":", QString(), Anzeige(*d.Kammerbeitrag));

    if (netto) {
        Linie();
        const TDouble& nettoentgelt = *d.Nettoentgelt;
        // A net pay the calculation could not determine has no amount to subtract from.
        Zeile("Nettoentgelt:", QString(),
              nettoentgelt.IsUndetermined()
                  ? QString("???")
                  : QString::fromStdString(FloatToBetragStr(2, nettoentgelt.GetValue() - summe)));
        if (!posten.empty()) {
            for (const TPosten& p : posten) {
                if (!p.Pflichtig())
                    Zeile(p.Bezeichnung(), QString(), p.Brutto());
            }
        } else {
            BetragZeile(Anzeige(*d.NettoAbzText) + ":", *d.NettoAbz);
        }
        if (kindergeld.IsEnabled()) {
            if (mitLohn)
                Zeile("Kindergeld", QString(), Anzeige(kindergeld));
            else if (KiGImmerImNetto())
                BetragZeile("Kindergeld", kindergeld);
            else if (kindergeld.GetValue() != 0)
                Zeile("(Kindergeld  " + Anzeige(kindergeld) + ")", QString(), QString());
        }
    }
    Linie();
    Zeile("Auszahlung:", QString(), Anzeige(*d.Nettoentgelt));
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

    void Leer() { m_zeilen << QString(); }
    void Kopf(const QString& text) { m_zeilen << text; }
    void Zeile(const QString& text) { m_zeilen << kEinzug + text; }
    void Zeile(const QString& label, const QString& wert)
    {
        m_zeilen << kEinzug + BisSpalte(label, wert + m_einheit, 43);
    }
    void Zeile(const QString& label, const TValue& wert) { Zeile(label, Anzeige(wert)); }
    // A value line: nothing when its text is blank or the date is not entered (the page leaves
    // it empty); numbers of two places aligned at column 37 with their unit, other values after
    // the label padded to 32.
    void WertZeile(const QString& label, const TValue& wert)
    {
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
    t.WertZeile("Jahr:", *d.Jahrliste);
    for (const auto& [label, wert] : kGrunddaten)
        t.WertZeile(label, wert(d));
    const TDouble& kindergeld = *d.Kindergeld;
    const bool mitLohn = KindergeldMitLohnAusgezahlt(d.Jahr->GetValue());
    if (kindergeld.IsEnabled() && (mitLohn || kindergeld.GetValue() != 0))
        t.Zeile(QString("Kinder (-geld):").leftJustified(32) + Anzeige(*d.Kinder));
    for (const auto& [label, wert] : kMerkmale)
        t.WertZeile(label, wert(d));
    t.Zeile("Krankenkasse: " + Anzeige(*d.KasseName).rightJustified(29));
    for (const auto& [label, wert] : kVersicherung)
        t.WertZeile(label, wert(d));
    t.Leer();

    // Flat-rate wage tax: the employer pays the tax, the statement shows none.
    const bool lohnsteuer = !Ja(*d.PLSt);
    const TBoolean& keineZTab = *d.KeineZTab;
    if (keineZTab.IsEnabled() && lohnsteuer)
        t.Zeile(QString("Zusatztabelle anwenden:").leftJustified(32) +
                (Ja(keineZTab) ? "Nein" : "Ja"));
    t.WertZeile("Vorsorgepauschale:", *d.MerkerVSP);
    for (const auto& [label, wert] : kSteuerkarte)
        t.WertZeile(label, wert(d));
    t.WertZeile("Keine Vorsorgepauschale:", *d.KeineVSP);
    for (const auto& [label, wert] : kVersorgung)
        t.WertZeile(label, wert(d));
    if (lohnsteuer)
        t.Leer();

    t.Zeile("Entgelt: ", *d.Entgelt);
    if (lohnsteuer)
        t.Zeile("Versorgungsbezüge: ", *d.Versorgungsbezuege);
    t.Leer();
    if (lohnsteuer) {
        t.Zeile(QString("Lohnsteuer:    ") + (Ja(*d.Zusatztabelle_angewendet) ? "  Z" : ""),
                *d.Lohnsteuer);
        t.Zeile("Kirchensteuer:", *d.Kirchensteuer);
        t.Zeile("Solidaritätszuschlag:", *d.Solidaritaetszuschlag);
    }
    for (const TBeitragZeile& z : kBeitraege) {
        const TDouble& betrag = *(d.*z.betrag);
        if (betrag.IsEnabled())
            t.Zeile(QString(z.kurz) + Anzeige(*(d.*z.satz)).rightJustified(5) + " %", betrag);
    }
    if (Ja(*d.Kammer))
        t.Zeile(Anzeige(*d.Kammerbezeichnung) + ":", *d.Kammerbeitrag);
    t.Zeile(Anzeige(*d.NettoAbzText) + ":", *d.NettoAbz);
    if (kindergeld.IsEnabled()) {
        if (mitLohn)
            t.Zeile("Kindergeld:", kindergeld);
        else if (kindergeld.GetValue() != 0) {
            if (KiGImmerImNetto())
                t.Zeile("Kindergeld:", kindergeld);
            else
                t.Zeile("(Kindergeld  " + Anzeige(kindergeld) + ")");
        }
    }
    t.Zeile(QString(43, '-'));
    t.Zeile("Netto:", *d.Nettoentgelt);
    return t.Zeilen();
}
