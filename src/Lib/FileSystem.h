#pragma once
// Directories, whole-file reads and atomic writes, and the system's error text.
//
// Every failure names the errno text, so that a message tells the user what went wrong
// ("Zugriff verweigert", "Datei oder Verzeichnis nicht gefunden") and not only that it did.
#include "Lib/Exception.h"

#include <cstddef>
#include <string>
#include <string_view>

// A failed call of the operating system, with its errno.
class ESystemError : public Exception {
public:
    ESystemError(const std::string& message, int code) : Exception(message), m_code(code) {}
    int Code() const { return m_code; }

private:
    int m_code;
};

// The reason an errno value stands for, in German words whatever the locale; "Systemfehler <n>" for
// a value without a text of its own.
std::string SystemFehlerText(int code);
// Raises ESystemError: "Fehler des Betriebssystems. Code: <n>.", a line break, the system's text
// for the code, a line break and `text`; with code 0 "Eine Funktion des Betriebssystems ist
// fehlgeschlagen", a line break and `text`.
[[noreturn]] void RaiseSystemError(int code, std::string_view text);

// True when the path names a directory (symbolic links followed).
bool DirectoryExists(std::string_view pfad);
// Creates the directory and every missing parent, outermost first, readable by the user alone
// (mode 0700); an existing directory is left alone. Trailing delimiters are ignored and a stored
// '\' is a delimiter; the walk ends at the root (or at the start of a relative path). Raises
// Exception "Das Verzeichnis kann nicht erstellt werden" for an empty path and ESystemError when a
// directory cannot be created.
void ForceDirectories(std::string_view pfad);

// Reads a whole regular file into `inhalt`; returns 0 or the errno (ENOENT for a missing file,
// EFBIG beyond `maxBytes`, EISDIR for a directory, EINVAL for anything else that is no regular
// file: a FIFO, a device). `inhalt` is only changed on success.
int ReadWholeFile(const std::string& pfad, std::string& inhalt, std::size_t maxBytes);
// Replaces the file by `inhalt` so that a reader (and a crash) sees either the old or the new
// file, never a part: a temporary file "<name>.tmp-XXXXXX" in the same directory, written and
// flushed to disk, renamed over the old one, then the directory flushed. An existing file keeps
// its permissions; a new one is readable by the user alone (mode 0600). A symbolic link is followed
// to the file it names, which is replaced while the link stays; when the folder of that file is
// missing, the result is ENOENT and nothing changes. A file this user may not write
// (Schreibgeschuetzt) is not replaced: EACCES. Temporary files that saves of the same file
// left behind when they were killed are removed (only those of no save still running). Returns 0 or
// the errno of the step that failed; the old file is then untouched and no temporary file is left.
int WriteFileAtomic(const std::string& pfad, std::string_view inhalt);
// True when the file (links followed) exists, is no directory and may not be written by this
// user: the system denies it, or it has no write bit at all. The latter binds root too, whose
// writes pass the bits: a file its owner or an administrator froze that way stays frozen.
bool Schreibgeschuetzt(const std::string& pfad);

// The reads and the steps of a save that touch the disk, in one place so that tests can count the
// writes or make a step fail as an unreadable file, a full disk, an I/O error or a read-only
// mount would. Each returns 0 or an errno.
class TFileLayer {
public:
    virtual ~TFileLayer() = default;
    // ReadWholeFile.
    virtual int ReadWhole(const std::string& pfad, std::string& inhalt, std::size_t maxBytes);
    // Writes all of `daten` (the whole new file) to `fd`.
    virtual int WriteAll(int fd, std::string_view daten);
    virtual int Sync(int fd);
    virtual int Rename(const std::string& von, const std::string& nach);
};
// Puts `layer` in place of the system's (nullptr: back to the system's); for tests.
void SetFileLayer(TFileLayer* layer);
