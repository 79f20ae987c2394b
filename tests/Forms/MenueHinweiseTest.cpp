// The hints of the main window's menus: a disabled item says why, in the status line while the
// mouse is on it and as its tooltip.
#include "Forms/HauptfensterTestSupport.h"
#include "Forms/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolTip>

#include <functional>

namespace {

struct TFall {
    const char* name;
    int seite;
    const char* menu; // its caption in the menu bar
    const char* item;
    const char* grund;
};

const TFall kFaelle[] = {
    {"PasteWithEmptyClipboard", 1, "&Bearbeiten", "miEinfuegen",
     "kein Text eingefügt werden kann."},
    {"CopyWithoutSelection", 1, "&Bearbeiten", "miKopieren", "kein Text/Betrag markiert ist."},
    {"ReadPageWithoutSettings", 3, "&Datei", "miSeiteLesen",
     "die angezeigte Seite keine eigenen Einstellungen hat."},
    {"CloseWageTaxTablesNoneOpen", 1, "&Tabellen", "miLStTabelleSchliessen",
     "keine Lohnsteuer-Tabelle geöffnet ist."},
    {"CloseAllTablesNoneOpen", 2, "&Tabellen", "miAlleSchliessen", "keine Tabelle geöffnet ist."},
};

class MenueHinweiseTest : public HauptfensterTest, public testing::WithParamInterface<TFall> {
protected:
    // Opens the menu of that caption with a click into the menu bar.
    QMenu* MenuOeffnen(const QString& caption)
    {
        QMenuBar* leiste = m_fenster->MainMenu();
        for (QAction* a : leiste->actions()) {
            if (a->text() == caption && a->menu()) {
                QTest::mouseClick(leiste, Qt::LeftButton, {}, leiste->actionGeometry(a).center());
                return a->menu();
            }
        }
        ADD_FAILURE() << "no menu " << caption.toStdString();
        return nullptr;
    }
};

TEST_P(MenueHinweiseTest, DisabledItemSaysWhyInTheStatusLineAndAsTooltip)
{
    const TFall& f = GetParam();
    FensterOeffnen(f.seite);
    QApplication::clipboard()->clear();
    if (f.seite == 1) {
        // The gross pay field has the focus, nothing marked.
        QLineEdit* feld = Tippen("ebEntgelt", "3000,00");
        ASSERT_NE(feld, nullptr);
        feld->deselect();
    }
    QMenu* menu = MenuOeffnen(f.menu);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction* item = nullptr;
    for (QAction* a : menu->actions())
        if (a->objectName() == f.item)
            item = a;
    ASSERT_NE(item, nullptr) << f.item;
    EXPECT_FALSE(item->isEnabled());
    const QPoint mitte = menu->actionGeometry(item).center();
    QTest::mouseMove(menu, mitte);
    const QString erwartet = QString("Dieser Befehl ist nicht verfügbar, weil ") + f.grund;
    EXPECT_EQ(m_fenster->StatusBar()->text(), erwartet);
    QHelpEvent hilfe(QEvent::ToolTip, mitte, menu->mapToGlobal(mitte));
    QApplication::sendEvent(menu, &hilfe);
    EXPECT_EQ(QToolTip::text(), erwartet);
    QToolTip::hideText();
    menu->hide();
}

INSTANTIATE_TEST_SUITE_P(Forms, MenueHinweiseTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

} // namespace
