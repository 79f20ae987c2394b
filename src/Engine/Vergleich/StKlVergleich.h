#pragma once
// The tax-class comparison of a married couple who both earn wages: the monthly wage tax of
// each spouse in the combinations III/V, IV/IV and V/III, each from a full payroll calculation,
// and which combination costs the least.
//
//   TLohnsteuerDaten          the wage tax of one combination: "A", "B" and "Gesamt"
//   TStKlVergleichDaten       the two spouses' payroll calculations "EhegatteA" and "EhegatteB",
//                             the combinations "LSt35", "LSt44", "LSt53" and the text "Ergebnis"
//   TStKlVergleichBerechnung  runs each spouse's payroll in each class and names the winner
//
// Only the wage tax is compared; surcharge and church tax follow it and take no part.
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/DatenContainer.h"

class TDouble;
class TString;

class TLohnsteuerDaten : public TDaten {
public:
    using TDaten::TDaten;

    TDouble& A() const { return *m_a; }
    TDouble& B() const { return *m_b; }
    TDouble& Gesamt() const { return *m_gesamt; }
    void Freigeben(bool an);

protected:
    void CreateValues() override;

private:
    TDouble* m_a = nullptr;
    TDouble* m_b = nullptr;
    TDouble* m_gesamt = nullptr;
};

class TStKlVergleichDaten : public TDatenContainer {
public:
    // `lohn` is the payroll calculation class of the two spouses.
    TStKlVergleichDaten(TComponent* owner, const std::string& name, TBerechnungKlasse lohn);

    TBerechnung& EhegatteA() const { return GetBerechnung(0); }
    TBerechnung& EhegatteB() const { return GetBerechnung(1); }
    TLohnsteuerDaten& LSt35() const;
    TLohnsteuerDaten& LSt44() const;
    TLohnsteuerDaten& LSt53() const;
    TString& Ergebnis() const { return *m_ergebnis; }

protected:
    void CreateValues() override;

private:
    TBerechnungKlasse m_lohn;
    TString* m_ergebnis = nullptr;
};

class TStKlVergleichBerechnung : public TBerechnung {
public:
    // The spouses' calculations are payrolls; a test may put a class of its own in their place.
    TStKlVergleichBerechnung(TComponent* owner, const std::string& name,
                             TBerechnungKlasse lohn = &ErzeugeBerechnung<TLohnBerechnung>);

    TStKlVergleichDaten& StKlVergleichDaten() const;

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return CreateComponent<TStKlVergleichBerechnung>(owner, name, m_lohn);
    }

private:
    TBerechnungKlasse m_lohn;
};
