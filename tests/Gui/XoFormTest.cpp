#include "Gui/XoForm.h"

#include "Gui/BetragEdit.h"
#include "Gui/FrmLib.h"
#include "Gui/Rechner.h"
#include "Gui/XoTimer.h"
#include "GuiTestSupport.h"
#include "Lib/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <fstream>
#include <memory>

namespace {

class Eingabeform : public TXoForm {
public:
    Eingabeform()
    {
        setObjectName("Eingabeform");
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(text);
        layout->addWidget(betrag);
        layout->addWidget(panel);
        new QVBoxLayout(panel);
        panel->layout()->addWidget(knopf);
    }
    QLineEdit* text = new QLineEdit(this);
    TBetrag* betrag = new TBetrag(this);
    QWidget* panel = new QWidget(this);
    QWidget* knopf = new QWidget(panel);
    void Tick() {}
};

class XoFormTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        m_form.init();
        m_form.show();
        m_form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_form));
    }
    QAction* Item(const char* name) { return m_form.findChild<QAction*>(name); }

    Eingabeform m_form;
};

struct Eintrag {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
    int helpContext;
};

const Eintrag kEditMenu[] = {
    {"miRueckgaengig", "&Rückgängig", QKeySequence(Qt::CTRL | Qt::Key_Z), 51000},
    {"miAusschneiden", "&Ausschneiden", QKeySequence(Qt::CTRL | Qt::Key_X), 51005},
    {"miKopieren", "&Kopieren", QKeySequence(Qt::CTRL | Qt::Key_C), 51010},
    {"miEinfuegen", "&Einfügen", QKeySequence(Qt::CTRL | Qt::Key_V), 51015},
    {"miLoeschen", "&Löschen", QKeySequence(Qt::CTRL | Qt::Key_Delete), 51020},
    {"miAllesMarkieren", "Alles &markieren", QKeySequence(Qt::CTRL | Qt::Key_A), 51040},
};

TEST_F(XoFormTest, EditMenuItemsNamesCaptionsAndShortcuts)
{
    QMenu* menu = m_form.CreateEditMenu(&m_form);
    EXPECT_EQ(menu->title(), "&Bearbeiten");
    ASSERT_EQ(menu->actions().size(), 8);
    EXPECT_TRUE(menu->actions()[1]->isSeparator());
    EXPECT_TRUE(menu->actions()[6]->isSeparator());
    for (const Eintrag& e : kEditMenu) {
        QAction* item = Item(e.name);
        ASSERT_NE(item, nullptr) << e.name;
        EXPECT_EQ(item->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(item->shortcut(), e.shortcut) << e.name;
        EXPECT_EQ(item->property("helpContext").toInt(), e.helpContext) << e.name;
    }
    QMenu* popup = m_form.CreateEditPopup();
    EXPECT_EQ(popup->objectName(), "StdEditPopup");
    EXPECT_EQ(popup->actions().size(), 8);
    EXPECT_TRUE(Item("pmiKopieren")->shortcut().isEmpty());
    EXPECT_EQ(m_form.CreateEditPopup(), popup);
    EXPECT_EQ(m_form.CreateBeendenItem(true)->statusTip(),
              "Beendet " + QApplication::applicationDisplayName() + ".");
}

TEST_F(XoFormTest, PopupWithTheCalculatorHasTenEntries)
{
    TFoRechner rechner;
    Eingabeform form;
    QMenu* popup = form.CreateEditPopup();
    ASSERT_EQ(popup->actions().size(), 10);
    EXPECT_EQ(popup->actions()[9]->objectName(), "pmiRechner");
    EXPECT_EQ(popup->actions()[9]->text(), "Re&chner");
}

TEST_F(XoFormTest, EditItemsFollowTheFocusedField)
{
    m_form.CreateEditPopup();
    QApplication::clipboard()->setText("Text");
    m_form.text->setText("abc");
    m_form.text->setReadOnly(true);
    m_form.text->setFocus();
    m_form.text->selectAll();
    m_form.UpdateEditItems(true);
    EXPECT_FALSE(Item("pmiEinfuegen")->isEnabled());
    EXPECT_EQ(Item("pmiEinfuegen")->statusTip(),
              "Dieser Befehl ist nicht verfügbar, weil kein Text eingefügt werden kann.");
    EXPECT_FALSE(Item("pmiAllesMarkieren")->isEnabled());
    EXPECT_TRUE(Item("pmiAllesMarkieren")->statusTip().isEmpty());
    EXPECT_TRUE(Item("pmiKopieren")->isEnabled());
    EXPECT_FALSE(Item("pmiAusschneiden")->isEnabled());
    EXPECT_EQ(Item("pmiRueckgaengig")->statusTip(),
              "Dieser Befehl ist nicht verfügbar, weil nichts geändert wurde.");

    m_form.text->setReadOnly(false);
    m_form.text->setCursorPosition(1);
    m_form.UpdateEditItems(true);
    EXPECT_TRUE(Item("pmiEinfuegen")->isEnabled());
    EXPECT_EQ(Item("pmiEinfuegen")->statusTip(),
              "Text/Betrag aus der Zwischenablage in das aktive Eingabefeld einfügen.");
    EXPECT_TRUE(Item("pmiAllesMarkieren")->isEnabled());
    EXPECT_FALSE(Item("pmiKopieren")->isEnabled());

    m_form.knopf->setFocusPolicy(Qt::StrongFocus);
    m_form.knopf->setFocus();
    m_form.UpdateEditItems(true);
    EXPECT_FALSE(Item("pmiLoeschen")->isEnabled());
    EXPECT_EQ(Item("pmiRueckgaengig")->statusTip(),
              "Dieser Befehl ist nicht verfügbar, weil kein Eingabefeld aktiv ist.");
}

TEST_F(XoFormTest, EditCommandsWorkOnTheFocusedField)
{
    m_form.betrag->setFocus();
    QTest::keyClicks(m_form.betrag, "12345");
    m_form.betrag->setCursorPosition(2);
    m_form.miLoeschenClick();
    EXPECT_EQ(m_form.betrag->text(), "0,00");
    EXPECT_EQ(m_form.betrag->cursorPosition(), 4);

    m_form.text->setFocus();
    m_form.text->setText("Lohnsteuer");
    m_form.text->setSelection(0, 4);
    m_form.miAusschneidenClick();
    EXPECT_EQ(m_form.text->text(), "steuer");
    m_form.text->setCursorPosition(6);
    m_form.miEinfuegenClick();
    EXPECT_EQ(m_form.text->text(), "steuerLohn");
    m_form.miLoeschenClick();
    EXPECT_EQ(m_form.text->text(), "");

    m_form.knopf->setFocusPolicy(Qt::StrongFocus);
    m_form.knopf->setFocus();
    m_form.miKopierenClick();
    EXPECT_EQ(m_fehlerBeeps, 1);
}

TEST_F(XoFormTest, ShiftF10OpensTheNearestPopup)
{
    int anfragen = 0;
    m_form.panel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(m_form.panel, &QWidget::customContextMenuRequested,
                     [&](const QPoint&) { ++anfragen; });
    m_form.knopf->setFocusPolicy(Qt::StrongFocus);
    m_form.knopf->setFocus();
    QTest::keyClick(m_form.knopf, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(anfragen, 1);
}

TEST_F(XoFormTest, KeysGoOnToTheMainWindow)
{
    struct Haupt : TXoForm {
        QList<TXoForm*> von;
        void HauptformKeyDown(TXoForm& sender, QKeyEvent*) override { von << &sender; }
    } haupt;
    TXoForm::SetMainForm(&haupt);
    QTest::keyClick(&m_form, Qt::Key_F5);
    TXoForm::SetMainForm(nullptr);
    EXPECT_EQ(haupt.von, QList<TXoForm*>{&m_form});
}

TEST_F(XoFormTest, WindowPlacementKeys)
{
    QTemporaryDir dir;
    TXIniFile ini((dir.path() + "/Pos.ini").toStdString());
    Eingabeform form;
    form.LoadPosition(ini);
    EXPECT_EQ(form.GetNormalBounds(), QRect(0, 0, 400, 300));
    form.SavePosition(ini);
    EXPECT_EQ(ini.ReadSection("Eingabeform"), std::vector<std::string>{"Maximiert"});
    EXPECT_EQ(ini.ReadString("Eingabeform", "Maximiert", ""), "0");

    form.SetNormalBounds(QRect(30, 40, 500, 300));
    form.SavePosition(ini);
    EXPECT_EQ(ini.ReadSection("Eingabeform"),
              (std::vector<std::string>{"Maximiert", "Oben", "Links", "Breite"}));
    Eingabeform wieder;
    wieder.LoadPosition(ini);
    EXPECT_EQ(wieder.GetNormalBounds(), QRect(30, 40, 500, 300));
    EXPECT_FALSE(wieder.isVisible());
}

struct LageFall {
    const char* name;
    const char* zeilen; // the stored keys of the form's section
};

// Stored placements no window could take: beyond the screen, too large, negative, at the ends of
// 32 bits (where the bottom edge overflowed an int).
const LageFall kLageFaelle[] = {
    {"bottom_overflows", "Oben=2147483647\nHoehe=99999999\n"},
    {"far_left_and_up", "Links=-629\nOben=-522\n"},
    {"far_right_and_down", "Links=99999\nOben=99999\nBreite=500\nHoehe=300\n"},
    {"int_limits", "Links=-2147483648\nOben=-2147483648\nBreite=2147483647\nHoehe=2147483647\n"},
    {"negative_size", "Breite=-5\nHoehe=-2147483648\n"},
    {"hexadecimal", "Links=0x7fffffff\nBreite=$7fffffff\n"},
};

class LageTest : public XoFormTest, public testing::WithParamInterface<LageFall> {};

TEST_P(LageTest, AStoredPlacementIsBroughtBackOntoTheWorkArea)
{
    QTemporaryDir dir;
    const std::string datei = (dir.path() + "/Pos.ini").toStdString();
    std::ofstream(datei) << "[Eingabeform]\n" << GetParam().zeilen;
    // The whole window, title bar and borders included, on either screen.
    for (const QSize groesse : {QSize(1366, 768), QSize(1280, 720)}) {
        Bildschirm(groesse, {4, 30, 4, 4});
        Eingabeform form;
        form.LoadPosition(TIniFile(datei));
        EXPECT_TRUE(ImArbeitsbereich(form)) << GetParam().zeilen << Aussenrechteck(form).bottom();
        EXPECT_GE(form.width(), 1);
        EXPECT_GE(form.height(), 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Gui, LageTest, testing::ValuesIn(kLageFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(XoFormTest, LargeFontScalesOnlyOnce)
{
    Eingabeform form;
    form.resize(400, 300);
    const double punkte = form.font().pointSizeF();
    form.SetGrosseSchrift(true);
    form.SetGrosseSchrift(true);
    EXPECT_EQ(form.size(), QSize(480, 360));
    EXPECT_DOUBLE_EQ(form.font().pointSizeF(), punkte * 1.2);
    form.SetGrosseSchrift(false);
    EXPECT_EQ(form.size(), QSize(400, 300));
}

TEST_F(XoFormTest, ControlVisibilityGrowsTheForm)
{
    m_form.resize(400, 300);
    m_form.panel->resize(100, 40);
    m_form.SetControlVisible(*m_form.panel, true);
    EXPECT_EQ(m_form.height(), 300);
    m_form.SetControlVisible(*m_form.panel, false);
    EXPECT_EQ(m_form.height(), 260);
    EXPECT_TRUE(m_form.panel->isHidden());
}

TEST_F(XoFormTest, TimersDieWithTheirForm)
{
    auto form = std::make_unique<Eingabeform>();
    TimerMngr().AddTimer(100, {form.get(), &Eingabeform::Tick});
    TimerMngr().AddDelayed(100, {form.get(), &Eingabeform::Tick});
    const int vorher = TimerMngr().Count();
    form.reset();
    EXPECT_EQ(TimerMngr().Count(), vorher - 2);
    TimerMngrSingleton().Reset();
}

TEST_F(XoFormTest, SendToAllFormsNewestFirstOverASnapshot)
{
    auto a = std::make_unique<Eingabeform>();
    auto b = std::make_unique<Eingabeform>();
    auto c = std::make_unique<Eingabeform>();
    QList<TXoForm*> erreicht;
    SendToAllForms([&](TXoForm& form) {
        erreicht << &form;
        if (&form == c.get())
            b.reset();
    });
    EXPECT_EQ(erreicht, (QList<TXoForm*>{c.get(), a.get(), &m_form}));
}

TEST_F(XoFormTest, ShowModalFormAnswersOk)
{
    m_modalAntwort = [](QWidget& fenster) {
        static_cast<TXoForm&>(fenster).SetModalResult(mrOk);
        return static_cast<TXoForm&>(fenster).ModalResult();
    };
    EXPECT_TRUE(TXoForm::ShowModalForm<Eingabeform>());
    m_modalAntwort = nullptr;
    EXPECT_FALSE(TXoForm::ShowModalForm<Eingabeform>());
}

TEST_F(XoFormTest, CenterOnOwnerWithoutOwnerUsesTheWorkArea)
{
    Bildschirm({1366, 768}, {4, 30, 4, 4});
    Eingabeform form;
    form.resize(200, 100);
    QApplication::setActiveWindow(nullptr);
    form.CenterOnOwner();
    EXPECT_TRUE(ImArbeitsbereich(form));
    EXPECT_EQ(Aussenrechteck(form).center(), QRect(0, 0, 1366, 768).center());
}

} // namespace

namespace {

TEST_F(XoFormTest, FitToWorkAreaPullsTheFormBackIn)
{
    Bildschirm({1280, 720}, {4, 30, 4, 4});
    const QRect work = GetWorkArea();
    Eingabeform form;
    form.resize(300, 200);
    form.move(work.right() - 100, work.bottom() - 50);
    form.FitToWorkArea();
    EXPECT_EQ(Aussenrechteck(form).right(), work.right());
    EXPECT_EQ(Aussenrechteck(form).bottom(), work.bottom());
    form.resize(work.width() + 50, 100);
    form.FitToWorkArea();
    EXPECT_EQ(form.x(), work.x());
}

} // namespace
