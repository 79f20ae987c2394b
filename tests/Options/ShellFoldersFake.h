#pragma once
// Shell folders of a made-up host: the folders given resolve to "/<number>/", the program lives
// in "/prog/". Put in place for the life of the object, together with a fresh folder list.
#include "Options/ShellFolderList.h"
#include "Platform/ShellFolder.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

class TShellFoldersFake : public TShellFolders {
public:
    TShellFoldersFake(std::initializer_list<int> vorhanden) : m_vorhanden(vorhanden)
    {
        SetShellFolders(this);
        ShellFolderListSingleton().Reset();
    }
    ~TShellFoldersFake() override
    {
        ShellFolderListSingleton().Reset();
        SetShellFolders(nullptr);
    }
    TShellFoldersFake(const TShellFoldersFake&) = delete;
    TShellFoldersFake& operator=(const TShellFoldersFake&) = delete;

    std::optional<std::string> FolderPath(int csidl) const override
    {
        if (std::find(m_vorhanden.begin(), m_vorhanden.end(), csidl) == m_vorhanden.end())
            return std::nullopt;
        return "/" + std::to_string(csidl) + "/";
    }
    std::string ProgramDirectory() const override { return "/prog/"; }

private:
    std::vector<int> m_vorhanden;
};
