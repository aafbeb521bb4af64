#pragma once

#include <string_view>

// Reads a setting as a decimal integer the way the C library's atoi does:
// leading blanks skipped, an optional sign, then digits up to the first
// non-digit. An empty or non-numeric text reads as 0. Unlike atoi, a value
// too large for an int saturates instead of being undefined, because stored
// values can be edited by hand.
int settingAsInt(std::string_view text);
