#include "Gui/BergForm.h"

#include "Gui/MVCControl.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"

#include <algorithm>

namespace {

// Sets a flag for a scope; cleared also when an exception leaves it.
class TFlagGuard {
public:
    explicit TFlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~TFlagGuard() { m_flag = false; }
    TFlagGuard(const TFlagGuard&) = delete;
    TFlagGuard& operator=(const TFlagGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

TBerechnungForm::~TBerechnungForm()
{
    // The controls are children and go after this part of the form: they must not call back.
    for (TMVCControl* control : m_controls)
        control->ForgetOwner();
}

void TBerechnungForm::AddControl(TMVCControl& control)
{
    m_controls.push_back(&control);
}

void TBerechnungForm::RemoveControl(TMVCControl& control)
{
    m_controls.erase(std::remove(m_controls.begin(), m_controls.end(), &control), m_controls.end());
}

void TBerechnungForm::PerformAll(const std::function<void(TMVCControl&)>& action)
{
    const std::vector<TMVCControl*> controls = m_controls;
    for (TMVCControl* control : controls) {
        if (std::find(m_controls.begin(), m_controls.end(), control) != m_controls.end())
            action(*control);
    }
}

void TBerechnungForm::SetBerechnung(TBerechnung* berechnung)
{
    DoSetBerechnung(berechnung);
    if (!m_berechnung) {
        PerformAll([](TMVCControl& control) { control.Detach(); });
        return;
    }
    {
        TFlagGuard guard(m_updating);
        BindControls();
    }
    Refresh();
}

void TBerechnungForm::Refresh()
{
    if (m_updating)
        return;
    TFlagGuard guard(m_updating);
    PerformAll([](TMVCControl& control) { control.Refresh(); });
    AfterRefresh();
}

void TBerechnungForm::DatenGeaendert(TDaten& daten)
{
    TBaseForm::DatenGeaendert(daten);
    if (m_berechnung && m_berechnung->BetrifftDaten(daten))
        Refresh();
}

TBerechnungDialog::~TBerechnungDialog()
{
    // The controls must not keep values of the copy that goes now.
    PerformAll([](TMVCControl& control) { control.Detach(); });
}

void TBerechnungDialog::DoSetBerechnung(TBerechnung* berechnung)
{
    std::unique_ptr<TBerechnung> kopie = berechnung ? berechnung->Clone() : nullptr;
    // No control may keep a value of the copy that is freed here.
    if (m_kopie)
        PerformAll([](TMVCControl& control) { control.Detach(); });
    TBerechnungForm::DoSetBerechnung(kopie.get());
    m_kopie = std::move(kopie);
    m_gegeben = berechnung;
}

void TBerechnungDialog::Zurueckschreiben()
{
    if (m_gegeben && m_kopie)
        m_gegeben->Assign(*m_kopie);
}

void InstallDatenGeaendertHook()
{
    SetDatenGeaendertHook([](TDaten& daten) {
        SendToAllForms([&daten](TXoForm& form) { form.DatenGeaendert(daten); });
    });
}
