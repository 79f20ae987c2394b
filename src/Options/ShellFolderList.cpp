#include "Options/ShellFolderList.h"

#include "Lib/Exception.h"
#include "Platform/ShellFolder.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace {

struct TOrdner {
    int nummer;
    const char* name;
};

// The folders offered, in the order they are looked up.
const TOrdner kOrdner[] = {
    {kCsidlPersonal, "Dokumente (PERSONAL)"},
    {kCsidlMyMusic, "Eigene Musik (MYMUSIC)"},
    {kCsidlAppData, "Anwendungsdaten (APPDATA)"},
    {kCsidlLocalAppData, "Lokale Anwendungsdaten (LOCAL_APPDATA)"},
    {kCsidlCommonAppData, "Gemeinsame Anwendungsdaten (COMMON_APPDATA)"},
    {kCsidlWindows, "Windows (WINDOWS)"},
    {kCsidlProgramFiles, "Programme (PROGRAM_FILES)"},
    {kCsidlProgramFilesCommon, "Gemeinsame Programmdateien (PROGRAM_FILES_COMMON)"},
    {kCsidlCommonDocuments, "Gemeinsame Dokumente (COMMON_DOCUMENTS)"},
    {kCsidlMyPictures, "Eigene Bilder (MYPICTURES)"},
};

bool KleinerOhneGross(std::string_view a, std::string_view b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

constinit TSingleton<TShellFolderList> gShellFolderList("ShellFolderList", "Unit SHFoList");

} // namespace

TShellFolderList::TShellFolderList()
{
    for (const TOrdner& ordner : kOrdner) {
        std::string pfad;
        if (GetFolderPath(ordner.nummer, pfad))
            AddFolder(ordner.name, pfad, ordner.nummer);
    }
    AddFolder("(Anderes)", ShellFolders().ProgramDirectory(), kCsidlAnderes);
}

int TShellFolderList::Objects(int index) const
{
    VT_ASSERT(index >= 0 && index < Count(), "Index der Ordnerliste ungültig");
    return m_nummern[static_cast<std::size_t>(index)];
}

void TShellFolderList::AddFolder(const std::string& name, const std::string& path, int number)
{
    if (IndexOfFolder(number) >= 0)
        throw Exception("CSIDL (" + std::to_string(number) + ") ist bereits vorhanden");
    const auto stelle = std::upper_bound(m_namen.begin(), m_namen.end(), name, KleinerOhneGross);
    m_nummern.insert(m_nummern.begin() + (stelle - m_namen.begin()), number);
    m_namen.insert(stelle, name);
    m_eintraege.push_back({path, number});
}

int TShellFolderList::IndexOfFolder(int number) const
{
    const auto it = std::find(m_nummern.begin(), m_nummern.end(), number);
    return it == m_nummern.end() ? -1 : static_cast<int>(it - m_nummern.begin());
}

std::string TShellFolderList::FolderPath(int number) const
{
    for (const TEintrag& eintrag : m_eintraege) {
        if (eintrag.nummer == number)
            return eintrag.pfad;
    }
    return std::string();
}

int TShellFolderList::FallbackFolder(int number) const
{
    if (IndexOfFolder(number) >= 0)
        return number;
    switch (number) {
    case kCsidlMyMusic:
    case kCsidlAppData:
    case kCsidlMyPictures:
    case kCsidlCommonDocuments:
        return FallbackFolder(kCsidlPersonal);
    case kCsidlLocalAppData:
        return FallbackFolder(kCsidlAppData);
    case kCsidlProgramFilesCommon:
        return FallbackFolder(kCsidlProgramFiles);
    default:
        return kCsidlAnderes;
    }
}

void TShellFolderList::Delete(int index)
{
    const int nummer = Objects(index);
    m_namen.erase(m_namen.begin() + index);
    m_nummern.erase(m_nummern.begin() + index);
    std::erase_if(m_eintraege, [nummer](const TEintrag& e) { return e.nummer == nummer; });
}

TShellFolderList& ShellFolderList()
{
    return gShellFolderList.Instance();
}

TSingleton<TShellFolderList>& ShellFolderListSingleton()
{
    return gShellFolderList;
}
