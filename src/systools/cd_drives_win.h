#pragma once

#include <string>

// The CD-ROM drives of this moment. Their letters give the CD-drive
// submenu's entries and ids until the next scan, which each tray menu runs.
std::string scanCdDrives();

// A command id of the CD-drive submenu built from the last scan: opens or
// closes that drive's tray. False, and nothing done, for an id outside it.
bool runCdDriveCommand(unsigned id);
