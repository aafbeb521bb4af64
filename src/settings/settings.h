#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "settings/stored_values.h"

class SettingsStore;

// The in-memory settings, one text per registry value, named as the values
// are named in the store. Each is read through the readings below, as the
// table of stored settings says.
struct Settings {
    std::string action;              // schedule mode "0".."3", "" = none
    std::string minuten;             // minutes after Windows started
    std::string zeit;                // time of day hh:mm:ss
    std::string tag;                 // date dd.mm.yyyy
    std::string TaskManagerAktion;   // action code of the scheduled action
    std::string showwarning;         // warning seconds before a scheduled action
    std::string poweroff;
    std::string forceshutdown;
    std::string forcereboot;
    std::string forcelogoff;
    std::string forcestandby;
    std::string forcehibernate;
    std::string mouseclick;          // click action code of the tray icon
    std::string usedblclick;
    std::string checkscreen;
    std::string emptyIEFiles;
    std::string AppIcon;             // icon source file, "" = our own exe
    std::string NetworkDrives;       // the network computers, see network_computers.h
    std::string forcenetshutdown;
    std::string shownetworkwarning;
    std::string Hibernate;
    std::string ForceCritical;
    std::string DisableWakeEvent;

    // Derived at each load.
    std::string startupLink;         // "exist" when the autostart shortcut exists
    int doubleClick = 0;             // from usedblclick, kept while that is empty
};

// Every stored text went through a working buffer of 250 characters. A longer
// value was not written by us; a load treats it as missing rather than act on
// a cut path, computer name or number.
constexpr std::size_t kMaxSettingLength = 249;

// Every value of the settings key is listed once, in the table in
// settings.cpp: what a load starts from or that it keeps the value, when the
// options' save writes it and in which order, and how the program and the
// options window read its text. Every value is a string (REG_SZ); one of
// another type, a DWORD put there by hand among them, reads as missing.

// How a stored text is read. Values that look alike have always been read
// differently (forcereboot needs exactly "1", forceshutdown the number 1),
// and each keeps its own reading, so a hand-edited " 1" or "01" means what
// it always meant.
enum class Reading : unsigned char {
    Text,           // as it stands: a path, a list, a date, a time
    One,            // on only for exactly "1"
    NumberOne,      // on when it reads as the number 1: " 1" and "01" too
    NumberNotZero,  // on when it reads as a number other than 0
    LeadingOne,     // on when its first character is "1"
    NotZero,        // on unless exactly "0": empty is on
    Number,         // its number, read as atoi reads it: empty is 0
    Seconds,        // its number, a negative one as 0
    Digit,          // exactly one digit, anything else none (-1)
    LeadingDigit,   // its first character's digit, empty as 0, else none (-1)
    ListItem,       // its number, empty as none (-1)
    UndoSeconds,    // "0" none, 1 to 3600 as they are, anything else 10
};

// A text by a reading; flags read as 1 or 0.
int readingOf(std::string_view text, Reading reading);

// A value as the program acts on it, and as the options window shows it.
using SettingText = std::string Settings::*;
int settingValue(const Settings& settings, SettingText member);
inline bool settingOn(const Settings& settings, SettingText member) {
    return settingValue(settings, member) != 0;
}
int shownValue(const Settings& settings, SettingText member);

// First step of every load: the values that a load resets, set to the
// defaults that hold while the store has no value; the others keep what
// they held.
void resetToLoadDefaults(Settings& settings);

// A full load: the defaults, then every string value the store holds (a key
// that cannot be opened leaves the defaults), then the derived values. The
// store is only read.
void loadSettings(Settings& settings, SettingsStore& store, bool startupLinkExists);

// Takes AppIcon from the store, "" when it holds none. Nothing changes when
// the key cannot be opened.
void loadAppIcon(Settings& settings, SettingsStore& store);

// The options' save: the texts it offers, put in the table's order, each
// written only where its row says so. A text the table does not list is
// not written.
std::vector<StoredValue> inSavingOrder(const std::vector<StoredValue>& offered);

// The options key's own value, in the same form: the process viewer's
// "Always On Top" (ProcessViewAlwaysOnTop), on only for exactly "1". The
// write is "1" or "0", false where the key cannot take it.
bool readAlwaysOnTop(SettingsStore& optionsKey);
bool writeAlwaysOnTop(SettingsStore& optionsKey, bool on);

// language.dat holds its first bytes (13 at most are read): German exactly
// when they are the single character "1".
bool languageFileMeansGerman(const std::string& firstBytes);
