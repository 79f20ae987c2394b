#include "MVCFrame/StringValue.h"

#include "Lib/Exception.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"
#include "MVCFrame/WaehrungsName.h"

#include <utility>

TString::TString(TDaten* daten, std::string name, TValueCreateFlags flags, std::string defaultValue)
    : TValue(daten, std::move(name), flags)
{
    SetDefault(std::move(defaultValue));
}

std::string TString::GetValue() const
{
    if (!IsReadable())
        return std::string();
    DoGetValue();
    return m_value;
}

void TString::SetValue(std::string text)
{
    if (!MustStore(text == m_value))
        return;
    if (!Validate(text, OnValidate)) {
        Change();
        return;
    }
    if (!MustStore(text == m_value))
        return;
    m_value = std::move(text);
    AfterSet();
}

void TString::SetDefault(std::string text)
{
    m_default = std::move(text);
    if (HasFlag(vfCreating))
        m_value = m_default;
}

void TString::WriteTo(TStrings& lines) const
{
    if (m_value != m_default)
        lines.push_back(QuoteLiteral(m_value));
}

void TString::ReadFromParser(TXoParser& parser)
{
    if (!HasFlag(vfComputed))
        SetValue(parser.TokenString());
    parser.NextToken();
}

TStringBGS::TStringBGS(TDaten* daten, std::string name, TValueCreateFlags flags,
                       std::string defaultValue, TLimits limits)
    : TString(daten, std::move(name), flags, std::move(defaultValue)), m_limits(limits)
{
}

int TStringBGS::GetZiffer(int position) const
{
    VT_ASSERT(position >= 1 && position <= 4, "Ziffer des Beitragsgruppenschlüssels ungültig");
    const std::string key = GetValue();
    const auto index = static_cast<std::size_t>(position - 1);
    if (index >= key.size() || key[index] < '0' || key[index] > '9')
        return 0;
    return key[index] - '0';
}

void TStringBGS::SetZiffer(int position, int digit)
{
    VT_ASSERT(position >= 1 && position <= 4 && digit >= 0 && digit <= 9,
              "Ziffer des Beitragsgruppenschlüssels ungültig");
    std::string key = (GetStoredString() + "0000").substr(0, 4);
    key[static_cast<std::size_t>(position - 1)] = static_cast<char>('0' + digit);
    SetValue(key);
}

bool TStringBGS::Validate(std::string& newText, const TValidateEvent& method)
{
    if (!TString::Validate(newText, method))
        return false;
    if (newText.size() != 4)
        newText = (newText + "0000").substr(0, 4);
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = newText[i];
        if (c < '0' || c > '9' || c - '0' > m_limits[i])
            return false;
    }
    return true;
}

TWaehrungStr::TWaehrungStr(TDaten* daten)
    : TString(daten, "WaehrungStr", cfReadOnly | cfComputed, WaehrungsName())
{
}
