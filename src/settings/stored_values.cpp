#include "settings/stored_values.h"

#include <algorithm>
#include <optional>

#include "settings/settings_store.h"

namespace {

// Lower case in code page 1252: ASCII, and the accented capitals 0xC0 to
// 0xDE but the multiplication sign.
unsigned char lowerCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
        return static_cast<unsigned char>(u + 0x20);
    return u;
}

}  // namespace

bool sameValueName(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](char x, char y) { return lowerCase(x) == lowerCase(y); });
}

std::vector<StoredValue> uniqueStoredValues(const std::vector<StoredValue>& values) {
    std::vector<StoredValue> unique;
    for (const StoredValue& value : values) {
        const auto same = std::find_if(unique.begin(), unique.end(), [&](const StoredValue& u) {
            return sameValueName(u.name, value.name);
        });
        if (same == unique.end())
            unique.push_back(value);
        else
            same->text = value.text;
    }
    return unique;
}

bool replaceStoredValues(SettingsStore& store, const std::vector<StoredValue>& values,
                         StaleValues stale) {
    std::vector<std::optional<std::string>> previous;
    // whatever was there, hand-edited lengths included, is what a failure restores
    for (const StoredValue& value : values)
        previous.push_back(store.readText(value.name, SettingsStore::kAnyLength));

    for (std::size_t i = 0; i < values.size(); ++i) {
        if (store.writeText(values[i].name, values[i].text)) continue;
        for (std::size_t j = 0; j <= i; ++j) {
            if (previous[j])
                store.writeText(values[j].name, *previous[j]);
            else
                store.deleteValue(values[j].name);
        }
        return false;
    }

    const auto written = [&](const std::string& name) {
        return std::any_of(values.begin(), values.end(), [&](const StoredValue& value) {
            return sameValueName(value.name, name);
        });
    };
    const auto kept = [&](const std::string& name) {
        return stale == StaleValues::KeepOtherTypes &&
               !store.readText(name, SettingsStore::kAnyLength);
    };
    for (const std::string& name : store.valueNames())
        if (!written(name) && !kept(name)) store.deleteValue(name);
    return true;
}
