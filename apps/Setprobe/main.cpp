// Setprobe, the options check: puts the stored contribution rates and child benefit of 2026
// back to the built-in values, silently or after asking. Takes no arguments. Exit code 0, or 1
// when the options could not be read or saved: a calling installer must see the failure.
#include "Forms/FoOptionenPruefung.h"
#include "Gui/GuiHooks.h"
#include "Options/OptionenPruefung.h"
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/Verzeichnisse.h"

#include <QApplication>

#include <cstdio>
#include <exception>

namespace {

// On a platform without a screen (an installer's headless run) nobody could close a message
// box: the message then goes to stderr only.
bool BildschirmDa()
{
    const QString plattform = QGuiApplication::platformName();
    return plattform != QLatin1String("offscreen") && plattform != QLatin1String("minimal");
}

void Melden(const std::exception& e)
{
    std::fprintf(stderr, "%s\n", e.what());
    std::fflush(stderr);
    if (BildschirmDa())
        ShowFehler(QString::fromStdString(e.what()));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The name, not a display name: the platform would add that to every window title.
    QApplication::setApplicationName(QStringLiteral("XoLStTab Optionsupdate"));
    int exitCode = 0;
    try {
        exitCode = TOptionsBeitragssaetzeCheck(OptionenZuruecksetzenFragen).Run();
        exitCode = TOptionsKindergeldCheck(OptionenZuruecksetzenFragen).Run();
    } catch (const std::exception& e) {
        Melden(e);
        exitCode = 1;
    }
    OptionenVtrlSingleton().Finalize();
    OptionenTabelleSingleton().Finalize();
    OptionenSingleton().Finalize();
    VerzeichnisseVtrlSingleton().Finalize();
    VerzeichnisseSingleton().Finalize();
    return exitCode;
}
