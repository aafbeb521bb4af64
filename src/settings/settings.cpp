#include "settings/settings.h"

#include <optional>

#include "common/decimal.h"
#include "settings/settings_store.h"

namespace {

struct LoadedValue {
    const char* name;
    std::string Settings::*member;
};

// The values a load reads, in the order it reads them.
constexpr LoadedValue kLoadedValues[] = {
    {"action", &Settings::action},
    {"checkscreen", &Settings::checkscreen},
    {"forceshutdown", &Settings::forceshutdown},
    {"poweroff", &Settings::poweroff},
    {"showwarning", &Settings::showwarning},
    {"tag", &Settings::tag},
    {"zeit", &Settings::zeit},
    {"minuten", &Settings::minuten},
    {"emptyIEFiles", &Settings::emptyIEFiles},
    {"TaskManagerAktion", &Settings::TaskManagerAktion},
    {"forcehibernate", &Settings::forcehibernate},
    {"forcestandby", &Settings::forcestandby},
    {"forcereboot", &Settings::forcereboot},
    {"forcelogoff", &Settings::forcelogoff},
    {"mouseclick", &Settings::mouseclick},
    {"NetworkDrives", &Settings::NetworkDrives},
    {"forcenetshutdown", &Settings::forcenetshutdown},
    {"shownetworkwarning", &Settings::shownetworkwarning},
    {"AppIcon", &Settings::AppIcon},
    {"Hibernate", &Settings::Hibernate},
    {"ForceCritical", &Settings::ForceCritical},
    {"DisableWakeEvent", &Settings::DisableWakeEvent},
    {"usedblclick", &Settings::usedblclick},
};

std::optional<std::string> readSetting(SettingsStore& store, const char* name) {
    return store.readText(name, kMaxSettingLength);
}

}  // namespace

void resetToLoadDefaults(Settings& s) {
    s.startupLink.clear();
    s.zeit.clear();
    s.tag.clear();
    s.minuten.clear();
    s.forcenetshutdown = "1";
    s.shownetworkwarning = "30";
    s.action.clear();
    s.usedblclick.clear();
    s.checkscreen.clear();
    s.showwarning.clear();
    s.forcereboot.clear();
    s.forcelogoff.clear();
    s.forcestandby.clear();
    s.forceshutdown = "1";
    s.poweroff = "1";
    s.emptyIEFiles = "0";
    s.mouseclick = "0";
}

void loadSettings(Settings& settings, SettingsStore& store, bool startupLinkExists) {
    resetToLoadDefaults(settings);
    if (store.open()) {
        for (const LoadedValue& value : kLoadedValues)
            if (std::optional<std::string> text = readSetting(store, value.name))
                settings.*value.member = *text;
        store.close();
    }
    if (startupLinkExists) settings.startupLink = "exist";
    if (!settings.usedblclick.empty()) settings.doubleClick = settingAsInt(settings.usedblclick);
}

void loadAppIcon(Settings& settings, SettingsStore& store) {
    if (!store.open()) return;
    settings.AppIcon = readSetting(store, "AppIcon").value_or("");
    store.close();
}

bool languageFileMeansGerman(const std::string& firstBytes) {
    return firstBytes == "1";
}
