#include "MVCTestSupport.h"

#include "Lib/Exception.h"
#include "Lib/MVCApp.h"
#include "MVCFrame/WaehrungsName.h"

#include <algorithm>

namespace {

class DatenTest : public MVCTest {
protected:
    std::unique_ptr<TAlleWerteDaten> Neu(const std::string& name = "D")
    {
        auto daten = MakeComponent<TAlleWerteDaten>(nullptr, name);
        daten->OnChange = [this](TDaten& d, TValue* v) {
            log.push_back("onchange " + d.Name() + " " + (v ? v->Name() : "nil"));
        };
        return daten;
    }
    long Anzahl(const std::string& eintrag) const
    {
        return std::count(log.begin(), log.end(), eintrag);
    }
};

TEST_F(DatenTest, FreshDataSetIsModifiedAndHoldsItsDefaults)
{
    auto daten = Neu();
    EXPECT_TRUE(daten->Modified());
    EXPECT_EQ(daten->ValueCount(), 7);
    EXPECT_EQ(daten->GetValue(0).Name(), "Text");
    EXPECT_FALSE(daten->GetValue(0).HasFlag(TValue::vfCreating));
    EXPECT_TRUE(log.empty());
}

TEST_F(DatenTest, OneChangeNotifiesInOrder)
{
    auto daten = Neu();
    daten->AddValueOnChange(daten->zahl, [&](TValue& v) {
        log.push_back("listener " + v.Name());
        daten->text->SetValue("vom Listener");
    });
    daten->SetModified(false);
    daten->zahl->SetValue(1);
    EXPECT_EQ(log,
              (std::vector<std::string>{"registry Zahl modified", "listener Zahl",
                                        "registry Text modified", "onchange D Zahl", "2097 D"}));
}

TEST_F(DatenTest, DirectListenerRunsOutsideTheBracket)
{
    auto daten = Neu();
    daten
        ->AddValueOnChange(daten->zahl,
                           [&](TValue&) {
                               log.push_back(daten->IsUpdating() ? "listener updating"
                                                                 : "listener direct");
                           })
        .SetDirect(true);
    daten->zahl->SetValue(1);
    EXPECT_EQ(Anzahl("listener direct"), 1);
    // Changes made by a direct listener are still folded into the one notification.
    EXPECT_EQ(Anzahl("2097 D"), 1);
}

TEST_F(DatenTest, ListenerRegistrationErrors)
{
    auto daten = Neu();
    EXPECT_THROW(daten->AddValueOnChange(nullptr, [](TValue&) {}), Exception);
    EXPECT_THROW(daten->AddValueOnChange(daten->zahl, nullptr), Exception);
    daten->AddValueOnChange(daten->zahl, [](TValue&) {});
    EXPECT_THROW(daten->AddValueOnChange(daten->zahl, [](TValue&) {}), Exception);
}

TEST_F(DatenTest, ChangesInsideUpdateNotifyOnceOnChanged)
{
    auto daten = Neu();
    daten->BeginUpdate();
    for (int i = 1; i <= 10; ++i)
        daten->zahl->SetValue(i);
    daten->EndUpdate();
    EXPECT_EQ(Anzahl("registry Zahl modified"), 10);
    EXPECT_EQ(Anzahl("2097 D"), 0);
    daten->Changed();
    EXPECT_EQ(Anzahl("onchange D nil"), 1);
    EXPECT_EQ(Anzahl("2097 D"), 1);
    EXPECT_THROW(daten->EndUpdate(), Exception);
}

TEST_F(DatenTest, ListenerExceptionLeavesBracketAndNestingBalanced)
{
    auto daten = Neu();
    daten->AddValueOnChange(daten->zahl, [](TValue&) { throw Exception("kaputt"); });
    EXPECT_THROW(daten->zahl->SetValue(1), Exception);
    EXPECT_FALSE(daten->IsUpdating());
    log.clear();
    daten->text->SetValue("weiter");
    EXPECT_EQ(Anzahl("2097 D"), 1);
}

TEST_F(DatenTest, DuplicateValueNameIsAProgrammingError)
{
    class TDoppelt : public TDaten {
    public:
        using TDaten::TDaten;

    protected:
        void CreateValues() override
        {
            new TString(this, "Name");
            new TInteger(this, "Name");
        }
    };
    EXPECT_THROW(MakeComponent<TDoppelt>(nullptr, "X"), Exception);
}

TEST_F(DatenTest, AssignEqualsAndReset)
{
    auto a = Neu("A");
    auto b = Neu("B");
    EXPECT_TRUE(a->Equals(*b));
    a->datum->SetAsString("19991231");
    a->rhythmus->SetAsString("Nie");
    a->zahl->ChangeFlag(TValue::vfUndetermined, true);
    EXPECT_FALSE(a->Equals(*b));
    log.clear();
    b->Assign(*a);
    EXPECT_TRUE(b->Equals(*a));
    EXPECT_TRUE(b->zahl->IsUndetermined());
    EXPECT_EQ(Anzahl("2097 B"), 1);
    b->Reset();
    EXPECT_EQ(b->rhythmus->GetAsString(), "Tag");
    EXPECT_FALSE(b->Equals(*a));
}

TEST_F(DatenTest, AssignBetweenSiblingClassesCopiesByPosition)
{
    class TKurz : public TDaten {
    public:
        using TDaten::TDaten;

    protected:
        void CreateValues() override
        {
            new TString(this, "Anders");
            new TDouble(this, "Auch");
        }
    };
    auto kurz = MakeComponent<TKurz>(nullptr, "K");
    kurz->GetValue(0).SetAsString("kopiert");
    kurz->GetValue(1).SetAsString("3,5");
    auto lang = Neu();
    lang->Assign(*kurz);
    EXPECT_EQ(lang->text->GetValue(), "kopiert");
    EXPECT_DOUBLE_EQ(lang->betrag->GetValue(), 3.5);
    EXPECT_EQ(lang->zahl->GetValue(), 7);
    kurz->Assign(*lang);
    EXPECT_EQ(kurz->GetValue(0).GetAsString(), "kopiert");
}

TEST_F(DatenTest, EqualsOfDifferentClassesIsAProgrammingError)
{
    class TAnders : public TAlleWerteDaten {
    public:
        using TAlleWerteDaten::TAlleWerteDaten;
    };
    auto a = Neu();
    auto b = MakeComponent<TAnders>(nullptr, "B");
    EXPECT_THROW((void)a->Equals(*b), Exception);
}

class TBetragDaten : public TDaten {
public:
    using TDaten::TDaten;
    TDoubleBetrag* brutto = nullptr;
    TDouble* satz = nullptr;

protected:
    void CreateValues() override
    {
        CreateWaehrung();
        brutto = new TDoubleBetrag(this, "Brutto");
        satz = new TDouble(this, "Satz");
    }
};

TEST_F(DatenTest, WaehrungUmrechnenConvertsAmountsOnly)
{
    auto daten = MakeComponent<TBetragDaten>(nullptr, "LOHN");
    ASSERT_NE(daten->Waehrungskurs(), nullptr);
    EXPECT_TRUE(daten->Waehrungskurs()->IsReadOnly());
    daten->WaehrungUmrechnen("DM", false, 1.95583);
    daten->brutto->SetValue(1000);
    daten->satz->SetValue(14.6);
    daten->WaehrungUmrechnen("Euro", true, 1.0);
    EXPECT_DOUBLE_EQ(daten->brutto->GetValue(), 511.29);
    EXPECT_DOUBLE_EQ(daten->satz->GetValue(), 14.6);
    EXPECT_DOUBLE_EQ(daten->Waehrungskurs()->GetValue(), 1.0);
    EXPECT_EQ(daten->WaehrungStr()->GetValue(), "Euro");
}

TEST_F(DatenTest, UpdateWaehrungStrFollowsTheOption)
{
    auto daten = MakeComponent<TBetragDaten>(nullptr, "LOHN");
    SetEuroSymbolAbfrage([] { return true; });
    daten->UpdateWaehrungStr();
    EXPECT_EQ(daten->WaehrungStr()->GetValue(), "\u20ac");
    EXPECT_EQ(daten->WaehrungStr()->GetDefault(), "\u20ac");
    SetEuroSymbolAbfrage(nullptr);
    daten->UpdateWaehrungStr();
    EXPECT_EQ(daten->WaehrungStr()->GetValue(), "Euro");
}

TEST_F(DatenTest, RegistryKnowsEveryLiveDataSet)
{
    const int vorher = MVCApplication().Count();
    std::vector<TDaten*> abgemeldet;
    MVCApplication().OnDatenUnregistered = [&](TDaten* d) { abgemeldet.push_back(d); };
    TDaten* roh = nullptr;
    {
        auto daten = Neu();
        roh = daten.get();
        EXPECT_EQ(MVCApplication().Count(), vorher + 1);
    }
    EXPECT_EQ(MVCApplication().Count(), vorher);
    EXPECT_EQ(abgemeldet, std::vector<TDaten*>{roh});
    MVCApplication().OnDatenUnregistered = nullptr;
}

} // namespace

namespace {

TEST_F(DatenTest, EqualsComparesComputedValuesToo)
{
    class TMitErgebnis : public TDaten {
    public:
        using TDaten::TDaten;

    protected:
        void CreateValues() override
        {
            new TDouble(this, "Eingabe");
            new TDouble(this, "Ergebnis", cfComputed);
        }
    };
    auto a = MakeComponent<TMitErgebnis>(nullptr, "A");
    auto b = MakeComponent<TMitErgebnis>(nullptr, "B");
    b->GetValue(1).SetAsString("1");
    EXPECT_FALSE(a->Equals(*b));
}

TEST_F(DatenTest, RegistryHearsOfTheValueAfterItIsStored)
{
    auto daten = Neu();
    std::string gesehen;
    MVCApplication().OnValueChanged = [&](TDaten*, TValue* v) { gesehen = v->GetAsString(); };
    daten->betrag->SetAsString("3,5");
    EXPECT_EQ(gesehen, "3,50");
}

} // namespace
