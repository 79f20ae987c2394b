#include "Lib/IniKodierung.h"

#include "Lib/StrLib.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kBomUtf8 = "\xEF\xBB\xBF";
constexpr std::string_view kBomUtf16Le = "\xFF\xFE";
constexpr std::string_view kBomUtf16Be = "\xFE\xFF";
constexpr std::uint32_t kErsatz = 0xFFFD;

bool IstHochSurrogat(unsigned u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool IstTiefSurrogat(unsigned u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

std::string Utf16Dekodieren(std::string_view roh, TIniKodierung kodierung)
{
    std::string text;
    text.reserve(roh.size());
    std::size_t i = 0;
    while (i + 2 <= roh.size()) {
        const unsigned u = Utf16Einheit(roh, i, kodierung);
        i += 2;
        if (IstHochSurrogat(u) && i + 2 <= roh.size() &&
            IstTiefSurrogat(Utf16Einheit(roh, i, kodierung))) {
            const unsigned tief = Utf16Einheit(roh, i, kodierung);
            i += 2;
            AppendUtf8(text, 0x10000 + ((u - 0xD800) << 10) + (tief - 0xDC00));
        } else {
            AppendUtf8(text, IstHochSurrogat(u) || IstTiefSurrogat(u) ? kErsatz : u);
        }
    }
    if (i < roh.size())
        AppendUtf8(text, kErsatz);
    return text;
}

void Utf16Anhaengen(std::string& out, unsigned einheit, TIniKodierung kodierung)
{
    const auto hoch = static_cast<char>(einheit >> 8);
    const auto tief = static_cast<char>(einheit & 0xFF);
    if (kodierung == TIniKodierung::Utf16Le) {
        out += tief;
        out += hoch;
    } else {
        out += hoch;
        out += tief;
    }
}

// The code points of valid UTF-8 text, one after the other.
template <typename F> void CodepunkteDurchlaufen(std::string_view utf8, F codepunkt)
{
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        const std::size_t folge = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        std::uint32_t cp = folge == 0 ? b : b & (0x3F >> folge);
        for (std::size_t k = 1; k <= folge && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        codepunkt(cp);
        i += folge + 1;
    }
}

// UTF-16 without a byte-order mark: a NUL in the high byte of at least half the characters and
// never in a low byte. UTF-8 text holds no NUL, and a file of NULs is no text of either kind.
std::optional<TIniKodierung> Utf16OhneMarke(std::string_view bytes)
{
    const std::size_t zeichen = bytes.size() / 2;
    std::size_t nulVorn = 0;
    std::size_t nulHinten = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        nulVorn += bytes[i] == '\0' ? 1 : 0;
        nulHinten += bytes[i + 1] == '\0' ? 1 : 0;
    }
    if (zeichen == 0)
        return std::nullopt;
    if (nulVorn == 0 && 2 * nulHinten >= zeichen)
        return TIniKodierung::Utf16Le;
    if (nulHinten == 0 && 2 * nulVorn >= zeichen)
        return TIniKodierung::Utf16Be;
    return std::nullopt;
}

} // namespace

TIniKodierung KodierungErkennen(std::string_view& bytes, bool& bom)
{
    bom = true;
    if (bytes.substr(0, kBomUtf8.size()) == kBomUtf8) {
        bytes.remove_prefix(kBomUtf8.size());
        return TIniKodierung::Utf8;
    }
    if (bytes.substr(0, kBomUtf16Le.size()) == kBomUtf16Le) {
        bytes.remove_prefix(kBomUtf16Le.size());
        return TIniKodierung::Utf16Le;
    }
    if (bytes.substr(0, kBomUtf16Be.size()) == kBomUtf16Be) {
        bytes.remove_prefix(kBomUtf16Be.size());
        return TIniKodierung::Utf16Be;
    }
    bom = false;
    return Utf16OhneMarke(bytes).value_or(TIniKodierung::Utf8);
}

std::string_view ByteOrderMark(TIniKodierung kodierung)
{
    switch (kodierung) {
    case TIniKodierung::Utf16Le:
        return kBomUtf16Le;
    case TIniKodierung::Utf16Be:
        return kBomUtf16Be;
    case TIniKodierung::Utf8:
        break;
    }
    return kBomUtf8;
}

std::string ZeileDekodieren(std::string_view roh, TIniKodierung kodierung, bool& umkodiert)
{
    umkodiert = true;
    if (kodierung != TIniKodierung::Utf8)
        return Utf16Dekodieren(roh, kodierung);
    if (IsValidUtf8(roh)) {
        umkodiert = false;
        return std::string(roh);
    }
    return Cp1252ToUtf8(roh);
}

void TextKodieren(std::string& out, std::string_view text, TIniKodierung kodierung)
{
    if (kodierung == TIniKodierung::Utf8) {
        out += text;
        return;
    }
    const std::string gueltig = IsValidUtf8(text) ? std::string(text) : Cp1252ToUtf8(text);
    CodepunkteDurchlaufen(gueltig, [&](std::uint32_t cp) {
        if (cp >= 0x10000) {
            Utf16Anhaengen(out, 0xD800 + ((cp - 0x10000) >> 10), kodierung);
            Utf16Anhaengen(out, 0xDC00 + ((cp - 0x10000) & 0x3FF), kodierung);
        } else {
            Utf16Anhaengen(out, cp, kodierung);
        }
    });
}

void EndeKodieren(std::string& out, TZeilenEnde ende, TIniKodierung kodierung)
{
    switch (ende) {
    case TZeilenEnde::Keins:
        return;
    case TZeilenEnde::CrLf:
        TextKodieren(out, "\r\n", kodierung);
        return;
    case TZeilenEnde::Lf:
        TextKodieren(out, "\n", kodierung);
        return;
    case TZeilenEnde::Cr:
        TextKodieren(out, "\r", kodierung);
        return;
    }
}
