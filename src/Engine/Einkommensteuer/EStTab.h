#pragma once
// The income-tax tariff periods 1988 to 2026 and the factory that picks one by year.
//
// Each class describes its period's zones (EStTab.cpp) and its label; the arithmetic is
// TEStTabBase's. The classes form one chain in the order the tariffs followed each other,
// with one side branch: 1998 and 1999 leave the chain at 1996, and 2000 continues from 1996.
#include "Engine/Einkommensteuer/EStTabBase.h"

#include <cstdint>
#include <memory>
#include <string>

// 1988/89: a linear entry zone, a fourth-degree zone, a quadratic zone, 56 percent on top;
// incomes taxed in 54-DM steps at the lower end of the step.
class TEStTab88 : public TEStTabBase {
public:
    TEStTab88();
    std::string Name() const override { return "1988/89"; }
};

// 1990-95: one linear progression zone less.
class TEStTab90 : public TEStTab88 {
public:
    TEStTab90();
    std::string Name() const override { return "1990-95"; }
};

// 1996/97: two quadratic progression zones; the table starts at the basic allowance.
class TEStTab96 : public TEStTab90 {
public:
    TEStTab96();
    std::string Name() const override { return "1996/97"; }
    double TabellenAnfang() const override;
};

// 1998: higher basic allowance and zone constants.
class TEStTab98 : public TEStTab96 {
public:
    TEStTab98();
    std::string Name() const override { return "1998"; }
};

// 1999: three progression zones.
class TEStTab99 : public TEStTab98 {
public:
    TEStTab99();
    std::string Name() const override { return "1999"; }
};

// 2000: back to two progression zones, 51 percent on top.
class TEStTab00 : public TEStTab96 {
public:
    TEStTab00();
    std::string Name() const override { return "2000"; }
};

// 2001: 48.5 percent on top; incomes taxed at the middle of their 54-DM step.
class TEStTab01 : public TEStTab00 {
public:
    TEStTab01();
    std::string Name() const override { return "2001"; }
};

// 2002/03: the euro tariff, 36-euro steps taxed at their middle.
class TEStTab02 : public TEStTab01 {
public:
    TEStTab02();
    std::string Name() const override { return "2002/03"; }
    double Stufe() const override { return 36; }
    double DMFaktor() const override { return 1.0; }

protected:
    std::int64_t ProgressEinheiten(double progressEinkuenfte, double kurs) const override;
};

// 2004: no more steps, no more cutting of products: every euro is taxed exactly.
class TEStTab04 : public TEStTab02 {
public:
    TEStTab04();
    std::string Name() const override { return "2004"; }
    double TabellenAnfang() const override;
};

// 2005/06: 42 percent on top.
class TEStTab05 : public TEStTab04 {
public:
    TEStTab05();
    std::string Name() const override { return "2005/06"; }
};

// 2007/08: 45 percent above 250,000 euros.
class TEStTab07 : public TEStTab05 {
public:
    TEStTab07();
    std::string Name() const override { return "2007/08"; }
};

// 2009: the five-zone form that every later year keeps, with new limits and constants.
class TEStTab09 : public TEStTab07 {
public:
    TEStTab09();
    std::string Name() const override { return "2009"; }
};

// From here on each year only moves the basic allowance, the zone limits and the constants.
class TEStTab10 : public TEStTab09 {
public:
    TEStTab10();
    std::string Name() const override { return "2010-12"; }
};

class TEStTab13 : public TEStTab10 {
public:
    TEStTab13();
    std::string Name() const override { return "2013"; }
};

class TEStTab14 : public TEStTab13 {
public:
    TEStTab14();
    std::string Name() const override { return "2014"; }
};

class TEStTab15 : public TEStTab14 {
public:
    TEStTab15();
    std::string Name() const override { return "2015"; }
};

class TEStTab16 : public TEStTab15 {
public:
    TEStTab16();
    std::string Name() const override { return "2016"; }
};

class TEStTab17 : public TEStTab16 {
public:
    TEStTab17();
    std::string Name() const override { return "2017"; }
};

class TEStTab18 : public TEStTab17 {
public:
    TEStTab18();
    std::string Name() const override { return "2018"; }
};

class TEStTab19 : public TEStTab18 {
public:
    TEStTab19();
    std::string Name() const override { return "2019"; }
};

class TEStTab20 : public TEStTab19 {
public:
    TEStTab20();
    std::string Name() const override { return "2020"; }
};

class TEStTab21 : public TEStTab20 {
public:
    TEStTab21();
    std::string Name() const override { return "2021"; }
};

// 2022 as first enacted; the factory uses the amended tariff below.
class TEStTab22 : public TEStTab21 {
public:
    TEStTab22();
    std::string Name() const override { return "2022"; }
};

// 2022 amended during the year: higher basic allowance, retroactive for the whole year.
class TEStTab22geaendert : public TEStTab22 {
public:
    TEStTab22geaendert();
};

class TEStTab23 : public TEStTab22geaendert {
public:
    TEStTab23();
    std::string Name() const override { return "2023"; }
};

class TEStTab24 : public TEStTab23 {
public:
    TEStTab24();
    std::string Name() const override { return "2024"; }
};

// 2025 as first enacted: the tariff of 2024 unchanged; the factory uses the amended tariff.
class TEStTab25 : public TEStTab24 {
public:
    std::string Name() const override { return "2025"; }
};

class TEStTab25geaendert : public TEStTab25 {
public:
    TEStTab25geaendert();
};

class TEStTab26 : public TEStTab25geaendert {
public:
    TEStTab26();
    std::string Name() const override { return "2026"; }
};

// The tariff of an assessment year from 1988 to 2026; any other year throws Exception.
std::unique_ptr<TEStTabBase> CreateEStTab(std::uint16_t jahr);
