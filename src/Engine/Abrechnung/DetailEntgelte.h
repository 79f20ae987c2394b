#pragma once
// Itemised pay components of a payroll statement.
//
//   TDetailEntgeltDaten   one component: amount, kind (pension, severance, one-off, flat-taxed,
//                         net-agreed ...), its text from the reference texts "BEZUEGE.TXT"
//   TDetailEntgelt        the calculation of one component: which kinds may be combined, and
//                         which side of the amount (gross or net) the payroll has to compute
//   TDetailEntgelteDaten  the summary of the list for the page and the printout
//   TDetailEntgelte       the ordered list of components, stored in the payroll page's section
//                         ("BezugAnzahl" and one section per component)
// The payroll calculation runs over the list; without an itemised list it runs over the plain
// amounts of the statement.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/StringFileLookup.h"
#include "MVCFrame/StringValue.h"

#include <string>
#include <vector>

// The reference texts' file: "BEZUEGE.TXT" in the reference-texts directory.
std::string BezuegeDatei();
// Writes the twelve standard texts when the file is missing. A failed write is ignored: the
// texts are an offer, the payroll works without them.
void BezuegeDateiAnlegen(const std::string& datei);

class TDetailEntgeltDaten : public TDaten {
public:
    using TDaten::TDaten;

    TDoubleBetrag& Betrag() const { return *m_betrag; }
    TDouble& Brutto() const { return *m_brutto; }
    TDouble& Netto() const { return *m_netto; }
    TDoubleMinMax& PauschSatz() const { return *m_pauschSatz; }
    TIntegerMinMax& PKiStSatz() const { return *m_pkiStSatz; }
    TBoolean& Versorgungsbezug() const { return *m_versorgungsbezug; }
    TBoolean& Sterbegeld() const { return *m_sterbegeld; }
    TBoolean& Abfindung() const { return *m_abfindung; }
    TBoolean& MehrJhrig() const { return *m_mehrJhrig; }
    TBoolean& Einmalzahlung() const { return *m_einmalzahlung; }
    TBoolean& SozVersPflicht() const { return *m_sozVersPflicht; }
    TBoolean& StPflicht() const { return *m_stPflicht; }
    TBoolean& Pauschal() const { return *m_pauschal; }
    TBoolean& NettoVereinb() const { return *m_nettoVereinb; }
    TStringFileLookup& Bezeichnung() const { return *m_bezeichnung; }
    TIntegerLookup& Pfaendbarkeit() const { return *m_pfaendbarkeit; }
    TBoolean& TextLoeschen() const { return *m_textLoeschen; }

protected:
    void CreateValues() override;

private:
    TDoubleBetrag* m_betrag = nullptr;
    TDouble* m_brutto = nullptr;
    TDouble* m_netto = nullptr;
    TDoubleMinMax* m_pauschSatz = nullptr;
    TIntegerMinMax* m_pkiStSatz = nullptr;
    TBoolean* m_versorgungsbezug = nullptr;
    TBoolean* m_sterbegeld = nullptr;
    TBoolean* m_abfindung = nullptr;
    TBoolean* m_mehrJhrig = nullptr;
    TBoolean* m_einmalzahlung = nullptr;
    TBoolean* m_sozVersPflicht = nullptr;
    TBoolean* m_stPflicht = nullptr;
    TBoolean* m_pauschal = nullptr;
    TBoolean* m_nettoVereinb = nullptr;
    TStringFileLookup* m_bezeichnung = nullptr;
    TIntegerLookup* m_pfaendbarkeit = nullptr;
    TBoolean* m_textLoeschen = nullptr;
};

class TDetailEntgelt : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

    TDetailEntgeltDaten& DetailEntgeltDaten() const
    {
        return static_cast<TDetailEntgeltDaten&>(Daten());
    }
    bool Markiert() const { return m_markiert; }
    void SetMarkiert(bool markiert) { m_markiert = markiert; }

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;

private:
    bool m_markiert = false;
};

class TDetailEntgelteDaten : public TDaten {
public:
    using TDaten::TDaten;

    TString& BruttoListe() const { return *m_bruttoListe; }
    TBoolean& EnthaeltSonstBez() const { return *m_enthaeltSonstBez; }
    TBoolean& EnthaeltVersBez() const { return *m_enthaeltVersBez; }
    TString& NettoListe() const { return *m_nettoListe; }

protected:
    void CreateValues() override;

private:
    TString* m_bruttoListe = nullptr;
    TBoolean* m_enthaeltSonstBez = nullptr;
    TBoolean* m_enthaeltVersBez = nullptr;
    TString* m_nettoListe = nullptr;
};

class TDetailEntgelte : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    ~TDetailEntgelte() override;

    int Count() const { return static_cast<int>(m_items.size()); }
    TDetailEntgelt& GetItem(int index) const;
    TDetailEntgelteDaten& DetailEntgelteDaten() const
    {
        return static_cast<TDetailEntgelteDaten&>(Daten());
    }
    TDetailEntgeltDaten& DetailEntgeltDaten(int index) const
    {
        return GetItem(index).DetailEntgeltDaten();
    }
    int ItemIndex() const { return m_itemIndex; }

    // Appends a copy of `vorlage` and makes it the current component.
    void Hinzufuegen(const TDetailEntgeltDaten& vorlage);
    void MarkierteLoeschen();
    void Verschieben(int ziel);
    void SetItemIndex(int index);
    int AnzahlMarkierte() const;
    void Leeren();

    // Appends a pension component of the amount.
    void VersorgungAnhaengen(double betrag);

    void Assign(const TBerechnung& source) override;
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void SaveToIni(TXIniFile& ini, const std::string& section) const override;
    void WaehrungUmrechnen(const std::string& newName, bool convert, double newRate) override;

    // The PKiStSatz new flat-taxed components start with: the last one added (7 at first).
    static int VorgabePKiStSatz();
    // A flat-taxed component changed in the list dialog passes its rate on the same way.
    static void SetVorgabePKiStSatz(int satz);

protected:
    TDaten* CreateDaten() override;
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;

private:
    // A new component without owner, owned by the list from then on.
    TDetailEntgelt& NeuesItem();
    // Takes the component out of the list without freeing it.
    TDetailEntgelt* ItemEntnehmen(int position);
    void Anhaengen(const std::function<void(TDetailEntgeltDaten&)>& fuellen);
    void ListeGeaendert();

    std::vector<TDetailEntgelt*> m_items;
    int m_itemIndex = -1;
};
