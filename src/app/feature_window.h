#pragma once

#include <windows.h>

// Every feature window (options, warning, display modes, favourites, process
// viewers) is opened the same way: its class is registered with the one
// window procedure, the window is created and its handle stored, and then it
// runs a message loop of its own until it is destroyed. While that loop runs
// it dispatches the messages of every other window of the program too.

// Registers the class with the one window procedure and this instance; a
// class registered before is left as it is.
void registerFeatureClass(WNDCLASSEXA windowClass);

// Shows the window and runs its local loop until it has been destroyed.
void runFeatureWindow(HWND window);
