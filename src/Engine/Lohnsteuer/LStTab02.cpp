#include "Engine/Lohnsteuer/LStTab02.h"

#include "Lib/Betrag.h"

#include <algorithm>
#include <cmath>

namespace {

const TTarifTabelle90 kTarif02 = {
    7236, 2, {{9252, 7200, 768850, 1990, 0}, {55008, 9216, 278650, 2300, 432}}, 485, 9872};

// The other-payment runs change pay period, wage, pension payments, allowance and amount to add;
// they are restored afterwards, also when a step throws.
class TEingabenBewahren {
public:
    TEingabenBewahren(std::int32_t& zeitraum, double& lohn, double& versBezug, double& freibetrag,
                      double& hinzurechnung)
        : m_zeitraum(zeitraum), m_lohn(lohn), m_versBezug(versBezug), m_freibetrag(freibetrag),
          m_hinzurechnung(hinzurechnung), m_alt{static_cast<double>(zeitraum), lohn, versBezug,
                                                freibetrag, hinzurechnung}
    {
    }
    ~TEingabenBewahren()
    {
        m_zeitraum = static_cast<std::int32_t>(m_alt[0]);
        m_lohn = m_alt[1];
        m_versBezug = m_alt[2];
        m_freibetrag = m_alt[3];
        m_hinzurechnung = m_alt[4];
    }
    TEingabenBewahren(const TEingabenBewahren&) = delete;
    TEingabenBewahren& operator=(const TEingabenBewahren&) = delete;

private:
    std::int32_t& m_zeitraum;
    double& m_lohn;
    double& m_versBezug;
    double& m_freibetrag;
    double& m_hinzurechnung;
    double m_alt[5];
};

} // namespace

long double TLStTab02::UPRUND54(long double x)
{
    // Euro tables step by 36 euros.
    return AbschneidenAlsDouble(x * (1.0L / 36)) * 36.0L;
}

double TLStTab02::Tabellenkonstante() const
{
    switch (m_int[liZeitraum]) {
    case 1:
        return 3600;
    case 2:
        return 300;
    case 3:
        return 70;
    case 4:
        return 10;
    default:
        return 0;
    }
}

void TLStTab02::Berechnen()
{
    BerechneStufenverfahren();
    SonstigeBezuege();
    SonstigeBezuegeFuenftel();
    SetzeBerechnet();
}

void TLStTab02::VersorgungUndAlter()
{
    VersorgungUndAlterMit(307200, 190800, true);
}

void TLStTab02::Versorgungsfreibetraege()
{
    m_t.jahresLohn = std::max(0.0, Hochrechnen(m_t.redLohn));
    m_t.jahresLohn2 = Hochrechnen(m_t.redLohn2);
    m_t.untereStufe = static_cast<double>(UPRUND54(m_t.jahresLohn));
    m_t.obereStufe = static_cast<double>(UPRUND54(m_t.jahresLohn2)) + 35;
}

void TLStTab02::Tabellenfreibetraege()
{
    TabellenfreibetraegeMit({1044, 36, 72, 2340, 5808, 2904, 0, false});
}

long double TLStTab02::VorsorgepauschaleAlt()
{
    return VorsorgepauschaleMit({0.2, 3068, 1334, 667, 1134, 0.16});
}

void TLStTab02::Jahreslohnsteuer()
{
    SteuerNachStufe(36, 18);
}

const TTarifTabelle90& TLStTab02::TarifTabelle() const
{
    return kTarif02;
}

double TLStTab02::JahressteuerBerechnen()
{
    VersorgungUndAlter();
    Versorgungsfreibetraege();
    Tabellenfreibetraege();
    Jahreslohnsteuer();
    m_t.steuerZeitraum = m_t.tarifSteuer;
    return m_t.steuerZeitraum;
}

void TLStTab02::SonstigeBezuege()
{
    const double bezug = m_sonstigerBezug;
    if (bezug == 0) {
        m_erg[leLStSonst] = 0;
        m_erg[leSolZSonst] = 0;
        m_erg[leKiStBasisSonst] = 0;
        return;
    }
    TEingabenBewahren bewahren(m_int[liZeitraum], m_curr[lcLohn], m_curr[lcVersBezug],
                               m_doub[ldFreibetrag], m_doub[ldHinzurechnung]);
    double steuer = 0;
    if (bezug <= 15000) {
        // Up to 150 euros an other payment is pay of the period.
        m_curr[lcVersBezug] += m_sonstigerVersBezug;
        m_curr[lcLohn] += bezug;
        const double mit = JahressteuerBerechnen();
        steuer = AufZeitraumUnten(mit * 100.0L) - m_erg[leLohnsteuer];
    } else {
        m_int[liZeitraum] = 1;
        m_curr[lcVersBezug] = m_doub[ldJahresVersBezug];
        m_doub[ldFreibetrag] = m_doub[ldJahresFreibetrag];
        m_doub[ldHinzurechnung] = m_doub[ldJahresHinzurechnung];
        m_curr[lcLohn] = m_doub[ldJahresLohn];
        const double ohne = JahressteuerBerechnen() * 100;
        m_curr[lcVersBezug] = m_doub[ldJahresVersBezug] + m_sonstigerVersBezug;
        m_curr[lcLohn] = m_doub[ldJahresLohn] + bezug;
        const double mit = JahressteuerBerechnen() * 100;
        steuer = mit - ohne;
    }
    m_erg[leLStSonst] = steuer;
    m_erg[leSolZSonst] = std::trunc(steuer * 55 / 1000);
    m_erg[leKiStBasisSonst] = m_bool[lbKirchensteuer] ? steuer : 0.0;
}

void TLStTab02::KeinFuenftel()
{
    m_erg[leLStFuenftel] = 0;
    m_erg[leSolZFuenftel] = 0;
    m_erg[leKiStBasisFuenftel] = 0;
}

void TLStTab02::SonstigeBezuegeFuenftel()
{
    const double fuenftel = m_sonstigerFuenftel;
    if (fuenftel == 0) {
        KeinFuenftel();
        return;
    }
    TEingabenBewahren bewahren(m_int[liZeitraum], m_curr[lcLohn], m_curr[lcVersBezug],
                               m_doub[ldFreibetrag], m_doub[ldHinzurechnung]);
    m_int[liZeitraum] = 1;
    m_curr[lcVersBezug] = m_doub[ldJahresVersBezug] + m_sonstigerVersBezug;
    m_doub[ldFreibetrag] = m_doub[ldJahresFreibetrag];
    m_doub[ldHinzurechnung] = m_doub[ldJahresHinzurechnung];
    const double lohnMit = m_doub[ldJahresLohn] + m_sonstigerBezug;
    m_curr[lcLohn] = lohnMit;
    const double basis = JahressteuerBerechnen() * 100;
    m_curr[lcLohn] = lohnMit + 0.2 * fuenftel;
    double steuer = (JahressteuerBerechnen() * 100 - basis) * 5;
    // Five times the tax on a fifth never exceeds the tax on the whole.
    m_curr[lcLohn] = lohnMit + fuenftel;
    const double voll = JahressteuerBerechnen() * 100 - basis;
    steuer = std::min(steuer, voll);
    m_erg[leLStFuenftel] = steuer;
    m_erg[leSolZFuenftel] = std::trunc(steuer * 55 / 1000);
    m_erg[leKiStBasisFuenftel] = m_bool[lbKirchensteuer] ? steuer : 0.0;
}
