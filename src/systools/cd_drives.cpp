#include "systools/cd_drives.h"

#include "common/text.h"

std::string cdDriveLetters(const std::array<unsigned, 26>& driveTypes) {
    std::string letters;
    for (std::size_t i = 0; i < driveTypes.size(); ++i)
        if (driveTypes[i] == kCdRomDriveType) letters += static_cast<char>('A' + i);
    return letters;
}

std::string cdDriveEntryText(char letter, bool open, bool german) {
    return std::string(bilingual(german, "CD-Laufwerk ", "CD-Drive ")) + letter + ":\\" +
           (open ? " Open " : " Close ");
}

std::optional<CdDriveCommand> cdDriveCommand(unsigned id, const std::string& letters) {
    if (id < kFirstCdDriveCommand || id >= cdDriveCommandEnd(letters)) return std::nullopt;
    const unsigned position = id - kFirstCdDriveCommand;
    if (position % 3 == 2) return std::nullopt;  // the separator
    return CdDriveCommand{letters[position / 3], position % 3 == 0};
}
