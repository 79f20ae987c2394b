#include "Gui/GuiHooks.h"

#include "Gui/FrmLib.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

TGuiHooks DefaultGuiHooks()
{
    TGuiHooks hooks;
    hooks.beep = [](TBeepArt) { QApplication::beep(); };
    hooks.fehler = [](const QString& text) {
        QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                              text);
    };
    hooks.modal = [](QWidget& widget) { return RunModal(widget); };
    hooks.delay = [](int milliseconds) { WaitProcessingEvents(milliseconds); };
    return hooks;
}

TGuiHooks& GuiHooks()
{
    static TGuiHooks hooks = DefaultGuiHooks();
    return hooks;
}

void MessageBeep(TBeepArt art)
{
    if (GuiHooks().beep)
        GuiHooks().beep(art);
}

void ShowFehler(const QString& text)
{
    if (GuiHooks().fehler)
        GuiHooks().fehler(text);
}
