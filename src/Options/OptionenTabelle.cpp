#include "Options/OptionenTabelle.h"

#include "Lib/IniFile.h"
#include "MVCFrame/BooleanValue.h"
#include "Options/Options.h"

namespace {

// Its use after the program end is reported under the display options' name.
constinit TSingleton<TOptionenTabelle> gOptionenTabelle("Optionen", "");

} // namespace

TOptionenTabelle::TOptionenTabelle() : TDaten(nullptr, "BenutzerOptionen")
{
    init();
    LoadFromIni(TXIniFile(BenutzerOptionenDatei()), Name());
}

void TOptionenTabelle::CreateValues()
{
    new TBoolean(this, "TabellenImVordergrund");
}

bool TOptionenTabelle::TabellenImVordergrund() const
{
    return static_cast<TBoolean&>(GetValue(0)).GetValue();
}

TOptionenTabelle& OptionenTabelle()
{
    return gOptionenTabelle.Instance();
}

TSingleton<TOptionenTabelle>& OptionenTabelleSingleton()
{
    return gOptionenTabelle;
}
