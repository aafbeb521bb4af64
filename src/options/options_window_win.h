#pragma once

#include <windows.h>

#include <string>

#include "options/options_context_win.h"
#include "options/options_ids.h"
#include "options/options_record.h"

// The options window: six tabs of controls over every setting, opened from
// the tray menu. Class "Optionen", built in code at fixed positions.
constexpr const char* kOptionsClass = "Optionen";

// Tray command 217 (after the caller has suspended the schedule): opens
// the window; with the window open already, it only comes to the front.
void openOptions(const OptionsContext& context);

// Registers the class, builds the window with every control, loads the
// controls from the settings read afresh and shows the first tab, the
// focus to go to its first control. Returns the window. OK (224, Enter)
// saves and closes; a save that fails leaves the window open. Cancel (225,
// Esc) and the close box store nothing. Ctrl+Tab and Ctrl+Shift+Tab
// change the tab.
HWND createOptionsWindow(const OptionsContext& context);

// The open options window; null without one.
HWND optionsWindow();

// Shows only the controls of tab index (0..5), with OK and Cancel.
void showOptionsTab(HWND window, int index);

// What the controls hold, as OK stores it.
OptionsRecord optionsRecordFromControls(HWND window);

// Stores what the controls hold and creates or deletes the autostart
// shortcut to the program in its home directory. Returns whether the
// registry took the new values; when it did not, the previous ones are
// still there and the shortcut is left as it was.
bool storeOptionsRecord(const OptionsRecord& record, bool hibernationAvailable);

// OK's save: the settings store takes what the controls hold and the
// autostart shortcut follows. When the store cannot be written, the
// previous settings stay, the user is told, and the window stays open with
// the edits: false.
bool saveOptions(HWND window);

// Command-line help: the help file of the language, from the home directory.
void openCommandLineHelp(HWND window);
// Appends a computer to the list; an empty name (a cancelled browser) adds
// nothing, and one the stored list could not hold is refused with a box.
void addOptionsComputer(HWND window, const std::string& name);
// Asks, then removes the selected computer; nothing without a selection.
void removeSelectedOptionsComputer(HWND window);
// The icon path label, stored as AppIcon by OK. A path longer than a
// setting can be is refused with a box, and false returned.
bool setOptionsIconPath(HWND window, const std::string& path);
