#pragma once

#include <string>

// What GetVersionExA reported, in platform-free form.
struct VersionRecord {
    bool extended = false;        // the extended record (with product type and suites) was read
    unsigned platformId = 0;      // 1 = Windows 9x, 2 = NT
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;           // the whole 32-bit field as reported
    std::string servicePack;      // szCSDVersion
    unsigned productType = 0;     // extended record only: 1 workstation, 2 domain controller, 3 server
    unsigned suiteMask = 0;       // extended record only
};

namespace platform {
constexpr unsigned kWindows9x = 1;
constexpr unsigned kNT = 2;
}  // namespace platform

// The result the rest of the program branches on. Platform class: 0 Windows
// 95/98/ME, 1 NT 4 or an NT without extended data, 2 Windows 2000 without a
// known product type, 3 NT workstation, 4 NT server.
struct WindowsVersion {
    int platformClass = 0;
    bool windows95 = false;
    std::string osName;
    std::string versionLine;
};

// Works out the version from the record. previousClass is kept where no rule
// sets the class. productTypeValue is the registry's ProductType, consulted
// only for a basic record on NT.
WindowsVersion decideWindowsVersion(const VersionRecord& record, int previousClass,
                                    const std::string& productTypeValue);

// "Version 5.1  (Build 2600)Service Pack 2": two blanks before the
// parenthesis, the service string right after it.
std::string versionLine(const VersionRecord& record);
