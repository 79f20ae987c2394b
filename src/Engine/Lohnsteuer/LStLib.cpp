#include "Engine/Lohnsteuer/LStLib.h"

#include "Lib/Exception.h"

namespace {

std::unique_ptr<TLStTabBase> VorZweitausendzehn(std::uint16_t jahr)
{
    switch (jahr) {
    case 1990:
    case 1991:
        return ErzeugeLStTab<TLStTab90>();
    case 1992:
        return ErzeugeLStTab<TLStTab92>();
    case 1993:
        return ErzeugeLStTab<TLStTab93>();
    case 1994:
        return ErzeugeLStTab<TLStTab94>();
    case 1995:
        return ErzeugeLStTab<TLStTab95>();
    case 1996:
        return ErzeugeLStTab<TLStTab96>();
    case 1997:
        return ErzeugeLStTab<TLStTab97>();
    case 1998:
        return ErzeugeLStTab<TLStTab98>();
    case 1999:
        return ErzeugeLStTab<TLStTab99>();
    case 2000:
        return ErzeugeLStTab<TLStTab00>();
    case 2001:
        return ErzeugeLStTab<TLStTab01>();
    case 2002:
    case 2003:
        return ErzeugeLStTab<TLStTab02>();
    case 2004:
        return ErzeugeLStTab<TLStTab04>();
    case 2005:
        return ErzeugeLStTab<TLStTab05>();
    case 2006:
        return ErzeugeLStTab<TLStTab06>();
    case 2007:
        return ErzeugeLStTab<TLStTab07>();
    case 2008:
        return ErzeugeLStTab<TLStTab08>();
    case 2009:
        return ErzeugeLStTab<TLStTab09a>();
    default:
        throw Exception("LStLib/CreateLStTab: Ungültiges Jahr");
    }
}

} // namespace

std::unique_ptr<TLStTabBase> CreateLStTab(std::uint16_t jahr, std::uint16_t monat)
{
    if (monat < 1 || monat > 12)
        throw Exception("LStLib/CreateLStTab: Ungültiger Monat");
    if (jahr >= 2026)
        return ErzeugeLStTab<TLStTab26>();
    switch (jahr) {
    case 2010:
        return ErzeugeLStTab<TLStTab10>();
    case 2011:
        return monat == 12 ? ErzeugeLStTab<TLStTab11Dez>() : ErzeugeLStTab<TLStTab11>();
    case 2012:
        return ErzeugeLStTab<TLStTab12>();
    case 2013:
        return ErzeugeLStTab<TLStTab13>();
    case 2014:
        return ErzeugeLStTab<TLStTab14>();
    case 2015:
        return monat == 12 ? ErzeugeLStTab<TLStTab15Dez>() : ErzeugeLStTab<TLStTab15>();
    case 2016:
        return ErzeugeLStTab<TLStTab16>();
    case 2017:
        return ErzeugeLStTab<TLStTab17>();
    case 2018:
        return ErzeugeLStTab<TLStTab18>();
    case 2019:
        return ErzeugeLStTab<TLStTab19>();
    case 2020:
        return ErzeugeLStTab<TLStTab20>();
    case 2021:
        return ErzeugeLStTab<TLStTab21>();
    case 2022:
        return monat < 6 ? ErzeugeLStTab<TLStTab22>() : ErzeugeLStTab<TLStTab22geaendert>();
    case 2023:
        if (monat < 4)
            return ErzeugeLStTab<TLStTab23>();
        return monat < 7 ? ErzeugeLStTab<TLStTab23geaendert>()
                         : ErzeugeLStTab<TLStTab23geaendert2>();
    case 2024:
        if (monat < 4)
            return ErzeugeLStTab<TLStTab24>();
        return monat < 12 ? ErzeugeLStTab<TLStTab24geaendert>() : ErzeugeLStTab<TLStTab24Dez>();
    case 2025:
        return monat < 3 ? ErzeugeLStTab<TLStTab25>() : ErzeugeLStTab<TLStTab25geaendert>();
    default:
        return VorZweitausendzehn(jahr);
    }
}
