#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_store.h"

// A settings key in memory. Values of another type than text are kept as
// such so that tests can check that loads skip them and saves remove them.
class FakeSettingsStore : public SettingsStore {
public:
    struct Value {
        std::string text;
        bool isText = true;
    };
    std::map<std::string, Value> values;
    bool opens = true;             // false: the key cannot be opened
    std::string failingWrite;      // a write of this name fails
    std::vector<std::string> changes;  // "write NAME", "delete NAME"
    bool isOpen = false;

    void setText(const std::string& name, const std::string& text) { values[name] = {text, true}; }
    void setNumber(const std::string& name) { values[name] = {"", false}; }

    bool open() override { return isOpen = opens; }
    void close() override { isOpen = false; }
    std::optional<std::string> readText(const std::string& name, std::size_t maxLength) override {
        auto found = values.find(name);
        if (!isOpen || found == values.end() || !found->second.isText ||
            found->second.text.size() > maxLength)
            return std::nullopt;
        return found->second.text;
    }
    bool writeText(const std::string& name, const std::string& text) override {
        if (!isOpen || name == failingWrite) return false;
        changes.push_back("write " + name);
        values[name] = {text, true};
        return true;
    }
    std::vector<std::string> valueNames() override {
        std::vector<std::string> names;
        if (isOpen)
            for (const auto& entry : values) names.push_back(entry.first);
        return names;
    }
    bool deleteValue(const std::string& name) override {
        if (!isOpen) return false;
        changes.push_back("delete " + name);
        return values.erase(name) == 1;
    }
};
