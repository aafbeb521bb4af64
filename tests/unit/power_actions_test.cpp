#include "power/power_actions.h"

#include <gtest/gtest.h>

#include "support/recording_power.h"
#include "settings/settings.h"

namespace {

// The flags each action asks for, from its settings as the user's store
// may hold them.
std::string shutdownCall(const char* poweroff, const char* forceshutdown) {
    Settings settings;
    settings.poweroff = poweroff;
    settings.forceshutdown = forceshutdown;
    RecordingPower power;
    shutdown(settings, power);
    return power.calls.at(0);
}

TEST(ShutdownFlags, TableOverPowerOffAndForce) {
    EXPECT_EQ(shutdownCall("1", "1"), "ExitWindowsEx(13)");
    EXPECT_EQ(shutdownCall("0", "1"), "ExitWindowsEx(5)");
    EXPECT_EQ(shutdownCall("0", "0"), "ExitWindowsEx(1)");
    EXPECT_EQ(shutdownCall("1", "0"), "ExitWindowsEx(9)");
    // read as integers: empty is 0, leading blanks and zeros are allowed
    EXPECT_EQ(shutdownCall("", ""), "ExitWindowsEx(1)");
    EXPECT_EQ(shutdownCall(" 1", "01"), "ExitWindowsEx(13)");
}

TEST(ShutdownFlags, HandEditedValuesOutsideTheTableStillShutDown) {
    // only 1 switches an option on; the call is always a shutdown
    for (const char* odd : {"2", "-1", "abc", "99999999999999999999"}) {
        EXPECT_EQ(shutdownCall("0", odd), "ExitWindowsEx(1)") << odd;
        EXPECT_EQ(shutdownCall(odd, "1"), "ExitWindowsEx(5)") << odd;
    }
    // a number followed by other text reads as that number
    EXPECT_EQ(shutdownCall("1 ", "1x"), "ExitWindowsEx(13)");
}

TEST(ShutdownFlags, RebootAndLogoffNeedExactlyOne) {
    Settings settings;
    RecordingPower power;
    for (const char* force : {"1", "", "01", "0", "2"}) {
        settings.forcereboot = settings.forcelogoff = force;
        reboot(settings, power);
        logoff(settings, power);
    }
    EXPECT_EQ(power.calls, (std::vector<std::string>{
                               "ExitWindowsEx(6)", "ExitWindowsEx(4)", "ExitWindowsEx(2)",
                               "ExitWindowsEx(0)", "ExitWindowsEx(2)", "ExitWindowsEx(0)",
                               "ExitWindowsEx(2)", "ExitWindowsEx(0)", "ExitWindowsEx(2)",
                               "ExitWindowsEx(0)"}));
}

TEST(PowerActions, DefaultsShutDownWithPowerOffAndForce) {
    Settings settings;
    resetToLoadDefaults(settings);
    RecordingPower power;
    shutdown(settings, power);
    reboot(settings, power);
    logoff(settings, power);
    standby(settings, power);
    EXPECT_EQ(power.calls, (std::vector<std::string>{"ExitWindowsEx(13)", "ExitWindowsEx(2)",
                                                     "ExitWindowsEx(0)",
                                                     "SetSystemPowerState(TRUE,0)"}));
}

TEST(PowerActions, StandbyForceIsTheSettingReadAsInteger) {
    Settings settings;
    RecordingPower power;
    settings.forcestandby = "1";
    standby(settings, power);
    settings.forcestandby = "3";
    standby(settings, power);
    settings.forcestandby = "yes";
    standby(settings, power);
    hibernate(1, power);
    EXPECT_EQ(power.calls,
              (std::vector<std::string>{"SetSystemPowerState(TRUE,1)", "SetSystemPowerState(TRUE,3)",
                                        "SetSystemPowerState(TRUE,0)",
                                        "SetSystemPowerState(FALSE,1)"}));
}

}  // namespace
