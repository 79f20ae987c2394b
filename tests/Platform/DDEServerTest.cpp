// The automation server on a private session bus (the test runs under dbus-run-session), driven
// by real client processes: gdbus and the test client ddeclient (tests/tools). The server runs in
// this process; every wait keeps its event loop turning and is bounded.
#include "Platform/DDEServer.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Lib/MVCApp.h"
#include "Lib/Meldung.h"
#include "MVCFrame/DDEMngr.h"
#include "Support/OptionenUmgebung.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <memory>
#include <string_view>

namespace {

// Generous: the machine may be busy with other builds.
constexpr int kProzessMs = 180000;
constexpr int kWarteMs = 60000;

struct TLauf {
    int code = -1;
    QString aus;
    QString fehler;
};

// Starts a process and lets the event loop run until it ends (or is killed at the deadline).
class TProzess {
public:
    TProzess(const QString& programm, const QStringList& args)
    {
        QObject::connect(&m_prozess, &QProcess::readyReadStandardOutput,
                         [this] { m_aus += QString::fromUtf8(m_prozess.readAllStandardOutput()); });
        m_prozess.start(programm, args);
    }
    ~TProzess()
    {
        if (m_prozess.state() != QProcess::NotRunning) {
            m_prozess.kill();
            m_prozess.waitForFinished(kWarteMs);
        }
    }
    QString Ausgabe() const { return m_aus; }
    void Toeten()
    {
        m_prozess.kill();
        m_prozess.waitForFinished(kWarteMs);
    }
    TLauf Ende()
    {
        Bis([this] { return m_prozess.state() == QProcess::NotRunning; }, kProzessMs);
        if (m_prozess.state() != QProcess::NotRunning)
            Toeten();
        m_aus += QString::fromUtf8(m_prozess.readAllStandardOutput());
        const int code = m_prozess.exitStatus() == QProcess::NormalExit &&
                                 m_prozess.error() != QProcess::FailedToStart
                             ? m_prozess.exitCode()
                             : -1;
        return {code, m_aus, QString::fromUtf8(m_prozess.readAllStandardError())};
    }

    // Runs the event loop until the condition holds or the time is up.
    static bool Bis(const std::function<bool()>& bedingung, int ms = kWarteMs)
    {
        QElapsedTimer uhr;
        uhr.start();
        while (!bedingung()) {
            if (uhr.elapsed() > ms)
                return false;
            QEventLoop schleife;
            QTimer::singleShot(10, &schleife, &QEventLoop::quit);
            schleife.exec();
        }
        return true;
    }

private:
    QProcess m_prozess;
    QString m_aus;
};

TLauf Gdbus(const QString& topic, const QString& methode, const QStringList& args)
{
    QStringList alle = {"call",          "--session",
                        "--timeout",     "120",
                        "--dest",        kDDEService,
                        "--object-path", "/" + topic,
                        "--method",      QString(kDDEInterface) + "." + methode};
    alle << args;
    return TProzess("gdbus", alle).Ende();
}

TLauf DdeClient(const QStringList& args)
{
    return TProzess(VT_DDECLIENT, args).Ende();
}

class DDEServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        MVCDDEManagerSingleton().Reset();
        lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
        MVCDDEManager().RegisterTopic(lohn->Daten());
        server = std::make_unique<TDDEServer>(MVCDDEManager());
        ASSERT_TRUE(server->Aktiv()) << "no session bus: run under dbus-run-session";
    }
    void TearDown() override
    {
        server.reset();
        lohn.reset();
        MVCDDEManagerSingleton().Reset();
    }
    TLohnDaten& D() const { return lohn->LohnDatenOf(); }
    // A gdbus call is a conversation of its own, closed when gdbus leaves the bus.
    bool AlleGespraecheZu() const
    {
        return TProzess::Bis(
            [this] { return server->GespraechCount() == 0 && !MVCDDEManager().HasConnections(); });
    }

    TOptionenUmgebung umgebung;
    std::unique_ptr<TLohnBerechnung> lohn;
    std::unique_ptr<TDDEServer> server;
};

TEST_F(DDEServerTest, ExecuteAndPokeRecomputeThePayroll)
{
    const TLauf exec =
        Gdbus("LOHN", "Execute",
              {"'SET Jahr=2026\\r\\nset monat=1\\r\\nSET Steuerklasse=1\\r\\n"
               "SET Kirchensteuersatz=9\\r\\nSET KVZBSatz=2,90\\r\\nSET Kinderlos=1'"});
    ASSERT_EQ(exec.code, 0) << exec.fehler.toStdString();
    const TLauf poke = Gdbus("LOHN", "Poke", {"'Entgelt'", "'4000,00'"});
    ASSERT_EQ(poke.code, 0) << poke.fehler.toStdString();
    EXPECT_EQ(D().Lohnsteuer->GetDisplayText(), "524,50");
    const TLauf request = Gdbus("LOHN", "Request", {"'Lohnsteuer'"});
    EXPECT_EQ(request.aus.trimmed(), "('524,50',)") << request.fehler.toStdString();
    EXPECT_TRUE(AlleGespraecheZu());
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
}

TEST_F(DDEServerTest, RefusalsAreErrorRepliesAndTheServerGoesOn)
{
    for (const auto& [methode, args] :
         std::vector<std::pair<QString, QStringList>>{{"Request", {"'Gibtsnicht'"}},
                                                      {"Poke", {"'Gibtsnicht'", "'1'"}},
                                                      {"StartAdvise", {"'Gibtsnicht'"}},
                                                      {"StopAdvise", {"'Gibtsnicht'"}},
                                                      {"Request", {"'lohnsteuer'"}},
                                                      {"StopAdvise", {"'lohnsteuer'"}}}) {
        const TLauf lauf = Gdbus("LOHN", methode, args);
        EXPECT_NE(lauf.code, 0) << methode.toStdString();
        EXPECT_TRUE(lauf.fehler.contains("de.Tovar.Vantrl32.Error")) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.fehler.contains("Das Element")) << lauf.fehler.toStdString();
    }
    const TLauf topics = Gdbus("System", "Request", {"'Topics'"});
    EXPECT_EQ(topics.aus.trimmed(), "('System\\tLOHN',)");
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
}

// gdbus shapes its arguments after the interface the server describes; a call with other
// arguments than the method takes is refused by the bus layer and opens no conversation.
TEST_F(DDEServerTest, TheInterfaceIsDescribedAndCallsWithOtherArgumentsAreRefused)
{
    const TLauf beschreibung = TProzess("gdbus", {"introspect", "--session", "--dest", kDDEService,
                                                  "--object-path", "/LOHN"})
                                   .Ende();
    EXPECT_TRUE(beschreibung.aus.contains("Poke(in  s item,\n           in  s text);"))
        << beschreibung.aus.toStdString();
    EXPECT_TRUE(beschreibung.aus.contains("ItemChanged(s item,")) << beschreibung.aus.toStdString();
    D().Entgelt->SetValue(2000);
    const std::string vorher = D().Entgelt->GetDisplayText();
    for (const auto& [methode, args] :
         std::vector<std::pair<QString, QStringList>>{{"Poke", {"'Entgelt'"}},
                                                      {"Poke", {"'Entgelt'", "'4000,00'", "'x'"}},
                                                      {"Request", {}},
                                                      {"Connect", {"1"}}}) {
        const TLauf lauf = Gdbus("LOHN", methode, args);
        EXPECT_NE(lauf.code, 0) << methode.toStdString();
        EXPECT_TRUE(lauf.fehler.contains("org.freedesktop.DBus.Error.UnknownMethod"))
            << lauf.fehler.toStdString();
        EXPECT_EQ(server->GespraechCount(), 0);
    }
    EXPECT_EQ(D().Entgelt->GetDisplayText(), vorher);
    EXPECT_FALSE(MVCDDEManager().HasConnections());
}

TEST_F(DDEServerTest, AdvisedChangesArriveInChangeOrder)
{
    const TLauf lauf =
        DdeClient({"advise:System/Status", "advise:LOHN/Entgelt", "advise:LOHN/Lohnsteuer",
                   "poke:LOHN/Entgelt=5000,00", "wait:System/Status=Ready"});
    ASSERT_EQ(lauf.code, 0);
    const QStringList zeilen = lauf.aus.split('\n', Qt::SkipEmptyParts);
    const auto stelle = [&](const QString& zeile) { return zeilen.lastIndexOf(zeile); };
    const QString lohnsteuer =
        "signal LOHN/Lohnsteuer=" + QString::fromStdString(D().Lohnsteuer->GetDisplayText());
    ASSERT_GE(stelle("signal System/Status=Busy"), 0) << lauf.aus.toStdString();
    EXPECT_LT(stelle("signal System/Status=Busy"), stelle("signal LOHN/Entgelt=5.000,00"))
        << lauf.aus.toStdString();
    EXPECT_LT(stelle("signal LOHN/Entgelt=5.000,00"), stelle(lohnsteuer)) << lauf.aus.toStdString();
    EXPECT_LT(stelle(lohnsteuer), stelle("signal System/Status=Ready")) << lauf.aus.toStdString();
    EXPECT_FALSE(lauf.aus.contains("error")) << lauf.aus.toStdString();
    EXPECT_TRUE(AlleGespraecheZu());
}

// Each refusal is an error reply naming the item; the value keeps its content.
TEST_F(DDEServerTest, RefusedPokesAreErrorReplies)
{
    const std::pair<const char*, const char*> pokes[] = {
        {"Entgelt", "1e308"},      {"Entgelt", "NaN"},        {"Entgelt", "4.000,00,00"},
        {"Entgelt", "\u20ac100"},  {"Entgelt", "2026-03-15"}, {"Steuerklasse", "7"},
        {"Monat", "13"},           {"WaehrungStr", "DM"},
    };
    D().Entgelt->SetValue(2000);
    const std::string vorher = D().Entgelt->GetDisplayText();
    QStringList args;
    for (const auto& [item, text] : pokes)
        args << QString("poke:LOHN/%1=%2").arg(item, text);
    const TLauf lauf = DdeClient(args);
    const QStringList zeilen = lauf.aus.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), static_cast<int>(std::size(pokes))) << lauf.aus.toStdString();
    for (std::size_t i = 0; i < std::size(pokes); ++i) {
        EXPECT_TRUE(zeilen[static_cast<int>(i)].startsWith("error de.Tovar.Vantrl32.Error"));
        EXPECT_TRUE(zeilen[static_cast<int>(i)].endsWith(
            QString("\"%1\" wird nicht angenommen.").arg(pokes[i].first)))
            << zeilen[static_cast<int>(i)].toStdString();
    }
    EXPECT_EQ(D().Entgelt->GetDisplayText(), vorher);
    EXPECT_TRUE(AlleGespraecheZu());
}

// A notice of the model while a call is served (a lookup whose file cannot be read) opens no
// window: the hook below would run a nested loop as a message box does. The value is taken, so
// the reply is success and the notice goes to the status line; the next call finds the server
// free, in call order.
TEST_F(DDEServerTest, ANoticeOfATakenValueGoesToTheStatusLine)
{
    const std::string ordner =
        VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetValue();
    ASSERT_TRUE(std::filesystem::create_directories(ordner + "/WAEHRUNG.INI"));
    int gezeigt = 0;
    const TMeldungsHook vorher = SetMeldungsHook([&](const std::string&, const std::string&, bool) {
        ++gezeigt;
        QEventLoop box;
        QTimer::singleShot(200, &box, &QEventLoop::quit);
        box.exec();
        return true;
    });
    std::string hinweise;
    MVCDDEManager().OnHinweis = [&](const std::string& text) { hinweise += text; };
    const TLauf lauf = DdeClient({"poke:LOHN/WaehrungName=Dollar", "request:LOHN/WaehrungName",
                                  "poke:LOHN/WaehrungName=Euro", "request:LOHN/WaehrungName",
                                  "request:System/Status"});
    SetMeldungsHook(vorher);
    EXPECT_EQ(gezeigt, 0);
    EXPECT_EQ(lauf.aus, "request LOHN/WaehrungName=Dollar\nrequest LOHN/WaehrungName=Euro\n"
                        "request System/Status=Ready\n");
    EXPECT_NE(hinweise.find("WAEHRUNG.INI kann nicht gelesen werden"), std::string::npos)
        << hinweise;
}

struct TBusText {
    const char* name;
    const char* art; // "poke" (ITEM=TEXT) or "exec" (TEXT: the lines)
    const char* topic;
    const char* item;
    const char* text;
    const char* danach; // the item's text afterwards
    const char* fehler; // a part of the error reply; nullptr: taken, no error
};

// In order: each row starts where the one before left the payroll.
const TBusText kBusTexte[] = {
    {"poke_class_out_of_range", "poke", "LOHN", "Steuerklasse", "7", "1",
     "\"Steuerklasse\" wird nicht angenommen."},
    {"exec_class_out_of_range", "exec", "LOHN", "Steuerklasse", "SET Steuerklasse=7", "1",
     "Die Zeile \"SET Steuerklasse=7\" wird nicht angenommen."},
    {"exec_class_any_case", "exec", "LOHN", "Steuerklasse", "set steuerklasse=3", "3", nullptr},
    {"exec_second_line_refused", "exec", "LOHN", "Steuerklasse",
     "SET Steuerklasse=4\\nSET Steuerklasse=9", "4",
     "\"SET Steuerklasse=9\" wird nicht angenommen. Die Zeilen davor sind ausgeführt"},
    {"exec_line_naming_no_value_ignored", "exec", "LOHN", "Steuerklasse",
     "SET Gibtsnicht=1\\nSET Steuerklasse=1", "1", nullptr},
    {"exec_amount_no_number", "exec", "LOHN", "Entgelt", "SET Entgelt=1e308", "0,00",
     "wird nicht angenommen."},
    {"exec_amount_too_large", "exec", "LOHN", "Entgelt", "SET Entgelt=99999999999999999", "0,00",
     "wird nicht angenommen. Das Bruttoentgelt ist zu groß für die Berechnung der Lohnsteuer"},
    {"poke_amount_too_large", "poke", "LOHN", "Entgelt", "99999999999999999", "0,00",
     "wird nicht angenommen. Das Bruttoentgelt ist zu groß für die Berechnung der Lohnsteuer"},
    {"exec_into_a_result", "exec", "LOHN", "Kirchensteuer", "SET Kirchensteuer=5", "0,00",
     "wird nicht angenommen."},
    {"exec_into_system_status", "exec", "System", "Status", "SET Status=X", "Ready",
     "wird nicht angenommen."},
    {"poke_into_system_status", "poke", "System", "Status", "X", "Ready", "wird nicht angenommen."},
    {"poke_bool_nein_any_case", "poke", "LOHN", "Kinderlos", "NEIN", "Nein", nullptr},
    {"poke_bool_off", "poke", "LOHN", "Kinderlos", "off", "Nein", "wird nicht angenommen."},
    {"poke_bool_true", "poke", "LOHN", "Kinderlos", "True", "Nein", "wird nicht angenommen."},
    {"poke_bool_number", "poke", "LOHN", "Kinderlos", "50000", "Nein", "wird nicht angenommen."},
    {"exec_bool_other_text", "exec", "LOHN", "Kinderlos", "SET Kinderlos=xyz", "Nein",
     "wird nicht angenommen."},
    {"exec_bool_stored_one", "exec", "LOHN", "Kinderlos", "SET Kinderlos=1", "Ja", nullptr},
    {"poke_bool_stored_zero", "poke", "LOHN", "Kinderlos", "0", "Nein", nullptr},
    {"exec_bool_ja_any_case", "exec", "LOHN", "Kinderlos", "SET Kinderlos=jA", "Ja", nullptr},
    {"exec_bool_cleared", "exec", "LOHN", "Kinderlos", "CLEAR Kinderlos", "Nein", nullptr},
    {"poke_bool_ja", "poke", "LOHN", "Kinderlos", "Ja", "Ja", nullptr},
    {"poke_bool_aus", "poke", "LOHN", "Kinderlos", "aus", "Ja", "wird nicht angenommen."},
    {"poke_net_given", "poke", "LOHN", "Ausgangswert", "Nettoentgelt", "Nettoentgelt", nullptr},
    // A net pay no gross reaches: taken, and the calculation's message is the reply.
    {"poke_net_calculation_fails", "poke", "LOHN", "Nettoentgelt", "99999999999,00",
     "99.999.999.999,00",
     "\"Nettoentgelt\" bleibt übernommen."},
};

// Every row over the bus, then its item requested: an error reply means the text was not taken.
TEST_F(DDEServerTest, TextsRefusedAndTakenByPokeAndExecute)
{
    QStringList args;
    for (const TBusText& f : kBusTexte) {
        args << (std::string_view(f.art) == "poke"
                     ? QString("poke:%1/%2=%3").arg(f.topic, f.item, f.text)
                     : QString("exec:%1/%2").arg(f.topic, f.text))
             << QString("request:%1/%2").arg(f.topic, f.item);
    }
    const QStringList zeilen = DdeClient(args).aus.split('\n', Qt::SkipEmptyParts);
    int z = 0;
    for (const TBusText& f : kBusTexte) {
        QString fehler;
        if (z < zeilen.size() && zeilen[z].startsWith("error "))
            fehler = zeilen[z++];
        ASSERT_LT(z, zeilen.size()) << f.name;
        EXPECT_EQ(zeilen[z++], QString("request %1/%2=%3").arg(f.topic, f.item, f.danach))
            << f.name;
        if (f.fehler)
            EXPECT_TRUE(fehler.startsWith("error de.Tovar.Vantrl32.Error ") &&
                        fehler.contains(QString::fromUtf8(f.fehler)))
                << f.name << ": " << fehler.toStdString();
        else
            EXPECT_TRUE(fehler.isEmpty()) << f.name << ": " << fehler.toStdString();
    }
    EXPECT_TRUE(AlleGespraecheZu());
}

// Changes go to the callers that advise the item, not to every process on the bus.
TEST_F(DDEServerTest, OnlyAdvisingCallersHearOfAChange)
{
    TProzess lauscher(VT_DDECLIENT, {"connect:LOHN", "listen:LOHN", "hold"});
    ASSERT_TRUE(TProzess::Bis([&] { return lauscher.Ausgabe().contains("holding"); }));
    const TLauf lauf = DdeClient({"advise:LOHN/Entgelt", "poke:LOHN/Entgelt=3.333,00",
                                  "wait:LOHN/Entgelt=3.333,00"});
    EXPECT_TRUE(lauf.aus.contains("signal LOHN/Entgelt=3.333,00")) << lauf.aus.toStdString();
    EXPECT_FALSE(lauscher.Ausgabe().contains("signal")) << lauscher.Ausgabe().toStdString();
}

// Callers that sent a call without waiting for the reply and left before the server served it:
// their calls count, their conversations close.
TEST_F(DDEServerTest, CallersGoneBeforeTheirCallCloseTheirConversations)
{
    for (int i = 0; i < 5; ++i) {
        QProcess sender;
        sender.start("dbus-send", {"--session", "--type=method_call", QString("--dest=") + kDDEService, "/LOHN",
                                   QString(kDDEInterface) + ".Poke", "string:Entgelt",
                                   QString("string:%1").arg(1000 + i)});
        ASSERT_TRUE(sender.waitForFinished(kWarteMs));
    }
    EXPECT_TRUE(TProzess::Bis([this] { return D().Entgelt->GetDisplayText() == "1.004,00"; }));
    EXPECT_TRUE(AlleGespraecheZu());
}

// Conversations on two topics that are still open when the server goes.
TEST_F(DDEServerTest, TheServerGoesWhileCallersHoldConversations)
{
    TProzess erster(VT_DDECLIENT, {"connect:LOHN", "connect:System", "hold"});
    TProzess zweiter(VT_DDECLIENT, {"connect:System", "advise:LOHN/Entgelt", "hold"});
    ASSERT_TRUE(TProzess::Bis([&] {
        return erster.Ausgabe().contains("holding") && zweiter.Ausgabe().contains("holding");
    }));
    EXPECT_EQ(server->GespraechCount(), 4);
    server.reset();
    EXPECT_EQ(MVCDDEManager().ConnectionCount(), 0);
}

TEST_F(DDEServerTest, AVanishedClientClosesItsConversation)
{
    TProzess client(VT_DDECLIENT, {"connect:LOHN", "advise:LOHN/Entgelt", "hold"});
    ASSERT_TRUE(TProzess::Bis([&] { return client.Ausgabe().contains("holding"); }));
    EXPECT_EQ(server->GespraechCount(), 1);
    EXPECT_EQ(MVCDDEManager().ConnectionCount(), 1);
    client.Toeten();
    EXPECT_TRUE(AlleGespraecheZu());
    D().Entgelt->SetValue(1234);
    EXPECT_EQ(MVCDDEManager().ConnectionCount(), 0);
}

// The second program runs without the name, waits for it and takes it over when the first ends.
TEST_F(DDEServerTest, ASecondServerWaitsForTheNameAndTakesItOver)
{
    {
        TDDEServer zweiter(MVCDDEManager());
        EXPECT_FALSE(zweiter.Aktiv());
        const TLauf lauf = Gdbus("System", "Request", {"'Status'"});
        EXPECT_EQ(lauf.aus.trimmed(), "('Ready',)") << lauf.fehler.toStdString();
        server.reset();
        EXPECT_TRUE(TProzess::Bis([&] { return zweiter.Aktiv(); }));
        const TLauf danach = Gdbus("LOHN", "Request", {"'Jahr'"});
        EXPECT_EQ(danach.aus.trimmed(), "('2026',)") << danach.fehler.toStdString();
    }
}

TEST_F(DDEServerTest, ADestroyedDataSetLeavesTheBus)
{
    auto zweite = MakeComponent<TLohnBerechnung>(nullptr, "ZWEI");
    MVCDDEManager().RegisterTopic(zweite->Daten());
    EXPECT_EQ(Gdbus("ZWEI", "Request", {"'Jahr'"}).aus.trimmed(), "('2026',)");
    zweite.reset();
    EXPECT_NE(Gdbus("ZWEI", "Request", {"'Jahr'"}).code, 0);
    EXPECT_EQ(Gdbus("System", "Request", {"'Topics'"}).aus.trimmed(), "('System\\tLOHN',)");
    EXPECT_TRUE(AlleGespraecheZu());
}

TEST_F(DDEServerTest, RandomPokesAndExecutesOverTheBusAreAllAnswered)
{
    const TLauf lauf = DdeClient({"fuzz:LOHN/150/2026", "request:System/Status"});
    EXPECT_TRUE(lauf.aus.contains("fuzz answered=300 noreply=0")) << lauf.aus.toStdString();
    EXPECT_TRUE(lauf.aus.contains("request System/Status=Ready")) << lauf.aus.toStdString();
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
}

// Every item of the payroll and of "System", many random texts, without a bus in between: no
// call throws, and busy count and "Status" are restored after each.
TEST_F(DDEServerTest, RandomPokesIntoEveryItemLeaveTheServerWhole)
{
    QRandomGenerator zufall(42);
    const QStringList bausteine = {
        "",  "0",    "-1",  "2026",    "1800",  "4.000,00", "99999999999999", "???",   " ",
        "=", "\r\n", "SET", "GETLIST", "CLEAR", "Ä",        "20260230",       "1e308", "-0,001"};
    const auto text = [&] {
        QString t;
        for (int i = static_cast<int>(zufall.bounded(4)); i > 0; --i)
            t += bausteine[static_cast<int>(zufall.bounded(bausteine.size()))];
        return t;
    };
    for (const char* topicName : {"LOHN", "System"}) {
        const TValueDDEServerTopic* topic = MVCDDEManager().FindTopic(topicName);
        ASSERT_NE(topic, nullptr);
        std::vector<QString> items;
        for (const TDDEItem& item : topic->Items())
            items.push_back(QString::fromStdString(item.name));
        for (int runde = 0; runde < 10; ++runde) {
            for (const QString& item : items) {
                server->Poke(":fuzz", topicName, item, text());
                server->Execute(":fuzz", topicName,
                                text() + " " + item + "=" + text() + "\n" + text());
                ASSERT_EQ(MVCDDEManager().BusyCount(), 0) << item.toStdString();
            }
        }
    }
    EXPECT_EQ(MVCDDEManager().SystemDaten().Status->GetValue(), "Ready");
    EXPECT_TRUE(server->Request(":fuzz", "LOHN", "Jahr").ok);
    server->Disconnect(":fuzz", "LOHN");
    server->Disconnect(":fuzz", "System");
    EXPECT_EQ(MVCDDEManager().ConnectionCount(), 0);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
