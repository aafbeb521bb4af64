#include "common/file_icon_win.h"

#include <shellapi.h>

HICON smallFileIcon(const std::string& file) {
    // The file's own icon first: a system that knows no program file type
    // (Wine's fresh prefixes) answers the shell's generic icon for every .exe.
    HICON small = nullptr;
    if (ExtractIconExA(file.c_str(), 0, nullptr, &small, 1) > 0 && small) return small;
    SHFILEINFOA info{};
    if (SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON) &&
        info.hIcon)
        return info.hIcon;
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(kProgramIconResource), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), 0));
}
