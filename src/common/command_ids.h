#pragma once

#include <initializer_list>

// The ids every window of the program may receive: each window carries a
// tray icon whose menu sends its commands to that window. A window's own
// control and command ids are its own business, but none of them may be
// one of these, which the window's file checks with noneShared.
namespace tray_command {
constexpr unsigned kNone = 0;  // the last entry: closes the menu, nothing else
constexpr unsigned kShutdown = 123;
constexpr unsigned kCompleteReboot = 200;
constexpr unsigned kFastReboot = 201;
constexpr unsigned kLogoff = 202;
constexpr unsigned kCloseAllWindows = 203;
constexpr unsigned kMinimiseAllWindows = 204;
constexpr unsigned kTerminate = 205;
constexpr unsigned kRestoreAllWindows = 206;
constexpr unsigned kRefreshDesktop = 207;
constexpr unsigned kRebuildIcons = 213;
constexpr unsigned kDisplayProperties = 214;
constexpr unsigned kOptions = 217;
constexpr unsigned kFavourites = 218;
constexpr unsigned kStandby = 223;
constexpr unsigned kNetworkShutdown = 229;
constexpr unsigned kNetworkReboot = 230;
constexpr unsigned kHibernate = 247;
constexpr unsigned kActWhen = 249;
constexpr unsigned kProcessViewer = 1495;
constexpr unsigned kDisplayModes = 1498;
// the CD-drive submenu: three ids per drive letter from here
constexpr unsigned kFirstCdDrive = 300;
constexpr unsigned kEndCdDrives = kFirstCdDrive + 3 * 26;
}  // namespace tray_command

namespace command_ids {

constexpr unsigned kShared[] = {
    tray_command::kNone,           tray_command::kShutdown,          tray_command::kCompleteReboot,
    tray_command::kFastReboot,     tray_command::kLogoff,            tray_command::kCloseAllWindows,
    tray_command::kMinimiseAllWindows, tray_command::kTerminate,     tray_command::kRestoreAllWindows,
    tray_command::kRefreshDesktop, tray_command::kRebuildIcons,      tray_command::kDisplayProperties,
    tray_command::kOptions,        tray_command::kFavourites,        tray_command::kStandby,
    tray_command::kNetworkShutdown, tray_command::kNetworkReboot,    tray_command::kHibernate,
    tray_command::kProcessViewer,  tray_command::kDisplayModes,     tray_command::kActWhen,
};

constexpr bool isShared(unsigned id) {
    if (id >= tray_command::kFirstCdDrive && id < tray_command::kEndCdDrives) return true;
    for (unsigned shared : kShared)
        if (shared == id) return true;
    return false;
}

constexpr bool allDifferent(std::initializer_list<unsigned> ids) {
    for (const unsigned* a = ids.begin(); a != ids.end(); ++a)
        for (const unsigned* b = a + 1; b != ids.end(); ++b)
            if (*a == *b) return false;
    return true;
}

constexpr bool sharedAllDifferent() {
    for (unsigned a = 0; a < sizeof(kShared) / sizeof(kShared[0]); ++a) {
        if (kShared[a] >= tray_command::kFirstCdDrive && kShared[a] < tray_command::kEndCdDrives)
            return false;
        for (unsigned b = a + 1; b < sizeof(kShared) / sizeof(kShared[0]); ++b)
            if (kShared[a] == kShared[b]) return false;
    }
    return true;
}
static_assert(sharedAllDifferent(), "two shared commands with one id");

}  // namespace command_ids

// A window's own ids: all different, and none a shared one (0, the menu's
// last entry, and the static controls' 1 and 0 aside).
constexpr bool noneShared(std::initializer_list<unsigned> ids) {
    for (unsigned id : ids)
        if (id > 1 && command_ids::isShared(id)) return false;
    return command_ids::allDifferent(ids);
}
