#include "app/startup_win.h"

#include <gtest/gtest.h>

#include "support/recording_power.h"
#include "power/power_calls_win.h"
#include "settings/current_settings_win.h"

namespace {

class CommandLineStartup : public ::testing::Test {
protected:
    void SetUp() override { setPowerSystem(&recorder); }
    void TearDown() override { setPowerSystem(nullptr); }
    RecordingPower recorder;
};

TEST_F(CommandLineStartup, LoadsSettingsBeforeApplyingTheSwitches) {
    currentSettings().poweroff = "stale";
    currentSettings().forcestandby = "stale";
    runCommandLine("spf");
    EXPECT_EQ(recorder.calls,
              (std::vector<std::string>{"removeTrayIcon", "ExitWindowsEx(13)"}));
    EXPECT_EQ(currentSettings().forcestandby, "0");
}

TEST_F(CommandLineStartup, OverridesLastUntilTheNextLoad) {
    runCommandLine("s");
    EXPECT_EQ(recorder.calls.back(), "ExitWindowsEx(1)");
    EXPECT_EQ(currentSettings().poweroff, "0");
    EXPECT_EQ(currentSettings().forceshutdown, "0");
    loadSettings();
    EXPECT_EQ(currentSettings().poweroff, "1");
    EXPECT_EQ(currentSettings().forceshutdown, "1");
}

}  // namespace
