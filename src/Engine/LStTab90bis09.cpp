#include "Engine/LStTab90bis09.h"

#include "Lib/Exception.h"

#include <algorithm>
#include <cstdio>

double TLStTab93::GetValue(int index)
{
    if (index == 1)
        return m_arbeitnehmerpauschbetrag;
    return TLStTab92::GetValue(index);
}

double TLStTab01::TabellenEnde()
{
    m_tabellenJahresbetrag = 200;
    return InAnzeige(Tabellenkonstante() - 1);
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

double TLStTab04::TabellenAnfang()
{
    m_tabellenJahresbetrag = TabellenAnfangJahresbetrag();
    return InAnzeige(std::max(0.0, AufZeitraumUnten(m_tabellenJahresbetrag) - 1));
}

double TLStTab04::TabellenSchritt()
{
    switch (m_int[liZeitraum]) {
    case 1:
        return InAnzeige(100);
    case 2:
        return InAnzeige(8);
    case 3:
    case 4:
        return InAnzeige(1);
    default:
        return 0;
    }
}

long double TLStTab04::UPRUND54(long double)
{
    throw Exception("UPRUND54 veraltet");
}

void TLStTab08::SetInt(int index, std::int32_t wert)
{
    if (index == liRVArt)
        SpeichereInt(index, wert);
    else
        TLStTab07::SetInt(index, wert);
}

double TLStTab08::AltersentlastungsbetragZeitraum()
{
    BerechneWennNoetig();
    double unten = 0;
    double oben = 0;
    AufZeitraum(static_cast<long double>(m_altersentlastungsbetrag) * 100, unten, oben);
    return InAnzeige(oben, 2);
}

double TLStTab08::VersorgungsfreibetragZeitraum()
{
    BerechneWennNoetig();
    double unten = 0;
    double oben = 0;
    AufZeitraum(static_cast<long double>(m_versorgungsfreibetrag) * 100, unten, oben);
    return InAnzeige(oben, 2);
}
