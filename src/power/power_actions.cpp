#include "power/power_actions.h"

#include "common/decimal.h"
#include "power/shutdown_flags.h"
#include "settings/settings.h"

void shutdown(const Settings& s, PowerSystem& power) {
    power.exitWindows(shutdownFlags(s.poweroff, s.forceshutdown));
}

void reboot(const Settings& s, PowerSystem& power) {
    power.exitWindows(rebootFlags(s.forcereboot));
}

void logoff(const Settings& s, PowerSystem& power) {
    power.exitWindows(logoffFlags(s.forcelogoff));
}

void standby(const Settings& s, PowerSystem& power) {
    power.setSystemPowerState(true, settingAsInt(s.forcestandby));
}

void hibernate(int force, PowerSystem& power) {
    power.setSystemPowerState(false, force);
}
