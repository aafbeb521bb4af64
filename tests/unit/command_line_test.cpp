#include "app/command_line.h"

#include <gtest/gtest.h>

#include "support/recording_power.h"
#include "settings/settings.h"

namespace {

// The calls that a start with this command line makes, settings loaded with
// their defaults first as the program does.
std::vector<std::string> callsFor(const std::string& commandLine) {
    RecordingPower power;
    const std::string arguments = argumentText(commandLine);
    if (arguments.empty()) return power.calls;
    Settings settings;
    resetToLoadDefaults(settings);
    const CommandLineAction request = parseArguments(arguments);
    applyOverrides(request, settings);
    runCommandLineAction(request, settings, power);
    return power.calls;
}

using Calls = std::vector<std::string>;
const std::string kExe = "\"C:\\Programme\\Dormival\\Dormival.exe\" ";

TEST(ArgumentText, IsEverythingAfterTheFirstSlash) {
    EXPECT_EQ(argumentText(kExe + "/sp"), "sp");
    EXPECT_EQ(argumentText(kExe + "/s /p x"), "s /p x");
    EXPECT_EQ(argumentText(kExe + "/"), "");
    EXPECT_EQ(argumentText(kExe), "");
    EXPECT_EQ(argumentText(""), "");
    // a slash in the program path makes the rest of the path arguments
    EXPECT_EQ(argumentText("C:/tools/Dormival.exe"), "tools/Dormival.exe");
}

TEST(ArgumentText, CommandLineThatDoesNotFitTheBufferIsRefused) {
    const std::string fits = kExe + "/h" + std::string(249 - kExe.size() - 2, 'x');
    ASSERT_EQ(fits.size(), 249u);
    EXPECT_EQ(argumentText(fits).substr(0, 1), "h");
    EXPECT_EQ(argumentText(fits + "x"), "");
    EXPECT_EQ(argumentText(kExe + "/s" + std::string(5000, ' ')), "");
    // the deciding letter beyond the buffer must not be lost to a cut: no action at all
    EXPECT_EQ(callsFor(kExe + "/s" + std::string(300, ' ') + "h"), Calls{});
}

TEST(CommandLine, ShutdownFlagsFollowPowerOffAndForce) {
    auto shutdownWith = [&](unsigned flags) {
        Calls c = {"removeTrayIcon"};
        c.push_back("ExitWindowsEx(" + std::to_string(flags) + ")");
        return c;
    };
    EXPECT_EQ(callsFor(kExe + "/s"), shutdownWith(1));
    EXPECT_EQ(callsFor(kExe + "/sp"), shutdownWith(9));
    EXPECT_EQ(callsFor(kExe + "/spf"), shutdownWith(13));
    EXPECT_EQ(callsFor(kExe + "/sfp"), shutdownWith(13));
    EXPECT_EQ(callsFor(kExe + "/sf"), shutdownWith(5));
    // an "f" right after the slash does not force
    EXPECT_EQ(callsFor(kExe + "/fsp"), shutdownWith(9));
    // only the first "f" counts
    EXPECT_EQ(callsFor(kExe + "/fspf"), shutdownWith(9));
}

TEST(CommandLine, RebootAndLogoffFlags) {
    EXPECT_EQ(callsFor(kExe + "/rf"), (Calls{"removeTrayIcon", "ExitWindowsEx(6)"}));
    EXPECT_EQ(callsFor(kExe + "/fr"), (Calls{"removeTrayIcon", "ExitWindowsEx(2)"}));
    EXPECT_EQ(callsFor(kExe + "/lf"), (Calls{"removeTrayIcon", "ExitWindowsEx(4)"}));
    EXPECT_EQ(callsFor(kExe + "/l"), (Calls{"removeTrayIcon", "ExitWindowsEx(0)"}));
}

TEST(CommandLine, StandbyAndHibernateKeepTheTrayIcon) {
    EXPECT_EQ(callsFor(kExe + "/b"), (Calls{"SetSystemPowerState(TRUE,0)"}));
    EXPECT_EQ(callsFor(kExe + "/bf"), (Calls{"SetSystemPowerState(TRUE,1)"}));
    EXPECT_EQ(callsFor(kExe + "/h"),
              (Calls{"SetSystemPowerState(FALSE,0)"}));
    EXPECT_EQ(callsFor(kExe + "/hf"),
              (Calls{"SetSystemPowerState(FALSE,1)"}));
}

TEST(CommandLine, LastActionLetterWins) {
    // s, h, u, t, d, o, w, n: hibernation is tested last
    EXPECT_EQ(callsFor(kExe + "/shutdown"),
              (Calls{"SetSystemPowerState(FALSE,0)"}));
    // r, e, b, o, t: standby beats reboot
    EXPECT_EQ(callsFor(kExe + "/reboot"), (Calls{"SetSystemPowerState(TRUE,0)"}));
    EXPECT_EQ(callsFor(kExe + "/hs"),
              (Calls{"SetSystemPowerState(FALSE,0)"}));
}

TEST(CommandLine, NoActionLetterMeansNoCall) {
    for (const char* arguments : {"/S", "/x", "/p", "/F", "/ f", "/", ""})
        EXPECT_EQ(callsFor(kExe + arguments), Calls{}) << arguments;
}

TEST(CommandLine, ForceFlagsOfEveryPresentLetterButOnlyTheWinnerActs) {
    const CommandLineAction request = parseArguments("srlbhf");
    EXPECT_EQ(request.action, Action::Hibernate);
    EXPECT_TRUE(request.forceshutdown);
    EXPECT_TRUE(request.forcereboot);
    EXPECT_TRUE(request.forcelogoff);
    EXPECT_TRUE(request.forcestandby);
    EXPECT_TRUE(request.forcehibernate);
    EXPECT_FALSE(request.poweroff);
}

TEST(CommandLine, OverridesReplaceStoredValuesInMemoryOnly) {
    Settings settings;
    resetToLoadDefaults(settings);  // poweroff and forceshutdown default to "1"
    settings.forcereboot = "1";
    settings.forcestandby = "7";
    settings.forcehibernate = "1";
    applyOverrides(parseArguments("s"), settings);
    EXPECT_EQ(settings.poweroff, "0");
    EXPECT_EQ(settings.forceshutdown, "0");
    EXPECT_EQ(settings.forcereboot, "0");
    EXPECT_EQ(settings.forcelogoff, "0");
    EXPECT_EQ(settings.forcestandby, "0");
    // hibernation uses the command line's own flag, never the setting
    EXPECT_EQ(settings.forcehibernate, "1");
    RecordingPower power;
    runCommandLineAction(parseArguments("h"), settings, power);
    EXPECT_EQ(power.calls.back(), "SetSystemPowerState(FALSE,0)");
}

}  // namespace
