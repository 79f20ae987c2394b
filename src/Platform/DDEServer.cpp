#include "Platform/DDEServer.h"

#include "Lib/Meldung.h"
#include "MVCFrame/DDEMngr.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QRegularExpression>

#include <vector>

namespace {

// Object path elements allow letters, digits and "_" only; other topics cannot be published.
bool AlsPfadMoeglich(const QString& topic)
{
    static const QRegularExpression kElement(QStringLiteral("^[A-Za-z0-9_]+$"));
    return kElement.match(topic).hasMatch();
}

// While a call is served, the model's notices are collected for the reply instead of being shown:
// a message box would run a nested event loop inside the call. Questions are declined.
class TMeldungenSammeln {
public:
    TMeldungenSammeln()
        : m_vorher(SetMeldungsHook([this](const std::string& text, const std::string&,
                                          bool abbrechbar) {
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

} // namespace

TDDEServer::TDDEServer(TMVCDDEManager& manager, QDBusConnection bus, QObject* parent)
    : QObject(parent), m_manager(manager), m_bus(std::move(bus))
{
    if (!m_bus.isConnected() || !m_bus.interface())
        return;
    // While another main program has the name, this one waits in the bus's queue and runs
    // without the server; it takes the name over when that program ends.
    m_bus.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                  QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameAcquired"), this,
                  SLOT(NameErhalten(QString)));
    const auto antwort =
        m_bus.interface()->registerService(kDDEService, QDBusConnectionInterface::QueueService,
                                           QDBusConnectionInterface::DontAllowReplacement);
    if (antwort.isValid() && antwort.value() == QDBusConnectionInterface::ServiceRegistered)
        Veroeffentlichen();
}

void TDDEServer::NameErhalten(const QString& name)
{
    if (name == kDDEService)
        Veroeffentlichen();
}

void TDDEServer::Veroeffentlichen()
{
    if (m_aktiv)
        return;
    m_aktiv = true;
    m_watcher = new QDBusServiceWatcher(this);
    m_watcher->setConnection(m_bus);
    m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this,
            &TDDEServer::ClientGegangen);
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
    for (const auto& [name, objekt] : m_objekte)
        m_bus.unregisterObject('/' + QString::fromStdString(name));
    // Also leaves the queue of a program still waiting for the name.
    if (m_bus.isConnected() && m_bus.interface())
        m_bus.interface()->unregisterService(kDDEService);
}

template <class F>
TDDEAntwort TDDEServer::Aufruf(const QString& caller, const QString& topic, bool oeffnen,
                               F&& arbeit)
{
    bool beobachtet = false;
    TDDEAntwort antwort;
    try {
        TValueDDEServerTopic* t = m_manager.FindTopic(topic.toStdString());
        if (!t)
            throw EDDEError("Das Thema \"" + topic.toStdString() + "\" gibt es nicht.");
        if (oeffnen)
            t = &Oeffnen(caller, topic, beobachtet);
        TGespraech* gespraech = nullptr;
        if (const auto it = m_gespraeche.find({caller, t->Name()}); it != m_gespraeche.end())
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
        antwort = TDDEAntwort{false, QString::fromStdString(e.what())};
    } catch (...) {
        antwort = TDDEAntwort{false, QStringLiteral("Unbekannter Fehler im Automatisierungsserver.")};
    }
    // A caller that left before its first call was served sends no name-owner change any more:
    // once it is watched, the bus is asked whether it is still there. Its call has been served
    // (a poke sent without waiting for the reply still counts).
    if (beobachtet && !CallerDa(caller))
        ClientGegangen(caller);
    return antwort;
}

TValueDDEServerTopic& TDDEServer::Oeffnen(const QString& caller, const QString& topic,
                                          bool& beobachtet)
{
    TValueDDEServerTopic* t = m_manager.FindTopic(topic.toStdString());
    const TSchluessel schluessel{caller, t->Name()};
    if (m_gespraeche.count(schluessel) == 0) {
        beobachtet = m_watcher && !caller.isEmpty() && !HatGespraeche(caller);
        if (beobachtet)
            m_watcher->addWatchedService(caller);
        m_gespraeche.emplace(schluessel, TGespraech{});
        t->Connect();
    }
    return *t;
}

bool TDDEServer::CallerDa(const QString& caller) const
{
    QDBusMessage frage = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    frage << caller;
    // Blocking without an event loop: the bus itself answers at once.
    const QDBusMessage antwort = m_bus.call(frage, QDBus::Block);
    return antwort.type() != QDBusMessage::ReplyMessage ||
           antwort.arguments().value(0).toBool();
}

void TDDEServer::Schliessen(TSchluessel schluessel)
{
    if (m_gespraeche.erase(schluessel) == 0)
        return;
    if (m_watcher && !HatGespraeche(schluessel.first))
        m_watcher->removeWatchedService(schluessel.first);
    if (TValueDDEServerTopic* t = m_manager.FindTopic(schluessel.second))
        t->Disconnect();
}

bool TDDEServer::HatGespraeche(const QString& caller) const
{
    const auto it = m_gespraeche.lower_bound({caller, std::string()});
    return it != m_gespraeche.end() && it->first.first == caller;
}

void TDDEServer::ClientGegangen(const QString& caller)
{
    std::vector<TSchluessel> weg;
    for (const auto& [schluessel, gespraech] : m_gespraeche) {
        if (schluessel.first == caller)
            weg.push_back(schluessel);
    }
    for (const TSchluessel& schluessel : weg)
        Schliessen(schluessel);
}

TDDEAntwort TDDEServer::Connect(const QString& caller, const QString& topic)
{
    return Aufruf(caller, topic, true,
                  [](TValueDDEServerTopic&, TGespraech*) { return QString(); });
}

TDDEAntwort TDDEServer::Disconnect(const QString& caller, const QString& topic)
{
    return Aufruf(caller, topic, false, [&](TValueDDEServerTopic& t, TGespraech*) {
        Schliessen({caller, t.Name()});
        return QString();
    });
}

TDDEAntwort TDDEServer::Request(const QString& caller, const QString& topic, const QString& item)
{
    return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech*) {
        return QString::fromStdString(t.Request(ExaktesItem(t, item).name));
    });
}

TDDEAntwort TDDEServer::Poke(const QString& caller, const QString& topic, const QString& item,
                             const QString& text)
{
    return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech*) {
        t.Poke(ExaktesItem(t, item).name, text.toStdString());
        return QString();
    });
}

TDDEAntwort TDDEServer::Execute(const QString& caller, const QString& topic, const QString& lines)
{
    return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech*) {
        t.Execute(lines.toStdString());
        return QString();
    });
}

TDDEAntwort TDDEServer::StartAdvise(const QString& caller, const QString& topic,
                                    const QString& item)
{
    return Aufruf(caller, topic, true, [&](TValueDDEServerTopic& t, TGespraech* gespraech) {
        gespraech->advise.insert(ExaktesItem(t, item).name);
        return QString();
    });
}

TDDEAntwort TDDEServer::StopAdvise(const QString& caller, const QString& topic, const QString& item)
{
    return Aufruf(caller, topic, false, [&](TValueDDEServerTopic& t, TGespraech* gespraech) {
        const std::string& name = ExaktesItem(t, item).name;
        if (gespraech)
            gespraech->advise.erase(name);
        return QString();
    });
}

const TDDEItem& TDDEServer::ExaktesItem(const TValueDDEServerTopic& topic, const QString& item)
{
    const std::string name = item.toStdString();
    const TDDEItem* gefunden = topic.FindItem(name);
    if (!gefunden || gefunden->name != name)
        topic.Unbekannt(name);
    return *gefunden;
}

void TDDEServer::TopicHinzu(TValueDDEServerTopic& topic)
{
    const QString name = QString::fromStdString(topic.Name());
    if (!AlsPfadMoeglich(name) || m_objekte.count(topic.Name()) > 0)
        return;
    auto* objekt = new TDDETopicObjekt(*this, name, this);
    if (!m_bus.registerObject('/' + name, objekt,
                              QDBusConnection::ExportAllSlots |
                                  QDBusConnection::ExportAllSignals)) {
        delete objekt;
        return;
    }
    m_objekte[topic.Name()] = objekt;
}

void TDDEServer::TopicWeg(const std::string& name)
{
    // The manager has closed the topic's conversations already.
    for (auto it = m_gespraeche.begin(); it != m_gespraeche.end();) {
        const QString caller = it->first.first;
        if (it->first.second != name) {
            ++it;
            continue;
        }
        it = m_gespraeche.erase(it);
        if (m_watcher && !HatGespraeche(caller))
            m_watcher->removeWatchedService(caller);
    }
    const auto it = m_objekte.find(name);
    if (it == m_objekte.end())
        return;
    m_bus.unregisterObject('/' + QString::fromStdString(name));
    it->second->deleteLater(); // the call being answered may come from this very object
    m_objekte.erase(it);
}

void TDDEServer::ItemGeaendert(const TCustomDDEServerTopic& topic, const TDDEItem& item)
{
    if (m_objekte.count(topic.Name()) == 0)
        return;
    // One signal per advise link, addressed to its caller: no other process hears the value.
    // Most changes have no link: the texts are made for the first one only.
    QString pfad;
    QString name;
    QString text;
    for (const auto& [schluessel, gespraech] : m_gespraeche) {
        if (schluessel.second != topic.Name() || gespraech.advise.count(item.name) == 0)
            continue;
        if (pfad.isEmpty()) {
            pfad = '/' + QString::fromStdString(topic.Name());
            name = QString::fromStdString(item.name);
            text = QString::fromStdString(item.text);
        }
        QDBusMessage signal = QDBusMessage::createTargetedSignal(
            schluessel.first, pfad, kDDEInterface, QStringLiteral("ItemChanged"));
        signal << name << text;
        m_bus.send(signal);
    }
}

TDDETopicObjekt::TDDETopicObjekt(TDDEServer& server, QString topic, QObject* parent)
    : QObject(parent), m_server(server), m_topic(std::move(topic))
{
}

QString TDDETopicObjekt::Antworten(const TDDEAntwort& antwort)
{
    if (!antwort.ok)
        sendErrorReply(kDDEFehler, antwort.text);
    return antwort.text;
}

void TDDETopicObjekt::Connect()
{
    Antworten(m_server.Connect(message().service(), m_topic));
}

void TDDETopicObjekt::Disconnect()
{
    Antworten(m_server.Disconnect(message().service(), m_topic));
}

QString TDDETopicObjekt::Request(const QString& item)
{
    return Antworten(m_server.Request(message().service(), m_topic, item));
}

void TDDETopicObjekt::Poke(const QString& item, const QString& text)
{
    Antworten(m_server.Poke(message().service(), m_topic, item, text));
}

void TDDETopicObjekt::Execute(const QString& lines)
{
    Antworten(m_server.Execute(message().service(), m_topic, lines));
}

void TDDETopicObjekt::StartAdvise(const QString& item)
{
    Antworten(m_server.StartAdvise(message().service(), m_topic, item));
}

void TDDETopicObjekt::StopAdvise(const QString& item)
{
    Antworten(m_server.StopAdvise(message().service(), m_topic, item));
}
