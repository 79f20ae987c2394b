#pragma once
// TMVCApplication: the registry of every live data set (TDaten, MVCFrame/Daten.h).
//
// A data set registers at the end of its construction and unregisters first in its destructor.
// The registry passes each value change on to whoever listens (the DDE server updates its item),
// tells when a data set goes away, carries the busy state of a file wait, and lets a change of
// the options reach every other data set (Broadcast).
//
// Listeners install themselves with Connect() and keep the returned TEventConnection as a
// member: it removes the handler when the listener is destroyed, so the registry never calls
// into a freed object, also while the program shuts down.
#include "Lib/Event.h"
#include "Lib/Singleton.h"

#include <functional>
#include <vector>

class TDaten;
class TValue;

class TMVCApplication {
public:
    // Appends; a null pointer or a data set already registered is ignored.
    void Register(TDaten* daten);
    // Removes; OnDatenUnregistered fires when the data set was registered.
    void Unregister(TDaten* daten);
    // Runs `aktion` on every registered data set in registration order except `sender`. The
    // options container passes TDaten::UpdateWaehrungStr, so that every options change
    // refreshes the currency names of all other data sets. A data set that is unregistered
    // while the broadcast runs is skipped; one registered meanwhile is not reached.
    void Broadcast(const TDaten* sender, const std::function<void(TDaten&)>& aktion);
    bool IsRegistered(const TDaten* daten) const;

    void DoValueChanged(TDaten* daten, TValue* value) { OnValueChanged(daten, value); }
    void DoBeginWait() { OnBeginWait(); }
    // A data set enters or leaves an update or the passing on of a change. Values seen inside
    // may be intermediate (a calculation clears its results first); OnSettled fires when the
    // last bracket of all data sets has ended.
    void BeginSettling() { ++m_settling; }
    void EndSettling();
    void DoEndWait() { OnEndWait(); }

    int Count() const { return static_cast<int>(m_daten.size()); }
    TDaten* Item(int index) const;

    TEvent<> OnEndWait;
    TEvent<TDaten*> OnDatenUnregistered;
    TEvent<> OnBeginWait;
    // Fires for every change of a value, also inside BeginUpdate/EndUpdate.
    TEvent<TDaten*, TValue*> OnValueChanged;
    TEvent<> OnSettled;

private:
    friend class TSingleton<TMVCApplication>;
    TMVCApplication() = default;

    std::vector<TDaten*> m_daten;
    int m_settling = 0;
};

TMVCApplication& MVCApplication();
// The slot, for main()'s shutdown order (Finalize) and for test fixtures (Reset).
TSingleton<TMVCApplication>& MVCApplicationSingleton();
