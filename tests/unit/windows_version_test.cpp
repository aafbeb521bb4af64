#include "common/windows_version.h"

#include <gtest/gtest.h>

namespace {

VersionRecord nine(unsigned minor, unsigned build, const char* servicePack) {
    VersionRecord r;
    r.extended = false;
    r.platformId = platform::kWindows9x;
    r.major = 4;
    r.minor = minor;
    r.build = build;
    r.servicePack = servicePack;
    return r;
}

VersionRecord nt(unsigned major, unsigned minor, unsigned productType, unsigned suites = 0,
                 const char* servicePack = "") {
    VersionRecord r;
    r.extended = true;
    r.platformId = platform::kNT;
    r.major = major;
    r.minor = minor;
    r.build = 2600;
    r.servicePack = servicePack;
    r.productType = productType;
    r.suiteMask = suites;
    return r;
}

TEST(WindowsVersion, Windows9xFamily) {
    WindowsVersion v = decideWindowsVersion(nine(0, 950, ""), 3, "");
    EXPECT_EQ(v.platformClass, 0);
    EXPECT_TRUE(v.windows95);
    EXPECT_EQ(v.osName, "Microsoft Windows 95 ");

    EXPECT_EQ(decideWindowsVersion(nine(0, 1111, " B"), 0, "").osName, "Microsoft Windows 95 OSR2 ");
    EXPECT_EQ(decideWindowsVersion(nine(0, 1212, " C"), 0, "").osName, "Microsoft Windows 95 OSR2 ");
    // the letter must be the second character
    EXPECT_EQ(decideWindowsVersion(nine(0, 1212, "C"), 0, "").osName, "Microsoft Windows 95 ");

    v = decideWindowsVersion(nine(10, 0x040A08AE, " A "), 4, "");
    EXPECT_EQ(v.platformClass, 0);
    EXPECT_FALSE(v.windows95);
    EXPECT_EQ(v.osName, "Microsoft Windows 98 )SE ");
    // the build field is shown whole, high word included
    EXPECT_EQ(v.versionLine, "Version 4.10  (Build 67766446) A ");
    EXPECT_EQ(decideWindowsVersion(nine(10, 1998, ""), 0, "").osName, "Microsoft Windows 98 )");

    v = decideWindowsVersion(nine(90, 3000, " "), 2, "");
    EXPECT_EQ(v.platformClass, 0);
    EXPECT_FALSE(v.windows95);
    EXPECT_EQ(v.osName, "Microsoft Windows Millennium Edition ");
}

TEST(WindowsVersion, NtWorkstations) {
    WindowsVersion v = decideWindowsVersion(nt(5, 1, 1, 0, "Service Pack 2"), 0, "");
    EXPECT_EQ(v.platformClass, 3);
    EXPECT_FALSE(v.windows95);
    EXPECT_EQ(v.osName, "Microsoft Windows XP Professional ");
    EXPECT_EQ(v.versionLine, "Version 5.1  (Build 2600)Service Pack 2");

    EXPECT_EQ(decideWindowsVersion(nt(5, 1, 1, 0x0200), 0, "").osName,
              "Microsoft Windows XP Home Edition ");
    v = decideWindowsVersion(nt(5, 0, 1), 0, "");
    EXPECT_EQ(v.platformClass, 3);
    EXPECT_EQ(v.osName, "Microsoft Windows 2000 Professional ");
    // NT 4 SP6 already has the extended record
    v = decideWindowsVersion(nt(4, 0, 1), 0, "");
    EXPECT_EQ(v.platformClass, 3);
    EXPECT_EQ(v.osName, "Microsoft Windows NT Professional ");
    // later systems get no product name, only the edition
    v = decideWindowsVersion(nt(10, 0, 1), 0, "");
    EXPECT_EQ(v.platformClass, 3);
    EXPECT_EQ(v.osName, "Professional ");
}

TEST(WindowsVersion, NtServers) {
    EXPECT_EQ(decideWindowsVersion(nt(5, 2, 3, 0x0002), 0, "").osName, "Enterprise Server ");
    EXPECT_EQ(decideWindowsVersion(nt(5, 2, 3, 0x0002), 0, "").platformClass, 4);
    EXPECT_EQ(decideWindowsVersion(nt(4, 0, 3, 0x0002), 0, "").osName,
              "Microsoft Windows NT Advanced Server ");
    EXPECT_EQ(decideWindowsVersion(nt(5, 0, 3, 0x0082), 0, "").osName,
              "Microsoft Windows 2000 DataCenter Server ");
    EXPECT_EQ(decideWindowsVersion(nt(5, 1, 3, 0x0200), 0, "").osName,
              "Microsoft Windows .NET Web Server ");
    // the personal bit with any other bit is a plain server
    EXPECT_EQ(decideWindowsVersion(nt(5, 2, 3, 0x0210), 0, "").osName, "Server ");
    EXPECT_EQ(decideWindowsVersion(nt(5, 2, 3, 0), 0, "").osName, "Server ");
}

TEST(WindowsVersion, OtherProductTypesKeepTheClassSetBefore) {
    // a domain controller adds nothing
    WindowsVersion v = decideWindowsVersion(nt(5, 0, 2), 4, "");
    EXPECT_EQ(v.platformClass, 2);
    EXPECT_EQ(v.osName, "Microsoft Windows 2000 ");
    v = decideWindowsVersion(nt(4, 0, 2), 4, "");
    EXPECT_EQ(v.platformClass, 1);
    // versions after 2000 keep the class of the previous detection
    EXPECT_EQ(decideWindowsVersion(nt(5, 2, 2), 4, "").platformClass, 4);
    EXPECT_EQ(decideWindowsVersion(nt(5, 2, 2), 0, "").osName, "");
}

TEST(WindowsVersion, BasicRecordOnNtReadsTheProductTypeValue) {
    VersionRecord r = nt(4, 0, 0, 0, "Service Pack 3");
    r.extended = false;
    r.build = 1381;
    WindowsVersion v = decideWindowsVersion(r, 3, "WinNT");
    EXPECT_EQ(v.platformClass, 1);
    EXPECT_EQ(v.osName, "Microsoft Windows NT Professional ");
    EXPECT_EQ(v.versionLine, "Version 4.0  (Build 1381)Service Pack 3");
    EXPECT_EQ(decideWindowsVersion(r, 0, "lanmannt").osName, "Microsoft Windows NT Server ");
    EXPECT_EQ(decideWindowsVersion(r, 0, "SERVERNT").osName,
              "Microsoft Windows NT Advanced Server ");
    EXPECT_EQ(decideWindowsVersion(r, 0, "WINNTX").osName, "Microsoft Windows NT ");
    EXPECT_EQ(decideWindowsVersion(r, 0, "").osName, "Microsoft Windows NT ");
    // a basic record on 2000 ends in class 1 as well
    r.major = 5;
    EXPECT_EQ(decideWindowsVersion(r, 0, "WINNT").platformClass, 1);
    EXPECT_EQ(decideWindowsVersion(r, 0, "WINNT").osName, "Microsoft Windows 2000 Professional ");
}

TEST(WindowsVersion, DetectionStartsFromEmptyLinesEachTime) {
    const VersionRecord r = nt(5, 1, 1, 0, "Service Pack 3");
    const WindowsVersion first = decideWindowsVersion(r, 0, "");
    const WindowsVersion second = decideWindowsVersion(r, first.platformClass, "");
    EXPECT_EQ(first.osName, second.osName);
    EXPECT_EQ(first.versionLine, second.versionLine);
    EXPECT_EQ(second.platformClass, 3);
}

TEST(WindowsVersion, UnknownPlatformKeepsTheClass) {
    VersionRecord r;
    r.platformId = 0;  // Win32s
    r.major = 3;
    r.minor = 11;
    const WindowsVersion v = decideWindowsVersion(r, 2, "");
    EXPECT_EQ(v.platformClass, 2);
    EXPECT_FALSE(v.windows95);
    EXPECT_EQ(v.osName, "");
    EXPECT_EQ(v.versionLine, "Version 3.11  (Build 0)");
}

}  // namespace
