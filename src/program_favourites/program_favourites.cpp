#include "program_favourites/program_favourites.h"

std::vector<StoredValue> programFavouritesToStore(const std::vector<std::string>& paths) {
    std::vector<StoredValue> values;
    for (const std::string& path : paths) values.push_back({path, ""});
    return uniqueStoredValues(values);
}
