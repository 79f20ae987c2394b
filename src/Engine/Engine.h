#pragma once
// The calculations (no Qt), one folder a domain. Most headers are named after the class they
// hold; these name none of theirs:
//
//   Abrechnung/LohnSVTabelle.h         SVTabellenVorgabenAus: a contribution table's settings
//                                      taken from a payroll statement
//   Einkommensteuer/EStLib.h           reliefs, trade-tax credit, additional table and surcharge
//                                      of the income tax (free routines)
//   Einkommensteuer/EStTab.h           the tariff periods TEStTab88 to TEStTab26
//   Geringfuegig/Geringf.h             TGeringfuegigDaten and TGeringfuegigBerechnung
//   Lohnsteuer/LStLib.h                CreateLStTab, the wage-tax tariff of a year and month, and
//                                      the map of the tariff classes
//   Lohnsteuer/LStRegeln.h             the wage-tax rules the windows show by year
//   Lohnsteuer/SolZSatz.h              the solidarity surcharge's rate by year
//   Lohnsteuer/TabConst.h              NeinJa, the truth texts of printouts
//   Sozialversicherung/Gleitzone.h     the transition zone's rules month by month
//   Sozialversicherung/JahresTabelle.h TJahresWert, year tables of statutory values
//   Sozialversicherung/SVLib.h         first amount and step of the contribution tables
//   Sozialversicherung/SVTabelle.h     the rows of a contribution table (TSVTabellen...)
//   Stammdaten/StammDaten.h            TStammEintrag, TStammListeDaten: the master-data lists'
//                                      common calculation side
//   Vergleich/VerglBrg.h               TVergleichDaten, TVergleichBerechnung: two cases compared
