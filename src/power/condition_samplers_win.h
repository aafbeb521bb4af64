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
// - network: GetIfTable's octets of every interface that is up and not the
//   loopback.
class ConditionSamplers {
public:
    ConditionSamplers();
    ~ConditionSamplers();
    ConditionSamplers(const ConditionSamplers&) = delete;
    ConditionSamplers& operator=(const ConditionSamplers&) = delete;

    bool processorMeasured() const { return processorSource_ != Source::None; }
    bool networkMeasured() const { return getIfTable_ != nullptr; }

    // This second's measures. The processor and the network give none at
    // their first reading, which only starts their count.
    ConditionSample sample();

private:
    enum class Source { None, SystemTimes, NtProcessorTimes, PerfStats };
    using LastInputCall = BOOL(WINAPI*)(PLASTINPUTINFO);
    using SystemTimesCall = BOOL(WINAPI*)(LPFILETIME, LPFILETIME, LPFILETIME);
    using QuerySystemCall = LONG(WINAPI*)(int, void*, ULONG, ULONG*);
    using IfTableCall = DWORD(WINAPI*)(void*, ULONG*, BOOL);

    std::uint32_t idleSeconds();
    std::optional<std::uint32_t> processorPercent();
    std::optional<std::uint64_t> networkBytes();
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

    IfTableCall getIfTable_ = nullptr;
    std::vector<BYTE> ifTable_ = std::vector<BYTE>(sizeof(MIB_IFTABLE));
    std::optional<std::vector<InterfaceOctets>> lastOctets_;
};
