#pragma once
// The form framework. Every window of the program derives from these classes:
//
//   TXoForm           the same edit menu and edit popup everywhere, clipboard commands on the
//                     focused edit field, Shift+F10, large-font scaling, storing and restoring the
//                     window placement, modal display centred over the owner; a form's timer
//                     requests die with it.
//   TBaseForm         follows the display options (large and bold font), at creation and
//                     whenever they change.
//   TBerechnungForm   (BergForm.h) binds a form to one calculation and refreshes its controls.
//
// Forms are built in two phases: the constructor, then init() (called by whoever creates the
// form), which hands the edit popup to the edit fields and applies the options. Every form is
// listed while it exists; SendToAllForms reaches them newest first (the model's "data set
// changed" notice travels that way).
#include <QWidget>

#include <functional>

class QAction;
class QMenu;
class TDaten;
class TIniFile;
class TXIniFile;

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

class TXoForm : public QWidget {
    Q_OBJECT
public:
    explicit TXoForm(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);
    ~TXoForm() override;

    // The second construction phase ("Loaded"): the edit fields get the form's edit popup.
    virtual void init();

    // Centres over the owner and runs the form modally; returns its modal result.
    int ShowModal();
    // Creates a form of class T without owner, shows it modally and frees it; true on mrOk.
    template <class T> static bool ShowModalForm()
    {
        T form;
        form.init();
        return form.ShowModal() == mrOk;
    }
    // Closes a modal form with this result.
    void SetModalResult(int result);
    int ModalResult() const;

    void CenterOnOwner();
    // Pulls the form back into the work area where it reaches past its right or bottom edge.
    void FitToWorkArea();
    bool GrosseSchrift() const { return m_grosseSchrift; }
    void SetGrosseSchrift(bool value);
    // Shows or hides a control and grows or shrinks the form by its height (normal state only).
    void SetControlVisible(QWidget& control, bool visible);
    // The restored-window rectangle (left, top, width, height), also while maximised.
    QRect GetNormalBounds() const;
    void SetNormalBounds(const QRect& bounds);

    virtual void ToggleScaling();
    virtual int DefaultHeight() const { return 300; }
    virtual int DefaultWidth() const { return 400; }
    // The form's edit popup ("StdEditPopup"), created on first request.
    virtual QMenu* CreateEditPopup();
    // The "&Bearbeiten" entry of a main menu; the descendants place it.
    virtual QMenu* CreateEditMenu(QWidget* parent);
    virtual QAction* CreateRueckgaengigItem(bool mainMenu);
    virtual QAction* CreateAusschneidenItem(bool mainMenu);
    virtual QAction* CreateKopierenItem(bool mainMenu);
    virtual QAction* CreateEinfuegenItem(bool mainMenu);
    virtual QAction* CreateLoeschenItem(bool mainMenu);
    virtual QAction* CreateAllesMarkierenItem(bool mainMenu);
    virtual QAction* CreateHilfeZumFeldItem(bool mainMenu);
    virtual QAction* CreateBeendenItem(bool mainMenu);
    virtual QAction* CreateRechnerItem(bool mainMenu);
    virtual void SetFetteSchrift(bool bold);
    // The window placement in the section named like the form ("Hoehe", "Breite", "Oben",
    // "Links", "Maximiert").
    virtual void LoadPosition(const TIniFile& ini);
    virtual void SavePosition(TXIniFile& ini);

    // Enables the edit items by the focused edit field and sets their hints.
    void UpdateEditItems(bool popup);

    // The "data set changed" notice; the framework classes react in their overrides.
    virtual void DatenGeaendert(TDaten& daten);
    // Keys that another form passes on to the main window.
    virtual void HauptformKeyDown(TXoForm& sender, QKeyEvent* event);

    // The program's main window (gets every form's keys), or nullptr.
    static TXoForm* MainForm();
    static void SetMainForm(TXoForm* form);

    // The edit commands (menu and popup).
    void miRueckgaengigClick();
    void miAusschneidenClick();
    void miKopierenClick();
    void miEinfuegenClick();
    void miLoeschenClick();
    void miAllesMarkierenClick();
    void miHilfezumFeldClick();
    void miBeendenClick();
    void miRechnerClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A window is kept whole inside the work area, its frame included.
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void ScaleBy(int m, int d);

private:
    QAction* CreateItem(const QString& name, const QString& caption, int key, int helpContext,
                        void (TXoForm::*onClick)(), bool mainMenu);
    void ZeigeEditPopup(QWidget& control, const QPoint& pos);

    bool m_grosseSchrift = false;
    QMenu* m_editPopup = nullptr;
};

// Hands `deliver` every form that exists, newest first, over a snapshot: a form that a delivery
// closes or creates is neither reached twice nor touched after it is gone.
void SendToAllForms(const std::function<void(TXoForm&)>& deliver);

class TBaseForm : public TXoForm {
    Q_OBJECT
public:
    using TXoForm::TXoForm;
    void init() override;
    // Large and bold font as the display options say.
    void ApplyOptions();
    void DatenGeaendert(TDaten& daten) override;
};
