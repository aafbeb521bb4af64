#pragma once

#include <string>

struct Settings;

// The actions a stored or typed code names, each code set parsed here and
// nowhere else. The scheduled action (TaskManagerAktion) and the command
// line name the five local actions "0" to "4". The tray icon's click
// (mouseclick) has codes "0" to "7": the same first four, then network
// shutdown and reboot, nothing, and hibernation last. "4" is hibernation
// in one set and network shutdown in the other, so they are two types.
enum class Action { None, Shutdown, Reboot, Logoff, Standby, Hibernate };
enum class ClickAction {
    None,
    Shutdown,
    Reboot,
    Logoff,
    Standby,
    NetworkShutdown,
    NetworkReboot,
    Nothing,
    Hibernate,
};

// Exactly one of "0".."4"; anything else ("-1" among them) is none.
Action parseAction(const std::string& code);
// Exactly one of "0".."7"; anything else is none, and nothing happens.
ClickAction parseClickAction(const std::string& code);

// The stored ones: the scheduled action (TaskManagerAktion) and the click's
// (mouseclick).
Action scheduledAction(const Settings& settings);
ClickAction clickAction(const Settings& settings);
