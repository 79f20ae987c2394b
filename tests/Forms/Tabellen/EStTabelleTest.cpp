#include "Forms/Tabellen/EStTabelle.h"

#include "Engine/Einkommensteuer/EStTab.h"
#include "Engine/Einkommensteuer/EStTabBase.h"
#include "Gui/BetragEdit.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/GuiTestSupport.h"
#include "Lib/Betrag.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

namespace {

// The tariff periods of the menu "Einkommensteuer-Tabellen", one year each.
const int kPerioden[] = {1988, 1990, 1996, 1998, 1999, 2000, 2001, 2002, 2004,
                         2005, 2007, 2009, 2010, 2013, 2014, 2015, 2016, 2017,
                         2018, 2019, 2020, 2021, 2022, 2023, 2024, 2025, 2026};

class EStTabelleTest : public GuiHookFixture {
protected:
    void TearDown() override
    {
        CloseFormsOfClass(TFoEStTabelle::staticMetaObject);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        GuiHookFixture::TearDown();
    }
    static int Fenster()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<TFoEStTabelle*>(w) != nullptr;
        return n;
    }
    // The window as the user's: active, so that its keys work.
    static bool Aktivieren(QWidget& w)
    {
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
    // The amount of the top row shown.
    static double Oben(const TFoEStTabelle& t) { return t.ZeileZuBetrag(t.ScrollBar1()->value()); }
};

// The row's figures against a tariff of its own: the window's tariff may not leak state into
// the rows.
void ErwarteZeile(TFoEStTabelle& t, double betrag, int jahr)
{
    auto tarif = CreateEStTab(static_cast<std::uint16_t>(jahr));
    const double f = tarif->DMFaktor();
    const double k = t.Kurs();
    const TEStTabellenZeile z = t.Zeile(betrag);
    EXPECT_DOUBLE_EQ(z.einkommen, Dreisatz(true, 2, betrag, f, k)) << jahr << " " << betrag;
    EXPECT_DOUBLE_EQ(z.grundtarif, Dreisatz(true, 2, tarif->Steuer(false, betrag, f), f, k))
        << jahr << " " << betrag;
    EXPECT_DOUBLE_EQ(z.splittingtarif, Dreisatz(true, 2, tarif->Steuer(true, betrag, f), f, k))
        << jahr << " " << betrag;
}

} // namespace

TEST_F(EStTabelleTest, EveryPeriodsFirstMiddleAndLastRowsEqualTheTariff)
{
    for (int jahr : kPerioden) {
        TFoEStTabelle* t = TFoEStTabelle::ZeigenPeriode(jahr);
        ASSERT_NE(t, nullptr) << jahr;
        EXPECT_DOUBLE_EQ(t->ZeileZuBetrag(0), t->Tarif()->TabellenAnfang()) << jahr;
        EXPECT_DOUBLE_EQ(t->Schrittweite(), t->Tarif()->Stufe()) << jahr;
        EXPECT_DOUBLE_EQ(t->EndBetrag(), 99999999.0) << jahr;
        ErwarteZeile(*t, t->ZeileZuBetrag(0), jahr);

        t->BetragZuZeile(50000);
        const double mitte = Oben(*t);
        EXPECT_LE(mitte, 50000) << jahr;
        EXPECT_GT(mitte + t->Schrittweite(), 50000) << jahr;
        ErwarteZeile(*t, mitte, jahr);

        // The bottom row of the table's end.
        t->BetragZuZeile(99999999);
        QTest::keyClick(t, Qt::Key_End);
        const int sichtbar = t->PaintBox1()->height() / t->ZeilenHoehe();
        const double letzte = t->ZeileZuBetrag(t->ScrollBar1()->value() + sichtbar - 1);
        EXPECT_LE(letzte, 99999999 + t->Schrittweite()) << jahr;
        EXPECT_GT(letzte, 99999999 - t->Seitenspanne()) << jahr;
        ErwarteZeile(*t, letzte, jahr);
        t->close();
    }
}

TEST_F(EStTabelleTest, KnownTaxesOf2026)
{
    TFoEStTabelle* t = TFoEStTabelle::ZeigenPeriode(2026);
    ASSERT_NE(t, nullptr);
    // 2026: the first row ends just below the first taxed income; 50000 bears 10548.
    EXPECT_DOUBLE_EQ(t->ZeileZuBetrag(0), 12347);
    EXPECT_DOUBLE_EQ(t->Zeile(12347).grundtarif, 0);
    EXPECT_DOUBLE_EQ(t->Zeile(50000).grundtarif, 10548);
    EXPECT_DOUBLE_EQ(t->Zeile(100000).splittingtarif, 21096);
}

TEST_F(EStTabelleTest, MenuPeriodsSpeakTheTariffsCurrency)
{
    struct Fall {
        int jahr;
        const char* titel;
        bool hinweis;
    };
    const Fall kFaelle[] = {{1988, "ESt-Tabelle 1988/89 DM", false},
                            {2001, "ESt-Tabelle 2001 DM", false},
                            {2002, "ESt-Tabelle 2002/03 Euro", false},
                            {2004, "ESt-Tabelle 2004 Euro", true},
                            {2026, "ESt-Tabelle 2026 Euro", true}};
    for (const Fall& f : kFaelle) {
        TFoEStTabelle* t = TFoEStTabelle::ZeigenPeriode(f.jahr);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->windowTitle(), f.titel);
        EXPECT_EQ(!t->paTabHinweis()->isHidden(), f.hinweis) << f.jahr;
        // Rows in the tariff's own units: the first amount shows as it is.
        EXPECT_DOUBLE_EQ(t->Zeile(t->ZeileZuBetrag(0)).einkommen, t->ZeileZuBetrag(0));
        t->close();
    }
}

TEST_F(EStTabelleTest, EuroTariffShownInMarksHasMarkRowsAndCaption)
{
    // 100.000 DM of taxable income in 2026, shown in DM.
    TFoEStTabelle* t = TFoEStTabelle::Zeigen(2026, "DM", 100000, 1.95583);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->windowTitle(), "ESt-Tabelle 2026 DM");
    const double oben = Oben(*t);
    // 100.000 DM are 51.129 euro: the row of that income is on top.
    EXPECT_LE(oben, 51129);
    EXPECT_GT(oben + 36, 51129);
    const TEStTabellenZeile z = t->Zeile(oben);
    EXPECT_NEAR(z.einkommen, oben * 1.95583, 0.006);
    EXPECT_LE(z.einkommen, 100000);
    EXPECT_GT(z.einkommen + 36 * 1.95583, 100000);
    auto tarif = CreateEStTab(2026);
    EXPECT_DOUBLE_EQ(z.grundtarif,
                     Dreisatz(true, 2, tarif->Steuer(false, oben, 1.0), 1.0, 1.95583));
    ErwarteZeile(*t, oben, 2026);
}

TEST_F(EStTabelleTest, GoToTypedIncomeLandsOnItsRowUnscaled)
{
    struct Fall {
        double kurs;
        const char* waehrung;
        double zuTippen; // display units
        double tarifBetrag;
    };
    const Fall kFaelle[] = {{1.0, "Euro", 40000, 40000}, {1.95583, "DM", 78233, 40000}};
    for (const Fall& f : kFaelle) {
        TFoEStTabelle* t = TFoEStTabelle::Zeigen(2026, f.waehrung, 0, f.kurs);
        ASSERT_NE(t, nullptr);
        QString gezeigt;
        m_modalAntwort = [&](QWidget& w) {
            auto& dialog = dynamic_cast<TFoDoubleEingabe&>(w);
            TBetrag* edit = dialog.Betrag1();
            EXPECT_EQ(edit->Dezimalstellen(), 0);
            EXPECT_EQ(edit->MaxLength(), 10);
            gezeigt = edit->text();
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, QString::number(f.zuTippen));
            QTest::keyClick(edit, Qt::Key_Return);
            return dialog.ModalResult();
        };
        // "G" is the popup's key for the go-to command.
        ASSERT_TRUE(Aktivieren(*t));
        QTest::keyClick(t, Qt::Key_G);
        // The dialog started at the first row, in the display currency.
        EXPECT_EQ(gezeigt.remove('.').toDouble(), std::round(12347 * f.kurs)) << f.waehrung;
        const double oben = Oben(*t);
        EXPECT_LE(oben, f.tarifBetrag) << f.waehrung;
        EXPECT_GT(oben + t->Schrittweite(), f.tarifBetrag) << f.waehrung;
        t->close();
    }
}

TEST_F(EStTabelleTest, AYearWithoutTariffLeavesNoWindowAndSaysSo)
{
    EXPECT_EQ(TFoEStTabelle::Zeigen(2027, "Euro", 50000, 1.0), nullptr);
    EXPECT_EQ(TFoEStTabelle::Zeigen(1987, "Euro", 50000, 1.0), nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(Fenster(), 0);
    EXPECT_EQ(m_fehler,
              QStringList({"ESt-Tabelle für das Jahr 2027 konnte nicht erstellt werden.",
                           "ESt-Tabelle für das Jahr 1987 konnte nicht erstellt werden."}));
}

TEST_F(EStTabelleTest, KeysScrollAndEscapeClosesAndFreesTheWindow)
{
    QPointer<TFoEStTabelle> t = TFoEStTabelle::ZeigenPeriode(2026);
    ASSERT_NE(t, nullptr);
    ASSERT_TRUE(Aktivieren(*t));
    QTest::keyClick(t, Qt::Key_Down);
    EXPECT_EQ(t->ScrollBar1()->value(), 1);
    QTest::keyClick(t, Qt::Key_PageDown);
    EXPECT_GT(t->ScrollBar1()->value(), 1);
    QTest::keyClick(t, Qt::Key_Home);
    EXPECT_EQ(t->ScrollBar1()->value(), 0);
    QTest::keyClick(t, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Closed is freed, with its tariff.
    EXPECT_TRUE(t.isNull());
    EXPECT_EQ(Fenster(), 0);
}

TEST_F(EStTabelleTest, WindowFitsTheScreenWithSeventeenRows)
{
    TFoEStTabelle* t = TFoEStTabelle::ZeigenPeriode(2026);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->PaintBox1()->height() / t->ZeilenHoehe(), TFoEStTabelle::kSichtbareZeilen);
    EXPECT_LE(t->frameGeometry().width(), 1366);
    EXPECT_LE(t->frameGeometry().height(), 768 - 40);
    const auto* popup = t->PopupMenu();
    ASSERT_NE(popup, nullptr);
    QStringList items;
    for (const QAction* a : popup->actions())
        items << a->text();
    EXPECT_EQ(items, QStringList({"&Gehe zu ZVE...", "&Schließen"}));
    EXPECT_FALSE(SaveScreenshot(*t, "est-tabelle").isEmpty());
}
