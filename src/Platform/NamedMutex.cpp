#include "Platform/NamedMutex.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool EigenerOrdner(const std::string& pfad)
{
    struct stat st {};
    return lstat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid();
}

int OeffneSperrDatei(std::string_view name)
{
    const std::string pfad = TNamedMutex::LockPath(name);
    if (pfad.empty())
        return -1;
    // O_NOFOLLOW: a link planted under the lock's name must not make us create a file elsewhere.
    return open(pfad.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
}

} // namespace

std::string RuntimeDirectory()
{
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
        std::string pfad = runtime;
        if (pfad.back() != '/')
            pfad += '/';
        return pfad;
    }
    // Without a runtime directory a private folder in /tmp stands in; one that exists but is not
    // ours (another user may have created it first) is not used.
    const std::string pfad = "/tmp/" + std::to_string(getuid());
    if (mkdir(pfad.c_str(), 0700) != 0 && errno != EEXIST)
        return {};
    return EigenerOrdner(pfad) ? pfad + "/" : std::string();
}

std::string TNamedMutex::LockPath(std::string_view name)
{
    const std::string ordner = RuntimeDirectory();
    if (ordner.empty() || name.empty())
        return {};
    std::string datei(name);
    for (char& c : datei)
        if (c == '/' || c == '\\' || c == '\0')
            c = '_';
    return ordner + datei + ".lock";
}

TNamedMutex::TNamedMutex(std::string_view name, TMutexArt art) : m_fd(OeffneSperrDatei(name))
{
    const int modus = art == TMutexArt::Allein ? LOCK_EX : LOCK_SH;
    if (m_fd >= 0 && flock(m_fd, modus | LOCK_NB) != 0) {
        m_existierte = errno == EWOULDBLOCK;
        close(m_fd);
        m_fd = -1;
    }
}

TNamedMutex::~TNamedMutex()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool TNamedMutex::InUse(std::string_view name)
{
    const int fd = OeffneSperrDatei(name);
    if (fd < 0)
        return false;
    const bool frei = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return !frei;
}
