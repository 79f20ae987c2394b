#include "Lib/Exception.h"

#include <gtest/gtest.h>

#include <string>

TEST(VtAssert, ThrowsWithTextFileAndLine)
{
    try {
        VT_ASSERT(1 + 1 == 3, "Rechnung falsch");
        FAIL() << "no exception";
    } catch (const Exception& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("Rechnung falsch"), std::string::npos) << what;
        EXPECT_NE(what.find("ExceptionTest.cpp"), std::string::npos) << what;
    }
}

TEST(VtAssert, SilentWhenTrue)
{
    EXPECT_NO_THROW(VT_ASSERT(true, "nie"));
}

TEST(FehlerSammlung, EveryStepRunsAndOneExceptionListsTheFailures)
{
    TFehlerSammlung leer;
    leer.Versuche([] {});
    EXPECT_NO_THROW(leer.Werfen("Einleitung:"));

    // A single failure is raised as it was: its kind stays for the caller.
    struct EEigene : Exception {
        using Exception::Exception;
    };
    TFehlerSammlung eine;
    eine.Versuche([] { throw EEigene("nach a.ini kann nicht geschrieben werden"); });
    eine.Versuche([] {});
    try {
        eine.Werfen("Einleitung:");
        FAIL() << "no exception";
    } catch (const EEigene& e) {
        EXPECT_STREQ(e.what(), "nach a.ini kann nicht geschrieben werden") << "its own words";
    }

    TFehlerSammlung mehrere;
    int gelaufen = 0;
    mehrere.Versuche([&] {
        ++gelaufen;
        TFehlerSammlung innen;
        innen.Versuche([] { throw Exception("a"); });
        innen.Versuche([] { throw Exception("b"); });
        innen.Werfen("innen:");
    });
    mehrere.Versuche([&] { ++gelaufen; });
    mehrere.Versuche([&] {
        ++gelaufen;
        throw std::runtime_error("c");
    });
    EXPECT_EQ(gelaufen, 3);
    try {
        mehrere.Werfen("Einleitung:");
        FAIL() << "no exception";
    } catch (const EFehlerListe& e) {
        EXPECT_EQ(e.Meldungen(), (std::vector<std::string>{"a", "b", "c"}));
        EXPECT_STREQ(e.what(), "Einleitung:\n\na\n\nb\n\nc");
    }
}
