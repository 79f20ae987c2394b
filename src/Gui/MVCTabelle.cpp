#include "Gui/MVCTabelle.h"

#include "Options/OptionenTabelle.h"

#include <QEvent>
#include <QWindow>

TMVCTabelle::TMVCTabelle(QWidget* parent)
    : TTabelle(parent), m_imVordergrund(OptionenTabelle().TabellenImVordergrund())
{
    setWindowFlag(Qt::WindowStaysOnTopHint, m_imVordergrund);
}

void TMVCTabelle::DatenGeaendert(TDaten& daten)
{
    TTabelle::DatenGeaendert(daten);
    if (&daten != OptionenTabelleSingleton().Existing())
        return;
    // The window flags change after the notice has gone round, not in the middle of the
    // option's change.
    const bool an = OptionenTabelle().TabellenImVordergrund();
    QMetaObject::invokeMethod(
        this, [this, an] { SetImVordergrund(an); }, Qt::QueuedConnection);
}

void TMVCTabelle::SetImVordergrund(bool an)
{
    m_imVordergrund = an;
    VordergrundAnwenden();
}

bool TMVCTabelle::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked) {
        m_blockiert = event->type() == QEvent::WindowBlocked;
        VordergrundAnwenden();
    }
    return TTabelle::event(event);
}

void TMVCTabelle::VordergrundAnwenden()
{
    const bool oben = m_imVordergrund && !m_blockiert;
    if (oben == windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, oben);
    if (QWindow* handle = windowHandle()) {
        // In place: re-creating the window would hide it and let the window manager place it
        // anew.
        overrideWindowFlags(flags);
        handle->setFlags(flags);
        // Still in front of the program's other windows, now among them.
        if (!oben && isVisible())
            raise();
    } else {
        setWindowFlags(flags);
    }
}
