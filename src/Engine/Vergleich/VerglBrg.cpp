#include "Engine/Vergleich/VerglBrg.h"

#include "Lib/Exception.h"
#include "MVCFrame/DoubleValue.h"

#include <algorithm>

namespace {

// Rates, factors and the exchange rate itself are the same in every currency.
bool IstSatz(const TDaten& daten, const TValue& wert)
{
    if (&wert == static_cast<const TValue*>(daten.Waehrungskurs()))
        return true;
    const std::string& name = wert.Name();
    return name.find("Satz") != std::string::npos || name.find("satz") != std::string::npos ||
           name.find("Faktor") != std::string::npos;
}

} // namespace

TVergleichDaten::TVergleichDaten(TComponent* owner, const std::string& name,
                                 TBerechnungKlasse klasse)
    : TDatenContainer(owner, name), m_klasse(klasse)
{
    VT_ASSERT(klasse != nullptr, "Vergleich ohne Berechnungsklasse");
}

void TVergleichDaten::CreateValues()
{
    // No values of its own: the three calculations join the container as they are created.
    m_klasse(this, Name() + "1");
    m_klasse(this, Name() + "2");
    m_klasse(this, Name() + "Diff");
    Markieren();
}

void TVergleichDaten::Markieren()
{
    for (TBerechnung* fall : {&Daten1(), &Daten2()})
        fall->Daten().ForEachValue([](TValue& wert) { wert.SetFlag(TValue::vfComputed, true); });
    DatenDiff().Daten().ForEachValue([](TValue& wert) {
        wert.OnChange = nullptr;
        wert.SetFlag(TValue::vfReadOnly | TValue::vfComputed, true);
    });
}

void TVergleichDaten::Assign(const TDaten& source)
{
    TDatenContainer::Assign(source);
    Markieren();
}

TVergleichBerechnung::TVergleichBerechnung(TComponent* owner, const std::string& name,
                                           TBerechnungKlasse klasse)
    : TBerechnung(owner, name), m_klasse(klasse)
{
}

TDaten* TVergleichBerechnung::CreateDaten()
{
    return CreateComponent<TVergleichDaten>(this, Name(), m_klasse);
}

TVergleichDaten& TVergleichBerechnung::VergleichDaten() const
{
    return dynamic_cast<TVergleichDaten&>(Daten());
}

void TVergleichBerechnung::SetDaten1(const TBerechnung& berechnung)
{
    Daten1().Assign(berechnung);
    VergleichDaten().Markieren();
}

void TVergleichBerechnung::SetDaten2(const TBerechnung& berechnung)
{
    Daten2().Assign(berechnung);
    VergleichDaten().Markieren();
}

TBerechnung* TVergleichBerechnung::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TVergleichBerechnung>(owner, name, m_klasse);
}

std::unique_ptr<TVergleichBerechnung> TVergleichBerechnung::Clone() const
{
    std::unique_ptr<TVergleichBerechnung> kopie(
        CreateComponent<TVergleichBerechnung>(nullptr, Name() + "Clone", m_klasse));
    kopie->Assign(*this);
    return kopie;
}

void TVergleichBerechnung::Calculate()
{
    const TDaten& d1 = Daten1().Daten();
    const TDaten& d2 = Daten2().Daten();
    const TDaten& dd = DatenDiff().Daten();
    const bool kursVerschieden = d1.Waehrungskurs() && d2.Waehrungskurs() &&
                                 d1.Waehrungskurs()->GetValue() != d2.Waehrungskurs()->GetValue();
    const int anzahl = std::min({d1.ValueCount(), d2.ValueCount(), dd.ValueCount()});
    for (int i = 0; i < anzahl; ++i) {
        const auto* wert2 = dynamic_cast<const TDouble*>(&d2.GetValue(i));
        const auto* wert1 = dynamic_cast<const TDouble*>(&d1.GetValue(i));
        auto* diff = dynamic_cast<TDouble*>(&dd.GetValue(i));
        if (!wert2 || !wert1 || !diff)
            continue;
        // At case 1's own decimals, so that a rate of six places is not cut to two.
        TDouble arbeit(nullptr, std::string(), 0, 0, wert1->Decimals());
        wert1->AssignTo(arbeit);
        if (kursVerschieden && !IstSatz(d1, *wert1))
            arbeit.Dreisatz(d1.Waehrungskurs()->GetValue(), d2.Waehrungskurs()->GetValue());
        // A value either case asks for has a difference, even where the difference's own
        // inputs would not ask for it (equal progression income gives 0); one neither asks for
        // has none.
        diff->SetFlag(TValue::vfEnabled, wert1->IsEnabled() || wert2->IsEnabled());
        diff->SetValue(wert2->GetValue() - arbeit.GetValue());
    }
}
