#include "app/current_settings.h"

Settings& currentSettings() {
    static Settings settings;
    return settings;
}

void loadSettings() {
    // Until the registry store is read here, a load gives the defaults.
    resetToLoadDefaults(currentSettings());
}
