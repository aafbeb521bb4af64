#include "app/current_settings.h"

#include <windows.h>

#include "app/settings_registry.h"
#include "app/settings_save.h"
#include "app/startup_link.h"
#include "common/current_directory.h"
#include "power/power_calls.h"
#include "systools/windows_version_win.h"

namespace {

// Autostart lives in the Startup folder only; an entry an older version left
// in the Run key would start a second copy.
void deleteOldRunEntry() {
    HKEY run;
    DWORD disposition;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                        nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &run,
                        &disposition) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(run, "Dormival");
    RegCloseKey(run);
}

// The first bytes of language.dat in the given directory, "" without one.
std::string readLanguageFile(const std::string& directory) {
    const std::string path = directory + "\\language.dat";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    char bytes[13];
    DWORD read = 0;
    if (!ReadFile(file, bytes, sizeof(bytes), &read, nullptr)) read = 0;
    CloseHandle(file);
    return std::string(bytes, read);
}

}  // namespace

Settings& currentSettings() {
    static Settings settings;
    return settings;
}

void loadSettings() {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing);
    loadSettings(currentSettings(), store, startupLinkExists());
}

bool saveSettings(const OptionsRecord& controls) {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing);
    const bool saved = saveSettings(currentSettings(), controls, hibernationAvailable(), store);
    setAutostart(controls.autostart, currentSettings().homeDirectory);
    return saved;
}

void runWindowCreationSettingsStep() {
    Settings& settings = currentSettings();
    deleteOldRunEntry();
    settings.homeDirectory = currentDirectory();
    settings.german = languageFileMeansGerman(readLanguageFile(settings.homeDirectory));
    testHibernation();
    detectWindowsVersion();
    RegistrySettingsStore store(RegistrySettingsStore::Opening::ExistingOnly);
    loadAppIcon(settings, store);
}
