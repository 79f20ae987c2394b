#include "LStFall.h"

#include "Engine/Lohnsteuer/LStTabBase.h"
#include "Lib/Betrag.h"

#include <cctype>

namespace {

double Wert(const TLStFallWerte& werte, std::string_view name)
{
    const auto it = werte.find(name);
    return it == werte.end() ? 0.0 : it->second;
}

// Integer inputs read as numbers; out-of-range text is clamped, never undefined.
std::int32_t Ganzzahl(double wert)
{
    return RundenInt(wert);
}

// Care-insurance rate and the surcharge of the childless that the flow chart of a period assumes.
void Pflegesaetze(int jahr, int monat, double& satz, double& kinderlos)
{
    if (jahr <= 2014)
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
                teiler *= 10;
                bruch = bruch * 10 + (c - '0');
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
    zahl = static_cast<double>(negativ ? -betrag : betrag);
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

TLStFallErgebnis BerechneFall(TLStTabBase& tab, int jahr, int monat, const TLStFallWerte& werte)
{
    const auto w = [&werte](std::string_view name) { return Wert(werte, name); };
    // Amounts in the tariff's own unit, as the flow charts of the years have them: pfennig up to
    // 2001, cents from 2002.
    tab.SetDoub(ldKurs, tab.DMFaktor());
    tab.SetInt(liSteuerklasse, Ganzzahl(w("STKL")));
    tab.SetInt(liZeitraum, Ganzzahl(w("LZZ")));
    tab.SetCurr(lcLohn, w("RE4"));
    tab.SetBool(lbFaktorAnwenden, w("AF") != 0);
    tab.SetDoub(ldFaktor, w("F"));
    tab.SetDoub(ldKinderfreibetraege, w("ZKF"));

    const bool alter = w("ALTER1") != 0;
    tab.SetBool(lbAltersentlastung, alter);
    // The first calendar year after the 64th birthday is AJAHR for anyone born after 1 January.
    tab.SetGeburtsdatum(alter ? TLStDatum{2, 1, Ganzzahl(w("AJAHR")) - 65} : TLStDatum{});

    const int krv = Ganzzahl(w("KRV"));
    tab.SetInt(liRVArt, krv);
    if (jahr >= 2010 && jahr <= 2024)
        tab.SetDoub(ldBBGRV, BBGRV(jahr, krv == 1));
    tab.SetInt(liKeineAV, Ganzzahl(w("ALV")));
    tab.SetInt(liKVArt, Ganzzahl(w("PKV")));
    tab.SetCurr(lcPKVBeitrag, w("PKPV"));
    tab.SetCurr(lcPKVZuschuss, w("PKPVAGZ"));
    // The flow chart takes the reduced health rate of 14 % (no sick pay) and the fund's rate.
    tab.SetDoub(ldKVSatz, 14.0);
    tab.SetDoub(ldKVZusatzSatz, w("KVZ"));
    double pvSatz = 0;
    double pvKinderlos = 0;
    Pflegesaetze(jahr, monat, pvSatz, pvKinderlos);
    tab.SetDoub(ldPVSatz, pvSatz);
    tab.SetDoub(ldPVKinderlosSatz, pvKinderlos);
    tab.SetBool(lbPVSachsen, w("PVS") != 0);
    tab.SetBool(lbKinderlos, w("PVZ") != 0);
    tab.SetInt(liPVKinder, Ganzzahl(w("PVA")));
    tab.SetDoub(ldAVSatz, 2.6);
    tab.SetBool(lbKirchensteuer, w("R") != 0);

    tab.SetCurr(lcVersBezug, w("VBEZ"));
    tab.SetCurr(lcVersBemMonat, w("VBEZM"));
    tab.SetCurr(lcVersSonder, w("VBEZS"));
    tab.SetInt(liVersBeginn, Ganzzahl(w("VJAHR")));
    tab.SetInt(liVersMonate, Ganzzahl(w("ZMVB")));
    tab.SetDoub(ldFreibetrag, w("LZZFREIB"));
    tab.SetDoub(ldHinzurechnung, w("LZZHINZU"));

    tab.SetDoub(ldJahresLohn, w("JRE4"));
    tab.SetDoub(ldJahresVersBezug, w("JVBEZ"));
    tab.SetDoub(ldJahresFreibetrag, w("JFREIB"));
    tab.SetDoub(ldJahresHinzurechnung, w("JHINZU"));
    tab.SetDoub(ldJahresEntschaedigung, w("JRE4ENT"));
    tab.SetDoub(ldSonstEntschaedigung, w("SONSTENT"));
    tab.SetDoub(ldVermoegensbeteiligung, w("MBV"));
    tab.SetCurr(lcSterbegeld, w("STERBE"));
    tab.SetCurr(lcVersKapital, w("VKAPA"));
    tab.SetCurr(lcEntschaedigung, w("ENTSCH"));

    tab.SonstigeBezuegeBerechnen(w("SONSTB"), w("VBS"), w("VMT"));
    TLStFallErgebnis e;
    e.LSTLZZ = tab.GetDoub(leLohnsteuer);
    e.SOLZLZZ = tab.GetDoub(leSolZ);
    e.BK = tab.GetDoub(leKiStBasis);
    e.STS = tab.GetDoub(leLStSonst);
    e.SOLZS = tab.GetDoub(leSolZSonst);
    e.BKS = tab.GetDoub(leKiStBasisSonst);
    e.STV = tab.GetDoub(leLStFuenftel);
    e.SOLZV = tab.GetDoub(leSolZFuenftel);
    e.BKV = tab.GetDoub(leKiStBasisFuenftel);
    return e;
}
