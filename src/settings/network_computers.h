#pragma once

#include <string>
#include <vector>

// The list of network computers as NetworkDrives stores it: each name
// followed by "|", for example "PC1|PC2|".

// Names up to the first empty one (so a leading "|" or two in a row end the
// list); a last name without its "|" still counts.
std::vector<std::string> parseNetworkComputers(const std::string& text);

// The stored form of the names, in order. An empty name or one containing
// "|" cannot be stored without breaking the list and is left out, and so is
// every name from the first one that would take the text past the longest
// value a load accepts: a shorter list beats one that loads as nothing.
std::string joinNetworkComputers(const std::vector<std::string>& names);

// Whether the stored form of names with this one added still holds it: a
// name that would not be stored is refused where it is typed.
bool networkComputersTake(const std::vector<std::string>& names, const std::string& name);
