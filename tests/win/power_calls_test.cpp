#include "power/power_calls.h"

#include <windows.h>

#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "common/recording_power.h"

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

TEST(Privilege, ShutdownPrivilegeIsEnabledUnderWine) {
    // Wine grants token adjustments on every version it pretends to be.
    EXPECT_TRUE(enableShutdownPrivilege());
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
