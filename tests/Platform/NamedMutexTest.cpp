#include "Platform/NamedMutex.h"

#include "Support/TempXdg.h"
#include "Support/Warten.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(NamedMutex, HeldWhileAliveAndSharedBetweenHolders)
{
    TTempXdg xdg;
    EXPECT_FALSE(TNamedMutex::InUse("TovarXoLStTab"));
    {
        TNamedMutex erster("TovarXoLStTab");
        TNamedMutex zweiter("TovarXoLStTab"); // a second main program may run at the same time
        EXPECT_TRUE(erster.Held());
        EXPECT_TRUE(zweiter.Held());
        EXPECT_TRUE(TNamedMutex::InUse("TovarXoLStTab"));
        EXPECT_FALSE(TNamedMutex::InUse("Andere"));
    }
    EXPECT_FALSE(TNamedMutex::InUse("TovarXoLStTab"));
}

TEST(NamedMutex, LockFileInRuntimeDirectoryWithSafeName)
{
    TTempXdg xdg;
    const std::string pfad = TNamedMutex::LockPath("a/b\\c");
    EXPECT_EQ(pfad, RuntimeDirectory() + "a_b_c.lock");
    EXPECT_EQ(pfad.rfind(xdg.Wurzel().string(), 0), 0u);
    TNamedMutex mutex("a/b\\c");
    struct stat st {};
    ASSERT_EQ(stat(pfad.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(NamedMutex, WithoutRuntimeDirectoryAPrivateTmpFolder)
{
    TTempXdg xdg;
    unsetenv("XDG_RUNTIME_DIR");
    const std::string ordner = RuntimeDirectory();
    EXPECT_EQ(ordner, "/tmp/" + std::to_string(getuid()) + "/");
    struct stat st {};
    ASSERT_EQ(stat(ordner.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, getuid());
}

namespace {

const char* const kTray = "Vantrel Tray Icon 2026";

// A child process that takes the single lock and waits to be killed; returns its pid once it
// holds the lock (or -1).
pid_t HalterProzess()
{
    int rohr[2];
    if (pipe(rohr) != 0)
        return -1;
    const pid_t kind = fork();
    if (kind == 0) {
        close(rohr[0]);
        TNamedMutex mutex(kTray, TMutexArt::Allein);
        const char held = mutex.Held() ? '1' : '0';
        if (write(rohr[1], &held, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    close(rohr[1]);
    char held = '0';
    const bool gelesen = kind > 0 && read(rohr[0], &held, 1) == 1;
    close(rohr[0]);
    return gelesen && held == '1' ? kind : -1;
}

void Beenden(pid_t kind)
{
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
}

} // namespace

TEST(NamedMutex, SingleLockRefusesTheSecondTaker)
{
    TTempXdg xdg;
    TNamedMutex erster(kTray, TMutexArt::Allein);
    ASSERT_TRUE(erster.Held());
    EXPECT_FALSE(erster.Existierte());
    TNamedMutex zweiter(kTray, TMutexArt::Allein);
    EXPECT_FALSE(zweiter.Held());
    EXPECT_TRUE(zweiter.Existierte());
    // A shared taker is refused as well while the single holder runs.
    EXPECT_TRUE(TNamedMutex(kTray).Existierte());
}

TEST(NamedMutex, SingleLockIsFreedWhenItsHolderIsKilled)
{
    TTempXdg xdg;
    const pid_t halter = HalterProzess();
    ASSERT_GT(halter, 0);
    EXPECT_TRUE(TNamedMutex(kTray, TMutexArt::Allein).Existierte());
    Beenden(halter);
    TNamedMutex danach(kTray, TMutexArt::Allein);
    EXPECT_TRUE(danach.Held());
}

TEST(NamedMutex, ProgramStartedByTheHolderDoesNotKeepTheLock)
{
    TTempXdg xdg;
    auto mutex = std::make_unique<TNamedMutex>(kTray, TMutexArt::Allein);
    ASSERT_TRUE(mutex->Held());
    // A plain fork and exec, as a detached start does it: every descriptor without
    // close-on-exec would go over to the new program.
    const pid_t kind = fork();
    if (kind == 0) {
        execl("/bin/sleep", "sleep", "30", static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(kind, 0);
    // Until the exec the child still holds the copy of the descriptor.
    const auto programm = [kind] {
        std::ifstream comm("/proc/" + std::to_string(kind) + "/comm");
        std::string name;
        std::getline(comm, name);
        return name;
    };
    for (int i = 0; i < kGeduldMs / 10 && programm() != "sleep"; ++i)
        usleep(10000);
    ASSERT_EQ(programm(), "sleep");
    mutex.reset();
    TNamedMutex nachfolger(kTray, TMutexArt::Allein);
    EXPECT_TRUE(nachfolger.Held());
    Beenden(kind);
}

TEST(NamedMutex, UnusableRuntimeFolderIsNoSecondInstance)
{
    TTempXdg xdg;
    xdg.Setze("XDG_RUNTIME_DIR", (xdg.Wurzel() / "fehlt/nicht/da").string());
    TNamedMutex mutex(kTray, TMutexArt::Allein);
    EXPECT_FALSE(mutex.Held());
    EXPECT_FALSE(mutex.Existierte());
}
