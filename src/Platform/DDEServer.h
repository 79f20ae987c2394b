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
//
// The server has a bus connection of its own, read and served on the main thread
// (DBusVerbindung.h): a call is answered in the turn of the event loop that read it. Besides the
// interface, every object answers Introspect with it (and "/" with the topics); a call of an
// unknown method or with other arguments than the method takes is refused with the bus's
// UnknownMethod error and changes nothing.
#include "Lib/Event.h"
#include "Platform/AenderungsSammler.h"
#include "Platform/DBusVerbindung.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

struct DBusMessage;
struct TDDEBusRueckrufe;
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
    explicit TDDEServer(TMVCDDEManager& manager, QObject* parent = nullptr);
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

private:
    friend struct TDDEBusRueckrufe;

    enum class TMethode { Connect, Disconnect, Request, Poke, Execute, StartAdvise, StopAdvise };
    // The answer as it goes on the bus: UTF-8.
    struct TErgebnis {
        bool ok = true;
        std::string text;
    };
    using TSchluessel = std::pair<std::string, std::string>; // caller, topic
    struct TGespraech {
        std::set<std::string> advise; // item names
    };

    // One call; `a` and `b` are the method's arguments, as many as it takes.
    TErgebnis Bedienen(TMethode methode, std::string_view caller, std::string_view topic,
                       std::string_view a = {}, std::string_view b = {});
    // The same for the public calls, in Qt's strings.
    TDDEAntwort Beantworten(TMethode methode, const QString& caller, const QString& topic,
                            const QString& a = {}, const QString& b = {});
    // Runs one call: the conversation opens (unless `oeffnen` is false) and every exception
    // becomes a refusal.
    template <class F>
    TErgebnis Aufruf(std::string_view caller, std::string_view topic, bool oeffnen, F&& arbeit);
    // Opens the conversation; `beobachtet` tells whether the caller has just begun to be watched.
    void Oeffnen(const std::string& caller, TValueDDEServerTopic& topic, bool& beobachtet);
    // By value: the key may be the one of the node it erases.
    void Schliessen(TSchluessel schluessel);
    void ClientGegangen(const std::string& caller);
    bool HatGespraeche(const std::string& caller) const;
    // The item of exactly that name; EDDEError for any other.
    static const TDDEItem& ExaktesItem(const TValueDDEServerTopic& topic, std::string_view item);

    // The name is ours: the topics go on the bus.
    void Veroeffentlichen();
    void TopicHinzu(TValueDDEServerTopic& topic);
    void TopicWeg(const std::string& name);
    void ItemGeaendert(const TCustomDDEServerTopic& topic, const TDDEItem& item);
    // The bus tells when the caller leaves (or stops telling).
    void Beobachten(const std::string& caller, bool an);
    bool CallerDa(const std::string& caller);
    // What Introspect answers for "/<topic>", or for "/" (empty `topic`).
    std::string Beschreibung(std::string_view topic) const;
    // A method call to "/<topic>" or any other path: served and answered, or refused.
    void Gerufen(DBusMessage* ruf);
    // A signal of the bus itself: the name handed over, a watched caller gone.
    void Signal(DBusMessage* signal);

    TMVCDDEManager& m_manager;
    // First, so that it goes last: the conversations end before the connection does.
    TDBusVerbindung m_bus;
    bool m_filter = false; // there is a bus, and the server hears its signals
    bool m_aktiv = false;
    std::map<TSchluessel, TGespraech> m_gespraeche;
    std::set<std::string, std::less<>> m_objekte; // the published topics
    TAenderungsSammler m_aenderungen;
    TEventConnection m_topicHinzu;
    TEventConnection m_topicWeg;
    TEventConnection m_itemGeaendert;
};
