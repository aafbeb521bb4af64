#pragma once

#include <string>

// The file whose icon the program shows: the AppIcon setting, or our own
// executable in the given directory when that setting is empty.
inline std::string iconSourceFile(const std::string& appIcon, const std::string& directory) {
    return appIcon.empty() ? directory + "\\Dormival.exe" : appIcon;
}
