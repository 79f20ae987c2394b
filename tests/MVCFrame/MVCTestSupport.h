#pragma once
// Test support of the model-view framework: a data set with one value of each kind, a calculation
// over a test's own data set, a recording of everything a change notifies, and a temporary
// directory.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/StringValue.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

class TAlleWerteDaten : public TDaten {
public:
    using TDaten::TDaten;
    TString* text = nullptr;
    TDouble* betrag = nullptr;
    TInteger* zahl = nullptr;
    TBoolean* schalter = nullptr;
    TDateValue* datum = nullptr;
    TIntegerLookup* rhythmus = nullptr;
    TIntegerMinMax* jahr = nullptr;

protected:
    void CreateValues() override
    {
        text = new TString(this, "Text", 0, "Vorgabe");
        betrag = new TDoubleBetrag(this, "Betrag", 0, 12.5);
        zahl = new TInteger(this, "Zahl", 0, 7);
        schalter = new TBoolean(this, "Schalter", 0, true);
        datum = new TDateValue(this, "Datum", 0, SetDatum(1, 1, 2026));
        rhythmus = new TIntegerLookup(this, "Rhythmus", 0, {"Tag", "Woche", "Monat", "Nie"});
        jahr = new TIntegerMinMax(this, "Jahr", 0, 1990, 2027, 2026);
    }
};

// A calculation that only holds the data set TD (it computes nothing); D() is the data set in its
// own class. It can be cloned, as a dialog does with the calculation it edits.
template <class TD> class TTestBerechnungVon : public TBerechnung {
public:
    using TBerechnung::TBerechnung;
    TD& D() const { return static_cast<TD&>(Daten()); }

protected:
    TDaten* CreateDaten() override { return CreateComponent<TD>(this, Name()); }
    TBerechnung* NewInstance(TComponent* owner, const std::string& name) const override
    {
        return CreateComponent<TTestBerechnungVon>(owner, name);
    }
};

// Records, in order, what one change notifies: registry events, forms (2097), and whatever a
// test adds. Installs and removes the hooks around each test.
class MVCTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::vector<std::string> log;
    std::filesystem::path tempDir;
    std::string Datei(const std::string& name) const { return (tempDir / name).string(); }
};
