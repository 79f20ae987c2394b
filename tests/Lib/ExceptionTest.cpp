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
