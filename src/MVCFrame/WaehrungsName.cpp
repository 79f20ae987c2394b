#include "MVCFrame/WaehrungsName.h"

#include <utility>

namespace {

std::function<bool()>& Abfrage()
{
    static std::function<bool()> abfrage;
    return abfrage;
}

} // namespace

void SetEuroSymbolAbfrage(std::function<bool()> abfrage)
{
    Abfrage() = std::move(abfrage);
}

bool EuroSymbolAn()
{
    return Abfrage() && Abfrage()();
}

std::string WaehrungsName()
{
    return EuroSymbolAn() ? kEuroSymbol : kEuroWort;
}
