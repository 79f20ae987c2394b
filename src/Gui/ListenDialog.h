#pragma once
// The list-and-edit dialogs of the master data and the pay items, all on a copy of their
// calculation (TBerechnungDialog):
//
//   TGebundenerDialog  controls bound by value name (a table filled while building), "&OK",
//                      "Abbrechen" and a hidden "&Hilfe"
//   TEintragDialog     one entry in a form of fields; "&OK" follows the entry's "IsOK" where it
//                      has one and runs Speichern, whose exception keeps the dialog open with
//                      the input as typed
//   TListenDialog      a multi-selection list with "&Neu...", "Än&dern...", "&Löschen", "&OK"
//                      and "Abbrechen"; the default button moves with the marks, Delete and a
//                      double click act like their buttons while these are enabled, and deleting
//                      asks once, naming the entry in quotes or giving the count, with No as the
//                      default
// The derived dialogs bind the buttons to their data's enabling values and say what the list's
// entries are called and what deleting removes.
#include "Gui/BergForm.h"

#include <QString>
#include <QStringList>

#include <string>
#include <utility>
#include <vector>

class QBoxLayout;
class QFormLayout;
class QPushButton;
class QVBoxLayout;
class TMVCButton;
class TMVCListBox;
class TValue;

// Asks Yes/No with the question icon and No as the default (through the modal hook); true on Yes.
bool JaNeinFrage(QWidget* parent, const QString& titel, const QString& text);

class TGebundenerDialog : public TBerechnungDialog {
    Q_OBJECT
public:
    explicit TGebundenerDialog(QWidget* parent = nullptr);

    QPushButton* bnAbbrechen() const { return m_abbrechen; }
    QPushButton* bnHilfe() const { return m_hilfe; }
    // The value a control is bound to is looked up by name in the bound data set; amount fields
    // take the value's decimal places.
    template <class T> T* Gebunden(T* control, const char* wert)
    {
        m_bindungen.emplace_back(control, wert);
        return control;
    }

protected:
    void BindControls() override;
    void keyPressEvent(QKeyEvent* event) override;
    // At the first showing: Tab runs through the bound fields in the order they were made, then
    // along the row of buttons; the first field has the focus.
    void showEvent(QShowEvent* event) override;
    // The dialog's own buttons in the order Tab reaches them.
    virtual QList<QWidget*> Knopfreihe() const = 0;
    // Bound values are looked for here (the calculation's data set unless a dialog says otherwise).
    virtual TValue* WertFuer(const std::string& name) const;
    QPushButton* KnopfAnlegen(const char* name, const QString& text);

private:
    std::vector<std::pair<QWidget*, std::string>> m_bindungen;
    bool m_gezeigt = false;
    QPushButton* m_abbrechen = nullptr;
    QPushButton* m_hilfe = nullptr;
};

class TEintragDialog : public TGebundenerDialog {
    Q_OBJECT
public:
    explicit TEintragDialog(QWidget* parent = nullptr);

    TMVCButton* bnOK() const { return m_ok; }
    QFormLayout* Felder() const { return m_felder; }
    void bnOKClick();

protected:
    // Stores the entry; an exception is shown and keeps the dialog open.
    virtual void Speichern() {}
    QList<QWidget*> Knopfreihe() const override;
    QVBoxLayout* Haupt() const { return m_haupt; }

private:
    QVBoxLayout* m_haupt = nullptr;
    QFormLayout* m_felder = nullptr;
    TMVCButton* m_ok = nullptr;
};

class TListenDialog : public TGebundenerDialog {
    Q_OBJECT
public:
    explicit TListenDialog(QWidget* parent = nullptr);

    TMVCListBox* Liste() const { return m_liste; }
    QPushButton* bnNeu() const { return m_neu; }
    TMVCButton* bnAendern() const { return m_aendern; }
    TMVCButton* bnLoeschen() const { return m_loeschen; }
    TMVCButton* bnOK() const { return m_ok; }

    void bnNeuClick();
    void bnAendernClick();
    void bnLoeschenClick();

protected:
    // Builds list and buttons; `liste` is the list control (a derived class may bring its own).
    void Aufbauen(TMVCListBox* liste, const char* listenName, const char* listenWert,
                  const char* aendernWert, const char* loeschenWert, const char* okWert,
                  const QString& loeschenText);
    void AfterRefresh() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QList<QWidget*> Knopfreihe() const override;

    // The button that Enter presses now, or nullptr.
    virtual QPushButton* StandardKnopf() const = 0;
    virtual void Neu() = 0;
    virtual void Aendern() = 0;
    // The texts of the marked entries that deleting will really remove.
    virtual QStringList LoeschKandidaten() const = 0;
    virtual void MarkierteLoeschen() = 0;
    virtual QString LoeschenTitel() const = 0;
    virtual QString LoeschenFrage(const QString& eintrag) const = 0;
    virtual QString LoeschenFrage(int anzahl) const = 0;
    // After a save or delete: every form re-reads its values (choices of funds and currencies).
    static void StammdatenGeaendert();
    QVBoxLayout* Haupt() const { return m_haupt; }

private:
    void StandardKnopfSetzen(QPushButton* knopf);

    QVBoxLayout* m_haupt = nullptr;
    TMVCListBox* m_liste = nullptr;
    QPushButton* m_neu = nullptr;
    TMVCButton* m_aendern = nullptr;
    TMVCButton* m_loeschen = nullptr;
    TMVCButton* m_ok = nullptr;
};
