#pragma once
// The tray launcher `VtrlTray`: one icon in the notification area that starts the main program
// and then ends.
//
//   TLStTabTrayIconApplication  the running launcher. Startup sets it up in this order: the
//                               single-instance lock, the message window through which the main
//                               program closes it, the icon with its menu, the autostart entry.
//   TTrayHooks (TrayHooks.h)    its message boxes and the start of the main program.
//   VtrlTrayAusfuehren          the program block (VtrlTray.h): "/x" or a running launcher.
//
// The whole contract with the main program is the message window's class and title, the close
// message and the autostart entry; the main program closes the launcher when it starts and
// starts it again when it ends, so the two icons are never shown together.
#include "TrayLauncher/TrayHooks.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class TAutostartLink;
class TMessageWindow;
class TNamedMutex;

// The launcher's window address, also the name of its lock and the stem of its autostart entry.
inline const QString kTrayKlasse = QStringLiteral("XoVtrlTray");
inline const QString kTrayTitel = QStringLiteral("Vantrel Tray Icon 2026");
// The message that makes a running launcher end.
inline const QString kTrayNachricht = QStringLiteral("CloseXoLStTabTrayApp");
// The icon's tip.
inline const QString kTrayTip = QStringLiteral("Vantrel 2026");
// The main program's file, beside the launcher.
inline constexpr const char* kHauptprogramm = "Vantrl32";

// Without a notification area nobody could open the program or end the launcher: it says so and
// names the option that stops the main program from starting it.
inline const QString kKeinInfobereich = QStringLiteral(
    "Es wurde kein Infobereich der Kontrollleiste gefunden, das Symbol von Vantrel 2026 kann "
    "nicht angezeigt werden. Das Symbol lässt sich in Vantrel unter \"Optionen...\", "
    "\"Allgemein\" mit \"Schnellstartsymbol anzeigen (Task-Leiste)\" abschalten.");

// The autostart entry acts at login, not at a system start: the question says so.
inline const QString kAutostartFrage = QStringLiteral("Symbol bei der nächsten Anmeldung laden?");

enum class TTrayStart {
    Laeuft,  // the launcher runs until it ends itself
    Zweiter, // another launcher holds the lock: end with 255
    Fehler,  // shown to the user: end with 1
};

class TLStTabTrayIconApplication : public QObject {
    Q_OBJECT
public:
    explicit TLStTabTrayIconApplication(TTrayHooks hooks, QObject* parent = nullptr);
    // Removes the icon and frees the lock and the message window; the autostart entry stays.
    ~TLStTabTrayIconApplication() override;

    TTrayStart Startup();

    // Starts the main program beside the launcher and ends; a failed start is shown first.
    void OpenMainProgram();
    // Asks whether the icon comes back at the next login; "Nein" deletes the autostart entry.
    // Unless cancelled, the launcher ends.
    void QueryExit();

    bool Beendet() const { return m_beendet; }
    // 0, or 1 when no notification area appeared in time.
    int ExitCode() const { return m_exitCode; }
    QSystemTrayIcon* Icon() const { return m_icon; }
    QMenu* Menu() const { return m_menu.get(); }

signals:
    // The launcher is done: the program leaves its loop with exit code 0.
    void Ende();

private:
    void NachrichtErhalten(const QString& nachricht);
    void Beenden();
    void IconAnlegen();
    void AufInfobereichWarten();

    TTrayHooks m_hooks;
    std::unique_ptr<TNamedMutex> m_mutex;
    std::unique_ptr<TAutostartLink> m_autostart;
    std::unique_ptr<QMenu> m_menu;
    TMessageWindow* m_fenster = nullptr;
    QSystemTrayIcon* m_icon = nullptr;
    bool m_beendet = false;
    int m_exitCode = 0;
};

// Shows an error that keeps the launcher from running, in a box and on stderr (nobody may be
// looking when it starts at login).
void TrayStartFehler(const TTrayHooks& hooks, const QString& text);
