#include "Forms/Tabellen/FoSVTabelle.h"

#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Forms/DialogTestSupport.h"
#include "Forms/Seiten/TabellenSymbol.h"
#include "Gui/BetragEdit.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/XoTimer.h"
#include "Lib/Betrag.h"
#include "Lib/InstChck.h"
#include "Options/OptionenTabelle.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace {

// The payroll page of a main window, as the dialogs' tests have it; tables answer their go-to
// dialog through Antwort.
class SVTabelleTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        OptionenTabelle().GetValue(0).SetAsBoolean(false);
        d->Entgelt->SetValue(4000);
    }
    void TearDown() override
    {
        CloseFormsOfClass(TFoSVTabelle::staticMetaObject);
        Zustellen();
        DialogTest::TearDown();
    }
    // Deletes closed windows and delivers the queued table notices.
    static void Zustellen()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    static int Fenster()
    {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            n += qobject_cast<TFoSVTabelle*>(w) != nullptr;
        return n;
    }
    TFoSVTabelle* Oeffnen()
    {
        return TFoSVTabelle::Zeigen(SVTabellenVorgabenAus(m_fenster->Lohn()));
    }
    static double Oben(const TFoSVTabelle& t) { return t.ZeileZuBetrag(t.ScrollBar1()->value()); }
    static bool Aktivieren(QWidget& w)
    {
        w.activateWindow();
        const bool aktiv = QTest::qWaitForWindowActive(&w);
        w.setFocus();
        return aktiv && w.hasFocus();
    }
};

} // namespace

// The pure row function: texts in German format, ceiling colours only in the branches above.
TEST(SVGemalteZeileTest, TextsAndColoursOfOneRow)
{
    TSVTabellenZeile zeile;
    zeile.entgelt = 600000;
    zeile.anteil = {std::nullopt, 12345.0, 54870.0, 7800.0};
    zeile.ueberBBG = {true, true, false, false};
    const TSVTabellenFarben farben;
    const TGemalteZeile gerade = SVGemalteZeile(zeile, 10, farben);
    EXPECT_EQ(gerade.texte, (std::vector<QString>{"6.000,00", "", "123,45", "548,70", "78,00"}));
    EXPECT_EQ(gerade.farbe, QColor(255, 251, 240));
    EXPECT_FALSE(gerade.zellFarben[0].isValid());
    EXPECT_EQ(gerade.zellFarben[1], QColor(255, 180, 180));
    EXPECT_EQ(gerade.zellFarben[2], QColor(255, 180, 180));
    EXPECT_FALSE(gerade.zellFarben[3].isValid());
    const TGemalteZeile ungerade = SVGemalteZeile(zeile, 11, farben);
    EXPECT_EQ(ungerade.farbe, QColor(210, 222, 242));
    EXPECT_EQ(ungerade.zellFarben[1], QColor(240, 155, 200));
}

TEST_F(SVTabelleTest, CaptionHeaderMenuAndSize)
{
    d->WaehrungName->SetValue("Euro");
    TFoSVTabelle* t = Oeffnen();
    ASSERT_NE(t, nullptr);
    const std::string kasse = d->KasseName->GetValue();
    EXPECT_EQ(t->windowTitle().toStdString(),
              "Beitragstabelle 2026  (" + (kasse.empty() ? "" : kasse + ", ") + "Euro) ");
    for (const char* name : {"stEntgelt", "stVersichertenanteil", "stKV", "stPV", "stRV", "stAV"})
        EXPECT_NE(t->findChild<QLabel*>(name), nullptr) << name;
    QStringList items;
    for (const QAction* a : t->PopupMenu()->actions())
        items << a->text();
    EXPECT_EQ(items, QStringList({"&Gehe zu Entgelt...", "&Schließen"}));
    EXPECT_EQ(t->PaintBox1()->height(), t->SichtbareZeilen() * t->ZeilenHoehe());
    EXPECT_LE(t->SichtbareZeilen() * t->ZeilenHoehe(), TFoSVTabelle::kTabellenHoehe);
    EXPECT_LE(t->frameGeometry().height(), 768 - 40);
    EXPECT_FALSE(SaveScreenshot(*t, "sv-tabelle").isEmpty());
}

TEST_F(SVTabelleTest, OpensAtTheRowOfTheGrossPay)
{
    for (double brutto : {4000.00, 4001.50, 4002.00, 1234.56}) {
        d->Entgelt->SetValue(brutto);
        TFoSVTabelle* t = Oeffnen();
        ASSERT_NE(t, nullptr);
        const double oben = Oben(*t);
        // The top row is the band that holds the pay: its upper bound reaches it.
        EXPECT_GE(oben, brutto * 100) << brutto;
        EXPECT_LT(oben - t->Schrittweite(), brutto * 100) << brutto;
        t->close();
        Zustellen();
    }
}

// Near the health ceiling, health and care cells above it are in the ceiling colours; pension
// and unemployment, whose ceiling is higher, and the pay column are not.
TEST_F(SVTabelleTest, CeilingColoursOnlyInTheRightColumns)
{
    for (bool keineBBG : {false, true}) {
        d->KeineBBG->SetValue(keineBBG);
        TFoSVTabelle* t = Oeffnen();
        ASSERT_NE(t, nullptr);
        const double grenzeKV = t->Beitraege()->Beitrag(TSVZweig::kKV).GetAnteiligeGrenze();
        t->BetragZuZeile(grenzeKV - 5 * t->Schrittweite());
        const QImage bild = t->PaintBox1()->grab().toImage();
        const int h = t->ZeilenHoehe();
        const int oben = t->ScrollBar1()->value();
        int ueber = 0;
        int unter = 0;
        for (int r = 0; r < t->SichtbareZeilen(); ++r) {
            const double betrag = t->ZeileZuBetrag(oben + r);
            const int w = (oben + r) % 2;
            const bool ueberKV = !keineBBG && betrag > grenzeKV;
            (ueberKV ? ueber : unter) += 1;
            int x = 0;
            for (int s = 0; s < 5; ++s) {
                const bool rot = ueberKV && (s == 1 || s == 2);
                const QColor soll = rot ? t->Farben().ueberBBG[w] : t->Farben().normal[w];
                const QColor ist = bild.pixelColor(x + 2, r * h + h / 2);
                EXPECT_EQ(ist, soll) << "row " << r << " column " << s << " keineBBG " << keineBBG;
                x += TFoSVTabelle::kSpalten[s];
            }
        }
        EXPECT_GT(unter, 0);
        EXPECT_EQ(ueber > 0, !keineBBG);
        t->close();
        Zustellen();
    }
}

TEST_F(SVTabelleTest, GoToTypedWholeEuros)
{
    struct Fall {
        const char* waehrung;
        const char* tippen;
        double jahresBetrag; // cents of 2026's euro
    };
    for (const Fall& f : {Fall{"Euro", "5000", 500000}, Fall{"DM", "9779", 500000}}) {
        d->Umrechnen->SetValue(true);
        d->WaehrungName->SetValue(f.waehrung);
        TFoSVTabelle* t = Oeffnen();
        ASSERT_NE(t, nullptr);
        m_antworten.clear();
        Antwort<TFoDoubleEingabe>([&](TFoDoubleEingabe& dialog) {
            TBetrag* edit = dialog.Betrag1();
            EXPECT_EQ(edit->Dezimalstellen(), 0);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, f.tippen);
            QTest::keyClick(edit, Qt::Key_Return);
            return dialog.ModalResult();
        });
        ASSERT_TRUE(Aktivieren(*t));
        QTest::keyClick(t, Qt::Key_G);
        const double oben = Oben(*t);
        EXPECT_LE(oben, f.jahresBetrag + 1) << f.waehrung;
        EXPECT_GT(oben + t->Schrittweite(), f.jahresBetrag) << f.waehrung;
        t->close();
        Zustellen();
    }
}

TEST_F(SVTabelleTest, EscapeFreesTheWindowAndItsFourObjects)
{
    const auto vorher = InstanceChecker().Remaining().size();
    QPointer<TFoSVTabelle> t = Oeffnen();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(InstanceChecker().Remaining().size(), vorher + 4);
    ASSERT_TRUE(Aktivieren(*t));
    QTest::keyClick(t, Qt::Key_Escape);
    Zustellen();
    EXPECT_TRUE(t.isNull());
    EXPECT_EQ(InstanceChecker().Remaining().size(), vorher);
}

TEST_F(SVTabelleTest, FailedOpeningLeavesNothingAndSaysSo)
{
    const auto vorher = InstanceChecker().Remaining().size();
    TSVTabellenVorgaben v = SVTabellenVorgabenAus(m_fenster->Lohn());
    v.tabellenwert2 = 0;
    EXPECT_EQ(TFoSVTabelle::Zeigen(v), nullptr);
    Zustellen();
    EXPECT_EQ(Fenster(), 0);
    EXPECT_EQ(InstanceChecker().Remaining().size(), vorher);
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_TRUE(m_fehler[0].startsWith("Beitragstabelle 2026 kann nicht erstellt werden"))
        << m_fehler[0].toStdString();
}

TEST_F(SVTabelleTest, PageIconsFollowTheNoticesAndAnimateOnScrolling)
{
    TTabellenSymbol* symbol = m_seite->SVTab();
    EXPECT_FALSE(symbol->OpenImage()->isHidden());
    EXPECT_TRUE(symbol->CloseImage()->isHidden());
    QTest::mouseClick(symbol->OpenImage(), Qt::LeftButton);
    Zustellen();
    EXPECT_EQ(Fenster(), 1);
    EXPECT_TRUE(symbol->OpenImage()->isHidden());
    EXPECT_FALSE(symbol->CloseImage()->isHidden());

    // Ctrl on the close icon opens another table.
    QTest::mouseClick(symbol->CloseImage(), Qt::LeftButton, Qt::ControlModifier);
    Zustellen();
    EXPECT_EQ(Fenster(), 2);

    // A scroll down plays the pictures forward once round and stops on the first.
    TFoSVTabelle* t = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* s = qobject_cast<TFoSVTabelle*>(w))
            t = s;
    ASSERT_NE(t, nullptr);
    ASSERT_TRUE(Aktivieren(*t));
    QTest::keyClick(t, Qt::Key_PageDown);
    Zustellen();
    EXPECT_TRUE(symbol->Animiert());
    EXPECT_EQ(symbol->Bild(), 2);
    std::vector<int> bilder;
    for (int i = 0; i < 20 && symbol->Animiert(); ++i) {
        symbol->Schritt();
        bilder.push_back(symbol->Bild());
    }
    EXPECT_EQ(bilder, (std::vector<int>{3, 4, 5, 6, 7, 8, 1, 1}));
    EXPECT_FALSE(symbol->Animiert());
    // Up plays backward.
    QTest::keyClick(t, Qt::Key_PageUp);
    Zustellen();
    EXPECT_EQ(symbol->Bild(), 8);
    symbol->Schritt();
    EXPECT_EQ(symbol->Bild(), 7);

    // The popup offers closing while tables are open; closing all brings the open icon back.
    QMenu* popup = m_seite->PopupMenu();
    ASSERT_NE(popup, nullptr);
    auto* oeffnen = m_seite->findChild<QAction*>("pmiSVTabelleOeffnen");
    ASSERT_NE(oeffnen, nullptr);
    auto* schliessen = m_seite->findChild<QAction*>("pmiSVTabelleSchliessen");
    ASSERT_NE(schliessen, nullptr);
    emit popup->aboutToShow();
    EXPECT_TRUE(schliessen->isVisible());
    EXPECT_FALSE(oeffnen->isVisible());
    schliessen->trigger();
    Zustellen();
    EXPECT_EQ(Fenster(), 0);
    EXPECT_FALSE(symbol->OpenImage()->isHidden());
    emit popup->aboutToShow();
    EXPECT_FALSE(schliessen->isVisible());
    EXPECT_TRUE(oeffnen->isVisible());
}

TEST_F(SVTabelleTest, MainMenuItemsOpenAndClose)
{
    m_fenster->Item("miSVTabelleOeffnen")->trigger();
    Zustellen();
    EXPECT_EQ(Fenster(), 1);
    m_fenster->MenueAktualisieren();
    EXPECT_TRUE(m_fenster->Item("miSVTabelleSchliessen")->isEnabled());
    m_fenster->Item("miSVTabelleSchliessen")->trigger();
    Zustellen();
    EXPECT_EQ(Fenster(), 0);
    m_fenster->MenueAktualisieren();
    EXPECT_FALSE(m_fenster->Item("miSVTabelleSchliessen")->isEnabled());
}

TEST_F(SVTabelleTest, StaysOnTopAsTheOptionSays)
{
    TFoSVTabelle* t = Oeffnen();
    ASSERT_NE(t, nullptr);
    EXPECT_FALSE(t->ImVordergrund());
    OptionenTabelle().GetValue(0).SetAsBoolean(true);
    QApplication::processEvents();
    EXPECT_TRUE(t->ImVordergrund());
    OptionenTabelle().GetValue(0).SetAsBoolean(false);
    QApplication::processEvents();
    EXPECT_FALSE(t->ImVordergrund());
}
