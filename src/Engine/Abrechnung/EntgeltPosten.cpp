#include "Engine/Abrechnung/EntgeltPosten.h"

#include "Engine/Abrechnung/DetailEntgelte.h"
#include "Lib/Betrag.h"
#include "MVCFrame/DoubleValue.h"

#include <cmath>

namespace {

constexpr int kStellen = 2;

} // namespace

void TCentBetrag::Setzen(double wert)
{
    const double geschnitten = std::isfinite(wert) ? ZahlGeschnitten(wert, kStellen) : wert;
    m_gesetzt = true;
    if (!std::isfinite(geschnitten) || ZahlGleich(geschnitten, m_wert, kStellen))
        return;
    m_wert = geschnitten;
}

void TCentBetrag::SetzenGanzeCent(double cent)
{
    constexpr double kGrenze = 1e11;
    if (!(std::fabs(cent) < kGrenze) || !IstGanzeZahl(cent)) {
        Setzen(cent * 0.01);
        return;
    }
    m_gesetzt = true;
    const double wert = cent == 0 ? 0.0 : cent / 100.0;
    if (!ZahlGleich(wert, m_wert, kStellen))
        m_wert = wert;
}

TEntgeltPosten TEntgeltPosten::Aus(const TDetailEntgeltDaten& e)
{
    TEntgeltPosten p;
    p.versorgungsbezug = e.Versorgungsbezug().GetValue();
    p.sterbegeld = e.Sterbegeld().GetValue();
    p.abfindung = e.Abfindung().GetValue();
    p.mehrJhrig = e.MehrJhrig().GetValue();
    p.einmalzahlung = e.Einmalzahlung().GetValue();
    p.sozVersPflicht = e.SozVersPflicht().GetValue();
    p.stPflicht = e.StPflicht().GetValue();
    p.pauschal = e.Pauschal().GetValue();
    p.nettoVereinb = e.NettoVereinb().GetValue();
    p.pauschSatz = e.PauschSatz().GetValue();
    p.pKiStSatz = e.PKiStSatz().GetValue();
    p.brutto = TCentBetrag(e.Brutto().GetValue());
    p.netto = TCentBetrag(e.Netto().GetValue());
    return p;
}

// A new component is taxable and contributory; the amount entered is cut to the cent and is
// its gross side, or its net side when net pay is agreed.
TEntgeltPosten TEntgeltPosten::Versorgung(double betrag)
{
    TEntgeltPosten p;
    p.versorgungsbezug = true;
    p.sozVersPflicht = true;
    p.stPflicht = true;
    p.brutto.Setzen(ZahlGeschnitten(betrag, kStellen));
    return p;
}

TEntgeltPosten TEntgeltPosten::NettoAbzug(double betrag)
{
    TEntgeltPosten p;
    p.brutto.Setzen(ZahlGeschnitten(-betrag, kStellen));
    return p;
}

TEntgeltPosten TEntgeltPosten::Entgelt(bool netto, double betrag)
{
    TEntgeltPosten p;
    p.sozVersPflicht = true;
    p.stPflicht = true;
    p.nettoVereinb = netto;
    (netto ? p.netto : p.brutto).Setzen(ZahlGeschnitten(betrag, kStellen));
    return p;
}
