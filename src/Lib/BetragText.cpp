// The text side of Betrag.h: amounts to and from German number texts, without the C locale and
// without printf rounding.
#include "Lib/Betrag.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <system_error>

namespace {

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Decimal digits with an optional leading '-' as a 32-bit integer; `fallback` when the text is
// empty, holds anything else, or lies beyond the range.
std::int32_t ParseInt32(std::string_view t, std::int32_t fallback)
{
    std::int32_t n = 0;
    const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    return ec == std::errc() && ende == t.data() + t.size() ? n : fallback;
}

// "123.45" / "-0.5" / "7." (digits, at most one '.', an optional leading '-') as a double,
// correctly rounded; 0 for anything else or beyond the range of double.
double ParseDecimal(std::string_view t)
{
    bool negativ = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negativ = t.front() == '-';
        t.remove_prefix(1);
    }
    // from_chars would also take "inf" and "nan"; a number here starts with a digit or '.'.
    if (t.empty() || !(IstZiffer(t.front()) || t.front() == '.'))
        return 0.0;
    double x = 0.0;
    const auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), x);
    if (ec != std::errc() || ende != t.data() + t.size())
        return 0.0;
    return negativ ? -x : x;
}

// Inserts the thousands separator after every third digit from the right.
std::string MitTausendern(std::string_view ziffern)
{
    std::string result;
    result.reserve(ziffern.size() + ziffern.size() / 3);
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0)
            result += kTausenderTrenner;
        result += ziffern[i];
    }
    return result;
}

std::string MitVorzeichen(bool negativ, std::string_view ganz, std::string_view bruch)
{
    std::string result = negativ ? "-" : "";
    result += MitTausendern(ganz);
    if (!bruch.empty()) {
        result += kDezimalTrenner;
        result += bruch;
    }
    return result;
}

} // namespace

std::string ZahlBereinigen(std::string_view s, bool ohneVorzeichen)
{
    std::string r;
    bool minus = false;
    bool trenner = false;
    bool ziffer = false;
    for (const char c : s) {
        if (IstZiffer(c)) {
            // Leading zeros go; a zero after the separator or another digit stays.
            if (c != '0' || ziffer || trenner)
                r += c;
            ziffer = ziffer || c != '0' || trenner;
        } else if (c == kDezimalTrenner && !trenner) {
            trenner = true;
            r += c;
        } else if (c == '-' && !ohneVorzeichen && r.empty() && !trenner) {
            minus = true;
        }
    }
    if (r.find_first_of("0123456789") == std::string::npos)
        return std::string("0") + kDezimalTrenner + "0";
    if (r.front() == kDezimalTrenner)
        r.insert(r.begin(), '0');
    return minus ? "-" + r : r;
}

std::string NurZiffern(std::string_view s, std::size_t maxLen, bool ohneVorzeichen)
{
    std::string r;
    bool minus = false;
    for (const char c : s) {
        if (IstZiffer(c) && (c != '0' || !r.empty()))
            r += c;
        else if (c == '-' && !ohneVorzeichen && r.empty())
            minus = true;
    }
    if (minus && !r.empty())
        r.insert(r.begin(), '-');
    return r.substr(0, maxLen);
}

double StrToBetragFloat(std::string_view s)
{
    std::string t = ZahlBereinigen(s);
    for (char& c : t) {
        if (c == kDezimalTrenner)
            c = '.';
    }
    return ParseDecimal(t);
}

double StrPunktToFloat(std::string_view s)
{
    // Blanks around the number are allowed, as is a ',' in place of the '.'.
    const std::size_t anfang = s.find_first_not_of(" \t");
    if (anfang == std::string_view::npos)
        return 0.0;
    s = s.substr(anfang, s.find_last_not_of(" \t") - anfang + 1);
    std::string t(s);
    for (char& c : t) {
        if (c == kDezimalTrenner)
            c = '.';
    }
    return ParseDecimal(t);
}

std::int32_t StrToGanzzahl(std::string_view s)
{
    const std::string t = ZahlBereinigen(s);
    return ParseInt32(std::string_view(t).substr(0, t.find(kDezimalTrenner)), 0);
}

std::int32_t StrToBetragInt(std::string_view s)
{
    const std::string t = NurZiffern(s, std::string::npos);
    return ParseInt32(t, 0);
}

std::string FloatToBetragStr(unsigned char decimals, double x)
{
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    // The shortest text that reads back as the same double is the amount as it was meant
    // (2.675, not 2.67499999999999982236431605997495353221893310546875); rounding that text
    // half away from zero is what a reader of the printout checks by hand.
    char buf[1100];
    const auto [ende, ec] =
        std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed);
    if (ec != std::errc())
        return "NAN";
    const std::string_view text(buf, static_cast<std::size_t>(ende - buf));
    const std::size_t punkt = text.find('.');
    std::string ganz(text.substr(0, punkt));
    std::string bruch(punkt == std::string_view::npos ? std::string_view()
                                                      : text.substr(punkt + 1));

    const bool aufrunden = bruch.size() > decimals && bruch[decimals] >= '5';
    bruch.resize(decimals, '0');
    if (aufrunden) {
        // Carry from the last kept place through the fraction into the whole part.
        std::string ziffern = ganz + bruch;
        std::size_t i = ziffern.size();
        while (i > 0 && ziffern[i - 1] == '9')
            ziffern[--i] = '0';
        if (i == 0)
            ziffern.insert(ziffern.begin(), '1');
        else
            ++ziffern[i - 1];
        ganz = ziffern.substr(0, ziffern.size() - decimals);
        bruch = ziffern.substr(ziffern.size() - decimals);
    }
    const bool null = ganz.find_first_not_of('0') == std::string::npos &&
                      bruch.find_first_not_of('0') == std::string::npos;
    return MitVorzeichen(x < 0 && !null, ganz, bruch);
}

std::string BetragIntToStr(std::int32_t betrag, unsigned char decimals)
{
    const std::int64_t wert = betrag;
    std::string ziffern = std::to_string(wert < 0 ? -wert : wert);
    if (ziffern.size() <= decimals)
        ziffern.insert(0, decimals + 1 - ziffern.size(), '0');
    const std::size_t ganzLaenge = ziffern.size() - decimals;
    return MitVorzeichen(wert < 0, std::string_view(ziffern).substr(0, ganzLaenge),
                         std::string_view(ziffern).substr(ganzLaenge));
}

std::int32_t BetragSkalieren(std::int32_t betrag, int neueStellen, int alteStellen)
{
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::int64_t wert = betrag;
    for (int i = neueStellen; i < alteStellen && wert != 0; ++i)
        wert /= 10;
    for (int i = alteStellen; i < neueStellen && wert != 0; ++i) {
        wert *= 10;
        if (wert > kMax)
            return static_cast<std::int32_t>(kMax);
        if (wert < kMin)
            return static_cast<std::int32_t>(kMin);
    }
    return static_cast<std::int32_t>(wert);
}

std::string BetragZiffern(std::string_view s, std::size_t pos, unsigned char decimals)
{
    pos = std::min(pos, s.size());
    const std::string vorne = NurZiffern(s.substr(0, pos), std::string::npos);
    std::string hinten;
    for (const char c : s.substr(pos)) {
        if (IstZiffer(c))
            hinten += c;
    }
    hinten.resize(decimals, '0');
    // A '-' alone before the caret still marks the amount negative.
    const bool minus = s.substr(0, pos).find('-') != std::string_view::npos;
    std::string result = vorne.empty() && minus ? "-" : vorne;
    return result + hinten;
}

int ZaehleNachkommastellen(std::string_view s)
{
    const std::size_t trenner = s.find(kDezimalTrenner);
    return trenner == std::string_view::npos ? 0 : static_cast<int>(s.size() - trenner - 1);
}
