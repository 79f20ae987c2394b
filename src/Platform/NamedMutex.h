#pragma once
// A named mutex between the programs of one user: a lock file in the user's runtime directory.
//
// The main program holds its mutex for its whole life only so that others (an installer, the
// updater) can tell that it runs; several main programs may run at once, so every holder takes a
// shared lock and nobody ever waits for it. The tray launcher keeps itself single: it takes the
// lock alone, and a second launcher finds it taken. InUse asks whether any process holds the
// name by trying an exclusive lock without waiting. The kernel drops the lock when the process
// ends, however it ends, so a crash never leaves a stale mutex behind; the lock file is closed
// on exec, so a program started by the holder never keeps the lock alive after it.
#include <string>
#include <string_view>

// $XDG_RUNTIME_DIR, or /tmp/<uid> (created with mode 0700) when the variable is not set; with a
// trailing '/'. Empty when neither is usable.
std::string RuntimeDirectory();

enum class TMutexArt {
    Geteilt, // several holders at once
    Allein,  // one holder only
};

class TNamedMutex {
public:
    // Creates the lock file when missing and takes the lock without waiting; a failure leaves
    // the mutex unheld and is not reported (the program runs without it).
    explicit TNamedMutex(std::string_view name, TMutexArt art = TMutexArt::Geteilt);
    ~TNamedMutex();
    TNamedMutex(const TNamedMutex&) = delete;
    TNamedMutex& operator=(const TNamedMutex&) = delete;

    bool Held() const { return m_fd >= 0; }
    // True when another process held the mutex so that it could not be taken (a lock file that
    // cannot be opened at all is not that case).
    bool Existierte() const { return m_existierte; }

    // The lock file of a name; characters that cannot stand in a file name become '_'.
    static std::string LockPath(std::string_view name);
    // True while some process holds the mutex of that name.
    static bool InUse(std::string_view name);

private:
    int m_fd = -1;
    bool m_existierte = false;
};
