#pragma once

#include <windows.h>

#include <string>

// The program's own icon, a resource of Dormival.exe.
constexpr int kProgramIconResource = 102;

// The file whose icon the program shows: the AppIcon setting, or our own
// executable in the given directory when that setting is empty.
inline std::string iconSourceFile(const std::string& appIcon, const std::string& directory) {
    return appIcon.empty() ? directory + "\\Dormival.exe" : appIcon;
}

// The icon of a file at the size the system asks for, small (the tray, the
// captions: SM_CXSMICON) or large (Alt+Tab: SM_CXICON): a program's or icon
// file's own first icon, else the icon the shell shows for the file's type,
// else the program's own icon (a stale AppIcon must not leave a blank
// tray). The caller destroys it.
HICON smallFileIcon(const std::string& file);
HICON largeFileIcon(const std::string& file);
