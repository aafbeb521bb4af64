#pragma once

#include <windows.h>

#include <string>

// The process's current directory, "" when it does not fit MAX_PATH.
inline std::string currentDirectory() {
    char directory[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(MAX_PATH, directory);
    return length > 0 && length < MAX_PATH ? std::string(directory, length) : std::string();
}
