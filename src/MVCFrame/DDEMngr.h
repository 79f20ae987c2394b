#pragma once
// The automation server of the data sets, without any transport:
//   TMVCDDEManager        publishes data sets as topics, counts conversations and busy work,
//                         keeps the items current from the registry's change event;
//   TValueDDEServerTopic  one published data set: its items in value order plus "TopicItemList";
//   TServerTopicDaten     the data set of the fixed topic "System".
// A transport (Platform/DDEServer.h for D-Bus) calls Connect/Disconnect, Request, Poke and
// Execute on a topic, and listens to OnTopicAdded, OnTopicRemoved and OnItemChanged to publish
// topics and to advise its clients. An item takes its value's text once the changes have settled
// (after the calculation), so a client hears each final text once and no intermediate one.
// Everything runs on one thread.
#include "Lib/Event.h"
#include "Lib/Exception.h"
#include "Lib/Singleton.h"
#include "MVCFrame/Daten.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TMVCDDEManager;
class TString;

// A refused request, poke or execute: the transport answers it with a negative acknowledgement.
class EDDEError : public Exception {
public:
    using Exception::Exception;
};

// The longest text a client may send (poke or execute); longer ones are refused unread.
inline constexpr std::size_t kDDEMaxText = 64 * 1024;

// One item of a topic: its name, its text and the value it shows (none for "TopicItemList").
struct TDDEItem {
    std::string name;
    std::string text;
    TValue* value = nullptr;
    bool vorgemerkt = false; // its value changed; the text follows once the changes settle
};

class TCustomDDEServerTopic {
public:
    TCustomDDEServerTopic(TMVCDDEManager& manager, std::string name);
    virtual ~TCustomDDEServerTopic() = default;
    TCustomDDEServerTopic(const TCustomDDEServerTopic&) = delete;
    TCustomDDEServerTopic& operator=(const TCustomDDEServerTopic&) = delete;

    const std::string& Name() const { return m_name; }
    int ConnectionCount() const { return m_connections; }
    // "TopicItemList", then a tab and the name of every item.
    const std::string& TopicItemList() const { return m_items.front().text; }

    // Every item, "TopicItemList" first; names compare case-insensitively.
    const std::vector<TDDEItem>& Items() const { return m_items; }
    const TDDEItem* FindItem(std::string_view name) const;
    // The refusal of an item that the topic does not have.
    [[noreturn]] void Unbekannt(std::string_view name) const;

    // A client's conversation with this topic opens and closes.
    void Connect();
    void Disconnect();

    // The item's text; EDDEError for an unknown item. OnRequest follows.
    std::string Request(std::string_view item);
    // New text for an item's value (SetAsString); EDDEError for an unknown item, a text too
    // long, a read-only or computed value, and a text the value refuses (it keeps its content).
    // A text taken whose calculation then fails is an EDDEError too: its message says that the
    // value stays taken.
    void Poke(std::string_view item, std::string_view text);
    // Value commands, one per line: "COMMAND NAME=PARAMETER". Lines that name no value are
    // ignored. The first line whose value refuses its change ("SET", "CLEAR", "DELETE") ends
    // the string with an EDDEError naming it; the lines before it stay done. A calculation that
    // fails after the lines is reported as by Poke.
    void Execute(std::string_view lines);

protected:
    TDDEItem& AddItem(std::string name, std::string text, TValue* value);
    // Sets the item's text and advises it, also when it is unchanged.
    void SetItemText(TDDEItem& item, std::string text);
    // The value of the item changed: its text is brought up to date once the changes settle.
    void Vormerken(TDDEItem& item);
    TDDEItem* Find(std::string_view name);
    TDDEItem* FindValueItem(const TValue& value);

private:
    friend class TMVCDDEManager;
    // Runs `setzen` on the value: false when the value refused it. An exception after the value
    // was taken, and a failure of its calculation, become the EDDEError of BerechnungGescheitert.
    template <class F> bool Setzen(TValue& value, const std::string& uebernommen, F&& setzen);
    void BerechnungPruefen(const TValue& value, const std::string& uebernommen);
    [[noreturn]] void BerechnungGescheitert(const std::string& meldung,
                                            const std::string& uebernommen);

    TMVCDDEManager& m_manager;
    std::string m_name;
    std::vector<TDDEItem> m_items;
    int m_connections = 0;
};

class TValueDDEServerTopic : public TCustomDDEServerTopic {
public:
    TValueDDEServerTopic(TMVCDDEManager& manager, TDaten& daten);
    int ItemCount() const { return static_cast<int>(Items().size()) - 1; }
    TDaten& Daten() const { return m_daten; }
    // The registry reported a change of one of the data set's values.
    void ValueChanged(TValue& value);

private:
    TDaten& m_daten;
};

class TServerTopicDaten : public TDaten {
public:
    using TDaten::TDaten;
    TString* Topics = nullptr;
    TString* SysItems = nullptr;
    TString* Formats = nullptr;
    TString* Status = nullptr;

protected:
    void CreateValues() override;
};

class TMVCDDEManager {
public:
    ~TMVCDDEManager();
    TMVCDDEManager(const TMVCDDEManager&) = delete;
    TMVCDDEManager& operator=(const TMVCDDEManager&) = delete;

    // Publishes the data set as a topic named like it; a data set published already is ignored.
    void RegisterTopic(TDaten& daten);
    bool HasConnections() const { return m_connections > 0; }
    int ConnectionCount() const { return m_connections; }
    int BusyCount() const { return m_busy; }
    void BeginBusy();
    void EndBusy();

    int TopicCount() const { return static_cast<int>(m_topics.size()); }
    TValueDDEServerTopic& Topic(int index) const { return *m_topics.at(index); }
    // By name, case-insensitively; nullptr when absent.
    TValueDDEServerTopic* FindTopic(std::string_view name) const;
    TServerTopicDaten& SystemDaten() const { return *m_system; }

    TEvent<> OnBeforeChange;
    TEvent<> OnRequest;
    TEvent<> OnDisconnect;
    TEvent<> OnConnect;
    // A text for the status line: the failure of a calculation after a client's change, or a
    // notice that came with a value a client changed.
    TEvent<const std::string&> OnHinweis;

    // For the transport: a topic came or went, an item's text was set.
    TEvent<TValueDDEServerTopic&> OnTopicAdded;
    TEvent<const std::string&> OnTopicRemoved;
    TEvent<const TCustomDDEServerTopic&, const TDDEItem&> OnItemChanged;

private:
    friend class TSingleton<TMVCDDEManager>;
    friend class TCustomDDEServerTopic;
    TMVCDDEManager();
    void ValueChanged(TDaten* daten, TValue* value);
    // Advises the final text of every item whose value changed, once, in change order.
    void Nachreichen() noexcept;
    void DatenUnregistered(TDaten* daten);
    void TopicsNeuSchreiben();
    void Connected(TCustomDDEServerTopic& topic);
    void Disconnected(TCustomDDEServerTopic& topic);

    int m_connections = 0;
    int m_busy = 0;
    std::vector<TDaten*> m_daten;
    std::vector<std::unique_ptr<TValueDDEServerTopic>> m_topics;
    std::unique_ptr<TServerTopicDaten> m_system;
    std::vector<std::pair<TCustomDDEServerTopic*, TDDEItem*>> m_vorgemerkt;
    // Declared last, so that they are unhooked first: no registry event reaches a half-freed
    // manager.
    TEventConnection m_valueChanged;
    TEventConnection m_datenUnregistered;
    TEventConnection m_settled;
};

// Keeps the manager busy for a scope ("Status" "Busy"), also when an exception leaves it.
class TDDEBusyGuard {
public:
    explicit TDDEBusyGuard(TMVCDDEManager& manager) : m_manager(manager) { m_manager.BeginBusy(); }
    ~TDDEBusyGuard();
    TDDEBusyGuard(const TDDEBusyGuard&) = delete;
    TDDEBusyGuard& operator=(const TDDEBusyGuard&) = delete;

private:
    TMVCDDEManager& m_manager;
};

TMVCDDEManager& MVCDDEManager();
TSingleton<TMVCDDEManager>& MVCDDEManagerSingleton();
