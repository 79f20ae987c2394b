#include "Platform/DDEServer.h"

#include "Lib/Meldung.h"
#include "MVCFrame/DDEMngr.h"

#include <dbus/dbus.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Object path elements allow letters, digits and "_" only; other topics cannot be published.
bool AlsPfadMoeglich(std::string_view topic)
{
    return !topic.empty() && std::all_of(topic.begin(), topic.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
               c == '_';
    });
}

// While a call is served, the model's notices are collected for the reply instead of being shown:
// a message box would run a nested event loop inside the call. Questions are declined.
class TMeldungenSammeln {
public:
    TMeldungenSammeln()
        : m_vorher(
              SetMeldungsHook([this](const std::string& text, const std::string&, bool abbrechbar) {
                  m_meldungen += (m_meldungen.empty() ? "" : "\n") + text;
                  return !abbrechbar;
              }))
    {
    }
    ~TMeldungenSammeln() { SetMeldungsHook(std::move(m_vorher)); }
    TMeldungenSammeln(const TMeldungenSammeln&) = delete;
    TMeldungenSammeln& operator=(const TMeldungenSammeln&) = delete;
    const std::string& Meldungen() const { return m_meldungen; }

private:
    std::string m_meldungen;
    TMeldungsHook m_vorher;
};

constexpr const char* kDoctype =
    "<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
    "\"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n<node>\n";
constexpr const char* kTopicSchnittstelle =
    "  <interface name=\"de.Tovar.Vantrl32.Topic\">\n"
    "    <signal name=\"ItemChanged\">\n"
    "      <arg name=\"item\" type=\"s\" direction=\"out\"/>\n"
    "      <arg name=\"text\" type=\"s\" direction=\"out\"/>\n"
    "    </signal>\n"
    "    <method name=\"Connect\">\n"
    "    </method>\n"
    "    <method name=\"Disconnect\">\n"
    "    </method>\n"
    "    <method name=\"Request\">\n"
    "      <arg type=\"s\" direction=\"out\"/>\n"
    "      <arg name=\"item\" type=\"s\" direction=\"in\"/>\n"
    "    </method>\n"
    "    <method name=\"Poke\">\n"
    "      <arg name=\"item\" type=\"s\" direction=\"in\"/>\n"
    "      <arg name=\"text\" type=\"s\" direction=\"in\"/>\n"
    "    </method>\n"
    "    <method name=\"Execute\">\n"
    "      <arg name=\"lines\" type=\"s\" direction=\"in\"/>\n"
    "    </method>\n"
    "    <method name=\"StartAdvise\">\n"
    "      <arg name=\"item\" type=\"s\" direction=\"in\"/>\n"
    "    </method>\n"
    "    <method name=\"StopAdvise\">\n"
    "      <arg name=\"item\" type=\"s\" direction=\"in\"/>\n"
    "    </method>\n"
    "  </interface>\n";
// The library answers Peer itself.
constexpr const char* kBusSchnittstellen =
    "  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
    "    <method name=\"Introspect\">\n"
    "      <arg name=\"xml_data\" type=\"s\" direction=\"out\"/>\n"
    "    </method>\n"
    "  </interface>\n"
    "  <interface name=\"org.freedesktop.DBus.Peer\">\n"
    "    <method name=\"Ping\"/>\n"
    "    <method name=\"GetMachineId\">\n"
    "      <arg name=\"machine_uuid\" type=\"s\" direction=\"out\"/>\n"
    "    </method>\n"
    "  </interface>\n";

bool Gleich(const char* a, const char* b)
{
    return a && std::strcmp(a, b) == 0;
}

// The library refuses (and ends the program on) text that is no UTF-8; the model's texts are
// meant to be, but what was read from old files may not be. `ersatz` holds a mended copy.
const char* Utf8(const std::string& text, std::string& ersatz)
{
    if (dbus_validate_utf8(text.c_str(), nullptr))
        return text.c_str();
    ersatz = QString::fromStdString(text).toStdString();
    return ersatz.c_str();
}

} // namespace

// The library's callbacks.
struct TDDEBusRueckrufe {
    static DBusHandlerResult Objekt(DBusConnection* bus, DBusMessage* ruf, void* daten)
    {
        if (dbus_message_get_type(ruf) != DBUS_MESSAGE_TYPE_METHOD_CALL)
            return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
        // Nothing may unwind through the library; only a lack of memory could get here.
        try {
            static_cast<TDDEServer*>(daten)->Gerufen(ruf);
        } catch (...) {
            DBusMessage* fehler = dbus_message_new_error(
                ruf, kDDEFehler, "Unbekannter Fehler im Automatisierungsserver.");
            if (fehler && !dbus_message_get_no_reply(ruf))
                dbus_connection_send(bus, fehler, nullptr);
            if (fehler)
                dbus_message_unref(fehler);
        }
        return DBUS_HANDLER_RESULT_HANDLED;
    }

    static DBusHandlerResult Filter(DBusConnection*, DBusMessage* nachricht, void* daten)
    {
        if (dbus_message_get_type(nachricht) == DBUS_MESSAGE_TYPE_SIGNAL &&
            dbus_message_has_sender(nachricht, DBUS_SERVICE_DBUS)) {
            try {
                static_cast<TDDEServer*>(daten)->Signal(nachricht);
            } catch (...) {
            }
        }
        return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
    }

    static constexpr DBusObjectPathVTable kObjekt = {nullptr, &Objekt, nullptr,
                                                     nullptr, nullptr, nullptr};
};

TDDEServer::TDDEServer(TMVCDDEManager& manager, QObject* parent)
    : QObject(parent), m_manager(manager)
{
    DBusConnection* bus = m_bus.Handle();
    if (!bus || !dbus_connection_add_filter(bus, &TDDEBusRueckrufe::Filter, this, nullptr))
        return;
    m_filter = true;
    // While another main program has the name, this one waits in the bus's queue and runs
    // without the server; it takes the name over when that program ends. No flags: queued,
    // and not to be replaced by the next one.
    DBusError fehler;
    dbus_error_init(&fehler);
    const int antwort = dbus_bus_request_name(bus, kDDEService, 0, &fehler);
    dbus_error_free(&fehler);
    if (antwort == DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER)
        Veroeffentlichen();
}

void TDDEServer::Signal(DBusMessage* signal)
{
    const char* name = nullptr;
    if (dbus_message_is_signal(signal, DBUS_INTERFACE_DBUS, "NameAcquired")) {
        if (dbus_message_get_args(signal, nullptr, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID) &&
            Gleich(name, kDDEService))
            Veroeffentlichen();
        return;
    }
    const char* alt = nullptr;
    const char* neu = nullptr;
    if (dbus_message_is_signal(signal, DBUS_INTERFACE_DBUS, "NameOwnerChanged") &&
        dbus_message_get_args(signal, nullptr, DBUS_TYPE_STRING, &name, DBUS_TYPE_STRING, &alt,
                              DBUS_TYPE_STRING, &neu, DBUS_TYPE_INVALID) &&
        *neu == '\0')
        ClientGegangen(name);
}

void TDDEServer::Veroeffentlichen()
{
    if (m_aktiv)
        return;
    m_aktiv = true;
    // Every other path: "/" lists the topics, the rest is no object.
    dbus_connection_register_fallback(m_bus.Handle(), "/", &TDDEBusRueckrufe::kObjekt, this);
    for (int i = 0; i < m_manager.TopicCount(); ++i)
        TopicHinzu(m_manager.Topic(i));
    m_topicHinzu =
        m_manager.OnTopicAdded.Connect([this](TValueDDEServerTopic& topic) { TopicHinzu(topic); });
    m_topicWeg =
        m_manager.OnTopicRemoved.Connect([this](const std::string& name) { TopicWeg(name); });
    m_itemGeaendert = m_manager.OnItemChanged.Connect(
        [this](const TCustomDDEServerTopic& topic, const TDDEItem& item) {
            ItemGeaendert(topic, item);
        });
}

TDDEServer::~TDDEServer()
{
    m_topicHinzu.Disconnect();
    m_topicWeg.Disconnect();
    m_itemGeaendert.Disconnect();
    // The open conversations end with the server, so that the counts stay true.
    while (!m_gespraeche.empty())
        Schliessen(m_gespraeche.begin()->first);
    DBusConnection* bus = m_bus.Handle();
    if (!m_filter)
        return;
    for (const std::string& name : m_objekte)
        dbus_connection_unregister_object_path(bus, ('/' + name).c_str());
    if (m_aktiv)
        dbus_connection_unregister_object_path(bus, "/");
    dbus_connection_remove_filter(bus, &TDDEBusRueckrufe::Filter, this);
    // Also leaves the queue of a program still waiting for the name. Waited for, so that the
    // next server asking for the name finds it free.
    DBusError fehler;
    dbus_error_init(&fehler);
    dbus_bus_release_name(bus, kDDEService, &fehler);
    dbus_error_free(&fehler);
}

template <class F>
TDDEServer::TErgebnis TDDEServer::Aufruf(std::string_view caller, std::string_view topic,
                                         bool oeffnen, F&& arbeit)
{
    bool beobachtet = false;
    const std::string wer(caller);
    TErgebnis antwort;
    try {
        TValueDDEServerTopic* t = m_manager.FindTopic(topic);
        if (!t)
            throw EDDEError("Das Thema \"" + std::string(topic) + "\" gibt es nicht.");
        if (oeffnen)
            Oeffnen(wer, *t, beobachtet);
        TGespraech* gespraech = nullptr;
        if (const auto it = m_gespraeche.find({wer, t->Name()}); it != m_gespraeche.end())
            gespraech = &it->second;
        const TMeldungenSammeln meldungen;
        const TAenderungsSammler::TAufruf aenderungen(m_aenderungen);
        try {
            antwort.text = arbeit(*t, gespraech);
        } catch (const std::exception& e) {
            // A refusal: the notices that came with it say why.
            std::string text = e.what();
            if (!meldungen.Meldungen().empty())
                text += "\n" + meldungen.Meldungen();
            throw EDDEError(text);
        }
        // Taken: the notices go to the status line, the reply is success.
        if (!meldungen.Meldungen().empty())
            m_manager.OnHinweis(meldungen.Meldungen());
    } catch (const std::exception& e) {
        antwort = TErgebnis{false, e.what()};
    } catch (...) {
        antwort = TErgebnis{false, "Unbekannter Fehler im Automatisierungsserver."};
    }
    // A caller that left before its first call was served sends no name-owner change any more:
    // once it is watched, the bus is asked whether it is still there. Its call has been served
    // (a poke sent without waiting for the reply still counts).
    if (beobachtet && !CallerDa(wer))
        ClientGegangen(wer);
    return antwort;
}

void TDDEServer::Oeffnen(const std::string& caller, TValueDDEServerTopic& topic, bool& beobachtet)
{
    TSchluessel schluessel{caller, topic.Name()};
    if (m_gespraeche.count(schluessel) > 0)
        return;
    beobachtet =
        m_aktiv && dbus_validate_bus_name(caller.c_str(), nullptr) && !HatGespraeche(caller);
    if (beobachtet)
        Beobachten(caller, true);
    m_gespraeche.emplace(std::move(schluessel), TGespraech{});
    topic.Connect();
}

void TDDEServer::Beobachten(const std::string& caller, bool an)
{
    // Without waiting for the bus: it has taken the rule before it answers the next call.
    const std::string regel = "type='signal',sender='" DBUS_SERVICE_DBUS "',path='" DBUS_PATH_DBUS
                              "',interface='" DBUS_INTERFACE_DBUS
                              "',member='NameOwnerChanged',arg0='" +
                              caller + "'";
    if (an)
        dbus_bus_add_match(m_bus.Handle(), regel.c_str(), nullptr);
    else
        dbus_bus_remove_match(m_bus.Handle(), regel.c_str(), nullptr);
}

bool TDDEServer::CallerDa(const std::string& caller)
{
    // Blocking without an event loop: the bus itself answers at once. What arrives meanwhile
    // is dispatched after this call.
    DBusError fehler;
    dbus_error_init(&fehler);
    const bool da = dbus_bus_name_has_owner(m_bus.Handle(), caller.c_str(), &fehler);
    const bool gefragt = !dbus_error_is_set(&fehler);
    dbus_error_free(&fehler);
    return !gefragt || da;
}

void TDDEServer::Schliessen(TSchluessel schluessel)
{
    if (m_gespraeche.erase(schluessel) == 0)
        return;
    if (m_aktiv && !HatGespraeche(schluessel.first) &&
        dbus_validate_bus_name(schluessel.first.c_str(), nullptr))
        Beobachten(schluessel.first, false);
    if (TValueDDEServerTopic* t = m_manager.FindTopic(schluessel.second))
        t->Disconnect();
}

bool TDDEServer::HatGespraeche(const std::string& caller) const
{
    const auto it = m_gespraeche.lower_bound({caller, std::string()});
    return it != m_gespraeche.end() && it->first.first == caller;
}

void TDDEServer::ClientGegangen(const std::string& caller)
{
    std::vector<TSchluessel> weg;
    for (const auto& [schluessel, gespraech] : m_gespraeche) {
        if (schluessel.first == caller)
            weg.push_back(schluessel);
    }
    for (const TSchluessel& schluessel : weg)
        Schliessen(schluessel);
}

TDDEServer::TErgebnis TDDEServer::Bedienen(TMethode methode, std::string_view caller,
                                           std::string_view topic, std::string_view a,
                                           std::string_view b)
{
    switch (methode) {
    case TMethode::Connect:
        return Aufruf(caller, topic, true,
                      [](TValueDDEServerTopic&, TGespraech*) { return std::string(); });
    case TMethode::Disconnect:
        return Aufruf(caller, topic, false, [&](TValueDDEServerTopic& t, TGespraech*) {
            Schliessen({std::string(caller), t.Name()});
            return std::string();
        });
    case TMethode::Request:
        return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech*) {
            return t.Request(ExaktesItem(t, a).name);
        });
    case TMethode::Poke:
        return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech*) {
            t.Poke(ExaktesItem(t, a).name, b);
            return std::string();
        });
    case TMethode::Execute:
        return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech*) {
            t.Execute(a);
            return std::string();
        });
    case TMethode::StartAdvise:
        return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech* gespraech) {
            gespraech->advise.insert(ExaktesItem(t, a).name);
            return std::string();
        });
    case TMethode::StopAdvise:
        return Aufruf(caller, topic, false, [&](TValueDDEServerTopic& t, TGespraech* gespraech) {
            const std::string& name = ExaktesItem(t, a).name;
            if (gespraech)
                gespraech->advise.erase(name);
            return std::string();
        });
    }
    return {false, "Unbekannter Fehler im Automatisierungsserver."};
}

TDDEAntwort TDDEServer::Beantworten(TMethode methode, const QString& caller, const QString& topic,
                                    const QString& a, const QString& b)
{
    const TErgebnis ergebnis = Bedienen(methode, caller.toStdString(), topic.toStdString(),
                                        a.toStdString(), b.toStdString());
    return {ergebnis.ok, QString::fromStdString(ergebnis.text)};
}

TDDEAntwort TDDEServer::Connect(const QString& caller, const QString& topic)
{
    return Beantworten(TMethode::Connect, caller, topic);
}

TDDEAntwort TDDEServer::Disconnect(const QString& caller, const QString& topic)
{
    return Beantworten(TMethode::Disconnect, caller, topic);
}

TDDEAntwort TDDEServer::Request(const QString& caller, const QString& topic, const QString& item)
{
    return Beantworten(TMethode::Request, caller, topic, item);
}

TDDEAntwort TDDEServer::Poke(const QString& caller, const QString& topic, const QString& item,
                             const QString& text)
{
    return Beantworten(TMethode::Poke, caller, topic, item, text);
}

TDDEAntwort TDDEServer::Execute(const QString& caller, const QString& topic, const QString& lines)
{
    return Beantworten(TMethode::Execute, caller, topic, lines);
}

TDDEAntwort TDDEServer::StartAdvise(const QString& caller, const QString& topic,
                                    const QString& item)
{
    return Beantworten(TMethode::StartAdvise, caller, topic, item);
}

TDDEAntwort TDDEServer::StopAdvise(const QString& caller, const QString& topic, const QString& item)
{
    return Beantworten(TMethode::StopAdvise, caller, topic, item);
}

const TDDEItem& TDDEServer::ExaktesItem(const TValueDDEServerTopic& topic, std::string_view item)
{
    const TDDEItem* gefunden = topic.FindItem(item);
    if (!gefunden || gefunden->name != item)
        topic.Unbekannt(item);
    return *gefunden;
}

std::string TDDEServer::Beschreibung(std::string_view topic) const
{
    std::string xml = kDoctype;
    if (topic.empty()) {
        xml += kBusSchnittstellen;
        for (const std::string& name : m_objekte)
            xml += "  <node name=\"" + name + "\"/>\n";
    } else {
        xml += kTopicSchnittstelle;
        xml += kBusSchnittstellen;
    }
    return xml + "</node>\n";
}

void TDDEServer::Gerufen(DBusMessage* ruf)
{
    struct TEintrag {
        const char* name;
        const char* signatur;
        TMethode methode;
    };
    static constexpr TEintrag kMethoden[] = {
        {"Connect", "", TMethode::Connect},        {"Disconnect", "", TMethode::Disconnect},
        {"Request", "s", TMethode::Request},       {"Poke", "ss", TMethode::Poke},
        {"Execute", "s", TMethode::Execute},       {"StartAdvise", "s", TMethode::StartAdvise},
        {"StopAdvise", "s", TMethode::StopAdvise},
    };
    const char* pfad = dbus_message_get_path(ruf);
    const char* schnittstelle = dbus_message_get_interface(ruf);
    const char* methode = dbus_message_get_member(ruf);
    const char* signatur = dbus_message_get_signature(ruf);
    const std::string_view topic = pfad + 1; // empty for "/"
    DBusMessage* antwort = nullptr;
    if (!topic.empty() && m_objekte.count(topic) == 0) {
        const std::string text = std::string("No such object path '") + pfad + "'";
        antwort = dbus_message_new_error(ruf, DBUS_ERROR_UNKNOWN_OBJECT, text.c_str());
    } else if ((!schnittstelle || Gleich(schnittstelle, DBUS_INTERFACE_INTROSPECTABLE)) &&
               Gleich(methode, "Introspect") && *signatur == '\0') {
        const std::string xml = Beschreibung(topic);
        const char* text = xml.c_str();
        antwort = dbus_message_new_method_return(ruf);
        if (antwort)
            dbus_message_append_args(antwort, DBUS_TYPE_STRING, &text, DBUS_TYPE_INVALID);
    } else if (!topic.empty() && (!schnittstelle || Gleich(schnittstelle, kDDEInterface))) {
        const auto* eintrag =
            std::find_if(std::begin(kMethoden), std::end(kMethoden),
                         [&](const TEintrag& e) { return Gleich(methode, e.name); });
        if (eintrag != std::end(kMethoden) && Gleich(signatur, eintrag->signatur)) {
            const char* args[2] = {"", ""};
            DBusMessageIter it;
            if (dbus_message_iter_init(ruf, &it)) {
                dbus_message_iter_get_basic(&it, &args[0]);
                if (dbus_message_iter_next(&it))
                    dbus_message_iter_get_basic(&it, &args[1]);
            }
            const char* sender = dbus_message_get_sender(ruf);
            const TErgebnis ergebnis =
                Bedienen(eintrag->methode, sender ? sender : "", topic, args[0], args[1]);
            if (dbus_message_get_no_reply(ruf))
                return;
            std::string ersatz;
            const char* wert = Utf8(ergebnis.text, ersatz);
            if (!ergebnis.ok) {
                antwort = dbus_message_new_error(ruf, kDDEFehler, wert);
            } else {
                antwort = dbus_message_new_method_return(ruf);
                if (antwort && eintrag->methode == TMethode::Request)
                    dbus_message_append_args(antwort, DBUS_TYPE_STRING, &wert, DBUS_TYPE_INVALID);
            }
        } else {
            const std::string text = std::string("No such method '") + methode +
                                     "' in interface '" + kDDEInterface + "' at object path '" +
                                     pfad + "' (signature '" + signatur + "')";
            antwort = dbus_message_new_error(ruf, DBUS_ERROR_UNKNOWN_METHOD, text.c_str());
        }
    } else {
        const std::string text = std::string("No such interface '") +
                                 (schnittstelle ? schnittstelle : "") + "' at object path '" +
                                 pfad + "'";
        antwort = dbus_message_new_error(ruf, DBUS_ERROR_UNKNOWN_INTERFACE, text.c_str());
    }
    if (!antwort || dbus_message_get_no_reply(ruf)) {
        if (antwort)
            dbus_message_unref(antwort);
        return;
    }
    dbus_connection_send(m_bus.Handle(), antwort, nullptr);
    dbus_message_unref(antwort);
}

void TDDEServer::TopicHinzu(TValueDDEServerTopic& topic)
{
    const std::string& name = topic.Name();
    if (!AlsPfadMoeglich(name) || m_objekte.count(name) > 0)
        return;
    if (dbus_connection_register_object_path(m_bus.Handle(), ('/' + name).c_str(),
                                             &TDDEBusRueckrufe::kObjekt, this))
        m_objekte.insert(name);
}

void TDDEServer::TopicWeg(const std::string& name)
{
    // The manager has closed the topic's conversations already.
    for (auto it = m_gespraeche.begin(); it != m_gespraeche.end();) {
        const std::string caller = it->first.first;
        if (it->first.second != name) {
            ++it;
            continue;
        }
        it = m_gespraeche.erase(it);
        if (!HatGespraeche(caller) && dbus_validate_bus_name(caller.c_str(), nullptr))
            Beobachten(caller, false);
    }
    // The call being answered may come from this very object: the library holds on to what it
    // dispatches to until the call returns.
    if (m_objekte.erase(name) > 0)
        dbus_connection_unregister_object_path(m_bus.Handle(), ('/' + name).c_str());
}

void TDDEServer::ItemGeaendert(const TCustomDDEServerTopic& topic, const TDDEItem& item)
{
    if (m_objekte.count(topic.Name()) == 0)
        return;
    // One signal per advise link, addressed to its caller: no other process hears the value.
    // Most changes have no link: the texts are made for the first one only.
    std::string pfad;
    std::string ersatz;
    const char* wert = nullptr;
    for (const auto& [schluessel, gespraech] : m_gespraeche) {
        if (schluessel.second != topic.Name() || gespraech.advise.count(item.name) == 0 ||
            !dbus_validate_bus_name(schluessel.first.c_str(), nullptr))
            continue;
        if (pfad.empty()) {
            pfad = '/' + topic.Name();
            wert = Utf8(item.text, ersatz);
        }
        DBusMessage* signal = dbus_message_new_signal(pfad.c_str(), kDDEInterface, "ItemChanged");
        if (!signal)
            continue;
        const char* name = item.name.c_str();
        if (dbus_message_set_destination(signal, schluessel.first.c_str()) &&
            dbus_message_append_args(signal, DBUS_TYPE_STRING, &name, DBUS_TYPE_STRING, &wert,
                                     DBUS_TYPE_INVALID))
            dbus_connection_send(m_bus.Handle(), signal, nullptr);
        dbus_message_unref(signal);
    }
}
