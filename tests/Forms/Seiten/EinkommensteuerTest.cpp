#include "Forms/Seiten/Einkommensteuer.h"

#include "Engine/Einkommensteuer/EStBerechnung.h"
#include "Engine/Einkommensteuer/EStDaten.h"
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"
#include "Forms/Tabellen/EStTabelle.h"
#include "Gui/BergForm.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Gui/XoForm.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "Support/OptionenUmgebung.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <string>

namespace {

// Counts the change notices every form hears.
class TZaehlForm : public TXoForm {
public:
    TZaehlForm() : TXoForm(nullptr) {}
    void DatenGeaendert(TDaten&) override { ++m_anzahl; }
    int m_anzahl = 0;
};

class EinkommensteuerTest : public HauptfensterTest {
protected:
    void SetUp() override
    {
        HauptfensterTest::SetUp();
        FensterOeffnen(0);
        SeiteZeigen();
        d = m_seite->EStDaten();
        ASSERT_NE(d, nullptr);
        d->Jahr().SetValue(2026);
    }
    void TearDown() override
    {
        CloseFormsOfClass(TFoEStTabelle::staticMetaObject);
        HauptfensterTest::TearDown();
    }
    // Page 2 as the user opens it: its speed button.
    void SeiteZeigen()
    {
        QTest::mouseClick(m_fenster->Button("bnESt"), Qt::LeftButton);
        m_seite = dynamic_cast<TFoEinkommensteuer*>(m_fenster->ActivePageForm());
        ASSERT_NE(m_seite, nullptr);
    }
    // Types into a field of the page as a user would, then Tab.
    void Tippen(const char* feld, const QString& text)
    {
        if (QLineEdit* edit = HauptfensterTest::Tippen(feld, text))
            QTest::keyClick(edit, Qt::Key_Tab);
    }
    QString Feld(const char* name) { return m_seite->Control<QLineEdit>(name)->text(); }
    template <class T> T* C(const char* name)
    {
        T* c = m_seite->Control<T>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    static int Tabellen()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<TFoEStTabelle*>(w) != nullptr;
        return n;
    }

    // The last income-tax table window opened.
    static TFoEStTabelle* EineTabelle()
    {
        TFoEStTabelle* tabelle = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* t = qobject_cast<TFoEStTabelle*>(w))
                tabelle = t;
        return tabelle;
    }

    TFoEinkommensteuer* m_seite = nullptr;
    TEStDaten* d = nullptr;
};

} // namespace

TEST_F(EinkommensteuerTest, BindingTableBindsEachControlOnceToAValueOfTheCalculation)
{
    BindungenPruefen(*m_seite->Panel(), TFoEinkommensteuer::Bindungen(), *d, 23);
    EXPECT_EQ(m_fenster->windowTitle(), "Vantrel 2026 - [Einkommensteuer]");
    EXPECT_EQ(m_fenster->PageIndex(), 2);
}

TEST_F(EinkommensteuerTest, LabelsAndTheirFieldsFollowTheYear)
{
    struct Fall {
        int jahr;
        const char* gewEink;
        const char* zTabMild;
        const char* vorn; // the field in front under stZTabMild
        bool zTabMildAn;
        bool wjAbweichend;
    };
    const Fall kFaelle[] = {
        {1993, "Gewerbliche Einkünfte (§32c):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         true, false},
        {1994, "Gewerbliche Einkünfte (§32c):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         true, false},
        {1996, "Gewerbliche Einkünfte (§32c):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         false, false},
        {2000, "Gewerbliche Einkünfte (§32c):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         false, false},
        {2001, "Gewerbliche Einkünfte (§35):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         false, true},
        {2005, "Gewerbliche Einkünfte (§35):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         false, false},
        {2007, "Gewerbliche Einkünfte (§35):", "Entlastung f.Gewinneink. (§32c):", "ebEBGewinnEink",
         true, false},
        {2008, "Gewerbliche Einkünfte (§35):", "Milderung durch Zusatztabelle:", "ebZTabMild",
         false, false},
    };
    auto* stGewEink = C<QLabel>("stGewEink");
    auto* stZTabMild = C<QLabel>("stZTabMild");
    auto* stapel = C<QStackedWidget>("paZTabMild");
    for (const Fall& f : kFaelle) {
        d->Jahr().SetValue(f.jahr);
        EXPECT_EQ(stGewEink->text(), f.gewEink) << f.jahr;
        EXPECT_EQ(stGewEink->buddy(), C<QWidget>("ebGewEink")) << f.jahr;
        EXPECT_EQ(stZTabMild->text(), f.zTabMild) << f.jahr;
        QWidget* vorn = C<QWidget>(f.vorn);
        EXPECT_EQ(stapel->currentWidget(), vorn) << f.jahr;
        EXPECT_EQ(stZTabMild->buddy(), vorn) << f.jahr;
        EXPECT_EQ(stZTabMild->isEnabled(), f.zTabMildAn) << f.jahr;
        EXPECT_EQ(vorn->isEnabled(), f.zTabMildAn) << f.jahr;
        EXPECT_EQ(!C<QWidget>("chWJAbweichend")->isHidden(), f.wjAbweichend) << f.jahr;
    }
}

TEST_F(EinkommensteuerTest, TypedYearAndTickedFinancialYearSwitchTheRelief)
{
    auto* vz = C<TMVCComboBox>("cbVZ");
    // A list of years: typing the year picks it.
    vz->setFocus();
    QTest::keyClicks(vz, "2001");
    QTest::keyClick(vz, Qt::Key_Tab);
    EXPECT_EQ(d->Jahr().GetValue(), 2001);
    auto* wj = C<TMVCCheckBox>("chWJAbweichend");
    ASSERT_FALSE(wj->isHidden());
    EXPECT_EQ(C<QLabel>("stGewEink")->text(), "Gewerbliche Einkünfte (§35):");
    // With a differing financial year 2001 keeps the relief for commercial income.
    wj->setFocus();
    QTest::keyClick(wj, Qt::Key_Space);
    EXPECT_TRUE(d->WJAbweichend().GetValue());
    EXPECT_EQ(C<QLabel>("stGewEink")->text(), "Gewerbliche Einkünfte (§32c):");
}

TEST_F(EinkommensteuerTest, TypedIncomeOf50000In2026ShowsItsTax)
{
    Tippen("ebZVE", "50000,00");
    EXPECT_DOUBLE_EQ(d->ZVE().GetValue(), 50000.00);
    EXPECT_EQ(Feld("ebZVE"), "50.000,00");
    EXPECT_EQ(Feld("ebESt"), "10.548,00");
    EXPECT_EQ(Feld("ebFestESt"), "10.548,00");
    EXPECT_EQ(Feld("ebeSolZ"), "0,00");
    EXPECT_TRUE(C<QRadioButton>("rbZVEEingabe")->isChecked());
}

TEST_F(EinkommensteuerTest, TypingATaxFindsTheIncomeAndChecksTheTaxButton)
{
    Tippen("ebESt", "10548,00");
    EXPECT_FALSE(d->ZVEEingabe().GetValue());
    EXPECT_TRUE(C<QRadioButton>("rbEStEingabe")->isChecked());
    EXPECT_FALSE(C<QRadioButton>("rbZVEEingabe")->isChecked());
    EXPECT_EQ(Feld("ebZVE"), "50.001,99");
    // Typing an income makes it the input again.
    Tippen("ebZVE", "40000,00");
    EXPECT_TRUE(d->ZVEEingabe().GetValue());
    EXPECT_TRUE(C<QRadioButton>("rbZVEEingabe")->isChecked());
}

TEST_F(EinkommensteuerTest, RadioButtonsWriteOnClicksOnlyNeverOnARefresh)
{
    TZaehlForm zaehler;
    auto* grund = C<QRadioButton>("rbGrundTab");
    auto* splitting = C<QRadioButton>("rbSplittingTab");
    Tippen("ebZVE", "50000,00");
    zaehler.m_anzahl = 0;
    QTest::mouseClick(splitting, Qt::LeftButton);
    EXPECT_FALSE(d->Grundtabelle().GetValue());
    // Splitting taxes half the income twice: less than the basic table's 10.548,00.
    EXPECT_GT(d->Einkommensteuer().GetValue(), 0);
    EXPECT_LT(d->Einkommensteuer().GetValue(), 10548);
    const int nachKlick = zaehler.m_anzahl;
    EXPECT_GE(nachKlick, 1);

    // A refresh shows the values and writes nothing.
    m_seite->Refresh();
    EXPECT_EQ(zaehler.m_anzahl, nachKlick);
    EXPECT_TRUE(splitting->isChecked());

    // A change from elsewhere moves the buttons; their refresh does not write back.
    d->Grundtabelle().SetValue(true);
    EXPECT_TRUE(grund->isChecked());
    EXPECT_EQ(zaehler.m_anzahl, nachKlick + 1);

    // Space on the focused button is a user's click as well.
    splitting->setFocus();
    QTest::keyClick(splitting, Qt::Key_Space);
    EXPECT_FALSE(d->Grundtabelle().GetValue());
    QTest::mouseClick(C<QRadioButton>("rbEStEingabe"), Qt::LeftButton);
    EXPECT_FALSE(d->ZVEEingabe().GetValue());
    // The two pairs are separate choices.
    EXPECT_TRUE(splitting->isChecked());
}

TEST_F(EinkommensteuerTest, SplittingTableOpensWithItsButtonChecked)
{
    d->Grundtabelle().SetValue(false);
    QTest::mouseClick(m_fenster->Button("bnAbrechnung"), Qt::LeftButton);
    SeiteZeigen();
    EXPECT_TRUE(C<QRadioButton>("rbSplittingTab")->isChecked());
    EXPECT_FALSE(C<QRadioButton>("rbGrundTab")->isChecked());
}

TEST_F(EinkommensteuerTest, PageStateRoundTrip)
{
    d->Jahr().SetValue(2007);
    Tippen("ebZVE", "60000,00");
    QTest::mouseClick(C<QRadioButton>("rbSplittingTab"), Qt::LeftButton);
    Tippen("ebGewinnEink", "1234,00");
    m_fenster->Item("miSeiteSpeichern")->trigger();

    d->Jahr().SetValue(2026);
    Tippen("ebZVE", "1,00");
    QTest::mouseClick(C<QRadioButton>("rbGrundTab"), Qt::LeftButton);
    m_fenster->Item("miSeiteLesen")->trigger();

    EXPECT_EQ(d->Jahr().GetValue(), 2007);
    EXPECT_DOUBLE_EQ(d->ZVE().GetValue(), 60000.00);
    EXPECT_FALSE(d->Grundtabelle().GetValue());
    EXPECT_DOUBLE_EQ(d->GewinnEink().GetValue(), 1234.00);
    EXPECT_EQ(Feld("ebZVE"), "60.000,00");
    EXPECT_TRUE(C<QRadioButton>("rbSplittingTab")->isChecked());
    EXPECT_EQ(C<QLabel>("stZTabMild")->text(), "Entlastung f.Gewinneink. (§32c):");
}

TEST_F(EinkommensteuerTest, TableIconsOpenCloseAndCtrlOpensAnother)
{
    Tippen("ebZVE", "50000,00");
    auto* oeffnen = C<QToolButton>("EStTabOpenImage");
    auto* schliessen = C<QToolButton>("EStTabCloseImage");
    EXPECT_FALSE(oeffnen->isHidden());
    EXPECT_TRUE(schliessen->isHidden());
    QTest::mouseClick(oeffnen, Qt::LeftButton);
    EXPECT_EQ(Tabellen(), 1);
    EXPECT_TRUE(oeffnen->isHidden());
    EXPECT_FALSE(schliessen->isHidden());
    EXPECT_TRUE(m_fenster->Item("miEStTabelleSchliessen")->isEnabled());

    TFoEStTabelle* tabelle = EineTabelle();
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->windowTitle(), "ESt-Tabelle 2026 Euro");
    // The table opens at the page's taxable income, and its row agrees with the page's tax.
    const double oben = tabelle->ZeileZuBetrag(tabelle->ScrollBar1()->value());
    EXPECT_LE(oben, 50000);
    EXPECT_GT(oben + 36, 50000);
    EXPECT_DOUBLE_EQ(tabelle->Zeile(50000).grundtarif, d->Einkommensteuer().GetValue());

    QTest::mouseClick(schliessen, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(Tabellen(), 2);
    QTest::mouseClick(schliessen, Qt::LeftButton);
    EXPECT_EQ(Tabellen(), 0);
    EXPECT_FALSE(oeffnen->isHidden());
    EXPECT_TRUE(schliessen->isHidden());
    EXPECT_FALSE(m_fenster->Item("miEStTabelleSchliessen")->isEnabled());
}

TEST_F(EinkommensteuerTest, PopupOffersOpenOrCloseAndPrinting)
{
    QMenu* popup = m_seite->PopupMenu();
    ASSERT_NE(popup, nullptr);
    QAction* oeffnen = popup->findChild<QAction*>("pmiTabelleOeffnen");
    QAction* schliessen = popup->findChild<QAction*>("pmiTabelleSchliessen");
    ASSERT_NE(oeffnen, nullptr);
    ASSERT_NE(schliessen, nullptr);
    emit popup->aboutToShow();
    EXPECT_TRUE(oeffnen->isVisible());
    EXPECT_FALSE(schliessen->isVisible());
    oeffnen->trigger();
    EXPECT_EQ(Tabellen(), 1);
    emit popup->aboutToShow();
    EXPECT_FALSE(oeffnen->isVisible());
    EXPECT_TRUE(schliessen->isVisible());
    schliessen->trigger();
    EXPECT_EQ(Tabellen(), 0);

    // Printing and copying the page both work.
    for (QAction* a : popup->actions()) {
        if (a->objectName() == "pmiDrucken") {
            EXPECT_TRUE(a->isEnabled());
        }
    }
    EXPECT_TRUE(m_fenster->Item("miDrucken")->isEnabled());
    EXPECT_TRUE(m_fenster->Button("bnDrucken")->isEnabled());
    EXPECT_TRUE(C<QWidget>("bnVergleich")->isEnabled()); // the year comparison works
    Tippen("ebZVE", "50000,00");
    const QStringList text = m_seite->DruckText();
    EXPECT_TRUE(text.first().startsWith(QString(8, ' ') + "Einkommensteuerberechnung "));
    EXPECT_TRUE(text.join("\n").contains("10.548,00"));
}

TEST_F(EinkommensteuerTest, ScrollNoticesOfIncomeTaxTablesPlayTheIconOnce)
{
    m_seite->TabellenNachricht(TTabellenNachricht::NachUntenGescrollt,
                               TFoEStTabelle::staticMetaObject);
    EXPECT_EQ(m_seite->AnimationsBild(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(m_seite->AnimationsBild(), 1, 2000);
    m_seite->TabellenNachricht(TTabellenNachricht::NachObenGescrollt,
                               TFoEStTabelle::staticMetaObject);
    EXPECT_EQ(m_seite->AnimationsBild(), TFoEinkommensteuer::kBilder);
    QTRY_COMPARE_WITH_TIMEOUT(m_seite->AnimationsBild(), 1, 2000);
    // Another kind of table leaves the icon alone.
    m_seite->TabellenNachricht(TTabellenNachricht::NachUntenGescrollt, TTabelle::staticMetaObject);
    EXPECT_EQ(m_seite->AnimationsBild(), 1);
}

TEST_F(EinkommensteuerTest, TableClosedRightAfterScrollingStillAnimatesTheIcon)
{
    QTest::mouseClick(C<QToolButton>("EStTabOpenImage"), Qt::LeftButton);
    ASSERT_EQ(Tabellen(), 1);
    TFoEStTabelle* tabelle = EineTabelle();
    ASSERT_NE(tabelle, nullptr);
    // The scroll notice is queued; the window goes before it is read.
    tabelle->ScrollBar1()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    tabelle->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_EQ(Tabellen(), 0);
    EXPECT_NE(m_seite->AnimationsBild(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(m_seite->AnimationsBild(), 1, 2000);
    EXPECT_FALSE(C<QWidget>("EStTabOpenImage")->isHidden());
}

TEST_F(EinkommensteuerTest, TableMenuOpensEachPeriodAndClosesThem)
{
    QMenu* menu = m_fenster->findChild<QMenu*>("miEStTabellen");
    ASSERT_NE(menu, nullptr);
    QStringList texte;
    QList<int> tags;
    for (QAction* a : menu->actions()) {
        texte << a->text();
        tags << a->data().toInt();
    }
    ASSERT_EQ(texte.size(), 27);
    EXPECT_EQ(texte.first(), "1988 / 89");
    EXPECT_EQ(texte[7], "2002 / 03");
    EXPECT_EQ(texte.last(), "202&6");
    EXPECT_EQ(tags.first(), 1988);
    EXPECT_EQ(tags.last(), 2026);

    m_fenster->Item("miESt2001")->trigger();
    m_fenster->Item("miESt2002")->trigger();
    ASSERT_EQ(Tabellen(), 2);
    QStringList titel;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TFoEStTabelle*>(w))
            titel << w->windowTitle();
    titel.sort();
    EXPECT_EQ(titel, QStringList({"ESt-Tabelle 2001 DM", "ESt-Tabelle 2002/03 Euro"}));
    EXPECT_TRUE(m_fenster->Item("miEStTabelleSchliessen")->isEnabled());
    m_fenster->Item("miEStTabelleSchliessen")->trigger();
    EXPECT_EQ(Tabellen(), 0);

    // "Einkommensteuer-Tabelle öffnen" opens at the page's income and year.
    d->Jahr().SetValue(2013);
    m_fenster->Item("miEStTabelleOeffnen")->trigger();
    ASSERT_EQ(Tabellen(), 1);
    EXPECT_FALSE(C<QWidget>("EStTabCloseImage")->isHidden());
}

TEST_F(EinkommensteuerTest, MainWindowWithThePageFitsTheScreen)
{
    Tippen("ebZVE", "50000,00");
    m_fenster->FitToPage();
    EXPECT_LE(m_fenster->frameGeometry().width(), 1366);
    EXPECT_LE(m_fenster->frameGeometry().height(), 768);
    EXPECT_FALSE(SaveScreenshot(*m_fenster, "einkommensteuer").isEmpty());
}

TEST_F(EinkommensteuerTest, MarkDisplayGivesTheTableMarkRowsUnderAMarkCaption)
{
    Tippen("ebZVE", "50000,00");
    auto* umrechnen = C<TMVCCheckBox>("chUmrechnen");
    umrechnen->setFocus();
    QTest::keyClick(umrechnen, Qt::Key_Space);
    ASSERT_TRUE(d->Umrechnen().GetValue());
    auto* waehrung = C<TMVCComboBox>("cbWaehrungName");
    waehrung->setFocus();
    QTest::keyClicks(waehrung, "DM");
    ASSERT_EQ(waehrung->currentText(), "DM");
    // 50.000 euro are 97.791,50 DM; the tax is the same, shown in DM.
    EXPECT_EQ(Feld("ebZVE"), "97.791,50");
    const double steuerDM = d->Einkommensteuer().GetValue();
    EXPECT_NEAR(steuerDM, 10548 * 1.95583, 0.01);

    QTest::mouseClick(C<QToolButton>("EStTabOpenImage"), Qt::LeftButton);
    ASSERT_EQ(Tabellen(), 1);
    TFoEStTabelle* tabelle = EineTabelle();
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->windowTitle(), "ESt-Tabelle 2026 DM");
    // The top row is the euro step of the income, shown in DM like the page.
    const double oben = tabelle->ZeileZuBetrag(tabelle->ScrollBar1()->value());
    EXPECT_LE(oben, 50000);
    EXPECT_GT(oben + 36, 50000);
    const TEStTabellenZeile z = tabelle->Zeile(oben);
    EXPECT_LE(z.einkommen, 97791.50);
    EXPECT_GT(z.einkommen + 36 * 1.95583, 97791.50);
    EXPECT_DOUBLE_EQ(tabelle->Zeile(50000).grundtarif, steuerDM);
}

TEST_F(EinkommensteuerTest, FocusComesBackToThePageLeftWhileATableHeldIt)
{
    const struct {
        const char* geklickt; // the field clicked before the table opens, if any
        const char* fokus;
    } faelle[] = {{nullptr, "cbVZ"}, {"ebZVE", "ebZVE"}};
    for (const auto& f : faelle) {
        if (f.geklickt)
            QTest::mouseClick(C<QLineEdit>(f.geklickt), Qt::LeftButton);
        QTest::mouseClick(C<QToolButton>("EStTabOpenImage"), Qt::LeftButton);
        TFoEStTabelle* tabelle = EineTabelle();
        ASSERT_NE(tabelle, nullptr) << f.fokus;
        ASSERT_TRUE(QTest::qWaitForWindowActive(tabelle)) << f.fokus;
        // "Lohn" and back to "ESt" in the main window while the table holds the focus.
        QTest::mouseClick(m_fenster->Button("bnAbrechnung"), Qt::LeftButton);
        QTest::mouseClick(m_fenster->Button("bnESt"), Qt::LeftButton);
        m_fenster->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_fenster.get())) << f.fokus;
        m_seite = dynamic_cast<TFoEinkommensteuer*>(m_fenster->ActivePageForm());
        ASSERT_NE(m_seite, nullptr);
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr) << f.fokus;
        EXPECT_EQ(fokus->objectName().toStdString(), f.fokus);

        QTest::keyClick(fokus, Qt::Key_S, Qt::ControlModifier);
        std::ifstream ini(m_fenster->EinstellungsDatei());
        const std::string text{std::istreambuf_iterator<char>(ini), {}};
        EXPECT_NE(text.find(std::string("ActiveControl=") + f.fokus), std::string::npos) << text;
        tabelle->close();
        EXPECT_EQ(Tabellen(), 0);
    }
}
