#include "Engine/Sozialversicherung/Beitragssatz.h"

#include "Engine/Sozialversicherung/AktuelleJahreswerte.h"
#include "Engine/Sozialversicherung/Beitrag.h"
#include "Engine/Sozialversicherung/Gleitzone.h"
#include "Engine/Sozialversicherung/JahresTabelle.h"

#include <span>

namespace {

constexpr int kLetztesEingebautesJahr = 2025;

// Unemployment insurance, total, in tenths of a percent; raised to 6.8 in April 1991.
constexpr TJahresWert kAVSatz[] = {
    Jahre(1990, 1990, 43), Wechsel(1991, 4, 43, 68), Jahre(1992, 1992, 63), Jahre(1993, 2006, 65),
    Jahre(2007, 2007, 42), Jahre(2008, 2008, 33),    Jahre(2009, 2010, 28), Jahre(2011, 2018, 30),
    Jahre(2019, 2019, 25), Jahre(2020, 2022, 24),    Jahre(2023, 2025, 26),
};

// Health insurance in tenths of a percent, without the members' special 0.9 that applied from
// July 2005 to 2014 (that is the additional rate below). The uniform general rate started in
// 2009 and was lowered for the second half of that year.
constexpr TJahresWert kKVSatzF[] = {
    Jahre(1990, 2008, 0),
    Wechsel(2009, 7, 140, 134),
    Jahre(2010, 2010, 134),
    Jahre(2011, 2025, 140),
};
constexpr TJahresWert kKVSatzG[] = {
    Jahre(1990, 2008, 0),
    Wechsel(2009, 7, 146, 140),
    Jahre(2010, 2010, 140),
    Jahre(2011, 2025, 146),
};

// Employer's flat contributions for marginal employment, tenths of a percent: introduced in
// April 1999, raised in April 2003 and July 2006; private households from April 2003.
constexpr TJahresWert kKVSatzPau[] = {
    Jahre(1990, 1998, 0),       Wechsel(1999, 4, 0, 100), Jahre(2000, 2002, 100),
    Wechsel(2003, 4, 100, 110), Jahre(2004, 2005, 110),   Wechsel(2006, 7, 110, 130),
    Jahre(2007, 2025, 130),
};
constexpr TJahresWert kKVSatzPauPri[] = {
    Jahre(1990, 2002, 0),
    Wechsel(2003, 4, 0, 50),
    Jahre(2004, 2025, 50),
};
constexpr TJahresWert kRVSatzPau[] = {
    Jahre(1990, 1998, 0),       Wechsel(1999, 4, 0, 120), Jahre(2000, 2005, 120),
    Wechsel(2006, 7, 120, 150), Jahre(2007, 2025, 150),
};
constexpr TJahresWert kRVSatzPauPri[] = {
    Jahre(1990, 2002, 0),
    Wechsel(2003, 4, 0, 50),
    Jahre(2004, 2025, 50),
};

// Health insurance, additional rate in hundredths of a percent: the members' 0.9 from July 2005
// to 2014, then the published average additional rate (2018: 1.0).
constexpr TJahresWert kKVSatzZB[] = {
    Jahre(1990, 2004, 0),   Wechsel(2005, 7, 0, 90), Jahre(2006, 2015, 90),  Jahre(2016, 2017, 110),
    Jahre(2018, 2018, 100), Jahre(2019, 2019, 90),   Jahre(2020, 2020, 110), Jahre(2021, 2022, 130),
    Jahre(2023, 2023, 160), Jahre(2024, 2024, 170),  Jahre(2025, 2025, 250),
};

// Care insurance, hundredths of a percent: started in 1995, second stage July 1996.
constexpr TJahresWert kPVSatz[] = {
    Jahre(1990, 1994, 0),   Jahre(1995, 1995, 100),     Wechsel(1996, 7, 100, 170),
    Jahre(1997, 2007, 170), Wechsel(2008, 7, 170, 195), Jahre(2009, 2012, 195),
    Jahre(2013, 2014, 205), Jahre(2015, 2016, 235),     Jahre(2017, 2018, 255),
    Jahre(2019, 2022, 305), Wechsel(2023, 7, 305, 340), Jahre(2024, 2024, 340),
    Jahre(2025, 2025, 360),
};
constexpr TJahresWert kPVSatzKinderlos[] = {
    Jahre(1990, 2004, 0),     Jahre(2005, 2021, 25), Jahre(2022, 2022, 35),
    Wechsel(2023, 7, 35, 60), Jahre(2024, 2025, 60),
};

// Pension insurance, total, in tenths of a percent.
constexpr TJahresWert kRVSatz[] = {
    Jahre(1990, 1990, 187), Wechsel(1991, 4, 187, 177), Jahre(1992, 1992, 177),
    Jahre(1993, 1993, 175), Jahre(1994, 1994, 192),     Jahre(1995, 1995, 186),
    Jahre(1996, 1996, 192), Jahre(1997, 1998, 203),     Wechsel(1999, 4, 203, 195),
    Jahre(2000, 2000, 193), Jahre(2001, 2002, 191),     Jahre(2003, 2006, 195),
    Jahre(2007, 2011, 199), Jahre(2012, 2012, 196),     Jahre(2013, 2014, 189),
    Jahre(2015, 2017, 187), Jahre(2018, 2025, 186),
};

// The published average total social-insurance rate of the transition zone (from April 2003),
// hundredths of a percent.
constexpr TJahresWert kGesamtSVSatz[] = {
    Jahre(1990, 2002, 0),    Jahre(2003, 2003, 4170), Jahre(2004, 2005, 4200),
    Jahre(2006, 2006, 4190), Jahre(2007, 2007, 3910), Jahre(2008, 2008, 3880),
    Jahre(2009, 2009, 4015), Jahre(2010, 2010, 3955), Jahre(2011, 2011, 4035),
    Jahre(2012, 2012, 4005), Jahre(2013, 2014, 3945), Jahre(2015, 2015, 3955),
    Jahre(2016, 2016, 3975), Jahre(2017, 2017, 3995), Jahre(2018, 2018, 3975),
    Jahre(2019, 2019, 3965), Jahre(2020, 2020, 3975), Jahre(2021, 2022, 3995),
    Jahre(2023, 2023, 4045), Jahre(2024, 2024, 4090), Jahre(2025, 2025, 4190),
};

// Rows cover 1990 to 2025 in order, without gaps or overlaps.
constexpr bool Lueckenlos(std::span<const TJahresWert> tabelle)
{
    int naechstesJahr = 1990;
    for (const TJahresWert& zeile : tabelle) {
        if (zeile.vonJahr != naechstesJahr || zeile.bisJahr < zeile.vonJahr)
            return false;
        if (zeile.aenderungsMonat != 0 && (zeile.vonJahr != zeile.bisJahr ||
                                           zeile.aenderungsMonat < 2 || zeile.aenderungsMonat > 12))
            return false;
        naechstesJahr = zeile.bisJahr + 1;
    }
    return naechstesJahr == kLetztesEingebautesJahr + 1;
}
static_assert(Lueckenlos(kAVSatz) && Lueckenlos(kKVSatzF) && Lueckenlos(kKVSatzG) &&
              Lueckenlos(kKVSatzPau) && Lueckenlos(kKVSatzPauPri) && Lueckenlos(kKVSatzZB) &&
              Lueckenlos(kPVSatz) && Lueckenlos(kPVSatzKinderlos) && Lueckenlos(kRVSatz) &&
              Lueckenlos(kRVSatzPau) && Lueckenlos(kRVSatzPauPri) && Lueckenlos(kGesamtSVSatz));

struct TSatzTabelle {
    std::span<const TJahresWert> werte;
    bool hundertstel; // else tenths
};

TSatzTabelle TabelleFuer(TBeitragssatz::Index index)
{
    switch (index) {
    case TBeitragssatz::kAVSatz:
        return {kAVSatz, false};
    case TBeitragssatz::kKVSatzF:
        return {kKVSatzF, false};
    case TBeitragssatz::kKVSatzG:
        return {kKVSatzG, false};
    case TBeitragssatz::kKVSatzPau:
        return {kKVSatzPau, false};
    case TBeitragssatz::kKVSatzPauPri:
        return {kKVSatzPauPri, false};
    case TBeitragssatz::kKVSatzZB:
        return {kKVSatzZB, true};
    case TBeitragssatz::kPVSatz:
        return {kPVSatz, true};
    case TBeitragssatz::kPVSatzKinderlos:
        return {kPVSatzKinderlos, true};
    case TBeitragssatz::kRVSatz:
        return {kRVSatz, false};
    case TBeitragssatz::kRVSatzPau:
        return {kRVSatzPau, false};
    case TBeitragssatz::kRVSatzPauPri:
        return {kRVSatzPauPri, false};
    }
    return {{}, false};
}

} // namespace

double TBeitragssatz::Satz(Index index, int jahr, int monat) const
{
    if (jahr <= kLetztesEingebautesJahr) {
        const TSatzTabelle tabelle = TabelleFuer(index);
        const std::int32_t wert = WertImMonat(tabelle.werte, jahr, monat);
        return tabelle.hundertstel ? Hundertstel(wert) : Zehntel(wert);
    }
    return AktuelleJahreswerte().Beitragssatz(AktuellesJahr(jahr), monat, index);
}

double TBeitragssatz::GesamtSVSatz(int jahr) const
{
    if (jahr <= kLetztesEingebautesJahr)
        return Hundertstel(WertImMonat(kGesamtSVSatz, jahr, 1));
    return AktuelleJahreswerte().GesamtSVSatz(AktuellesJahr(jahr));
}

double TBeitragssatz::Gleitzonenfaktor(int jahr, int monat, bool neueFormel) const
{
    const double gesamt = GesamtSVSatz(jahr);
    if (gesamt == 0.0)
        return 0.0;
    double pauschal = RVSatzPau(jahr, monat) + KVSatzPau(jahr, monat);
    // The flat-rate tax of 2 percent belonged to the formula until the transition zone was
    // reshaped in October 2022; callers may keep the old formula until the end of 2023.
    const bool mitSteuer = GleitzonenStand(jahr, monat) != TGleitzonenStand::kUebergang2022 ||
                           (AlteGleitzonenregelWaehlbar(jahr, monat) && !neueFormel);
    if (mitSteuer)
        pauschal += 2.0;
    return TBeitrag::GleitzonenfaktorRunden(pauschal, gesamt);
}

bool TBeitragssatz::PVKinderabschlag(int jahr, int monat)
{
    return jahr > 2023 || (jahr == 2023 && monat >= 7);
}

bool TBeitragssatz::ZusatzbeitragParitaetisch(int jahr)
{
    return jahr >= 2019;
}

bool TBeitragssatz::PVZuschlagKinderlose(int jahr)
{
    return jahr >= 2005;
}

TBeitragssatz& Beitragssaetze()
{
    static TBeitragssatz saetze;
    return saetze;
}
