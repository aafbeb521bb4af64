#include "power/power_entries.h"

#include <gtest/gtest.h>

#include "support/fake_settings_store.h"
#include "support/recording_power.h"
#include "settings/settings.h"

namespace {

using Calls = std::vector<std::string>;

// The tray's actions against a store in memory; every reload shows up among
// the recorded calls.
class TrayActions : public ::testing::Test {
protected:
    void SetUp() override { resetToLoadDefaults(settings); }
    void store(const std::string& name, const std::string& text) { values.values[name] = {text}; }
    PowerEntryContext context() {
        return {settings, power, [this] {
                    power.calls.push_back("reload");
                    loadSettings(settings, values, false);
                }};
    }
    ClickOutcome click() {
        auto c = context();
        return runClickAction(c);
    }
    bool command(unsigned id) {
        auto c = context();
        return runTrayPowerCommand(id, c);
    }
    Settings settings;
    FakeSettingsStore values;
    RecordingPower power;
};

TEST_F(TrayActions, ClickWithNothingStoredShutsDownWithPowerOffAndForce) {
    EXPECT_EQ(click(), ClickOutcome::Done);
    EXPECT_EQ(power.calls, (Calls{"reload", "removeTrayIcon", "ExitWindowsEx(13)"}));
}

TEST_F(TrayActions, ClickActionCodes) {
    const std::pair<const char*, Calls> cases[] = {
        {"1", {"removeTrayIcon", "ExitWindowsEx(2)"}},
        {"2", {"removeTrayIcon", "ExitWindowsEx(0)"}},
        {"3", {"SetSystemPowerState(TRUE,0)"}},  // the reload resets forcestandby
        {"6", {}},
        {"7", {"SetSystemPowerState(FALSE,1)"}},  // "1" kept while unstored
        {"8", {}},
        {"", {}},
        {"07", {}},
    };
    for (const auto& [code, tail] : cases) {
        store("mouseclick", code);
        power.calls.clear();
        EXPECT_EQ(click(), ClickOutcome::Done) << code;
        Calls want{"reload"};
        want.insert(want.end(), tail.begin(), tail.end());
        EXPECT_EQ(power.calls, want) << "mouseclick " << code;
    }
}

TEST_F(TrayActions, ClickFollowsTheStoredForceValues) {
    store("mouseclick", "1");
    store("forcereboot", "1");
    click();
    EXPECT_EQ(power.calls.back(), "ExitWindowsEx(6)");
    store("mouseclick", "7");
    store("forcehibernate", "0");
    click();
    EXPECT_EQ(power.calls.back(), "SetSystemPowerState(FALSE,0)");
    store("mouseclick", "3");
    store("forcestandby", "1");
    click();
    EXPECT_EQ(power.calls.back(), "SetSystemPowerState(TRUE,1)");
}

TEST_F(TrayActions, NetworkClicksAreLeftToTheCaller) {
    store("mouseclick", "4");
    EXPECT_EQ(click(), ClickOutcome::NetworkShutdown);
    store("mouseclick", "5");
    EXPECT_EQ(click(), ClickOutcome::NetworkReboot);
    EXPECT_EQ(power.calls, (Calls{"reload", "reload"}));
}

TEST_F(TrayActions, MenuPowerCommandsInTheirOrder) {
    const std::pair<unsigned, Calls> cases[] = {
        // no reload: the in-memory value decides
        {247, {"SetSystemPowerState(FALSE,0)"}},
        {123, {"reload", "ExitWindowsEx(13)", "removeTrayIcon"}},
        {200, {"reload", "ExitWindowsEx(2)"}},
        {201, {"fastReboot"}},
        {202, {"reload", "ExitWindowsEx(0)"}},
        {223, {"reload", "SetSystemPowerState(TRUE,0)"}},
    };
    for (const auto& [id, want] : cases) {
        power.calls.clear();
        EXPECT_TRUE(command(id)) << id;
        EXPECT_EQ(power.calls, want) << id;
    }
    for (unsigned other : {0u, 205u, 217u, 229u, 230u}) {
        power.calls.clear();
        EXPECT_FALSE(command(other)) << other;
        EXPECT_TRUE(power.calls.empty()) << other;
    }
}

TEST_F(TrayActions, MenuHibernateUsesTheValueAStandbyLeftInMemory) {
    // the standby entry sets forcehibernate "1" and its reload keeps it
    command(223);
    power.calls.clear();
    command(247);
    EXPECT_EQ(power.calls, (Calls{"SetSystemPowerState(FALSE,1)"}));
}

}  // namespace
