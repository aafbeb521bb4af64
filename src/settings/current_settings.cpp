#include "settings/current_settings.h"

#include "common/program_facts.h"
#include "settings/settings_registry.h"
#include "settings/settings_save.h"
#include "settings/startup_link.h"

Settings& currentSettings() {
    static Settings settings;
    return settings;
}

void loadSettings() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing);
    loadSettings(currentSettings(), store, startupLinkExists());
}

void loadStoredAppIcon() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::ExistingOnly);
    loadAppIcon(currentSettings(), store);
}

bool saveSettings(const OptionsRecord& controls, bool hibernationAvailable) {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing);
    if (!saveSettings(currentSettings(), controls, hibernationAvailable, store)) return false;
    setAutostart(controls.autostart, programFacts().homeDirectory);
    return true;
}
