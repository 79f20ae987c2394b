#pragma once
// Makes a file or folder unwritable for the life of the object, the way an immutable file, a
// read-only mount or a folder without write permission meets the program:
//   - for an ordinary user, its write permissions are taken away (for a file those of its
//     folder too: a save replaces the file by renaming a new one over it);
//   - for root, whom permissions do not bind, it is marked immutable where the file system and
//     the process's capabilities allow it;
//   - otherwise the failure is injected: the thread's file-system user becomes "nobody" (the
//     temporary tree is handed to that user first), so that the missing permissions bind again.
// VT_SCHREIBSPERRE=nobody skips the immutable mark, to try the last way where the second works.
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/fsuid.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

class TSchreibsperre {
public:
    // `wurzel`: the temporary tree the test works in (handed to "nobody" when needed).
    TSchreibsperre(std::filesystem::path pfad, const std::filesystem::path& wurzel)
        : m_pfad(std::move(pfad))
    {
        struct stat st {};
        if (::stat(m_pfad.c_str(), &st) != 0)
            throw std::runtime_error("Schreibsperre: " + m_pfad.string() + " fehlt");
        m_modus = st.st_mode & 07777;
        const char* art = std::getenv("VT_SCHREIBSPERRE");
        if (::geteuid() == 0 && (art == nullptr || std::string(art) != "nobody") &&
            Unveraenderlich(true)) {
            m_unveraenderlich = true;
            return;
        }
        ::chmod(m_pfad.c_str(), m_modus & ~0222);
        if (!S_ISDIR(st.st_mode)) {
            m_ordner = m_pfad.parent_path();
            if (::stat(m_ordner.c_str(), &st) == 0) {
                m_ordnerModus = st.st_mode & 07777;
                ::chmod(m_ordner.c_str(), m_ordnerModus & ~0222);
            }
        }
        if (::geteuid() != 0)
            return;
        ::lchown(wurzel.c_str(), kNobody, kNobody);
        for (const auto& eintrag : std::filesystem::recursive_directory_iterator(wurzel))
            ::lchown(eintrag.path().c_str(), kNobody, kNobody);
        ::setfsuid(kNobody);
        ::setfsgid(kNobody);
        m_nobody = true;
    }
    ~TSchreibsperre()
    {
        if (m_nobody) {
            ::setfsgid(0);
            ::setfsuid(0);
        }
        if (m_unveraenderlich) {
            Unveraenderlich(false);
            return;
        }
        ::chmod(m_pfad.c_str(), m_modus);
        if (!m_ordner.empty())
            ::chmod(m_ordner.c_str(), m_ordnerModus);
    }
    TSchreibsperre(const TSchreibsperre&) = delete;
    TSchreibsperre& operator=(const TSchreibsperre&) = delete;

private:
    static constexpr uid_t kNobody = 65534;

    bool Unveraenderlich(bool an) const
    {
        const int fd = ::open(m_pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = an ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }

    std::filesystem::path m_pfad;
    mode_t m_modus = 0;
    std::filesystem::path m_ordner; // a file's folder, whose permissions were taken too
    mode_t m_ordnerModus = 0;
    bool m_unveraenderlich = false;
    bool m_nobody = false;
};
