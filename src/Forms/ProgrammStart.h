#pragma once
// The start of the main program, in this order: the program's mutex, the application title, the
// update check (when the outside updater is started the program ends at once), the title window,
// the main window and the calculator, then the settings and the updater's answer.
#include "Forms/Start/UpdatePruefung.h"

#include <QStringList>

#include <memory>
#include <string>

class TDDEServer;
class TFoRechner;
class TMainForm;

inline constexpr const char* kProgrammMutex = "TovarXoLStTab";
inline constexpr const char* kAnwendungsTitel = "Vantrel 2026";
// The per-user sub-path of the settings folders.
inline constexpr const char* kBenutzerPfad = "Tovar/XoLStTab/";

// Starts the updater when a check is due: true when it runs and the program must end
// (lage.updaterGestartet is then set). Otherwise clears lage.updaterGestartet and, after a
// completed search, makes today the last search date; false.
bool UpdaterStarten(TUpdateLage& lage, const std::string& programmVerzeichnis);

// The update settings of the options, and back.
TUpdateLage UpdateLageLesen();
void UpdateLageSpeichern(const TUpdateLage& lage);

struct TProgrammStart {
    std::string programmVerzeichnis; // with a trailing '/'
    std::string datenVerzeichnis;    // folder of "VANTRL32.INI", with a trailing '/'
    QStringList argumente;           // without the program's own name
    TDatum heute;

    std::unique_ptr<TMainForm> hauptfenster;
    std::unique_ptr<TFoRechner> rechner;
    // The automation server over the main window's topics (inactive without a session bus).
    std::unique_ptr<TDDEServer> ddeServer;

    TProgrammStart();
    ~TProgrammStart();

    // Everything up to the shown main window; false when the program ends for the updater.
    bool Starten();
    QString ErstesArgument() const { return argumente.value(0); }
};

// The program: start, message loop, exit code.
int ProgrammStart(int argc, char** argv);
// The same inside an application that exists already (what main() runs, and a test).
int ProgrammLauf(const QStringList& argumente);
// The process-wide objects in their fixed order, the instance checker's report last.
void ProgrammEnde();
