#include "Lib/FileSystem.h"

#include "Lib/StrLib.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Closes the descriptor when the scope ends; keeps the first errno of the scope intact.
class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard()
    {
        if (m_fd >= 0) {
            const int gespeichert = errno;
            ::close(m_fd);
            errno = gespeichert;
        }
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int Get() const { return m_fd; }
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now and reports the error of close (a late write error shows up here).
    int Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

std::string Verzeichnisteil(const std::string& pfad)
{
    const std::size_t slash = pfad.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : pfad.substr(0, slash);
}

std::string Dateiteil(const std::string& pfad)
{
    const std::size_t slash = pfad.rfind('/');
    return slash == std::string::npos ? pfad : pfad.substr(slash + 1);
}

// The file a path stands for: symbolic links followed to their end, so that the rename replaces
// the file and not the link. The end need not exist (a link to a file not written yet).
int ZielAufloesen(const std::string& pfad, std::string& ziel)
{
    constexpr int kMaxVerweise = 40; // as the kernel allows before ELOOP
    std::string p = pfad;
    for (int i = 0; i <= kMaxVerweise; ++i) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            ziel = p;
            return 0;
        }
        std::string verweis(PATH_MAX, '\0');
        const ssize_t n = ::readlink(p.c_str(), verweis.data(), verweis.size());
        if (n < 0)
            return errno;
        if (static_cast<std::size_t>(n) >= verweis.size())
            return ENAMETOOLONG;
        verweis.resize(static_cast<std::size_t>(n));
        if (verweis.empty() || verweis.front() != '/') {
            const std::string ordner = Verzeichnisteil(p);
            verweis = (ordner == "/" ? ordner : ordner + "/") + verweis;
        }
        p = std::move(verweis);
    }
    return ELOOP;
}

constexpr std::string_view kTempEndung = ".tmp-XXXXXX";

// Removes what saves of `ziel` that were killed left behind. A running save holds a lock on its
// temporary file until it is renamed, so a temporary file that can be locked is a leftover; files
// of other users, links and other names are no business of ours.
void ResteEntfernen(const std::string& ziel)
{
    const std::string ordner = Verzeichnisteil(ziel);
    const std::string praefix = Dateiteil(ziel) + std::string(kTempEndung.substr(0, 5));
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(ordner.c_str()), &::closedir);
    if (!dir)
        return;
    while (const dirent* eintrag = ::readdir(dir.get())) {
        const std::string_view name = eintrag->d_name;
        if (name.size() != praefix.size() + 6 || name.substr(0, praefix.size()) != praefix)
            continue;
        const std::string pfad = ordner + "/" + std::string(name);
        FdGuard fd(::open(pfad.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat offen {};
        if (fd.Get() < 0 || ::fstat(fd.Get(), &offen) != 0 || !S_ISREG(offen.st_mode) ||
            offen.st_uid != ::geteuid() || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        struct stat jetzt {};
        if (::lstat(pfad.c_str(), &jetzt) == 0 && jetzt.st_ino == offen.st_ino &&
            jetzt.st_dev == offen.st_dev)
            ::unlink(pfad.c_str());
    }
}

// Creates and locks the temporary file next to `ziel`; returns its descriptor or -errno.
int TempAnlegen(const std::string& ziel, std::string& temp)
{
    for (int versuch = 0; versuch < 5; ++versuch) {
        std::string vorlage = ziel + std::string(kTempEndung);
        FdGuard fd(::mkostemp(vorlage.data(), O_CLOEXEC));
        if (fd.Get() < 0)
            return -errno;
        // A file system without locks (some network shares) saves all the same; there no
        // temporary file can be locked by another save either, so none is taken for a leftover.
        while (::flock(fd.Get(), LOCK_EX) != 0 && errno == EINTR) {
        }
        struct stat st {};
        if (::fstat(fd.Get(), &st) != 0) {
            const int fehler = errno;
            ::unlink(vorlage.c_str());
            return -fehler;
        }
        // Another save took it for a leftover before it was locked: take a new one.
        if (st.st_nlink == 0)
            continue;
        temp = vorlage;
        return fd.Release();
    }
    return -EAGAIN;
}

TFileLayer gSystemSchicht;
TFileLayer* gSchicht = nullptr;

TFileLayer& Schicht()
{
    return gSchicht != nullptr ? *gSchicht : gSystemSchicht;
}

} // namespace

std::string SystemFehlerText(int code)
{
    // The system's own texts follow the locale of the process, which is often English.
    switch (code) {
    case EPERM:
        return "Vorgang nicht zulässig";
    case ENOENT:
        return "Datei oder Verzeichnis nicht gefunden";
    case EINTR:
        return "Unterbrochener Systemaufruf";
    case EIO:
        return "Ein-/Ausgabefehler";
    case ENXIO:
        return "Gerät oder Adresse nicht vorhanden";
    case EBADF:
        return "Ungültiger Dateizugriff";
    case EAGAIN:
        return "Vorübergehend nicht verfügbar";
    case ENOMEM:
        return "Nicht genügend Speicher";
    case EACCES:
        return "Zugriff verweigert";
    case EBUSY:
        return "Gerät oder Ressource belegt";
    case EEXIST:
        return "Datei existiert bereits";
    case EXDEV:
        return "Verschieben über Dateisystemgrenzen nicht möglich";
    case ENODEV:
        return "Gerät nicht vorhanden";
    case ENOTDIR:
        return "Kein Verzeichnis";
    case EISDIR:
        return "Ist ein Verzeichnis";
    case EINVAL:
        return "Ungültiges Argument";
    case ENFILE:
    case EMFILE:
        return "Zu viele offene Dateien";
    case ETXTBSY:
        return "Datei wird gerade ausgeführt";
    case EFBIG:
        return "Datei zu groß";
    case ENOSPC:
        return "Kein Speicherplatz auf dem Gerät";
    case EROFS:
        return "Dateisystem nur lesbar";
    case EMLINK:
        return "Zu viele Verweise";
    case EPIPE:
        return "Die Gegenseite liest nicht mehr";
    case ENAMETOOLONG:
        return "Dateiname zu lang";
    case ENOLCK:
        return "Keine Sperren verfügbar";
    case ENOTEMPTY:
        return "Verzeichnis nicht leer";
    case ELOOP:
        return "Zu viele Ebenen symbolischer Verweise";
    case EOPNOTSUPP:
        return "Vorgang nicht unterstützt";
    case ETIMEDOUT:
        return "Zeitüberschreitung";
    case ECONNREFUSED:
        return "Verbindung abgelehnt";
    case ESTALE:
        return "Veralteter Verweis auf eine Netzwerkdatei";
    case EDQUOT:
        return "Speicherkontingent überschritten";
    default:
        return "Systemfehler " + std::to_string(code);
    }
}

void RaiseSystemError(int code, std::string_view text)
{
    if (code == 0)
        throw ESystemError(
            "Eine Funktion des Betriebssystems ist fehlgeschlagen\n" + std::string(text), 0);
    throw ESystemError("Fehler des Betriebssystems. Code: " + std::to_string(code) + ".\n" +
                           SystemFehlerText(code) + "\n" + std::string(text),
                       code);
}

bool DirectoryExists(std::string_view pfad)
{
    struct stat st {};
    return !pfad.empty() && ::stat(std::string(pfad).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void ForceDirectories(std::string_view pfad)
{
    std::string p = PfadNormalisieren(pfad);
    if (p.empty())
        throw Exception("Das Verzeichnis kann nicht erstellt werden");
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    if (DirectoryExists(p))
        return;
    const std::size_t slash = p.rfind('/');
    if (slash != std::string::npos) {
        const std::string eltern = slash == 0 ? "/" : p.substr(0, slash);
        if (eltern != p)
            ForceDirectories(eltern);
    }
    // Folders of the program's own files are the user's alone, as the files are.
    if (::mkdir(p.c_str(), 0700) != 0 && !(errno == EEXIST && DirectoryExists(p)))
        RaiseSystemError(errno, p);
}

int ReadWholeFile(const std::string& pfad, std::string& inhalt, std::size_t maxBytes)
{
    return Schicht().ReadWhole(pfad, inhalt, maxBytes);
}

int TFileLayer::ReadWhole(const std::string& pfad, std::string& inhalt, std::size_t maxBytes)
{
    // O_NONBLOCK: a named pipe in place of the file must not hang the program.
    FdGuard fd(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0)
        return errno;
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    if (!S_ISREG(st.st_mode))
        return EINVAL;
    if (static_cast<std::uint64_t>(st.st_size) > maxBytes)
        return EFBIG;
    std::string daten;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            break;
        if (daten.size() + static_cast<std::size_t>(n) > maxBytes)
            return EFBIG;
        daten.append(buf, static_cast<std::size_t>(n));
    }
    inhalt = std::move(daten);
    return 0;
}

int TFileLayer::WriteAll(int fd, std::string_view daten)
{
    while (!daten.empty()) {
        const ssize_t n = ::write(fd, daten.data(), daten.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        daten.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

int TFileLayer::Sync(int fd)
{
    return ::fsync(fd) == 0 ? 0 : errno;
}

int TFileLayer::Rename(const std::string& von, const std::string& nach)
{
    return ::rename(von.c_str(), nach.c_str()) == 0 ? 0 : errno;
}

void SetFileLayer(TFileLayer* layer)
{
    gSchicht = layer;
}

bool Schreibgeschuetzt(const std::string& pfad)
{
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    // AT_EACCESS: the permissions of the user the process acts as, not of the one who started it.
    return (st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, pfad.c_str(), W_OK, AT_EACCESS) != 0;
}

int WriteFileAtomic(const std::string& pfad, std::string_view inhalt)
{
    std::string ziel;
    if (const int e = ZielAufloesen(pfad, ziel); e != 0)
        return e;
    // The rename needs only the folder's permission; the file's own must be asked first.
    if (Schreibgeschuetzt(ziel))
        return EACCES;
    ResteEntfernen(ziel);
    std::string temp;
    const int neu = TempAnlegen(ziel, temp);
    if (neu < 0)
        return -neu;
    FdGuard fd(neu);
    auto scheitern = [&temp](int code) {
        ::unlink(temp.c_str());
        return code;
    };
    // A new file is the user's alone (settings and statements hold personal data); an existing
    // one keeps the mode its owner gave it.
    struct stat alt {};
    const mode_t modus = ::stat(ziel.c_str(), &alt) == 0 ? (alt.st_mode & 07777) : 0600;
    if (::fchmod(fd.Get(), modus) != 0)
        return scheitern(errno);
    if (const int e = Schicht().WriteAll(fd.Get(), inhalt); e != 0)
        return scheitern(e);
    if (const int e = Schicht().Sync(fd.Get()); e != 0)
        return scheitern(e);
    // Renamed while still open and locked, so that no other save takes it for a leftover.
    if (const int e = Schicht().Rename(temp, ziel); e != 0)
        return scheitern(e);
    // The data is on disk (fsync above), so closing can no longer lose it.
    fd.Close();
    // Make the rename itself durable; a failure here no longer endangers either version.
    FdGuard dir(::open(Verzeichnisteil(ziel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        Schicht().Sync(dir.Get());
    return 0;
}
