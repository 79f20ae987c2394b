#include "MVCFrame/Berechnung.h"

#include "Lib/Exception.h"
#include "Lib/InstChck.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DatenContainer.h"

TBerechnung::TBerechnung(TComponent* owner, const std::string& name) : TComponent(owner)
{
    InstanceChecker().Register(this, name);
    SetName(name);
}

TBerechnung::~TBerechnung()
{
    if (auto* container = dynamic_cast<TDatenContainer*>(Owner()))
        container->RemoveBerechnung(*this);
    delete m_daten;
    InstanceChecker().Unregister(this);
}

void TBerechnung::init()
{
    m_daten = CreateDaten();
    VT_ASSERT(m_daten, "CreateDaten ohne Datensatz");
    m_daten->OnChange = [this](TDaten&, TValue*) { Recalculate(); };
    if (auto* container = dynamic_cast<TDatenContainer*>(Owner()))
        container->AddBerechnung(*this);
    Recalculate();
}

void TBerechnung::SetName(const std::string& name)
{
    TComponent::SetName(name);
    if (m_daten)
        m_daten->SetName(name);
}

void TBerechnung::Assign(const TBerechnung& source)
{
    m_daten->Assign(source.Daten());
}

std::unique_ptr<TBerechnung> TBerechnung::Clone() const
{
    std::unique_ptr<TBerechnung> clone(NewInstance(nullptr, std::string()));
    clone->Assign(*this);
    return clone;
}

TBerechnung* TBerechnung::NewInstance(TComponent*, const std::string&) const
{
    throw Exception("Die Berechnung " + Name() + " kann nicht kopiert werden");
}

void TBerechnung::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    m_daten->LoadFromIni(ini, section);
}

void TBerechnung::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    m_daten->SaveToIni(ini, section);
}

void TBerechnung::WaehrungUmrechnen(const std::string& newName, bool convert, double newRate)
{
    m_daten->WaehrungUmrechnen(newName, convert, newRate);
}

bool TBerechnung::BetrifftDaten(const TDaten& daten) const
{
    return &daten == m_daten || m_daten->BetrifftDaten(daten);
}

void TBerechnung::Recalculate()
{
    if (IsCalculating() || !m_daten->Modified())
        return;
    BeginCalc();
    try {
        Calculate();
        m_daten->SetModified(false);
    } catch (...) {
        // The set stays modified, so the next change calculates again.
        EndCalc();
        throw;
    }
    EndCalc();
    DoCalculated();
}

void TBerechnung::BeginCalc()
{
    ++m_calcCount;
    m_daten->BeginUpdate();
}

void TBerechnung::EndCalc()
{
    VT_ASSERT(m_calcCount > 0, "Ein EndCalc zuviel");
    --m_calcCount;
    m_daten->EndUpdate();
}

void TBerechnung::DoCalculated()
{
    if (OnCalculated)
        OnCalculated(*this);
}
