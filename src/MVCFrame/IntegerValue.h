#pragma once
// Whole numbers: TInteger, and TCustomIntegerMinMax / TIntegerMinMax, which refuse numbers outside
// their range. INI files hold them as plain decimal text.
#include "MVCFrame/Value.h"

#include <cstdint>

class TInteger : public TValue {
public:
    TInteger(TDaten* daten, std::string name, TValueCreateFlags flags = 0,
             std::int32_t defaultValue = 0);

    std::int32_t GetValue() const; // 0 while disabled
    virtual void SetValue(std::int32_t n);
    std::int32_t GetDefault() const { return m_default; }
    virtual void SetDefault(std::int32_t n);

    void SetAsString(std::string_view text) override;
    std::string GetDefaultAsString() const override { return std::to_string(m_default); }
    void LoadFromIni(const TXIniFile& ini, const std::string& section) override;
    void SaveToIni(TXIniFile& ini, const std::string& section) const override;
    void ReadFromParser(TXoParser& parser) override;
    void ResetToDefault() override { SetValue(m_default); }

protected:
    std::string StoredAsString() const override { return std::to_string(m_value); }
    std::string EmptyAsString() const override { return "0"; }
    std::int32_t StoredValue() const { return m_value; }
    // Stores and signals the change (for setters that did their own checks).
    void Store(std::int32_t n);
    // Stores without notification (list bookkeeping of lookups).
    void StoreQuietly(std::int32_t n) { m_value = n; }

private:
    std::int32_t m_value = 0;
    std::int32_t m_default = 0;
};

class TCustomIntegerMinMax : public TInteger {
public:
    TCustomIntegerMinMax(TDaten* daten, std::string name, TValueCreateFlags flags,
                         std::int32_t minimum, std::int32_t maximum, std::int32_t defaultValue);

    void SetValue(std::int32_t n) override;
    virtual bool InRange(std::int32_t n) const { return n >= m_minimum && n <= m_maximum; }
    std::int32_t Minimum() const { return m_minimum; }
    std::int32_t Maximum() const { return m_maximum; }
    virtual void SetMin(std::int32_t minimum);
    void SetMax(std::int32_t maximum);

protected:
    void SetRange(std::int32_t minimum, std::int32_t maximum);

private:
    std::int32_t m_maximum;
    std::int32_t m_minimum;
};

class TIntegerMinMax : public TCustomIntegerMinMax {
public:
    using TCustomIntegerMinMax::TCustomIntegerMinMax;
};
