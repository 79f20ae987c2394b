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
    guard.Beenden();
}

void TVtDruck::Zeilenvorschub(double faktor)
{
    m_y += static_cast<int>(m_zeilenhoehe * faktor);
    m_vorgeschoben = true;
}

bool TVtDruck::Platz(int hoehe)
{
    if (m_abgeschnitten)
        return false;
    if (m_y + hoehe <= m_yUnten || m_y <= m_yOben)
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
    const QString rechts = HeuteAlsText() + ", Blatt " + QString::number(m_blatt);
    const int xDatum = m_xRechts - m_canvas->TextBreite(rechts);
    // A long title (the employee's name) wraps two characters before the date.
    const QStringList titel = Umbrechen(Folgetitel(), xDatum - 2 * m_zeichenbreite - m_xLinks);
    if (!titel.front().isEmpty())
        m_canvas->TextAus(m_xLinks, m_y, titel.front());
    m_canvas->TextAus(xDatum, m_y, rechts);
    for (qsizetype i = 1; i < titel.size(); ++i) {
        m_y += std::max(m_zeilenhoehe, m_hoeheNormal);
        m_canvas->TextAus(m_xLinks, m_y, titel[i]);
    }
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

QStringList TVtDruck::Umbrechen(const QString& text, int breite) const
{
    if (text.trimmed().isEmpty() || m_canvas->TextBreite(text.trimmed()) <= breite)
        return {text};
    QStringList zeilen;
    QString zeile;
    for (const QString& wort : text.split(' ', Qt::SkipEmptyParts)) {
        const QString laenger = zeile.isEmpty() ? wort : zeile + ' ' + wort;
        if (m_canvas->TextBreite(laenger) <= breite) {
            zeile = laenger;
            continue;
        }
        if (!zeile.isEmpty())
            zeilen << zeile;
        zeile = wort;
        // A word wider than the line is cut where it must be, at least one letter a line.
        while (zeile.size() > 1 && m_canvas->TextBreite(zeile) > breite) {
            qsizetype n = zeile.size() - 1;
            while (n > 1 && m_canvas->TextBreite(zeile.left(n)) > breite)
                --n;
            zeilen << zeile.left(n);
            zeile = zeile.mid(n);
        }
    }
    if (!zeile.isEmpty())
        zeilen << zeile;
    return zeilen;
}

void TVtDruck::Folgezeile()
{
    // The line unit is smaller than the normal font's own line: wrapped lines would touch.
    m_y += std::max(m_zeilenhoehe, m_hoeheNormal);
    m_vorgeschoben = true;
}

void TVtDruck::ZeilenAus(int x, const QStringList& zeilen)
{
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (i > 0)
            Folgezeile();
        TextAus(x, zeilen[i]);
    }
}

void TVtDruck::Zeile(const QString& label, const QString& mitte, const QString& rechts)
{
    const int abstand = 2 * m_zeichenbreite;
    // The right text stays where the amounts stand; label and middle text keep a gap to it.
    int grenze = m_xRechts;
    int xRechtsText = 0;
    QString rechtsText;
    if (!rechts.isEmpty()) {
        const QChar erstes = rechts.front();
        const bool zahl = erstes.isDigit() || erstes == '-' || erstes == '.' || erstes == '/';
        xRechtsText = m_xRechts - m_canvas->TextBreite(rechts + Einheit);
        rechtsText = zahl ? rechts + Einheit : rechts;
        grenze = xRechtsText - abstand;
    }
    // A label too long for its room wraps, leaving the middle text up to half the line; the
    // middle and right texts stand on the label's last line.
    const int platzMitte =
        mitte.isEmpty() ? 0
                        : std::min(m_canvas->TextBreite(mitte), (grenze - m_xLinks) / 2) + abstand;
    const QStringList labelZeilen = Umbrechen(label, grenze - platzMitte - m_xLinks);
    // The middle text never closer than the gap to the label's last line, wrapped before the
    // right text or the margin.
    const int frueheste = m_xLinks + m_canvas->TextBreite(labelZeilen.back()) + abstand;
    const QStringList teile =
        mitte.isEmpty() ? QStringList() : Umbrechen(mitte, grenze - frueheste);
    int breite = 0;
    for (const QString& teil : teile)
        breite = std::max(breite, m_canvas->TextBreite(teil));
    const int xMitteText = std::max(std::min(m_xMitte, grenze) - breite, frueheste);
    // A wrapped line stays on one sheet with its amount.
    const auto folgezeilen = labelZeilen.size() - 1 + std::max<qsizetype>(teile.size() - 1, 0);
    Platz(static_cast<int>(folgezeilen) * std::max(m_zeilenhoehe, m_hoeheNormal) + m_zeilenhoehe);
    for (qsizetype i = 0; i + 1 < labelZeilen.size(); ++i) {
        TextAus(m_xLinks, labelZeilen[i]);
        Folgezeile();
    }
    TextAus(m_xLinks, labelZeilen.back());
    if (!teile.isEmpty())
        TextAus(xMitteText, teile.front());
    if (!rechtsText.isEmpty())
        TextAus(xRechtsText, rechtsText);
    for (qsizetype i = 1; i < teile.size(); ++i) {
        Folgezeile();
        TextAus(xMitteText, teile[i]);
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
    waehrung->Laden(WaehrungDesJahres(jahr));
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
