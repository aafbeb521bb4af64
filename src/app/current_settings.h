#pragma once

#include "app/settings.h"

struct OptionsRecord;

// The program's one set of settings in memory.
Settings& currentSettings();

// Brings the settings in memory back to their stored state: the load
// defaults, then whatever the registry holds. Never writes the registry.
void loadSettings();

// Stores what the options window's controls hold and creates or deletes the
// autostart shortcut. Returns whether the registry took the new values; when
// it did not, the previous ones are still there.
bool saveSettings(const OptionsRecord& controls);

// Runs as each of our windows is created: removes the old Run-key autostart,
// takes the home directory and language, tests hibernation, detects the
// Windows version and reads AppIcon.
void runWindowCreationSettingsStep();
