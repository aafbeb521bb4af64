#pragma once

#include <array>
#include <optional>
#include <string>

#include "common/command_ids.h"

// The CD-drive submenu of the tray menu: per CD-ROM drive an Open and a
// Close entry and a separator, three command ids each from 300, so that an
// id less 300 is its entry's position in the submenu. The ids count only
// until the menu is built again.
constexpr unsigned kFirstCdDriveCommand = tray_command::kFirstCdDrive;
constexpr unsigned kCdRomDriveType = 5;  // DRIVE_CDROM

// The letters of the CD-ROM drives from the drive type of each root, A:\ to Z:\.
std::string cdDriveLetters(const std::array<unsigned, 26>& driveTypes);

// "CD-Drive E:\ Open ", with the blank at the end.
std::string cdDriveEntryText(char letter, bool open, bool german);

// One past the last id of the submenu built for these drives.
inline unsigned cdDriveCommandEnd(const std::string& letters) {
    return kFirstCdDriveCommand + 3 * static_cast<unsigned>(letters.size());
}

// What a command id asks of which drive; nothing outside the range or for
// the id a separator stands on.
struct CdDriveCommand {
    char letter;
    bool open;  // open the tray, else close it
};
std::optional<CdDriveCommand> cdDriveCommand(unsigned id, const std::string& letters);
