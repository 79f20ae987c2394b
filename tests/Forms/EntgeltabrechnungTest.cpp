#include "Forms/Entgeltabrechnung.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Forms/BeitrGrSchl.h"
#include "Forms/LStTabelle.h"
#include "Forms/MainForm.h"
#include "Gui/BergForm.h"
#include "Gui/BetragEdit.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Lib/Betrag.h"
#include "Support/OptionenUmgebung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <set>

namespace {

class EntgeltabrechnungTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        TOptionenUmgebung::Starten();
        m_fenster = std::make_unique<TMainForm>(m_umgebung.Xdg().Ordner("daten") + "/");
        m_fenster->init();
        m_fenster->SetActivePage(1);
        m_fenster->show();
        m_seite = dynamic_cast<TFoEntgeltabrechnung*>(m_fenster->ActivePageForm());
        ASSERT_NE(m_seite, nullptr);
        d = m_seite->LohnDaten();
        ASSERT_NE(d, nullptr);
        d->Jahr->SetValue(2026);
        d->Steuerklasse->SetValue(1);
    }
    void TearDown() override
    {
        CloseFormsOfClass(TFoLStTabelle::staticMetaObject);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        m_fenster.reset();
        GuiHookFixture::TearDown();
    }
    // Types into an amount field of the page as a user would: focus, select all, type.
    void Tippen(const char* feld, const QString& text)
    {
        auto* edit = m_seite->Control<TMVCBetrag>(feld);
        ASSERT_NE(edit, nullptr) << feld;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    QString Feld(const char* name) { return m_seite->Control<QLineEdit>(name)->text(); }
    static QString Zahl(double wert) { return QString::fromStdString(FloatToBetragStr(2, wert)); }

    TOptionenUmgebung m_umgebung;
    std::unique_ptr<TMainForm> m_fenster;
    TFoEntgeltabrechnung* m_seite = nullptr;
    TLohnDaten* d = nullptr;
};

} // namespace

TEST_F(EntgeltabrechnungTest, BindingTableBindsEachControlOnceToAValueOfTheStatement)
{
    std::set<std::string> gebunden;
    for (const TBindung& b : TFoEntgeltabrechnung::Bindungen()) {
        EXPECT_TRUE(gebunden.insert(b.control).second) << b.control << " bound twice";
        TValue* wert = d->FindValue(b.wert);
        EXPECT_NE(wert, nullptr) << b.wert;
        auto* control = dynamic_cast<TMVCControl*>(m_seite->Control<QWidget>(b.control));
        ASSERT_NE(control, nullptr) << b.control;
        EXPECT_EQ(control->Value(), wert) << b.control;
    }
    // The statement's controls: 69 bindings, two of them to "Versorgungsbezuege".
    EXPECT_EQ(gebunden.size(), 69u);
    for (QWidget* w : m_seite->Panel()->findChildren<QWidget*>()) {
        if (dynamic_cast<TMVCControl*>(w)) {
            EXPECT_EQ(gebunden.count(w->objectName().toStdString()), 1u)
                << w->objectName().toStdString() << " is not in the table";
        }
    }
}

TEST_F(EntgeltabrechnungTest, TypingTheGrossPayRecomputesTheStatement)
{
    Tippen("ebEntgelt", "3000,00");
    EXPECT_DOUBLE_EQ(d->Entgelt->GetValue(), 3000.00);
    EXPECT_GT(d->Lohnsteuer->GetValue(), 0);
    EXPECT_GT(d->RVBeitrag->GetValue(), 0);
    EXPECT_EQ(Feld("ebLSt"), Zahl(d->Lohnsteuer->GetValue()));
    EXPECT_EQ(Feld("ebKiSt"), Zahl(d->Kirchensteuer->GetValue()));
    EXPECT_EQ(Feld("ebSolZ"), Zahl(d->Solidaritaetszuschlag->GetValue()));
    EXPECT_EQ(Feld("ebKVBeitrag"), Zahl(d->KVBeitrag->GetValue()));
    EXPECT_EQ(Feld("ebRVBeitrag"), Zahl(d->RVBeitrag->GetValue()));
    EXPECT_EQ(Feld("ebNetto"), Zahl(d->Nettoentgelt->GetValue()));
    const double netto = d->Entgelt->GetValue() - d->Lohnsteuer->GetValue() -
                         d->Kirchensteuer->GetValue() - d->Solidaritaetszuschlag->GetValue() -
                         d->KVBeitrag->GetValue() - d->PVBeitrag->GetValue() -
                         d->KVZBBeitrag->GetValue() - d->PVKLBeitrag->GetValue() -
                         d->RVBeitrag->GetValue() - d->AVBeitrag->GetValue();
    EXPECT_NEAR(d->Nettoentgelt->GetValue(), netto, 0.001);

    const QString vorher = Feld("ebLSt");
    Tippen("ebEntgelt", "4500,00");
    EXPECT_NE(Feld("ebLSt"), vorher);
}

TEST_F(EntgeltabrechnungTest, GivenNetPayFindsTheGross)
{
    Tippen("ebEntgelt", "3000,00");
    const double netto = d->Nettoentgelt->GetValue();
    m_seite->Control<QRadioButton>("rbNettoEingabe")->click();
    EXPECT_EQ(d->Ausgangswert->GetValue(), TLohnDaten::kAusNetto);
    Tippen("ebEntgelt", "1,00"); // the gross field is a result now; the net pay decides
    Tippen("ebNetto", Zahl(netto));
    EXPECT_NEAR(d->Entgelt->GetValue(), 3000.00, 0.011);
    EXPECT_EQ(Feld("ebEntgelt"), Zahl(d->Entgelt->GetValue()));
    EXPECT_TRUE(m_seite->Control<QRadioButton>("rbNettoEingabe")->isChecked());
}

TEST_F(EntgeltabrechnungTest, ChildAllowanceMarkComesAndGoesWithTheCondition)
{
    d->Steuerklasse->SetValue(2);
    d->Kinderfreibetraege->SetValue("0,0");
    EXPECT_TRUE(m_seite->KiFBMarkiert());
    d->Kinderfreibetraege->SetValue("0,5");
    EXPECT_FALSE(m_seite->KiFBMarkiert());
    d->Kinderfreibetraege->SetValue("0,0");
    EXPECT_TRUE(m_seite->KiFBMarkiert());
    d->Steuerklasse->SetValue(1);
    EXPECT_FALSE(m_seite->KiFBMarkiert());
}

TEST_F(EntgeltabrechnungTest, TransitionZoneCaptionFollowsYearAndMonth)
{
    EXPECT_EQ(TFoEntgeltabrechnung::GleitzonenText(2019, 6), "Gleitzone");
    EXPECT_EQ(TFoEntgeltabrechnung::GleitzonenText(2019, 7), "Gleitzone/Übergangsbereich");
    EXPECT_EQ(TFoEntgeltabrechnung::GleitzonenText(2022, 1), "Übergangsbereich");
    EXPECT_EQ(m_seite->Control<QAbstractButton>("chGleitzone")->text(), "Übergangsbereich");
    EXPECT_TRUE(m_seite->Control<QWidget>("chGleitzone")
                    ->toolTip()
                    .startsWith("Regelmäßiges monatl. Entgelt "));
}

TEST_F(EntgeltabrechnungTest, FlatRateTaxDisablesTheTaxAsGivenAmount)
{
    if (!d->PLSt->IsEnabled())
        GTEST_SKIP() << "no flat-rate tax in this year";
    d->PLSt->SetValue(true);
    EXPECT_FALSE(m_seite->Control<QWidget>("rbLStEingabe")->isEnabled());
    EXPECT_TRUE(m_seite->Control<QWidget>("bnVergleich")->isHidden());
}

TEST_F(EntgeltabrechnungTest, KeyDialogWritesTheContributionGroupKey)
{
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoBeitrGrSchl&>(w);
        dialog.Knopf(1, 5)->click();
        dialog.SetModalResult(mrOk);
        return dialog.ModalResult();
    };
    const std::string alt = d->BGS->GetValue();
    m_seite->bnBGSClick();
    ASSERT_GE(d->BGS->GetValue().size(), 2u);
    EXPECT_EQ(d->BGS->GetValue()[1], '5') << alt;
}

TEST_F(EntgeltabrechnungTest, WageTaxTableAgreesWithTheStatement)
{
    Tippen("ebEntgelt", "3456,78");
    m_seite->LStTabOpenImageClick();
    QCoreApplication::processEvents();
    TFoLStTabelle* tabelle = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* t = qobject_cast<TFoLStTabelle*>(w))
            tabelle = t;
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->ZeilenTexte(345678).lohnsteuer, Zahl(d->Lohnsteuer->GetValue()));
    EXPECT_EQ(tabelle->ZeilenTexte(345678).solz, Zahl(d->Solidaritaetszuschlag->GetValue()));
    // The icons follow the open windows.
    EXPECT_TRUE(m_seite->Control<QWidget>("LStTabOpenImage")->isHidden());
    SaveScreenshot(*tabelle, "lohnsteuer-tabelle");
    m_seite->LStTabCloseImageClick(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(m_seite->Control<QWidget>("LStTabOpenImage")->isHidden());
}

TEST_F(EntgeltabrechnungTest, ScreenshotOfTheMainWindowWithThePayrollPage)
{
    d->Kinder->SetValue(1);
    d->Kinderfreibetraege->SetValue("1,0");
    Tippen("ebEntgelt", "3456,78");
    m_fenster->FitToPage();
    EXPECT_FALSE(SaveScreenshot(*m_fenster, "hauptfenster").isEmpty());
}
