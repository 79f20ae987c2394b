#pragma once
// Everything of the tray launcher that waits for the user or reaches outside: its two message
// boxes, the start of the main program and the notification area it needs. The program takes the defaults; tests answer them.
#include <QString>

#include <functional>
#include <string>

enum class TTrayAntwort { Ja, Nein, Abbrechen };

struct TTrayHooks {
    // Asks a question with the buttons "&Ja", "&Nein" and "Abbrechen".
    std::function<TTrayAntwort(const QString& frage)> frage;
    // Shows an error.
    std::function<void(const QString& text)> fehler;
    // Starts a program detached: 0 or an errno (see ProgrammStarten).
    std::function<int(const std::string& pfad)> starten;
    // Whether the desktop shows a notification area now (none: taken as there). At login it
    // may come up after the launcher, which waits `infobereichFristMs` for it.
    std::function<bool()> infobereich;
    int infobereichFristMs = 10000;
};

// Message boxes captioned with the launcher's title, and the detached start of Platform.
TTrayHooks DefaultTrayHooks();
