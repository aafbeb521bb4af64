#include "power/power_calls_win.h"

#include <windows.h>

#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "support/recording_power.h"
#include "support/token_state.h"
#include "power/power_entries.h"
#include "settings/settings.h"

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(Hibernation, PowrprofComesFromTheSystemDirectory) {
    ASSERT_TRUE(testHibernation());
    EXPECT_TRUE(hibernationAvailable());
    const HMODULE module = GetModuleHandleA("powrprof.dll");
    ASSERT_NE(module, nullptr);
    char loaded[MAX_PATH], system[MAX_PATH];
    GetModuleFileNameA(module, loaded, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(lower(loaded), lower(std::string(system) + "\\powrprof.dll"));
    // a second test finds it loaded
    EXPECT_TRUE(testHibernation());
    EXPECT_EQ(GetModuleHandleA("powrprof.dll"), module);
}

// Click actions through the real calls (Wine's SetSystemPowerState changes
// nothing): the shutdown privilege is on for a call only, and for none
// where there is no call.
TEST(Privilege, NoClickActionLeavesTheShutdownPrivilegeOn) {
    ASSERT_FALSE(privilegeEnabled("SeShutdownPrivilege"));
    for (const char* click : {"6", "3"}) {
        Settings settings;
        PowerEntryContext context{settings, powerSystem(), [&] { settings.mouseclick = click; }};
        runClickAction(context);
        EXPECT_FALSE(privilegeEnabled("SeShutdownPrivilege")) << "click action " << click;
    }
}

TEST(PowerSystem, TestsCanReplaceTheRealCalls) {
    RecordingPower recorder;
    PowerSystem& real = powerSystem();
    setPowerSystem(&recorder);
    EXPECT_EQ(&powerSystem(), &recorder);
    setPowerSystem(nullptr);
    EXPECT_EQ(&powerSystem(), &real);
}

TEST(PowerSystem, RemovingAnIconThatDoesNotExistIsHarmless) {
    powerSystem().removeTrayIcon();
    SUCCEED();
}

}  // namespace
