#pragma once
// The class of the main window: a page window whose icon in the notification area offers
// "&Wiederherstellen" (also on a double click) and "&Beenden".
#include "Gui/PageContainerForm.h"

class TPageMainForm : public TPageContainerForm {
    Q_OBJECT
public:
    using TPageContainerForm::TPageContainerForm;
    ~TPageMainForm() override;

    // Hands the application's notification-area icon its popup and the window's icon.
    void init() override;

    virtual QAction* CreateRestoreItem(bool mainMenu);
    // The popup "StdTrayPopup".
    virtual QMenu* CreateTrayPopup();

    void miWiederherstellenClick();
};
