#pragma once
// The statutory values of one current year (2026 or 2027), one options group each:
//
//   TOptionenKindergeldDaten      child benefit per child, with valid-from amounts
//   TOptionenBBGDaten             contribution ceilings
//   TOptionenBeitragssaetzeDaten  the eleven contribution rates, with valid-from rates
//   TOptionenGleitzoneDaten       total rate of the transition zone and the factor it gives
//   TOptionenKammernDaten         employee-chamber contributions of Bremen and Saarland
// and, for all years, TOptionenKammernAllgDaten with the chambers' names.
//
// A value that changes within the year is a pair: the amount from January and the amount "Ab"
// the month chosen in "AbDatum". While "AbDatum" is January there is no change and the Ab values
// are disabled. Each group is the data set of a calculation of the same name; the engines read
// the values through the getters below.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"

#include <span>
#include <string>

struct TOptionenVorgabe;

// Base of the year groups: the year whose defaults the values start with.
class TOptionenDaten : public TDaten {
public:
    TOptionenDaten(TComponent* owner, const std::string& name, int jahr);
    int Jahr() const { return m_jahr; }

protected:
    // A number value per entry, named like it followed by `suffix`, with the year's default;
    // it refuses numbers outside 0 to the entry's maximum.
    template <class TWert>
    void CreateVorgaben(std::span<const TOptionenVorgabe> vorgaben, const char* suffix);
    // The stored number of the value of that name (disabled or not).
    double Zahl(const std::string& name) const;

private:
    int m_jahr;
};

// The valid-from month of a group's Ab values: 1 ("01.01.", no change within the year) to 12
// ("01.12."), stored by caption; the short form of earlier versions ("1.7.") is read as well.
class TAbDatum : public TIntegerLookup {
public:
    TAbDatum(TDaten* daten, std::string name);
    void SetAsString(std::string_view text) override;
};

// Amounts and rates that hold from the valid-from month on.
class TDoubleKindergeldAb : public TDoubleMinMax {
public:
    using TDoubleMinMax::TDoubleMinMax;
};
class TDoubleBeitragssatzAb : public TDoubleMinMax {
public:
    using TDoubleMinMax::TDoubleMinMax;
};

// A year group with valid-from values.
class TOptionenAbDaten : public TOptionenDaten {
public:
    using TOptionenDaten::TOptionenDaten;

    // The month of "AbDatum", 1 to 12.
    int AbMonat() const;
    // Enables the Ab values exactly when the valid-from month is later than January (without
    // notification: the change that led here notifies).
    void AbWerteFreigeben();

protected:
    // The name of the value that holds in `monat`: `name` or its Ab counterpart.
    std::string NameImMonat(const std::string& name, int monat) const;
};

class TOptionenKindergeldDaten : public TOptionenAbDaten {
public:
    using TOptionenAbDaten::TOptionenAbDaten;
    // Child benefit of child `kind` (1, 2, 3, 4, any other: "Weitere") in `monat`.
    double GetKindergeld(int monat, int kind) const;

protected:
    void CreateValues() override;
};

class TOptionenBBGDaten : public TOptionenDaten {
public:
    using TOptionenDaten::TOptionenDaten;
    double GetBBGRV(bool ost, bool knappschaft) const;
    double GetBBGKV() const { return Zahl("BBG_KV"); }

protected:
    void CreateValues() override;
};

class TOptionenBeitragssaetzeDaten : public TOptionenAbDaten {
public:
    using TOptionenAbDaten::TOptionenAbDaten;
    // Rate number `index` (1 "AVSatz" ... 11 "RVSatzPauPri") in `monat`, in percent; another
    // index raises "Unbekannter Eigenschaftsindex (TOptionenBeitragssaetzeDaten.GetSatz, <n>)".
    double GetSatz(int monat, int index) const;

protected:
    void CreateValues() override;
};

class TOptionenGleitzoneDaten : public TOptionenDaten {
public:
    using TOptionenDaten::TOptionenDaten;
    double GesamtSVSatz() const { return Zahl("GesamtSVSatz"); }
    double Faktor() const { return Zahl("Faktor"); }

protected:
    void CreateValues() override;
};

class TOptionenKammernDaten : public TOptionenDaten {
public:
    using TOptionenDaten::TOptionenDaten;
    double BeitragssatzBr() const { return Zahl("BeitragssatzBr"); }
    double FreigrenzeBr() const { return Zahl("FreigrenzeBr"); }
    double BeitragssatzSL() const { return Zahl("BeitragssatzSL"); }

protected:
    void CreateValues() override;
};

class TOptionenKammernAllgDaten : public TDaten {
public:
    using TDaten::TDaten;
    std::string BezeichnungBr() const;
    std::string BezeichnungSL() const;

protected:
    void CreateValues() override;
};

// The calculation of a year group: creates its data set for its year.
template <class TJahrDaten> class TOptionenJahrBerechnung : public TBerechnung {
public:
    TOptionenJahrBerechnung(TComponent* owner, const std::string& name, int jahr)
        : TBerechnung(owner, name), m_jahr(jahr)
    {
    }
    TJahrDaten& JahrDaten() const { return static_cast<TJahrDaten&>(Daten()); }
    int Jahr() const { return m_jahr; }

protected:
    TDaten* CreateDaten() override { return CreateComponent<TJahrDaten>(this, Name(), m_jahr); }
    // The options dialog works on a copy of every group.
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return NeueGruppe<TOptionenJahrBerechnung>(owner, name);
    }
    template <class TGruppe>
    TBerechnung* NeueGruppe(TComponent* owner, const std::string& name) const
    {
        return CreateComponent<TGruppe>(owner, name, m_jahr);
    }

private:
    int m_jahr;
};

class TOptionenKindergeld : public TOptionenJahrBerechnung<TOptionenKindergeldDaten> {
public:
    using TOptionenJahrBerechnung::TOptionenJahrBerechnung;

protected:
    void Calculate() override { JahrDaten().AbWerteFreigeben(); }
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return NeueGruppe<TOptionenKindergeld>(owner, name);
    }
};

class TOptionenBeitragssaetze : public TOptionenJahrBerechnung<TOptionenBeitragssaetzeDaten> {
public:
    using TOptionenJahrBerechnung::TOptionenJahrBerechnung;

protected:
    void Calculate() override { JahrDaten().AbWerteFreigeben(); }
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return NeueGruppe<TOptionenBeitragssaetze>(owner, name);
    }
};

using TOptionenBBG = TOptionenJahrBerechnung<TOptionenBBGDaten>;
using TOptionenKammern = TOptionenJahrBerechnung<TOptionenKammernDaten>;

class TOptionenGleitzone : public TOptionenJahrBerechnung<TOptionenGleitzoneDaten> {
public:
    using TOptionenJahrBerechnung::TOptionenJahrBerechnung;

protected:
    void Calculate() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return NeueGruppe<TOptionenGleitzone>(owner, name);
    }
};

class TOptionenKammernAllg : public TBerechnung {
public:
    using TBerechnung::TBerechnung;

protected:
    TDaten* CreateDaten() override;
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override;
};
