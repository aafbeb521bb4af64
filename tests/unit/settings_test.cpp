#include "settings/settings.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/fake_settings_store.h"

namespace {

// Every stored value, with the member that holds it in memory.
const std::vector<std::pair<std::string, std::string Settings::*>> kAllValues = {
    {"action", &Settings::action},
    {"minuten", &Settings::minuten},
    {"zeit", &Settings::zeit},
    {"tag", &Settings::tag},
    {"TaskManagerAktion", &Settings::TaskManagerAktion},
    {"showwarning", &Settings::showwarning},
    {"poweroff", &Settings::poweroff},
    {"forceshutdown", &Settings::forceshutdown},
    {"forcereboot", &Settings::forcereboot},
    {"forcelogoff", &Settings::forcelogoff},
    {"forcestandby", &Settings::forcestandby},
    {"forcehibernate", &Settings::forcehibernate},
    {"mouseclick", &Settings::mouseclick},
    {"usedblclick", &Settings::usedblclick},
    {"checkscreen", &Settings::checkscreen},
    {"emptyIEFiles", &Settings::emptyIEFiles},
    {"AppIcon", &Settings::AppIcon},
    {"NetworkDrives", &Settings::NetworkDrives},
    {"forcenetshutdown", &Settings::forcenetshutdown},
    {"shownetworkwarning", &Settings::shownetworkwarning},
    {"Hibernate", &Settings::Hibernate},
    {"ForceCritical", &Settings::ForceCritical},
    {"DisableWakeEvent", &Settings::DisableWakeEvent},
};

const std::vector<std::string> kKeptValues = {"TaskManagerAktion", "forcehibernate", "AppIcon",
                                              "NetworkDrives",     "Hibernate",      "ForceCritical",
                                              "DisableWakeEvent"};

bool isKept(const std::string& name) {
    return std::find(kKeptValues.begin(), kKeptValues.end(), name) != kKeptValues.end();
}

// The value a load leaves when the store has none and memory held "stale".
std::string defaultAfterStale(const std::string& name) {
    if (isKept(name)) return "stale";
    if (name == "poweroff" || name == "forceshutdown" || name == "forcenetshutdown") return "1";
    if (name == "shownetworkwarning") return "30";
    if (name == "emptyIEFiles" || name == "mouseclick") return "0";
    return "";
}

Settings staleSettings() {
    Settings s;
    for (const auto& [name, member] : kAllValues) s.*member = "stale";
    s.startupLink = "stale";
    return s;
}

TEST(SettingsLoad, WithoutStoredValuesGivesTheDefaultsAndKeepsTheRest) {
    Settings s = staleSettings();
    FakeSettingsStore store;
    loadSettings(s, store, false);
    for (const auto& [name, member] : kAllValues) EXPECT_EQ(s.*member, defaultAfterStale(name)) << name;
    EXPECT_EQ(s.startupLink, "");
    EXPECT_TRUE(store.values.empty());
    EXPECT_TRUE(store.changes.empty());
    EXPECT_FALSE(store.isOpen);
}

TEST(SettingsLoad, KeyThatCannotBeOpenedLeavesTheDefaults) {
    Settings s = staleSettings();
    FakeSettingsStore store;
    store.setText("forceshutdown", "0");
    store.opens = false;
    loadSettings(s, store, true);
    EXPECT_EQ(s.forceshutdown, "1");
    EXPECT_EQ(s.AppIcon, "stale");
    EXPECT_EQ(s.startupLink, "exist");
}

TEST(SettingsLoad, StoredTextsReplaceEveryValueAndOnlyTextsCount) {
    Settings s;
    FakeSettingsStore store;
    for (const auto& [name, member] : kAllValues) store.setText(name, name + "-stored");
    loadSettings(s, store, false);
    for (const auto& [name, member] : kAllValues) EXPECT_EQ(s.*member, name + "-stored") << name;

    // Numbers and other types are not ours: the defaults and kept values stay.
    Settings stale = staleSettings();
    for (const auto& [name, member] : kAllValues) store.setNumber(name);
    loadSettings(stale, store, false);
    for (const auto& [name, member] : kAllValues)
        EXPECT_EQ(stale.*member, defaultAfterStale(name)) << name;
}

TEST(SettingsLoad, StoredZeroReplacesADefaultOfOne) {
    Settings s;
    FakeSettingsStore store;
    store.setText("forceshutdown", "0");
    store.setText("poweroff", "");
    loadSettings(s, store, false);
    EXPECT_EQ(s.forceshutdown, "0");
    EXPECT_EQ(s.poweroff, "");
}

TEST(SettingsLoad, SecondLoadResetsWhatTheStoreNoLongerHoldsAndKeepsTheRest) {
    Settings s;
    FakeSettingsStore store;
    for (const auto& [name, member] : kAllValues) store.setText(name, "first");
    loadSettings(s, store, true);
    EXPECT_EQ(s.startupLink, "exist");
    store.values.clear();
    loadSettings(s, store, false);
    for (const auto& [name, member] : kAllValues)
        EXPECT_EQ(s.*member, isKept(name) ? "first" : defaultAfterStale(name)) << name;
    EXPECT_EQ(s.startupLink, "");
}

TEST(SettingsLoad, ValuesLongerThanTheWorkingBufferCountAsMissing) {
    Settings s = staleSettings();
    FakeSettingsStore store;
    for (const auto& [name, member] : kAllValues) store.setText(name, std::string(4000, '7'));
    loadSettings(s, store, false);
    for (const auto& [name, member] : kAllValues) EXPECT_EQ(s.*member, defaultAfterStale(name)) << name;
    EXPECT_EQ(s.doubleClick, 0);

    store.setText("AppIcon", std::string(kMaxSettingLength, 'a'));
    loadSettings(s, store, false);
    EXPECT_EQ(s.AppIcon.size(), kMaxSettingLength);
}

TEST(SettingsLoad, DoubleClickFlagFollowsUsedblclickOnlyWhenItIsSet) {
    Settings s;
    FakeSettingsStore store;
    store.setText("usedblclick", "1");
    loadSettings(s, store, false);
    EXPECT_EQ(s.doubleClick, 1);
    store.values.erase("usedblclick");
    loadSettings(s, store, false);
    EXPECT_EQ(s.doubleClick, 1);
    store.setText("usedblclick", "0");
    loadSettings(s, store, false);
    EXPECT_EQ(s.doubleClick, 0);
}

TEST(AppIconRead, TakesTheStoredPathOrNothing) {
    Settings s;
    s.AppIcon = "old.ico";
    FakeSettingsStore store;
    store.opens = false;
    loadAppIcon(s, store);
    EXPECT_EQ(s.AppIcon, "old.ico");
    store.opens = true;
    loadAppIcon(s, store);
    EXPECT_EQ(s.AppIcon, "");
    store.setText("AppIcon", "C:\\icons\\moon.ico");
    loadAppIcon(s, store);
    EXPECT_EQ(s.AppIcon, "C:\\icons\\moon.ico");
    EXPECT_FALSE(store.isOpen);
}

TEST(LanguageFile, OnlyASingleOneMeansGerman) {
    EXPECT_TRUE(languageFileMeansGerman("1"));
    for (const std::string& other :
         std::vector<std::string>{"", "0", "11", "1\r\n", "1\n", " 1", std::string("1\0", 2)})
        EXPECT_FALSE(languageFileMeansGerman(other)) << other;
}

// Hand-edited forms of each value, read as the program and the options
// window read them before the table: a flag as 1 or 0, a number as it is.
TEST(StoredSettings, HandEditedFormsReadAsBefore) {
    const char* forms[] = {"", "0", "1", "2", " 1", "01", "-1", "x"};
    constexpr int kNotZero[] = {1, 0, 1, 1, 1, 1, 1, 1};
    constexpr int kExactlyOne[] = {0, 0, 1, 0, 0, 0, 0, 0};
    constexpr int kNumberOne[] = {0, 0, 1, 0, 1, 1, 0, 0};
    constexpr int kNumber[] = {0, 0, 1, 2, 1, 1, -1, 0};
    constexpr int kSeconds[] = {0, 0, 1, 2, 1, 1, 0, 0};
    constexpr int kDigit[] = {-1, 0, 1, 2, -1, -1, -1, -1};
    struct Row {
        SettingText member;
        const int* acted;
        const int* shown;  // nullptr: shown as its text
    };
    const int netForced[] = {0, 0, 1, 1, 1, 1, 1, 0};
    const int undoSeconds[] = {10, 0, 1, 2, 10, 1, 10, 10};
    const int modeShown[] = {0, 0, 1, 2, -1, 0, -1, -1};
    const int itemShown[] = {-1, 0, 1, 2, 1, 1, -1, 0};
    const Row rows[] = {
        {&Settings::forceshutdown, kNumberOne, kNotZero},
        {&Settings::poweroff, kNumberOne, kNotZero},
        {&Settings::forcereboot, kExactlyOne, kNotZero},
        {&Settings::forcelogoff, kExactlyOne, kNotZero},
        {&Settings::emptyIEFiles, kExactlyOne, kNotZero},
        {&Settings::forcestandby, kNumber, kNotZero},
        {&Settings::forcehibernate, kNumber, kNotZero},
        {&Settings::forcenetshutdown, netForced, kExactlyOne},
        {&Settings::showwarning, kSeconds, kNotZero},
        {&Settings::shownetworkwarning, kSeconds, nullptr},
        {&Settings::minuten, kNumber, nullptr},
        {&Settings::checkscreen, undoSeconds, kNotZero},
        {&Settings::action, kDigit, modeShown},
        {&Settings::TaskManagerAktion, kDigit, itemShown},
        {&Settings::mouseclick, kDigit, kNumber},
        {&Settings::usedblclick, kNumber, kNumber},
    };
    Settings s;
    for (const Row& row : rows)
        for (std::size_t i = 0; i < std::size(forms); ++i) {
            SCOPED_TRACE(std::to_string(&row - rows) + ": '" + forms[i] + "'");
            s.*row.member = forms[i];
            EXPECT_EQ(settingValue(s, row.member), row.acted[i]);
            if (row.shown) {
                EXPECT_EQ(shownValue(s, row.member), row.shown[i]);
            }
        }
}

}  // namespace
