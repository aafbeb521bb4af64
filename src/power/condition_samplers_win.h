#pragma once

#include <windows.h>

#include <iphlpapi.h>

#include <optional>
#include <vector>

#include "power/conditions.h"

// The measures the conditions take, once a second, each from the first
// source this system has: its entry point or key looked up while the
// program runs, never decided by the Windows version.
// - idle: GetLastInputInfo; else a change of the cursor's place or of the
//   foreground window counts as input (key presses alone are not seen);
// - processor: GetSystemTimes; else NtQuerySystemInformation's processor
//   times (NT 4, 2000); else Windows 9x's KERNEL\CPUUsage statistic;
// - network: the octets of every interface that is up and not the loopback:
//   where the program runs under Wine (its ntdll has wine_get_version), from
//   the Linux host's interface table (the Z: drive's \proc\net\dev, kept
//   open: microseconds a read, where Wine takes milliseconds to answer
//   GetIfTable); else GetIfTable.
class ConditionSamplers {
public:
    // The sources it may use: all but where a test hides some, as a system
    // without their entry points would.
    enum SourceBit : unsigned {
        kLastInput = 1, kSystemTimes = 2, kNtProcessorTimes = 4, kPerfStats = 8, kIfTable = 16,
        kHostTable = 32, kEverySource = 63
    };
    explicit ConditionSamplers(unsigned sources = kEverySource);
    ~ConditionSamplers();
    ConditionSamplers(const ConditionSamplers&) = delete;
    ConditionSamplers& operator=(const ConditionSamplers&) = delete;

    bool processorMeasured() const { return processorSource_ != Source::None; }
    bool networkMeasured() const {
        return hostTable_ != INVALID_HANDLE_VALUE || getIfTable_ != nullptr;
    }

    // The measures since the last reading, the network's as bytes a
    // second. The processor and the network give none at their first
    // reading, which only starts their count.
    ConditionSample sample();
    // This second's measures, the same for everyone who asks within it.
    const ConditionSample& sampleThisSecond();

private:
    enum class Source { None, SystemTimes, NtProcessorTimes, PerfStats };
    using LastInputCall = BOOL(WINAPI*)(PLASTINPUTINFO);
    using SystemTimesCall = BOOL(WINAPI*)(LPFILETIME, LPFILETIME, LPFILETIME);
    using QuerySystemCall = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    using IfTableCall = DWORD(WINAPI*)(void*, ULONG*, BOOL);

    std::uint32_t idleSeconds();
    std::optional<std::uint32_t> processorPercent();
    std::optional<std::uint64_t> networkBytes();
    std::optional<std::vector<InterfaceOctets>> hostOctets();
    std::optional<std::vector<InterfaceOctets>> ifTableOctets();
    std::optional<ProcessorTimes> processorTimes() const;

    LastInputCall lastInput_ = nullptr;
    POINT cursor_{};
    HWND foreground_ = nullptr;
    DWORD lastInputTick_ = 0;

    Source processorSource_ = Source::None;
    SystemTimesCall systemTimes_ = nullptr;
    QuerySystemCall querySystem_ = nullptr;
    std::size_t processors_ = 1;  // for NtQuerySystemInformation's records
    std::optional<ProcessorTimes> lastTimes_;

    DWORD sampledAt_ = 0;
    std::optional<ConditionSample> thisSecond_;

    HANDLE hostTable_ = INVALID_HANDLE_VALUE;
    IfTableCall getIfTable_ = nullptr;
    DWORD octetsAt_ = 0;
    std::vector<BYTE> ifTable_ = std::vector<BYTE>(sizeof(MIB_IFTABLE));
    std::optional<std::vector<InterfaceOctets>> lastOctets_;
};

// A hold on the one set of samplers the conditions' window and the armed
// conditions share: made with the first hold, gone with the last (on
// Windows 9x its life starts and stops the processor statistic).
class SamplersHold {
public:
    SamplersHold();
    ~SamplersHold();
    SamplersHold(const SamplersHold&) = delete;
    SamplersHold& operator=(const SamplersHold&) = delete;
    ConditionSamplers* operator->() const;
};

// The sources the next shared samplers may use (tests).
void limitConditionSources(unsigned sources);
