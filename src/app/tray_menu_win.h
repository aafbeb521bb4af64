#pragma once

#include <windows.h>

#include <array>

#include "app/tray_menu.h"

// The eight popup menus of one right click, indexed by TrayMenu.
using TrayMenuHandles = std::array<HMENU, kTrayMenuCount>;

// Whether the clock rate is measured, which blocks for half a second.
enum class ClockRate { Measure, Skip };

// Builds the menu set from the model: appended in display order on Windows
// 95, inserted at the front in reverse order (with the default item) on every
// other system. Then fills in the system figures.
TrayMenuHandles createTrayMenus(const TrayMenuContext& context, ClockRate clock);

// The context of this moment: this system, the language, the uptime.
TrayMenuContext currentTrayMenuContext();

// Destroys the root menu and every submenu hanging from it.
void destroyTrayMenus(const TrayMenuHandles& menus);

// The right click: builds the set, brings the main window to the front and
// tracks the root menu at the cursor with owner as the command's receiver.
void showTrayMenu(HWND owner);
