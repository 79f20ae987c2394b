#pragma once
// TComponent: a named object that may be owned by another. An owner frees what it owns, last
// created first, when it goes; a component freed earlier leaves its owner's list by itself.
//
// Construction runs in two phases, the constructor and then init(), so that init() reaches the
// overrides of the derived class (a data set creates its values there, a calculation its data
// set). CreateComponent runs both; nothing else should call init().
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TComponent {
public:
    explicit TComponent(TComponent* owner);
    virtual ~TComponent();
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return m_owner; }
    const std::string& Name() const { return m_name; }
    virtual void SetName(const std::string& name);

    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const;

    // The second construction step; CreateComponent calls it once, right after the constructor.
    virtual void init() {}

private:
    void RemoveComponent(TComponent* component);

    TComponent* m_owner = nullptr;
    std::string m_name;
    std::vector<TComponent*> m_components;
};

// Constructs T, then runs its init(). With an owner the owner frees the component; without one
// the caller does (MakeComponent hands it over as a unique_ptr). When init() throws, the half-built
// component is freed again and the exception passes on.
template <class T, class... Args> T* CreateComponent(Args&&... args)
{
    std::unique_ptr<T> component(new T(std::forward<Args>(args)...));
    component->init();
    return component.release();
}

template <class T, class... Args> std::unique_ptr<T> MakeComponent(Args&&... args)
{
    return std::unique_ptr<T>(CreateComponent<T>(std::forward<Args>(args)...));
}
