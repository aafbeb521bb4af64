#include "settings/condition_choice.h"

#include "settings/settings_store.h"
#include "settings/settings.h"

namespace {

// The key's values, each with its reading; a number outside its range
// keeps the default.
struct Figure {
    const char* name;
    std::uint32_t ConditionFigures::*value;
    FigureRange range;
};

constexpr Figure kFigures[] = {
    {"IdleMinutes", &ConditionFigures::idleMinutes, kMinutesRange},
    {"ProcessorMinutes", &ConditionFigures::processorMinutes, kMinutesRange},
    {"ProcessorPercent", &ConditionFigures::processorPercent, kPercentRange},
    {"NetworkMinutes", &ConditionFigures::networkMinutes, kMinutesRange},
    {"NetworkKBps", &ConditionFigures::networkKBps, kKBpsRange},
    {"SecondsPerMinute", &ConditionFigures::secondsPerMinute, {1, 60}},
};
constexpr Reading kFigureReading = Reading::Number;

struct Tick {
    const char* name;
    bool ConditionFigures::*value;
};

constexpr Tick kTicks[] = {
    {"Idle", &ConditionFigures::idle},
    {"Processor", &ConditionFigures::processor},
    {"Network", &ConditionFigures::network},
};
constexpr Reading kTickReading = Reading::One;

// "Action": a scheduled action's code, one digit below 5; anything else
// reads as never chosen.
constexpr const char* kActionName = "Action";
constexpr int kActionCodes = 5;

constexpr std::size_t kLongest = 16;  // a number's characters, more than any figure has

bool chosenAction(const std::string& code) {
    const int digit = readingOf(code, Reading::Digit);
    return digit >= 0 && digit < kActionCodes;
}

}  // namespace

ConditionChoice readConditionChoice(SettingsStore& store) {
    ConditionChoice choice;
    if (!store.open()) return choice;
    if (const auto action = store.readText(kActionName, kLongest))
        if (chosenAction(*action)) choice.action = *action;
    for (const Figure& figure : kFigures) {
        const auto text = store.readText(figure.name, kLongest);
        if (!text) continue;
        const int value = readingOf(*text, kFigureReading);
        if (value >= static_cast<int>(figure.range.lowest) &&
            static_cast<std::uint32_t>(value) <= figure.range.highest)
            choice.figures.*figure.value = static_cast<std::uint32_t>(value);
    }
    for (const Tick& tick : kTicks)
        if (const auto text = store.readText(tick.name, kLongest))
            choice.figures.*tick.value = readingOf(*text, kTickReading) != 0;
    store.close();
    return choice;
}

std::vector<StoredValue> conditionChoiceValues(const ConditionChoice& choice) {
    std::vector<StoredValue> values;
    if (chosenAction(choice.action)) values.push_back({kActionName, choice.action});
    for (const Tick& tick : kTicks)
        values.push_back({tick.name, choice.figures.*tick.value ? "1" : "0"});
    for (const Figure& figure : kFigures)
        if (figure.value != &ConditionFigures::secondsPerMinute ||
            choice.figures.secondsPerMinute != 60)
            values.push_back({figure.name, std::to_string(choice.figures.*figure.value)});
    return values;
}
