#include "Lib/Component.h"
#include "Lib/InstChck.h"
#include "Lib/MVCApp.h"
#include "Lib/Singleton.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// The registry only names data sets; this test program brings a small one of its own.
class TDaten {
public:
    explicit TDaten(std::string name) : m_name(std::move(name)) { MVCApplication().Register(this); }
    ~TDaten() { MVCApplication().Unregister(this); }
    void UpdateWaehrungStr() { ++m_aktualisiert; }
    std::string m_name;
    int m_aktualisiert = 0;
};

// Global, as the program's own classes are: the report shows the plain class name.
struct TBasis {
    virtual ~TBasis() = default;
};
struct TAbgeleitet : TBasis {};

namespace {

struct MeldungsProtokoll {
    MeldungsProtokoll()
        : m_alt(SetMeldungsHook(
              [this](const std::string& text, const std::string& caption, bool abbrechbar) {
                  texte.push_back(caption + "|" + text + (abbrechbar ? "|OK/Abbrechen" : "|OK"));
                  return static_cast<int>(texte.size()) < abbrechenBei;
              }))
    {
    }
    ~MeldungsProtokoll() { SetMeldungsHook(m_alt); }
    std::vector<std::string> texte;
    int abbrechenBei = 1000;

private:
    TMeldungsHook m_alt;
};

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { MVCApplicationSingleton().Reset(); }
    void TearDown() override { MVCApplicationSingleton().Reset(); }
};

TEST_F(RegistryTest, BroadcastReachesEveryOtherDataSet)
{
    TDaten optionen("Optionen");
    TDaten lohn("LOHN");
    TDaten est("EST");
    MVCApplication().Broadcast(&optionen, [](TDaten& d) { d.UpdateWaehrungStr(); });
    EXPECT_EQ(optionen.m_aktualisiert, 0);
    EXPECT_EQ(lohn.m_aktualisiert, 1);
    EXPECT_EQ(est.m_aktualisiert, 1);
    EXPECT_EQ(MVCApplication().Count(), 3);
    EXPECT_EQ(MVCApplication().Item(1), &lohn);
}

TEST_F(RegistryTest, ADataSetFreedDuringABroadcastIsNotReached)
{
    TDaten optionen("Optionen");
    auto lohn = std::make_unique<TDaten>("LOHN");
    auto est = std::make_unique<TDaten>("EST");
    std::vector<std::string> erreicht;
    MVCApplication().Broadcast(&optionen, [&](TDaten& d) {
        erreicht.push_back(d.m_name);
        est.reset();
    });
    EXPECT_EQ(erreicht, std::vector<std::string>{"LOHN"});
}

TEST_F(RegistryTest, UnregisterFiresOnceAndOnlyForRegisteredOnes)
{
    // Addresses as numbers: a pointer to a freed data set is not to be read again.
    std::vector<std::uintptr_t> weg;
    TEventConnection verbindung = MVCApplication().OnDatenUnregistered.Connect(
        [&](TDaten* d) { weg.push_back(reinterpret_cast<std::uintptr_t>(d)); });
    auto lohn = std::make_unique<TDaten>("LOHN");
    const auto adresse = reinterpret_cast<std::uintptr_t>(lohn.get());
    MVCApplication().Unregister(lohn.get());
    lohn.reset(); // unregisters again: nothing fires
    MVCApplication().Register(nullptr);
    EXPECT_EQ(weg, std::vector<std::uintptr_t>{adresse});
}

TEST_F(RegistryTest, AListenerRemovesItselfBeforeItIsFreed)
{
    struct Hoerer {
        TEventConnection verbindung;
        int aenderungen = 0;
    };
    auto hoerer = std::make_unique<Hoerer>();
    hoerer->verbindung = MVCApplication().OnValueChanged.Connect(
        [h = hoerer.get()](TDaten*, TValue*) { ++h->aenderungen; });
    TDaten lohn("LOHN");
    MVCApplication().DoValueChanged(&lohn, nullptr);
    EXPECT_EQ(hoerer->aenderungen, 1);
    hoerer.reset();
    EXPECT_FALSE(MVCApplication().OnValueChanged);
    MVCApplication().DoValueChanged(&lohn, nullptr); // would touch freed memory otherwise
}

TEST_F(RegistryTest, ALaterHandlerReplacesTheEarlierAndSurvivesItsConnection)
{
    int erster = 0;
    int zweiter = 0;
    {
        TEventConnection alt = MVCApplication().OnBeginWait.Connect([&] { ++erster; });
        MVCApplication().OnBeginWait = [&] { ++zweiter; };
    }
    MVCApplication().DoBeginWait();
    EXPECT_EQ(erster, 0);
    EXPECT_EQ(zweiter, 1);
}

TEST_F(RegistryTest, AConnectionOutlivingTheRegistryIsHarmless)
{
    TEventConnection verbindung = MVCApplication().OnEndWait.Connect([] {});
    MVCApplicationSingleton().Reset();
    verbindung.Disconnect();
}

TEST_F(RegistryTest, UseAfterFinalizeIsReportedAndServed)
{
    MeldungsProtokoll protokoll;
    MVCApplicationSingleton().Finalize();
    TDaten spaet("Spaet");
    EXPECT_EQ(
        protokoll.texte,
        std::vector<std::string>{"Unit MVCApp|MVCApplication wird nach der ExitProc verwendet|OK"});
    EXPECT_EQ(MVCApplication().Count(), 1);
}

// A singleton whose constructor asks for itself, and one whose constructor fails.
class TSelbst {
public:
    TSelbst* imBau = nullptr;

private:
    friend class TSingleton<TSelbst>;
    TSelbst();
};
constinit TSingleton<TSelbst> gSelbst("Selbst", "Unit Selbst");
TSelbst::TSelbst() : imBau(&gSelbst.Instance()) {}

class TScheitert {
private:
    friend class TSingleton<TScheitert>;
    TScheitert() { throw std::runtime_error("kaputt"); }
};
constinit TSingleton<TScheitert> gScheitert("Scheitert", "");

TEST(Singleton, ConstructorSeesTheObjectUnderConstruction)
{
    TSelbst& s = gSelbst.Instance();
    EXPECT_EQ(s.imBau, &s);
    EXPECT_EQ(&gSelbst.Instance(), &s);
    gSelbst.Reset();
    EXPECT_EQ(gSelbst.Existing(), nullptr);
}

TEST(Singleton, AFailedConstructionLeavesTheSlotEmpty)
{
    EXPECT_THROW(gScheitert.Instance(), std::runtime_error);
    EXPECT_EQ(gScheitert.Existing(), nullptr);
}

class InstanceCheckerTest : public testing::Test {
protected:
    void SetUp() override { InstanceCheckerSingleton().Reset(); }
    void TearDown() override { InstanceCheckerSingleton().Reset(); }
};

TEST_F(InstanceCheckerTest, ReportsWhatWasNeverFreedWithItsClass)
{
    MeldungsProtokoll protokoll;
    TAbgeleitet vergessen;
    TAbgeleitet freigegeben;
    const TBasis* alsBasis = &vergessen;
    InstanceChecker().Register(alsBasis, "Brutto");
    InstanceChecker().Register(&freigegeben, "Netto");
    InstanceChecker().Register(alsBasis, "doppelt");
    InstanceChecker().Unregister(&freigegeben);
    EXPECT_EQ(InstanceChecker().Remaining(), std::vector<std::string>{"Brutto"});
    InstanceCheckerSingleton().Finalize();
    EXPECT_EQ(protokoll.texte,
              std::vector<std::string>{"TAbgeleitet|Fehler bei Freigabe: Brutto|OK/Abbrechen"});
}

TEST_F(InstanceCheckerTest, CancelEndsTheReport)
{
    MeldungsProtokoll protokoll;
    protokoll.abbrechenBei = 2;
    int a = 0, b = 0, c = 0;
    InstanceChecker().Register(&a, "A");
    InstanceChecker().Register(&b, "B");
    InstanceChecker().Register(&c, "C");
    EXPECT_EQ(InstanceChecker().Report(), 2);
    InstanceChecker().Unregister(&a);
    InstanceChecker().Unregister(&b);
    InstanceChecker().Unregister(&c);
}

struct TProtokollKomponente : TComponent {
    TProtokollKomponente(TComponent* owner, std::string name, std::vector<std::string>& log)
        : TComponent(owner), m_log(log)
    {
        SetName(name);
    }
    ~TProtokollKomponente() override { m_log.push_back(Name()); }
    std::vector<std::string>& m_log;
};

TEST(Component, OwnerFreesChildrenLastFirst)
{
    std::vector<std::string> log;
    {
        TProtokollKomponente owner(nullptr, "Owner", log);
        new TProtokollKomponente(&owner, "A", log);
        auto* b = new TProtokollKomponente(&owner, "B", log);
        new TProtokollKomponente(&owner, "C", log);
        new TProtokollKomponente(b, "B1", log);
        delete owner.Components(2); // C leaves its owner by itself
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(b->Owner(), &owner);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"C", "Owner", "B", "B1", "A"}));
}

} // namespace
