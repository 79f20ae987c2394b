#pragma once
// Forms bound to a calculation. A TBerechnungForm binds its value-bound controls (MVCControl.h) to
// the values of its calculation's data set in BindControls and refreshes them all together
// whenever a data set that the calculation depends on changes. While it binds or refreshes,
// Updating() is set and no control writes back, so a refresh never feeds itself.
//
// A TBerechnungDialog edits a copy of a calculation; OK copies the copy back, Cancel leaves the
// calculation as it was.
#include "Gui/XoForm.h"
#include "MVCFrame/Berechnung.h" // the dialog owns a copy

#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class TMVCControl;

// One line of a form's binding table: a control's object name and the name of its value.
struct TBindung {
    const char* control;
    const char* wert;
};

class TBerechnungForm : public TBaseForm {
    Q_OBJECT
public:
    using TBaseForm::TBaseForm;
    ~TBerechnungForm() override;

    TBerechnung* Berechnung() const { return m_berechnung; }
    // Binds the form (BindControls, then Refresh); nullptr unbinds every control.
    void SetBerechnung(TBerechnung* berechnung);
    // Every control re-reads its value, then AfterRefresh; dropped while binding or refreshing.
    void Refresh();
    // How often Refresh reached the controls: a restored value must not cost a refresh each.
    int Aktualisierungen() const { return m_aktualisierungen; }
    bool Updating() const { return m_updating; }
    // Runs `action` on every control of the form, in the order they were created.
    void PerformAll(const std::function<void(TMVCControl&)>& action);

    void DatenGeaendert(TDaten& daten) override;

    // The controls register themselves with their owner form.
    void AddControl(TMVCControl& control);
    void RemoveControl(TMVCControl& control);
    // A control of this form by its object name, or nullptr.
    TMVCControl* ControlNamens(std::string_view name) const;

protected:
    virtual void AfterRefresh() {}
    virtual void BindControls() {}
    // Binds the controls of `bindungen`, in that order, to the values of the calculation's data
    // set ("Kind.Name": value "Name" of the container's child "Kind"). An amount field takes its
    // value's decimal places; a combo box of a whole number is editable and offers the numbers of
    // a small range. A control or value that does not exist is a fault of the form (assertion).
    void Binden(std::span<const TBindung> bindungen);
    virtual void DoSetBerechnung(TBerechnung* berechnung) { m_berechnung = berechnung; }

private:
    TBerechnung* m_berechnung = nullptr;
    bool m_updating = false;
    int m_aktualisierungen = 0;
    std::vector<TMVCControl*> m_controls;
};

class TBerechnungDialog : public TBerechnungForm {
    Q_OBJECT
public:
    using TBerechnungForm::TBerechnungForm;
    ~TBerechnungDialog() override;

    // Shows a dialog of class D on a copy of `berechnung`; on OK the copy is assigned back.
    template <class D> static bool Execute(TBerechnung& berechnung)
    {
        D dialog;
        dialog.init();
        dialog.SetBerechnung(&berechnung);
        const bool ok = dialog.ShowModal() == mrOk;
        if (ok)
            dialog.Zurueckschreiben();
        return ok;
    }

    TBerechnung* Gegeben() const { return m_gegeben; }

protected:
    void DoSetBerechnung(TBerechnung* berechnung) override;

private:
    void Zurueckschreiben();

    std::unique_ptr<TBerechnung> m_kopie;
    TBerechnung* m_gegeben = nullptr;
};

// Installs "send to all forms" as the model's "data set changed" hook: every change notice goes to
// every form, newest first.
void InstallDatenGeaendertHook();
