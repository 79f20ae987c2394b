#pragma once
// Wage-tax tariffs by year and month.
//
// CreateLStTab (Jahr, Monat) creates the tariff object of a year and month; the caller sets its
// inputs, reads its results and frees it. The classes form one chain, each deriving from the
// tariff period before it:
//   LStTabBase.h      TLStTabBase: inputs, results, change tracking, currency, table steps
//   LStTarifwerte.h   the values of each period: allowances, ceilings, zones, limits, rates
//   LStTab90.h        1990 to 1992: the pfennig table procedure
//   LStTab93.h        1993 to 1995: supplementary table, solidarity surcharge from 1995
//   LStTab96.h        1996 to 2001: tariffs by zones, child allowances for the surcharge only
//   LStTab02.h        2002 and 2003: euro tables, other payments and the one-fifth rule
//   LStTab04.h        2004 and 2005: the flow-chart computation, provision allowance of 2005
//   LStTab06.h        2006 and 2007
//   LStTab08.h        2008 and 2009 (TLStTab09a)
//   LStTab10.h        TLStTab10: the computation of the official flow chart that later years refine
//   LStTab11bis15.h   2011 to 2015 (with December 2011 and the amended 2015)
//   LStTab16bis21.h   2016 to 2021
//   LStTab22bis23.h   2022 and 2023 with their amendments
//   LStTab24bis25.h   2024 and 2025 with their amendments
//   LStTabDezember.h  the December recomputations of 2015 and 2024
//   LStTab26.h        2026 and later
// A new period is a constant of its values in LStTarifwerte.h, a class after the last one that
// returns it from Tarifwerte (and overrides only the steps whose flow changed) and a row in the
// period table of LStLib.cpp.
#include "Engine/Lohnsteuer/LStTab26.h"
#include "Engine/Lohnsteuer/LStTabDezember.h"

#include <cstdint>
#include <memory>

// Creates and initialises a tariff object of a given class.
template <class T> std::unique_ptr<TLStTabBase> ErzeugeLStTab()
{
    auto tab = std::make_unique<T>();
    tab->Init();
    static_cast<TLStTabBase&>(*tab).m_erzeuger = &ErzeugeLStTab<T>;
    return tab;
}

// The tariff of a year (1990 and later; every year after the last period takes the tariff of
// that period, from 2026 the tariff of 2026) and a month (1..12). Raises Exception for an invalid
// month or a year before 1990.
std::unique_ptr<TLStTabBase> CreateLStTab(std::uint16_t jahr, std::uint16_t monat);
