// Feeds arbitrary command lines and setting values through the parsers.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/command_line.h"
#include "common/decimal.h"
#include "power/power_actions.h"
#include "settings/settings.h"

namespace {
class NullPower : public PowerSystem {
public:
    void removeTrayIcon() override {}
    void exitWindows(unsigned flags) override {
        if ((flags & ~0xFu) != 0) __builtin_trap();
    }
    void setSystemPowerState(bool, int) override {}
    void fastReboot() override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string arguments = argumentText(text);
    if (arguments.size() >= kCommandLineBufferSize) __builtin_trap();
    Settings settings;
    resetToLoadDefaults(settings);
    const CommandLineAction request = parseArguments(arguments);
    applyOverrides(request, settings);
    NullPower power;
    runCommandLineAction(request, settings, power);
    settingAsInt(text);
    return 0;
}
