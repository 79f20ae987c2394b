// The automation server on a private session bus (the test runs under dbus-run-session), driven
// by real client processes: gdbus and the test client ddeclient (tests/tools). The server runs in
// this process; every wait keeps its event loop turning and is bounded.
#include "Platform/DDEServer.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Lib/MVCApp.h"
#include "MVCFrame/DDEMngr.h"
#include "Support/OptionenUmgebung.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QRandomGenerator>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
    const TLauf poke = Gdbus("LOHN", "Poke", {"'entgelt'", "'4000,00'"});
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
                                                      {"StartAdvise", {"'Gibtsnicht'"}}}) {
        const TLauf lauf = Gdbus("LOHN", methode, args);
        EXPECT_NE(lauf.code, 0) << methode.toStdString();
        EXPECT_TRUE(lauf.fehler.contains("de.Tovar.Vantrl32.Error")) << lauf.fehler.toStdString();
        EXPECT_TRUE(lauf.fehler.contains("Das Element")) << lauf.fehler.toStdString();
    }
    const TLauf topics = Gdbus("System", "Request", {"'topics'"});
    EXPECT_EQ(topics.aus.trimmed(), "('System\\tLOHN',)");
    EXPECT_EQ(MVCDDEManager().BusyCount(), 0);
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

TEST_F(DDEServerTest, ASecondServerRunsWithoutTheName)
{
    QDBusConnection zweiteVerbindung =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, "zweiter Server");
    ASSERT_TRUE(zweiteVerbindung.isConnected());
    {
        TDDEServer zweiter(MVCDDEManager(), zweiteVerbindung);
        EXPECT_FALSE(zweiter.Aktiv());
        const TLauf lauf = Gdbus("System", "Request", {"'Status'"});
        EXPECT_EQ(lauf.aus.trimmed(), "('Ready',)") << lauf.fehler.toStdString();
    }
    QDBusConnection::disconnectFromBus("zweiter Server");
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
