// The payroll run on its own inputs: it gives what the statement shows, takes the option
// switches from its inputs, and a failed run sets only what it reached.
#include "Engine/Abrechnung/LohnLauf.h"
#include "Engine/Abrechnung/LohnTestSupport.h"

TEST_F(LohnTest, TheRunGivesWhatTheStatementShows)
{
    d.Steuerklasse->SetValue(3);
    d.Kinder->SetValue(2);
    d.Entgelt->SetValue(4000);
    TLohnEingaben e = LohnEingabenAus(d);
    const TLohnErgebnisse r = LohnRechnen(e);
    ASSERT_EQ(r.fehler, TLohnErgebnisse::TFehler::kKeiner);
    EXPECT_DOUBLE_EQ(r.lohnsteuer.Wert(), d.Lohnsteuer->GetValue());
    EXPECT_DOUBLE_EQ(r.rvBeitrag.Wert(), d.RVBeitrag->GetValue());
    EXPECT_DOUBLE_EQ(r.nettoentgelt.Wert(), d.Nettoentgelt->GetValue());
    // The child benefit paid with the net pay comes with the inputs, whatever the options say.
    e.kindergeldImNetto = 250;
    EXPECT_DOUBLE_EQ(LohnRechnen(e).nettoentgelt.Wert(), r.nettoentgelt.Wert() + 250);
}

TEST_F(LohnTest, AFailedRunSetsOnlyWhatItReached)
{
    TLohnEingaben e = LohnEingabenAus(d);
    e.ausgangswert = TLohnDaten::kAusLohnsteuer;
    e.lohnsteuerCent = -1;
    const TLohnErgebnisse r = LohnRechnen(e);
    EXPECT_EQ(r.fehler, TLohnErgebnisse::TFehler::kBerechnung);
    EXPECT_EQ(r.meldung, "Brutto konnte nicht ermittelt werden");
    EXPECT_FALSE(r.entgelt.Gesetzt());
    EXPECT_FALSE(r.nettoentgelt.Gesetzt());
    EXPECT_FALSE(r.summenGesetzt);
}
