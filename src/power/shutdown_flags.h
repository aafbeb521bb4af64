#pragma once

// ExitWindowsEx flag values, spelled out so the core needs no Windows header.
namespace ewx {
constexpr unsigned kLogoff = 0x0;
constexpr unsigned kShutdown = 0x1;
constexpr unsigned kReboot = 0x2;
constexpr unsigned kForce = 0x4;
constexpr unsigned kPowerOff = 0x8;
}  // namespace ewx

// Shutdown flags: 13, 5, 1 or 9; always a shutdown.
unsigned shutdownFlags(bool powerOff, bool force);

// Reboot: 6 forced, else 2.
unsigned rebootFlags(bool force);

// Logoff: 4 forced, else 0.
unsigned logoffFlags(bool force);
