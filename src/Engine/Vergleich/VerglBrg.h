#pragma once
// Two cases of one kind of calculation side by side, and by how much the second differs from the
// first, value by value.
//
//   TVergleichDaten       the container of the three calculations: case 1 ("<name>1"), case 2
//                         ("<name>2") and the difference ("<name>Diff"), all of one class
//   TVergleichBerechnung  fills the difference: case 2 minus case 1 at every number value, with
//                         case 1's amounts first put into case 2's currency; a difference value
//                         is enabled exactly when the value is enabled in either case
//
// The cases are copies of calculations the user made elsewhere: they are never written to or read
// from a settings file, and the difference is read-only and tells nobody of its changes.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/DatenContainer.h"

#include <memory>
#include <string>

// The virtual constructor of a calculation class: creates and initialises one.
using TBerechnungKlasse = TBerechnung* (*)(TComponent* owner, const std::string& name);

template <class T> TBerechnung* ErzeugeBerechnung(TComponent* owner, const std::string& name)
{
    return CreateComponent<T>(owner, name);
}

class TVergleichDaten : public TDatenContainer {
public:
    TVergleichDaten(TComponent* owner, const std::string& name, TBerechnungKlasse klasse);

    TBerechnungKlasse Klasse() const { return m_klasse; }
    TBerechnung& Daten1() const { return GetBerechnung(0); }
    TBerechnung& Daten2() const { return GetBerechnung(1); }
    TBerechnung& DatenDiff() const { return GetBerechnung(2); }

    void Assign(const TDaten& source) override;
    // Marks the values of the three data sets as the comparison needs them; a copy brings the
    // marks of its source along, so every copy ends with this.
    void Markieren();

protected:
    void CreateValues() override;

private:
    TBerechnungKlasse m_klasse;
};

class TVergleichBerechnung : public TBerechnung {
public:
    TVergleichBerechnung(TComponent* owner, const std::string& name, TBerechnungKlasse klasse);

    TBerechnungKlasse Klasse() const { return m_klasse; }
    TVergleichDaten& VergleichDaten() const;
    TBerechnung& Daten1() const { return VergleichDaten().Daten1(); }
    TBerechnung& Daten2() const { return VergleichDaten().Daten2(); }
    TBerechnung& DatenDiff() const { return VergleichDaten().DatenDiff(); }
    // Copies a calculation (its inputs and results) into case 1 or case 2.
    void SetDaten1(const TBerechnung& berechnung);
    void SetDaten2(const TBerechnung& berechnung);

    // A copy without owner, named like the comparison followed by "Clone".
    std::unique_ptr<TVergleichBerechnung> Clone() const;

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;

private:
    TBerechnungKlasse m_klasse;
};
