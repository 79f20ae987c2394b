#pragma once
// A file layer for tests of saves and reads: counts the files written and read, and makes one step fail as an
// unreadable file, a full disk, an I/O error or a read-only mount would, for every file or only for
// files whose path contains a given text. Works where chmod does not (a test running as root). In
// place for the life of the object.
#include "Lib/FileSystem.h"

#include <cerrno>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

class TFileLayerFake : public TFileLayer {
public:
    enum class Schritt { Keiner, Lesen, Schreiben, Sync, Rename };

    TFileLayerFake() { SetFileLayer(this); }
    ~TFileLayerFake() override { SetFileLayer(nullptr); }
    TFileLayerFake(const TFileLayerFake&) = delete;
    TFileLayerFake& operator=(const TFileLayerFake&) = delete;

    // Makes `schritt` fail with `code` for files whose path contains `nurFuer` (empty: all).
    void Scheitern(Schritt schritt, int code, std::string nurFuer = {})
    {
        m_schritt = schritt;
        m_code = code;
        m_nurFuer = std::move(nurFuer);
    }

    // Paths of the files written (one entry per save that reached the disk), in order.
    const std::vector<std::string>& Geschrieben() const { return m_geschrieben; }
    int Schreibvorgaenge() const { return m_schreibvorgaenge; }
    // How often each file was read whole (failed reads included), by path.
    const std::map<std::string, int>& Gelesen() const { return m_gelesen; }
    int Lesevorgaenge(const std::string& pfad) const
    {
        const auto it = m_gelesen.find(pfad);
        return it == m_gelesen.end() ? 0 : it->second;
    }

    int ReadWhole(const std::string& pfad, std::string& inhalt, std::size_t maxBytes) override
    {
        ++m_gelesen[pfad];
        if (Trifft(Schritt::Lesen, pfad))
            return m_code;
        return TFileLayer::ReadWhole(pfad, inhalt, maxBytes);
    }
    int WriteAll(int fd, std::string_view daten) override
    {
        ++m_schreibvorgaenge;
        if (Trifft(Schritt::Schreiben, PfadVon(fd)))
            return m_code;
        return TFileLayer::WriteAll(fd, daten);
    }
    int Sync(int fd) override
    {
        if (Trifft(Schritt::Sync, PfadVon(fd)))
            return m_code;
        return TFileLayer::Sync(fd);
    }
    int Rename(const std::string& von, const std::string& nach) override
    {
        if (Trifft(Schritt::Rename, nach))
            return m_code;
        const int e = TFileLayer::Rename(von, nach);
        if (e == 0)
            m_geschrieben.push_back(nach);
        return e;
    }

private:
    static std::string PfadVon(int fd)
    {
        std::string pfad(4096, '\0');
        const ssize_t n =
            ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), pfad.data(), pfad.size());
        pfad.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        return pfad;
    }
    bool Trifft(Schritt schritt, const std::string& pfad) const
    {
        return schritt == m_schritt &&
               (m_nurFuer.empty() || pfad.find(m_nurFuer) != std::string::npos);
    }

    Schritt m_schritt = Schritt::Keiner;
    int m_code = EIO;
    std::string m_nurFuer;
    std::vector<std::string> m_geschrieben;
    std::map<std::string, int> m_gelesen;
    int m_schreibvorgaenge = 0;
};
