#include "Print/DruckWerte.h"

#include "Lib/Exception.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"

#include <string>

namespace {

bool IstNull(const TValue& wert)
{
    if (const auto* zahl = dynamic_cast<const TDouble*>(&wert))
        return zahl->GetValue() == 0;
    return LeeresDatum(wert);
}

} // namespace

const TValue& DruckWert(const TDaten& daten, const char* name)
{
    const TValue* wert = daten.FindValue(name);
    if (!wert)
        throw Exception("Druck: Wert \"" + std::string(name) + "\" fehlt in \"" + daten.Name() +
                        "\".");
    return *wert;
}

QString Anzeige(const TValue& wert)
{
    return QString::fromStdString(wert.GetDisplayText());
}

bool LeeresDatum(const TValue& wert)
{
    const auto* datum = dynamic_cast<const TDateValue*>(&wert);
    if (!datum)
        return false;
    const TDatum d = datum->GetValue();
    return d.Tag == 0 && d.Monat == 0 && d.Jahr == 0;
}

bool HatWert(const TValue& wert)
{
    return !Anzeige(wert).trimmed().isEmpty() && !IstNull(wert);
}
