// The display options as the program installs them: the windows of a fresh installation are bold,
// and switching large print in the options enlarges a window that is open.
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"
#include "Forms/Seiten/Entgeltabrechnung.h"

#include "Gui/AnzeigeOptionen.h"
#include "Gui/BergForm.h"
#include "Gui/FrmLib.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCEdit.h"
#include "Options/OptionenVtrl.h"
#include "Support/OptionenUmgebung.h"

#include <memory>

namespace {

class AnzeigeOptionenTest : public HauptfensterTest {
protected:
    void SetUp() override
    {
        HauptfensterTest::SetUp();
        InstallOptionenAnzeige();
        FensterOeffnen(1);
        m_seite = dynamic_cast<TFoEntgeltabrechnung*>(m_fenster->ActivePageForm());
        ASSERT_NE(m_seite, nullptr);
        m_brutto = m_seite->Control<TMVCBetrag>("ebEntgelt");
        ASSERT_NE(m_brutto, nullptr);
    }
    void TearDown() override
    {
        m_fenster.reset();
        SetAnzeigeOptionen(nullptr);
        SetDatenGeaendertHook({});
        HauptfensterTest::TearDown();
    }
    // What the options dialog changes: the general options of the container.
    static void Schalten(const char* option, bool an)
    {
        OptionenVtrl().AllgemeinDaten().Schalter(option).SetValue(an);
    }

    TFoEntgeltabrechnung* m_seite = nullptr;
    TMVCBetrag* m_brutto = nullptr;
};

TEST_F(AnzeigeOptionenTest, AFreshInstallationShowsBoldFields)
{
    EXPECT_TRUE(m_brutto->font().bold());
    EXPECT_TRUE(m_fenster->font().bold());
    Schalten("FetteSchrift", false);
    EXPECT_FALSE(m_brutto->font().bold());
    Schalten("FetteSchrift", true);
    EXPECT_TRUE(m_brutto->font().bold());
}

TEST_F(AnzeigeOptionenTest, LargePrintEnlargesTheOpenWindowAtOnce)
{
    const qreal fenster = m_fenster->font().pointSizeF();
    const qreal feld = m_brutto->font().pointSizeF();
    const QSize groesse = m_fenster->size();
    Schalten("GrosseSchrift", true);
    EXPECT_NEAR(m_fenster->font().pointSizeF(), fenster * 1.2, 0.01);
    EXPECT_NEAR(m_brutto->font().pointSizeF(), feld * 1.2, 0.01);
    EXPECT_GT(m_fenster->width(), groesse.width());
    // Grown, but still on the screen.
    EXPECT_TRUE(GetWorkArea().contains(m_fenster->frameGeometry()))
        << "work area " << GetWorkArea().height() << ", window " << m_fenster->frameGeometry().height();
    // The field stays bold, and switching back gives the old size.
    EXPECT_TRUE(m_brutto->font().bold());
    Schalten("GrosseSchrift", false);
    EXPECT_NEAR(m_brutto->font().pointSizeF(), feld, 0.01);
}

TEST_F(AnzeigeOptionenTest, AWindowOpenedLaterFollowsTheOptionsToo)
{
    Schalten("GrosseSchrift", true);
    TBerechnungForm spaeter;
    auto* feld = new TMVCEdit(&spaeter, &spaeter);
    spaeter.init();
    EXPECT_TRUE(spaeter.GrosseSchrift());
    EXPECT_TRUE(feld->font().bold());
}

} // namespace
