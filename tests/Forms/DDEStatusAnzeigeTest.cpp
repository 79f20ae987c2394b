// The main window as the automation server's owner: its topics, the "DDE" field and the order
// in which it lets go of the DDE manager.
#include "Forms/DDEStatusAnzeige.h"
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"

#include "Gui/GuiHooks.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/XoTimer.h"
#include "MVCFrame/DDEMngr.h"
#include "Support/OptionenUmgebung.h"
#include "Support/Warten.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class DDEStatusAnzeigeTest : public HauptfensterTest {
protected:
    void SetUp() override
    {
        MVCDDEManagerSingleton().Reset();
        HauptfensterTest::SetUp();
        FensterOeffnen(1);
    }
    void TearDown() override
    {
        m_fenster.reset();
        MVCDDEManagerSingleton().Reset();
        HauptfensterTest::TearDown();
    }
    QColor Farbe() const { return m_fenster->DDEStatus()->palette().color(QPalette::WindowText); }
    QColor Rolle(QPalette::ColorGroup gruppe, QPalette::ColorRole rolle) const
    {
        return m_fenster->palette().color(gruppe, rolle);
    }
    bool Fett() const { return m_fenster->DDEStatus()->font().bold(); }
    TValueDDEServerTopic& Lohn() const { return *MVCDDEManager().FindTopic("LOHN"); }
};

} // namespace

TEST_F(DDEStatusAnzeigeTest, TheCalculationsArePublishedInOrder)
{
    EXPECT_EQ(MVCDDEManager().FindTopic("System")->Request("Topics"), "System\tLOHN\tEST\tGfB\tStKlVergleich");
}

TEST_F(DDEStatusAnzeigeTest, BoldWhileConnectedHighlightedOnUseThenBackOnce)
{
    EXPECT_FALSE(Fett());
    EXPECT_EQ(Farbe(), Rolle(QPalette::Disabled, QPalette::WindowText));

    Lohn().Connect();
    EXPECT_TRUE(Fett());
    EXPECT_EQ(Farbe(), Rolle(QPalette::Active, QPalette::ButtonText));

    const int vorher = TimerMngr().Count();
    Lohn().Request("Entgelt");
    EXPECT_EQ(Farbe(), Rolle(QPalette::Active, QPalette::HighlightedText));
    // A second use moves the return: one pending return only.
    Lohn().Poke("Entgelt", "3000,00");
    EXPECT_EQ(Farbe(), Rolle(QPalette::Active, QPalette::HighlightedText));
    EXPECT_EQ(TimerMngr().Count(), vorher + 1);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Farbe() == Rolle(QPalette::Active, QPalette::ButtonText); }, kGeduldMs));
    EXPECT_TRUE(Fett());

    Lohn().Disconnect();
    EXPECT_FALSE(Fett());
    EXPECT_EQ(Farbe(), Rolle(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(DDEStatusAnzeigeTest, APokeAnswersAfterThePageShowsTheNewValue)
{
    auto* entgelt = m_fenster->findChild<QLineEdit*>("ebEntgelt");
    ASSERT_NE(entgelt, nullptr);
    Lohn().Poke("Entgelt", "4000,00");
    EXPECT_EQ(entgelt->text(), "4.000,00");
    EXPECT_EQ(Lohn().Request("Entgelt"), "4.000,00");
}

// The client hears why the results are "???"; the user reads it in the status line.
TEST_F(DDEStatusAnzeigeTest, ACalculationThatFailsAfterAPokeGoesToTheStatusLine)
{
    Lohn().Execute("SET Jahr=2026\nSET Steuerklasse=1");
    Lohn().Poke("Ausgangswert", "Nettoentgelt");
    std::string antwort;
    try {
        Lohn().Poke("Nettoentgelt", "1557,80");
    } catch (const EDDEError& e) {
        antwort = e.what();
    }
    const QString status = m_fenster->StatusBar()->text();
    EXPECT_FALSE(status.isEmpty());
    EXPECT_TRUE(QString::fromStdString(antwort).startsWith(status)) << antwort;
    EXPECT_TRUE(antwort.ends_with("\"Nettoentgelt\" bleibt übernommen.")) << antwort;
    EXPECT_EQ(Lohn().Request("Nettoentgelt"), "1.557,80");
}

TEST_F(DDEStatusAnzeigeTest, AClosedWindowLeavesNoEventsAndNoTopics)
{
    MVCDDEManager().FindTopic("System")->Connect();
    m_fenster.reset();
    EXPECT_EQ(MVCDDEManager().FindTopic("LOHN"), nullptr);
    EXPECT_EQ(MVCDDEManager().FindTopic("System")->Request("Topics"), "System");
    // No handler of the gone window is reached.
    MVCDDEManager().FindTopic("System")->Disconnect();
    EXPECT_THROW(MVCDDEManager().FindTopic("System")->Execute("SET Status=x"), EDDEError);
    EXPECT_FALSE(MVCDDEManager().HasConnections());
}
