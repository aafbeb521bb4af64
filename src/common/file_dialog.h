#pragma once

#include <windows.h>

#include <string>

// The open-file dialog, owned by the main window, offering every file:
// returns the chosen full path, "" when the user cancelled.
std::string chooseAnyFile(const char* title);

// The save-file dialog, owned by the main window, for a text file; it asks
// before a file is overwritten. Returns the chosen path, "" when cancelled.
std::string chooseTextFileToSave(const char* title);

// The dialog calls (GetOpenFileNameA, GetSaveFileNameA); tests install
// others. nullptr goes back to the system's.
using FileDialogCall = BOOL(WINAPI*)(OPENFILENAMEA* dialog);
void setOpenFileCall(FileDialogCall call);
void setSaveFileCall(FileDialogCall call);
