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
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <algorithm>
#include <iterator>

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

// Pulls a span of `size` at `pos` back into [0, screenSize).
int KeepOnScreen(int pos, int size, int screenSize)
{
    if (pos + size > screenSize)
        pos = size > screenSize ? 0 : screenSize - size;
    if (pos < 0)
        pos = size > screenSize ? screenSize - size : 0;
    return pos;
}

QRect ScreenRect(const QWidget& widget)
{
    const QWidget* top = widget.isWindow() ? &widget : nullptr;
    if (top)
        return widget.frameGeometry();
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
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        if (area.isValid())
            return area;
        return screen->geometry();
    }
    return QRect(0, 0, 1024, 768);
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

QPoint CenterRectInWorkArea(const QRect& rect, const QRect& over)
{
    return CenterRectInWorkArea(rect, over, GetWorkArea());
}

void CenterForm(const QWidget& over, QWidget& form)
{
    const QRect o = ScreenRect(over);
    const QPoint mitte(o.x() + o.width() / 2, o.y() + o.height() / 2);
    const QRect work = GetWorkArea();
    const int w = form.frameGeometry().width();
    const int h = form.frameGeometry().height();
    const int left = std::max(std::min(mitte.x() - w / 2, work.x() + work.width() - w), work.x());
    const int top = std::max(std::min(mitte.y() - h / 2, work.y() + work.height() - h), work.y());
    form.move(left, top);
}

void MoveFormInScreen(QWidget& form, int x, int y)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    const int w = form.frameGeometry().width();
    const int h = form.frameGeometry().height();
    form.move(KeepOnScreen(x, w, size.width()), KeepOnScreen(y, h, size.height()));
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

int GetWheelScrollLines()
{
    return QApplication::wheelScrollLines();
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
