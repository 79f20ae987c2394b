#pragma once
// TStringIniLookup: a text whose choices are the values of one section of an INI file (the funds
// of SVBEITRG.INI, the currencies of WAEHRUNG.INI). TWaehrungStringIniLookup always offers "DM"
// and "Euro" besides, and falls back to its default instead of refusing an unknown currency.
#include "MVCFrame/StringValue.h"

class TStringIniLookup : public TString {
public:
    TStringIniLookup(TDaten* daten, std::string name, TValueCreateFlags flags,
                     std::string defaultValue, std::string iniDatei, std::string iniPfad,
                     std::string section);

    const std::string& IniDatei() const { return m_iniDatei; }
    const std::string& IniPfad() const { return m_iniPfad; }
    const std::string& Section() const { return m_section; }
    void SetIniDatei(std::string datei) { m_iniDatei = std::move(datei); }
    void SetIniPfad(std::string pfad) { m_iniPfad = std::move(pfad); }

    // The section's values in file order (empty when the file or section is missing).
    virtual void GetChoices(TStrings& list) const;
    void ExecuteCommand(std::string_view command, std::string_view param,
                        TStrings& result) override;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;

private:
    std::string m_iniDatei;
    std::string m_iniPfad;
    std::string m_section;
};

class TWaehrungStringIniLookup : public TStringIniLookup {
public:
    using TStringIniLookup::TStringIniLookup;

    void GetChoices(TStrings& list) const override;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;
};
