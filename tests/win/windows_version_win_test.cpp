#include "common/windows_version_win.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* winver;
    int platformClass;
    bool windows95;
    const char* osName;
    const char* versionLine;
};

// What the detection makes of the records that Wine reports for each
// version it can pretend to be.
const Expected kExpected[] = {
    {"win95", 0, true, "Microsoft Windows 95 ", "Version 4.0  (Build 67109814)"},
    {"win98", 0, false, "Microsoft Windows 98 )SE ", "Version 4.10  (Build 67766446) A "},
    {"nt40", 3, false, "Microsoft Windows NT Professional ", "Version 4.0  (Build 1381)Service Pack 6a"},
    {"winxp", 3, false, "Microsoft Windows XP Professional ", "Version 5.1  (Build 2600)Service Pack 3"},
};

const Expected* expectedForThisPrefix() {
    const char* winver = std::getenv("DORMIVAL_WINVER");
    for (const Expected& e : kExpected)
        if (winver && std::string(winver) == e.winver) return &e;
    return nullptr;
}

TEST(WindowsVersionDetection, MatchesTheVersionThePrefixReports) {
    const Expected* expected = expectedForThisPrefix();
    if (!expected) GTEST_SKIP() << "DORMIVAL_WINVER names no prefix with known expectations";
    ASSERT_TRUE(detectWindowsVersion());
    const WindowsVersion& v = windowsVersion();
    EXPECT_EQ(v.platformClass, expected->platformClass);
    EXPECT_EQ(v.windows95, expected->windows95);
    EXPECT_EQ(v.osName, expected->osName);
    EXPECT_EQ(v.versionLine, expected->versionLine);
}

TEST(WindowsVersionDetection, RunningItAgainGivesTheSameLines) {
    ASSERT_TRUE(detectWindowsVersion());
    const WindowsVersion first = windowsVersion();
    ASSERT_TRUE(detectWindowsVersion());
    EXPECT_EQ(windowsVersion().osName, first.osName);
    EXPECT_EQ(windowsVersion().versionLine, first.versionLine);
    EXPECT_EQ(windowsVersion().platformClass, first.platformClass);
    EXPECT_FALSE(first.versionLine.empty());
}

}  // namespace
