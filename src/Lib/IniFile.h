#pragma once
// INI files: every setting of the system is stored through these two classes.
//
//   TIniFile   reads and writes one INI file, atomically (temporary file, then rename), so a
//              crash leaves the old or the new file; reads see changes made meanwhile by another
//              object or program (the file is re-read when it changed on disk). Text rules: see
//              IniDokument.h. A save of many values brackets its writes with BeginUpdate and
//              UpdateFile: they are collected and the file is written once, all or nothing.
//              Outside such a bracket each write goes to disk at once.
//   TXIniFile  adds default suppression: WriteString/WriteInteger/WriteBool with a default
//              write a key only when its value differs from the default and remove a key whose
//              value equals it, so the files hold only what the user changed and a later change
//              of a built-in default reaches everyone who never touched the setting.
//
//   TIniLeseSitzung  while one lives, TIniFile objects that read the same file, unchanged on disk,
//              share one parsed text: a start-up that asks a settings file from many places
//              reads and parses it once.
//
// Reads never fail: a missing or unreadable file reads as empty, so every value has its default.
// A write that fails raises EIniFileError "nach <file> kann nicht geschrieben werden: <the
// system's error text>" with the errno (callers that save settings create a missing directory
// on ENOENT and try once more), or "<file> ist schreibgeschützt" (EACCES) for a file this user may
// not write; the file is then unchanged. A file that exists but cannot be read is never
// overwritten. The program's own settings files are checked when they are read at start
// (EinstellungenLesbar): one that cannot be read is told once and then left alone by every save.
#include "Lib/Exception.h"
#include "Lib/IniDokument.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <unordered_map>
#include <vector>

class EIniFileError : public Exception {
public:
    EIniFileError(const std::string& message, int code) : Exception(message), m_code(code) {}
    // The errno of the failed step; 0 for a refused call (empty section or key).
    int Code() const { return m_code; }

private:
    int m_code;
};

class TIniFile {
public:
    explicit TIniFile(std::string fileName);
    virtual ~TIniFile() = default;
    TIniFile(const TIniFile&) = delete;
    TIniFile& operator=(const TIniFile&) = delete;

    const std::string& FileName() const { return m_fileName; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal, or hexadecimal after "0x" or "$"; the default when missing, not a number or
    // beyond 32 bits.
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t def) const;
    // ReadInteger(section, key, def ? 1 : 0) != 0: only numbers count ("Ja" reads the default).
    bool ReadBool(std::string_view section, std::string_view key, bool def) const;
    // The key names of the section, in file order.
    std::vector<std::string> ReadSection(std::string_view section) const;
    // "key=value" lines of the section, in file order.
    std::vector<std::string> ReadSectionValues(std::string_view section) const;
    std::vector<std::string> ReadSections() const;
    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;
    // The errno of reading the file: 0 when it was read or is not there.
    int Lesefehler() const;
    // For the program's settings files, read at start: whether the file could be read (a missing
    // one can). One that cannot is told once through the message hook ("<file> kann nicht gelesen
    // werden: <reason>. Die Einstellungen dieser Datei werden nicht verwendet, die Datei bleibt
    // unverändert.") and spared from then on: every write to it in this run is dropped without a
    // word, so the defaults the program runs with never replace what the file holds. A later
    // check that reads the file lifts that.
    bool EinstellungenLesbar() const;
    // Whether the file is spared (see EinstellungenLesbar).
    static bool Verschont(const std::string& fileName);

    // Always writes (no default involved).
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    // "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Raises "IniFile (<file>): Sektion darf nicht leer sein" / "... Schlüssel darf nicht leer
    // sein" for an empty section or key; a missing key is no error.
    void DeleteKey(std::string_view section, std::string_view key);
    void EraseSection(std::string_view section);

    // Collects the following writes (and deletions) in memory until UpdateFile; reads see them.
    // An object destroyed before UpdateFile drops what it collected, so a save that fails halfway
    // leaves the file as it was.
    void BeginUpdate();
    // After BeginUpdate: writes the collected changes as one new file and ends the collecting.
    // Changes another object or program made to the file meanwhile are kept: the collected
    // changes go onto the file as it is now. On failure it raises EIniFileError (see above); the
    // file is then unchanged and the changes stay collected, so that a second call may try again
    // (after creating a missing directory, say). Without BeginUpdate the writes are on disk
    // already, and it only drops what this object remembers: the next read loads the file afresh.
    void UpdateFile();

private:
    friend class TIniLeseSitzung;
    struct Stand {
        bool vorhanden = false;
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = 0;
        long long mtimeNs = 0;
        int fehler = 0; // errno of stat when the file is not there
        bool operator==(const Stand&) const = default;
    };
    struct Aenderung {
        enum class Art { Setzen, Loeschen, SektionLoeschen } art;
        std::string section;
        std::string key;
        std::string value;
    };
    // What a reading session holds of one file.
    struct Gelesen {
        Stand stand;
        std::shared_ptr<TIniDokument> dokument;
    };
    Stand AktuellerStand() const;
    void Laden(const Stand& stand) const;
    // The text to change: this object's own, copied first when another object shares it.
    TIniDokument& EigenesDokument();
    // The files read during the reading sessions, by name, and how deep they nest.
    static std::unordered_map<std::string, Gelesen>& SitzungsDateien();
    static int& SitzungsTiefe();
    // Loads the file when it changed on disk since the last load (not while collecting).
    const TIniDokument& Dokument() const;
    void PruefeNamen(std::string_view section, std::string_view key) const;
    // Returns whether the text changed.
    static bool Anwenden(TIniDokument& dokument, const Aenderung& aenderung);
    // Applies the change: collected, or written at once (all or nothing).
    void Aendern(Aenderung aenderung);
    // Writes the current text; raises EIniFileError.
    void Schreiben();

    std::string m_fileName;
    // Shared with other objects of the same file during a reading session, never changed while
    // shared (EigenesDokument).
    mutable std::shared_ptr<TIniDokument> m_dokument = std::make_shared<TIniDokument>();
    mutable Stand m_stand;
    mutable bool m_geladen = false;
    mutable int m_lesefehler = 0; // errno of the last load; writes refuse while it is set
    bool m_sammeln = false;
    bool m_geaendert = false; // a collected change changed the text
    std::vector<Aenderung> m_aenderungen;
};

// Nests; the files read are held until the outermost session ends. Reads only: a file written by
// this program meanwhile is read afresh by the next object that asks it.
class TIniLeseSitzung {
public:
    TIniLeseSitzung();
    ~TIniLeseSitzung();
    TIniLeseSitzung(const TIniLeseSitzung&) = delete;
    TIniLeseSitzung& operator=(const TIniLeseSitzung&) = delete;
};

class TXIniFile : public TIniFile {
public:
    using TIniFile::TIniFile;
    using TIniFile::WriteBool;
    using TIniFile::WriteInteger;
    using TIniFile::WriteString;

    // A key whose stored text is this probe counts as absent.
    static constexpr std::string_view kProbe = "_{Deflt]_";

    // value != def: written when the stored text (def when absent) differs from value.
    // value == def: the key is removed when present. Nothing else is touched; in particular a
    // file is not created just to hold nothing.
    void WriteString(std::string_view section, std::string_view key, std::string_view value,
                     std::string_view def);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value,
                      std::int32_t def);
    void WriteBool(std::string_view section, std::string_view key, bool value, bool def);

private:
    void DeleteWhenPresent(std::string_view section, std::string_view key);
};
