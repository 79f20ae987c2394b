#include "Gui/Hinweise.h"

#include "Gui/XoForm.h"

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusTipEvent>
#include <QToolTip>

namespace {

constexpr const char* kHinweis = "verfuegbarHinweis";
constexpr const char* kBeobachtet = "menueHinweise";

} // namespace

QString NichtVerfuegbar(const QString& grund)
{
    return QStringLiteral("Dieser Befehl ist nicht verfügbar, weil ") + grund;
}

void SetItemVerfuegbar(QAction& item, bool verfuegbar, const QString& grund)
{
    if (!item.property(kHinweis).isValid())
        item.setProperty(kHinweis, item.statusTip());
    item.setEnabled(verfuegbar);
    item.setStatusTip(verfuegbar ? item.property(kHinweis).toString() : NichtVerfuegbar(grund));
}

void StatuszeileZeigen(const QString& text)
{
    if (TXoForm* haupt = TXoForm::MainForm()) {
        QStatusTipEvent tip(text);
        QCoreApplication::sendEvent(haupt, &tip);
    }
}

void TMenueHinweise::Einschalten()
{
    static QPointer<TMenueHinweise> filter;
    if (filter || !qApp)
        return;
    // Goes with the application object.
    filter = new TMenueHinweise(qApp);
    qApp->installEventFilter(filter);
}

void TMenueHinweise::Zeigen(const QAction* item)
{
    if (item == m_gezeigt)
        return;
    m_gezeigt = item;
    StatuszeileZeigen(item ? item->statusTip() : QString());
}

bool TMenueHinweise::eventFilter(QObject* watched, QEvent* event)
{
    auto* menu = qobject_cast<QMenu*>(watched);
    if (!menu)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        // The keys reach only available items, and Qt names them in `hovered`.
        if (!menu->property(kBeobachtet).toBool()) {
            menu->setProperty(kBeobachtet, true);
            connect(menu, &QMenu::hovered, this, [this](QAction* item) { Zeigen(item); });
        }
        break;
    case QEvent::Hide:
        Zeigen(nullptr);
        break;
    case QEvent::MouseMove:
        // The mouse also reaches the disabled items, which no signal names.
        Zeigen(menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        break;
    case QEvent::ToolTip: {
        const auto* hilfe = static_cast<QHelpEvent*>(event);
        QAction* item = menu->actionAt(hilfe->pos());
        if (item && !item->isEnabled() && !item->statusTip().isEmpty()) {
            QToolTip::showText(hilfe->globalPos(), item->statusTip(), menu,
                               menu->actionGeometry(item));
            return true;
        }
        break;
    }
    default:
        break;
    }
    return false;
}
