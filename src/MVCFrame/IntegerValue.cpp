#include "MVCFrame/IntegerValue.h"

#include "Lib/Betrag.h"
#include "Lib/IniFile.h"
#include "Lib/XoParser.h"
#include "MVCFrame/ZahlText.h"

#include <cmath>
#include <cstdint>

TInteger::TInteger(TDaten* daten, std::string name, TValueCreateFlags flags,
                   std::int32_t defaultValue)
    : TValue(daten, std::move(name), flags)
{
    TInteger::SetDefault(defaultValue);
}

std::int32_t TInteger::GetValue() const
{
    if (!IsReadable())
        return 0;
    DoGetValue();
    return m_value;
}

void TInteger::SetValue(std::int32_t n)
{
    if (MustStore(n == m_value))
        Store(n);
}

void TInteger::Store(std::int32_t n)
{
    m_value = n;
    AfterSet();
}

void TInteger::SetDefault(std::int32_t n)
{
    m_default = n;
    if (HasFlag(vfCreating))
        m_value = n;
}

void TInteger::SetAsString(std::string_view text)
{
    // The whole part of the number; a text that is no number, or too large, is refused.
    if (!ZahlTextGueltig(text)) {
        Change();
        return;
    }
    const std::string zahl(text);
    const double ganz = std::trunc(StrToBetragFloat(zahl));
    if (ganz < -2147483648.0 || ganz > 2147483647.0) {
        Change();
        return;
    }
    SetValue(StrToGanzzahl(zahl));
}

void TInteger::LoadFromIni(const TXIniFile& ini, const std::string& section)
{
    std::int32_t zahl = 0;
    if (!GanzzahlLesen(ini.ReadString(section, Name(), GetDefaultAsString()), zahl)) {
        Change();
        return;
    }
    SetValue(zahl);
}

void TInteger::SaveToIni(TXIniFile& ini, const std::string& section) const
{
    ini.WriteInteger(section, Name(), m_value, m_default);
}

void TInteger::ReadFromParser(TXoParser& parser)
{
    if (!HasFlag(vfComputed)) {
        const std::int64_t zahl = parser.TokenInt();
        if (zahl < INT32_MIN || zahl > INT32_MAX)
            Change();
        else
            SetValue(static_cast<std::int32_t>(zahl));
    }
    parser.NextToken();
}

TCustomIntegerMinMax::TCustomIntegerMinMax(TDaten* daten, std::string name, TValueCreateFlags flags,
                                           std::int32_t minimum, std::int32_t maximum,
                                           std::int32_t defaultValue)
    : TInteger(daten, std::move(name), flags, defaultValue), m_maximum(maximum), m_minimum(minimum)
{
}

void TCustomIntegerMinMax::SetValue(std::int32_t n)
{
    if (!MustStore(n == StoredValue()))
        return;
    if (InRange(n))
        Store(n);
    else
        Change();
}

void TCustomIntegerMinMax::SetMin(std::int32_t minimum)
{
    m_minimum = minimum;
    if (StoredValue() < minimum)
        Store(minimum);
}

void TCustomIntegerMinMax::SetMax(std::int32_t maximum)
{
    m_maximum = maximum;
    if (StoredValue() > maximum)
        Store(maximum);
}

void TCustomIntegerMinMax::SetRange(std::int32_t minimum, std::int32_t maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}
