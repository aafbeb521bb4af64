#include "common/windows_version_win.h"

#include <windows.h>

#include "win32/registry_text_win.h"

namespace {

WindowsVersion& lastResult() {
    static WindowsVersion version;
    return version;
}

bool readVersionRecord(VersionRecord& record) {
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    record.extended = GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)) != 0;
    if (!record.extended) {
        info = OSVERSIONINFOEXA{};
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) return false;
    }
    info.szCSDVersion[sizeof(info.szCSDVersion) - 1] = '\0';
    record.platformId = info.dwPlatformId;
    record.major = info.dwMajorVersion;
    record.minor = info.dwMinorVersion;
    record.build = info.dwBuildNumber;
    record.servicePack = info.szCSDVersion;
    if (record.extended) {
        record.productType = info.wProductType;
        record.suiteMask = info.wSuiteMask;
    }
    return true;
}

// ProductType of the NT product options; empty when missing, not a string
// or longer than the 80 characters the value may have.
std::string readProductType() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\ProductOptions", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    const auto text = readRegistryText(key, "ProductType", 80);
    RegCloseKey(key);
    return text.value_or("");
}

}  // namespace

bool detectWindowsVersion() {
    WindowsVersion& version = lastResult();
    VersionRecord record;
    if (!readVersionRecord(record)) {
        version = WindowsVersion{version.platformClass, false, {}, {}};
        return false;
    }
    const bool needsProductType = !record.extended && record.platformId == platform::kNT;
    version = decideWindowsVersion(record, version.platformClass,
                                   needsProductType ? readProductType() : std::string());
    return true;
}

const WindowsVersion& windowsVersion() { return lastResult(); }
