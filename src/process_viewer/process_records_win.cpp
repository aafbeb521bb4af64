#include "process_viewer/process_records_win.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <functional>

#include "win32/entry_point_win.h"
#include "win32/system_library_win.h"
#include "win32/system_error_text_win.h"

namespace {

struct Toolhelp {
    decltype(&CreateToolhelp32Snapshot) snapshot =
        entryPoint<decltype(&CreateToolhelp32Snapshot)>("KERNEL32.DLL", "CreateToolhelp32Snapshot");
    decltype(&Process32First) processFirst =
        entryPoint<decltype(&Process32First)>("KERNEL32.DLL", "Process32First");
    decltype(&Process32Next) processNext =
        entryPoint<decltype(&Process32Next)>("KERNEL32.DLL", "Process32Next");
    decltype(&Module32First) moduleFirst =
        entryPoint<decltype(&Module32First)>("KERNEL32.DLL", "Module32First");
    decltype(&Module32Next) moduleNext =
        entryPoint<decltype(&Module32Next)>("KERNEL32.DLL", "Module32Next");
};

const Toolhelp& toolhelp() {
    static const Toolhelp calls;
    return calls;
}

// PSAPI, loaded from the system directory once and kept.
struct Psapi {
    BOOL(WINAPI* enumProcesses)(DWORD*, DWORD, DWORD*) = nullptr;
    BOOL(WINAPI* enumModules)(HANDLE, HMODULE*, DWORD, DWORD*) = nullptr;
    DWORD(WINAPI* moduleFileName)(HANDLE, HMODULE, LPSTR, DWORD) = nullptr;
    bool complete() const { return enumProcesses && enumModules && moduleFileName; }
};

template <typename Function>
void lookUp(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

const Psapi& psapi() {
    static const Psapi calls = [] {
        Psapi p;
        if (const HMODULE library = loadSystemLibrary("psapi.dll")) {
            lookUp(library, "EnumProcesses", p.enumProcesses);
            lookUp(library, "EnumProcessModules", p.enumModules);
            lookUp(library, "GetModuleFileNameExA", p.moduleFileName);
        }
        return p;
    }();
    return calls;
}

void reportLastError(const char* context) {
    const DWORD code = GetLastError();
    const std::string line =
        "\nError " + std::string(context) + ": " + SystemErrorText(code).value_or("") + "\n";
    std::fputs(line.c_str(), stderr);
}

std::optional<OSVERSIONINFOA> systemVersion() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExA(&version)) return std::nullopt;
    return version;
}

bool ntWithMajorVersion(bool (*holds)(DWORD major)) {
    const auto v = systemVersion();
    return v && v->dwPlatformId == VER_PLATFORM_WIN32_NT && holds(v->dwMajorVersion);
}

bool nt5OrLater() {
    return ntWithMajorVersion([](DWORD major) { return major > 4; });
}

BOOL CALLBACK collectWindow(HWND window, LPARAM handles) {
    reinterpret_cast<std::vector<HWND>*>(handles)->push_back(window);
    return TRUE;
}

std::string textOf(int (WINAPI* read)(HWND, LPSTR, int), HWND window) {
    char text[257] = "";
    read(window, text, sizeof(text));
    return text;
}

}  // namespace

ViewerKind viewerKind() {
    if (!systemVersion()) return ViewerKind::None;
    return ntWithMajorVersion([](DWORD major) { return major <= 4; }) ? ViewerKind::Nt4
                                                                     : ViewerKind::WindowList;
}

bool isNt4() {
    return ntWithMajorVersion([](DWORD major) { return major == 4; });
}

std::vector<ProcessRecord> processSnapshot() {
    std::vector<ProcessRecord> processes;
    const Toolhelp& t = toolhelp();
    if (!t.snapshot || !t.processFirst || !t.processNext) return processes;
    const HANDLE snapshot = t.snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return processes;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = t.processFirst(snapshot, &entry); more; more = t.processNext(snapshot, &entry))
        processes.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.cntThreads,
                             static_cast<std::int32_t>(entry.pcPriClassBase), entry.szExeFile});
    CloseHandle(snapshot);
    return processes;
}

std::vector<WindowRecord> topLevelWindows() {
    return WindowReader().read();
}

std::vector<WindowRecord> WindowReader::read() {
    std::vector<HWND> handles;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&handles));
    std::map<std::uintptr_t, Fixed> seen;
    std::vector<WindowRecord> windows;
    for (const HWND window : handles) {
        const auto key = reinterpret_cast<std::uintptr_t>(window);
        const auto earlier = known_.find(key);
        Fixed fixed;
        if (earlier != known_.end()) {
            fixed = earlier->second;
        } else {
            fixed.owned = GetWindow(window, GW_OWNER) != nullptr;
            DWORD pid = 0;
            GetWindowThreadProcessId(window, &pid);
            fixed.pid = pid;
        }
        WindowRecord record{fixed.owned, textOf(GetWindowTextA, window), fixed.pid, "", key};
        if (!record.owned && !record.title.empty()) {
            if (!fixed.className) fixed.className = textOf(GetClassNameA, window);
            record.className = *fixed.className;
        }
        seen.emplace(key, std::move(fixed));
        windows.push_back(std::move(record));
    }
    known_ = std::move(seen);
    return windows;
}

std::vector<ModuleRecord> moduleSnapshot(std::uint32_t pid) {
    std::vector<ModuleRecord> modules;
    const Toolhelp& t = toolhelp();
    if (!t.snapshot || !t.moduleFirst || !t.moduleNext) return modules;
    const HANDLE snapshot = t.snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) return modules;
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = t.moduleFirst(snapshot, &entry); more; more = t.moduleNext(snapshot, &entry))
        modules.push_back({entry.szModule, entry.szExePath, entry.th32ProcessID,
                           entry.GlblcntUsage, entry.ProccntUsage,
                           reinterpret_cast<std::uintptr_t>(entry.modBaseAddr), entry.modBaseSize});
    CloseHandle(snapshot);
    return modules;
}

std::vector<PathRecord> processPaths() {
    std::vector<PathRecord> paths;
    const Psapi& p = psapi();
    if (!p.complete()) return paths;
    std::vector<DWORD> ids(1024);
    DWORD bytes = 0;
    // a full array may have left processes out: ask again with more room
    for (;;) {
        const DWORD room = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        if (!p.enumProcesses(ids.data(), room, &bytes)) {
            reportLastError("Enumerating Processes");
            return paths;
        }
        if (bytes < room) break;
        ids.resize(ids.size() * 2);
    }
    for (DWORD i = 0; i < bytes / sizeof(DWORD); ++i) {
        const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
        if (!process) continue;
        HMODULE first = nullptr;
        DWORD needed = 0;
        char path[MAX_PATH] = "";
        if (p.enumModules(process, &first, sizeof(first), &needed) &&
            p.moduleFileName(process, first, path, sizeof(path)))
            paths.push_back({ids[i], path});
        CloseHandle(process);
    }
    return paths;
}

std::optional<std::string> FullPaths::operator()(std::uint32_t pid) {
    if (!walked_) walked_ = nt5OrLater() ? processPaths() : std::vector<PathRecord>();
    for (const PathRecord& p : *walked_)
        if (p.pid == pid) return p.path;
    return std::nullopt;
}

std::optional<std::string> programPathNow(std::uint32_t pid, bool nt4List) {
    if (nt4List) {
        for (const PathRecord& process : processPaths())
            if (process.pid == pid) return process.path;
        return std::nullopt;
    }
    FullPaths paths;
    const WindowRecord anyTitledWindow{false, "-", pid, "", 0};
    const auto row = windowRow(anyTitledWindow, processSnapshot(), std::ref(paths));
    return row ? std::optional<std::string>(row->path) : std::nullopt;
}
