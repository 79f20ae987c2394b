#pragma once
// Value-bound button and check box (see MVCControl.h).
#include "Gui/MVCControl.h"

#include <QCheckBox>
#include <QPushButton>

// Enabled while its boolean value is true (and determined and enabled); unbound: enabled.
class TMVCButton : public QPushButton, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCButton(TBerechnungForm* owner, QWidget* parent = nullptr);
    void Refresh() override;
    // Unbinding refreshes too, so the button is enabled again.
    void Detach() override { SetValue(nullptr); }
};

// Checked by its boolean value; an undetermined value shows the third (grey) state until the
// user clicks.
class TMVCCheckBox : public QCheckBox, public TMVCControl {
    Q_OBJECT
public:
    explicit TMVCCheckBox(TBerechnungForm* owner, QWidget* parent = nullptr);
    void Refresh() override;

protected:
    // A click never leads into the grey state.
    void nextCheckState() override;
};
