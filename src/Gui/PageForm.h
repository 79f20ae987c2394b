#pragma once
// The pages of a page window (the main window's calculation pages, the options dialog's pages).
//
//   TPageForm       a form bound to one calculation whose controls live on its panel
//                   (TFormpanel). The form itself is never shown: the host window puts the panel
//                   into its scrolling area (TPageContainer). One form may show several pages of
//                   the same class in turn; its page name says which, and is its settings section.
//   TPageData       what the host remembers of a page while another one is shown: the page's
//                   calculation, the control that had the focus, the name and the form class.
//   TMainPageForm   a page of the main window: an edit menu with "&Seite kopieren" that the host
//                   merges into its menu bar, and the page popup (copy, print, quit).
//
// A page builds its controls on Panel() (with the page form as the owner of value-bound
// controls); the panel is as large as the page needs and grows with the host's area.
#include "Gui/BergForm.h"

#include <QPointer>
#include <QScrollArea>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;
class TPageForm;

// The widget that carries the controls of one page. It is never smaller than the page
// (FitWidth x FitHeight) and fills its container beyond that.
class TFormpanel : public QWidget {
    Q_OBJECT
public:
    explicit TFormpanel(QWidget* owner);

    int FitHeight() const { return m_fitHeight; }
    int FitWidth() const { return m_fitWidth; }
    void SetFitHeight(int hoehe);
    void SetFitWidth(int breite);

private:
    int m_fitHeight = 0;
    int m_fitWidth = 0;
};

// The scrolling area of a page window: it shows one panel, stretched to the area and never below
// the page's size; scroll bars appear when the window is smaller than the page.
class TPageContainer : public QScrollArea {
    Q_OBJECT
public:
    explicit TPageContainer(QWidget* parent = nullptr);

    TFormpanel* Panel() const;
    // Shows `panel` (nullptr: nothing); the panel shown before is handed back to its page form.
    void SetPanel(TFormpanel* panel);

    QMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu* menu) { m_popupMenu = menu; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QMenu* m_popupMenu = nullptr;
};

// A page form class: its identity (the exact class) and how to make one.
struct TPageClass {
    const QMetaObject* klasse = nullptr;
    std::function<TPageForm*(QWidget* owner)> erzeugen;

    template <class T> static TPageClass Of()
    {
        return {&T::staticMetaObject, [](QWidget* owner) { return new T(owner); }};
    }
};

class TPageData {
public:
    TBerechnung* Berechnung = nullptr; // not owned
    std::string ActiveControl;         // object name of the control to focus
    std::string Name;                  // page name and settings section
    TPageClass PageClass;

    // The calculation's stored values from section Name, and "ActiveControl" when one is stored.
    void LoadFromIni(const TXIniFile& ini);
    void SaveToIni(TXIniFile& ini) const;
};

class TPageForm : public TBerechnungForm {
    Q_OBJECT
public:
    explicit TPageForm(QWidget* parent = nullptr);
    ~TPageForm() override;

    // After the form's own second phase, the panel takes the page's size.
    void init() override;

    TFormpanel* Panel() const { return m_panel; }
    const std::string& PageName() const { return m_pageName; }

    QMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(QMenu* menu) { m_popupMenu = menu; }
    // The page's main-menu entries, merged into the host's menu bar by their group index.
    const std::vector<QMenu*>& MainMenu() const { return m_mainMenu; }

    // The class the host made this form from (it makes the next form of that class from it).
    const TPageClass& PageClass() const { return m_pageClass; }
    void SetPageClass(TPageClass pageClass) { m_pageClass = std::move(pageClass); }

    // The state to remember while another page is shown.
    TPageData GetPageData() const;
    // Binds the page's calculation, takes its name and focuses its remembered control.
    void SetPageData(const TPageData& data);

    // Prints the page `copies` times.
    virtual void Drucken(int copies) = 0;
    // The page as text lines, heading first.
    virtual QStringList DruckText() = 0;
    // The page's size: what the panel's layout needs, at least the panel's minimum size.
    virtual int PageHeight() const;
    virtual int PageWidth() const;
    virtual void SetFocusTo(QWidget& control);

protected:
    void SetMainMenu(std::vector<QMenu*> entries) { m_mainMenu = std::move(entries); }

private:
    QPointer<TFormpanel> m_panel;
    TPageClass m_pageClass;
    std::string m_pageName;
    bool m_focusRestore = false;
    std::string m_focusControl; // the control the page was given to focus
    QMenu* m_popupMenu = nullptr;
    std::vector<QMenu*> m_mainMenu;
};

// The group index of a menu entry or popup item (0 when it has none).
int GroupIndex(const QAction& action);
void SetGroupIndex(QAction& action, int index);

class TMainPageForm : public TPageForm {
    Q_OBJECT
public:
    using TPageForm::TPageForm;

    // Builds the page's edit menu and its popup (merged into a popup of its own when the page
    // has one); an automatic scroll of the form is refused.
    void init() override;

    QMenu* CreateEditMenu(QWidget* parent) override;
    virtual QAction* CreateSeiteKopierenItem(bool mainMenu);
    virtual QAction* CreateDruckenItem(bool mainMenu);
    // The page popup "StdPagePopup".
    virtual QMenu* CreatePagePopup();

    void miDruckenClick();
    void miSeiteKopierenClick();

protected:
    // Called before the page popup opens.
    virtual void PagePopupMenuePopup() {}

private:
    QAction* CreatePageItem(const QString& name, const QString& caption, int helpContext,
                            const QString& hint, void (TMainPageForm::*onClick)(), bool mainMenu);
};
