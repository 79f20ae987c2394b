#include "Gui/BergForm.h"
#include "Gui/MVCButton.h"
#include "Gui/MVCEdit.h"
#include "Gui/MVCListe.h"

#include "GuiTestSupport.h"
#include "Lib/Exception.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DatenContainer.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/MVCTestSupport.h"
#include "MVCFrame/StringListValue.h"
#include "MVCFrame/StringValue.h"

#include <QTest>
#include <QVBoxLayout>

#include <cctype>
#include <memory>

namespace {

class TTestDaten : public TDaten {
public:
    using TDaten::TDaten;
    TString* text = nullptr;
    TDouble* betrag = nullptr;
    TBoolean* schalter = nullptr;
    TIntegerMinMax* jahr = nullptr;
    TIntegerLookup* rhythmus = nullptr;
    TStringListValue* liste = nullptr;

protected:
    void CreateValues() override
    {
        text = new TString(this, "Text", 0, "Vorgabe");
        betrag = new TDoubleBetrag(this, "Betrag", 0, 12.5);
        schalter = new TBoolean(this, "Schalter", 0, true);
        jahr = new TIntegerMinMax(this, "Jahr", 0, 1990, 2027, 2026);
        rhythmus = new TIntegerLookup(this, "Rhythmus", 0, {"Tag", "Woche", "Monat"});
        liste = new TStringListValue(this, "Liste");
    }
};

using TTestBerechnung = TTestBerechnungVon<TTestDaten>;

class TTestForm : public TBerechnungDialog {
public:
    TTestForm()
    {
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w :
             std::initializer_list<QWidget*>{label, edit, betrag, box, combo, knopf, liste})
            layout->addWidget(w);
        label->setBuddy(edit);
        combo->addItems({"1990", "1991", "1992", "1993", "1994"});
    }
    TMVCLabel* label = new TMVCLabel(this, this);
    TMVCEdit* edit = new TMVCEdit(this, this);
    TMVCBetrag* betrag = new TMVCBetrag(this, this);
    TMVCCheckBox* box = new TMVCCheckBox(this, this);
    TMVCComboBox* combo = new TMVCComboBox(this, this);
    TMVCButton* knopf = new TMVCButton(this, this);
    TMVCListBox* liste = new TMVCListBox(this, this);
    int refreshes = 0;
    int editRefreshes = 0;

    TTestDaten& D() const { return static_cast<TTestBerechnung*>(Berechnung())->D(); }

protected:
    void BindControls() override
    {
        edit->SetValue(D().text);
        betrag->SetValue(D().betrag);
        box->SetValue(D().schalter);
        combo->SetValue(D().jahr);
        knopf->SetValue(D().schalter);
        liste->SetValue(D().liste);
    }
    void AfterRefresh() override { ++refreshes; }
};

class MVCControlTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        InstallDatenGeaendertHook();
        m_berechnung.reset(CreateComponent<TTestBerechnung>(nullptr, "Test"));
        m_form = std::make_unique<TTestForm>();
        m_form->init();
        m_form->SetBerechnung(m_berechnung.get());
        m_form->show();
        m_form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }
    void TearDown() override
    {
        m_form.reset();
        SetDatenGeaendertHook({});
        GuiHookFixture::TearDown();
    }
    // The dialog works on a copy: these are the values its controls show.
    TTestDaten& D() const { return m_form->D(); }

    std::unique_ptr<TTestBerechnung> m_berechnung;
    std::unique_ptr<TTestForm> m_form;
};

TEST_F(MVCControlTest, BindingShowsTheValues)
{
    EXPECT_EQ(m_form->edit->text(), "Vorgabe");
    EXPECT_EQ(m_form->betrag->text(), "12,50");
    EXPECT_EQ(m_form->box->checkState(), Qt::Checked);
    EXPECT_TRUE(m_form->knopf->isEnabled());
    EXPECT_EQ(m_form->refreshes, 1);
    EXPECT_FALSE(SaveScreenshot(*m_form, "BerechnungForm").isEmpty());
}

TEST_F(MVCControlTest, TypingWritesBack)
{
    m_form->edit->setFocus();
    m_form->edit->end(false);
    QTest::keyClicks(m_form->edit, "X");
    EXPECT_EQ(D().text->GetValue(), "VorgabeX");
    m_form->betrag->setFocus();
    QTest::keyClicks(m_form->betrag, "345");
    EXPECT_DOUBLE_EQ(D().betrag->GetValue(), 3.45);
    m_form->box->click();
    EXPECT_FALSE(D().schalter->GetValue());
    EXPECT_FALSE(m_form->knopf->isEnabled());
}

TEST_F(MVCControlTest, RefreshLeavesCaretAndUndoAlone)
{
    m_form->edit->setFocus();
    m_form->edit->setCursorPosition(3);
    QTest::keyClicks(m_form->edit, "Y");
    ASSERT_EQ(m_form->edit->text(), "VorYgabe");
    ASSERT_TRUE(m_form->edit->isUndoAvailable());
    m_form->Refresh();
    EXPECT_EQ(m_form->edit->cursorPosition(), 4);
    EXPECT_TRUE(m_form->edit->isUndoAvailable());
}

TEST_F(MVCControlTest, DisabledAndReadOnlyStates)
{
    D().text->ChangeFlag(TValue::vfReadOnly, true);
    EXPECT_TRUE(m_form->edit->isReadOnly());
    EXPECT_EQ(m_form->edit->palette().color(QPalette::Active, QPalette::Base),
              QApplication::palette().color(QPalette::Button));
    D().text->ChangeFlag(TValue::vfEnabled, false);
    EXPECT_FALSE(m_form->edit->isEnabled());
    EXPECT_EQ(m_form->edit->text(), " ");
    EXPECT_FALSE(m_form->label->isEnabled());
    m_form->label->SetHideDisabled(true);
    EXPECT_TRUE(m_form->label->isHidden());
    D().text->ChangeFlag(TValue::vfEnabled, true);
    EXPECT_FALSE(m_form->label->isHidden());
}

TEST_F(MVCControlTest, ChangeNoticesRefreshOnlyFormsThatDependOnTheDataSet)
{
    std::unique_ptr<TTestBerechnung> andere(CreateComponent<TTestBerechnung>(nullptr, "Andere"));
    const int vorher = m_form->refreshes;
    andere->D().text->SetValue("fremd");
    EXPECT_EQ(m_form->refreshes, vorher);
    D().text->SetValue("eigen");
    EXPECT_EQ(m_form->refreshes, vorher + 1);
    EXPECT_EQ(m_form->edit->text(), "eigen");
}

TEST_F(MVCControlTest, AWriteBackDuringRefreshIsNotFedBack)
{
    // A value that changes the typed text (to capitals): the refresh shows it without writing it
    // back, and the form is refreshed once per change.
    int validierungen = 0;
    D().text->OnValidate = [&](TValue&, std::string& text, bool&) {
        ++validierungen;
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
    const int vorher = m_form->refreshes;
    m_form->edit->setFocus();
    m_form->edit->end(false);
    QTest::keyClicks(m_form->edit, "x");
    EXPECT_EQ(D().text->GetValue(), "VORGABEX");
    EXPECT_EQ(m_form->edit->text(), "VORGABEX");
    EXPECT_EQ(m_form->refreshes, vorher + 1);
    EXPECT_EQ(validierungen, 1);
}

TEST_F(MVCControlTest, UndeterminedCheckBoxIsGreyUntilClicked)
{
    D().schalter->ChangeFlag(TValue::vfUndetermined, true);
    EXPECT_EQ(m_form->box->checkState(), Qt::PartiallyChecked);
    EXPECT_FALSE(m_form->knopf->isEnabled());
    EXPECT_TRUE(D().schalter->IsUndetermined());
    m_form->box->click();
    EXPECT_EQ(m_form->box->checkState(), Qt::Checked);
    EXPECT_TRUE(D().schalter->GetValue());
    EXPECT_FALSE(D().schalter->IsUndetermined());
}

TEST_F(MVCControlTest, ComboWithAMinMaxValueWritesMinimumPlusIndex)
{
    EXPECT_EQ(m_form->combo->currentIndex(), -1);
    m_form->combo->SetItemIndex(3);
    EXPECT_EQ(D().jahr->GetValue(), 1993);
    m_form->combo->SetValue(D().rhythmus);
    EXPECT_EQ(m_form->combo->count(), 3);
    m_form->combo->SetItemIndex(2);
    EXPECT_EQ(D().rhythmus->GetDisplayText(), "Monat");
}

TEST_F(MVCControlTest, AmountFieldWithOtherPlacesIsRefused)
{
    m_form->betrag->setObjectName("ebBrutto");
    m_form->betrag->SetDezimalstellen(3);
    try {
        m_form->betrag->SetValue(D().betrag);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Unterschiedliche Dezimalstellen (ebBrutto)");
    }
    EXPECT_EQ(m_form->betrag->Value(), D().betrag);
}

TEST_F(MVCControlTest, ListFollowsItsValueAndKeepsTheScrollPosition)
{
    D().liste->BeginUpdate();
    for (const char* text : {"a", "b", "c", "d", "e"})
        D().liste->AddItem(text);
    D().liste->EndUpdate();
    EXPECT_EQ(m_form->liste->count(), 5);
    D().liste->BeginUpdate();
    D().liste->Clear();
    for (const char* text : {"a", "x", "c"})
        D().liste->AddItem(text);
    D().liste->EndUpdate();
    ASSERT_EQ(m_form->liste->count(), 3);
    EXPECT_EQ(m_form->liste->item(1)->text(), "x");
    EXPECT_EQ(m_form->liste->currentRow(), 2);
    m_form->liste->setCurrentRow(0);
    EXPECT_EQ(D().liste->GetItemIndex(), 0);
    EXPECT_EQ(D().liste->GetValue(), "a");
}

TEST_F(MVCControlTest, ListColumnsAreChecked)
{
    EXPECT_THROW(m_form->liste->SetColumns(31), Exception);
    m_form->liste->SetColumns(2);
    try {
        m_form->liste->SetColumnWidth(2, 50);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Indexfehler ColumnWidth (2)");
    }
    m_form->liste->SetColumnWidth(0, 100000);
    EXPECT_EQ(m_form->liste->ColumnWidth(0), m_form->liste->viewport()->width());
}

TEST_F(MVCControlTest, DialogEditsACopy)
{
    m_form->edit->setText("geändert");
    EXPECT_EQ(m_berechnung->D().text->GetValue(), "Vorgabe");

    TTestBerechnung& gegeben = *m_berechnung;
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = static_cast<TTestForm&>(w);
        dialog.edit->setText("übernommen");
        return static_cast<int>(mrCancel);
    };
    EXPECT_FALSE(TBerechnungDialog::Execute<TTestForm>(gegeben));
    EXPECT_EQ(gegeben.D().text->GetValue(), "Vorgabe");
    m_modalAntwort = [](QWidget& w) {
        auto& dialog = static_cast<TTestForm&>(w);
        dialog.edit->setText("übernommen");
        return static_cast<int>(mrOk);
    };
    EXPECT_TRUE(TBerechnungDialog::Execute<TTestForm>(gegeben));
    EXPECT_EQ(gegeben.D().text->GetValue(), "übernommen");
}

TEST_F(MVCControlTest, UnbindingDetachesEveryControl)
{
    m_form->SetBerechnung(nullptr);
    EXPECT_EQ(m_form->edit->Value(), nullptr);
    EXPECT_EQ(m_form->box->Value(), nullptr);
    EXPECT_TRUE(m_form->knopf->isEnabled());
    m_form->edit->setText("ohne Wert");
}

struct MaskenFall {
    const char* name;
    const char* format;
    const char* maske;
};

const MaskenFall kMasken[] = {
    {"german", "dd.MM.yyyy", "99.99.9999;_"},
    {"month_first_two_letter_year", "M/d/yy", "99.99.9999;_"},
    {"year_first", "yyyy-MM-dd", "9999.99.99;_"},
    {"day_missing", "MM.yyyy", "99.9999.99;_"},
};

class DatumsMaskeTest : public testing::TestWithParam<MaskenFall> {};
TEST_P(DatumsMaskeTest, FieldsInFormatOrder)
{
    EXPECT_EQ(DatumsMaske(GetParam().format), GetParam().maske);
}
INSTANTIATE_TEST_SUITE_P(Gui, DatumsMaskeTest, testing::ValuesIn(kMasken),
                         [](const auto& i) { return std::string(i.param.name); });

// A container with a value of its own and a child data set "Kind".
class TContainerDaten : public TDatenContainer {
public:
    using TDatenContainer::TDatenContainer;

protected:
    void CreateValues() override
    {
        new TString(this, "Eigen", 0, "oben");
        CreateComponent<TTestDaten>(this, "Kind");
    }
};

class TPfadForm : public TBerechnungForm {
public:
    TPfadForm()
    {
        eigen->setObjectName("eigen");
        kind->setObjectName("kind");
    }
    TMVCLabel* eigen = new TMVCLabel(this, this);
    TMVCEdit* kind = new TMVCEdit(this, this);

protected:
    void BindControls() override
    {
        static constexpr TBindung kBindungen[] = {{"eigen", "Eigen"}, {"kind", "Kind.Text"}};
        Binden(kBindungen);
    }
};

TEST_F(MVCControlTest, ADottedNameBindsAValueOfTheContainersChild)
{
    std::unique_ptr<TTestBerechnungVon<TContainerDaten>> berechnung(
        CreateComponent<TTestBerechnungVon<TContainerDaten>>(nullptr, "Container"));
    TPfadForm form;
    form.init();
    form.SetBerechnung(berechnung.get());
    EXPECT_EQ(form.eigen->text(), "oben");
    EXPECT_EQ(form.kind->text(), "Vorgabe");
    auto& kind = dynamic_cast<TTestDaten&>(berechnung->D().GetDaten(0));
    EXPECT_EQ(form.kind->Value(), kind.text);
    // Typed into the field, the child's value changes.
    form.kind->setFocus();
    form.kind->selectAll();
    QTest::keyClicks(form.kind, "neu");
    EXPECT_EQ(kind.text->GetValue(), "neu");
    form.SetBerechnung(nullptr);
}

} // namespace
