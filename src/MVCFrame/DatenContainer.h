#pragma once
// TDatenContainer: a data set that also holds ordered child calculations and child data sets
// (components it owns, created in its CreateValues) and carries copy, compare, reset, load, save,
// construction end and currency conversion down to them: own values first, then the child data
// sets, then the child calculations, each in list order. A child is read from and saved into the
// container's section followed by the child's name.
//
// A change inside a child data set, or a finished child calculation, reaches the container as a
// change without a value of its own: the container becomes modified and, unless updating, runs its
// own change listener and notifies the forms. The container frees its child data sets last to
// first, then its child calculations last to first.
#include "MVCFrame/Daten.h"

class TBerechnung;

class TDatenContainer : public TDaten {
public:
    TDatenContainer(TComponent* owner, const std::string& name);
    ~TDatenContainer() override;

    void AddBerechnung(TBerechnung& calc);
    void AddDaten(TDaten& daten);
    void RemoveBerechnung(TBerechnung& calc);
    void RemoveDaten(TDaten& daten);
    TBerechnung& GetBerechnung(int index) const;
    int BerechnungCount() const { return static_cast<int>(m_berechnungen.size()); }
    TDaten& GetDaten(int index) const;
    int DatenCount() const { return static_cast<int>(m_daten.size()); }

    void Assign(const TDaten& source) override;
    bool Equals(const TDaten& other) const override;
    void SaveToIni(TXIniFile& ini, const std::string& section) const override;
    void Reset() override;
    void EndCreate() override;
    bool BetrifftDaten(const TDaten& other) const override;
    void WaehrungUmrechnen(const std::string& newName, bool convert, double newRate) override;

protected:
    void ReadValues(const TXIniFile& ini, const std::string& section) override;
    // The suffix of a child's section: its component name.
    virtual std::string ChildSection(const TComponent& child, int index) const;

private:
    std::vector<TBerechnung*> m_berechnungen;
    std::vector<TDaten*> m_daten;
};
