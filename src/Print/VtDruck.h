#pragma once
// The printouts and their base.
//
//   TVtDruck          an object printout: sets up any canvas (printer, PDF, the preview's image),
//                     takes every size from that canvas's clip rectangle and resolution, and draws
//                     one page through the virtual page body. Lines advance in line units; a line
//                     that would run off the sheet goes on on a new sheet where the device has
//                     one (paper, PDF) and is left out where it has not (the preview). Each
//                     further sheet starts with a short heading: title, date and sheet number.
//   TDruckText        the text form of a printout: fixed-width lines for the clipboard and for
//                     printing to a file.
//   HeuteAlsText      today as printed on every printout ("dd.mm.yyyy"), fixed by tests.
//   WaehrungVonJahr   the abbreviation of a year's legal currency (DM up to 2001, euro from 2002).
//
// A new printout derives from TVtDruck, overrides DruckeSeite (which starts with Kopfzeile), and
// writes its lines with TextAus, Zeilenvorschub, Linie and the three fonts. Its creator sets
// Kopien and Titel and prints it with AufDruckerDrucken (DruckAusgabe.h), which keeps the
// program's printer usable after a failed job, or calls Drucken with a print job of its own (a
// TQtDruckAuftrag over a PDF printer); the preview calls SeiteEinrichten with a canvas that draws
// the paper's page onto its image. A printout that is printed only (income tax, the year
// comparisons, marginal employment) sets Schema to TDruckSchema::Prozedur and its margins, and is
// otherwise written the same way.
#include "Lib/Datum.h"
#include "Print/DruckCanvas.h"

#include <QString>
#include <QStringList>

#include <string>

// How a printout takes its sizes from the sheet. Object printouts (the default): the base unit B
// is the clip rectangle's height div 75, a line 9/10 of B. Printouts for paper only: B is the
// page's height div 70 and a line is B (9/10 of B in the wage year comparison); the two year
// comparisons write normal text at 20/19 of B instead of 23/19.
struct TDruckSchema {
    int teiler = 75;
    bool seitenGroesse = false;
    int normalZaehler = 23;
    int zeilenZehntel = 9;

    static TDruckSchema Prozedur(int normalZaehler = 23, int zeilenZehntel = 10)
    {
        return TDruckSchema{70, true, normalZaehler, zeilenZehntel};
    }
};

class TVtDruck {
public:
    TVtDruck() = default;
    virtual ~TVtDruck() = default;
    TVtDruck(const TVtDruck&) = delete;
    TVtDruck& operator=(const TVtDruck&) = delete;

    QString Titel;
    int Kopien = 1;
    // Margins: left and right in character widths, top in line heights.
    int RandLinks = 10;
    int RandRechts = 15;
    int RandOben = 5;
    // Unit text the page body appends to amounts.
    QString Einheit;
    TDruckSchema Schema;

    // Sets up the canvas and draws one page (more sheets where the page runs long).
    void SeiteEinrichten(TDruckCanvas& canvas);
    // Prints Kopien pages (at least one) in one job; the job is ended also when drawing fails.
    void Drucken(TDruckAuftrag& auftrag);

    // Y advances by the line height times `faktor`, truncated.
    void Zeilenvorschub(double faktor);
    void VorschubMerkerLoeschen() { m_vorgeschoben = false; }
    // Draws the text with its top-left corner at (x, Y) in the current font.
    void TextAus(int x, const QString& text);

    // Label at the left margin, a middle text ending at the middle column (never closer than two
    // characters to the label), a right text ending with Einheit at the right margin; then 1.5
    // lines down. A right text that is no number starts where a number with unit would. A label
    // or middle text that would come closer than two characters to what follows it, or run past
    // the right margin, wraps onto further lines: nothing is lost.
    void Zeile(const QString& label, const QString& mitte, const QString& rechts);

    virtual void DatumRechts();
    virtual void Kopfzeile(const QString& text);
    virtual void Linie();
    virtual void DruckeSeite() = 0;
    virtual void Zwischentitel(const QString& text);
    virtual void SchriftTitel();
    virtual void SchriftNormal();
    virtual void SchriftKursiv();
    // The title in the heading of each further sheet: Kopfzeile's text unless a printout names
    // more (the employee).
    virtual QString Folgetitel() const { return m_kopftext; }

    // The metrics of the page being drawn (valid after SeiteEinrichten).
    bool Vorgeschoben() const { return m_vorgeschoben; }
    int PixelProZoll() const { return m_pixelProZoll; }
    int Zeilenhoehe() const { return m_zeilenhoehe; }
    int Zeichenbreite() const { return m_zeichenbreite; }
    int HoeheNormal() const { return m_hoeheNormal; }
    int HoeheKursiv() const { return m_hoeheKursiv; }
    int HoeheTitel() const { return m_hoeheTitel; }
    int XLinks() const { return m_xLinks; }
    int XMitte() const { return m_xMitte; }
    int XRechts() const { return m_xRechts; }
    int YOben() const { return m_yOben; }
    int Y() const { return m_y; }
    // The sheet being drawn, from 1.
    int Blatt() const { return m_blatt; }
    // 0.25 mm in pixels at `pixelProZoll`, halves to even.
    static int StiftBreite(int pixelProZoll);

protected:
    TDruckCanvas& Canvas() const { return *m_canvas; }
    // One line of the normal font further down, for a text continued on the next line.
    void Folgezeile();
    // The text in the current font in lines no wider than `breite`, broken at blanks (a word
    // wider than that is cut); a text that fits is kept as it is.
    QStringList Umbrechen(const QString& text, int breite) const;
    // The lines at x one below the other, from Y; Y stays on the last.
    void ZeilenAus(int x, const QStringList& zeilen);
    // The normal font, bold (table headings).
    void SchriftFett();

private:
    void Schrift(int hoehe, bool fett, bool kursiv);
    // Before a line at Y, or lines `hoehe` high: a new sheet when they would run off this one.
    bool Platz() { return Platz(m_zeilenhoehe); }
    bool Platz(int hoehe);
    // The heading of a further sheet, in italics; the font in use before is restored.
    void Folgekopf();

    TDruckCanvas* m_canvas = nullptr;
    TDruckSchrift m_schrift;
    QString m_kopftext;
    int m_blatt = 1;
    bool m_vorgeschoben = false;
    // Nothing more fits and the device has no further sheet.
    bool m_abgeschnitten = false;
    int m_pixelProZoll = 0;
    int m_zeilenhoehe = 0;
    int m_zeichenbreite = 0;
    int m_hoeheNormal = 0;
    int m_hoeheKursiv = 0;
    int m_hoeheTitel = 0;
    int m_xLinks = 0;
    int m_xMitte = 0;
    int m_xRechts = 0;
    int m_yOben = 0;
    int m_yUnten = 0;
    int m_y = 0;
};

// Today's date as printed, "dd.mm.yyyy".
QString HeuteAlsText();
// Fixes the printed date (tests); the cleared date goes back to today.
void HeuteFestlegen(const TDatum& datum);

// The abbreviation ("Kuerzel") of the legal currency of `jahr` from the currencies file: the
// currency "Euro" from 2002, "DM" before.
QString WaehrungVonJahr(int jahr);

// Fixed-width text lines: columns count characters; blanks for a count below 1 are none, so an
// over-long label pushes the value right and nothing is cut.
QString Leerzeichen(int anzahl);
// `text` preceded by blanks so that it ends at column `spalte` after `links`.
QString BisSpalte(const QString& links, const QString& text, int spalte);
// The lines joined as on the clipboard and in a text file: each ended by CR LF.
QString ZeilenText(const QStringList& zeilen);
