#pragma once
// The shell folders the user may choose from for a settings directory, with their German names
// (stored in Pfade.ini by name) and resolved paths.
//
// Built once, at first use, from the folders that resolve on this host; "(Anderes)" (number 0,
// the user's own path, defaulting to the program's directory) is always there. The names are
// kept sorted, so "(Anderes)" comes first.
#include "Lib/Singleton.h"

#include <string>
#include <vector>

class TShellFolderList {
public:
    TShellFolderList(const TShellFolderList&) = delete;
    TShellFolderList& operator=(const TShellFolderList&) = delete;

    // The names as shown, sorted; Objects(i) is the folder number of name i.
    const std::vector<std::string>& Strings() const { return m_namen; }
    int Count() const { return static_cast<int>(m_namen.size()); }
    int Objects(int index) const;

    // Raises "CSIDL (<n>) ist bereits vorhanden" when the number is listed already.
    void AddFolder(const std::string& name, const std::string& path, int number);
    // Index of the folder's name, -1 when it is not listed.
    int IndexOfFolder(int number) const;
    // The resolved path (with a trailing '/'), empty when the folder is not listed.
    std::string FolderPath(int number) const;
    // The folder to use in place of `number` when this host lacks it.
    int FallbackFolder(int number) const;
    void Delete(int index);

private:
    friend class TSingleton<TShellFolderList>;
    TShellFolderList();

    struct TEintrag {
        std::string pfad;
        int nummer;
    };
    std::vector<std::string> m_namen;  // sorted
    std::vector<int> m_nummern;        // the number of each name
    std::vector<TEintrag> m_eintraege; // paths in the order added
};

// The list, built on first use from the shell folders in place at that moment.
TShellFolderList& ShellFolderList();
// The slot, for main()'s shut-down order and for test fixtures (Reset builds it afresh).
TSingleton<TShellFolderList>& ShellFolderListSingleton();
