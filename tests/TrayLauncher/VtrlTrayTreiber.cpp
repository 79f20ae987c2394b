// Test driver: runs the tray launcher's program block as VtrlTray does. Its message boxes write
// "Fehler: <text>" or "Frage: <text>" to stdout and return at once (the question is answered
// "Abbrechen"), since offscreen nobody could click them. With VT_TREIBER_AKTION=oeffnen it
// chooses the menu's default item "&Vantrel öffnen" once the launcher is up; with
// VT_TREIBER_INFOBEREICH=nie no notification area comes up within a tenth of a second.
#include "TrayLauncher/LStTabTrayIconApplication.h"
#include "TrayLauncher/VtrlTray.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <cstdio>

namespace {

void Ausgeben(const char* art, const QString& text)
{
    std::printf("%s: %s\n", art, text.toUtf8().constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TTrayHooks hooks = DefaultTrayHooks();
    hooks.fehler = [](const QString& text) { Ausgeben("Fehler", text); };
    hooks.frage = [](const QString& text) {
        Ausgeben("Frage", text);
        return TTrayAntwort::Abbrechen;
    };
    if (qgetenv("VT_TREIBER_INFOBEREICH") == "nie") {
        hooks.infobereich = [] { return false; };
        hooks.infobereichFristMs = 100;
    }
    const bool oeffnen = qgetenv("VT_TREIBER_AKTION") == "oeffnen";
    return VtrlTrayAusfuehren(
        QApplication::arguments().mid(1), hooks, [oeffnen](TLStTabTrayIconApplication& launcher) {
            if (oeffnen)
                QMetaObject::invokeMethod(launcher.Menu()->defaultAction(), &QAction::trigger,
                                          Qt::QueuedConnection);
        });
}
