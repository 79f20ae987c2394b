#include "Lib/IniDokument.h"

#include "Lib/StrLib.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

std::string_view Trim(std::string_view s)
{
    const std::size_t anfang = s.find_first_not_of(" \t");
    if (anfang == std::string_view::npos)
        return s.substr(s.size()); // empty, yet still pointing into `s`
    return s.substr(anfang, s.find_last_not_of(" \t") - anfang + 1);
}

bool IstQuote(char c)
{
    return c == '"' || c == '\'';
}

bool InQuotes(std::string_view v)
{
    return v.size() >= 2 && IstQuote(v.front()) && v.front() == v.back();
}

// A name as the file can hold it: one line, no blanks at its ends.
std::string NameBereinigen(std::string_view name)
{
    std::string n(name);
    std::replace(n.begin(), n.end(), '\r', ' ');
    std::replace(n.begin(), n.end(), '\n', ' ');
    return std::string(Trim(n));
}

// A value written so that reading it back gives it again: line breaks would split the line and
// become blanks; blanks at the ends or enclosing quotes would be trimmed, so it gets quotes.
std::string WertKodieren(std::string_view value)
{
    std::string v(value);
    std::replace(v.begin(), v.end(), '\r', ' ');
    std::replace(v.begin(), v.end(), '\n', ' ');
    if (!v.empty() && (Trim(v).size() != v.size() || InQuotes(v)))
        return '"' + v + '"';
    return v;
}

std::string WertDerZeile(std::string_view zeile)
{
    std::string_view v = Trim(zeile.substr(zeile.find('=') + 1));
    if (InQuotes(v))
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

// Lower case of ASCII and of the Latin-1 capitals (UTF-8 C3 80 to C3 9E, but not the sign ×).
std::string Falten(std::string_view s)
{
    std::string f(s);
    for (std::size_t i = 0; i < f.size(); ++i) {
        const auto c = static_cast<unsigned char>(f[i]);
        if (c >= 'A' && c <= 'Z') {
            f[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < f.size()) {
            const auto d = static_cast<unsigned char>(f[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97)
                f[i + 1] = static_cast<char>(d + 32);
            ++i;
        }
    }
    return f;
}

} // namespace

bool TIniDokument::NamesEqual(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && Falten(a) == Falten(b);
}

TIniDokument::Zeile TIniDokument::ParseZeile(std::string text)
{
    Zeile z;
    const std::string_view t = Trim(text);
    std::string_view name;
    if (!t.empty() && t.front() == '[') {
        const std::size_t zu = t.rfind(']');
        if (zu != std::string_view::npos && zu > 0) {
            z.art = Art::Sektion;
            name = Trim(t.substr(1, zu - 1));
        }
    } else if (!t.empty() && t.front() != ';') {
        const std::size_t gleich = t.find('=');
        if (gleich != std::string_view::npos && !Trim(t.substr(0, gleich)).empty()) {
            z.art = Art::Schluessel;
            name = Trim(t.substr(0, gleich));
        }
    }
    if (z.art != Art::Sonstige) {
        z.nameAnfang = static_cast<std::uint32_t>(name.data() - text.data());
        z.nameLaenge = static_cast<std::uint32_t>(name.size());
    }
    z.text = std::move(text);
    return z;
}

TIniDokument::Zeile TIniDokument::NeueZeile(std::string text) const
{
    Zeile z = ParseZeile(std::move(text));
    z.ende = m_ende;
    return z;
}

TIniDokument TIniDokument::Parse(std::string_view bytes)
{
    TIniDokument doc;
    doc.m_kodierung = KodierungErkennen(bytes, doc.m_bom);
    bool endeBekannt = false;
    ZeilenTeilen(bytes, doc.m_kodierung,
                 [&doc, &endeBekannt](std::string_view roh, TZeilenEnde ende) {
                     bool umkodiert = false;
                     Zeile z = ParseZeile(ZeileDekodieren(roh, doc.m_kodierung, umkodiert));
                     z.ende = ende;
                     if (umkodiert) {
                         z.roh = std::string(roh);
                         z.umkodiert = true;
                     }
                     if (!endeBekannt && ende != TZeilenEnde::Keins) {
                         doc.m_ende = ende;
                         endeBekannt = true;
                     }
                     if (z.art == Art::Sektion) {
                         doc.m_sektionen[Falten(z.Name())].push_back(doc.m_bloecke.size());
                         doc.m_bloecke.emplace_back().kopf = true;
                     }
                     doc.m_bloecke.back().zeilen.push_back(std::move(z));
                 });
    return doc;
}

std::string TIniDokument::Serialize() const
{
    std::string out;
    if (m_bom)
        out += ByteOrderMark(m_kodierung);
    // A line read without line end (the file's last) that is no longer last gets one.
    std::optional<TZeilenEnde> offen;
    for (const Block& block : m_bloecke) {
        if (block.entfernt)
            continue;
        for (const Zeile& z : block.zeilen) {
            if (z.art == Art::Entfernt)
                continue;
            if (offen && *offen == TZeilenEnde::Keins) {
                // A UTF-16 file that ended in half a character: complete it before going on.
                if (m_kodierung != TIniKodierung::Utf8 && out.size() % 2 != 0)
                    out += '\0';
                EndeKodieren(out, m_ende, m_kodierung);
            } else if (offen) {
                EndeKodieren(out, *offen, m_kodierung);
            }
            if (z.umkodiert)
                out += z.roh;
            else
                TextKodieren(out, z.text, m_kodierung);
            offen = z.ende;
        }
    }
    if (offen)
        EndeKodieren(out, *offen, m_kodierung);
    return out;
}

const TIniDokument::Block* TIniDokument::FindSection(std::string_view section) const
{
    const auto it = m_sektionen.find(Falten(NameBereinigen(section)));
    return it == m_sektionen.end() ? nullptr : &m_bloecke[it->second.front()];
}

TIniDokument::Block* TIniDokument::FindSection(std::string_view section)
{
    return const_cast<Block*>(std::as_const(*this).FindSection(section));
}

const TIniDokument::Index& TIniDokument::Schluessel(const Block& block) const
{
    if (!block.indiziert) {
        for (std::size_t i = 0; i < block.zeilen.size(); ++i) {
            if (block.zeilen[i].art == Art::Schluessel)
                block.schluessel[Falten(block.zeilen[i].Name())].push_back(i);
        }
        block.indiziert = true;
    }
    return block.schluessel;
}

std::optional<std::size_t> TIniDokument::FindKey(const Block& block, std::string_view key) const
{
    const Index& index = Schluessel(block);
    const auto it = index.find(Falten(NameBereinigen(key)));
    if (it == index.end())
        return std::nullopt;
    return it->second.front();
}

std::optional<std::string> TIniDokument::Value(std::string_view section, std::string_view key) const
{
    const Block* block = FindSection(section);
    if (block == nullptr)
        return std::nullopt;
    const std::optional<std::size_t> zeile = FindKey(*block, key);
    if (!zeile)
        return std::nullopt;
    return WertDerZeile(block->zeilen[*zeile].text);
}

std::vector<std::string> TIniDokument::Keys(std::string_view section) const
{
    std::vector<std::string> keys;
    const Block* block = FindSection(section);
    if (block == nullptr)
        return keys;
    const Index& index = Schluessel(*block);
    for (std::size_t i = 0; i < block->zeilen.size(); ++i) {
        const Zeile& z = block->zeilen[i];
        if (z.art == Art::Schluessel && index.at(Falten(z.Name())).front() == i)
            keys.emplace_back(z.Name());
    }
    return keys;
}

std::vector<std::string> TIniDokument::Sections() const
{
    std::vector<std::string> sections;
    for (std::size_t b = 0; b < m_bloecke.size(); ++b) {
        const Block& block = m_bloecke[b];
        if (!block.kopf || block.entfernt)
            continue;
        const std::string_view name = block.zeilen.front().Name();
        if (m_sektionen.at(Falten(name)).front() == b)
            sections.emplace_back(name);
    }
    return sections;
}

bool TIniDokument::HasSection(std::string_view section) const
{
    return FindSection(section) != nullptr;
}

void TIniDokument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string wert = WertKodieren(value);
    Block* block = FindSection(section);
    if (block != nullptr) {
        if (const std::optional<std::size_t> zeile = FindKey(*block, key)) {
            Zeile& z = block->zeilen[*zeile];
            const TZeilenEnde ende = z.ende;
            z = ParseZeile(std::string(z.Name()) + "=" + wert);
            z.ende = ende;
            return;
        }
        // After the section's last non-blank line, so that a blank line before the next section
        // stays where it is. Only blank and removed lines follow that place, and none of them is
        // in the key index, so no index moves.
        std::size_t nach = block->zeilen.size();
        while (nach > 1 && (block->zeilen[nach - 1].art == Art::Entfernt ||
                            Trim(block->zeilen[nach - 1].text).empty()))
            --nach;
        Zeile neu = NeueZeile(NameBereinigen(key) + "=" + wert);
        if (neu.art == Art::Schluessel) // a name the file cannot hold reads as no key
            block->schluessel[Falten(neu.Name())].push_back(nach);
        block->zeilen.insert(block->zeilen.begin() + static_cast<std::ptrdiff_t>(nach),
                             std::move(neu));
        return;
    }
    // A blank line before the new section, unless the file ends with one. The first block (the
    // lines before any section) is never removed, so a last block is always there.
    Block& letzter = *std::find_if(m_bloecke.rbegin(), m_bloecke.rend(),
                                   [](const Block& b) { return !b.entfernt; });
    const auto letzte = std::find_if(letzter.zeilen.rbegin(), letzter.zeilen.rend(),
                                     [](const Zeile& z) { return z.art != Art::Entfernt; });
    if (letzte != letzter.zeilen.rend() && !Trim(letzte->text).empty())
        letzter.zeilen.push_back(NeueZeile(""));
    Zeile kopf = NeueZeile("[" + NameBereinigen(section) + "]");
    m_sektionen[Falten(kopf.Name())].push_back(m_bloecke.size());
    Block& neu = m_bloecke.emplace_back();
    neu.kopf = true;
    neu.indiziert = true;
    neu.zeilen.push_back(std::move(kopf));
    Zeile zeile = NeueZeile(NameBereinigen(key) + "=" + wert);
    if (zeile.art == Art::Schluessel)
        neu.schluessel[Falten(zeile.Name())].push_back(1);
    neu.zeilen.push_back(std::move(zeile));
}

bool TIniDokument::DeleteKey(std::string_view section, std::string_view key)
{
    Block* block = FindSection(section);
    if (block == nullptr)
        return false;
    Schluessel(*block);
    const auto it = block->schluessel.find(Falten(NameBereinigen(key)));
    if (it == block->schluessel.end())
        return false;
    Zeile& z = block->zeilen[it->second.front()];
    z = Zeile{};
    z.art = Art::Entfernt;
    // A second line of the same key, hidden so far, now gives the value.
    it->second.erase(it->second.begin());
    if (it->second.empty())
        block->schluessel.erase(it);
    return true;
}

bool TIniDokument::EraseSection(std::string_view section)
{
    const auto it = m_sektionen.find(Falten(NameBereinigen(section)));
    if (it == m_sektionen.end())
        return false;
    for (const std::size_t b : it->second) {
        Block& block = m_bloecke[b];
        block.entfernt = true;
        block.zeilen.clear();
        block.schluessel.clear();
    }
    m_sektionen.erase(it);
    return true;
}
