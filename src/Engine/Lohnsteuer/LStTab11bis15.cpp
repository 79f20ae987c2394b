#include "Engine/Lohnsteuer/LStTab11bis15.h"

void TLStTab11::InitBBG()
{
    m_doub[ldBBGKV] = 44550;
    m_doub[ldBBGRV] = 66000;
}

void TLStTab11::VorsorgeEntschaedigungOhne()
{
    m_w.zre4vp = AbrundenCent(m_w.zre4vp - m_doub[ldJahresEntschaedigung] * 0.01L);
}

double TLStTab11Dez::Arbeitnehmerpauschbetrag() const
{
    // The year's 80 euros more, caught up entirely in the December pay.
    return m_int[liZeitraum] != 1 ? 1880 : 1000;
}

void TLStTab12::InitBBG()
{
    m_doub[ldBBGKV] = 45900;
    m_doub[ldBBGRV] = 67200;
}

void TLStTab12::InitRVSatz()
{
    m_doub[ldRVSatz] = 19.6;
}

void TLStTab13::InitTarifwerte()
{
    TLStTab12::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 8130;
}

void TLStTab13::InitBBG()
{
    m_doub[ldBBGKV] = 47250;
    m_doub[ldBBGRV] = 69600;
}

void TLStTab13::InitRVSatz()
{
    m_doub[ldRVSatz] = 18.9;
}

void TLStTab13::Parameter()
{
    TLStTab12::Parameter();
    m_p.grenze1 = 9550;
}

long double TLStTab13::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{933.70, 1400,  13470, 228.74, 2397,
                                        1014,   52882, 8196,  250731, 15718};
    return TarifNachZonen(x, kZonen);
}

void TLStTab14::InitTarifwerte()
{
    TLStTab13::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 8354;
}

void TLStTab14::InitBBG()
{
    m_doub[ldBBGKV] = 48600;
    m_doub[ldBBGRV] = 71400;
}

void TLStTab14::Parameter()
{
    TLStTab13::Parameter();
    m_p.grenze1 = 9763;
}

long double TLStTab14::Tarif(long double x) const
{
    return TarifNachZonen(x, kZonen);
}

void TLStTab15::InitBBG()
{
    m_doub[ldBBGKV] = 49500;
    m_doub[ldBBGRV] = 72600;
}

void TLStTab15::InitRVSatz()
{
    m_doub[ldRVSatz] = 18.7;
}

void TLStTab15geaendert::InitTarifwerte()
{
    TLStTab15::InitTarifwerte();
    m_doub[ldGrundfreibetrag] = 8472;
    m_efaVorgabe = 1908;
}

void TLStTab15geaendert::InitKinderfreibetrag()
{
    m_doub[ldKinderfreibetrag] = 7152;
}

void TLStTab15geaendert::Parameter()
{
    TLStTab15::Parameter();
    m_p.grenze1 = 9873;
    m_p.grenze2 = 26441;
    m_p.grenze3 = 200584;
}

long double TLStTab15geaendert::Tarif(long double x) const
{
    static constexpr TTarifZonen kZonen{997.60, 1400,  13470,   228.74, 2397,
                                        948.68, 52882, 8261.29, 250731, 15783.19};
    return TarifNachZonen(x, kZonen);
}
