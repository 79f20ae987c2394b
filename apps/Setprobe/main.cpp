// Setprobe, the options check: puts the stored contribution rates and child benefit of 2026
// back to the built-in values, silently or after asking. Takes no arguments. Exit code 0; 1 when
// the options could not be read or saved; 2 when a question was due but there is no screen to
// ask on (the values it would have asked about stay as stored). A calling installer must see
// both.
#include "Forms/Optionen/FoOptionenPruefung.h"
#include "Gui/GuiHooks.h"
#include "Options/OptionenPruefung.h"
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/Verzeichnisse.h"
#include "Platform/Bildschirm.h"

#include <QApplication>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

constexpr int kNichtGefragt = 2;

void Melden(const std::exception& e, bool bildschirm)
{
    std::fprintf(stderr, "%s\n", e.what());
    std::fflush(stderr);
    if (bildschirm)
        ShowFehler(QString::fromStdString(e.what()));
}

} // namespace

int main(int argc, char** argv)
{
    // Without a screen (an installer's headless run, or a display that does not answer) nobody
    // could answer a window: the program then runs without any.
    const bool bildschirm = BildschirmErreichbar();
    const std::unique_ptr<QCoreApplication> app =
        bildschirm ? std::make_unique<QApplication>(argc, argv)
                   : std::make_unique<QCoreApplication>(argc, argv);
    // The name, not a display name: the platform would add that to every window title.
    QCoreApplication::setApplicationName(QStringLiteral("XoLStTab Optionsupdate"));
    bool nichtGefragt = false;
    const TOptionenFrage frage = [&](TOptionenSeite seite) {
        if (bildschirm)
            return OptionenZuruecksetzenFragen(seite);
        nichtGefragt = true;
        return false;
    };
    int exitCode = 0;
    try {
        exitCode = TOptionsBeitragssaetzeCheck(frage).Run();
        exitCode = TOptionsKindergeldCheck(frage).Run();
        if (nichtGefragt) {
            std::fprintf(stderr, "Setprobe: Die Werte für 2026 in den Optionen sind nicht aktuell. "
                                 "Ohne Bildschirm kann nicht gefragt werden, sie bleiben "
                                 "unverändert.\n");
            exitCode = kNichtGefragt;
        }
    } catch (const std::exception& e) {
        Melden(e, bildschirm);
        exitCode = 1;
    }
    OptionenVtrlSingleton().Finalize();
    OptionenTabelleSingleton().Finalize();
    OptionenSingleton().Finalize();
    VerzeichnisseVtrlSingleton().Finalize();
    VerzeichnisseSingleton().Finalize();
    return exitCode;
}
