#pragma once
// Everything of the tray launcher that waits for the user or reaches outside: its two message
// boxes and the start of the main program. The program takes the defaults; tests answer them.
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
};

// Message boxes captioned with the launcher's title, and the detached start of Platform.
TTrayHooks DefaultTrayHooks();
