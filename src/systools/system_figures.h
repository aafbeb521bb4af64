#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

// The global memory status, in bytes (the load in percent).
struct MemoryFigures {
    unsigned memoryLoad = 0;
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
    std::uint64_t totalPageFile = 0;
    std::uint64_t availablePageFile = 0;
    std::uint64_t totalVirtual = 0;
    std::uint64_t availableVirtual = 0;
    // Size of Win386.swp in the Windows directory; none where that file does
    // not exist (the NT family).
    std::optional<std::uint64_t> swapFileBytes;
};

// The System resources submenu's eight entries, in menu order: label and
// number, KB and MB truncated. Without a swap file its number stays empty.
std::array<std::string, 8> resourceTexts(const MemoryFigures& figures, bool german);

// The clock rate from two time-stamp counter readings taken 500 ms apart.
unsigned clockRateMhz(std::uint64_t before, std::uint64_t after);

// The CPU information submenu's first entry; without a time-stamp counter
// there is no rate and the number stays empty.
std::string clockRateText(std::optional<unsigned> mhz, bool german);

// Time since Windows started from the millisecond tick count (unsigned, so
// it stays positive past 24.8 days): "windows runtime : 27:46:40".
std::string runtimeText(std::uint32_t tickCount, bool german);

// The boot instant in local time, the same text in both languages:
// "SystemBoot : Mon Jan 02 03:04:05 2026\n".
std::string bootInstantText(std::time_t now, std::uint32_t tickCount);
