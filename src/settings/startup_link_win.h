#pragma once

#include <string>

// The autostart shortcut "Dormival.lnk" in the user's Startup folder.

// The Startup folder, "" when the system cannot name it.
std::string startupFolderPath();

// Startup folder + "\Dormival.lnk"; "" when there is no Startup folder.
std::string startupLinkPath();
bool startupLinkExists();

// Writes a shell link file. Returns whether the file was saved; a link path
// longer than MAX_PATH is refused.
bool createShortcut(const std::string& target, const std::string& linkPath,
                    const std::string& description, const std::string& workingDirectory);

// Creates the autostart shortcut to Dormival.exe in the home directory, or
// deletes it (a missing file is no error).
void setAutostart(bool on, const std::string& homeDirectory);
