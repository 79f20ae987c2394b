#pragma once
// The canvas on Qt's painter: printer, PDF and the preview's image alike. Fonts are chosen by
// their cell height on the device itself (the screen's metrics would misplace every line on a
// 600 dpi printer), without kerning, so a text's width is the sum of its letters as measured.
#include "Print/DruckCanvas.h"

#include <QFont>
#include <QPainter>

#include <memory>

class QPaintDevice;
class QPrinter;

class TQtDruckCanvas : public TDruckCanvas {
public:
    // Draws with `painter`, which is active on `geraet` or draws `geraet`'s page scaled onto an
    // image (the preview): page, resolution and fonts are always `geraet`'s. `drucker`: the
    // printer behind it, for new sheets; nullptr for an image.
    TQtDruckCanvas(QPainter& painter, QPaintDevice& geraet, QPrinter* drucker = nullptr);

    QRect ClipRect() const override;
    QSize PageSize() const override;
    int PixelProZoll() const override;
    void SetSchrift(const TDruckSchrift& schrift) override;
    int TextBreite(const QString& text) const override;
    void TextAus(int x, int y, const QString& text) override;
    void SetStiftBreite(int breite) override;
    void Linie(int x1, int y1, int x2, int y2) override;
    void Fuellen(const QRect& rect, const QColor& farbe) override;
    bool NeueSeite() override;

    // The font whose line height on `geraet` is `schrift.hoehe` pixels.
    static QFont FontFuer(const TDruckSchrift& schrift, QPaintDevice& geraet);

private:
    QPainter& m_painter;
    QPaintDevice& m_geraet;
    QPrinter* m_drucker;
};

// A print job on a printer or PDF file.
class TQtDruckAuftrag : public TDruckAuftrag {
public:
    explicit TQtDruckAuftrag(QPrinter& drucker);
    ~TQtDruckAuftrag() override;

    TDruckCanvas& Beginnen(const QString& titel) override;
    void Beenden() override;

private:
    // Ends the painter's job; false when the printer did not take it.
    bool Schliessen();

    QPrinter& m_drucker;
    QPainter m_painter;
    std::unique_ptr<TQtDruckCanvas> m_canvas;
};

// The program's one printer, whose settings the print dialog keeps from one print to the next.
QPrinter& Drucker();
// After a job: a printer left in another state than idle takes no further job or setting (Qt's
// PDF engine stays active when it has no file to write), so a new one with the same printer or
// file, page and colour takes its place.
void DruckerBereitHalten();
