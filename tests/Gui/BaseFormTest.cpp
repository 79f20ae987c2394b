#include "Gui/AnzeigeOptionen.h"
#include "Gui/BergForm.h"

#include "GuiTestSupport.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/Daten.h"
#include "Options/Options.h"
#include "Support/OptionenUmgebung.h"

#include <QLabel>
#include <QVBoxLayout>

#include <memory>

namespace {

class TAnzeigeDaten : public TDaten {
public:
    using TDaten::TDaten;
    TBoolean* gross = nullptr;
    TBoolean* fett = nullptr;

protected:
    void CreateValues() override
    {
        gross = new TBoolean(this, "GrosseSchrift", 0, false);
        fett = new TBoolean(this, "FetteSchrift", 0, false);
    }
};

class TTestOptionen : public TAnzeigeOptionen {
public:
    std::unique_ptr<TAnzeigeDaten> daten{CreateComponent<TAnzeigeDaten>(nullptr, "Anzeige")};
    bool GrosseSchrift() const override { return daten->gross->GetValue(); }
    bool FetteSchrift() const override { return daten->fett->GetValue(); }
    const TDaten* Daten() const override { return daten.get(); }
};

class BaseFormTest : public GuiHookFixture {
protected:
    void SetUp() override
    {
        GuiHookFixture::SetUp();
        SetAnzeigeOptionen(&m_optionen);
        InstallDatenGeaendertHook();
    }
    void TearDown() override
    {
        SetDatenGeaendertHook({});
        SetAnzeigeOptionen(nullptr);
        GuiHookFixture::TearDown();
    }
    TTestOptionen m_optionen;
};

TEST_F(BaseFormTest, FormsFollowTheDisplayOptions)
{
    m_optionen.daten->fett->SetValue(true);
    TBaseForm form;
    auto* label = new QLabel("Brutto", &form);
    form.resize(400, 300);
    form.init();
    EXPECT_TRUE(label->font().bold());
    EXPECT_FALSE(form.GrosseSchrift());

    m_optionen.daten->gross->SetValue(true);
    EXPECT_TRUE(form.GrosseSchrift());
    EXPECT_EQ(form.size(), QSize(480, 360));
    m_optionen.daten->fett->SetValue(false);
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(form.size(), QSize(480, 360));
}

} // namespace

namespace {

class OptionenAnzeigeTest : public BaseFormTest {
protected:
    TOptionenUmgebung m_umgebung;
    TOptionenAnzeige m_anzeige;
};

TEST_F(OptionenAnzeigeTest, FormsFollowTheOptionsModel)
{
    TOptionenUmgebung::Starten();
    SetAnzeigeOptionen(&m_anzeige);
    TBaseForm form;
    form.resize(400, 300);
    form.init();
    EXPECT_FALSE(form.GrosseSchrift());
    Optionen().Schalter("GrosseSchrift").SetValue(true);
    EXPECT_TRUE(form.GrosseSchrift());
    EXPECT_EQ(form.size(), QSize(480, 360));
    Optionen().Schalter("FetteSchrift").SetValue(true);
    EXPECT_TRUE(form.font().bold());
}

TEST_F(OptionenAnzeigeTest, AsInstalledByTheProgramAFreshFormIsBold)
{
    InstallOptionenAnzeige();
    TBaseForm form;
    auto* label = new QLabel("Brutto", &form);
    form.init();
    EXPECT_TRUE(label->font().bold());
    EXPECT_FALSE(form.GrosseSchrift());
}

} // namespace
