#include "Engine/Sozialversicherung/Beitragsbemessungsgrenzen.h"
#include "Engine/Sozialversicherung/Beitragssatz.h"
#include "Engine/Sozialversicherung/Kindergeld.h"

#include "Support/OptionenUmgebung.h"

#include <gtest/gtest.h>

namespace {

// The tables of 2026 and later read the options at every call.
class OptionenJahreswerteTest : public testing::Test {
protected:
    OptionenJahreswerteTest() : m_optionen(TOptionenUmgebung::Starten()) {}
    ~OptionenJahreswerteTest() override { m_optionen.Reset(); }

    void Setze(TDaten& daten, const char* name, const char* text)
    {
        daten.FindValue(name)->SetAsString(text);
    }

    TOptionenVtrl& m_optionen;
};

TEST_F(OptionenJahreswerteTest, TablesFollowTheOptions)
{
    Setze(m_optionen.BBGDaten(2026), "BBG_KV", "6.000,00");
    Setze(m_optionen.BBGDaten(2027), "BBG_RVKn_O", "11.111");
    EXPECT_DOUBLE_EQ(Beitragsbemessungsgrenzen().BBGKV(2026, 1, true), 6000);
    EXPECT_DOUBLE_EQ(Beitragsbemessungsgrenzen().BBGRV(2031, 1, true, true), 11111);
    EXPECT_DOUBLE_EQ(Beitragsbemessungsgrenzen().BBGKV(2025, 1, true), 5512.5);

    TOptionenBeitragssaetzeDaten& saetze = m_optionen.BeitragssaetzeDaten(2026);
    Setze(saetze, "KVSatzZBAb", "3,10");
    Setze(saetze, "AbDatum", "1.7.");
    EXPECT_DOUBLE_EQ(Beitragssaetze().KVSatzZB(2026, 6), 2.9);
    EXPECT_DOUBLE_EQ(Beitragssaetze().KVSatzZB(2026, 7), 3.1);
    EXPECT_DOUBLE_EQ(Beitragssaetze().KVSatzZB(2027, 7), 2.9);

    Setze(m_optionen.GleitzoneDaten(2027), "GesamtSVSatz", "40,00");
    EXPECT_DOUBLE_EQ(Beitragssaetze().Gleitzonenfaktor(2030, 1, true), 0.7);

    TOptionenKindergeldDaten& kindergeld = m_optionen.KindergeldDaten(2027);
    Setze(kindergeld, "2_KiAb", "264,60");
    Setze(kindergeld, "AbDatum", "1.4.");
    EXPECT_EQ(KindergeldTabelle().Kindergeld(2, 2027, 3), 2 * 259);
    // Each child's amount is rounded to whole euro; the option holds no decimals.
    EXPECT_EQ(KindergeldTabelle().Kindergeld(2, 2027, 4), 259 + 264);
    EXPECT_EQ(KindergeldTabelle().Kindergeld(2, 2035, 4), 259 + 264);
}

} // namespace
