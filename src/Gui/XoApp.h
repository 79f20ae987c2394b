#pragma once
// The application object of the main program: a minimised main window goes into the notification
// area (when the desktop has one; otherwise it stays minimised on the task bar) and comes back on
// restore; while the framework waits for a file, the cursor shows the hourglass.
//
// Qt already delivers wheel events to the widget under the mouse, so the object has no wheel
// routing of its own.
#include "Gui/TrayIcon.h"
#include "Lib/Event.h"
#include "Lib/Singleton.h"

#include <QObject>

#include <functional>

class TXoApplication : public QObject {
    Q_OBJECT
public:
    TRxTrayIcon& TrayIcon() { return *m_trayIcon; }

    // The main window goes into the notification area.
    void AppMinimize();
    // The main window comes back and the icon goes.
    void AppRestore();

    // Hourglass from the first BeginBusy to the matching EndBusy.
    void BeginBusy();
    void EndBusy();
    int BusyCount() const { return m_busy; }

    // Whether the desktop has a notification area; tests put their own answer in place.
    void SetTrayVerfuegbar(std::function<bool()> verfuegbar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TSingleton<TXoApplication>;
    TXoApplication();
    ~TXoApplication() override;

    int m_busy = 0;
    TRxTrayIcon* m_trayIcon = nullptr;
    std::function<bool()> m_trayVerfuegbar;
    TEventConnection m_beginWait;
    TEventConnection m_endWait;
};

TXoApplication& XoApplication();
TSingleton<TXoApplication>& XoApplicationSingleton();
