#include "Forms/Tabellen/LStTabelle.h"

#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/Tabelle.h"
#include "Lib/Betrag.h"
#include "Lib/Datum.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusTipEvent>
#include <QTest>

#include <memory>

namespace {

TLStTabelleVorgaben Vorgaben2026()
{
    TLStTabelleVorgaben v;
    v.jahr = 2026;
    v.monat = 1;
    v.steuerklasse = 1;
    v.kirchensteuersatz = 9;
    v.entgelt = 3000.00;
    v.eingaben = [](TLStTabBase& t) { t.SetInt(liZeitraum, 2); };
    return v;
}

class LStTabelleTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        m_fenster = std::make_unique<TFoLStTabelle>();
        m_fenster->setAttribute(Qt::WA_DeleteOnClose, false);
        m_fenster->init();
        m_fenster->Oeffnen(Vorgaben2026());
    }
    void TearDown() override
    {
        m_fenster.reset();
        GuiHookFixture::TearDown();
    }
    std::unique_ptr<TFoLStTabelle> m_fenster;
};

} // namespace

TEST_F(LStTabelleTest, CaptionAndHeaderFollowTheStatement)
{
    EXPECT_EQ(
        m_fenster->windowTitle(),
        QString::fromStdString("LSt-Tabelle " + m_fenster->Tarif()->Name() + " (Monat) Euro"));
    EXPECT_EQ(m_fenster->stStKl()->text(), "StKl. I");
    EXPECT_EQ(m_fenster->stKinderFB()->text(), "ohne Kinderfreibetrag");
    EXPECT_EQ(m_fenster->stKiStSatz()->text(), "9 v.H.");
    EXPECT_FALSE(m_fenster->paTabHinweis()->isHidden());
    // 2026 without birth date: the old-age relief cannot be judged.
    EXPECT_FALSE(m_fenster->miAltersentlastung()->isEnabled());
    EXPECT_EQ(m_fenster->miAltersentlastung()->statusTip(), "Geburtsdatum fehlt!");
}

TEST_F(LStTabelleTest, OpensAtTheGrossPayAndRowsEqualTheTariff)
{
    const int oben = m_fenster->ScrollBar1()->value();
    const double erste = m_fenster->ZeileZuBetrag(oben);
    EXPECT_LE(erste, 300000.0);
    EXPECT_GT(erste + m_fenster->Schrittweite(), 300000.0 - m_fenster->Schrittweite());

    auto tarif = CreateLStTab(2026, 1);
    tarif->SetDoub(ldKurs, 1.0);
    tarif->SetInt(liZeitraum, 2);
    tarif->SetInt(liSteuerklasse, 1);
    tarif->SetBool(lbKirchensteuer, true);
    for (int zeile : {0, 1, oben, oben + 7, oben + 500}) {
        const double betrag = m_fenster->ZeileZuBetrag(zeile);
        const auto texte = m_fenster->ZeilenTexte(betrag);
        const double lst = tarif->LohnsteuerFuer(betrag);
        const double kist = Abschneiden(tarif->GetDoub(leKiStBasis) * 9 * 0.01) * 0.01;
        EXPECT_EQ(texte.betrag.toStdString(), FloatToBetragStr(2, betrag * 0.01)) << zeile;
        EXPECT_EQ(texte.lohnsteuer.toStdString(), FloatToBetragStr(2, lst * 0.01)) << zeile;
        EXPECT_EQ(texte.kirchensteuer.toStdString(), FloatToBetragStr(2, kist)) << zeile;
        EXPECT_EQ(texte.solz.toStdString(), FloatToBetragStr(2, tarif->GetDoub(leSolZ) * 0.01))
            << zeile;
    }
}

TEST_F(LStTabelleTest, ScrollingMovesTheRowsByTheStep)
{
    const int oben = m_fenster->ScrollBar1()->value();
    const double vorher = m_fenster->ZeileZuBetrag(oben);
    m_fenster->ScrollBar1()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const int neu = m_fenster->ScrollBar1()->value();
    EXPECT_GT(neu, oben);
    EXPECT_DOUBLE_EQ(m_fenster->ZeileZuBetrag(neu) - vorher,
                     (neu - oben) * m_fenster->Schrittweite());
    m_fenster->ScrollBar1()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(m_fenster->ScrollBar1()->value(), neu - 1);
}

TEST_F(LStTabelleTest, ClassFiveDropsTheChildAllowances)
{
    m_fenster->SetKinderZehntel(10);
    EXPECT_EQ(m_fenster->stKinderFB()->text(), "mit 1,0 Kinderfreibetrag");
    m_fenster->SetSteuerklasse(5);
    EXPECT_EQ(m_fenster->KinderZehntel(), 0);
    EXPECT_EQ(m_fenster->stKinderFB()->text(), "ohne Kinderfreibetrag");
    EXPECT_EQ(m_fenster->stStKl()->text(), "StKl. V");
    m_fenster->SetKinderZehntel(10);
    EXPECT_EQ(m_fenster->KinderZehntel(), 0);
    EXPECT_EQ(m_fehlerBeeps, 1);
    m_fenster->PopupAktualisieren();
    EXPECT_FALSE(m_fenster->miMehr()->isEnabled());
}

TEST_F(LStTabelleTest, ClassTwoNeedsAtLeastHalfAChild)
{
    m_fenster->SetSteuerklasse(2);
    EXPECT_EQ(m_fenster->KinderZehntel(), 5);
    EXPECT_EQ(m_fenster->stKinderFB()->text(), "mit 0,5 Kinderfreibetrag");
    m_fenster->SetKinderZehntel(0);
    EXPECT_EQ(m_fenster->KinderZehntel(), 5);
    EXPECT_EQ(m_fehlerBeeps, 1);
    m_fenster->SetKinderZehntel(20);
    EXPECT_EQ(m_fenster->stKinderFB()->text(), "mit 2,0 Kinderfreibeträgen");
    m_fenster->PopupAktualisieren();
    EXPECT_FALSE(m_fenster->miKinderNull()->isEnabled());
}

TEST_F(LStTabelleTest, APopupItemSaysWhyItIsNotAvailableInItsTooltipAndTheStatusLine)
{
    // The main window's status line shows the hint of the item under the mouse.
    struct : TXoForm {
        QString hinweis;
        bool event(QEvent* e) override
        {
            if (e->type() == QEvent::StatusTip)
                hinweis = static_cast<QStatusTipEvent*>(e)->tip();
            return TXoForm::event(e);
        }
    } haupt;
    TXoForm::SetMainForm(&haupt);
    const struct {
        int klasse;
        QAction* item;
        const char* hinweis;
    } faelle[] = {
        {5, m_fenster->miMehr(), "Nicht verfügbar, weil Steuerklasse V oder VI eingestellt ist."},
        {2, m_fenster->miKinderNull(), "Nicht verfügbar, weil Steuerklasse II eingestellt ist."},
        {1, m_fenster->miAltersentlastung(), "Geburtsdatum fehlt!"},
    };
    for (const auto& f : faelle) {
        m_fenster->SetSteuerklasse(f.klasse);
        emit m_fenster->PopupMenu()->aboutToShow();
        EXPECT_FALSE(f.item->isEnabled()) << f.hinweis;
        EXPECT_EQ(f.item->toolTip(), f.hinweis);
        // The mouse on the item, in the menu that holds it.
        auto* menu = qobject_cast<QMenu*>(f.item->associatedObjects().value(0));
        ASSERT_NE(menu, nullptr) << f.hinweis;
        menu->popup(QPoint(10, 10));
        QTest::mouseMove(menu, menu->actionGeometry(f.item).center());
        EXPECT_EQ(haupt.hinweis, f.hinweis);
        menu->close();
    }
    for (const QMenu* menu : m_fenster->PopupMenu()->findChildren<QMenu*>())
        EXPECT_TRUE(menu->toolTipsVisible()) << menu->title().toStdString();
    EXPECT_TRUE(m_fenster->PopupMenu()->toolTipsVisible());
    TXoForm::SetMainForm(nullptr);
}

TEST_F(LStTabelleTest, MoreChildrenRoundToHalves)
{
    EXPECT_EQ(KinderZehntelGerundet(27), 25);
    EXPECT_EQ(KinderZehntelGerundet(28), 30);
    EXPECT_EQ(KinderZehntelGerundet(35), 35);
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoDoubleEingabe&>(w);
        EXPECT_EQ(dialog.windowTitle(), "Kinderfreibeträge");
        dialog.SetWert(2.8);
        return static_cast<int>(mrOk);
    };
    m_fenster->MehrKinderClick();
    EXPECT_EQ(m_fenster->KinderZehntel(), 30);
}

TEST_F(LStTabelleTest, ChurchTaxRateChangesColumnThree)
{
    const double betrag = m_fenster->ZeileZuBetrag(m_fenster->ScrollBar1()->value());
    const QString bei9 = m_fenster->ZeilenTexte(betrag).kirchensteuer;
    m_fenster->SetKirchensteuerSatz(8);
    EXPECT_EQ(m_fenster->stKiStSatz()->text(), "8 v.H.");
    EXPECT_NE(m_fenster->ZeilenTexte(betrag).kirchensteuer, bei9);
}

// Church tax is cut in the tariff's currency and only then converted, as on the statement: a
// euro table shown in DM and a DM table shown in euros.
struct TabellenWaehrung {
    const char* name;
    int jahr;
    double kurs;
};
const TabellenWaehrung kTabellenWaehrungen[] = {{"euroYearInDM", 2026, 1.95583},
                                                {"dmYearInEuro", 2001, 1.0}};

class LStTabelleWaehrungTest : public GuiHookFixture,
                               public testing::WithParamInterface<TabellenWaehrung> {};
TEST_P(LStTabelleWaehrungTest, ChurchTaxConvertedAfterTheRate)
{
    const TabellenWaehrung& f = GetParam();
    TLStTabelleVorgaben v = Vorgaben2026();
    v.jahr = f.jahr;
    v.kurs = f.kurs;
    TFoLStTabelle fenster;
    fenster.setAttribute(Qt::WA_DeleteOnClose, false);
    fenster.init();
    fenster.Oeffnen(v);
    auto tarif = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 1);
    tarif->SetDoub(ldKurs, tarif->DMFaktor());
    tarif->SetInt(liZeitraum, 2);
    tarif->SetInt(liSteuerklasse, 1);
    tarif->SetBool(lbKirchensteuer, true);
    // From the row of the statement's pay on, where the taxes are not nil.
    const int oben = fenster.ScrollBar1()->value();
    for (int zeile = oben; zeile < oben + 3000; zeile += 7) {
        const double betrag = fenster.ZeileZuBetrag(zeile);
        tarif->LohnsteuerFuer(betrag);
        const double kist = Abschneiden(tarif->GetDoub(leKiStBasis) * 9 * 0.01);
        const double angezeigt = Dreisatz(true, 0, kist, tarif->DMFaktor(), f.kurs);
        ASSERT_EQ(fenster.ZeilenTexte(betrag).kirchensteuer.toStdString(),
                  FloatToBetragStr(2, angezeigt * 0.01))
            << "row " << zeile;
    }
}
INSTANTIATE_TEST_SUITE_P(Tabellen, LStTabelleWaehrungTest, testing::ValuesIn(kTabellenWaehrungen),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LStTabelleOhneTarif, UnknownYearShowsAnErrorAndLeavesNoWindow)
{
    TGuiHooks alt = GuiHooks();
    QStringList fehler;
    GuiHooks().fehler = [&](const QString& text) { fehler << text; };
    TLStTabelleVorgaben v = Vorgaben2026();
    v.jahr = 1789;
    EXPECT_EQ(TFoLStTabelle::Zeigen(v), nullptr);
    EXPECT_EQ(fehler.size(), 1);
    EXPECT_FALSE(FormOfClassExists(TFoLStTabelle::staticMetaObject));
    GuiHooks() = alt;
}

TEST(LStTabelleBild, Screenshot)
{
    TFoLStTabelle* fenster = TFoLStTabelle::Zeigen(Vorgaben2026());
    ASSERT_NE(fenster, nullptr);
    ASSERT_NE(fenster, nullptr);
    fenster->close();
}
