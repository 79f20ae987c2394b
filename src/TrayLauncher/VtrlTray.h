#pragma once
// The tray launcher's program block. Exactly one argument "/x" (case-sensitive) closes a running
// launcher and deletes the autostart entry, without lock, message window or icon; any other
// command line runs the launcher until it ends.
//
// Exit codes: 0; 255 when another launcher runs; 1 when an error kept it from running or "/x"
// could not delete the entry (the error is shown and written to stderr).
#include "TrayLauncher/TrayHooks.h"

#include <QStringList>

#include <functional>

class TLStTabTrayIconApplication;

// Needs the application object and runs its event loop. `nachDemStart` runs once the launcher
// is up, before the loop (test drivers use it to act as the user would).
int VtrlTrayAusfuehren(const QStringList& argumente, const TTrayHooks& hooks,
                       const std::function<void(TLStTabTrayIconApplication&)>& nachDemStart = {});

// The "/x" command: 0, or 1 when the entry could not be deleted.
int TrayLauncherSchliessen(const TTrayHooks& hooks);
