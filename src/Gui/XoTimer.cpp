#include "Gui/XoTimer.h"

#include "Gui/GuiHooks.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

namespace {

constinit TSingleton<TXoTimerMngr> gTimerMngr("TimerMngr", "Unit XoTimer");

std::int64_t MonotonicMs()
{
    static QElapsedTimer uhr = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return uhr.elapsed();
}

} // namespace

TXoTimerMngr::TXoTimerMngr(TTickQuelle jetzt)
    : m_jetzt(jetzt ? std::move(jetzt) : TTickQuelle(MonotonicMs)), m_timer(new QTimer(this))
{
    m_timer->setInterval(kRuheIntervall);
    connect(m_timer, &QTimer::timeout, this, &TXoTimerMngr::TimerTick);
}

TXoTimerMngr::~TXoTimerMngr()
{
    m_timer->stop();
}

std::int64_t TXoTimerMngr::Now() const
{
    return m_jetzt();
}

bool TXoTimerMngr::Active() const
{
    return m_timer->isActive();
}

int TXoTimerMngr::Interval() const
{
    return m_timer->interval();
}

void TXoTimerMngr::AddTimer(int interval, const TXoMethod& method)
{
    const bool queued = std::any_of(m_requests.begin(), m_requests.end(),
                                    [&](const TXoTimerRequest& r) { return r.method == method; });
    if (!queued)
        Insert(interval, method, true);
}

void TXoTimerMngr::AddDelayed(int interval, const TXoMethod& method)
{
    Insert(interval, method, false);
}

void TXoTimerMngr::Insert(int interval, const TXoMethod& method, bool repeat)
{
    interval = std::max(interval, 0);
    m_requests.push_back({m_nextId++, Now() + interval, interval, method, repeat});
    if (interval < m_timer->interval())
        m_timer->setInterval(std::max(interval, 1));
    if (!m_timer->isActive())
        m_timer->start();
}

bool TXoTimerMngr::Unlink(std::uint64_t id)
{
    const auto it = std::find_if(m_requests.begin(), m_requests.end(),
                                 [id](const TXoTimerRequest& r) { return r.id == id; });
    if (it == m_requests.end())
        return false;
    m_requests.erase(it);
    return true;
}

void TXoTimerMngr::RemoveTimer(const TXoMethod& method)
{
    const auto it = std::find_if(m_requests.begin(), m_requests.end(),
                                 [&](const TXoTimerRequest& r) { return r.method == method; });
    if (it == m_requests.end())
        return;
    m_requests.erase(it);
    Rearm();
}

bool TXoTimerMngr::RemoveAllOf(const void* object)
{
    const auto before = m_requests.size();
    m_requests.remove_if(
        [object](const TXoTimerRequest& r) { return r.method.Object() == object; });
    const bool removed = m_requests.size() != before;
    if (removed)
        Rearm();
    return removed;
}

void TXoTimerMngr::Rearm()
{
    if (m_requests.empty()) {
        m_timer->stop();
        m_timer->setInterval(kRuheIntervall);
        return;
    }
    std::int64_t naechste = m_requests.front().due;
    for (const TXoTimerRequest& r : m_requests)
        naechste = std::min(naechste, r.due);
    const std::int64_t abstand = naechste - Now();
    m_timer->setInterval(
        abstand < 2 ? 1 : static_cast<int>(std::min<std::int64_t>(abstand, kRuheIntervall)));
    if (!m_timer->isActive())
        m_timer->start();
}

void TXoTimerMngr::TimerTick()
{
    // A method that runs an event loop (a modal box) lets the timer fire again; that nested tick
    // would run the same requests twice, so it is dropped and the outer tick carries on.
    if (m_inTick)
        return;
    m_inTick = true;
    const std::int64_t now = Now();
    std::vector<std::uint64_t> faellig;
    for (const TXoTimerRequest& r : m_requests)
        if (now >= r.due)
            faellig.push_back(r.id);

    for (const std::uint64_t id : faellig) {
        // A method that ran before may have removed this request: then it is not run.
        const auto it = std::find_if(m_requests.begin(), m_requests.end(),
                                     [id](const TXoTimerRequest& r) { return r.id == id; });
        if (it == m_requests.end())
            continue;
        const TXoMethod method = it->method;
        if (it->repeat)
            it->due = now + it->interval;
        else {
            // Gone before the call, so that the method may queue itself again.
            m_requests.erase(it);
        }
        try {
            method();
        } catch (const std::exception& e) {
            Unlink(id);
            ShowFehler(QString::fromStdString(e.what()));
        } catch (...) {
            Unlink(id);
            ShowFehler(QStringLiteral("Unbekannter Fehler"));
        }
    }
    m_inTick = false;
    Rearm();
}

TXoTimerMngr& TimerMngr()
{
    return gTimerMngr.Instance();
}

TSingleton<TXoTimerMngr>& TimerMngrSingleton()
{
    return gTimerMngr;
}

void RemoveTimersOf(const void* object)
{
    if (TXoTimerMngr* mngr = gTimerMngr.Existing())
        mngr->RemoveAllOf(object);
}
