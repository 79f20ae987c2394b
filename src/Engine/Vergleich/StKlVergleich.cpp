#include "Engine/Vergleich/StKlVergleich.h"

#include "Lib/Exception.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/StringValue.h"

namespace {

TInteger& Ganzzahl(const TDaten& daten, const char* name)
{
    auto* wert = dynamic_cast<TInteger*>(daten.FindValue(name));
    VT_ASSERT(wert != nullptr, (std::string("Lohnwert fehlt: ") + name).c_str());
    return *wert;
}

// The wage tax of the spouse's payroll in tax class `klasse`: setting the class recalculates it.
double LohnsteuerIn(const TDaten& lohn, int klasse)
{
    Ganzzahl(lohn, "Steuerklasse").SetValue(klasse);
    auto* lohnsteuer = dynamic_cast<TDouble*>(lohn.FindValue("Lohnsteuer"));
    VT_ASSERT(lohnsteuer != nullptr, "Lohnwert fehlt: Lohnsteuer");
    return lohnsteuer->GetValue();
}

} // namespace

void TLohnsteuerDaten::CreateValues()
{
    constexpr TValueCreateFlags kErgebnis = cfComputed | cfShowDisabled;
    m_a = new TDouble(this, "A", kErgebnis);
    m_b = new TDouble(this, "B", kErgebnis);
    m_gesamt = new TDouble(this, "Gesamt", kErgebnis);
}

void TLohnsteuerDaten::Freigeben(bool an)
{
    ForEachValue([an](TValue& wert) { wert.SetFlag(TValue::vfEnabled, an); });
}

TStKlVergleichDaten::TStKlVergleichDaten(TComponent* owner, const std::string& name,
                                         TBerechnungKlasse lohn)
    : TDatenContainer(owner, name), m_lohn(lohn)
{
    VT_ASSERT(lohn != nullptr, "Steuerklassenvergleich ohne Lohnberechnung");
}

void TStKlVergleichDaten::CreateValues()
{
    m_lohn(this, "EhegatteA");
    m_lohn(this, "EhegatteB");
    CreateComponent<TLohnsteuerDaten>(this, "LSt35");
    CreateComponent<TLohnsteuerDaten>(this, "LSt44");
    CreateComponent<TLohnsteuerDaten>(this, "LSt53");
    m_ergebnis = new TString(this, "Ergebnis", cfComputed);
}

TLohnsteuerDaten& TStKlVergleichDaten::LSt35() const
{
    return dynamic_cast<TLohnsteuerDaten&>(GetDaten(0));
}

TLohnsteuerDaten& TStKlVergleichDaten::LSt44() const
{
    return dynamic_cast<TLohnsteuerDaten&>(GetDaten(1));
}

TLohnsteuerDaten& TStKlVergleichDaten::LSt53() const
{
    return dynamic_cast<TLohnsteuerDaten&>(GetDaten(2));
}

TStKlVergleichBerechnung::TStKlVergleichBerechnung(TComponent* owner, const std::string& name,
                                                   TBerechnungKlasse lohn)
    : TBerechnung(owner, name), m_lohn(lohn)
{
}

TDaten* TStKlVergleichBerechnung::CreateDaten()
{
    return CreateComponent<TStKlVergleichDaten>(this, Name(), m_lohn);
}

TStKlVergleichDaten& TStKlVergleichBerechnung::StKlVergleichDaten() const
{
    return dynamic_cast<TStKlVergleichDaten&>(Daten());
}

void TStKlVergleichBerechnung::Calculate()
{
    TStKlVergleichDaten& d = StKlVergleichDaten();
    const TDaten& a = d.EhegatteA().Daten();
    const TDaten& b = d.EhegatteB().Daten();
    // Spouse B is computed for A's year, rule period and pay period.
    Ganzzahl(b, "Jahrliste").SetValue(Ganzzahl(a, "Jahrliste").GetValue());
    Ganzzahl(b, "Zeitraum").SetValue(Ganzzahl(a, "Zeitraum").GetValue());

    // Class IV last, so that both payrolls are left at it.
    d.LSt35().A().SetValue(LohnsteuerIn(a, 3));
    d.LSt53().A().SetValue(LohnsteuerIn(a, 5));
    d.LSt44().A().SetValue(LohnsteuerIn(a, 4));
    d.LSt53().B().SetValue(LohnsteuerIn(b, 3));
    d.LSt35().B().SetValue(LohnsteuerIn(b, 5));
    d.LSt44().B().SetValue(LohnsteuerIn(b, 4));
    for (TLohnsteuerDaten* lst : {&d.LSt35(), &d.LSt44(), &d.LSt53()})
        lst->Gesamt().SetValue(lst->A().GetValue() + lst->B().GetValue());

    const double g35 = d.LSt35().Gesamt().GetValue();
    const double g44 = d.LSt44().Gesamt().GetValue();
    const double g53 = d.LSt53().Gesamt().GetValue();
    std::string ergebnis;
    bool frei35 = true;
    bool frei44 = true;
    bool frei53 = true;
    // IV/IV wins only when it is cheaper than both others.
    if (g35 > g44 && g53 > g44) {
        ergebnis = "Die günstigste Kombination ist 4/4";
        frei35 = frei53 = false;
    } else if (g35 > g53) {
        ergebnis = "Die günstigste Kombination ist 5/3";
        frei35 = frei44 = false;
    } else if (g53 > g35) {
        ergebnis = "Die günstigste Kombination ist 3/5";
        frei44 = frei53 = false;
    } else if (g44 > g35) {
        ergebnis = "Die günstigste Kombination ist 3/5 oder 5/3";
        frei44 = false;
    }
    d.Ergebnis().SetValue(ergebnis);
    d.LSt35().Freigeben(frei35);
    d.LSt44().Freigeben(frei44);
    d.LSt53().Freigeben(frei53);
}
