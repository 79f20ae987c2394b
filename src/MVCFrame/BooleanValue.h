#pragma once
// TBoolean: "Ja" or "Nein". Its default lives in flag 256, its value in flag 512; INI files hold
// it as "1" or "0". As text it takes those four (JaNeinLesen) and refuses any other.
#include "MVCFrame/Value.h"

class TBoolean : public TValue {
public:
    TBoolean(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
             bool defaultValue = false);

    bool GetValue() const; // false while disabled
    void SetValue(bool b);
    bool GetDefault() const { return HasFlag(vfClassFlag); }
    void SetDefault(bool b);

    void SetAsString(std::string_view text) override;
    std::string GetDefaultAsString() const override { return Text(GetDefault()); }
    void SetAsBoolean(bool b) override { SetValue(b); }
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void SaveToIni(TXIniFile& ini, const std::string& section) const override;
    void ReadFromParser(TXoParser& parser) override;
    void ResetToDefault() override { SetValue(GetDefault()); }

protected:
    std::string StoredAsString() const override { return Text(HasFlag(vfBoolValue)); }
    std::string EmptyAsString() const override { return Text(false); }

private:
    static std::string Text(bool b) { return b ? "Ja" : "Nein"; }
};
