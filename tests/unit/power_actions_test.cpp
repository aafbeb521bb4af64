#include "power/power_actions.h"

#include <gtest/gtest.h>

#include "support/recording_power.h"
#include "power/shutdown_flags.h"
#include "settings/settings.h"

namespace {

TEST(ShutdownFlags, TableOverPowerOffAndForce) {
    EXPECT_EQ(shutdownFlags("1", "1"), 13u);
    EXPECT_EQ(shutdownFlags("0", "1"), 5u);
    EXPECT_EQ(shutdownFlags("0", "0"), 1u);
    EXPECT_EQ(shutdownFlags("1", "0"), 9u);
    // read as integers: empty is 0, leading blanks and zeros are allowed
    EXPECT_EQ(shutdownFlags("", ""), 1u);
    EXPECT_EQ(shutdownFlags(" 1", "01"), 13u);
}

TEST(ShutdownFlags, HandEditedValuesOutsideTheTableStillShutDown) {
    // only 1 switches an option on; the call is always a shutdown
    for (const char* odd : {"2", "-1", "abc", "99999999999999999999"}) {
        EXPECT_EQ(shutdownFlags("0", odd), ewx::kShutdown) << odd;
        EXPECT_EQ(shutdownFlags(odd, "1"), ewx::kShutdown | ewx::kForce) << odd;
    }
    // a number followed by other text reads as that number
    EXPECT_EQ(shutdownFlags("1 ", "1x"), 13u);
}

TEST(ShutdownFlags, RebootAndLogoffNeedExactlyOne) {
    EXPECT_EQ(rebootFlags("1"), 6u);
    EXPECT_EQ(rebootFlags(""), 2u);
    EXPECT_EQ(rebootFlags("01"), 2u);
    EXPECT_EQ(rebootFlags("0"), 2u);
    EXPECT_EQ(logoffFlags("1"), 4u);
    EXPECT_EQ(logoffFlags(""), 0u);
    EXPECT_EQ(logoffFlags("2"), 0u);
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
