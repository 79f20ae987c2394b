#pragma once
// Every regular file below a folder with its content, to compare before and after a run: a file
// created, changed or removed shows as a difference.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

inline std::map<std::string, std::string> DateiBestand(const std::filesystem::path& wurzel)
{
    std::map<std::string, std::string> dateien;
    for (const auto& eintrag : std::filesystem::recursive_directory_iterator(wurzel)) {
        if (!eintrag.is_regular_file())
            continue;
        std::ifstream datei(eintrag.path(), std::ios::binary);
        dateien[eintrag.path().string()] = {std::istreambuf_iterator<char>(datei),
                                            std::istreambuf_iterator<char>()};
    }
    return dateien;
}
