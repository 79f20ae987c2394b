#pragma once
// TValue: one named, typed datum of a data set (an input, a result, an option, a directory).
// Its name is at once its INI key, its DDE item and the name pages and printouts find it by.
// Every value converts to and from text, loads and saves itself as one INI key, resets to its
// default, runs the text commands "SET" and "CLEAR", and reads itself from a token stream.
// Every change goes to its data set (OnChange), which spreads it (see Daten.h).
//
// Reading: a disabled value (neither enabled nor shown when disabled) reads as the empty value of
// its type, so calculations and views see nothing. Saving, Assign and comparison work on the
// stored content instead (GetStoredString), so that saving a page never writes zeros over the
// user's data.
//
// Refused input (validation, out of range, malformed text) raises nothing: the value keeps its
// content and still calls Change, so that views show the stored text again.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TDaten;
class TXIniFile;
class TXoParser;

using TStrings = std::vector<std::string>;

// Creation set: the elements a value can be created with (bit n = element n).
using TValueCreateFlags = unsigned;
inline constexpr TValueCreateFlags cfReadOnly = 1u << 0;
inline constexpr TValueCreateFlags cfComputed = 1u << 1;
inline constexpr TValueCreateFlags cfShowDisabled = 1u << 2;
inline constexpr TValueCreateFlags cfDisabled = 1u << 8;

class TValue {
public:
    // Flag bits of the 16-bit flags word.
    static constexpr std::uint16_t vfCreating = 1;
    static constexpr std::uint16_t vfReadOnly = 2;
    static constexpr std::uint16_t vfEnabled = 4;
    static constexpr std::uint16_t vfCommand = 8;
    static constexpr std::uint16_t vfUndetermined = 16;
    static constexpr std::uint16_t vfShowDisabled = 32;
    static constexpr std::uint16_t vfComputed = 64;
    static constexpr std::uint16_t vfChangePending = 128;
    // TBoolean: its default; TStringListValue, TStringFileLookup: multi-selection / sorted list.
    static constexpr std::uint16_t vfClassFlag = 256;
    // TBoolean: its value.
    static constexpr std::uint16_t vfBoolValue = 512;

    using TChangeEvent = std::function<void(TValue& value)>;
    using TGetValueEvent = std::function<void(const TValue& value)>;
    using TValidateEvent = std::function<void(TValue& sender, std::string& newText, bool& accept)>;

    // Joins `daten` (when given), which then owns and frees the value.
    TValue(TDaten* daten, std::string name, TValueCreateFlags flags = 0);
    virtual ~TValue();
    TValue(const TValue&) = delete;
    TValue& operator=(const TValue&) = delete;

    const std::string& Name() const { return m_name; }
    TDaten* Daten() const { return m_daten; }

    std::uint16_t Flags() const { return m_flags; }
    bool HasFlag(std::uint16_t mask) const { return (m_flags & mask) != 0; }
    void SetFlag(std::uint16_t mask, bool on);    // without notification
    void ChangeFlag(std::uint16_t mask, bool on); // with Change when the state differs
    void Enable() { SetFlag(vfEnabled, true); }
    void Disable() { SetFlag(vfEnabled, false); }
    void EndCreate() { SetFlag(vfCreating, false); }
    bool IsReadOnly() const { return HasFlag(vfReadOnly); }
    bool IsEnabled() const { return HasFlag(vfEnabled); }
    // Enabled, or shown when disabled: the value gives its content.
    bool IsReadable() const { return HasFlag(vfEnabled | vfShowDisabled); }
    bool IsUndetermined() const { return HasFlag(vfUndetermined); }

    // Text forms: "???" while undetermined, the empty value's text while disabled.
    std::string GetAsString() const;
    virtual void SetAsString(std::string_view text) = 0;
    virtual std::string GetDefaultAsString() const = 0;
    // What the user sees: " " for a disabled value.
    virtual std::string GetDisplayText() const;
    virtual void SetDisplayText(std::string_view text);
    // The stored content as text, whatever the enabled and undetermined flags say.
    std::string GetStoredString() const { return StoredAsString(); }
    bool GetAsBoolean() const;
    virtual void SetAsBoolean(bool b);

    virtual void LoadFromIni(const TXIniFile& ini, const std::string& section);
    virtual void SaveToIni(TXIniFile& ini, const std::string& section) const;
    // Only a value of a data set that is not computed is loaded and saved.
    void LoadStored(const TXIniFile& ini, const std::string& section);
    void SaveStored(TXIniFile& ini, const std::string& section) const;

    // Adds the text (as a literal) to `lines` when it differs from the default.
    virtual void WriteTo(TStrings& lines) const;
    virtual void ExecuteCommand(std::string_view command, std::string_view param, TStrings& result);
    virtual void ReadFromParser(TXoParser& parser) = 0;
    virtual void ResetToDefault() = 0;
    // Copies flags, stored content and the undetermined flag into `dest`.
    virtual void AssignTo(TValue& dest) const;

    virtual void Change();
    virtual void AfterSet();

    // How many notifications and stores the value has made: a set that notified without storing
    // was refused (validation, range, malformed text).
    struct TSetStand {
        std::uint32_t changes = 0;
        std::uint32_t stores = 0;
    };
    TSetStand SetStand() const { return {m_changes, m_stores}; }
    bool Abgelehnt(TSetStand vorher) const
    {
        return m_changes != vorher.changes && m_stores == vorher.stores;
    }
    // Why the last set was refused, in the user's words; empty when the refusal needs none (the
    // control shows the content in force again).
    virtual std::string Ablehnungsgrund() const { return std::string(); }

    TChangeEvent OnChange;
    TGetValueEvent OnGetValue;

protected:
    virtual std::string StoredAsString() const = 0;
    // The text of the type's empty value (what a disabled value reads as).
    virtual std::string EmptyAsString() const { return std::string(); }
    // Accepts or refuses `newText` (which the method may change).
    virtual bool Validate(std::string& newText, const TValidateEvent& method);
    // Runs the read hook unless a command is running.
    void DoGetValue() const;
    // A set stores even an equal value while the value is undetermined.
    bool MustStore(bool equal) const { return !equal || IsUndetermined(); }

private:
    friend class TDaten;
    std::string m_name;
    TDaten* m_daten = nullptr;
    std::uint16_t m_flags = 0;
    std::uint32_t m_changes = 0;
    std::uint32_t m_stores = 0;
};
