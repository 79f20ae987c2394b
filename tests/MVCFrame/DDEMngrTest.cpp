#include "MVCFrame/DDEMngr.h"

#include "Lib/MVCApp.h"
#include "MVCTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class TDDETestDaten : public TDaten {
public:
    using TDaten::TDaten;
    TString* text = nullptr;
    TIntegerMinMax* jahr = nullptr;
    TIntegerLookup* rhythmus = nullptr;
    TDateValue* datum = nullptr;
    TString* ergebnis = nullptr;

protected:
    void CreateValues() override
    {
        text = new TString(this, "Text", 0, "Vorgabe");
        jahr = new TIntegerMinMax(this, "Jahr", 0, 1990, 2027, 2026);
        rhythmus = new TIntegerLookup(this, "Rhythmus", 0, {"Tag", "Woche", "Monat", "Nie"});
        datum = new TDateValue(this, "Datum", 0, SetDatum(1, 1, 2026));
        ergebnis = new TString(this, "Ergebnis", cfReadOnly | cfComputed, "fest");
    }
};

class DDEMngrTest : public testing::Test {
protected:
    void SetUp() override
    {
        MVCDDEManagerSingleton().Reset();
        daten = MakeComponent<TDDETestDaten>(nullptr, "TEST");
        MVCDDEManager().RegisterTopic(*daten);
        topic = MVCDDEManager().FindTopic("TEST");
        ASSERT_NE(topic, nullptr);
        advise = MVCDDEManager().OnItemChanged.Connect(
            [this](const TCustomDDEServerTopic& t, const TDDEItem& item) {
                log.push_back(t.Name() + "." + item.name + "=" + item.text);
            });
    }
    void TearDown() override
    {
        advise.Disconnect();
        daten.reset();
        MVCDDEManagerSingleton().Reset();
    }
    std::string Text(const char* item) const { return topic->FindItem(item)->text; }
    std::string System(const char* item) const
    {
        return MVCDDEManager().FindTopic("System")->FindItem(item)->text;
    }

    std::unique_ptr<TDDETestDaten> daten;
    TValueDDEServerTopic* topic = nullptr;
    TEventConnection advise;
    std::vector<std::string> log;
};

TEST_F(DDEMngrTest, ItemsFollowTheValueOrderAfterTheItemList)
{
    std::vector<std::string> namen;
    for (const TDDEItem& item : topic->Items())
        namen.push_back(item.name);
    EXPECT_EQ(namen, (std::vector<std::string>{"TopicItemList", "Text", "Jahr", "Rhythmus", "Datum",
                                               "Ergebnis"}));
    EXPECT_EQ(topic->ItemCount(), 5);
    EXPECT_EQ(topic->TopicItemList(), "TopicItemList\tText\tJahr\tRhythmus\tDatum\tErgebnis");
    EXPECT_EQ(Text("jahr"), "2026");
    EXPECT_EQ(topic->Request("TOPICITEMLIST"), topic->TopicItemList());
}

TEST_F(DDEMngrTest, SystemTopicDescribesTheServer)
{
    EXPECT_EQ(System("Topics"), "System\tTEST");
    EXPECT_EQ(System("SysItems"), "TopicItemList\tTopics\tSysItems\tFormats\tStatus");
    EXPECT_EQ(System("Formats"), "TEXT");
    EXPECT_EQ(System("Status"), "Ready");
    auto zweite = MakeComponent<TDDETestDaten>(nullptr, "ZWEI");
    MVCDDEManager().RegisterTopic(*zweite);
    MVCDDEManager().RegisterTopic(*zweite);
    EXPECT_EQ(System("Topics"), "System\tTEST\tZWEI");
    EXPECT_EQ(MVCDDEManager().TopicCount(), 3);
}

struct PokeFall {
    const char* name;
    const char* item;
    const char* text;
    const char* erwartet;
};
const PokeFall kPokes[] = {
    {"text", "Text", "Neu", "Neu"},
    {"name_case_insensitive", "tExT", "klein", "klein"},
    {"date_as_stored", "Datum", "20260315", "15.03.2026"},
    {"year_out_of_range_refused", "Jahr", "1800", "2026"},
    {"lookup_by_caption", "Rhythmus", "Monat", "Monat"},
    {"read_only_unchanged", "Ergebnis", "anders", "fest"},
};
class DDEPokeTest : public DDEMngrTest, public testing::WithParamInterface<PokeFall> {};

TEST_P(DDEPokeTest, ItemHoldsTheValuesDisplayText)
{
    const PokeFall& f = GetParam();
    topic->Poke(f.item, f.text);
    const TDDEItem* item = topic->FindItem(f.item);
    EXPECT_EQ(item->text, f.erwartet);
    EXPECT_EQ(item->text, item->value->GetDisplayText());
    // The client hears the item's text at least once, also when nothing changed.
    ASSERT_FALSE(log.empty());
    EXPECT_NE(std::find(log.begin(), log.end(), "TEST." + item->name + "=" + f.erwartet),
              log.end());
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
    EXPECT_EQ(System("Status"), "Ready");
}
INSTANTIATE_TEST_SUITE_P(DDE, DDEPokeTest, testing::ValuesIn(kPokes),
                         [](const auto& i) { return std::string(i.param.name); });

struct ExecuteFall {
    const char* name;
    const char* zeilen;
    const char* item;
    const char* erwartet;
};
const ExecuteFall kExecutes[] = {
    {"lower_case_command_and_name", "set jahr=2025", "Jahr", "2025"},
    {"blanks_around_name_trimmed_after_equals_kept", "SET  Text = a b", "Text", " a b"},
    {"getlist_fills_the_item", "GETLIST Rhythmus", "Rhythmus", "Tag\r\nWoche\r\nMonat\r\nNie"},
    {"clear", "CLEAR Text", "Text", ""},
    {"several_lines_in_order", "SET Text=1\r\nSET Text=2\nSET Text=3", "Text", "3"},
    {"no_blank_no_command", "Text=x", "Text", "Vorgabe"},
    {"unknown_name_ignored", "SET Unbekannt=1\r\nSET Jahr=2024", "Jahr", "2024"},
    {"read_only_refuses_set", "SET Ergebnis=x", "Ergebnis", "fest"},
};
class DDEExecuteTest : public DDEMngrTest, public testing::WithParamInterface<ExecuteFall> {};

TEST_P(DDEExecuteTest, LinesRunValueCommands)
{
    const ExecuteFall& f = GetParam();
    topic->Execute(f.zeilen);
    EXPECT_EQ(Text(f.item), f.erwartet) << f.zeilen;
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
}
INSTANTIATE_TEST_SUITE_P(DDE, DDEExecuteTest, testing::ValuesIn(kExecutes),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(DDEMngrTest, StatusIsBusyWhileAPokeRunsAndReadyAfterwards)
{
    std::vector<std::string> gesehen;
    MVCDDEManager().OnBeforeChange = [&] {
        gesehen.push_back(System("Status") + std::to_string(MVCDDEManager().BusyCount()));
    };
    topic->Poke("Text", "x");
    topic->Execute("SET Text=y");
    EXPECT_EQ(gesehen, (std::vector<std::string>{"Busy1", "Busy1"}));
    EXPECT_EQ(System("Status"), "Ready");
    // "Status" is advised in change order around the value's own change.
    log.clear();
    topic->Poke("Text", "z");
    EXPECT_EQ(log, (std::vector<std::string>{"System.Status=Busy", "TEST.Text=z",
                                             "System.Status=Ready"}));
}

TEST_F(DDEMngrTest, AFailingValueRestoresTheBusyState)
{
    daten->OnChange = [](TDaten&, TValue*) { throw Exception("Wert außerhalb des Bereichs"); };
    EXPECT_THROW(topic->Poke("Text", "x"), Exception);
    EXPECT_THROW(topic->Execute("SET Text=y"), Exception);
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
    EXPECT_EQ(System("Status"), "Ready");
}

TEST_F(DDEMngrTest, RefusedRequestsAndPokesChangeNothing)
{
    EXPECT_THROW(topic->Request("Gibtsnicht"), EDDEError);
    EXPECT_THROW(topic->Poke("Gibtsnicht", "1"), EDDEError);
    EXPECT_THROW(topic->Poke("Text", std::string(kDDEMaxText + 1, 'x')), EDDEError);
    EXPECT_THROW(topic->Execute(std::string(kDDEMaxText + 1, 'x')), EDDEError);
    EXPECT_NO_THROW(topic->Poke("Text", std::string(kDDEMaxText, 'x')));
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
    try {
        topic->Request(std::string(5000, 'y'));
    } catch (const EDDEError& e) {
        EXPECT_LT(std::string(e.what()).size(), 200u);
    }
}

TEST_F(DDEMngrTest, ConnectionCountsAndEvents)
{
    std::vector<std::string> ereignisse;
    TMVCDDEManager& m = MVCDDEManager();
    m.OnConnect = [&] { ereignisse.push_back("connect " + std::to_string(m.ConnectionCount())); };
    m.OnDisconnect = [&] {
        ereignisse.push_back("disconnect " + std::to_string(m.ConnectionCount()));
    };
    m.OnRequest = [&] { ereignisse.push_back("request"); };
    m.OnBeforeChange = [&] { ereignisse.push_back("before"); };
    TValueDDEServerTopic* system = m.FindTopic("system");
    topic->Connect();
    system->Connect();
    EXPECT_TRUE(m.HasConnections());
    topic->Request("Text");
    topic->Poke("Text", "neu");
    topic->Poke("Ergebnis", "neu");
    topic->Disconnect();
    topic->Disconnect();
    system->Disconnect();
    EXPECT_FALSE(m.HasConnections());
    EXPECT_EQ(ereignisse, (std::vector<std::string>{"connect 1", "connect 2", "request", "before",
                                                    "disconnect 1", "disconnect 0"}));
}

TEST_F(DDEMngrTest, ADisabledValueShowsABlank)
{
    daten->text->ChangeFlag(TValue::vfEnabled, false);
    daten->text->Change();
    EXPECT_EQ(Text("Text"), " ");
}

TEST_F(DDEMngrTest, ADestroyedDataSetTakesItsTopicAlong)
{
    std::vector<std::string> entfernt;
    auto weg = MVCDDEManager().OnTopicRemoved.Connect(
        [&](const std::string& name) { entfernt.push_back(name); });
    topic->Connect();
    daten.reset();
    EXPECT_EQ(MVCDDEManager().FindTopic("TEST"), nullptr);
    EXPECT_EQ(System("Topics"), "System");
    EXPECT_EQ(entfernt, std::vector<std::string>{"TEST"});
    EXPECT_EQ(MVCDDEManager().ConnectionCount(), 0);
}

TEST_F(DDEMngrTest, TheManagerGoesBeforeItsDataSets)
{
    MVCDDEManagerSingleton().Reset();
    // The registry no longer reaches the freed manager.
    daten->text->SetValue("danach");
    daten.reset();
    SUCCEED();
}

} // namespace
