#pragma once
// The host's well-known folders, looked up by the folder numbers the settings files store.
//
// On Linux the folders follow the XDG base-directory and user-directory rules:
//   application data        $XDG_CONFIG_HOME (~/.config)
//   local application data  $XDG_DATA_HOME (~/.local/share)
//   common application data $XDG_DATA_HOME as well: a per-user installation has no shared
//                           folder it may write, and the shared options must be writable
//   documents, music, pictures  the user directories of user-dirs.dirs, when they exist
//   program files           the directory of the running program
//   startup                 $XDG_CONFIG_HOME/autostart (entries started at login)
// The Windows folder and the common program files and documents do not exist here, so the
// lookup reports them missing and the folder list leaves them out.
#include <optional>
#include <string>

// Folder numbers as the settings files store them.
enum TCsidl : int {
    kCsidlAnderes = 0, // "(Anderes)": no shell folder, the user's own path
    kCsidlPersonal = 5,
    kCsidlStartup = 7, // the programs started at login: the XDG autostart folder
    kCsidlMyMusic = 13,
    kCsidlAppData = 26,
    kCsidlLocalAppData = 28,
    kCsidlCommonAppData = 35,
    kCsidlWindows = 36,
    kCsidlProgramFiles = 38,
    kCsidlMyPictures = 39,
    kCsidlProgramFilesCommon = 43,
    kCsidlCommonDocuments = 46,
};

class TShellFolders {
public:
    virtual ~TShellFolders() = default;
    // The folder's path with a trailing '/', or nothing when the host has no such folder.
    virtual std::optional<std::string> FolderPath(int csidl) const = 0;
    // The directory of the running program, with a trailing '/'.
    virtual std::string ProgramDirectory() const = 0;
};

// The host's folders, read from the environment at every call.
class TXdgShellFolders : public TShellFolders {
public:
    std::optional<std::string> FolderPath(int csidl) const override;
    std::string ProgramDirectory() const override;
};

// The folders in use: the host's, unless a test has put others in place.
const TShellFolders& ShellFolders();
// Puts `folders` in place of the host's (nullptr: back to the host's); for tests.
void SetShellFolders(const TShellFolders* folders);

// Path of the folder with a trailing '/'; false (and an empty path) when it does not resolve.
bool GetFolderPath(int csidl, std::string& path);
