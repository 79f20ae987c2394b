#pragma once
// A window that hosts pages (TPageForm): the main window and the options dialog. The owner
// registers its pages by number (Pages().AddPage); SetActivePage shows one. Exactly one page form
// is alive at a time, or none (PageIndex 0):
//   - switching stores the old page's state (calculation, focused control) in its entry and frees
//     the old form, unless the next page has the same form class: then the form is kept and bound
//     to the other page's calculation;
//   - the page's menu entries are merged into the window's menu bar by group index (an entry of
//     the same group takes the place of the window's own while the page is shown), and the page's
//     popup becomes the popup of the scrolling area;
//   - LoadPosition and SavePosition keep the current page, every page's state and the scroll
//     positions together with the window placement.
#include "Gui/PageDataList.h"
#include "Gui/XoForm.h"

#include <QPointer>

#include <memory>
#include <vector>

class QAction;
class QMenuBar;
class TPageContainer;
class TPageForm;

class TPageContainerForm : public TBaseForm {
    Q_OBJECT
public:
    explicit TPageContainerForm(QWidget* parent = nullptr);
    ~TPageContainerForm() override;

    TPageDataList& Pages() { return m_pages; }
    const TPageDataList& Pages() const { return m_pages; }
    TPageForm* ActivePageForm() const { return m_live.get(); }
    int PageIndex() const { return m_pageIndex; }
    TPageContainer* PageContainer() const { return m_container; }

    // The window's menu bar, when it has one: the pages' menus are merged into it.
    QMenuBar* MainMenu() const { return m_mainMenu; }
    void SetMainMenu(QMenuBar* menu) { m_mainMenu = menu; }

    // The window's size for the page: the rest of the window plus the page.
    int DefaultHeight() const override;
    int DefaultWidth() const override;
    void LoadPosition(const TIniFile& ini) override;
    void SavePosition(TXIniFile& ini) override;

    virtual int PageHeight() const;
    // Reads "Seite" and shows that page.
    virtual void LoadPage(const TIniFile& ini);
    // Called after every page switch.
    virtual void PageChanged() {}
    virtual void SetActivePage(int n);
    // Page states from the settings: all (n = -1) or page n; the shown page takes them at once.
    virtual void LoadPages(const TXIniFile& ini, int n);
    virtual void SavePages(TXIniFile& ini, int n);

    // Sizes the window to show the whole page, within the work area.
    void FitToPage();
    // Shrinks and moves the window into the screen's work area where it reaches beyond it.
    void InArbeitsflaeche();

private:
    void Ersetzen(std::unique_ptr<TPageForm> neu, int n);
    void MenueEinfuegen(const TPageForm& page);
    void MenueEntfernen();

    TPageDataList m_pages;
    std::unique_ptr<TPageForm> m_live;
    int m_pageIndex = 0;
    TPageContainer* m_container = nullptr;
    QMenuBar* m_mainMenu = nullptr;
    std::vector<QPointer<QAction>> m_eingefuegt;
    // The window's own entries a page's entry replaces, with the entry that followed each.
    struct TVerdeckt {
        QPointer<QAction> aktion;
        QPointer<QAction> nachfolger;
    };
    std::vector<TVerdeckt> m_verdeckt;
};
