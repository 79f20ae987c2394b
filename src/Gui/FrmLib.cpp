#include "Gui/FrmLib.h"

#include "Gui/GuiHooks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Places a span of `size` centred over [overStart, overStart + overSize), inside the work area.
int CenterSpan(int size, int overStart, int overSize, int workStart, int workSize)
{
    int pos = overStart + (overSize - size) / 2;
    if (pos + size > workStart + workSize)
        pos = workStart + workSize - size;
    if (pos < workStart)
        pos = workStart;
    return pos;
}

// Pulls a span of `size` at `pos` back into [start, start + length).
int KeepInside(int pos, int size, int start, int length)
{
    if (pos + size > start + length)
        pos = size > length ? start : start + length - size;
    if (pos < start)
        pos = size > length ? start + length - size : start;
    return pos;
}

// A frame as window managers commonly draw it, for a window not framed yet: rather too large than
// too small, so that the title bar stays on the screen.
constexpr QMargins kUeblicherRahmen(8, 32, 8, 8);

bool OhneRahmen(const QWidget& fenster)
{
    const Qt::WindowType typ = fenster.windowType();
    return !fenster.isWindow() || fenster.windowFlags().testFlag(Qt::FramelessWindowHint) ||
           typ == Qt::Popup || typ == Qt::ToolTip || typ == Qt::SplashScreen;
}

// A window already on the display whose frame the toolkit does not know yet is placed by its
// inner corner; any other by its frame's.
bool InnenPlaziert(const QWidget& fenster)
{
    return fenster.testAttribute(Qt::WA_WState_Created) &&
           fenster.frameGeometry() == fenster.geometry();
}

// Where a window is, is sure once the toolkit knows its frame, and before the window exists when
// it was moved there; a window not moved is placed by the window manager.
bool LageBekannt(const QWidget& fenster)
{
    return fenster.testAttribute(Qt::WA_WState_Created) ? !InnenPlaziert(fenster)
                                                        : fenster.testAttribute(Qt::WA_Moved);
}

std::optional<QMargins> EchterRahmen(const QWidget& fenster)
{
    const auto& rahmen = GuiHooks().rahmen;
    return rahmen ? rahmen(fenster) : std::optional<QMargins>(QMargins());
}

// Cuts the window to the room inside its frame and moves it into the work area, once it is sure
// where it is.
void Einpassen(QWidget& fenster, const QMargins& rahmen)
{
    if (fenster.windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    const QRect work = GetWorkArea();
    const QSize innen =
        fenster.size().boundedTo(work.size().shrunkBy(rahmen)).expandedTo(QSize(1, 1));
    if (innen != fenster.size())
        fenster.resize(innen);
    if (!LageBekannt(fenster))
        return;
    // A minimum size may keep the window larger than asked: placed as it is.
    const QRect aussen = Aussenrechteck(fenster);
    const QRect ziel =
        RechteckImArbeitsbereich(aussen.x(), aussen.y(), aussen.width(), aussen.height(), work);
    if (ziel.topLeft() != aussen.topLeft())
        RahmenNach(fenster, ziel.topLeft());
}

// Fits a window once more when it is first exposed: the window manager has framed it by then.
class TRahmenNachpruefung : public QObject {
public:
    TRahmenNachpruefung(QWidget& fenster, QWindow& handle) : QObject(&handle), m_fenster(&fenster)
    {
        handle.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // Moved after the exposure has been handled, not in its middle.
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [fenster = m_fenster] {
                    if (fenster)
                        Einpassen(*fenster, Fensterrahmen(*fenster));
                },
                Qt::QueuedConnection);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> m_fenster;
};

QRect ScreenRect(const QWidget& widget)
{
    if (widget.isWindow())
        return Aussenrechteck(widget);
    return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// Ends a modal loop when its window is hidden or destroyed.
class TModalEnde : public QObject {
public:
    explicit TModalEnde(QEventLoop& loop) : m_loop(loop) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Destroy)
            m_loop.quit();
        return QObject::eventFilter(watched, event);
    }

private:
    QEventLoop& m_loop;
};

} // namespace

QRect GetWorkArea()
{
    return GuiHooks().arbeitsbereich ? GuiHooks().arbeitsbereich() : QRect(0, 0, 1024, 768);
}

QMargins Fensterrahmen(const QWidget& fenster)
{
    if (OhneRahmen(fenster))
        return {};
    if (const auto eigener = EchterRahmen(fenster))
        return *eigener;
    // The window manager draws the frames of the program's windows alike.
    for (const QWidget* anderes : QApplication::topLevelWidgets()) {
        if (anderes == &fenster || OhneRahmen(*anderes))
            continue;
        if (const auto rahmen = EchterRahmen(*anderes))
            return *rahmen;
    }
    return kUeblicherRahmen;
}

QRect Aussenrechteck(const QWidget& fenster)
{
    const QMargins rahmen = Fensterrahmen(fenster);
    QPoint ecke = fenster.pos();
    if (InnenPlaziert(fenster))
        ecke -= QPoint(rahmen.left(), rahmen.top());
    return QRect(ecke, fenster.size().grownBy(rahmen));
}

void RahmenNach(QWidget& fenster, const QPoint& ecke)
{
    const QMargins rahmen = Fensterrahmen(fenster);
    fenster.move(InnenPlaziert(fenster) ? ecke + QPoint(rahmen.left(), rahmen.top()) : ecke);
}

void InArbeitsbereichHalten(QWidget& fenster)
{
    if (!fenster.isWindow())
        return;
    Einpassen(fenster, Fensterrahmen(fenster));
    QWindow* handle = fenster.windowHandle();
    if (handle && !OhneRahmen(fenster) && (InnenPlaziert(fenster) || !EchterRahmen(fenster)) &&
        !handle->findChild<TRahmenNachpruefung*>(QString(), Qt::FindDirectChildrenOnly))
        new TRahmenNachpruefung(fenster, *handle);
}

QRect RechteckImArbeitsbereich(std::int64_t links, std::int64_t oben, std::int64_t breite,
                               std::int64_t hoehe, const QRect& workArea)
{
    const std::int64_t w = std::clamp<std::int64_t>(breite, 1, std::max(workArea.width(), 1));
    const std::int64_t h = std::clamp<std::int64_t>(hoehe, 1, std::max(workArea.height(), 1));
    const std::int64_t x = std::clamp<std::int64_t>(
        links, workArea.x(),
        std::max<std::int64_t>(workArea.x(), std::int64_t{workArea.x()} + workArea.width() - w));
    const std::int64_t y = std::clamp<std::int64_t>(
        oben, workArea.y(),
        std::max<std::int64_t>(workArea.y(), std::int64_t{workArea.y()} + workArea.height() - h));
    return QRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(w),
                 static_cast<int>(h));
}

QPoint CenterRectInWorkArea(const QRect& rect, const QRect& over, const QRect& workArea)
{
    return QPoint(
        CenterSpan(rect.width(), over.x(), over.width(), workArea.x(), workArea.width()),
        CenterSpan(rect.height(), over.y(), over.height(), workArea.y(), workArea.height()));
}

void AlsDialog(QWidget& fenster)
{
    const Qt::WindowFlags alt = fenster.windowFlags();
    const Qt::WindowFlags neu = (alt & ~(Qt::WindowType_Mask | Qt::WindowMinMaxButtonsHint |
                                         Qt::WindowFullscreenButtonHint)) |
                                Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (neu != alt)
        fenster.setWindowFlags(neu);
}

void DialogTasten(QWidget& fenster, QAbstractButton& standard, QAbstractButton& abbrechen)
{
    // A button that has the focus is the one Enter presses.
    const auto enter = [&fenster, &standard] {
        auto* knopf = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (knopf && knopf->window() == &fenster)
            knopf->click();
        else
            standard.click();
    };
    for (const auto taste : {Qt::Key_Return, Qt::Key_Enter})
        QObject::connect(new QShortcut(QKeySequence(taste), &fenster), &QShortcut::activated,
                         &fenster, enter);
    QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), &fenster), &QShortcut::activated,
                     &abbrechen, &QAbstractButton::click);
}

void CenterForm(const QWidget& over, QWidget& form)
{
    const QRect o = ScreenRect(over);
    const QPoint mitte(o.x() + o.width() / 2, o.y() + o.height() / 2);
    const QRect work = GetWorkArea();
    const QSize aussen = Aussenrechteck(form).size();
    const int w = aussen.width();
    const int h = aussen.height();
    const int left = std::max(std::min(mitte.x() - w / 2, work.x() + work.width() - w), work.x());
    const int top = std::max(std::min(mitte.y() - h / 2, work.y() + work.height() - h), work.y());
    RahmenNach(form, QPoint(left, top));
}

void MoveFormInScreen(QWidget& form, int x, int y)
{
    const QRect work = GetWorkArea();
    const QSize aussen = Aussenrechteck(form).size();
    RahmenNach(form, QPoint(KeepInside(x, aussen.width(), work.x(), work.width()),
                            KeepInside(y, aussen.height(), work.y(), work.height())));
}

QPoint CenterOfRect(const QRect& rect)
{
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();
    return QPoint((rect.x() + right) / 2, (rect.y() + bottom) / 2);
}

void SetEditColours(QWidget& edit, bool enabled, bool readOnly)
{
    QPalette palette = edit.palette();
    const QPalette standard = QApplication::palette(&edit);
    const QColor hintergrund =
        enabled && !readOnly ? standard.color(QPalette::Base) : standard.color(QPalette::Button);
    const QColor schrift = enabled ? standard.color(QPalette::Text)
                                   : standard.color(QPalette::Disabled, QPalette::Text);
    constexpr QPalette::ColorGroup kGruppen[] = {QPalette::Active, QPalette::Inactive,
                                                  QPalette::Disabled};
    // Every refresh of a page comes here for every field: a palette set anew, even an equal
    // one, makes the widget polish and repaint itself.
    if (std::all_of(std::begin(kGruppen), std::end(kGruppen), [&](QPalette::ColorGroup gruppe) {
            return palette.color(gruppe, QPalette::Base) == hintergrund &&
                   palette.color(gruppe, QPalette::Text) == schrift;
        }))
        return;
    for (const auto gruppe : kGruppen) {
        palette.setColor(gruppe, QPalette::Base, hintergrund);
        palette.setColor(gruppe, QPalette::Text, schrift);
    }
    edit.setPalette(palette);
}

void SetControlEnabled(QWidget& control, bool enabled)
{
    const bool eigenerHintergrund = qobject_cast<QLabel*>(&control) == nullptr &&
                                    qobject_cast<QAbstractButton*>(&control) == nullptr;
    if (eigenerHintergrund)
        SetEditColours(control, enabled, false);
    if (control.isEnabled() != enabled)
        control.setEnabled(enabled);
}

void SetBoldFont(QWidget& control, bool bold)
{
    QFont font = control.font();
    if (font.bold() != bold) {
        font.setBold(bold);
        control.setFont(font);
    }
    for (QWidget* child : control.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SetBoldFont(*child, bold);
}

void Delay(int milliseconds)
{
    if (GuiHooks().delay)
        GuiHooks().delay(milliseconds);
}

void WaitProcessingEvents(int milliseconds)
{
    QElapsedTimer uhr;
    uhr.start();
    while (uhr.elapsed() < milliseconds) {
        QThread::msleep(30);
        QCoreApplication::processEvents();
    }
}

int RunModal(QWidget& widget)
{
    if (auto* dialog = qobject_cast<QDialog*>(&widget))
        return dialog->exec();
    QPointer<QWidget> guard(&widget);
    QEventLoop loop;
    TModalEnde ende(loop);
    widget.installEventFilter(&ende);
    const bool deleteOnClose = widget.testAttribute(Qt::WA_DeleteOnClose);
    widget.setAttribute(Qt::WA_DeleteOnClose, false);
    widget.setWindowModality(Qt::ApplicationModal);
    widget.show();
    loop.exec(QEventLoop::DialogExec);
    if (!guard)
        return 0;
    widget.removeEventFilter(&ende);
    widget.setWindowModality(Qt::NonModal);
    widget.setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
    return widget.property("modalResult").toInt();
}
