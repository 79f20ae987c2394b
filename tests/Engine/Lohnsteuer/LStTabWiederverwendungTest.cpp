// A tariff object that is used again and again (what the pages, the table window and the
// net-to-gross search do) gives exactly what a fresh object gives for the same inputs: the values
// it keeps from one computation to the next never leak into a result.
#include "Engine/Lohnsteuer/LStLib.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

// One set of inputs, applied to an object the way a caller sets them.
struct TEingaben {
    int monat = 1;
    std::int32_t ints[TLStTabBase::kAnzahlInt] = {};
    bool bools[TLStTabBase::kAnzahlBool] = {};
    double lohn = 0;
    double versBezug = 0;
    double versBemMonat = 0;
    double pkvBeitrag = 0;
    double pkvZuschuss = 0;
    double kvZusatz = 0;
    double pvSatz = 0;
    double faktor = 1;
    double kinder = 0;
    double freibetrag = 0;
    double hinzurechnung = 0;
    double jahresLohn = 0;
    double jahresVersBezug = 0;
    double jahresFreibetrag = 0;
    double jahresHinzurechnung = 0;
    double sterbegeld = 0;
    double vermoegensbeteiligung = 0;
    // Runs of the other payments on the same inputs: payment, pension part, one-fifth part.
    std::vector<std::array<double, 3>> sonstigeBezuege;
    TLStDatum geburtsdatum;
};

class TZufall {
public:
    explicit TZufall(unsigned saat) : m_gen(saat) {}
    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(m_gen); }
    bool Selten(int vonHundert) { return Zahl(1, 100) <= vonHundert; }
    // Whole cents, mostly in the range of ordinary pay, sometimes near the arithmetic's limit.
    double Cent(double bis)
    {
        if (Selten(3))
            return static_cast<double>(Zahl(0, 1000000)) * 1000000000.0;
        return std::floor(std::uniform_real_distribution<double>(0, bis)(m_gen));
    }

private:
    std::mt19937 m_gen;
};

TEingaben ZufaelligeEingaben(TZufall& z)
{
    TEingaben e;
    e.monat = z.Zahl(1, 12);
    e.ints[liKeineAV] = z.Selten(10) ? 1 : 0;
    e.ints[liRVArt] = z.Selten(10) ? z.Zahl(1, 2) : 0;
    e.ints[liZeitraum] = z.Zahl(1, 4);
    e.ints[liKVArt] = z.Selten(15) ? z.Zahl(1, 2) : 0;
    e.ints[liPVKinder] = z.Zahl(0, 4);
    e.ints[liSteuerklasse] = z.Zahl(1, 6);
    e.ints[liVersBeginn] = z.Zahl(2004, 2045);
    e.ints[liVersMonate] = z.Zahl(0, 12);
    for (bool& b : e.bools)
        b = z.Selten(20);
    e.bools[lbKirchensteuer] = z.Selten(50);
    const double anteil[] = {0, 12, 1, 0.25, 1.0 / 30};
    const double bis = 1200000 * anteil[e.ints[liZeitraum]];
    e.lohn = z.Cent(bis);
    if (z.Selten(15)) {
        e.versBezug = z.Cent(bis / 2);
        e.versBemMonat = z.Cent(300000);
    }
    if (e.ints[liKVArt] > 0) {
        e.pkvBeitrag = z.Cent(120000);
        e.pkvZuschuss = z.Cent(60000);
    }
    e.kvZusatz = z.Zahl(0, 40) * 0.1;
    e.pvSatz = 3.0 + z.Zahl(0, 8) * 0.1;
    e.faktor = z.Zahl(0, 1000) * 0.001;
    e.kinder = z.Zahl(0, 8) * 0.5;
    e.freibetrag = z.Selten(10) ? z.Cent(bis / 4) : 0;
    e.hinzurechnung = z.Selten(5) ? z.Cent(bis / 4) : 0;
    e.jahresLohn = z.Cent(15000000);
    if (z.Selten(40)) {
        e.jahresVersBezug = z.Selten(20) ? z.Cent(e.jahresLohn) : 0;
        e.jahresFreibetrag = z.Selten(20) ? z.Cent(500000) : 0;
        e.jahresHinzurechnung = z.Selten(10) ? z.Cent(500000) : 0;
        e.sterbegeld = z.Selten(5) ? z.Cent(500000) : 0;
        e.vermoegensbeteiligung = z.Selten(5) ? z.Cent(200000) : 0;
        for (int n = z.Zahl(1, 3); n > 0; --n) {
            const double a = z.Cent(5000000);
            e.sonstigeBezuege.push_back(
                {a, z.Selten(10) ? z.Cent(a) : 0, z.Selten(10) ? z.Cent(2000000) : 0});
        }
    }
    e.geburtsdatum = {z.Zahl(1, 28), z.Zahl(1, 12), z.Zahl(1940, 2005)};
    return e;
}

void Setzen(TLStTabBase& tab, const TEingaben& e)
{
    tab.SetDoub(ldKurs, 1.0);
    for (int i = 0; i < TLStTabBase::kAnzahlInt; ++i)
        tab.SetInt(i, e.ints[i]);
    for (int i = 0; i < TLStTabBase::kAnzahlBool; ++i)
        tab.SetBool(i, e.bools[i]);
    tab.SetCurr(lcLohn, e.lohn);
    tab.SetCurr(lcVersBezug, e.versBezug);
    tab.SetCurr(lcVersBemMonat, e.versBemMonat);
    tab.SetCurr(lcPKVBeitrag, e.pkvBeitrag);
    tab.SetCurr(lcPKVZuschuss, e.pkvZuschuss);
    tab.SetDoub(ldKVSatz, 14.6);
    tab.SetDoub(ldKVZusatzSatz, e.kvZusatz);
    tab.SetDoub(ldPVSatz, e.pvSatz);
    tab.SetDoub(ldPVKinderlosSatz, 0.6);
    tab.SetDoub(ldAVSatz, 2.6);
    tab.SetDoub(ldFaktor, e.faktor);
    tab.SetDoub(ldKinderfreibetraege, e.kinder);
    tab.SetDoub(ldFreibetrag, e.freibetrag);
    tab.SetDoub(ldHinzurechnung, e.hinzurechnung);
    tab.SetDoub(ldJahresLohn, e.jahresLohn);
    tab.SetDoub(ldJahresVersBezug, e.jahresVersBezug);
    tab.SetDoub(ldJahresFreibetrag, e.jahresFreibetrag);
    tab.SetDoub(ldJahresHinzurechnung, e.jahresHinzurechnung);
    tab.SetCurr(lcSterbegeld, e.sterbegeld);
    tab.SetDoub(ldVermoegensbeteiligung, e.vermoegensbeteiligung);
    tab.SetGeburtsdatum(e.geburtsdatum);
}

void ErgebnisseAnhaengen(TLStTabBase& tab, std::vector<double>& erg)
{
    for (int i = 0; i < TLStTabBase::kAnzahlErgebnisse; ++i)
        erg.push_back(tab.GetDoub(i));
}

// Every result, or the text of the error the computation raised; then every result of each run
// of the other payments, all on the one object.
std::vector<double> Ergebnisse(TLStTabBase& tab, const TEingaben& e, std::string& fehler)
{
    std::vector<double> erg;
    try {
        ErgebnisseAnhaengen(tab, erg);
        for (const auto& [a, b, c] : e.sonstigeBezuege) {
            tab.SonstigeBezuegeBerechnen(a, b, c);
            ErgebnisseAnhaengen(tab, erg);
        }
    } catch (const ELStTabError& ex) {
        fehler += ex.what();
    }
    return erg;
}

// The same, each computation on a new object that has computed nothing before.
std::vector<double> FrischeErgebnisse(int jahr, const TEingaben& e, std::string& fehler)
{
    const auto neu = [&] {
        auto tab = CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(e.monat));
        Setzen(*tab, e);
        return tab;
    };
    TEingaben ohne = e;
    ohne.sonstigeBezuege.clear();
    std::vector<double> erg = Ergebnisse(*neu(), ohne, fehler);
    if (!fehler.empty())
        return erg;
    try {
        for (const auto& [a, b, c] : e.sonstigeBezuege) {
            // The run of the other payments is the object's first and only computation.
            auto tab = neu();
            tab->SonstigeBezuegeBerechnen(a, b, c);
            ErgebnisseAnhaengen(*tab, erg);
        }
    } catch (const ELStTabError& ex) {
        fehler += ex.what();
    }
    return erg;
}

bool Gleich(const std::vector<double>& a, const std::vector<double>& b)
{
    // To the bit: the same amounts, the same sign of zero.
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

class LStTabWiederverwendungTest : public testing::TestWithParam<int> {};

TEST_P(LStTabWiederverwendungTest, AReusedObjectComputesWhatAFreshOneComputes)
{
    const int jahr = GetParam();
    TZufall z(static_cast<unsigned>(jahr) * 7919U);
    std::unique_ptr<TLStTabBase> wiederverwendet;
    int monatWiederverwendet = 0;
    TEingaben vorige;
    constexpr int kFaelle = 100000 / 8;
    for (int n = 0; n < kFaelle; ++n) {
        TEingaben e = ZufaelligeEingaben(z);
        // Mostly only the wage and the other payments change, the way the table window, the
        // net-to-gross search and a page's keystrokes compute.
        if (n > 0 && z.Selten(70)) {
            const TEingaben neu = e;
            e = vorige;
            e.lohn = neu.lohn;
            e.sonstigeBezuege = neu.sonstigeBezuege;
            // Now and then one rate or annual amount besides.
            for (double TEingaben::*feld : {&TEingaben::kvZusatz, &TEingaben::pvSatz,
                                            &TEingaben::faktor, &TEingaben::jahresLohn,
                                            &TEingaben::jahresFreibetrag}) {
                if (z.Selten(5))
                    e.*feld = neu.*feld;
            }
        }
        vorige = e;
        if (!wiederverwendet || e.monat != monatWiederverwendet) {
            wiederverwendet = CreateLStTab(static_cast<std::uint16_t>(jahr),
                                           static_cast<std::uint16_t>(e.monat));
            monatWiederverwendet = e.monat;
        }
        Setzen(*wiederverwendet, e);
        std::string fehlerWieder;
        const std::vector<double> wieder = Ergebnisse(*wiederverwendet, e, fehlerWieder);

        std::string fehlerFrisch;
        const std::vector<double> neu = FrischeErgebnisse(jahr, e, fehlerFrisch);

        ASSERT_TRUE(Gleich(wieder, neu) && fehlerWieder == fehlerFrisch)
            << "year " << jahr << " month " << e.monat << " case " << n << " class "
            << e.ints[liSteuerklasse] << " period " << e.ints[liZeitraum] << " wage " << e.lohn;
    }
}

// The years of the flow-chart computation and its December recomputations; 8 times 12,500
// cases make 100,000.
INSTANTIATE_TEST_SUITE_P(Jahre, LStTabWiederverwendungTest,
                         testing::Values(2012, 2015, 2020, 2023, 2024, 2025, 2026, 2027));

} // namespace
