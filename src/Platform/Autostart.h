#pragma once
// The tray launcher starts at login through an autostart entry: a desktop entry in the user's
// autostart folder (shell folder "Startup", $XDG_CONFIG_HOME/autostart). The main program
// creates or deletes it when the user changes the tray option, the tray launcher creates it at
// start and deletes it on request. Both name it through TrayAutostartLink, so they always mean
// the same file.
#include <string>

// Writes a desktop entry at `linkFile` that starts `target` (an absolute path) without arguments;
// its Name is the file's name without ".desktop", its Comment the description. The file is
// replaced atomically. Returns 0 or the errno of the failed step (EINVAL for a target that no
// desktop entry can hold: control characters or text that is not UTF-8).
int WriteDesktopEntry(const std::string& target, const std::string& linkFile,
                      const std::string& description = {});
// True when the entry was written.
bool CreateShellLink(const std::string& target, const std::string& linkFile,
                     const std::string& description = {});
// The Exec value for starting `target` without arguments: quoted and escaped by the desktop
// entry rules.
std::string DesktopExecWert(const std::string& target);

class TAutostartLink {
public:
    // Raises "Autostartverzeichnis nicht gefunden" when the startup folder does not resolve.
    explicit TAutostartLink(std::string name);

    const std::string& Name() const { return m_name; }
    const std::string& LinkFile() const { return m_linkFile; }
    const std::string& Target() const { return m_target; }
    void SetTarget(std::string target) { m_target = std::move(target); }

    // Writes the entry unless it exists (an entry pointing elsewhere is left alone). Raises
    // "\"<target>\" nicht gefunden!" when the target is missing, and the system's error when the
    // folder or the entry cannot be written.
    void CreateLink() const;
    // Removes the entry; a missing one is no error. Raises "Autostart-Verknüpfung konnte nicht
    // gelöscht werden." when it stays.
    void DeleteLink() const;
    bool Exists() const;

private:
    std::string m_name;
    std::string m_linkFile;
    std::string m_target;
};

// The tray launcher's program file name, beside the main program.
inline constexpr const char* kTrayProgramm = "VtrlTray";
// The name of the tray launcher's autostart entry.
std::string TrayAutostartName();
// The tray launcher's autostart entry, its target the launcher in the running program's
// directory.
TAutostartLink TrayAutostartLink();
