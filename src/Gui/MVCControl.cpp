#include "Gui/MVCControl.h"

#include "Gui/BergForm.h"
#include "Gui/GuiHooks.h"
#include "MVCFrame/Value.h"

#include <exception>

TMVCControl::TMVCControl(TBerechnungForm* owner) : m_owner(owner)
{
    if (m_owner)
        m_owner->AddControl(*this);
}

TMVCControl::~TMVCControl()
{
    if (m_owner)
        m_owner->RemoveControl(*this);
}

void TMVCControl::SetValue(TValue* value)
{
    m_value = value;
    Refresh();
}

bool TMVCControl::DarfSchreiben() const
{
    return m_value && m_refreshing == 0 && !(m_owner && m_owner->Updating());
}

void TMVCControl::Schreiben(const std::function<void(TValue&)>& schreiben)
{
    if (!DarfSchreiben())
        return;
    std::string grund;
    ++m_schreibt;
    try {
        TValue& value = *m_value;
        const TValue::TSetStand vorher = value.SetStand();
        schreiben(value);
        --m_schreibt;
        if (value.Abgelehnt(vorher))
            grund = value.Ablehnungsgrund();
    } catch (const std::exception& e) {
        --m_schreibt;
        ShowFehler(QString::fromStdString(e.what()));
    }
    // A refusal that has words for the user says them; the others show the content in force.
    if (!grund.empty())
        ShowFehler(QString::fromStdString(grund));
}
