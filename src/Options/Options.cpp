#include "Options/Options.h"

#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "MVCFrame/WaehrungsName.h"
#include "Options/Verzeichnisse.h"

namespace {

constinit TSingleton<TOptionen> gOptionen("Optionen", "");

} // namespace

std::string BenutzerOptionenDatei()
{
    return JoinPath(Verzeichnisse().GetPfad(TVerzeichnisse::kBenutzerOptionen).GetAsString(),
                    "OPTIONEN.INI");
}

std::string OptionenDatei()
{
    return JoinPath(Verzeichnisse().GetPfad(TVerzeichnisse::kOptionen).GetAsString(),
                    "OPTIONEN.INI");
}

void TOptionenBase::CreateValues()
{
    new TBoolean(this, "EuroSymbol");
    new TBoolean(this, "FetteSchrift");
    new TBoolean(this, "GrosseSchrift");
}

TBoolean& TOptionenBase::Schalter(const std::string& name) const
{
    auto* schalter = dynamic_cast<TBoolean*>(FindValue(name));
    VT_ASSERT(schalter != nullptr, "Unbekannte Option");
    return *schalter;
}

TOptionen::TOptionen() : TOptionenBase(nullptr, "BenutzerOptionen")
{
    init();
    LoadFromIni(TXIniFile(BenutzerOptionenDatei()), Name());
    // The currency names of all data sets follow this option.
    SetEuroSymbolAbfrage([] {
        const TOptionen* optionen = gOptionen.Existing();
        return optionen != nullptr && optionen->EuroSymbol();
    });
}

TOptionen::~TOptionen()
{
    SetEuroSymbolAbfrage(nullptr);
}

TOptionen& Optionen()
{
    return gOptionen.Instance();
}

TSingleton<TOptionen>& OptionenSingleton()
{
    return gOptionen;
}
