#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The key that holds the settings, as the load and the save see it: string
// values by name. The shell implements it over the registry, tests with a
// map.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Opens the key; false when it cannot be opened (or created, where the
    // implementation creates a missing key). The other calls need it open.
    virtual bool open() = 0;
    virtual void close() = 0;

    // The text of a string value; nothing when the value is missing, cannot
    // be read, is not a string or is longer than maxLength characters. A
    // value too long is refused by its size, without reading it.
    virtual std::optional<std::string> readText(const std::string& name,
                                                std::size_t maxLength) = 0;
    static constexpr std::size_t kAnyLength = static_cast<std::size_t>(-1);

    virtual bool writeText(const std::string& name, const std::string& text) = 0;
    // Every value in the key, of whatever type.
    virtual std::vector<std::string> valueNames() = 0;
    virtual bool deleteValue(const std::string& name) = 0;
};
