#pragma once
// Shared by the launcher's tests: hooks that record what the launcher asks, shows and starts,
// and the waits for a launcher in another process.
#include "Platform/Autostart.h"
#include "Platform/MessageWindow.h"
#include "Platform/NamedMutex.h"
#include "TrayLauncher/LStTabTrayIconApplication.h"
#include "TrayLauncher/TrayHooks.h"

#include "Support/Warten.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QStringList>
#include <QThread>

#include <functional>
#include <string>
#include <sys/stat.h>
#include <vector>

struct TTrayProtokoll {
    TTrayAntwort antwort = TTrayAntwort::Abbrechen;
    int startErgebnis = 0;
    QStringList fragen;
    QStringList fehler;
    std::vector<std::string> starts;

    TTrayHooks Hooks()
    {
        TTrayHooks hooks;
        hooks.frage = [this](const QString& frage) {
            fragen << frage;
            return antwort;
        };
        hooks.fehler = [this](const QString& text) { fehler << text; };
        hooks.starten = [this](const std::string& pfad) {
            starts.push_back(pfad);
            return startErgebnis;
        };
        return hooks;
    }
};

// Waits, processing events, until the condition holds; false after `ms`.
inline bool WartenBis(const std::function<bool()>& bedingung, int ms = kGeduldMs)
{
    QElapsedTimer uhr;
    uhr.start();
    while (!bedingung()) {
        if (uhr.elapsed() > ms)
            return false;
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
    return true;
}

// True while a launcher answers under its window address.
inline bool LauncherAntwortet()
{
    QLocalSocket probe;
    probe.connectToServer(MessageWindowName(kTrayKlasse, kTrayTitel));
    const bool ok = probe.waitForConnected(200);
    probe.abort();
    return ok;
}

inline bool LauncherLaeuft()
{
    return TNamedMutex::InUse(kTrayTitel.toStdString());
}

inline bool Existiert(const std::string& pfad)
{
    struct stat st {};
    return lstat(pfad.c_str(), &st) == 0;
}

// The autostart entry's file in the current XDG folders.
inline std::string EintragDatei()
{
    return TrayAutostartLink().LinkFile();
}
