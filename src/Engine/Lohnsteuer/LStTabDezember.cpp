#include "Engine/Lohnsteuer/LStTabDezember.h"

#include <algorithm>
#include <limits>

namespace {

// Keeps a value for the time of a computation and puts it back afterwards.
template <class T> class TBewahren {
public:
    explicit TBewahren(T& wert) : m_wert(wert), m_alt(wert) {}
    ~TBewahren() { m_wert = m_alt; }
    TBewahren(const TBewahren&) = delete;
    TBewahren& operator=(const TBewahren&) = delete;

private:
    T& m_wert;
    T m_alt;
};

} // namespace

template <class TBasis> void TLStTabDezember<TBasis>::ZwischenwerteLoeschen()
{
    TBasis::ZwischenwerteLoeschen();
    m_modus = 1;
    std::fill(std::begin(m_lohnsteuer), std::end(m_lohnsteuer), 0.0);
    std::fill(std::begin(m_solz), std::end(m_solz), 0.0);
    std::fill(std::begin(m_kist), std::end(m_kist), 0.0);
}

template <class TBasis> void TLStTabDezember<TBasis>::Berechnen()
{
    TBewahren<std::int32_t> zeitraum(this->m_int[liZeitraum]);
    TBewahren<std::int32_t> monate(this->m_int[liVersMonate]);
    TWerte& w = this->m_w;
    this->PruefeEingaben();
    this->ErgebnisseLoeschen();
    ZwischenwerteLoeschen();
    this->Parameter();
    this->Jahreswerte();
    this->Versorgungsfreibetraege();
    this->Bemessungsgrundlagen();
    this->TabellenstufeVormerken(w.zre4);

    const long double vorsorgeLohn = w.zre4vp;
    Modus(1);
    LaufenderBezug();
    Modus(2);
    w.zre4vp = vorsorgeLohn;
    LaufenderBezug();
    // The month's tax takes eleven times the difference of two annual taxes off the year's: it
    // may fall by itself, whatever the allowances do.
    this->m_wachsendeFreibetraege = std::numeric_limits<double>::quiet_NaN();

    if (this->m_int[liZeitraum] != 1) {
        const auto nachholen = [this](const double(&jahr)[2]) {
            const double betrag = jahr[1] - (jahr[0] - jahr[1]) * 11;
            return betrag < 0 ? 0.0 : this->AufZeitraumUnten(betrag);
        };
        this->m_erg[leLohnsteuer] = nachholen(m_lohnsteuer);
        this->m_erg[leSolZ] = nachholen(m_solz);
        this->m_erg[leKiStBasis] = nachholen(m_kist);
    }
    this->SonstigeBezuege();
    this->SonstigeBezuegeFuenftel();
    this->SetzeBerechnet();
}

template <class TBasis> void TLStTabDezember<TBasis>::LaufenderBezug()
{
    TBasis::LaufenderBezug();
    const TWerte& w = this->m_w;
    const int i = m_modus == 1 ? 0 : 1;
    m_lohnsteuer[i] = w.lstJahr * 100;
    m_solz[i] = w.solzJahr;
    m_kist[i] = this->m_bool[lbKirchensteuer] ? w.jbmg * 100 : 0;
}

template class TLStTabDezember<TLStTab15geaendert>;
template class TLStTabDezember<TLStTab24geaendert>;

void TLStTab15Dez::Modus(int modus)
{
    m_modus = modus;
    m_p.grenze1 = (modus == 1 ? kTarifwerte2015 : kTarifwerte2015geaendert).grenze1;
}

void TLStTab15Dez::Tabellenfreibetraege()
{
    if (m_modus != 1) {
        TLStTab15geaendert::Tabellenfreibetraege();
        return;
    }
    // Until November: child allowance and single-parent relief of the first 2015 tariff.
    TBewahren<double> kinderfreibetrag(m_doub[ldKinderfreibetrag]);
    TBewahren<const TLStTarifwerte*> werte(m_werte);
    m_werte = &kTarifwerte2015;
    m_doub[ldKinderfreibetrag] = m_werte->kinderfreibetrag;
    TLStTab15geaendert::Tabellenfreibetraege();
}

long double TLStTab15Dez::Tarif(long double x) const
{
    if (m_modus == 1)
        return TarifNachZonen(x, kTarifwerte2015.zonen, kTarifwerte2015.grundfreibetrag);
    return TLStTab15geaendert::Tarif(x);
}

void TLStTab24Dez::Berechnen()
{
    TBewahren<double> grundfreibetrag(m_doub[ldGrundfreibetrag]);
    TLStTabDezember<TLStTab24geaendert>::Berechnen();
}

void TLStTab24Dez::Modus(int modus)
{
    m_modus = modus;
    m_p.grenze1 = (modus == 1 ? kTarifwerte2024 : kTarifwerte2025).grenze1;
    if (modus == 2)
        m_doub[ldGrundfreibetrag] = kTarifwerte2025.grundfreibetrag;
}

void TLStTab24Dez::Tabellenfreibetraege()
{
    if (m_modus == 1) {
        TLStTab24geaendert::Tabellenfreibetraege();
        return;
    }
    TBewahren<double> kinderfreibetrag(m_doub[ldKinderfreibetrag]);
    m_doub[ldKinderfreibetrag] = kTarifwerte2025.kinderfreibetrag;
    TLStTab24geaendert::Tabellenfreibetraege();
}

long double TLStTab24Dez::Tarif(long double x) const
{
    if (m_modus == 2)
        return TarifNachZonen(x, kTarifwerte2025.zonen);
    return TLStTab24geaendert::Tarif(x);
}
