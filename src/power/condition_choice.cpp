#include "power/condition_choice.h"

#include "common/decimal.h"
#include "settings/settings_store.h"

namespace {

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

struct Tick {
    const char* name;
    bool ConditionFigures::*value;
};

constexpr Tick kTicks[] = {
    {"Idle", &ConditionFigures::idle},
    {"Processor", &ConditionFigures::processor},
    {"Network", &ConditionFigures::network},
};

constexpr std::size_t kLongest = 16;  // a number's characters, more than any figure has

}  // namespace

ConditionChoice readConditionChoice(SettingsStore& store) {
    ConditionChoice choice;
    if (!store.open()) return choice;
    if (const auto action = store.readText("Action", kLongest))
        if (parseAction(*action) != Action::None) choice.action = *action;
    for (const Figure& figure : kFigures) {
        const auto text = store.readText(figure.name, kLongest);
        if (!text) continue;
        const int value = settingAsInt(*text);
        if (value >= static_cast<int>(figure.range.lowest) &&
            static_cast<std::uint32_t>(value) <= figure.range.highest)
            choice.figures.*figure.value = static_cast<std::uint32_t>(value);
    }
    for (const Tick& tick : kTicks)
        if (const auto text = store.readText(tick.name, kLongest))
            choice.figures.*tick.value = *text == "1";
    store.close();
    return choice;
}

std::vector<StoredValue> conditionChoiceValues(const ConditionChoice& choice) {
    std::vector<StoredValue> values;
    if (parseAction(choice.action) != Action::None) values.push_back({"Action", choice.action});
    for (const Tick& tick : kTicks)
        values.push_back({tick.name, choice.figures.*tick.value ? "1" : "0"});
    for (const Figure& figure : kFigures)
        if (figure.value != &ConditionFigures::secondsPerMinute ||
            choice.figures.secondsPerMinute != 60)
            values.push_back({figure.name, std::to_string(choice.figures.*figure.value)});
    return values;
}

Action conditionsAction(const ConditionChoice& choice, Action scheduled) {
    const Action chosen = parseAction(choice.action);
    return chosen != Action::None ? chosen : scheduled;
}
