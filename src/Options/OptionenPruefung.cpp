#include "Options/OptionenPruefung.h"

#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Options/OptionenJahr.h"
#include "Options/OptionenVtrl.h"
#include "Options/Options.h"
#include "Options/Verzeichnisse.h"

#include <utility>

namespace {

constexpr int kJahr = 2026;
// Read for a missing "AbDatum": no month caption looks like this.
constexpr const char* kFehlt = "NIX";

} // namespace

TOptionsCheck::TOptionsCheck(TOptionenFrage frage) : m_frage(std::move(frage)) {}

int TOptionsCheck::Run()
{
    OptionenPruefungStarten();
    GespeicherteLesbar();
    bool abWert = false;
    if (!FindDeviation(abWert))
        return 0;
    if (abWert && AbDatumFehlt()) {
        ResetAbValues();
        SaveOptions();
    } else if (m_frage && m_frage(DialogSeite())) {
        ResetAllValues();
        SaveOptions();
    }
    return 0;
}

bool TOptionsCheck::FindDeviation(bool& abWert) const
{
    const TDaten& daten = Daten();
    for (int i = daten.ValueCount() - 1; i >= 0; --i) {
        const TValue& wert = daten.GetValue(i);
        if (ValueDiffers(wert)) {
            abWert = IstAbWert(wert);
            return true;
        }
    }
    abWert = false;
    return false;
}

bool TOptionsCheck::ValueDiffers(const TValue& value)
{
    // The stored text, not the shown one: the valid-from values are disabled (and read empty)
    // while the valid-from month is January, yet they are stored all the same.
    return value.GetStoredString() != value.GetDefaultAsString();
}

bool TOptionsCheck::AbDatumFehlt() const
{
    const TDaten& daten = Daten();
    const TValue* abDatum = daten.FindValue("AbDatum");
    if (abDatum == nullptr)
        return true;
    return TIniFile(OptionenDatei()).ReadString(daten.Name(), abDatum->Name(), kFehlt) == kFehlt;
}

void TOptionsCheck::GespeicherteLesbar()
{
    const std::string datei = OptionenDatei();
    if (const int fehler = TIniFile(datei).Lesefehler(); fehler != 0)
        throw Exception("Die Optionen können nicht gelesen werden\n" + datei + "\n" +
                        SystemFehlerText(fehler));
}

void TOptionsCheck::ResetAbValues()
{
    TDaten& daten = Daten();
    {
        const TUpdateGuard update(daten);
        daten.ForEachValue([this](TValue& wert) {
            if (IstAbWert(wert))
                wert.ResetToDefault();
        });
    }
    daten.Changed();
}

void TOptionsCheck::ResetAllValues()
{
    Daten().Reset();
}

void TOptionsCheck::SaveOptions() const
{
    const TDaten& daten = Daten();
    TXIniFile ini(OptionenDatei());
    ini.BeginUpdate();
    daten.SaveToIni(ini, daten.Name());
    ini.UpdateFile();
}

TDaten& TOptionsBeitragssaetzeCheck::Daten() const
{
    return OptionenVtrl().BeitragssaetzeDaten(kJahr);
}

bool TOptionsBeitragssaetzeCheck::IstAbWert(const TValue& value) const
{
    return dynamic_cast<const TDoubleBeitragssatzAb*>(&value) != nullptr;
}

TOptionenSeite TOptionsBeitragssaetzeCheck::DialogSeite() const
{
    return osBeitragssaetze;
}

TDaten& TOptionsKindergeldCheck::Daten() const
{
    return OptionenVtrl().KindergeldDaten(kJahr);
}

bool TOptionsKindergeldCheck::IstAbWert(const TValue& value) const
{
    return dynamic_cast<const TDoubleKindergeldAb*>(&value) != nullptr;
}

TOptionenSeite TOptionsKindergeldCheck::DialogSeite() const
{
    return osKindergeld;
}

void OptionenPruefungStarten()
{
    Verzeichnisse().SetBasisPfad("Tovar\\XoLStTab\\");
    VerzeichnisseVtrl().SetBasisPfad(Verzeichnisse().GetBasisPfad());
}
