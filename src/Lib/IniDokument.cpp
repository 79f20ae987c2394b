#include "Lib/IniDokument.h"

#include "Lib/StrLib.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s)
{
    const std::size_t anfang = s.find_first_not_of(" \t");
    if (anfang == std::string_view::npos)
        return {};
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
    if (!t.empty() && t.front() == '[') {
        const std::size_t zu = t.rfind(']');
        if (zu != std::string_view::npos && zu > 0) {
            z.art = Art::Sektion;
            z.name = std::string(Trim(t.substr(1, zu - 1)));
        }
    } else if (!t.empty() && t.front() != ';') {
        const std::size_t gleich = t.find('=');
        if (gleich != std::string_view::npos && !Trim(t.substr(0, gleich)).empty()) {
            z.art = Art::Schluessel;
            z.name = std::string(Trim(t.substr(0, gleich)));
        }
    }
    z.text = std::move(text);
    return z;
}

TIniDokument TIniDokument::Parse(std::string_view bytes)
{
    TIniDokument doc;
    std::string text;
    if (bytes.substr(0, kBom.size()) == kBom) {
        doc.m_bom = true;
        bytes.remove_prefix(kBom.size());
    }
    text = IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);

    const std::size_t erstesEnde = text.find('\n');
    doc.m_crlf = erstesEnde != std::string::npos && erstesEnde > 0 && text[erstesEnde - 1] == '\r';
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t ende = text.find('\n', pos);
        const bool umbruch = ende != std::string::npos;
        if (!umbruch)
            ende = text.size();
        std::string zeile = text.substr(pos, ende - pos);
        if (umbruch && !zeile.empty() && zeile.back() == '\r')
            zeile.pop_back();
        doc.m_zeilen.push_back(ParseZeile(std::move(zeile)));
        doc.m_schlussUmbruch = umbruch;
        pos = ende + 1;
    }
    return doc;
}

std::string TIniDokument::Serialize() const
{
    const std::string_view nl = m_crlf ? "\r\n" : "\n";
    std::string out = m_bom ? std::string(kBom) : std::string();
    for (std::size_t i = 0; i < m_zeilen.size(); ++i) {
        out += m_zeilen[i].text;
        if (i + 1 < m_zeilen.size() || m_schlussUmbruch)
            out += nl;
    }
    return out;
}

std::optional<std::size_t> TIniDokument::FindSection(std::string_view section) const
{
    const std::string gesucht = NameBereinigen(section);
    for (std::size_t i = 0; i < m_zeilen.size(); ++i) {
        if (m_zeilen[i].art == Art::Sektion && NamesEqual(m_zeilen[i].name, gesucht))
            return i;
    }
    return std::nullopt;
}

std::size_t TIniDokument::SectionEnd(std::size_t kopf) const
{
    std::size_t i = kopf + 1;
    while (i < m_zeilen.size() && m_zeilen[i].art != Art::Sektion)
        ++i;
    return i;
}

std::optional<std::size_t> TIniDokument::FindKey(std::string_view section,
                                                 std::string_view key) const
{
    const std::optional<std::size_t> kopf = FindSection(section);
    if (!kopf)
        return std::nullopt;
    const std::string gesucht = NameBereinigen(key);
    const std::size_t ende = SectionEnd(*kopf);
    for (std::size_t i = *kopf + 1; i < ende; ++i) {
        if (m_zeilen[i].art == Art::Schluessel && NamesEqual(m_zeilen[i].name, gesucht))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> TIniDokument::Value(std::string_view section, std::string_view key) const
{
    const std::optional<std::size_t> zeile = FindKey(section, key);
    if (!zeile)
        return std::nullopt;
    return WertDerZeile(m_zeilen[*zeile].text);
}

std::vector<std::string> TIniDokument::Keys(std::string_view section) const
{
    std::vector<std::string> keys;
    const std::optional<std::size_t> kopf = FindSection(section);
    if (!kopf)
        return keys;
    const std::size_t ende = SectionEnd(*kopf);
    for (std::size_t i = *kopf + 1; i < ende; ++i) {
        const Zeile& z = m_zeilen[i];
        if (z.art == Art::Schluessel &&
            std::none_of(keys.begin(), keys.end(),
                         [&z](const std::string& k) { return NamesEqual(k, z.name); }))
            keys.push_back(z.name);
    }
    return keys;
}

std::vector<std::string> TIniDokument::Sections() const
{
    std::vector<std::string> sections;
    for (const Zeile& z : m_zeilen) {
        if (z.art == Art::Sektion &&
            std::none_of(sections.begin(), sections.end(),
                         [&z](const std::string& s) { return NamesEqual(s, z.name); }))
            sections.push_back(z.name);
    }
    return sections;
}

bool TIniDokument::HasSection(std::string_view section) const
{
    return FindSection(section).has_value();
}

void TIniDokument::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string wert = WertKodieren(value);
    if (const std::optional<std::size_t> zeile = FindKey(section, key)) {
        Zeile& z = m_zeilen[*zeile];
        z.text = z.name + "=" + wert;
        return;
    }
    const std::string name = NameBereinigen(key);
    Zeile neu = ParseZeile(name + "=" + wert);
    if (const std::optional<std::size_t> kopf = FindSection(section)) {
        // After the section's last non-blank line, so that a blank line before the next
        // section stays where it is.
        std::size_t nach = *kopf + 1;
        for (std::size_t i = *kopf + 1; i < SectionEnd(*kopf); ++i) {
            if (!Trim(m_zeilen[i].text).empty())
                nach = i + 1;
        }
        m_zeilen.insert(m_zeilen.begin() + static_cast<std::ptrdiff_t>(nach), std::move(neu));
        return;
    }
    if (!m_zeilen.empty() && !Trim(m_zeilen.back().text).empty())
        m_zeilen.push_back(ParseZeile(""));
    m_zeilen.push_back(ParseZeile("[" + NameBereinigen(section) + "]"));
    m_zeilen.push_back(std::move(neu));
}

bool TIniDokument::DeleteKey(std::string_view section, std::string_view key)
{
    const std::optional<std::size_t> zeile = FindKey(section, key);
    if (!zeile)
        return false;
    m_zeilen.erase(m_zeilen.begin() + static_cast<std::ptrdiff_t>(*zeile));
    return true;
}

bool TIniDokument::EraseSection(std::string_view section)
{
    bool gefunden = false;
    while (const std::optional<std::size_t> kopf = FindSection(section)) {
        m_zeilen.erase(m_zeilen.begin() + static_cast<std::ptrdiff_t>(*kopf),
                       m_zeilen.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*kopf)));
        gefunden = true;
    }
    return gefunden;
}
