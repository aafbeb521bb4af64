#pragma once

#include <string>
#include <vector>

#include "settings/stored_values.h"

// A favourite display mode: its mode number and the mode's text when it
// was added.
struct FavouriteMode {
    std::string number;
    std::string description;
};

// The stored form: one text value per mode number, named by it, in list
// order; a mode listed twice is stored once, with the later description.
std::vector<StoredValue> favouriteModesToStore(const std::vector<FavouriteMode>& favourites);
