#pragma once
// The tariff periods 1990 to 2009: the first links of the class chain.
//
// These classes carry what the tariff object itself needs of them (display name, tariff
// currency, table steps, the indexed extras of their years). Their computations override
// TLStTabBase::Berechnen and the steps of their years class by class; until a year has its own,
// the base only checks the tax class and answers zero results. TLStTab10 brings every step of
// the computation that the years from 2010 on use, so later years never depend on these.
#include "Engine/LStTabBase.h"

class TLStTab90 : public TLStTabBase {
public:
    std::string Name() const override { return "1990/91"; }
};

class TLStTab92 : public TLStTab90 {
public:
    std::string Name() const override { return "1992"; }
};

// From 1993 the employee lump sum of the last computation can be asked for as well.
class TLStTab93 : public TLStTab92 {
public:
    std::string Name() const override { return "1993"; }
    double GetValue(int index) override;
};

class TLStTab94 : public TLStTab93 {
public:
    std::string Name() const override { return "1994"; }
};

class TLStTab95 : public TLStTab94 {
public:
    std::string Name() const override { return "1995"; }
};

class TLStTab96 : public TLStTab95 {
public:
    std::string Name() const override { return "1996"; }
};

class TLStTab97 : public TLStTab96 {
public:
    std::string Name() const override { return "1997"; }
};

class TLStTab98 : public TLStTab97 {
public:
    std::string Name() const override { return "1998"; }
};

class TLStTab99 : public TLStTab98 {
public:
    std::string Name() const override { return "1999"; }
};

class TLStTab00 : public TLStTab99 {
public:
    std::string Name() const override { return "2000"; }
};

// 2001: the table starts at 5400 and ends one step short.
class TLStTab01 : public TLStTab00 {
public:
    std::string Name() const override { return "2001"; }
    double TabellenEnde() override;

protected:
    double TabellenAnfangJahresbetrag() const override { return 5400; }
};

// 2002 and 2003: euro tariff with table steps of 36 euros.
class TLStTab02 : public TLStTab01 {
public:
    std::string Name() const override { return "2002/03"; }
    double DMFaktor() const override { return 1.0; }

protected:
    double Tabellenkonstante() const override;
    double TabellenAnfangJahresbetrag() const override { return 3600; }
};

// From 2004 the table steps are fixed euro amounts and the 54-DM rounding is gone.
class TLStTab04 : public TLStTab02 {
public:
    std::string Name() const override { return "2004"; }
    double TabellenAnfang() override;
    double TabellenSchritt() override;

protected:
    long double UPRUND54(long double x) override;
    double TabellenAnfangJahresbetrag() const override { return 100; }
};

class TLStTab05 : public TLStTab04 {
public:
    std::string Name() const override { return "2005"; }
};

class TLStTab06 : public TLStTab05 {
public:
    std::string Name() const override { return "2006"; }
};

class TLStTab07 : public TLStTab06 {
public:
    std::string Name() const override { return "2007"; }
};

// From 2008 the pension-insurance kind is kept as given (2: no statutory pension insurance) and
// the period amounts of the old-age relief and pension allowance come from annual amounts.
class TLStTab08 : public TLStTab07 {
public:
    std::string Name() const override { return "2008"; }
    void SetInt(int index, std::int32_t wert) override;
    double AltersentlastungsbetragZeitraum() override;
    double VersorgungsfreibetragZeitraum() override;
};

class TLStTab09 : public TLStTab08 {
public:
    std::string Name() const override { return "2009"; }
};

// 2009 as amended in the spring (lower entry rate); the factory never creates TLStTab09.
class TLStTab09a : public TLStTab09 {
public:
    std::string Name() const override { return "2009"; }
};
