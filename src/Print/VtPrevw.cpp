#include "Print/VtPrevw.h"

#include "Gui/GuiHooks.h"
#include "Lib/Exception.h"
#include "Print/QtDruckCanvas.h"
#include "Print/VtDruck.h"

#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>

namespace {

// A4 at 5 pixels per millimetre.
constexpr int kBlattBreite = 1050;
constexpr int kBlattHoehe = 1485;
// The panel's minimum size, and 4.5 times the sheet's millimetres when magnified.
const QSize kMinimum(210, 297);
const QSize kVergroessert(945, 1336);

int BildschirmPixelProZoll()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? static_cast<int>(std::lround(screen->logicalDotsPerInchY())) : 96;
}

// One sheet of a printout on the preview's single image: the drawing of the other sheets is
// dropped, and every new sheet is granted, so that the printout runs to its end and its sheets
// are counted. Fonts are set on every sheet, as widths are measured with them.
class TBlattCanvas : public TDruckCanvas {
public:
    TBlattCanvas(TDruckCanvas& bild, int gezeigt) : m_bild(bild), m_gezeigt(gezeigt) {}

    int Blaetter() const { return m_blatt; }

    QRect ClipRect() const override { return m_bild.ClipRect(); }
    QSize PageSize() const override { return m_bild.PageSize(); }
    int PixelProZoll() const override { return m_bild.PixelProZoll(); }
    void SetSchrift(const TDruckSchrift& schrift) override { m_bild.SetSchrift(schrift); }
    int TextBreite(const QString& text) const override { return m_bild.TextBreite(text); }
    void TextAus(int x, int y, const QString& text) override
    {
        if (Gezeigt())
            m_bild.TextAus(x, y, text);
    }
    void SetStiftBreite(int breite) override { m_bild.SetStiftBreite(breite); }
    void Linie(int x1, int y1, int x2, int y2) override
    {
        if (Gezeigt())
            m_bild.Linie(x1, y1, x2, y2);
    }
    void Fuellen(const QRect& rect, const QColor& farbe) override
    {
        if (Gezeigt())
            m_bild.Fuellen(rect, farbe);
    }
    bool NeueSeite() override
    {
        ++m_blatt;
        return true;
    }

private:
    bool Gezeigt() const { return m_blatt == m_gezeigt; }

    TDruckCanvas& m_bild;
    int m_gezeigt;
    int m_blatt = 1;
};

// The painter draws in the pixels of the program's paper onto the sheet `blatt` of the image: the
// printout then takes its page, resolution and fonts from the paper itself, and breaks its lines
// and sheets where the paper does.
void PapierAbbilden(QPainter& painter, const QRect& blatt)
{
    const QPrinter& papier = Drucker();
    const QRectF bogen = papier.paperRect(QPrinter::DevicePixel);
    const QRectF seite = papier.pageRect(QPrinter::DevicePixel);
    const double massstab = std::min(blatt.width() / std::max(1.0, bogen.width()),
                                     blatt.height() / std::max(1.0, bogen.height()));
    painter.setClipRect(blatt);
    painter.translate(blatt.topLeft());
    painter.scale(massstab, massstab);
    painter.translate(seite.topLeft() - bogen.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QToolButton* BlattKnopf(QWidget* parent, const char* name, Qt::ArrowType pfeil,
                        const QString& hinweis)
{
    auto* knopf = new QToolButton(parent);
    knopf->setObjectName(name);
    knopf->setArrowType(pfeil);
    knopf->setToolTip(hinweis);
    knopf->setAccessibleName(hinweis);
    knopf->setFocusPolicy(Qt::StrongFocus);
    return knopf;
}

} // namespace

TVtPrintPreviewBerechnung::~TVtPrintPreviewBerechnung() = default;

void TVtPrintPreviewBerechnung::SetDruck(std::unique_ptr<TVtDruck> druck)
{
    if (druck.get() == m_druck.get()) {
        // Already ours: freeing it would leave the preview drawing a freed printout.
        static_cast<void>(druck.release());
        return;
    }
    m_druck = std::move(druck);
}

TDaten* TVtPrintPreviewBerechnung::CreateDaten()
{
    return CreateComponent<TVtPrintPreviewDaten>(this, Name());
}

TVorschauBild::TVorschauBild(QWidget* parent) : QWidget(parent)
{
    setObjectName("Bild");
}

void TVorschauBild::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_bild);
}

void TVorschauBild::mousePressEvent(QMouseEvent* event)
{
    if (OnMouseDown)
        OnMouseDown(event->position().toPoint());
    event->accept();
}

TFoVtPrintPreview::TFoVtPrintPreview(QWidget* parent) : TPageForm(parent)
{
    setObjectName("FoVtPrintPreview");
    setWindowTitle("Druckvorschau");
    const int pixelProZoll = BildschirmPixelProZoll();
    m_rand = RandFuer(pixelProZoll);
    m_bild = new TVorschauBild(Panel());
    QImage blatt(kBlattBreite + m_rand, kBlattHoehe + m_rand, QImage::Format_RGB32);
    m_bild->Bild() = blatt;
    m_bild->OnMouseDown = [this](QPoint punkt) { BildMouseDown(punkt); };
    m_blattLeiste = new QWidget(Panel());
    m_blattLeiste->setObjectName("paBlatt");
    m_blattLeiste->setAutoFillBackground(true);
    m_bnVoriges = BlattKnopf(m_blattLeiste, "bnVorigesBlatt", Qt::LeftArrow, "Voriges Blatt");
    m_stBlatt = new QLabel(m_blattLeiste);
    m_stBlatt->setObjectName("stBlatt");
    m_bnNaechstes =
        BlattKnopf(m_blattLeiste, "bnNaechstesBlatt", Qt::RightArrow, "Nächstes Blatt");
    auto* leiste = new QHBoxLayout(m_blattLeiste);
    leiste->setContentsMargins(4, 2, 4, 2);
    leiste->addWidget(m_bnVoriges);
    leiste->addWidget(m_stBlatt);
    leiste->addWidget(m_bnNaechstes);
    connect(m_bnVoriges, &QToolButton::clicked, this, [this] { BlattZeigen(m_blatt - 1); });
    connect(m_bnNaechstes, &QToolButton::clicked, this, [this] { BlattZeigen(m_blatt + 1); });
    m_blattLeiste->move(5, 5);
    m_blattLeiste->hide();
    Panel()->setMinimumSize(kMinimum);
    Panel()->setAutoFillBackground(true);
    QPalette farben = Panel()->palette();
    farben.setColor(QPalette::Window, farben.color(QPalette::Dark));
    Panel()->setPalette(farben);
    Panel()->installEventFilter(this);
}

TVtPrintPreviewBerechnung* TFoVtPrintPreview::PreviewBerechnung() const
{
    if (!Berechnung())
        return nullptr;
    auto* preview = dynamic_cast<TVtPrintPreviewBerechnung*>(Berechnung());
    if (!preview)
        throw Exception("Die Druckvorschau zeigt nur die Berechnung \"PreviewBerechnung\".");
    return preview;
}

QRect TFoVtPrintPreview::BildRechteck(QSize panel)
{
    const int breite = panel.width();
    const int hoehe = panel.height();
    if (hoehe * 70.0 / 99.0 > breite) {
        const int w = breite - 10;
        const int h = static_cast<int>(w * 99.0 / 70.0);
        return QRect(5, (hoehe - h) / 2, w, h);
    }
    const int h = hoehe - 10;
    const int w = static_cast<int>(h * 70.0 / 99.0);
    return QRect((breite - w) / 2, 5, w, h);
}

void TFoVtPrintPreview::PanelResize()
{
    m_bild->setGeometry(BildRechteck(Panel()->size()));
}

bool TFoVtPrintPreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel() && event->type() == QEvent::Resize)
        PanelResize();
    return TPageForm::eventFilter(watched, event);
}

QScrollArea* TFoVtPrintPreview::Bereich() const
{
    QWidget* viewport = Panel()->parentWidget();
    return qobject_cast<QScrollArea*>(viewport ? viewport->parentWidget() : nullptr);
}

void TFoVtPrintPreview::PanelGroesse(QSize minimum)
{
    Panel()->setMinimumSize(minimum);
    const QScrollArea* bereich = Bereich();
    Panel()->resize(bereich ? bereich->viewport()->size().expandedTo(minimum)
                            : Panel()->size().expandedTo(minimum));
}

void TFoVtPrintPreview::BildMouseDown(QPoint punkt)
{
    m_vergroessert = !m_vergroessert;
    if (!m_vergroessert) {
        PanelGroesse(kMinimum);
        return;
    }
    const double fy = static_cast<double>(punkt.y()) / std::max(1, m_bild->height());
    const double fx = static_cast<double>(punkt.x()) / std::max(1, m_bild->width());
    // The sheet takes its new size first, so that the scroll bars know the new extent.
    PanelGroesse(kVergroessert);
    QScrollArea* bereich = Bereich();
    if (!bereich)
        return;
    const QWidget* viewport = bereich->viewport();
    bereich->verticalScrollBar()->setValue(static_cast<int>(m_bild->height() * fy) -
                                           viewport->height() / 2 + m_bild->y());
    bereich->horizontalScrollBar()->setValue(static_cast<int>(m_bild->width() * fx) -
                                             viewport->width() / 2 + m_bild->x());
}

void TFoVtPrintPreview::BlattZeigen(int blatt)
{
    const int neu = std::clamp(blatt, 1, m_blaetter);
    if (neu == m_blatt)
        return;
    m_blatt = neu;
    AfterRefresh();
}

void TFoVtPrintPreview::AfterRefresh()
{
    QImage& bild = m_bild->Bild();
    {
        QPainter painter(&bild);
        const QRect r = bild.rect();
        const QPalette& farben = palette();
        const QRect blatt(r.left(), r.top(), r.width() - m_rand, r.height() - m_rand);
        painter.fillRect(r, Panel()->palette().color(QPalette::Window));
        painter.fillRect(
            QRect(r.right() + 1 - m_rand, r.top() + m_rand, m_rand, r.height() - m_rand),
            farben.color(QPalette::Text));
        painter.fillRect(
            QRect(r.left() + m_rand, r.bottom() + 1 - m_rand, r.width() - m_rand, m_rand),
            farben.color(QPalette::Text));
        painter.fillRect(blatt, farben.color(QPalette::Base));
        m_blaetter = 1;
        try {
            TVtPrintPreviewBerechnung* preview = PreviewBerechnung();
            const TVtDruck* druck = preview ? preview->Druck() : nullptr;
            if (druck != m_gezeichnet)
                m_blatt = 1;
            m_gezeichnet = druck;
            if (druck) {
                PapierAbbilden(painter, blatt);
                TQtDruckCanvas canvas(painter, Drucker());
                TBlattCanvas seite(canvas, m_blatt);
                preview->Druck()->SeiteEinrichten(seite);
                m_blaetter = seite.Blaetter();
            }
        } catch (const std::exception& e) {
            ShowFehler(QString::fromStdString(e.what()));
        }
    }
    // A sheet the printout no longer has (its data got shorter) shows its last one.
    if (m_blatt > m_blaetter) {
        m_blatt = m_blaetter;
        AfterRefresh();
        return;
    }
    m_stBlatt->setText(QString("Blatt %1 von %2").arg(m_blatt).arg(m_blaetter));
    m_bnVoriges->setEnabled(m_blatt > 1);
    m_bnNaechstes->setEnabled(m_blatt < m_blaetter);
    m_blattLeiste->adjustSize();
    m_blattLeiste->setVisible(m_blaetter > 1);
    m_blattLeiste->raise();
    m_bild->update();
}
