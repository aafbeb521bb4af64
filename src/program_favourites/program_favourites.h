#pragma once

#include <string>
#include <vector>

#include "settings/stored_values.h"

// The program favourites: files the user starts from a list, kept in the
// current user's registry as one text value per path, named by the path,
// with empty data.
constexpr const char* kProgramFavouritesKeyPath = "Software\\Dormival\\Options\\Favoriten";

// The stored form of the list: a path listed twice (in any case) is one
// value, where it first stood.
std::vector<StoredValue> programFavouritesToStore(const std::vector<std::string>& paths);
