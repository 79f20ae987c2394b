#include "MVCFrame/Daten.h"

#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "Lib/MVCApp.h"
#include "MVCFrame/DatenContainer.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/StringValue.h"
#include "MVCFrame/WaehrungsName.h"

#include <algorithm>
#include <cstdio>
#include <typeinfo>
#include <utility>

namespace {

TDatenGeaendertHook& GeaendertHook()
{
    static TDatenGeaendertHook hook;
    return hook;
}

// Counts a nesting level for a scope, also when an exception leaves it.
class TNesting {
public:
    explicit TNesting(int& level) : m_level(level) { ++m_level; }
    ~TNesting() { --m_level; }
    TNesting(const TNesting&) = delete;
    TNesting& operator=(const TNesting&) = delete;

private:
    int& m_level;
};

} // namespace

TDatenGeaendertHook SetDatenGeaendertHook(TDatenGeaendertHook hook)
{
    return std::exchange(GeaendertHook(), std::move(hook));
}

void DatenGeaendertMelden(TDaten& daten)
{
    if (GeaendertHook())
        GeaendertHook()(daten);
}

TValueOnChange& TValueOnChangeList::Add(TValue* value, TValueOnChange::THandler handler)
{
    if (!value || !handler)
        throw Exception("Parameter dürfen nicht NIL sein");
    if (Find(*value)) {
        char text[200];
        std::snprintf(text, sizeof text, "Value (%s) ist bereits in der Liste",
                      value->Name().c_str());
        throw Exception(text);
    }
    m_entries.push_back(std::make_unique<TValueOnChange>(*value, std::move(handler)));
    return *m_entries.back();
}

TValueOnChange* TValueOnChangeList::Find(const TValue& value) const
{
    // Listeners are usually asked for the same value again: try the last hit first.
    if (m_lastHit < m_entries.size() && &m_entries[m_lastHit]->Value() == &value)
        return m_entries[m_lastHit].get();
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (&m_entries[i]->Value() == &value) {
            m_lastHit = i;
            return m_entries[i].get();
        }
    return nullptr;
}

void TValueOnChangeList::Remove(const TValue& value)
{
    std::erase_if(m_entries, [&](const auto& entry) { return &entry->Value() == &value; });
    m_lastHit = 0;
}

TDaten::TDaten(TComponent* owner, const std::string& name) : TComponent(owner)
{
    SetName(name);
}

void TDaten::init()
{
    if (auto* container = dynamic_cast<TDatenContainer*>(Owner()))
        container->AddDaten(*this);
    BeginUpdate();
    CreateValues();
    if (!InContainer())
        EndCreate();
    EndUpdate();
    MVCApplication().Register(this);
    m_registered = true;
}

TDaten::~TDaten()
{
    if (m_registered)
        MVCApplication().Unregister(this);
    if (m_updateCount > 0)
        MVCApplication().EndSettling();
    if (auto* container = dynamic_cast<TDatenContainer*>(Owner()))
        container->RemoveDaten(*this);
    while (!m_values.empty()) {
        TValue* last = m_values.back();
        m_values.pop_back();
        last->m_daten = nullptr;
        delete last;
    }
}

bool TDaten::InContainer() const
{
    const TComponent* owner = Owner();
    if (dynamic_cast<const TDatenContainer*>(owner))
        return true;
    return owner && dynamic_cast<const TDatenContainer*>(owner->Owner());
}

void TDaten::AddValue(TValue& value)
{
    VT_ASSERT(!FindValue(value.Name()),
              ("TValue bereits vorhanden (" + value.Name() + ")").c_str());
    m_values.push_back(&value);
    value.m_daten = this;
    value.OnChange = [this](TValue& v) { ValueChanged(&v, &v); };
}

void TDaten::RemoveValue(TValue& value)
{
    m_listeners.Remove(value);
    std::erase(m_values, &value);
    if (&value == static_cast<TValue*>(m_waehrungStr))
        m_waehrungStr = nullptr;
    if (&value == static_cast<TValue*>(m_waehrungskurs))
        m_waehrungskurs = nullptr;
}

TValue* TDaten::FindValue(const std::string& name) const
{
    for (auto it = m_values.rbegin(); it != m_values.rend(); ++it)
        if ((*it)->Name() == name)
            return *it;
    return nullptr;
}

TValue& TDaten::GetValue(int index) const
{
    VT_ASSERT(index >= 0 && index < ValueCount(), "Index des Werts ungültig");
    return *m_values[static_cast<std::size_t>(index)];
}

void TDaten::ForEachValue(const std::function<void(TValue&)>& method) const
{
    for (TValue* value : m_values)
        method(*value);
}

TValueOnChange& TDaten::AddValueOnChange(TValue* value, TValueOnChange::THandler handler)
{
    return m_listeners.Add(value, std::move(handler));
}

void TDaten::BeginUpdate()
{
    if (m_updateCount++ == 0)
        MVCApplication().BeginSettling();
}

void TDaten::EndUpdate()
{
    VT_ASSERT(m_updateCount > 0, "Ein EndUpdate zuviel");
    if (--m_updateCount == 0)
        MVCApplication().EndSettling();
}

void TDaten::Changed()
{
    if (!IsUpdating())
        NotifyChange(nullptr);
}

void TDaten::ValueChanged(const void* sender, TValue* value)
{
    // The values are final once the change has been passed on and calculated.
    struct TSettling {
        TSettling() { MVCApplication().BeginSettling(); }
        ~TSettling() { MVCApplication().EndSettling(); }
        TSettling(const TSettling&) = delete;
        TSettling& operator=(const TSettling&) = delete;
    } settling;
    m_modified = true;
    if (value && sender == value)
        MVCApplication().DoValueChanged(this, value);
    if (IsUpdating())
        return;
    {
        const TNesting nesting(m_notifyNesting);
        if (TValueOnChange* entry = value ? m_listeners.Find(*value) : nullptr) {
            // Copied: the listener may replace itself while it runs.
            const TValueOnChange::THandler handler = entry->Handler();
            if (entry->Direct()) {
                handler(*value);
            } else {
                const TUpdateGuard update(*this);
                handler(*value);
            }
        }
    }
    NotifyChange(value);
}

void TDaten::NotifyChange(TValue* value)
{
    if (m_notifyNesting != 0)
        return;
    if (OnChange)
        OnChange(*this, value);
    DatenGeaendertMelden(*this);
}

void TDaten::Assign(const TDaten& source)
{
    if (&source == this)
        return;
    {
        const TUpdateGuard update(*this);
        const int count = std::min(ValueCount(), source.ValueCount());
        for (int i = 0; i < count; ++i)
            source.GetValue(i).AssignTo(GetValue(i));
    }
    Changed();
}

bool TDaten::Equals(const TDaten& other) const
{
    VT_ASSERT(typeid(*this) == typeid(other), "Hier werden Äpfel mit Birnen verglichen");
    VT_ASSERT(ValueCount() == other.ValueCount(), "ValueCount ungleich");
    for (int i = ValueCount() - 1; i >= 0; --i)
        if (GetValue(i).GetStoredString() != other.GetValue(i).GetStoredString())
            return false;
    return true;
}

void TDaten::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    {
        const TUpdateGuard update(*this);
        ReadValues(ini, SectionFor(section));
    }
    Changed();
}

void TDaten::ReadValues(const TXIniFile& ini, const std::string& section)
{
    for (TValue* value : m_values)
        value->LoadStored(ini, section);
}

void TDaten::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    SaveOwnValues(ini, SectionFor(section));
}

void TDaten::SaveOwnValues(TXIniFile& ini, const std::string& section) const
{
    for (const TValue* value : m_values)
        value->SaveStored(ini, section);
}

void TDaten::Reset()
{
    {
        const TUpdateGuard update(*this);
        for (TValue* value : m_values)
            value->ResetToDefault();
    }
    Changed();
}

void TDaten::EndCreate()
{
    for (TValue* value : m_values)
        value->EndCreate();
}

bool TDaten::BetrifftDaten(const TDaten&) const
{
    return false;
}

void TDaten::CreateWaehrung()
{
    if (!m_waehrungStr) {
        if (auto* vorhanden = dynamic_cast<TWaehrungStr*>(FindValue("WaehrungStr")))
            m_waehrungStr = vorhanden;
        else
            m_waehrungStr = new TWaehrungStr(this);
    }
    if (!m_waehrungskurs) {
        if (auto* vorhanden = dynamic_cast<TDouble*>(FindValue("Waehrungskurs")))
            m_waehrungskurs = vorhanden;
        else
            m_waehrungskurs = new TDouble(this, "Waehrungskurs", cfReadOnly, 1.0, 5);
    }
}

void TDaten::UpdateWaehrungStr()
{
    if (!m_waehrungStr)
        return;
    const bool symbol = EuroSymbolAn();
    const std::string alt = symbol ? kEuroWort : kEuroSymbol;
    const std::string neu = symbol ? kEuroSymbol : kEuroWort;
    m_waehrungStr->SetDefault(neu);
    if (m_waehrungStr->GetStoredString() == alt)
        m_waehrungStr->SetValue(neu);
}

void TDaten::WaehrungUmrechnen(const std::string& newName, bool convert, double newRate)
{
    if (m_waehrungskurs) {
        if (convert) {
            const double oldRate = m_waehrungskurs->GetStoredValue();
            for (TValue* value : m_values)
                if (auto* betrag = dynamic_cast<TDoubleBetrag*>(value))
                    betrag->SetValue(::Dreisatz(true,
                                                static_cast<unsigned char>(betrag->Decimals()),
                                                betrag->GetStoredValue(), oldRate, newRate));
        }
        m_waehrungskurs->SetValue(newRate);
    }
    if (m_waehrungStr)
        m_waehrungStr->SetValue(newName);
}
