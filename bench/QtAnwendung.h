#pragma once
// The one Qt application of the benchmarks that build windows (offscreen, so that the figures
// leave out the display server and the fonts it brings).
#include "Gui/BergForm.h"

#include <QApplication>

inline void Anwendung()
{
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    static const bool hook = (InstallDatenGeaendertHook(), true);
    (void)hook;
}
