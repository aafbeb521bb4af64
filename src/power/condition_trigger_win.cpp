#include "power/condition_trigger_win.h"

#include <optional>

#include "power/condition_samplers_win.h"
#include "settings/current_settings_win.h"
#include "settings/settings_registry_win.h"

namespace {

std::optional<SamplersHold> armedSamplers;
// the choice as last read or stored: the tooltip asks for its action every second
std::optional<ConditionChoice> knownChoice;

}  // namespace

ConditionWatch& conditionWatch() {
    static ConditionWatch instance;
    return instance;
}

void armMeasuredConditions(const ConditionFigures& figures) {
    if (!armedSamplers) armedSamplers.emplace();
    conditionWatch().arm(figures);
}

void dropMeasuredConditions() {
    conditionWatch().drop();
    armedSamplers.reset();
}

ConditionSample sampleArmedConditions() {
    return armedSamplers ? (*armedSamplers)->sampleThisSecond() : ConditionSample{};
}

ConditionChoice storedConditionChoice() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::ExistingOnly, kConditionsKeyPath);
    knownChoice = readConditionChoice(store);
    return *knownChoice;
}

bool storeConditionChoice(const ConditionChoice& choice) {
    knownChoice = choice;
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing, kConditionsKeyPath);
    return store.open() &&
           replaceStoredValues(store, conditionChoiceValues(choice), StaleValues::KeepOtherTypes);
}

Action conditionsAction() {
    return conditionsAction(knownChoice ? *knownChoice : storedConditionChoice(),
                            scheduledAction(currentSettings()));
}
