#include "win32/system_library_win.h"

namespace {

DirectoryCall windowsDirectoryCall = nullptr;

std::optional<std::string> directoryFrom(DirectoryCall call) {
    char directory[MAX_PATH];
    const UINT length = call(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::nullopt;
    return std::string(directory, length);
}

}  // namespace

std::optional<std::string> systemDirectory() { return directoryFrom(GetSystemDirectoryA); }

std::optional<std::string> windowsDirectory() {
    return directoryFrom(windowsDirectoryCall ? windowsDirectoryCall : GetWindowsDirectoryA);
}

void setWindowsDirectoryCall(DirectoryCall call) { windowsDirectoryCall = call; }

std::optional<std::string> systemProgram(
    const char* fileName, std::initializer_list<std::optional<std::string>> directories) {
    for (const auto& directory : directories) {
        if (!directory) continue;
        const std::string path = *directory + "\\" + fileName;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return path;
    }
    return std::nullopt;
}

HMODULE loadSystemLibrary(const char* fileName) {
    const auto directory = systemDirectory();
    if (!directory) return nullptr;
    return LoadLibraryExA((*directory + "\\" + fileName).c_str(), nullptr,
                          LOAD_WITH_ALTERED_SEARCH_PATH);
}
