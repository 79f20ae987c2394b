#pragma once
// A printer named "Buero" that draws nothing and, while told to, refuses the job at its end: the
// painter's end fails, or the printer is left in an error or aborted state, as a spooler that
// takes no jobs leaves Qt's printer.
#include <QPaintEngine>
#include <QPrintEngine>
#include <QPrinter>
#include <QVariant>

class TAblehnenderDrucker : public QPrinter {
public:
    enum class Ablehnung { Keine, Ende, Fehler, Abgebrochen };

    TAblehnenderDrucker() : m_malen(*this), m_druck(*this) { setEngines(&m_druck, &m_malen); }

    Ablehnung ablehnung = Ablehnung::Keine;
    // The output file the printer reports (none: the printer itself).
    QString datei;

private:
    class TMalen : public QPaintEngine {
    public:
        explicit TMalen(TAblehnenderDrucker& drucker)
            : QPaintEngine(QPaintEngine::AllFeatures), m_drucker(drucker)
        {
        }
        bool begin(QPaintDevice*) override
        {
            m_drucker.m_zustand = QPrinter::Active;
            return true;
        }
        bool end() override
        {
            const Ablehnung a = m_drucker.ablehnung;
            m_drucker.m_zustand = a == Ablehnung::Fehler        ? QPrinter::Error
                                  : a == Ablehnung::Abgebrochen ? QPrinter::Aborted
                                                                : QPrinter::Idle;
            return a != Ablehnung::Ende;
        }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawTextItem(const QPointF&, const QTextItem&) override {}
        Type type() const override { return QPaintEngine::User; }

    private:
        TAblehnenderDrucker& m_drucker;
    };

    class TDruck : public QPrintEngine {
    public:
        explicit TDruck(TAblehnenderDrucker& drucker) : m_drucker(drucker) {}
        void setProperty(PrintEnginePropertyKey, const QVariant&) override {}
        QVariant property(PrintEnginePropertyKey key) const override
        {
            if (key == PPK_PrinterName)
                return QString("Buero");
            if (key == PPK_OutputFileName)
                return m_drucker.datei;
            return {};
        }
        bool newPage() override { return true; }
        bool abort() override { return true; }
        int metric(QPaintDevice::PaintDeviceMetric m) const override
        {
            // An A4 page at 300 dots per inch.
            switch (m) {
            case QPaintDevice::PdmWidth:
                return 2480;
            case QPaintDevice::PdmHeight:
                return 3508;
            case QPaintDevice::PdmWidthMM:
                return 210;
            case QPaintDevice::PdmHeightMM:
                return 297;
            case QPaintDevice::PdmDpiX:
            case QPaintDevice::PdmDpiY:
            case QPaintDevice::PdmPhysicalDpiX:
            case QPaintDevice::PdmPhysicalDpiY:
                return 300;
            case QPaintDevice::PdmDevicePixelRatioScaled:
                return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
            default:
                return m == QPaintDevice::PdmDepth ? 32 : 1;
            }
        }
        QPrinter::PrinterState printerState() const override { return m_drucker.m_zustand; }

    private:
        TAblehnenderDrucker& m_drucker;
    };

    QPrinter::PrinterState m_zustand = QPrinter::Idle;
    TMalen m_malen;
    TDruck m_druck;
};
