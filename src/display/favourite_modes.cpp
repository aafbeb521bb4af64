#include "display/favourite_modes.h"

std::vector<StoredValue> favouriteModesToStore(const std::vector<FavouriteMode>& favourites) {
    std::vector<StoredValue> values;
    for (const FavouriteMode& f : favourites) values.push_back({f.number, f.description});
    return uniqueStoredValues(values);
}
