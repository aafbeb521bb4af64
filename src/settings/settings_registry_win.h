#pragma once

#include <windows.h>

#include <string>

#include "settings/settings_store.h"

// Where the settings live, under HKEY_CURRENT_USER: the options key holds a
// value of its own (ProcessViewAlwaysOnTop) beside the keys of the settings
// and of the conditions' choice.
constexpr const char* kOptionsKeyPath = "Software\\Dormival\\Options";
constexpr const char* kSettingsKeyPath = "Software\\Dormival\\Options\\ShutDownOptions";
constexpr const char* kConditionsKeyPath = "Software\\Dormival\\Options\\Conditions";

// A key of text values in the current user's registry: the settings key
// unless another path is given. Values are REG_SZ, written with their
// terminating zero.
class RegistrySettingsStore final : public SettingsStore {
public:
    // ExistingOnly reads; ExistingToWrite writes too, but never creates.
    enum class Opening { CreateMissing, ExistingOnly, ExistingToWrite };
    explicit RegistrySettingsStore(Opening opening, const char* keyPath = kSettingsKeyPath)
        : opening_(opening), keyPath_(keyPath) {}
    ~RegistrySettingsStore() override { close(); }
    RegistrySettingsStore(const RegistrySettingsStore&) = delete;
    RegistrySettingsStore& operator=(const RegistrySettingsStore&) = delete;

    bool open() override;
    void close() override;
    std::optional<std::string> readText(const std::string& name, std::size_t maxLength) override;
    bool writeText(const std::string& name, const std::string& text) override;
    std::vector<std::string> valueNames() override;
    bool deleteValue(const std::string& name) override;

private:
    Opening opening_;
    const char* keyPath_;
    HKEY key_ = nullptr;
};
