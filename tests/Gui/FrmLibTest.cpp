#include "Gui/FrmLib.h"

#include "Gui/XoForm.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace {

struct CenterFall {
    const char* name;
    QRect rect, over, work;
    QPoint want;
};

const CenterFall kCenter[] = {
    {"centred", {0, 0, 200, 100}, {100, 100, 400, 300}, {0, 0, 1024, 768}, {200, 200}},
    {"past_right_and_bottom", {0, 0, 200, 100}, {900, 700, 100, 60}, {0, 0, 1024, 768}, {824, 668}},
    {"larger_than_work_area", {0, 0, 2000, 1000}, {0, 0, 100, 100}, {0, 0, 1024, 768}, {0, 0}},
    {"work_area_beside_a_left_panel",
     {0, 0, 200, 100},
     {0, 0, 100, 50},
     {64, 32, 960, 736},
     {64, 32}},
    {"larger_than_offset_work_area",
     {0, 0, 2000, 1000},
     {0, 0, 10, 10},
     {64, 32, 960, 736},
     {64, 32}},
    {"odd_halves_toward_zero", {0, 0, 101, 51}, {10, 10, 200, 100}, {0, 0, 1024, 768}, {59, 34}},
};

class CenterRectTest : public testing::TestWithParam<CenterFall> {};
TEST_P(CenterRectTest, StaysInsideTheWorkArea)
{
    const CenterFall& f = GetParam();
    EXPECT_EQ(CenterRectInWorkArea(f.rect, f.over, f.work), f.want);
}
INSTANTIATE_TEST_SUITE_P(Gui, CenterRectTest, testing::ValuesIn(kCenter),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(FrmLib, CenterOfRectRoundsHalvesTowardZero)
{
    EXPECT_EQ(CenterOfRect(QRect(0, 0, 5, 3)), QPoint(2, 1));
    EXPECT_EQ(CenterOfRect(QRect(-5, -3, 4, 2)), QPoint(-3, -2));
}

class FensterLage : public GuiHookFixture {};

TEST_F(FensterLage, MoveFormInScreenKeepsTheFrameInsideTheWorkArea)
{
    Bildschirm({1366, 768}, {4, 30, 4, 4});
    QWidget form;
    form.resize(1366 + 100, 100);
    MoveFormInScreen(form, -200, 10);
    EXPECT_EQ(form.x(), 1366 - (1366 + 108)) << "wider than the work area: its right edge there";
    EXPECT_EQ(form.y(), 10);
    form.resize(200, 100);
    MoveFormInScreen(form, 1366 - 50, 768);
    EXPECT_EQ(form.pos(), QPoint(1366 - 208, 768 - 134));
    EXPECT_TRUE(ImArbeitsbereich(form));
}

TEST_F(FensterLage, AWindowFramedOnlyOnceShownIsFittedAgainWithItsFrame)
{
    Bildschirm({1280, 720}, {});
    // The window manager tells the frame only once it has shown the window; its title bar is
    // taller than the usual one.
    bool gerahmt = false;
    GuiHooks().rahmen = [&gerahmt](const QWidget&) {
        return gerahmt ? std::optional<QMargins>(QMargins(6, 60, 6, 6)) : std::nullopt;
    };
    TXoForm fenster;
    fenster.resize(300, 200);
    fenster.move(100, 720 - 250);
    fenster.show();
    EXPECT_TRUE(ImArbeitsbereich(fenster)) << "with the usual frame";
    gerahmt = true;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QCoreApplication::processEvents();
    EXPECT_TRUE(ImArbeitsbereich(fenster)) << Aussenrechteck(fenster).bottom();
    EXPECT_EQ(Aussenrechteck(fenster).bottom(), 719);
}

TEST(FrmLib, SetControlEnabledGivesEditsTheButtonFaceOnly)
{
    QWidget form;
    QLineEdit edit(&form);
    QLabel label(&form);
    const QColor labelBase = label.palette().color(QPalette::Active, QPalette::Base);
    SetControlEnabled(edit, false);
    SetControlEnabled(label, false);
    EXPECT_FALSE(edit.isEnabled());
    EXPECT_EQ(edit.palette().color(QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(label.palette().color(QPalette::Active, QPalette::Base), labelBase);
    SetControlEnabled(edit, true);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));
}

TEST(FrmLib, SetBoldFontReachesGrandchildren)
{
    QWidget form;
    QWidget panel(&form);
    QPushButton button(&panel);
    SetBoldFont(form, true);
    EXPECT_TRUE(button.font().bold());
    SetBoldFont(form, false);
    EXPECT_FALSE(button.font().bold());
}

} // namespace
