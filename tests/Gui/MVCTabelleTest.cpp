#include "Gui/MVCTabelle.h"

#include "Gui/BergForm.h"
#include "GuiTestSupport.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/Value.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QPointer>

namespace {

class MVCTabelleTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        TOptionenUmgebung::Starten();
    }
    void TearDown() override
    {
        for (QPointer<TMVCTabelle>& t : m_tabellen)
            delete t.data();
        SetDatenGeaendertHook({});
        GuiHookFixture::TearDown();
    }
    TMVCTabelle& Neu()
    {
        auto* t = new TMVCTabelle;
        t->init();
        t->show();
        m_tabellen.emplace_back(t);
        return *t;
    }

    TOptionenUmgebung m_umgebung;
    std::vector<QPointer<TMVCTabelle>> m_tabellen;
};

TEST_F(MVCTabelleTest, StaysOnTopAsTheOptionSaysAndFollowsItsChanges)
{
    OptionenTabelle().GetValue(0).SetAsBoolean(false);
    TMVCTabelle& erste = Neu();
    EXPECT_FALSE(erste.ImVordergrund());
    OptionenTabelle().GetValue(0).SetAsBoolean(true);
    TMVCTabelle& zweite = Neu();
    EXPECT_TRUE(zweite.ImVordergrund()) << "a new table starts as the option says";
    // The change reaches every open table after the notice has gone round.
    EXPECT_FALSE(erste.ImVordergrund());
    QApplication::processEvents();
    EXPECT_TRUE(erste.ImVordergrund());
    EXPECT_TRUE(erste.isVisible());

    OptionenTabelle().GetValue(0).SetAsBoolean(false);
    QApplication::processEvents();
    EXPECT_FALSE(erste.ImVordergrund());
    EXPECT_FALSE(zweite.ImVordergrund());
    EXPECT_TRUE(zweite.isVisible());
}

} // namespace
