#include "MVCFrame/BooleanValue.h"

#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"
#include "MVCFrame/ZahlText.h"

TBoolean::TBoolean(TDaten* daten, std::string name, TValueCreateFlags flags, bool defaultValue)
    : TValue(daten, std::move(name), flags)
{
    SetDefault(defaultValue);
}

bool TBoolean::GetValue() const
{
    if (!IsReadable())
        return false;
    DoGetValue();
    return HasFlag(vfBoolValue);
}

void TBoolean::SetValue(bool b)
{
    if (!MustStore(b == HasFlag(vfBoolValue)))
        return;
    SetFlag(vfBoolValue, b);
    AfterSet();
}

void TBoolean::SetDefault(bool b)
{
    SetFlag(vfClassFlag, b);
    if (HasFlag(vfCreating))
        SetFlag(vfBoolValue, b);
}

void TBoolean::SetAsString(std::string_view text)
{
    // Typed, poked or executed: a text that is no yes or no is refused, the value kept.
    bool wert = false;
    if (!JaNeinLesen(text, wert)) {
        Change();
        return;
    }
    SetValue(wert);
}

void TBoolean::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    // A stored text that is no number is refused rather than read as false.
    std::int32_t zahl = 0;
    const std::string text = ini.ReadString(section, Name(), GetDefault() ? "1" : "0");
    if (!GanzzahlLesen(text, zahl)) {
        Change();
        return;
    }
    SetValue(zahl != 0);
}

void TBoolean::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    ini.WriteBool(section, Name(), HasFlag(vfBoolValue), GetDefault());
}

void TBoolean::ReadFromParser(TXoParser& parser)
{
    // Only a symbol or an integer is a truth value; on anything else the token stays.
    if (parser.Token() != toSymbol && parser.Token() != toInteger)
        return;
    if (!HasFlag(vfComputed))
        SetAsString(parser.TokenString());
    parser.NextToken();
}
