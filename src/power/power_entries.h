#pragma once

#include "power/action_codes.h"
#include "power/power_entry.h"

// The three ways into the power actions, side by side: the command line,
// the tray icon (its click and its menu's power entries) and the
// scheduler. Each has its own steps before the call: reloads, the tray
// icon's removal, forced standby, in the order each has them.

// What the command line's switches ask for: the action and the values that
// override the settings in memory for this one action.
struct CommandLineAction {
    Action action = Action::None;
    bool poweroff = false;
    bool forceshutdown = false;
    bool forcereboot = false;
    bool forcelogoff = false;
    bool forcestandby = false;
    bool forcehibernate = false;  // used only by the command line's hibernation
};

// Runs the requested action with the overridden settings. Shutdown, reboot
// and logoff remove the tray icon first.
void runCommandLineAction(const CommandLineAction& request, const Settings& settings,
                          PowerSystem& power);

// What a click leaves for the caller: the network actions are not power
// calls of this machine.
enum class ClickOutcome { Done, NetworkShutdown, NetworkReboot };

// A left click or double click: forced standby and hibernation unless the
// store says otherwise, a reload, then the mouseclick action.
ClickOutcome runClickAction(PowerEntryContext& context);

// Tray menu commands 123, 200, 201, 202, 223 and 247; false for any other id.
bool runTrayPowerCommand(unsigned id, PowerEntryContext& context);

// The scheduler's action at zero, by TaskManagerAktion, with its reloads
// and tray icon removal in their order.
void runScheduledAction(PowerEntryContext& context);
