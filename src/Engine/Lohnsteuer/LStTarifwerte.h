#pragma once
// The values of each tariff period, one constant a period.
//
// A tariff class returns its period's values from Tarifwerte; TLStTabBase::Init takes the input
// defaults from them, and the computation of 2010 and later reads the rest. A period that keeps
// all values of the period before it (a change of the flow alone) has no constant of its own.
// Until 2009 the tariff formulas, table allowances and limits stay in the tables of their
// classes (LStTab90.h .. LStTab08.h); the constants here give those years only their input
// defaults and the pension share.

// The five zones of the income-tax formula of § 32a Abs. 1 EStG; x is the taxable income per
// table unit.
struct TTarifZonen {
    double a, b;         // zone 2: (y * a + b) * y, y from the basic allowance
    double zweiteGrenze; // zone 3 from here: (z * c + d) * z + e, z from zweiteGrenze - 1
    double c, d, e;
    double dritteGrenze; // zone 4 from here: 0.42 * x - f
    double f;
    double vierteGrenze; // zone 5 from here: 0.45 * x - g
    double g;
};

// The contribution ceilings and rates the provision allowance counts are no values of a tariff
// period but of the year: the factory takes them from the social-insurance tables
// (Engine/Sozialversicherung/SVVorgaben.h).
struct TLStTarifwerte {
    // Defaults of the double inputs of the same names (ldGrundfreibetrag ..); a caller may set
    // others.
    double grundfreibetrag = 0;      // basic allowance, § 32a Abs. 1 Satz 2 Nr. 1 EStG
    double kinderfreibetrag = 0;     // per child of both parents, with the allowance for care
                                     // and education, § 32 Abs. 6 EStG

    // Share of the pension contribution counted in the provision allowance: § 10c Abs. 2 EStG
    // until 2009, § 39b Abs. 4 EStG from 2010.
    double rvAnteil = 0;

    // Read by the computation of 2010 and later.
    TTarifZonen zonen{};                   // § 32a Abs. 1 EStG
    double arbeitnehmerpauschbetrag = 0;   // § 9a Satz 1 Nr. 1 Buchst. a EStG
    double versorgungspauschbetrag = 0;    // on pensions, § 9a Satz 1 Nr. 1 Buchst. b EStG
    double sonderausgabenPauschbetrag = 0; // § 10c EStG
    double entlastungsbetrag = 0;          // single-parent relief (tax class 2), § 24b EStG
    // Wage limits of tax classes 5 and 6, § 39b Abs. 2 Satz 7 EStG.
    double grenze1 = 0;
    double grenze2 = 0;
    double grenze3 = 0;
    double solzFreigrenze = 0; // per table unit, § 3 Abs. 3 and 4 SolZG
};

// 1990 to 2004: no input defaults.
inline constexpr TLStTarifwerte kTarifwerteBis2004{};

inline constexpr TLStTarifwerte kTarifwerte2005{.rvAnteil = 0.2};
inline constexpr TLStTarifwerte kTarifwerte2006{.kinderfreibetrag = 5808, .rvAnteil = 0.24};
inline constexpr TLStTarifwerte kTarifwerte2007{.kinderfreibetrag = 5808, .rvAnteil = 0.28};
inline constexpr TLStTarifwerte kTarifwerte2008{.kinderfreibetrag = 5808, .rvAnteil = 0.32};
inline constexpr TLStTarifwerte kTarifwerte2009{.kinderfreibetrag = 6024, .rvAnteil = 0.36};

inline constexpr TLStTarifwerte kTarifwerte2010{
    .grundfreibetrag = 8004,
    .kinderfreibetrag = 7008,
    .rvAnteil = 0.4,
    .zonen = {912.17, 1400, 13470, 228.74, 2397, 1038, 52882, 8172, 250731, 15694},
    .arbeitnehmerpauschbetrag = 920,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1308,
    .grenze1 = 9429,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2011{
    .grundfreibetrag = 8004,
    .kinderfreibetrag = 7008,
    .rvAnteil = 0.44,
    .zonen = {912.17, 1400, 13470, 228.74, 2397, 1038, 52882, 8172, 250731, 15694},
    .arbeitnehmerpauschbetrag = 920,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1308,
    .grenze1 = 9429,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2012{
    .grundfreibetrag = 8004,
    .kinderfreibetrag = 7008,
    .rvAnteil = 0.48,
    .zonen = {912.17, 1400, 13470, 228.74, 2397, 1038, 52882, 8172, 250731, 15694},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1308,
    .grenze1 = 9429,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2013{
    .grundfreibetrag = 8130,
    .kinderfreibetrag = 7008,
    .rvAnteil = 0.52,
    .zonen = {933.70, 1400, 13470, 228.74, 2397, 1014, 52882, 8196, 250731, 15718},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1308,
    .grenze1 = 9550,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2014{
    .grundfreibetrag = 8354,
    .kinderfreibetrag = 7008,
    .rvAnteil = 0.56,
    .zonen = {974.58, 1400, 13470, 228.74, 2397, 971, 52882, 8239, 250731, 15761},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1308,
    .grenze1 = 9763,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

// 2015 as first published: the tariff of 2014.
inline constexpr TLStTarifwerte kTarifwerte2015{
    .grundfreibetrag = 8354,
    .kinderfreibetrag = 7008,
    .rvAnteil = 0.6,
    .zonen = {974.58, 1400, 13470, 228.74, 2397, 971, 52882, 8239, 250731, 15761},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1308,
    .grenze1 = 9763,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

// 2015 as amended in the summer.
inline constexpr TLStTarifwerte kTarifwerte2015geaendert{
    .grundfreibetrag = 8472,
    .kinderfreibetrag = 7152,
    .rvAnteil = 0.6,
    .zonen = {997.60, 1400, 13470, 228.74, 2397, 948.68, 52882, 8261.29, 250731, 15783.19},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 9873,
    .grenze2 = 26441,
    .grenze3 = 200584,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2016{
    .grundfreibetrag = 8652,
    .kinderfreibetrag = 7248,
    .rvAnteil = 0.64,
    .zonen = {993.62, 1400, 13670, 225.40, 2397, 952.48, 53666, 8394.14, 254447, 16027.52},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 10070,
    .grenze2 = 26832,
    .grenze3 = 203557,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2017{
    .grundfreibetrag = 8820,
    .kinderfreibetrag = 7356,
    .rvAnteil = 0.68,
    .zonen = {1007.27, 1400, 13770, 223.76, 2397, 939.57, 54058, 8475.44, 256304, 16164.53},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 10240,
    .grenze2 = 27029,
    .grenze3 = 205043,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2018{
    .grundfreibetrag = 9000,
    .kinderfreibetrag = 7428,
    .rvAnteil = 0.72,
    .zonen = {997.80, 1400, 13997, 220.13, 2397, 948.49, 54950, 8621.75, 260533, 16437.70},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 10440,
    .grenze2 = 27475,
    .grenze3 = 208426,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2019{
    .grundfreibetrag = 9168,
    .kinderfreibetrag = 7620,
    .rvAnteil = 0.76,
    .zonen = {980.14, 1400, 14255, 216.16, 2397, 965.58, 55961, 8780.90, 265327, 16740.68},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 10635,
    .grenze2 = 27980,
    .grenze3 = 212261,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2020{
    .grundfreibetrag = 9408,
    .kinderfreibetrag = 7812,
    .rvAnteil = 0.8,
    .zonen = {972.87, 1400, 14533, 212.02, 2397, 972.79, 57052, 8963.74, 270501, 17078.74},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 10898,
    .grenze2 = 28526,
    .grenze3 = 216400,
    .solzFreigrenze = 972,
};

inline constexpr TLStTarifwerte kTarifwerte2021{
    .grundfreibetrag = 9744,
    .kinderfreibetrag = 8388,
    .rvAnteil = 0.84,
    .zonen = {995.21, 1400, 14754, 208.85, 2397, 950.96, 57919, 9136.63, 274613, 17374.99},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 1908,
    .grenze1 = 11237,
    .grenze2 = 28959,
    .grenze3 = 219690,
    .solzFreigrenze = 16956,
};

// January to May 2022.
inline constexpr TLStTarifwerte kTarifwerte2022{
    .grundfreibetrag = 9984,
    .kinderfreibetrag = 8388,
    .rvAnteil = 0.88,
    .zonen = {1008.70, 1400, 14927, 206.43, 2397, 938.24, 58597, 9267.53, 277826, 17602.28},
    .arbeitnehmerpauschbetrag = 1000,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4008,
    .grenze1 = 11480,
    .grenze2 = 29298,
    .grenze3 = 222260,
    .solzFreigrenze = 16956,
};

// June to December 2022.
inline constexpr TLStTarifwerte kTarifwerte2022geaendert{
    .grundfreibetrag = 10347,
    .kinderfreibetrag = 8388,
    .rvAnteil = 0.88,
    .zonen = {1088.67, 1400, 14927, 206.43, 2397, 869.32, 58597, 9336.45, 277826, 17671.20},
    .arbeitnehmerpauschbetrag = 1200,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4008,
    .grenze1 = 11793,
    .grenze2 = 29298,
    .grenze3 = 222260,
    .solzFreigrenze = 16956,
};

// January to March 2023.
inline constexpr TLStTarifwerte kTarifwerte2023{
    .grundfreibetrag = 10908,
    .kinderfreibetrag = 8952,
    .rvAnteil = 1.0,
    .zonen = {979.18, 1400, 16000, 192.59, 2397, 966.53, 62810, 9972.98, 277826, 18307.73},
    .arbeitnehmerpauschbetrag = 1200,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4008,
    .grenze1 = 12485,
    .grenze2 = 31404,
    .grenze3 = 222260,
    .solzFreigrenze = 17543,
};

// April to December 2023.
inline constexpr TLStTarifwerte kTarifwerte2023geaendert{
    .grundfreibetrag = 10908,
    .kinderfreibetrag = 8952,
    .rvAnteil = 1.0,
    .zonen = {979.18, 1400, 16000, 192.59, 2397, 966.53, 62810, 9972.98, 277826, 18307.73},
    .arbeitnehmerpauschbetrag = 1230,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4260,
    .grenze1 = 12485,
    .grenze2 = 31404,
    .grenze3 = 222260,
    .solzFreigrenze = 17543,
};

// 2024 until the December recomputation.
inline constexpr TLStTarifwerte kTarifwerte2024{
    .grundfreibetrag = 11604,
    .kinderfreibetrag = 9312,
    .rvAnteil = 1.0,
    .zonen = {922.98, 1400, 17006, 181.19, 2397, 1025.38, 66761, 10602.13, 277826, 18936.88},
    .arbeitnehmerpauschbetrag = 1230,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4260,
    .grenze1 = 13279,
    .grenze2 = 33380,
    .grenze3 = 222260,
    .solzFreigrenze = 18130,
};

// January and February 2025; also the whole of 2024 in its December recomputation.
inline constexpr TLStTarifwerte kTarifwerte2025{
    .grundfreibetrag = 11784,
    .kinderfreibetrag = 9540,
    .rvAnteil = 1.0,
    .zonen = {954.80, 1400, 17006, 181.19, 2397, 991.21, 66761, 10636.31, 277826, 18971.06},
    .arbeitnehmerpauschbetrag = 1230,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4260,
    .grenze1 = 13432,
    .grenze2 = 33380,
    .grenze3 = 222260,
    .solzFreigrenze = 18130,
};

// March to December 2025.
inline constexpr TLStTarifwerte kTarifwerte2025geaendert{
    .grundfreibetrag = 12096,
    .kinderfreibetrag = 9600,
    .rvAnteil = 1.0,
    .zonen = {932.30, 1400, 17444, 176.64, 2397, 1015.13, 68481, 10911.92, 277826, 19246.67},
    .arbeitnehmerpauschbetrag = 1230,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4260,
    .grenze1 = 13785,
    .grenze2 = 34240,
    .grenze3 = 222260,
    .solzFreigrenze = 19950,
};

// 2026 and every later year.
inline constexpr TLStTarifwerte kTarifwerte2026{
    .grundfreibetrag = 12348,
    .kinderfreibetrag = 9756,
    .rvAnteil = 1.0,
    .zonen = {914.51, 1400, 17800, 173.10, 2397, 1034.87, 69879, 11135.63, 277826, 19470.38},
    .arbeitnehmerpauschbetrag = 1230,
    .versorgungspauschbetrag = 102,
    .sonderausgabenPauschbetrag = 36,
    .entlastungsbetrag = 4260,
    .grenze1 = 14071,
    .grenze2 = 34939,
    .grenze3 = 222260,
    .solzFreigrenze = 20350,
};
