#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/stored_values.h"

// A list kept in a key of the current user as one value per entry, named
// by it: the program favourites (the paths, with empty texts) and the
// favourite display modes (numbers, with the modes' texts).

// Every value of the key (created where it is missing), in the registry's
// order; its text, where it is a text value.
struct ListedValue {
    std::string name;
    std::optional<std::string> text;
};
std::vector<ListedValue> loadValueList(const char* keyPath);

// Makes the key hold the list: written first, stale values removed only
// then (see replaceStoredValues), so a failed write keeps the list stored
// before. A key left with nothing is deleted: an empty list leaves no key.
void storeValueList(const char* keyPath, const std::vector<StoredValue>& values,
                    StaleValues stale);
