#pragma once
// Time limits in tests of cost: the time this thread spent computing, so that waiting for the
// disk or for other processes on a busy machine does not count while a cost growing with the
// wrong measure does.
#include <gtest/gtest.h>

#include <chrono>
#include <time.h>

inline std::chrono::nanoseconds RechenZeit()
{
    timespec t{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
}

// Whether the work since `start` (a RechenZeit) stayed under `grenze`. The sanitizers slow every
// step several times over, so there it always holds.
inline testing::AssertionResult RechenZeitUnter(std::chrono::nanoseconds start,
                                                std::chrono::milliseconds grenze)
{
    const auto dauer = std::chrono::duration_cast<std::chrono::milliseconds>(RechenZeit() - start);
#ifdef __SANITIZE_ADDRESS__
    (void)grenze;
    return testing::AssertionSuccess() << dauer.count() << " ms";
#else
    if (dauer < grenze)
        return testing::AssertionSuccess() << dauer.count() << " ms";
    return testing::AssertionFailure() << dauer.count() << " ms, limit " << grenze.count() << " ms";
#endif
}
