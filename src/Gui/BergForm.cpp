#include "Gui/BergForm.h"

#include "Gui/MVCControl.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"
#include "Lib/Exception.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DatenContainer.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"

#include <QSignalBlocker>

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

TMVCControl* TBerechnungForm::ControlNamens(std::string_view name) const
{
    // Compared without a copy of each name: binding a page looks up every control once.
    const QString gesucht = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    for (TMVCControl* control : m_controls) {
        const auto* widget = dynamic_cast<const QObject*>(control);
        if (widget && widget->objectName() == gesucht)
            return control;
    }
    return nullptr;
}

namespace {

// A value of `daten` by name; "Kind.Name" is the value "Name" of the child data set or child
// calculation "Kind" of a container, as deep as the dots go. nullptr when there is none.
TValue* WertNamens(const TDaten& daten, std::string_view pfad)
{
    const auto punkt = pfad.find('.');
    if (punkt == std::string_view::npos)
        return daten.FindValue(std::string(pfad));
    const auto* container = dynamic_cast<const TDatenContainer*>(&daten);
    if (!container)
        return nullptr;
    const std::string_view kind = pfad.substr(0, punkt);
    const std::string_view rest = pfad.substr(punkt + 1);
    for (int i = 0; i < container->DatenCount(); ++i)
        if (container->GetDaten(i).Name() == kind)
            return WertNamens(container->GetDaten(i), rest);
    for (int i = 0; i < container->BerechnungCount(); ++i)
        if (container->GetBerechnung(i).Name() == kind)
            return WertNamens(container->GetBerechnung(i).Daten(), rest);
    return nullptr;
}

} // namespace

void TBerechnungForm::Binden(std::span<const TBindung> bindungen)
{
    TDaten* daten = m_berechnung ? &m_berechnung->Daten() : nullptr;
    for (const TBindung& bindung : bindungen) {
        TMVCControl* control = ControlNamens(bindung.control);
        TValue* wert = daten ? WertNamens(*daten, bindung.wert) : nullptr;
        VT_ASSERT(control, "bound control missing on the form");
        VT_ASSERT(!daten || wert, "bound value missing in the data set");
        if (auto* betrag = dynamic_cast<TMVCBetrag*>(control))
            if (const auto* zahl = dynamic_cast<const TDouble*>(wert))
                betrag->SetDezimalstellen(zahl->Decimals());
        auto* combo = dynamic_cast<TMVCComboBox*>(control);
        const auto* bereich = dynamic_cast<const TCustomIntegerMinMax*>(wert);
        if (combo && bereich && !dynamic_cast<const TCustomIntegerLookup*>(wert)) {
            // A small range (tax class, children of the care insurance) is picked from its
            // numbers; any number can be typed.
            const QSignalBlocker blocker(combo);
            combo->setEditable(true);
            combo->clear();
            if (bereich->Maximum() - bereich->Minimum() <= 12)
                for (int n = bereich->Minimum(); n <= bereich->Maximum(); ++n)
                    combo->addItem(QString::number(n));
        }
        control->SetValue(wert);
    }
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
    ++m_aktualisierungen;
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
