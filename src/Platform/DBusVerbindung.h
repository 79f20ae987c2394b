#pragma once
// A private connection to the session bus, served on the main thread by Qt's event loop: its
// socket is watched by QSocketNotifiers, its timeouts run as QTimers, and what it reads is
// dispatched (to the object paths and filters registered on Handle()) from the event loop as
// soon as it has arrived. Nothing reads the bus on a thread of its own, so a call is read,
// served and answered in one turn of the event loop, without a thread switch.
//
// Dispatching never nests: messages that arrive while a handler runs (a blocking call to the
// bus reads them) are dispatched after it, in arrival order, by the loop that runs the handler
// or, outside of one, by a queued dispatch.
#include <QObject>

struct DBusConnection;
struct TDBusRueckrufe;

class TDBusVerbindung : public QObject {
    Q_OBJECT
public:
    // Without a session bus, Handle() is null.
    explicit TDBusVerbindung(QObject* parent = nullptr);
    // Sends what is still queued, then closes the connection.
    ~TDBusVerbindung() override;
    TDBusVerbindung(const TDBusVerbindung&) = delete;
    TDBusVerbindung& operator=(const TDBusVerbindung&) = delete;

    DBusConnection* Handle() const { return m_verbindung; }

private:
    friend struct TDBusRueckrufe;

    // Dispatches every message read, unless a dispatch is running already (it takes them).
    void Dispatchen();
    void DispatchPlanen();

    DBusConnection* m_verbindung = nullptr;
    bool m_imDienst = false; // reading or dispatching: what arrives meanwhile is taken after it
    bool m_geplant = false;
};
