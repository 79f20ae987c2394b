#pragma once
// The options check: compares the stored statutory options of 2026 with the built-in defaults
// and puts them back.
//
//   TOptionsCheck                the check of one options group of 2026
//   TOptionsBeitragssaetzeCheck  contribution rates ("Beitragssaetze2026")
//   TOptionsKindergeldCheck      child benefit ("KinderG2026")
//
// The last value of the group (in value order) whose text differs from its default decides: when
// it is a valid-from ("Ab") value and the shared OPTIONEN.INI holds no "AbDatum" for the group,
// the new valid-from values of the year replace the stored ones without a question. Otherwise the
// user is asked and, on yes, the whole group goes back to its defaults. Whatever changes is saved
// to the shared OPTIONEN.INI at once; nothing changes, nothing is written. A shared OPTIONEN.INI
// that cannot be read, and a save that fails, raise an Exception with a German message: the
// program must not report success for a check it could not make.
#include <functional>

class TDaten;
class TValue;

// The pages of the question dialog, one per checked group.
enum TOptionenSeite { osBeitragssaetze = 1, osKindergeld = 2 };

// Shows the group's page of the question dialog and asks whether to reset the group; true for
// "&Ja".
using TOptionenFrage = std::function<bool(TOptionenSeite seite)>;

class TOptionsCheck {
public:
    explicit TOptionsCheck(TOptionenFrage frage);
    virtual ~TOptionsCheck() = default;
    TOptionsCheck(const TOptionsCheck&) = delete;
    TOptionsCheck& operator=(const TOptionsCheck&) = delete;

    // The whole check; 0, or an Exception when the options cannot be read or saved.
    int Run();
    // True when a value differs from its default; `abWert` tells whether the last such value is
    // a valid-from value.
    bool FindDeviation(bool& abWert) const;
    static bool ValueDiffers(const TValue& value);
    // True when the group's section of the shared OPTIONEN.INI has no "AbDatum" key.
    bool AbDatumFehlt() const;
    // Raises when the shared OPTIONEN.INI exists but cannot be read: its values would read as the
    // defaults, and the check would find nothing to do.
    static void GespeicherteLesbar();
    void ResetAbValues();
    void ResetAllValues();
    // Saves the group into its section of the shared OPTIONEN.INI (values equal to their
    // defaults leave no key).
    void SaveOptions() const;

protected:
    // The group's data set in the options of 2026.
    virtual TDaten& Daten() const = 0;
    virtual bool IstAbWert(const TValue& value) const = 0;
    virtual TOptionenSeite DialogSeite() const = 0;

private:
    TOptionenFrage m_frage;
};

class TOptionsBeitragssaetzeCheck final : public TOptionsCheck {
public:
    using TOptionsCheck::TOptionsCheck;

protected:
    TDaten& Daten() const override;
    bool IstAbWert(const TValue& value) const override;
    TOptionenSeite DialogSeite() const override;
};

class TOptionsKindergeldCheck final : public TOptionsCheck {
public:
    using TOptionsCheck::TOptionsCheck;

protected:
    TDaten& Daten() const override;
    bool IstAbWert(const TValue& value) const override;
    TOptionenSeite DialogSeite() const override;
};

// The program's start-up: the per-user sub-folder of the directories, which the data-file
// locations share. The options load themselves from it on first use.
void OptionenPruefungStarten();
