#include "Gui/FrmLib.h"

#include "GuiTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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

TEST(FrmLib, MoveFormInScreenPullsAWideFormToTheRightEdge)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QWidget form;
    form.resize(screen.width() + 100, 100);
    MoveFormInScreen(form, -200, 10);
    EXPECT_EQ(form.x(), -100);
    EXPECT_EQ(form.y(), 10);
    form.resize(200, 100);
    MoveFormInScreen(form, screen.width() - 50, screen.height());
    EXPECT_EQ(form.pos(), QPoint(screen.width() - 200, screen.height() - 100));
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
