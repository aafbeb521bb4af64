#pragma once

#include <windows.h>

#include <string>

// The command-line action: loads the settings, overrides them from the
// switches in memory only and runs the action the switches name.
void runCommandLine(const std::string& arguments);

// The whole program: version detection, the command-line action when there
// are switches, the hidden main window, the settings and the outer message
// loop. Returns the exit code carried by the final WM_QUIT. Where another
// copy is resident already, only the switches' action runs.
int runDormival(HINSTANCE instance);
