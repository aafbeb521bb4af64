#include "power/scheduler.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/fake_settings_store.h"
#include "power/power_entries.h"
#include "power/program_watch.h"
#include "support/recording_power.h"
#include "settings/settings.h"

namespace {

using Calls = std::vector<std::string>;

constexpr std::time_t kNoon = 1'796'731'200;  // Tue 08.12.2026 12:00:00 UTC

void useTimeZone(const char* tz) {
    setenv("TZ", tz, 1);
    tzset();
}

class SchedulerTest : public ::testing::Test {
protected:
    void SetUp() override { useTimeZone("UTC"); }
    // Arms a fresh scheduler.
    bool arm(const char* action, const char* minuten = "", const char* zeit = "",
             const char* tag = "", const char* warning = "0") {
        scheduler = Scheduler{};
        s.action = action;
        s.minuten = minuten;
        s.zeit = zeit;
        s.tag = tag;
        s.showwarning = warning;
        return scheduler.arm(s, clock);
    }
    // The warning that falls due, as "onTime/late", or "-".
    std::string tickAt(std::time_t now, std::uint32_t uptime = 0) {
        return periods(scheduler.tick({uptime, now}));
    }
    static std::string periods(const std::optional<WarningPeriods>& due) {
        return due ? std::to_string(due->onTime) + "/" + std::to_string(due->late) : "-";
    }
    Settings s;
    Scheduler scheduler;
    SchedulerClock clock{100, kNoon};
};

TEST(ScheduleTexts, OnlyTheWrittenFormatsAreRead) {
    // the options window's time picker stores its closing blank
    for (const char* good : {"07:05:09", "07:05:09 "}) {
        const auto t = readTimeOfDay(good);
        ASSERT_TRUE(t.valid) << good;
        EXPECT_EQ(t.value.hour * 10000 + t.value.minute * 100 + t.value.second, 70509);
    }
    for (const char* bad : {"7:05:09", "07:05:09x", "07:05:09  ", " 07:05:09", "07:05", "",
                            "07:0a:09", "07-05-09", "24:00:00", "12:60:00", "12:00:60", "+1:00:00"})
        EXPECT_FALSE(readTimeOfDay(bad).valid) << bad;
    const auto d = readDate("31.12.2026");
    ASSERT_TRUE(d.valid);
    EXPECT_EQ(d.value.year * 10000 + d.value.month * 100 + d.value.day, 20261231);
    for (const char* bad : {"1.1.2026", "31.12.26", "00.01.2026", "01.13.2026", "01/01/2026",
                            "01.01.1969", "31.12.2026x"})
        EXPECT_FALSE(readDate(bad).valid) << bad;
    useTimeZone("UTC");
    EXPECT_FALSE(localToCalendar({31, 2, 2026}, {12, 0, 0})) << "no 31 February";
    EXPECT_EQ(localToCalendar({8, 12, 2026}, {12, 0, 0}), kNoon);
}

TEST_F(SchedulerTest, MinutesAfterStart) {
    EXPECT_FALSE(arm("1", "0"));
    EXPECT_FALSE(arm("1", "1"));  // uptime 100 s is past 60
    EXPECT_FALSE(arm("1", "-5"));
    EXPECT_FALSE(arm("1", "99999999")) << "beyond the 32-bit counter";
    EXPECT_FALSE(arm("1", ""));
    EXPECT_TRUE(arm("1", "2"));
    EXPECT_EQ(scheduler.state().mode, 1);
    EXPECT_EQ(scheduler.state().target, 120u);
    // mode 1 counts uptime, not the calendar
    EXPECT_EQ(tickAt(kNoon + 1000, 119), "-");
    EXPECT_EQ(tickAt(kNoon, 120), "0/30") << "no warning set: the action at once";
}

TEST_F(SchedulerTest, MinutesAfterStartNearTheCounterWrap) {
    clock.uptimeSeconds = 4'294'900;  // 49.7 days, shortly before the tick count wraps
    EXPECT_TRUE(arm("1", "71582"));   // 4294920 s
    EXPECT_EQ(tickAt(kNoon, 4'294'919), "-");
    EXPECT_EQ(tickAt(kNoon, 4'294'920), "0/30");
}

TEST_F(SchedulerTest, DailyTimeIsTodayOrTomorrow) {
    EXPECT_TRUE(arm("2", "", "13:00:00"));
    EXPECT_EQ(scheduler.state().target, kNoon + 3600);
    EXPECT_TRUE(arm("2", "", "11:00:00"));
    EXPECT_EQ(scheduler.state().target, kNoon + 23 * 3600);
    // exactly now is today, and fires at the first tick
    s.zeit = "12:00:00";
    EXPECT_TRUE(scheduler.rearm(s, clock));
    EXPECT_EQ(tickAt(kNoon), "0/30");
    s.zeit = "12:00";
    EXPECT_FALSE(scheduler.rearm(s, clock));
}

TEST_F(SchedulerTest, DailyTimeAcrossTheChangeToSummerTime) {
    useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    // Saturday 28.03.2026 22:00 CET; the clocks go forward that night
    clock.now = 1'774'731'600;
    EXPECT_TRUE(arm("2", "", "21:00:00"));
    // Sunday 21:00 CEST, 22 hours later: not 86400 s
    EXPECT_EQ(scheduler.state().target, 1'774'810'800u);
}

TEST_F(SchedulerTest, DateAndTime) {
    EXPECT_FALSE(arm("3", "", "11:59:59", "08.12.2026")) << "in the past";
    EXPECT_FALSE(arm("3", "", "12:00:00", "08.12.2026")) << "now is not the future";
    EXPECT_FALSE(arm("3", "", "12:00:00", "31.11.2026"));
    EXPECT_FALSE(arm("3", "", "", "09.12.2026"));
    EXPECT_FALSE(arm("0", "5", "13:00:00", "09.12.2026"));
    EXPECT_FALSE(arm("", "5", "13:00:00", "09.12.2026"));
    EXPECT_TRUE(arm("3", "", "12:00:01", "08.12.2026"));
    EXPECT_EQ(scheduler.state().target, kNoon + 1);
    useTimeZone("CET-1CEST,M3.5.0,M10.5.0/3");
    s.tag = "29.03.2026";
    s.zeit = "12:00:00";
    clock.now = 1'774'731'600;
    EXPECT_TRUE(scheduler.rearm(s, clock));
    EXPECT_EQ(scheduler.state().target, 1'774'778'400u) << "12:00 CEST is 10:00 UTC";
}

// The warning falls due once, within its period (the seconds left where
// they are fewer), and is then handed on until its countdown has ended.
TEST_F(SchedulerTest, WarningFallsDueOnceWithinItsPeriod) {
    ASSERT_TRUE(arm("3", "", "12:00:10", "08.12.2026", "30"));
    EXPECT_EQ(tickAt(kNoon + 1), "9/30");
    EXPECT_EQ(tickAt(kNoon + 2), "-");
    EXPECT_FALSE(scheduler.keepAwake()) << "its countdown keeps the system awake";
    scheduler.acted(clock);
    EXPECT_EQ(scheduler.state().mode, 0) << "a date acts once";
    EXPECT_FALSE(scheduler.arm(s, clock)) << "no new countdown without a re-arm";

    ASSERT_TRUE(arm("3", "", "12:01:00", "08.12.2026", "30"));
    EXPECT_EQ(tickAt(kNoon + 29), "-");
    EXPECT_EQ(tickAt(kNoon + 30), "30/30");
    // no warning period: silent until the action, and a minute awake before
    for (const char* none : {"0", "-30"}) {
        s.showwarning = none;
        ASSERT_TRUE(scheduler.rearm(s, clock));
        EXPECT_EQ(tickAt(kNoon - 1), "-");
        EXPECT_FALSE(scheduler.keepAwake());
        EXPECT_EQ(tickAt(kNoon + 59), "-");
        EXPECT_TRUE(scheduler.keepAwake());
        EXPECT_EQ(tickAt(kNoon + 60), "0/30");
    }
    // a target reached unwarned where a warning is set is warned of whole
    s.showwarning = "20";
    ASSERT_TRUE(scheduler.rearm(s, clock));
    EXPECT_EQ(tickAt(kNoon + 60), "20/20");
}

TEST_F(SchedulerTest, CancelSuspendsUntilTheNextRearm) {
    ASSERT_TRUE(arm("3", "", "12:00:10", "08.12.2026", "30"));
    tickAt(kNoon + 1);
    scheduler.cancel();
    scheduler.acted(clock);  // nothing ran for it
    EXPECT_EQ(tickAt(kNoon + 20), "-");
    EXPECT_FALSE(scheduler.arm(s, clock));
    EXPECT_TRUE(scheduler.state().suspended);
    EXPECT_TRUE(scheduler.rearm(s, clock));
    EXPECT_EQ(tickAt(kNoon + 1), "9/30") << "a new countdown warns again";
}

// A target that passed while the computer slept, or that a stalled tick
// finds long gone, asks for a whole warning instead of acting at once; at
// most kLateSeconds late is still on time.
TEST_F(SchedulerTest, MissedTargetsWarnBeforeTheAction) {
    struct Case {
        const char* name;
        const char* action;
        const char* zeit;
        const char* tag;
        const char* warning;
        bool resumed;
        std::time_t at;  // the moment of the tick or the resume
        const char* due;
    } cases[] = {
        {"daily, woken the next morning", "2", "13:00:00", "", "0", true, kNoon + 20 * 3600, "30/30"},
        {"date, woken a day later", "3", "13:00:00", "08.12.2026", "60", true, kNoon + 86400, "60/60"},
        {"woken a second after", "3", "13:00:00", "08.12.2026", "0", true, kNoon + 3601, "30/30"},
        {"woken before the target", "3", "13:00:00", "08.12.2026", "0", true, kNoon + 600, "-"},
        {"woken within the warning", "3", "13:00:00", "08.12.2026", "900", true, kNoon + 3000,
         "600/900"},
        {"a tick late by the tolerance", "3", "13:00:00", "08.12.2026", "0", false,
         kNoon + 3600 + Scheduler::kLateSeconds, "0/30"},
        {"a tick later than that", "3", "13:00:00", "08.12.2026", "0", false,
         kNoon + 3601 + Scheduler::kLateSeconds, "30/30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(arm(c.action, "", c.zeit, c.tag, c.warning));
        const SchedulerClock at{0, c.at};
        EXPECT_EQ(periods(c.resumed ? scheduler.resume(at) : scheduler.tick(at)), c.due);
    }
    // minutes after start count uptime, which goes on in sleep too
    ASSERT_TRUE(arm("1", "2"));
    EXPECT_EQ(periods(scheduler.resume({600, kNoon})), "30/30");
}

TEST_F(SchedulerTest, ClockChangesReadTheTargetAgain) {
    ASSERT_TRUE(arm("2", "", "13:00:00"));
    scheduler.followClockChange(s, {0, kNoon + 2 * 3600});  // set forward past 13:00
    EXPECT_EQ(scheduler.state().target, kNoon + 25 * 3600) << "tomorrow's";
    EXPECT_EQ(tickAt(kNoon + 2 * 3600), "-");
    scheduler.followClockChange(s, {0, kNoon - 86400});  // set back a day
    EXPECT_EQ(scheduler.state().target, kNoon - 86400 + 3600);

    // a date stays where it is; set forward past it, the next tick warns
    ASSERT_TRUE(arm("3", "", "13:00:00", "08.12.2026"));
    scheduler.followClockChange(s, {0, kNoon + 7200});
    EXPECT_EQ(scheduler.state().target, kNoon + 3600);
    EXPECT_EQ(tickAt(kNoon + 7200), "30/30");

    // uptime does not follow the calendar; a cancelled schedule stays so
    ASSERT_TRUE(arm("1", "2"));
    scheduler.followClockChange(s, {0, kNoon + 7200});
    EXPECT_EQ(scheduler.state().target, 120u);
    scheduler.cancel();
    scheduler.followClockChange(s, {0, kNoon});
    EXPECT_EQ(scheduler.state().mode, 0);
}

// A time of day acts every day: after its action the next day's own time
// is armed, and a clock set back does not repeat the day. A countdown
// handed on is a moment the clock leaves alone.
TEST_F(SchedulerTest, DailyTimeActsEveryDay) {
    ASSERT_TRUE(arm("2", "", "23:55:00", "", "30"));
    const std::time_t day = kNoon + 11 * 3600 + 55 * 60;
    EXPECT_EQ(tickAt(day - 30), "30/30");
    scheduler.followClockChange(s, {0, day + 3600});
    EXPECT_EQ(scheduler.state().target, day) << "handed on: it stays";
    scheduler.acted({0, day + 580});  // after a Later past midnight
    EXPECT_EQ(scheduler.state().target, day + 86400) << "the next day's own time";
    scheduler.followClockChange(s, {0, day - 3600});
    EXPECT_EQ(scheduler.state().target, day + 86400) << "no second action that day";
    EXPECT_EQ(tickAt(day + 86400 - 30), "30/30");
    scheduler.acted({0, day + 86400});
    EXPECT_EQ(scheduler.state().mode, 2);

    ASSERT_TRUE(arm("1", "2"));
    EXPECT_EQ(tickAt(kNoon, 120), "0/30");
    scheduler.acted(clock);
    EXPECT_EQ(scheduler.state().mode, 0);
}

TEST_F(SchedulerTest, TooltipLineNamesTheActionAndWhenItFallsDue) {
    const auto line = [&](Action action, bool german) {
        return armedActionText(scheduler.state(), action, clock, german).value_or("none");
    };
    ASSERT_TRUE(arm("2", "", "11:00:00"));
    EXPECT_EQ(line(Action::Shutdown, false), "ShutDown at 11:00:00") << "tomorrow's";
    EXPECT_EQ(line(Action::Hibernate, true), "Ruhezustand um 11:00:00");
    EXPECT_EQ(line(Action::None, false), "none");
    ASSERT_TRUE(arm("3", "", "08:00:00", "24.12.2026"));
    EXPECT_EQ(line(Action::Standby, false), "StandBy on 24.12.2026 at 08:00:00");
    EXPECT_EQ(line(Action::Logoff, true), "Abmelden am 24.12.2026 um 08:00:00");
    ASSERT_TRUE(arm("1", "5"));  // 200 s of uptime to go
    EXPECT_EQ(line(Action::Reboot, false), "Reboot at 12:03:20");
    ASSERT_TRUE(arm("3", "", "12:00:30", "08.12.2026", "60"));
    tickAt(kNoon + 5);
    EXPECT_EQ(line(Action::Reboot, true), "none") << "its countdown speaks for it";
    EXPECT_EQ(dueActionText(Action::Reboot, kNoon + 600, clock, false), "Reboot at 12:10:00");
    EXPECT_EQ(dueActionText(Action::Reboot, kNoon + 86400, clock, true),
              "Neustart am 09.12.2026 um 12:00:00");
}

// While the program runs, the tooltip names it, cut to fit; its end is
// named on the warning's second line.
TEST(ProgramWatch, TextsNameTheProgram) {
    ProgramWatch watch;
    EXPECT_FALSE(watch.text(Action::Shutdown, false, 53)) << "nothing armed";
    watch.arm("render.exe");
    EXPECT_EQ(watch.text(Action::Shutdown, false, 53), "ShutDown when render.exe ends");
    EXPECT_EQ(watch.reason(false), "render.exe has ended");
    EXPECT_EQ(watch.reason(true), "render.exe ist beendet");
    watch.arm(std::string(80, 'a') + ".exe");
    const std::string line = *watch.text(Action::Hibernate, true, 53);
    EXPECT_EQ(line.size(), 53u);
    EXPECT_EQ(line.substr(line.size() - 9), "... endet");
    watch.drop();
    EXPECT_FALSE(watch.armed());
}

TEST(ScheduledAction, EachCodeInItsOrder) {
    const std::pair<const char*, Calls> cases[] = {
        {"0", {"reload", "ExitWindowsEx(13)", "removeTrayIcon"}},
        {"1", {"removeTrayIcon", "ExitWindowsEx(2)"}},
        {"2", {"removeTrayIcon", "ExitWindowsEx(0)"}},
        {"3", {"SetSystemPowerState(TRUE,0)"}},
        {"4", {"reload", "removeTrayIcon", "SetSystemPowerState(FALSE,0)"}},
        {"5", {}},
        {"", {}},
    };
    for (const auto& [code, tail] : cases) {
        Settings settings;
        FakeSettingsStore store;
        store.values["TaskManagerAktion"] = {code};
        RecordingPower power;
        PowerEntryContext context{settings, power, [&] {
                                      power.calls.push_back("reload");
                                      loadSettings(settings, store, false);
                                  }};
        runScheduledAction(context);
        Calls want{"reload"};
        want.insert(want.end(), tail.begin(), tail.end());
        EXPECT_EQ(power.calls, want) << "TaskManagerAktion " << code;
    }
}

TEST(ScheduledAction, RebootIsForcedExactlyWhenForcerebootIsOne) {
    for (const auto& [stored, flags] : {std::pair{"1", "ExitWindowsEx(6)"}, {"", "ExitWindowsEx(2)"},
                                        {"01", "ExitWindowsEx(2)"}, {"0", "ExitWindowsEx(2)"}}) {
        Settings settings;
        FakeSettingsStore store;
        store.values["TaskManagerAktion"] = {"1"};
        store.values["forcereboot"] = {stored};
        RecordingPower power;
        PowerEntryContext context{settings, power, [&] { loadSettings(settings, store, false); }};
        runScheduledAction(context);
        EXPECT_EQ(power.calls.back(), flags) << "forcereboot '" << stored << "'";
    }
}

TEST(CountdownText, ByActionCodeAndLanguage) {
    EXPECT_EQ(initialCountdownText(false), "in ? seconds your system will be shutting down");
    EXPECT_EQ(initialCountdownText(true), "Ihr System wird in ? Sekunden heruntergefahren");
    EXPECT_EQ(countdownText(parseAction("1"), 25, true), "Reboot in 25 Sekunden");
    EXPECT_EQ(countdownText(parseAction("3"), 5, false), "StandBy-Mode in 5 seconds");
    EXPECT_EQ(countdownText(parseAction("0"), 1, false), "ShutDown in 1 seconds");
    EXPECT_EQ(countdownText(parseAction("2"), 30, false), "LogOff in 30 seconds");
    EXPECT_EQ(countdownText(parseAction("4"), 2, true), "Hibernate-Mode in 2 Sekunden");
    for (const char* other : {"5", "", "01", "-1", " 1"})
        EXPECT_FALSE(countdownText(parseAction(other), 3, false)) << other;
}

}  // namespace
