#include "Gui/XoApp.h"

#include "Gui/PageMainForm.h"
#include "GuiTestSupport.h"
#include "Lib/MVCApp.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

class XoAppTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        XoApplication().SetTrayVerfuegbar([this] { return m_tray; });
        QPixmap bild(16, 16);
        bild.fill(Qt::darkGreen);
        m_haupt = std::make_unique<TPageMainForm>();
        m_haupt->setWindowIcon(QIcon(bild));
        m_haupt->init();
        TXoForm::SetMainForm(m_haupt.get());
        m_haupt->show();
    }
    void TearDown() override
    {
        TXoForm::SetMainForm(nullptr);
        m_haupt.reset();
        XoApplicationSingleton().Reset();
        GuiHookFixture::TearDown();
    }
    void Minimieren()
    {
        m_haupt->showMinimized();
        QApplication::processEvents();
    }
    TRxTrayIcon& Icon() { return XoApplication().TrayIcon(); }

    bool m_tray = true;
    std::unique_ptr<TPageMainForm> m_haupt;
};

TEST(TrayIconTip, ShortPartOfTheHintCutTo63Characters)
{
    EXPECT_EQ(TRxTrayIcon::Tip("Vantrel 2026"), "Vantrel 2026");
    EXPECT_EQ(TRxTrayIcon::Tip("kurz|lange Erklärung"), "kurz");
    EXPECT_EQ(TRxTrayIcon::Tip(QString(70, 'x')), QString(63, 'x'));
}

TEST_F(XoAppTest, TrayPopupOffersRestoreAsDefaultAndQuit)
{
    QMenu* popup = Icon().PopupMenu();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), "StdTrayPopup");
    const QList<QAction*> items = popup->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Wiederherstellen");
    EXPECT_EQ(popup->defaultAction(), items[0]);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->objectName(), "pmiBeenden");
    EXPECT_FALSE(Icon().Icon().isNull());
}

TEST_F(XoAppTest, MinimisedMainWindowGoesIntoTheTrayOnceAndDoubleClickBringsItBack)
{
    Minimieren();
    EXPECT_FALSE(m_haupt->isVisible());
    EXPECT_TRUE(Icon().Active());
    EXPECT_TRUE(Icon().Added());
    XoApplication().AppMinimize(); // twice without a restore
    EXPECT_TRUE(Icon().Added());

    Icon().DoppelKlick();
    QApplication::processEvents();
    EXPECT_TRUE(m_haupt->isVisible());
    EXPECT_FALSE(m_haupt->isMinimized());
    EXPECT_FALSE(Icon().Active());
    EXPECT_FALSE(Icon().Added());
}

TEST_F(XoAppTest, WithoutATrayTheMinimisedWindowStaysOnTheTaskBar)
{
    m_tray = false;
    Minimieren();
    EXPECT_TRUE(m_haupt->isVisible());
    EXPECT_TRUE(m_haupt->isMinimized());
    EXPECT_FALSE(Icon().Active());
}

TEST_F(XoAppTest, DoubleClickWithoutAnEnabledDefaultItemIsPassedOn)
{
    QSignalSpy doppel(&Icon(), &TRxTrayIcon::DblClick);
    Icon().PopupMenu()->defaultAction()->setEnabled(false);
    Icon().DoppelKlick();
    EXPECT_EQ(doppel.count(), 1);
    Icon().PopupMenu()->defaultAction()->setEnabled(true);
    Icon().DoppelKlick();
    EXPECT_EQ(doppel.count(), 1);
}

TEST_F(XoAppTest, HourglassFromFirstBeginToLastEndOfTheRegistrysWait)
{
    MVCApplication().DoBeginWait();
    MVCApplication().DoBeginWait();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    MVCApplication().DoEndWait();
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    MVCApplication().DoEndWait();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    MVCApplication().DoEndWait(); // one too many is harmless
    EXPECT_EQ(XoApplication().BusyCount(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(XoAppTest, GoingWhileBusyPutsTheCursorBack)
{
    XoApplication().BeginBusy();
    XoApplicationSingleton().Reset();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The registry's events no longer reach the freed object.
    MVCApplication().DoBeginWait();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
