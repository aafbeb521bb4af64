#include "common/windows_version.h"

#include <cctype>

namespace {

constexpr unsigned kWorkstation = 1;
constexpr unsigned kServer = 3;
constexpr unsigned kSuiteEnterprise = 0x0002;
constexpr unsigned kSuiteDataCenter = 0x0080;
constexpr unsigned kSuitePersonal = 0x0200;

bool equalsIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && !b[i];
}

char servicePackLetter(const VersionRecord& r) {
    return r.servicePack.size() > 1 ? r.servicePack[1] : '\0';
}

void decide9x(const VersionRecord& r, WindowsVersion& v) {
    if (r.major == 4 && r.minor == 0) {
        v.platformClass = 0;
        v.windows95 = true;
        v.osName += "Microsoft Windows 95 ";
        const char c = servicePackLetter(r);
        if (c == 'C' || c == 'B') v.osName += "OSR2 ";
    } else if (r.major == 4 && r.minor == 10) {
        v.platformClass = 0;
        v.osName += "Microsoft Windows 98 )";
        if (servicePackLetter(r) == 'A') v.osName += "SE ";
    } else if (r.major == 4 && r.minor == 90) {
        v.platformClass = 0;
        v.osName += "Microsoft Windows Millennium Edition ";
    }
}

void decideNT(const VersionRecord& r, const std::string& productTypeValue, WindowsVersion& v) {
    if (r.major <= 4) {
        v.platformClass = 1;
        v.osName += "Microsoft Windows NT ";
    }
    if (r.major == 5 && r.minor == 0) {
        v.platformClass = 2;
        v.osName += "Microsoft Windows 2000 ";
    }
    if (!r.extended) {
        v.platformClass = 1;
        if (equalsIgnoringCase(productTypeValue, "WINNT")) v.osName += "Professional ";
        else if (equalsIgnoringCase(productTypeValue, "LANMANNT")) v.osName += "Server ";
        else if (equalsIgnoringCase(productTypeValue, "SERVERNT")) v.osName += "Advanced Server ";
    } else if (r.productType == kWorkstation) {
        v.platformClass = 3;
        if (r.major == 5 && r.minor == 1) v.osName += "Microsoft Windows XP ";
        v.osName += (r.suiteMask & kSuitePersonal) ? "Home Edition " : "Professional ";
    } else if (r.productType == kServer) {
        v.platformClass = 4;
        if (r.major == 5 && r.minor == 1) v.osName += "Microsoft Windows .NET ";
        if (r.suiteMask & kSuiteDataCenter) v.osName += "DataCenter Server ";
        else if (r.suiteMask & kSuiteEnterprise)
            v.osName += r.major == 4 ? "Advanced Server " : "Enterprise Server ";
        else if (r.suiteMask == kSuitePersonal) v.osName += "Web Server ";
        else v.osName += "Server ";
    }
}

}  // namespace

std::string versionLine(const VersionRecord& r) {
    return "Version " + std::to_string(r.major) + "." + std::to_string(r.minor) + " " +
           " (Build " + std::to_string(r.build) + ")" + r.servicePack;
}

WindowsVersion decideWindowsVersion(const VersionRecord& r, int previousClass,
                                    const std::string& productTypeValue) {
    WindowsVersion v;
    v.platformClass = previousClass;
    if (r.platformId == platform::kWindows9x) decide9x(r, v);
    else if (r.platformId == platform::kNT) decideNT(r, productTypeValue, v);
    v.versionLine = versionLine(r);
    return v;
}
