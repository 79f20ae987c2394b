#pragma once
// The base library (no Qt): what each header holds.
//
//   Betrag.h     rounding and cutting of amounts (Runden, Abschneiden, Dreisatz, EuroFaktor) and
//                amounts to and from German number texts ("1.234,56")
//   Datum.h      the date record TDatum, its stored ("20260315") and shown ("15.03.2026") forms
//   StrLib.h     paths, padding, replacing, quoting as a literal, truth texts (StrToBool)
//   XoParser.h   the tokenizer from which values read themselves
//   Exception.h  Exception, the base of all the system's exceptions, and VT_ASSERT
//   FileSystem.h directories (ForceDirectories), whole-file reads, atomic writes, errno texts
//   IniFile.h    TIniFile (one INI file, written atomically at every change) and TXIniFile
//                (writes only what differs from the default); the text rules in IniDokument.h
//
// Everything here is free functions or small classes without hidden state; texts are UTF-8 and
// numbers and dates use the German separators whatever the host locale.
#include "Lib/Betrag.h"
#include "Lib/Datum.h"
#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"
