#include "Engine/Stammdaten/StammDaten.h"

#include "Engine/Stammdaten/StammListe.h"
#include "Lib/IniFile.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/StringListValue.h"

#include <utility>

void TStammEintrag::EintragGeladen(const std::string& name)
{
    m_neu = false;
    m_geladenerName = name;
}

void TStammEintrag::Assign(const TBerechnung& source)
{
    TBerechnung::Assign(source);
    if (const auto* eintrag = dynamic_cast<const TStammEintrag*>(&source)) {
        m_neu = eintrag->m_neu;
        m_geladenerName = eintrag->m_geladenerName;
    }
}

std::string TStammEintrag::EintragSpeichern(const std::string& dateiName,
                                            const std::string& sektion,
                                            const std::string& bezeichnung)
{
    TStammListe::VerzeichnisAnlegen(dateiName);
    TXIniFile ini(dateiName);
    TStammListe liste(ini, sektion);
    const std::string name = liste.Speichern(
        bezeichnung, m_neu, m_geladenerName,
        [this](TXIniFile& datei, const std::string& s) { Daten().SaveToIni(datei, s); });
    EintragGeladen(name);
    return name;
}

TStammListeDaten::TStammListeDaten(TComponent* owner, const std::string& name, std::string sektion)
    : TDaten(owner, name), m_sektion(std::move(sektion))
{
}

void TStammListeDaten::CreateValues()
{
    m_liste = new TStringListValue(this, m_sektion, 0, true);
    m_loeschen = new TBoolean(this, "LoeschenFlag", cfComputed);
    m_ok = new TBoolean(this, "OKFlag", cfComputed);
    AddValueOnChange(m_liste, [this](TValue&) { FlagsAktualisieren(); });
}

void TStammListeDaten::FlagsAktualisieren()
{
    const int markiert = m_liste->SelCount();
    m_loeschen->SetValue(markiert > 0);
    m_ok->SetValue(markiert == 1);
}
