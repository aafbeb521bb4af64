#pragma once

#include <string>

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
    std::string NetworkDrives;
    std::string forcenetshutdown;
    std::string shownetworkwarning;
    std::string Hibernate;
    std::string ForceCritical;
    std::string DisableWakeEvent;

    std::string startupLink;         // "exist" when the autostart shortcut exists
    int doubleClick = 0;             // derived from usedblclick
};

// First step of every load: the values that a load resets, set to the
// defaults that hold while the store has no value. TaskManagerAktion,
// forcehibernate, AppIcon, NetworkDrives, Hibernate, ForceCritical and
// DisableWakeEvent keep whatever they held.
void resetToLoadDefaults(Settings& settings);
