#include "Engine/Lohnsteuer/LStLib.h"
#include "Engine/Lohnsteuer/LStTab26.h"
#include "Engine/Lohnsteuer/LStTabDezember.h"

#include "Lib/Betrag.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeindex>
#include <vector>

namespace {

// Factory -------------------------------------------------------------------------------------

struct Periode {
    int jahrVon, jahrBis, monatVon, monatBis;
    std::type_index klasse;
};

const std::vector<Periode>& Perioden()
{
    static const std::vector<Periode> perioden = {
        {1990, 1990, 1, 12, typeid(TLStTab90)},
        {1991, 1991, 1, 6, typeid(TLStTab90)},
        {1991, 1991, 7, 12, typeid(TLStTab91SolZ)},
        {1992, 1992, 1, 6, typeid(TLStTab92SolZ)},
        {1992, 1992, 7, 12, typeid(TLStTab92)},
        {1993, 1993, 1, 12, typeid(TLStTab93)},
        {1994, 1994, 1, 12, typeid(TLStTab94)},
        {1995, 1995, 1, 12, typeid(TLStTab95)},
        {1996, 1996, 1, 12, typeid(TLStTab96)},
        {1997, 1997, 1, 12, typeid(TLStTab97)},
        {1998, 1998, 1, 12, typeid(TLStTab98)},
        {1999, 1999, 1, 12, typeid(TLStTab99)},
        {2000, 2000, 1, 12, typeid(TLStTab00)},
        {2001, 2001, 1, 12, typeid(TLStTab01)},
        {2002, 2003, 1, 12, typeid(TLStTab02)},
        {2004, 2004, 1, 12, typeid(TLStTab04)},
        {2005, 2005, 1, 12, typeid(TLStTab05)},
        {2006, 2006, 1, 12, typeid(TLStTab06)},
        {2007, 2007, 1, 12, typeid(TLStTab07)},
        {2008, 2008, 1, 12, typeid(TLStTab08)},
        {2009, 2009, 1, 12, typeid(TLStTab09a)},
        {2010, 2010, 1, 12, typeid(TLStTab10)},
        {2011, 2011, 1, 11, typeid(TLStTab11)},
        {2011, 2011, 12, 12, typeid(TLStTab11Dez)},
        {2012, 2012, 1, 12, typeid(TLStTab12)},
        {2013, 2013, 1, 12, typeid(TLStTab13)},
        {2014, 2014, 1, 12, typeid(TLStTab14)},
        {2015, 2015, 1, 11, typeid(TLStTab15)},
        {2015, 2015, 12, 12, typeid(TLStTab15Dez)},
        {2016, 2016, 1, 12, typeid(TLStTab16)},
        {2017, 2017, 1, 12, typeid(TLStTab17)},
        {2018, 2018, 1, 12, typeid(TLStTab18)},
        {2019, 2019, 1, 12, typeid(TLStTab19)},
        {2020, 2020, 1, 12, typeid(TLStTab20)},
        {2021, 2021, 1, 12, typeid(TLStTab21)},
        {2022, 2022, 1, 5, typeid(TLStTab22)},
        {2022, 2022, 6, 12, typeid(TLStTab22geaendert)},
        {2023, 2023, 1, 3, typeid(TLStTab23)},
        {2023, 2023, 4, 6, typeid(TLStTab23geaendert)},
        {2023, 2023, 7, 12, typeid(TLStTab23geaendert2)},
        {2024, 2024, 1, 3, typeid(TLStTab24)},
        {2024, 2024, 4, 11, typeid(TLStTab24geaendert)},
        {2024, 2024, 12, 12, typeid(TLStTab24Dez)},
        {2025, 2025, 1, 2, typeid(TLStTab25)},
        {2025, 2025, 3, 12, typeid(TLStTab25geaendert)},
        {2026, 2030, 1, 12, typeid(TLStTab26)},
    };
    return perioden;
}

std::string FehlerVon(int jahr, int monat)
{
    try {
        CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

TEST(CreateLStTab, JederMonatJedesJahr)
{
    for (int jahr = 1989; jahr <= 2030; ++jahr) {
        for (int monat = 0; monat <= 13; ++monat) {
            if (monat == 0 || monat == 13) {
                EXPECT_EQ(FehlerVon(jahr, monat), "LStLib/CreateLStTab: Ungültiger Monat")
                    << jahr << '/' << monat;
                continue;
            }
            if (jahr == 1989) {
                EXPECT_EQ(FehlerVon(jahr, monat), "LStLib/CreateLStTab: Ungültiges Jahr") << monat;
                continue;
            }
            auto tab =
                CreateLStTab(static_cast<std::uint16_t>(jahr), static_cast<std::uint16_t>(monat));
            int treffer = 0;
            for (const Periode& p : Perioden()) {
                if (jahr >= p.jahrVon && jahr <= p.jahrBis && monat >= p.monatVon &&
                    monat <= p.monatBis) {
                    ++treffer;
                    EXPECT_EQ(std::type_index(typeid(*tab)), p.klasse) << jahr << '/' << monat;
                }
            }
            EXPECT_EQ(treffer, 1) << jahr << '/' << monat;
        }
    }
}

struct NameFall {
    int jahr, monat;
    const char* name;
};
const NameFall kNamen[] = {
    {1990, 1, "1990/91"},        {2002, 5, "2002/03"},        {2009, 1, "2009"},
    {2011, 12, "2011 Dezember"}, {2015, 12, "2015 Dezember"}, {2022, 6, "2022"},
    {2023, 7, "2023"},           {2024, 4, "2024"},           {2024, 12, "2024 Dezember"},
    {2025, 1, "2025"},           {2025, 3, "2025"},           {2031, 1, "2026"},
};

TEST(CreateLStTab, Namen)
{
    for (const NameFall& f : kNamen)
        EXPECT_EQ(
            CreateLStTab(static_cast<std::uint16_t>(f.jahr), static_cast<std::uint16_t>(f.monat))
                ->Name(),
            f.name)
            << f.jahr << '/' << f.monat;
    EXPECT_EQ(ErzeugeLStTab<TLStTab15geaendert>(2015, 7)->Name(), "2015 geändert");
}

TEST(CreateLStTab, Jahreswerte2026)
{
    auto tab = CreateLStTab(2026, 1);
    EXPECT_EQ(tab->GetDoubInput(ldGrundfreibetrag), 12348);
    EXPECT_EQ(tab->GetDoubInput(ldKinderfreibetrag), 9756);
    EXPECT_EQ(tab->GetDoubInput(ldBBGKV), 69750);
    EXPECT_EQ(tab->GetDoubInput(ldBBGRV), 101400);
    EXPECT_EQ(tab->GetDoubInput(ldRVSatz), 18.6);
    EXPECT_EQ(tab->GetDoubInput(ldKurs), 1.95583);
    EXPECT_EQ(tab->DMFaktor(), 1.0);
    EXPECT_EQ(CreateLStTab(2001, 1)->DMFaktor(), 1.95583);
}

// A 2026 employee: class I, monthly pay, statutory insurance, euro display.
class TZaehlTab : public TLStTab26 {
public:
    int berechnungen = 0;

protected:
    void Berechnen() override
    {
        ++berechnungen;
        TLStTab26::Berechnen();
    }
};

template <class Tab = TZaehlTab>
std::unique_ptr<Tab> Angestellter2026(double lohnCent)
{
    auto tab = std::make_unique<Tab>();
    tab->Init(2026, 1);
    tab->SetDoub(ldKurs, 1.0);
    tab->SetInt(liSteuerklasse, 1);
    tab->SetInt(liZeitraum, 2);
    tab->SetDoub(ldKVSatz, 14.0);
    tab->SetDoub(ldKVZusatzSatz, 2.9);
    tab->SetDoub(ldPVSatz, 3.6);
    tab->SetDoub(ldAVSatz, 2.6);
    tab->SetCurr(lcLohn, lohnCent);
    return tab;
}

// Change tracking --------------------------------------------------------------------------------

TEST(LStTabBase, ZweimalLesenRechnetEinmal)
{
    auto tab = Angestellter2026(500000);
    const double lst = tab->GetDoub(leLohnsteuer);
    EXPECT_EQ(tab->GetDoub(leLohnsteuer), lst);
    EXPECT_EQ(tab->GetDoub(leSolZ), 0);
    EXPECT_EQ(tab->berechnungen, 1);
}

TEST(LStTabBase, GleicherWertLaesstErgebnisGueltig)
{
    auto tab = Angestellter2026(500000);
    tab->GetDoub(leLohnsteuer);
    tab->SetCurr(lcLohn, 500000);
    tab->SetInt(liSteuerklasse, 1);
    tab->SetBool(lbKirchensteuer, false);
    tab->SetDoub(ldKVSatz, 14.0);
    tab->SetGeburtsdatum(TLStDatum{});
    EXPECT_TRUE(tab->Berechnet());
    tab->GetDoub(leLohnsteuer);
    EXPECT_EQ(tab->berechnungen, 1);
}

TEST(LStTabBase, AenderungUndZurueckRechnetNeu)
{
    auto tab = Angestellter2026(500000);
    const double vorher = tab->GetDoub(leLohnsteuer);
    tab->SetInt(liSteuerklasse, 3);
    tab->SetInt(liSteuerklasse, 1);
    EXPECT_FALSE(tab->Berechnet());
    EXPECT_EQ(tab->GetDoub(leLohnsteuer), vorher);
    EXPECT_EQ(tab->berechnungen, 2);
}

// Currency ----------------------------------------------------------------------------------------

TEST(LStTabBase, DMEingabeInEuroTarifGerundet)
{
    auto tab = CreateLStTab(2026, 1);
    tab->SetCurr(lcLohn, 1000); // pfennig at the default rate 1.95583
    EXPECT_EQ(tab->GetCurr(lcLohn), 511);
}

TEST(LStTabBase, DMAnzeigeRechnetHinUndZurueck)
{
    auto euro = Angestellter2026(500000);
    const double lstEuro = euro->GetDoub(leLohnsteuer);
    auto dm = Angestellter2026(0);
    dm->SetDoub(ldKurs, 1.95583);
    dm->SetCurr(lcLohn, 977915); // 5000 euros in pfennig
    EXPECT_EQ(dm->GetCurr(lcLohn), 500000);
    EXPECT_EQ(dm->GetDoub(leLohnsteuer), Dreisatz(true, 0, lstEuro, 1.0, 1.95583));
    EXPECT_GT(lstEuro, 0);
}

TEST(LStTabBase, LohnsteuerFuerSetztLohn)
{
    auto tab = Angestellter2026(0);
    const double lst = tab->LohnsteuerFuer(400000);
    EXPECT_EQ(tab->GetCurr(lcLohn), 400000);
    EXPECT_EQ(lst, Angestellter2026(400000)->GetDoub(leLohnsteuer));
}

// Failures
// ------------------------------------------------------------------------------------------

std::string Meldung(const std::function<void()>& aufruf)
{
    try {
        aufruf();
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

TEST(LStTabBase, UnbekannteIndizes)
{
    auto tab = Angestellter2026(500000);
    EXPECT_EQ(Meldung([&] { tab->GetDoub(12); }), "Unbekannter Eigenschaftsindex (GetDoub, 12)");
    EXPECT_EQ(Meldung([&] { tab->SetBool(8, true); }),
              "Unbekannter Eigenschaftsindex (SetBool, 8)");
    EXPECT_EQ(Meldung([&] { tab->SetInt(-1, 0); }), "Unbekannter Eigenschaftsindex (SetInt, -1)");
    EXPECT_EQ(Meldung([&] { tab->SetCurr(9, 0); }), "Unbekannter Eigenschaftsindex (SetCurr, 9)");
    EXPECT_EQ(Meldung([&] { tab->SetDoub(23, 0); }), "Unbekannter Eigenschaftsindex (SetDoub, 23)");
    EXPECT_EQ(Meldung([&] { tab->GetValue(2); }), "Ungültiger Index (GetValue, 2)");
    EXPECT_EQ(Meldung([&] { CreateLStTab(1992, 1)->GetValue(1); }),
              "Ungültiger Index (GetValue, 1)");
    tab->GetDoub(leLohnsteuer);
    EXPECT_EQ(tab->GetValue(1), 1230); // employee lump sum
}

TEST(LStTabBase, FehlendeSteuerklasseUndGeburtsdatum)
{
    auto tab = Angestellter2026(500000);
    tab->SetInt(liSteuerklasse, 0);
    EXPECT_EQ(Meldung([&] { tab->GetDoub(leLohnsteuer); }), "Steuerklasse fehlt!");
    EXPECT_FALSE(tab->Berechnet());
    tab->SetInt(liSteuerklasse, 1);
    tab->SetBool(lbAltersentlastung, true);
    EXPECT_THROW(tab->GetDoub(leLohnsteuer), ELStTabError);
    EXPECT_EQ(Meldung([&] { tab->GetDoub(leLohnsteuer); }), "Geburtsdatum fehlt!");
    tab->SetGeburtsdatum(TLStDatum{1, 1, 1960}); // 64 at the end of 2023
    EXPECT_NO_THROW(tab->GetDoub(leLohnsteuer));
    EXPECT_EQ(tab->GetValue(0), 646); // 2024 cohort: 13.6 % of the pay, at most 646 euros
}

TEST(LStTabBase, SonstigeBezuegeWerdenZurueckgesetzt)
{
    auto tab = Angestellter2026(500000);
    tab->SetDoub(ldJahresLohn, 6000000);
    tab->SonstigeBezuegeBerechnen(500000, 0, 0);
    const double sts = tab->GetDoub(leLStSonst);
    EXPECT_GT(sts, 0);
    tab->SetInt(liZeitraum, 3);
    EXPECT_EQ(tab->GetDoub(leLStSonst), 0);
}

// Table steps
// --------------------------------------------------------------------------------------

struct StufenFall {
    int jahr, zeitraum;
    double anfang, schritt;
};
const StufenFall kStufen[] = {
    {2026, 1, 99, 100},    {2026, 2, 7, 8},     {2026, 3, 0, 1},   {2026, 4, 0, 1},
    {2003, 1, 3599, 3600}, {2003, 2, 299, 300}, {2003, 3, 69, 70}, {2003, 4, 9, 10},
};

TEST(LStTabBase, Tabellenstufen)
{
    for (const StufenFall& f : kStufen) {
        auto tab = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 1);
        tab->SetDoub(ldKurs, tab->DMFaktor());
        tab->SetInt(liZeitraum, f.zeitraum);
        EXPECT_EQ(tab->TabellenAnfang(), f.anfang) << f.jahr << '/' << f.zeitraum;
        EXPECT_EQ(tab->TabellenSchritt(), f.schritt) << f.jahr << '/' << f.zeitraum;
    }
}

// Steps the official data does not reach ---------------------------------------------------------

class TStufenTab26 : public TLStTab26 {
public:
    TStufenTab26()
    {
        Init();
        m_int[liZeitraum] = 1;
        m_int[liSteuerklasse] = 1;
    }
    double SolZ(double basis, int divisor)
    {
        Parameter();
        m_w.kztab = divisor;
        m_w.jbmg = basis;
        Solidaritaetszuschlag();
        return m_erg[leSolZ];
    }
    long double TarifVon(long double x, int divisor)
    {
        m_w.kztab = divisor;
        return Tarif(x);
    }
};

struct SolZFall {
    const char* name;
    double basis;
    int divisor;
    double solzCent;
};
const SolZFall kSolZ[] = {
    {"an_der_Freigrenze", 20350, 1, 0},
    {"ein_Euro_darueber", 20351, 1, 11}, // 11.9 % of the excess
    {"Uebergang", 30000, 1, 114835},     // 9650 * 11.9
    {"volle_5_5_Prozent", 50000, 1, 275000},
    {"Klasse_3_doppelte_Freigrenze", 40700, 2, 0},
    {"Klasse_3_darueber", 40701, 2, 11},
};

class SolZ2026 : public testing::TestWithParam<SolZFall> {};

TEST_P(SolZ2026, FreigrenzeUndUebergang)
{
    const SolZFall& f = GetParam();
    TStufenTab26 tab;
    EXPECT_EQ(tab.SolZ(f.basis, f.divisor), f.solzCent) << "basis=" << f.basis;
}

INSTANTIATE_TEST_SUITE_P(LStTab26, SolZ2026, testing::ValuesIn(kSolZ),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(LStTab26, TarifGrenzenUndSplitting)
{
    TStufenTab26 tab;
    EXPECT_EQ(tab.TarifVon(12348, 1), 0);
    EXPECT_EQ(tab.TarifVon(12349, 1), 0); // (0.0001 * 914.51 + 1400) * 0.0001, cut
    EXPECT_EQ(tab.TarifVon(12400, 1), 7);
    EXPECT_EQ(tab.TarifVon(20000, 2), 2 * tab.TarifVon(20000, 1));
}

// A period after the last one that changes two steps of its flow: the annual wage is 1,200
// euros higher and so is the annual tax. It computes as the last period does on 100 euros more
// a month, with 100 euros more tax.
class TFolgePeriode : public TLStTab26 {
protected:
    void Jahreswerte() override
    {
        TLStTab26::Jahreswerte();
        m_w.jahresLohn += 1200;
    }
    void Jahreslohnsteuer() override
    {
        TLStTab26::Jahreslohnsteuer();
        m_w.st += 1200;
    }
};

TEST(LStTab26, FolgendePeriodeAendertSchritte)
{
    for (const int klasse : {1, 3, 6}) {
        auto folge = Angestellter2026<TFolgePeriode>(300000);
        auto mehr = Angestellter2026(310000);
        folge->SetInt(liSteuerklasse, klasse);
        mehr->SetInt(liSteuerklasse, klasse);
        EXPECT_EQ(folge->GetDoub(leLohnsteuer), mehr->GetDoub(leLohnsteuer) + 10000) << klasse;
    }
}

// December catch-up: eleven months' saving larger than December's tax gives 0, not less.
struct DezemberFall {
    int jahr;
    int zeitraum;
    double lohnCent;
};
const DezemberFall kDezember[] = {
    {2024, 2, 140000}, {2024, 3, 32300}, {2024, 4, 4667},
    {2015, 2, 100000}, {2015, 3, 25400}, {2015, 4, 3670},
};

TEST(LStTabDezember, NachholungNieNegativ)
{
    for (const DezemberFall& f : kDezember) {
        auto dezember = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 12);
        auto november = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 11);
        for (auto* tab : {dezember.get(), november.get()}) {
            tab->SetDoub(ldKurs, 1.0);
            tab->SetInt(liSteuerklasse, 1);
            tab->SetInt(liZeitraum, f.zeitraum);
            tab->SetDoub(ldKVSatz, 14.0);
            tab->SetDoub(ldPVSatz, 3.4);
            tab->SetCurr(lcLohn, f.lohnCent);
        }
        EXPECT_GT(november->GetDoub(leLohnsteuer), 0) << f.jahr << '/' << f.zeitraum;
        EXPECT_EQ(dezember->GetDoub(leLohnsteuer), 0) << f.jahr << '/' << f.zeitraum;
        EXPECT_EQ(dezember->GetDoub(leKiStBasis), 0) << f.jahr << '/' << f.zeitraum;
    }
}

TEST(LStTabDezember, JahreslohnOhneNachholung)
{
    // For an annual pay period the raised allowances simply apply to the year.
    auto dezember = CreateLStTab(2024, 12);
    auto jahr2025 = CreateLStTab(2024, 11);
    for (auto* tab : {dezember.get(), jahr2025.get()}) {
        tab->SetDoub(ldKurs, 1.0);
        tab->SetInt(liSteuerklasse, 1);
        tab->SetInt(liZeitraum, 1);
        tab->SetCurr(lcLohn, 3000000);
    }
    EXPECT_LT(dezember->GetDoub(leLohnsteuer), jahr2025->GetDoub(leLohnsteuer));
    EXPECT_GT(dezember->GetDoub(leLohnsteuer), 0);
}

} // namespace

// Rules of single years that the official data of 2014 on does not show ------------------------

TEST(LStTab11Dez, ArbeitnehmerpauschbetragNachgeholt)
{
    // December 2011 grants the year's raised lump sum in one month; the year gets 1000.
    struct Fall {
        int monat, zeitraum;
        double pauschbetrag;
    };
    for (const Fall& f : {Fall{11, 2, 920}, Fall{12, 2, 1880}, Fall{12, 1, 1000}}) {
        auto tab = CreateLStTab(2011, static_cast<std::uint16_t>(f.monat));
        tab->SetDoub(ldKurs, 1.0);
        tab->SetInt(liSteuerklasse, 1);
        tab->SetInt(liZeitraum, f.zeitraum);
        tab->SetCurr(lcLohn, f.zeitraum == 1 ? 4000000 : 300000);
        tab->GetDoub(leLohnsteuer);
        EXPECT_EQ(tab->GetValue(1), f.pauschbetrag) << f.monat << '/' << f.zeitraum;
    }
}

struct SonstFall {
    int jahr;
    double sonstigerBezug;
    bool solzSonst; // surcharge on the other payment expected
};

// A small wage with an other payment: no surcharge on the current wage in any of these years.
double SonstigeSolZ(const SonstFall& f, double& lstSonst, double& lstOhne)
{
    auto tab = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 6);
    tab->SetDoub(ldKurs, 1.0);
    tab->SetInt(liSteuerklasse, 1);
    tab->SetInt(liZeitraum, 2);
    tab->SetDoub(ldKVSatz, 14.0);
    tab->SetDoub(ldPVSatz, 3.05);
    tab->SetCurr(lcLohn, 110000);
    tab->SetDoub(ldJahresLohn, 1320000);
    tab->SonstigeBezuegeBerechnen(0, 0, 0);
    lstOhne = tab->GetDoub(leLohnsteuer);
    EXPECT_EQ(tab->GetDoub(leSolZ), 0) << f.jahr;
    tab->SonstigeBezuegeBerechnen(f.sonstigerBezug, 0, 0);
    lstSonst = tab->GetDoub(leLStSonst);
    EXPECT_EQ(tab->GetDoub(leLohnsteuer), lstOhne) << f.jahr;
    return tab->GetDoub(leSolZSonst);
}

TEST(LStTabSonstigeBezuege, ZuschlagOhneFreigrenzeBis2020)
{
    for (const SonstFall& f : {SonstFall{2016, 500000, true}, SonstFall{2020, 500000, true},
                               SonstFall{2021, 500000, false}, SonstFall{2026, 500000, false}}) {
        double lstSonst = 0;
        double lstOhne = 0;
        const double solz = SonstigeSolZ(f, lstSonst, lstOhne);
        EXPECT_GT(lstSonst, 0) << f.jahr;
        EXPECT_EQ(solz, f.solzSonst ? Abschneiden(lstSonst * 5.5 * 0.01) : 0) << f.jahr;
    }
}

TEST(LStTabSonstigeBezuege, NegativerBezugSenktNichts)
{
    for (const int jahr : {2012, 2016, 2021, 2026}) {
        double lstSonst = 0;
        double lstOhne = 0;
        const double solz = SonstigeSolZ(SonstFall{jahr, -500000, false}, lstSonst, lstOhne);
        EXPECT_EQ(lstSonst, 0) << jahr;
        EXPECT_EQ(solz, 0) << jahr;
    }
}
