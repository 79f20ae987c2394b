#include "MVCFrame/StringIniLookup.h"

#include "Lib/IniFile.h"
#include "Lib/StrLib.h"

#include <algorithm>

TStringIniLookup::TStringIniLookup(TDaten* daten, std::string name, TValueCreateFlags flags,
                                   std::string defaultValue, std::string iniDatei,
                                   std::string iniPfad, std::string section)
    : TString(daten, std::move(name), flags, std::move(defaultValue)),
      m_iniDatei(std::move(iniDatei)), m_iniPfad(std::move(iniPfad)), m_section(std::move(section))
{
}

void TStringIniLookup::GetChoices(TStrings& list) const
{
    list.clear();
    const TXIniFile ini(JoinPath(m_iniPfad, m_iniDatei));
    for (const std::string& key : ini.ReadSection(m_section))
        list.push_back(ini.ReadString(m_section, key, ""));
}

void TStringIniLookup::ExecuteCommand(std::string_view command, std::string_view param,
                                      TStrings& result)
{
    TString::ExecuteCommand(command, param, result);
    if (command == "GETLIST")
        GetChoices(result);
}

bool TStringIniLookup::Validate(std::string& newText, const TValidateEvent& method)
{
    if (!TString::Validate(newText, method))
        return false;
    if (newText.empty())
        return true;
    TStrings choices;
    GetChoices(choices);
    return std::find(choices.begin(), choices.end(), newText) != choices.end();
}

void TWaehrungStringIniLookup::GetChoices(TStrings& list) const
{
    TStringIniLookup::GetChoices(list);
    list.push_back("DM");
    list.push_back("Euro");
    std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

bool TWaehrungStringIniLookup::Validate(std::string& newText, const TValidateEvent& method)
{
    // A currency that is no longer listed falls back to the default rather than being refused.
    if (!TStringIniLookup::Validate(newText, method))
        newText = GetDefault();
    return true;
}
