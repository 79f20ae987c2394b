#pragma once
// TJahrListe: the chooser of a rule period, built from the valid-from dates of the option tables
// (year and month, ascending). Entry I runs from its month to the month before the next entry of
// the same year, or to December. Its captions read "2026", "2026 bis 30.6.", "2026 1.7.-30.9."
// or "2026 ab 1.10."; a "*" marks years after the default entry's year.
#include "Lib/Exception.h"
#include "MVCFrame/IntegerLookup.h"

class EInvalidMonth : public Exception {
public:
    using Exception::Exception;
};

// A list of (year, month) records read by index.
class TDateList {
public:
    struct TDate {
        int jahr = 0;
        int monat = 0;
        int tag = 0;
    };
    void Add(TDate datum) { m_daten.push_back(datum); }
    void Clear() { m_daten.clear(); }
    int Count() const { return static_cast<int>(m_daten.size()); }
    const TDate& Get(int index) const;

private:
    std::vector<TDate> m_daten;
};

class TJahrListe : public TCustomIntegerLookup {
public:
    TJahrListe(TDaten* daten, std::string name, TValueCreateFlags flags = 0);

    void AddDatum(int jahr, int monat);
    void AddItem(const std::string& caption, int object = 0) override;
    void ClearItems() override;
    TStrings Captions() const override;
    const TDateList& Daten() const { return m_liste; }

    int GetJahr() const;
    int GetMonat() const;
    int GetBisMonat() const;
    // Selects the entry of that year nearest to the current one; raises when the year is absent.
    void SetJahr(int jahr);
    // Selects the entry of the selected year that covers the month; raises when none does.
    void SetMonat(int monat);

private:
    int BisMonat(int index) const;
    int SelectedIndex() const;

    TDateList m_liste;
    // The captions as last made, for the list, default and minimum they were made for: a page
    // asks for them at every refresh.
    mutable TStrings m_captions;
    mutable bool m_captionsGueltig = false;
    mutable int m_captionsDefault = 0;
    mutable int m_captionsMinimum = 0;
};
