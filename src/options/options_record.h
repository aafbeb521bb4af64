#pragma once

#include <string>
#include <vector>

#include "settings/stored_values.h"

struct Settings;
class SettingsStore;

// What the options window's controls hold when the user confirms it.
struct OptionsRecord {
    int scheduleMode = 0;             // selected schedule choice, 0..3
    int scheduledAction = -1;         // selected entry of the action list, -1 none
    std::string minutesText;          // minutes after Windows started (mode 1)
    std::string timeText;             // the time picker's text (mode 2)
    std::string dateText;             // the date picker's text (mode 3)
    std::string dateTimeText;         // the time picker beside the date (mode 3)
    bool showWarning = false;
    std::string warningSecondsText;
    bool powerOff = true;
    bool forceShutdown = false;
    bool forceReboot = false;
    bool forceLogoff = false;
    bool forceStandby = false;
    bool forceHibernate = false;
    int clickAction = 0;              // selected entry of the click-action list
    bool doubleClick = false;
    bool checkScreen = true;          // undo an unconfirmed display mode
    std::string restoreSecondsText;
    bool emptyCache = false;
    std::string iconPath;
    std::vector<std::string> networkComputers;
    bool forceNetShutdown = false;
    std::string networkWarningSecondsText;
    bool autostart = false;
};

// The values a save writes, in the table's order (settings.h).
// Schedule texts are offered only for the modes that use them;
// forcehibernate only while hibernation is available.
std::vector<StoredValue> valuesToSave(const OptionsRecord& controls, bool hibernationAvailable);

// The save of the options window: the schedule texts in memory follow the
// chosen mode, then the store is replaced (see above). The autostart
// shortcut is the caller's. Returns whether the store took the new values.
bool saveOptionsRecord(Settings& settings, const OptionsRecord& controls,
                       bool hibernationAvailable, SettingsStore& store);
