#pragma once
// Text values: TString, the contribution-group key TStringBGS and the currency name TWaehrungStr.
#include "MVCFrame/Value.h"

#include <array>
#include <cstdint>

class TString : public TValue {
public:
    TString(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
            std::string defaultValue = std::string());

    std::string GetValue() const; // empty while disabled
    void SetValue(std::string text);
    const std::string& GetDefault() const { return m_default; }
    void SetDefault(std::string text);

    void SetAsString(std::string_view text) override { SetValue(std::string(text)); }
    std::string GetDefaultAsString() const override { return m_default; }
    void SetAsBoolean(bool b) override { SetValue(b ? "Ja" : "Nein"); }
    void WriteTo(TStrings& lines) const override;
    void ReadFromParser(TXoParser& parser) override;
    void ResetToDefault() override { SetValue(m_default); }

    TValidateEvent OnValidate;

protected:
    std::string StoredAsString() const override { return m_value; }
    // Stores without validation and without notification (list values keep their text in step).
    void StoreValue(std::string text) { m_value = std::move(text); }

private:
    std::string m_default;
    std::string m_value;
};

// The four-digit contribution-group key: digits for health, pension, unemployment and care
// insurance, each no higher than its limit. A text of another length is padded with "0" to four
// characters and cut there.
class TStringBGS : public TString {
public:
    using TLimits = std::array<std::uint8_t, 4>;
    // Highest digits of the key: health 4, pension 5, unemployment 2, care 2.
    static constexpr TLimits kStandardLimits = {4, 5, 2, 2};

    TStringBGS(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
               std::string defaultValue = std::string(), TLimits limits = kStandardLimits);

    // Digit `position` (1..4) as a number; 0 when the key is shorter.
    int GetZiffer(int position) const;
    void SetZiffer(int position, int digit);

protected:
    bool Validate(std::string& newText, const TValidateEvent& method) override;

private:
    TLimits m_limits;
};

// The name of the currency in which a data set shows its amounts: "€" with the display option
// EuroSymbol on, else "Euro". Read-only and never stored.
class TWaehrungStr : public TString {
public:
    explicit TWaehrungStr(TDaten* daten);
};
