#include "process_viewer/version_info.h"

#include <algorithm>
#include <vector>

#include "common/system_library.h"
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

// The value of a query into the block, with its length in bytes or
// characters; nothing where the block lacks it.
std::optional<std::pair<void*, UINT>> query(std::vector<char>& block, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    if (!versionCalls().query(block.data(), name.c_str(), &value, &length) || !value)
        return std::nullopt;
    return std::make_pair(value, length);
}

std::optional<VersionBlock> readVersionBlock(const std::string& path) {
    const VersionCalls& calls = versionCalls();
    if (!calls.size || !calls.read || !calls.query) return std::nullopt;
    DWORD handle = 0;
    const DWORD size = calls.size(path.c_str(), &handle);
    if (size == 0) return std::nullopt;
    std::vector<char> data(size);
    if (!calls.read(path.c_str(), 0, size, data.data())) return std::nullopt;

    VersionBlock block;
    if (const auto fixed = query(data, "\\"); fixed && fixed->second >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* info = static_cast<const VS_FIXEDFILEINFO*>(fixed->first);
        block.fileVersion = {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                             HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
    }
    const auto translations = query(data, "\\VarFileInfo\\Translation");
    if (!translations) return block;
    const auto* codes = static_cast<const DWORD*>(translations->first);
    for (UINT i = 0; i < translations->second / sizeof(DWORD); ++i) {
        VersionTranslation t{LOWORD(codes[i]), HIWORD(codes[i]), {}};
        const std::string code = translationCode(t.language, t.codePage);
        for (const char* name : kVersionEntryNames) {
            const auto value = query(data, "\\StringFileInfo\\" + code + "\\" + name);
            if (!value) continue;
            // the length counts characters, the closing zero among them
            const auto* text = static_cast<const char*>(value->first);
            t.entries.push_back({name, std::string(text, std::find(text, text + value->second, '\0'))});
        }
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
