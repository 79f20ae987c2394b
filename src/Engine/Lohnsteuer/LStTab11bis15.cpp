#include "Engine/Lohnsteuer/LStTab11bis15.h"

void TLStTab11::VorsorgeEntschaedigungOhne()
{
    m_w.zre4vp = AbrundenCent(m_w.zre4vp - m_doub[ldJahresEntschaedigung] * 0.01L);
}

double TLStTab11Dez::Arbeitnehmerpauschbetrag() const
{
    // The year's 80 euros more, caught up entirely in the December pay.
    return m_int[liZeitraum] != 1 ? 1880 : 1000;
}
