#include "Gui/PageForm.h"

#include "Gui/GuiHooks.h"
#include "Lib/Exception.h"
#include "Lib/IniFile.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

TFormpanel::TFormpanel(QWidget* owner) : QWidget(owner)
{
    if (!owner)
        throw Exception(std::string(metaObject()->className()) + ": Owner darf nicht nil sein!");
    setObjectName("Formpanel");
}

void TFormpanel::SetFitHeight(int hoehe)
{
    if (hoehe == m_fitHeight)
        return;
    m_fitHeight = hoehe;
    setMinimumHeight(hoehe);
}

void TFormpanel::SetFitWidth(int breite)
{
    if (breite == m_fitWidth)
        return;
    m_fitWidth = breite;
    setMinimumWidth(breite);
}

TPageContainer::TPageContainer(QWidget* parent) : QScrollArea(parent)
{
    setObjectName("PageContainer");
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
}

TFormpanel* TPageContainer::Panel() const
{
    return qobject_cast<TFormpanel*>(widget());
}

void TPageContainer::SetPanel(TFormpanel* panel)
{
    if (panel == Panel())
        return;
    if (QWidget* alt = takeWidget()) {
        // The panel goes back to its page form, which frees it.
        alt->hide();
        alt->setParent(alt->property("pageForm").value<QWidget*>());
    }
    if (panel) {
        setWidget(panel);
        panel->show();
    }
}

void TPageContainer::contextMenuEvent(QContextMenuEvent* event)
{
    if (!m_popupMenu) {
        QScrollArea::contextMenuEvent(event);
        return;
    }
    m_popupMenu->popup(event->globalPos());
    event->accept();
}

void TPageData::LoadFromIni(const TXIniFile& ini)
{
    if (Name.empty())
        return;
    if (Berechnung)
        Berechnung->LoadFromIni(ini, Name);
    std::string gespeichert = ini.ReadString(Name, "ActiveControl", "");
    if (!gespeichert.empty())
        ActiveControl = std::move(gespeichert);
}

void TPageData::SaveToIni(TXIniFile& ini) const
{
    if (Name.empty())
        return;
    if (Berechnung)
        Berechnung->SaveToIni(ini, Name);
    ini.WriteString(Name, "ActiveControl", ActiveControl);
}

TPageForm::TPageForm(QWidget* parent) : TBerechnungForm(parent, Qt::Window)
{
    m_panel = new TFormpanel(this);
    m_panel->setProperty("pageForm", QVariant::fromValue<QWidget*>(this));
}

TPageForm::~TPageForm()
{
    // The panel may sit in the host's container; it goes with its page wherever it is.
    delete m_panel.data();
}

void TPageForm::init()
{
    TBerechnungForm::init();
    m_panel->SetFitHeight(PageHeight());
    m_panel->SetFitWidth(PageWidth());
}

int TPageForm::PageHeight() const
{
    const QSize groesse = m_panel->sizeHint();
    return groesse.isValid() ? groesse.expandedTo(m_panel->minimumSize()).height()
                             : m_panel->height();
}

int TPageForm::PageWidth() const
{
    const QSize groesse = m_panel->sizeHint();
    return groesse.isValid() ? groesse.expandedTo(m_panel->minimumSize()).width()
                             : m_panel->width();
}

void TPageForm::SetFocusTo(QWidget& control)
{
    control.setFocus(Qt::OtherFocusReason);
}

TPageData TPageForm::GetPageData() const
{
    TPageData data;
    if (m_focusRestore) {
        // The control last focused on the page, also while another window (a table) holds the
        // focus; else the control the page was given to focus.
        const QWidget* fokus = m_panel->window()->focusWidget();
        const std::string name = fokus && m_panel->isAncestorOf(fokus)
                                     ? fokus->objectName().toStdString()
                                     : std::string();
        data.ActiveControl = name.empty() ? m_focusControl : name;
    }
    data.Berechnung = Berechnung();
    data.Name = m_pageName;
    data.PageClass =
        m_pageClass.klasse == metaObject() ? m_pageClass : TPageClass{metaObject(), {}};
    return data;
}

void TPageForm::SetPageData(const TPageData& data)
{
    SetBerechnung(data.Berechnung);
    m_pageName = data.Name;
    if (data.ActiveControl.empty())
        return;
    m_focusRestore = true;
    m_focusControl = data.ActiveControl;
    if (auto* control = m_panel->findChild<QWidget*>(QString::fromStdString(data.ActiveControl)))
        SetFocusTo(*control);
}

int GroupIndex(const QAction& action)
{
    return action.property("groupIndex").toInt();
}

void SetGroupIndex(QAction& action, int index)
{
    action.setProperty("groupIndex", index);
}

void TMainPageForm::init()
{
    TPageForm::init();
    SetMainMenu({CreateEditMenu(this)});
    QMenu* eigenes = PopupMenu();
    if (!eigenes) {
        SetPopupMenu(CreatePagePopup());
        return;
    }
    connect(eigenes, &QMenu::aboutToShow, this, &TMainPageForm::PagePopupMenuePopup);
    // Each item of the page popup goes before the first item of a higher group.
    QMenu* seite = CreatePagePopup();
    const QList<QAction*> neue = seite->actions();
    for (QAction* item : neue) {
        seite->removeAction(item);
        QAction* vor = nullptr;
        for (QAction* vorhanden : eigenes->actions()) {
            if (GroupIndex(*vorhanden) > GroupIndex(*item)) {
                vor = vorhanden;
                break;
            }
        }
        eigenes->insertAction(vor, item);
    }
    delete seite;
}

QMenu* TMainPageForm::CreateEditMenu(QWidget* parent)
{
    QMenu* menu = TPageForm::CreateEditMenu(parent);
    menu->addSeparator();
    menu->addAction(CreateSeiteKopierenItem(true));
    return menu;
}

QAction* TMainPageForm::CreatePageItem(const QString& name, const QString& caption, int helpContext,
                                       const QString& hint, void (TMainPageForm::*onClick)(),
                                       bool mainMenu)
{
    auto* item = new QAction(caption, this);
    item->setObjectName((mainMenu ? "mi" : "pmi") + name);
    item->setProperty("helpContext", helpContext);
    item->setStatusTip(hint);
    connect(item, &QAction::triggered, this, onClick);
    return item;
}

QAction* TMainPageForm::CreateSeiteKopierenItem(bool mainMenu)
{
    return CreatePageItem("Seitekopieren", "&Seite kopieren", 51025,
                          "Daten der aktuellen Seite in die Zwischenablage kopieren.",
                          &TMainPageForm::miSeiteKopierenClick, mainMenu);
}

QAction* TMainPageForm::CreateDruckenItem(bool mainMenu)
{
    return CreatePageItem("Drucken", "&Drucken", 50025, "Daten der aktuellen Seite drucken.",
                          &TMainPageForm::miDruckenClick, mainMenu);
}

QMenu* TMainPageForm::CreatePagePopup()
{
    auto* popup = new QMenu(this);
    popup->setObjectName("StdPagePopup");
    popup->addAction(CreateSeiteKopierenItem(false));
    popup->addAction(CreateDruckenItem(false));
    // The separator belongs to the form, not to the menu: the items may move to another popup.
    auto* trenner = new QAction(this);
    trenner->setSeparator(true);
    SetGroupIndex(*trenner, 2);
    popup->addAction(trenner);
    QAction* beenden = CreateBeendenItem(false);
    SetGroupIndex(*beenden, 2);
    popup->addAction(beenden);
    connect(popup, &QMenu::aboutToShow, this, &TMainPageForm::PagePopupMenuePopup);
    return popup;
}

void TMainPageForm::miDruckenClick()
{
    try {
        Drucken(1);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}

void TMainPageForm::miSeiteKopierenClick()
{
    try {
        QString text;
        // Each line ended by CR LF, as in a text file of the page.
        for (const QString& zeile : DruckText())
            text += zeile + "\r\n";
        QApplication::clipboard()->setText(text);
    } catch (const std::exception& e) {
        ShowFehler(QString::fromStdString(e.what()));
    }
}
