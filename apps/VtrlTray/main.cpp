// VtrlTray, the tray launcher: an icon in the notification area that starts the main program.
#include "Platform/Bildschirm.h"
#include "TrayLauncher/LStTabTrayIconApplication.h"
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
    // A display that does not answer would end the process as Qt starts; without any screen no
    // notification area can come up.
    if (!BildschirmErreichbar() && !OhneSichtbarenBildschirm()) {
        TrayStartFehler(TTrayHooks{}, kKeinInfobereich);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("VtrlTray");
    TTrayHooks hooks = DefaultTrayHooks();
    // On the offscreen platform nobody could close a box: errors go to stderr only.
    if (OhneSichtbarenBildschirm())
        hooks.fehler = nullptr;
    return VtrlTrayAusfuehren(QApplication::arguments().mid(1), hooks);
}
