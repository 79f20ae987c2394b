#pragma once
// TDateValue: a calendar date. Its text form is eight digits, year, month and day ("20260315");
// its display form is the German short date ("15.03.2026"). The cleared date (all zero) is its
// empty value. A text that is no valid date is refused.
#include "Lib/Datum.h"
#include "MVCFrame/Value.h"

class TDateValue : public TValue {
public:
    TDateValue(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
               TDatum defaultValue = {});

    TDatum GetValue() const; // the cleared date while disabled
    void SetValue(TDatum datum);
    const TDatum& GetDefault() const { return m_default; }
    void SetDefault(TDatum datum);
    // Day (0), month (1) or year (2).
    int GetDatum(int index) const;

    void SetAsString(std::string_view text) override;
    std::string GetDefaultAsString() const override { return ZuText(m_default); }
    std::string GetDisplayText() const override;
    void SetDisplayText(std::string_view text) override;
    void WriteTo(TStrings& lines) const override;
    void ReadFromParser(TXoParser& parser) override;
    void ResetToDefault() override { SetValue(m_default); }

    static std::string ZuText(const TDatum& datum);
    // Reads eight digits; the empty text is the cleared date. False for anything else.
    static bool AusText(std::string_view text, TDatum& datum);

protected:
    std::string StoredAsString() const override { return ZuText(m_value); }
    std::string EmptyAsString() const override { return ZuText({}); }

private:
    TDatum m_default;
    TDatum m_value;
};
