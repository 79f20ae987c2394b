#include "Forms/ProgrammStart.h"

#include "Forms/MainForm.h"
#include "Forms/Start/Titel.h"
#include "Gui/AnzeigeOptionen.h"
#include "Gui/BergForm.h"
#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiHooks.h"
#include "Gui/Rechner.h"
#include "Gui/XoApp.h"
#include "Gui/XoTimer.h"
#include "Lib/IniFile.h"
#include "Lib/InstChck.h"
#include "Lib/MVCApp.h"
#include "Lib/StrLib.h"
#include "MVCFrame/DDEMngr.h"
#include "MVCFrame/IntegerValue.h"
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/ShellFolderList.h"
#include "Options/Verzeichnisse.h"
#include "Platform/DDEServer.h"
#include "Platform/NamedMutex.h"
#include "Platform/ProzessStart.h"
#include "Platform/ShellFolder.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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
    lage.updaterGestartet = u.UpdaterGestartet();
    if (const auto* rhythmus = dynamic_cast<const TInteger*>(u.FindValue("UpdateRhythmus")))
        lage.rhythmus = rhythmus->GetValue();
    if (const TValue* zuletzt = u.FindValue("ZuletztGesucht"))
        lage.zuletztGesucht = zuletzt->GetStoredString();
    return lage;
}

void UpdateLageSpeichern(const TUpdateLage& lage)
{
    TOptionenUpdateDaten& u = OptionenVtrl().UpdateDaten();
    u.SetUpdaterGestartet(lage.updaterGestartet);
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
    if (OptionenVtrl().AllgemeinDaten().TitelZeigen())
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

void ProgrammEnde()
{
    // Each goes before what it uses: the windows are gone, so nothing asks for the display
    // options or queues a timer any more; the application object leaves the registry of data
    // sets; the options (data sets) go before the directories, which offer the shell folders;
    // the registry once every data set has left it; the instance checker last, so that its
    // report names only what was really never freed.
    SetAnzeigeOptionen(nullptr);
    TimerMngrSingleton().Finalize();
    MVCDDEManagerSingleton().Finalize();
    XoApplicationSingleton().Finalize();
    OptionenVtrlSingleton().Finalize();
    OptionenTabelleSingleton().Finalize();
    OptionenSingleton().Finalize();
    VerzeichnisseVtrlSingleton().Finalize();
    VerzeichnisseSingleton().Finalize();
    ShellFolderListSingleton().Finalize();
    MVCApplicationSingleton().Finalize();
    InstanceCheckerSingleton().Finalize();
}

int ProgrammLauf(const QStringList& argumente)
{
    // Held for the life of the process; other main programs may hold it as well.
    TNamedMutex mutex(kProgrammMutex);
    // The title as the application's name only: a display name would be appended to every
    // window's title by the platform.
    QApplication::setApplicationName(kAnwendungsTitel);
    // Qt's own dialogs (printing, saving a file) speak German like the rest of the program.
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    // Every change of a data set reaches every window that shows it; the framework's messages
    // reach the user.
    InstallDatenGeaendertHook();
    InstallMeldungsHook();
    int ergebnis = 0;
    try {
        TProgrammStart start;
        bool gestartet = false;
        {
            // Up to the shown main window each settings file is read once, however many
            // objects ask it.
            const TIniLeseSitzung einmalLesen;
            Verzeichnisse().SetBasisPfad(kBenutzerPfad);
            VerzeichnisseVtrl().SetBasisPfad(Verzeichnisse().GetBasisPfad());
            // Bold and large print as the options say, from the first window on.
            InstallOptionenAnzeige();
            start.programmVerzeichnis = ShellFolders().ProgramDirectory();
            start.datenVerzeichnis = Verzeichnisse().GetPfad(TVerzeichnisse::kDaten).GetValue();
            start.argumente = argumente;
            start.heute = DatumHeute();
            gestartet = start.Starten();
        }
        if (gestartet)
            ergebnis = QApplication::exec();
        // The server before the window whose topics it publishes.
        start.ddeServer.reset();
        start.rechner.reset();
        start.hauptfenster.reset();
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
        ergebnis = 1;
    }
    // A title window still shown and every window closed late go before the objects they use.
    TFoTitel::Schliessen();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ProgrammEnde();
    RemoveMeldungsHook();
    return ergebnis;
}

int ProgrammStart(int argc, char** argv)
{
    QApplication app(argc, argv);
    return ProgrammLauf(QApplication::arguments().mid(1));
}
