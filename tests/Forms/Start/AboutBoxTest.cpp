#include "Forms/Start/AboutBox.h"

#include "Gui/AnzeigeOptionen.h"
#include "Gui/GuiTestSupport.h"
#include "Gui/XoTimer.h"
#include "Support/OptionenUmgebung.h"
#include "Support/Warten.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <memory>

namespace {

class AboutBoxTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TOptionenUmgebung::Starten();
    }
    std::unique_ptr<TFoAboutBox> Box()
    {
        auto box = std::make_unique<TFoAboutBox>();
        box->init();
        box->show();
        return box;
    }
    std::string Programm() { return m_umgebung.Xdg().Wurzel().string() + "/prog/"; }

    TOptionenUmgebung m_umgebung;
};

} // namespace

TEST_F(AboutBoxTest, ShowsNameVersionAndTheFixedLines)
{
    auto box = Box();
    EXPECT_EQ(box->windowTitle(), "Info");
    EXPECT_EQ(box->stAppName->text(), "Vantrel 2026");
    EXPECT_EQ(box->stVersion->text(), "Version 5.01");
    QStringList texte;
    for (const QLabel* label : box->paInfo->findChildren<QLabel*>())
        texte << label->text();
    for (const char* zeile : {"Entgeltabrechnung und", "Einkommensteuerberechnung", "Verlag Tovar"})
        EXPECT_TRUE(texte.contains(zeile)) << zeile;
    EXPECT_FALSE(texte.join(' ').contains("http")) << "no web address";
    EXPECT_EQ(box->bnOK->text(), "OK");
    EXPECT_LE(box->frameGeometry().width(), 1366);
    EXPECT_LE(box->frameGeometry().height(), 768);
    // Enter closes it like the button.
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_EQ(box->ModalResult(), mrOk);
}

TEST_F(AboutBoxTest, EveryTextFitsTheBoxInTheProgramsBoldPrint)
{
    InstallOptionenAnzeige();
    auto box = Box();
    SetAnzeigeOptionen(nullptr);
    EXPECT_TRUE(box->stLiesMich->font().bold());
    for (const QLabel* label : box->paInfo->findChildren<QLabel*>())
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->objectName().toStdString();
}

TEST_F(AboutBoxTest, AnimationGoesOnAfterReopeningAndEndsWithTheBox)
{
    const int vorher = TimerMngr().Count();
    auto box = Box();
    EXPECT_EQ(TimerMngr().Count(), vorher + 1);
    const int start = TFoAboutBox::Bild();
    EXPECT_TRUE(QTest::qWaitFor([&] { return TFoAboutBox::Bild() != start; }, kGeduldMs))
        << "the picture moves on";
    const int weiter = TFoAboutBox::Bild();
    const QImage gezeigt = box->Image->pixmap().toImage();
    EXPECT_EQ(gezeigt, TFoAboutBox::BildNr(weiter).toImage());
    box.reset();
    EXPECT_EQ(TimerMngr().Count(), vorher) << "no timer after closing";
    QTest::qWait(2 * TFoAboutBox::kIntervallMs);
    EXPECT_EQ(TFoAboutBox::Bild(), weiter);

    box = Box();
    EXPECT_EQ(TFoAboutBox::Bild(), weiter) << "the new box starts where the last one stopped";
    box->Animieren();
    EXPECT_EQ(TFoAboutBox::Bild(), (weiter + 1) % TFoAboutBox::kBilder);
    // Seven different pictures, then the first again.
    for (int i = 0; i < TFoAboutBox::kBilder; ++i)
        EXPECT_NE(TFoAboutBox::BildNr(i).toImage(),
                  TFoAboutBox::BildNr((i + 1) % TFoAboutBox::kBilder).toImage());
}

TEST_F(AboutBoxTest, LinksOpenTheDocumentsBesideTheProgram)
{
    std::ofstream(Programm() + "README.md") << "# Vantrel\n";
    auto box = Box();
    emit box->stLiesMich->linkActivated("README.md");
    ASSERT_EQ(m_geoeffnet.size(), 1);
    EXPECT_EQ(m_geoeffnet.front().toStdString(), Programm() + "README.md");
    emit box->stAnleitung->linkActivated("Anleitung.pdf");
    EXPECT_EQ(m_geoeffnet.size(), 1) << "the manual is not there";
    ASSERT_EQ(m_fehler.size(), 1);
    EXPECT_EQ(m_fehler.front().toStdString(),
              "\"" + Programm() + "Anleitung.pdf\" nicht gefunden!");
    EXPECT_EQ(box->stLiesMich->cursor().shape(), Qt::PointingHandCursor);
}
