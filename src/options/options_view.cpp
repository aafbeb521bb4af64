#include "options/options_view.h"

#include "common/text.h"
#include "settings/network_computers.h"
#include "settings/settings.h"

int storedListItem(int item, int count) {
    return item >= 0 && item < count ? item : -1;
}

OptionsView optionsView(const Settings& stored) {
    OptionsView v;
    v.doubleClick = stored.doubleClick != 0;
    v.networkWarningSecondsText = stored.shownetworkwarning;
    const auto shownOn = [&](SettingText member) { return shownValue(stored, member) != 0; };
    v.forceNetShutdown = shownOn(&Settings::forcenetshutdown);
    v.scheduleMode = shownValue(stored, &Settings::action);
    switch (v.scheduleMode) {
    case 0: break;
    case 1: v.minutesText = stored.minuten; break;
    case 2: v.time = readTimeOfDay(stored.zeit).value; break;
    case 3:
        v.dateTime = readTimeOfDay(stored.zeit).value;
        v.date = readDate(stored.tag).value;
        break;
    default: v.scheduleMode = -1; break;
    }
    v.showWarning = shownOn(&Settings::showwarning);
    if (v.showWarning) v.warningSecondsText = stored.showwarning;
    v.powerOff = shownOn(&Settings::poweroff);
    v.checkScreen = shownOn(&Settings::checkscreen);
    if (!stored.checkscreen.empty() && v.checkScreen) v.restoreSecondsText = stored.checkscreen;
    v.forceShutdown = shownOn(&Settings::forceshutdown);
    v.forceReboot = shownOn(&Settings::forcereboot);
    v.forceLogoff = shownOn(&Settings::forcelogoff);
    v.forceStandby = shownOn(&Settings::forcestandby);
    v.forceHibernate = shownOn(&Settings::forcehibernate);
    v.emptyCache = shownOn(&Settings::emptyIEFiles);
    v.autostart = stored.startupLink == "exist";
    v.networkComputers = parseNetworkComputers(stored.NetworkDrives);
    return v;
}

std::string physicalMemoryText(std::uint64_t totalBytes, bool german) {
    return std::string(bilingual(german, "Verfügbarer realer Speicher : ",
                                 "Physical  memory available : ")) +
           std::to_string(totalBytes / 1024) + " KB ";
}
