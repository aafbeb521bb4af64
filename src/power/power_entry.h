#pragma once

#include <functional>

#include "power/power_actions.h"

struct Settings;

// What an entry point of the power actions works with: the settings in
// memory, the power calls, the reload that brings the settings back to
// their stored state, and the language of the texts it shows.
struct PowerEntryContext {
    Settings& settings;
    PowerSystem& power;
    std::function<void()> reload;
    bool german = false;
};
