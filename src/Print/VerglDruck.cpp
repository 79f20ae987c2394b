#include "Print/VerglDruck.h"

#include "Lib/Exception.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "Print/DruckWerte.h"

#include <algorithm>
#include <utility>

QString Bemerkung(double d, bool vorzeichen)
{
    if (!vorzeichen)
        d = -d;
    if (d > 0.001)
        return "Mehrbelastung";
    if (d < -0.001)
        return "Entlastung";
    return QString();
}

QString VergleichAnzeige(const TDaten& daten, const char* name)
{
    return QString::fromStdString(DruckWert(daten, name).GetDisplayText());
}

double VergleichZahl(const TDaten& daten, const char* name)
{
    const auto* zahl = dynamic_cast<const TDouble*>(&DruckWert(daten, name));
    if (!zahl)
        throw Exception("Druck: \"" + std::string(name) + "\" ist kein Betrag.");
    return zahl->GetValue();
}

namespace {

bool Blank(const QString& text)
{
    return text.trimmed().isEmpty();
}

} // namespace

TVtDruckVergleich::TVtDruckVergleich(const TVergleichsFaelle& faelle, QString breiteLabel,
                                     int zeilenZehntel)
    : m_faelle(faelle), m_breiteLabel(std::move(breiteLabel))
{
    Schema = TDruckSchema::Prozedur(20, zeilenZehntel);
    RandLinks = 6;
    RandRechts = 2;
}

void TVtDruckVergleich::SpaltenEinrichten()
{
    SchriftNormal();
    const int cw = Zeichenbreite();
    m_x4 = XRechts() - Canvas().TextBreite("Mehrbelastung");
    m_x3 = m_x4 - 2 * cw;
    const int w = Canvas().TextBreite(m_breiteLabel);
    const int schritt = (m_x3 - XLinks() - w) / 3;
    m_x1 = XLinks() + w + schritt;
    m_x2 = m_x1 + schritt;
}

void TVtDruckVergleich::ZeileVergleich(const QString& label, const QString& s1,
                                       const QString& s2, const QString& s3, const QString& s4)
{
    if (Blank(s1) && Blank(s2) && Blank(s3) && Blank(s4))
        return;
    TextAus(XLinks(), label);
    // Each text keeps a character's gap to the one before it, moving right where it must; one
    // that no longer fits before the right margin goes on one line down in its own column, and
    // one wider than the whole line wraps there, whole.
    const int abstand = Zeichenbreite();
    int ende = label.isEmpty() ? XLinks() - abstand : XLinks() + Canvas().TextBreite(label);
    const struct {
        const QString& text;
        int kante;
        bool rechtsbuendig;
    } spalten[] = {{s1, m_x1, true}, {s2, m_x2, true}, {s3, m_x3, true}, {s4, m_x4, false}};
    for (const auto& [text, kante, rechtsbuendig] : spalten) {
        if (Blank(text))
            continue;
        const int breite = Canvas().TextBreite(text);
        const int eigene = rechtsbuendig ? kante - breite : kante;
        int x = std::max(eigene, ende + abstand);
        if (x + breite > XRechts() && ende >= XLinks() && breite <= XRechts() - XLinks()) {
            Folgezeile();
            x = std::clamp(eigene, XLinks(), XRechts() - breite);
        }
        const QStringList teile = Umbrechen(text, XRechts() - x);
        ZeilenAus(x, teile);
        ende = x + Canvas().TextBreite(teile.back());
    }
    Zeilenvorschub(1.5);
}

QString TVtDruckVergleich::WertMitWaehrung(const TDaten& daten, const TDaten& waehrung,
                                           const char* name) const
{
    const QString text = VergleichAnzeige(daten, name);
    return Blank(text) ? text : text + " " + VergleichAnzeige(waehrung, "WaehrungStr");
}

void TVtDruckVergleich::ZeileWert(const QString& label, const char* name)
{
    // The difference is held in case 2's currency, and says so.
    ZeileVergleich(label, WertMitWaehrung(m_faelle.fall1, m_faelle.fall1, name),
                   WertMitWaehrung(m_faelle.fall2, m_faelle.fall2, name),
                   WertMitWaehrung(m_faelle.diff, m_faelle.fall2, name), QString());
}

void TVtDruckVergleich::ZeileDiff(const QString& label, const char* name, bool vorzeichen)
{
    ZeileVergleich(label, WertMitWaehrung(m_faelle.fall1, m_faelle.fall1, name),
                   WertMitWaehrung(m_faelle.fall2, m_faelle.fall2, name),
                   WertMitWaehrung(m_faelle.diff, m_faelle.fall2, name),
                   Bemerkung(VergleichZahl(m_faelle.diff, name), vorzeichen));
}

void TVergleichText::Kopf(const QString& titel)
{
    const QString datum = HeuteAlsText();
    m_zeilen << titel + Leerzeichen(58 - static_cast<int>(datum.size())) + datum;
}

void TVergleichText::ZeileVergleich(const QString& label, const QString& s1, const QString& s2,
                                    const QString& s3, const QString& s4)
{
    if (Blank(s1) && Blank(s2) && Blank(s3) && Blank(s4))
        return;
    QString zeile = label;
    const std::pair<const QString&, int> spalten[] = {{s1, 37}, {s2, 52}, {s3, 66}};
    // A text that reaches past its column still keeps a blank to what precedes it.
    for (const auto& [text, spalte] : spalten)
        if (!Blank(text))
            zeile = BisSpalte(zeile + " ", text, spalte);
    if (!Blank(s4))
        zeile += " " + s4;
    m_zeilen << zeile;
}

void TVergleichText::ZeileWert(const QString& label, const char* name)
{
    ZeileVergleich(label, VergleichAnzeige(m_faelle.fall1, name),
                   VergleichAnzeige(m_faelle.fall2, name),
                   VergleichZahl(m_faelle.diff, name) == 0 ? QString()
                                                           : VergleichAnzeige(m_faelle.diff, name),
                   QString());
}

void TVergleichText::ZeileDiff(const QString& label, const char* name, bool vorzeichen)
{
    const QString bemerkung = Bemerkung(VergleichZahl(m_faelle.diff, name), vorzeichen);
    ZeileVergleich(label, VergleichAnzeige(m_faelle.fall1, name),
                   VergleichAnzeige(m_faelle.fall2, name),
                   bemerkung.isEmpty() ? QString() : VergleichAnzeige(m_faelle.diff, name),
                   bemerkung);
}
