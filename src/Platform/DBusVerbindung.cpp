#include "Platform/DBusVerbindung.h"

#include <QMetaObject>
#include <QSocketNotifier>
#include <QTimer>

#include <dbus/dbus.h>

#include <utility>

// The library's callbacks: each watch or timeout carries the Qt object that serves it.
struct TDBusRueckrufe {
    // A watch may ask for reading and writing at once: one notifier for each.
    struct TWatch {
        QSocketNotifier* lesen = nullptr;
        QSocketNotifier* schreiben = nullptr;
    };

    static void Freigeben(void* daten) { delete static_cast<TWatch*>(daten); }

    // Removed from the library's side only: the notifier may be the sender of the call that
    // ends up here (a hang-up read by it), so it goes once its signal has returned.
    static void Entsorgen(QObject* objekt)
    {
        if (auto* notifier = qobject_cast<QSocketNotifier*>(objekt))
            notifier->setEnabled(false);
        else if (auto* timer = qobject_cast<QTimer*>(objekt))
            timer->stop();
        if (objekt)
            objekt->deleteLater();
    }

    static QSocketNotifier* Notifier(TDBusVerbindung& verbindung, DBusWatch* watch,
                                     QSocketNotifier::Type art, unsigned int flag)
    {
        auto* notifier = new QSocketNotifier(static_cast<qintptr>(dbus_watch_get_unix_fd(watch)),
                                             art, &verbindung);
        notifier->setEnabled(dbus_watch_get_enabled(watch));
        QObject::connect(notifier, &QSocketNotifier::activated, &verbindung,
                         [&verbindung, watch, flag] { Bereit(verbindung, watch, flag); });
        return notifier;
    }

    static dbus_bool_t WatchHinzu(DBusWatch* watch, void* daten)
    {
        auto& verbindung = *static_cast<TDBusVerbindung*>(daten);
        auto* w = new TWatch;
        const unsigned int flags = dbus_watch_get_flags(watch);
        if (flags & DBUS_WATCH_READABLE)
            w->lesen = Notifier(verbindung, watch, QSocketNotifier::Read, DBUS_WATCH_READABLE);
        if (flags & DBUS_WATCH_WRITABLE)
            w->schreiben = Notifier(verbindung, watch, QSocketNotifier::Write, DBUS_WATCH_WRITABLE);
        dbus_watch_set_data(watch, w, &Freigeben);
        return TRUE;
    }

    static void WatchWeg(DBusWatch* watch, void*)
    {
        if (auto* w = static_cast<TWatch*>(dbus_watch_get_data(watch))) {
            Entsorgen(w->lesen);
            Entsorgen(w->schreiben);
        }
        dbus_watch_set_data(watch, nullptr, nullptr);
    }

    static void WatchUmgeschaltet(DBusWatch* watch, void*)
    {
        auto* w = static_cast<TWatch*>(dbus_watch_get_data(watch));
        if (!w)
            return;
        const bool an = dbus_watch_get_enabled(watch);
        for (QSocketNotifier* notifier : {w->lesen, w->schreiben}) {
            if (notifier)
                notifier->setEnabled(an);
        }
    }

    // Reads (or writes) what the socket has, then serves what was read.
    static void Bereit(TDBusVerbindung& verbindung, DBusWatch* watch, unsigned int flag)
    {
        const bool vorher = std::exchange(verbindung.m_imDienst, true);
        dbus_watch_handle(watch, flag);
        verbindung.m_imDienst = vorher;
        verbindung.Dispatchen();
    }

    static dbus_bool_t TimeoutHinzu(DBusTimeout* timeout, void* daten)
    {
        auto& verbindung = *static_cast<TDBusVerbindung*>(daten);
        auto* timer = new QTimer(&verbindung);
        timer->setInterval(dbus_timeout_get_interval(timeout));
        QObject::connect(timer, &QTimer::timeout, &verbindung,
                         [timeout] { dbus_timeout_handle(timeout); });
        if (dbus_timeout_get_enabled(timeout))
            timer->start();
        dbus_timeout_set_data(timeout, timer, nullptr);
        return TRUE;
    }

    static void TimeoutWeg(DBusTimeout* timeout, void*)
    {
        Entsorgen(static_cast<QTimer*>(dbus_timeout_get_data(timeout)));
        dbus_timeout_set_data(timeout, nullptr, nullptr);
    }

    static void TimeoutUmgeschaltet(DBusTimeout* timeout, void*)
    {
        auto* timer = static_cast<QTimer*>(dbus_timeout_get_data(timeout));
        if (!timer)
            return;
        if (dbus_timeout_get_enabled(timeout)) {
            timer->setInterval(dbus_timeout_get_interval(timeout));
            timer->start();
        } else {
            timer->stop();
        }
    }

    // Called inside the library: dispatching from here would nest.
    static void StatusGeaendert(DBusConnection*, DBusDispatchStatus status, void* daten)
    {
        auto& verbindung = *static_cast<TDBusVerbindung*>(daten);
        if (status == DBUS_DISPATCH_DATA_REMAINS && !verbindung.m_imDienst)
            verbindung.DispatchPlanen();
    }
};

TDBusVerbindung::TDBusVerbindung(QObject* parent) : QObject(parent)
{
    DBusError fehler;
    dbus_error_init(&fehler);
    m_verbindung = dbus_bus_get_private(DBUS_BUS_SESSION, &fehler);
    dbus_error_free(&fehler);
    if (!m_verbindung)
        return;
    // A lost bus ends the server, not the program.
    dbus_connection_set_exit_on_disconnect(m_verbindung, FALSE);
    if (!dbus_connection_set_watch_functions(m_verbindung, &TDBusRueckrufe::WatchHinzu,
                                             &TDBusRueckrufe::WatchWeg,
                                             &TDBusRueckrufe::WatchUmgeschaltet, this, nullptr) ||
        !dbus_connection_set_timeout_functions(
            m_verbindung, &TDBusRueckrufe::TimeoutHinzu, &TDBusRueckrufe::TimeoutWeg,
            &TDBusRueckrufe::TimeoutUmgeschaltet, this, nullptr)) {
        dbus_connection_close(m_verbindung);
        dbus_connection_unref(m_verbindung);
        m_verbindung = nullptr;
        return;
    }
    dbus_connection_set_dispatch_status_function(m_verbindung, &TDBusRueckrufe::StatusGeaendert,
                                                 this, nullptr);
    // The bus's greeting may have brought messages along already.
    if (dbus_connection_get_dispatch_status(m_verbindung) == DBUS_DISPATCH_DATA_REMAINS)
        DispatchPlanen();
}

TDBusVerbindung::~TDBusVerbindung()
{
    if (!m_verbindung)
        return;
    dbus_connection_set_dispatch_status_function(m_verbindung, nullptr, nullptr, nullptr);
    dbus_connection_flush(m_verbindung);
    dbus_connection_close(m_verbindung);
    dbus_connection_set_watch_functions(m_verbindung, nullptr, nullptr, nullptr, nullptr, nullptr);
    dbus_connection_set_timeout_functions(m_verbindung, nullptr, nullptr, nullptr, nullptr,
                                          nullptr);
    dbus_connection_unref(m_verbindung);
}

void TDBusVerbindung::DispatchPlanen()
{
    if (m_geplant)
        return;
    m_geplant = true;
    QMetaObject::invokeMethod(
        this, [this] { Dispatchen(); }, Qt::QueuedConnection);
}

void TDBusVerbindung::Dispatchen()
{
    m_geplant = false;
    if (m_imDienst || !m_verbindung)
        return;
    m_imDienst = true;
    while (dbus_connection_dispatch(m_verbindung) == DBUS_DISPATCH_DATA_REMAINS) {
    }
    m_imDienst = false;
}
