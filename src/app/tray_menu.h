#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/command_ids.h"

// The eight popup menus the tray icon's right click opens, built anew each
// time.
enum class TrayMenu {
    Root,
    System,
    Resources,  // eight placeholders, filled with the memory figures
    Cpu,        // two placeholders: clock rate, processor identifier
    Desktop,
    Tools,
    CdDrive,    // filled with the CD drives' open and close entries
    Runtime,
};
constexpr int kTrayMenuCount = 8;

struct TrayMenuEntry {
    enum class Kind { Command, Separator, Submenu };
    Kind kind = Kind::Command;
    std::string text;
    unsigned id = 0;                   // Command only
    TrayMenu submenu = TrayMenu::Root;  // Submenu only
    bool isDefault = false;
};

// Each menu's entries top to bottom.
using TrayMenuModel = std::array<std::vector<TrayMenuEntry>, kTrayMenuCount>;

struct TrayMenuContext {
    bool windows95 = false;  // variant A on Windows 95, variant B everywhere else
    int platformClass = 0;
    bool german = false;
    bool hibernationAvailable = false;
    std::string runtimeText;  // the System runtime submenu's two entries
    std::string bootText;
    std::string cdDrives;  // the letters of the CD-ROM drives
};

TrayMenuModel buildTrayMenuModel(const TrayMenuContext& context);

// The characters a tooltip may have in the icon's record.
constexpr std::size_t kTooltipLength = 63;

// The icon's tooltip: one line on Windows 9x, three lines on the NT family.
// With an armed action's line, that line follows the name, and the mouse
// hints stay where the record's 63 characters hold them.
std::string trayTooltip(int platformClass, bool german,
                        const std::optional<std::string>& armed = std::nullopt);

// Texts of the System resources and CPU information placeholders.
constexpr const char* kResourcesPlaceholder = "360";
constexpr const char* kCpuPlaceholder = "A";
constexpr int kResourcesEntries = 8;
constexpr int kCpuEntries = 2;
