#pragma once
// The editing rules of the amount edit, apart from the widget so that they can be tested key by
// key. An amount field always shows a formatted amount ("1.234,56"); every key works on the text
// and the caret and then formats the result again from its digits, like an adding machine: typed
// digits push in from the right ("1", "2", "3" in an empty field give "1,23"), the decimal
// separator puts the digits before the caret in front of the separator.
//
// A digit overwrites the digit after the caret unless the program-wide Insert toggle is on. A key
// that would make the amount longer than the field or leave the 32-bit range is refused and the
// text stays as it was.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Text, caret and selection of an amount field (character positions; the text is plain ASCII).
struct TBetragZustand {
    std::string text;
    int cursor = 0;
    int selStart = 0;
    int selLength = 0;

    bool HatAuswahl() const { return selLength > 0; }
    bool operator==(const TBetragZustand&) const = default;
};

enum class TBetragAntwort {
    Unveraendert, // nothing to do (refused quietly or nothing changed)
    Geaendert,    // text or caret changed
    Beep,         // a refused key: the field beeps
    Rechner,      // the key asks for the calculator
};

class TBetragRegeln {
public:
    int dezimalstellen = 2;
    int maxLength = 12;
    bool minus = true;
    bool leerErlaubt = false;

    // A typed character. `einfuegen` is the Insert toggle.
    TBetragAntwort Zeichen(TBetragZustand& z, char c, bool einfuegen) const;
    TBetragAntwort Backspace(TBetragZustand& z) const;
    TBetragAntwort Entfernen(TBetragZustand& z) const; // Delete
    TBetragAntwort Leeren(TBetragZustand& z) const;    // Ctrl+Delete
    // The selection removed (it went to the clipboard) and the rest formatted again.
    TBetragAntwort Ausschneiden(TBetragZustand& z) const;
    // Clipboard text in place of the selection. Text with a decimal separator is read as an
    // amount ("12,5" gives 12,50), other text adds its digits as if typed in insert mode.
    TBetragAntwort Einfuegen(TBetragZustand& z, std::string_view clip) const;

    // Caret moves of Left and Right without Shift: a separator is skipped.
    int Links(const TBetragZustand& z) const;
    int Rechts(const TBetragZustand& z) const;

    // The text formatted again from its digits (and a leading '-'); nothing when the amount does
    // not fit the field or the 32-bit range.
    std::optional<std::string> Formatieren(std::string_view text) const;
    // Any text read as an amount, its decimal separator respected ("1.234,5" gives "1.234,50").
    std::optional<std::string> AlsBetrag(std::string_view text) const;
    // An integer amount in units of 10^-dezimalstellen; nothing when too long for the field.
    std::optional<std::string> BetragText(std::int64_t betrag, bool negativ) const;
    // The formatted empty amount ("0,00"), or "" when the field may be empty.
    std::string LeerText() const;

private:
    bool Passt(const std::string& text) const;
    static bool IstTrenner(char c);
    // Formats `neu` and puts the caret `abstand` characters before its end; refused when the
    // text does not fit.
    TBetragAntwort Uebernehmen(TBetragZustand& z, const std::string& neu, int abstand) const;
};
