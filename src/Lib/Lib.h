#pragma once
// The base library (no Qt): what each header holds.
//
//   Betrag.h     rounding and cutting of amounts (Runden, Abschneiden, Dreisatz, EuroFaktor) and
//                amounts to and from German number texts ("1.234,56")
//   Datum.h      the date record TDatum, its stored ("20260315") and shown ("15.03.2026") forms
//   StrLib.h     paths, padding, replacing, quoting as a literal, truth texts (StrToBool,
//                JaNeinLesen)
//   XoParser.h   the tokenizer from which values read themselves
//   Exception.h  Exception, the base of all the system's exceptions, and VT_ASSERT
//   FileSystem.h directories (ForceDirectories), whole-file reads, atomic writes (through a file
//                layer tests can replace), errno texts
//   IniFile.h    TIniFile (one INI file, written atomically: at every change, or once for all
//                the changes of a save between BeginUpdate and UpdateFile) and TXIniFile (writes
//                only what differs from the default); the text rules in IniDokument.h, the
//                encodings in IniKodierung.h
//   Component.h  TComponent: name, owner, owned children freed last first; two-phase creation
//   MVCApp.h     TMVCApplication, the registry of live data sets, and its events
//   InstChck.h   TInstanceChecker: reports at program end the values and calculations never freed
//   Singleton.h  the pattern of the process-wide objects (create on first use, end in main())
//   Event.h      one-handler events and the connection that removes a handler with its owner
//   Meldung.h    messages of the library to the user through a hook the GUI installs
//
// Texts are UTF-8; numbers and dates use the German separators whatever the host locale. The only
// process-wide state is the singletons' (registry, instance checker) and the message hook.
#include "Lib/Betrag.h"
#include "Lib/Component.h"
#include "Lib/Datum.h"
#include "Lib/Exception.h"
#include "Lib/FileSystem.h"
#include "Lib/IniFile.h"
#include "Lib/InstChck.h"
#include "Lib/MVCApp.h"
#include "Lib/StrLib.h"
#include "Lib/XoParser.h"
