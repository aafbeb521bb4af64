#pragma once

#include "settings/settings.h"

// The program's one set of settings in memory.
Settings& currentSettings();

// Brings the settings in memory back to their stored state: the load
// defaults, then whatever the registry holds. Never writes the registry.
void loadSettings();

// Takes AppIcon from the registry without creating the settings key.
void loadStoredAppIcon();
