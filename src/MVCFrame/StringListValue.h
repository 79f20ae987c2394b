#pragma once
// TStringListValue: a text whose choices are its own list of items, with the selected item as its
// text and, with multi-selection (flag 256), a selection mark per item. Its INI form is a section
// of its own, named after the value, with one key "N0", "N1", ... per item.
#include "MVCFrame/StringValue.h"

class TStringListValue : public TString {
public:
    TStringListValue(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
                     bool multiSelect = false);

    bool MultiSelect() const { return HasFlag(vfClassFlag); }

    // Inside an update bracket changes only mark a change pending; EndUpdate then signals one.
    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();

    void AddItem(std::string text); // and selects it (with multi-selection also marks it)
    void Clear();
    void DeleteSelected();
    int FirstSelected() const; // -1 when none
    int SelCount() const;
    bool GetSelected(int index) const;
    void SetSelected(int index, bool selected);
    const std::string& GetItem(int index) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    int GetItemIndex() const { return m_itemIndex; }
    void SetItemIndex(int index);
    TStrings Items() const;

    void Change() override;
    void AfterSet() override;
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void SaveToIni(TXIniFile& ini, const std::string& section) const override;
    void WriteTo(TStrings& lines) const override;
    void ReadFromParser(TXoParser& parser) override;
    void AssignTo(TValue& dest) const override;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;

private:
    struct Item {
        std::string text;
        bool selected = false;
    };
    void CheckIndex(int index) const;
    int IndexOf(const std::string& text) const;
    void Select(int index);

    bool m_changePending = false;
    std::vector<Item> m_items;
    int m_itemIndex = -1;
    int m_updateCount = 0;
};
