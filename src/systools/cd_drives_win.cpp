#include "systools/cd_drives_win.h"

#include <windows.h>
#include <winioctl.h>

#include "systools/cd_drives.h"

namespace {

std::string& scannedLetters() {
    static std::string letters;
    return letters;
}

}  // namespace

std::string scanCdDrives() {
    std::array<unsigned, 26> types{};
    // only the drives that exist are asked their type: each question costs
    // a round trip to the system, and every tray menu asks
    const DWORD present = GetLogicalDrives();
    for (std::size_t i = 0; i < types.size(); ++i) {
        const char root[] = {static_cast<char>('A' + i), ':', '\\', '\0'};
        types[i] = (present >> i) & 1 ? GetDriveTypeA(root) : DRIVE_NO_ROOT_DIR;
    }
    return scannedLetters() = cdDriveLetters(types);
}

bool runCdDriveCommand(unsigned id) {
    const std::string& letters = scannedLetters();
    if (id < kFirstCdDriveCommand || id >= cdDriveCommandEnd(letters)) return false;
    const auto command = cdDriveCommand(id, letters);
    if (!command) return true;
    const char device[] = {'\\', '\\', '.', '\\', command->letter, ':', '\0'};
    const HANDLE drive = CreateFileA(device, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    if (drive == INVALID_HANDLE_VALUE) return true;  // skipped without a word
    DWORD returned = 0;
    DeviceIoControl(drive, command->open ? IOCTL_STORAGE_EJECT_MEDIA : IOCTL_STORAGE_LOAD_MEDIA,
                    nullptr, 0, nullptr, 0, &returned, nullptr);
    CloseHandle(drive);
    return true;
}
