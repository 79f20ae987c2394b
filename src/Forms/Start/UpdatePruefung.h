#pragma once
// Whether the main program looks for an update at start, and what the updater's answer means.
//
// The outside updater is started when a check is due; it searches, installs what it finds and
// starts the main program again with its result as the first argument ("/NOUPDATE",
// "/UPDATEOK", "/UPDATEERROR"). A program started with any argument therefore never starts the
// updater again, and the date of the last search moves on only when the search succeeded.
// Plain logic without windows, so that the start-up rules are tested on their own.
#include "Lib/Datum.h"

#include <string>
#include <string_view>

// Choices of the option "UpdateRhythmus", in the order of its list.
enum TUpdateRhythmus { kUpdateTag = 0, kUpdateWoche = 1, kUpdateMonat = 2, kUpdateNie = 3 };

struct TUpdateLage {
    bool updaterGestartet = false; // "UpdaterGestartet": the last run ended for the updater
    std::string erstesArgument;    // the program's first command-line argument
    bool updaterVorhanden = false; // the updater lies in the program's directory
    int rhythmus = kUpdateTag;     // "UpdateRhythmus"
    std::string zuletztGesucht;    // "ZuletztGesucht", the date of the last search as text
    TDatum heute;
};

// Program and parameters of the outside updater.
inline constexpr const char* kUpdaterProgramm = "XoLStTabUpdater";
inline constexpr const char* kUpdaterParameter1 = "/SILENT";
inline constexpr const char* kUpdaterParameter2 = "Version=501";

// A check is due when the updater is not already running for us, the program was started without
// an argument, the updater exists, the rhythm is not "Nie" and at least 1, 7 or 30 days have passed
// since the last search. A date that cannot be read counts as long ago, so the check is due.
bool UpdateFaellig(const TUpdateLage& lage);

// True when the argument reports a completed search, so that today becomes the last search date.
bool UpdateGesucht(std::string_view erstesArgument);

// The status-line text for the updater's answer; empty for any other argument. Exact,
// case-sensitive comparison: the updater writes these words and nothing else does.
std::string UpdateStatusText(std::string_view erstesArgument);

// The date as the option stores it ("dd.mm.yyyy") and read back; false for text that is not a
// valid calendar date.
std::string UpdateDatumText(const TDatum& datum);
bool UpdateDatumLesen(std::string_view text, TDatum& datum);

// Days since 30.12.1899, the zero of the stored date values.
long DatumTage(const TDatum& datum);
