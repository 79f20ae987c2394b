#pragma once
// Shared by the tests of the tariff classes of single years.
#include "Engine/Lohnsteuer/LStLib.h"

#include <cstdint>
#include <memory>

// A tariff of a year, tax class and pay period that answers in its own currency (pfennig up to
// 2001, cents from 2002).
inline std::unique_ptr<TLStTabBase> Tab(int jahr, int klasse, int zeitraum)
{
    auto tab = CreateLStTab(static_cast<std::uint16_t>(jahr), 1);
    tab->SetDoub(ldKurs, tab->DMFaktor());
    tab->SetInt(liSteuerklasse, klasse);
    tab->SetInt(liZeitraum, zeitraum);
    return tab;
}

// The tariff tax of the taxable income per table unit x in the year's tariff formula.
struct TarifFall {
    const char* name;
    int jahr;
    double x;
    double steuer;
};
