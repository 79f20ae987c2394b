// VtrlTray, the tray launcher: an icon in the notification area that starts the main program.
#include "TrayLauncher/VtrlTray.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("VtrlTray");
    return VtrlTrayAusfuehren(QApplication::arguments().mid(1), DefaultTrayHooks());
}
