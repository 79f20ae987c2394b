#include "Gui/Rechner.h"

#include "Gui/BetragEdit.h"
#include "GuiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <string>

namespace {

class RechnerTest : public GuiHookFixture {
protected:
    void Klick(const QString& knopf)
    {
        auto* button = m_rechner.findChild<QAbstractButton*>(knopf);
        ASSERT_NE(button, nullptr) << knopf.toStdString();
        button->click();
    }

    TFoRechner m_rechner;
};

TEST_F(RechnerTest, PercentageChainOnTheButtons)
{
    m_rechner.resize(480, 320);
    m_rechner.show();
    m_rechner.Aktivieren();
    EXPECT_EQ(m_rechner.Display().text(), "0");
    for (const char* knopf : {"sp1", "sp0", "sp0", "spMultiplikation", "sp1", "sp6", "spProzent"})
        Klick(knopf);
    EXPECT_EQ(m_rechner.Display().text(), "16,00");
    Klick("spPlus");
    EXPECT_EQ(m_rechner.Display().text(), "116,00");
    EXPECT_EQ(m_rechner.StreifenZeilen(),
              (QStringList{" 0 C ", " 100,00 x ", " 16,00 % ", " 16,00 * ", " 116,00+% "}));
    EXPECT_FALSE(SaveScreenshot(m_rechner, "Rechner").isEmpty());
}

TEST_F(RechnerTest, KeysOnTheTapeReachTheCalculator)
{
    m_rechner.show();
    m_rechner.Aktivieren();
    QTest::keyClicks(&m_rechner.Streifen(), "125+250+");
    QTest::keyClick(&m_rechner.Streifen(), Qt::Key_Return);
    EXPECT_EQ(m_rechner.Display().text(), "3,75");
    EXPECT_EQ(m_rechner.StreifenZeilen().last(), " 3,75 * ");
}

TEST_F(RechnerTest, TransferWritesTheResultIntoTheField)
{
    QWidget form;
    TBetrag feld(&form);
    feld.SetDezimalstellen(3);
    feld.SetBetrag(12345);
    m_modalAntwort = [&](QWidget&) {
        EXPECT_TRUE(m_rechner.findChild<QAbstractButton*>("bnUebertragen")->isEnabled());
        m_rechner.Taste('*');
        m_rechner.Taste('2');
        m_rechner.Taste(kTasteEnter);
        m_rechner.Uebertragen();
        return 0;
    };
    m_rechner.ZielfeldMerken(&feld);
    m_rechner.ShowModal();
    EXPECT_EQ(m_rechner.Display().text(), "24,69");
    EXPECT_EQ(feld.text(), "24,690");
}

TEST_F(RechnerTest, OnlyAWritableAmountFieldIsATarget)
{
    QWidget form;
    TBetrag feld(&form);
    feld.setReadOnly(true);
    m_rechner.ZielfeldMerken(&feld);
    EXPECT_EQ(m_rechner.Zielfeld(), nullptr);
    QLineEdit text(&form);
    m_rechner.ZielfeldMerken(&text);
    EXPECT_EQ(m_rechner.Zielfeld(), nullptr);
    m_rechner.ShowModal();
    EXPECT_FALSE(m_rechner.findChild<QAbstractButton*>("bnUebertragen")->isEnabled());
}

TEST_F(RechnerTest, AResultTooLargeIsReportedAndNotShownAsZero)
{
    m_rechner.Aktivieren();
    for (const int taste : std::initializer_list<int>{'9', '9', '9', '9', '9', '9', '9', '*', '1',
                                                      '0', '0', '0', kTasteEnter})
        m_rechner.Taste(taste);
    EXPECT_EQ(m_fehler, QStringList{"Betrag zu groß"});
    EXPECT_EQ(m_rechner.Display().text(), "1.000");
}

} // namespace

namespace {

class RechnerDropTest : public GuiHookFixture {
protected:
    // Drops a tape line's data on the display, as dragging a line of the tape does.
    bool Fallen(const QByteArray& zeile, const char* typ = TListBoxFixed::MimeTyp())
    {
        QMimeData daten;
        daten.setData(typ, zeile);
        const QPoint mitte = m_rechner.Display().rect().center();
        QDragEnterEvent enter(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_rechner.Display(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&m_rechner.Display(), &drop);
        return drop.isAccepted();
    }
    TFoRechner m_rechner;
};

TEST_F(RechnerDropTest, ADroppedTapeLineBecomesTheEntry)
{
    m_rechner.Aktivieren();
    ASSERT_TRUE(Fallen(" 1.234,567-+ "));
    EXPECT_DOUBLE_EQ(m_rechner.Werk().Anzeige(), -1234.567);
    EXPECT_EQ(m_rechner.Display().text(), "-1.234,567");
    m_rechner.Taste('+');
    EXPECT_DOUBLE_EQ(m_rechner.Werk().Summe(), -1234.567);
    EXPECT_FALSE(Fallen("5", "text/plain"));
}

} // namespace

namespace {

TEST_F(RechnerDropTest, TheTapePrints)
{
    m_rechner.Aktivieren();
    for (const char taste : std::string("125+250-"))
        m_rechner.Taste(taste);
    QTemporaryDir dir;
    const QString datei = dir.path() + "/Streifen.pdf";
    {
        QPdfWriter pdf(datei);
        m_rechner.StreifenDrucken(pdf);
    }
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray inhalt = f.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
}

TEST_F(RechnerDropTest, ACancelledPrintDialogPrintsNothing)
{
    int dialoge = 0;
    GuiHooks().modal = [&](QWidget&) {
        ++dialoge;
        return static_cast<int>(QDialog::Rejected);
    };
    m_rechner.findChild<QAbstractButton*>("bnDrucken")->click();
    EXPECT_EQ(dialoge, 1);
}

} // namespace
