#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/stored_values.h"

class SettingsStore;

// What the user chose, as stored: each condition on or off, with its
// figures. secondsPerMinute is 60 but for testers, who may store fewer.
struct ConditionFigures {
    bool idle = false;
    std::uint32_t idleMinutes = 30;
    bool processor = false;
    std::uint32_t processorMinutes = 5;
    std::uint32_t processorPercent = 10;
    bool network = false;
    std::uint32_t networkMinutes = 5;
    std::uint32_t networkKBps = 20;
    std::uint32_t secondsPerMinute = 60;
};

// What the conditions' window offers next time, kept in a key of its own:
// the action and each condition with its figures. What is armed is never
// stored.
struct ConditionChoice {
    std::string action;  // a scheduled action's code, "0".."4"; empty: never chosen
    ConditionFigures figures;
};

// A figure's range; a stored value outside it, or not a number, keeps the
// default, and the window's edits are held to it.
struct FigureRange {
    std::uint32_t lowest, highest;
};
constexpr FigureRange kMinutesRange{1, 1440};
constexpr FigureRange kPercentRange{1, 100};
constexpr FigureRange kKBpsRange{1, 1000000};

// The choice from the key's values: what is missing or unreadable keeps
// its default. SecondsPerMinute, for testers, shortens every minute.
ConditionChoice readConditionChoice(SettingsStore& store);

// The values that store the choice (SecondsPerMinute only where it is not
// 60, as a tester left it).
std::vector<StoredValue> conditionChoiceValues(const ConditionChoice& choice);
