#pragma once
// The options dialog "Optionen": a tree of the option pages on the left, the page chosen on the
// right. It edits a working copy of the whole options container; "OK" assigns the copy to the
// live options (which tells every data set and window) and saves both OPTIONEN.INI files,
// "Abbrechen" leaves everything as it was.
//
// OptionenBearbeiten() is the main window's "&Optionen...": the dialog, then the tray launcher's
// autostart entry when the tray option changed.
#include "Gui/PageContainerForm.h"

#include <memory>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TOptionenVtrl;
class TOptionenVtrlDaten;

class TFoOptionen : public TPageContainerForm {
    Q_OBJECT
public:
    // `mitUpdate`: the "Update" page is offered (the outside updater is usable).
    TFoOptionen(TOptionenVtrl& optionen, bool mitUpdate, QWidget* parent = nullptr);
    ~TFoOptionen() override;

    TOptionenVtrlDaten& Arbeitskopie() const { return *m_kopie; }

    QTreeWidget* TreeView1 = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* bnOK = nullptr;
    QPushButton* MyButton2 = nullptr;
    QPushButton* bnHilfe = nullptr;

    void TreeView1Change(QTreeWidgetItem* knoten);
    void bnOKClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BaumAufbauen(bool mitUpdate);
    QTreeWidgetItem* Knoten(QTreeWidgetItem* eltern, const QString& text, int seite);

    TOptionenVtrl& m_optionen;
    std::unique_ptr<TOptionenVtrlDaten> m_kopie;
    bool m_imWechsel = false;
};

// Shows the options dialog modally. When "InfobereichSymbol" changed on OK, the tray launcher's
// autostart entry is created (switched on) or deleted (off); a failure is shown and the option
// stays as chosen. Returns whether the user confirmed.
bool OptionenBearbeiten();
// Creates or deletes the tray launcher's autostart entry; a failure is shown, never thrown.
void TrayAutostartAnpassen(bool ein);
