#pragma once
// TStringIniLookup: a text whose choices are the values of one section of an INI file (the funds
// of SVBEITRG.INI, the currencies of WAEHRUNG.INI). TWaehrungStringIniLookup always offers "DM"
// and "Euro" besides, and falls back to its default instead of refusing an unknown currency.
//
// When the file cannot be read (not a readable regular file, or its folder is missing, as on a
// share that is not mounted), a choice cannot be checked: it is kept as it was stored, so that
// the next save does not erase it, and the user is told once per file and name. A stored choice
// (loaded from settings, or copied from another value) that the list read does not hold, because
// the file is missing, empty or damaged, is kept and told in the same way.
#include "MVCFrame/StringValue.h"

// True when the choices of `datei` cannot be read: it exists but is no readable regular file of
// settings size, or its folder is missing. A missing file in an existing folder reads as empty.
bool IniDateiUnlesbar(const std::string& datei);

class TStringIniLookup : public TString {
public:
    TStringIniLookup(TDaten* daten, std::string name, TValueCreateFlags flags,
                     std::string defaultValue, std::string iniDatei, std::string iniPfad,
                     std::string section);

    const std::string& IniPfad() const { return m_iniPfad; }

    // The section's values in file order (empty when the file or section is missing).
    virtual void GetChoices(TStrings& list) const;
    void ExecuteCommand(std::string_view command, std::string_view param,
                        TStrings& result) override;
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void AssignTo(TValue& dest) const override;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;
    // A text that is not among the choices: true (kept unchecked, reported once) when the file
    // cannot be read or the text is a stored choice.
    bool UngeprueftBehalten(const std::string& text) const;

private:
    // While set, the text being set is a stored choice, which the list need not hold.
    class TGespeichert;
    bool m_gespeichert = false;

    std::string m_iniDatei;
    std::string m_iniPfad;
    std::string m_section;
    // The choices as last read, with the file's state then: every refresh of a page asks for
    // them, and a list of thousands is read again only when the file changed.
    struct TStand {
        std::string datei;
        bool vorhanden = false;
        unsigned long long dev = 0, ino = 0;
        long long size = 0, mtimeNs = 0;
        bool operator==(const TStand&) const = default;
    };
    mutable TStand m_stand;
    mutable TStrings m_choices;
    mutable bool m_gelesen = false;
};

class TWaehrungStringIniLookup : public TStringIniLookup {
public:
    using TStringIniLookup::TStringIniLookup;

    void GetChoices(TStrings& list) const override;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;
};
