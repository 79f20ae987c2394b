#pragma once
// The text of one INI file as lines, with the lookups and edits of the INI classes (IniFile.h).
// It knows nothing of disks: IniFile.h reads and writes the bytes.
//
// Reading follows the Windows rules that the stored files were written by: section and key names
// compare without regard to case (ASCII and the Latin-1 letters such as Ä/ä); blanks and tabs
// around names and values are trimmed; a value in matching quotes loses them; the first of two
// equal keys (or sections) wins; lines starting with ';' and anything else that is no section
// or key line are kept as they stand. An edit changes only the lines it concerns, so that a
// round trip keeps comments, blank lines, spacing and the order of everything else: a line the
// program does not change is written back byte for byte (IniKodierung.h: encodings).
//
// Lookups go through indexes (sections by name, keys of a section by name, built when a section
// is first asked), so that reading or setting a value costs the same in a file of 15 MB as in
// one of 1 KB. Removed lines and sections stay behind as gaps that Serialize skips, so no index
// has to be renumbered.
#include "Lib/IniKodierung.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TIniDokument {
public:
    TIniDokument() = default;
    // Bytes as read from disk: UTF-16 by its byte-order mark or its NULs, otherwise UTF-8 (with or
    // without byte-order mark) line by line, a line that is not valid UTF-8 as Windows-1252. Any
    // bytes are accepted.
    static TIniDokument Parse(std::string_view bytes);
    // The bytes to write back: unchanged lines as read, changed lines with their own line end,
    // new lines with that of the file's first line, all in the file's encoding (UTF-8 unless it
    // was UTF-16), with the byte-order mark it had or without one.
    std::string Serialize() const;

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    std::vector<std::string> Keys(std::string_view section) const;
    std::vector<std::string> Sections() const;
    bool HasSection(std::string_view section) const;

    // Sets the value, rewriting the key's line or adding one after the last non-blank line of its
    // section (creating the section at the end of the file when needed). Line breaks in a value
    // are written as blanks, and a value that would not read back as it is (blanks at its ends,
    // enclosed in quotes) is written in double quotes.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Returns whether a line was removed.
    bool DeleteKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines; returns whether one was found.
    bool EraseSection(std::string_view section);

    // Name comparison of the INI rules (exposed for the callers' own lists).
    static bool NamesEqual(std::string_view a, std::string_view b);

private:
    enum class Art : unsigned char { Sonstige, Sektion, Schluessel, Entfernt };
    struct Zeile {
        std::string text; // the line's text in UTF-8, without its line end
        std::string roh;  // the bytes read, when they differ from `text` (see `umkodiert`)
        std::uint32_t nameAnfang = 0; // section or key name, trimmed: a part of `text`
        std::uint32_t nameLaenge = 0;
        Art art = Art::Sonstige;
        TZeilenEnde ende = TZeilenEnde::Lf;
        bool umkodiert = false; // written back as `roh` while unchanged
        std::string_view Name() const
        {
            return std::string_view(text).substr(nameAnfang, nameLaenge);
        }
    };
    // One section: its header line first (except the lines before the first section) and every
    // line up to the next header.
    struct Block {
        std::vector<Zeile> zeilen;
        bool kopf = false;
        bool entfernt = false;
        // Folded key name -> lines holding it, first first; built on first use.
        mutable std::unordered_map<std::string, std::vector<std::size_t>> schluessel;
        mutable bool indiziert = false;
    };
    using Index = std::unordered_map<std::string, std::vector<std::size_t>>;

    static Zeile ParseZeile(std::string text);
    // The first block of the section, if any.
    const Block* FindSection(std::string_view section) const;
    Block* FindSection(std::string_view section);
    // The line of the key (its first one) in the block, if any.
    std::optional<std::size_t> FindKey(const Block& block, std::string_view key) const;
    const Index& Schluessel(const Block& block) const;
    // Inserts a new line at `stelle`, giving the line before it a line end when it had none.
    void Einfuegen(Block& block, std::size_t stelle, Zeile zeile);
    Zeile NeueZeile(std::string text) const;

    std::vector<Block> m_bloecke{Block{}};
    Index m_sektionen; // folded section name -> its blocks, first first
    TIniKodierung m_kodierung = TIniKodierung::Utf8;
    TZeilenEnde m_ende = TZeilenEnde::Lf; // for new lines
    bool m_bom = false;
};
