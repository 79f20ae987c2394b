#pragma once
// The currency name that data sets show next to their amounts. Whether it is the symbol "€" or
// the word "Euro" is a display option; the options model, which lies above this layer, answers
// through the hook it installs here (without one the word is used).
#include <functional>
#include <string>

void SetEuroSymbolAbfrage(std::function<bool()> abfrage);
bool EuroSymbolAn();
// "€" while the option is on, else "Euro".
std::string WaehrungsName();

inline constexpr const char* kEuroWort = "Euro";
inline constexpr const char* kEuroSymbol = "\u20ac";
