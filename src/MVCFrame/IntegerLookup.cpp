#include "MVCFrame/IntegerLookup.h"

#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"

#include <algorithm>

TCustomIntegerLookup::TCustomIntegerLookup(TDaten* daten, std::string name, TValueCreateFlags flags)
    : TCustomIntegerMinMax(daten, std::move(name), flags, 0, -1, -1)
{
}

int TCustomIntegerLookup::GetItemIndex() const
{
    return GetValue() - Minimum();
}

void TCustomIntegerLookup::SetItemIndex(int index)
{
    SetValue(Minimum() + index);
}

void TCustomIntegerLookup::ClearItems()
{
    SetRange(Minimum(), Minimum() - 1);
    StoreQuietly(Maximum());
}

void TCustomIntegerLookup::SetMin(std::int32_t minimum)
{
    SetRange(minimum, CaptionCount() - 1 + minimum);
    TCustomIntegerMinMax::SetMin(minimum);
}

void TCustomIntegerLookup::ItemAdded()
{
    SetRange(Minimum(), Maximum() + 1);
}

std::string TCustomIntegerLookup::CaptionOf(std::int32_t n) const
{
    const TStrings captions = Captions();
    const std::int64_t index = static_cast<std::int64_t>(n) - Minimum();
    if (index < 0 || index >= static_cast<std::int64_t>(captions.size()))
        return std::string();
    return captions[static_cast<std::size_t>(index)];
}

std::int32_t TCustomIntegerLookup::NumberOf(const std::string& caption) const
{
    const TStrings captions = Captions();
    const auto it = std::find(captions.begin(), captions.end(), caption);
    const int index = it == captions.end() ? -1 : static_cast<int>(it - captions.begin());
    return Minimum() + index;
}

std::string TCustomIntegerLookup::StoredAsString() const
{
    return CaptionOf(StoredValue());
}

std::string TCustomIntegerLookup::GetDefaultAsString() const
{
    return InRange(GetDefault()) ? CaptionOf(GetDefault()) : std::string();
}

void TCustomIntegerLookup::SetAsString(std::string_view text)
{
    std::string caption(text);
    if (!Validate(caption, OnValidate)) {
        Change();
        return;
    }
    SetValue(NumberOf(caption));
}

void TCustomIntegerLookup::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    TValue::LoadFromIni(ini, section);
}

void TCustomIntegerLookup::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    TValue::SaveToIni(ini, section);
}

void TCustomIntegerLookup::ExecuteCommand(std::string_view command, std::string_view param,
                                          TStrings& result)
{
    TCustomIntegerMinMax::ExecuteCommand(command, param, result);
    if (command == "GETLIST")
        result = Captions();
}

void TCustomIntegerLookup::WriteTo(TStrings& lines) const
{
    const std::string text = StoredAsString();
    if (text != GetDefaultAsString())
        lines.push_back(QuoteLiteral(text));
}

void TCustomIntegerLookup::ReadFromParser(TXoParser& parser)
{
    if (!HasFlag(vfComputed))
        SetAsString(parser.TokenString());
    parser.NextToken();
}

void TCustomIntegerLookupStringList::AddItem(const std::string& caption, int)
{
    m_captions.push_back(caption);
    ItemAdded();
}

void TCustomIntegerLookupStringList::ClearItems()
{
    m_captions.clear();
    TCustomIntegerLookup::ClearItems();
}

void TCustomIntegerLookupStringList::SetItems(TStrings captions)
{
    m_captions = std::move(captions);
    SetRange(Minimum(), static_cast<std::int32_t>(m_captions.size()) + Minimum() - 1);
    StoreQuietly(-1);
}

TIntegerLookup::TIntegerLookup(TDaten* daten, std::string name, TValueCreateFlags flags,
                               TStrings captions, std::int32_t minimum, std::int32_t defaultValue)
    : TCustomIntegerLookupStringList(daten, std::move(name), flags)
{
    SetItems(std::move(captions));
    SetRange(minimum, CaptionCount() - 1 + minimum);
    SetDefault(defaultValue);
}

void TIntegerLookupObj::AddItem(const std::string& caption, int object)
{
    if (std::find(m_objects.begin(), m_objects.end(), object) != m_objects.end())
        throw Exception("Objekt bereits vorhanden (" + caption + ")");
    m_objects.push_back(object);
    TCustomIntegerLookupStringList::AddItem(caption, object);
}

void TIntegerLookupObj::ClearItems()
{
    m_objects.clear();
    TCustomIntegerLookupStringList::ClearItems();
}

int TIntegerLookupObj::GetItemIndex() const
{
    const std::int32_t value = GetValue();
    const auto it = std::find(m_objects.begin(), m_objects.end(), value);
    return it == m_objects.end() ? -1 : static_cast<int>(it - m_objects.begin());
}

void TIntegerLookupObj::SetItemIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(m_objects.size())) {
        Change();
        return;
    }
    SetValue(m_objects[static_cast<std::size_t>(index)]);
}

bool TIntegerLookupObj::InRange(std::int32_t n) const
{
    return std::find(m_objects.begin(), m_objects.end(), n) != m_objects.end();
}

bool TIntegerLookupObj::Validate(std::string& newText, const TValidateEvent& method)
{
    if (!TCustomIntegerLookupStringList::Validate(newText, method))
        return false;
    return std::find(m_captions.begin(), m_captions.end(), newText) != m_captions.end();
}

std::string TIntegerLookupObj::CaptionOf(std::int32_t n) const
{
    const auto it = std::find(m_objects.begin(), m_objects.end(), n);
    if (it == m_objects.end())
        return std::string();
    return m_captions[static_cast<std::size_t>(it - m_objects.begin())];
}

std::int32_t TIntegerLookupObj::NumberOf(const std::string& caption) const
{
    const auto it = std::find(m_captions.begin(), m_captions.end(), caption);
    if (it == m_captions.end())
        return -1;
    return m_objects[static_cast<std::size_t>(it - m_captions.begin())];
}
