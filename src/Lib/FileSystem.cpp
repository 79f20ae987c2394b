#include "Lib/FileSystem.h"

#include "Lib/StrLib.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
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

int WriteAll(int fd, std::string_view daten)
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

std::string Verzeichnisteil(const std::string& pfad)
{
    const std::size_t slash = pfad.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : pfad.substr(0, slash);
}

// The file a path stands for: the target of a symbolic link, so that the rename replaces the
// file and not the link.
std::string Ziel(const std::string& pfad)
{
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char* echt = ::realpath(pfad.c_str(), nullptr);
        if (echt != nullptr) {
            std::string result(echt);
            std::free(echt);
            return result;
        }
    }
    return pfad;
}

} // namespace

std::string SystemFehlerText(int code)
{
    char buf[256];
    // The GNU strerror_r returns a pointer that may or may not be buf.
    return ::strerror_r(code, buf, sizeof buf);
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
    if (::mkdir(p.c_str(), 0777) != 0 && !(errno == EEXIST && DirectoryExists(p)))
        RaiseSystemError(errno, p);
}

int ReadWholeFile(const std::string& pfad, std::string& inhalt, std::size_t maxBytes)
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

int WriteFileAtomic(const std::string& pfad, std::string_view inhalt)
{
    const std::string ziel = Ziel(pfad);
    std::string vorlage = ziel + ".XXXXXX";
    FdGuard fd(::mkostemp(vorlage.data(), O_CLOEXEC));
    if (fd.Get() < 0)
        return errno;
    const std::string temp = vorlage;
    auto scheitern = [&temp](int code) {
        ::unlink(temp.c_str());
        return code;
    };
    struct stat alt {};
    const mode_t modus = ::stat(ziel.c_str(), &alt) == 0 ? (alt.st_mode & 07777) : 0644;
    if (::fchmod(fd.Get(), modus) != 0)
        return scheitern(errno);
    if (const int e = WriteAll(fd.Get(), inhalt); e != 0)
        return scheitern(e);
    if (::fsync(fd.Get()) != 0)
        return scheitern(errno);
    if (const int e = fd.Close(); e != 0)
        return scheitern(e);
    if (::rename(temp.c_str(), ziel.c_str()) != 0)
        return scheitern(errno);
    // Make the rename itself durable; a failure here no longer endangers either version.
    FdGuard dir(::open(Verzeichnisteil(ziel).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
    return 0;
}
