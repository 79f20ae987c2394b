#include "Gui/PageContainerForm.h"

#include "Gui/FrmLib.h"
#include "Gui/PageForm.h"
#include "Lib/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>

#include <optional>

namespace {

// The hourglass while pages load or save, back to normal also on an exception.
class TWarteCursor {
public:
    TWarteCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWarteCursor() { QApplication::restoreOverrideCursor(); }
    TWarteCursor(const TWarteCursor&) = delete;
    TWarteCursor& operator=(const TWarteCursor&) = delete;
};

} // namespace

TPageContainerForm::TPageContainerForm(QWidget* parent)
    : TBaseForm(parent, Qt::Window), m_container(new TPageContainer(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_container, 1);
}

TPageContainerForm::~TPageContainerForm()
{
    // The live page goes first, while the window and its menu bar are still whole.
    MenueEntfernen();
    m_live.reset();
}

int TPageContainerForm::PageHeight() const
{
    return m_live ? m_live->PageHeight() : 0;
}

int TPageContainerForm::DefaultHeight() const
{
    if (!m_live)
        return height();
    layout()->activate();
    return height() - m_container->height() + PageHeight();
}

int TPageContainerForm::DefaultWidth() const
{
    if (!m_live)
        return width();
    layout()->activate();
    return width() - m_container->width() + m_live->PageWidth();
}

void TPageContainerForm::FitToPage()
{
    setWindowState(windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    if (!m_live)
        return;
    resize(DefaultWidth(), DefaultHeight());
    InArbeitsflaeche();
}

void TPageContainerForm::InArbeitsflaeche()
{
    // Never larger than the work area (less the frame): a page taller than the screen scrolls.
    InArbeitsbereichHalten(*this);
}

void TPageContainerForm::SetActivePage(int n)
{
    if (n == m_pageIndex)
        return;
    const TPageData* data = m_pages.GetPage(n);
    if (!data) {
        Ersetzen(nullptr, n);
    } else if (m_live && data->PageClass.klasse == m_live->metaObject()) {
        // Same form class: the form stays and shows the other page.
        m_pages.SetPage(m_pageIndex, m_live->GetPageData());
        m_pageIndex = n;
        m_live->SetPageData(*m_pages.GetPage(n));
    } else {
        VT_ASSERT(data->PageClass.erzeugen, "page without a form class");
        std::unique_ptr<TPageForm> neu(data->PageClass.erzeugen(this));
        neu->SetPageClass(data->PageClass);
        neu->init();
        Ersetzen(std::move(neu), n);
    }
    PageChanged();
}

void TPageContainerForm::Ersetzen(std::unique_ptr<TPageForm> neu, int n)
{
    if (m_live) {
        m_pages.SetPage(m_pageIndex, m_live->GetPageData());
        m_container->SetPopupMenu(nullptr);
        m_container->SetPanel(nullptr);
        MenueEntfernen();
        m_live.reset();
    }
    m_live = std::move(neu);
    if (!m_live) {
        m_pageIndex = 0;
        return;
    }
    m_pageIndex = n;
    MenueEinfuegen(*m_live);
    m_container->SetPanel(m_live->Panel());
    m_live->SetPageData(*m_pages.GetPage(n));
    m_container->SetPopupMenu(m_live->PopupMenu());
}

void TPageContainerForm::MenueEinfuegen(const TPageForm& page)
{
    if (!m_mainMenu)
        return;
    for (QMenu* eintrag : page.MainMenu()) {
        QAction* neu = eintrag->menuAction();
        const int gruppe = GroupIndex(*neu);
        QAction* vor = nullptr;
        const QList<QAction*> leiste = m_mainMenu->actions();
        for (qsizetype i = 0; i < leiste.size(); ++i) {
            QAction* vorhanden = leiste[i];
            const bool eigenes = std::find(m_eingefuegt.begin(), m_eingefuegt.end(), vorhanden) ==
                                 m_eingefuegt.end();
            if (eigenes && GroupIndex(*vorhanden) == gruppe) {
                // Taken off the bar, not hidden: a hidden entry would still hold its letter, and
                // Alt with that letter would find two menus.
                m_verdeckt.push_back({vorhanden, i + 1 < leiste.size() ? leiste[i + 1] : nullptr});
                m_mainMenu->removeAction(vorhanden);
                continue;
            }
            if (!vor && GroupIndex(*vorhanden) > gruppe)
                vor = vorhanden;
        }
        m_mainMenu->insertAction(vor, neu);
        m_eingefuegt.emplace_back(neu);
    }
}

void TPageContainerForm::MenueEntfernen()
{
    if (m_mainMenu) {
        for (const QPointer<QAction>& aktion : m_eingefuegt) {
            if (aktion)
                m_mainMenu->removeAction(aktion);
        }
        for (auto it = m_verdeckt.rbegin(); it != m_verdeckt.rend(); ++it) {
            if (!it->aktion)
                continue;
            QAction* nach = it->nachfolger;
            m_mainMenu->insertAction(nach && m_mainMenu->actions().contains(nach) ? nach : nullptr,
                                     it->aktion);
        }
    }
    m_eingefuegt.clear();
    m_verdeckt.clear();
}

void TPageContainerForm::LoadPage(const TIniFile& ini)
{
    SetActivePage(ini.ReadInteger(objectName().toStdString(), "Seite", 0));
}

void TPageContainerForm::LoadPages(const TXIniFile& ini, int n)
{
    if (n == -1) {
        m_pages.LoadAll(ini);
    } else if (TPageData* data = m_pages.GetPage(n)) {
        data->LoadFromIni(ini);
    }
    if (m_live && m_pageIndex != 0 && (n == -1 || n == m_pageIndex))
        m_live->SetPageData(*m_pages.GetPage(m_pageIndex));
}

void TPageContainerForm::SavePages(TXIniFile& ini, int n)
{
    if (m_live && (n == -1 || n == m_pageIndex))
        m_pages.SetPage(m_pageIndex, m_live->GetPageData());
    if (n == -1) {
        m_pages.SaveAll(ini);
    } else if (const TPageData* data = m_pages.GetPage(n)) {
        data->SaveToIni(ini);
    }
}

void TPageContainerForm::LoadPosition(const TIniFile& ini)
{
    TWarteCursor warten;
    // The calculations read through the default-suppressing class; the same file serves.
    const auto* xIni = dynamic_cast<const TXIniFile*>(&ini);
    std::optional<TXIniFile> eigenes;
    if (!xIni)
        xIni = &eigenes.emplace(ini.FileName());
    if (m_live) {
        // The page shown leaves its state to the list before the stored one replaces it.
        LoadPage(ini);
        LoadPages(*xIni, -1);
    } else {
        // At start no page is shown yet: every stored value is in place before the page is
        // built, which then shows them once instead of following each value as it is read.
        // A calculation that fails on what it read still leaves its stored page shown.
        try {
            LoadPages(*xIni, -1);
        } catch (...) {
            LoadPage(ini);
            throw;
        }
        LoadPage(ini);
    }
    TBaseForm::LoadPosition(ini);
    const std::string abschnitt = objectName().toStdString();
    m_container->horizontalScrollBar()->setValue(ini.ReadInteger(abschnitt, "HScrollPos", 0));
    m_container->verticalScrollBar()->setValue(ini.ReadInteger(abschnitt, "VScrollPos", 0));
}

void TPageContainerForm::SavePosition(TXIniFile& ini)
{
    TWarteCursor warten;
    SavePages(ini, -1);
    TBaseForm::SavePosition(ini);
    const std::string abschnitt = objectName().toStdString();
    ini.WriteInteger(abschnitt, "Seite", m_pageIndex);
    ini.WriteInteger(abschnitt, "HScrollPos", m_container->horizontalScrollBar()->value(), 0);
    ini.WriteInteger(abschnitt, "VScrollPos", m_container->verticalScrollBar()->value(), 0);
}
