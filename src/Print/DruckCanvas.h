#pragma once
// The surface a printout draws on, and the print job around it.
//
//   TDruckCanvas   what a printout needs of a sheet: its clip rectangle and page size in device
//                  pixels, its resolution, a font chosen by its cell height, text measured and
//                  drawn by its top-left corner, a pen for rules, filled rectangles, and a new
//                  sheet where the device has one. TQtDruckCanvas (QtDruckCanvas.h) draws on a
//                  printer, a PDF or the preview's image; the tests record every call with fixed
//                  metrics.
//   TDruckAuftrag  a print job: begun under a title, it hands out its canvas, and is ended by
//                  TDruckAuftragGuard also when drawing fails; a printer that refuses the job
//                  at its end is reported as an error, as one that cannot start.
//
// All lengths are pixels of the device in use.
#include "Lib/Exception.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <exception>

// A print job that cannot start or go on.
class EDruckFehler : public Exception {
public:
    using Exception::Exception;
};

struct TDruckSchrift {
    QString name = "Arial";
    // The height of a text line (the cell), not the size of the letters.
    int hoehe = 0;
    bool fett = false;
    bool kursiv = false;

    bool operator==(const TDruckSchrift&) const = default;
};

class TDruckCanvas {
public:
    virtual ~TDruckCanvas() = default;

    virtual QRect ClipRect() const = 0;
    // The printable page (procedure printouts measure from it).
    virtual QSize PageSize() const = 0;
    // Vertical resolution in pixels per inch.
    virtual int PixelProZoll() const = 0;

    virtual void SetSchrift(const TDruckSchrift& schrift) = 0;
    virtual int TextBreite(const QString& text) const = 0;
    // Draws the text with its cell's top-left corner at (x, y), black, without background.
    virtual void TextAus(int x, int y, const QString& text) = 0;
    virtual void SetStiftBreite(int breite) = 0;
    virtual void Linie(int x1, int y1, int x2, int y2) = 0;
    virtual void Fuellen(const QRect& rect, const QColor& farbe) = 0;
    // Goes on on a new sheet; false where the device has only one sheet (the preview's image).
    virtual bool NeueSeite() = 0;
};

class TDruckAuftrag {
public:
    virtual ~TDruckAuftrag() = default;

    // Starts the job under `titel`; raises EDruckFehler when the printer cannot start.
    virtual TDruckCanvas& Beginnen(const QString& titel) = 0;
    // Hands the job to the printer; raises EDruckFehler when the printer does not take it.
    // Ending an ended job does nothing.
    virtual void Beenden() = 0;
};

// Ends a begun job when the scope is left, also by an exception.
class TDruckAuftragGuard {
public:
    explicit TDruckAuftragGuard(TDruckAuftrag& auftrag) : m_auftrag(auftrag) {}
    ~TDruckAuftragGuard()
    {
        if (!m_offen)
            return;
        // Left by the drawing's exception: that one is the reason the user hears, and no second
        // one may leave a destructor.
        try {
            m_auftrag.Beenden();
        } catch (const std::exception&) {
        }
    }
    TDruckAuftragGuard(const TDruckAuftragGuard&) = delete;
    TDruckAuftragGuard& operator=(const TDruckAuftragGuard&) = delete;

    // Ends the job after its last page; a refusal of the printer passes on.
    void Beenden()
    {
        m_offen = false;
        m_auftrag.Beenden();
    }

private:
    TDruckAuftrag& m_auftrag;
    bool m_offen = true;
};
