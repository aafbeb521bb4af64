#pragma once

#include <string_view>

// ExitWindowsEx flag values, spelled out so the core needs no Windows header.
namespace ewx {
constexpr unsigned kLogoff = 0x0;
constexpr unsigned kShutdown = 0x1;
constexpr unsigned kReboot = 0x2;
constexpr unsigned kForce = 0x4;
constexpr unsigned kPowerOff = 0x8;
}  // namespace ewx

// Shutdown flags from the power-off and force settings, each read as an
// integer: 13, 5, 1 or 9. A value other than 0 or 1 (only a hand-edited
// store can hold one) counts as off, as for every other force setting
// where only "1" switches force on; the result is always a shutdown.
unsigned shutdownFlags(std::string_view poweroff, std::string_view forceshutdown);

// Reboot: 6 when forcereboot is exactly "1", else 2.
unsigned rebootFlags(std::string_view forcereboot);

// Logoff: 4 when forcelogoff is exactly "1", else 0.
unsigned logoffFlags(std::string_view forcelogoff);
