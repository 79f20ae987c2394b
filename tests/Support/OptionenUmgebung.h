#pragma once
// A temporary home (TempXdg.h) with a program directory of its own, where Pfade.ini and the
// updater are looked for, and fresh directory and options singletons for the life of the
// object. Starten() sets the sub-folder as the program's start-up does and loads the options.
#include "Options/OptionenTabelle.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/ShellFolderList.h"
#include "Options/Verzeichnisse.h"
#include "Platform/ShellFolder.h"
#include "Support/TempXdg.h"

#include <string>

// The host's XDG folders, but a program directory of the test's choosing. In place for the life
// of the object, together with a fresh folder list.
class TProgrammOrdner : public TXdgShellFolders {
public:
    explicit TProgrammOrdner(std::string programmVerzeichnis)
        : m_programmVerzeichnis(std::move(programmVerzeichnis))
    {
        if (m_programmVerzeichnis.back() != '/')
            m_programmVerzeichnis += '/';
        SetShellFolders(this);
        ShellFolderListSingleton().Reset();
    }
    ~TProgrammOrdner() override
    {
        ShellFolderListSingleton().Reset();
        SetShellFolders(nullptr);
    }
    TProgrammOrdner(const TProgrammOrdner&) = delete;
    TProgrammOrdner& operator=(const TProgrammOrdner&) = delete;

    std::string ProgramDirectory() const override { return m_programmVerzeichnis; }

private:
    std::string m_programmVerzeichnis;
};

class TOptionenUmgebung {
public:
    TOptionenUmgebung() : m_programm(m_xdg.Ordner("prog")) { Zuruecksetzen(); }
    ~TOptionenUmgebung() { Zuruecksetzen(); }
    TOptionenUmgebung(const TOptionenUmgebung&) = delete;
    TOptionenUmgebung& operator=(const TOptionenUmgebung&) = delete;

    // Frees the options and directories; the next use loads them afresh.
    static void Zuruecksetzen()
    {
        OptionenVtrlSingleton().Reset();
        OptionenTabelleSingleton().Reset();
        OptionenSingleton().Reset();
        VerzeichnisseVtrlSingleton().Reset();
        VerzeichnisseSingleton().Reset();
    }
    // Starts like the program: the sub-folder first, then the options.
    static TOptionenVtrl& Starten()
    {
        Verzeichnisse().SetBasisPfad("Tovar\\XoLStTab\\");
        return OptionenVtrl();
    }

    TTempXdg& Xdg() { return m_xdg; }
    std::string BenutzerDatei() const { return m_xdg.Config() + "Tovar/XoLStTab/OPTIONEN.INI"; }
    std::string GemeinsameDatei() const { return m_xdg.Data() + "Tovar/XoLStTab/OPTIONEN.INI"; }

private:
    TTempXdg m_xdg;
    TProgrammOrdner m_programm;
};
