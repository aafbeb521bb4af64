#pragma once

#include <windows.h>

#include <string>

// The open-file dialog offering every file, its filter's name in German
// or English: returns the chosen full path, "" when the user cancelled.
std::string chooseAnyFile(HWND owner, bool german, const char* title);

// The save-file dialog for a text file (an always-on-top owner cannot hide
// it); it asks before a file is overwritten and adds ".txt" to a name typed
// without an extension. Returns the chosen path, "" when cancelled.
std::string chooseTextFileToSave(HWND owner, bool german, const char* title);

// The dialog calls (GetOpenFileNameA, GetSaveFileNameA); tests install
// others. nullptr goes back to the system's.
using FileDialogCall = BOOL(WINAPI*)(OPENFILENAMEA* dialog);
void setOpenFileCall(FileDialogCall call);
void setSaveFileCall(FileDialogCall call);
