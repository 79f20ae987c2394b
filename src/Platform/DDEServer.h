#pragma once
// The automation server on the session bus: publishes the topics of the DDE manager
// (MVCFrame/DDEMngr.h) as objects "/<topic>" of the service "de.Tovar.Vantrl32", interface
// "de.Tovar.Vantrl32.Topic".
//
// A conversation is a caller's unique bus name with one topic. It opens with Connect() or the
// caller's first call and closes with Disconnect() or when the caller leaves the bus (also when
// it left before its first call was served); its advise links end with it. Every advised change
// of an item is sent as the signal ItemChanged to each caller that advises the item on that
// topic and to no one else, in change order. Every call is answered at once and in call order:
// nothing the server does for a caller opens a window or runs a nested event loop. A refused
// call (unknown item, text too long, a text the value refused) is answered with a D-Bus error
// carrying the German message and the notices the model gave while serving it: an error means
// that the call changed nothing (but for a calculation that failed after a value was taken,
// whose message says so). A call that was taken is answered as such; its notices go to the
// manager's OnHinweis, for the status line. Nothing is thrown into the event loop. The pages
// show what a call changed within a frame (AenderungsSammler.h).
//
// Names are exact on the bus, as its object paths are: "/lohn" is no topic and "lohnsteuer" no
// item; Request, Poke, StartAdvise and StopAdvise refuse an unknown item alike.
//
// Without a session bus the server stays inactive and the program runs without it. While
// another program owns the name, the server waits in the bus's queue for it, inactive, and
// publishes its topics once the bus hands the name over.
#include "Lib/Event.h"
#include "Platform/AenderungsSammler.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>

#include <map>
#include <set>
#include <string>
#include <utility>

class QDBusServiceWatcher;
class TCustomDDEServerTopic;
class TMVCDDEManager;
class TValueDDEServerTopic;
struct TDDEItem;

inline constexpr const char* kDDEService = "de.Tovar.Vantrl32";
inline constexpr const char* kDDEInterface = "de.Tovar.Vantrl32.Topic";
inline constexpr const char* kDDEFehler = "de.Tovar.Vantrl32.Error";

// The answer of one call: its text, or the message of the refusal.
struct TDDEAntwort {
    bool ok = true;
    QString text;
};

class TDDEServer : public QObject {
    Q_OBJECT
public:
    explicit TDDEServer(TMVCDDEManager& manager,
                        QDBusConnection bus = QDBusConnection::sessionBus(),
                        QObject* parent = nullptr);
    ~TDDEServer() override;

    // Whether this program owns the name and answers (a waiting one, once it has the name).
    bool Aktiv() const { return m_aktiv; }
    int GespraechCount() const { return static_cast<int>(m_gespraeche.size()); }

    // The calls of a caller (its unique bus name) to a topic.
    TDDEAntwort Connect(const QString& caller, const QString& topic);
    TDDEAntwort Disconnect(const QString& caller, const QString& topic);
    TDDEAntwort Request(const QString& caller, const QString& topic, const QString& item);
    TDDEAntwort Poke(const QString& caller, const QString& topic, const QString& item,
                     const QString& text);
    TDDEAntwort Execute(const QString& caller, const QString& topic, const QString& lines);
    TDDEAntwort StartAdvise(const QString& caller, const QString& topic, const QString& item);
    TDDEAntwort StopAdvise(const QString& caller, const QString& topic, const QString& item);

private slots:
    // The bus's NameAcquired: the name we waited for is ours.
    void NameErhalten(const QString& name);

private:
    using TSchluessel = std::pair<QString, std::string>; // caller, topic
    // The name is ours: the topics go on the bus.
    void Veroeffentlichen();
    struct TGespraech {
        std::set<std::string> advise; // item names
    };

    // Runs one call: the conversation opens (unless `oeffnen` is false) and every exception
    // becomes a refusal.
    template <class F>
    TDDEAntwort Aufruf(const QString& caller, const QString& topic, bool oeffnen, F&& arbeit);
    // Opens the conversation; `beobachtet` tells whether the caller has just begun to be watched.
    TValueDDEServerTopic& Oeffnen(const QString& caller, const QString& topic, bool& beobachtet);
    // By value: the key may be the one of the node it erases.
    void Schliessen(TSchluessel schluessel);
    void ClientGegangen(const QString& caller);
    bool CallerDa(const QString& caller) const;
    // The item of exactly that name; EDDEError for any other.
    static const TDDEItem& ExaktesItem(const TValueDDEServerTopic& topic, const QString& item);
    bool HatGespraeche(const QString& caller) const;
    void TopicHinzu(TValueDDEServerTopic& topic);
    void TopicWeg(const std::string& name);
    void ItemGeaendert(const TCustomDDEServerTopic& topic, const TDDEItem& item);

    TMVCDDEManager& m_manager;
    QDBusConnection m_bus;
    bool m_aktiv = false;
    QDBusServiceWatcher* m_watcher = nullptr;
    std::map<TSchluessel, TGespraech> m_gespraeche;
    std::map<std::string, QObject*> m_objekte; // by topic name
    TAenderungsSammler m_aenderungen;
    TEventConnection m_topicHinzu;
    TEventConnection m_topicWeg;
    TEventConnection m_itemGeaendert;
};

// The bus object of one topic: unpacks the call and the caller, answers or refuses.
class TDDETopicObjekt : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "de.Tovar.Vantrl32.Topic")
public:
    TDDETopicObjekt(TDDEServer& server, QString topic, QObject* parent);

public slots:
    void Connect();
    void Disconnect();
    QString Request(const QString& item);
    void Poke(const QString& item, const QString& text);
    void Execute(const QString& lines);
    void StartAdvise(const QString& item);
    void StopAdvise(const QString& item);

signals:
    // Declared for the interface description only: the server sends it to each advising caller.
    void ItemChanged(const QString& item, const QString& text);

private:
    QString Antworten(const TDDEAntwort& antwort);

    TDDEServer& m_server;
    QString m_topic;
};
