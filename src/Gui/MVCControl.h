#pragma once
// Value-bound controls: each shows and edits one value (TValue) of a data set. They are told
//   Refresh()  re-read the value's text and state (never writes back, never disturbs typing:
//              a text is set only when it differs, so the caret and the undo stay),
//   Detach()   forget the value (no refresh follows),
//   Value()    the bound value (nullptr when unbound),
// and they write the user's change into the value unless their owner form is binding or
// refreshing. The owner form is given explicitly: a page sits inside the main window, so the Qt
// parent chain does not lead to it.
//
//   MVCEdit.h    TMVCLabel, TMVCEdit, TMVCBetrag, TMVCMaskEdit, TMVCDateEdit
//   MVCButton.h  TMVCButton, TMVCCheckBox
//   MVCListe.h   TMVCListBox, TMVCComboBox
#include <functional>

class TBerechnungForm;
class TValue;

class TMVCControl {
public:
    explicit TMVCControl(TBerechnungForm* owner);
    virtual ~TMVCControl();
    TMVCControl(const TMVCControl&) = delete;
    TMVCControl& operator=(const TMVCControl&) = delete;

    TValue* Value() const { return m_value; }
    // Binds the value and refreshes at once.
    virtual void SetValue(TValue* value);
    virtual void Refresh() = 0;
    virtual void Detach() { m_value = nullptr; }

    TBerechnungForm* Owner() const { return m_owner; }
    // The owner form is going: it is not told about this control any more.
    void ForgetOwner() { m_owner = nullptr; }

protected:
    // A value is bound, no refresh of this control runs and the owner form is not updating.
    bool DarfSchreiben() const;
    // Set while this control writes: a refresh that its own write causes must not replace the
    // text the user is still typing.
    bool Schreibt() const { return m_schreibt > 0; }
    // Writes into the value; an exception is shown to the user and goes no further (the call
    // comes from a widget's signal).
    void Schreiben(const std::function<void(TValue&)>& schreiben);

    // Set while Refresh runs, so that the widget's own change signals do not write back.
    class TRefreshGuard {
    public:
        explicit TRefreshGuard(TMVCControl& control) : m_control(control)
        {
            ++m_control.m_refreshing;
        }
        ~TRefreshGuard() { --m_control.m_refreshing; }
        TRefreshGuard(const TRefreshGuard&) = delete;
        TRefreshGuard& operator=(const TRefreshGuard&) = delete;

    private:
        TMVCControl& m_control;
    };

    TValue* m_value = nullptr;

private:
    TBerechnungForm* m_owner = nullptr;
    int m_refreshing = 0;
    int m_schreibt = 0;
};
