#pragma once
// TDaten: a named data set that owns an ordered set of values (created by CreateValues, freed last
// first) and turns every change of one of them into one notification:
//   1. the value stores the new content and calls ValueChanged;
//   2. the data set is marked Modified and the registry of data sets hears of the value (the DDE
//      server updates its item there);
//   3. unless the set is inside BeginUpdate/EndUpdate: the value's listener, if any (inside an
//      update bracket unless it is direct, so that the changes it makes are folded in);
//   4. the set's own change listener OnChange (for a calculation's data set: the recalculation);
//   5. "data set changed" (message 2097) to every form, through the hook the GUI installs.
// Steps 4 and 5 run only at notify nesting 0, so changes made by listeners send nothing of their
// own. EndUpdate notifies nothing: a block of changes ends with Changed(), which runs steps 4 and
// 5 once without a value.
//
// The set also copies (Assign, by value position), compares (Equals), resets, loads and saves its
// values (one INI key per value, in creation order), and converts its money amounts when the
// currency changes. Value creation order is identity: it fixes INI key order, Assign and Equals by
// position and the order of the DDE items.
#include "Lib/Component.h"
#include "MVCFrame/Value.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDouble;
class TWaehrungStr;

// Window message "data set changed" (WParam 0, LParam the data set).
inline constexpr unsigned WM_DATENGEAENDERT = 2097;

// "Send 2097 to every form": the GUI installs it (last created form first, over a snapshot of the
// forms); without one a change reaches no form. Tests install a recording hook.
using TDatenGeaendertHook = std::function<void(class TDaten& daten)>;
// Returns the hook it replaces, so that a scope can put it back.
TDatenGeaendertHook SetDatenGeaendertHook(TDatenGeaendertHook hook);
// Tells the forms through the hook installed now (a notice passed on later).
void DatenGeaendertMelden(TDaten& daten);

// The listener of one value; at most one per value.
class TValueOnChange {
public:
    using THandler = std::function<void(TValue& value)>;
    TValueOnChange(TValue& value, THandler handler) : m_value(value), m_handler(std::move(handler))
    {
    }
    TValue& Value() const { return m_value; }
    const THandler& Handler() const { return m_handler; }
    bool Direct() const { return m_direct; }
    // A direct listener runs at once, outside the update bracket.
    void SetDirect(bool direct) { m_direct = direct; }

private:
    TValue& m_value;
    THandler m_handler;
    bool m_direct = false;
};

class TValueOnChangeList {
public:
    TValueOnChange& Add(TValue* value, TValueOnChange::THandler handler);
    TValueOnChange* Find(const TValue& value) const;
    void Remove(const TValue& value);

private:
    std::vector<std::unique_ptr<TValueOnChange>> m_entries;
    mutable std::size_t m_lastHit = 0;
};

class TDaten : public TComponent {
public:
    // The change listener: Value is the changed value, nullptr for a change of the whole set.
    using TDatenChangeEvent = std::function<void(TDaten& sender, TValue* value)>;

    // Construction ends in init() (CreateComponent): the values are created there.
    TDaten(TComponent* owner, const std::string& name);
    ~TDaten() override;
    void init() override;

    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

    TValue* FindValue(const std::string& name) const; // case-sensitive; nullptr when absent
    TValue& GetValue(int index) const;
    int ValueCount() const { return static_cast<int>(m_values.size()); }
    void ForEachValue(const std::function<void(TValue&)>& method) const;
    // Registers the one listener of a value.
    TValueOnChange& AddValueOnChange(TValue* value, TValueOnChange::THandler handler);

    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return m_updateCount > 0; }
    // After a block of changes: notifies once, without a value.
    void Changed();

    // Copies the values by position over the smaller value count; a container copies its children.
    virtual void Assign(const TDaten& source);
    // Compares the stored texts of all values by position.
    virtual bool Equals(const TDaten& other) const;
    // The section is the given one, or the data set's name when that is empty.
    virtual void LoadFromIni(const TXIniFile& ini, const std::string& section);
    virtual void SaveToIni(TXIniFile& ini, const std::string& section) const;
    virtual void Reset();
    virtual void EndCreate();
    // Whether a change of `other` concerns this data set (a container answers for its children).
    virtual bool BetrifftDaten(const TDaten& other) const;

    // Currency: the currency name "WaehrungStr" and exchange rate "Waehrungskurs", when the set
    // shows amounts in a chosen currency (CreateWaehrung from CreateValues).
    virtual void UpdateWaehrungStr();
    virtual void WaehrungUmrechnen(const std::string& newName, bool convert, double newRate);
    TWaehrungStr* WaehrungStr() const { return m_waehrungStr; }
    TDouble* Waehrungskurs() const { return m_waehrungskurs; }

    TDatenChangeEvent OnChange;

protected:
    virtual void CreateValues() = 0;
    virtual void CreateWaehrung();
    virtual void ReadValues(const TXIniFile& ini, const std::string& section);
    // Saves the own values only (a container adds its children).
    void SaveOwnValues(TXIniFile& ini, const std::string& section) const;
    // Entry of a change: a value of this set (sender == value) or a child of a container.
    void ValueChanged(const void* sender, TValue* value);
    void NotifyChange(TValue* value);
    // Whether this set lies inside a container that ends its construction for it.
    bool InContainer() const;
    // The section used for the given one.
    std::string SectionFor(const std::string& section) const
    {
        return section.empty() ? Name() : section;
    }

private:
    friend class TValue;
    void AddValue(TValue& value);
    void RemoveValue(TValue& value);

    bool m_modified = true; // a fresh data set is modified, so that its first calculation runs
    std::vector<TValue*> m_values;
    int m_updateCount = 0;
    int m_notifyNesting = 0;
    TValueOnChangeList m_listeners;
    TWaehrungStr* m_waehrungStr = nullptr;
    TDouble* m_waehrungskurs = nullptr;
    bool m_registered = false;
};

// Keeps a data set inside BeginUpdate/EndUpdate for a scope, also when an exception leaves it.
class TUpdateGuard {
public:
    explicit TUpdateGuard(TDaten& daten) : m_daten(daten) { m_daten.BeginUpdate(); }
    ~TUpdateGuard() { m_daten.EndUpdate(); }
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
    TDaten& m_daten;
};
