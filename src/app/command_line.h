#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "power/power_entries.h"

struct Settings;

// The command line passes through a working buffer of this many characters,
// terminator included.
constexpr std::size_t kCommandLineBufferSize = 250;

// The text after the first "/" of the whole command line (program path
// included), spaces and further slashes kept. Empty when there is no "/",
// nothing follows it, or the command line does not fit the working buffer:
// a cut command line could lose the letter that decides the action, so an
// overlong one runs no action at all and the program starts normally.
std::string argumentText(std::string_view commandLine);

// Tests the letters p, s, r, l, b, h in that order, each anywhere in the
// text; the last action letter found wins. "f" forces every present action
// unless its first occurrence is the very first character.
CommandLineAction parseArguments(std::string_view arguments);

// Overwrites poweroff and the four force settings in memory; the store is
// never written, and the next load brings the stored values back.
void applyOverrides(const CommandLineAction& request, Settings& settings);
