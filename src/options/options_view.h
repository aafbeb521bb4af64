#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Settings;

// A time or date as the options window's pickers hold them.
struct ClockTime {
    int hour = 0, minute = 0, second = 0;
};
struct ClockDate {
    int day = 0, month = 0, year = 0;
};

// What the options window's controls show when it opens.
struct OptionsView {
    int scheduleMode = 0;              // the checked action radio button, -1 none
    std::string minutesText = "120";
    std::optional<ClockTime> time;     // the first time picker; none: the current time
    std::optional<ClockDate> date;     // the date picker; none: today
    std::optional<ClockTime> dateTime; // the date's time picker; none: the current time
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
int storedListItem(const std::string& stored, int count);

// A stored time or date read from fixed places ("hh:mm:ss", "dd.mm.yyyy"),
// each place as a number the way the settings are read; a place beyond the
// end of the text reads as 0.
ClockTime timeAtFixedPlaces(const std::string& text);
ClockDate dateAtFixedPlaces(const std::string& text);

// The pickers' displayed texts, which OK stores: "21:30:00 " (the time
// format ends in a blank) and "24.12.2004".
std::string pickerTimeText(const ClockTime& time);
std::string pickerDateText(const ClockDate& date);

// The Information tab's memory line: the total physical memory in KB.
std::string physicalMemoryText(std::uint64_t totalBytes, bool german);
