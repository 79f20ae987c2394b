#pragma once
// Checks of number texts that come from users, INI files and other programs before they are
// converted, so that a malformed number is refused like any refused input instead of being read
// as some other number.
#include <cstdint>
#include <string_view>

// An amount as typed or stored: digits, at most one sign in front, German separators, blanks.
// The empty text counts (it reads as 0).
bool ZahlTextGueltig(std::string_view text);
// A plain decimal integer as INI files hold it, within 32 bits.
bool GanzzahlLesen(std::string_view text, std::int32_t& result);
