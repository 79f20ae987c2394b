#pragma once
// The process-wide objects (registry of data sets, instance checker, options, directories, DDE
// manager, application object, timer manager) follow one pattern:
// - one TSingleton<T> slot per class, a constant-initialised global in its .cpp, reached through
//   a function (MVCApplication()) that returns slot.Instance();
// - the object is created on first use through T's private default constructor
//   (declare `friend class TSingleton<T>;`);
// - main() ends them in a fixed order by Finalize(); a use after that is reported
//   ("<accessor> wird nach der ExitProc verwendet") and then served by a new object, which is
//   not freed again, so shutdown code can never reach a freed object;
// - code that runs inside T's constructor and calls the accessor gets the object under
//   construction, not a second one;
// - a constructor that throws leaves the slot empty, and the exception passes on.
// The slot has no destructor: nothing is freed behind main()'s back at exit.
#include "Lib/Meldung.h"

#include <new>
#include <string>

template <class T> class TSingleton {
public:
    // `pruefen` false: no report after Finalize (the options container works so).
    constexpr TSingleton(const char* accessor, const char* caption, bool pruefen = true)
        : m_accessor(accessor), m_caption(caption), m_pruefen(pruefen)
    {
    }
    TSingleton(const TSingleton&) = delete;
    TSingleton& operator=(const TSingleton&) = delete;

    T& Instance()
    {
        if (m_instance != nullptr)
            return *m_instance;
        if (m_finalisiert && m_pruefen)
            Meldung(std::string(m_accessor) + " wird nach der ExitProc verwendet", m_caption,
                    false);
        static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
        // The slot points at the storage before the constructor runs (see above).
        void* speicher = ::operator new(sizeof(T));
        m_instance = static_cast<T*>(speicher);
        try {
            new (speicher) T();
        } catch (...) {
            m_instance = nullptr;
            ::operator delete(speicher);
            throw;
        }
        return *m_instance;
    }
    // The object when it exists, without creating it.
    T* Existing() const { return m_instance; }
    bool Finalized() const { return m_finalisiert; }

    // Program end: from now on a use is reported; frees the object.
    void Finalize()
    {
        m_finalisiert = true;
        Destroy();
    }
    // For test fixtures: frees the object and forgets the program end.
    void Reset()
    {
        Destroy();
        m_finalisiert = false;
    }

private:
    void Destroy()
    {
        if (T* alt = m_instance) {
            m_instance = nullptr;
            delete alt;
        }
    }

    T* m_instance = nullptr;
    bool m_finalisiert = false;
    const char* m_accessor;
    const char* m_caption;
    bool m_pruefen;
};
