#include "MVCFrame/StringFileLookup.h"

#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/MVCApp.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
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

bool Schreibgeschuetzt(int fehler)
{
    return fehler == EACCES || fehler == EPERM || fehler == EROFS;
}

// A change of the list that the file does not allow: said in words, not as a system error.
[[noreturn]] void SchreibFehler(const std::string& datei, int fehler, const std::string& zweck)
{
    if (Schreibgeschuetzt(fehler))
        throw ESystemError("Die Datei " + datei + " ist schreibgeschützt.\n" + zweck, fehler);
    DateiFehler(datei, fehler);
}

// The lines of a file as last read, with the file's state then: every pay item and every
// dialog asks for the reference texts, and a file of megabytes is read again only when it
// changed (a save replaces it, so its inode changes; an edit in place changes its time).
struct TStand {
    unsigned long long dev = 0, ino = 0;
    long long size = 0, mtimeNs = 0;
    bool operator==(const TStand&) const = default;
};

TStand StandVon(const struct stat& st)
{
    const auto ns = [](const timespec& t) {
        return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
    };
    return {st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim)};
}

// Shared, not copied: a question whether a text is among them copies nothing.
using TZeilen = std::shared_ptr<const TStrings>;

struct TGelesen {
    TStand stand;
    TZeilen zeilen;
};

std::mutex gGelesenMutex;
std::map<std::string, TGelesen> gGelesen;

TZeilen AusDemSpeicher(const std::string& datei, const TStand& stand)
{
    const std::lock_guard lock(gGelesenMutex);
    const auto it = gGelesen.find(datei);
    if (it == gGelesen.end() || !(it->second.stand == stand))
        return nullptr;
    return it->second.zeilen;
}

TZeilen Merken(const std::string& datei, const TStand& stand, TStrings zeilen)
{
    auto geteilt = std::make_shared<const TStrings>(std::move(zeilen));
    const std::lock_guard lock(gGelesenMutex);
    gGelesen[datei] = {stand, geteilt};
    return geteilt;
}

// Opens (or creates) and locks the file for a change. Returns -1 with `fehler` set when another
// program holds it or it cannot be opened for now; throws on errors that waiting will not cure.
int OeffnenUndSperren(const std::string& datei, int& fehler, const std::string& zweck)
{
    int fd = ::open(datei.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        // The names it holds are the user's alone.
        fd = ::open(datei.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
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
        if (fehler == EISDIR || fehler == ENOTDIR || fehler == ENAMETOOLONG || fehler == ELOOP ||
            Schreibgeschuetzt(fehler))
            SchreibFehler(datei, fehler, zweck);
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

TStrings Zeilen(const std::string& inhalt)
{
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

// The lines of the open, locked file; those read before when it has not changed since.
TStrings ZeilenLesen(int fd, const std::string& datei)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        DateiFehler(datei, errno);
    const TStand stand = StandVon(st);
    if (const TZeilen gelesen = AusDemSpeicher(datei, stand))
        return *gelesen;
    std::string inhalt;
    char puffer[65536];
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
    return *Merken(datei, stand, Zeilen(inhalt));
}

// Reading takes neither write access nor a lock: every save replaces the file whole, so a reader
// sees the old or the new list. A missing file is an empty list.
TZeilen NurLesen(const std::string& datei)
{
    struct stat st {};
    if (::stat(datei.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return std::make_shared<const TStrings>();
        DateiFehler(datei, errno);
    }
    const TStand stand = StandVon(st);
    if (TZeilen gelesen = AusDemSpeicher(datei, stand))
        return gelesen;
    std::string inhalt;
    if (const int fehler = ReadWholeFile(datei, inhalt, kMaxTextDatei); fehler == ENOENT)
        return std::make_shared<const TStrings>();
    else if (fehler != 0)
        DateiFehler(datei, fehler);
    return Merken(datei, stand, Zeilen(inhalt));
}

// Written through a temporary file renamed over the old one: a failure never leaves half a file.
void ZeilenSchreiben(const std::string& datei, const TStrings& zeilen, const std::string& zweck)
{
    std::string inhalt;
    for (const std::string& zeile : zeilen)
        inhalt += zeile + "\r\n";
    if (const int fehler = WriteFileAtomic(datei, inhalt))
        SchreibFehler(datei, fehler, zweck);
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

TStrings TStringFileLookup::Lesen() const
{
    if (m_dateiName.empty())
        return {};
    TStrings zeilen = *NurLesen(m_dateiName);
    if (Sortiert())
        std::sort(zeilen.begin(), zeilen.end());
    return zeilen;
}

bool TStringFileLookup::Enthaelt(const std::string& text) const
{
    if (m_dateiName.empty())
        return false;
    const TZeilen zeilen = NurLesen(m_dateiName);
    return std::find(zeilen->begin(), zeilen->end(), text) != zeilen->end();
}

void TStringFileLookup::Aendern(const std::function<bool(TStrings&)>& action,
                                const std::string& zweck)
{
    if (m_dateiName.empty())
        return;
    int fehlschlaege = 0;
    int fehler = 0;
    int fd = -1;
    while ((fd = OeffnenUndSperren(m_dateiName, fehler, zweck)) < 0) {
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
        ZeilenSchreiben(m_dateiName, zeilen, zweck);
}

void TStringFileLookup::AddCurrent()
{
    const std::string text = GetStoredString();
    Aendern(
        [&](TStrings& zeilen) {
            if (std::find(zeilen.begin(), zeilen.end(), text) != zeilen.end())
                return false;
            zeilen.push_back(text);
            if (Sortiert())
                std::sort(zeilen.begin(), zeilen.end());
            return true;
        },
        "\"" + text + "\" kann nicht in die Liste aufgenommen werden.");
}

void TStringFileLookup::DeleteCurrent()
{
    const std::string text = GetStoredString();
    Aendern(
        [&](TStrings& zeilen) {
            const auto it = std::find(zeilen.begin(), zeilen.end(), text);
            if (it == zeilen.end())
                return false;
            zeilen.erase(it);
            return true;
        },
        "\"" + text + "\" kann nicht aus der Liste gelöscht werden.");
    SetValue(std::string());
}

TStrings TStringFileLookup::GetList()
{
    return Lesen();
}

void TStringFileLookup::SaveToStream(std::ostream& stream)
{
    for (const std::string& zeile : Lesen())
        stream << zeile << "\r\n";
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
