#include "power/power_actions.h"

#include "power/shutdown_flags.h"
#include "settings/settings.h"

void shutdown(const Settings& s, PowerSystem& power) {
    power.exitWindows(
        shutdownFlags(settingOn(s, &Settings::poweroff), settingOn(s, &Settings::forceshutdown)));
}

void reboot(const Settings& s, PowerSystem& power) {
    power.exitWindows(rebootFlags(settingOn(s, &Settings::forcereboot)));
}

void logoff(const Settings& s, PowerSystem& power) {
    power.exitWindows(logoffFlags(settingOn(s, &Settings::forcelogoff)));
}

void standby(const Settings& s, PowerSystem& power) {
    power.setSystemPowerState(true, settingValue(s, &Settings::forcestandby));
}

void hibernate(int force, PowerSystem& power) {
    power.setSystemPowerState(false, force);
}
