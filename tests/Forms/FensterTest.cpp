// Windows and dialogs as a user meets them: a table's dialogs show above the table, every window
// lies whole inside the work area with its frame, and Esc and Enter work in the plain dialogs.
#include "DialogTestSupport.h"
#include "Forms/Dialoge/AbrgDruck.h"
#include "Forms/Dialoge/BeitrGrSchl.h"
#include "Forms/Tabellen/LStTabelle.h"
#include "Gui/DoubleEingabe.h"
#include "Gui/FrmLib.h"
#include "Gui/Tabelle.h"
#include "MVCFrame/StringValue.h"

#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <set>
#include <vector>

namespace {

class FensterTest : public DialogTest {
protected:
    void TearDown() override
    {
        CloseFormsOfClass(TTabelle::staticMetaObject);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        DialogTest::TearDown();
    }
    // Opens a table from the main window's menu item and returns its window.
    TTabelle* TabelleOeffnen(const char* item)
    {
        std::set<QWidget*> vorher;
        for (QWidget* w : QApplication::topLevelWidgets())
            vorher.insert(w);
        m_fenster->Item(item)->trigger();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* tabelle = qobject_cast<TTabelle*>(w); tabelle && !vorher.count(w))
                return tabelle;
        return nullptr;
    }
    static bool Aktivieren(QWidget& w)
    {
        w.activateWindow();
        const bool aktiv = QTest::qWaitForWindowActive(&w);
        w.setFocus();
        return aktiv;
    }
};

struct TabellenDialogFall {
    const char* name;
    const char* item;
    QKeyCombination taste;
    bool daneben; // "mehr..." opens beside the table, the go-to dialogs over its first rows
};

const TabellenDialogFall kTabellenDialoge[] = {
    {"lst_gehe_zu", "miLStTabelleOeffnen", Qt::Key_G, false},
    {"lst_mehr", "miLStTabelleOeffnen", Qt::CTRL | Qt::Key_4, true},
    {"sv_gehe_zu", "miSVTabelleOeffnen", Qt::Key_G, false},
    {"est_gehe_zu", "miESt2026", Qt::Key_G, false},
};

} // namespace

TEST_F(FensterTest, TheDialogsOfATableShowAboveItAtThePlaceTheTableGives)
{
    for (const TabellenDialogFall& f : kTabellenDialoge) {
        TTabelle* t = TabelleOeffnen(f.item);
        ASSERT_NE(t, nullptr) << f.name;
        int gezeigt = 0;
        m_antworten.clear();
        Antwort<TFoDoubleEingabe>([&](TFoDoubleEingabe& dialog) {
            ++gezeigt;
            // Transient for the table: the window manager stacks it above a table that stays on
            // top.
            EXPECT_EQ(dialog.parentWidget(), t) << f.name;
            EXPECT_EQ(dialog.windowHandle()->transientParent(), t->windowHandle()) << f.name;
            const QWidget& tabelle = *t->PaintBox1();
            const QPoint ort = f.daneben ? tabelle.mapToGlobal(QPoint(tabelle.width(), 0))
                                         : tabelle.mapToGlobal(QPoint(20, 20));
            EXPECT_EQ(Aussenrechteck(dialog).topLeft(), ort) << f.name;
            return static_cast<int>(mrCancel);
        });
        ASSERT_TRUE(Aktivieren(*t)) << f.name;
        QTest::keyClick(t, f.taste.key(), f.taste.keyboardModifiers());
        EXPECT_EQ(gezeigt, 1) << f.name;
        t->close();
    }
}

TEST_F(FensterTest, EveryModalWindowShowsAboveTheTablesWhileItIsOpen)
{
    // One table of each kind, moved by the user over the middle of the screen.
    std::vector<QPointer<TTabelle>> tabellen;
    for (const char* item : {"miLStTabelleOeffnen", "miSVTabelleOeffnen", "miESt2026"}) {
        tabellen.emplace_back(TabelleOeffnen(item));
        ASSERT_NE(tabellen.back(), nullptr) << item;
        tabellen.back()->move(350, 150);
    }
    const auto obenBleibende = [&tabellen] {
        int n = 0;
        for (const QPointer<TTabelle>& t : tabellen)
            n += t->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
        return n;
    };
    ASSERT_EQ(obenBleibende(), 2) << "the wage-tax and contribution tables stay on top";

    // Each modal window runs for real; while it waits for the user, no table stays on top of
    // it. Esc closes it ("Detail-Entgelte" first opens "Entgelt Detail-Eingabe" with "Neu...").
    QStringList gezeigt;
    std::function<void()> pruefen = [&] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        ASSERT_NE(w, nullptr);
        const QString titel = w->windowTitle();
        gezeigt << titel;
        EXPECT_EQ(obenBleibende(), 0) << titel.toStdString();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w)) << titel.toStdString();
        if (auto* neu = w->findChild<QPushButton*>("bnNeu");
            neu && w->objectName() == "FoEntgelteMenue")
            neu->click();
        QWidget* fokus = QApplication::focusWidget();
        QTest::keyClick(fokus && fokus->window() == w ? fokus : w.data(), Qt::Key_Escape);
        if (w && w->isVisible()) {
            ADD_FAILURE() << titel.toStdString() << " stays open on Esc";
            w->close();
        }
    };
    m_modalAntwort = [&pruefen](QWidget& w) {
        QTimer::singleShot(0, &w, pruefen);
        return RunModal(w);
    };
    for (const char* item : {"miKrankenkassen", "miWaehrungen", "miOptionen", "miInfo"})
        m_fenster->Item(item)->trigger();
    for (const char* knopf : {"bnBGS", "bnDetailEntgelt"})
        QTest::mouseClick(m_fenster->findChild<QPushButton*>(knopf), Qt::LeftButton);
    QTimer::singleShot(0, pruefen);
    DefaultGuiHooks().fehler("Das Bruttoentgelt ist zu groß.");

    EXPECT_EQ(gezeigt.size(), 8) << gezeigt.join(", ").toStdString();
    EXPECT_EQ(obenBleibende(), 2) << "the tables stay on top again";
}

TEST_F(FensterTest, ATableOpenedFromTheMenuTakesTheKeyboard)
{
    for (const char* item : {"miLStTabelleOeffnen", "miSVTabelleOeffnen", "miESt2026"}) {
        ASSERT_TRUE(Aktivieren(*m_fenster)) << item;
        QPointer<TTabelle> t = TabelleOeffnen(item);
        ASSERT_NE(t, nullptr) << item;
        ASSERT_TRUE(QTest::qWaitForWindowActive(t)) << item;
        QWidget* fokus = QApplication::focusWidget();
        ASSERT_NE(fokus, nullptr) << item;
        EXPECT_EQ(fokus->window(), t) << item;
        // The table's own keys act at once: Esc closes it.
        QTest::keyClick(fokus, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(t.isNull()) << item;
    }
}

namespace {

struct BildschirmFall {
    const char* name;
    QSize groesse;
    QMargins rahmen;
};

const BildschirmFall kBildschirme[] = {
    {"1366x768", {1366, 768}, {1, 20, 1, 1}},
    {"1280x720", {1280, 720}, {4, 30, 4, 4}},
};

class ArbeitsbereichTest : public FensterTest,
                           public testing::WithParamInterface<BildschirmFall> {};

} // namespace

TEST_P(ArbeitsbereichTest, EveryWindowLiesWholeInsideTheWorkAreaFrameIncluded)
{
    Bildschirm(GetParam().groesse, GetParam().rahmen);
    EntgeltabrechnungOeffnen();
    EXPECT_TRUE(ImArbeitsbereich(*m_fenster)) << "main window";
    DateiSchreiben(m_fenster->EinstellungsDatei(),
                   "[MainForm]\nVersion=5.01\nLinks=-629\nOben=2147483647\nHoehe=99999999\n");
    m_fenster->EinstellungenLesen(-1);
    EXPECT_TRUE(ImArbeitsbereich(*m_fenster)) << "stored far below, taller than the screen";

    // Every modal window as it shows: inside, and a dialog without minimise and maximise.
    QStringList gezeigt;
    m_modalAntwort = [&gezeigt](QWidget& w) {
        w.show();
        const std::string titel = w.windowTitle().toStdString();
        gezeigt << w.windowTitle();
        EXPECT_TRUE(ImArbeitsbereich(w)) << titel;
        EXPECT_EQ(w.windowType(), Qt::Dialog) << titel;
        EXPECT_FALSE(w.windowFlags() &
                     (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
            << titel;
        return 0;
    };
    // The tables, and their dialogs once the user has moved them into the bottom right corner.
    for (const char* item : {"miLStTabelleOeffnen", "miSVTabelleOeffnen", "miESt2026"}) {
        TTabelle* t = TabelleOeffnen(item);
        ASSERT_NE(t, nullptr) << item;
        EXPECT_TRUE(ImArbeitsbereich(*t)) << item;
        const QRect work = GetWorkArea();
        const QSize aussen = Aussenrechteck(*t).size();
        t->move(work.right() + 1 - aussen.width(), work.bottom() + 1 - aussen.height());
        ASSERT_TRUE(Aktivieren(*t)) << item;
        QTest::keyClick(t, Qt::Key_G);
        if (auto* lst = qobject_cast<TFoLStTabelle*>(t))
            QTest::keyClick(lst, Qt::Key_4, Qt::ControlModifier);
    }
    for (const char* item : {"miInfo", "miOptionen", "miKrankenkassen"})
        m_fenster->Item(item)->trigger();
    for (const char* knopf : {"bnBGS", "bnDetailEntgelt"})
        QTest::mouseClick(m_fenster->findChild<QPushButton*>(knopf), Qt::LeftButton);
    EXPECT_EQ(gezeigt.size(), 9) << gezeigt.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Bildschirme, ArbeitsbereichTest, testing::ValuesIn(kBildschirme),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(FensterTest, EscCancelsAndEnterPressesTheDefaultButtonInThePlainDialogs)
{
    TString name{nullptr, "Arbeitnehmer", 0, "Erika Mustermann"};
    TString zeitraum{nullptr, "Zeitraum", 0, "März 2026"};
    const struct {
        const char* dialog;
        const char* feld;
        Qt::Key taste;
        bool ok;
    } faelle[] = {
        {"Beitragsgruppen", "rbKV_1", Qt::Key_Return, true},
        {"Beitragsgruppen", "rbRV_1", Qt::Key_Escape, false},
        {"Druck Entgeltabrechnung", "cbArbeitnehmer", Qt::Key_Return, true},
        {"Druck Entgeltabrechnung", "cbAbrgZeitraum", Qt::Key_Enter, true},
        {"Druck Entgeltabrechnung", "cbAbrgZeitraum", Qt::Key_Escape, false},
        {"Druck Entgeltabrechnung", "MyButton2", Qt::Key_Return, false},
    };
    for (const auto& f : faelle) {
        const std::string fall = std::string(f.dialog) + " " + f.feld;
        m_modalAntwort = [&](QWidget& w) {
            w.show();
            EXPECT_TRUE(Aktivieren(w)) << fall;
            auto* feld = w.findChild<QWidget*>(f.feld);
            EXPECT_NE(feld, nullptr) << fall;
            if (feld) {
                feld->setFocus();
                QTest::keyClick(feld, f.taste);
            }
            return dynamic_cast<TXoForm&>(w).ModalResult();
        };
        const bool ok = std::string(f.dialog) == "Beitragsgruppen"
                            ? TFoBeitrGrSchl::Ausfuehren("1111").has_value()
                            : TFoAbrgDruck::Ausfuehren("", name, true, zeitraum);
        EXPECT_EQ(ok, f.ok) << fall;
    }
}
