#pragma once
// Everything of the GUI layer that waits for the user, makes a noise or starts another program goes
// through these hooks: beeps, error boxes, modal dialogs, the short waits of the calculator tape
// and the desktop's viewer for a document; so does what only the window system knows, the frame
// around a window and the work area. The program keeps the defaults; tests replace a hook to count
// beeps, answer a dialog, skip a wait or put a screen of their own in place, and restore the
// previous set afterwards (TGuiHooks is a plain value, so saving a copy is enough).
#include <QMargins>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

enum class TBeepArt {
    Fehler,   // a refused key or command
    Standard, // the calculator's "too many digits"
};

struct TGuiHooks {
    std::function<void(TBeepArt)> beep;
    // Shows an error text to the user (the application's exception display).
    std::function<void(const QString&)> fehler;
    // Runs a window modally until it closes and returns its modal result.
    std::function<int(QWidget&)> modal;
    // Shows the help topic of a help context (the program has no help system: nothing).
    std::function<void(int)> hilfe;
    // Waits the given milliseconds while the application keeps processing its events.
    std::function<void(int)> delay;
    // A message of the framework (Lib/Meldung.h): the report of objects never freed at program
    // end, a use of a process-wide object after it. With `abbrechbar` the user may cancel (OK
    // and Cancel); false when cancelled.
    std::function<bool(const QString& text, const QString& caption, bool abbrechbar)> meldung;
    // Opens a file with the desktop's program for its type (the PDF viewer for the manual).
    std::function<void(const QString& pfad)> oeffnen;
    // The frame the window manager drew around a top-level window (title bar and borders), or
    // nothing while it has not framed it yet.
    std::function<std::optional<QMargins>(const QWidget&)> rahmen;
    // The desktop work area: the screen without panels and docks.
    std::function<QRect()> arbeitsbereich;
};

// The program-wide hooks; the defaults beep, show a message box, run an event loop and wait.
TGuiHooks& GuiHooks();
// The defaults, for a test fixture to start from.
TGuiHooks DefaultGuiHooks();

void MessageBeep(TBeepArt art);
void ShowFehler(const QString& text);
// Opens one of the program's own documents with the desktop's program for it. A missing file is
// reported, and so is a desktop without a program for it, with the folder the file lies in.
void DokumentOeffnen(const QString& pfad);

// Sends the framework's messages to the meldung hook (the program does so while its
// application object lives); RemoveMeldungsHook sends them back to stderr.
void InstallMeldungsHook();
void RemoveMeldungsHook();
