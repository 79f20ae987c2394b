#pragma once
// The directories where the programs keep their files, each a shell folder plus the program's
// sub-folder, or a path of the user's own.
//
//   TVerzeichnisse      the user-options, data and shared-options directories
//   TVerzeichnisseVtrl  the directories of the funds, employees, reference-texts and currencies
//                       files
// Both read their section of "Pfade.ini" beside the program (nothing writes that file). Each
// directory is a pair of values: a folder lookup over ShellFolderList and the path it gives. A
// path derived from a folder is disabled for editing but still shown and read; "(Anderes)"
// enables it for the user's own text. The start-up sets the sub-folder of every derived path
// once (SetBasisPfad).
#include "Lib/Singleton.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringValue.h"

#include <span>
#include <string>

// A path value: a directory, ending with '/'. A stored '\' reads as '/', and a relative path is
// taken relative to the folder of Pfade.ini (the program's), never to the directory the program
// happened to be started from.
class TPfadString : public TString {
public:
    using TString::TString;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;
};

// One directory: a folder value, its path value and the folder used when Pfade.ini names none.
struct TVerzeichnisPaar {
    const char* ordner;
    const char* pfad;
    int vorgabeOrdner;
};

class TCustomVerzeichnisseDaten : public TDaten {
public:
    using TDaten::TDaten;

    // The sub-folder that every derived path ends with ("Tovar/XoLStTab/"); empty at first.
    const std::string& GetBasisPfad() const { return m_basisPfad; }
    // Replaces the sub-folder at the end of every derived path and its default.
    void SetBasisPfad(const std::string& subPfad);
    // Recomputes every derived path from its folder.
    void AllePfadeAktualisieren();
    // The path value of directory `index` (in the order of the pairs).
    TPfadString& Pfad(int index) const;

protected:
    virtual std::span<const TVerzeichnisPaar> Paare() const = 0;
    void CreateValues() override;

private:
    TIntegerLookupObj& Ordner(int index) const;
    void PfadAktualisieren(int index);

    std::string m_basisPfad;
};

class TVerzeichnisseDaten : public TCustomVerzeichnisseDaten {
public:
    using TCustomVerzeichnisseDaten::TCustomVerzeichnisseDaten;

protected:
    std::span<const TVerzeichnisPaar> Paare() const override;
};

class TVerzeichnisseVtrlDaten : public TCustomVerzeichnisseDaten {
public:
    using TCustomVerzeichnisseDaten::TCustomVerzeichnisseDaten;

protected:
    std::span<const TVerzeichnisPaar> Paare() const override;
};

// A calculation over directory pairs; loads itself from Pfade.ini.
class TCustomVerzeichnisse : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

    TCustomVerzeichnisseDaten& VerzeichnisDaten() const;
    // The path value of directory `index`; another index raises "Index ungültig (<index>)".
    const TPfadString& GetPfad(int index) const;
    const std::string& GetBasisPfad() const { return VerzeichnisDaten().GetBasisPfad(); }
    void SetBasisPfad(const std::string& subPfad) { VerzeichnisDaten().SetBasisPfad(subPfad); }

protected:
    void Calculate() override;
    // The position of the path value that `index` names, in the order of the pairs.
    virtual int PaarIndex(int index) const = 0;
    // Creates the data set, then reads the section named like the calculation from Pfade.ini
    // beside the program; the constructor of the final class calls it.
    void Laden();
};

// User options (0 "BenutzerOptionenDateiPfad"), data (1 "DatenDateiPfad") and shared options
// (2 "OptionenDateiPfad").
class TVerzeichnisse final : public TCustomVerzeichnisse {
public:
    static constexpr int kBenutzerOptionen = 0;
    static constexpr int kDaten = 1;
    static constexpr int kOptionen = 2;

protected:
    TDaten* CreateDaten() override;
    int PaarIndex(int index) const override;

private:
    friend class TSingleton<TVerzeichnisse>;
    TVerzeichnisse();
};

// Funds (0), employees (1), reference texts (2) and currencies (3).
class TVerzeichnisseVtrl final : public TCustomVerzeichnisse {
public:
    static constexpr int kKrankenkassen = 0;
    static constexpr int kArbeitnehmer = 1;
    static constexpr int kBezugtexte = 2;
    static constexpr int kWaehrungen = 3;

protected:
    TDaten* CreateDaten() override;
    int PaarIndex(int index) const override;

private:
    friend class TSingleton<TVerzeichnisseVtrl>;
    TVerzeichnisseVtrl();
};

// The singletons, loaded from Pfade.ini on first use.
TVerzeichnisse& Verzeichnisse();
TVerzeichnisseVtrl& VerzeichnisseVtrl();
// The slots, for main()'s shut-down order and for test fixtures (Reset loads afresh).
TSingleton<TVerzeichnisse>& VerzeichnisseSingleton();
TSingleton<TVerzeichnisseVtrl>& VerzeichnisseVtrlSingleton();
