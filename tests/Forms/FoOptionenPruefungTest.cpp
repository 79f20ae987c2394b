#include "Forms/FoOptionenPruefung.h"

#include "Gui/GuiTestSupport.h"
#include "Support/OptionenUmgebung.h"

#include <QLabel>
#include <QPushButton>

namespace {

class FoOptionenPruefungTest : public GuiHookFixture {
protected:
    TOptionenUmgebung m_umgebung;
};

TEST_F(FoOptionenPruefungTest, ZeigtDieGespeichertenWerteNurZumAnsehen)
{
    m_umgebung.Xdg().Schreibe("home/.local/share/Tovar/XoLStTab/OPTIONEN.INI",
                              "[Beitragssaetze2026]\nAbDatum=1.7.\nAVSatzAb=3,0\n");
    const TDaten& daten = TOptionenUmgebung::Starten().BeitragssaetzeDaten(2026);
    TFoOptionenPruefung dialog(daten);
    dialog.init();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Überprüfung der Optionen"));
    EXPECT_FALSE(dialog.Panel1->isEnabled());
    EXPECT_TRUE(dialog.bnHilfe->isHidden());
    QStringList texte;
    for (const QLabel* label : dialog.Panel1->findChildren<QLabel*>())
        texte << label->text();
    EXPECT_TRUE(texte.contains("AVSatz"));
    EXPECT_TRUE(texte.contains("3,0")) << texte.join('|').toStdString();
    EXPECT_FALSE(texte.contains("AVSatzAb"));
}

TEST_F(FoOptionenPruefungTest, NurJaSetztZurueck)
{
    const TDaten& daten = TOptionenUmgebung::Starten().KindergeldDaten(2026);
    const struct {
        const char* knopf;
        bool ja;
    } faelle[] = {{"bnJa", true}, {"bnNein", false}, {nullptr, false}};
    for (const auto& fall : faelle) {
        m_modalAntwort = [&](QWidget& fenster) {
            auto& form = static_cast<TXoForm&>(fenster);
            if (fall.knopf != nullptr)
                fenster.findChild<QPushButton*>(fall.knopf)->click();
            else
                form.close();
            return form.ModalResult();
        };
        EXPECT_EQ(OptionenZuruecksetzenFragen(daten), fall.ja) << (fall.knopf ? fall.knopf : "");
    }
}

} // namespace
