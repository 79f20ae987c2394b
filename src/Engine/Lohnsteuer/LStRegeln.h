#pragma once
// The wage-tax rules that the pages and the table window show by year, each answered at the year
// the law changed it, so that no window compares years itself.

// From 2004 the wage tax is computed on the pay itself, no longer on the table's pay steps.
inline bool LohnsteuerOhneStufen(int jahr)
{
    return jahr >= 2004;
}

// From 2005 the allowance for pensions depends on the year the pension began and the months it
// is paid (section 19 (2) EStG as of the retirement-income reform).
inline bool VersorgungsbeginnMassgeblich(int jahr)
{
    return jahr >= 2005;
}

// The allowance of a pension that began in 2005 or later is measured on its first full month's
// payment, that of an older one on the payment for January 2005.
inline bool VersorgungsbezugErsterVollerMonat(int versorgungsbeginn)
{
    return versorgungsbeginn >= 2005;
}

// From 2005 the relief for age depends on the year the employee turned 64 (section 24a EStG),
// so it needs the birth date.
inline bool AltersentlastungNachGeburtsjahr(int jahr)
{
    return jahr >= 2005;
}

// From 2026 the private health and care contributions are those established or certified for
// the wage tax, and the employer's subsidy to them is entered apart.
inline bool PrivateKVBeitraegeBescheinigt(int jahr)
{
    return jahr >= 2026;
}
