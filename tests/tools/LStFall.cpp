#include "LStFall.h"

#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Lib/Exception.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

// The first and last tariff period (year · 100 + month) whose flow chart knows an input.
struct TEingabename {
    const char* name;
    int von;
    int bis;
};

constexpr int kImmer = 999912;

const TEingabename kEingabenamen[] = {
    {"STKL", 0, kImmer},          {"LZZ", 0, kImmer},           {"RE4", 0, kImmer},
    {"VBEZ", 0, kImmer},          {"ZKF", 0, kImmer},           {"R", 0, kImmer},
    {"KRV", 0, kImmer},           {"ALTER1", 0, kImmer},        {"AJAHR", 0, kImmer},
    {"WFUNDF", 0, 200712},        {"HINZUR", 0, 200712},        {"LZZFREIB", 200801, kImmer},
    {"LZZHINZU", 200801, kImmer}, {"SONSTB", 200201, kImmer},   {"VBS", 200201, kImmer},
    {"JRE4", 200201, kImmer},     {"JVBEZ", 200201, kImmer},    {"JFREIB", 200201, kImmer},
    {"JHINZU", 200201, kImmer},   {"VMT", 200201, 202412},      {"VBEZM", 200501, kImmer},
    {"VBEZS", 200501, kImmer},    {"VJAHR", 200501, kImmer},    {"ZMVB", 200501, kImmer},
    {"STERBE", 200601, kImmer},   {"VKAPA", 200601, 202412},    {"AF", 201001, kImmer},
    {"F", 201001, kImmer},        {"PKPV", 201001, kImmer},     {"PKV", 201001, kImmer},
    {"PVS", 201001, kImmer},      {"PVZ", 201001, kImmer},      {"ENTSCH", 201001, 202412},
    {"JRE4ENT", 201101, kImmer},  {"SONSTENT", 201101, kImmer}, {"KVZ", 201501, kImmer},
    {"MBV", 202201, kImmer},      {"PVA", 202401, kImmer},      {"PKPVAGZ", 202601, kImmer},
    {"ALV", 202601, kImmer},
};

double Wert(const TLStFallWerte& werte, std::string_view name)
{
    const auto it = werte.find(name);
    return it == werte.end() ? 0.0 : it->second;
}

[[noreturn]] void Ungueltig(std::string_view name, double wert, const std::string& grund)
{
    char zahl[40];
    std::snprintf(zahl, sizeof zahl, "%.15g", wert);
    throw Exception(std::string(name) + "=" + zahl + ": " + grund);
}

// An integer input: a whole number within 32 bits, never clamped.
std::int32_t Ganzzahl(const TLStFallWerte& werte, std::string_view name)
{
    const double wert = Wert(werte, name);
    if (wert != std::trunc(wert) || wert < std::numeric_limits<std::int32_t>::min() ||
        wert > std::numeric_limits<std::int32_t>::max())
        Ungueltig(name, wert, "keine ganze Zahl im Wertebereich");
    return static_cast<std::int32_t>(wert);
}

// A switch of the flow chart: 0 or 1.
bool Schalter(const TLStFallWerte& werte, std::string_view name)
{
    const std::int32_t wert = Ganzzahl(werte, name);
    if (wert != 0 && wert != 1)
        Ungueltig(name, wert, "erlaubt sind 0 und 1");
    return wert == 1;
}

// Runs one setter of the tariff; a value that the tariff refuses is reported under the input's
// name in the flow chart.
template <class F> void Setze(const TLStFallWerte& werte, std::string_view name, F&& setzen)
{
    try {
        setzen();
    } catch (const ELStTabError& e) {
        Ungueltig(name, Wert(werte, name), e.what());
    }
}

// Health insurance as the flow charts of 2010 to 2014 fix it, without an input: the reduced
// rate plus the employee's special contribution of 0.9 %, so the employee's share is 7.6 %
// (2010) or 7.9 % (2011-2014) and the employer's 6.7 % or 7.0 %. From 2015 the general
// reduced rate of 14 % and the fund's additional rate of the case (KVZ).
void Krankensaetze(int jahr, const TLStFallWerte& werte, double& satz, double& zusatz)
{
    if (jahr <= 2014) {
        satz = jahr == 2010 ? 13.4 : 14.0;
        zusatz = 0.9;
    } else {
        satz = 14.0;
        zusatz = Wert(werte, "KVZ");
    }
}

// Care-insurance rate and the surcharge of the childless that the flow chart of a period assumes.
void Pflegesaetze(int jahr, int monat, double& satz, double& kinderlos)
{
    if (jahr <= 2012)
        satz = 1.95;
    else if (jahr <= 2014)
        satz = 2.05;
    else if (jahr <= 2016)
        satz = 2.35;
    else if (jahr <= 2018)
        satz = 2.55;
    else if (jahr < 2023 || (jahr == 2023 && monat < 7))
        satz = 3.05;
    else if (jahr == 2023 || jahr == 2024)
        satz = 3.4;
    else
        satz = 3.6;
    if (jahr <= 2021)
        kinderlos = 0.25;
    else if (jahr == 2022 || (jahr == 2023 && monat < 7))
        kinderlos = 0.35;
    else
        kinderlos = 0.6;
}

// Annual pension ceilings of 2010 to 2024: west (KRV 0 and 2) and east (KRV 1).
double BBGRV(int jahr, bool ost)
{
    static constexpr double kWest[] = {66000, 66000, 67200, 69600, 71400, 72600, 74400, 76200,
                                       78000, 80400, 82800, 85200, 84600, 87600, 90600};
    static constexpr double kOst[] = {55800, 57600, 57600, 58800, 60000, 62400, 64800, 68400,
                                      69600, 73800, 77400, 80400, 81000, 85200, 89400};
    return ost ? kOst[jahr - 2010] : kWest[jahr - 2010];
}

// The birth date that makes AJAHR the first calendar year after the 64th birthday: anyone born
// on 2 January of AJAHR - 65.
TLStDatum Geburtsdatum(const TLStFallWerte& werte)
{
    const std::int64_t jahr = static_cast<std::int64_t>(Ganzzahl(werte, "AJAHR")) - 65;
    if (jahr < std::numeric_limits<std::int32_t>::min())
        Ungueltig("AJAHR", Wert(werte, "AJAHR"), "Geburtsjahr außerhalb des Wertebereichs");
    return {2, 1, static_cast<std::int32_t>(jahr)};
}

// The chart's name of an input that the tariff refuses only when it computes.
const char* NameBeimRechnen(const ELStTabEingabe& e)
{
    if (e.Art() == 'i' && e.Index() == liSteuerklasse)
        return "STKL";
    if (e.Art() == 'i' && e.Index() == liZeitraum)
        return "LZZ";
    if (e.Art() == 'd' && e.Index() == ldFaktor)
        return "F";
    // The other payment, its pension part and the multi-year pay, in this order.
    static constexpr const char* kSonstige[] = {"SONSTB", "VBS", "VMT"};
    if (e.Art() == 's' && e.Index() >= 0 && e.Index() < 3)
        return kSonstige[e.Index()];
    return nullptr;
}

std::string Ausgabe(const TLStFallErgebnis& e, bool mitFuenftel)
{
    char text[300];
    // The results are whole cents: printing them with no decimals rounds nothing.
    const int laenge = std::snprintf(
        text, sizeof text, "LSTLZZ=%.0f SOLZLZZ=%.0f BK=%.0f STS=%.0f SOLZS=%.0f BKS=%.0f",
        e.LSTLZZ, e.SOLZLZZ, e.BK, e.STS, e.SOLZS, e.BKS);
    if (mitFuenftel && laenge > 0 && static_cast<std::size_t>(laenge) < sizeof text)
        std::snprintf(text + laenge, sizeof text - static_cast<std::size_t>(laenge),
                      " STV=%.0f SOLZV=%.0f BKV=%.0f", e.STV, e.SOLZV, e.BKV);
    return text;
}

} // namespace

bool LiesZahl(std::string_view text, double& zahl)
{
    std::size_t i = 0;
    const bool negativ = !text.empty() && text[0] == '-';
    if (negativ)
        i = 1;
    if (i >= text.size())
        return false;
    long double ganz = 0;
    long double bruch = 0;
    long double teiler = 1;
    bool komma = false;
    bool ziffer = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ziffer = true;
            if (komma) {
                // Digits beyond the precision of a double change nothing but could overflow.
                if (teiler < 1e30L) {
                    teiler *= 10;
                    bruch = bruch * 10 + (c - '0');
                }
            } else {
                ganz = ganz * 10 + (c - '0');
            }
        } else if ((c == ',' || c == '.') && !komma) {
            komma = true;
        } else {
            return false;
        }
    }
    if (!ziffer)
        return false;
    const long double betrag = ganz + bruch / teiler;
    const double ergebnis = static_cast<double>(negativ ? -betrag : betrag);
    if (!std::isfinite(ergebnis))
        return false;
    zahl = ergebnis;
    return true;
}

bool LiesGanzzahl(std::string_view text, int& zahl)
{
    std::size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
    if (i >= text.size())
        return false;
    std::int64_t wert = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        wert = wert * 10 + (text[i] - '0');
        if (wert > std::int64_t{std::numeric_limits<int>::max()} + 1)
            return false;
    }
    if (text[0] == '-')
        wert = -wert;
    if (wert < std::numeric_limits<int>::min() || wert > std::numeric_limits<int>::max())
        return false;
    zahl = static_cast<int>(wert);
    return true;
}

bool LiesFallZeile(std::string_view zeile, TLStFallWerte& werte, std::string& fehler)
{
    std::size_t pos = 0;
    while (pos < zeile.size()) {
        while (pos < zeile.size() &&
               (zeile[pos] == ' ' || zeile[pos] == '\t' || zeile[pos] == ';' || zeile[pos] == '\r'))
            ++pos;
        if (pos >= zeile.size())
            break;
        std::size_t ende = pos;
        while (ende < zeile.size() && zeile[ende] != ' ' && zeile[ende] != '\t' &&
               zeile[ende] != ';' && zeile[ende] != '\r')
            ++ende;
        const std::string_view paar = zeile.substr(pos, ende - pos);
        const std::size_t gleich = paar.find('=');
        double zahl = 0;
        if (gleich == std::string_view::npos || gleich == 0 ||
            !LiesZahl(paar.substr(gleich + 1), zahl)) {
            fehler = "invalid pair: " + std::string(paar);
            return false;
        }
        std::string name(paar.substr(0, gleich));
        for (char& c : name)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        werte[name] = zahl;
        pos = ende;
    }
    return true;
}

bool NamenBekannt(int jahr, int monat, const TLStFallWerte& werte, std::string& fehler)
{
    const int periode = jahr * 100 + monat;
    for (const auto& [name, wert] : werte) {
        bool bekannt = false;
        for (const TEingabename& e : kEingabenamen)
            bekannt = bekannt || (name == e.name && periode >= e.von && periode <= e.bis);
        if (!bekannt) {
            fehler = "unknown input for " + std::to_string(jahr) + "/" + std::to_string(monat) +
                     ": " + name;
            return false;
        }
    }
    return true;
}

bool MitFuenftelregel(int jahr)
{
    return jahr >= 2002 && jahr <= 2024;
}

TLStFallErgebnis BerechneFall(TLStTabBase& tab, int jahr, int monat, const TLStFallWerte& werte)
{
    const auto w = [&werte](std::string_view name) { return Wert(werte, name); };
    const auto betrag = [&](std::string_view name, int index) {
        Setze(werte, name, [&] { tab.SetCurr(index, w(name)); });
    };
    const auto doub = [&](std::string_view name, int index) {
        Setze(werte, name, [&] { tab.SetDoub(index, w(name)); });
    };
    const auto ganz = [&](std::string_view name, int index) {
        const std::int32_t wert = Ganzzahl(werte, name);
        Setze(werte, name, [&] { tab.SetInt(index, wert); });
    };
    // Amounts in the tariff's own unit, as the flow charts of the years have them: pfennig up to
    // 2001, cents from 2002.
    tab.SetDoub(ldKurs, tab.DMFaktor());
    ganz("STKL", liSteuerklasse);
    ganz("LZZ", liZeitraum);
    betrag("RE4", lcLohn);
    tab.SetBool(lbFaktorAnwenden, Schalter(werte, "AF"));
    doub("F", ldFaktor);
    doub("ZKF", ldKinderfreibetraege);

    const bool alter = Schalter(werte, "ALTER1");
    tab.SetBool(lbAltersentlastung, alter);
    tab.SetGeburtsdatum(alter ? Geburtsdatum(werte) : TLStDatum{});

    const std::int32_t krv = Ganzzahl(werte, "KRV");
    ganz("KRV", liRVArt);
    if (jahr >= 2010 && jahr <= 2024)
        tab.SetDoub(ldBBGRV, BBGRV(jahr, krv == 1));
    ganz("ALV", liKeineAV);
    ganz("PKV", liKVArt);
    betrag("PKPV", lcPKVBeitrag);
    betrag("PKPVAGZ", lcPKVZuschuss);
    double kvSatz = 0;
    double kvZusatz = 0;
    Krankensaetze(jahr, werte, kvSatz, kvZusatz);
    tab.SetDoub(ldKVSatz, kvSatz);
    Setze(werte, "KVZ", [&] { tab.SetDoub(ldKVZusatzSatz, kvZusatz); });
    double pvSatz = 0;
    double pvKinderlos = 0;
    Pflegesaetze(jahr, monat, pvSatz, pvKinderlos);
    tab.SetDoub(ldPVSatz, pvSatz);
    tab.SetDoub(ldPVKinderlosSatz, pvKinderlos);
    tab.SetBool(lbPVSachsen, Schalter(werte, "PVS"));
    tab.SetBool(lbKinderlos, Schalter(werte, "PVZ"));
    ganz("PVA", liPVKinder);
    tab.SetDoub(ldAVSatz, 2.6);
    const std::int32_t religion = Ganzzahl(werte, "R");
    if (religion < 0)
        Ungueltig("R", religion, "negativ");
    tab.SetBool(lbKirchensteuer, religion != 0);

    betrag("VBEZ", lcVersBezug);
    betrag("VBEZM", lcVersBemMonat);
    betrag("VBEZS", lcVersSonder);
    ganz("VJAHR", liVersBeginn);
    ganz("ZMVB", liVersMonate);
    // The period allowance and amount to add: WFUNDF and HINZUR up to 2007.
    const bool alteNamen = jahr <= 2007;
    doub(alteNamen ? "WFUNDF" : "LZZFREIB", ldFreibetrag);
    doub(alteNamen ? "HINZUR" : "LZZHINZU", ldHinzurechnung);

    doub("JRE4", ldJahresLohn);
    doub("JVBEZ", ldJahresVersBezug);
    doub("JFREIB", ldJahresFreibetrag);
    doub("JHINZU", ldJahresHinzurechnung);
    doub("JRE4ENT", ldJahresEntschaedigung);
    doub("SONSTENT", ldSonstEntschaedigung);
    doub("MBV", ldVermoegensbeteiligung);
    betrag("STERBE", lcSterbegeld);
    betrag("VKAPA", lcVersKapital);
    betrag("ENTSCH", lcEntschaedigung);

    TLStFallErgebnis e;
    try {
        tab.SonstigeBezuegeBerechnen(w("SONSTB"), w("VBS"), w("VMT"));
        e.LSTLZZ = tab.GetDoub(leLohnsteuer);
        e.SOLZLZZ = tab.GetDoub(leSolZ);
        e.BK = tab.GetDoub(leKiStBasis);
        e.STS = tab.GetDoub(leLStSonst);
        e.SOLZS = tab.GetDoub(leSolZSonst);
        e.BKS = tab.GetDoub(leKiStBasisSonst);
        e.STV = tab.GetDoub(leLStFuenftel);
        e.SOLZV = tab.GetDoub(leSolZFuenftel);
        e.BKV = tab.GetDoub(leKiStBasisFuenftel);
    } catch (const ELStTabEingabe& fehler) {
        if (const char* name = NameBeimRechnen(fehler))
            Ungueltig(name, w(name), fehler.what());
        throw;
    }
    return e;
}

std::string FallZeile(std::unique_ptr<TLStTabBase>& tab, int jahr, int monat,
                      std::string_view zeile, bool& ok)
{
    ok = false;
    TLStFallWerte werte;
    std::string fehler;
    if (!LiesFallZeile(zeile, werte, fehler) || !NamenBekannt(jahr, monat, werte, fehler))
        return "ERROR " + fehler;
    try {
        tab = tab->NeueInstanz();
        const TLStFallErgebnis e = BerechneFall(*tab, jahr, monat, werte);
        ok = true;
        return Ausgabe(e, MitFuenftelregel(jahr));
    } catch (const std::exception& e) {
        return std::string("ERROR ") + e.what();
    }
}
