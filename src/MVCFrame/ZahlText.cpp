#include "MVCFrame/ZahlText.h"

#include <charconv>

namespace {

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace

bool ZahlTextGueltig(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    int ziffern = 0;
    int kommas = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            ++ziffern;
        else if (c == ',')
            ++kommas;
        else if (c != '.')
            return false;
    }
    // No amount has that many digits; such a text is garbage, not a number.
    return kommas <= 1 && ziffern <= 18 && (ziffern > 0 || text.empty());
}

bool GanzzahlLesen(std::string_view text, std::int32_t& result)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    result = value;
    return true;
}
