// Setprobe, the options check: puts the stored contribution rates and child benefit of 2026
// back to the built-in values, silently or after asking. Takes no arguments; exit code 0.
#include "Forms/FoOptionenPruefung.h"
#include "Gui/GuiHooks.h"
#include "Options/OptionenPruefung.h"
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/Verzeichnisse.h"

#include <QApplication>

#include <exception>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("XoLStTab Optionsupdate"));
    try {
        TOptionsBeitragssaetzeCheck(OptionenZuruecksetzenFragen).Run();
        TOptionsKindergeldCheck(OptionenZuruecksetzenFragen).Run();
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
    OptionenVtrlSingleton().Finalize();
    OptionenTabelleSingleton().Finalize();
    OptionenSingleton().Finalize();
    VerzeichnisseVtrlSingleton().Finalize();
    VerzeichnisseSingleton().Finalize();
    return 0;
}
