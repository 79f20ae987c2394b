#include "Engine/Sozialversicherung/Gleitzone.h"

#include "Engine/Sozialversicherung/Beitrag.h"

namespace {

// Months counted from the year 0, so that a change month compares as one number.
constexpr int Periode(int jahr, int monat)
{
    return jahr * 12 + monat - 1;
}

// One seventh of the monthly reference value (west), 1990 to 1998, in marks (SGB IV section 8
// in the versions of those years).
constexpr int kGeringfuegigDM1990[] = {470, 480, 500, 530, 560, 580, 590, 610, 620};

} // namespace

TGleitzonenStand GleitzonenStand(int jahr, int monat)
{
    const int periode = Periode(jahr, monat);
    if (periode < Periode(2003, 4))
        return TGleitzonenStand::kKeine;
    if (periode < Periode(2019, 7))
        return TGleitzonenStand::kGleitzone;
    if (periode < Periode(2022, 10))
        return TGleitzonenStand::kUebergang2019;
    return TGleitzonenStand::kUebergang2022;
}

const char* GleitzonenBezeichnung(int jahr, int monat)
{
    if (GleitzonenStand(jahr, monat) <= TGleitzonenStand::kGleitzone)
        return "Gleitzone";
    // The new name took a while to settle on the forms.
    return jahr < 2022 ? "Gleitzone/Übergangsbereich" : "Übergangsbereich";
}

bool RVMinderungAbwaehlbar(int jahr, int monat)
{
    return GleitzonenStand(jahr, monat) == TGleitzonenStand::kGleitzone;
}

bool AlteGleitzonenregelWaehlbar(int jahr, int monat)
{
    return jahr == 2013 || jahr == 2014 ||
           (GleitzonenStand(jahr, monat) == TGleitzonenStand::kUebergang2022 && jahr <= 2023);
}

bool NeueGleitzonenformelVon2022(int jahr)
{
    return jahr >= 2022;
}

bool NeueGleitzonenregel(int jahr, int monat, bool schalter, double monatsentgeltEuroCent)
{
    if (!AlteGleitzonenregelWaehlbar(jahr, monat))
        return jahr >= 2015;
    return schalter ||
           monatsentgeltEuroCent > TBeitrag::GeringfuegigkeitsgrenzeCent(jahr, monat, true);
}

double GeringfuegigkeitsgrenzeMonat(int jahr, int monat)
{
    if (jahr < 1990)
        return 0.0;
    if (jahr <= 1998)
        return kGeringfuegigDM1990[jahr - 1990];
    if (jahr <= 2001)
        return 630.0;
    if (GleitzonenStand(jahr, monat) == TGleitzonenStand::kKeine)
        return 325.0;
    return TBeitrag::GeringfuegigkeitsgrenzeCent(jahr, monat, true) / 100.0;
}
