#include "Gui/PageMainForm.h"

#include "Gui/XoApp.h"

#include <QAction>
#include <QMenu>

TPageMainForm::~TPageMainForm()
{
    if (TXoApplication* app = XoApplicationSingleton().Existing())
        app->TrayIcon().SetPopupMenu(nullptr);
}

void TPageMainForm::init()
{
    TPageContainerForm::init();
    TRxTrayIcon& icon = XoApplication().TrayIcon();
    icon.SetPopupMenu(CreateTrayPopup());
    icon.SetIcon(windowIcon());
}

QAction* TPageMainForm::CreateRestoreItem(bool mainMenu)
{
    auto* item = new QAction("&Wiederherstellen", this);
    item->setObjectName(mainMenu ? "miWiederherstellen" : "pmiWiederherstellen");
    item->setProperty("helpContext", 0);
    connect(item, &QAction::triggered, this, &TPageMainForm::miWiederherstellenClick);
    return item;
}

QMenu* TPageMainForm::CreateTrayPopup()
{
    auto* popup = new QMenu(this);
    popup->setObjectName("StdTrayPopup");
    QAction* wiederherstellen = CreateRestoreItem(false);
    popup->addAction(wiederherstellen);
    popup->setDefaultAction(wiederherstellen);
    popup->addSeparator();
    popup->addAction(CreateBeendenItem(false));
    return popup;
}

void TPageMainForm::miWiederherstellenClick()
{
    XoApplication().AppRestore();
}
