#pragma once
// Choices by caption. A lookup's value is minimum + the index of the chosen caption; its text is
// the caption, so INI files hold lookups by caption, not by number. An unknown caption gives a
// number out of range, which is refused like any other.
//   TCustomIntegerLookup           captions from the subclass; "GETLIST" lists them
//   TCustomIntegerLookupStringList owns its list of captions (TIntegerLookup)
//   TIntegerLookupObj              captions carry a number each (such as a folder number); the
//                                  value is the number of the chosen caption
#include "MVCFrame/IntegerValue.h"

class TCustomIntegerLookup : public TCustomIntegerMinMax {
public:
    TCustomIntegerLookup(TDaten* daten, std::string name, TValueCreateFlags flags = 0);

    virtual TStrings Captions() const = 0;
    int CaptionCount() const { return static_cast<int>(Captions().size()); }
    virtual int GetItemIndex() const;
    virtual void SetItemIndex(int index);
    virtual void AddItem(const std::string& caption, int object = 0) = 0;
    virtual void ClearItems();
    void SetMin(std::int32_t minimum) override;

    void SetAsString(std::string_view text) override;
    std::string GetDefaultAsString() const override;
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void SaveToIni(TXIniFile& ini, const std::string& section) const override;
    void ExecuteCommand(std::string_view command, std::string_view param,
                        TStrings& result) override;
    void WriteTo(TStrings& lines) const override;
    void ReadFromParser(TXoParser& parser) override;

    TValidateEvent OnValidate;

protected:
    std::string StoredAsString() const override;
    std::string EmptyAsString() const override { return std::string(); }
    // The caption for a number, or an empty text when it is no choice.
    virtual std::string CaptionOf(std::int32_t n) const;
    // The number for a caption (out of range when it is no choice).
    virtual std::int32_t NumberOf(const std::string& caption) const;
    // After the caption list grew by one: the maximum follows.
    void ItemAdded();
};

class TCustomIntegerLookupStringList : public TCustomIntegerLookup {
public:
    TCustomIntegerLookupStringList(TDaten* daten, std::string name, TValueCreateFlags flags = 0)
        : TCustomIntegerLookup(daten, std::move(name), flags)
    {
    }

    TStrings Captions() const override { return m_captions; }
    void AddItem(const std::string& caption, int object = 0) override;
    void ClearItems() override;
    // Replaces the whole list: the maximum follows, the value becomes -1 (no choice).
    void SetItems(TStrings captions);

protected:
    TStrings m_captions;
};

class TIntegerLookup : public TCustomIntegerLookupStringList {
public:
    TIntegerLookup(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
                   TStrings captions = {}, std::int32_t minimum = 0, std::int32_t defaultValue = 0);
};

class TIntegerLookupObj : public TCustomIntegerLookupStringList {
public:
    using TCustomIntegerLookupStringList::TCustomIntegerLookupStringList;

    // Raises "Objekt bereits vorhanden" when the number is a choice already.
    void AddItem(const std::string& caption, int object = 0) override;
    void ClearItems() override;
    int GetItemIndex() const override;
    void SetItemIndex(int index) override;
    bool InRange(std::int32_t n) const override;

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;
    std::string CaptionOf(std::int32_t n) const override;
    std::int32_t NumberOf(const std::string& caption) const override;

private:
    std::vector<int> m_objects;
};
