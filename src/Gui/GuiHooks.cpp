#include "Gui/GuiHooks.h"

#include "Gui/FrmLib.h"
#include "Lib/Meldung.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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
    hooks.meldung = [](const QString& text, const QString& caption, bool abbrechbar) {
        QMessageBox box(QMessageBox::Warning, caption, text,
                        abbrechbar ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                        QApplication::activeWindow());
        return box.exec() != QMessageBox::Cancel;
    };
    hooks.rahmen = [](const QWidget& fenster) -> std::optional<QMargins> {
        const QWindow* handle = fenster.windowHandle();
        if (!fenster.isWindow() || !fenster.isVisible() || !handle)
            return std::nullopt;
        const QMargins rahmen = handle->frameMargins();
        if (rahmen.isNull())
            return std::nullopt;
        return rahmen;
    };
    hooks.arbeitsbereich = [] {
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            return area.isValid() ? area : screen->geometry();
        }
        return QRect(0, 0, 1024, 768);
    };
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

void InstallMeldungsHook()
{
    SetMeldungsHook([](const std::string& text, const std::string& caption, bool abbrechbar) {
        const auto& meldung = GuiHooks().meldung;
        return !meldung ||
               meldung(QString::fromStdString(text), QString::fromStdString(caption), abbrechbar);
    });
}

void RemoveMeldungsHook()
{
    SetMeldungsHook({});
}
