#include "MVCFrame/DatenContainer.h"

#include "Lib/Exception.h"
#include "MVCFrame/Berechnung.h"

#include <algorithm>

TDatenContainer::TDatenContainer(TComponent* owner, const std::string& name) : TDaten(owner, name)
{
}

TDatenContainer::~TDatenContainer()
{
    // Each child leaves its list as it goes.
    while (!m_daten.empty())
        delete m_daten.back();
    while (!m_berechnungen.empty())
        delete m_berechnungen.back();
}

void TDatenContainer::AddBerechnung(TBerechnung& calc)
{
    m_berechnungen.push_back(&calc);
    calc.OnCalculated = [this](TBerechnung& sender) { ValueChanged(&sender, nullptr); };
}

void TDatenContainer::AddDaten(TDaten& daten)
{
    m_daten.push_back(&daten);
    daten.OnChange = [this](TDaten& sender, TValue* value) { ValueChanged(&sender, value); };
}

void TDatenContainer::RemoveBerechnung(TBerechnung& calc)
{
    std::erase(m_berechnungen, &calc);
}

void TDatenContainer::RemoveDaten(TDaten& daten)
{
    std::erase(m_daten, &daten);
}

TBerechnung& TDatenContainer::GetBerechnung(int index) const
{
    VT_ASSERT(index >= 0 && index < BerechnungCount(), "Index der Berechnung ungültig");
    return *m_berechnungen[static_cast<std::size_t>(index)];
}

TDaten& TDatenContainer::GetDaten(int index) const
{
    VT_ASSERT(index >= 0 && index < DatenCount(), "Index des Datensatzes ungültig");
    return *m_daten[static_cast<std::size_t>(index)];
}

void TDatenContainer::Assign(const TDaten& source)
{
    if (&source == this)
        return;
    {
        const TUpdateGuard update(*this);
        TDaten::Assign(source);
        if (const auto* other = dynamic_cast<const TDatenContainer*>(&source)) {
            if (other->DatenCount() == DatenCount())
                for (int i = 0; i < DatenCount(); ++i)
                    GetDaten(i).Assign(other->GetDaten(i));
            if (other->BerechnungCount() == BerechnungCount())
                for (int i = 0; i < BerechnungCount(); ++i)
                    GetBerechnung(i).Assign(other->GetBerechnung(i));
        }
    }
    Changed();
}

bool TDatenContainer::Equals(const TDaten& other) const
{
    const auto* container = dynamic_cast<const TDatenContainer*>(&other);
    if (!container)
        return false;
    VT_ASSERT(container->DatenCount() == DatenCount(), "DatenCount ungleich");
    if (!TDaten::Equals(other))
        return false;
    for (int i = DatenCount() - 1; i >= 0; --i)
        if (!GetDaten(i).Equals(container->GetDaten(i)))
            return false;
    if (container->BerechnungCount() == BerechnungCount())
        for (int i = BerechnungCount() - 1; i >= 0; --i)
            if (!GetBerechnung(i).Daten().Equals(container->GetBerechnung(i).Daten()))
                return false;
    return true;
}

void TDatenContainer::ReadValues(const TXIniFile& ini, const std::string& section)
{
    TDaten::ReadValues(ini, section);
    for (int i = 0; i < DatenCount(); ++i)
        GetDaten(i).LoadFromIni(ini, section + ChildSection(GetDaten(i), i));
    for (int i = 0; i < BerechnungCount(); ++i)
        GetBerechnung(i).LoadFromIni(ini, section + ChildSection(GetBerechnung(i), i));
}

void TDatenContainer::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    const std::string own = SectionFor(section);
    SaveOwnValues(ini, own);
    for (int i = 0; i < DatenCount(); ++i)
        GetDaten(i).SaveToIni(ini, own + ChildSection(GetDaten(i), i));
    for (int i = 0; i < BerechnungCount(); ++i)
        GetBerechnung(i).SaveToIni(ini, own + ChildSection(GetBerechnung(i), i));
}

void TDatenContainer::Reset()
{
    {
        const TUpdateGuard update(*this);
        TDaten::Reset();
        for (TDaten* daten : m_daten)
            daten->Reset();
        for (TBerechnung* calc : m_berechnungen)
            calc->Daten().Reset();
    }
    Changed();
}

void TDatenContainer::EndCreate()
{
    TDaten::EndCreate();
    for (TDaten* daten : m_daten)
        daten->EndCreate();
    for (TBerechnung* calc : m_berechnungen)
        calc->Daten().EndCreate();
}

bool TDatenContainer::BetrifftDaten(const TDaten& other) const
{
    for (const TDaten* daten : m_daten)
        if (daten == &other)
            return true;
    for (const TBerechnung* calc : m_berechnungen)
        if (calc->BetrifftDaten(other))
            return true;
    return false;
}

void TDatenContainer::WaehrungUmrechnen(const std::string& newName, bool convert, double newRate)
{
    TDaten::WaehrungUmrechnen(newName, convert, newRate);
    for (TDaten* daten : m_daten)
        daten->WaehrungUmrechnen(newName, convert, newRate);
    for (TBerechnung* calc : m_berechnungen)
        calc->WaehrungUmrechnen(newName, convert, newRate);
}

std::string TDatenContainer::ChildSection(const TComponent& child, int) const
{
    return child.Name();
}
