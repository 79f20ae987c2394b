#pragma once
// The text of one INI file as lines, with the lookups and edits of the INI classes (IniFile.h).
// It knows nothing of disks: IniFile.h reads and writes the bytes.
//
// Reading follows the Windows rules that the stored files were written by: section and key names
// compare without regard to case (ASCII and the Latin-1 letters such as Ä/ä); blanks and tabs
// around names and values are trimmed; a value in matching quotes loses them; the first of two
// equal keys (or sections) wins; lines starting with ';' and anything else that is no section
// or key line are kept as they stand. An edit changes only the lines it concerns, so that a
// round trip keeps comments, blank lines, spacing and the order of everything else.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniDokument {
public:
    TIniDokument() = default;
    // Bytes as read from disk: UTF-8 (with or without byte-order mark) or, when they are not
    // valid UTF-8, Windows-1252. Any bytes are accepted.
    static TIniDokument Parse(std::string_view bytes);
    // The text to write back: UTF-8, the line ends the file had (CRLF or LF), its byte-order mark.
    std::string Serialize() const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::string> Sections() const;
    bool HasSection(std::string_view section) const;

    // Sets the value, rewriting the key's line or adding one at the end of its section (creating
    // the section at the end of the file when needed). Line breaks in a value are written as
    // blanks, and a value that would not read back as it is (blanks at its ends, enclosed in
    // quotes) is written in double quotes.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Returns whether a line was removed.
    bool DeleteKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines; returns whether one was found.
    bool EraseSection(std::string_view section);

    // Name comparison of the INI rules (exposed for the callers' own lists).
    static bool NamesEqual(std::string_view a, std::string_view b);

private:
    enum class Art { Sonstige, Sektion, Schluessel };
    struct Zeile {
        std::string text; // the line as it stands in the file, without its line end
        Art art = Art::Sonstige;
        std::string name; // section or key name, trimmed
    };
    static Zeile ParseZeile(std::string text);
    // Index of the header of the first section of that name, if any.
    std::optional<std::size_t> FindSection(std::string_view section) const;
    // End (exclusive) of the section whose header is at `kopf`.
    std::size_t SectionEnd(std::size_t kopf) const;
    std::optional<std::size_t> FindKey(std::string_view section, std::string_view key) const;

    std::vector<Zeile> m_zeilen;
    bool m_crlf = false;
    bool m_bom = false;
    bool m_schlussUmbruch = true; // the last line ends with a line end
};
