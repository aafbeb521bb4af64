#include "settings/value_list_win.h"

#include "settings/settings_registry_win.h"

std::vector<ListedValue> loadValueList(const char* keyPath) {
    std::vector<ListedValue> list;
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing, keyPath);
    if (!store.open()) return list;
    for (const std::string& name : store.valueNames())
        list.push_back({name, store.readText(name, SettingsStore::kAnyLength)});
    return list;
}

void storeValueList(const char* keyPath, const std::vector<StoredValue>& values,
                    StaleValues stale) {
    RegistrySettingsStore store(RegistrySettingsStore::Opening::CreateMissing, keyPath);
    if (!store.open()) return;
    replaceStoredValues(store, values, stale);
    const bool empty = store.valueNames().empty();
    store.close();
    if (empty) RegDeleteKeyA(HKEY_CURRENT_USER, keyPath);
}
