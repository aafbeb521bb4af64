#include "settings/current_settings_win.h"

#include "settings/settings_registry_win.h"
#include "settings/startup_link_win.h"

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
