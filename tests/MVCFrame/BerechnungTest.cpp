#include "MVCTestSupport.h"

#include "Lib/Exception.h"
#include "Lib/IniFile.h"
#include "Lib/InstChck.h"
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/DatenContainer.h"

namespace {

std::vector<std::string>* g_log = nullptr;

void Log(const std::string& text)
{
    if (g_log)
        g_log->push_back(text);
}

class TSummeDaten : public TDaten {
public:
    using TDaten::TDaten;
    ~TSummeDaten() override { Log("free daten " + Name()); }
    TDouble* a = nullptr;
    TDouble* b = nullptr;
    TDouble* summe = nullptr;

protected:
    void CreateValues() override
    {
        a = new TDouble(this, "A");
        b = new TDouble(this, "B");
        summe = new TDouble(this, "Summe", cfComputed);
    }
};

// Summe = A + B; on request it also writes back into A (which must not start a second run) or
// fails.
class TSumme : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    ~TSumme() override { Log("free calc " + Name()); }
    TSummeDaten& D() const { return static_cast<TSummeDaten&>(Daten()); }
    int runs = 0;
    bool schreibtEingabe = false;
    bool scheitert = false;

protected:
    TDaten* CreateDaten() override { return CreateComponent<TSummeDaten>(this, Name()); }
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return CreateComponent<TSumme>(owner, name);
    }
    void Calculate() override
    {
        ++runs;
        Log("calculate " + Name());
        if (scheitert)
            throw Exception("Berechnung gescheitert");
        D().summe->SetValue(D().a->GetValue() + D().b->GetValue());
        if (schreibtEingabe)
            D().a->SetValue(D().a->GetValue() + 1);
    }
};

class BerechnungTest : public MVCTest {
protected:
    void SetUp() override
    {
        MVCTest::SetUp();
        g_log = &log;
    }
    void TearDown() override
    {
        g_log = nullptr;
        MVCTest::TearDown();
    }
};

TEST_F(BerechnungTest, CalculatesOnceAtCreationAndAfterEachChange)
{
    auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
    EXPECT_EQ(calc->runs, 1);
    EXPECT_EQ(calc->Daten().Name(), "LOHN");
    EXPECT_FALSE(calc->Daten().Modified());
    log.clear();
    calc->D().a->SetValue(2);
    EXPECT_EQ(log, (std::vector<std::string>{"registry A modified", "calculate LOHN",
                                             "registry Summe modified", "2097 LOHN"}));
    EXPECT_DOUBLE_EQ(calc->D().summe->GetValue(), 2);
    EXPECT_FALSE(calc->Daten().Modified());
}

TEST_F(BerechnungTest, ChangeInsideCalculateStartsNoSecondRun)
{
    auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
    calc->schreibtEingabe = true;
    calc->D().b->SetValue(1);
    EXPECT_EQ(calc->runs, 2);
    EXPECT_FALSE(calc->IsCalculating());
}

TEST_F(BerechnungTest, FailedCalculationStaysModifiedAndBalanced)
{
    auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
    calc->scheitert = true;
    EXPECT_THROW(calc->D().a->SetValue(1), Exception);
    EXPECT_FALSE(calc->IsCalculating());
    EXPECT_FALSE(calc->Daten().IsUpdating());
    EXPECT_TRUE(calc->Daten().Modified());
    calc->scheitert = false;
    calc->Recalculate();
    EXPECT_DOUBLE_EQ(calc->D().summe->GetValue(), 1);
    EXPECT_THROW(calc->EndCalc(), Exception);
}

TEST_F(BerechnungTest, CloneIsEqualAndUnowned)
{
    auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
    calc->D().a->SetValue(4.5);
    const auto clone = calc->Clone();
    EXPECT_EQ(clone->Owner(), nullptr);
    EXPECT_EQ(clone->Name(), "");
    EXPECT_TRUE(clone->Daten().Equals(calc->Daten()));
    EXPECT_TRUE(calc->BetrifftDaten(calc->Daten()));
    EXPECT_FALSE(calc->BetrifftDaten(clone->Daten()));
}

TEST_F(BerechnungTest, OnCalculatedAfterEachRun)
{
    auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
    int fertig = 0;
    calc->OnCalculated = [&](TBerechnung&) { ++fertig; };
    calc->D().a->SetValue(1);
    calc->D().a->SetValue(1);
    EXPECT_EQ(fertig, 1);
}

class TOptionenDaten : public TDatenContainer {
public:
    using TDatenContainer::TDatenContainer;
    ~TOptionenDaten() override { Log("free container"); }
    TString* titel = nullptr;
    TSummeDaten* gruppe = nullptr;
    TSumme* j2026 = nullptr;
    TSumme* j2027 = nullptr;

protected:
    void CreateValues() override
    {
        titel = new TString(this, "Titel");
        j2026 = CreateComponent<TSumme>(this, "Satz2026");
        j2027 = CreateComponent<TSumme>(this, "Satz2027");
        gruppe = CreateComponent<TSummeDaten>(this, "Gruppe");
    }
};

TEST_F(BerechnungTest, ContainerEndsConstructionOfItsChildren)
{
    auto optionen = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
    EXPECT_EQ(optionen->DatenCount(), 1);
    EXPECT_EQ(optionen->BerechnungCount(), 2);
    EXPECT_FALSE(optionen->gruppe->a->HasFlag(TValue::vfCreating));
    EXPECT_FALSE(optionen->j2027->D().a->HasFlag(TValue::vfCreating));
    EXPECT_TRUE(optionen->BetrifftDaten(optionen->j2026->Daten()));
    EXPECT_TRUE(optionen->BetrifftDaten(*optionen->gruppe));
    EXPECT_FALSE(optionen->BetrifftDaten(*optionen));
}

TEST_F(BerechnungTest, ChildChangesReachTheContainer)
{
    auto optionen = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
    optionen->OnChange = [&](TDaten&, TValue* v) {
        log.push_back(std::string("container onchange ") + (v ? v->Name() : "nil"));
    };
    optionen->SetModified(false);
    log.clear();
    optionen->j2026->D().a->SetValue(3);
    EXPECT_EQ(log, (std::vector<std::string>{"registry A modified", "calculate Satz2026",
                                             "registry Summe modified", "container onchange nil",
                                             "2097 Optionen", "2097 Satz2026"}));
    EXPECT_TRUE(optionen->Modified());
    log.clear();
    optionen->gruppe->b->SetValue(1);
    EXPECT_EQ(log, (std::vector<std::string>{"registry B modified", "container onchange B",
                                             "2097 Optionen", "2097 Gruppe"}));
}

TEST_F(BerechnungTest, ContainerForwardsAssignEqualsResetLoadAndSave)
{
    auto a = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
    auto b = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
    a->titel->SetValue("t");
    a->gruppe->a->SetValue(1);
    a->j2027->D().b->SetValue(2);
    EXPECT_FALSE(b->Equals(*a));
    b->Assign(*a);
    EXPECT_TRUE(b->Equals(*a));
    EXPECT_DOUBLE_EQ(b->j2027->D().summe->GetValue(), 2);

    const std::string datei = Datei("OPTIONEN.INI");
    {
        TXIniFile ini(datei);
        a->SaveToIni(ini, "");
    }
    const TXIniFile ini(datei);
    EXPECT_EQ(ini.ReadString("Optionen", "Titel", ""), "t");
    EXPECT_EQ(ini.ReadString("OptionenGruppe", "A", ""), "1,00");
    EXPECT_EQ(ini.ReadString("OptionenSatz2027", "B", ""), "2,00");
    EXPECT_EQ(ini.ReadSection("OptionenSatz2027"), (std::vector<std::string>{"B"}));

    b->Reset();
    EXPECT_FALSE(b->Equals(*a));
    EXPECT_DOUBLE_EQ(b->j2027->D().b->GetValue(), 0);
    b->LoadFromIni(ini, "");
    EXPECT_TRUE(b->Equals(*a));
}

TEST_F(BerechnungTest, ContainerFreesDataSetsThenCalculationsLastFirst)
{
    auto optionen = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
    log.clear();
    optionen.reset();
    EXPECT_EQ(log, (std::vector<std::string>{"free container", "free daten Gruppe",
                                             "free calc Satz2027", "free daten Satz2027",
                                             "free calc Satz2026", "free daten Satz2026"}));
}

TEST_F(BerechnungTest, NothingIsLeftBehindAfterAFullCycle)
{
    const std::size_t vorher = InstanceChecker().Remaining().size();
    {
        auto optionen = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
        auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
        const auto clone = calc->Clone();
        EXPECT_GT(InstanceChecker().Remaining().size(), vorher);
    }
    EXPECT_EQ(InstanceChecker().Remaining().size(), vorher);
}

} // namespace

namespace {

TEST_F(BerechnungTest, ContainerIsNeverEqualToAPlainDataSet)
{
    auto optionen = MakeComponent<TOptionenDaten>(nullptr, "Optionen");
    auto calc = MakeComponent<TSumme>(nullptr, "LOHN");
    EXPECT_FALSE(optionen->Equals(calc->Daten()));
}

} // namespace
