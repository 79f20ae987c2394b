#pragma once
// The system's exceptions. Every exception carries a German message that can be shown to the
// user as it stands; the engines derive their own kinds (wage-tax tariff, payroll, transition
// zone) from Exception so that a caller can catch them all at a boundary.
#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A broken invariant: a programming error, reported with where it was detected.
class EAssertionFailed : public Exception {
public:
    EAssertionFailed(const char* text, const char* file, int line);
};

#define VT_ASSERT(cond, text)                                                                      \
    do {                                                                                           \
        if (!(cond))                                                                               \
            throw EAssertionFailed((text), __FILE__, __LINE__);                                    \
    } while (false)
