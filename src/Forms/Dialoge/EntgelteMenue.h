#pragma once
// TEntgelteMenue: the calculation behind the pay-item list dialog. It holds copies of a payroll
// statement's itemised pay list and annual amounts, and shows the list as "Entgeltliste", one entry
// per component (its text, a tab and its amount) with the component's mark. The dialog's marks
// go back into the components; "AendernFlag" (exactly one marked) and "LoeschenFlag" (at least
// one) enable its buttons. Standard C++ only, like the engines.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/DatenContainer.h"

#include <string>

class TBoolean;
class TDetailEntgelte;
class TJahresbetraege;
class TLohnDaten;
class TStringListValue;

class TEntgelteMenueDaten : public TDatenContainer {
public:
    using TDatenContainer::TDatenContainer;
    void init() override;

    TBoolean& AendernFlag() const { return *m_aendern; }
    TStringListValue& Entgeltliste() const { return *m_liste; }
    TDetailEntgelte& DetailEntgelte() const { return *m_detailEntgelte; }
    TJahresbetraege& Jahresbetraege() const { return *m_jahresbetraege; }
    TBoolean& HBEnabledFlag() const { return *m_hbEnabled; }
    TBoolean& LoeschenFlag() const { return *m_loeschen; }

    // The entry's text of component `index` without its amount, or the amount when it has none.
    std::string EintragName(int index) const;

protected:
    void CreateValues() override;

private:
    // Rebuilds the entries from the components (marks and current entry included).
    void ListeFuellen();
    // The entries' marks and current entry go back into the components.
    void Zuruecknehmen();
    void FlagsSetzen();

    TBoolean* m_aendern = nullptr;
    TStringListValue* m_liste = nullptr;
    TDetailEntgelte* m_detailEntgelte = nullptr;
    TJahresbetraege* m_jahresbetraege = nullptr;
    TBoolean* m_hbEnabled = nullptr;
    TBoolean* m_loeschen = nullptr;
    // Set while the entries are rebuilt: their change is not taken back.
    bool m_fuellen = false;
};

class TEntgelteMenue : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

    TEntgelteMenueDaten& MenueDaten() const { return static_cast<TEntgelteMenueDaten&>(Daten()); }
    // Takes the statement's itemised list and annual amounts, and whether its amount to add may
    // be edited.
    void Uebernehmen(const TLohnDaten& lohn);
    // Hands list and annual amounts back to the statement in one update block, ticks
    // "DetailEntgelt" exactly when the list has entries, then notifies once.
    void Zurueckgeben(TLohnDaten& lohn) const;

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};
