#pragma once
// A temporary home with its own XDG folders for the life of the object: HOME, XDG_CONFIG_HOME,
// XDG_DATA_HOME and XDG_RUNTIME_DIR point into a fresh directory, which is removed afterwards
// and the variables restored, so tests never touch the real user's files.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TTempXdg {
public:
    TTempXdg()
    {
        std::string muster = (std::filesystem::temp_directory_path() / "vt-xdg-XXXXXX").string();
        if (mkdtemp(muster.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_wurzel = muster;
        Setze("HOME", Ordner("home"));
        Setze("XDG_CONFIG_HOME", Ordner("home/.config"));
        Setze("XDG_DATA_HOME", Ordner("home/.local/share"));
        // The runtime folder is the user's own, as Qt and the XDG rules require.
        Setze("XDG_RUNTIME_DIR", Ordner("run"));
        std::filesystem::permissions(m_wurzel / "run", std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace);
    }
    ~TTempXdg()
    {
        for (auto it = m_alt.rbegin(); it != m_alt.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
        std::error_code fehler;
        std::filesystem::remove_all(m_wurzel, fehler);
    }
    TTempXdg(const TTempXdg&) = delete;
    TTempXdg& operator=(const TTempXdg&) = delete;

    const std::filesystem::path& Wurzel() const { return m_wurzel; }
    std::string Home() const { return (m_wurzel / "home").string() + "/"; }
    std::string Config() const { return (m_wurzel / "home/.config").string() + "/"; }
    std::string Data() const { return (m_wurzel / "home/.local/share").string() + "/"; }

    // Creates the directory (with parents) below the temporary root and returns its path.
    std::string Ordner(const std::string& relativ) const
    {
        const auto pfad = m_wurzel / std::filesystem::path(relativ).relative_path();
        std::filesystem::create_directories(pfad);
        return pfad.string();
    }
    // Writes a file below the temporary root.
    void Schreibe(const std::string& relativ, const std::string& inhalt) const
    {
        const auto pfad = m_wurzel / std::filesystem::path(relativ).relative_path();
        std::filesystem::create_directories(pfad.parent_path());
        std::ofstream(pfad, std::ios::binary) << inhalt;
    }
    // Sets a variable for the life of the object (unset when `wert` is empty).
    void Setze(const std::string& name, const std::string& wert)
    {
        const char* alt = std::getenv(name.c_str());
        m_alt.emplace_back(name, alt ? std::optional<std::string>(alt) : std::nullopt);
        if (wert.empty())
            unsetenv(name.c_str());
        else
            setenv(name.c_str(), wert.c_str(), 1);
    }

private:
    std::filesystem::path m_wurzel;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_alt;
};
