#pragma once

#include <cstddef>
#include <string>

class SettingsStore;

// The in-memory settings, one text per registry value, named as the values
// are named in the store. "1" means on; numbers are read with settingAsInt.
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

// First step of every load: the values that a load resets, set to the
// defaults that hold while the store has no value. TaskManagerAktion,
// forcehibernate, AppIcon, NetworkDrives, Hibernate, ForceCritical and
// DisableWakeEvent keep whatever they held.
void resetToLoadDefaults(Settings& settings);

// A full load: the defaults, then every string value the store holds (a key
// that cannot be opened leaves the defaults), then the derived values. The
// store is only read.
void loadSettings(Settings& settings, SettingsStore& store, bool startupLinkExists);

// Takes AppIcon from the store, "" when it holds none. Nothing changes when
// the key cannot be opened.
void loadAppIcon(Settings& settings, SettingsStore& store);

// language.dat holds its first bytes (13 at most are read): German exactly
// when they are the single character "1".
bool languageFileMeansGerman(const std::string& firstBytes);
