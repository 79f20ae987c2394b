#include "Engine/Sozialversicherung/Kammer.h"

#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Lib/Betrag.h"
#include "Lib/Exception.h"
#include "Options/OptionenJahr.h"
#include "Options/OptionenVorgaben.h"
#include "Options/OptionenVtrl.h"

#include <algorithm>

namespace {

// The chambers' contributions have been 0.15 percent since 1990; Bremen's rate is 0.14 percent
// from 2023. Bremen's exemption limit was 500 marks and became 250 euro with the currency; from
// 2023 pay up to the limit of marginal employment is exempt.
constexpr double kKammerSatz = 0.15;
constexpr double kKammerSatzBr2023 = 0.14;
constexpr double kFreigrenzeDM = 500.0;
constexpr double kFreigrenzeEuro = 250.0;

const TOptionenKammernDaten& KammernOptionen(int jahr)
{
    return OptionenVtrl().KammernDaten(std::min(jahr, kLetztesOptionenJahr));
}

} // namespace

double KammerBeitragssatzBr(int jahr)
{
    if (jahr >= kErstesOptionenJahr)
        return KammernOptionen(jahr).BeitragssatzBr();
    if (jahr < 1990)
        return 0.0;
    return jahr >= 2023 ? kKammerSatzBr2023 : kKammerSatz;
}

double KammerFreigrenzeBr(int jahr)
{
    if (jahr >= kErstesOptionenJahr)
        return KammernOptionen(jahr).FreigrenzeBr();
    if (jahr < 1990)
        return 0.0;
    if (jahr >= 2023)
        // The exemption covers the marginal-employment limit itself ("more than 520 euro" pays),
        // so the limit here is the first cent assessed.
        return (TBeitrag::GeringfuegigkeitsgrenzeCent(jahr, 1, true) + 1.0) / 100.0;
    return jahr <= 2001 ? kFreigrenzeDM : kFreigrenzeEuro;
}

double KammerBeitragssatzSL(int jahr)
{
    if (jahr >= kErstesOptionenJahr)
        return KammernOptionen(jahr).BeitragssatzSL();
    return jahr < 1990 ? 0.0 : kKammerSatz;
}

void TKammer::SetTage(int tage)
{
    m_tage = std::max(tage, 1);
}

double TKammer::Bemessungsgrundlage() const
{
    return Dreisatz(true, 2, m_betrag, m_kurs, m_faktor);
}

double TKammer::BeitragVon(double grundlage) const
{
    const double beitrag = Abschneiden(grundlage * m_satz) * 0.01;
    return Dreisatz(true, 2, beitrag, m_faktor, m_kurs);
}

void TKammerBremen::SetJahr(int jahr)
{
    SetSatz(KammerBeitragssatzBr(jahr));
    SetFreigrenze(KammerFreigrenzeBr(jahr));
    SetFaktor(EuroFaktor(jahr));
}

double TKammerBremen::Bemessungsgrundlage() const
{
    const double basis = TKammer::Bemessungsgrundlage();
    // A month's worth of pay exactly at the limit is assessed.
    if (basis * 30.0 / Tage() < m_freigrenze)
        return 0.0;
    return basis;
}

TKammerSaarland::TKammerSaarland() = default;
TKammerSaarland::~TKammerSaarland() = default;

void TKammerSaarland::SetGrenze(double wert)
{
    m_grenzeBasis = wert;
    m_grenze = Runden(wert * 75.0) * 0.01;
}

void TKammerSaarland::SetLStTab(const TLStTabBase& quelle)
{
    m_lstTab.reset();
    std::unique_ptr<TLStTabBase> tab = quelle.NeueInstanz();
    tab->SetInt(liSteuerklasse, quelle.GetInt(liSteuerklasse));
    tab->SetDoub(ldKurs, tab->DMFaktor());
    tab->SetInt(liZeitraum, quelle.GetInt(liZeitraum));
    m_lstTab = std::move(tab);
}

double TKammerSaarland::Bemessungsgrundlage() const
{
    if (!m_lstTab)
        throw Exception("LStTabelle nicht zugewiesen!");
    const double grenze = m_grenze / 30.0 * Tage();
    const double basis = std::min(TKammer::Bemessungsgrundlage(), grenze);
    // The chamber assesses the middle of the wage-tax table step that holds the pay.
    m_lstTab->SetCurr(lcLohn, Abschneiden(basis * 100.0));
    return (m_lstTab->GetDoub(leStufeOben) - m_lstTab->Tabellenkonstante() * 0.5) * 0.01;
}
