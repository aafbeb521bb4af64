#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "settings/settings_save.h"

// The options window: six tabs of controls over every setting, opened from
// the tray menu. Class "Optionen", built in code at fixed positions.
constexpr const char* kOptionsClass = "Optionen";

namespace options_command {
constexpr unsigned kChooseIcon = 133;
constexpr unsigned kOk = 224;
constexpr unsigned kCancel = 225;
constexpr unsigned kCommandLineHelp = 226;
constexpr unsigned kAddComputer = 227;
constexpr unsigned kRemoveComputer = 228;
}  // namespace options_command

// Id of the network-computer list.
constexpr int kComputerListId = 233;

// What the window shows that belongs to other features: whether hibernation
// is offered, and the Information tab's Windows and memory lines.
struct OptionsContext {
    bool hibernationAvailable = false;
    std::string windowsName;
    std::string windowsVersion;
    std::uint64_t totalPhysicalBytes = 0;
};

// Registers the class, builds the window with every control, loads the
// controls from the settings read afresh and shows the first tab. Returns
// the window; the caller runs its loop.
HWND createOptionsWindow(const OptionsContext& context);

// Shows only the controls of tab index (0..5), with OK and Cancel.
void showOptionsTab(int index);

// The tab control's notifications; true when handled.
bool onOptionsNotify(const NMHDR& header);

// What the controls hold, as OK stores it.
OptionsRecord optionsRecordFromControls();

// OK's save: the settings store takes what the controls hold and the
// autostart shortcut follows. When the store cannot be written, the
// previous settings stay, the user is told, and the window stays open with
// the edits: false.
bool saveOptions();

void hideOptionsWindow();
// Destroys the window if it is open.
void closeOptionsWindow();

// Command-line help: the help file of the language, from the home directory.
void openCommandLineHelp();
// Appends a computer to the list; an empty name (a cancelled browser) adds
// nothing, and one the stored list could not hold is refused with a box.
void addOptionsComputer(const std::string& name);
// Asks, then removes the selected computer; nothing without a selection.
void removeSelectedOptionsComputer();
// The icon path label, stored as AppIcon by OK. A path longer than a
// setting can be is refused with a box, and false returned.
bool setOptionsIconPath(const std::string& path);

// Deletes the window's font; runs when the window is finally destroyed.
void releaseOptionsFonts();
