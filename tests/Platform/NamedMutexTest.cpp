#include "Platform/NamedMutex.h"

#include "Support/TempXdg.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

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
