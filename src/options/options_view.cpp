#include "options/options_view.h"

#include "common/decimal.h"
#include "common/text.h"
#include "settings/network_computers.h"
#include "settings/settings.h"

int storedListItem(const std::string& stored, int count) {
    const int item = settingAsInt(stored);
    return item >= 0 && item < count ? item : -1;
}

OptionsView optionsView(const Settings& stored) {
    OptionsView v;
    v.doubleClick = stored.doubleClick != 0;
    v.networkWarningSecondsText = stored.shownetworkwarning;
    v.forceNetShutdown = stored.forcenetshutdown.rfind('1', 0) == 0;
    switch (stored.action.empty() ? '0' : stored.action[0]) {
    case '0':
        v.scheduleMode = 0;
        break;
    case '1':
        v.scheduleMode = 1;
        v.minutesText = stored.minuten;
        break;
    case '2':
        v.scheduleMode = 2;
        v.time = readTimeOfDay(stored.zeit).value;
        break;
    case '3':
        v.scheduleMode = 3;
        v.dateTime = readTimeOfDay(stored.zeit).value;
        v.date = readDate(stored.tag).value;
        break;
    default:
        v.scheduleMode = -1;
        break;
    }
    v.showWarning = stored.showwarning != "0";
    if (v.showWarning) v.warningSecondsText = stored.showwarning;
    v.powerOff = stored.poweroff != "0";
    v.checkScreen = stored.checkscreen != "0";
    if (!stored.checkscreen.empty() && v.checkScreen) v.restoreSecondsText = stored.checkscreen;
    // an empty value checks the box too
    v.forceShutdown = stored.forceshutdown != "0";
    v.forceReboot = stored.forcereboot != "0";
    v.forceLogoff = stored.forcelogoff != "0";
    v.forceStandby = stored.forcestandby != "0";
    v.forceHibernate = stored.forcehibernate != "0";
    v.emptyCache = stored.emptyIEFiles != "0";
    v.autostart = stored.startupLink == "exist";
    v.networkComputers = parseNetworkComputers(stored.NetworkDrives);
    return v;
}

std::string physicalMemoryText(std::uint64_t totalBytes, bool german) {
    return std::string(bilingual(german, "Verfügbarer realer Speicher : ",
                                 "Physical  memory available : ")) +
           std::to_string(totalBytes / 1024) + " KB ";
}
