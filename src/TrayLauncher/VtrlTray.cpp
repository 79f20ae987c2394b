#include "TrayLauncher/VtrlTray.h"

#include "Platform/Autostart.h"
#include "Platform/MessageWindow.h"
#include "TrayLauncher/LStTabTrayIconApplication.h"

#include <QApplication>

#include <exception>

int TrayLauncherSchliessen(const TTrayHooks& hooks)
{
    PostWindowMessage(kTrayKlasse, kTrayTitel, kTrayNachricht);
    try {
        TrayAutostartLink().DeleteLink();
    } catch (const std::exception& e) {
        TrayStartFehler(hooks, QString::fromStdString(e.what()));
        return 1;
    }
    return 0;
}

int VtrlTrayAusfuehren(const QStringList& argumente, const TTrayHooks& hooks,
                       const std::function<void(TLStTabTrayIconApplication&)>& nachDemStart)
{
    if (argumente.size() == 1 && argumente.front() == "/x")
        return TrayLauncherSchliessen(hooks);

    // The launcher has no window; a closed message box must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    TLStTabTrayIconApplication launcher(hooks);
    switch (launcher.Startup()) {
    case TTrayStart::Zweiter:
        return 255;
    case TTrayStart::Fehler:
        return 1;
    case TTrayStart::Laeuft:
        break;
    }
    QObject::connect(&launcher, &TLStTabTrayIconApplication::Ende, qApp,
                     [&launcher] { QCoreApplication::exit(launcher.ExitCode()); });
    if (nachDemStart)
        nachDemStart(launcher);
    return QApplication::exec();
}
