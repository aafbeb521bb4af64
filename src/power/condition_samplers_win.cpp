#include "power/condition_samplers_win.h"

#include <iphlpapi.h>

#include <string>

#include "win32/entry_point_win.h"
#include "win32/system_library_win.h"

namespace {

constexpr const char* kStatistic = "KERNEL\\CPUUsage";

std::uint64_t ticksOf(const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// Windows 9x counts its statistics only between StartStat and StopStat:
// reading the statistic's name from either key starts or stops it.
bool touchStatistic(const char* key) {
    HKEY stats;
    if (RegOpenKeyExA(HKEY_DYN_DATA, key, 0, KEY_READ, &stats) != ERROR_SUCCESS) return false;
    DWORD value = 0, size = sizeof(value);
    const bool read = RegQueryValueExA(stats, kStatistic, nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(&value), &size) == ERROR_SUCCESS;
    RegCloseKey(stats);
    return read;
}

// SystemProcessorPerformanceInformation: one record a processor.
struct ProcessorRecord {
    LARGE_INTEGER idle, kernel, user, reserved[2];
    ULONG interrupts;
};
// The system's record is 48 bytes in 32-bit and 64-bit processes alike.
static_assert(sizeof(ProcessorRecord) == 48);
constexpr int kProcessorPerformance = 8;

}  // namespace

ConditionSamplers::ConditionSamplers(unsigned sources) {
    if (sources & kLastInput)
        lastInput_ = entryPoint<LastInputCall>("user32.dll", "GetLastInputInfo");
    GetCursorPos(&cursor_);
    foreground_ = GetForegroundWindow();
    lastInputTick_ = GetTickCount();
    if ((sources & kSystemTimes) &&
        (systemTimes_ = entryPoint<SystemTimesCall>("kernel32.dll", "GetSystemTimes")))
        processorSource_ = Source::SystemTimes;
    else if ((sources & kNtProcessorTimes) && (querySystem_ = systemEntryPoint<QuerySystemCall>(
                                                   "ntdll.dll", "NtQuerySystemInformation"))) {
        processorSource_ = Source::NtProcessorTimes;
        SYSTEM_INFO system{};
        GetSystemInfo(&system);
        processors_ = system.dwNumberOfProcessors ? system.dwNumberOfProcessors : 1;
    } else if ((sources & kPerfStats) && touchStatistic("PerfStats\\StartStat"))
        processorSource_ = Source::PerfStats;
    // only under Wine: on Windows, Z: may be a network drive that is slow to answer
    if ((sources & kHostTable) && entryPoint<void*>("ntdll.dll", "wine_get_version"))
        hostTable_ = CreateFileA("Z:\\proc\\net\\dev", GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                 nullptr);
    if ((sources & kIfTable) && hostTable_ == INVALID_HANDLE_VALUE)
        getIfTable_ = systemEntryPoint<IfTableCall>("iphlpapi.dll", "GetIfTable");
}

ConditionSamplers::~ConditionSamplers() {
    if (processorSource_ == Source::PerfStats) touchStatistic("PerfStats\\StopStat");
    if (hostTable_ != INVALID_HANDLE_VALUE) CloseHandle(hostTable_);
}

ConditionSample ConditionSamplers::sample() {
    return {idleSeconds(), processorPercent(), networkBytes()};
}

const ConditionSample& ConditionSamplers::sampleThisSecond() {
    // two timers of a second each ask at their own moment: the later one
    // gets the earlier one's measures, and the next second starts afresh
    const DWORD now = GetTickCount();
    if (!thisSecond_ || now - sampledAt_ >= 900) {
        thisSecond_ = sample();
        sampledAt_ = now;
    }
    return *thisSecond_;
}

namespace {

unsigned allowedSources = ConditionSamplers::kEverySource;
ConditionSamplers* shared = nullptr;
unsigned holds = 0;

}  // namespace

SamplersHold::SamplersHold() {
    if (holds++ == 0) shared = new ConditionSamplers(allowedSources);
}

SamplersHold::~SamplersHold() {
    if (--holds == 0) {
        delete shared;
        shared = nullptr;
    }
}

ConditionSamplers* SamplersHold::operator->() const { return shared; }

void limitConditionSources(unsigned sources) { allowedSources = sources; }

std::uint32_t ConditionSamplers::idleSeconds() {
    const DWORD now = GetTickCount();
    LASTINPUTINFO input{sizeof(input), 0};
    if (lastInput_ && lastInput_(&input)) return (now - input.dwTime) / 1000;
    // without it: the cursor moved or another window came to the front
    POINT cursor{};
    GetCursorPos(&cursor);
    const HWND foreground = GetForegroundWindow();
    if (cursor.x != cursor_.x || cursor.y != cursor_.y || foreground != foreground_)
        lastInputTick_ = now;
    cursor_ = cursor;
    foreground_ = foreground;
    return (now - lastInputTick_) / 1000;
}

std::optional<ProcessorTimes> ConditionSamplers::processorTimes() const {
    if (processorSource_ == Source::SystemTimes) {
        FILETIME idle{}, kernel{}, user{};
        if (!systemTimes_(&idle, &kernel, &user)) return std::nullopt;
        return ProcessorTimes{ticksOf(idle), ticksOf(kernel) + ticksOf(user)};
    }
    std::vector<ProcessorRecord> records(processors_);
    ULONG size = 0;
    if (querySystem_(kProcessorPerformance, records.data(),
                     static_cast<ULONG>(records.size() * sizeof(ProcessorRecord)), &size) != 0)
        return std::nullopt;
    ProcessorTimes times;
    for (std::size_t i = 0; i < size / sizeof(ProcessorRecord) && i < records.size(); ++i) {
        times.idle += static_cast<std::uint64_t>(records[i].idle.QuadPart);
        // the kernel's time includes its idle time
        times.total +=
            static_cast<std::uint64_t>(records[i].kernel.QuadPart + records[i].user.QuadPart);
    }
    return times;
}

std::optional<std::uint32_t> ConditionSamplers::processorPercent() {
    if (processorSource_ == Source::None) return std::nullopt;
    if (processorSource_ == Source::PerfStats) {
        HKEY stats;
        if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, KEY_READ, &stats) !=
            ERROR_SUCCESS)
            return std::nullopt;
        DWORD percent = 0, size = sizeof(percent);
        const bool read =
            RegQueryValueExA(stats, kStatistic, nullptr, nullptr, reinterpret_cast<BYTE*>(&percent),
                             &size) == ERROR_SUCCESS;
        RegCloseKey(stats);
        return read && percent <= 100 ? std::optional<std::uint32_t>(percent) : std::nullopt;
    }
    const std::optional<ProcessorTimes> now = processorTimes();
    std::optional<std::uint32_t> percent;
    if (now && lastTimes_) percent = busyPercent(*lastTimes_, *now);
    lastTimes_ = now;
    return percent;
}

namespace {

// An interface's number: its name's FNV-1a hash, the same every reading.
std::uint32_t numberOf(const std::string& name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

}  // namespace

// Read afresh from its start each time, to its end; its counters are
// 64-bit, and what differences of their lower halves give is what they
// count.
std::optional<std::vector<InterfaceOctets>> ConditionSamplers::hostOctets() {
    if (SetFilePointer(hostTable_, 0, nullptr, FILE_BEGIN) != 0) return std::nullopt;
    std::string table;
    char chunk[4096];
    DWORD read = 0;
    do {
        if (!ReadFile(hostTable_, chunk, sizeof(chunk), &read, nullptr)) return std::nullopt;
        table.append(chunk, read);
    } while (read > 0 && table.size() < (1u << 20));
    std::vector<InterfaceOctets> octets;
    for (const NamedOctets& named : hostInterfaceOctets(table))
        octets.push_back({numberOf(named.name), static_cast<std::uint32_t>(named.received),
                          static_cast<std::uint32_t>(named.sent)});
    return octets;
}

std::optional<std::vector<InterfaceOctets>> ConditionSamplers::ifTableOctets() {
    // where the table still fits the buffer kept from the last call, one
    // call a second
    ULONG size = static_cast<ULONG>(ifTable_.size());
    DWORD result = getIfTable_(ifTable_.data(), &size, FALSE);
    if (result == ERROR_INSUFFICIENT_BUFFER && size > ifTable_.size()) {
        ifTable_.resize(size);
        result = getIfTable_(ifTable_.data(), &size, FALSE);
    }
    if (result != NO_ERROR) return std::nullopt;
    const auto* table = reinterpret_cast<const MIB_IFTABLE*>(ifTable_.data());
    std::vector<InterfaceOctets> octets;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        const MIB_IFROW& row = table->table[i];
        const bool up = row.dwOperStatus == MIB_IF_OPER_STATUS_OPERATIONAL ||
                        row.dwOperStatus == MIB_IF_OPER_STATUS_CONNECTED;
        if (up && row.dwType != MIB_IF_TYPE_LOOPBACK)
            octets.push_back({row.dwIndex, row.dwInOctets, row.dwOutOctets});
    }
    return octets;
}

std::optional<std::uint64_t> ConditionSamplers::networkBytes() {
    if (!networkMeasured()) return std::nullopt;
    auto octets = hostTable_ != INVALID_HANDLE_VALUE ? hostOctets() : ifTableOctets();
    if (!octets) {
        lastOctets_.reset();
        return std::nullopt;
    }
    const DWORD now = GetTickCount();
    std::optional<std::uint64_t> bytes;
    if (lastOctets_) {
        const DWORD elapsed = now - octetsAt_ ? now - octetsAt_ : 1;
        bytes = octetsBetween(*lastOctets_, *octets) * 1000 / elapsed;
    }
    lastOctets_ = std::move(*octets);
    octetsAt_ = now;
    return bytes;
}
