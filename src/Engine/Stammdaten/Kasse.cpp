#include "Engine/Stammdaten/Kasse.h"

#include "Engine/Stammdaten/StammListe.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringListValue.h"
#include "MVCFrame/StringValue.h"
#include "Options/OptionenVorgaben.h"
#include "Options/Verzeichnisse.h"

#include <vector>

std::string KassenDateiName()
{
    const TPfadString& pfad = VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kKrankenkassen);
    return JoinPath(pfad.GetAsString(), "SVBEITRG.INI");
}

void TKasseDaten::CreateValues()
{
    m_isOK = new TBoolean(this, "IsOK", cfComputed | cfReadOnly);
    m_bezeichnung = new TString(this, "Bezeichnung", cfComputed);
    // Percentages of pay: a stored rate outside 0 to 100 is refused like any bad input.
    m_satzG = new TDoubleMinMax(this, "Beitragssatz_G", 0, 0.0, kMaxSatz, 0.0, 1);
    m_satzH = new TDoubleMinMax(this, "Beitragssatz_H", 0, 0.0, kMaxSatz, 0.0, 1);
    m_satzF = new TDoubleMinMax(this, "Beitragssatz_F", 0, 0.0, kMaxSatz, 0.0, 1);
    m_zusatz = new TDoubleMinMax(this, "Zusatzbeitragssatz", 0, 0.0, kMaxSatz, 0.0, 2);
    m_ostKV = new TBoolean(this, "BBG_OstKV");
    m_ostRV = new TBoolean(this, "BBG_OstRV");
    m_sachsen = new TBoolean(this, "PV_Sachsen");
    AddValueOnChange(m_bezeichnung,
                     [this](TValue&) { m_isOK->SetValue(!m_bezeichnung->GetValue().empty()); });
}

TBerechnung* TKasse::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TKasse>(owner, name);
}

TDaten* TKasse::CreateDaten()
{
    return CreateComponent<TKasseDaten>(this, Name());
}

namespace {

// Whether the file's list names the fund, as the fund's choices are checked.
bool Gelistet(const TXIniFile& ini, const std::string& name)
{
    for (const std::string& zeile : ini.ReadSectionValues(kKassenSektion))
        if (zeile.substr(zeile.find('=') + 1) == name)
            return true;
    return false;
}

} // namespace

void TKasse::LoadKasse(const std::string& name)
{
    const std::string datei = KassenDateiName();
    // Unreadable, or without the fund (missing, empty, damaged), the file would give every value
    // its default: the fund keeps what it has.
    const TXIniFile ini(datei);
    m_geladen = name.empty() || (!IniDateiUnlesbar(datei) && Gelistet(ini, name));
    if (!name.empty() && m_geladen)
        Daten().LoadFromIni(ini, name);
    KasseDaten().Bezeichnung().SetValue(name);
    EintragGeladen(name);
    DoCalculated();
}

void TKasse::SaveKasse()
{
    // From now on this is the stored fund: saving it again rewrites it.
    const std::string name =
        EintragSpeichern(KassenDateiName(), kKassenSektion, KasseDaten().Bezeichnung().GetValue());
    KasseDaten().Bezeichnung().SetValue(name);
}

TBerechnung* TKassen::NewInstance(TComponent* owner, const std::string& name) const
{
    return CreateComponent<TKassen>(owner, name);
}

TDaten* TKassen::CreateDaten()
{
    return CreateComponent<TKassenDaten>(this, Name());
}

void TKassen::Laden()
{
    const TXIniFile ini(KassenDateiName());
    Daten().LoadFromIni(ini, kKassenSektion);
    KassenDaten().FlagsAktualisieren();
}

void TKassen::MarkierteLoeschen()
{
    TStringListValue& liste = KassenDaten().Krankenkassen();
    std::vector<std::string> bleiben;
    std::vector<std::string> geloescht;
    for (int i = 0; i < liste.Count(); ++i)
        (liste.GetSelected(i) ? geloescht : bleiben).push_back(liste.GetItem(i));
    if (geloescht.empty())
        return;
    // The file first: when it cannot be written, the list still shows what it holds.
    const std::string datei = KassenDateiName();
    TStammListe::VerzeichnisAnlegen(datei);
    TXIniFile ini(datei);
    TStammListe(ini, kKassenSektion).Loeschen(bleiben, geloescht);
    liste.DeleteSelected();
}
