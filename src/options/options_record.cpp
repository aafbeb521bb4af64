#include "options/options_record.h"

#include "settings/network_computers.h"
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
        {"NetworkDrives", joinNetworkComputers(c.networkComputers)},
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

bool saveOptionsRecord(Settings& settings, const OptionsRecord& controls,
                       bool hibernationAvailable, SettingsStore& store) {
    const ScheduleTexts schedule = scheduleTexts(controls);
    settings.tag = schedule.tag;
    settings.minuten = schedule.minuten;
    settings.zeit = schedule.zeit;
    if (!store.open()) return false;
    const bool saved = replaceStoredValues(store, valuesToSave(controls, hibernationAvailable));
    store.close();
    return saved;
}
