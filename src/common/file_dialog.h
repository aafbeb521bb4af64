#pragma once

#include <windows.h>

#include <string>

// The open-file dialog, owned by the main window, offering every file:
// returns the chosen full path, "" when the user cancelled.
std::string chooseAnyFile(const char* title);

// The dialog call (GetOpenFileNameA); tests install another. nullptr goes
// back to the system's.
using OpenFileCall = BOOL(WINAPI*)(OPENFILENAMEA* dialog);
void setOpenFileCall(OpenFileCall call);
