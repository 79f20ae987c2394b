#include "Gui/XoTimer.h"

#include "GuiTestSupport.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// A receiver whose methods log their calls and can be told to do more while they run.
struct Empfaenger {
    std::vector<std::string>* log = nullptr;
    std::string name;
    std::function<void()> extra;
    void Tick()
    {
        log->push_back(name);
        if (extra)
            extra();
    }
    void Anders() { log->push_back(name + ".Anders"); }
};

class XoTimerTest : public GuiHookFixture {
protected:
    std::int64_t m_jetzt = 1000;
    TXoTimerMngr m_mngr{[this] { return m_jetzt; }};
    std::vector<std::string> m_log;
    Empfaenger a{&m_log, "a", {}};
    Empfaenger b{&m_log, "b", {}};
    Empfaenger c{&m_log, "c", {}};

    void Bis(std::int64_t t)
    {
        m_jetzt = t;
        m_mngr.TimerTick();
    }
};

TEST_F(XoTimerTest, AddTimerQueuesAMethodOnceAddDelayedEveryTime)
{
    m_mngr.AddTimer(100, {&a, &Empfaenger::Tick});
    m_mngr.AddTimer(50, {&a, &Empfaenger::Tick});
    EXPECT_EQ(m_mngr.Count(), 1);
    m_mngr.AddTimer(100, {&a, &Empfaenger::Anders});
    m_mngr.AddTimer(100, {&b, &Empfaenger::Tick});
    EXPECT_EQ(m_mngr.Count(), 3);
    m_mngr.AddDelayed(100, {&c, &Empfaenger::Tick});
    m_mngr.AddDelayed(100, {&c, &Empfaenger::Tick});
    EXPECT_EQ(m_mngr.Count(), 5);
}

TEST_F(XoTimerTest, DueRequestsRunInQueueOrderAndRepeatersComeBack)
{
    m_mngr.AddDelayed(300, {&a, &Empfaenger::Tick});
    m_mngr.AddTimer(100, {&b, &Empfaenger::Tick});
    m_mngr.AddDelayed(50, {&c, &Empfaenger::Tick});
    EXPECT_EQ(m_mngr.Interval(), 50);
    Bis(1049);
    EXPECT_TRUE(m_log.empty());
    Bis(1100);
    Bis(1150);
    Bis(1200);
    Bis(1300);
    Bis(1400);
    EXPECT_EQ(m_log, (std::vector<std::string>{"b", "c", "b", "a", "b", "b"}));
    EXPECT_EQ(m_mngr.Count(), 1);
    EXPECT_EQ(m_mngr.Interval(), 100);
}

TEST_F(XoTimerTest, OneShotIsGoneBeforeItsMethodRunsAndMayQueueItselfAgain)
{
    int seen = -1;
    a.extra = [&] {
        seen = m_mngr.Count();
        if (m_log.size() < 3)
            m_mngr.AddDelayed(10, {&a, &Empfaenger::Tick});
    };
    m_mngr.AddDelayed(10, {&a, &Empfaenger::Tick});
    Bis(1010);
    EXPECT_EQ(seen, 0);
    Bis(1020);
    Bis(1030);
    Bis(1040);
    EXPECT_EQ(m_log.size(), 3u);
    EXPECT_EQ(m_mngr.Count(), 0);
    EXPECT_FALSE(m_mngr.Active());
    EXPECT_EQ(m_mngr.Interval(), TXoTimerMngr::kRuheIntervall);
}

TEST_F(XoTimerTest, AMethodThatRemovesAnotherDueRequestStopsItRunning)
{
    a.extra = [&] { m_mngr.RemoveTimer({&b, &Empfaenger::Tick}); };
    m_mngr.AddTimer(10, {&a, &Empfaenger::Tick});
    m_mngr.AddTimer(10, {&b, &Empfaenger::Tick});
    m_mngr.AddTimer(10, {&c, &Empfaenger::Tick});
    Bis(1010);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a", "c"}));
}

TEST_F(XoTimerTest, AMethodThatRemovesItselfAndOthersOfItsObject)
{
    a.extra = [&] { m_mngr.RemoveAllOf(&a); };
    m_mngr.AddTimer(10, {&a, &Empfaenger::Tick});
    m_mngr.AddTimer(10, {&a, &Empfaenger::Anders});
    m_mngr.AddTimer(10, {&b, &Empfaenger::Tick});
    Bis(1010);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(m_mngr.Count(), 1);
}

TEST_F(XoTimerTest, RequestsQueuedDuringATickWaitForTheNext)
{
    a.extra = [&] { m_mngr.AddDelayed(0, {&b, &Empfaenger::Tick}); };
    m_mngr.AddDelayed(10, {&a, &Empfaenger::Tick});
    Bis(1010);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a"}));
    EXPECT_EQ(m_mngr.Interval(), 1);
    Bis(1010);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a", "b"}));
}

TEST_F(XoTimerTest, ANestedTickIsDropped)
{
    a.extra = [&] { m_mngr.TimerTick(); };
    m_mngr.AddTimer(10, {&a, &Empfaenger::Tick});
    m_mngr.AddTimer(10, {&b, &Empfaenger::Tick});
    Bis(1010);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a", "b"}));
}

TEST_F(XoTimerTest, AThrowingMethodIsRemovedAndShownWhileOthersStillRun)
{
    a.extra = [] { throw std::runtime_error("Fehler im Zeitgeber"); };
    m_mngr.AddTimer(10, {&a, &Empfaenger::Tick});
    m_mngr.AddTimer(10, {&b, &Empfaenger::Tick});
    Bis(1010);
    EXPECT_EQ(m_log, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(m_fehler, QStringList{"Fehler im Zeitgeber"});
    EXPECT_EQ(m_mngr.Count(), 1);
}

TEST_F(XoTimerTest, RemovingRequestsOfAnObjectWithoutAnyLeavesTheTimerAlone)
{
    m_mngr.AddTimer(70, {&a, &Empfaenger::Tick});
    EXPECT_FALSE(m_mngr.RemoveAllOf(&b));
    EXPECT_EQ(m_mngr.Interval(), 70);
    m_jetzt = 1030;
    m_mngr.AddTimer(500, {&b, &Empfaenger::Tick});
    EXPECT_TRUE(m_mngr.RemoveAllOf(&b));
    EXPECT_EQ(m_mngr.Interval(), 40);
}

TEST_F(XoTimerTest, RemoveTimerTakesTheFirstOfSeveralDelayedCalls)
{
    m_mngr.AddDelayed(10, {&a, &Empfaenger::Tick});
    m_jetzt = 1005;
    m_mngr.AddDelayed(10, {&a, &Empfaenger::Tick});
    m_mngr.RemoveTimer({&a, &Empfaenger::Tick});
    EXPECT_EQ(m_mngr.Count(), 1);
    EXPECT_EQ(m_mngr.Interval(), 10);
    Bis(1010);
    EXPECT_TRUE(m_log.empty());
    Bis(1015);
    EXPECT_EQ(m_log.size(), 1u);
}

TEST_F(XoTimerTest, RemoveTimersOfCreatesNoManager)
{
    TimerMngrSingleton().Reset();
    RemoveTimersOf(&a);
    TimerMngr().AddDelayed(10, {&a, &Empfaenger::Tick});
    EXPECT_TRUE(TimerMngr().Active());
    RemoveTimersOf(&a);
    EXPECT_FALSE(TimerMngr().Active());
    TimerMngrSingleton().Reset();
}

} // namespace
