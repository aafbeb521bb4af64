#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

// What the options window shows and does that belongs to other parts of the
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
