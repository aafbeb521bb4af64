#pragma once

// Command identifiers of the tray menu, shared by the menu that sends them
// and the features that carry them out.
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
constexpr unsigned kProcessViewer = 1495;
constexpr unsigned kDisplayModes = 1498;
}  // namespace tray_command
