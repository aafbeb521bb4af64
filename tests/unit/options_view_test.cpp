#include "options/options_view.h"

#include <gtest/gtest.h>

#include <functional>

#include "settings/settings.h"

namespace {

Settings nothingStored() {
    Settings s;
    resetToLoadDefaults(s);
    return s;
}

TEST(OptionsView, NothingStored) {
    const OptionsView v = optionsView(nothingStored());
    EXPECT_EQ(v.scheduleMode, 0);
    EXPECT_TRUE(v.showWarning) << "an empty showwarning checks the box";
    EXPECT_EQ(v.warningSecondsText, "");
    EXPECT_EQ(v.minutesText, "120");
    EXPECT_TRUE(v.powerOff);
    EXPECT_TRUE(v.checkScreen);
    EXPECT_EQ(v.restoreSecondsText, "10");
    EXPECT_TRUE(v.forceShutdown && v.forceReboot && v.forceLogoff && v.forceStandby);
    EXPECT_FALSE(v.emptyCache);
    EXPECT_TRUE(v.forceNetShutdown);
    EXPECT_EQ(v.networkWarningSecondsText, "30");
    EXPECT_FALSE(v.time || v.date || v.dateTime) << "the pickers show now";
}

// Each stored value against what its control shows.
TEST(OptionsView, LoadRules) {
    struct Case {
        const char* name;
        std::string Settings::*value;
        const char* text;
        std::function<bool(const OptionsView&)> shows;
    };
    const Case cases[] = {
        {"showwarning 0", &Settings::showwarning, "0",
         [](const OptionsView& v) { return !v.showWarning && v.warningSecondsText == "5"; }},
        {"showwarning 45", &Settings::showwarning, "45",
         [](const OptionsView& v) { return v.showWarning && v.warningSecondsText == "45"; }},
        {"checkscreen 0", &Settings::checkscreen, "0",
         [](const OptionsView& v) { return !v.checkScreen && v.restoreSecondsText == "10"; }},
        {"checkscreen 25", &Settings::checkscreen, "25",
         [](const OptionsView& v) { return v.checkScreen && v.restoreSecondsText == "25"; }},
        {"poweroff 0", &Settings::poweroff, "0", [](const OptionsView& v) { return !v.powerOff; }},
        {"poweroff 2", &Settings::poweroff, "2", [](const OptionsView& v) { return v.powerOff; }},
        {"forcelogoff 0", &Settings::forcelogoff, "0",
         [](const OptionsView& v) { return !v.forceLogoff && v.forceReboot; }},
        {"emptyIEFiles 1", &Settings::emptyIEFiles, "1", [](const OptionsView& v) { return v.emptyCache; }},
        {"forcenetshutdown 10", &Settings::forcenetshutdown, "10",
         [](const OptionsView& v) { return v.forceNetShutdown; }},
        {"forcenetshutdown 01", &Settings::forcenetshutdown, "01",
         [](const OptionsView& v) { return !v.forceNetShutdown; }},
        {"action x", &Settings::action, "x", [](const OptionsView& v) { return v.scheduleMode == -1; }},
        {"action 2", &Settings::action, "2", [](const OptionsView& v) { return v.scheduleMode == 2; }},
        {"NetworkDrives", &Settings::NetworkDrives, "pc1|pc2|", [](const OptionsView& v) {
             return v.networkComputers == std::vector<std::string>{"pc1", "pc2"};
         }},
    };
    for (const Case& c : cases) {
        Settings s = nothingStored();
        s.*c.value = c.text;
        EXPECT_TRUE(c.shows(optionsView(s))) << c.name;
    }
}

TEST(OptionsView, StoredScheduleFillsItsControls) {
    Settings s = nothingStored();
    s.action = "1";
    s.minuten = "abc";  // free text, stored as typed
    EXPECT_EQ(optionsView(s).minutesText, "abc");
    s.action = "3";
    s.tag = "24.12.2004";
    s.zeit = "21:30:00 ";
    const OptionsView v = optionsView(s);
    ASSERT_TRUE(v.date && v.dateTime);
    EXPECT_EQ(dateText(*v.date), "24.12.2004");
    EXPECT_EQ(timeOfDayText(*v.dateTime), "21:30:00 ");
    EXPECT_FALSE(v.time) << "the first time picker shows now";
    s.action = "2";
    s.zeit = "7:5";
    const OptionsView short_ = optionsView(s);
    ASSERT_TRUE(short_.time);
    EXPECT_EQ(timeOfDayText(*short_.time), "07:00:00 ") << "places beyond the end read as 0";
}

TEST(OptionsView, ListItemsAndMemoryLine) {
    EXPECT_EQ(storedListItem(3, 4), 3);
    EXPECT_EQ(storedListItem(4, 4), -1) << "Hibernate without hibernation";
    EXPECT_EQ(storedListItem(-1, 4), -1);
    EXPECT_EQ(physicalMemoryText(2048 * 1024 + 1023, false), "Physical  memory available : 2048 KB ");
    EXPECT_EQ(physicalMemoryText(8ull << 30, true), "Verfügbarer realer Speicher : 8388608 KB ");
}

}  // namespace
