#include "Gui/Tabelle.h"

#include "Gui/BetragEdit.h"
#include "Gui/DoubleEingabe.h"
#include "GuiTestSupport.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

// A table of rows 100, 150, 200 ... cents with a scroll range of 0..1000 (a page span of 50.000).
class TTestTabelle : public TTabelle {
    Q_OBJECT
public:
    TTestTabelle()
    {
        setAttribute(Qt::WA_DeleteOnClose, false);
        ScrollBar1()->setRange(0, 1000);
        SetTabellenBreite(300);
    }
    double Anfangsbetrag() const override { return 100.0; }
    double Schrittweite() const override { return 50.0; }
    using TTabelle::KlickAuswerten;
};

class TAndereTabelle : public TTabelle {
    Q_OBJECT
};

// The main window as far as the table notices go.
class THauptfenster : public TXoForm, public TTabellenEmpfaenger {
    Q_OBJECT
public:
    void TabellenNachricht(TTabellenNachricht art, const QMetaObject& klasse) override
    {
        nachrichten.emplace_back(art, klasse.className());
    }
    std::vector<std::pair<TTabellenNachricht, std::string>> nachrichten;
};

class TabelleTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TXoForm::SetMainForm(&m_haupt);
        m_tabelle.init();
        m_tabelle.SetZeilenHoehe(10);
        m_tabelle.SetTickQuelle([this] { return m_jetzt; });
        m_tabelle.resize(m_tabelle.width(), 200);
        m_tabelle.show();
        m_tabelle.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_tabelle));
        m_haupt.nachrichten.clear();
    }
    void TearDown() override
    {
        TXoForm::SetMainForm(nullptr);
        GuiHookFixture::TearDown();
    }
    int Position() const { return m_tabelle.ScrollBar1()->value(); }
    std::vector<std::pair<TTabellenNachricht, std::string>> Nachrichten()
    {
        QApplication::processEvents();
        return std::exchange(m_haupt.nachrichten, {});
    }
    void Klick(int y)
    {
        QTest::mouseClick(m_tabelle.PaintBox1(), Qt::LeftButton, {}, QPoint(5, y));
    }

    std::int64_t m_jetzt = 100000;
    THauptfenster m_haupt;
    TTestTabelle m_tabelle;
};

TEST_F(TabelleTest, RowsCountFromTheStartAmountAndTheWindowStart)
{
    EXPECT_DOUBLE_EQ(m_tabelle.ZeileZuBetrag(0), 100.0);
    EXPECT_DOUBLE_EQ(m_tabelle.ZeileZuBetrag(3), 250.0);
    EXPECT_DOUBLE_EQ(m_tabelle.Seitenspanne(), 50000.0);
}

struct GeheFall {
    const char* name;
    double fensterVorher; // reached by going to this amount first (0: none)
    double betrag;
    double fensterNachher;
    int zeile;
};

const GeheFall kGeheFaelle[] = {
    // Inside the span: only the scroll position moves; an amount between rows takes the row below.
    {"inside_span", 0, 1000, 0, 18},
    {"between_rows_snaps_down", 0, 1049, 0, 18},
    // Far away: the amount ends up in the middle of the span.
    {"far_recentres", 0, 1000100, 975000, 500},
    {"back_inside_new_span", 1000100, 1000150, 975000, 501},
    // Below the first row: row 0 and window start 0, also from a moved window.
    {"below_start", 1000100, 50, 0, 0},
    // Near the end of the table the window stops so that the last rows stay filled.
};

class GeheZuTest : public TabelleTest, public testing::WithParamInterface<GeheFall> {};

TEST_P(GeheZuTest, BetragZuZeile)
{
    const GeheFall& f = GetParam();
    if (f.fensterVorher != 0)
        m_tabelle.BetragZuZeile(f.fensterVorher);
    m_tabelle.BetragZuZeile(f.betrag);
    EXPECT_DOUBLE_EQ(m_tabelle.FensterAnfang(), f.fensterNachher) << "betrag=" << f.betrag;
    EXPECT_EQ(Position(), f.zeile) << "betrag=" << f.betrag;
    if (f.betrag >= 100 && f.zeile < 1000) {
        EXPECT_LE(m_tabelle.ZeileZuBetrag(Position()), f.betrag);
    }
}

INSTANTIATE_TEST_SUITE_P(Gui, GeheZuTest, testing::ValuesIn(kGeheFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(TabelleTest, NearTheEndTheWindowStopsSoThatTheLastRowsStayFilled)
{
    const int sichtbar = m_tabelle.PaintBox1()->height() / 10;
    m_tabelle.BetragZuZeile(99999999999.0);
    // End amount less start, span and the visible rows, on the grid, plus one step.
    const double w = 99999999999.0 - 100 - 50000 - 50.0 * sichtbar;
    EXPECT_DOUBLE_EQ(m_tabelle.FensterAnfang(), 50 * std::trunc(w / 50) + 50);
    EXPECT_EQ(Position(), 1000);
}

TEST_F(TabelleTest, ConvertedTablesScaleTheAmountsTheyAreGiven)
{
    // A DM table shown for euro amounts: 1 euro is 1,95583 DM.
    m_tabelle.SetUmrechnung(195583, 100000);
    m_tabelle.BetragZuZeile(10000);
    EXPECT_EQ(Position(), 389); // 19558 cents: row of 19550
    EXPECT_DOUBLE_EQ(m_tabelle.Zurueckrechnen(19558), 10000.0);
    m_tabelle.SetUmrechnung(0, 0);
    EXPECT_DOUBLE_EQ(m_tabelle.Umrechnen(123.4), 123.4);
}

struct HoehenFall {
    const char* name;
    int zeilen;
    int gerundet;
};

const HoehenFall kHoehen[] = {
    {"two_rows_become_five", 2, 5}, {"five_stay", 5, 5},         {"six_become_seven", 6, 7},
    {"seven_stay", 7, 7},           {"eight_become_nine", 8, 9},
};

class HoehenTest : public TabelleTest, public testing::WithParamInterface<HoehenFall> {};

TEST_P(HoehenTest, OddNumberOfWholeRowsAtLeastFive)
{
    const HoehenFall& f = GetParam();
    const int rest = m_tabelle.height() - m_tabelle.PaintBox1()->height();
    EXPECT_EQ(m_tabelle.GerundeteHoehe(rest + f.zeilen * 10 + 3), rest + f.gerundet * 10);
}

INSTANTIATE_TEST_SUITE_P(Gui, HoehenTest, testing::ValuesIn(kHoehen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(TabelleTest, WindowKeepsItsWidthAndAtLeastFiveRows)
{
    EXPECT_EQ(m_tabelle.minimumWidth(), m_tabelle.maximumWidth());
    EXPECT_EQ(m_tabelle.width(), 300 + m_tabelle.ScrollBar1()->width());
    EXPECT_EQ(m_tabelle.minimumHeight(), m_tabelle.height() - m_tabelle.PaintBox1()->height() + 50);
    // The page of the scroll bar is the number of whole rows the table shows.
    EXPECT_EQ(m_tabelle.ScrollBar1()->pageStep(), (m_tabelle.PaintBox1()->height() - 1) / 10);
    m_tabelle.SetZeilenHoehe(0);
    EXPECT_EQ(m_tabelle.GerundeteHoehe(12345), m_tabelle.height());
}

struct TastenFall {
    const char* name;
    int start;
    Qt::Key taste;
    int ziel;
    TTabellenNachricht nachricht;
};

TEST_F(TabelleTest, KeysDriveTheScrollBarAndTellTheMainWindow)
{
    const int seite = m_tabelle.ScrollBar1()->pageStep();
    const TastenFall faelle[] = {
        {"down", 10, Qt::Key_Down, 11, TTabellenNachricht::NachUntenGescrollt},
        {"up", 10, Qt::Key_Up, 9, TTabellenNachricht::NachObenGescrollt},
        {"page_down", 10, Qt::Key_PageDown, 10 + seite, TTabellenNachricht::NachUntenGescrollt},
        {"page_up", 100, Qt::Key_PageUp, 100 - seite, TTabellenNachricht::NachObenGescrollt},
        {"home", 100, Qt::Key_Home, 0, TTabellenNachricht::NachObenGescrollt},
        {"end", 100, Qt::Key_End, 1000, TTabellenNachricht::NachUntenGescrollt},
    };
    for (const TastenFall& f : faelle) {
        m_tabelle.ScrollBar1()->setValue(f.start);
        Nachrichten();
        QTest::keyClick(&m_tabelle, f.taste);
        EXPECT_EQ(Position(), f.ziel) << f.name;
        const auto n = Nachrichten();
        ASSERT_EQ(n.size(), 1u) << f.name;
        EXPECT_EQ(n[0].first, f.nachricht) << f.name;
        EXPECT_EQ(n[0].second, "TTestTabelle") << f.name;
    }
    // At the top, "up" moves nothing and tells nothing.
    m_tabelle.ScrollBar1()->setValue(0);
    QTest::keyClick(&m_tabelle, Qt::Key_Up);
    EXPECT_TRUE(Nachrichten().empty());
}

void Rad(QWidget* ziel, int delta)
{
    const QPointF p(2, 2);
    QWheelEvent rad(p, ziel->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ziel, &rad);
}

TEST_F(TabelleTest, OneWheelNotchScrollsOnePage)
{
    const int seite = m_tabelle.ScrollBar1()->pageStep();
    m_tabelle.ScrollBar1()->setValue(100);
    Rad(m_tabelle.PaintBox1(), -120);
    EXPECT_EQ(Position(), 100 + seite);
    Rad(m_tabelle.ScrollBar1(), 120);
    EXPECT_EQ(Position(), 100);
    // Half notches of a fine wheel add up to one.
    Rad(m_tabelle.PaintBox1(), 60);
    EXPECT_EQ(Position(), 100);
    Rad(m_tabelle.PaintBox1(), 60);
    EXPECT_EQ(Position(), 100 - seite);
    // Turning back forgets the half notch.
    Rad(m_tabelle.PaintBox1(), 60);
    Rad(m_tabelle.PaintBox1(), -60);
    EXPECT_EQ(Position(), 100 - seite);
}

TEST_F(TabelleTest, ClickMarksTheRowSecondClickUnmarksDoubleClickMarksNothing)
{
    m_jetzt += 10000; // long after the window was activated
    m_tabelle.ScrollBar1()->setValue(4);
    Klick(25); // row 2 of the window: scroll row 6
    m_tabelle.KlickAuswerten();
    EXPECT_DOUBLE_EQ(m_tabelle.MarkierterBetrag(), 400.0);

    Klick(25);
    m_tabelle.KlickAuswerten();
    EXPECT_DOUBLE_EQ(m_tabelle.MarkierterBetrag(), 0.0);

    // A double click: press and release, then the second press as the double click.
    Klick(25);
    QTest::mouseDClick(m_tabelle.PaintBox1(), Qt::LeftButton, {}, QPoint(5, 25));
    m_tabelle.KlickAuswerten();
    EXPECT_DOUBLE_EQ(m_tabelle.MarkierterBetrag(), 0.0);

    // The next single click counts again.
    Klick(5);
    m_tabelle.KlickAuswerten();
    EXPECT_DOUBLE_EQ(m_tabelle.MarkierterBetrag(), 300.0);
}

TEST_F(TabelleTest, ClickThatActivatedTheWindowMarksNothing)
{
    m_jetzt += QApplication::doubleClickInterval(); // within 100 ms beyond the double-click time
    Klick(25);
    m_tabelle.KlickAuswerten();
    EXPECT_DOUBLE_EQ(m_tabelle.MarkierterBetrag(), 0.0);
}

TEST_F(TabelleTest, GeheZuBetragScrollsToTheEnteredAmountInWholeUnits)
{
    m_tabelle.ScrollBar1()->setValue(18); // first visible row: 1000 cents
    QString angeboten;
    m_modalAntwort = [&](QWidget& w) {
        auto& dialog = dynamic_cast<TFoDoubleEingabe&>(w);
        angeboten = dialog.Betrag1()->text();
        EXPECT_EQ(dialog.windowTitle(), "Neuer Betrag");
        EXPECT_FALSE(dialog.Betrag1()->Minus());
        dialog.Betrag1()->SetTextFormatted("12.000");
        dialog.bnOK()->click();
        return dialog.ModalResult();
    };
    m_tabelle.GeheZuBetrag();
    EXPECT_EQ(angeboten, "10");
    EXPECT_DOUBLE_EQ(m_tabelle.FensterAnfang(), 1174900.0);
    EXPECT_DOUBLE_EQ(m_tabelle.ZeileZuBetrag(Position()), 1200000.0);
}

TEST_F(TabelleTest, GeheZuBetragCancelledChangesNothingButTheActivationTick)
{
    m_tabelle.ScrollBar1()->setValue(18);
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoDoubleEingabe&>(w);
        dialog.Betrag1()->SetTextFormatted("12.000");
        dialog.bnAbbrechen()->click();
        return dialog.ModalResult();
    };
    m_jetzt += 10000;
    m_tabelle.GeheZuBetrag();
    EXPECT_EQ(Position(), 18);
    EXPECT_DOUBLE_EQ(m_tabelle.FensterAnfang(), 0.0);
    // The click that closed the dialog marks nothing.
    Klick(5);
    m_tabelle.KlickAuswerten();
    EXPECT_DOUBLE_EQ(m_tabelle.MarkierterBetrag(), 0.0);
}

TEST_F(TabelleTest, OpeningAndClosingAreToldWithTheClassNotTheWindow)
{
    QPointer<TAndereTabelle> andere = new TAndereTabelle;
    andere->init();
    EXPECT_TRUE(FormOfClassExists(TAndereTabelle::staticMetaObject));
    EXPECT_TRUE(FormOfClassExists(TTabelle::staticMetaObject));
    // The notice waits in the queue while the window goes: it names the class only.
    andere->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(andere.isNull());
    EXPECT_FALSE(FormOfClassExists(TAndereTabelle::staticMetaObject));
    const auto n = Nachrichten();
    ASSERT_EQ(n.size(), 2u);
    EXPECT_EQ(n[0], std::make_pair(TTabellenNachricht::Geoeffnet, std::string("TAndereTabelle")));
    EXPECT_EQ(n[1], std::make_pair(TTabellenNachricht::Geschlossen, std::string("TAndereTabelle")));
}

TEST_F(TabelleTest, CloseFormsOfClassClosesThatClassAndItsDescendantsOnly)
{
    QPointer<TAndereTabelle> a = new TAndereTabelle;
    QPointer<TAndereTabelle> b = new TAndereTabelle;
    a->init();
    b->init();
    CloseFormsOfClass(TAndereTabelle::staticMetaObject);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(FormOfClassExists(TTestTabelle::staticMetaObject));
}

} // namespace

#include "TabelleTest.moc"
