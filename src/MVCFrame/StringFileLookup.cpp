#include "MVCFrame/StringFileLookup.h"

#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/MVCApp.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <ostream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A list of texts to choose from; anything larger is no such file.
constexpr std::size_t kMaxTextDatei = 16 * 1024 * 1024;

// An open, locked file; closing it releases the lock.
class TGesperrteDatei {
public:
    explicit TGesperrteDatei(int fd) : m_fd(fd) {}
    ~TGesperrteDatei()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    TGesperrteDatei(const TGesperrteDatei&) = delete;
    TGesperrteDatei& operator=(const TGesperrteDatei&) = delete;
    int Fd() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void DateiFehler(const std::string& datei, int fehler)
{
    RaiseSystemError(fehler, "Die Datei " + datei + " kann nicht bearbeitet werden.");
}

// Opens (or creates) and locks the file. Returns -1 with `fehler` set when another program holds
// it or it cannot be opened for now; throws on errors that waiting will not cure.
int OeffnenUndSperren(const std::string& datei, int& fehler)
{
    int fd = ::open(datei.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 && errno == ENOENT) {
            // The directory is missing: create it with all its parents, then try again.
            const std::string verzeichnis = std::filesystem::path(datei).parent_path().string();
            if (!verzeichnis.empty())
                ForceDirectories(verzeichnis);
            fehler = ENOENT;
            return -1;
        }
    }
    if (fd < 0) {
        fehler = errno;
        if (fehler == EISDIR || fehler == ENOTDIR || fehler == ENAMETOOLONG || fehler == ELOOP)
            DateiFehler(datei, fehler);
        return -1;
    }
    // A pipe or a device in place of the text file would hang the program or fill its memory.
    if (struct stat art{}; ::fstat(fd, &art) == 0 && !S_ISREG(art.st_mode)) {
        ::close(fd);
        DateiFehler(datei, EINVAL);
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        fehler = errno;
        ::close(fd);
        return -1;
    }
    // Another program may have replaced the file while we waited for the lock.
    struct stat offen {};
    struct stat pfad {};
    if (::fstat(fd, &offen) != 0 || ::stat(datei.c_str(), &pfad) != 0 ||
        offen.st_ino != pfad.st_ino || offen.st_dev != pfad.st_dev) {
        fehler = EAGAIN;
        ::close(fd);
        return -1;
    }
    return fd;
}

TStrings ZeilenLesen(int fd, const std::string& datei)
{
    std::string inhalt;
    char puffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, puffer, sizeof puffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            DateiFehler(datei, errno);
        }
        if (n == 0)
            break;
        if (inhalt.size() + static_cast<std::size_t>(n) > kMaxTextDatei)
            DateiFehler(datei, EFBIG);
        inhalt.append(puffer, static_cast<std::size_t>(n));
    }
    TStrings zeilen;
    std::size_t anfang = 0;
    while (anfang < inhalt.size()) {
        std::size_t ende = inhalt.find('\n', anfang);
        if (ende == std::string::npos)
            ende = inhalt.size();
        std::string zeile = inhalt.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        zeilen.push_back(std::move(zeile));
        anfang = ende + 1;
    }
    return zeilen;
}

// Written through a temporary file renamed over the old one: a failure never leaves half a file.
void ZeilenSchreiben(const std::string& datei, const TStrings& zeilen)
{
    std::string inhalt;
    for (const std::string& zeile : zeilen)
        inhalt += zeile + "\r\n";
    if (const int fehler = WriteFileAtomic(datei, inhalt))
        DateiFehler(datei, fehler);
}

} // namespace

TStringFileLookup::TStringFileLookup(TDaten* daten, std::string name, TValueCreateFlags flags,
                                     std::string dateiName, bool sortiert)
    : TString(daten, std::move(name), flags), m_dateiName(std::move(dateiName))
{
    SetFlag(vfClassFlag, sortiert);
}

void TStringFileLookup::SetWiederholung(int versuche, std::chrono::milliseconds pause)
{
    m_versuche = std::max(1, versuche);
    m_pause = pause;
}

void TStringFileLookup::FileAccess(const std::function<bool(TStrings&)>& action)
{
    if (m_dateiName.empty())
        return;
    int fehlschlaege = 0;
    int fehler = 0;
    int fd = -1;
    while ((fd = OeffnenUndSperren(m_dateiName, fehler)) < 0) {
        ++fehlschlaege;
        if (fehlschlaege == 2)
            MVCApplication().DoBeginWait();
        if (fehlschlaege >= m_versuche) {
            if (fehlschlaege >= 2)
                MVCApplication().DoEndWait();
            DateiFehler(m_dateiName, fehler);
        }
        std::this_thread::sleep_for(m_pause);
    }
    if (fehlschlaege >= 2)
        MVCApplication().DoEndWait();
    const TGesperrteDatei datei(fd);
    TStrings zeilen = ZeilenLesen(datei.Fd(), m_dateiName);
    if (Sortiert())
        std::sort(zeilen.begin(), zeilen.end());
    if (action(zeilen))
        ZeilenSchreiben(m_dateiName, zeilen);
}

void TStringFileLookup::AddCurrent()
{
    const std::string text = GetStoredString();
    FileAccess([&](TStrings& zeilen) {
        if (std::find(zeilen.begin(), zeilen.end(), text) != zeilen.end())
            return false;
        zeilen.push_back(text);
        if (Sortiert())
            std::sort(zeilen.begin(), zeilen.end());
        return true;
    });
}

void TStringFileLookup::DeleteCurrent()
{
    const std::string text = GetStoredString();
    FileAccess([&](TStrings& zeilen) {
        const auto it = std::find(zeilen.begin(), zeilen.end(), text);
        if (it == zeilen.end())
            return false;
        zeilen.erase(it);
        return true;
    });
    SetValue(std::string());
}

TStrings TStringFileLookup::GetList()
{
    TStrings liste;
    FileAccess([&](TStrings& zeilen) {
        liste = zeilen;
        return false;
    });
    return liste;
}

void TStringFileLookup::SaveToStream(std::ostream& stream)
{
    FileAccess([&](TStrings& zeilen) {
        for (const std::string& zeile : zeilen)
            stream << zeile << "\r\n";
        return false;
    });
}

void TStringFileLookup::ExecuteCommand(std::string_view command, std::string_view param,
                                       TStrings& result)
{
    TString::ExecuteCommand(command, param, result);
    if (command == "GETLIST")
        result = GetList();
    else if (command == "DELETE" && !IsReadOnly())
        DeleteCurrent();
}
