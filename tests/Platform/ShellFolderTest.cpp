#include "Platform/ShellFolder.h"

#include "Support/TempXdg.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(XdgShellFolders, BaseDirectoriesFollowTheVariables)
{
    TTempXdg xdg;
    const TXdgShellFolders folders;
    EXPECT_EQ(folders.FolderPath(kCsidlAppData), xdg.Config());
    EXPECT_EQ(folders.FolderPath(kCsidlLocalAppData), xdg.Data());
    // The shared options go where the user may write.
    EXPECT_EQ(folders.FolderPath(kCsidlCommonAppData), xdg.Data());
    EXPECT_FALSE(folders.FolderPath(kCsidlWindows));
    EXPECT_FALSE(folders.FolderPath(kCsidlProgramFilesCommon));
    EXPECT_FALSE(folders.FolderPath(kCsidlCommonDocuments));
    EXPECT_EQ(folders.FolderPath(kCsidlProgramFiles), folders.ProgramDirectory());
    EXPECT_EQ(folders.ProgramDirectory().back(), '/');
    EXPECT_EQ(folders.FolderPath(kCsidlStartup), xdg.Config() + "autostart/");
}

TEST(XdgShellFolders, UnsetOrRelativeVariablesFallBackBelowHome)
{
    TTempXdg xdg;
    xdg.Setze("XDG_CONFIG_HOME", "");
    xdg.Setze("XDG_DATA_HOME", "relative/data");
    const TXdgShellFolders folders;
    EXPECT_EQ(folders.FolderPath(kCsidlAppData), xdg.Home() + ".config/");
    EXPECT_EQ(folders.FolderPath(kCsidlLocalAppData), xdg.Home() + ".local/share/");
}

TEST(XdgShellFolders, UserDirectoriesOnlyWhereTheyExist)
{
    TTempXdg xdg;
    const TXdgShellFolders folders;
    EXPECT_FALSE(folders.FolderPath(kCsidlPersonal)) << "no user-dirs.dirs";
    xdg.Ordner("home/Dokumente");
    xdg.Ordner("abs-bilder");
    xdg.Schreibe("home/.config/user-dirs.dirs", "# written by xdg-user-dirs-update\n"
                                                "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                                                "XDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                                                "XDG_PICTURES_DIR=\"" +
                                                    (xdg.Wurzel() / "abs-bilder").string() +
                                                    "\"\n"
                                                    "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_EQ(folders.FolderPath(kCsidlPersonal), xdg.Home() + "Dokumente/");
    EXPECT_FALSE(folders.FolderPath(kCsidlMyMusic)) << "named but missing on disk";
    EXPECT_EQ(folders.FolderPath(kCsidlMyPictures), (xdg.Wurzel() / "abs-bilder").string() + "/");
}

// A pipe would block the start until someone writes to it; a link to a device or a huge file
// would be read without end. None of them is read: the folder counts as missing.
TEST(XdgShellFolders, UserDirsIsReadOnlyAsARegularFileOfSensibleSize)
{
    TTempXdg xdg;
    xdg.Ordner("home/Dokumente");
    const std::string userDirs = xdg.Config() + "user-dirs.dirs";
    const TXdgShellFolders folders;

    ASSERT_EQ(::mkfifo(userDirs.c_str(), 0600), 0);
    EXPECT_FALSE(folders.FolderPath(kCsidlPersonal)) << "named pipe";
    ::unlink(userDirs.c_str());

    ASSERT_EQ(::symlink("/dev/zero", userDirs.c_str()), 0);
    EXPECT_FALSE(folders.FolderPath(kCsidlPersonal)) << "link to /dev/zero";
    ::unlink(userDirs.c_str());

    xdg.Schreibe("home/.config/user-dirs.dirs",
                 std::string(1024 * 1024, '#') + "\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_FALSE(folders.FolderPath(kCsidlPersonal)) << "1 MB";

    xdg.Schreibe("home/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\r\n");
    EXPECT_EQ(folders.FolderPath(kCsidlPersonal), xdg.Home() + "Dokumente/") << "CRLF";
}

TEST(XdgShellFolders, GetFolderPathClearsThePathWhenMissing)
{
    TTempXdg xdg;
    std::string pfad = "stale";
    EXPECT_FALSE(GetFolderPath(kCsidlWindows, pfad));
    EXPECT_EQ(pfad, "");
    EXPECT_TRUE(GetFolderPath(kCsidlAppData, pfad));
    EXPECT_EQ(pfad, xdg.Config());
}

} // namespace
