#include "Gui/BetragEdit.h"

#include "Gui/Rechner.h"
#include "GuiTestSupport.h"
#include "Lib/Exception.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <QVBoxLayout>

namespace {

// A dialog stand-in that records the keys its fields pass on.
class Umgebung : public QWidget {
public:
    QList<int> tasten;

protected:
    void keyPressEvent(QKeyEvent* event) override { tasten << event->key(); }
};

class BetragTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TBetrag::SetEinfuegeModus(false);
        auto* layout = new QVBoxLayout(&m_form);
        layout->addWidget(&m_andere);
        layout->addWidget(&m_feld);
        m_form.show();
        m_form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_form));
        m_feld.setFocus();
    }

    Umgebung m_form;
    QLineEdit m_andere{&m_form};
    TBetrag m_feld{&m_form};
};

TEST_F(BetragTest, TypingAfterFocusReplacesTheAmount)
{
    EXPECT_EQ(m_feld.text(), "0,00");
    EXPECT_EQ(m_feld.selectedText(), "0,00");
    QTest::keyClicks(&m_feld, "12345");
    EXPECT_EQ(m_feld.text(), "123,45");
    EXPECT_EQ(m_feld.Betrag(), 12345);
    EXPECT_DOUBLE_EQ(m_feld.AsFloat(), 123.45);
    QTest::keyClick(&m_feld, Qt::Key_Comma);
    QTest::keyClicks(&m_feld, "5");
    EXPECT_EQ(m_feld.text(), "12.345,50");
    QTest::keyClick(&m_feld, Qt::Key_Backspace);
    EXPECT_EQ(m_feld.text(), "1.234,50");
    EXPECT_EQ(m_feld.cursorPosition(), 7);
}

TEST_F(BetragTest, WrongKeysBeepAndChangeNothing)
{
    QTest::keyClicks(&m_feld, "7a");
    EXPECT_EQ(m_feld.text(), "0,07");
    EXPECT_EQ(m_fehlerBeeps, 1);
    m_feld.SetMinus(false);
    QTest::keyClicks(&m_feld, "-");
    EXPECT_EQ(m_feld.text(), "0,07");
    EXPECT_EQ(m_fehlerBeeps, 2);
}

TEST_F(BetragTest, EnterAndEscapeGoToTheDialog)
{
    QTest::keyClick(&m_feld, Qt::Key_Return);
    QTest::keyClick(&m_feld, Qt::Key_Escape);
    EXPECT_EQ(m_form.tasten, (QList<int>{Qt::Key_Return, Qt::Key_Escape}));
}

TEST_F(BetragTest, ReadOnlyFieldTakesNoInput)
{
    m_feld.SetBetrag(500);
    m_feld.setReadOnly(true);
    QApplication::clipboard()->setText("9,99");
    QTest::keyClicks(&m_feld, "12");
    QTest::keyClick(&m_feld, Qt::Key_Backspace);
    QTest::keyClick(&m_feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_feld.text(), "5,00");
}

TEST_F(BetragTest, UndoExchangesWithTheTextAtFocusEntry)
{
    m_feld.SetBetrag(100);
    m_andere.setFocus();
    m_feld.setFocus();
    EXPECT_FALSE(m_feld.CanUndo());
    QTest::keyClicks(&m_feld, "2");
    EXPECT_EQ(m_feld.text(), "0,02");
    EXPECT_TRUE(m_feld.CanUndo());
    QTest::keyClick(&m_feld, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(m_feld.text(), "1,00");
    m_feld.Undo();
    EXPECT_EQ(m_feld.text(), "0,02");
}

TEST_F(BetragTest, PasteAndCutGoThroughTheRules)
{
    QApplication::clipboard()->setText("1.234,5");
    QTest::keyClick(&m_feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_feld.text(), "1.234,50");
    m_feld.setSelection(0, 5);
    QTest::keyClick(&m_feld, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "1.234");
    EXPECT_EQ(m_feld.text(), "0,50");
    QApplication::clipboard()->setText("kein Betrag");
    m_feld.selectAll();
    QTest::keyClick(&m_feld, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(m_feld.text(), "0,50");
}

TEST_F(BetragTest, AmountsThatDoNotFitAreRefused)
{
    m_feld.SetBetrag(-123456789);
    EXPECT_EQ(m_feld.text(), "-1.234.567,89");
    m_feld.SetMaxLength(8);
    EXPECT_THROW(m_feld.SetBetrag(123456789), Exception);
    EXPECT_THROW(m_feld.SetAsFloat(1e9), Exception);
    EXPECT_EQ(m_feld.text(), "-1.234.567,89");
}

TEST_F(BetragTest, ChangingThePlacesMovesTheSeparator)
{
    m_feld.SetBetrag(123456);
    m_feld.SetDezimalstellen(3);
    EXPECT_EQ(m_feld.text(), "123,456");
    m_feld.SetDezimalstellen(0);
    EXPECT_EQ(m_feld.text(), "123.456");
    EXPECT_TRUE(m_feld.SetTextFormatted("7,9"));
    EXPECT_EQ(m_feld.text(), "7");
}

TEST_F(BetragTest, InsertKeyTogglesOverwriteForAllFields)
{
    m_feld.SetBetrag(123456);
    m_feld.setCursorPosition(3);
    QTest::keyClicks(&m_feld, "9");
    EXPECT_EQ(m_feld.text(), "1.294,56");
    QTest::keyClick(&m_feld, Qt::Key_Insert);
    EXPECT_TRUE(TBetrag::EinfuegeModus());
    QTest::keyClicks(&m_feld, "8");
    EXPECT_EQ(m_feld.text(), "12.984,56");
    TBetrag::SetEinfuegeModus(false);
}

TEST_F(BetragTest, KeyROpensTheCalculatorForThisField)
{
    TFoRechner rechner;
    TBetrag* ziel = nullptr;
    m_modalAntwort = [&](QWidget& fenster) {
        EXPECT_EQ(&fenster, &rechner);
        ziel = rechner.Zielfeld();
        return 0;
    };
    QTest::keyClicks(&m_feld, "R");
    EXPECT_EQ(ziel, &m_feld);
    EXPECT_EQ(m_beeps, 0);
}

} // namespace

namespace {

TEST_F(BetragTest, AClickPlacesTheCaretInsteadOfSelecting)
{
    m_feld.SetBetrag(123456);
    m_andere.setFocus();
    QTest::mouseClick(&m_feld, Qt::LeftButton, Qt::NoModifier, QPoint(m_feld.width() - 4, 5));
    EXPECT_TRUE(m_feld.hasFocus());
    EXPECT_FALSE(m_feld.hasSelectedText());
    m_andere.setFocus();
    m_feld.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(m_feld.selectedText(), "1.234,56");
}

} // namespace
