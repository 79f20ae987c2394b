#pragma once
// An event with one handler, as the framework's objects carry them (OnChange, OnValueChanged):
// a later assignment replaces the earlier handler.
//
// Whoever installs a handler that captures an object must remove it before that object goes.
// Connect() returns a TEventConnection that does so by itself when it is destroyed, unless the
// handler was replaced meanwhile; it is harmless when the event itself went first.
//
//   class TDdeManager {
//       TEventConnection m_valueChanged = MVCApplication().OnValueChanged.Connect(
//           [this](TDaten* d, TValue* v) { ItemChanged(d, v); });
//   };
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

class TEventConnection {
public:
    TEventConnection() = default;
    explicit TEventConnection(std::function<void()> trennen) : m_trennen(std::move(trennen)) {}
    ~TEventConnection() { Disconnect(); }
    TEventConnection(TEventConnection&& other) noexcept
        : m_trennen(std::exchange(other.m_trennen, nullptr))
    {
    }
    TEventConnection& operator=(TEventConnection&& other) noexcept
    {
        if (this != &other) {
            Disconnect();
            m_trennen = std::exchange(other.m_trennen, nullptr);
        }
        return *this;
    }
    TEventConnection(const TEventConnection&) = delete;
    TEventConnection& operator=(const TEventConnection&) = delete;

    // Removes the handler now (when it is still the installed one).
    void Disconnect()
    {
        if (m_trennen)
            std::exchange(m_trennen, nullptr)();
    }

private:
    std::function<void()> m_trennen;
};

template <class... Args> class TEvent {
public:
    using Handler = std::function<void(Args...)>;

    TEvent() = default;
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    // Installs a handler, replacing the one before (an empty handler clears the event).
    TEvent& operator=(Handler handler)
    {
        m_zustand->handler = std::move(handler);
        ++m_zustand->generation;
        return *this;
    }
    [[nodiscard]] TEventConnection Connect(Handler handler)
    {
        *this = std::move(handler);
        std::weak_ptr<Zustand> schwach = m_zustand;
        const std::uint64_t generation = m_zustand->generation;
        return TEventConnection([schwach, generation] {
            if (const std::shared_ptr<Zustand> zustand = schwach.lock()) {
                if (zustand->generation == generation) {
                    zustand->handler = nullptr;
                    ++zustand->generation;
                }
            }
        });
    }
    void Clear() { *this = nullptr; }
    explicit operator bool() const { return static_cast<bool>(m_zustand->handler); }

    // Calls the handler when one is installed. It runs on a copy, so that it may replace or
    // clear itself.
    void operator()(Args... args) const
    {
        const Handler handler = m_zustand->handler;
        if (handler)
            handler(args...);
    }

private:
    struct Zustand {
        Handler handler;
        std::uint64_t generation = 0;
    };
    std::shared_ptr<Zustand> m_zustand = std::make_shared<Zustand>();
};
