#include "Print/QtDruckCanvas.h"

#include "Lib/FileSystem.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPen>
#include <QPrinter>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The errno that keeps `datei` from being written, 0 when none shows. Opened without creating and
// without blocking (a named pipe), so that asking leaves nothing behind.
int SchreibFehler(const QString& datei)
{
    const int fd = ::open(QFile::encodeName(datei).constData(),
                          O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return 0;
    }
    if (errno != ENOENT)
        return errno;
    const QByteArray ordner = QFile::encodeName(QFileInfo(datei).absolutePath());
    return ::access(ordner.constData(), W_OK | X_OK) == 0 ? 0 : errno;
}

// Why printing into a file did not `geschehen` ("gestartet", "abgeschlossen"), with the reason of
// the file system where it gives one.
std::string DateiFehler(const QString& datei, const char* geschehen)
{
    const int fehler = SchreibFehler(datei);
    return "Der Druck in die Datei \"" + datei.toStdString() + "\" konnte nicht " + geschehen +
           " werden" + (fehler != 0 ? ": " + SystemFehlerText(fehler) : std::string()) + ".";
}

// Why the printer did not start, in the user's words.
std::string StartFehler(const QPrinter& drucker)
{
    const QString datei = drucker.outputFileName();
    if (!datei.isEmpty())
        return DateiFehler(datei, "gestartet");
    // Without a printer, Qt offers a PDF engine that has no file to write to.
    if (drucker.outputFormat() == QPrinter::PdfFormat || drucker.printerName().isEmpty())
        return "Der Druck konnte nicht gestartet werden: Kein Drucker eingerichtet.";
    return "Der Druck auf \"" + drucker.printerName().toStdString() +
           "\" konnte nicht gestartet werden.";
}

// Why the printer did not take the finished job. Qt names no reason of the spooler's; a file that
// could not be written names its own.
std::string EndFehler(const QPrinter& drucker)
{
    const QString datei = drucker.outputFileName();
    if (!datei.isEmpty())
        return DateiFehler(datei, "abgeschlossen");
    const std::string name = drucker.printerName().toStdString();
    if (drucker.printerState() == QPrinter::Aborted)
        return "Der Druck auf \"" + name + "\" wurde abgebrochen.";
    return "Der Drucker \"" + name + "\" nimmt keine Aufträge an.";
}

QPrinter*& DruckerZeiger()
{
    // Kept to the end of the process: the printer's settings outlive every window.
    static QPrinter* drucker = new QPrinter(QPrinter::HighResolution);
    return drucker;
}

} // namespace

TQtDruckCanvas::TQtDruckCanvas(QPainter& painter, QPaintDevice& geraet, QPrinter* drucker)
    : m_painter(painter), m_geraet(geraet), m_drucker(drucker)
{
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setBackgroundMode(Qt::TransparentMode);
}

QRect TQtDruckCanvas::ClipRect() const
{
    return QRect(0, 0, m_geraet.width(), m_geraet.height());
}

QSize TQtDruckCanvas::PageSize() const
{
    return QSize(m_geraet.width(), m_geraet.height());
}

int TQtDruckCanvas::PixelProZoll() const
{
    return m_geraet.logicalDpiY();
}

QFont TQtDruckCanvas::FontFuer(const TDruckSchrift& schrift, QPaintDevice& geraet)
{
    QFont font(schrift.name);
    font.setStyleHint(QFont::SansSerif);
    font.setKerning(false);
    font.setBold(schrift.fett);
    font.setItalic(schrift.kursiv);
    const int ziel = std::max(1, schrift.hoehe);
    // The line height grows with the pixel size, but not in proportion: start from the usual
    // ratio and step to the largest size whose line is not higher than wanted.
    int groesse = std::max(1, ziel * 100 / 115);
    const auto hoehe = [&](int px) {
        font.setPixelSize(px);
        return QFontMetrics(font, &geraet).height();
    };
    while (groesse > 1 && hoehe(groesse) > ziel)
        --groesse;
    while (hoehe(groesse + 1) <= ziel)
        ++groesse;
    font.setPixelSize(groesse);
    return font;
}

void TQtDruckCanvas::SetSchrift(const TDruckSchrift& schrift)
{
    m_painter.setFont(FontFuer(schrift, m_geraet));
}

int TQtDruckCanvas::TextBreite(const QString& text) const
{
    return QFontMetrics(m_painter.font(), &m_geraet).horizontalAdvance(text);
}

void TQtDruckCanvas::TextAus(int x, int y, const QString& text)
{
    const QFontMetrics metrics(m_painter.font(), &m_geraet);
    m_painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

void TQtDruckCanvas::SetStiftBreite(int breite)
{
    m_painter.setPen(QPen(Qt::black, breite));
}

void TQtDruckCanvas::Linie(int x1, int y1, int x2, int y2)
{
    m_painter.drawLine(x1, y1, x2, y2);
}

void TQtDruckCanvas::Fuellen(const QRect& rect, const QColor& farbe)
{
    m_painter.fillRect(rect, farbe);
}

bool TQtDruckCanvas::NeueSeite()
{
    return m_drucker && m_drucker->newPage();
}

TQtDruckAuftrag::TQtDruckAuftrag(QPrinter& drucker) : m_drucker(drucker) {}

TQtDruckAuftrag::~TQtDruckAuftrag()
{
    Schliessen();
}

TDruckCanvas& TQtDruckAuftrag::Beginnen(const QString& titel)
{
    m_drucker.setDocName(titel);
    // A printer that cannot start is a failure the user must hear of, not an empty success.
    if (!m_painter.begin(&m_drucker))
        throw EDruckFehler(StartFehler(m_drucker));
    m_canvas = std::make_unique<TQtDruckCanvas>(m_painter, m_drucker, &m_drucker);
    return *m_canvas;
}

bool TQtDruckAuftrag::Schliessen()
{
    m_canvas.reset();
    if (!m_painter.isActive())
        return true;
    // The spooler's refusal shows only here: in the end's result or the printer's state after it.
    const bool genommen = m_painter.end();
    const QPrinter::PrinterState zustand = m_drucker.printerState();
    return genommen && zustand != QPrinter::Error && zustand != QPrinter::Aborted;
}

void TQtDruckAuftrag::Beenden()
{
    if (!Schliessen())
        throw EDruckFehler(EndFehler(m_drucker));
}

QPrinter& Drucker()
{
    return *DruckerZeiger();
}

void DruckerBereitHalten()
{
    QPrinter*& drucker = DruckerZeiger();
    if (drucker->printerState() == QPrinter::Idle)
        return;
    auto* neu = new QPrinter(QPrinter::HighResolution);
    if (drucker->outputFileName().isEmpty())
        neu->setPrinterName(drucker->printerName());
    else
        neu->setOutputFileName(drucker->outputFileName());
    neu->setDocName(drucker->docName());
    neu->setPageLayout(drucker->pageLayout());
    neu->setColorMode(drucker->colorMode());
    neu->setDuplex(drucker->duplex());
    delete drucker;
    drucker = neu;
}
