#pragma once
// The main window as the GUI tests of its pages open it: over a temporary home with the options
// of a fresh installation, shown and active, closed again after each test with whatever it left
// in the event queue.
#include "Engine/Abrechnung/LohnDaten.h"
#include "Forms/MainForm.h"
#include "Forms/Seiten/Entgeltabrechnung.h"
#include "Gui/BergForm.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/MVCControl.h"
#include "Gui/PageForm.h"
#include "MVCFrame/Daten.h"
#include "Support/OptionenUmgebung.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <set>
#include <span>
#include <string>

class HauptfensterTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        TOptionenUmgebung::Starten();
    }
    void TearDown() override
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        m_fenster.reset();
        GuiHookFixture::TearDown();
    }
    // Opens the main window with page `seite` in front (0 keeps the page it starts with). Focus
    // changes reach the fields only in the active window, as on a desktop.
    void FensterOeffnen(int seite)
    {
        m_fenster = std::make_unique<TMainForm>(m_umgebung.Xdg().Ordner("daten") + "/");
        m_fenster->init();
        if (seite > 0)
            m_fenster->SetActivePage(seite);
        m_fenster->show();
        QApplication::setActiveWindow(m_fenster.get());
    }
    // Types into a field of the page in front as a user would: focus, select all, type. Returns
    // the field (nullptr when the page has none of that name).
    QLineEdit* Tippen(const char* feld, const QString& text)
    {
        auto* edit = m_fenster->ActivePageForm()->Panel()->findChild<QLineEdit*>(feld);
        EXPECT_NE(edit, nullptr) << feld;
        if (!edit)
            return nullptr;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        return edit;
    }

    TOptionenUmgebung m_umgebung;
    std::unique_ptr<TMainForm> m_fenster;
};

// The main window with the payroll statement in front, for 2026 and tax class I.
class EntgeltabrechnungFixture : public HauptfensterTest {
protected:
    void SetUp() override
    {
        HauptfensterTest::SetUp();
        EntgeltabrechnungOeffnen();
    }
    void EntgeltabrechnungOeffnen()
    {
        FensterOeffnen(1);
        m_seite = dynamic_cast<TFoEntgeltabrechnung*>(m_fenster->ActivePageForm());
        ASSERT_NE(m_seite, nullptr);
        d = m_seite->LohnDaten();
        ASSERT_NE(d, nullptr);
        d->Jahr->SetValue(2026);
        d->Steuerklasse->SetValue(1);
    }

    TFoEntgeltabrechnung* m_seite = nullptr;
    TLohnDaten* d = nullptr;
};

// A page's binding table: each control stands once in it, is bound to the value of that name in
// `daten`, and every value-bound control on `panel` stands in the table (`anzahl` controls).
inline void BindungenPruefen(const QWidget& panel, std::span<const TBindung> bindungen,
                             const TDaten& daten, std::size_t anzahl)
{
    std::set<std::string> gebunden;
    for (const TBindung& b : bindungen) {
        EXPECT_TRUE(gebunden.insert(b.control).second) << b.control << " bound twice";
        TValue* wert = daten.FindValue(b.wert);
        EXPECT_NE(wert, nullptr) << b.wert;
        auto* control = dynamic_cast<TMVCControl*>(panel.findChild<QWidget*>(b.control));
        ASSERT_NE(control, nullptr) << b.control;
        EXPECT_EQ(control->Value(), wert) << b.control;
    }
    EXPECT_EQ(gebunden.size(), anzahl);
    for (QWidget* w : panel.findChildren<QWidget*>()) {
        if (dynamic_cast<TMVCControl*>(w)) {
            EXPECT_EQ(gebunden.count(w->objectName().toStdString()), 1u)
                << w->objectName().toStdString() << " is not in the table";
        }
    }
}
