#include "common/file_icon_win.h"

#include <shellapi.h>

namespace {

HICON fileIcon(const std::string& file, bool small) {
    // The file's own icon first: a system that knows no program file type
    // (Wine's fresh prefixes) answers the shell's generic icon for every .exe.
    HICON icon = nullptr;
    if (ExtractIconExA(file.c_str(), 0, small ? nullptr : &icon, small ? &icon : nullptr, 1) > 0 &&
        icon)
        return icon;
    SHFILEINFOA info{};
    if (SHGetFileInfoA(file.c_str(), 0, &info, sizeof(info),
                       SHGFI_ICON | (small ? SHGFI_SMALLICON : SHGFI_LARGEICON)) &&
        info.hIcon)
        return info.hIcon;
    return static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kProgramIconResource), IMAGE_ICON,
        GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON),
        GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON), 0));
}

}  // namespace

HICON smallFileIcon(const std::string& file) { return fileIcon(file, true); }
HICON largeFileIcon(const std::string& file) { return fileIcon(file, false); }
