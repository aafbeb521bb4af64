#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The module usage window (class "Process DLLViewer"): the modules of one
// process, owned by the process viewer. A double-click shows a module's
// version report; a column's header sorts by it; Esc closes it.
constexpr const char* kModuleWindowClass = "Process DLLViewer";

// Builds the window for the process of a window-list row (its title and
// process id), its list filled and sorted by module name. Null where the
// system has no module records to show (NT 4) or the window failed.
HWND createModuleWindow(HWND viewer, const std::string& title, std::uint32_t pid);

// The open module window; null without one.
HWND moduleWindow();

// Opens the window for that row; one open already makes way for it.
void openModuleWindow(HWND viewer, const std::string& title, std::uint32_t pid);
