// Checks the include structure of the sources: no file includes a layer above its own, and no
// cycle runs between files or between folders. Prints each fault and ends with 1 if there is one.
//
// schichten SRC_DIR

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Graph = std::map<std::string, std::set<std::string>>;

// The layers from the bottom up; a folder may include its own layer and those below.
const std::map<std::string, int> kSchicht = {
    {"Lib", 0},      {"MVCFrame", 1}, {"Platform", 2},     {"Options", 3}, {"Engine", 4},
    {"Gui", 5},      {"Print", 6},    {"TrayLauncher", 6}, {"Forms", 7},
};

std::string ObersterOrdner(const std::string& datei) { return datei.substr(0, datei.find('/')); }

std::string Ordner(const std::string& datei) { return fs::path(datei).parent_path().string(); }

// The file a line includes by quotes ("Lib/StrLib.h"), or an empty string.
std::string Include(const std::string& zeile)
{
    std::size_t i = zeile.find_first_not_of(" \t");
    if (i == std::string::npos || zeile[i] != '#')
        return {};
    i = zeile.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || zeile.compare(i, 7, "include") != 0)
        return {};
    i = zeile.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || zeile[i] != '"')
        return {};
    const std::size_t ende = zeile.find('"', i + 1);
    return ende == std::string::npos ? std::string() : zeile.substr(i + 1, ende - i - 1);
}

Graph DateienLesen(const fs::path& src)
{
    Graph dateien;
    for (const auto& eintrag : fs::recursive_directory_iterator(src)) {
        const auto endung = eintrag.path().extension();
        if (!eintrag.is_regular_file() || (endung != ".h" && endung != ".cpp"))
            continue;
        auto& ziele = dateien[fs::relative(eintrag.path(), src).generic_string()];
        std::ifstream datei(eintrag.path());
        std::string zeile;
        while (std::getline(datei, zeile))
            if (std::string ziel = Include(zeile); !ziel.empty())
                ziele.insert(std::move(ziel));
    }
    return dateien;
}

// Depth-first search; reports each back edge as the cycle it closes.
class ZyklenSuche {
public:
    explicit ZyklenSuche(const Graph& graph) : m_graph(graph) {}

    std::vector<std::vector<std::string>> Zyklen()
    {
        for (const auto& [knoten, kanten] : m_graph)
            if (!m_farbe.contains(knoten))
                Besuchen(knoten);
        return m_zyklen;
    }

private:
    void Besuchen(const std::string& knoten)
    {
        m_farbe[knoten] = 1;
        m_pfad.push_back(knoten);
        if (const auto it = m_graph.find(knoten); it != m_graph.end()) {
            for (const auto& ziel : it->second) {
                if (m_farbe[ziel] == 1) {
                    auto anfang = std::find(m_pfad.begin(), m_pfad.end(), ziel);
                    m_zyklen.emplace_back(anfang, m_pfad.end());
                    m_zyklen.back().push_back(ziel);
                } else if (m_farbe[ziel] == 0) {
                    Besuchen(ziel);
                }
            }
        }
        m_pfad.pop_back();
        m_farbe[knoten] = 2;
    }

    const Graph& m_graph;
    std::map<std::string, int> m_farbe;
    std::vector<std::string> m_pfad;
    std::vector<std::vector<std::string>> m_zyklen;
};

int ZyklenMelden(const Graph& graph, const char* art)
{
    const auto zyklen = ZyklenSuche(graph).Zyklen();
    for (const auto& zyklus : zyklen) {
        std::cout << "Zyklus zwischen " << art << ":";
        for (const auto& knoten : zyklus)
            std::cout << ' ' << knoten;
        std::cout << '\n';
    }
    return static_cast<int>(zyklen.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 || !fs::is_directory(argv[1])) {
        std::cerr << "Aufruf: schichten SRC_DIR\n";
        return 2;
    }
    const Graph dateien = DateienLesen(argv[1]);
    int fehler = 0;
    Graph dateiGraph;
    Graph ordnerGraph;
    for (const auto& [datei, ziele] : dateien) {
        for (const auto& ziel : ziele) {
            if (!dateien.contains(ziel))
                continue; // a system or Qt header
            dateiGraph[datei].insert(ziel);
            if (Ordner(ziel) != Ordner(datei))
                ordnerGraph[Ordner(datei)].insert(Ordner(ziel));
            const auto von = kSchicht.find(ObersterOrdner(datei));
            const auto nach = kSchicht.find(ObersterOrdner(ziel));
            if (von == kSchicht.end() || nach == kSchicht.end()) {
                std::cout << "Ordner ohne Schicht: " << datei << " -> " << ziel << '\n';
                ++fehler;
            } else if (nach->second > von->second) {
                std::cout << "Aufwaerts: " << datei << " -> " << ziel << '\n';
                ++fehler;
            }
        }
    }
    fehler += ZyklenMelden(dateiGraph, "Dateien");
    fehler += ZyklenMelden(ordnerGraph, "Ordnern");
    return fehler == 0 ? 0 : 1;
}
