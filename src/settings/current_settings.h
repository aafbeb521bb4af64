#pragma once

#include "settings/settings.h"

struct OptionsRecord;

// The program's one set of settings in memory.
Settings& currentSettings();

// Brings the settings in memory back to their stored state: the load
// defaults, then whatever the registry holds. Never writes the registry.
void loadSettings();

// Takes AppIcon from the registry without creating the settings key.
void loadStoredAppIcon();

// Stores what the options window's controls hold and creates or deletes the
// autostart shortcut to the program in its home directory. Returns whether
// the registry took the new values; when it did not, the previous ones are
// still there and the shortcut is left as it was.
bool saveSettings(const OptionsRecord& controls, bool hibernationAvailable);
