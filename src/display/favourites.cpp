#include "display/favourites.h"

std::vector<StoredValue> favouritesToStore(const std::vector<FavouriteMode>& favourites) {
    std::vector<StoredValue> values;
    for (const FavouriteMode& f : favourites) {
        bool replaced = false;
        for (StoredValue& v : values)
            if (v.name == f.number) {
                v.text = f.description;
                replaced = true;
            }
        if (!replaced) values.push_back({f.number, f.description});
    }
    return values;
}
