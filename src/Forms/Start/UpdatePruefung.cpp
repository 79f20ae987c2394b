#include "Forms/Start/UpdatePruefung.h"

#include <charconv>

namespace {

bool Zahl(std::string_view text, int& wert)
{
    if (text.empty() || text.size() > 4)
        return false;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    return fehler == std::errc() && ende == text.data() + text.size();
}

int TageImMonat(int monat, int jahr)
{
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return monat == 2 && schalt ? 29 : kTage[monat - 1];
}

// Days from 1.1.1970 by the proleptic Gregorian calendar.
long TageSeit1970(int jahr, int monat, int tag)
{
    jahr -= monat <= 2;
    const long era = (jahr >= 0 ? jahr : jahr - 399) / 400;
    const long jahrDerEra = jahr - era * 400;
    const long tagDesJahres = (153L * (monat + (monat > 2 ? -3 : 9)) + 2) / 5 + tag - 1;
    const long tagDerEra = jahrDerEra * 365 + jahrDerEra / 4 - jahrDerEra / 100 + tagDesJahres;
    return era * 146097 + tagDerEra - 719468;
}

} // namespace

long DatumTage(const TDatum& datum)
{
    return TageSeit1970(datum.Jahr, datum.Monat, datum.Tag) - TageSeit1970(1899, 12, 30);
}

std::string UpdateDatumText(const TDatum& datum)
{
    return DatumAlsText(datum);
}

bool UpdateDatumLesen(std::string_view text, TDatum& datum)
{
    const auto punkt1 = text.find('.');
    const auto punkt2 = punkt1 == std::string_view::npos ? punkt1 : text.find('.', punkt1 + 1);
    if (punkt2 == std::string_view::npos)
        return false;
    int tag = 0;
    int monat = 0;
    int jahr = 0;
    if (!Zahl(text.substr(0, punkt1), tag) ||
        !Zahl(text.substr(punkt1 + 1, punkt2 - punkt1 - 1), monat) ||
        !Zahl(text.substr(punkt2 + 1), jahr))
        return false;
    if (jahr < 1 || monat < 1 || monat > 12 || tag < 1 || tag > TageImMonat(monat, jahr))
        return false;
    datum = SetDatum(tag, monat, jahr);
    return true;
}

bool UpdateFaellig(const TUpdateLage& lage)
{
    if (lage.updaterGestartet || !lage.erstesArgument.empty() || !lage.updaterVorhanden)
        return false;
    long abstand = 0;
    switch (lage.rhythmus) {
    case kUpdateTag:
        abstand = 1;
        break;
    case kUpdateWoche:
        abstand = 7;
        break;
    case kUpdateMonat:
        abstand = 30;
        break;
    default:
        return false;
    }
    TDatum zuletzt{};
    const long zuletztTage =
        UpdateDatumLesen(lage.zuletztGesucht, zuletzt) ? DatumTage(zuletzt) : 0;
    return DatumTage(lage.heute) - zuletztTage >= abstand;
}

bool UpdateGesucht(std::string_view erstesArgument)
{
    return erstesArgument == "/NOUPDATE" || erstesArgument == "/UPDATEOK";
}

std::string UpdateStatusText(std::string_view erstesArgument)
{
    if (erstesArgument == "/NOUPDATE")
        return "Kein Update verfügbar.";
    if (erstesArgument == "/UPDATEOK")
        return "Update erfolgreich installiert.";
    if (erstesArgument == "/UPDATEERROR")
        return "KEINE VERBINDUNG ZUM UPDATE-SERVER.";
    return {};
}
