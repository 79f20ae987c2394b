#include "Gui/PageContainerForm.h"

#include "Gui/MVCEdit.h"
#include "Gui/PageForm.h"
#include "GuiTestSupport.h"
#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/MVCTestSupport.h"
#include "MVCFrame/StringValue.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

class TTestDaten : public TDaten {
public:
    using TDaten::TDaten;
    TString* text = nullptr;
    TDouble* betrag = nullptr;

protected:
    void CreateValues() override
    {
        text = new TString(this, "Text", 0, "Vorgabe");
        betrag = new TDoubleBetrag(this, "Betrag", 0, 0.0);
    }
};

using TTestBerechnung = TTestBerechnungVon<TTestDaten>;

// Fails on the amount 666, as a calculation may fail on what a settings file holds.
class TWerfendeBerechnung : public TTestBerechnung {
public:
    using TTestBerechnung::TTestBerechnung;

protected:
    void Calculate() override
    {
        if (D().betrag->GetAsString() == "666,00")
            throw Exception("Berechnung gescheitert");
    }
};

// A page with two bound fields; it counts the live forms of its class.
class TSeiteA : public TMainPageForm {
    Q_OBJECT
public:
    explicit TSeiteA(QWidget* owner) : TMainPageForm(owner)
    {
        ++lebend;
        auto* layout = new QVBoxLayout(Panel());
        edText->setObjectName("edText");
        edBetrag->setObjectName("edBetrag");
        layout->addWidget(edText);
        layout->addWidget(edBetrag);
        Panel()->setMinimumSize(300, 200);
    }
    ~TSeiteA() override { --lebend; }
    void Drucken(int copies) override { gedruckt += copies; }
    QStringList DruckText() override { return {"Seite A", "Zeile 2"}; }

    TMVCEdit* edText = new TMVCEdit(this, Panel());
    TMVCBetrag* edBetrag = new TMVCBetrag(this, Panel());
    int gedruckt = 0;
    static inline int lebend = 0;

protected:
    void BindControls() override
    {
        auto& d = static_cast<TTestBerechnung*>(Berechnung())->D();
        edText->SetValue(d.text);
        edBetrag->SetValue(d.betrag);
    }
};

// A page with a popup of its own: one item in group 0, one in group 3.
class TSeiteB : public TMainPageForm {
    Q_OBJECT
public:
    explicit TSeiteB(QWidget* owner) : TMainPageForm(owner)
    {
        ++lebend;
        auto* popup = new QMenu(this);
        auto* eins = popup->addAction("Eins");
        auto* drei = popup->addAction("Drei");
        SetGroupIndex(*drei, 3);
        SetGroupIndex(*eins, 0);
        SetPopupMenu(popup);
        auto* layout = new QVBoxLayout(Panel());
        knopf->setObjectName("bnNeu");
        layout->addWidget(knopf);
    }
    ~TSeiteB() override { --lebend; }
    void Drucken(int) override {}
    QStringList DruckText() override { return {}; }

    QWidget* knopf = new QLineEdit(Panel());
    static inline int lebend = 0;
};

class THost : public TPageContainerForm {
    Q_OBJECT
public:
    THost()
    {
        setObjectName("MainForm");
        auto* bar = new QMenuBar(this);
        layout()->setMenuBar(bar);
        SetMainMenu(bar);
        for (auto [titel, gruppe] : {std::pair{"&Datei", 0}, {"&Bearbeiten", 1}, {"&Hilfe", 9}}) {
            QAction* eintrag = bar->addMenu(new QMenu(titel, bar));
            SetGroupIndex(*eintrag, gruppe);
        }
    }
    void PageChanged() override { ++wechsel; }
    int wechsel = 0;
};

std::string Lesen(const std::string& pfad)
{
    std::ifstream datei(pfad);
    std::stringstream inhalt;
    inhalt << datei.rdbuf();
    return inhalt.str();
}

class PageFrameTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        Aufbauen();
    }
    void TearDown() override
    {
        m_host.reset();
        m_calcs.clear();
        GuiHookFixture::TearDown();
    }
    // `drittesWirft`: the calculation of page 3 fails on the amount 666.
    void Aufbauen(bool drittesWirft = false)
    {
        m_host.reset();
        m_calcs.clear();
        for (const char* name : {"A", "B", "C", "D"}) {
            if (drittesWirft && m_calcs.size() == 2)
                m_calcs.push_back(MakeComponent<TWerfendeBerechnung>(nullptr, name));
            else
                m_calcs.push_back(MakeComponent<TTestBerechnung>(nullptr, name));
        }
        m_host = std::make_unique<THost>();
        m_host->init();
        auto& pages = m_host->Pages();
        pages.AddPage("SeiteEins", "edBetrag", m_calcs[0].get(), TPageClass::Of<TSeiteA>());
        pages.AddPage("SeiteZwei", "", m_calcs[1].get(), TPageClass::Of<TSeiteB>());
        pages.AddPage("SeiteDrei", "", m_calcs[2].get(), TPageClass::Of<TSeiteA>());
        pages.AddPage("SeiteVier", "", m_calcs[3].get(), TPageClass::Of<TSeiteA>());
        m_host->resize(400, 300);
        m_host->show();
        m_host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_host.get()));
    }
    TTestDaten& D(int i) { return m_calcs[static_cast<std::size_t>(i)]->D(); }
    template <class T> T* Live() { return dynamic_cast<T*>(m_host->ActivePageForm()); }
    QStringList MenueTitel()
    {
        QStringList titel;
        for (QAction* a : m_host->MainMenu()->actions()) {
            if (a->isVisible())
                titel << a->text();
        }
        return titel;
    }
    std::string IniPfad() const { return (m_dir.path() + "/VANTRL32.INI").toStdString(); }

    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<TTestBerechnung>> m_calcs;
    std::unique_ptr<THost> m_host;
};

TEST_F(PageFrameTest, SwitchingKeepsOneLivePageAndStoresTheOldOnesState)
{
    m_host->SetActivePage(1);
    ASSERT_NE(Live<TSeiteA>(), nullptr);
    EXPECT_EQ(m_host->ActivePageForm()->Berechnung(), m_calcs[0].get());
    EXPECT_EQ(m_host->PageContainer()->Panel(), m_host->ActivePageForm()->Panel());
    EXPECT_FALSE(m_host->ActivePageForm()->isVisible());
    EXPECT_TRUE(m_host->ActivePageForm()->Panel()->isVisible());
    Live<TSeiteA>()->edText->setFocus();

    m_host->SetActivePage(2);
    EXPECT_EQ(TSeiteA::lebend, 0);
    EXPECT_EQ(TSeiteB::lebend, 1);
    EXPECT_EQ(m_host->PageIndex(), 2);
    EXPECT_EQ(m_host->ActivePageForm()->PageName(), "SeiteZwei");
    EXPECT_EQ(m_host->Pages().GetPage(1)->ActiveControl, "edText");
    EXPECT_EQ(m_host->Pages().GetPage(1)->Berechnung, m_calcs[0].get());
    EXPECT_EQ(m_host->wechsel, 2);

    m_host->SetActivePage(2);
    EXPECT_EQ(m_host->wechsel, 2); // the shown page again: nothing happens
}

TEST_F(PageFrameTest, SameFormClassIsKeptAndBoundToTheOtherPage)
{
    m_host->SetActivePage(3);
    TPageForm* form = m_host->ActivePageForm();
    D(3).text->SetAsString("vierte");
    m_host->SetActivePage(4);
    EXPECT_EQ(m_host->ActivePageForm(), form);
    EXPECT_EQ(TSeiteA::lebend, 1);
    EXPECT_EQ(form->Berechnung(), m_calcs[3].get());
    EXPECT_EQ(form->PageName(), "SeiteVier");
    EXPECT_EQ(Live<TSeiteA>()->edText->text(), "vierte");
    EXPECT_EQ(m_host->Pages().GetPage(3)->Berechnung, m_calcs[2].get());
}

TEST_F(PageFrameTest, UnregisteredPageAndPageZeroLeaveAnEmptyContainer)
{
    for (int leer : {0, 17}) {
        m_host->SetActivePage(2);
        m_host->SetActivePage(leer);
        EXPECT_EQ(m_host->PageIndex(), 0) << leer;
        EXPECT_EQ(m_host->ActivePageForm(), nullptr) << leer;
        EXPECT_EQ(m_host->PageContainer()->Panel(), nullptr) << leer;
        EXPECT_EQ(TSeiteB::lebend, 0) << leer;
        EXPECT_NE(m_host->Pages().GetPage(2), nullptr) << leer;
    }
}

TEST_F(PageFrameTest, FocusIsRestoredOnlyForPagesThatWereGivenAControl)
{
    m_host->SetActivePage(1);
    EXPECT_EQ(QApplication::focusWidget(), Live<TSeiteA>()->edBetrag);
    m_host->SetActivePage(3); // same class, no control registered
    Live<TSeiteA>()->edText->setFocus();
    m_host->SetActivePage(2);
    // The form of page 1 had been given a control; the reused form kept recording.
    EXPECT_EQ(m_host->Pages().GetPage(3)->ActiveControl, "edText");

    Live<TSeiteB>()->knopf->setFocus();
    m_host->SetActivePage(1);
    EXPECT_EQ(m_host->Pages().GetPage(2)->ActiveControl, ""); // page 2 was given none
    EXPECT_EQ(QApplication::focusWidget(), Live<TSeiteA>()->edBetrag);
}

TEST_F(PageFrameTest, PageMenuTakesThePlaceOfTheHostsEntryOfItsGroup)
{
    EXPECT_EQ(MenueTitel(), QStringList({"&Datei", "&Bearbeiten", "&Hilfe"}));
    m_host->SetActivePage(1);
    const QList<QAction*> bar = m_host->MainMenu()->actions();
    ASSERT_EQ(MenueTitel(), QStringList({"&Datei", "&Bearbeiten", "&Hilfe"}));
    QMenu* seitenMenue = m_host->ActivePageForm()->MainMenu().at(0);
    EXPECT_TRUE(seitenMenue->menuAction()->isVisible());
    // The host's own edit entry is off the bar while the page's is there.
    EXPECT_EQ(bar.size(), 3);
    EXPECT_EQ(bar.at(1), seitenMenue->menuAction());
    const QList<QAction*> items = seitenMenue->actions();
    ASSERT_EQ(items.size(), 10);
    EXPECT_TRUE(items.at(8)->isSeparator());
    EXPECT_EQ(items.at(9)->objectName(), "miSeitekopieren");
    EXPECT_TRUE(items.at(9)->shortcut().isEmpty());

    m_host->SetActivePage(0);
    EXPECT_EQ(m_host->MainMenu()->actions().size(), 3);
    EXPECT_TRUE(m_host->MainMenu()->actions().at(1)->isVisible());
}

QStringList Eintraege(QMenu* menu)
{
    QStringList text;
    for (QAction* a : menu->actions())
        text << (a->isSeparator() ? "-" : a->text());
    return text;
}

TEST_F(PageFrameTest, PagePopupItemsGoBeforeTheFirstItemOfAHigherGroup)
{
    m_host->SetActivePage(1);
    QMenu* standard = m_host->ActivePageForm()->PopupMenu();
    EXPECT_EQ(standard->objectName(), "StdPagePopup");
    EXPECT_EQ(Eintraege(standard), QStringList({"&Seite kopieren", "&Drucken", "-", "&Beenden"}));
    EXPECT_EQ(m_host->PageContainer()->PopupMenu(), standard);

    m_host->SetActivePage(2);
    EXPECT_EQ(Eintraege(m_host->ActivePageForm()->PopupMenu()),
              QStringList({"Eins", "&Seite kopieren", "&Drucken", "-", "&Beenden", "Drei"}));
    EXPECT_EQ(m_host->ActivePageForm()->findChild<QMenu*>("StdPagePopup"), nullptr);
}

TEST_F(PageFrameTest, SeiteKopierenAndDruckenUseThePagesPrintout)
{
    m_host->SetActivePage(1);
    m_host->ActivePageForm()->findChild<QAction*>("pmiSeitekopieren")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Seite A\r\nZeile 2\r\n");
    m_host->ActivePageForm()->findChild<QAction*>("pmiDrucken")->trigger();
    EXPECT_EQ(Live<TSeiteA>()->gedruckt, 1);
}

TEST_F(PageFrameTest, PanelFillsTheContainerAndNeverShrinksBelowThePage)
{
    m_host->SetActivePage(1);
    TFormpanel* panel = m_host->ActivePageForm()->Panel();
    EXPECT_GE(panel->FitWidth(), 300);
    EXPECT_GE(panel->FitHeight(), 200);

    m_host->resize(200, 150);
    QApplication::processEvents();
    EXPECT_EQ(panel->width(), panel->FitWidth());
    EXPECT_TRUE(m_host->PageContainer()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(m_host->PageContainer()->verticalScrollBar()->isVisible());

    m_host->resize(900, 700);
    QApplication::processEvents();
    EXPECT_EQ(panel->size(), m_host->PageContainer()->viewport()->size());

    m_host->FitToPage();
    QApplication::processEvents();
    EXPECT_EQ(m_host->PageContainer()->size(), QSize(panel->FitWidth(), panel->FitHeight()));
}

TEST_F(PageFrameTest, PageStateRoundTripThroughTheSettingsFile)
{
    m_host->SetActivePage(1);
    Live<TSeiteA>()->edText->setFocus();
    D(0).text->SetAsString("erste");
    D(1).betrag->SetAsString("12,50");
    m_host->SetActivePage(2);
    {
        TXIniFile ini(IniPfad());
        m_host->SavePosition(ini);
    }
    const std::string text = Lesen(IniPfad());
    TIniFile ini(IniPfad());
    EXPECT_EQ(ini.ReadString("MainForm", "Seite", ""), "2");
    EXPECT_FALSE(ini.ValueExists("MainForm", "HScrollPos"));
    EXPECT_FALSE(ini.ValueExists("MainForm", "VScrollPos"));
    EXPECT_EQ(ini.ReadString("SeiteEins", "Text", ""), "erste");
    EXPECT_EQ(ini.ReadString("SeiteEins", "ActiveControl", "?"), "edText");
    EXPECT_EQ(ini.ReadString("SeiteZwei", "Betrag", ""), "12,50");
    EXPECT_TRUE(ini.ValueExists("SeiteZwei", "ActiveControl"));
    EXPECT_TRUE(ini.ValueExists("SeiteVier", "ActiveControl")) << text;

    // A fresh window with fresh calculations reads it all back.
    Aufbauen();
    m_host->LoadPosition(TIniFile(IniPfad()));
    EXPECT_EQ(m_host->PageIndex(), 2);
    ASSERT_NE(Live<TSeiteB>(), nullptr);
    EXPECT_EQ(D(0).text->GetAsString(), "erste");
    EXPECT_EQ(D(1).betrag->GetAsString(), "12,50");
    EXPECT_EQ(m_host->Pages().GetPage(1)->ActiveControl, "edText");
    m_host->SetActivePage(1);
    EXPECT_EQ(QApplication::focusWidget(), Live<TSeiteA>()->edText);
    EXPECT_EQ(Live<TSeiteA>()->edText->text(), "erste");
}

// At start the stored values are all in place before the page is built: it refreshes once,
// not once for each value read.
TEST_F(PageFrameTest, AStartBuildsThePageOnceFromTheStoredValues)
{
    std::ofstream(IniPfad()) << "[MainForm]\nSeite=1\n[SeiteEins]\nText=gespeichert\n"
                                "Betrag=7,50\nActiveControl=edText\n";
    Aufbauen();
    m_host->LoadPosition(TIniFile(IniPfad()));
    ASSERT_NE(Live<TSeiteA>(), nullptr);
    EXPECT_EQ(Live<TSeiteA>()->Aktualisierungen(), 1);
    EXPECT_EQ(Live<TSeiteA>()->edText->text(), "gespeichert");
    EXPECT_EQ(Live<TSeiteA>()->edBetrag->text(), "7,50");
    EXPECT_EQ(QApplication::focusWidget(), Live<TSeiteA>()->edText);
}

// Reading the settings again while a page is shown, with the focus in another window: the
// stored state of that page wins over the state it had, as at start.
TEST_F(PageFrameTest, ReadingAgainWhileAPageIsShownRestoresItsStoredControl)
{
    std::ofstream(IniPfad()) << "[MainForm]\nSeite=2\n[SeiteEins]\nActiveControl=edText\n";
    m_host->SetActivePage(1);
    QLineEdit anderes;
    anderes.show();
    QApplication::setActiveWindow(&anderes);
    anderes.setFocus();
    m_host->LoadPosition(TIniFile(IniPfad()));
    EXPECT_EQ(m_host->PageIndex(), 2);
    EXPECT_EQ(m_host->Pages().GetPage(1)->ActiveControl, "edText");
}

// A calculation that fails on a stored value: the failure reaches the caller (who reports it),
// and the stored page is shown all the same with what was read.
TEST_F(PageFrameTest, AFailingCalculationStillLeavesTheStoredPageShown)
{
    std::ofstream(IniPfad()) << "[MainForm]\nSeite=1\n[SeiteEins]\nText=gelesen\n"
                                "[SeiteDrei]\nBetrag=666,00\n";
    Aufbauen(true);
    EXPECT_THROW(m_host->LoadPosition(TIniFile(IniPfad())), Exception);
    EXPECT_EQ(m_host->PageIndex(), 1);
    ASSERT_NE(Live<TSeiteA>(), nullptr);
    EXPECT_EQ(Live<TSeiteA>()->edText->text(), "gelesen");
}

TEST_F(PageFrameTest, PanelWithoutOwnerIsRefused)
{
    try {
        TFormpanel panel(nullptr);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "TFormpanel: Owner darf nicht nil sein!");
    }
}

} // namespace

#include "PageFrameTest.moc"
