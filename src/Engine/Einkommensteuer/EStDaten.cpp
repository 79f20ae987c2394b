#include "Engine/Einkommensteuer/EStDaten.h"

#include "Engine/Stammdaten/Waehrung.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringIniLookup.h"
#include "Options/Verzeichnisse.h"

#include <string>

namespace {

constexpr int kErstesJahr = 1988;
constexpr int kLetztesJahr = 2026;

} // namespace

void TEStDaten::CreateValues()
{
    TStrings jahre;
    for (int jahr = kErstesJahr; jahr <= kLetztesJahr; ++jahr)
        jahre.push_back(std::to_string(jahr));
    m_jahr = new TIntegerLookup(this, "Jahr", 0, jahre, kErstesJahr, 2025);
    m_wjAbweichend = new TBoolean(this, "WJAbweichend");
    m_waehrungName = new TWaehrungStringIniLookup(
        this, "WaehrungName", 0, "Euro", "WAEHRUNG.INI",
        VerzeichnisseVtrl().GetPfad(TVerzeichnisseVtrl::kWaehrungen).GetValue(), "Waehrungen");
    CreateWaehrung();
    m_umrechnen = new TBoolean(this, "Umrechnen");
    m_grundtabelle = new TBoolean(this, "Grundtabelle", 0, true);
    m_gewStMessbetrag = new TDoubleBetrag(this, "GewStMessbetrag");
    m_gewerbesteuer = new TDoubleBetrag(this, "Gewerbesteuer");
    m_gewerblEink = new TDoubleBetrag(this, "GewerblEink");
    m_gewinnEink = new TDoubleBetrag(this, "GewinnEink");
    m_summeEink = new TDoubleBetrag(this, "SummeEink");
    m_sonstStErm35 = new TDoubleBetrag(this, "SonstStErm35");
    m_zveEingabe = new TBoolean(this, "ZVEEingabe", 0, true);
    m_zve = new TDouble(this, "ZVE");
    m_progressEink = new TDoubleBetrag(this, "ProgressEink");
    m_keineZTab = new TBoolean(this, "KeineZTab");
    m_erwerbsbezuege = new TDoubleBetrag(this, "Erwerbsbezuege");
    m_sonstStErm = new TDoubleBetrag(this, "SonstStErm");
    // The tariff tax stays visible when the progression proviso disables it.
    m_einkommensteuer = new TDouble(this, "Einkommensteuer", cfShowDisabled);
    m_progressSatz = new TDouble(this, "ProgressSatz", cfReadOnly, 0, 6);
    // The rate follows the progression tax; a change of it alone is no news to anybody.
    m_progressSatz->OnChange = nullptr;
    m_progressSteuer = new TDouble(this, "ProgressSteuer", cfReadOnly);
    m_eb32c = new TDouble(this, "EB32c", cfReadOnly);
    m_ermBGewinnEink = new TDouble(this, "ErmBGewinnEink", cfReadOnly);
    m_milderungZTab = new TDouble(this, "MilderungZTab", cfReadOnly);
    m_festzusetzendeESt = new TDouble(this, "FestzusetzendeESt", cfReadOnly);
    m_solZ = new TDouble(this, "SolZ", cfReadOnly);
}

void TEStDaten::UpdateWaehrungStr()
{
    SetModified(true);
    Changed();
    TDaten::UpdateWaehrungStr();
}
