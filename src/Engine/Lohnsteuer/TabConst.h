#pragma once
// Texts for truth values in printouts ("Zusatztabelle anwenden: Ja").
inline constexpr const char* NeinJa[2] = {"Nein", "Ja"};
