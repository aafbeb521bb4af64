#pragma once

#include "app/settings.h"

// The program's one set of settings in memory.
Settings& currentSettings();

// Brings the settings in memory back to their loaded state: the load
// defaults, then whatever the store holds.
void loadSettings();
