// Cases of 2006 to 2009 against the official flow charts of those years: the expected results
// come from an exact decimal evaluation of each year's published flow chart, independent of the
// tariff classes.
#include "Engine/Lohnsteuer/LStLib.h"

#include "LStFall.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AblaufFall {
    int jahr;
    const char* eingabe;
    const char* erwartet;
};

const AblaufFall kFaelle[] = {
    {2006, "STKL=1 LZZ=2 RE4=300000 R=1",
     "LSTLZZ=55708 SOLZLZZ=3063 BK=55708 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2006, "STKL=3 LZZ=3 RE4=95000 ZKF=2 KRV=1",
     "LSTLZZ=13716 SOLZLZZ=417 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2006,
     "STKL=1 LZZ=4 RE4=20875 ZKF=1 ALTER1=1 AJAHR=2006 VBEZ=20194 VBEZM=605820 VJAHR=2004 R=1",
     "LSTLZZ=5533 SOLZLZZ=267 BK=4855 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2006, "STKL=2 LZZ=1 RE4=4800000 ZKF=1 JRE4=4800000 SONSTB=500000 VMT=1500000 R=1",
     "LSTLZZ=1037900 SOLZLZZ=45413 BK=825700 STS=190400 SOLZS=10472 BKS=190400 STV=597000 "
     "SOLZV=32835 BKV=597000"},
    {2006, "STKL=5 LZZ=2 RE4=410000",
     "LSTLZZ=143050 SOLZLZZ=7867 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2006, "STKL=4 LZZ=2 RE4=250000 KRV=1 ZKF=0.5 R=1",
     "LSTLZZ=41991 SOLZLZZ=2106 BK=38308 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2007, "STKL=1 LZZ=2 RE4=300000 R=1",
     "LSTLZZ=55266 SOLZLZZ=3039 BK=55266 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2007,
     "STKL=1 LZZ=4 RE4=20875 ZKF=3 ALTER1=1 AJAHR=2006 VBEZ=20194 VBEZM=605820 VJAHR=2004 R=1",
     "LSTLZZ=5500 SOLZLZZ=191 BK=3476 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2007, "STKL=6 LZZ=1 RE4=30000000",
     "LSTLZZ=12588800 SOLZLZZ=692384 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2007, "STKL=1 LZZ=2 RE4=300000 JRE4=3600000 SONSTB=-100000 R=1",
     "LSTLZZ=55266 SOLZLZZ=3039 BK=55266 STS=-31900 SOLZS=-1754 BKS=-31900 STV=0 SOLZV=0 BKV=0"},
    {2007, "STKL=3 LZZ=1 RE4=6000000 JRE4=6000000 VMT=2000000 VKAPA=-5000",
     "LSTLZZ=984600 SOLZLZZ=54153 BK=0 STS=0 SOLZS=0 BKS=0 STV=608000 SOLZV=33440 BKV=0"},
    {2007, "STKL=2 LZZ=3 RE4=70000 VBEZ=30000 VBEZM=130000 VJAHR=2007 LZZFREIB=5000 R=1",
     "LSTLZZ=8331 SOLZLZZ=458 BK=8331 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2008, "STKL=1 LZZ=3 RE4=70000 R=1",
     "LSTLZZ=12802 SOLZLZZ=704 BK=12802 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2008, "STKL=4 LZZ=2 RE4=520000 KRV=2 ZKF=1 R=1",
     "LSTLZZ=142100 SOLZLZZ=7256 BK=131933 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2008, "STKL=1 LZZ=2 RE4=274236 JRE4=1589174 SONSTB=-54600 VMT=2614904",
     "LSTLZZ=46816 SOLZLZZ=2574 BK=0 STS=0 SOLZS=0 BKS=0 STV=605000 SOLZV=33275 BKV=0"},
    {2008,
     "STKL=1 LZZ=1 RE4=5000000 VBEZ=2000000 VBEZM=166667 ZMVB=12 VJAHR=2008 JRE4=5000000 "
     "JVBEZ=2000000 SONSTB=300000 VBS=100000 R=1",
     "LSTLZZ=1014900 SOLZLZZ=55819 BK=1014900 STS=111100 SOLZS=6110 BKS=111100 STV=0 SOLZV=0 "
     "BKV=0"},
    {2008, "STKL=5 LZZ=2 RE4=2000000",
     "LSTLZZ=820616 SOLZLZZ=45133 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2008, "STKL=3 LZZ=4 RE4=15000 ALTER1=1 AJAHR=2008 R=1",
     "LSTLZZ=2102 SOLZLZZ=115 BK=2102 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2009, "STKL=1 LZZ=2 RE4=300000 R=1",
     "LSTLZZ=53533 SOLZLZZ=2944 BK=53533 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2009, "STKL=6 LZZ=1 RE4=25000000",
     "LSTLZZ=10333000 SOLZLZZ=568315 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2009, "STKL=1 LZZ=1 RE4=50050",
     "LSTLZZ=0 SOLZLZZ=0 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2009, "STKL=2 LZZ=2 RE4=200000 JRE4=2400000 VMT=3000000 VKAPA=200000 R=1",
     "LSTLZZ=21583 SOLZLZZ=1187 BK=21583 STS=0 SOLZS=0 BKS=0 STV=786200 SOLZV=43241 BKV=786200"},
    {2009, "STKL=4 LZZ=3 RE4=60000 ZKF=1.5 KRV=1",
     "LSTLZZ=10107 SOLZLZZ=411 BK=0 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
    {2009, "STKL=1 LZZ=2 RE4=100000 JRE4=1200000 JFREIB=2000000 VMT=1000000 R=1",
     "LSTLZZ=991 SOLZLZZ=0 BK=991 STS=0 SOLZS=0 BKS=0 STV=0 SOLZV=0 BKV=0"},
};

class LStAblaufplanTest : public testing::TestWithParam<AblaufFall> {};

TEST_P(LStAblaufplanTest, AgreesToTheCent)
{
    const AblaufFall& f = GetParam();
    TLStFallWerte werte;
    TLStFallWerte erwartet;
    std::string fehler;
    ASSERT_TRUE(LiesFallZeile(f.eingabe, werte, fehler)) << fehler;
    ASSERT_TRUE(LiesFallZeile(f.erwartet, erwartet, fehler)) << fehler;
    auto tab = CreateLStTab(static_cast<std::uint16_t>(f.jahr), 1);
    const TLStFallErgebnis e = BerechneFall(*tab, f.jahr, 1, werte);
    const std::pair<const char*, double> ist[] = {
        {"LSTLZZ", e.LSTLZZ}, {"SOLZLZZ", e.SOLZLZZ}, {"BK", e.BK},
        {"STS", e.STS},       {"SOLZS", e.SOLZS},     {"BKS", e.BKS},
        {"STV", e.STV},       {"SOLZV", e.SOLZV},     {"BKV", e.BKV}};
    for (const auto& [name, wert] : ist)
        EXPECT_EQ(wert, erwartet.at(name)) << f.jahr << " " << f.eingabe << ": " << name;
}

INSTANTIATE_TEST_SUITE_P(LStTab06, LStAblaufplanTest, testing::ValuesIn(kFaelle),
                         [](const auto& i) {
                             return "j" + std::to_string(i.param.jahr) + "_" +
                                    std::to_string(i.index);
                         });

} // namespace
