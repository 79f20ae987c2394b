// The payroll page while automation clients drive it over the session bus (the test runs under
// dbus-run-session): each call is calculated and answered at once, the page follows within a
// frame with the settled values, and an advising client hears each settled change once.
#include "Forms/HauptfensterTestSupport.h"

#include "MVCFrame/DDEMngr.h"
#include "Platform/DDEServer.h"
#include "Support/Warten.h"

#include <QProcess>

#include <memory>

namespace {

// A client name of its own: the server's calls from the test open its conversation.
const QString kCaller = QStringLiteral(":seite");

class DDESeiteTest : public EntgeltabrechnungFixture {
protected:
    void SetUp() override
    {
        MVCDDEManagerSingleton().Reset();
        EntgeltabrechnungFixture::SetUp();
        server = std::make_unique<TDDEServer>(MVCDDEManager());
        ASSERT_TRUE(server->Aktiv()) << "no session bus: run under dbus-run-session";
        // What opening the window left in the queue is done before the counting starts.
        QCoreApplication::processEvents();
    }
    void TearDown() override
    {
        server.reset();
        EntgeltabrechnungFixture::TearDown();
        MVCDDEManagerSingleton().Reset();
    }
    QString Feld(const char* name) const
    {
        const auto* feld = m_seite->Panel()->findChild<QLineEdit*>(name);
        return feld ? feld->text() : QStringLiteral("(none)");
    }
    static QString Text(const TValue& value)
    {
        return QString::fromStdString(value.GetDisplayText());
    }
    // Waits until the page has refreshed after `vorher` refreshes; false at the deadline.
    bool Aufgefrischt(int vorher) const
    {
        return QTest::qWaitFor([&] { return m_seite->Aktualisierungen() > vorher; }, kGeduldMs);
    }

    std::unique_ptr<TDDEServer> server;
};

TEST_F(DDESeiteTest, PokesServedTogetherRefreshThePageOnceWithTheLastValues)
{
    const int vorher = m_seite->Aktualisierungen();
    for (int euro = 3000; euro <= 3200; euro += 10)
        ASSERT_TRUE(server->Poke(kCaller, "LOHN", "Entgelt", QString("%1,00").arg(euro)).ok);
    // The calculation ran inside each call: a request right after reads the last result.
    const TDDEAntwort netto = server->Request(kCaller, "LOHN", "Nettoentgelt");
    EXPECT_EQ(netto.text, Text(*d->Nettoentgelt));
    ASSERT_TRUE(Aufgefrischt(vorher));
    EXPECT_EQ(m_seite->Aktualisierungen(), vorher + 1);
    EXPECT_EQ(Feld("ebEntgelt"), "3.200,00");
    EXPECT_EQ(Feld("ebNetto"), netto.text);
}

TEST_F(DDESeiteTest, AnExecuteOfSeveralLinesRefreshesThePageOnce)
{
    const int vorher = m_seite->Aktualisierungen();
    const TDDEAntwort antwort = server->Execute(
        kCaller, "LOHN", "SET Steuerklasse=3\r\nSET Entgelt=4100,00\r\nSET Kirchensteuersatz=8");
    ASSERT_TRUE(antwort.ok) << antwort.text.toStdString();
    ASSERT_TRUE(Aufgefrischt(vorher));
    EXPECT_EQ(m_seite->Aktualisierungen(), vorher + 1);
    EXPECT_EQ(Feld("ebEntgelt"), "4.100,00");
    EXPECT_EQ(Feld("ebNetto"), Text(*d->Nettoentgelt));
}

// Two clients advise while a third floods the page with pokes: the page ends on the last values
// and each advising client hears the last value once.
TEST_F(DDESeiteTest, APokeFloodEndsWithTheLastValuesOnThePageAndAtEachAdvisingClient)
{
    QProcess berater[2];
    QString aus[2];
    for (int i = 0; i < 2; ++i) {
        berater[i].start(VT_DDECLIENT, {"advise:LOHN/Entgelt", "advise:LOHN/Nettoentgelt", "hold"});
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                aus[i] += QString::fromUtf8(berater[i].readAllStandardOutput());
                return aus[i].contains("holding");
            },
            kGeduldMs));
    }
    // Rising by 50 euros, so that neither the gross nor the net pay comes twice.
    QStringList pokes;
    for (int euro = 3050; euro <= 13000; euro += 50)
        pokes << QString("poke:LOHN/Entgelt=%1,00").arg(euro);
    QProcess flut;
    flut.start(VT_DDECLIENT, pokes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return flut.state() == QProcess::NotRunning; }, kGeduldMs));
    EXPECT_FALSE(QString::fromUtf8(flut.readAllStandardOutput()).contains("error"));

    const QString entgelt = "signal LOHN/Entgelt=" + Text(*d->Entgelt);
    const QString netto = "signal LOHN/Nettoentgelt=" + Text(*d->Nettoentgelt);
    EXPECT_EQ(Text(*d->Entgelt), "13.000,00");
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                aus[i] += QString::fromUtf8(berater[i].readAllStandardOutput());
                return aus[i].contains(entgelt) && aus[i].contains(netto);
            },
            kGeduldMs))
            << aus[i].toStdString();
        EXPECT_EQ(aus[i].count(entgelt + '\n'), 1) << aus[i].toStdString();
        EXPECT_EQ(aus[i].count(netto + '\n'), 1) << aus[i].toStdString();
        berater[i].kill();
        berater[i].waitForFinished(kGeduldMs);
    }
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return Feld("ebEntgelt") == "13.000,00" && Feld("ebNetto") == Text(*d->Nettoentgelt);
        },
        kGeduldMs))
        << Feld("ebEntgelt").toStdString() << " " << Feld("ebNetto").toStdString();
}

} // namespace
