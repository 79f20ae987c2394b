// VtrlTray, the tray launcher: an icon in the notification area that starts the main program.
#include "TrayLauncher/VtrlTray.h"

#include <QApplication>

#include <cstring>

int main(int argc, char** argv)
{
    // "/x" closes a running launcher and deletes the autostart entry: it needs no display (an
    // uninstaller may run it without one), so its errors go to stderr only.
    if (argc == 2 && std::strcmp(argv[1], "/x") == 0) {
        QCoreApplication app(argc, argv);
        return TrayLauncherSchliessen(TTrayHooks{});
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("VtrlTray");
    return VtrlTrayAusfuehren(QApplication::arguments().mid(1), DefaultTrayHooks());
}
