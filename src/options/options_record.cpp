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
    const ScheduleTexts schedule = scheduleTexts(c);
    std::vector<StoredValue> offered = {
        {"NetworkDrives", joinNetworkComputers(c.networkComputers)},
        {"forceshutdown", flag(c.forceShutdown)},
        {"forcenetshutdown", flag(c.forceNetShutdown)},
        {"shownetworkwarning", c.networkWarningSecondsText},
        {"TaskManagerAktion", std::to_string(c.scheduledAction)},
        {"mouseclick", std::to_string(c.clickAction)},
        {"tag", schedule.tag},
        {"minuten", schedule.minuten},
        {"zeit", schedule.zeit},
        {"action", std::to_string(c.scheduleMode)},
        {"showwarning", c.showWarning ? c.warningSecondsText : "0"},
        {"poweroff", flag(c.powerOff)},
        {"forcereboot", flag(c.forceReboot)},
        {"forcelogoff", flag(c.forceLogoff)},
        {"forcestandby", flag(c.forceStandby)},
        {"checkscreen", c.checkScreen ? c.restoreSecondsText : "0"},
        {"emptyIEFiles", flag(c.emptyCache)},
        {"AppIcon", c.iconPath},
        {"standbyforce", flag(c.forceStandby)},
        {"usedblclick", flag(c.doubleClick)},
    };
    if (hibernationAvailable) offered.push_back({"forcehibernate", flag(c.forceHibernate)});
    return inSavingOrder(offered);
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
