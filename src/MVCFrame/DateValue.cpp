#include "MVCFrame/DateValue.h"

#include "Lib/Exception.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"

#include <cstdio>

namespace {

// The display text is built and parsed by walking the short date format.
constexpr std::string_view kKurzesDatum = kKurzesDatumsFormat;

bool IstSchaltjahr(int jahr)
{
    return (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
}

int TageImMonat(int monat, int jahr)
{
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return monat == 2 && IstSchaltjahr(jahr) ? 29 : kTage[monat - 1];
}

} // namespace

TDateValue::TDateValue(TDaten* daten, std::string name, TValueCreateFlags flags,
                       TDatum defaultValue)
    : TValue(daten, std::move(name), flags)
{
    SetDefault(defaultValue);
}

TDatum TDateValue::GetValue() const
{
    if (!IsReadable())
        return {};
    DoGetValue();
    return m_value;
}

void TDateValue::SetValue(TDatum datum)
{
    if (!MustStore(DatumGleich(datum, m_value)))
        return;
    m_value = datum;
    AfterSet();
}

void TDateValue::SetDefault(TDatum datum)
{
    m_default = datum;
    if (HasFlag(vfCreating))
        m_value = datum;
}

int TDateValue::GetDatum(int index) const
{
    const TDatum datum = GetValue();
    switch (index) {
    case 0:
        return datum.Tag;
    case 1:
        return datum.Monat;
    case 2:
        return datum.Jahr;
    default:
        char text[80];
        std::snprintf(text, sizeof text, "Unbekannter Eigenschaftsindex (%s, %d)", "GetDatum",
                      index);
        throw Exception(text);
    }
}

std::string TDateValue::ZuText(const TDatum& datum)
{
    return DatumToStr(datum);
}

bool TDateValue::AusText(std::string_view text, TDatum& datum)
{
    if (text.empty()) {
        datum = {};
        return true;
    }
    if (text.size() != 8)
        return false;
    for (const char c : text)
        if (c < '0' || c > '9')
            return false;
    const auto zahl = [&](std::size_t von, std::size_t laenge) {
        int wert = 0;
        for (std::size_t i = von; i < von + laenge; ++i)
            wert = wert * 10 + (text[i] - '0');
        return wert;
    };
    const TDatum gelesen = SetDatum(zahl(6, 2), zahl(4, 2), zahl(0, 4));
    if (DatumGleich(gelesen, TDatum{})) {
        datum = gelesen;
        return true;
    }
    if (gelesen.Jahr < 1 || gelesen.Monat < 1 || gelesen.Monat > 12 || gelesen.Tag < 1 ||
        gelesen.Tag > TageImMonat(gelesen.Monat, gelesen.Jahr))
        return false;
    datum = gelesen;
    return true;
}

void TDateValue::SetAsString(std::string_view text)
{
    if (text == StoredAsString() && !IsUndetermined())
        return;
    TDatum datum;
    if (!AusText(text, datum)) {
        Change();
        return;
    }
    SetValue(datum);
}

std::string TDateValue::GetDisplayText() const
{
    if (!IsReadable())
        return " ";
    if (IsUndetermined())
        return "???";
    const TDatum datum = GetValue();
    std::string text;
    for (std::size_t i = 0; i < kKurzesDatum.size();) {
        const char c = kKurzesDatum[i];
        std::size_t lauf = i;
        while (lauf < kKurzesDatum.size() && kKurzesDatum[lauf] == c)
            ++lauf;
        char teil[16];
        if (c == 'd')
            std::snprintf(teil, sizeof teil, "%.2d", datum.Tag);
        else if (c == 'M')
            std::snprintf(teil, sizeof teil, "%.2d", datum.Monat);
        else if (c == 'y')
            std::snprintf(teil, sizeof teil, "%.4d", datum.Jahr);
        else
            std::snprintf(teil, sizeof teil, "%c", kDatumsTrenner);
        text += teil;
        i = c == 'd' || c == 'M' || c == 'y' ? lauf : i + 1;
    }
    return text;
}

void TDateValue::SetDisplayText(std::string_view text)
{
    if (text != GetDisplayText())
        SetFlag(vfChangePending, true);
    // Walk the short date format: each run of d, M or y takes the next two (day, month) or four
    // (year) characters and skips one separator.
    std::string tag;
    std::string monat;
    std::string jahr;
    std::size_t pos = 0;
    const auto nimm = [&](std::size_t laenge) {
        std::string teil(text.substr(std::min(pos, text.size()), laenge));
        pos += laenge + 1;
        return teil;
    };
    for (std::size_t i = 0; i < kKurzesDatum.size(); ++i) {
        const char c = kKurzesDatum[i];
        if (i > 0 && kKurzesDatum[i - 1] == c)
            continue;
        if (c == 'd')
            tag = nimm(2);
        else if (c == 'M')
            monat = nimm(2);
        else if (c == 'y')
            jahr = nimm(4);
    }
    SetAsString(jahr + monat + tag);
}

void TDateValue::WriteTo(TStrings& lines) const
{
    if (!DatumGleich(m_value, m_default))
        lines.push_back(QuoteLiteral(StoredAsString()));
}

void TDateValue::ReadFromParser(TXoParser& parser)
{
    if (!HasFlag(vfComputed))
        SetAsString(parser.TokenString());
    parser.NextToken();
}
