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

std::string ExtractName(std::string_view text)
{
    return std::string(text.substr(0, text.find('=')));
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
