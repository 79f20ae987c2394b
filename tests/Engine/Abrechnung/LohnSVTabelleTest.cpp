// The rows of the contribution table against payroll statements with the same settings: every
// share of a row must be the statement's share for the row's pay, to the cent.
#include "Engine/Abrechnung/LohnSVTabelle.h"
#include "Lib/InstChck.h"
#include "LohnTestSupport.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

struct SVTabellenFall {
    const char* name;
    int jahr;
    bool sachsen;
    bool kinderlos;
    int kinderPV;
    const char* bgs;
    bool dm; // shown in marks
    bool tabellenBeitrag;
};

const SVTabellenFall kFaelle[] = {
    {"y2026", 2026, false, false, 0, "1111", false, false},
    {"y2026_Sachsen", 2026, true, false, 0, "1111", false, false},
    {"y2026_kinderlos", 2026, false, true, 0, "1111", false, false},
    {"y2026_zwei_Kinder_PV", 2026, false, false, 2, "1111", false, false},
    {"y2026_Schluessel_0111", 2026, false, false, 0, "0111", false, false},
    {"y2026_in_DM", 2026, false, false, 0, "1111", true, false},
    {"y1999_DM_Tabellenbeitrag", 1999, false, false, 0, "1111", true, true},
    // Mark bands shown in euro: the pay and the shares are converted alike.
    {"y1999_Euro_Tabellenbeitrag", 1999, false, false, 0, "1111", false, true},
    {"y1999_DM_exakt", 1999, false, false, 0, "1111", true, false},
};

class SVTabelleTest : public LohnTest, public testing::WithParamInterface<SVTabellenFall> {
protected:
    void Einstellen(const SVTabellenFall& f)
    {
        d.Jahr->SetValue(f.jahr);
        d.PVSachsen->SetValue(f.sachsen);
        d.Kinderlos->SetValue(f.kinderlos);
        d.KinderPV->SetValue(f.kinderPV);
        d.BGS->SetValue(f.bgs);
        if (f.dm) {
            d.Umrechnen->SetValue(true);
            d.WaehrungName->SetValue("DM");
        }
        d.TabellenBeitrag->SetValue(f.tabellenBeitrag);
        d.Entgelt->SetValue(2000);
    }

    // The statement's employee share of a branch in cents; empty while it computes none.
    std::optional<double> Anteil(TDouble* a, TDouble* b = nullptr) const
    {
        if (!a->IsEnabled())
            return std::nullopt;
        double summe = a->GetCents();
        if (b != nullptr && b->IsEnabled())
            summe += b->GetCents();
        return summe;
    }
};

TEST_P(SVTabelleTest, RowsAreTheStatementsShares)
{
    const SVTabellenFall& f = GetParam();
    Einstellen(f);
    const TSVTabellenVorgaben v = SVTabellenVorgabenAus(*lohn);
    // The case is what it says: banded rows, marks shown.
    ASSERT_EQ(v.tabellenBeitrag, f.tabellenBeitrag);
    ASSERT_EQ(v.kurs != 1.0, f.dm);
    TSVTabellenBeitraege tabelle(v);
    const double start = tabelle.Anfangsbetrag();
    const double schritt = tabelle.Schrittweite();
    // A low row, and the rows around each branch's pro-rata ceiling: below, holding it, above.
    std::vector<double> zeilen = {start + 100 * schritt};
    for (TSVZweig z : {TSVZweig::kKV, TSVZweig::kPV, TSVZweig::kRV, TSVZweig::kAV}) {
        const double grenze = tabelle.Beitrag(z).GetAnteiligeGrenze();
        const double k = std::floor((grenze - start) / schritt);
        for (double dk : {-1.0, 0.0, 1.0, 2.0})
            zeilen.push_back(start + (k + dk) * schritt);
    }
    for (double betrag : zeilen) {
        const TSVTabellenZeile zeile = tabelle.Zeile(betrag);
        d.Entgelt->SetValue(zeile.entgelt * 0.01);
        Neuberechnen();
        const std::optional<double> erwartet[4] = {Anteil(d.KVBeitrag, d.KVZBBeitrag),
                                                   Anteil(d.PVBeitrag, d.PVKLBeitrag),
                                                   Anteil(d.RVBeitrag), Anteil(d.AVBeitrag)};
        for (int i = 0; i < 4; ++i) {
            const auto zweig = static_cast<TSVZweig>(i);
            EXPECT_EQ(zeile.anteil[i].has_value(), erwartet[i].has_value())
                << "branch " << i << " row " << betrag;
            if (zeile.anteil[i] && erwartet[i]) {
                EXPECT_NEAR(*zeile.anteil[i], *erwartet[i], 0.001)
                    << "branch " << i << " row " << betrag << " pay " << zeile.entgelt;
            }
            EXPECT_EQ(zeile.ueberBBG[i], betrag > tabelle.Beitrag(zweig).GetAnteiligeGrenze());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Engine, SVTabelleTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(LohnTest, SVTabelleWithoutCeilingMarksNoRow)
{
    d.KeineBBG->SetValue(true);
    TSVTabellenBeitraege tabelle(SVTabellenVorgabenAus(*lohn));
    const TSVTabellenZeile zeile = tabelle.Zeile(tabelle.HoechsteAnteiligeGrenze() + 30000);
    for (bool ueber : zeile.ueberBBG)
        EXPECT_FALSE(ueber);
}

// From 2003 the row's own pay counts, not the middle of its band: two pays in one 3-euro band
// have different shares.
TEST_F(LohnTest, SVTabelleExactFrom2003)
{
    TSVTabellenBeitraege tabelle(SVTabellenVorgabenAus(*lohn));
    const auto unten = tabelle.Zeile(300000);
    const auto oben = tabelle.Zeile(300300);
    EXPECT_GT(*oben.anteil[static_cast<int>(TSVZweig::kRV)],
              *unten.anteil[static_cast<int>(TSVZweig::kRV)]);
    EXPECT_DOUBLE_EQ(unten.entgelt, 300000);
}

TEST_F(LohnTest, SVTabelleTitleAndObjectsFreed)
{
    TSVTabellenVorgaben v = SVTabellenVorgabenAus(*lohn);
    v.kasseName = "AOK Bayern";
    EXPECT_EQ(SVTabellenTitel(v), "Beitragstabelle 2026  (AOK Bayern, Euro) ");
    v.kasseName.clear();
    v.waehrungName = "DM";
    EXPECT_EQ(SVTabellenTitel(v), "Beitragstabelle 2026  (DM) ");
    const auto vorher = InstanceChecker().Remaining().size();
    {
        TSVTabellenBeitraege tabelle(v);
        EXPECT_EQ(InstanceChecker().Remaining().size(), vorher + 4);
    }
    EXPECT_EQ(InstanceChecker().Remaining().size(), vorher);
}

} // namespace
