// Feeds arbitrary NetworkDrives values through the list format: every name
// read is a real name, and a list written back reads as the same names.
#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/network_computers.h"
#include "settings/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = parseNetworkComputers(text);
    std::size_t total = 0;
    for (const std::string& name : names) {
        if (name.empty() || name.find('|') != std::string::npos) __builtin_trap();
        total += name.size() + 1;
    }
    const std::string joined = joinNetworkComputers(names);
    if (joined.size() > kMaxSettingLength) __builtin_trap();
    if (total <= kMaxSettingLength && parseNetworkComputers(joined) != names) __builtin_trap();
    return 0;
}
