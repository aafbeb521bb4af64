#include "options/options_record.h"

#include <gtest/gtest.h>

#include "support/fake_settings_store.h"
#include "settings/settings.h"

namespace {

using Names = std::vector<std::string>;

OptionsRecord filledRecord(int mode) {
    OptionsRecord c;
    c.scheduleMode = mode;
    c.minutesText = "15";
    c.timeText = "07:05:00 ";
    c.dateText = "24.12.2004";
    c.dateTimeText = "21:30:00 ";
    return c;
}

Names namesOf(const std::vector<StoredValue>& values) {
    Names names;
    for (const StoredValue& value : values) names.push_back(value.name);
    return names;
}

std::string textOf(const std::vector<StoredValue>& values, const std::string& name) {
    for (const StoredValue& value : values)
        if (value.name == name) return value.text;
    return "<not written>";
}

const Names kBefore = {"NetworkDrives", "forceshutdown", "forcenetshutdown", "shownetworkwarning",
                       "TaskManagerAktion", "mouseclick"};
const Names kAfter = {"action",      "showwarning", "poweroff",     "forcereboot",
                      "forcelogoff", "forcestandby", "checkscreen", "emptyIEFiles",
                      "AppIcon",     "standbyforce", "usedblclick"};

Names withSchedule(const Names& schedule) {
    Names names = kBefore;
    names.insert(names.end(), schedule.begin(), schedule.end());
    names.insert(names.end(), kAfter.begin(), kAfter.end());
    return names;
}

TEST(OptionsRecord, WritesTheScheduleTextsOfTheChosenModeOnly) {
    EXPECT_EQ(namesOf(valuesToSave(filledRecord(0), false)), withSchedule({}));
    EXPECT_EQ(namesOf(valuesToSave(filledRecord(1), false)), withSchedule({"minuten"}));
    EXPECT_EQ(namesOf(valuesToSave(filledRecord(2), false)), withSchedule({"zeit"}));
    EXPECT_EQ(namesOf(valuesToSave(filledRecord(3), false)), withSchedule({"tag", "zeit"}));

    const std::vector<StoredValue> dated = valuesToSave(filledRecord(3), false);
    EXPECT_EQ(textOf(dated, "tag"), "24.12.2004");
    EXPECT_EQ(textOf(dated, "zeit"), "21:30:00 ");
    EXPECT_EQ(textOf(dated, "action"), "3");
    EXPECT_EQ(textOf(valuesToSave(filledRecord(2), false), "zeit"), "07:05:00 ");
}

TEST(OptionsRecord, EmptyScheduleTextsAreNotWritten) {
    OptionsRecord c = filledRecord(3);
    c.dateText.clear();
    EXPECT_EQ(namesOf(valuesToSave(c, false)), withSchedule({"zeit"}));
    c = filledRecord(1);
    c.minutesText.clear();
    EXPECT_EQ(namesOf(valuesToSave(c, false)), withSchedule({}));
}

TEST(OptionsRecord, ForcehibernateOnlyWhileHibernationIsAvailable) {
    Names names = withSchedule({});
    names.insert(names.end() - 2, "forcehibernate");
    EXPECT_EQ(namesOf(valuesToSave(filledRecord(0), true)), names);
}

TEST(OptionsRecord, StoredFormsOfTheControls) {
    OptionsRecord c;
    c.showWarning = false;
    c.warningSecondsText = "20";
    c.checkScreen = false;
    c.restoreSecondsText = "10";
    c.powerOff = false;
    c.forceStandby = true;
    c.clickAction = 5;
    c.doubleClick = true;
    c.iconPath = "C:\\moon.ico";
    c.networkComputers = {"pc1", "pc2"};
    c.networkWarningSecondsText = "";
    std::vector<StoredValue> v = valuesToSave(c, true);
    EXPECT_EQ(textOf(v, "TaskManagerAktion"), "-1");
    EXPECT_EQ(textOf(v, "showwarning"), "0");
    EXPECT_EQ(textOf(v, "checkscreen"), "0");
    EXPECT_EQ(textOf(v, "poweroff"), "0");
    EXPECT_EQ(textOf(v, "forcestandby"), "1");
    EXPECT_EQ(textOf(v, "standbyforce"), "1");
    EXPECT_EQ(textOf(v, "forceshutdown"), "0");
    EXPECT_EQ(textOf(v, "forcehibernate"), "0");
    EXPECT_EQ(textOf(v, "mouseclick"), "5");
    EXPECT_EQ(textOf(v, "usedblclick"), "1");
    EXPECT_EQ(textOf(v, "AppIcon"), "C:\\moon.ico");
    EXPECT_EQ(textOf(v, "NetworkDrives"), "pc1|pc2|");
    EXPECT_EQ(textOf(v, "shownetworkwarning"), "");

    c.showWarning = true;
    c.checkScreen = true;
    v = valuesToSave(c, true);
    EXPECT_EQ(textOf(v, "showwarning"), "20");
    EXPECT_EQ(textOf(v, "checkscreen"), "10");
}

TEST(OptionsRecord, LeavesExactlyTheWrittenValues) {
    FakeSettingsStore store;
    store.setText("tag", "01.01.2001");
    store.setText("Hibernate", "1");
    store.setText("forcehibernate", "1");
    store.setText("unknown", "x");
    store.setNumber("poweroff");
    Settings s;
    s.tag = "01.01.2001";
    ASSERT_TRUE(saveOptionsRecord(s, filledRecord(2), false, store));
    Names stored;
    for (const auto& entry : store.values) {
        stored.push_back(entry.first);
        EXPECT_TRUE(entry.second.isText) << entry.first;
    }
    Names expected = withSchedule({"zeit"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(stored, expected);
    EXPECT_FALSE(store.isOpen);

    EXPECT_EQ(s.tag, "");
    EXPECT_EQ(s.minuten, "");
    EXPECT_EQ(s.zeit, "07:05:00 ");
}

// Lists that show only text values keep the others, which the user never
// saw and cannot have removed.
TEST(OptionsRecord, StaleValuesOfOtherTypesCanStay) {
    for (const StaleValues stale : {StaleValues::Delete, StaleValues::KeepOtherTypes}) {
        FakeSettingsStore store;
        store.isOpen = true;
        store.setText("1", "gone from the list");
        store.setNumber("7");
        ASSERT_TRUE(replaceStoredValues(store, {{"2", "new"}}, stale));
        Names stored;
        for (const auto& entry : store.values) stored.push_back(entry.first);
        const Names expected =
            stale == StaleValues::Delete ? Names{"2"} : Names{"2", "7"};
        EXPECT_EQ(stored, expected);
    }
}

TEST(OptionsRecord, KeyThatCannotBeOpenedKeepsThePreviousSettings) {
    FakeSettingsStore store;
    store.setText("forceshutdown", "0");
    store.opens = false;
    Settings s;
    EXPECT_FALSE(saveOptionsRecord(s, filledRecord(1), false, store));
    EXPECT_EQ(store.values.size(), 1u);
    EXPECT_EQ(store.values["forceshutdown"].text, "0");
    EXPECT_EQ(s.minuten, "15");
}

TEST(OptionsRecord, FailedWriteRestoresThePreviousSettings) {
    FakeSettingsStore store;
    store.setText("forceshutdown", "0");
    store.setText("mouseclick", "3");
    store.setText("tag", "24.12.2004");
    store.setText("action", "3");
    const auto previous = store.values;
    store.failingWrite = "poweroff";
    Settings s;
    EXPECT_FALSE(saveOptionsRecord(s, filledRecord(1), false, store));
    ASSERT_EQ(store.values.size(), previous.size());
    for (const auto& [name, value] : previous) EXPECT_EQ(store.values[name].text, value.text) << name;
    EXPECT_FALSE(store.isOpen);
}

}  // namespace
