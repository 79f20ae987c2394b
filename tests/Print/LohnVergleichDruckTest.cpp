// The wage year comparison's printout and text form: the line unit of nine tenths, the name of
// case 2, the details, and the text form against stored comparisons.
#include "Print/LohnVergleichDruck.h"
#include "AufzeichnungsCanvas.h"
#include "Eingaben.h"
#include "GespeicherterText.h"
#include "Engine/Abrechnung/LohnBerechnung.h"
#include "Engine/Abrechnung/LohnDaten.h"
#include "Engine/Vergleich/VerglBrg.h"
#include "Lib/Component.h"
#include "Support/OptionenUmgebung.h"


#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

class LohnVerglDruckTest : public testing::Test {
protected:
    void SetUp() override
    {
        TOptionenUmgebung::Starten();
        HeuteFestlegen(SetDatum(9, 12, 2026));
        vgl = MakeComponent<TVergleichBerechnung>(nullptr, "LohnVergleich",
                                                  &ErzeugeBerechnung<TLohnBerechnung>);
        lohn = MakeComponent<TLohnBerechnung>(nullptr, "LOHN");
    }
    void TearDown() override
    {
        vgl.reset();
        lohn.reset();
        HeuteFestlegen({});
    }
    // Case 1 and case 2 from the payroll statement with these inputs.
    void Faelle(const TEingaben& fall1, const TEingaben& fall2)
    {
        for (int i = 0; i < 2; ++i) {
            WerteSetzen(lohn->LohnDatenOf(), i == 0 ? fall1 : fall2);
            lohn->LohnDatenOf().SetModified(true);
            lohn->Recalculate();
            i == 0 ? vgl->SetDaten1(*lohn) : vgl->SetDaten2(*lohn);
        }
    }
    TAufzeichnungsCanvas Gedruckt(bool details, std::unique_ptr<TVtDruckLohnVergleich>& druck)
    {
        TAufzeichnungsCanvas canvas(QRect(0, 0, 1000, 1493));
        canvas.Seite = QSize(1000, 1400);
        druck = std::make_unique<TVtDruckLohnVergleich>(vgl->VergleichDaten(), details);
        druck->SeiteEinrichten(canvas);
        return canvas;
    }

    TOptionenUmgebung m_umgebung;
    std::unique_ptr<TVergleichBerechnung> vgl;
    std::unique_ptr<TLohnBerechnung> lohn;
};

TEST_F(LohnVerglDruckTest, LineUnitOfNineTenthsAfterMeasuringAtTheBase)
{
    Faelle({{"Jahr", "2023"}, {"Entgelt", "3000"}},
           {{"Jahrliste", "2026"}, {"Entgelt", "3200"}, {"Arbeitnehmer", "Erika Muster"}});
    std::unique_ptr<TVtDruckLohnVergleich> p;
    const TAufzeichnungsCanvas canvas = Gedruckt(false, p);
    // B 20: "X" 10 wide, the line 18, the top 90.
    EXPECT_EQ(p->Zeichenbreite(), 10);
    EXPECT_EQ(p->Zeilenhoehe(), 18);
    EXPECT_EQ(p->YOben(), 90);
    EXPECT_EQ(p->XLinks(), 60);
    EXPECT_EQ(p->X3(), 980 - 130 - 20);
    EXPECT_EQ(p->X1(), 60 + 270 + (p->X3() - 60 - 270) / 3);
    // The name of case 2 one line below the heading, the year one line further.
    const TAufruf* name = canvas.Text("Name: Erika Muster");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->y, 90 + 54);
    EXPECT_EQ(canvas.Text("Jahr:")->y, 90 + 54 + 18);
    // Without details straight on to the statement; net pay up is a relief.
    EXPECT_EQ(canvas.Text("Berechnungsdaten"), nullptr);
    EXPECT_EQ(canvas.Text("Abrechnung")->y, 90 + 54 + 18 + 27 + 27);
    const TAufruf* netto = canvas.Text("Nettoentgelt:");
    ASSERT_NE(netto, nullptr);
    bool entlastung = false;
    for (const TAufruf& a : canvas.Texte())
        entlastung |= a.y == netto->y && a.text == "Entlastung" && a.x == p->X4();
    EXPECT_TRUE(entlastung);
}

TEST_F(LohnVerglDruckTest, NameOfCaseOneIsNotPrinted)
{
    Faelle({{"Jahrliste", "2026"}, {"Arbeitnehmer", "Max Muster"}}, {{"Arbeitnehmer", ""}});
    std::unique_ptr<TVtDruckLohnVergleich> p;
    const TAufzeichnungsCanvas canvas = Gedruckt(true, p);
    for (const TAufruf& a : canvas.Texte())
        EXPECT_FALSE(a.text.startsWith("Name:")) << a.text.toStdString();
    EXPECT_NE(canvas.Text("Berechnungsdaten"), nullptr);
}

TEST_F(LohnVerglDruckTest, ValueOfNeitherCaseHasNoDifference)
{
    Faelle({{"Jahrliste", "2026"}, {"Entgelt", "3000"}, {"Kinderlos", "Nein"}},
           {{"Entgelt", "3200"}});
    std::unique_ptr<TVtDruckLohnVergleich> p;
    const TAufzeichnungsCanvas canvas = Gedruckt(false, p);
    ASSERT_NE(canvas.Text("Pflegeversicherung:"), nullptr);
    EXPECT_EQ(canvas.Text("Pflegeversicherung Zuschlag:"), nullptr);
}

TEST_F(LohnVerglDruckTest, LongFundNamesAndLargeAmountsKeepApartWithinTheMargins)
{
    const struct {
        QString kasse;
        const char* entgelt1;
        const char* entgelt2;
    } faelle[] = {
        {kKasse33, "3000", "3200"},
        {kKasse100, "150000", "320000"},
    };
    KassenAnlegen();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.kasse.toStdString());
        const QByteArray kasse = f.kasse.toUtf8();
        Faelle({{"Jahrliste", "2026"}, {"Entgelt", f.entgelt1}, {"KasseName", kasse.constData()}},
               {{"Entgelt", f.entgelt2}, {"KasseName", kKasse33}});
        std::unique_ptr<TVtDruckLohnVergleich> p;
        const TAufzeichnungsCanvas canvas = Gedruckt(true, p);
        EXPECT_EQ(Ueberschneidungen(canvas, p->XLinks(), p->XRechts(), p->Zeichenbreite()),
                  QStringList());
        // Case 1's fund whole, on further lines where it does not fit on one.
        const std::vector<TAufruf> texte = canvas.Texte();
        auto a =
            std::ranges::find_if(texte, [](const TAufruf& t) { return t.text == "Krankenkasse:"; });
        ASSERT_NE(a, texte.end());
        QStringList teile;
        for (++a; a != texte.end() && teile.join(' ').size() < f.kasse.size(); ++a)
            teile << a->text;
        EXPECT_EQ(teile.join(' '), f.kasse);
    }
}

struct Fall {
    const char* name;
    bool details;
    TEingaben fall1;
    TEingaben fall2;
};

const Fall kFaelle[] = {
    {"lohnvgl_kurz", false, {{"Jahr", "2023"}, {"Entgelt", "3000"}},
     {{"Jahrliste", "2026"}, {"Entgelt", "3000"}}},
    {"lohnvgl_details", true, {{"Jahr", "2023"}, {"Entgelt", "3000"}},
     {{"Jahrliste", "2026"}, {"Entgelt", "3200"}, {"Steuerklasse", "3"}}},
    {"lohnvgl_gleitzone", true, {{"Jahrliste", "2026"}, {"Entgelt", "1000"}},
     {{"Entgelt", "1500"}, {"Gleitzone", "Ja"}}},
    {"lohnvgl_kammer", true, {{"Jahrliste", "2026"}, {"Entgelt", "3000"}},
     {{"Kammer", "Ja"}, {"KammerLand", "1"}}},
    {"lohnvgl_dm", true, {{"Jahrliste", "2026"}, {"Entgelt", "3000"}},
     {{"Jahrliste", "1998"}, {"WaehrungName", "DM"}, {"Entgelt", "5000"}}},
};

class LohnVerglTextTest : public LohnVerglDruckTest, public testing::WithParamInterface<Fall> {};

TEST_P(LohnVerglTextTest, TextFormAsStored)
{
    const Fall& f = GetParam();
    Faelle(f.fall1, f.fall2);
    const QString text = ZeilenText(LohnVergleichAlsText(vgl->VergleichDaten(), f.details));
    WieGespeichert(text, f.name);
    EXPECT_EQ(text.split("\r\n").front().size(), 80);
    std::unique_ptr<TVtDruckLohnVergleich> p;
    EXPECT_NO_THROW(Gedruckt(f.details, p));
}

INSTANTIATE_TEST_SUITE_P(LohnVerglDruck, LohnVerglTextTest, testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
