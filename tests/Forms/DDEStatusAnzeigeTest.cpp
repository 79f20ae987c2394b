// The main window as the automation server's owner: its topics, the "DDE" field and the order
// in which it lets go of the DDE manager.
#include "Forms/DDEStatusAnzeige.h"
#include "Forms/MainForm.h"

#include "Gui/GuiHooks.h"
#include "Gui/GuiTestSupport.h"
#include "MVCFrame/DDEMngr.h"
#include "Support/OptionenUmgebung.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

class DDEStatusAnzeigeTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        MVCDDEManagerSingleton().Reset();
        TOptionenUmgebung::Starten();
        fenster = std::make_unique<TMainForm>(m_umgebung.Xdg().Ordner("daten") + "/");
        fenster->init();
        fenster->SetActivePage(1);
        fenster->show();
    }
    void TearDown() override
    {
        fenster.reset();
        MVCDDEManagerSingleton().Reset();
        GuiHookFixture::TearDown();
    }
    QColor Farbe() const { return fenster->DDEStatus()->palette().color(QPalette::WindowText); }
    QColor Rolle(QPalette::ColorGroup gruppe, QPalette::ColorRole rolle) const
    {
        return fenster->palette().color(gruppe, rolle);
    }
    bool Fett() const { return fenster->DDEStatus()->font().bold(); }
    TValueDDEServerTopic& Lohn() const { return *MVCDDEManager().FindTopic("LOHN"); }

    TOptionenUmgebung m_umgebung;
    std::unique_ptr<TMainForm> fenster;
};

} // namespace

TEST_F(DDEStatusAnzeigeTest, TheCalculationsArePublishedInOrder)
{
    EXPECT_EQ(MVCDDEManager().FindTopic("System")->Request("Topics"), "System\tLOHN\tEST\tGfB\tStKlVergleich");
}

TEST_F(DDEStatusAnzeigeTest, BoldWhileConnectedHighlightedOnUseBackAfterHalfASecond)
{
    EXPECT_FALSE(Fett());
    EXPECT_EQ(Farbe(), Rolle(QPalette::Disabled, QPalette::WindowText));

    Lohn().Connect();
    EXPECT_TRUE(Fett());
    EXPECT_EQ(Farbe(), Rolle(QPalette::Active, QPalette::ButtonText));

    QElapsedTimer uhr;
    uhr.start();
    Lohn().Request("Entgelt");
    EXPECT_EQ(Farbe(), Rolle(QPalette::Active, QPalette::HighlightedText));
    // A second use moves the return: one pending return only.
    Lohn().Poke("Entgelt", "3000,00");
    EXPECT_EQ(Farbe(), Rolle(QPalette::Active, QPalette::HighlightedText));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return Farbe() == Rolle(QPalette::Active, QPalette::ButtonText); }, 30000));
    EXPECT_GE(uhr.elapsed(), TDDEStatusAnzeige::kRueckkehrMs);
    EXPECT_TRUE(Fett());

    Lohn().Disconnect();
    EXPECT_FALSE(Fett());
    EXPECT_EQ(Farbe(), Rolle(QPalette::Disabled, QPalette::WindowText));
}

TEST_F(DDEStatusAnzeigeTest, APokeAnswersAfterThePageShowsTheNewValue)
{
    auto* entgelt = fenster->findChild<QLineEdit*>("ebEntgelt");
    ASSERT_NE(entgelt, nullptr);
    Lohn().Poke("Entgelt", "4000,00");
    EXPECT_EQ(entgelt->text(), "4.000,00");
    EXPECT_EQ(Lohn().Request("Entgelt"), "4.000,00");
}

TEST_F(DDEStatusAnzeigeTest, AClosedWindowLeavesNoEventsAndNoTopics)
{
    MVCDDEManager().FindTopic("System")->Connect();
    fenster.reset();
    EXPECT_EQ(MVCDDEManager().FindTopic("LOHN"), nullptr);
    EXPECT_EQ(MVCDDEManager().FindTopic("System")->Request("Topics"), "System");
    // No handler of the gone window is reached.
    MVCDDEManager().FindTopic("System")->Disconnect();
    MVCDDEManager().FindTopic("System")->Execute("SET Status=x");
    EXPECT_FALSE(MVCDDEManager().HasConnections());
}
