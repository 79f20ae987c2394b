#include "Engine/Einkommensteuer/EStTab.h"

#include "Lib/Exception.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>

// The zones of each tariff as the statute writes them: the last income of each zone, then its
// formula's constants (a and c in hundredths, rates in thousandths, subtrahends in hundredths).
// Up to 2003 a zone is chosen by the income before step rounding and taxes the step income.

namespace {

constexpr std::int64_t kOffen = std::numeric_limits<std::int64_t>::max();

constexpr TEStZone Frei(std::int64_t ende)
{
    return {ende, TEStZonenArt::Frei, 0, 0, 0, 0, 0, 0};
}

constexpr TEStZone Linear(std::int64_t ende, std::int64_t satz, std::int64_t abzug)
{
    return {ende, TEStZonenArt::Linear, 0, 0, 0, 0, satz, abzug};
}

constexpr TEStZone Quadrat(std::int64_t ende, std::int64_t basis, std::int64_t a, std::int64_t b,
                           std::int64_t c)
{
    return {ende, TEStZonenArt::Quadrat, basis, a, b, c, 0, 0};
}

constexpr TEStZone kZonen88[] = {
    Frei(4752),
    Linear(18000, 220, 104500),
    {80027, TEStZonenArt::Polynom88, 17982, 0, 0, 0, 0, 0},
    Quadrat(130000, 79974, 7000, 4900, 2697400),
    Linear(kOffen, 560, 1956100),
};

constexpr TEStZone kZonen90[] = {
    Frei(5616),
    Linear(8150, 190, 106700),
    Quadrat(120000, 8100, 15194, 1900, 47200),
    Linear(kOffen, 530, 2284200),
};

constexpr TEStZone kZonen96[] = {
    Frei(12095),
    Quadrat(55727, 12042, 8663, 2590, 0),
    Quadrat(120041, 55674, 15191, 3346, 1294900),
    Linear(kOffen, 530, 2284200),
};

constexpr TEStZone kZonen98[] = {
    Frei(12365),
    Quadrat(58600, 12312, 9119, 2590, 0),
    Quadrat(120000, 58590, 15196, 3434, 1393800),
    Linear(kOffen, 530, 2284300),
};

constexpr TEStZone kZonen99[] = {
    Frei(13067),
    Quadrat(17063, 13014, 35035, 2390, 0),
    Quadrat(66365, 17010, 10131, 2670, 101100),
    Quadrat(120041, 66312, 15193, 3669, 1663700),
    Linear(kOffen, 530, 2288600),
};

constexpr TEStZone kZonen00[] = {
    Frei(13499),
    Quadrat(17495, 13446, 26276, 2290, 0),
    Quadrat(114695, 17442, 13374, 2500, 95700),
    Linear(kOffen, 510, 2057500),
};

constexpr TEStZone kZonen01[] = {
    Frei(14093),
    Quadrat(18089, 14040, 38789, 1990, 0),
    Quadrat(107567, 18036, 14249, 2300, 85700),
    Linear(kOffen, 485, 1929900),
};

constexpr TEStZone kZonen02[] = {
    Frei(7235),
    Quadrat(9251, 7200, 76885, 1990, 0),
    Quadrat(55007, 9216, 27865, 2300, 43200),
    Linear(kOffen, 485, 987200),
};

constexpr TEStZone kZonen04[] = {
    Frei(7664),
    Quadrat(12739, 7664, 79310, 1600, 0),
    Quadrat(52151, 12739, 26578, 2405, 101600),
    Linear(kOffen, 450, 884500),
};

constexpr TEStZone kZonen05[] = {
    Frei(7664),
    Quadrat(12739, 7664, 88374, 1500, 0),
    Quadrat(52151, 12739, 22874, 2397, 98900),
    Linear(kOffen, 420, 791400),
};

constexpr TEStZone kZonen07[] = {
    Frei(7664),
    Quadrat(12739, 7664, 88374, 1500, 0),
    Quadrat(52151, 12739, 22874, 2397, 98900),
    Linear(250000, 420, 791400),
    Linear(kOffen, 450, 1541400),
};

// From 2009 every tariff has five zones: basic allowance G, (a2 y + 1400) y,
// (a3 z + 2397) z + c3, 42 percent less s4, 45 percent less s5.
struct TFuenfZonen {
    std::int64_t g, ende2, a2, ende3, basis3, a3, c3, ende4, s4, s5;
};

constexpr std::array<TEStZone, 5> FuenfZonen(const TFuenfZonen& t)
{
    return {Frei(t.g), Quadrat(t.ende2, t.g, t.a2, 1400, 0),
            Quadrat(t.ende3, t.basis3, t.a3, 2397, t.c3), Linear(t.ende4, 420, t.s4),
            Linear(kOffen, 450, t.s5)};
}

constexpr auto kZonen09 =
    FuenfZonen({7834, 13139, 93968, 52551, 13139, 22874, 100700, 250400, 806400, 1557600});
constexpr auto kZonen10 =
    FuenfZonen({8004, 13469, 91217, 52881, 13469, 22874, 103800, 250730, 817200, 1569400});
constexpr auto kZonen13 =
    FuenfZonen({8130, 13469, 93370, 52881, 13469, 22874, 101400, 250730, 819600, 1571800});
constexpr auto kZonen14 =
    FuenfZonen({8354, 13469, 97458, 52881, 13469, 22874, 97100, 250730, 823900, 1576100});
constexpr auto kZonen15 =
    FuenfZonen({8472, 13469, 99760, 52881, 13469, 22874, 94868, 250730, 826129, 1578319});
constexpr auto kZonen16 =
    FuenfZonen({8652, 13670, 99362, 53666, 13669, 22540, 95248, 254447, 839414, 1602752});
// The 45-percent zone of 2017 starts above 256,303 euros; with the limit of 2016 the tax
// would drop by up to 55 euros just above 254,447.
constexpr auto kZonen17 =
    FuenfZonen({8820, 13770, 100727, 54058, 13769, 22376, 93957, 256303, 847544, 1616453});
constexpr auto kZonen18 =
    FuenfZonen({9000, 13996, 99780, 54949, 13996, 22013, 94849, 260532, 862175, 1643770});
constexpr auto kZonen19 =
    FuenfZonen({9168, 14254, 98014, 55960, 14254, 21616, 96558, 265326, 878090, 1674068});
constexpr auto kZonen20 =
    FuenfZonen({9408, 14532, 97287, 57051, 14532, 21202, 97279, 270500, 896374, 1707874});
constexpr auto kZonen21 =
    FuenfZonen({9744, 14753, 99521, 57918, 14753, 20885, 95096, 274612, 913663, 1737499});
constexpr auto kZonen22 =
    FuenfZonen({9984, 14926, 100870, 58596, 14926, 20643, 93824, 277825, 926753, 1760228});
constexpr auto kZonen22geaendert =
    FuenfZonen({10347, 14926, 108867, 58596, 14926, 20643, 86932, 277825, 933645, 1767120});
constexpr auto kZonen23 =
    FuenfZonen({10908, 15999, 97918, 62809, 15999, 19259, 96653, 277825, 997298, 1830773});
constexpr auto kZonen24 =
    FuenfZonen({11784, 17005, 95480, 66760, 17005, 18119, 99121, 277825, 1063631, 1897106});
constexpr auto kZonen25geaendert =
    FuenfZonen({12096, 17443, 93230, 68480, 17443, 17664, 101513, 277825, 1091192, 1924667});
constexpr auto kZonen26 =
    FuenfZonen({12348, 17799, 91451, 69878, 17799, 17310, 103487, 277825, 1113563, 1947038});

} // namespace

TEStTab88::TEStTab88()
{
    m_grundfreibetrag = 4752;
    m_zonen = kZonen88;
}

TEStTab90::TEStTab90()
{
    m_grundfreibetrag = 5616;
    m_zonen = kZonen90;
}

TEStTab96::TEStTab96()
{
    m_grundfreibetrag = 12095;
    m_zonen = kZonen96;
}

double TEStTab96::TabellenAnfang() const
{
    return static_cast<double>(m_grundfreibetrag);
}

TEStTab98::TEStTab98()
{
    m_grundfreibetrag = 12365;
    m_zonen = kZonen98;
}

TEStTab99::TEStTab99()
{
    m_grundfreibetrag = 13067;
    m_zonen = kZonen99;
}

TEStTab00::TEStTab00()
{
    m_grundfreibetrag = 13499;
    m_zonen = kZonen00;
}

TEStTab01::TEStTab01()
{
    m_grundfreibetrag = 14093;
    m_stufenMitte = 27;
    m_zonen = kZonen01;
}

TEStTab02::TEStTab02()
{
    m_grundfreibetrag = 7235;
    m_stufenBreite = 36;
    m_stufenMitte = 18;
    m_zonen = kZonen02;
}

std::int64_t TEStTab02::ProgressEinheiten(double progressEinkuenfte, double kurs) const
{
    // From 2002 the progression income is cut to whole euros like every other income.
    return Einheiten(progressEinkuenfte, kurs);
}

TEStTab04::TEStTab04()
{
    m_grundfreibetrag = 7664;
    m_stufenBreite = 1;
    m_stufenMitte = 0;
    m_tausendstel = false;
    m_zonen = kZonen04;
}

double TEStTab04::TabellenAnfang() const
{
    // The table view keeps its 36-euro rows, ending just below the first taxed income.
    const auto stufe = static_cast<std::int64_t>(Stufe());
    return static_cast<double>((m_grundfreibetrag + 1) / stufe * stufe - 1);
}

TEStTab05::TEStTab05()
{
    m_zonen = kZonen05;
}

TEStTab07::TEStTab07()
{
    m_zonen = kZonen07;
}

TEStTab09::TEStTab09()
{
    m_grundfreibetrag = 7834;
    m_zonen = kZonen09;
}

TEStTab10::TEStTab10()
{
    m_grundfreibetrag = 8004;
    m_zonen = kZonen10;
}

TEStTab13::TEStTab13()
{
    m_grundfreibetrag = 8130;
    m_zonen = kZonen13;
}

TEStTab14::TEStTab14()
{
    m_grundfreibetrag = 8354;
    m_zonen = kZonen14;
}

TEStTab15::TEStTab15()
{
    m_grundfreibetrag = 8472;
    m_zonen = kZonen15;
}

TEStTab16::TEStTab16()
{
    m_grundfreibetrag = 8652;
    m_zonen = kZonen16;
}

TEStTab17::TEStTab17()
{
    m_grundfreibetrag = 8820;
    m_zonen = kZonen17;
}

TEStTab18::TEStTab18()
{
    m_grundfreibetrag = 9000;
    m_zonen = kZonen18;
}

TEStTab19::TEStTab19()
{
    m_grundfreibetrag = 9168;
    m_zonen = kZonen19;
}

TEStTab20::TEStTab20()
{
    m_grundfreibetrag = 9408;
    m_zonen = kZonen20;
}

TEStTab21::TEStTab21()
{
    m_grundfreibetrag = 9744;
    m_zonen = kZonen21;
}

TEStTab22::TEStTab22()
{
    m_grundfreibetrag = 9984;
    m_zonen = kZonen22;
}

TEStTab22geaendert::TEStTab22geaendert()
{
    m_grundfreibetrag = 10347;
    m_zonen = kZonen22geaendert;
}

TEStTab23::TEStTab23()
{
    m_grundfreibetrag = 10908;
    m_zonen = kZonen23;
}

TEStTab24::TEStTab24()
{
    m_grundfreibetrag = 11784;
    m_zonen = kZonen24;
}

TEStTab25geaendert::TEStTab25geaendert()
{
    m_grundfreibetrag = 12096;
    m_zonen = kZonen25geaendert;
}

TEStTab26::TEStTab26()
{
    m_grundfreibetrag = 12348;
    m_zonen = kZonen26;
}

std::unique_ptr<TEStTabBase> CreateEStTab(std::uint16_t jahr)
{
    switch (jahr) {
    case 1988:
    case 1989:
        return std::make_unique<TEStTab88>();
    case 1990:
    case 1991:
    case 1992:
    case 1993:
    case 1994:
    case 1995:
        return std::make_unique<TEStTab90>();
    case 1996:
    case 1997:
        return std::make_unique<TEStTab96>();
    case 1998:
        return std::make_unique<TEStTab98>();
    case 1999:
        return std::make_unique<TEStTab99>();
    case 2000:
        return std::make_unique<TEStTab00>();
    case 2001:
        return std::make_unique<TEStTab01>();
    case 2002:
    case 2003:
        return std::make_unique<TEStTab02>();
    case 2004:
        return std::make_unique<TEStTab04>();
    case 2005:
    case 2006:
        return std::make_unique<TEStTab05>();
    case 2007:
    case 2008:
        return std::make_unique<TEStTab07>();
    case 2009:
        return std::make_unique<TEStTab09>();
    case 2010:
    case 2011:
    case 2012:
        return std::make_unique<TEStTab10>();
    case 2013:
        return std::make_unique<TEStTab13>();
    case 2014:
        return std::make_unique<TEStTab14>();
    case 2015:
        return std::make_unique<TEStTab15>();
    case 2016:
        return std::make_unique<TEStTab16>();
    case 2017:
        return std::make_unique<TEStTab17>();
    case 2018:
        return std::make_unique<TEStTab18>();
    case 2019:
        return std::make_unique<TEStTab19>();
    case 2020:
        return std::make_unique<TEStTab20>();
    case 2021:
        return std::make_unique<TEStTab21>();
    case 2022:
        return std::make_unique<TEStTab22geaendert>();
    case 2023:
        return std::make_unique<TEStTab23>();
    case 2024:
        return std::make_unique<TEStTab24>();
    case 2025:
        return std::make_unique<TEStTab25geaendert>();
    case 2026:
        return std::make_unique<TEStTab26>();
    default:
        break;
    }
    char text[96];
    std::snprintf(text, sizeof text, "ESt-Tabelle für das Jahr %d konnte nicht erstellt werden.",
                  static_cast<int>(jahr));
    throw Exception(text);
}
