#include "Lib/Component.h"

#include "Lib/Exception.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : m_owner(owner)
{
    if (m_owner)
        m_owner->m_components.push_back(this);
}

TComponent::~TComponent()
{
    while (!m_components.empty()) {
        TComponent* last = m_components.back();
        m_components.pop_back();
        delete last;
    }
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name)
{
    m_name = name;
}

TComponent* TComponent::Components(int index) const
{
    VT_ASSERT(index >= 0 && index < ComponentCount(), "Komponentenindex ungültig");
    return m_components[static_cast<std::size_t>(index)];
}

void TComponent::RemoveComponent(TComponent* component)
{
    const auto it = std::find(m_components.begin(), m_components.end(), component);
    if (it != m_components.end())
        m_components.erase(it);
}
