#pragma once

#include <string>
#include <vector>

#include "options/options_controls_win.h"
#include "options/options_record.h"

struct Settings;

// Between the options window's controls and the settings: what the
// controls show when the window opens, and what they hold for OK to store.
namespace options_ui {

// Sets every control: the two action lists and the icon path from the
// settings in memory (shownBefore), the others from the settings read
// afresh from the store.
void showSettings(const Controls& controls, const Settings& shownBefore);

// What the controls hold, as OK stores it.
OptionsRecord recordFrom(const Controls& controls);

// The names the computer list holds.
std::vector<std::string> listedComputers(const Controls& controls);

}  // namespace options_ui
