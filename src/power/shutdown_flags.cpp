#include "power/shutdown_flags.h"

#include "common/decimal.h"

unsigned shutdownFlags(std::string_view poweroff, std::string_view forceshutdown) {
    unsigned flags = ewx::kShutdown;
    if (settingAsInt(forceshutdown) == 1) flags |= ewx::kForce;
    if (settingAsInt(poweroff) == 1) flags |= ewx::kPowerOff;
    return flags;
}

unsigned rebootFlags(std::string_view forcereboot) {
    return forcereboot == "1" ? ewx::kReboot | ewx::kForce : ewx::kReboot;
}

unsigned logoffFlags(std::string_view forcelogoff) {
    return forcelogoff == "1" ? ewx::kLogoff | ewx::kForce : ewx::kLogoff;
}
