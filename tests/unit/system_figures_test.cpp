#include "systools/system_figures.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(ResourceTexts, EightEntriesInMenuOrder) {
    MemoryFigures f;
    f.memoryLoad = 42;
    f.totalPhysical = 2048 * 1024 + 1023;  // KB truncate
    f.availablePhysical = 1024;
    f.totalPageFile = 6ull * 1024 * 1024 * 1024;  // beyond 32 bits
    f.availablePageFile = 0;
    f.totalVirtual = 2047ull * 1024 * 1024 + 1048575;  // MB truncate
    f.availableVirtual = 100 * 1024 * 1024;
    f.swapFileBytes = 96ull * 1024 * 1024;
    const auto en = resourceTexts(f, false);
    EXPECT_EQ(en[0], "% memory utilization : 42");
    EXPECT_EQ(en[1], "physical memory (KB) : 2048");
    EXPECT_EQ(en[2], "physical memory available (KB) : 1");
    EXPECT_EQ(en[3], "number of bytes paging file (KB) : 6291456");
    EXPECT_EQ(en[4], " number of bytes available in the paging file (KB) : 0");
    EXPECT_EQ(en[5], "virtual address space of the calling process (MB) : 2047");
    EXPECT_EQ(en[6], "free virtual address space (MB): 100");
    EXPECT_EQ(en[7], "Size of Swap-File (MB) : 96");
    const auto de = resourceTexts(f, true);
    EXPECT_EQ(de[0], "% am benutztem Speicher : 42");
    EXPECT_EQ(de[3], "Gr\xF6\xDF" "e der Paging Datei (KB) : 6291456");
    EXPECT_EQ(de[6], "Virtueller Speicher frei (MB): 100");
}

TEST(ResourceTexts, NoSwapFileLeavesTheNumberEmpty) {
    const MemoryFigures none;
    EXPECT_EQ(resourceTexts(none, false)[7], "Size of Swap-File (MB) : ");
    EXPECT_EQ(resourceTexts(none, true)[7], "Groesse der Swap-Datei (MB) : ");
}

TEST(ClockRate, LowThirtyTwoBitsOverHalfASecond) {
    EXPECT_EQ(clockRateMhz(1000, 1000 + 1'500'000'000ull), 3000u);
    EXPECT_EQ(clockRateMhz(0, 499'999), 0u);
    // a difference beyond 32 bits keeps only its low part
    EXPECT_EQ(clockRateMhz(0, (1ull << 32) + 500'000'000ull), 1000u);
    // a counter that wrapped between the readings still gives the rate
    EXPECT_EQ(clockRateMhz(~0ull - 99, 500'000'000ull - 100), 1000u);
    EXPECT_EQ(clockRateText(3000u, false), "Clockrate (MHZ) : 3000");
    EXPECT_EQ(clockRateText(3000u, true), "Taktrate in MHZ : 3000");
    EXPECT_EQ(clockRateText(std::nullopt, false), "Clockrate (MHZ) : ");
}

TEST(RuntimeText, PaddedFieldsAndUnlimitedHours) {
    EXPECT_EQ(runtimeText(59'999, false), "windows runtime : 00:00:59");
    EXPECT_EQ(runtimeText(0, true), "Systemlaufzeit : 00:00:00");
    EXPECT_EQ(runtimeText((27 * 3600 + 46 * 60 + 40) * 1000u, false), "windows runtime : 27:46:40");
    EXPECT_EQ(runtimeText(3600'000u * 9 + 600'000u, false), "windows runtime : 09:10:00");
    // past 24.8 days the signed count would turn negative; 49.7 days is the end
    EXPECT_EQ(runtimeText(4'294'967'295u, false), "windows runtime : 1193:02:47");
}

class BootInstant : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("TZ", "UTC", 1);
        tzset();
    }
};

TEST_F(BootInstant, NowMinusTheUptimeInLocalTime) {
    const std::time_t now = 1'796'731'200;  // Tue Dec 08 12:00:00 2026 UTC
    EXPECT_EQ(bootInstantText(now, 0), "SystemBoot : Tue Dec 08 12:00:00 2026\n");
    EXPECT_EQ(bootInstantText(now, 59'999), "SystemBoot : Tue Dec 08 11:59:01 2026\n");
    // the longest uptime the counter holds: 49 days 17 hours earlier, in the past
    EXPECT_EQ(bootInstantText(now, 4'294'967'295u), "SystemBoot : Mon Oct 19 18:57:13 2026\n");
    // the day is two digits
    EXPECT_EQ(bootInstantText(now - 6 * 86400, 0), "SystemBoot : Wed Dec 02 12:00:00 2026\n");
}

TEST_F(BootInstant, FollowsTheTimeZone) {
    setenv("TZ", "CET-1", 1);
    tzset();
    EXPECT_EQ(bootInstantText(1'796'731'200, 0), "SystemBoot : Tue Dec 08 13:00:00 2026\n");
}

}  // namespace
