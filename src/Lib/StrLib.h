#pragma once
// Small text helpers shared by the whole program: paths, padding, replacing, quoting, truth texts.
// All texts are UTF-8; widths (PadString) count characters, not bytes.
#include <cstdint>
#include <string>
#include <string_view>

// Paths use '/'. A '\' read from a stored setting (the files were once written on Windows) is a
// separator as well, so both count as path delimiters everywhere here.
inline constexpr char kPfadTrenner = '/';
bool IstPfadTrenner(char c);

// The path with every '\' turned into '/'.
std::string PfadNormalisieren(std::string_view pfad);
// Adds '/' to a non-empty text that does not end with a delimiter; an empty text stays empty.
std::string IncludeTrailingPathDelimiter(std::string_view pfad);
// Removes all leading delimiters.
std::string StripLeadingPathDelimiters(std::string_view pfad);
// Dir, one '/', then Rel without its leading delimiters; backslashes become '/'.
// An empty Dir gives Rel alone (a relative path, never the root).
std::string JoinPath(std::string_view dir, std::string_view rel);

// The text as a literal the tokenizer reads back (XoParser): runs of printable characters in
// single quotes, every control character and every single quote as '#' and its decimal code.
// "It's" gives 'It'#39's'; an empty text gives ''.
std::string QuoteLiteral(std::string_view text);

// Replaces every occurrence of `alt` by `neu`; an empty `alt` changes nothing.
std::string ReplaceAll(std::string_view s, std::string_view alt, std::string_view neu);
std::string ReplaceChar(std::string_view s, char alt, char neu);

// N copies of c, at most 255; empty for N < 1.
std::string CharString(char c, int n);
// N blanks; empty for N < 1.
std::string Spaces(int n);
// Pads with blanks to a width of N characters, behind when `hinten`, else in front.
// A longer text is returned unchanged.
std::string PadString(std::string_view s, int n, bool hinten);
// Number of characters (code points) of a UTF-8 text: every byte but the continuation bytes.
std::size_t Utf8Laenge(std::string_view s);

// False for an empty text and for one that starts with one of " 0fFnN" ("Nein", "0", "falsch"),
// true otherwise ("Ja", "1"). For texts the program made itself; outside input goes through
// JaNeinLesen.
bool StrToBool(std::string_view s);
// The texts a yes/no value takes: "Ja" and "Nein" in any case, "1" and "0" as settings files
// hold them, and the empty text of a cleared value (false). Any other text gives false and
// leaves `wert` as it is.
bool JaNeinLesen(std::string_view s, bool& wert);

// UTF-8: appending a code point, checking bytes, and reading the Windows-1252 texts of files
// written by earlier versions (every byte maps to a character, so nothing is lost).
void AppendUtf8(std::string& out, std::uint32_t codePoint);
bool IsValidUtf8(std::string_view bytes);
std::string Cp1252ToUtf8(std::string_view bytes);
