#include "Print/StKlVergleichDruck.h"

#include "Engine/Vergleich/StKlVergleich.h"
#include "Lib/Exception.h"
#include "MVCFrame/IntegerValue.h"
#include "Print/DruckAusgabe.h"
#include "Print/DruckWerte.h"

#include <algorithm>

namespace {

const TDaten& EhegatteA(const TStKlVergleichDaten& d)
{
    return d.EhegatteA().Daten();
}

const TDaten& EhegatteB(const TStKlVergleichDaten& d)
{
    return d.EhegatteB().Daten();
}

int Jahr(const TDaten& d)
{
    const auto* jahr = dynamic_cast<const TInteger*>(&DruckWert(d, "Jahr"));
    if (!jahr)
        throw Exception("Druck: \"Jahr\" ist keine Zahl.");
    return jahr->GetValue();
}

// The unit after a value of the pay data.
enum class TEinheit { Keine, Jahreswaehrung, Betrag, Prozent };

struct TAbZeile {
    const char* label;
    const char* wert;
    TEinheit einheit;
};

const TAbZeile kEntgeltdaten[] = {
    {"Kinderfreibeträge:", "Kinderfreibetraege", TEinheit::Keine},
    {"Freibetrag:", "Freibetrag", TEinheit::Jahreswaehrung},
    {"Hinzurechnungsbetrag:", "Hinzurechnungsbetrag", TEinheit::Jahreswaehrung},
    {"Versorgungsbezüge:", "Versorgungsbezuege", TEinheit::Betrag},
    {"Versorgungsbeginn:", "Versorgungsbeginn", TEinheit::Keine},
    {"Monate:", "MonateVersBez", TEinheit::Keine},
    {"Bezug im 1. vollen Monat:", "VersBezBemGrdlMonat", TEinheit::Betrag},
    {"Sonderzahlungen:", "Sonderzahlungen", TEinheit::Betrag},
    {"Geburtsdatum:", "Geburtsdatum", TEinheit::Keine},
    {"Beitragsgruppenschlüssel:", "BGS", TEinheit::Keine},
    {"Ost BBG RV:", "OstBBGRV", TEinheit::Keine},
    {"KV-Zusatzbeitragsatz:", "KVZBSatz", TEinheit::Prozent},
    {"Privat-KV+PV Beitrag:", "PrivatKPVBeitrag", TEinheit::Betrag},
    // The employer's subsidy twice under one label: its amount, then whether it is paid.
    {"AG-Zuschuss:", "PrivatKPVAGZuschuss", TEinheit::Betrag},
    {"AG-Zuschuss:", "AGZuschussPrivatKV", TEinheit::Keine},
};

struct TSummenZeile {
    const char* label;
    TLohnsteuerDaten& (TStKlVergleichDaten::*lohnsteuer)() const;
};

const TSummenZeile kLohnsteuer[] = {
    {"Steuerklasse 3/5:", &TStKlVergleichDaten::LSt35},
    {"Steuerklasse 4/4:", &TStKlVergleichDaten::LSt44},
    {"Steuerklasse 5/3:", &TStKlVergleichDaten::LSt53},
};

// The two units the comparison writes, from spouse A's currency and year.
struct TEinheiten {
    QString betrag;
    QString jahr;

    explicit TEinheiten(const TStKlVergleichDaten& d)
        : betrag("  " + Anzeige(DruckWert(EhegatteA(d), "WaehrungStr"))),
          jahr(WaehrungVonJahr(Jahr(EhegatteA(d))))
    {
    }
    QString Von(TEinheit einheit) const
    {
        switch (einheit) {
        case TEinheit::Jahreswaehrung:
            return jahr;
        case TEinheit::Betrag:
            return betrag;
        case TEinheit::Prozent:
            return "  %";
        case TEinheit::Keine:
            break;
        }
        return QString();
    }
};

bool Leer(const QString& text)
{
    return text == " ";
}

} // namespace

void TVtDruckStKlVergleich::ZeileAB(const QString& label, const QString& a, const QString& b,
                                    const QString& einheit)
{
    TextAus(XLinks(), label);
    if (!Leer(a) && !(a + einheit).isEmpty()) {
        const int x = std::max(XLinks() + Canvas().TextBreite(label),
                               m_xSpalteA - Canvas().TextBreite(a));
        TextAus(x, a + einheit);
    }
    if (!Leer(b) && !(b + einheit).isEmpty())
        TextAus(m_xSpalteB - Canvas().TextBreite(b), b + einheit);
    Zeilenvorschub(1.5);
}

void TVtDruckStKlVergleich::WertZeileAB(const QString& label, const TValue& a, const TValue& b,
                                        const QString& einheit)
{
    if (HatWert(a) || HatWert(b))
        ZeileAB(label, Anzeige(a), Anzeige(b), einheit);
}

void TVtDruckStKlVergleich::SummenZeile(const QString& label, const TValue& a, const TValue& b,
                                        const TValue& gesamt)
{
    TextAus(XLinks(), label);
    const QString textA = Anzeige(a);
    TextAus(std::max(XLinks() + Canvas().TextBreite(label) + 2 * Zeichenbreite(),
                     m_xSpalteA - Canvas().TextBreite(textA)),
            textA + Betragseinheit);
    const QString textB = Anzeige(b);
    const QString spalteB = textB + Betragseinheit + "    =";
    const int xB = m_xSpalteB - Canvas().TextBreite(textB);
    TextAus(xB, spalteB);
    const QString summe = Anzeige(gesamt);
    TextAus(std::max(xB + Canvas().TextBreite(spalteB), XRechts() - Canvas().TextBreite(summe)),
            summe + Betragseinheit);
    Zeilenvorschub(1.5);
}

void TVtDruckStKlVergleich::DruckeSeite()
{
    const TEinheiten einheiten(m_druckDaten);
    Betragseinheit = einheiten.betrag;
    Jahreswaehrung = einheiten.jahr;
    m_xSpalteA = (XRechts() - XLinks()) / 2 + XLinks() - 2 * Zeichenbreite();
    m_xSpalteB = static_cast<int>((XRechts() - XLinks()) * 0.75) + XLinks();

    const TDaten& a = EhegatteA(m_druckDaten);
    const TDaten& b = EhegatteB(m_druckDaten);
    Kopfzeile("Steuerklassenvergleich " + Anzeige(DruckWert(a, "Jahrliste")));
    ZeileAB("Zeitraum:", Anzeige(DruckWert(a, "Zeitraum")), QString(), QString());
    Zeilenvorschub(2);
    Zwischentitel("Entgeltdaten");
    Zeilenvorschub(1);
    ZeileAB(QString(), "Ehegatte -A-", "Ehegatte -B-", QString());
    Zeilenvorschub(1);
    ZeileAB("Bruttoentgelt:", Anzeige(DruckWert(a, "Entgelt")), Anzeige(DruckWert(b, "Entgelt")),
            Betragseinheit);
    for (const TAbZeile& z : kEntgeltdaten)
        WertZeileAB(z.label, DruckWert(a, z.wert), DruckWert(b, z.wert), einheiten.Von(z.einheit));
    Zeilenvorschub(2);
    Zwischentitel("Lohnsteuer");
    Zeilenvorschub(1);
    for (const TSummenZeile& z : kLohnsteuer) {
        const TLohnsteuerDaten& lst = (m_druckDaten.*z.lohnsteuer)();
        SummenZeile(z.label, lst.A(), lst.B(), lst.Gesamt());
    }
    Zeilenvorschub(2);
    Zwischentitel(Anzeige(m_druckDaten.Ergebnis()));
}

void DruckeStKlVergleich(const TStKlVergleichDaten& daten, int kopien, const QString& titel)
{
    TVtDruckStKlVergleich druck(daten);
    AufDruckerDrucken(druck, kopien, titel);
}

namespace {

// A text line of the comparison: columns A and B and the totals end at fixed columns.
class TAbText {
public:
    static constexpr int kSpalteA = 31;
    static constexpr int kSpalteB = 49;
    static constexpr int kSpalteGesamt = 66;

    explicit TAbText(const QString& label) : m_zeile(label) {}

    // The text ending at `spalte`, then its unit; a text of exactly one blank is left out. At
    // least one blank before it unless `getrennt` is off.
    TAbText& Spalte(const QString& text, const QString& einheit, int spalte, bool getrennt = true)
    {
        if (Leer(text))
            return *this;
        const int blanks = spalte - static_cast<int>(m_zeile.size() + text.size());
        m_zeile += Leerzeichen(getrennt ? std::max(1, blanks) : blanks) + text + einheit;
        return *this;
    }
    QString Zeile() const { return m_zeile; }

private:
    QString m_zeile;
};

} // namespace

QStringList StKlVergleichAlsText(const TStKlVergleichDaten& d)
{
    const TEinheiten einheiten(d);
    const TDaten& a = EhegatteA(d);
    const TDaten& b = EhegatteB(d);
    QStringList zeilen;
    zeilen << BisSpalte("Steuerklassenvergleich " + Anzeige(DruckWert(a, "Jahrliste")),
                        HeuteAlsText(), 66);
    zeilen << QString();
    zeilen << TAbText("Zeitraum:")
                  .Spalte(Anzeige(DruckWert(a, "Zeitraum")), QString(), TAbText::kSpalteA)
                  .Spalte(QString(), QString(), TAbText::kSpalteB)
                  .Zeile();
    zeilen << QString() << QString() << "Entgeltdaten" << QString();
    zeilen << TAbText(QString())
                  .Spalte("Ehegatte -A-", QString(), TAbText::kSpalteA)
                  .Spalte("Ehegatte -B-", QString(), TAbText::kSpalteB)
                  .Zeile();
    zeilen << QString();
    zeilen << TAbText("Bruttoentgelt:")
                  .Spalte(Anzeige(DruckWert(a, "Entgelt")), einheiten.betrag, TAbText::kSpalteA)
                  .Spalte(Anzeige(DruckWert(b, "Entgelt")), einheiten.betrag, TAbText::kSpalteB)
                  .Zeile();
    for (const TAbZeile& z : kEntgeltdaten) {
        const TValue& wa = DruckWert(a, z.wert);
        const TValue& wb = DruckWert(b, z.wert);
        if (!HatWert(wa) && !HatWert(wb))
            continue;
        const QString einheit = einheiten.Von(z.einheit);
        zeilen << TAbText(z.label)
                      .Spalte(Anzeige(wa), einheit, TAbText::kSpalteA)
                      .Spalte(Anzeige(wb), einheit, TAbText::kSpalteB)
                      .Zeile();
    }
    zeilen << QString() << "Lohnsteuer" << QString();
    for (const TSummenZeile& z : kLohnsteuer) {
        const TLohnsteuerDaten& lst = (d.*z.lohnsteuer)();
        zeilen << TAbText(z.label)
                      .Spalte(Anzeige(lst.A()), einheiten.betrag, TAbText::kSpalteA)
                      .Spalte(Anzeige(lst.B()), einheiten.betrag + "  =", TAbText::kSpalteB, false)
                      .Spalte(Anzeige(lst.Gesamt()), einheiten.betrag, TAbText::kSpalteGesamt)
                      .Zeile();
    }
    zeilen << QString() << Anzeige(d.Ergebnis());
    return zeilen;
}
