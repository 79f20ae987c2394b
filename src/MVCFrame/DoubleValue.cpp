#include "MVCFrame/DoubleValue.h"

#include "Lib/Betrag.h"
#include "Lib/XoParser.h"
#include "MVCFrame/ZahlText.h"

#include <cmath>

TDouble::TDouble(TDaten* daten, std::string name, TValueCreateFlags flags, double defaultValue,
                 int decimals)
    : TValue(daten, std::move(name), flags), m_decimals(decimals)
{
    SetDefault(defaultValue);
}

double TDouble::GetValue() const
{
    if (!IsReadable())
        return 0;
    DoGetValue();
    return m_value;
}

void TDouble::SetValue(double x)
{
    StoreCut(x);
}

void TDouble::StoreCut(double x)
{
    const double cut = std::isfinite(x) ? Cut(x) : x;
    if (!std::isfinite(cut)) {
        Change();
        return;
    }
    StoreGeschnitten(cut);
}

void TDouble::StoreGeschnitten(double cut)
{
    if (!MustStore(Gleich(cut, m_value)))
        return;
    m_value = cut;
    AfterSet();
}

void TDouble::SetGanzeCents(double cent)
{
    // Cutting cent * 0.01 multiplies by 100 again: for a whole cent below 10^11 in size the
    // product misses cent by less than the cut's tolerance of 0.0001, so the cut gives
    // cent / 100 (and a zero of either sign gives +0).
    constexpr double kGrenze = 1e11;
    if (m_decimals != 2 || !(std::fabs(cent) < kGrenze) || !IstGanzeZahl(cent)) {
        SetValue(cent * 0.01);
        return;
    }
    StoreGeschnitten(cent == 0 ? 0.0 : cent / 100.0);
}

double TDouble::Cut(double x) const
{
    return ZahlGeschnitten(x, m_decimals);
}

bool TDouble::Gleich(double a, double b) const
{
    return ZahlGleich(a, b, m_decimals);
}

void TDouble::SetDefault(double x)
{
    m_default = x;
    if (HasFlag(vfCreating))
        m_value = Cut(x);
}

double TDouble::GetCents() const
{
    const double cents = GetValue() * 100;
    return m_decimals < 3 ? Abschneiden(cents) : cents;
}

void TDouble::Dreisatz(double b, double c)
{
    SetValue(::Dreisatz(true, static_cast<unsigned char>(m_decimals), GetValue(), b, c));
}

void TDouble::SetAsString(std::string_view text)
{
    if (!ZahlTextGueltig(text)) {
        Change();
        return;
    }
    SetValue(StrToBetragFloat(std::string(text)));
}

std::string TDouble::GetDefaultAsString() const
{
    return FloatToBetragStr(static_cast<unsigned char>(m_decimals), m_default);
}

std::string TDouble::StoredAsString() const
{
    return FloatToBetragStr(static_cast<unsigned char>(m_decimals), m_value);
}

std::string TDouble::EmptyAsString() const
{
    return FloatToBetragStr(static_cast<unsigned char>(m_decimals), 0);
}

void TDouble::ReadFromParser(TXoParser& parser)
{
    if (!HasFlag(vfComputed)) {
        if (parser.Token() == toInteger)
            SetValue(static_cast<double>(parser.TokenInt()));
        else if (parser.Token() == toFloat)
            SetValue(parser.TokenFloat());
    }
    parser.NextToken();
}

TDoubleMinMax::TDoubleMinMax(TDaten* daten, std::string name, TValueCreateFlags flags,
                             double minimum, double maximum, double defaultValue, int decimals)
    : TDouble(daten, std::move(name), flags, defaultValue, decimals), m_maximum(maximum),
      m_minimum(minimum)
{
}

void TDoubleMinMax::SetValue(double x)
{
    if (!MustStore(std::isfinite(x) && Gleich(Cut(x), GetStoredValue())))
        return;
    if (x >= m_minimum && x <= m_maximum)
        StoreCut(x);
    else
        Change();
}

void TDoubleMinMax::SetMin(double minimum)
{
    m_minimum = minimum;
    if (GetStoredValue() < minimum)
        StoreCut(minimum);
}

void TDoubleMinMax::SetMax(double maximum)
{
    m_maximum = maximum;
    if (GetStoredValue() > maximum)
        StoreCut(maximum);
}
