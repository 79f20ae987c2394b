#include "MVCFrame/Value.h"

#include "Lib/IniFile.h"
#include "Lib/InstChck.h"
#include "Lib/StrLib.h"
#include "MVCFrame/Daten.h"

#include <cctype>

namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

TValue::TValue(TDaten* daten, std::string name, TValueCreateFlags flags)
    : m_name(std::move(name)), m_flags(vfEnabled | vfCreating)
{
    if (flags & cfReadOnly)
        m_flags |= vfReadOnly;
    if (flags & cfComputed)
        m_flags |= vfComputed;
    if (flags & cfShowDisabled)
        m_flags |= vfShowDisabled;
    if (flags & cfDisabled)
        m_flags &= static_cast<std::uint16_t>(~vfEnabled);
    if (daten)
        daten->AddValue(*this);
    InstanceChecker().Register(this, m_name);
}

TValue::~TValue()
{
    InstanceChecker().Unregister(this);
    if (m_daten)
        m_daten->RemoveValue(*this);
}

void TValue::SetFlag(std::uint16_t mask, bool on)
{
    if (on)
        m_flags |= mask;
    else
        m_flags &= static_cast<std::uint16_t>(~mask);
}

void TValue::ChangeFlag(std::uint16_t mask, bool on)
{
    if (HasFlag(mask) == on)
        return;
    SetFlag(mask, on);
    Change();
}

std::string TValue::GetAsString() const
{
    if (IsUndetermined())
        return "???";
    if (!IsReadable())
        return EmptyAsString();
    DoGetValue();
    return StoredAsString();
}

std::string TValue::GetDisplayText() const
{
    if (!IsReadable())
        return " ";
    return GetAsString();
}

void TValue::SetDisplayText(std::string_view text)
{
    SetAsString(text);
}

bool TValue::GetAsBoolean() const
{
    return StrToBool(GetDisplayText());
}

void TValue::SetAsBoolean(bool b)
{
    SetAsString(b ? "1" : "0");
}

void TValue::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    SetAsString(ini.ReadString(section, m_name, GetDefaultAsString()));
}

void TValue::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    ini.WriteString(section, m_name, StoredAsString(), GetDefaultAsString());
}

void TValue::LoadStored(const TXIniFile& ini, const std::string& section)
{
    if (OnChange && !HasFlag(vfComputed))
        LoadFromIni(ini, section);
}

void TValue::SaveStored(TXIniFile& ini, const std::string& section) const
{
    if (OnChange && !HasFlag(vfComputed))
        SaveToIni(ini, section);
}

void TValue::WriteTo(TStrings& lines) const
{
    const std::string text = StoredAsString();
    if (text != GetDefaultAsString())
        lines.push_back(text);
}

void TValue::ExecuteCommand(std::string_view command, std::string_view param, TStrings&)
{
    // The read hook stays quiet while a command runs; the flag goes also on an exception.
    struct CommandFlag {
        TValue& value;
        explicit CommandFlag(TValue& v) : value(v) { value.SetFlag(vfCommand, true); }
        ~CommandFlag() { value.SetFlag(vfCommand, false); }
    } running(*this);
    if (IsReadOnly())
        return;
    const std::string upper = UpperCase(command);
    if (upper == "SET")
        SetAsString(param);
    else if (upper == "CLEAR")
        SetAsString("");
}

void TValue::AssignTo(TValue& dest) const
{
    constexpr std::uint16_t kCopied = vfReadOnly | vfEnabled | vfShowDisabled | vfComputed;
    if ((dest.m_flags & kCopied) != (m_flags & kCopied)) {
        dest.m_flags = static_cast<std::uint16_t>((dest.m_flags & ~kCopied) | (m_flags & kCopied));
        dest.Change();
    }
    dest.SetAsString(StoredAsString());
    dest.ChangeFlag(vfUndetermined, IsUndetermined());
}

void TValue::Change()
{
    ++m_changes;
    SetFlag(vfChangePending, false);
    if (OnChange)
        OnChange(*this);
}

void TValue::AfterSet()
{
    ++m_stores;
    SetFlag(vfUndetermined, false);
    Change();
}

bool TValue::Validate(std::string& newText, const TValidateEvent& method)
{
    bool accept = true;
    if (method)
        method(*this, newText, accept);
    return accept;
}

void TValue::DoGetValue() const
{
    if (OnGetValue && !HasFlag(vfCommand))
        OnGetValue(*this);
}
