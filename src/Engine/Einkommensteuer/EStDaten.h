#pragma once
// TEStDaten: the inputs and results of one income-tax calculation (TEStBerechnung). The value
// names are the INI keys of the income-tax page and the DDE items of topic "EST".
#include "MVCFrame/Daten.h"

class TBoolean;
class TDouble;
class TDoubleBetrag;
class TIntegerLookup;
class TWaehrungStringIniLookup;

class TEStDaten : public TDaten {
public:
    using TDaten::TDaten;

    // An options change may switch between "Euro" and "€": recalculate and refresh as well.
    void UpdateWaehrungStr() override;

    TIntegerLookup& Jahr() const { return *m_jahr; }
    TBoolean& WJAbweichend() const { return *m_wjAbweichend; }
    TWaehrungStringIniLookup& WaehrungName() const { return *m_waehrungName; }
    TBoolean& Umrechnen() const { return *m_umrechnen; }
    TBoolean& Grundtabelle() const { return *m_grundtabelle; }
    TDoubleBetrag& GewStMessbetrag() const { return *m_gewStMessbetrag; }
    TDoubleBetrag& Gewerbesteuer() const { return *m_gewerbesteuer; }
    TDoubleBetrag& GewerblEink() const { return *m_gewerblEink; }
    TDoubleBetrag& GewinnEink() const { return *m_gewinnEink; }
    TDoubleBetrag& SummeEink() const { return *m_summeEink; }
    TDoubleBetrag& SonstStErm35() const { return *m_sonstStErm35; }
    TBoolean& ZVEEingabe() const { return *m_zveEingabe; }
    TDouble& ZVE() const { return *m_zve; }
    TDoubleBetrag& ProgressEink() const { return *m_progressEink; }
    TBoolean& KeineZTab() const { return *m_keineZTab; }
    TDoubleBetrag& Erwerbsbezuege() const { return *m_erwerbsbezuege; }
    TDoubleBetrag& SonstStErm() const { return *m_sonstStErm; }
    TDouble& Einkommensteuer() const { return *m_einkommensteuer; }
    TDouble& ProgressSatz() const { return *m_progressSatz; }
    TDouble& ProgressSteuer() const { return *m_progressSteuer; }
    TDouble& EB32c() const { return *m_eb32c; }
    TDouble& ErmBGewinnEink() const { return *m_ermBGewinnEink; }
    TDouble& MilderungZTab() const { return *m_milderungZTab; }
    TDouble& FestzusetzendeESt() const { return *m_festzusetzendeESt; }
    TDouble& SolZ() const { return *m_solZ; }

protected:
    void CreateValues() override;

private:
    TIntegerLookup* m_jahr = nullptr;
    TBoolean* m_wjAbweichend = nullptr;
    TWaehrungStringIniLookup* m_waehrungName = nullptr;
    TBoolean* m_umrechnen = nullptr;
    TBoolean* m_grundtabelle = nullptr;
    TDoubleBetrag* m_gewStMessbetrag = nullptr;
    TDoubleBetrag* m_gewerbesteuer = nullptr;
    TDoubleBetrag* m_gewerblEink = nullptr;
    TDoubleBetrag* m_gewinnEink = nullptr;
    TDoubleBetrag* m_summeEink = nullptr;
    TDoubleBetrag* m_sonstStErm35 = nullptr;
    TBoolean* m_zveEingabe = nullptr;
    TDouble* m_zve = nullptr;
    TDoubleBetrag* m_progressEink = nullptr;
    TBoolean* m_keineZTab = nullptr;
    TDoubleBetrag* m_erwerbsbezuege = nullptr;
    TDoubleBetrag* m_sonstStErm = nullptr;
    TDouble* m_einkommensteuer = nullptr;
    TDouble* m_progressSatz = nullptr;
    TDouble* m_progressSteuer = nullptr;
    TDouble* m_eb32c = nullptr;
    TDouble* m_ermBGewinnEink = nullptr;
    TDouble* m_milderungZTab = nullptr;
    TDouble* m_festzusetzendeESt = nullptr;
    TDouble* m_solZ = nullptr;
};
