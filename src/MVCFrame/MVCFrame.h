#pragma once
// The model-view framework (no Qt): what each header holds and how a change travels.
//
//   Value.h            TValue: one named, typed datum with flags, text forms, INI key, commands
//   StringValue.h      TString, the contribution-group key TStringBGS, the currency name
//   StringListValue.h  TStringListValue: a text chosen from its own list (multi-selection)
//   StringIniLookup.h  TStringIniLookup, TWaehrungStringIniLookup: choices from an INI section
//   StringFileLookup.h TStringFileLookup: choices from the lines of a text file
//   DateValue.h        TDateValue
//   DoubleValue.h      TDouble, TDoubleBetrag (money, converted on a currency change),
//                      TDoubleMinMax
//   BooleanValue.h     TBoolean
//   IntegerValue.h     TInteger, TCustomIntegerMinMax, TIntegerMinMax
//   IntegerLookup.h    TCustomIntegerLookup, TIntegerLookup, TIntegerLookupObj: choice by caption
//   JahrListe.h        TJahrListe: the rule periods of a year list; TDateList
//   Daten.h            TDaten: a data set of values and the change propagation
//   Berechnung.h       TBerechnung: a calculation that owns one data set and recalculates it
//   DatenContainer.h   TDatenContainer: a data set with child data sets and calculations
//   WaehrungsName.h    the currency name by the display option (hook of the options model)
//   ZahlText.h         checks of number texts before they are converted
//   DDEMngr.h          TMVCDDEManager: the data sets published as automation topics
//
// A change travels one way: a control writes text into its value; the value validates and stores
// it and calls its data set; the data set marks itself modified, tells the registry of data sets,
// runs the value's listener, then its own change listener (a calculation recalculates there) and
// finally tells every form through the hook the GUI installs (SetDatenGeaendertHook).
//
// Data sets and calculations are built in two phases: CreateComponent<T>(owner, name) runs the
// constructor and then init(), where the values (CreateValues) or the data set (CreateDaten) are
// created, so that the derived class's versions run.
#include "MVCFrame/Berechnung.h"
#include "MVCFrame/BooleanValue.h"
#include "MVCFrame/DateValue.h"
#include "MVCFrame/Daten.h"
#include "MVCFrame/DatenContainer.h"
#include "MVCFrame/DoubleValue.h"
#include "MVCFrame/IntegerLookup.h"
#include "MVCFrame/IntegerValue.h"
#include "MVCFrame/JahrListe.h"
#include "MVCFrame/StringFileLookup.h"
#include "MVCFrame/StringIniLookup.h"
#include "MVCFrame/StringListValue.h"
#include "MVCFrame/StringValue.h"
#include "MVCFrame/Value.h"
#include "MVCFrame/WaehrungsName.h"
