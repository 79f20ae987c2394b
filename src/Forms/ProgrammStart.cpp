#include "Forms/ProgrammStart.h"

#include "Forms/MainForm.h"
#include "Forms/Titel.h"
#include "Gui/BergForm.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/Rechner.h"
#include "Gui/XoApp.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "MVCFrame/DDEMngr.h"
#include "MVCFrame/IntegerValue.h"
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/Verzeichnisse.h"
#include "Platform/DDEServer.h"
#include "Platform/NamedMutex.h"
#include "Platform/ProzessStart.h"
#include "Platform/ShellFolder.h"

#include <QApplication>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Ausfuehrbar(const std::string& pfad)
{
    struct stat st {};
    return stat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(pfad.c_str(), X_OK) == 0;
}

} // namespace

bool UpdaterStarten(TUpdateLage& lage, const std::string& programmVerzeichnis)
{
    const std::string updater = programmVerzeichnis + kUpdaterProgramm;
    lage.updaterVorhanden = Ausfuehrbar(updater);
    if (UpdateFaellig(lage)) {
        // A failed start is silent: the program simply runs without the check.
        if (ProgrammStarten(updater, {kUpdaterParameter1, kUpdaterParameter2}) == 0) {
            lage.updaterGestartet = true;
            return true;
        }
        return false;
    }
    lage.updaterGestartet = false;
    if (UpdateGesucht(lage.erstesArgument))
        lage.zuletztGesucht = UpdateDatumText(lage.heute);
    return false;
}

TUpdateLage UpdateLageLesen()
{
    const TOptionenUpdateDaten& u = OptionenVtrl().UpdateDaten();
    TUpdateLage lage;
    lage.updaterGestartet = u.Schalter("UpdaterGestartet").GetValue();
    if (const auto* rhythmus = dynamic_cast<const TInteger*>(u.FindValue("UpdateRhythmus")))
        lage.rhythmus = rhythmus->GetValue();
    if (const TValue* zuletzt = u.FindValue("ZuletztGesucht"))
        lage.zuletztGesucht = zuletzt->GetStoredString();
    return lage;
}

void UpdateLageSpeichern(const TUpdateLage& lage)
{
    TOptionenUpdateDaten& u = OptionenVtrl().UpdateDaten();
    u.Schalter("UpdaterGestartet").SetValue(lage.updaterGestartet);
    if (TValue* zuletzt = u.FindValue("ZuletztGesucht"))
        zuletzt->SetAsString(lage.zuletztGesucht);
}

TProgrammStart::TProgrammStart() = default;
TProgrammStart::~TProgrammStart() = default;

bool TProgrammStart::Starten()
{
    TUpdateLage lage = UpdateLageLesen();
    lage.erstesArgument = ErstesArgument().toStdString();
    lage.heute = heute;
    const bool updaterLaeuft = UpdaterStarten(lage, programmVerzeichnis);
    UpdateLageSpeichern(lage);
    if (updaterLaeuft) {
        // Saved before the program ends, so that the next start does not launch it again.
        OptionenVtrl().Save(false);
        return false;
    }
    if (TMainForm::Schalter("TitelZeigen"))
        TFoTitel::ZeigeTitelfenster(TIniFile(JoinPath(datenVerzeichnis, "VANTRL32.INI")));
    hauptfenster = std::make_unique<TMainForm>(datenVerzeichnis);
    hauptfenster->init();
    rechner = std::make_unique<TFoRechner>();
    ddeServer = std::make_unique<TDDEServer>(MVCDDEManager());
    hauptfenster->NachDemErzeugen(ErstesArgument());
    hauptfenster->show();
    // A stored or page-sized window never reaches beyond this screen's work area.
    hauptfenster->InArbeitsflaeche();
    CenterForm(*hauptfenster, *rechner);
    return true;
}

int ProgrammStart(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Held for the life of the process; other main programs may hold it as well.
    TNamedMutex mutex(kProgrammMutex);
    // The title as the application's name only: a display name would be appended to every
    // window's title by the platform.
    QApplication::setApplicationName(kAnwendungsTitel);

    // Every change of a data set reaches every window that shows it.
    InstallDatenGeaendertHook();
    int ergebnis = 0;
    try {
        Verzeichnisse().SetBasisPfad(kBenutzerPfad);
        VerzeichnisseVtrl().SetBasisPfad(Verzeichnisse().GetBasisPfad());
        TProgrammStart start;
        start.programmVerzeichnis = ShellFolders().ProgramDirectory();
        start.datenVerzeichnis = Verzeichnisse().GetPfad(TVerzeichnisse::kDaten).GetValue();
        start.argumente = QApplication::arguments().mid(1);
        start.heute = DatumHeute();
        if (start.Starten())
            ergebnis = QApplication::exec();
        // The server before the window whose topics it publishes.
        start.ddeServer.reset();
        start.rechner.reset();
        start.hauptfenster.reset();
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
        ergebnis = 1;
    }
    // The options outlive every window; the directories outlive the options.
    MVCDDEManagerSingleton().Finalize();
    XoApplicationSingleton().Finalize();
    OptionenVtrlSingleton().Finalize();
    OptionenTabelleSingleton().Finalize();
    OptionenSingleton().Finalize();
    VerzeichnisseVtrlSingleton().Finalize();
    VerzeichnisseSingleton().Finalize();
    return ergebnis;
}
