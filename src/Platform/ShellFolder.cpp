#include "Platform/ShellFolder.h"

#include "Lib/FileSystem.h"

#include <algorithm>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The file holds a handful of lines.
constexpr std::size_t kMaxUserDirsGroesse = 64 * 1024;

std::string MitTrenner(std::string pfad)
{
    if (!pfad.empty() && pfad.back() != '/')
        pfad += '/';
    return pfad;
}

std::optional<std::string> Umgebung(const char* name)
{
    const char* wert = std::getenv(name);
    if (wert == nullptr || *wert == '\0')
        return std::nullopt;
    return std::string(wert);
}

std::optional<std::string> HomeVerzeichnis()
{
    if (auto home = Umgebung("HOME"))
        return home;
    if (const passwd* pw = getpwuid(getuid());
        pw != nullptr && pw->pw_dir != nullptr && *pw->pw_dir != '\0')
        return std::string(pw->pw_dir);
    return std::nullopt;
}

// An XDG base directory: the variable when it holds an absolute path (relative ones are to be
// ignored), else the fallback below the home directory.
std::optional<std::string> BasisVerzeichnis(const char* variable, const char* unterHome)
{
    if (auto wert = Umgebung(variable); wert && wert->front() == '/')
        return MitTrenner(*wert);
    if (auto home = HomeVerzeichnis())
        return MitTrenner(*home) + unterHome + '/';
    return std::nullopt;
}

bool IstVerzeichnis(const std::string& pfad)
{
    struct stat info {};
    return stat(pfad.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A user directory from user-dirs.dirs: lines like XDG_MUSIC_DIR="$HOME/Musik". A directory
// set to the home directory itself is switched off by the rules, and one that does not exist
// is not offered.
std::optional<std::string> UserVerzeichnis(std::string_view schluessel)
{
    const auto config = BasisVerzeichnis("XDG_CONFIG_HOME", ".config");
    const auto home = HomeVerzeichnis();
    if (!config || !home)
        return std::nullopt;
    // Only a regular file of sensible size: a named pipe there would hang the start, a link to
    // a device could be read for ever.
    std::string inhalt;
    if (ReadWholeFile(*config + "user-dirs.dirs", inhalt, kMaxUserDirsGroesse) != 0)
        return std::nullopt;
    std::string_view rest(inhalt);
    while (!rest.empty()) {
        const std::size_t ende = std::min(rest.find('\n'), rest.size());
        std::string_view z = rest.substr(0, ende);
        rest.remove_prefix(std::min(ende + 1, rest.size()));
        if (!z.empty() && z.back() == '\r')
            z.remove_suffix(1);
        if (z.substr(0, schluessel.size()) != schluessel || z.size() < schluessel.size() + 3 ||
            z.substr(schluessel.size(), 2) != "=\"" || z.back() != '"')
            continue;
        std::string wert(z.substr(schluessel.size() + 2, z.size() - schluessel.size() - 3));
        if (wert.rfind("$HOME", 0) == 0)
            wert = *home + wert.substr(5);
        else if (wert.empty() || wert.front() != '/')
            return std::nullopt;
        if (MitTrenner(wert) == MitTrenner(*home) || !IstVerzeichnis(wert))
            return std::nullopt;
        return MitTrenner(wert);
    }
    return std::nullopt;
}

const TShellFolders* g_ersatz = nullptr;

} // namespace

std::optional<std::string> TXdgShellFolders::FolderPath(int csidl) const
{
    switch (csidl) {
    case kCsidlAppData:
        return BasisVerzeichnis("XDG_CONFIG_HOME", ".config");
    case kCsidlLocalAppData:
    case kCsidlCommonAppData:
        return BasisVerzeichnis("XDG_DATA_HOME", ".local/share");
    case kCsidlPersonal:
        return UserVerzeichnis("XDG_DOCUMENTS_DIR");
    case kCsidlMyMusic:
        return UserVerzeichnis("XDG_MUSIC_DIR");
    case kCsidlMyPictures:
        return UserVerzeichnis("XDG_PICTURES_DIR");
    case kCsidlProgramFiles:
        return ProgramDirectory();
    case kCsidlStartup:
        if (auto config = BasisVerzeichnis("XDG_CONFIG_HOME", ".config"))
            return *config + "autostart/";
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

std::string TXdgShellFolders::ProgramDirectory() const
{
    std::string pfad(4096, '\0');
    const ssize_t laenge = readlink("/proc/self/exe", pfad.data(), pfad.size());
    if (laenge <= 0 || static_cast<std::size_t>(laenge) >= pfad.size())
        return "./";
    pfad.resize(static_cast<std::size_t>(laenge));
    return pfad.substr(0, pfad.rfind('/') + 1);
}

const TShellFolders& ShellFolders()
{
    static const TXdgShellFolders host;
    return g_ersatz != nullptr ? *g_ersatz : host;
}

void SetShellFolders(const TShellFolders* folders)
{
    g_ersatz = folders;
}

bool GetFolderPath(int csidl, std::string& path)
{
    auto gefunden = ShellFolders().FolderPath(csidl);
    path = gefunden.value_or(std::string());
    return gefunden.has_value();
}
