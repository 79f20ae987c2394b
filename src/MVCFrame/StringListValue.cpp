#include "MVCFrame/StringListValue.h"

#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"

#include <cstdio>

TStringListValue::TStringListValue(TDaten* daten, std::string name, TValueCreateFlags flags,
                                   bool multiSelect)
    : TString(daten, std::move(name), flags)
{
    SetFlag(vfClassFlag, multiSelect);
}

void TStringListValue::EndUpdate()
{
    VT_ASSERT(m_updateCount > 0, "EndUpdate zuviel");
    --m_updateCount;
    if (m_updateCount == 0 && m_changePending) {
        m_changePending = false;
        Change();
    }
}

void TStringListValue::Change()
{
    if (m_updateCount > 0) {
        m_changePending = true;
        return;
    }
    TString::Change();
}

void TStringListValue::AfterSet()
{
    m_itemIndex = IndexOf(GetStoredString());
    if (MultiSelect() && m_itemIndex >= 0) {
        for (Item& item : m_items)
            item.selected = false;
        m_items[static_cast<std::size_t>(m_itemIndex)].selected = true;
    }
    TString::AfterSet();
}

bool TStringListValue::Validate(std::string& newText, const TValidateEvent& method)
{
    if (!TString::Validate(newText, method))
        return false;
    return newText.empty() || IndexOf(newText) >= 0;
}

void TStringListValue::AddItem(std::string text)
{
    m_items.push_back({std::move(text), MultiSelect()});
    Select(Count() - 1);
}

void TStringListValue::Clear()
{
    m_items.clear();
    Select(-1);
}

void TStringListValue::DeleteSelected()
{
    std::vector<Item> kept;
    for (int i = 0; i < Count(); ++i) {
        const Item& item = m_items[static_cast<std::size_t>(i)];
        if (!(MultiSelect() ? item.selected : i == m_itemIndex))
            kept.push_back(item);
    }
    m_items = std::move(kept);
    Select(-1);
}

int TStringListValue::FirstSelected() const
{
    for (int i = 0; i < Count(); ++i)
        if (GetSelected(i))
            return i;
    return -1;
}

int TStringListValue::SelCount() const
{
    int count = 0;
    for (int i = 0; i < Count(); ++i)
        if (GetSelected(i))
            ++count;
    return count;
}

bool TStringListValue::GetSelected(int index) const
{
    CheckIndex(index);
    if (!MultiSelect())
        return index == m_itemIndex;
    return m_items[static_cast<std::size_t>(index)].selected;
}

void TStringListValue::SetSelected(int index, bool selected)
{
    CheckIndex(index);
    Item& item = m_items[static_cast<std::size_t>(index)];
    if (!MultiSelect()) {
        if (selected)
            Select(index);
        else if (index == m_itemIndex)
            Select(-1);
        return;
    }
    if (item.selected == selected)
        return;
    item.selected = selected;
    Change();
}

const std::string& TStringListValue::GetItem(int index) const
{
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)].text;
}

void TStringListValue::SetItemIndex(int index)
{
    if (index < -1 || index >= Count())
        CheckIndex(index);
    Select(index);
}

TStrings TStringListValue::Items() const
{
    TStrings items;
    for (const Item& item : m_items)
        items.push_back(item.text);
    return items;
}

void TStringListValue::LoadFromIni(const TXIniFile& ini, const std::string&)
{
    // The list lives in a section named after the value; the caller's section is not used.
    TStrings texts;
    for (const std::string& line : ini.ReadSectionValues(Name())) {
        const std::size_t gleich = line.find('=');
        const std::string key = line.substr(0, gleich);
        if (key.size() < 2 || (key[0] != 'N' && key[0] != 'n') ||
            key.find_first_not_of("0123456789", 1) != std::string::npos)
            continue;
        texts.push_back(gleich == std::string::npos ? std::string() : line.substr(gleich + 1));
    }
    bool changed = false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i < m_items.size()) {
            if (m_items[i].text != texts[i]) {
                m_items[i].text = texts[i];
                changed = true;
            }
        } else {
            m_items.push_back({texts[i], false});
            changed = true;
        }
    }
    if (m_items.size() > texts.size()) {
        m_items.resize(texts.size());
        changed = true;
    }
    if (m_itemIndex >= Count())
        m_itemIndex = -1;
    if (changed) {
        StoreValue(m_itemIndex >= 0 ? GetItem(m_itemIndex) : std::string());
        Change();
    }
}

void TStringListValue::SaveToIni(TXIniFile& ini, const std::string&) const
{
    ini.EraseSection(Name());
    for (int i = 0; i < Count(); ++i)
        ini.WriteString(Name(), "N" + std::to_string(i), GetItem(i));
}

void TStringListValue::WriteTo(TStrings& lines) const
{
    // Items apart by a blank: two literals side by side ('a''b') read back as one item with a
    // quote inside.
    std::string text = "(";
    for (const Item& item : m_items) {
        if (text.size() > 1)
            text += ' ';
        text += QuoteLiteral(item.text);
    }
    lines.push_back(text + ")");
}

void TStringListValue::ReadFromParser(TXoParser& parser)
{
    if (!HasFlag(vfComputed)) {
        BeginUpdate();
        Clear();
        if (parser.Token() == '(') {
            while (parser.NextToken() == toString)
                AddItem(parser.TokenString());
            if (parser.Token() == ')')
                parser.NextToken();
        }
        EndUpdate();
        return;
    }
    parser.NextToken();
}

void TStringListValue::AssignTo(TValue& dest) const
{
    // A list copies its items and selection with its text, or a clone would lose the list.
    if (auto* list = dynamic_cast<TStringListValue*>(&dest)) {
        list->BeginUpdate();
        list->m_items = m_items;
        TValue::AssignTo(dest);
        list->m_items = m_items;
        list->m_itemIndex = m_itemIndex;
        list->StoreValue(GetStoredString());
        list->Change();
        list->EndUpdate();
        return;
    }
    TValue::AssignTo(dest);
}

void TStringListValue::CheckIndex(int index) const
{
    if (index < 0 || index >= Count()) {
        char text[80];
        std::snprintf(text, sizeof text, "Der Index der Liste überschreitet das Maximum (%d)",
                      index);
        throw Exception(text);
    }
}

int TStringListValue::IndexOf(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i)
        if (m_items[static_cast<std::size_t>(i)].text == text)
            return i;
    return -1;
}

void TStringListValue::Select(int index)
{
    m_itemIndex = index;
    StoreValue(index >= 0 ? GetItem(index) : std::string());
    SetFlag(vfUndetermined, false);
    Change();
}
