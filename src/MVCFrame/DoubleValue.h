#pragma once
// Numbers with a fixed number of decimal places: TDouble, the money amount TDoubleBetrag (which a
// change of currency converts) and TDoubleMinMax (refuses numbers outside its range). Setting cuts
// the number to its places with the tolerance of Abschneiden; a change is one of at least one unit
// of the last place.
#include "Lib/Betrag.h"
#include "MVCFrame/Value.h"

#include <cmath>

// Inline, so that a constant number of places folds to its power of ten: the payroll run cuts
// and compares its amounts at two places a few hundred times in every net-to-gross search.
inline double StellenFaktor(int decimals)
{
    double p = 1.0;
    for (int i = 0; i < decimals; ++i)
        p *= 10.0;
    return p;
}

// A number cut to `decimals` places as a TDouble stores it.
inline double ZahlGeschnitten(double x, int decimals)
{
    const double p = StellenFaktor(decimals);
    return Abschneiden(x * p) / p;
}

// Whether two numbers are the same at `decimals` places: less than half of the last place apart.
// One unit of the last place always counts as a change, however many places the value has (a
// fixed tolerance of 0.00001 swallowed every other one-unit step of a 5-place exchange rate).
inline bool ZahlGleich(double a, double b, int decimals)
{
    return std::fabs(a - b) * StellenFaktor(decimals) < 0.5;
}

class TDouble : public TValue {
public:
    TDouble(TDaten* daten, std::string name, TValueCreateFlags flags = 0, double defaultValue = 0,
            int decimals = 2);

    double GetValue() const; // 0 while disabled
    virtual void SetValue(double x);
    double GetDefault() const { return m_default; }
    void SetDefault(double x);
    int Decimals() const { return m_decimals; }
    // The stored number, whatever the enabled and undetermined flags say.
    double GetStoredValue() const { return m_value; }

    void Add(double x) { SetValue(m_value + x); }
    void AddCents(int cents) { SetValue(m_value + cents * 0.01); }
    void SetCents(int cents) { SetValue(cents * 0.01); }
    // Sets a number of hundredths, as SetValue(cent * 0.01) does. A whole number of cents on a
    // two-place value skips the cut: it would give cent / 100 exactly.
    virtual void SetGanzeCents(double cent);
    // The value in hundredths; cut to whole hundredths when it has fewer than 3 decimals.
    double GetCents() const;
    // Sets value / b * c, rounded half away from zero to the value's decimals.
    void Dreisatz(double b, double c);

    void SetAsString(std::string_view text) override;
    std::string GetDefaultAsString() const override;
    void ReadFromParser(TXoParser& parser) override;
    void ResetToDefault() override { SetValue(m_default); }

protected:
    std::string StoredAsString() const override;
    std::string EmptyAsString() const override;
    // Cuts to the decimals and stores when that differs in the last place (or undetermined).
    void StoreCut(double x);
    // Stores a number already cut to the decimals, on the same terms.
    void StoreGeschnitten(double cut);
    double Cut(double x) const;
    // Whether two numbers are the same at the value's decimals.
    bool Gleich(double a, double b) const;

private:
    double m_default = 0;
    int m_decimals = 2;
    double m_value = 0;
};

class TDoubleBetrag : public TDouble {
public:
    using TDouble::TDouble;
};

class TDoubleMinMax : public TDouble {
public:
    TDoubleMinMax(TDaten* daten, std::string name, TValueCreateFlags flags, double minimum,
                  double maximum, double defaultValue, int decimals = 2);

    void SetValue(double x) override;
    // Through SetValue, which checks the range.
    void SetGanzeCents(double cent) override { SetValue(cent * 0.01); }
    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    void SetMin(double minimum);
    void SetMax(double maximum);

private:
    double m_maximum;
    double m_minimum;
};
