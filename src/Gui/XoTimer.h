#pragma once
// One process-wide timer that runs delayed one-shot calls and repeating calls of object methods on
// the user-interface thread: the table windows use it for the delayed single click, the pages and
// the main window for work after a short delay.
//
// A request is identified by its method (object and member function). A method may queue or
// remove requests while it runs, its own included, and may even run an event loop that lets the
// timer fire again: a tick works on a snapshot of the due requests (by id) and a nested tick is
// dropped. A form removes its requests when it is destroyed (RemoveTimersOf).
#include "Lib/Singleton.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <list>
#include <typeindex>

class QTimer;

// A method pointer with the identity that the manager compares: the object, the class and the
// member function.
class TXoMethod {
public:
    template <class T>
    TXoMethod(T* object, void (T::*method)())
        : m_object(object), m_klasse(typeid(T)), m_call([object, method] { (object->*method)(); })
    {
        static_assert(sizeof(method) <= sizeof(m_code), "member function pointer too large");
        std::memcpy(m_code.data(), &method, sizeof(method));
    }

    const void* Object() const { return m_object; }
    void operator()() const { m_call(); }
    bool operator==(const TXoMethod& other) const
    {
        return m_object == other.m_object && m_klasse == other.m_klasse && m_code == other.m_code;
    }

private:
    const void* m_object = nullptr;
    std::type_index m_klasse;
    std::array<unsigned char, 2 * sizeof(void*)> m_code{};
    std::function<void()> m_call;
};

// Milliseconds of a monotonic clock; tests give the manager a clock of their own.
using TTickQuelle = std::function<std::int64_t()>;

class TXoTimerMngr : public QObject {
    Q_OBJECT
public:
    explicit TXoTimerMngr(TTickQuelle jetzt = {});
    ~TXoTimerMngr() override;

    // Queues a repeating request unless the same method is queued already.
    void AddTimer(int interval, const TXoMethod& method);
    // Always queues a one-shot request; the same method may be queued several times.
    void AddDelayed(int interval, const TXoMethod& method);
    // Removes the first request of this method.
    void RemoveTimer(const TXoMethod& method);
    // Removes every request of the object; returns whether any was removed.
    bool RemoveAllOf(const void* object);

    // Runs every request that is due now (the timer's slot; tests call it directly).
    void TimerTick();

    int Count() const { return static_cast<int>(m_requests.size()); }
    bool Active() const;
    int Interval() const;

    static constexpr int kRuheIntervall = 2147483647;

private:
    struct TXoTimerRequest {
        std::uint64_t id = 0;
        std::int64_t due = 0;
        int interval = 0;
        TXoMethod method;
        bool repeat = false;
    };

    std::int64_t Now() const;
    void Insert(int interval, const TXoMethod& method, bool repeat);
    bool Unlink(std::uint64_t id);
    void Rearm();

    TTickQuelle m_jetzt;
    QTimer* m_timer = nullptr;
    std::list<TXoTimerRequest> m_requests;
    std::uint64_t m_nextId = 1;
    bool m_inTick = false;
};

// The program's timer manager, created on first use.
TXoTimerMngr& TimerMngr();
// The slot: the program's shutdown finalizes it after the last window and before the
// application object (ProgrammEnde); test fixtures reset it.
TSingleton<TXoTimerMngr>& TimerMngrSingleton();
// Removes every request of the object when the manager exists; creates no manager.
void RemoveTimersOf(const void* object);
