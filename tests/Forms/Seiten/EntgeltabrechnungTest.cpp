#include "Forms/Seiten/Entgeltabrechnung.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Forms/Dialoge/BeitrGrSchl.h"
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Gui/BergForm.h"
#include "Gui/BetragEdit.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Lib/Betrag.h"
#include "MVCFrame/DDEMngr.h"
#include "Support/OptionenUmgebung.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>
#include <set>

namespace {

class EntgeltabrechnungTest : public EntgeltabrechnungFixture {
protected:
    void TearDown() override
    {
        CloseFormsOfClass(TFoLStTabelle::staticMetaObject);
        EntgeltabrechnungFixture::TearDown();
    }
    QString Feld(const char* name) { return m_seite->Control<QLineEdit>(name)->text(); }
    static QString Zahl(double wert) { return QString::fromStdString(FloatToBetragStr(2, wert)); }
};

} // namespace

TEST_F(EntgeltabrechnungTest, BindingTableBindsEachControlOnceToAValueOfTheStatement)
{
    // The statement's controls: 69 bindings, two of them to "Versorgungsbezuege".
    BindungenPruefen(*m_seite->Panel(), TFoEntgeltabrechnung::Bindungen(), *d, 69);
}

TEST_F(EntgeltabrechnungTest, TabGoesFromAFieldToTheButtonBesideIt)
{
    const std::pair<const char*, const char*> kSchritte[] = {
        {"cbKasse", "bnSVAendernNeu"}, {"edBGS", "bnBGS"}, {"chDetailEntgelt", "bnDetailEntgelt"}};
    for (const auto& [von, nach] : kSchritte) {
        auto* feld = m_seite->Control<QWidget>(von);
        feld->setFocus();
        QTest::keyClick(feld, Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr) << von;
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), nach) << von;
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

TEST_F(EntgeltabrechnungTest, WageTaxTableRowsEqualStatementsAtTheirPay)
{
    struct Fall {
        int jahr;
        bool rvFrei;
    };
    // Free of pension insurance in the three tariff periods of its code, and a DM table of 2001
    // shown in euro: its rows step by the tariff's own 4,50 DM.
    for (const Fall f : {Fall{2024, true}, Fall{2025, true}, Fall{2026, true}, Fall{2001, false}}) {
        d->Jahr->SetValue(f.jahr);
        d->BGS->SetValue("1111");
        d->Entgelt->SetValue(1000.00);
        TFoLStTabelle* tabelle = TFoLStTabelle::Zeigen(m_seite->LStTabellenVorgaben());
        ASSERT_NE(tabelle, nullptr) << f.jahr;
        if (f.rvFrei) {
            tabelle->RentenversicherungsfreiClick();
            d->BGS->SetValue("1011"); // the statement's employee is free of pension insurance
        }
        if (f.jahr == 2001) {
            EXPECT_DOUBLE_EQ(tabelle->Schrittweite(), 450) << "steps in pfennig";
        }
        const int erste = static_cast<int>((tabelle->FensterAnfang() - tabelle->Anfangsbetrag()) /
                                           tabelle->Schrittweite());
        int geprueft = 0;
        for (int zeile = erste; geprueft < 60; zeile += 37) {
            const TFoLStTabelle::TZeile texte = tabelle->ZeilenTexte(tabelle->ZeileZuBetrag(zeile));
            const double lohn = StrToBetragFloat(texte.betrag.toStdString());
            if (lohn > 6000)
                break;
            d->Entgelt->SetValue(lohn);
            EXPECT_EQ(texte.lohnsteuer, Zahl(d->Lohnsteuer->GetValue()))
                << f.jahr << " at " << texte.betrag.toStdString();
            EXPECT_EQ(texte.solz, Zahl(d->Solidaritaetszuschlag->GetValue()))
                << f.jahr << " at " << texte.betrag.toStdString();
            ++geprueft;
        }
        EXPECT_GT(geprueft, 20) << f.jahr;
        tabelle->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(EntgeltabrechnungTest, WageTaxTableShowsSeventeenRows)
{
    TFoLStTabelle* tabelle = TFoLStTabelle::Zeigen(m_seite->LStTabellenVorgaben());
    ASSERT_NE(tabelle, nullptr);
    EXPECT_EQ(tabelle->PaintBox1()->height() / tabelle->ZeilenHoehe(),
              TFoLStTabelle::kSichtbareZeilen);
}

TEST_F(EntgeltabrechnungTest, TypedDaysAreWholeDays)
{
    Tippen("ebEntgelt", "4000,00");
    for (const char* name : {"ebSteuertage", "ebSVTage"}) {
        auto* tage = m_seite->Control<QLineEdit>(name);
        ASSERT_NE(tage, nullptr) << name;
        tage->setFocus();
        QTest::keyClick(tage, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(tage, "30");
        QTest::keyClick(tage, Qt::Key_Tab);
        EXPECT_EQ(tage->text(), "30") << name;
    }
    EXPECT_EQ(d->Steuertage->GetValue(), 30);
    EXPECT_EQ(d->SVTage->GetValue(), 30);
    EXPECT_EQ(d->Lohnsteuer->GetAsString(), "524,50"); // 2026, class I, 4.000,00
    // A number left incomplete or refused shows the number in force on leaving.
    auto* tage = m_seite->Control<QLineEdit>("ebSteuertage");
    tage->setFocus();
    QTest::keyClick(tage, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(tage, Qt::Key_Backspace);
    QTest::keyClicks(tage, "x,5");
    QTest::keyClick(tage, Qt::Key_Tab);
    EXPECT_EQ(d->Steuertage->GetValue(), 5);
    EXPECT_EQ(tage->text(), "5");
}

TEST_F(EntgeltabrechnungTest, BirthDateTypedPastedOrRefused)
{
    auto* datum = m_seite->Control<QLineEdit>("edGeburtsdatum");
    ASSERT_NE(datum, nullptr);
    const auto eingeben = [datum](const QString& text) {
        datum->setFocus();
        QTest::keyClick(datum, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(datum, text);
    };
    // Key by key, the separators typed or skipped.
    eingeben("15061958");
    EXPECT_EQ(d->Geburtsdatum->GetDisplayText(), "15.06.1958");
    eingeben("01.02.1960");
    EXPECT_EQ(d->Geburtsdatum->GetDisplayText(), "01.02.1960");
    EXPECT_EQ(datum->text(), "01.02.1960");
    // Pasted.
    QApplication::clipboard()->setText("15.06.1958");
    datum->setFocus();
    QTest::keyClick(datum, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(datum, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(d->Geburtsdatum->GetDisplayText(), "15.06.1958");
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join('|').toStdString();
    // A wrong date is refused with a message; the text stays for correction, the date in force
    // stays the old one.
    eingeben("31021959");
    EXPECT_EQ(m_fehler.size(), 1);
    EXPECT_EQ(datum->text(), "31.02.1959");
    EXPECT_EQ(d->Geburtsdatum->GetDisplayText(), "15.06.1958");
    QTest::keyClick(datum, Qt::Key_Tab);
    EXPECT_EQ(m_fehler.size(), 1) << "told once";
    // An incomplete date is refused when the field is left.
    eingeben("1207");
    EXPECT_EQ(d->Geburtsdatum->GetDisplayText(), "15.06.1958");
    QTest::keyClick(datum, Qt::Key_Tab);
    EXPECT_EQ(m_fehler.size(), 2);
    EXPECT_EQ(datum->text(), "12.07.");
}

TEST_F(EntgeltabrechnungTest, RefusedComboTextIsReplacedByTheValueInForce)
{
    struct Fall {
        const char* name;
        const char* getippt;
        const char* gezeigt;
    };
    for (const Fall& f : {Fall{"cbKiFB", "abc", "0,0"}, Fall{"cbKinder", "7,3", "7"}}) {
        auto* box = m_seite->Control<QComboBox>(f.name);
        ASSERT_NE(box, nullptr) << f.name;
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, f.getippt);
        QTest::keyClick(box, Qt::Key_Tab);
        EXPECT_EQ(box->currentText(), f.gezeigt) << f.name;
    }
    EXPECT_EQ(d->Kinder->GetValue(), 7);
    EXPECT_EQ(d->Kinderfreibetraege->GetValue(), "0,0");
}

TEST_F(EntgeltabrechnungTest, PensionPanelOpensOnEntryAndClosesWhenLeft)
{
    const QSize seite = m_seite->Panel()->size();
    auto* versBez = m_seite->Control<QLineEdit>("ebVersBez");
    Tippen("ebEntgelt", "3000,00");
    QTest::keyClick(m_seite->Control<QWidget>("ebEntgelt"), Qt::Key_Tab);
    EXPECT_TRUE(m_seite->VersBezOffen());
    EXPECT_TRUE(versBez->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), m_seite->Control<QWidget>("ebVersBez2005"));
    QTest::keyClicks(QApplication::focusWidget(), "1200,00");
    EXPECT_DOUBLE_EQ(d->Versorgungsbezuege->GetValue(), 1200.00);
    // Through the panel's fields; the page's next field closes it.
    for (int i = 0; i < 5 && m_seite->VersBezOffen(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_FALSE(m_seite->VersBezOffen());
    EXPECT_FALSE(versBez->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), m_seite->Control<QWidget>("edNettoAbz"));
    EXPECT_EQ(m_seite->Panel()->size(), seite);
    // Only the field with the focus shows a selection.
    int markiert = 0;
    for (QLineEdit* edit : m_seite->Panel()->findChildren<QLineEdit*>())
        markiert += edit->hasSelectedText() ? 1 : 0;
    EXPECT_LE(markiert, 1);
}

TEST_F(EntgeltabrechnungTest, CopyPagePutsThePageTextOnTheClipboard)
{
    Tippen("ebEntgelt", "4000,00");
    QAction* kopieren = nullptr;
    for (QAction* a : m_seite->findChildren<QAction*>())
        if (a->objectName() == "pmiSeitekopieren")
            kopieren = a;
    ASSERT_NE(kopieren, nullptr);
    kopieren->trigger();
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith("Entgeltabrechnung ")) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Entgelt: +4.000,00 +Euro"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("Lohnsteuer: +524,50 +Euro")))
        << text.toStdString();
    // The statement's printout exists: the page prints too.
    for (QAction* a : m_seite->findChildren<QAction*>()) {
        if (a->objectName() == "pmiDrucken") {
            EXPECT_TRUE(a->isEnabled());
        }
    }
}

TEST_F(EntgeltabrechnungTest, ScreenshotOfTheMainWindowWithThePayrollPage)
{
    d->Kinder->SetValue(1);
    d->Kinderfreibetraege->SetValue("1,0");
    Tippen("ebEntgelt", "3456,78");
    m_fenster->FitToPage();
    EXPECT_FALSE(SaveScreenshot(*m_fenster, "hauptfenster").isEmpty());
}

// The page's popup offers the two tables as the window's menu does, before the closing group;
// while a table is open its item closes it.
TEST_F(EntgeltabrechnungTest, PopupOffersBothTablesBeforeTheClosingGroup)
{
    QMenu* popup = m_seite->PopupMenu();
    ASSERT_NE(popup, nullptr);
    const auto sichtbar = [popup] {
        emit popup->aboutToShow();
        QStringList texte;
        for (QAction* a : popup->actions())
            if (a->isVisible())
                texte << (a->isSeparator() ? QString("-") : a->text());
        return texte;
    };
    EXPECT_EQ(sichtbar(),
              (QStringList{"&Seite kopieren", "&Drucken", "-", "&Lohnsteuer-Tabelle öffnen",
                           "&Soz.Vers.-Beitragstabelle öffnen", "-", "&Beenden"}));
    auto* oeffnen = m_seite->findChild<QAction*>("pmiLStTabelleOeffnen");
    ASSERT_NE(oeffnen, nullptr);
    oeffnen->trigger();
    EXPECT_TRUE(FormOfClassExists(TFoLStTabelle::staticMetaObject));
    EXPECT_EQ(sichtbar().at(3), "&Lohnsteuer-Tabelle(n) schließen");
}

// Before April 2003 there is no transition zone: the eastern health ceiling takes its place.
TEST_F(EntgeltabrechnungTest, TransitionZoneOrEasternCeilingByPeriod)
{
    const struct {
        const char* periode;
        bool gleitzone;
    } kFaelle[] = {
        {"1990", false}, {"2003 bis 31.3.", false}, {"2003 ab 1.4.", true}, {"2026", true}};
    auto* jahr = m_seite->Control<QComboBox>("cbJahr");
    for (const auto& f : kFaelle) {
        const int index = jahr->findText(f.periode);
        ASSERT_GE(index, 0) << f.periode;
        jahr->setCurrentIndex(index);
        EXPECT_EQ(m_seite->Control<QWidget>("chGleitzone")->isHidden(), !f.gleitzone) << f.periode;
        EXPECT_EQ(m_seite->Control<QWidget>("chOstBBGKV")->isHidden(), f.gleitzone) << f.periode;
    }
}

// A gross pay beyond what the wage-tax computation carries is refused, the pay in force kept,
// and the refusal names the field and its limit; over the bus it is the error reply, without a
// window, and the statement goes on computing.
TEST_F(EntgeltabrechnungTest, TooLargeGrossPayIsRefusedNamingTheFieldAndItsLimit)
{
    Tippen("ebEntgelt", "3000,00");
    TValueDDEServerTopic* lohn = MVCDDEManager().FindTopic("LOHN");
    ASSERT_NE(lohn, nullptr);
    EXPECT_THROW(lohn->Poke("Entgelt", "99999999999999999"), std::exception);
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join("|").toStdString();
    EXPECT_DOUBLE_EQ(d->Entgelt->GetValue(), 3000.00);
    EXPECT_EQ(Feld("ebEntgelt"), "3.000,00");
    EXPECT_EQ(d->Entgelt->Ablehnungsgrund(), "Das Bruttoentgelt ist zu groß für die Berechnung der "
                                             "Lohnsteuer (höchstens 10.000.000.000.000,00 Euro).");
    // A text refused afterwards as no number does not repeat the limit.
    try {
        lohn->Poke("Entgelt", "abc");
        ADD_FAILURE() << "abc taken";
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()), "Der Text für das Element \"Entgelt\" wird nicht angenommen.");
    }
    Tippen("ebEntgelt", "3100,00");
    EXPECT_TRUE(m_fehler.isEmpty()) << m_fehler.join("|").toStdString();
    EXPECT_DOUBLE_EQ(d->Entgelt->GetValue(), 3100.00);
    EXPECT_FALSE(d->Lohnsteuer->IsUndetermined());
}
