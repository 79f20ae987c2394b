#pragma once
// The adding machine behind the calculator window: registers, keys and paper tape, without any
// widget. Numbers are added into a running sum S (key '+' or '-'), Enter prints and clears the
// sum; '*' and '/' compute left to right with '=' as the result; '%' after '*' or '/' takes a
// percentage, and a following '+' or '-' adds it to (or takes it from) the base:
// 100 * 16 % gives 16, then + gives 116.
//
// In add mode (the default) a number typed without a comma is in hundredths when it is added or
// subtracted: 1, 2, 5, + adds 1,25.
//
// Each key is computed on a copy of the registers: a result that the display (an amount field of
// 32 bits) cannot hold is refused with a message and the registers stay as they were. Then the
// key's tape lines are handed out one by one; the window takes its time to add each (the paper
// moves), and a key that arrives meanwhile waits in a queue until the current key is done.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

// One line of the paper tape: a colour marker ('-' red, ' ' black), the amount and the two sign
// and operator characters ("-+", " *", "+%"), then a blank. The tape shows it from the second
// character on.
struct TRechnerZeile {
    std::string text;
    bool rot = false;
    bool operator==(const TRechnerZeile&) const = default;
};

// Keys besides the characters: Delete clears the entry, Insert changes its sign.
inline constexpr int kTasteEntf = 0x100;
inline constexpr int kTasteEinfg = 0x101;
inline constexpr int kTasteEnter = '\r';

class TRechenwerk {
public:
    // The window: shows a tape line (after its pause), shows the display, beeps, reports an error.
    std::function<void(const TRechnerZeile&)> zeileHinzufuegen;
    std::function<void(double wert, int stellen)> anzeigen;
    std::function<void()> zuVieleZiffern;
    std::function<void(const std::string&)> fehler;

    // The decimal selector: add mode (2 places), 0..6 places, or floating.
    void SetAddierModus();
    void SetStellen(int stellen);
    void SetFliessModus();

    // Opening: with a transfer target its amount is the entry, else an empty entry is started.
    // The tape gets the sum line " C"; the decimal setting returns to add mode.
    void Start(bool mitZiel, double zielWert, int zielStellen);

    // A key: a character ("0".."9", ",", ".", "C", Enter, "%", "*", "+", "-", "/", "p") or
    // kTasteEntf / kTasteEinfg. Keys arriving while a key is being handled are queued.
    void Taste(int taste);
    // A number taken from the tape (dragged onto the display).
    void Uebernehmen(double wert, int stellen);

    double Anzeige() const { return m_anzeige; }
    int AnzeigeStellen() const { return m_anzeigeStellen; }
    double Summe() const { return m_r.s; }

    // The amount as the tape prints it: marker, digits, sign and operator, blank.
    static TRechnerZeile Zeile(double wert, int stellen, const std::string& zeichen);
    // A number's places as the floating mode shows them (up to 12, trailing zeros dropped).
    static int FliessStellen(double wert);

private:
    struct TRegister {
        double s = 0;   // sum
        int ds = 0;     // places of the sum
        double e = 0;   // entry or last result
        int d = 0;      // places of the entry
        double f = 1.0; // place factor of the next decimal digit
        int n = 0;      // digits typed
        bool komma = false;
        bool aktiv = false; // an entry is being typed
        double b = 0;       // percent base
        double x = 0;       // first operand
        int p = 0;          // pending: 0 none, 1 multiply, 2 divide, 3 percentage taken
        int k = 2;          // decimal setting
        bool addieren = true;
        bool fliessend = false;
    };
    // What one key did, before it is accepted.
    struct TSchritt {
        std::vector<TRechnerZeile> zeilen;
        double anzeige = 0;
        int anzeigeStellen = 0;
        bool anzeigen = false;
        bool zuViele = false;
    };

    void Verarbeiten(int taste);
    void Ausfuehren(TRegister& r, TSchritt& schritt, int taste) const;
    void Operator(TRegister& r, TSchritt& schritt, char c) const;
    double Ergebnis(TRegister& r, TSchritt& schritt) const;
    void AufStellen(const TRegister& r, double& wert, int& stellen) const;
    static std::string Vorzeichen(double wert) { return wert < 0 ? "-" : " "; }
    static void Zeige(TSchritt& schritt, double wert, int stellen);
    // Whether the display can hold the value; floating values give up places until it can.
    bool PasstInAnzeige(const TRegister& r, double wert, int& stellen) const;

    TRegister m_r;
    double m_anzeige = 0;
    int m_anzeigeStellen = 0;
    std::deque<int> m_warteschlange;
    bool m_beschaeftigt = false;
};
