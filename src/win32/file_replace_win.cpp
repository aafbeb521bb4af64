#include "win32/file_replace_win.h"

namespace {

ReplacingMoveCall replacingMove = nullptr;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? "." : path.substr(0, slash);
}

// A new, empty file of its own name in the folder; "" when none can be made.
std::string newFileIn(const std::string& folder) {
    char name[MAX_PATH];
    return GetTempFileNameA(folder.c_str(), "dmv", 0, name) ? name : "";
}

bool writeWholeFile(const std::string& path, const std::string& text) {
    const HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool saved = WriteFile(out, text.data(), static_cast<DWORD>(text.size()), &written,
                                 nullptr) &&
                       written == text.size();
    return CloseHandle(out) && saved;
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool replaceInSteps(const std::string& written, const std::string& path) {
    const std::string aside = newFileIn(folderOf(path));
    if (aside.empty()) return false;
    DeleteFileA(aside.c_str());  // only its name was wanted
    const bool hadOld = exists(path);
    if (hadOld && !MoveFileA(path.c_str(), aside.c_str())) return false;
    if (!MoveFileA(written.c_str(), path.c_str())) {
        if (hadOld) MoveFileA(aside.c_str(), path.c_str());
        return false;
    }
    if (hadOld) DeleteFileA(aside.c_str());
    return true;
}

}  // namespace

void setReplacingMoveCall(ReplacingMoveCall call) { replacingMove = call; }

bool replaceFileContent(const std::string& path, const std::string& text) {
    const std::string written = newFileIn(folderOf(path));
    if (written.empty()) return false;
    bool replaced = false;
    if (writeWholeFile(written, text)) {
        const auto move = replacingMove ? replacingMove : MoveFileExA;
        replaced = move(written.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) ||
                   (GetLastError() == ERROR_CALL_NOT_IMPLEMENTED && replaceInSteps(written, path));
    }
    if (!replaced) DeleteFileA(written.c_str());
    return replaced;
}
