#pragma once
// Wage-tax tariffs by year and month.
//
// CreateLStTab (Jahr, Monat) creates the tariff object of a year and month; the caller sets its
// inputs, reads its results and frees it. The classes form one chain, each deriving from the
// tariff period before it; the period table in LStLib.cpp names them and their headers.
#include "Engine/Lohnsteuer/LStTabBase.h"

#include <cstdint>
#include <memory>

// Creates and initialises a tariff object of a given class for a year and month.
template <class T> std::unique_ptr<TLStTabBase> ErzeugeLStTab(int jahr, int monat)
{
    auto tab = std::make_unique<T>();
    tab->Init(jahr, monat);
    static_cast<TLStTabBase&>(*tab).m_erzeuger = &ErzeugeLStTab<T>;
    return tab;
}

// The tariff of a year (1990 and later; every year after the last period takes the tariff of
// that period) and a month (1..12). Raises Exception for an invalid
// month or a year before 1990.
std::unique_ptr<TLStTabBase> CreateLStTab(std::uint16_t jahr, std::uint16_t monat);
