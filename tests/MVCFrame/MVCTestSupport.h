#pragma once
// Test support of the model-view framework: a data set with one value of each kind, a recording
// of everything a change notifies, and a temporary directory.
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
