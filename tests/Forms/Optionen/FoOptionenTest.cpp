#include "Forms/Optionen/FoOptionen.h"

#include "Forms/Optionen/OptionenSeiten.h"
#include "Gui/AnzeigeOptionen.h"
#include "Gui/BergForm.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Options/OptionenVtrl.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <fstream>
#include <sys/stat.h>

namespace {

class FoOptionenTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        GuiHookFixture::TearDown();
    }

    std::string Programm() const { return m_xdg.Wurzel().string() + "/prog/"; }
    void Ausfuehrbar(const char* name) const
    {
        const std::string pfad = Programm() + name;
        std::ofstream(pfad) << "#!/bin/sh\n";
        chmod(pfad.c_str(), 0755);
    }
    std::unique_ptr<TFoOptionen> Dialog()
    {
        TOptionenVtrl& o = TOptionenUmgebung::Starten();
        auto dialog = std::make_unique<TFoOptionen>(o, o.UpdaterVerfuegbar());
        dialog->init();
        dialog->show();
        return dialog;
    }
    static TCustomFoOptionen& Seite(const TFoOptionen& dialog)
    {
        auto* seite = dynamic_cast<TCustomFoOptionen*>(dialog.ActivePageForm());
        EXPECT_NE(seite, nullptr);
        return *seite;
    }
    // Moves through the tree with the arrow keys, as a user does.
    static void Taste(TFoOptionen& dialog, Qt::Key taste, int mal = 1)
    {
        for (int i = 0; i < mal; ++i) {
            QTest::keyClick(dialog.TreeView1, taste);
            QApplication::processEvents();
        }
    }
    static QString Knoten(const TFoOptionen& dialog)
    {
        return dialog.TreeView1->currentItem()->text(0);
    }
    // Focus, select all, type: the way a user replaces an amount.
    static void Tippen(TFoOptionen& dialog, const char* feld, const QString& text)
    {
        auto* edit = Seite(dialog).Control<QLineEdit>(feld);
        ASSERT_NE(edit, nullptr) << feld;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }
    static QString Text(const TFoOptionen& dialog, const char* label)
    {
        auto* l = Seite(dialog).Control<QLabel>(label);
        return l ? l->text() : QStringLiteral("<fehlt>");
    }
    static std::string Wert(const TDaten& daten, const char* name)
    {
        return daten.FindValue(name)->GetAsString();
    }

    TOptionenUmgebung m_umgebung;
    TTempXdg& m_xdg = m_umgebung.Xdg();
};

} // namespace

TEST_F(FoOptionenTest, TreeOffersTheUpdatePageOnlyWhileTheUpdaterIsThere)
{
    for (const bool updater : {false, true}) {
        if (updater)
            Ausfuehrbar("XoLStTabUpdater");
        auto dialog = Dialog();
        EXPECT_EQ(dialog->windowTitle(), "Optionen");
        EXPECT_EQ(dialog->Pages().Count(), updater ? 13 : 12);
        QStringList wurzeln;
        for (int i = 0; i < dialog->TreeView1->topLevelItemCount(); ++i)
            wurzeln << dialog->TreeView1->topLevelItem(i)->text(0);
        QStringList erwartet{"Allgemein",     "Kindergeld",       "BBG",
                             "Beitragssätze", "Übergangsbereich", "Kammern"};
        if (updater)
            erwartet << "Update";
        EXPECT_EQ(wurzeln, erwartet);
        EXPECT_EQ(dialog->PageIndex(), 1);
        EXPECT_EQ(dialog->bnOK->text(), "OK");
        EXPECT_EQ(dialog->MyButton2->text(), "Abbrechen");
        EXPECT_FALSE(dialog->bnHilfe->isVisible()) << "no help system";
        TOptionenUmgebung::Zuruecksetzen();
    }
}

TEST_F(FoOptionenTest, ParentNodeShowsItsFirstYearAndTheNextYearReusesTheForm)
{
    auto dialog = Dialog();
    Taste(*dialog, Qt::Key_Down);
    EXPECT_EQ(Knoten(*dialog), "2026");
    EXPECT_EQ(dialog->TreeView1->selectedItems(), QList{dialog->TreeView1->currentItem()})
        << "the year is marked, not its parent";
    EXPECT_EQ(dialog->PageIndex(), 2);
    EXPECT_EQ(Seite(*dialog).Ueberschrift(), "Monatliches Kindergeld 2026:");
    EXPECT_EQ(Text(*dialog, "stKiG1"), "259");
    const TPageForm* form = dialog->ActivePageForm();
    Taste(*dialog, Qt::Key_Down);
    EXPECT_EQ(Knoten(*dialog), "2027");
    EXPECT_EQ(dialog->PageIndex(), 3);
    EXPECT_EQ(dialog->ActivePageForm(), form) << "one form for both years";
    EXPECT_EQ(Seite(*dialog).Ueberschrift(), "Monatliches Kindergeld 2027:");
    // On to the ceilings, whose defaults differ by year.
    Taste(*dialog, Qt::Key_Down);
    EXPECT_EQ(dialog->PageIndex(), 4);
    EXPECT_EQ(Text(*dialog, "stBBGRV_W"), "8.450");
    EXPECT_EQ(Text(*dialog, "stBBGKV"), "5.812,50");
    Taste(*dialog, Qt::Key_Down);
    EXPECT_EQ(Text(*dialog, "stBBGRV_W"), "8.850");
    EXPECT_EQ(Seite(*dialog).Ueberschrift(), "Monatliche Beitragsbemessungsgrenzen 2027:");
}

TEST_F(FoOptionenTest, UpKeyPassesOverAParentInsteadOfBeingSentDownAgain)
{
    Ausfuehrbar("XoLStTabUpdater");
    auto dialog = Dialog();
    // From "Update" past the collapsed "Kammern" to the last year of the transition zone.
    Taste(*dialog, Qt::Key_End);
    EXPECT_EQ(dialog->PageIndex(), 13);
    EXPECT_FALSE(dialog->TreeView1->topLevelItem(5)->isExpanded());
    Taste(*dialog, Qt::Key_Up);
    EXPECT_EQ(dialog->PageIndex(), 9) << "transition zone 2027";
    Taste(*dialog, Qt::Key_Up);
    EXPECT_EQ(dialog->PageIndex(), 8);
    // From "BBG/2026" past its own expanded parent, to the child benefit.
    Taste(*dialog, Qt::Key_Home);
    Taste(*dialog, Qt::Key_Down, 3);
    EXPECT_EQ(dialog->PageIndex(), 4);
    dialog->TreeView1->topLevelItem(1)->setExpanded(false);
    Taste(*dialog, Qt::Key_Up);
    EXPECT_EQ(dialog->PageIndex(), 3);
    Taste(*dialog, Qt::Key_Up, 2);
    EXPECT_EQ(dialog->PageIndex(), 1) << "Allgemein";
    Taste(*dialog, Qt::Key_Up);
    EXPECT_EQ(dialog->PageIndex(), 1) << "nothing above the first page";
}

TEST_F(FoOptionenTest, RatePageShowsEachDefaultBesideItsOwnRate)
{
    auto dialog = Dialog();
    Taste(*dialog, Qt::Key_Down, 5);
    ASSERT_EQ(dialog->PageIndex(), 6);
    EXPECT_EQ(Seite(*dialog).Ueberschrift(), "Beitragssätze 2026:");
    const std::pair<const char*, const char*> kVorgaben[] = {
        {"stRVSatz", "18,6"},   {"stAVSatz", "2,6"},     {"stPVSatz", "3,60"},
        {"stPVSatzKL", "0,60"}, {"stKVSatzF", "14,0"},   {"stKVSatzG", "14,6"},
        {"stKVSatzZB", "2,90"}, {"stKVSatzPau", "13,0"}, {"stRVSatzPauPri", "5,0"}};
    for (const auto& [label, text] : kVorgaben)
        EXPECT_EQ(Text(*dialog, label), text) << label;
    EXPECT_EQ(Seite(*dialog).Control<QLineEdit>("ebKVSatzZB")->text(), "2,90");
}

TEST_F(FoOptionenTest, ValidFromMonthEnablesTheElevenAbEdits)
{
    auto dialog = Dialog();
    Taste(*dialog, Qt::Key_Down, 5);
    auto* cb = Seite(*dialog).Control<TMVCComboBox>("cbAbDatum");
    ASSERT_NE(cb, nullptr);
    ASSERT_EQ(cb->count(), 12);
    EXPECT_EQ(cb->itemText(0), "01.01.");
    EXPECT_EQ(cb->itemText(11), "01.12.");
    const auto abEdits = Seite(*dialog).Control<QWidget>("paAbWerte")->findChildren<TMVCBetrag*>();
    ASSERT_EQ(abEdits.size(), 11);
    for (TMVCBetrag* edit : abEdits)
        EXPECT_FALSE(edit->isEnabled()) << edit->objectName().toStdString();
    cb->setFocus();
    QTest::keyClick(cb, Qt::Key_Down, Qt::NoModifier);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(cb, Qt::Key_Down);
    EXPECT_EQ(cb->currentText(), "01.07.");
    for (TMVCBetrag* edit : abEdits)
        EXPECT_TRUE(edit->isEnabled()) << edit->objectName().toStdString();
    Tippen(*dialog, "ebRVSatzAb", "19,1");
    const TDaten& kopie = dialog->Arbeitskopie().BeitragssaetzeDaten(2026);
    EXPECT_EQ(Wert(kopie, "AbDatum"), "01.07.");
    EXPECT_EQ(Wert(kopie, "RVSatzAb"), "19,1");
    EXPECT_EQ(Wert(OptionenVtrl().BeitragssaetzeDaten(2026), "AbDatum"), "01.01.")
        << "the live options wait for OK";
}

TEST_F(FoOptionenTest, TransitionZoneShowsTheFactorOfTheTypedRate)
{
    auto dialog = Dialog();
    Taste(*dialog, Qt::Key_Down, 7);
    ASSERT_EQ(dialog->PageIndex(), 8);
    EXPECT_EQ(Text(*dialog, "stFaktor"), "0,6619");
    EXPECT_EQ(Text(*dialog, "stGesSVSatzDef"), "42,30");
    Tippen(*dialog, "ebGesSVSatz", "40,00");
    EXPECT_EQ(Text(*dialog, "stFaktor"), "0,7000");
    EXPECT_EQ(Text(*dialog, "stGesSVSatzDef"), "42,30") << "the default stays";
}

TEST_F(FoOptionenTest, ChamberPagesTakeNamesAndAmounts)
{
    auto dialog = Dialog();
    Taste(*dialog, Qt::Key_Down, 9);
    ASSERT_EQ(dialog->PageIndex(), 10);
    EXPECT_EQ(Text(*dialog, "stBezeichnungBremenDef"), "Arbeitnehmerkammer Bremen");
    auto* edit = Seite(*dialog).Control<QLineEdit>("edBezeichnungSaarland");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "Kammer des Saarlandes");
    EXPECT_EQ(Wert(dialog->Arbeitskopie().KammernAllgDaten(), "BezeichnungSL"),
              "Kammer des Saarlandes");
    Taste(*dialog, Qt::Key_Down);
    ASSERT_EQ(dialog->PageIndex(), 11);
    EXPECT_EQ(Seite(*dialog).Ueberschrift(), "Kammern 2026:");
    EXPECT_EQ(Text(*dialog, "stFreigrenzeDef").toStdString(),
              OptionenVtrl().KammernDaten(2026).FindValue("FreigrenzeBr")->GetDefaultAsString());
    EXPECT_EQ(Text(*dialog, "stFreigrenzeWaehrung"), "Euro");
    Tippen(*dialog, "ebFreigrenzeBr", "300,00");
    EXPECT_EQ(Wert(dialog->Arbeitskopie().KammernDaten(2026), "FreigrenzeBr"), "300,00");
}

TEST_F(FoOptionenTest, TrayPictureFollowsTheTraySwitch)
{
    auto dialog = Dialog();
    auto& seite = Seite(*dialog);
    auto* box = seite.Control<TMVCCheckBox>("chInfobereichSymbol");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Schnellstartsymbol &anzeigen (Task-Leiste)");
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(seite.Control<QLabel>("igSymbolEin")->isVisible());
    EXPECT_FALSE(seite.Control<QLabel>("igSymbolAus")->isVisible());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(seite.Control<QLabel>("igSymbolEin")->isVisible());
    EXPECT_TRUE(seite.Control<QLabel>("igSymbolAus")->isVisible());
    EXPECT_FALSE(dialog->Arbeitskopie().AllgemeinDaten().InfobereichSymbol());
}

TEST_F(FoOptionenTest, UpdatePageChecksTheRhythmAndShowsTheLastSearch)
{
    Ausfuehrbar("XoLStTabUpdater");
    m_xdg.Schreibe("home/.local/share/Tovar/XoLStTab/OPTIONEN.INI",
                   "[Update]\nUpdateRhythmus=Monat\nZuletztGesucht=01.12.2026\n");
    auto dialog = Dialog();
    Taste(*dialog, Qt::Key_End);
    ASSERT_EQ(dialog->PageIndex(), 13);
    auto& seite = Seite(*dialog);
    EXPECT_TRUE(seite.Control<QRadioButton>("rbMonat")->isChecked());
    EXPECT_EQ(seite.Control<QRadioButton>("rbNie")->text(), "&nie");
    EXPECT_EQ(Text(*dialog, "stZuletztGesucht"), "01.12.2026");
    QApplication::processEvents();
    auto* woche = seite.Control<QRadioButton>("rbWoche");
    // On the button's circle: the row is wider than its caption.
    QTest::mouseClick(woche, Qt::LeftButton, {}, QPoint(8, woche->height() / 2));
    EXPECT_EQ(Wert(dialog->Arbeitskopie().UpdateDaten(), "UpdateRhythmus"), "Woche");
    auto* nie = seite.Control<QRadioButton>("rbNie");
    nie->setFocus();
    QTest::keyClick(nie, Qt::Key_Space);
    EXPECT_EQ(Wert(dialog->Arbeitskopie().UpdateDaten(), "UpdateRhythmus"), "Nie");
}

TEST_F(FoOptionenTest, EveryPageFitsTheWorkAreaAlsoInLargePrint)
{
    Bildschirm({1366, 768}, {4, 30, 4, 4});
    Ausfuehrbar("XoLStTabUpdater");
    for (const bool gross : {false, true}) {
        TOptionenUmgebung::Starten().AllgemeinDaten().Schalter("GrosseSchrift").SetValue(gross);
        auto dialog = Dialog();
        for (int seite = 1; seite <= 13; ++seite) {
            dialog->SetActivePage(seite);
            QApplication::processEvents();
            const TFormpanel* panel = dialog->ActivePageForm()->Panel();
            EXPECT_LE(panel->FitWidth(), dialog->PageContainer()->width())
                << "page " << seite << " large " << gross;
            EXPECT_LE(panel->FitHeight(), dialog->PageContainer()->height())
                << "page " << seite << " large " << gross;
        }
        EXPECT_LE(dialog->frameGeometry().width(), 1366);
        EXPECT_LE(dialog->frameGeometry().height(), 768 - 40) << "large " << gross;
    }
}

TEST_F(FoOptionenTest, EveryPageShowsWholeInTheProgramsBoldPrint)
{
    Bildschirm({1366, 768}, {4, 30, 4, 4});
    Ausfuehrbar("XoLStTabUpdater");
    InstallOptionenAnzeige();
    auto dialog = Dialog();
    const QWidget& sichtbar = *dialog->PageContainer()->viewport();
    for (int seite = 1; seite <= 13; ++seite) {
        dialog->SetActivePage(seite);
        QApplication::processEvents();
        const TFormpanel* panel = dialog->ActivePageForm()->Panel();
        EXPECT_TRUE(panel->font().bold()) << "page " << seite;
        EXPECT_FALSE(dialog->PageContainer()->horizontalScrollBar()->isVisible()) << seite;
        for (const QWidget* w : panel->findChildren<QWidget*>()) {
            const QRect r(w->mapTo(&sichtbar, QPoint()), w->size().expandedTo(w->sizeHint()));
            EXPECT_TRUE(!w->isVisible() || sichtbar.rect().contains(r))
                << "page " << seite << " " << w->objectName().toStdString();
        }
    }
    dialog.reset();
    SetAnzeigeOptionen(nullptr);
}

TEST_F(FoOptionenTest, PagesWorkWithoutTheDialog)
{
    // The options check shows these two pages in its own window.
    TOptionenVtrl& o = TOptionenUmgebung::Starten();
    TFoOptionenBeitragssaetze saetze;
    saetze.init();
    saetze.SetBerechnung(&o.Beitragssaetze(2026));
    EXPECT_EQ(saetze.Ueberschrift(), "Beitragssätze 2026:");
    EXPECT_EQ(saetze.Control<QLabel>("stRVSatz")->text(), "18,6");
    TFoOptionenKindergeld kindergeld;
    kindergeld.init();
    kindergeld.SetBerechnung(&o.Kindergeld(2027));
    EXPECT_EQ(kindergeld.Ueberschrift(), "Monatliches Kindergeld 2027:");
    EXPECT_EQ(kindergeld.Control<QLabel>("stWaehr5")->text(), "Euro");
    EXPECT_TRUE(saetze.DruckText().isEmpty());
    saetze.SetBerechnung(nullptr);
    kindergeld.SetBerechnung(nullptr);
}
