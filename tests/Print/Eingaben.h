#pragma once
// The inputs of a printout test, set by their value names as the page's fields would set them.
#include "MVCFrame/Daten.h"
#include "MVCFrame/Value.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using TEingaben = std::vector<std::pair<const char*, const char*>>;

inline void WerteSetzen(TDaten& daten, const TEingaben& eingaben)
{
    for (const auto& [name, text] : eingaben) {
        TValue* wert = daten.FindValue(name);
        ASSERT_NE(wert, nullptr) << name;
        wert->SetAsString(text);
    }
}
