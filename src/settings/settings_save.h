#pragma once

#include <string>
#include <vector>

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

struct StoredValue {
    std::string name;
    std::string text;
};

// The values a save writes, in the order it writes them. Schedule texts are
// written only for the modes that use them and only when not empty;
// forcehibernate only while hibernation is available.
std::vector<StoredValue> valuesToSave(const OptionsRecord& controls, bool hibernationAvailable);

// Makes the store hold exactly these values. Values that exist but are not
// among them are deleted only once every write succeeded; when a write
// fails, the values already written get their previous text back (or go,
// when they were new), so a failed save leaves the previous settings.
// Value names compare without regard to case: the registry knows
// "C:\\A.EXE" and "c:\\a.exe" as one value. With KeepOtherTypes a value
// that is not text (put there by hand) stays: it was never shown to the
// user, who cannot have meant to remove it.
enum class StaleValues { Delete, KeepOtherTypes };
bool replaceStoredValues(SettingsStore& store, const std::vector<StoredValue>& values,
                         StaleValues stale = StaleValues::Delete);

// Whether the registry takes the two names for one value: letters of the
// ANSI code page (1252) match their other case.
bool sameValueName(const std::string& a, const std::string& b);

// One value per name, where the first of a name stood; the later text wins.
std::vector<StoredValue> uniqueStoredValues(const std::vector<StoredValue>& values);

// The save of the options window: the schedule texts in memory follow the
// chosen mode, then the store is replaced (see above). The autostart
// shortcut is the caller's. Returns whether the store took the new values.
bool saveSettings(Settings& settings, const OptionsRecord& controls, bool hibernationAvailable,
                  SettingsStore& store);
