#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "systools/system_figures.h"

// The global memory status, and the size of Win386.swp where it exists.
MemoryFigures readMemoryFigures();

// The Identifier value of the first processor's registry key.
std::optional<std::string> processorIdentifier();

// The time-stamp counter's rate over half a second at real-time priority;
// none on a processor without the counter.
std::optional<unsigned> measureClockRate();

// Replaces the eight placeholders of the System resources submenu and, where
// known, the two of the CPU information submenu, by position.
void fillSystemFigures(HMENU resources, HMENU cpu, bool german, bool measureClock);
