#pragma once

#include "power/power_entry.h"

// The power actions of the tray icon: the click action and the power entries
// of the tray menu, each with its own steps before the call.

// What a click leaves for the caller: the network actions are not power
// calls of this machine.
enum class ClickOutcome { Done, NetworkShutdown, NetworkReboot };

// A left click or double click: forced standby and hibernation unless the
// store says otherwise, a reload, then the mouseclick action.
ClickOutcome runClickAction(PowerEntryContext& context);

// Tray menu commands 123, 200, 201, 202, 223 and 247; false for any other id.
bool runTrayPowerCommand(unsigned id, PowerEntryContext& context);
