#include "Engine/Stammdaten/StammDaten.h"

#include "Engine/Stammdaten/StammListe.h"
#include "Lib/IniFile.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/StringListValue.h"

#include <utility>

void TStammEintrag::Assign(const TBerechnung& source)
{
    TBerechnung::Assign(source);
    if (const auto* eintrag = dynamic_cast<const TStammEintrag*>(&source)) {
        m_neu = eintrag->m_neu;
        m_geladenerName = eintrag->m_geladenerName;
    }
}

void TStammEintrag::EintragGeladen(const std::string& name)
{
    m_neu = false;
    m_geladenerName = name;
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
    bool loeschbar = false;
    for (int i = 0; i < m_liste->Count() && !loeschbar; ++i)
        loeschbar = m_liste->GetSelected(i) && Loeschbar(m_liste->GetItem(i));
    m_loeschen->SetValue(loeschbar);
    m_ok->SetValue(m_liste->SelCount() == 1);
}

bool TStammListeDaten::Loeschbar(const std::string&) const
{
    return true;
}
