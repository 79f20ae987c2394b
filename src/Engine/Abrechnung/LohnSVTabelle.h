#pragma once
// The settings of a contribution table opened over a payroll statement.
#include "Engine/Sozialversicherung/SVTabelle.h"

class TLohnBerechnung;

// The statement's year, days, switches, rates, ceilings, gross pay, fund and currency; a branch
// whose contribution the statement does not compute stays off in the table.
TSVTabellenVorgaben SVTabellenVorgabenAus(const TLohnBerechnung& lohn);
