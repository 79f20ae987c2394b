#pragma once
// TStringFileLookup: a text whose choices are the lines of a text file (the saved employee names,
// the reference texts of pay components). Listing the lines needs no write access and no lock;
// a file that has not changed since it was last read is not read again. A change opens the file
// locked against other writers, reads its lines, runs one action on them and writes them back
// when the action changed them. A file that another program holds is tried again every 300 ms,
// for a few seconds at most; then the change fails with an error instead of waiting for ever. A
// file that may not be written fails at once, saying so.
#include "MVCFrame/StringValue.h"

#include <chrono>
#include <functional>
#include <iosfwd>

class TStringFileLookup : public TString {
public:
    TStringFileLookup(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
                      std::string dateiName = std::string(), bool sortiert = false);

    void SetDateiName(std::string dateiName) { m_dateiName = std::move(dateiName); }
    bool Sortiert() const { return HasFlag(vfClassFlag); }

    // Adds the current text as a line when it is not one yet.
    void AddCurrent();
    // Removes the current text's line, then clears the value.
    void DeleteCurrent();
    // The file's lines (sorted when the lookup is).
    TStrings GetList();
    // Whether `text` is one of the file's lines.
    bool Enthaelt(const std::string& text) const;
    void SaveToStream(std::ostream& stream);

    // "GETLIST" gives the file's lines, "DELETE" removes the current text (unless read-only).
    void ExecuteCommand(std::string_view command, std::string_view param,
                        TStrings& result) override;

    // How often and how long a locked file is tried again (tests shorten them).
    static constexpr int kStandardVersuche = 10;
    void SetWiederholung(int versuche, std::chrono::milliseconds pause);

private:
    // The file's lines (sorted when the lookup is); none while the file is missing.
    TStrings Lesen() const;
    // Runs `action` on the file's lines under the lock; writes them back when it returns true.
    // `zweck` says what fails when the file may not be written.
    void Aendern(const std::function<bool(TStrings&)>& action, const std::string& zweck);

    std::string m_dateiName;
    int m_versuche = kStandardVersuche;
    std::chrono::milliseconds m_pause{300};
};
