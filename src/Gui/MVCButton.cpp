#include "Gui/MVCButton.h"

#include "Gui/FrmLib.h"
#include "MVCFrame/Value.h"

TMVCButton::TMVCButton(TBerechnungForm* owner, QWidget* parent)
    : QPushButton(parent), TMVCControl(owner)
{
}

void TMVCButton::Refresh()
{
    TRefreshGuard guard(*this);
    const bool enabled =
        !m_value || (!m_value->IsUndetermined() && m_value->IsEnabled() && m_value->GetAsBoolean());
    setEnabled(enabled);
}

TMVCCheckBox::TMVCCheckBox(TBerechnungForm* owner, QWidget* parent)
    : QCheckBox(parent), TMVCControl(owner)
{
    connect(this, &QCheckBox::clicked, this, [this](bool checked) {
        Schreiben([checked](TValue& value) { value.SetAsBoolean(checked); });
    });
}

void TMVCCheckBox::Refresh()
{
    if (!m_value)
        return;
    TRefreshGuard guard(*this);
    const Qt::CheckState state = m_value->IsUndetermined() ? Qt::PartiallyChecked
                                 : m_value->GetAsBoolean() ? Qt::Checked
                                                           : Qt::Unchecked;
    if (checkState() != state)
        setCheckState(state);
    SetControlEnabled(*this, m_value->IsEnabled());
}

void TMVCCheckBox::nextCheckState()
{
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    setTristate(false);
}
