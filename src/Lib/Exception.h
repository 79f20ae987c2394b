#pragma once
// The system's exceptions. Every exception carries a German message that can be shown to the
// user as it stands; the engines derive their own kinds (wage-tax tariff, payroll, transition
// zone) from Exception so that a caller can catch them all at a boundary.
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A broken invariant: a programming error, reported with where it was detected.
class EAssertionFailed : public Exception {
public:
    EAssertionFailed(const char* text, const char* file, int line);
};

// Several failures in one message: one message each, under an introduction (a single failure
// keeps its own words).
class EFehlerListe : public Exception {
public:
    EFehlerListe(const std::string& einleitung, std::vector<std::string> meldungen);
    const std::vector<std::string>& Meldungen() const { return m_meldungen; }

private:
    std::vector<std::string> m_meldungen;
};

// Steps that must not stop one another, such as saving one settings file after the other: each
// step's failure is kept, and Werfen() then raises them: a single failure as it was raised (its
// kind and error code kept for the caller), several as one EFehlerListe with every message (the
// messages of a step that raised an EFehlerListe itself are taken one by one).
class TFehlerSammlung {
public:
    void Versuche(const std::function<void()>& schritt);
    bool Leer() const { return m_meldungen.empty(); }
    void Werfen(const std::string& einleitung) const;

private:
    std::vector<std::string> m_meldungen;
    std::exception_ptr m_erster; // the first failure, raised again when it stays the only one
};

#define VT_ASSERT(cond, text)                                                                      \
    do {                                                                                           \
        if (!(cond))                                                                               \
            throw EAssertionFailed((text), __FILE__, __LINE__);                                    \
    } while (false)
