// The employee-chamber contribution of a payroll run: Bremen on the taxable pay, the Saarland on
// the contributory pay.
#include "Engine/Abrechnung/LohnLauf.h"

#include "Engine/Sozialversicherung/Kammer.h"
#include "Lib/Betrag.h"

#include <memory>
#include <string>

void TLohnLauf::KammerBerechnung()
{
    if (!m_e.kammer) {
        m_r.kammerbeitrag.Setzen(0);
        return;
    }
    const int jahr = m_e.jahr;
    std::unique_ptr<TKammer> kammer;
    switch (m_e.kammerLand) {
    case 0: {
        auto bremen = std::make_unique<TKammerBremen>();
        double steuerpflichtig = m_summen[sLfdSteuer] + m_summen[sSonstSteuer] +
                                 m_summen[sMehrjaehrig] + m_summen[sMehrjVersorgung];
        if (KammerAbfindungBr(jahr))
            steuerpflichtig += m_summen[sAbfindung];
        bremen->SetBetrag(steuerpflichtig * 0.01);
        bremen->SetTage(m_e.steuertage);
        bremen->SetJahr(jahr, m_e.monat);
        kammer = std::move(bremen);
        break;
    }
    case 1: {
        auto saarland = std::make_unique<TKammerSaarland>();
        saarland->SetBetrag((m_summen[sLfdSV] + m_summen[sSonstSV]) * 0.01);
        if (m_e.gleitzone)
            saarland->SetGleitzonenbasis(m_beitragspflichtig * 0.01);
        saarland->SetJahr(jahr, m_e.monat);
        saarland->SetTage(m_e.svTage);
        kammer = std::move(saarland);
        break;
    }
    default:
        throw Exception("KammerBerechnung: Kammerland ungültig! (" +
                        std::to_string(m_e.kammerLand) + ")");
    }
    kammer->SetKurs(m_e.kurs);
    kammer->SetFaktor(EuroFaktor(jahr));
    m_r.kammerbeitrag.Setzen(kammer->Beitrag());
}
