#include "Forms/Dialoge/AbrgDruck.h"
#include "Forms/Dialoge/BeitrGrSchl.h"

#include "Gui/GuiTestSupport.h"
#include "MVCFrame/StringValue.h"
#include "Support/OptionenUmgebung.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <fstream>
#include <sstream>

namespace {

class AbrgDruckTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        TOptionenUmgebung::Starten();
        VerzeichnisseVtrl().SetBasisPfad(Verzeichnisse().GetBasisPfad());
    }
    static std::string Datei()
    {
        std::ifstream in(TFoAbrgDruck::ArbeitnehmerDatei());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Answers the dialog: types the name and presses the button.
    void Antwort(const QString& name, bool drucken)
    {
        m_modalAntwort = [name, drucken](QWidget& w) {
            auto& dialog = dynamic_cast<TFoAbrgDruck&>(w);
            EXPECT_TRUE(dialog.bnHilfe()->isHidden());
            dialog.cbArbeitnehmer()->setEditText(name);
            dialog.SetModalResult(drucken ? mrOk : mrCancel);
            return dialog.ModalResult();
        };
    }

    TOptionenUmgebung m_umgebung;
    TString m_name{nullptr, "Arbeitnehmer"};
    TString m_zeitraum{nullptr, "Zeitraum", 0, "März 2026"};
};

} // namespace

TEST_F(AbrgDruckTest, NewNameIsKeptAndOfferedOnTheNextPrint)
{
    Antwort("Erika Mustermann", true);
    ASSERT_TRUE(TFoAbrgDruck::Ausfuehren("", m_name, true, m_zeitraum));
    EXPECT_EQ(m_name.GetValue(), "Erika Mustermann");
    EXPECT_EQ(m_zeitraum.GetValue(), "März 2026");
    EXPECT_EQ(Datei(), "Erika Mustermann\n");

    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoAbrgDruck&>(w);
        EXPECT_EQ(dialog.Liste(), QStringList{"Erika Mustermann"});
        EXPECT_EQ(dialog.cbArbeitnehmer()->findText("Erika Mustermann"), 0);
        EXPECT_TRUE(dialog.bnANLoeschen()->isEnabled());
        dialog.cbArbeitnehmer()->setEditText("Max");
        EXPECT_FALSE(dialog.bnANLoeschen()->isEnabled());
        dialog.SetModalResult(mrCancel);
        return dialog.ModalResult();
    };
    EXPECT_FALSE(TFoAbrgDruck::Ausfuehren("", m_name, false, m_zeitraum));
    EXPECT_EQ(m_name.GetValue(), "Erika Mustermann");
    // Closing keeps a new name even when the print is cancelled.
    EXPECT_EQ(Datei(), "Erika Mustermann\nMax\n");
}

TEST_F(AbrgDruckTest, DeleteRemovesTheNameFromTheFile)
{
    Antwort("A", true);
    TFoAbrgDruck::Ausfuehren("", m_name, true, m_zeitraum);
    Antwort("B", true);
    TFoAbrgDruck::Ausfuehren("", m_name, true, m_zeitraum);
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoAbrgDruck&>(w);
        dialog.cbArbeitnehmer()->setEditText("A");
        dialog.bnANLoeschenClick();
        EXPECT_EQ(dialog.cbArbeitnehmer()->currentText(), "");
        EXPECT_FALSE(dialog.bnANLoeschen()->isEnabled());
        dialog.SetModalResult(mrCancel);
        return dialog.ModalResult();
    };
    TFoAbrgDruck::Ausfuehren("Druck", m_name, true, m_zeitraum);
    EXPECT_EQ(Datei(), "B\n");
}

TEST_F(AbrgDruckTest, CaptionAndPeriodGroupAsAsked)
{
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoAbrgDruck&>(w);
        EXPECT_EQ(dialog.windowTitle(), "Druck Vergleich");
        EXPECT_TRUE(dialog.gbZeitraum()->isHidden());
        EXPECT_EQ(dialog.cbAbrgZeitraum()->currentText(), "März 2026");
        return static_cast<int>(mrCancel);
    };
    TFoAbrgDruck::Ausfuehren("Druck Vergleich", m_name, false, m_zeitraum);
}

TEST_F(AbrgDruckTest, UnwritableListIsReportedAndThePrintGoesOn)
{
    const std::string datei = TFoAbrgDruck::ArbeitnehmerDatei();
    std::filesystem::create_directories(datei); // a folder where the file should be
    Antwort("Erika", true);
    EXPECT_TRUE(TFoAbrgDruck::Ausfuehren("", m_name, true, m_zeitraum));
    EXPECT_EQ(m_fehler.size(), 1);
}

namespace {

class BeitrGrSchlTest : public GuiHookFixture {};

} // namespace

TEST_F(BeitrGrSchlTest, ShortKeyIsPaddedWithZeros)
{
    TFoBeitrGrSchl dialog;
    dialog.init();
    dialog.SetSchluessel("1");
    EXPECT_EQ(dialog.Schluessel(), "1000");
    EXPECT_TRUE(dialog.Knopf(0, 1)->isChecked());
    for (int zweig = 1; zweig < 4; ++zweig) {
        EXPECT_TRUE(dialog.Knopf(zweig, 0)->isChecked()) << zweig;
        EXPECT_EQ(dialog.Anzeige(zweig)->text(), "0");
    }
    EXPECT_EQ(dialog.Anzeige(0)->objectName(), "stBGSKV");
}

TEST_F(BeitrGrSchlTest, DigitOutsideTheBranchChecksNoButton)
{
    TFoBeitrGrSchl dialog;
    dialog.init();
    dialog.SetSchluessel("1191");
    EXPECT_EQ(dialog.Anzeige(2)->text(), "9");
    for (int ziffer = 0; ziffer < 3; ++ziffer)
        EXPECT_FALSE(dialog.Knopf(2, ziffer)->isChecked());
}

TEST_F(BeitrGrSchlTest, ClickSetsTheBranchDigitAndOkReturnsTheKey)
{
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoBeitrGrSchl&>(w);
        dialog.Knopf(1, 5)->click();
        dialog.Knopf(3, 2)->click();
        EXPECT_EQ(dialog.Anzeige(1)->text(), "5");
        dialog.SetModalResult(mrOk);
        return dialog.ModalResult();
    };
    EXPECT_EQ(TFoBeitrGrSchl::Ausfuehren("1111extra").value_or(""), "1512");
    m_modalAntwort = [](QWidget&) { return static_cast<int>(mrCancel); };
    EXPECT_FALSE(TFoBeitrGrSchl::Ausfuehren("1111").has_value());
}

TEST_F(BeitrGrSchlTest, DigitTheKeyRefusesCannotBeChosen)
{
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = dynamic_cast<TFoBeitrGrSchl&>(w);
        // Health insurance goes up to 4 in the statement: "halber Beitrag" (5) is not offered.
        EXPECT_FALSE(dialog.Knopf(0, 5)->isEnabled());
        QTest::mouseClick(dialog.Knopf(0, 5), Qt::LeftButton);
        EXPECT_EQ(dialog.Anzeige(0)->text(), "1");
        QTest::mouseClick(dialog.Knopf(0, 4), Qt::LeftButton);
        dialog.SetModalResult(mrOk);
        return dialog.ModalResult();
    };
    EXPECT_EQ(TFoBeitrGrSchl::Ausfuehren("1111").value_or(""), "4111");
}
