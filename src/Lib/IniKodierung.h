#pragma once
// The bytes of an INI file as lines of UTF-8 text, and back.
//
// A file with a UTF-16 byte-order mark is UTF-16 in that byte order; so is a file without one whose
// characters have a NUL in their high byte (the ASCII text of an INI file written as UTF-16 by a
// program that left out the mark). Any other file is read line by line: a line that is valid UTF-8
// is UTF-8, another is Windows-1252, so that one stray byte does not turn the rest of the file
// into Windows-1252 (and back into garbage at the next save). Lines end with LF, CR LF or a CR
// alone (old Mac editors); lines the program does not change are written back with the bytes and
// the line end they were read with.
#include <cstddef>
#include <string>
#include <string_view>

enum class TIniKodierung : unsigned char { Utf8, Utf16Le, Utf16Be };
enum class TZeilenEnde : unsigned char { Keins, Lf, CrLf, Cr };

// Recognises the encoding by the byte-order mark (UTF-8 or UTF-16), which it removes from `bytes`,
// or by the NULs of UTF-16 without one; tells whether there was a mark.
TIniKodierung KodierungErkennen(std::string_view& bytes, bool& bom);
std::string_view ByteOrderMark(TIniKodierung kodierung);

// Calls `zeile(roh, ende)` for every line of `bytes` (without its line end); a file ending with a
// line end has no empty line after it.
template <typename F> void ZeilenTeilen(std::string_view bytes, TIniKodierung kodierung, F zeile);

// The text of a line read as `roh`; `umkodiert` tells whether the text differs from the bytes.
std::string ZeileDekodieren(std::string_view roh, TIniKodierung kodierung, bool& umkodiert);
// Appends `text` (UTF-8; bytes that are not read as Windows-1252) in the file's encoding.
void TextKodieren(std::string& out, std::string_view text, TIniKodierung kodierung);
void EndeKodieren(std::string& out, TZeilenEnde ende, TIniKodierung kodierung);

// The code unit of UTF-16 text at byte `i` (two bytes there).
inline unsigned Utf16Einheit(std::string_view bytes, std::size_t i, TIniKodierung kodierung)
{
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    return kodierung == TIniKodierung::Utf16Le ? a | (b << 8) : (a << 8) | b;
}

template <typename F> void ZeilenTeilen(std::string_view bytes, TIniKodierung kodierung, F zeile)
{
    const std::size_t breite = kodierung == TIniKodierung::Utf8 ? 1 : 2;
    const auto einheit = [&](std::size_t i) {
        return breite == 1 ? static_cast<unsigned char>(bytes[i])
                           : Utf16Einheit(bytes, i, kodierung);
    };
    std::size_t anfang = 0;
    std::size_t i = 0;
    while (i + breite <= bytes.size()) {
        const unsigned e = einheit(i);
        if (e != '\n' && e != '\r') {
            i += breite;
            continue;
        }
        std::size_t weiter = i + breite;
        TZeilenEnde ende = TZeilenEnde::Lf;
        if (e == '\r') {
            const bool lf = weiter + breite <= bytes.size() && einheit(weiter) == '\n';
            ende = lf ? TZeilenEnde::CrLf : TZeilenEnde::Cr;
            if (lf)
                weiter += breite;
        }
        zeile(bytes.substr(anfang, i - anfang), ende);
        i = weiter;
        anfang = weiter;
    }
    // A last line without line end (and an odd byte at the end of a UTF-16 file, kept as it is).
    if (anfang < bytes.size())
        zeile(bytes.substr(anfang), TZeilenEnde::Keins);
}
