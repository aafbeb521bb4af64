#pragma once

#include "power/power_actions.h"
#include "power/power_entry.h"

// The power system in use: the real system calls unless a test installed
// another one. Every power action of the program goes through it.
PowerSystem& powerSystem();

// Installs a replacement (tests); nullptr goes back to the real calls.
void setPowerSystem(PowerSystem* replacement);

// Runs before the program itself asks Windows to end the session (shut
// down, restart, log off): a forced end sends no WM_ENDSESSION, so what the
// open windows hold is stored first.
void setBeforeSessionEnd(void (*store)());
void storeBeforeSessionEnd();

// The program's settings, the power system in use, the registry reload and
// the language, for the entry points of the power actions.
PowerEntryContext powerEntryContext();

// Loads powrprof.dll from the system directory once; while it is loaded,
// hibernation is offered. Returns whether it is loaded.
bool testHibernation();
bool hibernationAvailable();
