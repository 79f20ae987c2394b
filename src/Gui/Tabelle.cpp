#include "Gui/Tabelle.h"

#include "Gui/BetragEdit.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/GuiHooks.h"
#include "Gui/XoTimer.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

// A wheel notch as the wheel reports it.
constexpr int kRadRaste = 120;
// The least number of rows a table window shows.
constexpr int kMindestZeilen = 5;
// A click this soon after the window was activated (beyond the double-click time) activated it
// and marks nothing.
constexpr int kAktivierungsZuschlag = 100;

// The whole part, toward zero.
double Int(double x)
{
    return std::trunc(x);
}

std::int64_t SteadyMillis()
{
    static QElapsedTimer uhr;
    if (!uhr.isValid())
        uhr.start();
    // Offset so that a fresh clock is never mistaken for "just activated" at tick 0.
    return uhr.elapsed() + 1000000;
}

} // namespace

void PostTabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse)
{
    const QMetaObject* k = &klasse;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [art, k] {
            auto* empfaenger = dynamic_cast<TTabellenEmpfaenger*>(TXoForm::MainForm());
            if (!empfaenger)
                return;
            try {
                empfaenger->TabellenNachricht(art, *k);
            } catch (const std::exception& e) {
                ShowFehler(QString::fromStdString(e.what()));
            }
        },
        Qt::QueuedConnection);
}

bool TabelleOeffnen(TTabelle* fenster, const std::function<void()>& oeffnen)
{
    try {
        fenster->init();
        oeffnen();
        return true;
    } catch (const std::exception& e) {
        delete fenster;
        ShowFehler(QString::fromStdString(e.what()));
        return false;
    }
}

void CloseFormsOfClass(const QMetaObject& klasse)
{
    SendToAllForms([&klasse](TXoForm& form) {
        if (form.metaObject()->inherits(&klasse))
            form.close();
    });
}

bool FormOfClassExists(const QMetaObject& klasse)
{
    bool gefunden = false;
    SendToAllForms(
        [&](TXoForm& form) { gefunden = gefunden || form.metaObject()->inherits(&klasse); });
    return gefunden;
}

TTabellenScrollBar::TTabellenScrollBar(TTabelle& tabelle)
    : QScrollBar(Qt::Vertical, &tabelle), m_tabelle(tabelle)
{
    setObjectName("ScrollBar1");
    setFocusPolicy(Qt::NoFocus);
}

void TTabellenScrollBar::wheelEvent(QWheelEvent* event)
{
    m_tabelle.WheelScroll(event->angleDelta().y());
    event->accept();
}

TTabellenFlaeche::TTabellenFlaeche(TTabelle& tabelle) : QWidget(&tabelle), m_tabelle(tabelle)
{
    setObjectName("PaintBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TTabellenFlaeche::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    m_tabelle.PaintTable(painter, event->rect());
}

void TTabellenFlaeche::mousePressEvent(QMouseEvent* event)
{
    m_tabelle.TableMouseDown(event->button(), event->position().toPoint().y());
}

void TTabellenFlaeche::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_tabelle.TableMouseDown(event->button(), event->position().toPoint().y());
    if (event->button() == Qt::LeftButton)
        m_tabelle.TableDblClick();
}

void TTabellenFlaeche::wheelEvent(QWheelEvent* event)
{
    m_tabelle.WheelScroll(event->angleDelta().y());
    event->accept();
}

TTabelle::TTabelle(QWidget* parent)
    : TXoForm(parent, Qt::Window), m_kopf(new QWidget(this)),
      m_paintBox(new TTabellenFlaeche(*this)), m_scrollBar(new TTabellenScrollBar(*this)),
      m_jetzt(SteadyMillis)
{
    // Table windows are freed when closed; the "closed" notice comes from the destructor.
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    m_kopf->setObjectName("Kopf");
    m_kopf->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_kopf, 0, 0, 1, 2);
    layout->addWidget(m_paintBox, 1, 0);
    layout->addWidget(m_scrollBar, 1, 1);
    layout->setRowStretch(1, 1);
    connect(m_scrollBar, &QAbstractSlider::actionTriggered, this, &TTabelle::ScrollBarScroll);
    connect(m_scrollBar, &QAbstractSlider::valueChanged, m_paintBox, qOverload<>(&QWidget::update));
}

TTabelle::~TTabelle()
{
    if (m_gemeldeteKlasse)
        PostTabellenNachricht(TTabellenNachricht::Geschlossen, *m_gemeldeteKlasse);
}

void TTabelle::init()
{
    TXoForm::init();
    SetZeilenHoehe(QFontMetrics(m_paintBox->font()).height());
    m_endBetrag = 99999999999.0;
    if (!m_gemeldeteKlasse) {
        m_gemeldeteKlasse = metaObject();
        PostTabellenNachricht(TTabellenNachricht::Geoeffnet, *m_gemeldeteKlasse);
    }
}

std::int64_t TTabelle::Jetzt() const
{
    return m_jetzt();
}

double TTabelle::ZeileZuBetrag(int zeile) const
{
    return Anfangsbetrag() + m_fensterAnfang + Schrittweite() * zeile;
}

double TTabelle::Seitenspanne() const
{
    return Schrittweite() * m_scrollBar->maximum();
}

void TTabelle::SetUmrechnung(double zaehler, double nenner)
{
    m_umrechnungZaehler = zaehler;
    m_umrechnungNenner = nenner;
}

double TTabelle::Umrechnen(double betrag) const
{
    return Dreisatz(true, 0, betrag, m_umrechnungNenner, m_umrechnungZaehler);
}

double TTabelle::Zurueckrechnen(double betrag) const
{
    return Dreisatz(true, 0, betrag, m_umrechnungZaehler, m_umrechnungNenner);
}

void TTabelle::BetragZuZeile(double betrag)
{
    const double a0 = Umrechnen(betrag);
    const double ende = Umrechnen(m_endBetrag);
    const double anfang = Anfangsbetrag();
    const double schritt = Schrittweite();
    double zeile = 0;
    if (anfang > a0 || schritt <= 0) {
        m_fensterAnfang = 0;
    } else {
        // Rows and window start count from Anfangsbetrag: the window test and the re-centring
        // work on the amount's distance from it, so that the row found is never negative.
        const double abstand = schritt * Int((a0 - anfang) / schritt);
        const double spanne = Seitenspanne();
        if (abstand < m_fensterAnfang || abstand > m_fensterAnfang + spanne) {
            const int sichtbar = m_zeilenHoehe > 0 ? m_paintBox->height() / m_zeilenHoehe : 0;
            const double w = ende - anfang - spanne - schritt * sichtbar;
            const double hoechsterAnfang = schritt * Int(w / schritt) + schritt;
            double start = schritt * Int((abstand - spanne * 0.5) / schritt);
            start = std::min(start, hoechsterAnfang);
            m_fensterAnfang = std::max(start, 0.0);
        }
        zeile = Int((abstand - m_fensterAnfang) / schritt);
    }
    const double hoechste = m_scrollBar->maximum();
    m_scrollBar->setValue(static_cast<int>(std::clamp(zeile, 0.0, hoechste)));
    m_paintBox->update();
}

void TTabelle::GeheZuBetrag()
{
    m_klickAnstehend = false;
    // Transient for the table, so that it shows above a table that stays on top.
    TFoDoubleEingabe dialog(this);
    dialog.init();
    dialog.Betrag1()->SetDezimalstellen(0);
    dialog.Betrag1()->SetMaxLength(11);
    dialog.SetWert(Zurueckrechnen(ZeileZuBetrag(m_scrollBar->value()) * 0.01));
    const QPoint ursprung = m_paintBox->mapToGlobal(QPoint(0, 0));
    if (dialog.ShowModalBei(ursprung.x() + 20, ursprung.y() + 20) == mrOk) {
        BetragZuZeile(dialog.Wert() * 100);
        m_paintBox->update();
    }
    m_aktivierungsTick = Jetzt();
}

void TTabelle::SetZeilenHoehe(int hoehe)
{
    m_zeilenHoehe = std::max(hoehe, 0);
    GeometrieAnpassen();
}

void TTabelle::SetTabellenBreite(int breite)
{
    m_tabellenBreite = std::max(breite, 0);
    GeometrieAnpassen();
}

int TTabelle::GerundeteHoehe(int hoehe) const
{
    if (m_zeilenHoehe == 0)
        return height();
    const int rest = height() - m_paintBox->height();
    const int verfuegbar = hoehe - rest;
    if (verfuegbar < kMindestZeilen * m_zeilenHoehe)
        return rest + kMindestZeilen * m_zeilenHoehe;
    const int zeilen = verfuegbar / m_zeilenHoehe;
    return rest + (2 * (zeilen / 2) + 1) * m_zeilenHoehe;
}

void TTabelle::GeometrieAnpassen()
{
    if (m_tabellenBreite > 0)
        setFixedWidth(m_tabellenBreite + m_scrollBar->sizeHint().width());
    if (m_zeilenHoehe == 0)
        return;
    m_scrollBar->setPageStep(std::max((m_paintBox->height() - 1) / m_zeilenHoehe, 1));
    // The window manager offers only heights of an odd number of whole rows.
    const int rest = height() - m_paintBox->height();
    if (sizeIncrement() != QSize(0, 2 * m_zeilenHoehe) ||
        baseSize() != QSize(0, rest + m_zeilenHoehe)) {
        setSizeIncrement(0, 2 * m_zeilenHoehe);
        setBaseSize(0, rest + m_zeilenHoehe);
    }
    setMinimumHeight(GerundeteHoehe(0));
}

void TTabelle::PaintTable(QPainter& painter, const QRect& bereich)
{
    painter.fillRect(bereich, palette().base());
}

QLabel* TTabelle::KopfLabel(const char* name, const QString& text, int breite,
                            Qt::Alignment ausrichtung)
{
    auto* label = new QLabel(text, m_kopf);
    label->setObjectName(name);
    label->setFixedWidth(breite);
    label->setAlignment(ausrichtung);
    label->setContentsMargins(0, 0, 4, 0);
    label->setWordWrap(true);
    return label;
}

void TTabelle::SetPopupMenu(QMenu* menu)
{
    m_popupMenu = menu;
    if (!menu)
        return;
    // The items' hints go to the status line as in every menu (TMenueHinweise); here they also
    // show as tooltips.
    QList<QMenu*> menues = menu->findChildren<QMenu*>();
    menues.prepend(menu);
    for (QMenu* m : menues)
        m->setToolTipsVisible(true);
}

QAction* TTabelle::PopupItem(QMenu* menu, const QString& text, const QKeySequence& taste,
                             std::function<void()> aktion, const char* name)
{
    QAction* a = menu->addAction(text);
    if (name != nullptr)
        a->setObjectName(name);
    a->setShortcut(taste);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(a);
    connect(a, &QAction::triggered, this, std::move(aktion));
    return a;
}

void TTabelle::ZeilenMalen(QPainter& painter, const QRect& bereich, std::span<const int> spalten,
                           const std::function<TGemalteZeile(int, double)>& zeileFuer)
{
    const int hoehe = std::max(m_zeilenHoehe, 1);
    const int oben = m_scrollBar->value();
    for (int r = bereich.top() / hoehe; r <= bereich.bottom() / hoehe; ++r) {
        const int zeile = oben + r;
        const double betrag = ZeileZuBetrag(zeile);
        const bool markiert = betrag == m_markierterBetrag;
        const TGemalteZeile inhalt = zeileFuer(zeile, betrag);
        painter.fillRect(QRect(0, r * hoehe, m_paintBox->width(), hoehe),
                         markiert ? QColor(255, 0, 0) : inhalt.farbe);
        painter.setPen(markiert ? QColor(255, 255, 0) : QColor(0, 0, 0));
        int x = 0;
        for (std::size_t s = 0; s < spalten.size(); ++s) {
            const QRect zelle(x, r * hoehe, spalten[s], hoehe);
            if (!markiert && s < inhalt.zellFarben.size() && inhalt.zellFarben[s].isValid())
                painter.fillRect(zelle, inhalt.zellFarben[s]);
            if (s < inhalt.texte.size())
                painter.drawText(zelle.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                                 inhalt.texte[s]);
            x += spalten[s];
        }
    }
}

void TTabelle::TableMouseDown(Qt::MouseButton button, int y)
{
    if (button != Qt::LeftButton)
        return;
    if (m_klickAnstehend) {
        // The second click of a double click.
        m_klickAnstehend = false;
        return;
    }
    m_klickAnstehend = true;
    m_klickY = y;
    TimerMngr().AddDelayed(QApplication::doubleClickInterval(), {this, &TTabelle::KlickAuswerten});
}

void TTabelle::KlickAuswerten()
{
    if (!m_klickAnstehend)
        return;
    m_klickAnstehend = false;
    if (Jetzt() - m_aktivierungsTick < QApplication::doubleClickInterval() + kAktivierungsZuschlag)
        return;
    const int zeile = (m_zeilenHoehe > 0 ? m_klickY / m_zeilenHoehe : 0) + m_scrollBar->value();
    const double betrag = ZeileZuBetrag(zeile);
    m_markierterBetrag = m_markierterBetrag == betrag ? 0.0 : betrag;
    m_paintBox->update();
}

void TTabelle::ScrollBarScroll(int action)
{
    if (action == QAbstractSlider::SliderNoAction)
        return;
    const int neu = m_scrollBar->sliderPosition();
    const int alt = m_scrollBar->value();
    if (neu < alt)
        PostTabellenNachricht(TTabellenNachricht::NachObenGescrollt, *metaObject());
    else if (neu > alt)
        PostTabellenNachricht(TTabellenNachricht::NachUntenGescrollt, *metaObject());
}

void TTabelle::WheelScroll(int delta)
{
    if (delta == 0)
        return;
    // A wheel that turns the other way forgets the part of a notch it had.
    if ((delta > 0) != (m_radRest > 0))
        m_radRest = 0;
    m_radRest += delta;
    while (m_radRest >= kRadRaste) {
        m_scrollBar->triggerAction(QAbstractSlider::SliderPageStepSub);
        m_radRest -= kRadRaste;
    }
    while (m_radRest <= -kRadRaste) {
        m_scrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        m_radRest += kRadRaste;
    }
}

void TTabelle::keyPressEvent(QKeyEvent* event)
{
    QAbstractSlider::SliderAction aktion = QAbstractSlider::SliderNoAction;
    switch (event->key()) {
    case Qt::Key_Up:
        aktion = QAbstractSlider::SliderSingleStepSub;
        break;
    case Qt::Key_Down:
        aktion = QAbstractSlider::SliderSingleStepAdd;
        break;
    case Qt::Key_PageUp:
        aktion = QAbstractSlider::SliderPageStepSub;
        break;
    case Qt::Key_PageDown:
        aktion = QAbstractSlider::SliderPageStepAdd;
        break;
    case Qt::Key_Home:
        aktion = QAbstractSlider::SliderToMinimum;
        break;
    case Qt::Key_End:
        aktion = QAbstractSlider::SliderToMaximum;
        break;
    case Qt::Key_F10:
        if (m_popupMenu && (event->modifiers() & (Qt::ShiftModifier | Qt::AltModifier))) {
            const QRect r = geometry();
            m_popupMenu->popup(QPoint(r.x() + 40, r.y() + r.height() / 3));
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    if (aktion != QAbstractSlider::SliderNoAction)
        m_scrollBar->triggerAction(aktion);
    TXoForm::keyPressEvent(event);
}

void TTabelle::wheelEvent(QWheelEvent* event)
{
    WheelScroll(event->angleDelta().y());
    event->accept();
}

void TTabelle::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_popupMenu) {
        TXoForm::contextMenuEvent(event);
        return;
    }
    m_popupMenu->popup(event->globalPos());
    event->accept();
}

void TTabelle::resizeEvent(QResizeEvent* event)
{
    TXoForm::resizeEvent(event);
    GeometrieAnpassen();
}

void TTabelle::changeEvent(QEvent* event)
{
    TXoForm::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow()) {
        m_aktivierungsTick = Jetzt();
        // The window active before may still hold the focus (it hears of its loss only after
        // this window is activated): a table opened from a menu takes the keyboard too.
        if (const QWidget* fokus = QApplication::focusWidget(); !fokus || !fokus->isActiveWindow())
            setFocus(Qt::ActiveWindowFocusReason);
    } else {
        // A click still waiting when the window loses the focus is forgotten, so that the next
        // click is not taken for the second half of a double click.
        m_klickAnstehend = false;
        TimerMngr().RemoveTimer({this, &TTabelle::KlickAuswerten});
    }
}
