#pragma once

#include <windows.h>

#include "power/program_watch.h"

// The program's one watch of a process's end, and the process's handle,
// which the watch holds until it is dropped.
ProgramWatch& programWatch();

// The watch holds this handle from now on (closing any it held).
void keepWatchedProcess(HANDLE process);

// Whether the watched process has ended, asked without waiting.
bool watchedProgramEnded();

// Ends the watch and closes its handle (Cancel, or its action has run).
void dropProgramWatch();
