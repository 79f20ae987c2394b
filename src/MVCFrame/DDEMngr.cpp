#include "MVCFrame/DDEMngr.h"

#include "Lib/MVCApp.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/StringValue.h"

#include <algorithm>
#include <exception>

namespace {

constinit TSingleton<TMVCDDEManager> gMVCDDEManager("MVCDDEManager", "Unit DDEMngr");

constexpr const char* kTopicItemList = "TopicItemList";

// Item, topic and value names compare as the class library's names do: ASCII letters only.
std::string Gross(std::string_view text)
{
    std::string ergebnis(text);
    for (char& c : ergebnis) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return ergebnis;
}

bool GleicherName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && Gross(a) == Gross(b);
}

std::string Getrimmt(std::string_view text)
{
    const auto leer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && leer(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && leer(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// Splits at CR LF, LF or CR; a final line break opens no further line.
TStrings Zeilen(std::string_view text)
{
    TStrings zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        zeilen.emplace_back(text.substr(anfang, i - anfang));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < text.size())
        zeilen.emplace_back(text.substr(anfang));
    return zeilen;
}

// An item's text: its lines joined by CR LF.
std::string ZeilenText(const TStrings& zeilen)
{
    std::string text;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += zeilen[i];
    }
    return text;
}

std::string AlsItemText(std::string_view text)
{
    if (text.find_first_of("\r\n") == std::string_view::npos)
        return std::string(text);
    return ZeilenText(Zeilen(text));
}

void TextLaengePruefen(std::string_view text)
{
    if (text.size() > kDDEMaxText)
        throw EDDEError("Der übergebene Text ist länger als 64 KiB und wird nicht angenommen.");
}

// A client's text may be of any length: a message quotes its start only.
std::string Zitat(std::string_view text)
{
    constexpr std::size_t kHoechstens = 80;
    return "\"" +
           (text.size() > kHoechstens ? std::string(text.substr(0, kHoechstens)) + "..."
                                      : std::string(text)) +
           "\"";
}

[[noreturn]] void UnbekanntesElement(std::string_view name, const std::string& topic)
{
    throw EDDEError("Das Element " + Zitat(name) + " gibt es im Thema \"" + topic + "\" nicht.");
}

// A refusal that has words for the user ("too large ...") says them after the refusal itself.
std::string MitGrund(std::string satz, const TValue* value)
{
    const std::string grund = value ? value->Ablehnungsgrund() : std::string();
    return grund.empty() ? satz : satz + " " + grund;
}

[[noreturn]] void NichtAngenommen(const std::string& item, const TValue* value = nullptr)
{
    throw EDDEError(
        MitGrund("Der Text für das Element \"" + item + "\" wird nicht angenommen.", value));
}

// A result is the calculation's to set, read-only or not.
bool Aenderbar(const TValue& value)
{
    return !value.IsReadOnly() && !value.HasFlag(TValue::vfComputed);
}

bool AendernderBefehl(std::string_view befehl)
{
    return befehl == "SET" || befehl == "CLEAR" || befehl == "DELETE";
}

// A message as a sentence, so that another can follow it.
std::string AlsSatz(std::string text)
{
    if (!text.empty() && text.find_last_of(".!?") != text.size() - 1)
        text += '.';
    return text;
}

} // namespace

TCustomDDEServerTopic::TCustomDDEServerTopic(TMVCDDEManager& manager, std::string name)
    : m_manager(manager), m_name(std::move(name))
{
    m_items.push_back({kTopicItemList, kTopicItemList, nullptr});
}

const TDDEItem* TCustomDDEServerTopic::FindItem(std::string_view name) const
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [name](const TDDEItem& i) { return GleicherName(i.name, name); });
    return it == m_items.end() ? nullptr : &*it;
}

void TCustomDDEServerTopic::Unbekannt(std::string_view name) const
{
    UnbekanntesElement(name, m_name);
}

TDDEItem* TCustomDDEServerTopic::Find(std::string_view name)
{
    return const_cast<TDDEItem*>(FindItem(name));
}

TDDEItem* TCustomDDEServerTopic::FindValueItem(const TValue& value)
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
                                 [&value](const TDDEItem& i) { return i.value == &value; });
    return it == m_items.end() ? nullptr : &*it;
}

TDDEItem& TCustomDDEServerTopic::AddItem(std::string name, std::string text, TValue* value)
{
    m_items.front().text += '\t' + name;
    m_items.push_back({std::move(name), AlsItemText(text), value});
    return m_items.back();
}

void TCustomDDEServerTopic::SetItemText(TDDEItem& item, std::string text)
{
    item.text = AlsItemText(text);
    m_manager.OnItemChanged(*this, item);
}

void TCustomDDEServerTopic::Vormerken(TDDEItem& item)
{
    if (item.vorgemerkt)
        return;
    item.vorgemerkt = true;
    m_manager.m_vorgemerkt.emplace_back(this, &item);
}

void TCustomDDEServerTopic::Connect()
{
    ++m_connections;
    m_manager.Connected(*this);
}

void TCustomDDEServerTopic::Disconnect()
{
    // A close without an open conversation changes no count.
    if (m_connections <= 0)
        return;
    --m_connections;
    m_manager.Disconnected(*this);
}

std::string TCustomDDEServerTopic::Request(std::string_view name)
{
    const TDDEItem* item = FindItem(name);
    if (!item)
        UnbekanntesElement(name, m_name);
    std::string text = item->text;
    m_manager.OnRequest();
    return text;
}

void TCustomDDEServerTopic::Poke(std::string_view name, std::string_view text)
{
    TextLaengePruefen(text);
    TDDEItem* item = Find(name);
    if (!item)
        UnbekanntesElement(name, m_name);
    TValue* value = item->value;
    if (!value || !Aenderbar(*value))
        NichtAngenommen(item->name);
    TDDEBusyGuard busy(m_manager);
    m_manager.OnBeforeChange();
    const std::string uebernommen = "Der Text für \"" + item->name + "\" bleibt übernommen.";
    // The value keeps its content and the page shows it again; the client hears of the refusal.
    if (!Setzen(*value, uebernommen, [&] { value->SetAsString(text); }))
        NichtAngenommen(item->name, value);
    BerechnungPruefen(*value, uebernommen);
}

template <class F>
bool TCustomDDEServerTopic::Setzen(TValue& value, const std::string& uebernommen, F&& setzen)
{
    const TValue::TSetStand vorher = value.SetStand();
    try {
        setzen();
    } catch (const std::exception& e) {
        if (value.SetStand().stores == vorher.stores)
            throw;
        BerechnungGescheitert(e.what(), uebernommen);
    }
    return !value.Abgelehnt(vorher);
}

void TCustomDDEServerTopic::BerechnungPruefen(const TValue& value, const std::string& uebernommen)
{
    const auto* berechnung =
        value.Daten() ? dynamic_cast<const TBerechnung*>(value.Daten()->Owner()) : nullptr;
    if (berechnung && !berechnung->Fehlermeldung().empty())
        BerechnungGescheitert(berechnung->Fehlermeldung(), uebernommen);
}

void TCustomDDEServerTopic::BerechnungGescheitert(const std::string& meldung,
                                                  const std::string& uebernommen)
{
    // The page shows the results as "???"; the status line and the client say why.
    m_manager.OnHinweis(meldung);
    throw EDDEError(AlsSatz(meldung) + " " + uebernommen);
}

void TCustomDDEServerTopic::Execute(std::string_view text)
{
    TextLaengePruefen(text);
    TDDEBusyGuard busy(m_manager);
    m_manager.OnBeforeChange();
    const TStrings zeilen = Zeilen(text);
    const TValue* geaendert = nullptr;
    for (const std::string& zeile : zeilen) {
        // "COMMAND NAME=PARAMETER"; without a blank the whole line is the rest.
        const std::size_t blank = zeile.find(' ');
        const std::string_view ganz(zeile);
        const std::string_view befehl = blank == std::string::npos ? "" : ganz.substr(0, blank);
        const std::string_view rest = blank == std::string::npos ? ganz : ganz.substr(blank + 1);
        const std::size_t gleich = rest.find('=');
        const std::string_view name = rest.substr(0, gleich);
        const std::string_view parameter =
            gleich == std::string_view::npos ? std::string_view() : rest.substr(gleich + 1);
        const std::string gesucht = Gross(Getrimmt(name));
        // Item pointers stay valid: a command changes values, never the item list.
        const auto it = std::find_if(m_items.begin(), m_items.end(), [&](const TDDEItem& i) {
            return i.value && Gross(i.value->Name()) == gesucht;
        });
        if (it == m_items.end())
            continue;
        TDDEItem& item = *it;
        const std::string kommando = Gross(Getrimmt(befehl));
        const bool aendernd = AendernderBefehl(kommando);
        TStrings liste = Zeilen(item.text);
        const TStrings vorher = liste;
        const bool angenommen =
            (!aendernd || Aenderbar(*item.value)) &&
            Setzen(*item.value, "Die Zeile " + Zitat(zeile) + " bleibt ausgeführt.",
                   [&] { item.value->ExecuteCommand(kommando, parameter, liste); });
        if (aendernd && !angenommen)
            throw EDDEError(
                MitGrund("Die Zeile " + Zitat(zeile) + " wird nicht angenommen.", item.value) +
                (zeilen.size() > 1 ? " Die Zeilen davor sind ausgeführt, die danach nicht." : ""));
        if (aendernd)
            geaendert = item.value;
        // A command that writes the list ("GETLIST") makes it the item's text; a command that
        // changes the value has updated the item already.
        if (liste != vorher)
            SetItemText(item, ZeilenText(liste));
    }
    if (geaendert)
        BerechnungPruefen(*geaendert, "Die Zeilen bleiben ausgeführt.");
}

TValueDDEServerTopic::TValueDDEServerTopic(TMVCDDEManager& manager, TDaten& daten)
    : TCustomDDEServerTopic(manager, daten.Name()), m_daten(daten)
{
    for (int i = 0; i < daten.ValueCount(); ++i) {
        TValue& value = daten.GetValue(i);
        AddItem(value.Name(), value.GetDisplayText(), &value);
    }
}

void TValueDDEServerTopic::ValueChanged(TValue& value)
{
    if (TDDEItem* item = FindValueItem(value))
        Vormerken(*item);
}

void TServerTopicDaten::CreateValues()
{
    constexpr TValueCreateFlags kFlags = cfReadOnly | cfComputed;
    Topics = new TString(this, "Topics", kFlags);
    SysItems = new TString(this, "SysItems", kFlags);
    Formats = new TString(this, "Formats", kFlags, "TEXT");
    Status = new TString(this, "Status", kFlags, "Ready");
}

TMVCDDEManager::TMVCDDEManager()
{
    m_valueChanged = MVCApplication().OnValueChanged.Connect(
        [this](TDaten* daten, TValue* value) { ValueChanged(daten, value); });
    m_datenUnregistered = MVCApplication().OnDatenUnregistered.Connect(
        [this](TDaten* daten) { DatenUnregistered(daten); });
    m_settled = MVCApplication().OnSettled.Connect([this] { Nachreichen(); });
    m_system = MakeComponent<TServerTopicDaten>(nullptr, "System");
    RegisterTopic(*m_system);
    m_system->SysItems->SetValue(m_topics.front()->TopicItemList());
}

TMVCDDEManager::~TMVCDDEManager()
{
    // The registry's handlers go before anything is freed: freeing the System data set must not
    // call back into this manager.
    m_valueChanged.Disconnect();
    m_datenUnregistered.Disconnect();
    m_settled.Disconnect();
    m_vorgemerkt.clear();
    m_topics.clear();
    m_daten.clear();
    m_system.reset();
}

void TMVCDDEManager::RegisterTopic(TDaten& daten)
{
    if (std::find(m_daten.begin(), m_daten.end(), &daten) != m_daten.end())
        return;
    auto topic = std::make_unique<TValueDDEServerTopic>(*this, daten);
    m_daten.push_back(&daten);
    m_topics.push_back(std::move(topic));
    TopicsNeuSchreiben();
    OnTopicAdded(*m_topics.back());
}

TValueDDEServerTopic* TMVCDDEManager::FindTopic(std::string_view name) const
{
    const auto it = std::find_if(m_topics.begin(), m_topics.end(), [name](const auto& topic) {
        return GleicherName(topic->Name(), name);
    });
    return it == m_topics.end() ? nullptr : it->get();
}

void TMVCDDEManager::BeginBusy()
{
    ++m_busy;
    m_system->Status->SetValue("Busy");
}

void TMVCDDEManager::EndBusy()
{
    VT_ASSERT(m_busy > 0, "DDEMngr: EndBusy ohne BeginBusy");
    --m_busy;
    if (m_busy == 0)
        m_system->Status->SetValue("Ready");
}

void TMVCDDEManager::ValueChanged(TDaten* daten, TValue* value)
{
    if (!daten || !value)
        return;
    const auto it = std::find(m_daten.begin(), m_daten.end(), daten);
    if (it != m_daten.end())
        m_topics[static_cast<std::size_t>(it - m_daten.begin())]->ValueChanged(*value);
}

void TMVCDDEManager::Nachreichen() noexcept
{
    // Taken out first: a value that changes while the items are advised is marked anew.
    const auto liste = std::move(m_vorgemerkt);
    m_vorgemerkt.clear();
    for (const auto& [topic, item] : liste) {
        item->vorgemerkt = false;
        try {
            std::string text = AlsItemText(item->value->GetDisplayText());
            if (text != item->text)
                topic->SetItemText(*item, std::move(text));
        } catch (...) {
            // A text that cannot be read now is read at the value's next change.
        }
    }
}

void TMVCDDEManager::DatenUnregistered(TDaten* daten)
{
    const auto it = std::find(m_daten.begin(), m_daten.end(), daten);
    if (it == m_daten.end())
        return;
    const std::size_t index = static_cast<std::size_t>(it - m_daten.begin());
    const std::string name = m_topics[index]->Name();
    // The topic's open conversations end with it.
    const int offen = m_topics[index]->ConnectionCount();
    m_connections -= offen;
    std::erase_if(m_vorgemerkt, [&](const auto& eintrag) {
        return eintrag.first == m_topics[index].get();
    });
    m_daten.erase(it);
    m_topics.erase(m_topics.begin() + static_cast<std::ptrdiff_t>(index));
    // A topic that no longer exists is no longer offered.
    TopicsNeuSchreiben();
    OnTopicRemoved(name);
    if (offen > 0)
        OnDisconnect();
}

void TMVCDDEManager::TopicsNeuSchreiben()
{
    std::string topics;
    for (const auto& topic : m_topics)
        topics += (topics.empty() ? "" : "\t") + topic->Name();
    // Topics are written while the System data set may still be under construction.
    if (m_system && m_system->Topics)
        m_system->Topics->SetValue(std::move(topics));
}

void TMVCDDEManager::Connected(TCustomDDEServerTopic&)
{
    ++m_connections;
    OnConnect();
}

void TMVCDDEManager::Disconnected(TCustomDDEServerTopic&)
{
    --m_connections;
    OnDisconnect();
}

TDDEBusyGuard::~TDDEBusyGuard()
{
    // "Status" goes back to "Ready" also when the work failed; nothing leaves a destructor.
    try {
        m_manager.EndBusy();
    } catch (...) {
    }
}

TMVCDDEManager& MVCDDEManager()
{
    return gMVCDDEManager.Instance();
}

TSingleton<TMVCDDEManager>& MVCDDEManagerSingleton()
{
    return gMVCDDEManager;
}
