#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/clock_texts.h"

struct Settings;

// What the options window's controls show when it opens.
struct OptionsView {
    int scheduleMode = 0;              // the checked action radio button, -1 none
    std::string minutesText = "120";
    std::optional<TimeOfDay> time;     // the first time picker; none: the current time
    std::optional<CalendarDate> date;     // the date picker; none: today
    std::optional<TimeOfDay> dateTime; // the date's time picker; none: the current time
    bool showWarning = false;
    std::string warningSecondsText = "5";
    bool powerOff = true;
    bool checkScreen = true;           // check and restore, else apply unchecked
    std::string restoreSecondsText = "10";
    bool forceShutdown = true;
    bool forceReboot = true;
    bool forceLogoff = true;
    bool forceStandby = true;
    bool forceHibernate = true;
    bool emptyCache = false;
    bool doubleClick = false;
    bool autostart = false;
    bool forceNetShutdown = false;
    std::string networkWarningSecondsText;
    std::vector<std::string> networkComputers;
};

// The controls' states by the loading rules, from the settings read afresh
// from the store. (The two lists and the icon path are set earlier, while
// the window is built, from the settings in memory then.)
OptionsView optionsView(const Settings& stored);

// A list's item for a stored number (TaskManagerAktion, mouseclick): none
// (-1) for a number the list of count items lacks.
int storedListItem(int item, int count);

// The Information tab's memory line: the total physical memory in KB.
std::string physicalMemoryText(std::uint64_t totalBytes, bool german);
