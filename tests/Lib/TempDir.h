#pragma once
// A fresh directory for one test, removed with everything in it afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir()
    {
        std::string vorlage = (std::filesystem::temp_directory_path() / "vt_lib_XXXXXX").string();
        m_pfad = ::mkdtemp(vorlage.data()) != nullptr ? vorlage : std::string();
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::permissions(m_pfad, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_pfad, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Datei(const std::string& name) const { return m_pfad + "/" + name; }
    const std::string& Pfad() const { return m_pfad; }

    static void Schreiben(const std::string& datei, const std::string& inhalt)
    {
        std::ofstream(datei, std::ios::binary) << inhalt;
    }
    static std::string Lesen(const std::string& datei)
    {
        std::ifstream in(datei, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string m_pfad;
};
