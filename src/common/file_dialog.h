#pragma once

#include <windows.h>

#include <string>

// The open-file dialog, owned by the main window, offering every file:
// returns the chosen full path, "" when the user cancelled.
std::string chooseAnyFile(const char* title);

// The save-file dialog for a text file, owned by owner (so an always-on-top
// window cannot hide it); it asks before a file is overwritten and adds
// ".txt" to a name typed without an extension. Returns the chosen path, ""
// when cancelled.
std::string chooseTextFileToSave(HWND owner, const char* title);

// The dialog calls (GetOpenFileNameA, GetSaveFileNameA); tests install
// others. nullptr goes back to the system's.
using FileDialogCall = BOOL(WINAPI*)(OPENFILENAMEA* dialog);
void setOpenFileCall(FileDialogCall call);
void setSaveFileCall(FileDialogCall call);
