#include "Engine/Stammdaten/StammListe.h"

#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/IniDokument.h"
#include "Lib/IniFile.h"

#include <algorithm>
#include <set>

namespace {

std::string_view OhneRandLeerzeichen(std::string_view s)
{
    const std::size_t anfang = s.find_first_not_of(" \t");
    if (anfang == std::string_view::npos)
        return {};
    const std::size_t ende = s.find_last_not_of(" \t");
    return s.substr(anfang, ende - anfang + 1);
}

std::string Schluessel(int nummer)
{
    return "N" + std::to_string(nummer);
}

// "N" followed by a decimal number from 0 to the last key.
bool IstListenSchluessel(std::string_view key)
{
    if (key.size() < 2 || key.size() > 5 || (key[0] != 'N' && key[0] != 'n'))
        return false;
    if (key.find_first_not_of("0123456789", 1) != std::string_view::npos)
        return false;
    return std::stoi(std::string(key.substr(1))) <= TStammListe::kMaxSchluessel;
}

} // namespace

TStammListe::TStammListe(TXIniFile& ini, std::string sektion)
    : m_ini(ini), m_sektion(std::move(sektion))
{
}

void TStammListe::VerzeichnisAnlegen(std::string_view dateiName)
{
    const std::size_t trenner = dateiName.find_last_of("/\\");
    if (trenner == std::string_view::npos || trenner == 0)
        return;
    const std::string_view verzeichnis = dateiName.substr(0, trenner);
    if (!DirectoryExists(verzeichnis))
        ForceDirectories(verzeichnis);
}

std::string TStammListe::NameGeprueft(std::string_view name) const
{
    const std::string_view n = OhneRandLeerzeichen(name);
    if (n.empty())
        throw Exception("Die Bezeichnung darf nicht leer sein.");
    const std::string zitat = "\"" + std::string(n) + "\"";
    if (TIniDokument::NamesEqual(n, m_sektion))
        throw Exception(zitat + " ist als Bezeichnung nicht zulässig: so heißt die Liste selbst.");
    if (n.find_first_of("[]=\r\n") != std::string_view::npos || n.front() == ';')
        throw Exception("Die Bezeichnung " + zitat +
                        " ist nicht zulässig: sie darf kein \"[\", \"]\", \"=\" und keinen "
                        "Zeilenumbruch enthalten und nicht mit \";\" beginnen.");
    return std::string(n);
}

std::optional<std::string> TStammListe::SchluesselVon(std::string_view name) const
{
    // One pass over the list, not one look-up per key: lists run to thousands of names.
    const std::vector<std::string> zeilen = m_ini.ReadSectionValues(m_sektion);
    for (auto it = zeilen.rbegin(); it != zeilen.rend(); ++it) {
        const std::size_t gleich = it->find('=');
        const std::string key = it->substr(0, gleich);
        if (IstListenSchluessel(key) &&
            TIniDokument::NamesEqual(std::string_view(*it).substr(gleich + 1), name))
            return key;
    }
    return std::nullopt;
}

std::string TStammListe::FreierSchluessel() const
{
    std::set<int> belegt;
    for (const std::string& key : m_ini.ReadSection(m_sektion))
        if (IstListenSchluessel(key))
            belegt.insert(std::stoi(key.substr(1)));
    for (int i = 0; i <= kMaxSchluessel; ++i)
        if (!belegt.contains(i))
            return Schluessel(i);
    throw Exception("Die Liste \"" + m_sektion + "\" ist voll: kein freier Schlüssel bis N" +
                    std::to_string(kMaxSchluessel) + ".");
}

std::string
TStammListe::Speichern(std::string_view bezeichnung, bool neu, const std::string& geladenerName,
                       const std::function<void(TXIniFile&, const std::string&)>& sektionSchreiben)
{
    const std::string name = NameGeprueft(bezeichnung);
    const std::optional<std::string> gefunden = SchluesselVon(name);
    if (gefunden && (neu || !TIniDokument::NamesEqual(name, geladenerName)))
        throw Exception("Indexfehler: \"" + name + "\" ist bereits vorhanden");
    // Back under the key it was found under: with gaps in the keys, a key made from the
    // entry's position would name it twice.
    const std::string key = gefunden ? *gefunden : FreierSchluessel();
    m_ini.BeginUpdate();
    sektionSchreiben(m_ini, name);
    m_ini.WriteString(m_sektion, key, name);
    m_ini.UpdateFile();
    return name;
}

void TStammListe::Loeschen(const std::vector<std::string>& namen,
                           const std::vector<std::string>& geloescht)
{
    m_ini.BeginUpdate();
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const std::string key = Schluessel(static_cast<int>(i));
        if (!m_ini.ValueExists(m_sektion, key) || m_ini.ReadString(m_sektion, key, "") != namen[i])
            m_ini.WriteString(m_sektion, key, namen[i]);
    }
    const auto bleibt = [&namen](const std::string& key) {
        if (!IstListenSchluessel(key))
            return false;
        const int nummer = std::stoi(key.substr(1));
        return nummer < static_cast<int>(namen.size()) &&
               TIniDokument::NamesEqual(key, Schluessel(nummer));
    };
    for (const std::string& key : m_ini.ReadSection(m_sektion))
        if (!bleibt(key))
            m_ini.DeleteKey(m_sektion, key);
    for (const std::string& name : geloescht) {
        const std::string_view n = OhneRandLeerzeichen(name);
        const bool gebraucht =
            n.empty() || TIniDokument::NamesEqual(n, m_sektion) ||
            std::any_of(namen.begin(), namen.end(), [n](const std::string& bleibt) {
                return TIniDokument::NamesEqual(OhneRandLeerzeichen(bleibt), n);
            });
        if (!gebraucht)
            m_ini.EraseSection(n);
    }
    m_ini.UpdateFile();
}
