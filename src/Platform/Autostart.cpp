#include "Platform/Autostart.h"

#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Platform/ShellFolder.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kEndung = ".desktop";

bool Existiert(const std::string& pfad)
{
    struct stat info {};
    return lstat(pfad.c_str(), &info) == 0;
}

bool IstDatei(const std::string& pfad)
{
    struct stat info {};
    return stat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// Well-formed UTF-8 without control characters: all a desktop entry's value may hold.
bool Darstellbar(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f)
            return false;
        int folge = 0;
        if (c >= 0xf0 && c <= 0xf4)
            folge = 3;
        else if (c >= 0xe0)
            folge = 2;
        else if (c >= 0xc2 && c <= 0xdf)
            folge = 1;
        else if (c >= 0x80)
            return false;
        if (i + static_cast<std::size_t>(folge) >= text.size() && folge > 0)
            return false;
        for (int k = 1; k <= folge; ++k) {
            if ((static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]) & 0xc0) != 0x80)
                return false;
        }
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

// The string escapes of a desktop entry value: a backslash is written twice.
std::string WertEscapen(const std::string& text)
{
    std::string wert;
    for (const char c : text) {
        if (c == '\\')
            wert += '\\';
        wert += c;
    }
    return wert;
}

std::string Dateiname(const std::string& pfad)
{
    std::string name = pfad.substr(pfad.rfind('/') + 1);
    const std::string endung(kEndung);
    if (name.size() > endung.size() && name.ends_with(endung))
        name.resize(name.size() - endung.size());
    return name;
}

} // namespace

std::string DesktopExecWert(const std::string& target)
{
    // Quoted as a whole: inside the quotes '"', '`', '$' and '\' take a backslash, and a
    // literal '%' is doubled so that it is no field code. Then the value's own escaping.
    std::string exec = "\"";
    for (const char c : target) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            exec += '\\';
        else if (c == '%')
            exec += '%';
        exec += c;
    }
    exec += '"';
    return WertEscapen(exec);
}

int WriteDesktopEntry(const std::string& target, const std::string& linkFile,
                      const std::string& description)
{
    const std::string name = Dateiname(linkFile);
    if (!Darstellbar(target) || !Darstellbar(name) || !Darstellbar(description))
        return EINVAL;
    std::string inhalt = "[Desktop Entry]\nType=Application\nName=" + WertEscapen(name) + '\n';
    if (!description.empty())
        inhalt += "Comment=" + WertEscapen(description) + '\n';
    inhalt += "Exec=" + DesktopExecWert(target) + '\n';
    return WriteFileAtomic(linkFile, inhalt);
}

bool CreateShellLink(const std::string& target, const std::string& linkFile,
                     const std::string& description)
{
    return WriteDesktopEntry(target, linkFile, description) == 0;
}

TAutostartLink::TAutostartLink(std::string name) : m_name(std::move(name))
{
    std::string ordner;
    if (!GetFolderPath(kCsidlStartup, ordner))
        throw Exception("Autostartverzeichnis nicht gefunden");
    m_linkFile = ordner + m_name;
}

bool TAutostartLink::Exists() const
{
    return Existiert(m_linkFile);
}

void TAutostartLink::CreateLink() const
{
    if (Exists())
        return;
    if (!IstDatei(m_target))
        throw Exception("\"" + m_target + "\" nicht gefunden!");
    ForceDirectories(m_linkFile.substr(0, m_linkFile.rfind('/') + 1));
    // A failed write is reported: the user asked for the entry and would otherwise not know
    // that the launcher will not start at login.
    if (const int fehler = WriteDesktopEntry(m_target, m_linkFile); fehler != 0)
        RaiseSystemError(fehler, m_linkFile);
}

void TAutostartLink::DeleteLink() const
{
    if (!Exists())
        return;
    if (unlink(m_linkFile.c_str()) == 0)
        return;
    if (const int fehler = errno; fehler != ENOENT)
        throw ESystemError("Autostart-Verknüpfung konnte nicht gelöscht werden.", fehler);
}

std::string TrayAutostartName()
{
    return std::string("Vantrel Tray Icon 2026") + kEndung;
}

TAutostartLink TrayAutostartLink()
{
    TAutostartLink link(TrayAutostartName());
    link.SetTarget(ShellFolders().ProgramDirectory() + kTrayProgramm);
    return link;
}
