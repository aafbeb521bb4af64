#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>

// The text of a REG_SZ value of an open key, up to its first zero; none when
// the value is missing, of another type, or longer than maxLength characters.
// The length is judged by the size the registry reports before anything is
// read, so a value of megabytes costs nothing. A value stored without its
// terminating zero still reads whole.
std::optional<std::string> readRegistryText(HKEY key, const char* name, std::size_t maxLength);
