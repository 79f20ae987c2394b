#include "MVCFrame/DDEMngr.h"

#include "Lib/MVCApp.h"
#include "MVCTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    TDouble* betrag = nullptr;
    TString* summe = nullptr;

protected:
    void CreateValues() override
    {
        text = new TString(this, "Text", 0, "Vorgabe");
        jahr = new TIntegerMinMax(this, "Jahr", 0, 1990, 2027, 2026);
        rhythmus = new TIntegerLookup(this, "Rhythmus", 0, {"Tag", "Woche", "Monat", "Nie"});
        datum = new TDateValue(this, "Datum", 0, SetDatum(1, 1, 2026));
        ergebnis = new TString(this, "Ergebnis", cfReadOnly | cfComputed, "fest");
        betrag = new TDouble(this, "Betrag");
        summe = new TString(this, "Summe", cfComputed);
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
                                               "Ergebnis", "Betrag", "Summe"}));
    EXPECT_EQ(topic->ItemCount(), 7);
    EXPECT_EQ(topic->TopicItemList(),
              "TopicItemList\tText\tJahr\tRhythmus\tDatum\tErgebnis\tBetrag\tSumme");
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
    bool angenommen;
};
const PokeFall kPokes[] = {
    {"text", "Text", "Neu", "Neu", true},
    {"name_case_insensitive", "tExT", "klein", "klein", true},
    {"date_as_stored", "Datum", "20260315", "15.03.2026", true},
    {"lookup_by_caption", "Rhythmus", "Monat", "Monat", true},
    {"amount", "Betrag", "4.000,00", "4.000,00", true},
    {"year_out_of_range", "Jahr", "1800", "2026", false},
    {"unknown_caption", "Rhythmus", "Jahr", "Tag", false},
    {"amount_too_large", "Betrag", "1e308", "0,00", false},
    {"amount_not_a_number", "Betrag", "NaN", "0,00", false},
    {"amount_two_decimal_commas", "Betrag", "4.000,00,00", "0,00", false},
    {"amount_with_currency_sign", "Betrag", "\u20ac100", "0,00", false},
    {"read_only", "Ergebnis", "anders", "fest", false},
    {"computed", "Summe", "anders", "", false},
    {"item_list", "TopicItemList", "x", "TopicItemList\tText\tJahr\tRhythmus\tDatum\tErgebnis\tBetrag\tSumme",
     false},
};
class DDEPokeTest : public DDEMngrTest, public testing::WithParamInterface<PokeFall> {};

// An accepted text is advised once; a refused one is an error naming the item, and the item and
// the value stay as they were.
TEST_P(DDEPokeTest, ItemHoldsTheValuesDisplayText)
{
    const PokeFall& f = GetParam();
    const TDDEItem* item = topic->FindItem(f.item);
    if (f.angenommen) {
        topic->Poke(f.item, f.text);
        EXPECT_EQ(log, (std::vector<std::string>{"System.Status=Busy",
                                                 "TEST." + item->name + "=" + f.erwartet,
                                                 "System.Status=Ready"}));
    } else {
        try {
            topic->Poke(f.item, f.text);
            ADD_FAILURE() << "accepted";
        } catch (const EDDEError& e) {
            EXPECT_EQ(e.what(),
                      "Der Text für das Element \"" + item->name + "\" wird nicht angenommen.");
        }
        EXPECT_EQ(std::count(log.begin(), log.end(), "TEST." + item->name + "=" + item->text), 0);
    }
    EXPECT_EQ(item->text, f.erwartet);
    if (item->value) {
        EXPECT_EQ(item->text, item->value->GetDisplayText());
    }
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
    EXPECT_EQ(System("Status"), "Ready");
}
INSTANTIATE_TEST_SUITE_P(DDE, DDEPokeTest, testing::ValuesIn(kPokes),
                         [](const auto& i) { return std::string(i.param.name); });

// A calculation clears its result before it sets it: the client hears the final text only.
TEST_F(DDEMngrTest, OnlyTheSettledResultIsAdvised)
{
    daten->OnChange = [this](TDaten& d, TValue*) {
        const TUpdateGuard update(d);
        daten->summe->SetValue("0,00");
        daten->summe->SetValue(daten->betrag->GetAsString());
    };
    topic->Poke("Betrag", "3333");
    topic->Poke("Betrag", "3.333,00");
    EXPECT_EQ(log, (std::vector<std::string>{"System.Status=Busy", "TEST.Betrag=3.333,00",
                                             "TEST.Summe=3.333,00", "System.Status=Ready",
                                             "System.Status=Busy", "System.Status=Ready"}));
}

struct ExecuteFall {
    const char* name;
    const char* zeilen;
    const char* item;
    const char* erwartet;
    bool abgelehnt = false; // the error reply names the line
};
const ExecuteFall kExecutes[] = {
    {"lower_case_command_and_name", "set jahr=2025", "Jahr", "2025"},
    {"blanks_around_name_trimmed_after_equals_kept", "SET  Text = a b", "Text", " a b"},
    {"getlist_fills_the_item", "GETLIST Rhythmus", "Rhythmus", "Tag\r\nWoche\r\nMonat\r\nNie"},
    {"clear", "CLEAR Text", "Text", ""},
    {"several_lines_in_order", "SET Text=1\r\nSET Text=2\nSET Text=3", "Text", "3"},
    {"no_blank_no_command", "Text=x", "Text", "Vorgabe"},
    {"unknown_name_ignored", "SET Unbekannt=1\r\nSET Jahr=2024", "Jahr", "2024"},
    {"read_only_refuses_set", "SET Ergebnis=x", "Ergebnis", "fest", true},
};
class DDEExecuteTest : public DDEMngrTest, public testing::WithParamInterface<ExecuteFall> {};

TEST_P(DDEExecuteTest, LinesRunValueCommands)
{
    const ExecuteFall& f = GetParam();
    if (f.abgelehnt)
        EXPECT_THROW(topic->Execute(f.zeilen), EDDEError) << f.zeilen;
    else
        EXPECT_NO_THROW(topic->Execute(f.zeilen)) << f.zeilen;
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
    EXPECT_THROW(topic->Poke("Ergebnis", "neu"), EDDEError);
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
