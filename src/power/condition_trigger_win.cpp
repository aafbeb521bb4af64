#include "power/condition_trigger_win.h"

#include <memory>

#include "power/condition_samplers_win.h"
#include "settings/current_settings_win.h"
#include "settings/settings_registry_win.h"

namespace {

std::shared_ptr<ConditionSamplers> armedSamplers;

}  // namespace

ConditionWatch& conditionWatch() {
    static ConditionWatch instance;
    return instance;
}

void armMeasuredConditions(const ConditionFigures& figures) {
    armedSamplers = sharedConditionSamplers();
    conditionWatch().arm(figures);
}

void dropMeasuredConditions() {
    conditionWatch().drop();
    armedSamplers.reset();
}

ConditionSample sampleArmedConditions() {
    return armedSamplers ? armedSamplers->sampleThisSecond() : ConditionSample{};
}

ConditionChoice storedConditionChoice() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::ExistingOnly, kConditionsKeyPath);
    return readConditionChoice(store);
}

bool storeConditionChoice(const ConditionChoice& choice) {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing, kConditionsKeyPath);
    return store.open() && replaceStoredValues(store, conditionChoiceValues(choice),
                                               StaleValues::KeepOtherTypes);
}

Action conditionsAction() {
    return conditionsAction(storedConditionChoice(), currentSettings().TaskManagerAktion);
}
