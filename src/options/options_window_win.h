#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "options/options_record.h"

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

// What the window shows and does that belongs to other parts of the
// program: whether hibernation is offered, the Information tab's lines,
// and the steps OK, the computer browser and the icon chooser take beyond
// the window (each may be left empty).
struct OptionsContext {
    bool hibernationAvailable = false;
    std::string windowsName;
    std::string windowsVersion;
    std::uint64_t totalPhysicalBytes = 0;
    std::function<void()> confirmed;  // after OK's save and reload: the schedule armed again
    std::function<std::string(HWND owner, const std::string& title)> browseForComputer;
    std::function<void(const std::string& file)> showTrayIcon;
};

// Tray command 217 (after the caller has suspended the schedule): opens
// the window and returns once it is closed; with the window open already,
// it only comes to the front.
void openOptions(const OptionsContext& context);

// Registers the class, builds the window with every control, loads the
// controls from the settings read afresh and shows the first tab. Returns
// the window; the caller runs its loop. OK (224) saves and closes; a save
// that fails leaves the window open. Cancel (225) and the close box store
// nothing.
HWND createOptionsWindow(const OptionsContext& context);

// The open options window; null without one.
HWND optionsWindow();

// Shows only the controls of tab index (0..5), with OK and Cancel.
void showOptionsTab(int index);

// What the controls hold, as OK stores it.
OptionsRecord optionsRecordFromControls();

// Stores what the controls hold and creates or deletes the autostart
// shortcut to the program in its home directory. Returns whether the
// registry took the new values; when it did not, the previous ones are
// still there and the shortcut is left as it was.
bool storeOptionsRecord(const OptionsRecord& record, bool hibernationAvailable);

// OK's save: the settings store takes what the controls hold and the
// autostart shortcut follows. When the store cannot be written, the
// previous settings stay, the user is told, and the window stays open with
// the edits: false.
bool saveOptions();

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
