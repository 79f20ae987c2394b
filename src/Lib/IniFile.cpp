#include "Lib/IniFile.h"

#include "Lib/FileSystem.h"
#include "Lib/Meldung.h"

#include <cerrno>
#include <charconv>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace {

// Larger files are no settings file; they are treated as unreadable rather than loaded.
constexpr std::size_t kMaxDateiGroesse = 16 * 1024 * 1024;

// The settings files told unreadable in this run, which no save touches.
std::set<std::string>& VerschonteDateien()
{
    static std::set<std::string> dateien;
    return dateien;
}

// ReadWholeFile's EINVAL stands for a FIFO, a device or the like in the file's place.
std::string LesefehlerText(int code)
{
    return code == EINVAL ? "Keine gewöhnliche Datei" : SystemFehlerText(code);
}

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
    if (::stat(m_fileName.c_str(), &st) != 0) {
        s.fehler = errno;
        return s;
    }
    s.vorhanden = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return s;
}

std::unordered_map<std::string, TIniFile::Gelesen>& TIniFile::SitzungsDateien()
{
    static std::unordered_map<std::string, Gelesen> dateien;
    return dateien;
}

int& TIniFile::SitzungsTiefe()
{
    static int tiefe = 0;
    return tiefe;
}

TIniLeseSitzung::TIniLeseSitzung()
{
    ++TIniFile::SitzungsTiefe();
}

TIniLeseSitzung::~TIniLeseSitzung()
{
    if (--TIniFile::SitzungsTiefe() == 0)
        TIniFile::SitzungsDateien().clear();
}

void TIniFile::Laden(const Stand& stand) const
{
    const bool sitzung = SitzungsTiefe() > 0;
    if (sitzung && stand.vorhanden) {
        const auto it = SitzungsDateien().find(m_fileName);
        if (it != SitzungsDateien().end() && it->second.stand == stand) {
            m_dokument = it->second.dokument;
            m_lesefehler = 0;
            m_stand = stand;
            m_geladen = true;
            return;
        }
    }
    std::string bytes;
    int fehler = 0;
    if (stand.vorhanden)
        fehler = ReadWholeFile(m_fileName, bytes, kMaxDateiGroesse);
    else if (stand.fehler != ENOENT)
        fehler = stand.fehler; // a file in the place of its folder (ENOTDIR) included
    if (fehler == ENOENT)
        fehler = 0;
    m_dokument = std::make_shared<TIniDokument>(fehler == 0 ? TIniDokument::Parse(bytes)
                                                            : TIniDokument());
    // Only a file read whole is shared: an unreadable one is asked again.
    if (sitzung && stand.vorhanden && fehler == 0)
        SitzungsDateien()[m_fileName] = Gelesen{stand, m_dokument};
    m_lesefehler = fehler;
    m_stand = stand;
    m_geladen = true;
}

const TIniDokument& TIniFile::Dokument() const
{
    if (m_geladen && m_sammeln)
        return *m_dokument;
    const Stand stand = AktuellerStand();
    if (!m_geladen || stand != m_stand)
        Laden(stand);
    return *m_dokument;
}

TIniDokument& TIniFile::EigenesDokument()
{
    if (m_dokument.use_count() > 1)
        m_dokument = std::make_shared<TIniDokument>(*m_dokument);
    return *m_dokument;
}

void TIniFile::BeginUpdate()
{
    Dokument();
    m_sammeln = true;
}

void TIniFile::UpdateFile()
{
    if (!m_sammeln) {
        m_geladen = false;
        return;
    }
    if (m_geaendert && !Verschont(m_fileName)) {
        // Changed on disk meanwhile (by another object or program): the collected changes go
        // onto what is there now.
        if (const Stand stand = AktuellerStand(); stand != m_stand) {
            Laden(stand);
            m_geaendert = false;
            for (const Aenderung& a : m_aenderungen)
                m_geaendert = Anwenden(EigenesDokument(), a) || m_geaendert;
        }
        if (m_geaendert)
            Schreiben();
    }
    m_sammeln = false;
    m_geaendert = false;
    m_aenderungen.clear();
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

bool TIniFile::Anwenden(TIniDokument& dokument, const Aenderung& aenderung)
{
    switch (aenderung.art) {
    case Aenderung::Art::Setzen:
        if (dokument.Value(aenderung.section, aenderung.key) == aenderung.value)
            return false;
        dokument.SetValue(aenderung.section, aenderung.key, aenderung.value);
        return true;
    case Aenderung::Art::Loeschen:
        return dokument.DeleteKey(aenderung.section, aenderung.key);
    case Aenderung::Art::SektionLoeschen:
        return dokument.EraseSection(aenderung.section);
    }
    return false;
}

void TIniFile::Schreiben()
{
    int fehler = m_lesefehler;
    if (fehler == 0) {
        fehler = WriteFileAtomic(m_fileName, m_dokument->Serialize());
        if (fehler == 0) {
            SitzungsDateien().erase(m_fileName);
            m_stand = AktuellerStand();
            return;
        }
        if (fehler == EACCES && Schreibgeschuetzt(m_fileName))
            throw EIniFileError(m_fileName + " ist schreibgeschützt", fehler);
    }
    throw EIniFileError(
        "nach " + m_fileName + " kann nicht geschrieben werden: " + LesefehlerText(fehler), fehler);
}

void TIniFile::Aendern(Aenderung aenderung)
{
    if (Verschont(m_fileName))
        return;
    Dokument();
    if (m_sammeln) {
        m_geaendert = Anwenden(EigenesDokument(), aenderung) || m_geaendert;
        m_aenderungen.push_back(std::move(aenderung));
        return;
    }
    if (m_lesefehler != 0)
        Schreiben(); // raises
    if (!Anwenden(EigenesDokument(), aenderung))
        return;
    try {
        Schreiben();
    } catch (const EIniFileError&) {
        // The text in memory holds the change the disk does not: read the file again.
        m_geladen = false;
        throw;
    }
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

int TIniFile::Lesefehler() const
{
    Dokument();
    return m_lesefehler;
}

bool TIniFile::EinstellungenLesbar() const
{
    const int fehler = Lesefehler();
    if (fehler == 0) {
        VerschonteDateien().erase(m_fileName);
        return true;
    }
    if (VerschonteDateien().insert(m_fileName).second)
        Meldung(m_fileName + " kann nicht gelesen werden: " + LesefehlerText(fehler) +
                    ". Die Einstellungen dieser Datei werden nicht verwendet, die Datei bleibt "
                    "unverändert.",
                "Einstellungen", false);
    return false;
}

bool TIniFile::Verschont(const std::string& fileName)
{
    return VerschonteDateien().contains(fileName);
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
    Aendern({Aenderung::Art::Setzen, std::string(section), std::string(key), std::string(value)});
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
    Aendern({Aenderung::Art::Loeschen, std::string(section), std::string(key), {}});
}

void TIniFile::EraseSection(std::string_view section)
{
    if (section.empty())
        throw EIniFileError("IniFile (" + m_fileName + "): Sektion darf nicht leer sein", 0);
    Aendern({Aenderung::Art::SektionLoeschen, std::string(section), {}, {}});
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
