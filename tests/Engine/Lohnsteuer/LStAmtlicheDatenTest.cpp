// Every case of the ministry's wage-tax test data, in its tariff period, to the cent.
#include "Engine/Lohnsteuer/LStLib.h"
#include "LStFall.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct TOrdner {
    const char* name;
    int jahr;
    int monat;
    // A later version of the same flow chart that corrected some of the cases.
    const char* berichtigtIn = nullptr;
};

// Folder of one version of the flow chart and a month that selects its tariff period. The first
// December 2024 version scaled the surcharge's exemption limit of tax class 3 twice; the ministry
// corrected six cases in the second version, and those are checked against the correction.
const TOrdner kOrdner[] = {
    {"2014", 2014, 1},
    {"2015", 2015, 1},
    {"201512", 2015, 12},
    {"2016", 2016, 1},
    {"2017", 2017, 1},
    {"2018", 2018, 1},
    {"2019", 2019, 1},
    {"2020", 2020, 1},
    {"2021", 2021, 1},
    {"2022", 2022, 1},
    {"202206", 2022, 6},
    {"2023", 2023, 1},
    {"202301", 2023, 4},
    {"202307", 2023, 7},
    {"2024", 2024, 1},
    {"202402", 2024, 4},
    {"202412", 2024, 12, "202412-2"},
    {"202412-2", 2024, 12},
    {"2025v1", 2025, 1},
    {"2025v2", 2025, 3},
    {"2026", 2026, 1},
};

std::vector<std::string> Felder(const std::string& zeile)
{
    std::vector<std::string> felder;
    std::string feld;
    std::istringstream in(zeile);
    while (std::getline(in, feld, ';')) {
        while (!feld.empty() && (feld.back() == '\r' || feld.back() == ' '))
            feld.pop_back();
        felder.push_back(feld);
    }
    if (!zeile.empty() && zeile.back() == ';')
        felder.emplace_back();
    return felder;
}

struct TDateiErgebnis {
    int faelle = 0;
    int abweichungen = 0;
    int berichtigt = 0;
};

// The lines of a test file by their case number, header first.
std::vector<std::string> LiesZeilen(const std::string& pfad)
{
    std::vector<std::string> zeilen;
    std::ifstream in(pfad);
    std::string zeile;
    while (std::getline(in, zeile)) {
        if (zeilen.empty() && zeile.rfind("\xEF\xBB\xBF", 0) == 0)
            zeile.erase(0, 3);
        zeilen.push_back(zeile);
    }
    return zeilen;
}

TLStFallWerte Werte(const std::vector<std::string>& kopf, const std::vector<std::string>& felder)
{
    TLStFallWerte werte;
    for (std::size_t i = 0; i < kopf.size() && i < felder.size(); ++i) {
        double zahl = 0;
        if (!kopf[i].empty() && LiesZahl(felder[i], zahl))
            werte[kopf[i]] = zahl;
    }
    return werte;
}

// The driver knows every input name of the data for its period. The check tables of 2014 carry
// the employee's additional health rate of 0.9 % that the 2014 chart fixes without an input.
bool EingabenBekannt(const TOrdner& ordner, const std::vector<std::string>& kopf)
{
    TLStFallWerte eingaben;
    for (std::size_t i = 1; i < kopf.size() && kopf[i] != "LSTLZZ"; ++i)
        if (!kopf[i].empty() && !(ordner.jahr == 2014 && kopf[i] == "KVZ"))
            eingaben[kopf[i]] = 0;
    std::string fehler;
    const bool bekannt = NamenBekannt(ordner.jahr, ordner.monat, eingaben, fehler);
    if (!bekannt)
        ADD_FAILURE() << fehler;
    return bekannt;
}

// Runs one file; all six outputs for the machine cases, the wage tax for the check tables.
TDateiErgebnis PruefeDatei(const TOrdner& ordner, const std::string& datei, bool alleAusgaben)
{
    TDateiErgebnis ergebnis;
    const std::vector<std::string> zeilen =
        LiesZeilen(std::string(VT_TESTDATA_DIR) + "/bmf/" + ordner.name + "/" + datei);
    if (zeilen.empty())
        return ergebnis;
    std::vector<std::string> berichtigt;
    if (ordner.berichtigtIn != nullptr)
        berichtigt =
            LiesZeilen(std::string(VT_TESTDATA_DIR) + "/bmf/" + ordner.berichtigtIn + "/" + datei);
    const std::vector<std::string> kopf = Felder(zeilen[0]);
    EXPECT_TRUE(EingabenBekannt(ordner, kopf)) << ordner.name << '/' << datei;
    auto tab = CreateLStTab(static_cast<std::uint16_t>(ordner.jahr),
                            static_cast<std::uint16_t>(ordner.monat));
    for (std::size_t z = 1; z < zeilen.size(); ++z) {
        const std::vector<std::string> felder = Felder(zeilen[z]);
        if (felder.size() < 2)
            continue;
        const TLStFallWerte werte = Werte(kopf, felder);
        TLStFallWerte sollWerte = werte;
        if (z < berichtigt.size() && berichtigt[z] != zeilen[z] &&
            Felder(berichtigt[z])[0] == felder[0]) {
            sollWerte = Werte(kopf, Felder(berichtigt[z]));
            ++ergebnis.berichtigt;
        }
        ++ergebnis.faelle;
        const TLStFallErgebnis e = BerechneFall(*tab, ordner.jahr, ordner.monat, werte);
        const std::pair<const char*, double> ausgaben[] = {
            {"LSTLZZ", e.LSTLZZ}, {"SOLZLZZ", e.SOLZLZZ}, {"BK", e.BK},
            {"STS", e.STS},       {"SOLZS", e.SOLZS},     {"BKS", e.BKS},
            {"STV", e.STV},       {"SOLZV", e.SOLZV},     {"BKV", e.BKV}};
        std::string fehler;
        for (const auto& [name, wert] : ausgaben) {
            if (!alleAusgaben && std::string(name) != "LSTLZZ")
                continue;
            const auto soll = sollWerte.find(name);
            if (soll != sollWerte.end() && soll->second != wert)
                fehler += std::string(" ") + name + " " + std::to_string(wert) + " (expected " +
                          std::to_string(soll->second) + ")";
        }
        if (!fehler.empty()) {
            if (++ergebnis.abweichungen <= 10)
                ADD_FAILURE() << ordner.name << '/' << datei << " case " << felder[0] << ':'
                              << fehler;
        }
    }
    std::cout << ordner.name << '/' << datei << ": " << ergebnis.faelle - ergebnis.abweichungen
              << " of " << ergebnis.faelle << " cases agree";
    if (ergebnis.berichtigt > 0)
        std::cout << " (" << ergebnis.berichtigt << " as corrected in " << ordner.berichtigtIn
                  << ')';
    std::cout << '\n';
    return ergebnis;
}

class LStAmtlicheDaten : public testing::TestWithParam<TOrdner> {};

TEST_P(LStAmtlicheDaten, AlleFaelleCentgenau)
{
    const TOrdner& ordner = GetParam();
    int faelle = 0;
    int abweichungen = 0;
    for (const auto& [datei, alle] :
         {std::pair{"test-maschinell.csv", true}, std::pair{"test-allgemein.csv", false},
          std::pair{"test-besonders.csv", false}}) {
        const TDateiErgebnis e = PruefeDatei(ordner, datei, alle);
        faelle += e.faelle;
        abweichungen += e.abweichungen;
    }
    EXPECT_GT(faelle, 0) << "no test data for " << ordner.name;
    EXPECT_EQ(abweichungen, 0) << ordner.name << ": " << abweichungen << " of " << faelle
                               << " cases differ";
}

INSTANTIATE_TEST_SUITE_P(Bmf, LStAmtlicheDaten, testing::ValuesIn(kOrdner), [](const auto& info) {
    std::string name = std::string("Ordner") + info.param.name;
    for (char& c : name)
        if (c == '-')
            c = '_';
    return name;
});

} // namespace
