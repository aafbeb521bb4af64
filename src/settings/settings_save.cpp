#include "settings/settings_save.h"

#include <algorithm>
#include <optional>

#include "settings/network_drives.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace {

const char* flag(bool on) {
    return on ? "1" : "0";
}

// The schedule texts that the chosen mode uses; the others are empty.
struct ScheduleTexts {
    std::string tag, minuten, zeit;
};

ScheduleTexts scheduleTexts(const OptionsRecord& c) {
    switch (c.scheduleMode) {
    case 1: return {"", c.minutesText, ""};
    case 2: return {"", "", c.timeText};
    case 3: return {c.dateText, "", c.dateTimeText};
    default: return {};
    }
}

}  // namespace

std::vector<StoredValue> valuesToSave(const OptionsRecord& c, bool hibernationAvailable) {
    std::vector<StoredValue> values = {
        {"NetworkDrives", joinNetworkDrives(c.networkComputers)},
        {"forceshutdown", flag(c.forceShutdown)},
        {"forcenetshutdown", flag(c.forceNetShutdown)},
        {"shownetworkwarning", c.networkWarningSecondsText},
        {"TaskManagerAktion", std::to_string(c.scheduledAction)},
        {"mouseclick", std::to_string(c.clickAction)},
    };
    const ScheduleTexts schedule = scheduleTexts(c);
    if (!schedule.tag.empty()) values.push_back({"tag", schedule.tag});
    if (!schedule.minuten.empty()) values.push_back({"minuten", schedule.minuten});
    if (!schedule.zeit.empty()) values.push_back({"zeit", schedule.zeit});
    values.insert(values.end(), {
        {"action", std::to_string(c.scheduleMode)},
        {"showwarning", c.showWarning ? c.warningSecondsText : "0"},
        {"poweroff", flag(c.powerOff)},
        {"forcereboot", flag(c.forceReboot)},
        {"forcelogoff", flag(c.forceLogoff)},
        {"forcestandby", flag(c.forceStandby)},
        {"checkscreen", c.checkScreen ? c.restoreSecondsText : "0"},
        {"emptyIEFiles", flag(c.emptyCache)},
        {"AppIcon", c.iconPath},
    });
    if (hibernationAvailable) values.push_back({"forcehibernate", flag(c.forceHibernate)});
    values.insert(values.end(), {
        {"standbyforce", flag(c.forceStandby)},
        {"usedblclick", flag(c.doubleClick)},
    });
    return values;
}

namespace {

// Lower case in code page 1252: ASCII, and the accented capitals 0xC0 to
// 0xDE but the multiplication sign.
unsigned char lowerCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<unsigned char>(u + 0x20);
    return u;
}

}  // namespace

bool sameValueName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

std::vector<StoredValue> uniqueStoredValues(const std::vector<StoredValue>& values) {
    std::vector<StoredValue> unique;
    for (const StoredValue& value : values) {
        const auto same = std::find_if(unique.begin(), unique.end(), [&](const StoredValue& u) {
            return sameValueName(u.name, value.name);
        });
        if (same == unique.end())
            unique.push_back(value);
        else
            same->text = value.text;
    }
    return unique;
}

bool replaceStoredValues(SettingsStore& store, const std::vector<StoredValue>& values,
                         StaleValues stale) {
    std::vector<std::optional<std::string>> previous;
    // whatever was there, hand-edited lengths included, is what a failure restores
    for (const StoredValue& value : values)
        previous.push_back(store.readText(value.name, SettingsStore::kAnyLength));

    for (std::size_t i = 0; i < values.size(); ++i) {
        if (store.writeText(values[i].name, values[i].text)) continue;
        for (std::size_t j = 0; j <= i; ++j) {
            if (previous[j])
                store.writeText(values[j].name, *previous[j]);
            else
                store.deleteValue(values[j].name);
        }
        return false;
    }

    const auto written = [&](const std::string& name) {
        return std::any_of(values.begin(), values.end(), [&](const StoredValue& value) {
            return sameValueName(value.name, name);
        });
    };
    const auto kept = [&](const std::string& name) {
        return stale == StaleValues::KeepOtherTypes &&
               !store.readText(name, SettingsStore::kAnyLength);
    };
    for (const std::string& name : store.valueNames())
        if (!written(name) && !kept(name)) store.deleteValue(name);
    return true;
}

bool saveSettings(Settings& settings, const OptionsRecord& controls, bool hibernationAvailable,
                  SettingsStore& store) {
    const ScheduleTexts schedule = scheduleTexts(controls);
    settings.tag = schedule.tag;
    settings.minuten = schedule.minuten;
    settings.zeit = schedule.zeit;
    if (!store.open()) return false;
    const bool saved = replaceStoredValues(store, valuesToSave(controls, hibernationAvailable));
    store.close();
    return saved;
}
