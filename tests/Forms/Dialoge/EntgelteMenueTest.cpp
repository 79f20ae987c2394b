#include "Forms/Dialoge/EntgelteMenue.h"
#include "Forms/Dialoge/FoEntgelt.h"
#include "Forms/Dialoge/FoEntgelteMenue.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Engine/Abrechnung/Jahresbetraege.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Forms/DialogTestSupport.h"
#include "Gui/FrmLib.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "MVCFrame/StringListValue.h"
#include "Support/FileLayerFake.h"
#include "Support/Schreibsperre.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

namespace {

struct TPosten {
    const char* text;
    double betrag;
    bool einmal;
};

class EntgelteMenueTest : public DialogTest {
protected:
    void Posten(std::initializer_list<TPosten> posten)
    {
        for (const TPosten& p : posten) {
            auto vorlage = MakeComponent<TDetailEntgelt>(nullptr, std::string());
            TDetailEntgeltDaten& e = vorlage->DetailEntgeltDaten();
            e.Bezeichnung().SetValue(p.text);
            e.Betrag().SetValue(p.betrag);
            e.Einmalzahlung().SetValue(p.einmal);
            d->DetailEntgelte().Hinzufuegen(e);
        }
        for (int i = 0; i < d->DetailEntgelte().Count(); ++i)
            d->DetailEntgelte().GetItem(i).SetMarkiert(false);
    }
    std::unique_ptr<TEntgelteMenue> Menue()
    {
        auto menue = MakeComponent<TEntgelteMenue>(nullptr, std::string());
        menue->Uebernehmen(*d);
        return menue;
    }
    // The list dialog shown without a modal run, over a copy of the statement's list.
    void Oeffnen()
    {
        m_menue = Menue();
        m_dialog = std::make_unique<TFoEntgelteMenue>();
        m_dialog->init();
        m_dialog->SetBerechnung(m_menue.get());
        m_dialog->show();
        m_liste = m_dialog->findChild<TMVCListBox*>("lbEntgelte");
        ASSERT_NE(m_liste, nullptr);
    }
    void TearDown() override
    {
        m_dialog.reset();
        m_menue.reset();
        DialogTest::TearDown();
    }
    TDetailEntgelte& Kopie() const { return m_dialog->Menue()->MenueDaten().DetailEntgelte(); }
    QPushButton* Knopf(const char* name) const { return m_dialog->findChild<QPushButton*>(name); }
    // Fills the component dialog as a user would and presses Enter.
    static int EntgeltEingeben(TFoEntgelt& dialog, const QString& text, const QString& betrag,
                               const char* kind = nullptr)
    {
        QLineEdit* textFeld = dialog.cbText()->lineEdit();
        Tippen(*textFeld, text);
        QTest::keyClick(textFeld, Qt::Key_Tab);
        auto* betragFeld = dialog.findChild<TMVCBetrag*>("ebBetrag");
        Tippen(*betragFeld, betrag);
        QWidget* zuletzt = betragFeld;
        if (kind) {
            auto* box = dialog.findChild<QCheckBox*>(kind);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Space);
            zuletzt = box;
        }
        QTest::keyClick(zuletzt, Qt::Key_Return);
        return dialog.ModalResult();
    }

    std::unique_ptr<TEntgelteMenue> m_menue;
    std::unique_ptr<TFoEntgelteMenue> m_dialog;
    TMVCListBox* m_liste = nullptr;
};

} // namespace

TEST_F(EntgelteMenueTest, ModelListsTextsAndAmountsAndTakesMarksBack)
{
    Posten({{"Gehalt", 3000, false}, {"  ", 250, false}, {"Urlaubsgeld", 500, true}});
    auto menue = Menue();
    TEntgelteMenueDaten& m = menue->MenueDaten();
    EXPECT_EQ(m.Entgeltliste().Items(),
              (TStrings{"Gehalt\t3.000,00", "  \t250,00", "Urlaubsgeld\t500,00"}));
    EXPECT_EQ(m.EintragName(0), "Gehalt");
    EXPECT_EQ(m.EintragName(1), "250,00") << "an entry without text is named by its amount";
    EXPECT_FALSE(m.LoeschenFlag().GetValue());
    EXPECT_FALSE(m.AendernFlag().GetValue());

    const struct {
        std::vector<int> markiert;
        bool loeschen;
        bool aendern;
    } faelle[] = {{{2}, true, true}, {{0, 2}, true, false}, {{}, false, false}};
    for (const auto& f : faelle) {
        TStringListValue& liste = m.Entgeltliste();
        liste.BeginUpdate();
        for (int i = 0; i < liste.Count(); ++i)
            liste.SetSelected(i, std::find(f.markiert.begin(), f.markiert.end(), i) !=
                                     f.markiert.end());
        liste.EndUpdate();
        EXPECT_EQ(m.LoeschenFlag().GetValue(), f.loeschen) << f.markiert.size();
        EXPECT_EQ(m.AendernFlag().GetValue(), f.aendern) << f.markiert.size();
        EXPECT_EQ(m.DetailEntgelte().AnzahlMarkierte(), static_cast<int>(f.markiert.size()));
    }

    // Moving the marked entry in front of the first: the entries follow, the mark stays with it.
    m.Entgeltliste().SetSelected(2, true);
    m.DetailEntgelte().Verschieben(0);
    EXPECT_EQ(m.Entgeltliste().Items(),
              (TStrings{"Urlaubsgeld\t500,00", "Gehalt\t3.000,00", "  \t250,00"}));
    EXPECT_TRUE(m.Entgeltliste().GetSelected(0));
    EXPECT_FALSE(m.Entgeltliste().GetSelected(1));

    // The dialog works on a copy: cloning keeps entries and marks.
    const std::unique_ptr<TBerechnung> kopie = menue->Clone();
    auto& k = dynamic_cast<TEntgelteMenue&>(*kopie).MenueDaten();
    EXPECT_EQ(k.Entgeltliste().Items(), m.Entgeltliste().Items());
    EXPECT_TRUE(k.DetailEntgelte().GetItem(0).Markiert());
}

TEST_F(EntgelteMenueTest, AnnualAmountsOnlyWithAOneOffPaymentAndAmountToAddAsThePageAllows)
{
    Posten({{"Gehalt", 3000, false}});
    auto menue = Menue();
    const TJahresbetraege& j = menue->MenueDaten().Jahresbetraege();
    EXPECT_FALSE(j.Entgelt->IsEnabled());
    EXPECT_EQ(menue->MenueDaten().HBEnabledFlag().GetValue(), d->Hinzurechnungsbetrag->IsEnabled());

    Posten({{"Weihnachtsgeld", 1000, true}});
    menue = Menue();
    const TJahresbetraege& j2 = menue->MenueDaten().Jahresbetraege();
    EXPECT_TRUE(j2.Entgelt->IsEnabled());
    EXPECT_EQ(j2.Hinzurechnungsbetrag->IsEnabled(), d->Hinzurechnungsbetrag->IsEnabled());
}

// The manual ceilings are the room left for this statement, not the ceilings of the months
// already paid: following the old wording charged a one-off payment far too much.
TEST_F(EntgelteMenueTest, ManualCeilingsSayTheyAreTheRoomLeftForThisStatement)
{
    Posten({{"Weihnachtsgeld", 1000, true}});
    Oeffnen();
    struct Text {
        const char* name;
        QString text;
    };
    const auto* box = m_dialog->findChild<QCheckBox*>("chManuBBG");
    const auto* hinweis = m_dialog->findChild<QLabel*>("stBBGHinweis");
    ASSERT_TRUE(box && hinweis);
    const Text texte[] = {{"chManuBBG", box->text()},
                          {"stBBGHinweis", hinweis->text()},
                          {"ebBBGKV", m_dialog->findChild<QWidget*>("ebBBGKV")->toolTip()},
                          {"ebBBGRV", m_dialog->findChild<QWidget*>("ebBBGRV")->toolTip()},
                          {"ebBBGAV", m_dialog->findChild<QWidget*>("ebBBGAV")->toolTip()}};
    for (const Text& t : texte) {
        EXPECT_FALSE(t.text.contains("bisher abgerechneten")) << t.name;
        EXPECT_TRUE(t.text.contains("diese Abrechnung")) << t.name;
        // The caption is short; hint and tooltips say how the figure is made up.
        const bool erklaert = t.text.contains("bereits verbeitragte Entgelt");
        EXPECT_EQ(erklaert, t.name[0] != 'c') << t.name;
    }
}

TEST_F(EntgelteMenueTest, ListShowsTextAndRightAlignedAmount)
{
    Posten({{"Gehalt", 3000, false}});
    Oeffnen();
    ASSERT_EQ(m_liste->count(), 1);
    EXPECT_EQ(m_liste->item(0)->text(), "Gehalt\t3.000,00");
    ASSERT_EQ(m_liste->Columns(), 2);
    EXPECT_EQ(m_liste->ColumnAlignment(1), TMVCListBox::Rechts);
    const int breite = m_liste->fontMetrics().horizontalAdvance("yy-000x000x000x00");
    EXPECT_EQ(m_liste->ColumnWidth(1), breite);
    EXPECT_EQ(m_liste->ColumnWidth(0), m_liste->viewport()->width() - breite - 4);
    EXPECT_TRUE(m_dialog->findChild<QPushButton*>("bnHilfe")->isHidden());
    EXPECT_EQ(m_dialog->windowTitle(), "Detail-Entgelte");

    // As painted: the text starts at the left edge, the amount ends at the right one (a focus
    // frame round the row is left out).
    const QImage bild = m_liste->viewport()->grab().toImage();
    const QRect zeile = m_liste->visualItemRect(m_liste->item(0)).adjusted(2, 2, -2, -2);
    const QRgb hintergrund = bild.pixel(zeile.center().x(), zeile.bottom());
    int links = bild.width();
    int rechts = -1;
    for (int y = zeile.top(); y <= zeile.bottom(); ++y)
        for (int x = zeile.left(); x <= zeile.right(); ++x)
            if (bild.pixel(x, y) != hintergrund) {
                links = std::min(links, x);
                rechts = std::max(rechts, x);
            }
    EXPECT_LT(links, 12);
    EXPECT_GT(rechts, m_liste->viewport()->width() - 12);
}

TEST_F(EntgelteMenueTest, DefaultButtonFollowsTheMarks)
{
    Posten({{"Gehalt", 3000, false}, {"VWL", 40, false}});
    Oeffnen();
    QPushButton* neu = Knopf("bnNeu");
    QPushButton* aendern = Knopf("bnAendern");
    EXPECT_TRUE(neu->isDefault()) << "none marked";
    EXPECT_FALSE(aendern->isEnabled());

    ZeileKlicken(*m_liste, 0);
    EXPECT_TRUE(aendern->isDefault()) << "one marked";
    EXPECT_TRUE(aendern->isEnabled());
    EXPECT_FALSE(neu->isDefault());

    ZeileKlicken(*m_liste, 1, Qt::ControlModifier);
    EXPECT_FALSE(aendern->isDefault()) << "two marked";
    EXPECT_FALSE(neu->isDefault());
    EXPECT_FALSE(aendern->isEnabled());
    EXPECT_TRUE(Knopf("bnLoeschen")->isEnabled());
    EXPECT_EQ(Kopie().AnzahlMarkierte(), 2);
}

TEST_F(EntgelteMenueTest, NewItemIsTheOnlyMarkedOneUnderTheColumnCaptions)
{
    Posten({{"Gehalt", 3000, false}});
    Oeffnen();
    auto* kopf = m_dialog->findChild<QHeaderView*>("hdEntgelte");
    ASSERT_NE(kopf, nullptr);
    EXPECT_TRUE(kopf->isVisible());
    EXPECT_EQ(kopf->model()->headerData(0, Qt::Horizontal).toString(), "Bezeichnung");
    EXPECT_EQ(kopf->model()->headerData(1, Qt::Horizontal).toString(), "Betrag");
    EXPECT_EQ(kopf->sectionSize(0), m_liste->ColumnWidth(0));
    EXPECT_LE(kopf->geometry().bottom(), m_liste->viewport()->geometry().top());

    ZeileKlicken(*m_liste, 0);
    Antwort<TFoEntgelt>([](TFoEntgelt& e) { return EntgeltEingeben(e, "VWL", "40,00"); });
    QTest::mouseClick(Knopf("bnNeu"), Qt::LeftButton);
    ASSERT_EQ(Kopie().Count(), 2);
    EXPECT_FALSE(Kopie().GetItem(0).Markiert());
    EXPECT_TRUE(Kopie().GetItem(1).Markiert());
    EXPECT_EQ(m_liste->selectedItems().size(), 1);
    EXPECT_TRUE(Knopf("bnAendern")->isEnabled());
}

TEST_F(EntgelteMenueTest, DeleteAsksOnceNamingOneEntryOrCountingSeveral)
{
    Posten({{"Gehalt", 3000, false},
            {"VWL", 40, false},
            {"Prämie", 500, false},
            {"Lohn", 100, false}});
    Oeffnen();
    // Delete with nothing marked asks nothing.
    m_liste->setFocus();
    QTest::keyClick(m_liste, Qt::Key_Delete);
    EXPECT_TRUE(m_fragen.isEmpty());

    ZeileKlicken(*m_liste, 0);
    QTest::keyClick(m_liste, Qt::Key_Delete);
    ASSERT_EQ(m_fragen.size(), 1);
    EXPECT_EQ(m_fragen.back(), "\"Gehalt\"\nWollen Sie das Entgelt wirklich löschen?");
    EXPECT_EQ(m_fragenTitel.back(), "Löschen");
    EXPECT_TRUE(m_neinVorgabe);
    EXPECT_EQ(Kopie().Count(), 4) << "No changes nothing";

    ZeileKlicken(*m_liste, 2, Qt::ShiftModifier);
    QTest::mouseClick(Knopf("bnLoeschen"), Qt::LeftButton);
    ASSERT_EQ(m_fragen.size(), 2);
    EXPECT_EQ(m_fragen.back(), "Wollen Sie die 3 markierten Entgelte wirklich löschen?");
    EXPECT_EQ(Kopie().Count(), 4);

    m_jaAntwort = true;
    QTest::mouseClick(Knopf("bnLoeschen"), Qt::LeftButton);
    ASSERT_EQ(Kopie().Count(), 1);
    EXPECT_EQ(m_liste->count(), 1);
    EXPECT_EQ(m_liste->item(0)->text(), "Lohn\t100,00");
    EXPECT_EQ(d->DetailEntgelte().Count(), 4) << "the statement keeps its list until OK";
}

TEST_F(EntgelteMenueTest, ChangedFlatTaxedItemPassesItsChurchTaxRateOn)
{
    const int vorher = TDetailEntgelte::VorgabePKiStSatz();
    Posten({{"Aushilfe", 300, false}});
    Oeffnen();
    Antwort<TFoEntgelt>([](TFoEntgelt& e) {
        auto* pauschal = e.findChild<QCheckBox*>("chPauschal");
        pauschal->setFocus();
        QTest::keyClick(pauschal, Qt::Key_Space);
        auto* satz = e.findChild<TMVCBetrag*>("ebPKiStSatz");
        Tippen(*satz, "6");
        QTest::keyClick(satz, Qt::Key_Return);
        return e.ModalResult();
    });
    ZeileKlicken(*m_liste, 0);
    QTest::mouseDClick(m_liste->viewport(), Qt::LeftButton, {},
                       m_liste->visualItemRect(m_liste->item(0)).center());
    EXPECT_TRUE(Kopie().DetailEntgeltDaten(0).Pauschal().GetValue());
    EXPECT_EQ(TDetailEntgelte::VorgabePKiStSatz(), 6);
    TDetailEntgelte::SetVorgabePKiStSatz(vorher);
}

TEST_F(EntgelteMenueTest, AnnualGroupGrowsAndShrinksTheDialogInsideTheWorkArea)
{
    d->Jahr->SetValue(2001);
    Posten({{"Gehalt", 3000, false}});
    Oeffnen();
    QGroupBox* gruppe = m_dialog->gbSonstigeBez();
    EXPECT_TRUE(gruppe->isHidden());
    const int klein = m_dialog->height();
    EXPECT_TRUE(m_dialog->findChild<QLabel*>("stJahresFB")->text().endsWith("DM):"));
    EXPECT_EQ(m_dialog->findChild<QLabel*>("stBBGAV")->text(),
              "Arbeitslosenversicherung  (in DM):");

    Antwort<TFoEntgelt>([](TFoEntgelt& e) {
        return EntgeltEingeben(e, "Weihnachtsgeld", "1500,00", "chEinmalzahlung");
    });
    QTest::mouseClick(Knopf("bnNeu"), Qt::LeftButton);
    ASSERT_EQ(Kopie().Count(), 2);
    EXPECT_EQ(m_liste->item(1)->text(), "Weihnachtsgeld\t1.500,00");
    EXPECT_FALSE(gruppe->isHidden());
    EXPECT_TRUE(gruppe->isEnabled());
    EXPECT_GT(m_dialog->height(), klein + gruppe->height() / 2);
    EXPECT_TRUE(GetWorkArea().contains(m_dialog->frameGeometry()));
    EXPECT_LE(m_dialog->frameGeometry().height(), 768);

    // Typed annual pay lands in the copy's annual amounts.
    Tippen(*m_dialog->findChild<TMVCBetrag*>("ebJahresarbeitslohn"), "30000,00");
    EXPECT_DOUBLE_EQ(m_dialog->Menue()->MenueDaten().Jahresbetraege().Entgelt->GetValue(), 30000);

    m_jaAntwort = true;
    ZeileKlicken(*m_liste, 1);
    QTest::keyClick(m_liste, Qt::Key_Delete);
    EXPECT_TRUE(gruppe->isHidden());
    EXPECT_EQ(m_dialog->height(), klein);
}

TEST_F(EntgelteMenueTest, DropOnASelectedEntryIsRefusedAndQtMovesNothingItself)
{
    Posten({{"A", 1, false}, {"B", 2, false}, {"C", 3, false}});
    Oeffnen();
    ZeileKlicken(*m_liste, 2);
    EXPECT_FALSE(m_dialog->DropErlaubt(2));
    EXPECT_TRUE(m_dialog->DropErlaubt(0));
    EXPECT_FALSE(m_dialog->DropErlaubt(3));

    const auto fallenLassen = [this](int zeile) {
        QMimeData daten;
        daten.setData(TEntgelteListe::kFormat, QByteArray("1"));
        const QPointF punkt = m_liste->visualItemRect(m_liste->item(zeile)).center();
        QDragEnterEvent eintreten(punkt.toPoint(), Qt::CopyAction | Qt::MoveAction, &daten,
                                  Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_liste->viewport(), &eintreten);
        QDragMoveEvent bewegen(punkt.toPoint(), Qt::CopyAction | Qt::MoveAction, &daten,
                               Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_liste->viewport(), &bewegen);
        QDropEvent fallen(punkt, Qt::CopyAction | Qt::MoveAction, &daten, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(m_liste->viewport(), &fallen);
        return bewegen.isAccepted();
    };
    EXPECT_FALSE(fallenLassen(2));
    EXPECT_EQ(Kopie().DetailEntgeltDaten(2).Bezeichnung().GetValue(), "C");
    EXPECT_TRUE(fallenLassen(0));
    ASSERT_EQ(m_liste->count(), 3);
    EXPECT_EQ(m_liste->item(0)->text(), "C\t3,00");
    EXPECT_EQ(m_liste->item(1)->text(), "A\t1,00");
    EXPECT_EQ(Kopie().DetailEntgeltDaten(0).Bezeichnung().GetValue(), "C");
}

TEST_F(EntgelteMenueTest, CancelLeavesThePayrollListAloneOkTakesItOverWithOneNotice)
{
    Posten({{"Gehalt", 3000, false}});
    auto* lohn = dynamic_cast<TLohnBerechnung*>(m_seite->Berechnung());
    ASSERT_NE(lohn, nullptr);
    int meldungen = 0;
    SetDatenGeaendertHook([&meldungen, this](TDaten& daten) {
        meldungen += &daten == d;
        SendToAllForms([&daten](TXoForm& form) { form.DatenGeaendert(daten); });
    });
    bool ok = false;
    Antwort<TFoEntgelt>([](TFoEntgelt& e) { return EntgeltEingeben(e, "VWL", "40,00"); });
    Antwort<TFoEntgelteMenue>([&ok](TFoEntgelteMenue& dialog) {
        QTest::mouseClick(dialog.bnNeu(), Qt::LeftButton);
        QTest::mouseClick(ok ? static_cast<QPushButton*>(dialog.bnOK()) : dialog.bnAbbrechen(),
                          Qt::LeftButton);
        return dialog.ModalResult();
    });
    EXPECT_FALSE(TFoEntgelteMenue::Ausfuehren(*lohn));
    EXPECT_EQ(d->DetailEntgelte().Count(), 1);
    EXPECT_EQ(meldungen, 0);

    ok = true;
    EXPECT_TRUE(TFoEntgelteMenue::Ausfuehren(*lohn));
    ASSERT_EQ(d->DetailEntgelte().Count(), 2);
    EXPECT_EQ(d->DetailEntgelte().DetailEntgeltDaten(1).Bezeichnung().GetValue(), "VWL");
    EXPECT_TRUE(d->DetailEntgelt->GetValue());
    EXPECT_EQ(meldungen, 1);
    InstallDatenGeaendertHook();
}

TEST_F(EntgelteMenueTest, ItemsEnteredOnThePageMakeTheStatement)
{
    QCheckBox* einzel = m_seite->Control<QCheckBox>("chDetailEntgelt");
    Antwort<TFoEntgelt>([](TFoEntgelt& e) { return EntgeltEingeben(e, "Gehalt", "3000,00"); });
    Antwort<TFoEntgelteMenue>([](TFoEntgelteMenue& dialog) {
        QTest::mouseClick(dialog.bnNeu(), Qt::LeftButton);
        QTest::mouseClick(dialog.bnOK(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    QTest::mouseClick(m_seite->Control<QPushButton>("bnDetailEntgelt"), Qt::LeftButton);
    EXPECT_TRUE(einzel->isChecked());
    EXPECT_DOUBLE_EQ(d->Entgelt->GetValue(), 3000);
    EXPECT_GT(d->Lohnsteuer->GetValue(), 0);
    EXPECT_GT(d->Nettoentgelt->GetValue(), 1500);
}

TEST_F(EntgelteMenueTest, NewPensionItemFrom2005OpensThePensionPanel)
{
    const struct {
        int jahr;
        bool schonVersorgung;
        bool panel;
    } faelle[] = {{2005, false, true}, {2004, false, false}, {2026, true, false}};
    for (const auto& f : faelle) {
        d->Jahr->SetValue(f.jahr);
        d->DetailEntgelte().Leeren();
        if (f.schonVersorgung)
            d->DetailEntgelte().VersorgungAnhaengen(200);
        QWidget* panel = m_seite->Control<QWidget>("paVersBez");
        panel->hide();
        m_antworten.clear();
        Antwort<TFoEntgelt>([](TFoEntgelt& e) {
            return EntgeltEingeben(e, "Versorgungsbezug", "800,00", "chVersorgungsbezug");
        });
        Antwort<TFoEntgelteMenue>([](TFoEntgelteMenue& dialog) {
            QTest::mouseClick(dialog.bnNeu(), Qt::LeftButton);
            QTest::mouseClick(dialog.bnOK(), Qt::LeftButton);
            return dialog.ModalResult();
        });
        m_seite->bnDetailEntgeltClick();
        EXPECT_EQ(panel->isVisible(), f.panel) << f.jahr;
        if (f.panel) {
            EXPECT_TRUE(m_seite->Control<QWidget>("edVersorgungsbeginn")->isEnabled());
            QWidget* beginn = m_seite->Control<QWidget>("edVersorgungsbeginn");
            EXPECT_EQ(beginn->window()->focusWidget(), beginn);
        }
    }
}

TEST_F(EntgelteMenueTest, ComponentDialogTypesEveryKindOfInput)
{
    auto entgelt = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    Antwort<TFoEntgelt>([](TFoEntgelt& e) {
        EXPECT_EQ(e.windowTitle(), "Entgelt Detail-Eingabe");
        EXPECT_TRUE(e.findChild<QPushButton*>("bnHilfe")->isHidden());
        auto* satz = e.findChild<QWidget*>("ebPauschSatz");
        EXPECT_FALSE(satz->isEnabled());
        auto* pauschal = e.findChild<QCheckBox*>("chPauschal");
        pauschal->setFocus();
        QTest::keyClick(pauschal, Qt::Key_Space);
        EXPECT_TRUE(satz->isEnabled()) << "flat tax opens its rates";
        Tippen(*e.findChild<TMVCBetrag*>("ebPKiStSatz"), "5");
        // Pasted text with a tab and a line break becomes one line.
        QApplication::clipboard()->setText("Prämie\tJuli\nSommer");
        QLineEdit* text = e.cbText()->lineEdit();
        text->setFocus();
        text->selectAll();
        QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
        Tippen(*e.findChild<TMVCBetrag*>("ebBetrag"), "250,00");
        auto* abfindung = e.findChild<QCheckBox*>("chAbfindung");
        abfindung->setFocus();
        QTest::keyClick(abfindung, Qt::Key_Space);
        EXPECT_TRUE(abfindung->isChecked());
        EXPECT_FALSE(e.findChild<QCheckBox*>("chSozVersPflicht")->isChecked())
            << "severance pay is free of contributions";
        QTest::keyClick(abfindung, Qt::Key_Space);
        QTest::mouseClick(e.bnOK(), Qt::LeftButton);
        return e.ModalResult();
    });
    ASSERT_TRUE(TBerechnungDialog::Execute<TFoEntgelt>(*entgelt));
    const TDetailEntgeltDaten& daten = entgelt->DetailEntgeltDaten();
    EXPECT_DOUBLE_EQ(daten.Betrag().GetValue(), 250);
    EXPECT_TRUE(daten.Pauschal().GetValue());
    EXPECT_EQ(daten.PKiStSatz().GetValue(), 5);
    const std::string text = daten.Bezeichnung().GetValue();
    EXPECT_EQ(text.find_first_of("\t\r\n"), std::string::npos) << text;
    const std::string datei = DateiLesen(BezuegeDatei());
    EXPECT_NE(datei.find("\n" + text + "\r\n"), std::string::npos) << datei;
    EXPECT_EQ(datei.find("Prämie\t"), std::string::npos);

    // The stored text can be deleted again from the offers.
    m_antworten.clear();
    Antwort<TFoEntgelt>([&text](TFoEntgelt& e) {
        EXPECT_TRUE(e.bnTxtLoeschen()->isEnabled());
        QTest::mouseClick(e.bnTxtLoeschen(), Qt::LeftButton);
        EXPECT_EQ(e.cbText()->findText(QString::fromStdString(text)), -1);
        QTest::mouseClick(e.bnAbbrechen(), Qt::LeftButton);
        return e.ModalResult();
    });
    EXPECT_FALSE(TBerechnungDialog::Execute<TFoEntgelt>(*entgelt));
    EXPECT_EQ(DateiLesen(BezuegeDatei()).find(text), std::string::npos);
}

// A reference-texts file the user may not write: its texts are offered, read once for the
// dialog and its items; a new text is refused in words, and the item is kept all the same.
TEST_F(EntgelteMenueTest, AReadOnlyReferenceFileOffersItsTextsReadOnce)
{
    const TFileLayerFake schicht;
    const std::string datei = BezuegeDatei();
    DateiSchreiben(datei, "Gehalt\r\nUrlaubsgeld\r\n");
    Posten({{"Gehalt", 3000, false}, {"Urlaubsgeld", 500, true}, {"Prämie", 100, true}});
    const TSchreibsperre sperre(datei, m_umgebung.Xdg().Wurzel());
    QStringList angeboten;
    Antwort<TFoEntgelt>([&angeboten](TFoEntgelt& e) {
        for (int i = 0; i < e.cbText()->count(); ++i)
            angeboten << e.cbText()->itemText(i);
        return EntgeltEingeben(e, "VWL", "40,00");
    });
    Antwort<TFoEntgelteMenue>([](TFoEntgelteMenue& dialog) {
        QTest::mouseClick(dialog.bnNeu(), Qt::LeftButton);
        QTest::mouseClick(dialog.bnNeu(), Qt::LeftButton);
        QTest::mouseClick(dialog.bnOK(), Qt::LeftButton);
        return dialog.ModalResult();
    });
    auto* lohn = dynamic_cast<TLohnBerechnung*>(m_seite->Berechnung());
    ASSERT_NE(lohn, nullptr);
    EXPECT_TRUE(TFoEntgelteMenue::Ausfuehren(*lohn));
    EXPECT_EQ(angeboten, (QStringList{"Gehalt", "Urlaubsgeld", "Gehalt", "Urlaubsgeld"}));
    EXPECT_EQ(schicht.Lesevorgaenge(datei), 1);
    EXPECT_EQ(d->DetailEntgelte().Count(), 5);
    ASSERT_EQ(m_fehler.size(), 2) << m_fehler.join("|").toStdString();
    EXPECT_TRUE(m_fehler[0].contains("ist schreibgeschützt")) << m_fehler[0].toStdString();
    EXPECT_EQ(DateiLesen(datei), "Gehalt\r\nUrlaubsgeld\r\n");
}

TEST_F(EntgelteMenueTest, ScreenshotsOfThePayItemDialogs)
{
    Posten({{"Gehalt", 3000, false}, {"Weihnachtsgeld", 1500, true}, {"VWL", 40, false}});
    Oeffnen();
    ZeileKlicken(*m_liste, 0);
    EXPECT_FALSE(SaveScreenshot(*m_dialog, "detail-entgelte").isEmpty());
    EXPECT_LE(m_dialog->frameGeometry().width(), 1366);
    EXPECT_LE(m_dialog->frameGeometry().height(), 768);
    TFoEntgelt entgelt;
    entgelt.init();
    entgelt.SetBerechnung(&Kopie().GetItem(0));
    EXPECT_FALSE(SaveScreenshot(entgelt, "entgelt-detail-eingabe").isEmpty());
    EXPECT_LE(entgelt.frameGeometry().height(), 768);
}

// Tab goes from the text to the amount, whether the text is a stored one (whose deleting button
// is then enabled and comes after the amount) or a new one; the amount typed after it is stored.
TEST_F(EntgelteMenueTest, TabRunsFromTheTextToTheAmountAndOnToDeletingTheText)
{
    DateiSchreiben(BezuegeDatei(), "Gehalt\r\nUrlaubsgeld\r\n");
    const struct {
        const char* text;
        const char* nachDemBetrag;
    } kFaelle[] = {{"Gehalt", "bnTxtLoeschen"}, {"Bonus", "chVersorgungsbezug"}};
    for (const auto& f : kFaelle) {
        auto entgelt = MakeComponent<TDetailEntgelt>(nullptr, std::string());
        m_antworten.clear();
        Antwort<TFoEntgelt>([&f](TFoEntgelt& e) {
            QApplication::setActiveWindow(&e);
            QLineEdit* text = e.cbText()->lineEdit();
            Tippen(*text, f.text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* betrag = QApplication::focusWidget();
            EXPECT_EQ(betrag ? betrag->objectName() : QString(), "ebBetrag") << f.text;
            QTest::keyClicks(betrag, "4250,00");
            QTest::keyClick(betrag, Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), f.nachDemBetrag)
                << f.text;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            return e.ModalResult();
        });
        ASSERT_TRUE(TBerechnungDialog::Execute<TFoEntgelt>(*entgelt)) << f.text;
        EXPECT_EQ(entgelt->DetailEntgeltDaten().Bezeichnung().GetValue(), f.text);
        EXPECT_DOUBLE_EQ(entgelt->DetailEntgeltDaten().Betrag().GetValue(), 4250) << f.text;
    }
}

// Alt+O belongs to "S&onstiger Bezug" alone: it ticks the box, and Enter still presses OK.
TEST_F(EntgelteMenueTest, AltOTicksTheOneOffPaymentBox)
{
    auto entgelt = MakeComponent<TDetailEntgelt>(nullptr, std::string());
    Antwort<TFoEntgelt>([](TFoEntgelt& e) {
        QApplication::setActiveWindow(&e);
        Tippen(*e.cbText()->lineEdit(), "Bonus");
        QTest::keyClick(&e, Qt::Key_O, Qt::AltModifier);
        auto* einmal = e.findChild<QCheckBox*>("chEinmalzahlung");
        EXPECT_TRUE(QTest::qWaitFor([einmal] { return einmal->isChecked(); }, 2000));
        EXPECT_EQ(e.ModalResult(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return e.ModalResult();
    });
    ASSERT_TRUE(TBerechnungDialog::Execute<TFoEntgelt>(*entgelt));
    EXPECT_TRUE(entgelt->DetailEntgeltDaten().Einmalzahlung().GetValue());
}
