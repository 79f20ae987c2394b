#include "Gui/MVCTabelle.h"

#include "Options/OptionenTabelle.h"

TMVCTabelle::TMVCTabelle(QWidget* parent) : TTabelle(parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint, OptionenTabelle().TabellenImVordergrund());
}

void TMVCTabelle::DatenGeaendert(TDaten& daten)
{
    TTabelle::DatenGeaendert(daten);
    if (&daten != OptionenTabelleSingleton().Existing())
        return;
    // The window flags change after the notice has gone round: changing them re-creates the
    // window, which must not happen in the middle of the option's change.
    const bool an = OptionenTabelle().TabellenImVordergrund();
    QMetaObject::invokeMethod(
        this, [this, an] { SetImVordergrund(an); }, Qt::QueuedConnection);
}

bool TMVCTabelle::ImVordergrund() const
{
    return windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TMVCTabelle::SetImVordergrund(bool an)
{
    if (an == ImVordergrund())
        return;
    const bool sichtbar = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, an);
    // Changing the flags hides the window.
    if (sichtbar)
        show();
}
