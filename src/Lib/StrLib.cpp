#include "Lib/StrLib.h"

#include <algorithm>
#include <string>
#include <string_view>

bool IstPfadTrenner(char c)
{
    return c == '/' || c == '\\';
}

std::string PfadNormalisieren(std::string_view pfad)
{
    return ReplaceChar(pfad, '\\', kPfadTrenner);
}

std::string IncludeTrailingPathDelimiter(std::string_view pfad)
{
    std::string result = PfadNormalisieren(pfad);
    if (!result.empty() && result.back() != kPfadTrenner)
        result += kPfadTrenner;
    return result;
}

std::string StripLeadingPathDelimiters(std::string_view pfad)
{
    std::size_t i = 0;
    while (i < pfad.size() && IstPfadTrenner(pfad[i]))
        ++i;
    return std::string(pfad.substr(i));
}

std::string JoinPath(std::string_view dir, std::string_view rel)
{
    return IncludeTrailingPathDelimiter(dir) + PfadNormalisieren(StripLeadingPathDelimiters(rel));
}

std::string QuoteLiteral(std::string_view text)
{
    if (text.empty())
        return "''";
    std::string result;
    bool inQuote = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || c == '\'') {
            if (inQuote)
                result += '\'';
            inQuote = false;
            result += '#';
            result += std::to_string(c);
        } else {
            if (!inQuote)
                result += '\'';
            inQuote = true;
            result += ch;
        }
    }
    if (inQuote)
        result += '\'';
    return result;
}

std::string ReplaceAll(std::string_view s, std::string_view alt, std::string_view neu)
{
    if (alt.empty())
        return std::string(s);
    std::string result;
    std::size_t pos = 0;
    for (std::size_t hit = s.find(alt); hit != std::string_view::npos; hit = s.find(alt, pos)) {
        result.append(s.substr(pos, hit - pos));
        result.append(neu);
        pos = hit + alt.size();
    }
    result.append(s.substr(pos));
    return result;
}

std::string ReplaceChar(std::string_view s, char alt, char neu)
{
    std::string result(s);
    std::replace(result.begin(), result.end(), alt, neu);
    return result;
}

std::string CharString(char c, int n)
{
    return n < 1 ? std::string() : std::string(static_cast<std::size_t>(std::min(n, 255)), c);
}

std::string Spaces(int n)
{
    return n < 1 ? std::string() : std::string(static_cast<std::size_t>(n), ' ');
}

std::size_t Utf8Laenge(std::string_view s)
{
    // Continuation bytes (10xxxxxx) belong to the character before them.
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char ch) {
        return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
    }));
}

std::string PadString(std::string_view s, int n, bool hinten)
{
    const std::size_t laenge = Utf8Laenge(s);
    if (n < 1 || laenge >= static_cast<std::size_t>(n))
        return std::string(s);
    const std::string fuell(static_cast<std::size_t>(n) - laenge, ' ');
    return hinten ? std::string(s) + fuell : fuell + std::string(s);
}

bool StrToBool(std::string_view s)
{
    return !s.empty() && std::string_view(" 0fFnN").find(s.front()) == std::string_view::npos;
}

bool JaNeinLesen(std::string_view s, bool& wert)
{
    const auto gleich = [s](std::string_view wort) {
        return std::equal(s.begin(), s.end(), wort.begin(), wort.end(), [](char a, char b) {
            return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
        });
    };
    if (gleich("ja") || s == "1") {
        wert = true;
        return true;
    }
    if (gleich("nein") || s == "0" || s.empty()) {
        wert = false;
        return true;
    }
    return false;
}

void AppendUtf8(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t folge = 0;
        std::uint32_t cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            folge = 1;
            cp = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            folge = 2;
            cp = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            folge = 3;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (i + folge >= bytes.size())
            return false;
        for (std::size_t k = 1; k <= folge; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
        if ((folge == 2 && cp < 0x800) || (folge == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += folge + 1;
    }
    return true;
}

std::string Cp1252ToUtf8(std::string_view bytes)
{
    // 0x80-0x9F; the five unassigned bytes keep their own code, so they survive a round trip.
    static constexpr std::uint16_t kC1[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kC1[b - 0x80] : b);
    }
    return out;
}
