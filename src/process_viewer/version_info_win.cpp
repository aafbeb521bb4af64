#include "process_viewer/version_info_win.h"

#include <cstdint>
#include <vector>

#include "win32/system_library_win.h"
#include "process_viewer/version_block.h"
#include "process_viewer/version_report.h"

namespace {

// The version resource readers, loaded with the first window that shows versions.
struct VersionCalls {
    decltype(&GetFileVersionInfoSizeA) size =
        systemEntryPoint<decltype(size)>("version.dll", "GetFileVersionInfoSizeA");
    decltype(&GetFileVersionInfoA) read =
        systemEntryPoint<decltype(read)>("version.dll", "GetFileVersionInfoA");
    decltype(&VerQueryValueA) query =
        systemEntryPoint<decltype(query)>("version.dll", "VerQueryValueA");
};

const VersionCalls& versionCalls() {
    static const VersionCalls calls;
    return calls;
}

// Where a query's answer lies in the block, with its length in bytes or
// characters; nothing where the block lacks it or the system points
// outside it.
std::optional<VersionValue> query(std::vector<unsigned char>& block, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    if (!versionCalls().query(block.data(), name.c_str(), &value, &length) || !value)
        return std::nullopt;
    const auto start = reinterpret_cast<std::uintptr_t>(block.data());
    const auto at = reinterpret_cast<std::uintptr_t>(value);
    if (at < start || at - start > block.size()) return std::nullopt;
    return VersionValue{at - start, length};
}

std::optional<VersionBlock> readVersionBlock(const std::string& path) {
    const VersionCalls& calls = versionCalls();
    if (!calls.size || !calls.read || !calls.query) return std::nullopt;
    DWORD handle = 0;
    const DWORD size = calls.size(path.c_str(), &handle);
    if (size == 0 || size > kMaxVersionBlock) return std::nullopt;
    std::vector<unsigned char> data(size);
    if (!calls.read(path.c_str(), 0, size, data.data())) return std::nullopt;

    VersionBlock block;
    if (const auto fixed = query(data, "\\")) block.fileVersion = fixedFileVersion(data, *fixed);
    const auto translations = query(data, "\\VarFileInfo\\Translation");
    if (!translations) return block;
    for (const auto& [language, codePage] : versionTranslations(data, *translations)) {
        VersionTranslation t{language, codePage, {}};
        const std::string code = translationCode(language, codePage);
        for (const char* name : kVersionEntryNames)
            if (const auto value = query(data, "\\StringFileInfo\\" + code + "\\" + name))
                t.entries.push_back({name, versionText(data, *value)});
        block.translations.push_back(std::move(t));
    }
    return block;
}

LocalTime localTime(const FILETIME& time) {
    FILETIME local{};
    SYSTEMTIME t{};
    FileTimeToLocalFileTime(&time, &local);
    FileTimeToSystemTime(&local, &t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::optional<DirectoryEntry> readDirectoryEntry(const std::string& path) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return DirectoryEntry{localTime(found.ftLastWriteTime), localTime(found.ftLastAccessTime),
                          localTime(found.ftCreationTime), found.dwFileAttributes,
                          found.nFileSizeLow};
}

}  // namespace

std::optional<std::string> versionReportText(const std::string& path) {
    const auto block = readVersionBlock(path);
    if (!block) return std::nullopt;
    return versionReport(path, *block, readDirectoryEntry(path));
}

void showVersionReport(HWND owner, const std::string& path) {
    if (const auto text = versionReportText(path))
        MessageBoxA(owner, text->c_str(), "Version Information", MB_ICONINFORMATION);
}

std::string versionSummaryOf(const std::string& path) {
    const auto block = readVersionBlock(path);
    return block ? versionSummary(*block) : "";
}
