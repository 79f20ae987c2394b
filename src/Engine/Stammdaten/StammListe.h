#pragma once
// The list of a master-data file: the health-insurance funds of SVBEITRG.INI and the currencies
// of WAEHRUNG.INI are each kept as a list section whose keys "N0" to "N5000" name one entry each,
// and one section per entry, named like it, with the entry's values.
//
// The rules here keep that file whole: a name that cannot stand as a section of its own is
// refused before anything is written, an entry goes back under the key it was found under, a
// full list is an error, and deleting an entry never erases a section that the list itself or a
// remaining entry still needs.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TXIniFile;

class TStammListe {
public:
    // Keys "N0" ... "N5000".
    static constexpr int kMaxSchluessel = 5000;

    TStammListe(TXIniFile& ini, std::string sektion);

    // Creates the directory of the file when it is missing, so that a first save succeeds.
    static void VerzeichnisAnlegen(std::string_view dateiName);

    // The name without blanks at its ends (an INI section name loses them), or an exception
    // with the reason when it cannot be an entry: empty, equal to the list section, holding
    // "[", "]", "=" or a line break, or starting with ";".
    std::string NameGeprueft(std::string_view name) const;

    // The key that names `name` (the last one, names compared like section names).
    std::optional<std::string> SchluesselVon(std::string_view name) const;

    // Saves an entry under the checked name, which it returns: raises "Indexfehler: "<name>" ist
    // bereits vorhanden" when another entry has the name (a new entry, or a renamed one), and an
    // error when the name is refused or the list has no free key left; all before anything is
    // written. Otherwise `sektionSchreiben` writes the entry's section, and the name goes under
    // its own key or the first free one.
    std::string
    Speichern(std::string_view bezeichnung, bool neu, const std::string& geladenerName,
              const std::function<void(TXIniFile&, const std::string&)>& sektionSchreiben);

    // Rewrites the list as `namen` (keys "N0", "N1", ... in order) and then erases the section of
    // each of `geloescht`, unless the list or a remaining entry still needs it. The list is
    // rewritten key by key over the old one, so a failure part way never drops a remaining name.
    void Loeschen(const std::vector<std::string>& namen, const std::vector<std::string>& geloescht);

private:
    std::string FreierSchluessel() const;

    TXIniFile& m_ini;
    std::string m_sektion;
};
