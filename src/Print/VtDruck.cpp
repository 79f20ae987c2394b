#include "Print/VtDruck.h"

#include "Engine/Stammdaten/Waehrung.h"
#include "Lib/Component.h"
#include "Lib/Exception.h"
#include "MVCFrame/StringValue.h"

#include <algorithm>
#include <cmath>

namespace {

TDatum& FestesDatum()
{
    static TDatum datum;
    return datum;
}

} // namespace

void TVtDruck::SeiteEinrichten(TDruckCanvas& canvas)
{
    m_canvas = &canvas;
    m_abgeschnitten = false;
    m_blatt = 1;
    const QRect clip = canvas.ClipRect();
    // The clip's edges as the device counts them (the row below the last), or the page's.
    const int unten = Schema.seitenGroesse ? canvas.PageSize().height() : clip.y() + clip.height();
    const int rechts = Schema.seitenGroesse ? canvas.PageSize().width() : clip.x() + clip.width();
    const int b = unten / std::max(1, Schema.teiler);
    m_zeilenhoehe = b;
    m_hoeheNormal = b * Schema.normalZaehler / 19;
    m_hoeheKursiv = b * 30 / 19;
    m_hoeheTitel = b * 35 / 19;
    m_pixelProZoll = canvas.PixelProZoll();
    m_schrift = TDruckSchrift{"Arial", b, false, false};
    canvas.SetSchrift(m_schrift);
    m_zeichenbreite = canvas.TextBreite("X");
    m_zeilenhoehe = b * Schema.zeilenZehntel / 10;
    m_xLinks = m_zeichenbreite * RandLinks;
    m_xMitte = (rechts - m_xLinks) / 2 + m_xLinks;
    m_xRechts = rechts - m_zeichenbreite * RandRechts;
    m_yOben = m_zeilenhoehe * RandOben;
    // A sheet ends as far above its bottom as its first line lies below its top.
    m_yUnten = unten - m_yOben;
    canvas.SetStiftBreite(StiftBreite(m_pixelProZoll));
    m_y = m_yOben;
    DruckeSeite();
}

int TVtDruck::StiftBreite(int pixelProZoll)
{
    return static_cast<int>(std::nearbyint(pixelProZoll * (1 / 25.4) * 0.25));
}

void TVtDruck::Drucken(TDruckAuftrag& auftrag)
{
    TDruckCanvas& canvas = auftrag.Beginnen(Titel);
    TDruckAuftragGuard guard(auftrag);
    int kopien = Kopien;
    do {
        SeiteEinrichten(canvas);
        --kopien;
        if (kopien > 0 && !canvas.NeueSeite())
            throw EDruckFehler("Der Drucker hat keine neue Seite begonnen.");
    } while (kopien > 0);
}

void TVtDruck::Zeilenvorschub(double faktor)
{
    m_y += static_cast<int>(m_zeilenhoehe * faktor);
    m_vorgeschoben = true;
}

bool TVtDruck::Platz()
{
    if (m_abgeschnitten)
        return false;
    if (m_y + m_zeilenhoehe <= m_yUnten || m_y <= m_yOben)
        return true;
    if (!m_canvas->NeueSeite()) {
        m_abgeschnitten = true;
        return false;
    }
    ++m_blatt;
    m_y = m_yOben;
    Folgekopf();
    return true;
}

void TVtDruck::Folgekopf()
{
    const TDruckSchrift schrift = m_schrift;
    Schrift(m_hoeheNormal, false, true);
    if (const QString titel = Folgetitel(); !titel.isEmpty())
        m_canvas->TextAus(m_xLinks, m_y, titel);
    const QString rechts = HeuteAlsText() + ", Blatt " + QString::number(m_blatt);
    m_canvas->TextAus(m_xRechts - m_canvas->TextBreite(rechts), m_y, rechts);
    m_y += m_zeilenhoehe * 3 / 2;
    m_canvas->Linie(m_xLinks, m_y, m_xRechts, m_y);
    m_y += m_zeilenhoehe * 3 / 2;
    m_schrift = schrift;
    m_canvas->SetSchrift(schrift);
}

void TVtDruck::TextAus(int x, const QString& text)
{
    if (Platz())
        m_canvas->TextAus(x, m_y, text);
}

void TVtDruck::Zeile(const QString& label, const QString& mitte, const QString& rechts)
{
    TextAus(m_xLinks, label);
    if (!mitte.isEmpty()) {
        const int frueheste = m_xLinks + m_canvas->TextBreite(label) + 2 * m_zeichenbreite;
        TextAus(std::max(m_xMitte - m_canvas->TextBreite(mitte), frueheste), mitte);
    }
    if (!rechts.isEmpty()) {
        const QChar erstes = rechts.front();
        const bool zahl = erstes.isDigit() || erstes == '-' || erstes == '.' || erstes == '/';
        const int x = m_xRechts - m_canvas->TextBreite(rechts + Einheit);
        TextAus(x, zahl ? rechts + Einheit : rechts);
    }
    Zeilenvorschub(1.5);
}

void TVtDruck::DatumRechts()
{
    const QString datum = HeuteAlsText();
    TextAus(m_xRechts - m_canvas->TextBreite(datum), datum);
}

void TVtDruck::Kopfzeile(const QString& text)
{
    m_kopftext = text;
    m_y = m_yOben;
    SchriftTitel();
    TextAus(m_xLinks, text);
    SchriftNormal();
    DatumRechts();
    Zeilenvorschub(3);
}

void TVtDruck::Linie()
{
    if (Platz())
        m_canvas->Linie(m_xLinks, m_y, m_xRechts, m_y);
    Zeilenvorschub(0.5);
}

void TVtDruck::Zwischentitel(const QString& text)
{
    SchriftKursiv();
    TextAus(m_xLinks, text);
    SchriftNormal();
    Zeilenvorschub(2);
}

void TVtDruck::Schrift(int hoehe, bool fett, bool kursiv)
{
    m_schrift = TDruckSchrift{"Arial", hoehe, fett, kursiv};
    m_canvas->SetSchrift(m_schrift);
}

void TVtDruck::SchriftTitel()
{
    Schrift(m_hoeheTitel, true, true);
}

void TVtDruck::SchriftNormal()
{
    Schrift(m_hoeheNormal, false, false);
}

void TVtDruck::SchriftKursiv()
{
    Schrift(m_hoeheKursiv, false, true);
}

void TVtDruck::SchriftFett()
{
    Schrift(m_hoeheNormal, true, false);
}

QString HeuteAlsText()
{
    const TDatum fest = FestesDatum();
    return QString::fromStdString(DatumAlsText(fest.Jahr != 0 ? fest : DatumHeute()));
}

void HeuteFestlegen(const TDatum& datum)
{
    FestesDatum() = datum;
}

QString WaehrungVonJahr(int jahr)
{
    // Loaded for the one look-up and freed again: the file may have changed since the last one.
    auto waehrung = MakeComponent<TWaehrung>(nullptr, std::string());
    waehrung->Laden(jahr >= 2002 ? kWaehrungEuro : kWaehrungDM);
    return QString::fromStdString(waehrung->WaehrungDaten().Kuerzel().GetValue());
}

QString Leerzeichen(int anzahl)
{
    return anzahl < 1 ? QString() : QString(anzahl, ' ');
}

QString BisSpalte(const QString& links, const QString& text, int spalte)
{
    return links +
           Leerzeichen(spalte - static_cast<int>(links.size()) - static_cast<int>(text.size())) +
           text;
}

QString ZeilenText(const QStringList& zeilen)
{
    QString text;
    for (const QString& zeile : zeilen)
        text += zeile + "\r\n";
    return text;
}
