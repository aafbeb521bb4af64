#include "systools/system_figures_win.h"

#include <cpuid.h>
#include <x86intrin.h>

#include <cstdint>

#include "win32/entry_point_win.h"
#include "win32/registry_text_win.h"
#include "win32/system_library_win.h"

namespace {

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

void replaceEntry(HMENU menu, UINT position, const std::string& text) {
    ModifyMenuA(menu, position, MF_BYPOSITION | MF_STRING, 0, text.c_str());
}

std::optional<std::uint64_t> swapFileSize() {
    const auto directory = windowsDirectory();
    if (!directory) return std::nullopt;
    const std::string path = *directory + "\\Win386.swp";
    // Finding, not opening: Windows 9x holds the file open while it runs.
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    FindClose(search);
    return (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
}

bool hasTimeStampCounter() {
    unsigned eax, ebx, ecx, edx;
    // __get_cpuid fails where the processor has no CPUID instruction at all
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx)) return false;
    constexpr unsigned kTimeStampCounter = 1u << 4;  // CPUID leaf 1, EDX
    return (edx & kTimeStampCounter) != 0;
}

}  // namespace

MemoryFigures readMemoryFigures() {
    MemoryFigures f;
    // The extended status (Windows 2000 on) reports memory beyond 4 GB; the
    // plain one is what Windows 9x and NT 4 have.
    const auto statusEx =
        entryPoint<GlobalMemoryStatusExFunction>("kernel32.dll", "GlobalMemoryStatusEx");
    MEMORYSTATUSEX ex{};
    ex.dwLength = sizeof(ex);
    if (statusEx && statusEx(&ex)) {
        f.memoryLoad = ex.dwMemoryLoad;
        f.totalPhysical = ex.ullTotalPhys;
        f.availablePhysical = ex.ullAvailPhys;
        f.totalPageFile = ex.ullTotalPageFile;
        f.availablePageFile = ex.ullAvailPageFile;
        f.totalVirtual = ex.ullTotalVirtual;
        f.availableVirtual = ex.ullAvailVirtual;
    } else {
        MEMORYSTATUS status{};
        status.dwLength = sizeof(status);
        GlobalMemoryStatus(&status);
        f.memoryLoad = status.dwMemoryLoad;
        f.totalPhysical = status.dwTotalPhys;
        f.availablePhysical = status.dwAvailPhys;
        f.totalPageFile = status.dwTotalPageFile;
        f.availablePageFile = status.dwAvailPageFile;
        f.totalVirtual = status.dwTotalVirtual;
        f.availableVirtual = status.dwAvailVirtual;
    }
    f.swapFileBytes = swapFileSize();
    return f;
}

std::optional<std::string> processorIdentifier() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Hardware\\Description\\System\\CentralProcessor\\0", 0,
                      KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    const auto identifier = readRegistryText(key, "Identifier", SIZE_MAX);
    RegCloseKey(key);
    return identifier;
}

std::optional<unsigned> measureClockRate() {
    if (!hasTimeStampCounter()) return std::nullopt;
    const HANDLE process = GetCurrentProcess();
    const HANDLE thread = GetCurrentThread();
    const DWORD priorityClass = GetPriorityClass(process);
    const int threadPriority = GetThreadPriority(thread);
    SetPriorityClass(process, REALTIME_PRIORITY_CLASS);
    SetThreadPriority(thread, THREAD_PRIORITY_TIME_CRITICAL);
    Sleep(10);
    const std::uint64_t before = __rdtsc();
    Sleep(500);
    const std::uint64_t after = __rdtsc();
    SetThreadPriority(thread, threadPriority);
    SetPriorityClass(process, priorityClass);
    return clockRateMhz(before, after);
}

void fillSystemFigures(HMENU resources, HMENU cpu, bool german, bool measureClock) {
    const auto texts = resourceTexts(readMemoryFigures(), german);
    for (UINT i = 0; i < texts.size(); ++i) replaceEntry(resources, i, texts[i]);
    if (const auto identifier = processorIdentifier()) replaceEntry(cpu, 1, *identifier);
    if (measureClock) replaceEntry(cpu, 0, clockRateText(measureClockRate(), german));
}
