#include "Lib/IniFile.h"

#include "Lib/FileSystem.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace {

// Larger files are no settings file; they are treated as unreadable rather than loaded.
constexpr std::size_t kMaxDateiGroesse = 16 * 1024 * 1024;

std::optional<std::int32_t> ParseInteger(std::string_view t)
{
    int basis = 10;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        t.remove_prefix(2);
        basis = 16;
    } else if (t.size() > 1 && t[0] == '$') {
        t.remove_prefix(1);
        basis = 16;
    } else if (t.size() > 1 && t[0] == '+') {
        t.remove_prefix(1);
    }
    std::int32_t n = 0;
    const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), n, basis);
    if (t.empty() || ec != std::errc() || ende != t.data() + t.size())
        return std::nullopt;
    return n;
}

} // namespace

TIniFile::TIniFile(std::string fileName) : m_fileName(std::move(fileName)) {}

TIniFile::Stand TIniFile::AktuellerStand() const
{
    struct stat st {};
    Stand s;
    if (::stat(m_fileName.c_str(), &st) != 0)
        return s;
    s.vorhanden = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return s;
}

const TIniDokument& TIniFile::Dokument() const
{
    const Stand stand = AktuellerStand();
    if (m_geladen && stand == m_stand)
        return m_dokument;
    const int statFehler = stand.vorhanden ? 0 : errno;
    std::string bytes;
    int fehler = 0;
    if (stand.vorhanden)
        fehler = ReadWholeFile(m_fileName, bytes, kMaxDateiGroesse);
    else if (statFehler != ENOENT && statFehler != ENOTDIR)
        fehler = statFehler;
    if (fehler == ENOENT)
        fehler = 0;
    m_dokument = fehler == 0 ? TIniDokument::Parse(bytes) : TIniDokument();
    m_lesefehler = fehler;
    m_stand = stand;
    m_geladen = true;
    return m_dokument;
}

void TIniFile::UpdateFile()
{
    m_geladen = false;
}

void TIniFile::PruefeNamen(std::string_view section, std::string_view key) const
{
    if (section.empty())
        throw EIniFileError("IniFile (" + m_fileName + "): Sektion darf nicht leer sein", 0);
    if (key.empty())
        throw EIniFileError("IniFile (" + m_fileName + "): Schlüssel darf nicht leer sein", 0);
    // Such a key would read back as another key, a comment or a section.
    if (key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        throw EIniFileError(
            "IniFile (" + m_fileName + "): ungültiger Schlüssel " + std::string(key), 0);
}

template <typename F> void TIniFile::Aendern(F aenderung)
{
    const TIniDokument& aktuell = Dokument();
    if (m_lesefehler != 0) {
        throw EIniFileError("nach " + m_fileName +
                                " kann nicht geschrieben werden: " + SystemFehlerText(m_lesefehler),
                            m_lesefehler);
    }
    TIniDokument neu = aktuell;
    if (!aenderung(neu))
        return;
    if (const int fehler = WriteFileAtomic(m_fileName, neu.Serialize()); fehler != 0) {
        throw EIniFileError("nach " + m_fileName +
                                " kann nicht geschrieben werden: " + SystemFehlerText(fehler),
                            fehler);
    }
    m_dokument = std::move(neu);
    m_stand = AktuellerStand();
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view def) const
{
    std::optional<std::string> wert = Dokument().Value(section, key);
    return wert ? std::move(*wert) : std::string(def);
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key,
                                   std::int32_t def) const
{
    const std::optional<std::string> wert = Dokument().Value(section, key);
    if (!wert)
        return def;
    return ParseInteger(*wert).value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

std::vector<std::string> TIniFile::ReadSection(std::string_view section) const
{
    return Dokument().Keys(section);
}

std::vector<std::string> TIniFile::ReadSectionValues(std::string_view section) const
{
    const TIniDokument& doc = Dokument();
    std::vector<std::string> zeilen;
    for (const std::string& key : doc.Keys(section))
        zeilen.push_back(key + "=" + doc.Value(section, key).value_or(""));
    return zeilen;
}

std::vector<std::string> TIniFile::ReadSections() const
{
    return Dokument().Sections();
}

bool TIniFile::SectionExists(std::string_view section) const
{
    return Dokument().HasSection(section);
}

bool TIniFile::ValueExists(std::string_view section, std::string_view key) const
{
    return Dokument().Value(section, key).has_value();
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    PruefeNamen(section, key);
    Aendern([&](TIniDokument& doc) {
        doc.SetValue(section, key, value);
        return true;
    });
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key)
{
    PruefeNamen(section, key);
    Aendern([&](TIniDokument& doc) { return doc.DeleteKey(section, key); });
}

void TIniFile::EraseSection(std::string_view section)
{
    if (section.empty())
        throw EIniFileError("IniFile (" + m_fileName + "): Sektion darf nicht leer sein", 0);
    Aendern([&](TIniDokument& doc) { return doc.EraseSection(section); });
}

void TXIniFile::DeleteWhenPresent(std::string_view section, std::string_view key)
{
    if (ReadString(section, key, kProbe) != kProbe)
        DeleteKey(section, key);
}

void TXIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value,
                            std::string_view def)
{
    if (value == def)
        DeleteWhenPresent(section, key);
    else if (ReadString(section, key, def) != value)
        WriteString(section, key, value);
}

void TXIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value,
                             std::int32_t def)
{
    if (value == def)
        DeleteWhenPresent(section, key);
    else if (ReadInteger(section, key, def) != value)
        WriteInteger(section, key, value);
}

void TXIniFile::WriteBool(std::string_view section, std::string_view key, bool value, bool def)
{
    if (value == def)
        DeleteWhenPresent(section, key);
    else if (ReadBool(section, key, def) != value)
        WriteBool(section, key, value);
}
