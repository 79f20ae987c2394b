#include "Lib/MVCApp.h"

#include "Lib/Exception.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

constinit TSingleton<TMVCApplication> gMVCApplication("MVCApplication", "Unit MVCApp");

} // namespace

TMVCApplication& MVCApplication()
{
    return gMVCApplication.Instance();
}

TSingleton<TMVCApplication>& MVCApplicationSingleton()
{
    return gMVCApplication;
}

void TMVCApplication::Register(TDaten* daten)
{
    if (daten != nullptr && !IsRegistered(daten))
        m_daten.push_back(daten);
}

void TMVCApplication::Unregister(TDaten* daten)
{
    const auto it = std::find(m_daten.begin(), m_daten.end(), daten);
    if (it == m_daten.end())
        return;
    m_daten.erase(it);
    OnDatenUnregistered(daten);
}

bool TMVCApplication::IsRegistered(const TDaten* daten) const
{
    return daten != nullptr && std::find(m_daten.begin(), m_daten.end(), daten) != m_daten.end();
}

void TMVCApplication::Broadcast(const TDaten* sender, const std::function<void(TDaten&)>& aktion)
{
    // Over a snapshot: a refresh may create or free data sets.
    const std::vector<TDaten*> snapshot = m_daten;
    for (TDaten* daten : snapshot) {
        if (daten != sender && IsRegistered(daten))
            aktion(*daten);
    }
}

void TMVCApplication::EndSettling()
{
    if (m_settling > 0 && --m_settling == 0)
        OnSettled();
}

TDaten* TMVCApplication::Item(int index) const
{
    VT_ASSERT(index >= 0 && index < Count(), "MVCApplication: Index außerhalb der Liste");
    return m_daten[static_cast<std::size_t>(index)];
}
